#include "pictures.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIconEngine>
#include <QMap>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QWindow>
#include <QtMath>

namespace tuneks {

QPixmap sharpPicture(const QString &resource, qreal ratio)
{
    const QImage picture(resource);
    if (!(ratio > 1.0) || picture.isNull() || !resource.endsWith(QLatin1String(".png")))
        return QPixmap::fromImage(picture);
    const QImage twice(resource.chopped(4) + QStringLiteral("@2x.png"));
    if (twice.isNull())
        return QPixmap::fromImage(picture);
    // Whole device pixels covering the picture's place; the fraction of a
    // pixel beyond its place is cut off by the place itself.
    const QSize device(qCeil(picture.width() * ratio - 1e-6), qCeil(picture.height() * ratio - 1e-6));
    QPixmap sharp = QPixmap::fromImage(
        device == twice.size() ? twice
                               : twice.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    sharp.setDevicePixelRatio(ratio);
    return sharp;
}

namespace {

// The icon set's sizes, each decoded when first asked for: decoding all of
// them when the icon is made took a fourteenth of the start-up.
class IconSetEngine final : public QIconEngine {
public:
    IconSetEngine()
    {
        const QDir sizes(QStringLiteral(":/icons"));
        for (const QString &file : sizes.entryList(QDir::Files)) {
            const int side = QFileInfo(file).baseName().toInt();
            if (side > 0)
                m_files.insert(side, sizes.filePath(file));
        }
    }
    QIconEngine *clone() const override { return new IconSetEngine(*this); }
    QString key() const override { return QStringLiteral("IconSetEngine"); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int side : m_files.keys())
            sizes << QSize(side, side);
        return sizes;
    }
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = fittingSide(size);
        return side == 0 ? QSize() : QSize(side, side).scaled(size, Qt::KeepAspectRatio).boundedTo(QSize(side, side));
    }
    // The drawing of the smallest size that covers `size`, or of the largest,
    // made no larger than `size`.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const int side = fittingSide(size);
        if (side == 0)
            return QPixmap();
        QPixmap &drawn = m_decoded[side];
        if (drawn.isNull())
            drawn = QPixmap(m_files.value(side));
        QPixmap shown = drawn.size() == actualSize(size, mode, QIcon::Off)
                            ? drawn
                            : drawn.scaled(actualSize(size, mode, QIcon::Off), Qt::KeepAspectRatio,
                                           Qt::SmoothTransformation);
        if (mode != QIcon::Normal && QApplication::instance())
            shown = QApplication::style()->generatedIconPixmap(mode, shown, nullptr);
        return shown;
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

private:
    int fittingSide(const QSize &size) const
    {
        if (m_files.isEmpty())
            return 0;
        const auto covering = m_files.lowerBound(qMax(size.width(), size.height()));
        return covering == m_files.end() ? m_files.lastKey() : covering.key();
    }

    QMap<int, QString> m_files;
    QMap<int, QPixmap> m_decoded;
};

} // namespace

QIcon editorIcon()
{
    return QIcon(new IconSetEngine);
}

namespace {

class IconAfterFirstFrame final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<QWindow *>(watched);
        if (event->type() == QEvent::Expose && window && window->isExposed()) {
            window->removeEventFilter(this);
            // Queued, so that it runs once the expose has painted the window.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    QApplication::setWindowIcon(editorIcon());
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

void giveWindowIconAfterFirstFrame(QWidget &window)
{
    QWindow *handle = window.windowHandle();
    if (!handle || handle->isExposed()) {
        QApplication::setWindowIcon(editorIcon());
        return;
    }
    handle->installEventFilter(new IconAfterFirstFrame(handle));
}

SharpPicture::SharpPicture(const QString &resource, QWidget *parent, bool loadWhenShown)
    : QLabel(parent), m_resource(resource)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (!loadWhenShown)
        setPixmap(sharpPicture(m_resource, devicePixelRatioF()));
}

void SharpPicture::showEvent(QShowEvent *event)
{
    if (pixmap().isNull())
        setPixmap(sharpPicture(m_resource, devicePixelRatioF()));
    QLabel::showEvent(event);
}

void SharpPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The device pixels painted on: the screen's, or those of a grab.
    const qreal ratio = painter.deviceTransform().m11();
    if (m_painted.isNull() || !qFuzzyCompare(m_painted.devicePixelRatio(), ratio))
        m_painted = qFuzzyCompare(pixmap().devicePixelRatio(), ratio) && !pixmap().isNull()
            ? pixmap()
            : sharpPicture(m_resource, ratio);
    painter.drawPixmap(contentsRect().topLeft(), m_painted);
}

} // namespace tuneks
