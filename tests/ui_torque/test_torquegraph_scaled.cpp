// The torque graph on screens with more device pixels than canvas pixels
// (125 % to 200 %): drawn for those pixels at the canvas coordinates, not
// enlarged from a drawing at 100 %.
#include "torquewindow.h"

#include "editorcore.h"
#include "fakehost.h"

#include <QImage>
#include <QtMath>

#include <gtest/gtest.h>

#include <set>

using namespace tuneks;

namespace {

bool isBlack(QRgb p) { return qRed(p) < 64 && qGreen(p) < 64 && qBlue(p) < 64; }
bool isRed(QRgb p) { return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60; }

// The torque window drawn as a screen with `ratio` device pixels to a pixel
// shows it; canvas coordinates are converted by the caller.
QImage renderAt(TorqueWindow &window, qreal ratio)
{
    QImage shot(qCeil(window.width() * ratio), qCeil(window.height() * ratio), QImage::Format_RGB32);
    shot.setDevicePixelRatio(ratio);
    shot.fill(Qt::white);
    window.render(&shot);
    return shot;
}

// Lengths of the runs of pixels that pass `test`, walking from `from` in
// steps of `step` for at most `count` pixels; only whole runs count.
int runThrough(const QImage &image, QPoint from, QPoint step, int count, bool (*test)(QRgb))
{
    int best = 0, run = 0;
    for (int i = 0; i < count; ++i) {
        const QPoint p = from + step * i;
        if (image.rect().contains(p) && test(image.pixel(p))) {
            best = std::max(best, ++run);
        } else {
            run = 0;
        }
    }
    return best;
}

} // namespace

TEST(ScaledTorqueGraph, LinesTicksAndTheCurveStayEvenAndSharp)
{
    FakeHost host;
    FormState form;
    EditorCore core(form, host);
    core.loadTemplate(Template::Porsche);
    TorqueWindow window(core);
    window.show();
    // A rising curve: its first segment climbs steeply from the origin, left
    // of the field grid, where nothing stands in front of it.
    for (int k = 0; k < 24; ++k)
        core.typeText(41 + k, QString::number(300 + 37 * k));
    QMetaObject::invokeMethod(window.findChild<QObject *>(QStringLiteral("Command1")), "click");

    for (const qreal ratio : {1.25, 1.5, 1.75, 2.0}) {
        SCOPED_TRACE(ratio);
        const QImage shot = renderAt(window, ratio);
        // Canvas pixel (x, y), its middle, in device pixels of the shot.
        auto at = [ratio](double x, double y) {
            return QPoint(int((10 + x + 0.5) * ratio), int((10 + y + 0.5) * ratio));
        };
        const int reach = qCeil(6 * ratio);

        // The axes and their ticks, each crossed between its neighbours:
        // every line is drawn in one and the same width.
        std::set<int> widths;
        for (int k = 2; k < 23; ++k) // the x axis between its ticks
            widths.insert(runThrough(shot, at(28 + 26 * k + 13, 306), {0, 1}, reach * 2, isBlack));
        for (int k = 0; k < 24; ++k) // the x ticks, above the axis
            widths.insert(runThrough(shot, at(28 + 26 * k, 308.2) - QPoint(reach, 0), {1, 0}, reach * 2, isBlack));
        for (int j = 1; j < 12; ++j) // the y axis between its ticks
            widths.insert(runThrough(shot, at(0, 310 - 25 * j - 12), {1, 0}, reach, isBlack));
        for (int j = 1; j <= 12; ++j) // the y ticks, right of the axis
            widths.insert(runThrough(shot, at(4.8, 310 - 25 * j) - QPoint(0, reach), {0, 1}, reach * 2, isBlack));
        ASSERT_EQ(widths.size(), 1u) << "lines drawn in uneven widths";
        EXPECT_GE(*widths.begin(), 1);
        EXPECT_LE(*widths.begin(), qCeil(ratio));

        // The x axis lies at canvas y 310, the same place as at 100 %.
        const QPoint axis = at(300, 310);
        EXPECT_TRUE(isBlack(shot.pixel(axis)) || isBlack(shot.pixel(axis - QPoint(0, 1)))
                    || isBlack(shot.pixel(axis + QPoint(0, 1))));

        // The steep first segment steps sideways by at most one device pixel
        // from row to row: it is drawn in device pixels, not in blocks of them.
        int previous = -1, rows = 0;
        for (int y = at(0, 240).y(); y <= at(0, 300).y(); ++y) {
            int left = -1;
            for (int x = at(4, 0).x(); x <= at(27, 0).x() && left < 0; ++x)
                if (isRed(shot.pixel(x, y)))
                    left = x;
            if (left < 0)
                continue;
            ++rows;
            if (previous >= 0) {
                EXPECT_LE(std::abs(left - previous), 1) << "at device row " << y;
            }
            previous = left;
        }
        EXPECT_GT(rows, 40 * ratio) << "the first segment is drawn";
    }
}

// The drawing for another ratio is the same whether it was asked for before
// the builds (and drawn along with them) or after them (drawn afresh), and
// a wipe clears it too; at ratio 1 it is the canvas itself.
TEST(ScaledTorqueGraph, TheDrawingAtAnyRatioFollowsEveryBuildAndWipe)
{
    auto rising = [](int slot) { return QString::number(40 * (slot - 40)); };
    auto falling = [](int slot) { return QString::number(1200 - 45 * (slot - 41)) + QStringLiteral(".5"); };
    TorquePlot early, late;
    const QImage before = early.imageAt(1.5);
    for (TorquePlot *plot : {&early, &late}) {
        plot->build(rising);
        plot->build(falling);
        plot->build(rising); // drawn again over the falling curve
    }
    const QImage drawnAlong = early.imageAt(1.5);
    EXPECT_NE(drawnAlong, before);
    EXPECT_EQ(drawnAlong, late.imageAt(1.5));
    EXPECT_EQ(drawnAlong.size(), QSize(956, 476));
    EXPECT_EQ(drawnAlong.devicePixelRatio(), 1.5);
    EXPECT_EQ(early.imageAt(1.0), early.image());

    early.wipe();
    EXPECT_EQ(early.imageAt(1.5), before);
    early.build(falling);
    TorquePlot fresh;
    fresh.build(falling);
    EXPECT_EQ(early.imageAt(2.0), fresh.imageAt(2.0));
}
