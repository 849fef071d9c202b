// The main window as the user meets it, by mouse and keyboard alone: its controls bound to the core.
#include "uitestsupport.h"

#include "fieldtable.h"
#include "formwidgets.h"
#include "templates.h"

#include <QAccessible>
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

#include <algorithm>
#include <functional>
#include <utility>

namespace {

// The one page shown; nullptr when none or several are.
QWidget *visiblePage(const Editor &editor)
{
    QList<QWidget *> shown;
    for (int frame = 1; frame <= 9; ++frame)
        if (QWidget *page = editor.find(QStringLiteral("Frame%1").arg(frame)); page->isVisible())
            shown << page;
    return shown.size() == 1 ? shown.first() : nullptr;
}

QString title(Editor &editor) { return editor.find<QPlainTextEdit>(QStringLiteral("Text3"))->toPlainText(); }

// Every control of the window shows the form state, enabled states included.
void expectShowsTheModel(Editor &editor)
{
    const FormState &form = editor.form;
    for (int slot : Fields::mainTextSlots()) {
        auto *edit = editor.find<QLineEdit>(QStringLiteral("Text(%1)").arg(slot));
        EXPECT_EQ(edit->text(), form.text(slot)) << slot;
        EXPECT_EQ(edit->isEnabled(), form.textEnabled(slot)) << slot;
    }
    for (int list : Fields::listSlots()) {
        auto *combo = editor.find<QComboBox>(Fields::bySlot(list)->controlName);
        EXPECT_EQ(combo->currentIndex(), form.combo(list)) << list;
        EXPECT_EQ(combo->isEnabled(), form.comboEnabled(list)) << list;
    }
    const Qt::CheckState states[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
    for (int box : Fields::checkBoxSlots()) {
        auto *check = editor.find<QCheckBox>(Fields::bySlot(box)->controlName);
        EXPECT_EQ(check->checkState(), states[form.check(box)]) << box;
        EXPECT_EQ(check->isEnabled(), form.checkEnabled(box)) << box;
    }
    for (int frame = 1; frame <= 9; ++frame)
        EXPECT_EQ(editor.find(QStringLiteral("Frame%1").arg(frame))->isVisible(), form.frameVisible(frame)) << frame;
    for (const char *name : {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command8"})
        EXPECT_EQ(editor.find(QString::fromLatin1(name))->isEnabled(), form.pageButtonsEnabled()) << name;
    const std::pair<const char *, bool> items[] = {
        {"save", form.menuSaveEnabled()}, {"saveas", form.menuSaveAsEnabled()}, {"Proverka", form.menuCheckEnabled()}};
    for (const auto &[name, enabled] : items)
        EXPECT_EQ(editor.window->findChild<QAction *>(QString::fromLatin1(name))->isEnabled(), enabled) << name;
    EXPECT_EQ(editor.window->windowTitle(), form.caption());
    EXPECT_EQ(title(editor), QString(form.pageTitle()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

// What the keyboard can reach on a page, as the user sees it.
QList<QWidget *> reachable(QWidget *page)
{
    QList<QWidget *> controls;
    for (QWidget *w : page->findChildren<QWidget *>())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled())
            controls.append(w);
    return controls;
}

// Where reading starts: the topmost, leftmost control that is no arrow.
QWidget *readingStart(QWidget *page)
{
    QList<QWidget *> controls = reachable(page);
    controls.removeIf([](QWidget *w) { return qobject_cast<ArrowButton *>(w) != nullptr; });
    const auto above = [](QWidget *a, QWidget *b) { return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x()); };
    return controls.isEmpty() ? nullptr : *std::min_element(controls.begin(), controls.end(), above);
}

// Presses Tab from the reading start until the focus leaves the page.
QList<QWidget *> tabWalk(QWidget *page)
{
    QList<QWidget *> walk;
    QWidget *start = readingStart(page);
    start->setFocus(Qt::TabFocusReason);
    for (QWidget *at = QApplication::focusWidget(); at && page->isAncestorOf(at);
         at = QApplication::focusWidget()) {
        if (walk.contains(at) || walk.size() > 40)
            break;
        walk.append(at);
        QTest::keyClick(at, Qt::Key_Tab);
    }
    return walk;
}

} // namespace

TEST(MainWindow, StartsEmptyWithEveryControlOnItsPageNamedAndOnlyExitAndFileCommandsUsable)
{
    Editor editor;
    MainWindow &w = *editor.window;
    EXPECT_EQ(w.objectName(), QStringLiteral("Form1"));
    expectShowsTheModel(editor); // the start-up state itself is the core's
    EXPECT_TRUE(editor.find(QStringLiteral("Command7"))->isEnabled());
    // The panels behind the buttons and the page title take neither typing nor the focus.
    EXPECT_EQ(focusStopsThatAreNoControls(&w), QStringList());
    for (const char *name : {"Text1", "Text2", "Text3"})
        EXPECT_TRUE(editor.find(QString::fromLatin1(name))->property("readOnly").toBool()) << name;

    // The menus: names, captions with their access keys, enabled states.
    QStringList items;
    for (QAction *action : w.findChild<QMenu *>(QStringLiteral("File"))->actions())
        items << action->objectName() + QLatin1Char(' ') + (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(items, QStringList({"New &Новый", "open &Открыть", "cherta -", "save &Сохранить",
                                  "saveas Сохранить &как...", "cherta1 -", "Proverka &Проверить",
                                  "k -", "Exit2 &Выход"}));
    for (const char *name : {"New", "open", "Exit2", "ObProge", "Listing"})
        EXPECT_TRUE(w.findChild<QAction *>(QString::fromLatin1(name))->isEnabled()) << name;

    // The lists hold the core's items, and none can be typed.
    for (int list : Fields::listSlots()) {
        auto *combo = editor.find<QComboBox>(Fields::bySlot(list)->controlName);
        EXPECT_FALSE(combo->isEditable());
        EXPECT_EQ(combo->count(), Fields::bySlot(list)->items.size());
    }
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);

    // Every element of the Label1 array exists once (the fields' names below count the Text array).
    for (int i = 0; i <= 49; ++i)
        EXPECT_EQ(editor.window->findChildren<QLabel *>(QStringLiteral("Label1(%1)").arg(i)).size(), 1);
    // The pages fill the panel and every control lies whole on its page.
    QWidget *client = editor.find(QStringLiteral("Form1Client"));
    for (int frame = 1; frame <= 9; ++frame) {
        QWidget *page = editor.find(QStringLiteral("Frame%1").arg(frame));
        EXPECT_EQ(page->parentWidget(), client);
        EXPECT_TRUE(client->rect().contains(page->geometry())) << frame;
        for (QWidget *control : page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            EXPECT_TRUE(page->rect().contains(control->geometry())) << control->objectName().toStdString();
    }

    // Stacking: pages over Text3, page buttons over Text1, a list over a long caption.
    const std::pair<const char *, const char *> stacked[] = {
        {"Text3", "Frame1"}, {"Text3", "Frame9"}, {"Text1", "Command1"}, {"Label1(15)", "Combo1"}};
    for (const auto &[lower, upper] : stacked) {
        QWidget *top = editor.find(QString::fromLatin1(upper));
        const QObjectList order = top->parentWidget()->children();
        EXPECT_LT(order.indexOf(editor.find(QString::fromLatin1(lower))), order.indexOf(top)) << lower << " under " << upper;
    }

    // Every field of both windows tells an assistive tool a name of its own.
    editor.host.showWindow(WindowId::Torque); // a child window of Form1
    QStringList names;
    for (QWidget *field : w.findChildren<QWidget *>())
        if ((qobject_cast<QLineEdit *>(field) && field->objectName().contains(QLatin1Char('(')))
            || qobject_cast<QCheckBox *>(field) || qobject_cast<QComboBox *>(field)) {
            const QString name = QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name);
            EXPECT_FALSE(name.isEmpty() || names.contains(name)) << name.toStdString();
            names.append(name);
        }
    EXPECT_EQ(names.size(), Fields::all().size()) << "every field of the table, each once";
    const std::pair<const char *, const char *> kinds[] = {
        {"Text(96)", "Задние колёса: Ширена покрышки в мм"}, {"Check1(1)", "Привод: заднее левое колесо"},
        {"Combo1", "Количество передач"}, {"Text21(42)", "Крутящий момент при 1000 о/м"}};
    for (const auto &[field, name] : kinds)
        EXPECT_EQ(editor.find(QString::fromLatin1(field))->accessibleName(), QString::fromUtf8(name));
}

TEST(MainWindow, OpenFillsTheFieldsAndPagesSwitchByMouseAndKeyboard)
{
    // Without its key a field stays disabled, in a torque window made later too.
    Editor editor;
    QVector<QByteArray> withoutMass = Templates::porsche();
    withoutMass.removeAll(QByteArray("Mass=1439.0"));
    withoutMass.removeAll(QByteArray("torqueCurve_3=380.0"));
    editor.openFile(editor.writeFile(QStringLiteral("porsche.ini"), withoutMass));
    EXPECT_TRUE(editor.host.messages.isEmpty()) << editor.host.lastText().toStdString();
    EXPECT_FALSE(editor.find(QStringLiteral("Text(2)"))->isEnabled());
    EXPECT_NE(editor.find<QComboBox>(QStringLiteral("Combo2"))->currentIndex(), -1);
    expectShowsTheModel(editor);

    // Each page button and arrow shows the page and title the core chose. Tab reads down each column,
    // then the next to the right, the arrow last; Space on it shows the next page, focus on its first field.
    editor.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&editor] { return QApplication::activeWindow() == editor.window.get(); }));
    const char *const buttons[] = {"Command2", "Command10", "Command11", "Command3", "Command13", "Command14",
                                   "Command4", "Command5",  "Command6",  "Command8", "Command1"};
    QSet<QWidget *> shown, arrows;
    for (const char *button : buttons) {
        editor.click(QString::fromLatin1(button));
        QWidget *page = visiblePage(editor);
        ASSERT_TRUE(page && editor.form.frameVisible(page->objectName().mid(5).toInt())) << button;
        EXPECT_EQ(title(editor), editor.form.pageTitle()) << button;
        shown << page;

        const QList<QWidget *> walk = tabWalk(page), all = reachable(page);
        EXPECT_EQ(walk.size(), all.size()) << button;
        for (QWidget *w : all)
            EXPECT_TRUE(walk.contains(w)) << w->objectName().toStdString() << " is never reached";
        int columnRight = walk.value(0)->x();
        for (int i = 1; i < walk.size(); ++i) {
            EXPECT_FALSE(qobject_cast<ArrowButton *>(walk[i - 1])) << "the arrow comes last";
            const QWidget *from = walk[i - 1], *to = walk[i];
            // A step that does not go down starts a column right of the one before.
            EXPECT_TRUE(to->y() > from->y() || to->x() > columnRight)
                << from->objectName().toStdString() << " -> " << to->objectName().toStdString();
            columnRight = to->y() > from->y() ? std::max(columnRight, to->x()) : to->x();
        }
        if (!walk.isEmpty() && qobject_cast<ArrowButton *>(walk.last())) {
            arrows << walk.last();
            QTest::keyClick(walk.last(), Qt::Key_Space);
            QWidget *next = visiblePage(editor);
            ASSERT_NE(next, page) << "the arrow switched no page";
            EXPECT_EQ(QApplication::focusWidget(), readingStart(next));
        }
    }
    EXPECT_EQ(shown.size(), 9);
    EXPECT_EQ(arrows.size(), 4) << "each page arrow was tried";
    EXPECT_FALSE(editor.core.doc().unsavedChanges) << "neither opening nor switching pages is an edit";

    editor.click(QStringLiteral("Command8"));
    editor.click(QStringLiteral("Command9"));
    QWidget *torque = Editor::topLevel(QStringLiteral("Form3"));
    ASSERT_TRUE(torque && torque->isVisible());
    EXPECT_FALSE(torque->findChild<QWidget *>(QStringLiteral("Text21(44)"))->isEnabled());
    EXPECT_TRUE(editor.window->isEnabled());
}

TEST(MainWindow, TypingClicksAndChoicesReachTheCoreAndTheWidgetsShowWhatItKept)
{
    Editor editor;
    editor.openFile(editor.writeFile(QStringLiteral("car.ini"), Templates::porsche()));
    auto *name = editor.find<QLineEdit>(QStringLiteral("Text(1)"));
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Delete);
    editor.type(1, QStringLiteral("Жuk"));
    EXPECT_EQ(editor.form.text(1), QStringLiteral("Жuk"));
    EXPECT_EQ(editor.window->windowTitle(), QStringLiteral("Редактируем - Жuk (Тюнекс)"));
    // A character the file's code page cannot hold is refused with a beep, and
    // typing goes on where it stopped (the binding is the torque window's too).
    name->setCursorPosition(1);
    editor.type(1, QStringLiteral("字"));
    EXPECT_EQ(name->text(), QStringLiteral("Жuk"));
    EXPECT_EQ(editor.host.beeps, 1);
    editor.type(1, QStringLiteral("1"));
    EXPECT_EQ(editor.form.text(1), QStringLiteral("Ж1uk"));

    // The 101st key is cut back in the widget, with a beep.
    editor.click(QStringLiteral("Command2"));
    auto *delay = editor.find<QLineEdit>(QStringLiteral("Text(72)"));
    delay->selectAll();
    QTest::keyClick(delay, Qt::Key_Delete);
    editor.type(72, QString(101, QLatin1Char('7')));
    EXPECT_EQ(delay->text(), QString(100, QLatin1Char('7')));
    EXPECT_EQ(editor.form.text(72), delay->text());
    EXPECT_EQ(editor.host.beeps, 2);
    // A key in a full field: the main window cuts the end, the torque window keeps it; the caret follows.
    editor.form.setText(41, QString(100, QLatin1Char('7')));
    editor.host.showWindow(WindowId::Torque);
    const struct { QWidget *window; const char *field; int kept; } full[] = {
        {editor.window.get(), "Text(72)", 100}, {Editor::topLevel(QStringLiteral("Form3")), "Text21(41)", 101}};
    for (const auto &row : full) {
        auto *edit = row.window->findChild<QLineEdit *>(QString::fromLatin1(row.field));
        edit->setCursorPosition(4);
        QTest::keyClick(edit, 'x');
        EXPECT_EQ(edit->text(), QString(100, QLatin1Char('7')).insert(4, QLatin1Char('x')).left(row.kept));
        EXPECT_EQ(edit->cursorPosition(), 5) << row.field;
    }

    // A click toggles the box in the model; a greyed box shows greyed, a click ticks it.
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

    // A click on a caption and a list's choice are edits too.
    auto *horn = editor.find<QComboBox>(QStringLiteral("Combo3"));
    const std::function<void()> edits[] = {
        [&editor] { QTest::mouseClick(editor.find(QStringLiteral("Label1(0)")), Qt::LeftButton); },
        [horn] { emit horn->activated(13); }};
    for (const auto &edit : edits) {
        editor.host.answers = {MessageAnswer::No}; // leave the edits unsaved
        editor.openFile(editor.writeFile(QStringLiteral("car.ini"), Templates::porsche()));
        ASSERT_FALSE(editor.core.doc().unsavedChanges);
        edit();
        EXPECT_TRUE(editor.core.doc().unsavedChanges);
    }
    EXPECT_EQ(editor.form.combo(127), 13);
    EXPECT_EQ(horn->currentIndex(), 13);
}

TEST(MainWindow, ExitAndTheCloseBoxAskTheCoreAndEndEveryWindow)
{
    for (const bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox ? "close box" : "Exit and Command7");
        Editor editor;
        editor.openFile(editor.writeFile(QStringLiteral("car.ini"), Templates::porsche()));
        editor.host.showWindow(WindowId::Torque); // the modeless torque window
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
        ASSERT_TRUE(errors && errors->isVisible());

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
