// The main window as the user meets it: its start-up state, where its pages
// stand, page switching, the binding of fields, check boxes and lists to the
// core, and the questions on leaving.

#include "uitestsupport.h"

#include "fieldtable.h"
#include "templates.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>

using namespace tuneks;

namespace {

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
    EXPECT_TRUE(title(editor).contains(QStringLiteral("Файл не загружен!")));
    EXPECT_TRUE(editor.find<QPlainTextEdit>(QStringLiteral("Text3"))->isReadOnly());
    EXPECT_TRUE(onlyFrameVisible(editor, 0));
    for (const QString &name : kPageButtons)
        EXPECT_FALSE(editor.find(name)->isEnabled()) << name.toStdString();
    EXPECT_TRUE(editor.find(QStringLiteral("Command7"))->isEnabled());
    // The panels behind the buttons and the page title take neither typing
    // nor the focus.
    EXPECT_EQ(focusStopsThatAreNoControls(&w), QStringList());
    for (const char *name : {"Text1", "Text2"})
        EXPECT_TRUE(editor.find<QLineEdit>(QString::fromLatin1(name))->isReadOnly()) << name;

    // The menus: names, captions with their access keys, enabled states.
    QStringList items;
    for (QAction *action : w.findChild<QMenu *>(QStringLiteral("File"))->actions())
        items << action->objectName() + QLatin1Char(' ') + (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(items, QStringList({"New &Новый", "open &Открыть", "cherta -", "save &Сохранить",
                                  "saveas Сохранить &как...", "cherta1 -", "Proverka &Проверить",
                                  "k -", "Exit2 &Выход"}));
    EXPECT_EQ(w.findChild<QMenu *>(QStringLiteral("VoprosListing"))->actions().size(), 3);
    for (const char *name : {"New", "open", "Exit2", "ObProge", "Listing"})
        EXPECT_TRUE(w.findChild<QAction *>(QString::fromLatin1(name))->isEnabled()) << name;
    for (const char *name : {"save", "saveas", "Proverka"})
        EXPECT_FALSE(w.findChild<QAction *>(QString::fromLatin1(name))->isEnabled()) << name;

    // The lists hold the core's items, none chosen and none typed.
    for (int list : Fields::listSlots()) {
        auto *combo = editor.find<QComboBox>(Fields::bySlot(list)->controlName);
        EXPECT_FALSE(combo->isEditable());
        EXPECT_EQ(combo->currentIndex(), -1);
        EXPECT_EQ(combo->count(), Fields::bySlot(list)->items.size());
    }
    EXPECT_EQ(w.centralWidget()->size(), QSize(593, 242));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST(MainWindow, ControlsStandOnTheirPagesInPixelsOfFifteenTwips)
{
    Editor editor;
    // One control of each kind of parent: the unit, the origin and the parent.
    const struct {
        const char *parent, *name;
        QRect twips;
    } rows[] = {{"Form1Client", "Text3", {1920, 120, 6855, 3375}},
                {"Form1Client", "Frame1", {2040, 480, 6615, 2895}},
                {"Frame1", "Text(1)", {2880, 240, 3495, 285}},
                {"Frame2", "Combo1", {2640, 360, 735, 315}},
                {"Frame9", "Command14", {6240, 240, 255, 255}},
                {"Frame7", "Command9", {360, 1200, 3375, 495}}};
    for (const auto &row : rows) {
        QWidget *widget = editor.find(QString::fromLatin1(row.name));
        ASSERT_TRUE(widget) << row.name;
        EXPECT_EQ(widget->parentWidget()->objectName(), QString::fromLatin1(row.parent)) << row.name;
        const QRect &t = row.twips;
        EXPECT_EQ(widget->geometry(), QRect(t.x() / 15, t.y() / 15, t.width() / 15, t.height() / 15)) << row.name;
    }
    // Every element of the Text and Label1 arrays exists exactly once, by the
    // name assistive tools and scripts look for.
    for (int slot : Fields::mainTextSlots())
        EXPECT_EQ(editor.window->findChildren<QLineEdit *>(QStringLiteral("Text(%1)").arg(slot)).size(), 1);
    for (int i = 0; i <= 49; ++i)
        EXPECT_EQ(editor.window->findChildren<QLabel *>(QStringLiteral("Label1(%1)").arg(i)).size(), 1);
    EXPECT_EQ(editor.find<QPushButton>(QStringLiteral("Command3"))->text(), QStringLiteral("К&олёса"));

    // Stacking: the pages lie over Text3, the page buttons over Text1, and a
    // long caption below the list drawn over its end.
    auto below = [&editor](const char *lower, const char *upper) {
        const QObjectList order = editor.find(QString::fromLatin1(upper))->parentWidget()->children();
        return order.indexOf(editor.find(QString::fromLatin1(lower))) < order.indexOf(editor.find(QString::fromLatin1(upper)));
    };
    EXPECT_TRUE(below("Text3", "Frame1"));
    EXPECT_TRUE(below("Text3", "Frame9"));
    EXPECT_TRUE(below("Text1", "Command1"));
    EXPECT_TRUE(below("Label1(15)", "Combo1"));
}

TEST(MainWindow, OpenFillsTheFieldsAndPagesSwitchWithTheirTitles)
{
    // Without the key of a field the field stays disabled, in a torque
    // window made later too.
    Editor editor;
    QVector<QByteArray> withoutMass = Templates::porsche();
    withoutMass.removeAll(QByteArray("Mass=1439.0"));
    withoutMass.removeAll(QByteArray("torqueCurve_3=380.0"));
    editor.openFile(editor.writeFile(QStringLiteral("porsche.ini"), withoutMass));
    EXPECT_TRUE(editor.host.messages.isEmpty()) << editor.host.lastText().toStdString();
    EXPECT_EQ(editor.window->windowTitle(),
              QStringLiteral("Редактируем - Porsche 911 Turbo Statistics (Тюнекс)"));
    EXPECT_TRUE(onlyFrameVisible(editor, 1));
    for (const QString &name : kPageButtons)
        EXPECT_TRUE(editor.find(name)->isEnabled()) << name.toStdString();
    EXPECT_TRUE(editor.window->findChild<QAction *>(QStringLiteral("save"))->isEnabled());

    // Every widget shows the model's value and enabled state.
    EXPECT_FALSE(editor.find(QStringLiteral("Text(2)"))->isEnabled());
    for (int slot : Fields::mainTextSlots()) {
        auto *edit = editor.find<QLineEdit>(QStringLiteral("Text(%1)").arg(slot));
        EXPECT_EQ(edit->text(), editor.form.text(slot)) << slot;
        EXPECT_EQ(edit->isEnabled(), editor.form.textEnabled(slot)) << slot;
    }
    for (int list : Fields::listSlots())
        EXPECT_EQ(editor.find<QComboBox>(Fields::bySlot(list)->controlName)->currentIndex(),
                  editor.form.combo(list));
    EXPECT_NE(editor.find<QComboBox>(QStringLiteral("Combo2"))->currentIndex(), -1);
    const Qt::CheckState shown[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
    for (int box : Fields::checkBoxSlots())
        EXPECT_EQ(editor.find<QCheckBox>(Fields::bySlot(box)->controlName)->checkState(),
                  shown[editor.form.check(box)])
            << box;

    // Each page button and arrow reaches its page command; the titles are the core's.
    const struct {
        const char *button;
        int frame;
    } steps[] = {{"Command2", 2}, {"Command10", 6}, {"Command11", 2}, {"Command3", 3},
                 {"Command13", 9}, {"Command14", 3}, {"Command4", 4}, {"Command5", 5},
                 {"Command6", 8},  {"Command8", 7},  {"Command1", 1}};
    for (const auto &step : steps) {
        editor.click(QString::fromLatin1(step.button));
        EXPECT_TRUE(onlyFrameVisible(editor, step.frame)) << step.button;
        EXPECT_EQ(title(editor), editor.form.pageTitle()) << step.button;
    }
    EXPECT_FALSE(editor.core.doc().unsavedChanges) << "neither opening nor switching pages is an edit";

    // Command9 shows the modeless torque window; about and listing are modal.
    editor.click(QStringLiteral("Command8"));
    editor.click(QStringLiteral("Command9"));
    QWidget *torque = Editor::topLevel(QStringLiteral("Form3"));
    ASSERT_TRUE(torque);
    EXPECT_TRUE(torque->isVisible());
    EXPECT_FALSE(torque->findChild<QWidget *>(QStringLiteral("Text21(44)"))->isEnabled());
    EXPECT_TRUE(editor.window->isEnabled());
    for (const auto &[item, form] : {std::pair{"ObProge", "Form9"}, std::pair{"Listing", "Form4"}}) {
        QString seen;
        whenModalShown([&seen] {
            QWidget *modal = QApplication::activeModalWidget();
            ASSERT_TRUE(modal);
            seen = modal->objectName();
            modal->close();
        });
        editor.trigger(QString::fromLatin1(item));
        EXPECT_EQ(seen, QString::fromLatin1(form));
    }
}

TEST(MainWindow, TypingClicksAndChoicesReachTheCoreAndTheWidgetsShowWhatItKept)
{
    // The rules themselves (caption, marks, the cut) are tested on the core;
    // here, that keys, clicks and choices reach it and the widgets show the outcome.
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

    // The 101st key is cut back in the widget, with a beep.
    editor.click(QStringLiteral("Command2"));
    auto *delay = editor.find<QLineEdit>(QStringLiteral("Text(72)"));
    delay->selectAll();
    QTest::keyClick(delay, Qt::Key_Delete);
    editor.type(72, QString(101, QLatin1Char('7')));
    EXPECT_EQ(delay->text(), QString(100, QLatin1Char('7')));
    EXPECT_EQ(editor.form.text(72), delay->text());
    EXPECT_EQ(editor.host.beeps, 2);
    // A key in the middle of a full field: the main window's field cuts its
    // end, the torque window's keeps it, and in both the caret stays after the key.
    editor.form.setText(41, QString(100, QLatin1Char('7')));
    editor.click(QStringLiteral("Command8"));
    editor.click(QStringLiteral("Command9"));
    const struct { QWidget *window; const char *field; int kept; } full[] = {
        {editor.window.get(), "Text(72)", 100}, {Editor::topLevel(QStringLiteral("Form3")), "Text21(41)", 101}};
    for (const auto &row : full) {
        auto *edit = row.window->findChild<QLineEdit *>(QString::fromLatin1(row.field));
        edit->setCursorPosition(4);
        QTest::keyClick(edit, 'x');
        EXPECT_EQ(edit->text(), QString(100, QLatin1Char('7')).insert(4, QLatin1Char('x')).left(row.kept));
        EXPECT_EQ(edit->cursorPosition(), 5) << row.field;
    }

    // A click on a caption counts as an edit.
    editor.host.answers = {MessageAnswer::No}; // leave the edits unsaved
    editor.openFile(editor.writeFile(QStringLiteral("car.ini"), Templates::porsche()));
    ASSERT_FALSE(editor.core.doc().unsavedChanges);
    QTest::mouseClick(editor.find(QStringLiteral("Label1(0)")), Qt::LeftButton);
    EXPECT_TRUE(editor.core.doc().unsavedChanges);

    // A click toggles the model, the box shows the model; a greyed box set
    // by the model shows greyed and a click ticks it.
    editor.click(QStringLiteral("Command6"));
    auto *abs = editor.find<QCheckBox>(QStringLiteral("Check3"));
    const int before = editor.form.check(125);
    QTest::mouseClick(abs, Qt::LeftButton);
    EXPECT_EQ(editor.form.check(125), before == 1 ? 0 : 1);
    EXPECT_EQ(abs->checkState(), before == 1 ? Qt::Unchecked : Qt::Checked);
    editor.form.setCheck(121, 2);
    auto *rearAbs = editor.find<QCheckBox>(QStringLiteral("Check4"));
    EXPECT_EQ(rearAbs->checkState(), Qt::PartiallyChecked);
    QTest::mouseClick(rearAbs, Qt::LeftButton);
    EXPECT_EQ(editor.form.check(121), 1);

    // A list's choice is an edit too.
    editor.host.answers = {MessageAnswer::No};
    editor.openFile(editor.writeFile(QStringLiteral("car.ini"), Templates::porsche()));
    ASSERT_FALSE(editor.core.doc().unsavedChanges);
    auto *horn = editor.find<QComboBox>(QStringLiteral("Combo3"));
    emit horn->activated(13);
    EXPECT_EQ(editor.form.combo(127), 13);
    EXPECT_EQ(horn->currentIndex(), 13);
    EXPECT_TRUE(editor.core.doc().unsavedChanges);
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
                  closeBox ? MessageButtons::YesNoMustAnswer : MessageButtons::YesNoCancel);
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
