// The chooser and errors windows through the main window's commands; the about and listing windows.
#include "uitestsupport.h"

#include "aboutwindow.h"
#include "dialogparts.h"
#include "listingwindow.h"
#include "templates.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

// The chooser starts with no option chosen: Esc and "&Отмена" leave the document
// as it was, Enter creates the Lamborghini document, and a choice stays chosen.
TEST(Dialogs, TemplateChooser)
{
    Editor editor;
    editor.openFile(editor.writeFile(QStringLiteral("car.ini"), Templates::porsche()));
    auto option = [](QWidget *chooser, const char *name) {
        return chooser->findChild<QRadioButton *>(QString::fromLatin1(name));
    };
    // Each run, the document's lines after it, and whether it kept the marked name.
    const struct { std::function<void(QWidget *)> act; int lines; bool keeps; } runs[] = {
        {[&](QWidget *chooser) {
             EXPECT_EQ(chooser->windowTitle(), QStringLiteral("Выбор шаблона"));
             EXPECT_FALSE(option(chooser, "Option1")->isChecked() || option(chooser, "Option2")->isChecked());
             QTest::keyClick(chooser, Qt::Key_Escape);
         }, 164, true},
        {[](QWidget *chooser) { // "&!" shows the notes first
             clickIn(QStringLiteral("Form5"), QStringLiteral("Command3"));
             QTest::keyClick(chooser, Qt::Key_Return);
         }, 252, false},
        {[&](QWidget *chooser) {
             QTest::mouseClick(option(chooser, "Option1"), Qt::LeftButton);
             clickIn(QStringLiteral("Form5"), QStringLiteral("Command1"));
         }, 164, false},
        {[&](QWidget *chooser) {
             EXPECT_TRUE(option(chooser, "Option1")->isChecked());
             clickIn(QStringLiteral("Form5"), QStringLiteral("Command2"));
         }, 164, true},
    };
    for (const auto &run : runs) {
        bool seen = false;
        editor.form.setText(1, QStringLiteral("kept"));
        inNextModal(QStringLiteral("Form5"), [&](QWidget *chooser) { seen = true; run.act(chooser); });
        editor.trigger(QStringLiteral("New"));
        EXPECT_TRUE(seen);
        EXPECT_FALSE(Editor::topLevel(QStringLiteral("Form5"))->isVisible());
        EXPECT_EQ(editor.core.doc().lines.size(), run.lines);
        EXPECT_EQ(editor.form.text(1) == QStringLiteral("kept"), run.keeps) << run.lines;
    }
    ASSERT_EQ(editor.host.messages.size(), 1);
    EXPECT_EQ(editor.host.messages[0].caption, QStringLiteral("Примечания"));
}

// The errors window mirrors the core's list and buttons: Enter saves only while
// it may, Esc and "Закрыть" close, the close box discards the window.
TEST(Dialogs, ErrorsWindowButtonsKeysAndCloseBox)
{
    Editor editor;
    inNextModal(QStringLiteral("Form5"), [](QWidget *) { clickIn(QStringLiteral("Form5"), QStringLiteral("Command1")); });
    editor.trigger(QStringLiteral("New"));
    editor.trigger(QStringLiteral("Proverka")); // a check-only run: saving disabled
    auto *errors = qobject_cast<QDialog *>(Editor::topLevel(QStringLiteral("Form2")));
    ASSERT_TRUE(errors && errors->isVisible());
    EXPECT_FALSE(errors->isModal());
    EXPECT_EQ(errors->windowTitle(), QStringLiteral("Найдены ошибки..."));
    EXPECT_EQ(focusStopsThatAreNoControls(errors), QStringList());
    auto *list = errors->findChild<QListWidget *>(QStringLiteral("List1"));
    auto mirrorsTheCore = [&] {
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->item(i)->text();
        for (const char *button : {"Command1", "Command2"})
            EXPECT_EQ(errors->findChild<QPushButton *>(QString::fromLatin1(button))->isEnabled(),
                      editor.form.errorsButtonsEnabled()) << button;
        return shown == editor.form.errorsList();
    };
    const int listed = editor.form.errorsList().size();
    EXPECT_TRUE(mirrorsTheCore());
    QTest::keyClick(errors, Qt::Key_Return);
    EXPECT_TRUE(errors->isVisible()) << "Enter saved in a check-only run";
    // "&!" by the keyboard: a box of the errors window, which has the focus back after Esc.
    ASSERT_TRUE(QTest::qWaitFor([errors] { return QApplication::activeWindow() == errors; })) << "shown, it is active";
    QWidget *boxOwner = nullptr;
    inNextMessageBox(editor.host, [&boxOwner](QMessageBox *box) {
        boxOwner = box->parentWidget();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    auto *notes = errors->findChild<QPushButton *>(QStringLiteral("Command4"));
    notes->setFocus(Qt::TabFocusReason);
    QTest::keyClick(notes, Qt::Key_Space);
    ASSERT_EQ(editor.host.messages.size(), 1);
    EXPECT_EQ(editor.host.messages[0].caption, QStringLiteral("Примечания"));
    EXPECT_EQ(boxOwner, errors);
    EXPECT_TRUE(QTest::qWaitFor([errors] { return QApplication::activeWindow() == errors; }));
    clickIn(QStringLiteral("Form2"), QStringLiteral("Command3"));
    EXPECT_FALSE(errors->isVisible());
    EXPECT_TRUE(mirrorsTheCore());

    // After Save, Enter is "&Всё равно сохранить".
    const QString saved = editor.dir.filePath(QStringLiteral("new.ini"));
    editor.host.saveNames = {saved};
    editor.trigger(QStringLiteral("save"));
    ASSERT_TRUE(errors->isVisible() && mirrorsTheCore());
    QTest::keyClick(errors, Qt::Key_Return);
    EXPECT_FALSE(errors->isVisible());
    EXPECT_TRUE(QFile::exists(saved));
    editor.trigger(QStringLiteral("save"));
    QTest::keyClick(errors, Qt::Key_Escape);
    EXPECT_FALSE(errors->isVisible());

    // "&Проверить ещё раз" shows the new run.
    editor.trigger(QStringLiteral("save"));
    editor.form.setText(2, QStringLiteral("1500"));
    clickIn(QStringLiteral("Form2"), QStringLiteral("Command1"));
    EXPECT_TRUE(errors->isVisible() && mirrorsTheCore());
    EXPECT_EQ(list->count(), listed - 1);

    // The close box destroys the window; the next check shows a fresh one.
    errors->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Editor::topLevel(QStringLiteral("Form2")), nullptr);
    EXPECT_FALSE(editor.core.doc().errorsWindowOpen);
    editor.trigger(QStringLiteral("save"));
    QWidget *fresh = Editor::topLevel(QStringLiteral("Form2"));
    ASSERT_TRUE(fresh && fresh->isVisible());
    EXPECT_EQ(fresh->findChild<QListWidget *>(QStringLiteral("List1"))->count(), listed - 1);
}

TEST(Dialogs, TorqueErrorsWindowIsModalAndClosesByButtonEnterOrFrame)
{
    Editor editor;
    editor.openFile(editor.writeFile(QStringLiteral("car.ini"), Templates::porsche()));
    const std::function<void(QWidget *)> closings[] = {
        [](QWidget *) { clickIn(QStringLiteral("Form2_2"), QStringLiteral("Command3")); },
        [](QWidget *window) { QTest::keyClick(window, Qt::Key_Return); },
        [](QWidget *window) { window->close(); },
    };
    for (const auto &close : closings) {
        editor.form.setText(41, QStringLiteral("x"));
        int listed = -1;
        inNextModal(QStringLiteral("Form2_2"), [&](QWidget *window) {
            EXPECT_TRUE(window->isModal());
            EXPECT_EQ(window->windowTitle(), QStringLiteral("Найдены ошибки..."));
            EXPECT_EQ(focusStopsThatAreNoControls(window), QStringList());
            listed = window->findChild<QListWidget *>(QStringLiteral("List1"))->count();
            close(window);
            if (window->isVisible()) // not closed: end the modal run all the same
                clickIn(QStringLiteral("Form2_2"), QStringLiteral("Command3"));
            EXPECT_FALSE(window->isVisible());
        });
        editor.torque.closeWindow();
        EXPECT_EQ(listed, 1);
        EXPECT_TRUE(editor.form.torqueErrorsList().isEmpty());
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Editor::topLevel(QStringLiteral("Form2_2")), nullptr);
}

// A window reaching past the screen's available area is moved inside; one larger
// keeps its caption and left side in sight (1280 x 1024 at 200 %, a task bar of 20).
TEST(Dialogs, AWindowIsMovedInsideTheScreensAvailableArea)
{
    const QRect area(0, 0, 640, 492);
    const struct { QRect frame, area; QPoint expected; } rows[] = {
        {QRect(333, 220, 457, 300), area, QPoint(183, 192)}, // the errors window: past the right and bottom
        {QRect(-26, 147, 857, 511), area, QPoint(0, 0)},     // the listing: wider and taller than the screen
        {QRect(10, 20, 300, 200), area, QPoint(10, 20)},     // inside: stays
        {QRect(-5, -8, 300, 200), area, QPoint(0, 0)},       // past the top-left corner
        {QRect(2000, 100, 457, 300), QRect(1280, 0, 640, 492), QPoint(1463, 100)},
    };
    for (const auto &row : rows)
        EXPECT_EQ(keptInside(row.frame, row.area), row.expected) << row.frame.x() << "," << row.frame.y();
}

TEST(ListingWindow, ShowsEveryCoreFileThenTheNotesInAReadOnlyBoxFillingTheWindow)
{
    std::unique_ptr<QDialog> window(createListingWindow(nullptr));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Листинг"));
    auto *box = window->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_TRUE(QFontInfo(box->font()).fixedPitch());
    window->show();
    window->resize(400, 250);
    EXPECT_EQ(box->geometry(), window->rect());

    // Every header and source of the core as on disk, headers first, then the notes.
    const QString text = box->toPlainText();
    ASSERT_EQ(text, listingText());
    EXPECT_FALSE(text.contains(QLatin1Char('\r')));
    const QDir core(QStringLiteral(TUNEKS_SOURCE_DIR "/core"));
    const QStringList files = core.entryList({QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files);
    ASSERT_GE(files.size(), 10);
    const int notes = text.indexOf(QString(70, QLatin1Char('=')) + QStringLiteral("\nПримечания автора.\n"));
    ASSERT_GT(notes, 0);
    for (const QString &name : files) {
        QFile file(core.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const int at = text.indexOf(QStringLiteral("// ---- core/%1 ----\n\n").arg(name) + QString::fromUtf8(file.readAll()));
        EXPECT_TRUE(at >= 0 && at < notes) << qPrintable(name);
    }
    EXPECT_LT(text.indexOf(QStringLiteral("core/fieldtable.h")), text.indexOf(QStringLiteral("core/codepage.cpp")));
}

TEST(AboutWindow, PicturesAndFocus)
{
    std::unique_ptr<QDialog> window(createAboutWindow(nullptr));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Об авторе и о программе."));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    // The signature shows the window through around its strokes, inside the description's border.
    auto *signature = window->findChild<QLabel *>(QStringLiteral("Image2"));
    ASSERT_NE(signature, nullptr);
    EXPECT_EQ(signature->pixmap().toImage().pixelColor(0, 0).alpha(), 0);
    auto *description = window->findChild<QLabel *>(QStringLiteral("Label1"));
    EXPECT_TRUE(description->contentsRect().translated(description->pos()).contains(signature->geometry()));

    // No dark pixel of a box's text within four pixels of its border.
    for (const char *name : {"Text1", "Text2"}) {
        auto *box = window->findChild<QPlainTextEdit *>(QString::fromLatin1(name));
        const QImage drawn = box->grab().toImage();
        const QRect inner = box->contentsRect();
        int leftmost = drawn.width();
        for (int y = inner.top(); y <= inner.bottom(); ++y)
            for (int x = inner.left(); x < inner.right(); ++x)
                if (drawn.pixelColor(x, y).lightness() < 128)
                    leftmost = std::min(leftmost, x);
        EXPECT_GE(leftmost - inner.left(), 4) << name;
    }

    window->show();
    QApplication::setActiveWindow(window.get());
    QStringList chain;
    for (QWidget *w = window->focusWidget(); chain.size() < 3; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            chain << w->objectName();
    EXPECT_EQ(chain, (QStringList{QStringLiteral("Text1"), QStringLiteral("Picture1"), QStringLiteral("Text2")}));
}
