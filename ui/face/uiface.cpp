#include "uiface.h"

#include <QApplication>
#include <QFontDatabase>
#include <QResource>
#include <QStringList>

namespace tuneks {

namespace {

// Registers the embedded file once and remembers its family name. The face
// is stored uncompressed in the program, so the font system reads it where
// it lies: registered by name instead, it would be unpacked and copied once
// to register it and once more when text is first drawn in it.
QString registeredFamily(const QString &resource)
{
    const QResource embedded(resource);
    const int id = embedded.compressionAlgorithm() == QResource::NoCompression
                       ? QFontDatabase::addApplicationFontFromData(
                           QByteArray::fromRawData(reinterpret_cast<const char *>(embedded.data()), embedded.size()))
                       : QFontDatabase::addApplicationFont(resource);
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
