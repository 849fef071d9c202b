#include "uiface.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>

namespace tuneks {

namespace {

// Registers the embedded file once and remembers its family name.
QString registeredFamily(const QString &resource)
{
    const int id = QFontDatabase::addApplicationFont(resource);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.constFirst();
}

QFont make(const QString &family, qreal pointSize, QFont::StyleHint fallback)
{
    QFont font(family);
    font.setStyleHint(fallback);
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace

namespace UiFace {

QFont font(qreal pointSize)
{
    static const QString family = registeredFamily(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
    return make(family, pointSize, QFont::SansSerif);
}

QFont fixedFont(qreal pointSize)
{
    static const QString family = registeredFamily(QStringLiteral(":/fonts/LiberationMono-Regular.ttf"));
    return make(family, pointSize, QFont::Monospace);
}

QFont defaultFont() { return font(8.25); }

void chooseFontEngine()
{
#ifdef Q_OS_WIN
    QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty())
        platform = "windows";
    if (platform.startsWith("windows") && !platform.contains("fontengine="))
        qputenv("QT_QPA_PLATFORM", platform + ":fontengine=freetype");
#endif
}

void applyToApplication()
{
    // Without a class name this also drops the platform's own fonts for
    // menus and message boxes, so that they draw in the face as well.
    QApplication::setFont(defaultFont());
}

} // namespace UiFace

} // namespace tuneks
