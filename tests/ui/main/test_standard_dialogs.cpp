// The standard dialogs as the desktop shows them: how wide a message box is
// for its caption, what the editor adds to Qt's own Russian texts (the type
// of a folder, sizes and dates written the Russian way, "ОК" in Cyrillic
// letters, columns as wide as their texts), and the keys that answer them.
#include "uitestsupport.h"

#include "runsettings.h"
#include "templates.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTest>
#include <QTranslator>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

// Qt's own Russian texts, loaded as the program loads them at start-up:
// from "translations" beside the executable, else from Qt's own folder.
void loadQtRussianTexts()
{
    static QTranslator *texts = nullptr;
    if (texts)
        return;
    texts = new QTranslator;
    ASSERT_TRUE(texts->load(QStringLiteral("qtbase_ru"),
                            QCoreApplication::applicationDirPath() + QStringLiteral("/translations"))
                || texts->load(QStringLiteral("qtbase_ru"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QCoreApplication::installTranslator(texts);
}

} // namespace

// The open dialog on a machine whose language is not set: its file list
// calls a folder "Папка" and writes sizes and dates the Russian way, in
// columns as wide as what they show.
TEST(StandardDialogs, TheFileDialogSpeaksRussianToTheLastWord)
{
    const RunSettings runSettings; // as the program does: the detail view is not kept
    loadQtRussianTexts();
    Editor editor;
    ASSERT_TRUE(QDir(editor.dir.path()).mkdir(QStringLiteral("машины")));
    const QString car = editor.writeFile(QStringLiteral("car.ini"), QVector<QByteArray>(300, "mass=1500"));
    editor.writeFile(QStringLiteral("kilo.ini"), QVector<QByteArray>(128, "mass=1")); // 1024 bytes
    editor.host.rememberFolderOf(car);
    editor.host.realFileDialogs = true;

    QMap<QString, QStringList> rows; // name -> size, type, date
    whenModalShown([&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        dialog->setViewMode(QFileDialog::Detail);
        auto *list = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
        ASSERT_TRUE(list);
        EXPECT_TRUE(QTest::qWaitFor([&] { return list->model()->rowCount(list->rootIndex()) == 3; }));
        for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row) {
            QStringList cells;
            for (int column = 0; column < 4; ++column)
                cells << list->model()->index(row, column, list->rootIndex()).data().toString();
            rows.insert(cells.takeFirst(), cells);
        }
        // The columns and the side bar are as wide as their Russian texts.
        for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
            for (int column = 1; column < 4; ++column) {
                const QString cell = list->model()->index(row, column, list->rootIndex()).data().toString();
                const int needed = list->fontMetrics().horizontalAdvance(cell);
                // The column follows its rows once they are laid out.
                EXPECT_TRUE(QTest::qWaitFor([&] { return list->header()->sectionSize(column) > needed; }, 2000))
                    << cell.toStdString() << ": " << list->header()->sectionSize(column) << " < " << needed;
            }
        auto *places = dialog->findChild<QAbstractItemView *>(QStringLiteral("sidebar"));
        ASSERT_TRUE(places);
        EXPECT_GE(places->viewport()->width(), places->sizeHintForColumn(0));
        dialog->reject();
    });
    editor.trigger(QStringLiteral("open"));

    ASSERT_EQ(rows.size(), 3) << QStringList(rows.keys()).join(QLatin1Char(' ')).toStdString();
    const QLocale ru(QLocale::Russian, QLocale::Russia);
    const QStringList folder = rows.value(QStringLiteral("машины"));
    const QStringList file = rows.value(QStringLiteral("car.ini"));
    EXPECT_EQ(folder.value(1), QStringLiteral("Папка"));
    // 3300 bytes: kilobytes of 1024 bytes, with a decimal comma.
    EXPECT_EQ(file.value(0), QStringLiteral("3,22 КБ"));
    EXPECT_EQ(rows.value(QStringLiteral("kilo.ini")).value(0), QStringLiteral("1,00 КБ"));
    EXPECT_EQ(file.value(2), ru.toString(QFileInfo(car).lastModified(), QLocale::ShortFormat));
}

// A message box is as wide as its caption needs beside the frame's icon and
// close button, the caption measured in bold as title bars often show it,
// and no wider: the leave question's two short lines need less. An OK box
// says "ОК" in Cyrillic letters, over Qt's own translation.
TEST(StandardDialogs, AMessageBoxShowsItsWholeCaptionAndRussianButtons)
{
    loadQtRussianTexts();
    Editor editor;
    editor.openFile(editor.writeFile(QStringLiteral("car.ini"), Templates::porsche()));
    editor.type(2, QStringLiteral("1"));

    int width = 0;
    QString caption;
    QStringList buttons;
    auto lookAtNextBox = [&](ScriptedHost &host) {
        host.realMessageBoxes = true;
        buttons.clear();
        whenModalShown([&width, &caption, &buttons, owner = &host] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_TRUE(box);
            width = box->width();
            caption = box->windowTitle();
            for (QAbstractButton *button : box->buttons())
                buttons << button->text();
            owner->realMessageBoxes = false; // any further message is answered by the script
            box->reject();
        });
    };
    lookAtNextBox(editor.host);
    editor.click(QStringLiteral("Command7"));
    EXPECT_EQ(caption, QStringLiteral("Тюнекс Редактор - Авто сохранение."));
    QFont title = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    title.setBold(true);
    const int captionWidth = QFontMetrics(title).horizontalAdvance(caption);
    EXPECT_GE(width, captionWidth + 80);
    EXPECT_LE(width, captionWidth + 120);
    EXPECT_EQ(buttons.size(), 3);

    Editor fresh;
    lookAtNextBox(fresh.host);
    fresh.openFile(fresh.dir.filePath(QStringLiteral("missing.ini")));
    EXPECT_EQ(buttons, QStringList{QStringLiteral("ОК")});
}

// Esc and the frame's close button never answer the close question: the box
// waits for Yes or No, and the edits stay. A question whether to replace a
// file takes Esc as "do not replace".
TEST(StandardDialogs, EscNeverAnswersTheCloseQuestionAndKeepsAFileFromBeingReplaced)
{
    loadQtRussianTexts();
    Editor editor;
    const QVector<QByteArray> car = Templates::porsche();
    editor.openFile(editor.writeFile(QStringLiteral("car.ini"), car));
    editor.type(2, QStringLiteral("1"));
    editor.host.realMessageBoxes = true;

    bool waited = false;
    whenModalShown([&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        QTest::keyClick(box, Qt::Key_Escape);
        box->close();
        waited = box->isVisible();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_TRUE(editor.window->close()); // once No was clicked
    EXPECT_TRUE(waited) << "Esc or the close button answered the close question";
    EXPECT_EQ(editor.host.messages.size(), 1);

    // Save As onto another existing file: Esc at the question keeps that file.
    Editor other;
    const QString existing = other.writeFile(QStringLiteral("other.ini"), Templates::lamborghini());
    other.openFile(other.writeFile(QStringLiteral("car.ini"), car));
    other.host.realMessageBoxes = true;
    other.host.saveNames = {existing};
    whenModalShown([] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    other.trigger(QStringLiteral("saveas"));
    ASSERT_EQ(other.host.messages.size(), 1);
    EXPECT_TRUE(other.host.messages[0].text.endsWith(QStringLiteral("Заменить его?")));
    EXPECT_NE(other.core.doc().saveTarget, existing) << "the file was replaced";
}
