// The torque graph without widgets: how field texts become plot values, where
// the points land, and what the drawing leaves on the canvas image.
#include "torqueplot.h"

#include <gtest/gtest.h>

#include <QMap>

#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(TorquePlot, APlotValueIsTheLeadingNumberBeforeTheFirstPointDividedByFour)
{
    // The number itself is read by leadingNumber(), tested with the core.
    const struct {
        const char *text;
        double plotValue;
    } cases[] = {{"1200", 300},     {"-40", -10},   {"12abc", 3},    {"350.75", 87.5},
                 {" \t520.0", 130}, {"0.9", 0},     {".5", 0},       {"1.2.3", 0.25},
                 {"1,5", 0.25},     {"1e999", kInf}, {"-1e999", -kInf}};
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(TorquePlot::plotValue(QString::fromUtf8(c.text)), c.plotValue) << c.text;
}

// The field texts by slot; slots not named hold "0".
std::function<QString(int)> fields(const QMap<int, QString> &texts)
{
    return [texts](int slot) { return texts.value(slot, QStringLiteral("0")); };
}

QColor pixel(const TorquePlot &plot, int x, int y) { return plot.image().pixelColor(x, y); }

const QColor red = TorquePlot::curveColor();
const QColor black = TorquePlot::axisColor();
const QColor white = TorquePlot::wipeColor();

TEST(TorquePlot, TableTakesTheTextsThenThePlotValuesWhosePointsStandEvery26Pixels)
{
    TorquePlot plot;
    EXPECT_FALSE(plot.entry(41).isValid()) << "the table starts empty";
    plot.b(fields({{41, QStringLiteral("1200")}, {42, QStringLiteral("400")},
                   {43, QStringLiteral("350.75")}, {44, QStringLiteral("-40")}}));
    EXPECT_EQ(plot.entry(41).toString(), QStringLiteral("1200"));

    plot.UnZapetayaa();
    EXPECT_EQ(plot.point(0), QPointF(28, 10));
    EXPECT_EQ(plot.point(1), QPointF(54, 210));
    EXPECT_EQ(plot.point(2), QPointF(80, 222.5));
    EXPECT_EQ(plot.point(3), QPointF(106, 320));
    EXPECT_EQ(plot.point(23), QPointF(626, 310));
    // Only entries 41..64 are used.
    EXPECT_FALSE(plot.entry(40).isValid());
    EXPECT_FALSE(plot.entry(65).isValid());
}

TEST(TorquePlot, AllZeroCurveRunsRedAlongTheBaselineOverTheBlackAxes)
{
    TorquePlot plot;
    plot.build(fields({}));
    for (int x : {3, 28, 300, 626})
        EXPECT_EQ(pixel(plot, x, 310), red) << x;
    // The x axis shows beyond both ends of the curve, from 2 to 635.
    EXPECT_EQ(pixel(plot, 2, 310), black);
    EXPECT_EQ(pixel(plot, 635, 310), black);
    EXPECT_EQ(pixel(plot, 636, 310), white);
    // x ticks from y 308 to 312 at every point.
    for (int x : {28, 54, 626}) {
        EXPECT_EQ(pixel(plot, x, 308), black) << x;
        EXPECT_EQ(pixel(plot, x, 312), black) << x;
        EXPECT_EQ(pixel(plot, x, 313), white) << x;
    }
    // The y axis up to y 2; its ticks from x 2 to 5 at 285, 260, ..., 10.
    EXPECT_EQ(pixel(plot, 3, 2), black);
    EXPECT_EQ(pixel(plot, 3, 1), white);
    for (int y : {285, 160, 10}) {
        EXPECT_EQ(pixel(plot, 5, y), black) << y;
        EXPECT_EQ(pixel(plot, 6, y), white) << y;
    }
    EXPECT_EQ(pixel(plot, 5, 272), white);
    EXPECT_EQ(pixel(plot, 300, 150), white);
}

TEST(TorquePlot, PointsLandOnTheirPixels)
{
    TorquePlot plot;
    plot.build(fields({{41, QStringLiteral("1200")}, {43, QStringLiteral("400")},
                       {45, QStringLiteral("350.75")}}));
    EXPECT_EQ(pixel(plot, 28, 10), red); // the top y tick's height
    EXPECT_EQ(pixel(plot, 80, 210), red);
    // 222.5 goes to the nearest row below.
    EXPECT_EQ(pixel(plot, 132, 223), red);
    EXPECT_EQ(pixel(plot, 132, 221), white);
    // The segment from (28, 10) to (54, 310) passes through its middle.
    EXPECT_EQ(pixel(plot, 41, 160), red);
}

TEST(TorquePlot, BuildsAccumulateUntilTheWipe)
{
    TorquePlot plot;
    plot.build(fields({{50, QStringLiteral("400")}})); // point (262, 210)
    plot.build(fields({{50, QStringLiteral("800")}})); // point (262, 110)
    EXPECT_EQ(pixel(plot, 262, 210), red);
    EXPECT_EQ(pixel(plot, 262, 110), red);

    plot.wipe();
    QImage blank(plot.image().size(), plot.image().format());
    blank.fill(white);
    EXPECT_EQ(plot.image(), blank);
    // The table keeps the last build's values.
    EXPECT_DOUBLE_EQ(plot.entry(50).toDouble(), 200);
}

TEST(TorquePlot, SegmentsLeavingTheCanvasAreCutAtItsEdges)
{
    TorquePlot plot;
    plot.build(fields({{41, QStringLiteral("-40")}, {45, QStringLiteral("2000")}}));
    // From (3, 310) to (28, 320): it meets the last row (316) at x 18.
    EXPECT_EQ(pixel(plot, 18, 316), red);
    // From (106, 310) to (132, -190): it leaves through the top row near x 121.
    bool topRowReached = false;
    for (int x = 118; x <= 124; ++x)
        topRowReached = topRowReached || pixel(plot, x, 0) == red;
    EXPECT_TRUE(topRowReached);
    EXPECT_EQ(pixel(plot, 400, 310), red);
}

TEST(TorquePlot, ValuesBeyondAnyNumberDrawNothingHarmful)
{
    for (const char *huge : {"1e999", "-1e999", "1e300", "-1e38"}) {
        TorquePlot plot;
        plot.build(fields({{41, QString::fromLatin1(huge)}}));
        // Both segments through that point run straight off an edge, at x 3
        // and x 54; the rest of the graph is where it belongs.
        const int edgeY = huge[0] == '-' ? 316 : 0;
        EXPECT_EQ(pixel(plot, 3, edgeY), red) << huge;
        EXPECT_EQ(pixel(plot, 54, edgeY), red) << huge;
        EXPECT_EQ(pixel(plot, 28, edgeY), white) << huge;
        EXPECT_EQ(pixel(plot, 80, 310), red) << huge;
        EXPECT_EQ(pixel(plot, 5, 10), black) << huge;
        EXPECT_EQ(pixel(plot, 300, 150), white) << huge;
    }
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(TorquePlot::clipToCanvas(QPointF(3, 310), QPointF(28, nan)));
}

} // namespace
