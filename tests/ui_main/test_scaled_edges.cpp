// Every window on a screen scaled to 125 %, 150 %, 175 % or 200 % (the
// factor comes from QT_SCALE_FACTOR; CTest runs this program once per
// factor): no framed control loses an edge line that it shows at 100 %.
#include "uitestsupport.h"

#include "aboutwindow.h"
#include "crispframe.h"
#include "errorswindow.h"
#include "listingwindow.h"
#include "templatechooser.h"
#include "templates.h"
#include "torqueerrorswindow.h"
#include "torquewindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QtMath>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

using namespace tuneks;

namespace {

// The rectangle of `w` whose edges are drawn lines: the whole control, or
// a check box's box; empty for controls without edges.
QRect framedRect(const QWidget *w)
{
    if (auto *check = qobject_cast<const QCheckBox *>(w)) {
        QStyleOptionButton option;
        option.initFrom(check);
        return check->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, check);
    }
    if (qobject_cast<const QPushButton *>(w) || qobject_cast<const QComboBox *>(w))
        return w->rect();
    if (auto *edit = qobject_cast<const QLineEdit *>(w))
        return edit->hasFrame() ? w->rect() : QRect();
    if (auto *frame = qobject_cast<const QFrame *>(w))
        return frame->frameShape() != QFrame::NoFrame && frame->frameWidth() > 0 ? w->rect() : QRect();
    return QRect();
}

// How far apart two colours are: the largest difference of a channel.
int distance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

enum class Side { Top, Bottom, Left, Right };
const char *sideName(Side side)
{
    static const char *const names[] = {"top", "bottom", "left", "right"};
    return names[int(side)];
}

// The pixels at `ratio` of one line parallel to `side` of `r`, at `at` across
// it, leaving out a fifth at each end (rounded corners).
QVector<QPoint> sidePixels(QRect r, Side side, double at, double ratio)
{
    const bool horizontal = side == Side::Top || side == Side::Bottom;
    const double start = horizontal ? r.left() + r.width() * 0.2 : r.top() + r.height() * 0.2;
    const double end = horizontal ? r.left() + r.width() * 0.8 : r.top() + r.height() * 0.8;
    QVector<QPoint> points;
    for (int i = qCeil(start * ratio); i <= int(end * ratio); ++i)
        points.append(horizontal ? QPoint(i, int(at)) : QPoint(int(at), i));
    return points;
}

// At 100 %, the line `depth` pixels in from `side`.
QVector<QPoint> linePixels(QRect r, Side side, int depth)
{
    const int at = side == Side::Top ? r.top() + depth : side == Side::Bottom ? r.bottom() - depth
                 : side == Side::Left ? r.left() + depth : r.right() - depth;
    return sidePixels(r, side, at, 1.0);
}

// The lines of device pixels at `ratio` that cover the two outermost pixel
// lines of `side` of `r`.
QList<QVector<QPoint>> deviceBand(QRect r, Side side, double ratio)
{
    const double outer = side == Side::Top ? r.top() : side == Side::Bottom ? r.bottom() + 1
                       : side == Side::Left ? r.left() : r.right() + 1;
    const double inner = side == Side::Top || side == Side::Left ? outer + 2 : outer - 2;
    QList<QVector<QPoint>> lines;
    for (int at = int(std::floor(std::min(outer, inner) * ratio)); at < qCeil(std::max(outer, inner) * ratio); ++at)
        lines.append(sidePixels(r, side, at, ratio));
    return lines;
}

// The colour of a line if it is one colour from end to end.
std::optional<QRgb> uniform(const QImage &image, const QVector<QPoint> &points, int tolerance)
{
    if (points.isEmpty())
        return std::nullopt;
    const QRgb first = image.pixel(points.first());
    for (const QPoint &p : points)
        if (!image.rect().contains(p) || distance(image.pixel(p), first) > tolerance)
            return std::nullopt;
    return first;
}

struct Lost {
    QString control;
    Side side;
};

// The edge lines of every framed control of `window` at 100 % that the
// window as shown on this screen no longer has. `bordered` receives the
// controls that show an edge line on all four sides at 100 %.
QList<Lost> lostEdges(QWidget *window, QStringList *bordered = nullptr)
{
    const double ratio = window->devicePixelRatioF();
    const QImage shown = window->grab().toImage();
    QImage plain(window->size(), QImage::Format_ARGB32_Premultiplied);
    plain.setDevicePixelRatio(1);
    plain.fill(Qt::transparent);
    window->render(&plain);

    QList<Lost> lost;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible() || w->window() != window)
            continue;
        QRect r = framedRect(w);
        if (r.width() < 6 || r.height() < 6)
            continue;
        r.translate(w->mapTo(window, QPoint(0, 0)));
        int sidesWithEdges = 0;
        for (Side side : {Side::Top, Side::Bottom, Side::Left, Side::Right}) {
            // At 100 %: the lines of the border, each one colour from end to
            // end and unlike the control's inside, three pixels in.
            const QVector<QPoint> inside = linePixels(r, side, 3);
            if (inside.isEmpty() || !plain.rect().contains(inside.first()))
                continue;
            const QRgb in = plain.pixel(inside.first());
            QList<QRgb> edges;
            for (int depth = 0; depth < 2; ++depth) {
                const std::optional<QRgb> line = uniform(plain, linePixels(r, side, depth), 6);
                if (line && distance(*line, in) > 24)
                    edges.append(*line);
            }
            if (!edges.isEmpty())
                ++sidesWithEdges;
            // On this screen: a whole line of device pixels within the same
            // two pixels of the border that stands out from the inside at
            // least half as much as the edge does at 100 % (a line drawn
            // between device pixels may be spread over two of them).
            for (QRgb edge : std::as_const(edges)) {
                const int contrast = distance(edge, in);
                bool found = false;
                for (const QVector<QPoint> &line : deviceBand(r, side, ratio)) {
                    bool stands = !line.isEmpty();
                    for (const QPoint &p : line)
                        stands = stands && shown.rect().contains(p)
                            && 2 * distance(shown.pixel(p), in) >= contrast;
                    found = found || stands;
                }
                if (!found)
                    lost.append({w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                            : w->objectName(),
                                 side});
            }
        }
        if (bordered && sidesWithEdges == 4)
            bordered->append(w->objectName());
    }
    return lost;
}

std::string describe(const QList<Lost> &lost)
{
    QStringList parts;
    for (const Lost &l : lost)
        parts << l.control + QLatin1Char(' ') + QString::fromLatin1(sideName(l.side));
    return parts.join(QStringLiteral(", ")).toStdString();
}

} // namespace

TEST(ScaledEdges, NoWindowLosesAnEdge)
{
    const double ratio = qApp->devicePixelRatio();
    SCOPED_TRACE(ratio);
    Editor editor;
    QApplication::processEvents();
    // The boxes whose edges fall between device pixels show all four edges
    // at 100 %, so there is something to lose.
    QStringList bordered;
    EXPECT_EQ(describe(lostEdges(editor.window.get(), &bordered)), "") << "main window before a file";
    EXPECT_TRUE(bordered.contains(QStringLiteral("Text3"))) << bordered.join(QLatin1Char(' ')).toStdString();

    editor.openFile(editor.writeFile(QStringLiteral("car.ini"), Templates::lamborghini()));
    for (const char *button : {"Command1", "Command2", "Command10", "Command3", "Command13",
                               "Command4", "Command5", "Command6", "Command8"}) {
        editor.click(QString::fromLatin1(button));
        QApplication::processEvents();
        EXPECT_EQ(describe(lostEdges(editor.window.get())), "") << "main window after " << button;
    }

    editor.click(QStringLiteral("Command9"));
    QWidget *torque = Editor::topLevel(QStringLiteral("Form3"));
    ASSERT_TRUE(torque);
    EXPECT_EQ(describe(lostEdges(torque)), "") << "torque window";

    editor.trigger(QStringLiteral("Proverka"));
    editor.form.setText(2, QStringLiteral("x"));
    editor.trigger(QStringLiteral("save"));
    QWidget *errors = Editor::topLevel(QStringLiteral("Form2"));
    ASSERT_TRUE(errors && errors->isVisible());
    bordered.clear();
    EXPECT_EQ(describe(lostEdges(errors, &bordered)), "") << "errors window";
    EXPECT_TRUE(bordered.contains(QStringLiteral("List1")));

    TorqueErrorsWindow torqueErrors(editor.core);
    TemplateChooser chooser(editor.core);
    std::unique_ptr<QDialog> about(createAboutWindow(nullptr));
    std::unique_ptr<QDialog> listing(createListingWindow(nullptr));
    for (QWidget *window : {static_cast<QWidget *>(&torqueErrors), static_cast<QWidget *>(&chooser),
                            static_cast<QWidget *>(about.get()), static_cast<QWidget *>(listing.get())}) {
        window->show();
        bordered.clear();
        EXPECT_EQ(describe(lostEdges(window, &bordered)), "") << window->objectName().toStdString();
    }
    EXPECT_TRUE(bordered.contains(QStringLiteral("Text1"))) << "the listing's box";
}

// Wherever a text box stands, each of its four edges keeps a line of device
// pixels in the border's colour at every scale: here a box is moved and
// sized through every fraction of a device pixel.
TEST(ScaledEdges, ABoxKeepsAllFourEdgesWhereverItStands)
{
    QWidget surface;
    surface.resize(80, 60);
    auto *box = new QPlainTextEdit(&surface);
    keepBorderOnDevicePixels(box);
    for (const double ratio : {1.25, 1.5, 1.75}) {
        for (int shift = 0; shift < 4; ++shift) {
            box->setGeometry(3 + shift, 5 + shift, 50 + shift, 30 + shift);
            QImage plain(surface.size(), QImage::Format_ARGB32_Premultiplied);
            QImage shown(qCeil(80 * ratio), qCeil(60 * ratio), QImage::Format_ARGB32_Premultiplied);
            shown.setDevicePixelRatio(ratio);
            for (QImage *image : {&plain, &shown}) {
                image->fill(Qt::transparent);
                surface.render(image);
            }
            const QRect r = box->geometry();
            for (Side side : {Side::Top, Side::Bottom, Side::Left, Side::Right}) {
                const QRgb edge = plain.pixel(linePixels(r, side, 0).first());
                EXPECT_GT(distance(edge, plain.pixel(linePixels(r, side, 3).first())), 24)
                    << "the box shows its border at 100 %";
                bool found = false;
                for (const QVector<QPoint> &line : deviceBand(r, side, ratio)) {
                    bool whole = true;
                    for (const QPoint &p : line)
                        whole = whole && distance(shown.pixel(p), edge) <= 8;
                    found = found || whole;
                }
                EXPECT_TRUE(found) << "at " << ratio << ", shifted by " << shift << ": " << sideName(side);
            }
        }
    }
}
