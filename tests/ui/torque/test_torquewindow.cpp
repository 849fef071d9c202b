// The torque window over a core with a scripted desktop: layout, fields, graph buttons, closing check.
#include "fakehost.h"
#include "torquewindow.h"
#include "uitestsupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
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

    void showWindow(WindowId w) override { FakeHost::showWindow(w); if (w == WindowId::Torque) torque->present(); }
    void hideWindow(WindowId w) override { FakeHost::hideWindow(w); if (w == WindowId::Torque) torque->hide(); }
};

class TorqueWindowTest : public ::testing::Test {
protected:
    TorqueWindowTest() : core(form, host), window(core) { host.torque = &window; }

    template <typename T> T *child(const QString &name) { return window.findChild<T *>(name); }
    QLineEdit *field(int slot) { return child<QLineEdit>(QStringLiteral("Text21(%1)").arg(slot)); }
    QPushButton *button(int n) { return child<QPushButton>(QStringLiteral("Command%1").arg(n)); }
    // Select all, then type (or delete when `text` is empty).
    void typeInto(int slot, const QString &text)
    {
        QLineEdit *edit = field(slot);
        edit->setFocus();
        edit->selectAll();
        text.isEmpty() ? QTest::keyClick(edit, Qt::Key_Backspace) : typeKeys(edit, text);
    }
    QRect inWindow(QWidget *widget) { return QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size()); }

    FormState form;
    WindowHost host;
    EditorCore core;
    TorqueCommands torque{core};
    TorqueWindow window;
};

TEST_F(TorqueWindowTest, AModelessWindowOfFieldsMirroringTheTorqueSlotsFocusedBeforeTheButtons)
{
    EXPECT_TRUE(window.isWindow() && !window.isModal());
    // Everything stands on the canvas, inside its border.
    const QRect canvas = inWindow(child<QWidget>(QStringLiteral("Picture1"))).adjusted(2, 2, -2, -2);
    for (QWidget *w : std::initializer_list<QWidget *>{field(41), field(64), button(3)})
        EXPECT_TRUE(canvas.contains(inWindow(w))) << w->objectName().toStdString();

    QStringList expected, chain;
    for (int slot = Fields::kFirstTorqueSlot; slot <= Fields::kLastTorqueSlot; ++slot)
        expected << field(slot)->objectName();
    expected << QStringLiteral("Command1") << QStringLiteral("Command2") << QStringLiteral("Command3");
    for (QWidget *w = field(Fields::kFirstTorqueSlot); chain.size() < expected.size(); w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            chain << w->objectName();
    EXPECT_EQ(chain, expected);

    for (int slot = Fields::kFirstTorqueSlot; slot <= Fields::kLastTorqueSlot; ++slot)
        EXPECT_EQ(field(slot)->text(), QStringLiteral("0")) << slot;
    // A template fills the fields while the window is hidden; any change shows at once.
    core.loadTemplate(Template::Porsche);
    EXPECT_EQ(field(43)->text(), QStringLiteral("280.0"));
    form.setText(50, QStringLiteral("612"));
    EXPECT_EQ(field(50)->text(), QStringLiteral("612"));
    window.present();
    typeInto(45, QStringLiteral("5a при")); // how keys are taken is the main window's test
    EXPECT_EQ(form.text(45), QStringLiteral("5a при"));
    core.clearFieldsForNewCar();
    EXPECT_EQ(field(45)->text(), QString());
}

TEST_F(TorqueWindowTest, BuildAndWipeThroughTheButtonsAndCloseThroughTheTorqueCheck)
{
    core.loadTemplate(Template::Porsche);
    host.showWindow(WindowId::Torque);
    const DocumentState before = core.doc();
    QTest::mouseClick(button(1), Qt::LeftButton);
    EXPECT_EQ(field(43)->text(), QStringLiteral("280.0"));
    EXPECT_EQ(core.doc().edited, before.edited);
    EXPECT_EQ(core.doc().unsavedChanges, before.unsavedChanges);

    // The Porsche's flat stretch at 520 passes window (222, 190), also after hiding and showing;
    // the curve runs over the labels it crosses, and a wipe draws them again on the white canvas.
    window.hide();
    host.showWindow(WindowId::Torque);
    auto labelPixels = [this](const QImage &image, int label, const std::function<bool(QColor)> &count) {
        QRect area = inWindow(child<QLabel>(QStringLiteral("Label1(%1)").arg(label)));
        area.setRight(std::min(area.right(), inWindow(field(41)).left() - 1));
        int counted = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                counted += count(image.pixelColor(x, y));
        return counted;
    };
    auto curveOverLabels = [&labelPixels](const QImage &image) {
        int counted = 0;
        for (int label = 0; label < 10; ++label)
            counted += labelPixels(image, label, [](QColor c) { return c == TorquePlot::curveColor(); });
        return counted;
    };
    const QImage built = window.grab().toImage();
    EXPECT_EQ(built.pixelColor(222, 190), TorquePlot::curveColor());
    EXPECT_GT(curveOverLabels(built), 10);

    QTest::mouseClick(button(2), Qt::LeftButton);
    const QImage wiped = window.grab().toImage();
    EXPECT_EQ(wiped.pixelColor(222, 190), TorquePlot::wipeColor());
    EXPECT_EQ(wiped.pixelColor(13, 200), TorquePlot::wipeColor()); // the y axis
    EXPECT_GT(labelPixels(wiped, 0, [](QColor c) { return c.lightness() < 128; }), 20) << "the first label's text";
    EXPECT_EQ(curveOverLabels(wiped), 0);
    for (QWidget *w : std::initializer_list<QWidget *>{child<QLabel>(QStringLiteral("Label1(0)")), field(41), button(1)})
        EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();

    // Which ways of closing reach the torque check (the check itself is the core's).
    typeInto(47, QString());
    host.onModal = [this](WindowId) { torque.closeErrors(); };
    QTest::mouseClick(button(3), Qt::LeftButton);
    EXPECT_EQ(host.modalShown, QList<WindowId>{WindowId::TorqueErrors});
    EXPECT_FALSE(window.isVisible());
    host.showWindow(WindowId::Torque);
    EXPECT_EQ(field(47)->text(), QString()) << "shown again, it keeps what the user left";

    QCloseEvent fromFrame;
    QSpontaneKeyEvent::setSpontaneous(&fromFrame);
    QApplication::instance()->notify(&window, &fromFrame);
    EXPECT_FALSE(fromFrame.isAccepted());
    EXPECT_EQ(host.modalShown.size(), 2);
    EXPECT_FALSE(window.isVisible());

    // A close that does not come from the user (the program ending) runs no check.
    host.showWindow(WindowId::Torque);
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(host.modalShown.size(), 2);
}

} // namespace
