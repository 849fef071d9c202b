// Every window at 100-200 % (QT_SCALE_FACTOR, one run per factor): texts whole in the embedded face,
// edge lines kept, pictures drawn for the screen's pixels, the torque graph in even, sharp lines.
#include "uitestsupport.h"

#include "crispframe.h"
#include "pictures.h"
#include "templates.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTest>
#include <QtMath>

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <optional>
#include <set>

namespace {

// The texts of `window` cut off by their boxes, each as "window/control: text".
QStringList clippedTexts(QWidget *window)
{
    QStringList clipped;
    auto expectFits = [&clipped](const QWidget *widget, const QString &text, bool fits) {
        if (!fits)
            clipped << widget->window()->objectName() + QLatin1Char('/') + widget->objectName() + QStringLiteral(": ") + text;
    };
    // Lines broken by hand: each fits the room's width, all of them its height.
    auto expectLinesFit = [&](const QWidget *widget, const QString &text, const QFontMetrics &metrics, int firstLine,
                              QSize room) {
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (const QString &line : lines)
            expectFits(widget, line, metrics.horizontalAdvance(line) <= room.width());
        expectFits(widget, text + QStringLiteral(" (height)"),
                   firstLine + metrics.lineSpacing() * (lines.size() - 1) <= room.height());
    };
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (label->text().isEmpty() || label->textFormat() == Qt::RichText)
            continue;
        const QFontMetrics metrics(label->font());
        const int m = label->margin();
        const QRect room = label->contentsRect().adjusted(m, m, -m, -m);
        const QRect needed = metrics.boundingRect(room, Qt::TextWordWrap | label->alignment(), label->text());
        if (label->wordWrap())
            expectFits(label, label->text(), needed.height() <= room.height() && needed.width() <= room.width());
        else
            expectLinesFit(label, label->text(), metrics, metrics.height(), room.size());
    }
    // Buttons: the room the style leaves for the caption beside the box or inside the bevel.
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        // The caption as shown: "&&" is an ampersand, any other "&" marks the access key.
        const QString text = button->text().replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
        if (text.isEmpty())
            continue;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QStyle::SubElement contents = qobject_cast<QCheckBox *>(button) ? QStyle::SE_CheckBoxContents
            : qobject_cast<QRadioButton *>(button)                            ? QStyle::SE_RadioButtonContents
                                                                              : QStyle::SE_PushButtonContents;
        const QRect room = button->style()->subElementRect(contents, &option, button);
        const QFontMetrics metrics(button->font());
        expectFits(button, text, metrics.horizontalAdvance(text) <= room.width() && metrics.height() <= room.height());
    }
    // A list's items are read in its drop-down, as wide as the screen allows.
    for (QComboBox *combo : window->findChildren<QComboBox *>()) {
        const bool wasEnabled = combo->isEnabled();
        combo->setEnabled(true);
        combo->showPopup();
        const bool screenWide = combo->view()->window()->width() >= combo->screen()->availableGeometry().width();
        const int room = screenWide ? std::numeric_limits<int>::max() : combo->view()->viewport()->width();
        for (int i = 0; i < combo->count(); ++i)
            expectFits(combo, combo->itemText(i), combo->view()->fontMetrics().horizontalAdvance(combo->itemText(i)) <= room);
        combo->hidePopup();
        combo->setEnabled(wasEnabled);
    }
    for (QListWidget *list : window->findChildren<QListWidget *>())
        for (int i = 0; i < list->count(); ++i)
            expectFits(list, list->item(i)->text(), list->fontMetrics().horizontalAdvance(list->item(i)->text())
                                                        <= list->viewport()->width() - 2 * list->spacing());
    // A read-only text box whose lines are broken by hand neither wraps nor scrolls.
    for (QPlainTextEdit *box : window->findChildren<QPlainTextEdit *>()) {
        const int margin = 2 * int(box->document()->documentMargin());
        if (box->isReadOnly())
            expectLinesFit(box, box->toPlainText(), box->fontMetrics(), box->fontMetrics().lineSpacing(),
                           box->contentsRect().size() - QSize(margin, margin));
    }
    return clipped;
}

int distance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

enum Side { Top, Bottom, Left, Right };
const char *const kSideNames[] = {"top", "bottom", "left", "right"};

// The pixels at `ratio` of a line along `side` of `r`, `depth` pixels in at 100 %
// or at device pixel `at`, less a fifth at each end (rounded corners).
QVector<QPoint> sidePixels(QRect r, Side side, int depth, double ratio = 1, std::optional<int> at = {})
{
    const bool horizontal = side == Top || side == Bottom;
    const int across = at ? *at : side == Top ? r.top() + depth : side == Bottom ? r.bottom() - depth
                                : side == Left ? r.left() + depth : r.right() - depth;
    const double start = horizontal ? r.left() + r.width() * 0.2 : r.top() + r.height() * 0.2;
    const double end = horizontal ? r.left() + r.width() * 0.8 : r.top() + r.height() * 0.8;
    QVector<QPoint> points;
    for (int i = qCeil(start * ratio); i <= int(end * ratio); ++i)
        points.append(horizontal ? QPoint(i, across) : QPoint(across, i));
    return points;
}

// Whether some line of device pixels at `ratio` that covers the two outermost
// pixel lines of `side` of `r` has every pixel as `edge` wants it.
bool bandHasLine(const QImage &shown, QRect r, Side side, double ratio, const std::function<bool(QRgb)> &edge)
{
    const double outer = side == Top ? r.top() : side == Bottom ? r.bottom() + 1 : side == Left ? r.left() : r.right() + 1;
    const double inner = side == Top || side == Left ? outer + 2 : outer - 2;
    for (int at = int(std::floor(std::min(outer, inner) * ratio)); at < qCeil(std::max(outer, inner) * ratio); ++at) {
        const QVector<QPoint> line = sidePixels(r, side, 0, ratio, at);
        bool stands = !line.isEmpty();
        for (const QPoint &p : line)
            stands = stands && shown.rect().contains(p) && edge(shown.pixel(p));
        if (stands)
            return true;
    }
    return false;
}

// The rectangle of `w` whose edges are drawn lines; empty for controls without.
QRect framedRect(const QWidget *w)
{
    if (auto *check = qobject_cast<const QCheckBox *>(w)) {
        QStyleOptionButton option;
        option.initFrom(check);
        return check->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, check);
    }
    if (auto *edit = qobject_cast<const QLineEdit *>(w))
        return edit->hasFrame() ? w->rect() : QRect();
    if (qobject_cast<const QPushButton *>(w) || qobject_cast<const QComboBox *>(w))
        return w->rect();
    if (auto *frame = qobject_cast<const QFrame *>(w))
        return frame->frameShape() != QFrame::NoFrame && frame->frameWidth() > 0 ? w->rect() : QRect();
    return QRect();
}

// The edge lines at 100 % of `window`'s framed controls lost on this screen; `bordered` gets those with all four.
QStringList lostEdges(QWidget *window, QStringList &bordered)
{
    const double ratio = window->devicePixelRatioF();
    const QImage shown = window->grab().toImage();
    QImage plain(window->size(), QImage::Format_ARGB32_Premultiplied);
    plain.fill(Qt::transparent);
    window->render(&plain);
    QStringList lost;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        QRect r = framedRect(w);
        if (!w->isVisible() || w->window() != window || r.width() < 6 || r.height() < 6)
            continue;
        r.translate(w->mapTo(window, QPoint(0, 0)));
        int sidesWithEdges = 0;
        for (Side side : {Top, Bottom, Left, Right}) {
            // At 100 %: a border line of one colour end to end, unlike the inside three pixels in.
            const QVector<QPoint> inside = sidePixels(r, side, 3);
            if (inside.isEmpty() || !plain.rect().contains(inside.first()))
                continue;
            const QRgb in = plain.pixel(inside.first());
            bool hasEdge = false;
            for (int depth = 0; depth < 2; ++depth) {
                const QVector<QPoint> line = sidePixels(r, side, depth);
                const QRgb edge = plain.pixel(line.first());
                bool uniform = true;
                for (const QPoint &p : line)
                    uniform = uniform && plain.rect().contains(p) && distance(plain.pixel(p), edge) <= 6;
                if (!uniform || distance(edge, in) <= 24)
                    continue;
                hasEdge = true;
                // On this screen: a line within the same two pixels that stands out
                // at least half as much (it may be spread over two device pixels).
                const int contrast = distance(edge, in);
                if (!bandHasLine(shown, r, side, ratio, [&](QRgb p) { return 2 * distance(p, in) >= contrast; }))
                    lost << (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                       : w->objectName())
                                + QLatin1Char(' ') + QString::fromLatin1(kSideNames[side]);
            }
            sidesWithEdges += hasEdge;
        }
        if (sidesWithEdges == 4)
            bordered << w->objectName();
    }
    return lost;
}

// At 200 % the picture `label` shows its @2x file pixel for pixel (where opaque),
// at 100 % its small one, and between them not the small one enlarged.
void expectSharp(QWidget *window, const QLabel *label, const char *resource)
{
    SCOPED_TRACE(resource);
    const qreal ratio = window->devicePixelRatioF();
    QImage shot = window->grab().toImage();
    shot.setDevicePixelRatio(1);
    auto file = [resource](const char *suffix) { // whatever its name says about its ratio
        QImage image(QStringLiteral(":/images/%1%2.png").arg(QString::fromLatin1(resource), QString::fromLatin1(suffix)));
        image.setDevicePixelRatio(1);
        return image.convertToFormat(QImage::Format_ARGB32);
    };
    const QImage small = file(""), fine = file("@2x");
    ASSERT_EQ(fine.size(), small.size() * 2);
    EXPECT_EQ(label->size(), small.size()) << "the picture fills its place exactly";
    const QImage expected = ratio == 2 ? fine : ratio == 1 ? small : small.scaled(small.size() * ratio);
    // Only what lies inside the window counts (the signature runs past its edges).
    const QRect place = QRect(label->mapTo(window, QPoint(0, 0)) * ratio, expected.size()).intersected(shot.rect());
    const QImage shown = shot.copy(place).convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            differing += qAlpha(expected.pixel(x, y)) == 255
                && (shown.pixel(x, y) & 0xffffff) != (expected.pixel(x, y) & 0xffffff);
    if (ratio == 1 || ratio == 2)
        EXPECT_EQ(differing, 0);
    else
        EXPECT_GT(differing, 0) << "the small picture enlarged";
}

// Modal windows come up in the middle of the screen, frame included; one larger
// than the screen at its edge (measured where frames are known: offscreen).
void expectModalAndCentred(const QWidget *window)
{
    EXPECT_TRUE(window->isModal());
    if (QGuiApplication::platformName() != QStringLiteral("offscreen"))
        return;
    const QRect outer = window->frameGeometry(), screen = window->screen()->geometry();
    ASSERT_GT(outer.height(), window->height()) << "this platform draws no frame to centre";
    EXPECT_NEAR(outer.x(), outer.width() > screen.width() ? screen.x() : screen.center().x() - outer.width() / 2, 1);
    EXPECT_NEAR(outer.y(), outer.height() > screen.height() ? screen.y() : screen.center().y() - outer.height() / 2, 1);
}

// Shows every window in each state worth seeing and hands it to `look`.
void showEveryWindow(const std::function<void(QWidget *, const QString &)> &look)
{
    Editor editor;
    look(editor.window.get(), QStringLiteral("main window before a file"));
    // Each modal window is looked at while it is up, then closed by its button.
    auto lookInNext = [&look](const char *window, const char *closeButton) {
        inNextModal(QString::fromLatin1(window), [=, &look](QWidget *shown) {
            if (qstrcmp(window, "Form2_2") != 0)
                expectModalAndCentred(shown);
            look(shown, QString::fromLatin1(window));
            if (closeButton)
                clickIn(QString::fromLatin1(window), QString::fromLatin1(closeButton));
            else
                shown->close();
        });
    };
    lookInNext("Form5", "Command1");
    editor.trigger(QStringLiteral("New"));
    // A new document's first save lists every checked field as empty.
    editor.trigger(QStringLiteral("save"));
    QWidget *errors = Editor::topLevel(QStringLiteral("Form2"));
    ASSERT_TRUE(errors && errors->isVisible());
    look(errors, QStringLiteral("errors window"));

    editor.openFile(editor.writeFile(QStringLiteral("car.ini"), Templates::lamborghini()));
    // Every page, through its button or the arrow that leads to it.
    for (const char *button : {"Command1", "Command2", "Command10", "Command3", "Command13", "Command4", "Command5",
                               "Command6", "Command8"}) {
        editor.click(QString::fromLatin1(button));
        QApplication::processEvents();
        look(editor.window.get(), QStringLiteral("main window after ") + QString::fromLatin1(button));
    }
    editor.click(QStringLiteral("Command9"));
    QWidget *torque = Editor::topLevel(QStringLiteral("Form3"));
    ASSERT_TRUE(torque);
    look(torque, QStringLiteral("Form3"));
    // Every torque field wrong: the longest list the torque check can make.
    for (int slot = Fields::kFirstTorqueSlot; slot <= Fields::kLastTorqueSlot; ++slot)
        editor.form.setText(slot, QStringLiteral("1,5"));
    lookInNext("Form2_2", "Command3");
    editor.torque.closeWindow();
    // The about and listing windows are built afresh and discarded once closed.
    for (const char *window : {"Form9", "Form4"}) {
        lookInNext(window, nullptr);
        editor.trigger(QString::fromLatin1(window[4] == '9' ? "ObProge" : "Listing"));
        EXPECT_EQ(editor.window->findChild<QDialog *>(QString::fromLatin1(window)), nullptr) << window;
    }
}

} // namespace

// In the platform's own style and the Windows styles where they exist; edge lines where drawing keeps them.
TEST(ScaledScreens, EveryWindowShowsItsTextsWholeAndKeepsItsEdges)
{
    const QString own = QApplication::style()->name();
    QStringList styles{own};
    for (const QString &name : {QStringLiteral("windows"), QStringLiteral("windowsvista")})
        if (QStyleFactory::keys().contains(name, Qt::CaseInsensitive) && !styles.contains(name, Qt::CaseInsensitive))
            styles << name;
    for (const QString &style : std::as_const(styles)) {
        SCOPED_TRACE(style.toStdString() + " style at " + std::to_string(qApp->devicePixelRatio()));
        QApplication::setStyle(style);
        const bool edges = style == own && QGuiApplication::platformName() == QStringLiteral("offscreen");
        QSet<QString> seen, bordered, sharp;
        showEveryWindow([&](QWidget *window, const QString &what) {
            seen << window->objectName();
            const struct { const char *window, *name, *resource; } pictures[] = {
                {"Form1", "Image1", "image1"},    {"Form1", "Image2", "image2"},       {"Form1", "Image3(0)", "image3_0"},
                {"Form1", "Image3(1)", "image3_1"}, {"Form1", "Image4(0)", "image4_0"}, {"Form1", "Image4(1)", "image4_1"},
                {"Form1", "Image5", "image5"},    {"Form9", "Image1", "helmet"},       {"Form9", "Image2", "signature"}};
            for (const auto &p : pictures) {
                auto *label = window->findChild<QLabel *>(QString::fromLatin1(p.name));
                if (window->objectName() == QLatin1String(p.window) && label && label->isVisible()) {
                    expectSharp(window, label, p.resource);
                    sharp << QString::fromLatin1(p.resource);
                }
            }
            // The face is the embedded one, not a stand-in from the system.
            if (window->objectName() == QStringLiteral("Form1")) {
                EXPECT_EQ(QFontInfo(window->font()).family(), QStringLiteral("Liberation Sans"));
            }
            // (The listing's box scrolls; its lines need not fit.)
            const QStringList clipped = window->objectName() == QStringLiteral("Form4") ? QStringList() : clippedTexts(window);
            EXPECT_TRUE(clipped.isEmpty()) << qPrintable(what) << ":\n" << qPrintable(clipped.join(QLatin1Char('\n')));
            if (!edges)
                return;
            QStringList boxes;
            EXPECT_EQ(lostEdges(window, boxes).join(QStringLiteral(", ")), QString()) << qPrintable(what);
            for (const QString &box : std::as_const(boxes))
                bordered << window->objectName() + QLatin1Char('/') + box;
        });
        EXPECT_EQ(seen.size(), 7) << QStringList(seen.values()).join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(sharp.size(), 9) << QStringList(sharp.values()).join(QLatin1Char(' ')).toStdString();
        // Boxes whose edges fall between device pixels had all four to lose.
        for (const char *box : {"Form1/Text3", "Form2/List1", "Form4/Text1"})
            EXPECT_TRUE(!edges || bordered.contains(QString::fromLatin1(box))) << box;
    }
    QApplication::setStyle(own);
}

// Wherever a text box stands (at every fraction of a device pixel), each edge keeps a border line.
TEST(ScaledScreens, ABoxKeepsAllFourEdgesWhereverItStands)
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
            for (Side side : {Top, Bottom, Left, Right}) {
                const QRgb edge = plain.pixel(sidePixels(r, side, 0).first());
                ASSERT_GT(distance(edge, plain.pixel(sidePixels(r, side, 3).first())), 24) << "no border at 100 %";
                EXPECT_TRUE(bandHasLine(shown, r, side, ratio, [edge](QRgb p) { return distance(p, edge) <= 8; }))
                    << "at " << ratio << ", shifted by " << shift << ": " << kSideNames[side];
            }
        }
    }
}

// The window icon holds every size of the icon set (none scaled from another), given once exposed.
TEST(ScaledScreens, TheWindowIconHoldsEverySizeOfTheIconSet)
{
    const QIcon icon = editorIcon();
    QList<int> sizes;
    for (const QSize size : icon.availableSizes())
        sizes << size.width();
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, QList<int>({16, 22, 24, 32, 48, 64, 128, 256}));
    const QImage drawn(QStringLiteral(":/icons/22.png"));
    EXPECT_EQ(icon.pixmap(QSize(22, 22), 1.0).toImage().convertToFormat(drawn.format()), drawn);
    EXPECT_EQ(icon.pixmap(QSize(48, 48), 2.0).size(), QSize(96, 96)) << "made from a larger drawing";

    QApplication::setWindowIcon(QIcon());
    QWidget window;
    window.show();
    giveWindowIconAfterFirstFrame(window);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.windowIcon().isNull(); }));
    EXPECT_EQ(window.windowIcon().availableSizes(), icon.availableSizes());
}

// The torque graph drawn for the screen's pixels, not enlarged from 100 %: axes and
// ticks in one width, the x axis where it is at 100 %, a steep curve in single steps.
TEST(ScaledScreens, TheTorqueGraphsLinesStayEvenAndSharp)
{
    Editor editor;
    editor.core.loadTemplate(Template::Porsche);
    // A rising curve, steep from the origin, left of the fields.
    for (int k = 0; k < 24; ++k)
        editor.core.typeText(Fields::kFirstTorqueSlot + k, QString::number(300 + 37 * k));
    editor.host.showWindow(WindowId::Torque);
    QWidget *window = Editor::topLevel(QStringLiteral("Form3"));
    QMetaObject::invokeMethod(window->findChild<QObject *>(QStringLiteral("Command1")), "click");
    const qreal ratio = window->devicePixelRatioF();
    QImage shot = window->grab().toImage();
    shot.setDevicePixelRatio(1);
    // Canvas pixel (x, y), its middle, in device pixels of the shot.
    auto at = [ratio](double x, double y) { return QPoint(int((10 + x + 0.5) * ratio), int((10 + y + 0.5) * ratio)); };
    auto isBlack = [&shot](QPoint p) {
        const QRgb c = shot.rect().contains(p) ? shot.pixel(p) : qRgb(255, 255, 255);
        return qRed(c) < 64 && qGreen(c) < 64 && qBlue(c) < 64;
    };
    // The longest black run at canvas pixel (x, y) + i * step, i in [first, last).
    const int reach = qCeil(6 * ratio);
    std::set<int> widths;
    auto across = [&](double x, double y, QPoint step, int first, int last) {
        int best = 0, length = 0;
        for (int i = first; i < last; ++i) {
            length = isBlack(at(x, y) + step * i) ? length + 1 : 0;
            best = std::max(best, length);
        }
        widths.insert(best);
    };
    for (int k = 2; k < 23; ++k) // the x axis between its ticks, and the ticks above it
        across(28 + 26 * k + 13, 306, {0, 1}, 0, 2 * reach);
    for (int k = 0; k < 24; ++k)
        across(28 + 26 * k, 308.2, {1, 0}, -reach, reach);
    for (int j = 1; j < 12; ++j) // the y axis between its ticks, and the ticks right of it
        across(0, 310 - 25 * j - 12, {1, 0}, 0, reach);
    for (int j = 1; j <= 12; ++j)
        across(4.8, 310 - 25 * j, {0, 1}, -reach, reach);
    ASSERT_EQ(widths.size(), 1u) << "lines drawn in uneven widths";
    EXPECT_GE(*widths.begin(), 1);
    EXPECT_LE(*widths.begin(), qCeil(ratio));
    EXPECT_TRUE(isBlack(at(300, 310)) || isBlack(at(300, 310) - QPoint(0, 1)) || isBlack(at(300, 310) + QPoint(0, 1)));

    int previous = -1, rows = 0;
    for (int y = at(0, 240).y(); y <= at(0, 300).y(); ++y) {
        int left = -1;
        for (int x = at(4, 0).x(); x <= at(27, 0).x() && left < 0; ++x)
            if (qRed(shot.pixel(x, y)) > 200 && qGreen(shot.pixel(x, y)) < 60 && qBlue(shot.pixel(x, y)) < 60)
                left = x;
        if (left < 0)
            continue;
        ++rows;
        EXPECT_TRUE(previous < 0 || std::abs(left - previous) <= 1) << "at device row " << y;
        previous = left;
    }
    EXPECT_GT(rows, 40 * ratio) << "the first segment is drawn";
}
