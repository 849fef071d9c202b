// The editor among the desktop's other programs: the real file dialogs hand
// on whatever name the user types, a file dropped on the window opens as
// through Open, and assistive tools can tell every field by its name.

#include "uitestsupport.h"

#include "runsettings.h"
#include "templates.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// Answers the next file dialog by typing `name` into its name box, after
// moving it to `folder` (when given); *startedIn receives where it opened.
void typeIntoNextFileDialog(const QString &name, const QString &folder = QString(),
                            QString *startedIn = nullptr)
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
        // A dialog that refuses the name would wait for the user for ever;
        // give up on it instead, so the test fails rather than hangs.
        QTimer::singleShot(3000, dialog, [] {
            while (auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                modal->reject();
        });
        QTest::keyClick(box, Qt::Key_Return);
    });
}

// Drags `data` over `target` and drops it there, as the window system
// delivers a drop; then lets the queued open run. True when it was taken.
bool dropOn(QWidget *target, QMimeData *data)
{
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();
    return drop.isAccepted();
}

QMimeData *filesData(const QStringList &paths)
{
    auto *data = new QMimeData;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(path.contains(QStringLiteral("://")) ? QUrl(path) : QUrl::fromLocalFile(path));
    data->setUrls(urls);
    return data;
}

} // namespace

// The editor stores nothing between runs: while RunSettings lives, Qt's own
// settings (where its file dialogs keep their folders and history) are the
// run's alone, shared by its dialogs; after the run nothing written is left.
TEST(Desktop, QtsOwnSettingsAreTheRunsAlone)
{
    const QString key = QStringLiteral("FileDialog/tuneksTestRun");
    const auto qtSettings = [] { return std::make_unique<QSettings>(QSettings::UserScope, QStringLiteral("QtProject")); };
    QString during;
    {
        const RunSettings run;
        during = qtSettings()->fileName();
        qtSettings()->setValue(key, 1);
        EXPECT_EQ(qtSettings()->value(key).toInt(), 1) << "the dialogs of one run share them";
#ifndef Q_OS_WIN
        EXPECT_FALSE(during.startsWith(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)))
            << during.toStdString();
#endif
    }
#ifdef Q_OS_WIN
    EXPECT_FALSE(QSettings(QStringLiteral("HKEY_CURRENT_USER\\Software\\QtProject"), QSettings::NativeFormat).contains(key));
#else
    EXPECT_FALSE(QFileInfo::exists(during)) << during.toStdString();
#endif
    EXPECT_FALSE(qtSettings()->contains(key));
}

// The real dialogs hand on whatever name the user types to the load and save
// rules, and open where the last one of the run ended.
TEST(Desktop, TheFileDialogsHandOnTypedNamesToTheLoadAndSaveRules)
{
    const RunSettings run; // as the program makes it
    Editor editor;
    editor.host.realFileDialogs = true;
    const QString folder = editor.dir.path();
    const QString car = editor.writeFile(QStringLiteral("car.ini"), Templates::porsche());

    // The first dialog opens in the user's documents (or home) folder, never
    // in the folder the program was started in.
    const QString startedFrom = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder));
    QString startedIn;
    // "car" names no file, but the load looks for car.ini.
    typeIntoNextFileDialog(QStringLiteral("car"), folder, &startedIn);
    editor.trigger(QStringLiteral("open"));
    QDir::setCurrent(startedFrom);
    EXPECT_NE(startedIn, QDir(folder).absolutePath());
    EXPECT_TRUE(startedIn == QDir::homePath()
                || startedIn == QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        << startedIn.toStdString();
    EXPECT_TRUE(editor.host.messages.isEmpty()) << editor.host.lastText().toStdString();
    EXPECT_EQ(editor.form.text(1), QStringLiteral("Porsche 911 Turbo Statistics"));

    // Where names ignore case (Windows), a typed CAR.INI opens car.ini;
    // elsewhere an existing CAR.INI is looked for as CAR.INI.ini and
    // reported missing.
    QFile::copy(car, editor.dir.filePath(QStringLiteral("CAR.INI")));
    editor.writeFile(QStringLiteral("car.ini"), Templates::lamborghini());
    typeIntoNextFileDialog(QStringLiteral("CAR.INI"), QString(), &startedIn);
    editor.trigger(QStringLiteral("open"));
    EXPECT_EQ(startedIn, QDir(folder).absolutePath()) << "the dialog opens where the last one ended";
#ifdef Q_OS_WIN
    EXPECT_TRUE(editor.host.messages.isEmpty()) << editor.host.lastText().toStdString();
    EXPECT_TRUE(editor.form.text(1).startsWith(QStringLiteral("Lamborghini"))) << editor.form.text(1).toStdString();
#else
    ASSERT_EQ(editor.host.messages.size(), 1);
    EXPECT_EQ(editor.host.messages[0].text,
              QStringLiteral("Файл ") + QDir::toNativeSeparators(folder + QStringLiteral("/CAR.INI.ini"))
                  + QStringLiteral(" не найден"));
#endif

    // The save dialog hands on "saved", which is written as saved.ini.
    typeIntoNextFileDialog(QStringLiteral("saved"));
    editor.trigger(QStringLiteral("saveas"));
    EXPECT_TRUE(QFileInfo::exists(editor.dir.filePath(QStringLiteral("saved.ini"))));
    EXPECT_FALSE(editor.core.doc().unsavedChanges);
}

TEST(Desktop, AFileDroppedOnTheWindowOpensAsThroughOpen)
{
    Editor editor;
    const QString car = editor.writeFile(QStringLiteral("car.ini"), Templates::porsche());
    const QString other = editor.writeFile(QStringLiteral("other.ini"), Templates::lamborghini());

    // Dropped on a text box: opened, not pasted into the field.
    auto *mass = editor.find<QLineEdit>(QStringLiteral("Text(2)"));
    std::unique_ptr<QMimeData> one(filesData({car}));
    EXPECT_TRUE(dropOn(mass, one.get()));
    EXPECT_EQ(editor.form.text(1), QStringLiteral("Porsche 911 Turbo Statistics"));
    EXPECT_FALSE(mass->text().contains(QStringLiteral("file:")));
    EXPECT_TRUE(editor.window->findChild<QAction *>(QStringLiteral("save"))->isEnabled());
    EXPECT_EQ(editor.host.openDialogs, 0);

    // With unsaved edits the leave question comes first; Cancel keeps them.
    editor.type(2, QStringLiteral("0"));
    std::unique_ptr<QMimeData> second(filesData({other}));
    editor.host.answers = {MessageAnswer::Cancel};
    EXPECT_TRUE(dropOn(editor.window.get(), second.get()));
    ASSERT_EQ(editor.host.messages.size(), 1);
    EXPECT_EQ(editor.host.messages[0].caption, QStringLiteral("Тюнекс Редактор - Авто сохранение."));
    EXPECT_EQ(editor.form.text(1), QStringLiteral("Porsche 911 Turbo Statistics"));
    editor.host.answers = {MessageAnswer::No};
    EXPECT_TRUE(dropOn(editor.window.get(), second.get()));
    EXPECT_EQ(editor.core.doc().lines.size(), 252);

    // Only one local file is taken.
    const struct { const char *what; QStringList paths; } refused[] = {
        {"two files", {car, other}},
        {"a folder", {editor.dir.path()}},
        {"a web address", {QStringLiteral("https://example.org/car.ini")}},
    };
    for (const auto &row : refused) {
        std::unique_ptr<QMimeData> data(filesData(row.paths));
        EXPECT_FALSE(dropOn(editor.window.get(), data.get())) << row.what;
    }
    EXPECT_EQ(editor.core.doc().lines.size(), 252);

    // Text dragged into a field still lands in the field.
    editor.click(QStringLiteral("Command1"));
    auto *gravity = editor.find<QLineEdit>(QStringLiteral("Text(8)"));
    gravity->selectAll();
    QMimeData text;
    text.setText(QStringLiteral("9.81"));
    EXPECT_TRUE(dropOn(gravity, &text));
    EXPECT_TRUE(editor.form.text(8).contains(QStringLiteral("9.81")));
}

TEST(Desktop, EveryFieldHasItsOwnAccessibleName)
{
    Editor editor;
    editor.host.showWindow(WindowId::Torque); // a child window of Form1

    QStringList names;
    QList<QWidget *> fields;
    for (QWidget *field : editor.window->findChildren<QWidget *>())
        if ((qobject_cast<QLineEdit *>(field) && field->objectName().contains(QLatin1Char('(')))
            || qobject_cast<QCheckBox *>(field) || qobject_cast<QComboBox *>(field))
            fields.append(field);
    EXPECT_EQ(fields.size(), Fields::mainTextSlots().size() + Fields::kLastTorqueSlot - Fields::kFirstTorqueSlot + 1
                                 + Fields::checkBoxSlots().size() + Fields::listSlots().size());
    for (QWidget *field : fields) {
        // What an assistive tool is told, not just the property.
        const QString name = QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty() || names.contains(name)) << name.toStdString();
        names.append(name);
    }
    // Each kind of field, in the main window and the torque window.
    EXPECT_EQ(editor.find(QStringLiteral("Text(96)"))->accessibleName(),
              QStringLiteral("Задние колёса: Ширена покрышки в мм"));
    EXPECT_EQ(editor.find(QStringLiteral("Check1(1)"))->accessibleName(),
              QStringLiteral("Привод: заднее левое колесо"));
    EXPECT_EQ(editor.find(QStringLiteral("Combo1"))->accessibleName(), QStringLiteral("Количество передач"));
    EXPECT_EQ(editor.find(QStringLiteral("Text21(42)"))->accessibleName(),
              QStringLiteral("Крутящий момент при 1000 о/м"));
}
