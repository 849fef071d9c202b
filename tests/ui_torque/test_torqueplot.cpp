// The torque graph without widgets: how field texts become plot values, where
// the points land, and what the drawing leaves on the canvas image.
#include "torqueplot.h"

#include <gtest/gtest.h>

#include <QMap>

#include <cctype>
#include <cmath>
#include <string>
#include <limits>
#include <ostream>

namespace {

struct ValueCase {
    const char *text;
    double plotValue; // the number read from the text, divided by 4
};

void PrintTo(const ValueCase &c, std::ostream *os)
{
    *os << '"' << c.text << "\" -> " << c.plotValue;
}

class PlotValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(PlotValueTest, ReadsTheLeadingNumberBeforeTheFirstPointAndDividesByFour)
{
    const ValueCase &c = GetParam();
    EXPECT_DOUBLE_EQ(TorquePlot::plotValue(QString::fromUtf8(c.text)), c.plotValue) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    FieldTexts, PlotValueTest,
    ::testing::Values(ValueCase{"0", 0}, ValueCase{"1200", 300}, ValueCase{"400", 100},
                      ValueCase{"350.75", 87.5}, ValueCase{"0.9", 0}, ValueCase{".5", 0},
                      ValueCase{"-40", -10}, ValueCase{"12abc", 3}, ValueCase{"abc", 0},
                      ValueCase{"", 0}, ValueCase{"1e3", 250}, ValueCase{"1D3", 250},
                      ValueCase{"&H10", 4}, ValueCase{"&O17", 3.75},
                      ValueCase{"1 2 0 0", 300}, ValueCase{" \t520.0", 130},
                      ValueCase{"1.2.3", 0.25}, ValueCase{"1,5", 0.25},
                      ValueCase{"+8", 2}, ValueCase{"--4", 0}, ValueCase{"при 500", 0}),
    [](const ::testing::TestParamInfo<ValueCase> &info) {
        // Names like Case07_1e3: the row number and the text's ASCII letters
        // and digits.
        std::string name = "Case" + std::string(info.index < 10 ? "0" : "") + std::to_string(info.index) + "_";
        for (const char *c = info.param.text; *c; ++c)
            if (std::isalnum(static_cast<unsigned char>(*c)))
                name += *c;
        return name;
    });

TEST(PlotValue, NumbersTooLargeForADoubleBecomeInfinities)
{
    EXPECT_EQ(TorquePlot::plotValue(QStringLiteral("1e999")), std::numeric_limits<double>::infinity());
    EXPECT_EQ(TorquePlot::plotValue(QStringLiteral("-1e999")), -std::numeric_limits<double>::infinity());
}

// Fills the plot from a map of slot -> text; slots not named hold "0".
std::function<QString(int)> fields(const QMap<int, QString> &texts)
{
    return [texts](int slot) { return texts.value(slot, QStringLiteral("0")); };
}

QColor pixel(const TorquePlot &plot, int x, int y)
{
    return plot.image().pixelColor(x, y);
}

TEST(TorquePlotTable, BuildCopiesTheTextsThenTurnsThemIntoPlotValues)
{
    TorquePlot plot;
    for (int i = 0; i < TorquePlot::kTableSize; ++i)
        EXPECT_FALSE(plot.entry(i).isValid()) << "entry " << i << " starts empty";

    plot.b(fields({{41, QStringLiteral("1200")}, {64, QStringLiteral("12abc")}}));
    EXPECT_EQ(plot.entry(41).toString(), QStringLiteral("1200"));
    EXPECT_EQ(plot.entry(64).toString(), QStringLiteral("12abc"));

    plot.UnZapetayaa();
    EXPECT_DOUBLE_EQ(plot.entry(41).toDouble(), 300);
    EXPECT_DOUBLE_EQ(plot.entry(64).toDouble(), 3);
    EXPECT_DOUBLE_EQ(plot.entry(50).toDouble(), 0);
    // Only entries 41..64 are used.
    EXPECT_FALSE(plot.entry(40).isValid());
    EXPECT_FALSE(plot.entry(65).isValid());
    EXPECT_FALSE(plot.entry(0).isValid());
}

TEST(TorquePlotTable, PointsStandEvery26PixelsAtHeight310LessThePlotValue)
{
    TorquePlot plot;
    plot.b(fields({{41, QStringLiteral("1200")},
                   {42, QStringLiteral("400")},
                   {43, QStringLiteral("350.75")},
                   {44, QStringLiteral("-40")}}));
    plot.UnZapetayaa();
    EXPECT_EQ(plot.point(0), QPointF(28, 10));
    EXPECT_EQ(plot.point(1), QPointF(54, 210));
    EXPECT_EQ(plot.point(2), QPointF(80, 222.5));
    EXPECT_EQ(plot.point(3), QPointF(106, 320));
    EXPECT_EQ(plot.point(4), QPointF(132, 310));
    EXPECT_EQ(plot.point(23), QPointF(626, 310));
}

TEST(TorquePlotDrawing, AllZeroCurveRunsRedAlongTheBaselineOverTheBlackAxes)
{
    TorquePlot plot;
    plot.build(fields({}));
    const QColor red = TorquePlot::curveColor(), black = TorquePlot::axisColor(),
                 white = TorquePlot::wipeColor();
    // The curve covers the x axis from (3, 310) to (626, 310).
    for (int x : {3, 28, 300, 626})
        EXPECT_EQ(pixel(plot, x, 310), red) << x;
    // The axis shows beyond both ends of the curve.
    EXPECT_EQ(pixel(plot, 2, 310), black);
    EXPECT_EQ(pixel(plot, 630, 310), black);
    EXPECT_EQ(pixel(plot, 635, 310), black);
    EXPECT_EQ(pixel(plot, 636, 310), white);
    // x ticks from y 308 to 312 at every point.
    for (int x : {28, 54, 626}) {
        EXPECT_EQ(pixel(plot, x, 308), black) << x;
        EXPECT_EQ(pixel(plot, x, 312), black) << x;
        EXPECT_EQ(pixel(plot, x, 313), white) << x;
    }
    EXPECT_EQ(pixel(plot, 41, 312), white);
    // The y axis up to y 2, its ticks from x 2 to 5 at 285, 260, ..., 10.
    for (int y : {2, 100, 309})
        EXPECT_EQ(pixel(plot, 3, y), black) << y;
    EXPECT_EQ(pixel(plot, 3, 1), white);
    for (int y : {285, 160, 10}) {
        EXPECT_EQ(pixel(plot, 2, y), black) << y;
        EXPECT_EQ(pixel(plot, 5, y), black) << y;
        EXPECT_EQ(pixel(plot, 6, y), white) << y;
    }
    EXPECT_EQ(pixel(plot, 5, 272), white);
    EXPECT_EQ(pixel(plot, 300, 150), white);
}

TEST(TorquePlotDrawing, PointsLandOnTheirPixels)
{
    TorquePlot plot;
    plot.build(fields({{41, QStringLiteral("1200")},
                       {43, QStringLiteral("400")},
                       {45, QStringLiteral("350.75")}}));
    const QColor red = TorquePlot::curveColor();
    EXPECT_EQ(pixel(plot, 28, 10), red);   // on the top y tick's height
    EXPECT_EQ(pixel(plot, 80, 210), red);
    // 222.5 goes to the nearest pixel row below.
    EXPECT_EQ(pixel(plot, 132, 223), red);
    EXPECT_EQ(pixel(plot, 132, 221), TorquePlot::wipeColor());
    // The segment from (28, 10) to (54, 310) passes through its middle.
    EXPECT_EQ(pixel(plot, 41, 160), red);
}

TEST(TorquePlotDrawing, BuildsAccumulateUntilTheWipe)
{
    TorquePlot plot;
    plot.build(fields({{50, QStringLiteral("400")}}));  // point (262, 210)
    plot.build(fields({{50, QStringLiteral("800")}}));  // point (262, 110)
    const QColor red = TorquePlot::curveColor();
    EXPECT_EQ(pixel(plot, 262, 210), red);
    EXPECT_EQ(pixel(plot, 262, 110), red);
    // The second build replaced the plot table.
    EXPECT_DOUBLE_EQ(plot.entry(50).toDouble(), 200);

    plot.wipe();
    QImage white(plot.image().size(), plot.image().format());
    white.fill(TorquePlot::wipeColor());
    EXPECT_EQ(plot.image(), white);
    // The wipe leaves the plot table as the last build made it.
    EXPECT_DOUBLE_EQ(plot.entry(50).toDouble(), 200);
}

TEST(TorquePlotDrawing, SegmentsLeavingTheCanvasAreCutAtItsEdges)
{
    TorquePlot plot;
    // -40 goes 10 pixels below the baseline, under the lower edge (316).
    plot.build(fields({{41, QStringLiteral("-40")}, {45, QStringLiteral("2000")}}));
    const QColor red = TorquePlot::curveColor();
    // From (3, 310) to (28, 320): it meets the last row at x 18.
    EXPECT_EQ(pixel(plot, 18, 316), red);
    // From (106, 310) to (132, -190): it leaves the top row near x 121.
    bool topRowReached = false;
    for (int x = 118; x <= 124; ++x)
        topRowReached = topRowReached || pixel(plot, x, 0) == red;
    EXPECT_TRUE(topRowReached);
    // The rest of the curve is drawn.
    EXPECT_EQ(pixel(plot, 400, 310), red);
}

TEST(TorquePlotDrawing, ValuesBeyondAnyNumberDrawNothingHarmful)
{
    for (const char *huge : {"1e999", "-1e999", "1e300", "-1e300", "1e38"}) {
        TorquePlot plot;
        plot.build(fields({{41, QString::fromLatin1(huge)}}));
        EXPECT_TRUE(std::isinf(plot.entry(41).toDouble()) || std::abs(plot.entry(41).toDouble()) > 1e30);
        // The two segments through that point run straight off an edge, at
        // x 3 and x 54; the rest is drawn where it belongs.
        const int edgeY = huge[0] == '-' ? 316 : 0;
        EXPECT_EQ(pixel(plot, 3, edgeY), TorquePlot::curveColor()) << huge;
        EXPECT_EQ(pixel(plot, 54, edgeY), TorquePlot::curveColor()) << huge;
        EXPECT_EQ(pixel(plot, 28, edgeY), TorquePlot::wipeColor()) << huge;
        EXPECT_EQ(pixel(plot, 80, 310), TorquePlot::curveColor()) << huge;
        EXPECT_EQ(pixel(plot, 626, 310), TorquePlot::curveColor()) << huge;
        EXPECT_EQ(pixel(plot, 5, 10), TorquePlot::axisColor()) << huge;
        EXPECT_EQ(pixel(plot, 300, 150), TorquePlot::wipeColor()) << huge;
    }
}

TEST(TorquePlotClipping, KeepsTheVisiblePartOrNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(TorquePlot::clipToCanvas(QPointF(3, 310), QPointF(28, nan)));
    EXPECT_FALSE(TorquePlot::clipToCanvas(QPointF(700, 10), QPointF(800, 10)));
    EXPECT_FALSE(TorquePlot::clipToCanvas(QPointF(10, 400), QPointF(50, 500)));

    const auto inside = TorquePlot::clipToCanvas(QPointF(3, 310), QPointF(28, 10));
    ASSERT_TRUE(inside);
    EXPECT_EQ(*inside, QLineF(3, 310, 28, 10));

    const auto upwards = TorquePlot::clipToCanvas(QPointF(28, 310), QPointF(54, -inf));
    ASSERT_TRUE(upwards);
    EXPECT_NEAR(upwards->y2(), -1, 1e-9);
    EXPECT_NEAR(upwards->x2(), 28, 0.01); // an infinite rise is as good as vertical
    EXPECT_EQ(upwards->p1(), QPointF(28, 310));
}

} // namespace
