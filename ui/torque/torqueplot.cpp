#include "torqueplot.h"

#include "numbertext.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tuneks {

TorquePlot::TorquePlot()
    : m_image(kWidth, kHeight, QImage::Format_RGB32), m_table(kTableSize)
{
    m_image.fill(wipeColor());
}

QVariant TorquePlot::entry(int index) const
{
    if (index < 0 || index >= m_table.size())
        return QVariant();
    return m_table.at(index);
}

void TorquePlot::build(const std::function<QString(int)> &textOfSlot)
{
    drawLine(QPointF(2, kBaselineY), QPointF(635, kBaselineY), axisColor());
    for (int k = 0; k < kPointCount; ++k) {
        const int x = kFirstPointX + kPointStepX * k;
        drawLine(QPointF(x, kBaselineY - 2), QPointF(x, kBaselineY + 2), axisColor());
    }
    copyFieldTexts(textOfSlot);
    drawAxesAndCurve();
}

void TorquePlot::wipe()
{
    m_image.fill(wipeColor());
    m_strokes.clear();
    m_scaled = QImage();
}

void TorquePlot::copyFieldTexts(const std::function<QString(int)> &textOfSlot)
{
    for (int slot = kFirstSlot; slot < kFirstSlot + kPointCount; ++slot)
        m_table[slot] = textOfSlot(slot);
}

void TorquePlot::drawAxesAndCurve()
{
    toPlotValues();
    drawLine(QPointF(3, kBaselineY), QPointF(3, 2), axisColor());
    for (int j = 1; j <= 12; ++j) {
        const int y = kBaselineY - 25 * j;
        drawLine(QPointF(2, y), QPointF(5, y), axisColor());
    }
    QPointF previous(3, kBaselineY);
    for (int k = 0; k < kPointCount; ++k) {
        const QPointF next = point(k);
        drawLine(previous, next, curveColor());
        previous = next;
    }
}

void TorquePlot::toPlotValues()
{
    for (int slot = kFirstSlot; slot < kFirstSlot + kPointCount; ++slot) {
        QVariant &value = m_table[slot];
        if (value.typeId() == QMetaType::Double)
            continue;
        value = plotValue(value.toString());
    }
}

double TorquePlot::plotValue(const QString &fieldText)
{
    // The first "." becomes ","; the reader stops at the comma, so only the
    // digits before the decimal point count.
    QString text = fieldText;
    const int point = text.indexOf(QLatin1Char('.'));
    if (point >= 0)
        text[point] = QLatin1Char(',');
    return leadingNumber(text) / 4.0;
}

QPointF TorquePlot::point(int k) const
{
    const QVariant value = entry(kFirstSlot + k);
    const double plotted = value.typeId() == QMetaType::Double ? value.toDouble() : 0.0;
    return QPointF(kFirstPointX + kPointStepX * k, kBaselineY - plotted);
}

namespace {

// Coordinates beyond a million pixels (infinities included) are pulled in
// to a million. So far off the canvas, that moves no drawn pixel (less than
// a hundredth of a pixel across the canvas), while it keeps the clipping
// arithmetic exact: with heights near 1e38 the crossing points would be lost
// to rounding.
constexpr double kFarAway = 1e6;

double pullIn(double v)
{
    return std::clamp(v, -kFarAway, kFarAway);
}

} // namespace

std::optional<QLineF> TorquePlot::clipToCanvas(QPointF from, QPointF to)
{
    if (std::isnan(from.x()) || std::isnan(from.y()) || std::isnan(to.x()) || std::isnan(to.y()))
        return std::nullopt;
    const double x0 = pullIn(from.x()), y0 = pullIn(from.y());
    const double x1 = pullIn(to.x()), y1 = pullIn(to.y());

    // Liang-Barsky clipping against the interior with a pixel to spare, so
    // that the painter only ever sees small coordinates.
    const double minX = -1, maxX = kWidth, minY = -1, maxY = kHeight;
    const double dx = x1 - x0, dy = y1 - y0;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - minX, maxX - x0, y0 - minY, maxY - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return std::nullopt; // parallel to this edge and outside it
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return std::nullopt;
    }
    return QLineF(x0 + t0 * dx, y0 + t0 * dy, x0 + t1 * dx, y0 + t1 * dy);
}

void TorquePlot::drawLine(QPointF from, QPointF to, const QColor &color)
{
    const std::optional<QLineF> visible = clipToCanvas(from, to);
    if (!visible)
        return;
    const Stroke stroke{*visible, color.rgb()};
    m_strokes.removeOne(stroke);
    m_strokes.append(stroke);
    if (!m_scaled.isNull())
        drawStroke(m_scaled, m_scaled.devicePixelRatio(), stroke);

    // Fractional coordinates go to the nearest pixel (halves downwards on the
    // screen, as qRound rounds them up).
    const QLine pixels(qRound(visible->x1()), qRound(visible->y1()), qRound(visible->x2()),
                       qRound(visible->y2()));
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(color);
    pen.setWidth(1);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    if (pixels.p1() == pixels.p2())
        painter.drawPoint(pixels.p1());
    else
        painter.drawLine(pixels);
}

QImage TorquePlot::imageAt(qreal ratio) const
{
    if (!(ratio > 0) || qFuzzyCompare(ratio, 1.0))
        return m_image;
    if (m_scaled.isNull() || !qFuzzyCompare(m_scaled.devicePixelRatio(), ratio)) {
        m_scaled = QImage(qRound(kWidth * ratio), qRound(kHeight * ratio), QImage::Format_RGB32);
        m_scaled.setDevicePixelRatio(ratio);
        m_scaled.fill(wipeColor());
        for (const Stroke &stroke : m_strokes)
            drawStroke(m_scaled, ratio, stroke);
    }
    return m_scaled;
}

namespace {

// The first device pixel of a line `width` device pixels wide that stands
// for the canvas pixel at `v`: centred on that pixel's middle.
int devicePixel(double v, qreal ratio, int width)
{
    return int(std::floor((v + 0.5) * ratio - width / 2.0 + 0.5));
}

} // namespace

void TorquePlot::drawStroke(QImage &image, qreal ratio, const Stroke &stroke)
{
    // A canvas pixel is `ratio` device pixels wide; every line gets the same
    // whole number of device pixels, so no line comes out thinner or
    // thicker than another, and the curve steps in device pixels.
    const int width = std::max(1, qRound(ratio));
    const int x0 = devicePixel(stroke.line.x1(), ratio, width);
    const int y0 = devicePixel(stroke.line.y1(), ratio, width);
    const int x1 = devicePixel(stroke.line.x2(), ratio, width);
    const int y1 = devicePixel(stroke.line.y2(), ratio, width);
    // Painted through a view of the same pixels without the ratio, so that
    // the coordinates are device pixels.
    QImage devicePixels(image.bits(), image.width(), image.height(), image.bytesPerLine(),
                        image.format());
    QPainter painter(&devicePixels);
    const QColor color = QColor::fromRgb(stroke.color);
    if (x0 == x1 || y0 == y1) {
        painter.fillRect(QRect(QPoint(std::min(x0, x1), std::min(y0, y1)),
                               QPoint(std::max(x0, x1) + width - 1, std::max(y0, y1) + width - 1)),
                         color);
        return;
    }
    // Bresenham's line between the two device pixels, each step a square of
    // the line's width.
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (int x = x0, y = y0;;) {
        painter.fillRect(x, y, width, width, color);
        if (x == x1 && y == y1)
            break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

} // namespace tuneks
