// The torque window as a view over the core: its layout, how it mirrors the
// torque slots and passes typing on, the torque check on closing, and the
// graph drawn through its buttons.
#include "torquewindow.h"

#include "editorcore.h"
#include "fakehost.h"
#include "slots.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>

namespace {

// The scripted desktop, with the torque window really shown and hidden.
class WindowHost : public FakeHost {
public:
    TorqueWindow *torque = nullptr;

    void showWindow(WindowId window) override
    {
        FakeHost::showWindow(window);
        if (window == WindowId::Form3 && torque)
            torque->present();
    }
    void hideWindow(WindowId window) override
    {
        FakeHost::hideWindow(window);
        if (window == WindowId::Form3 && torque)
            torque->hide();
    }
};

class TorqueWindowTest : public ::testing::Test {
protected:
    TorqueWindowTest() : core(form, host), window(core) { host.torque = &window; }

    QLineEdit *field(int slot)
    {
        auto *edit = window.findChild<QLineEdit *>(QStringLiteral("Text21(%1)").arg(slot));
        EXPECT_NE(edit, nullptr) << slot;
        return edit;
    }
    QPushButton *button(const char *name)
    {
        auto *b = window.findChild<QPushButton *>(QString::fromLatin1(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    // Types characters as key presses carrying their text; unlike
    // QTest::keyClicks this also takes characters beyond ASCII.
    static void typeKeys(QWidget *widget, const QString &text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &release);
        }
    }
    // Replaces a field's text the way a user does: select all, then type.
    void typeInto(int slot, const QString &text)
    {
        QLineEdit *edit = field(slot);
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            typeKeys(edit, text);
    }
    QRect inWindow(QWidget *widget)
    {
        return QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size());
    }

    FormState form;
    WindowHost host;
    EditorCore core;
    TorqueWindow window;
};

TEST_F(TorqueWindowTest, LayoutFollowsTheFixedGrid)
{
    EXPECT_EQ(window.objectName(), QStringLiteral("Form3"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Настройка крутящего момента."));
    EXPECT_EQ(window.size(), QSize(657, 337));
    EXPECT_TRUE(window.isWindow());
    EXPECT_FALSE(window.isModal());

    auto *canvas = window.findChild<QWidget *>(QStringLiteral("Picture1"));
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(canvas->geometry(), QRect(8, 8, 641, 321));
    // Canvas coordinates start inside its two-pixel border, at (10, 10).
    auto *heading = window.findChild<QLabel *>(QStringLiteral("Label2"));
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->text(), QStringLiteral("Крутящий момент при...:"));
    EXPECT_EQ(inWindow(heading), QRect(10 + 16, 10 + 24, 161, 17));

    struct Row { int slot; QRect label; QRect field; const char *text; };
    const Row rows[] = {
        {41, {56, 48, 129, 17}, {144, 48, 65, 19}, "При   500 о/м:"},
        {60, {224, 264, 129, 17}, {320, 264, 65, 19}, "При 10000 о/м:"},
        {64, {400, 120, 129, 17}, {496, 120, 65, 19}, "При 12000 о/м:"},
    };
    for (const Row &row : rows) {
        auto *label = window.findChild<QLabel *>(QStringLiteral("Label1(%1)").arg(row.slot - 41));
        ASSERT_NE(label, nullptr) << row.slot;
        EXPECT_EQ(label->text(), QString::fromUtf8(row.text));
        EXPECT_EQ(inWindow(label), row.label.translated(10, 10)) << row.slot;
        EXPECT_EQ(inWindow(field(row.slot)), row.field.translated(10, 10)) << row.slot;
    }
    EXPECT_EQ(window.findChildren<QLineEdit *>().size(), 24);
    EXPECT_EQ(window.findChildren<QLabel *>().size(), 25);

    const struct { const char *name; const char *text; int top; } buttons[] = {
        {"Command1", "Построить график", 152}, {"Command2", "Очистить", 184}, {"Command3", "Закрыть", 216}};
    for (const auto &b : buttons) {
        EXPECT_EQ(button(b.name)->text(), QString::fromUtf8(b.text));
        EXPECT_EQ(inWindow(button(b.name)), QRect(10 + 408, 10 + b.top, 145, 25));
    }

    // Focus runs through the fields in slot order, then the three buttons.
    QStringList expected, chain;
    for (int slot = 41; slot <= 64; ++slot)
        expected << QStringLiteral("Text21(%1)").arg(slot);
    expected << QStringLiteral("Command1") << QStringLiteral("Command2") << QStringLiteral("Command3");
    for (QWidget *w = field(41); chain.size() < 27; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            chain << w->objectName();
    EXPECT_EQ(chain, expected);
}

TEST_F(TorqueWindowTest, FieldsMirrorTheTorqueSlotsAndTypingGoesIntoTheModel)
{
    // Before any document every field shows "0"; a template fills them,
    // shown or not, and any change of the model shows at once.
    for (int slot = 41; slot <= 64; ++slot)
        EXPECT_EQ(field(slot)->text(), QStringLiteral("0")) << slot;
    core.ShablonPorsche();
    EXPECT_EQ(field(43)->text(), QStringLiteral("280.0"));
    EXPECT_EQ(field(55)->text(), QStringLiteral("380.0"));
    form.setText(50, QStringLiteral("612"));
    EXPECT_EQ(field(50)->text(), QStringLiteral("612"));

    // Any text the code page holds is taken as typed.
    window.present();
    typeInto(45, QStringLiteral("5a при"));
    EXPECT_EQ(form.text(45), QStringLiteral("5a при"));

    // A character it cannot hold is refused with a beep; typing goes on
    // where it stopped.
    QLineEdit *edit = field(47);
    edit->setFocus();
    edit->setCursorPosition(1);
    typeKeys(edit, QStringLiteral("中"));
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(edit->text(), QStringLiteral("520.0"));
    typeKeys(edit, QStringLiteral("1"));
    EXPECT_EQ(form.text(47), QStringLiteral("5120.0"));

    // Clearing the document empties the fields.
    core.Otchistka();
    EXPECT_EQ(field(47)->text(), QString());
}

TEST_F(TorqueWindowTest, CloseAndTheFramesCloseBoxRunTheTorqueCheck)
{
    // What the check lists and when the window hides are the core's rules;
    // here: which ways of closing reach it.
    core.ShablonPorsche();
    host.showWindow(WindowId::Form3);
    typeInto(47, QString());
    host.onModal = [this](WindowId) { core.torqueErrorsClose(); };
    QTest::mouseClick(button("Command3"), Qt::LeftButton);
    EXPECT_EQ(host.modalShown, QList<WindowId>{WindowId::Form2_2});
    EXPECT_FALSE(window.isVisible());
    // Shown again, it still holds what the user left in it.
    host.showWindow(WindowId::Form3);
    EXPECT_EQ(field(47)->text(), QString());

    // The frame's close box acts as "Закрыть".
    QCloseEvent fromFrame;
    QSpontaneKeyEvent::setSpontaneous(&fromFrame);
    QApplication::instance()->notify(&window, &fromFrame);
    EXPECT_FALSE(fromFrame.isAccepted());
    EXPECT_EQ(host.modalShown.size(), 2);
    EXPECT_FALSE(window.isVisible());

    // A close that does not come from the user (the program ending) runs
    // no check.
    host.showWindow(WindowId::Form3);
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(host.modalShown.size(), 2);
}

TEST_F(TorqueWindowTest, BuildAndWipeThroughTheButtons)
{
    core.ShablonPorsche();
    host.showWindow(WindowId::Form3);
    const auto izmBefore = core.doc().Izm;
    const bool unsavedBefore = core.doc().AvtoSoxranenie;

    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    const QImage drawn = window.plot().image();
    // Building changes no field and marks nothing.
    EXPECT_EQ(field(43)->text(), QStringLiteral("280.0"));
    EXPECT_EQ(core.doc().Izm, izmBefore);
    EXPECT_EQ(core.doc().AvtoSoxranenie, unsavedBefore);

    // The curve is drawn from the fields and the window shows the canvas
    // image: the Porsche's flat stretch at 520 between 4000 and 4500 rpm
    // passes between two columns, at canvas (212, 180), window (222, 190).
    EXPECT_EQ(drawn.pixelColor(212, 180), TorquePlot::curveColor());
    EXPECT_EQ(window.grab().toImage().pixelColor(222, 190), TorquePlot::curveColor());

    // The drawing survives hiding and showing the window.
    window.hide();
    host.showWindow(WindowId::Form3);
    EXPECT_EQ(window.grab().toImage().pixelColor(222, 190), TorquePlot::curveColor());

    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    const QImage wiped = window.grab().toImage();
    EXPECT_EQ(wiped.pixelColor(222, 190), TorquePlot::wipeColor());
    EXPECT_EQ(wiped.pixelColor(13, 200), TorquePlot::wipeColor()); // where the y axis was
    // The labels are drawn again on the white canvas: their rectangle holds
    // dark text pixels.
    auto *label = window.findChild<QLabel *>(QStringLiteral("Label1(0)"));
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->isVisible());
    const QRect area = inWindow(label);
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            dark += wiped.pixelColor(x, y).lightness() < 128;
    EXPECT_GT(dark, 20);
    EXPECT_TRUE(field(41)->isVisible());
    EXPECT_TRUE(button("Command1")->isVisible());
}

} // namespace
