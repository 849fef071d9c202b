// Working the main window and its dialogs from the keyboard alone: where Tab
// goes on each page, where the focus lands after a page arrow, and which
// window a message box returns the focus to.
#include "uitestsupport.h"

#include "formwidgets.h"
#include "templates.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool isArrow(const QWidget *w)
{
    return qobject_cast<const ArrowButton *>(w) != nullptr;
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

// Where reading starts: the topmost control, the leftmost of a row; the
// arrows lead away from the page and do not count.
QWidget *readingStart(QWidget *page)
{
    QWidget *start = nullptr;
    for (QWidget *w : reachable(page)) {
        if (isArrow(w))
            continue;
        if (!start || w->y() < start->y() || (w->y() == start->y() && w->x() < start->x()))
            start = w;
    }
    return start;
}

QWidget *visiblePage(const Editor &editor)
{
    for (int frame = 1; frame <= 9; ++frame) {
        QWidget *page = editor.find(QStringLiteral("Frame%1").arg(frame));
        if (page->isVisible())
            return page;
    }
    return nullptr;
}

void activate(QWidget *window)
{
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }))
        << window->objectName().toStdString() << " could not be made the active window";
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

// Tab reads a page as a reader does: down a column, then up to the top of the
// next column to the right; every control once, the page's arrow last.
TEST(Keyboard, TabGoesDownEachColumnThenAcrossAndThePageArrowLeadsOn)
{
    Editor editor;
    editor.openFile(editor.writeFile(QStringLiteral("car.ini"), Templates::lamborghini()));
    activate(editor.window.get());
    // Every page, each reached the way the user reaches it.
    const char *const route[] = {"Command1", "Command2", "Command10", "Command3", "Command13",
                                 "Command4", "Command5",  "Command6",  "Command8"};
    int arrows = 0;
    for (const char *button : route) {
        editor.click(QString::fromLatin1(button));
        QWidget *page = visiblePage(editor);
        ASSERT_TRUE(page) << button;
        SCOPED_TRACE(page->objectName().toStdString());

        const QList<QWidget *> walk = tabWalk(page);
        const QList<QWidget *> all = reachable(page);
        EXPECT_EQ(walk.size(), all.size());
        for (QWidget *w : all)
            EXPECT_TRUE(walk.contains(w)) << w->objectName().toStdString() << " is never reached";
        for (QWidget *w : walk)
            EXPECT_TRUE(!isArrow(w) || w == walk.last()) << "the arrow comes last";

        // A step that does not go down starts a new column, which must stand
        // right of every control of the column before it.
        int columnRight = walk.value(0)->x();
        for (int i = 1; i < walk.size(); ++i) {
            const QWidget *from = walk[i - 1];
            const QWidget *to = walk[i];
            if (to->y() > from->y()) {
                columnRight = std::max(columnRight, to->x());
                continue;
            }
            EXPECT_GT(to->x(), columnRight)
                << from->objectName().toStdString() << " -> " << to->objectName().toStdString();
            columnRight = to->x();
        }

        // Space on the page's arrow shows the next page with the focus on its
        // first field, not back on the page buttons.
        if (!walk.isEmpty() && isArrow(walk.last())) {
            ++arrows;
            QTest::keyClick(walk.last(), Qt::Key_Space);
            QWidget *next = visiblePage(editor);
            ASSERT_NE(next, page) << "the arrow switched no page";
            EXPECT_EQ(QApplication::focusWidget(), readingStart(next));
        }
    }
    EXPECT_EQ(arrows, 4) << "each page arrow was tried";
}

// A message box belongs to the window that asked for it: once it is closed
// the focus is back there, so the next Esc closes that window.
TEST(Keyboard, AMessageBoxReturnsTheFocusToTheWindowThatAskedForIt)
{
    Editor editor;
    whenModalShown([] { clickIn(QStringLiteral("Form5"), QStringLiteral("Command1")); });
    editor.trigger(QStringLiteral("New"));
    editor.trigger(QStringLiteral("save")); // a new document lists its empty fields
    QWidget *errors = Editor::topLevel(QStringLiteral("Form2"));
    ASSERT_TRUE(errors && errors->isVisible());
    activate(errors);

    editor.host.realMessageBoxes = true;
    QWidget *boxOwner = nullptr;
    whenModalShown([&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        boxOwner = box->parentWidget();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    auto *notes = errors->findChild<QPushButton *>(QStringLiteral("Command4"));
    notes->setFocus(Qt::TabFocusReason);
    QTest::keyClick(notes, Qt::Key_Space);
    ASSERT_EQ(editor.host.messages.size(), 1);
    EXPECT_EQ(boxOwner, errors);

    EXPECT_TRUE(QTest::qWaitFor([errors] { return QApplication::activeWindow() == errors; }));
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : errors, Qt::Key_Escape);
    EXPECT_FALSE(errors->isVisible());
    EXPECT_TRUE(editor.window->isVisible());

    // A box that the main window's own command asks for stays with the main window.
    activate(editor.window.get());
    editor.host.realMessageBoxes = false;
    editor.openFile(editor.dir.filePath(QStringLiteral("missing.ini")));
    ASSERT_EQ(editor.host.messageOwners.size(), 2);
    EXPECT_EQ(editor.host.messageOwners.last(), editor.window.get());
}
