// The editor among the desktop's programs: real file dialogs and message boxes, files dropped on it.
#include "uitestsupport.h"

#include "runsettings.h"
#include "templates.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>
#include <QUrl>

#include <gtest/gtest.h>

#include <optional>

namespace {

// Types `name` into the next file dialog, moved to `folder` if given; *startedIn gets where it opened.
void typeIntoNextFileDialog(const QString &name, const QString &folder = QString(), QString *startedIn = nullptr)
{
    whenModalShown([=] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        if (startedIn)
            *startedIn = dialog->directory().absolutePath();
        if (!folder.isEmpty())
            dialog->setDirectory(folder);
        auto *box = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_TRUE(box);
        box->setText(name);
        // A dialog that refuses the name is given up, so the test fails rather than hangs.
        QTimer::singleShot(3000, dialog, [] {
            while (auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                modal->reject();
        });
        QTest::keyClick(box, Qt::Key_Return);
    });
}

// Drops `paths` (or `text`) on `target` as the window system does and lets the open run; true if taken.
bool dropOn(QWidget *target, const QStringList &paths, const QString &text = QString())
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(path.contains(QStringLiteral("://")) ? QUrl(path) : QUrl::fromLocalFile(path));
    text.isEmpty() ? data.setUrls(urls) : data.setText(text);
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();
    return drop.isAccepted();
}

// Qt's own Russian texts, loaded from where the program finds them.
void loadQtRussianTexts()
{
    static QTranslator texts;
    if (!texts.isEmpty())
        return;
    ASSERT_TRUE(texts.load(QStringLiteral("qtbase_ru"), QCoreApplication::applicationDirPath() + QStringLiteral("/translations"))
                || texts.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QCoreApplication::installTranslator(&texts);
}

} // namespace

// The real dialogs hand on typed names and open where the last ended; the open dialog's list says
// "Папка" and writes sizes and dates the Russian way, in columns as wide as what they show. The
// editor stores nothing: Qt's own settings (the dialogs' folders and history) are the run's alone.
TEST(Desktop, TheFileDialogsHandOnTypedNamesSpeakRussianAndKeepNothingAfterTheRun)
{
    std::optional<RunSettings> run(std::in_place); // as the program makes it: the detail view is not kept
    const QString key = QStringLiteral("FileDialog/tuneksTestRun");
    const auto qtSettings = [] { return std::make_unique<QSettings>(QSettings::UserScope, QStringLiteral("QtProject")); };
    const QString during = qtSettings()->fileName();
    qtSettings()->setValue(key, 1);
    EXPECT_EQ(qtSettings()->value(key).toInt(), 1) << "the dialogs of one run share them";
#ifndef Q_OS_WIN
    EXPECT_FALSE(during.startsWith(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)))
        << during.toStdString();
#endif
    loadQtRussianTexts();
    Editor editor;
    editor.host.realFileDialogs = true;
    const QString folder = editor.dir.path();
    editor.writeFile(QStringLiteral("car.ini"), Templates::porsche());

    // The first opens in the documents (or home) folder, never where the program
    // started. "car" names no file, but the load looks for car.ini.
    const QString startedFrom = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder));
    QString startedIn;
    typeIntoNextFileDialog(QStringLiteral("car"), folder, &startedIn);
    editor.trigger(QStringLiteral("open"));
    QDir::setCurrent(startedFrom);
    EXPECT_NE(startedIn, QDir(folder).absolutePath());
    EXPECT_TRUE(startedIn == QDir::homePath()
                || startedIn == QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        << startedIn.toStdString();
    EXPECT_TRUE(editor.host.messages.isEmpty()) << editor.host.lastText().toStdString();
    EXPECT_EQ(editor.form.text(1), QStringLiteral("Porsche 911 Turbo Statistics"));

    // The next dialog opens where the last one ended. The save dialog hands on
    // "saved", which is written as saved.ini (the naming rules are the core's).
    typeIntoNextFileDialog(QStringLiteral("car"), QString(), &startedIn);
    editor.trigger(QStringLiteral("open"));
    EXPECT_EQ(startedIn, QDir(folder).absolutePath());
    typeIntoNextFileDialog(QStringLiteral("saved"));
    editor.trigger(QStringLiteral("saveas"));
    EXPECT_TRUE(QFileInfo::exists(editor.dir.filePath(QStringLiteral("saved.ini"))));
    EXPECT_FALSE(editor.core.doc().unsavedChanges);

    // A folder of its own for the list.
    ASSERT_TRUE(QDir(folder).mkpath(QStringLiteral("list/машины")));
    const QString car = editor.writeFile(QStringLiteral("list/car.ini"), QVector<QByteArray>(300, "mass=1500"));
    editor.writeFile(QStringLiteral("list/kilo.ini"), QVector<QByteArray>(128, "mass=1")); // 1024 bytes
    editor.host.rememberFolderOf(car);

    QMap<QString, QStringList> rows; // name -> size, type, date
    whenModalShown([&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        dialog->setViewMode(QFileDialog::Detail);
        auto *list = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
        ASSERT_TRUE(list);
        const QModelIndex root = list->rootIndex();
        EXPECT_TRUE(QTest::qWaitFor([&] { return list->model()->rowCount(root) == 3; }));
        for (int row = 0; row < list->model()->rowCount(root); ++row) {
            QStringList cells;
            for (int column = 0; column < 4; ++column) {
                cells << list->model()->index(row, column, root).data().toString();
                // The column follows its rows once they are laid out.
                const int needed = list->fontMetrics().horizontalAdvance(cells.last());
                EXPECT_TRUE(column == 0 || QTest::qWaitFor([&] { return list->header()->sectionSize(column) > needed; }, 2000))
                    << cells.last().toStdString() << ": " << list->header()->sectionSize(column) << " < " << needed;
            }
            rows.insert(cells.takeFirst(), cells);
        }
        // The side bar is as wide as its Russian texts.
        auto *places = dialog->findChild<QAbstractItemView *>(QStringLiteral("sidebar"));
        ASSERT_TRUE(places);
        EXPECT_GE(places->viewport()->width(), places->sizeHintForColumn(0));
        dialog->reject();
    });
    editor.trigger(QStringLiteral("open"));

    ASSERT_EQ(rows.size(), 3) << QStringList(rows.keys()).join(QLatin1Char(' ')).toStdString();
    const QStringList file = rows.value(QStringLiteral("car.ini"));
    EXPECT_EQ(rows.value(QStringLiteral("машины")).value(1), QStringLiteral("Папка"));
    // 3300 bytes: kilobytes of 1024 bytes, with a decimal comma.
    EXPECT_EQ(file.value(0), QStringLiteral("3,22 КБ"));
    EXPECT_EQ(rows.value(QStringLiteral("kilo.ini")).value(0), QStringLiteral("1,00 КБ"));
    EXPECT_EQ(file.value(2), QLocale(QLocale::Russian, QLocale::Russia).toString(QFileInfo(car).lastModified(), QLocale::ShortFormat));

    run.reset();
#ifdef Q_OS_WIN
    EXPECT_FALSE(QSettings(QStringLiteral("HKEY_CURRENT_USER\\Software\\QtProject"), QSettings::NativeFormat).contains(key));
#else
    EXPECT_FALSE(QFileInfo::exists(during)) << during.toStdString();
#endif
    EXPECT_FALSE(qtSettings()->contains(key));
}

// An OK box says "ОК" in Cyrillic letters; Esc at the question whether to replace a file keeps it; a
// box is as wide as its bold caption beside the frame's icon and close button, no wider; Esc and the
// close button never answer the close question.
TEST(Desktop, MessageBoxesShowTheirWholeCaptionRussianButtonsAndAnswerOnlyAsAsked)
{
    loadQtRussianTexts();
    Editor editor;
    QStringList buttons;
    inNextMessageBox(editor.host, [&buttons](QMessageBox *box) {
        for (QAbstractButton *button : box->buttons())
            buttons << button->text();
        box->reject();
    });
    editor.openFile(editor.dir.filePath(QStringLiteral("missing.ini")));
    EXPECT_EQ(buttons, QStringList{QStringLiteral("ОК")});
    EXPECT_EQ(editor.host.messageOwners.value(0), editor.window.get()) << "the main window's own question";

    const QString existing = editor.writeFile(QStringLiteral("other.ini"), Templates::lamborghini());
    editor.openFile(editor.writeFile(QStringLiteral("car.ini"), Templates::porsche()));
    editor.host.saveNames = {existing};
    inNextMessageBox(editor.host, [](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); });
    editor.trigger(QStringLiteral("saveas"));
    ASSERT_EQ(editor.host.messages.size(), 2);
    EXPECT_TRUE(editor.host.messages[1].text.endsWith(QStringLiteral("Заменить его?")));
    EXPECT_NE(editor.core.doc().saveTarget, existing) << "the file was replaced";

    editor.type(2, QStringLiteral("1"));
    inNextMessageBox(editor.host, [](QMessageBox *box) {
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Тюнекс Редактор - Авто сохранение."));
        QFont title = QFontDatabase::systemFont(QFontDatabase::TitleFont);
        title.setBold(true);
        const int captionWidth = QFontMetrics(title).horizontalAdvance(box->windowTitle());
        EXPECT_GE(box->width(), captionWidth + 80);
        EXPECT_LE(box->width(), captionWidth + 120);
        EXPECT_EQ(box->buttons().size(), 3);
        box->reject();
    });
    editor.click(QStringLiteral("Command7"));

    bool waited = false;
    inNextMessageBox(editor.host, [&waited](QMessageBox *box) {
        QTest::keyClick(box, Qt::Key_Escape);
        box->close();
        waited = box->isVisible();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_TRUE(editor.window->close()); // once No was clicked
    EXPECT_TRUE(waited) << "Esc or the close button answered the close question";
    EXPECT_EQ(editor.host.messages.size(), 4);
}

TEST(Desktop, AFileDroppedOnTheWindowOpensAsThroughOpen)
{
    Editor editor;
    const QString car = editor.writeFile(QStringLiteral("car.ini"), Templates::porsche());
    const QString other = editor.writeFile(QStringLiteral("other.ini"), Templates::lamborghini());

    // Dropped on a text box: opened, not pasted into the field.
    auto *mass = editor.find<QLineEdit>(QStringLiteral("Text(2)"));
    EXPECT_TRUE(dropOn(mass, {car}));
    EXPECT_EQ(editor.form.text(1), QStringLiteral("Porsche 911 Turbo Statistics"));
    EXPECT_FALSE(mass->text().contains(QStringLiteral("file:")));
    EXPECT_EQ(editor.host.openDialogs, 0);

    // With unsaved edits the leave question comes first; Cancel keeps them.
    editor.type(2, QStringLiteral("0"));
    editor.host.answers = {MessageAnswer::Cancel};
    EXPECT_TRUE(dropOn(editor.window.get(), {other}));
    ASSERT_EQ(editor.host.messages.size(), 1);
    EXPECT_EQ(editor.host.messages[0].caption, QStringLiteral("Тюнекс Редактор - Авто сохранение."));
    EXPECT_EQ(editor.form.text(1), QStringLiteral("Porsche 911 Turbo Statistics"));
    editor.host.answers = {MessageAnswer::No};
    EXPECT_TRUE(dropOn(editor.window.get(), {other}));
    EXPECT_EQ(editor.core.doc().lines.size(), 252);

    // Only one local file is taken: not two files, a folder or a web address.
    for (const QStringList &refused : {QStringList{car, other}, QStringList{editor.dir.path()},
                                       QStringList{QStringLiteral("https://example.org/car.ini")}})
        EXPECT_FALSE(dropOn(editor.window.get(), refused)) << refused.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(editor.core.doc().lines.size(), 252);

    // Text dragged into a field still lands in the field.
    editor.click(QStringLiteral("Command1"));
    auto *gravity = editor.find<QLineEdit>(QStringLiteral("Text(8)"));
    gravity->selectAll();
    EXPECT_TRUE(dropOn(gravity, {}, QStringLiteral("9.81")));
    EXPECT_TRUE(editor.form.text(8).contains(QStringLiteral("9.81")));
}
