// The torque graph without widgets: plot values, where points land, what the drawing leaves.
#include "torqueplot.h"

#include <gtest/gtest.h>

#include <QMap>

#include <limits>
#include <vector>

using namespace tuneks;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const QColor red = TorquePlot::curveColor();
const QColor black = TorquePlot::axisColor();
const QColor white = TorquePlot::wipeColor();

TEST(TorquePlot, APlotValueIsTheLeadingNumberBeforeTheFirstPointDividedByFour)
{
    // The number itself is read by leadingNumber(), tested with the core.
    const struct { const char *text; double plotValue; } cases[] = {
        {"1200", 300}, {"-40", -10}, {"350.75", 87.5}, {"0.9", 0}, {"1,5", 0.25}, {"1e999", kInf}, {"-1e999", -kInf}};
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(TorquePlot::plotValue(QString::fromUtf8(c.text)), c.plotValue) << c.text;
}

// A graph built from the given field texts; slots not named hold "0".
TorquePlot built(const QMap<int, QString> &texts)
{
    TorquePlot plot;
    plot.build([texts](int slot) { return texts.value(slot, QStringLiteral("0")); });
    return plot;
}

TEST(TorquePlot, PointsCurveAndAxesLandOnTheirPixels)
{
    struct Pixel { int x, y; QColor color; };
    const struct { const char *what; QMap<int, QString> texts; std::vector<Pixel> pixels; } rows[] = {
        {"all zero: the curve along the baseline, the x axis from 2 to 635 with ticks from y 308 to 312", {},
         {{3, 310, red}, {300, 310, red}, {626, 310, red}, {2, 310, black}, {635, 310, black}, {636, 310, white},
          {28, 308, black}, {626, 312, black}, {54, 313, white},
          // the y axis up to y 2, its ticks from x 2 to 5 at 285, 260, ..., 10
          {3, 2, black}, {3, 1, white}, {5, 285, black}, {5, 10, black}, {6, 160, white}, {5, 272, white},
          {300, 150, white}}},
        {"points 26 pixels apart, 4 units to a pixel, 222.5 rounded to the row below",
         {{41, QStringLiteral("1200")}, {43, QStringLiteral("400")}, {45, QStringLiteral("350.75")}},
         {{28, 10, red}, {41, 160, red}, {80, 210, red}, {132, 223, red}, {132, 221, white}}},
        {"below the canvas: from (3, 310) to (28, 320) the last row is met at x 18",
         {{41, QStringLiteral("-40")}}, {{18, 316, red}, {80, 310, red}}},
    };
    for (const auto &row : rows) {
        const TorquePlot plot = built(row.texts);
        for (const Pixel &p : row.pixels)
            EXPECT_EQ(plot.image().pixelColor(p.x, p.y), p.color) << row.what << " at " << p.x << ", " << p.y;
    }
}

TEST(TorquePlot, SegmentsLeavingTheCanvasAreCutAtItsEdgesWhateverTheValue)
{
    // From (106, 310) to (132, -190) the curve leaves through the top row near x 121 and comes back.
    const TorquePlot high = built({{45, QStringLiteral("2000")}});
    bool topRowReached = false;
    for (int x = 118; x <= 124; ++x)
        topRowReached = topRowReached || high.image().pixelColor(x, 0) == red;
    EXPECT_TRUE(topRowReached);
    EXPECT_EQ(high.image().pixelColor(400, 310), red);

    // Both segments through a point beyond any number run straight off an
    // edge, at x 3 and x 54; the rest of the graph is where it belongs.
    for (const char *huge : {"1e999", "-1e999", "1e300", "-1e38"}) {
        const QImage image = built({{41, QString::fromLatin1(huge)}}).image();
        const int edgeY = huge[0] == '-' ? 316 : 0;
        EXPECT_EQ(image.pixelColor(3, edgeY), red) << huge;
        EXPECT_EQ(image.pixelColor(54, edgeY), red) << huge;
        EXPECT_EQ(image.pixelColor(28, edgeY), white) << huge;
        EXPECT_EQ(image.pixelColor(80, 310), red) << huge;
        EXPECT_EQ(image.pixelColor(5, 10), black) << huge;
        EXPECT_EQ(image.pixelColor(300, 150), white) << huge;
    }
    EXPECT_FALSE(TorquePlot::clipToCanvas(QPointF(3, 310), QPointF(28, std::numeric_limits<double>::quiet_NaN())));
}

// Builds accumulate until the wipe, which leaves a blank canvas and the last build's values. At another
// ratio the drawing is the same drawn along with the builds or afresh; at ratio 1 it is the canvas.
TEST(TorquePlot, BuildsAccumulateUntilTheWipeAtAnyRatio)
{
    TorquePlot plot = built({{50, QStringLiteral("400")}}); // point (262, 210)
    plot.build([](int slot) { return slot == 50 ? QStringLiteral("800") : QStringLiteral("0"); });
    EXPECT_EQ(plot.image().pixelColor(262, 210), red);
    EXPECT_EQ(plot.image().pixelColor(262, 110), red);
    plot.wipe();
    QImage blank(plot.image().size(), plot.image().format());
    blank.fill(white);
    EXPECT_EQ(plot.image(), blank);
    EXPECT_DOUBLE_EQ(plot.entry(50).toDouble(), 200);

    auto rising = [](int slot) { return QString::number(40 * (slot - 40)); };
    auto falling = [](int slot) { return QString::number(1200 - 45 * (slot - 41)) + QStringLiteral(".5"); };
    TorquePlot early, late;
    const QImage before = early.imageAt(1.5);
    for (TorquePlot *p : {&early, &late}) {
        p->build(rising);
        p->build(falling);
        p->build(rising); // drawn again over the falling curve
    }
    const QImage drawnAlong = early.imageAt(1.5);
    EXPECT_NE(drawnAlong, before);
    EXPECT_EQ(drawnAlong, late.imageAt(1.5));
    EXPECT_EQ(drawnAlong.size(), early.image().size() * 1.5);
    EXPECT_EQ(drawnAlong.devicePixelRatio(), 1.5);
    EXPECT_EQ(early.imageAt(1.0), early.image());
    early.wipe();
    EXPECT_EQ(early.imageAt(1.5), before);
    early.build(falling);
    TorquePlot fresh;
    fresh.build(falling);
    EXPECT_EQ(early.imageAt(2.0), fresh.imageAt(2.0));
}

} // namespace
