#pragma once

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QPointF>
#include <QString>
#include <QVariant>
#include <QVector>

#include <functional>
#include <optional>

namespace tuneks {

// The torque graph without any widget: the plot table, the reading of the
// field texts into plot values and the drawing onto a persistent image of
// the canvas interior. The torque window shows the image and stands its
// labels, fields and buttons in front of it.
//
// The geometry is fixed: one pixel of height stands for 4 torque units, one
// step of 26 pixels for 500 rpm; coordinates are pixels of the canvas
// interior, y growing downwards.
class TorquePlot {
public:
    static constexpr int kWidth = 637;   // canvas interior
    static constexpr int kHeight = 317;
    static constexpr int kBaselineY = 310;
    static constexpr int kFirstPointX = 28;
    static constexpr int kPointStepX = 26;
    static constexpr int kPointCount = 24;
    static constexpr int kFirstSlot = 41;
    static constexpr int kTableSize = 71;

    static QColor axisColor() { return QColor(0, 0, 0); }
    static QColor curveColor() { return QColor(255, 0, 0); }
    static QColor wipeColor() { return QColor(255, 255, 255); }

    TorquePlot();

    // The canvas as drawn so far: white at first, then every build on top
    // of the earlier ones until wipe().
    const QImage &image() const { return m_image; }
    // The same drawing for a screen with `ratio` device pixels to a canvas
    // pixel: the same canvas coordinates, every line drawn in device pixels
    // with one width throughout (the ratio rounded, at least 1), so that
    // lines, ticks and the curve stay even and sharp. At 1 it is image().
    QImage imageAt(qreal ratio) const;

    // The plot table, entries 0..70: invalid (empty), a QString (a field
    // text copied by copyFieldTexts) or a double (a plot value made by toPlotValues).
    QVariant entry(int index) const;

    // "Построить график": the x axis and its ticks, then copyFieldTexts,
    // then drawAxesAndCurve.
    // textOfSlot gives the text of Text21(slot) for slot 41..64; the texts
    // are only read.
    void build(const std::function<QString(int)> &textOfSlot);
    // "Очистить": paints the whole canvas interior white.
    void wipe();

    // Copies the texts of the 24 fields into entries 41..64.
    void copyFieldTexts(const std::function<QString(int)> &textOfSlot);
    // toPlotValues, then the y axis, its ticks and the red curve.
    void drawAxesAndCurve();
    // Turns entries 41..64 from texts into plot values (the
    // number the text begins with after its first "." became ",", divided
    // by 4). Entries that are already numbers are left alone.
    void toPlotValues();

    // The plot value of one field text, as toPlotValues stores it.
    static double plotValue(const QString &fieldText);
    // The point of slot 41 + k from the plot value in the table: x is
    // 28 + 26k, y is 310 less the plot value, in double precision.
    QPointF point(int k) const;
    // The part of the segment from `from` to `to` that lies on the canvas
    // (with one pixel to spare on every side), or nothing when no part of it
    // does or a coordinate is not a number. Coordinates farther than a
    // million pixels (infinities too) count as a million, which changes no
    // drawn pixel.
    static std::optional<QLineF> clipToCanvas(QPointF from, QPointF to);

private:
    // One line as drawn: its part on the canvas, in canvas coordinates.
    struct Stroke {
        QLineF line;
        QRgb color;
        bool operator==(const Stroke &other) const
        {
            return line == other.line && color == other.color;
        }
    };

    void drawLine(QPointF from, QPointF to, const QColor &color);
    static void drawStroke(QImage &image, qreal ratio, const Stroke &stroke);

    QImage m_image;
    QVector<QVariant> m_table;
    // Every line since the last wipe, in drawing order, so that the drawing
    // can be made afresh for another pixel ratio. A line drawn again moves
    // to the end instead of being kept twice: the picture stays the same,
    // since the later drawing covers the earlier one.
    QVector<Stroke> m_strokes;
    mutable QImage m_scaled; // the drawing at the ratio last asked for
};

} // namespace tuneks
