// The main window as the user meets it: its start-up state, the layout of
// every page, page switching, the binding of fields, check boxes and lists to
// the core, and the questions on leaving.

#include "uitestsupport.h"

#include "slots.h"
#include "templates.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace tuneks;

namespace {

QRect tw(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

const QString kPageButtons[] = {"Command1", "Command2", "Command3", "Command4",
                                "Command5", "Command6", "Command8"};

bool onlyFrameVisible(Editor &editor, int frame)
{
    for (int f = 1; f <= 9; ++f)
        if (editor.find(QStringLiteral("Frame%1").arg(f))->isVisible() != (f == frame))
            return false;
    return true;
}

QString title(Editor &editor)
{
    return editor.find<QPlainTextEdit>(QStringLiteral("Text3"))->toPlainText();
}

} // namespace

TEST(MainWindow, StartsEmptyWithOnlyExitAndFileCommandsUsable)
{
    Editor editor;
    MainWindow &w = *editor.window;
    EXPECT_EQ(w.objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Тюнекс Редактор"));
    EXPECT_EQ(title(editor), QStringLiteral("\n     Файл не загружен!\n\n"
                                            "          Для начала работы загрузите или создайте "
                                            "новый файл."));
    EXPECT_TRUE(editor.find<QPlainTextEdit>(QStringLiteral("Text3"))->isReadOnly());
    for (int frame = 1; frame <= 9; ++frame)
        EXPECT_FALSE(editor.find(QStringLiteral("Frame%1").arg(frame))->isVisible()) << frame;
    for (const QString &name : kPageButtons)
        EXPECT_FALSE(editor.find(name)->isEnabled()) << name.toStdString();
    EXPECT_TRUE(editor.find(QStringLiteral("Command7"))->isEnabled());

    // The menus: items in order, separators named, enabled states.
    const QMenu *file = w.findChild<QMenu *>(QStringLiteral("File"));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->title(), QStringLiteral("&Файл"));
    QStringList names, captions;
    for (QAction *action : file->actions()) {
        names << action->objectName();
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    EXPECT_EQ(names, QStringList({"New", "open", "cherta", "save", "saveas", "cherta1",
                                  "Proverka", "k", "Exit2"}));
    EXPECT_EQ(captions, QStringList({"&Новый", "&Открыть", "-", "&Сохранить", "Сохранить &как...",
                                     "-", "&Проверить", "-", "&Выход"}));
    const QMenu *help = w.findChild<QMenu *>(QStringLiteral("VoprosListing"));
    ASSERT_TRUE(help);
    EXPECT_EQ(help->title(), QStringLiteral("&?!"));
    EXPECT_EQ(help->actions().size(), 3);
    for (const char *name : {"New", "open", "Exit2", "ObProge", "Listing"})
        EXPECT_TRUE(w.findChild<QAction *>(QString::fromLatin1(name))->isEnabled()) << name;
    for (const char *name : {"save", "saveas", "Proverka"})
        EXPECT_FALSE(w.findChild<QAction *>(QString::fromLatin1(name))->isEnabled()) << name;

    // The lists start without a selection and hold their items.
    const int itemCounts[] = {6, 20, 14};
    for (int list = 0; list < 3; ++list) {
        auto *combo = editor.find<QComboBox>(QStringLiteral("Combo%1").arg(list + 1));
        ASSERT_TRUE(combo);
        EXPECT_FALSE(combo->isEditable());
        EXPECT_EQ(combo->currentIndex(), -1);
        ASSERT_EQ(combo->count(), itemCounts[list]);
    }

    // Fixed client size; no maximise button.
    EXPECT_EQ(w.centralWidget()->size(), QSize(593, 242));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST(MainWindow, ControlsSitAtTheirTwipPositions)
{
    Editor editor;
    const struct {
        const char *parent;
        std::vector<std::pair<const char *, QRect>> children;
    } pages[] = {
        {"Form1Client", {{"Text1", tw(120, 120, 1575, 2655)}, {"Command1", tw(240, 240, 1335, 255)},
                {"Command8", tw(240, 2400, 1335, 255)}, {"Text2", tw(120, 2880, 1575, 615)},
                {"Command7", tw(240, 3000, 1335, 375)}, {"Text3", tw(1920, 120, 6855, 3375)},
                {"Label1(8)", tw(3000, 600, 1215, 255)}, {"Frame1", tw(2040, 480, 6615, 2895)},
                {"Frame9", tw(2040, 480, 6615, 2895)}}},
        {"Frame1", {{"Text(1)", tw(2880, 240, 3495, 285)}, {"Label1(1)", tw(360, 720, 1575, 255)},
                {"Combo3", tw(1800, 2520, 4575, 315)}, {"Image1", tw(4200, 600, 2025, 660)}}},
        {"Frame2", {{"Combo1", tw(2640, 360, 735, 315)}, {"Check2", tw(3720, 360, 255, 255)},
                {"Text(81)", tw(5040, 2400, 975, 285)}, {"Command10", tw(6240, 2520, 255, 255)}}},
        {"Frame6", {{"Text(93)", tw(3120, 240, 855, 285)}, {"Check1(2)", tw(6000, 480, 255, 255)},
                {"Check1(1)", tw(4440, 2040, 255, 255)}, {"Label1(12)", tw(3240, 2520, 855, 255)}}},
        {"Frame3", {{"Text(5)", tw(4320, 1440, 1935, 285)}, {"Command13", tw(6240, 2520, 255, 255)}}},
        {"Frame9", {{"Text(100)", tw(2880, 1920, 1095, 285)}, {"Command14", tw(6240, 240, 255, 255)}}},
        {"Frame4", {{"Text(7)", tw(1200, 360, 1335, 285)}, {"Image3(0)", tw(4440, 1560, 1965, 630)}}},
        {"Frame5", {{"Label1(7)", tw(240, 1320, 3495, 255)}, {"Text(13)", tw(3360, 1800, 1215, 285)}}},
        {"Frame8", {{"Check4", tw(240, 2400, 255, 255)}, {"Text(124)", tw(3120, 720, 975, 285)}}},
        {"Frame7", {{"Command9", tw(360, 1200, 3375, 495)}, {"Text(40)", tw(2760, 720, 1215, 285)}}},
    };
    for (const auto &page : pages) {
        for (const auto &[name, rect] : page.children) {
            QWidget *widget = editor.find(QString::fromLatin1(name));
            ASSERT_TRUE(widget) << name;
            EXPECT_EQ(widget->parentWidget()->objectName(), QString::fromLatin1(page.parent)) << name;
            EXPECT_EQ(widget->geometry(), rect) << name;
        }
    }
    // Every element of the Text and Label1 arrays exists exactly once.
    for (int slot : Slots::mainTextSlots())
        EXPECT_EQ(editor.window->findChildren<QLineEdit *>(QStringLiteral("Text(%1)").arg(slot)).size(), 1);
    for (int i = 0; i <= 49; ++i)
        EXPECT_EQ(editor.window->findChildren<QLabel *>(QStringLiteral("Label1(%1)").arg(i)).size(), 1);
    EXPECT_EQ(editor.find<QLabel>(QStringLiteral("Label1(48)"))->text(),
              QStringLiteral("\"Звук\" двигателя:"));
    EXPECT_EQ(editor.find<QPushButton>(QStringLiteral("Command3"))->text(), QStringLiteral("К&олёса"));

    // Stacking: Text3 below all pages; pages in their fixed order, Frame1 on top;
    // a long caption lies below the field drawn over its end.
    const QObjectList order = editor.find(QStringLiteral("Form1Client"))->children();
    auto z = [&](const char *name) { return order.indexOf(editor.find(QString::fromLatin1(name))); };
    const char *stack[] = {"Text3", "Frame4", "Frame7", "Frame2", "Frame8", "Frame6",
                           "Frame3", "Frame9", "Frame5", "Frame1"};
    for (int i = 1; i < 10; ++i)
        EXPECT_LT(z(stack[i - 1]), z(stack[i])) << stack[i];
    EXPECT_LT(z("Text1"), z("Command1"));
    EXPECT_LT(z("Text2"), z("Command7"));
    const QObjectList gearbox = editor.find(QStringLiteral("Frame2"))->children();
    EXPECT_LT(gearbox.indexOf(editor.find(QStringLiteral("Label1(15)"))),
              gearbox.indexOf(editor.find(QStringLiteral("Combo1"))));
}

TEST(MainWindow, OpenFillsTheFieldsAndPagesSwitchWithTheirTitles)
{
    // Without the key of a field the field stays disabled.
    Editor editor;
    QVector<QByteArray> withoutMass = Templates::porsche();
    withoutMass.removeAll(QByteArray("Mass=1439.0"));
    editor.openFile(editor.writeFile(QStringLiteral("porsche.ini"), withoutMass));
    EXPECT_TRUE(editor.host.messages.isEmpty()) << editor.host.messages.value(0).text.toStdString();
    EXPECT_EQ(editor.window->windowTitle(),
              QStringLiteral("Редактируем - Porsche 911 Turbo Statistics (Тюнекс)"));
    EXPECT_TRUE(onlyFrameVisible(editor, 1));
    EXPECT_EQ(title(editor), QStringLiteral(" --==[ Общее ]==--"));
    for (const QString &name : kPageButtons)
        EXPECT_TRUE(editor.find(name)->isEnabled()) << name.toStdString();

    // Every widget shows the model's value and enabled state.
    EXPECT_FALSE(editor.find(QStringLiteral("Text(2)"))->isEnabled());
    for (int slot : Slots::mainTextSlots()) {
        auto *edit = editor.find<QLineEdit>(QStringLiteral("Text(%1)").arg(slot));
        EXPECT_EQ(edit->text(), editor.form.text(slot)) << slot;
        EXPECT_EQ(edit->isEnabled(), editor.form.textEnabled(slot)) << slot;
    }
    EXPECT_TRUE(editor.window->findChild<QAction *>(QStringLiteral("save"))->isEnabled());
    for (int list = 0; list < 3; ++list)
        EXPECT_EQ(editor.find<QComboBox>(QStringLiteral("Combo%1").arg(list + 1))->currentIndex(),
                  editor.form.combo(Slots::ComboId(list)));
    EXPECT_NE(editor.find<QComboBox>(QStringLiteral("Combo2"))->currentIndex(), -1);
    const char *boxes[] = {"Check1(0)", "Check1(1)", "Check1(2)", "Check1(3)",
                           "Check2", "Check3", "Check4"};
    const Qt::CheckState shown[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
    for (int box = 0; box < Slots::kCheckBoxCount; ++box)
        EXPECT_EQ(editor.find<QCheckBox>(QString::fromLatin1(boxes[box]))->checkState(),
                  shown[editor.form.check(Slots::CheckBoxId(box))])
            << boxes[box];
    EXPECT_FALSE(editor.core.doc().AvtoSoxranenie);

    // Each page button reaches its page command; the titles are the core's.
    struct Step {
        const char *button;
        int frame;
    };
    const Step steps[] = {{"Command2", 2}, {"Command10", 6}, {"Command11", 2}, {"Command3", 3},
                          {"Command13", 9}, {"Command14", 3}, {"Command4", 4}, {"Command5", 5},
                          {"Command6", 8},  {"Command8", 7},  {"Command1", 1}};
    for (const Step &step : steps) {
        editor.click(QString::fromLatin1(step.button));
        EXPECT_TRUE(onlyFrameVisible(editor, step.frame)) << step.button;
        EXPECT_EQ(title(editor), editor.form.pageTitle()) << step.button;
    }
    EXPECT_FALSE(editor.core.doc().AvtoSoxranenie) << "switching pages is no edit";

    // Every page has shown its pictures, at their natural sizes.
    const struct {
        const char *name;
        QSize size;
    } pictures[] = {{"Image1", {135, 44}},    {"Image2", {85, 170}},    {"Image3(0)", {131, 42}},
                    {"Image3(1)", {131, 42}}, {"Image4(0)", {131, 39}}, {"Image4(1)", {131, 39}},
                    {"Image5", {187, 66}}};
    for (const auto &picture : pictures) {
        auto *label = editor.find<QLabel>(QString::fromLatin1(picture.name));
        ASSERT_TRUE(label) << picture.name;
        EXPECT_EQ(label->pixmap().size(), picture.size) << picture.name;
    }
}

TEST(MainWindow, CommandsOpenTheirWindows)
{
    Editor editor;
    editor.openFile(editor.writeFile(QStringLiteral("car.ini"), Templates::porsche()));
    editor.click(QStringLiteral("Command8"));
    editor.click(QStringLiteral("Command9"));
    QWidget *torque = Editor::topLevel(QStringLiteral("Form3"));
    ASSERT_TRUE(torque);
    EXPECT_TRUE(torque->isVisible());
    EXPECT_TRUE(editor.window->isEnabled()) << "the torque window is modeless";

    // About and listing are modal and come back when closed.
    for (const char *item : {"ObProge", "Listing"}) {
        QString shown;
        whenModalShown([&] {
            QWidget *modal = QApplication::activeModalWidget();
            ASSERT_TRUE(modal);
            shown = modal->objectName();
            modal->close();
        });
        editor.trigger(QString::fromLatin1(item));
        EXPECT_EQ(shown, QString::fromLatin1(item) == QStringLiteral("ObProge") ? "Form9" : "Form4");
    }
}

TEST(MainWindow, TypingReachesTheCoreAndTheFieldShowsWhatItKept)
{
    // The rules themselves (caption, marks, the cut) are tested on the core;
    // here, that keys and pastes reach it and the widgets show the outcome.
    Editor editor;
    editor.openFile(editor.writeFile(QStringLiteral("car.ini"), Templates::porsche()));
    auto *name = editor.find<QLineEdit>(QStringLiteral("Text(1)"));
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Delete);
    editor.type(1, QStringLiteral("Жuk"));
    EXPECT_EQ(editor.form.text(1), QStringLiteral("Жuk"));
    EXPECT_EQ(editor.window->windowTitle(), QStringLiteral("Редактируем - Жuk (Тюнекс)"));

    // A character the file's code page cannot hold is refused with a beep.
    editor.type(1, QStringLiteral("字"));
    EXPECT_EQ(name->text(), QStringLiteral("Жuk"));
    EXPECT_EQ(editor.form.text(1), QStringLiteral("Жuk"));
    EXPECT_EQ(editor.host.beeps, 1);
    editor.host.beeps = 0;

    // The 101st key is cut back in the widget, with a beep.
    editor.click(QStringLiteral("Command2"));
    auto *delay = editor.find<QLineEdit>(QStringLiteral("Text(72)"));
    delay->selectAll();
    QTest::keyClick(delay, Qt::Key_Delete);
    editor.type(72, QString(101, QLatin1Char('7')));
    EXPECT_EQ(delay->text(), QString(100, QLatin1Char('7')));
    EXPECT_EQ(editor.form.text(72), delay->text());
    EXPECT_EQ(editor.host.beeps, 1);
}

TEST(MainWindow, LabelsCheckBoxesAndListsCountAsEdits)
{
    Editor editor;
    editor.openFile(editor.writeFile(QStringLiteral("car.ini"), Templates::porsche()));
    ASSERT_FALSE(editor.core.doc().AvtoSoxranenie);
    QTest::mouseClick(editor.find(QStringLiteral("Label1(0)")), Qt::LeftButton);
    EXPECT_TRUE(editor.core.doc().AvtoSoxranenie);

    // A click toggles the model, the box shows the model; a greyed box set
    // by the model shows greyed and a click ticks it.
    editor.click(QStringLiteral("Command6"));
    auto *abs = editor.find<QCheckBox>(QStringLiteral("Check3"));
    const int before = editor.form.check(Slots::Check3);
    QTest::mouseClick(abs, Qt::LeftButton);
    EXPECT_EQ(editor.form.check(Slots::Check3), before == 1 ? 0 : 1);
    EXPECT_EQ(abs->checkState(), before == 1 ? Qt::Unchecked : Qt::Checked);
    editor.form.setCheck(Slots::Check4, 2);
    auto *rearAbs = editor.find<QCheckBox>(QStringLiteral("Check4"));
    EXPECT_EQ(rearAbs->checkState(), Qt::PartiallyChecked);
    QTest::mouseClick(rearAbs, Qt::LeftButton);
    EXPECT_EQ(editor.form.check(Slots::Check4), 1);

    editor.openFile(editor.writeFile(QStringLiteral("car.ini"), Templates::porsche()));
    auto *horn = editor.find<QComboBox>(QStringLiteral("Combo3"));
    emit horn->activated(13);
    EXPECT_EQ(editor.form.combo(Slots::Combo3), 13);
    EXPECT_EQ(horn->currentIndex(), 13);
    EXPECT_TRUE(editor.core.doc().AvtoSoxranenie);
}

TEST(MainWindow, ExitAndTheCloseBoxAskTheCoreAndEndEveryWindow)
{
    // The rules of the questions are the core's; here: which control asks
    // which question, and that the window stays or ends, with every other
    // window, as the core answers.
    for (const bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox ? "close box" : "Exit and Command7");
        Editor editor;
        editor.openFile(editor.writeFile(QStringLiteral("car.ini"), Templates::porsche()));
        editor.click(QStringLiteral("Command8"));
        editor.click(QStringLiteral("Command9")); // the modeless torque window
        editor.type(2, QStringLiteral("x"));
        editor.host.answers = {MessageAnswer::Yes}; // save first: the faulty field is listed
        if (closeBox)
            EXPECT_FALSE(editor.window->close());
        else
            editor.trigger(QStringLiteral("Exit2"));
        EXPECT_EQ(editor.host.messages.value(0).buttons,
                  closeBox ? MessageButtons::YesNo : MessageButtons::YesNoCancel);
        EXPECT_TRUE(editor.window->isVisible());
        QWidget *errors = Editor::topLevel(QStringLiteral("Form2"));
        ASSERT_TRUE(errors);
        EXPECT_TRUE(errors->isVisible());

        editor.host.answers = {MessageAnswer::No};
        if (closeBox)
            EXPECT_TRUE(editor.window->close());
        else
            editor.click(QStringLiteral("Command7"));
        EXPECT_TRUE(editor.window->hasEnded());
        EXPECT_FALSE(editor.window->isVisible());
        EXPECT_EQ(Editor::topLevel(QStringLiteral("Form2")), nullptr);
        EXPECT_EQ(Editor::topLevel(QStringLiteral("Form3")), nullptr);
    }
}
