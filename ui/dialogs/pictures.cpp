#include "pictures.h"

#include <QDir>
#include <QImage>
#include <QPainter>
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

QIcon editorIcon()
{
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icons"));
    for (const QString &file : sizes.entryList(QDir::Files))
        icon.addFile(sizes.filePath(file));
    return icon;
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
