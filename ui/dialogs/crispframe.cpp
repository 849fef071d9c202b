#include "crispframe.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QtMath>

namespace tuneks {

namespace {

// The colours the style gives the four sides of a box's border, sampled
// once from a small box drawn at 100 %.
struct BorderColours {
    QColor top, bottom, left, right;
};

BorderColours styleBorder(QAbstractScrollArea *like)
{
    QPlainTextEdit sample;
    sample.setStyle(like->style());
    sample.setPalette(like->palette());
    sample.setFrameStyle(like->frameStyle());
    sample.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sample.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sample.resize(40, 40);
    QImage image(sample.size(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1);
    image.fill(Qt::transparent);
    sample.render(&image);
    return {image.pixelColor(20, 0), image.pixelColor(20, 39), image.pixelColor(0, 20),
            image.pixelColor(39, 20)};
}

class BorderPainter : public QObject {
public:
    BorderPainter(QAbstractScrollArea *box, const BorderColours &colours)
        : QObject(box), m_colours(colours)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            paintBorder(static_cast<QWidget *>(watched));
        return false;
    }

private:
    void paintBorder(QWidget *box)
    {
        QPainter painter(box);
        const QTransform toDevice = painter.deviceTransform();
        const qreal ratio = toDevice.m11();
        // The box in device pixels; the ring of its outermost pixel covers
        // the device pixels whose middles lie within one pixel of its edge.
        const QRectF device = toDevice.mapRect(QRectF(box->rect()));
        auto firstInside = [](qreal edge) { return qCeil(edge - 0.5); };
        const int left = firstInside(device.left());
        const int top = firstInside(device.top());
        const int right = firstInside(device.right()) - 1;
        const int bottom = firstInside(device.bottom()) - 1;
        const int leftIn = firstInside(device.left() + ratio);
        const int topIn = firstInside(device.top() + ratio);
        const int rightIn = firstInside(device.right() - ratio) - 1;
        const int bottomIn = firstInside(device.bottom() - ratio) - 1;

        const QTransform toLogical = toDevice.inverted();
        painter.setRenderHint(QPainter::Antialiasing, false);
        auto fill = [&](int x0, int y0, int x1, int y1, const QColor &colour) {
            if (x1 >= x0 && y1 >= y0)
                painter.fillRect(toLogical.mapRect(QRectF(x0, y0, x1 - x0 + 1, y1 - y0 + 1)), colour);
        };
        // Device pixels between the ring and the text area that neither
        // would paint get the text area's background.
        const QWidget *textArea = static_cast<QAbstractScrollArea *>(box)->viewport();
        fill(left, top, right, bottom, textArea->palette().color(textArea->backgroundRole()));
        fill(left, top, right, topIn - 1, m_colours.top);
        fill(left, bottomIn + 1, right, bottom, m_colours.bottom);
        fill(left, topIn, leftIn - 1, bottomIn, m_colours.left);
        fill(rightIn + 1, topIn, right, bottomIn, m_colours.right);
    }

    BorderColours m_colours;
};

} // namespace

void keepBorderOnDevicePixels(QAbstractScrollArea *box)
{
    // Painted before the box paints itself: the style's own border lines
    // then fall on it where they land inside the box, in the same colours.
    box->installEventFilter(new BorderPainter(box, styleBorder(box)));
}

} // namespace tuneks
