// A save does not silently replace what another program wrote into the
// document's file after the editor read or wrote it; and nothing is lost
// whichever way the user answers.
#include "testfiles.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <functional>

namespace {

struct DiskChanges : CoreTest {
    const QByteArray otherProgram = joinCrLf(physicsLines(120, "Changed Elsewhere"));

    // An open document saved once to `name`, then given an unsaved edit of the mass.
    QString savedAndEdited(const QString &name)
    {
        open(writeFile(QStringLiteral("source.ini"), joinCrLf(physicsLines())));
        const QString target = saveAs(name);
        core.typeText(2, QStringLiteral("4321.5"));
        host.messages.clear();
        return target;
    }
    int changedQuestions() const
    {
        int count = 0;
        for (const auto &message : host.messages)
            count += message.text.contains(QStringLiteral("был изменён другой программой"));
        return count;
    }
};

} // namespace

TEST_F(DiskChanges, OnlyChangedBytesAreAskedAbout)
{
    const struct { const char *what; std::function<void(const QString &)> change; } rows[] = {
        {"left alone", [](const QString &) {}},
        {"given a new time only",
         [](const QString &file) {
             QFile f(file);
             ASSERT_TRUE(f.open(QIODevice::ReadWrite));
             f.setFileTime(QDateTime::currentDateTime().addDays(1), QFileDevice::FileModificationTime);
         }},
        {"rewritten with the same bytes",
         [this](const QString &file) { writeFile(QFileInfo(file).fileName(), readFile(file)); }},
        {"removed", [](const QString &file) { QFile::remove(file); }},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const QString target = savedAndEdited(QString::fromLatin1(row.what) + QStringLiteral(".ini"));
        row.change(target);
        mainWindow.saveCommand();
        EXPECT_TRUE(host.messages.isEmpty()) << host.lastText().toStdString();
        EXPECT_TRUE(readFile(target).contains("\r\nMass=4321.5\r\n"));
        EXPECT_FALSE(core.doc().unsavedChanges);
    }
}

TEST_F(DiskChanges, NoKeepsTheOtherProgramsFileAndTheEditsYesReplacesIt)
{
    const QString target = savedAndEdited(QStringLiteral("car.ini"));
    writeFile(QStringLiteral("car.ini"), otherProgram);

    mainWindow.saveCommand(); // unanswered: No
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(isMessage(host.messages[0], QStringLiteral("Сохранение (Тюнекс)"), MessageIcon::Exclamation,
                          QStringLiteral("Файл ") + target
                              + QStringLiteral(" был изменён другой программой после того, как редактор его "
                                               "прочитал или сохранил.\r\nЗаменить его?\r\n\r\n«Нет» — файл "
                                               "останется как есть, а правки останутся в редакторе: их можно "
                                               "сохранить под другим именем.")));
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(sameBytes(readFile(target), otherProgram));
    EXPECT_TRUE(core.doc().unsavedChanges) << "the edits are still unsaved";
    EXPECT_EQ(core.doc().saveTarget, target);
    EXPECT_EQ(form.text(2), QStringLiteral("4321.5"));

    // Saved under another name, the edits are safe and the file untouched.
    const QString copy = saveAs(QStringLiteral("copy.ini"));
    EXPECT_EQ(changedQuestions(), 1);
    EXPECT_TRUE(readFile(copy).contains("\r\nMass=4321.5\r\n"));
    EXPECT_TRUE(sameBytes(readFile(target), otherProgram));

    // Yes writes over the other program's file.
    const QString second = savedAndEdited(QStringLiteral("second.ini"));
    writeFile(QStringLiteral("second.ini"), otherProgram);
    host.answers = {MessageAnswer::Yes};
    mainWindow.saveCommand();
    EXPECT_EQ(changedQuestions(), 1);
    EXPECT_TRUE(readFile(second).contains("\r\nMass=4321.5\r\n"));
}

TEST_F(DiskChanges, TheOpenedFileIsGuardedAndATemplateHasNoFile)
{
    // Opened, changed elsewhere, then chosen in Save As: after the replace
    // question comes the changed-file question.
    const QString car = writeFile(QStringLiteral("car.ini"), joinCrLf(physicsLines()));
    open(car);
    core.typeText(2, QStringLiteral("4321.5"));
    writeFile(QStringLiteral("car.ini"), otherProgram);
    host.answers = {MessageAnswer::Yes, MessageAnswer::No};
    saveAs(QStringLiteral("car.ini"));
    EXPECT_EQ(host.messages.size(), 2);
    EXPECT_EQ(changedQuestions(), 1);
    EXPECT_TRUE(sameBytes(readFile(car), otherProgram));
    EXPECT_FALSE(core.doc().saveTarget.has_value()) << "still no save target";

    // Leaving: Yes to saving, No to replacing keeps the program open.
    host.messages.clear();
    host.answers = {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::No};
    host.saveNames = {car};
    EXPECT_FALSE(mainWindow.closeRequested());
    EXPECT_EQ(changedQuestions(), 1);
    EXPECT_TRUE(sameBytes(readFile(car), otherProgram));
    EXPECT_TRUE(core.doc().unsavedChanges);

    // A new document belongs to no file: replacing one asks only whether to.
    host.answers = {MessageAnswer::No};
    newDocument(FormState::PorscheChoice);
    host.messages.clear();
    saveAs(car, {MessageAnswer::Yes}, true); // past the empty fields the check lists
    EXPECT_EQ(changedQuestions(), 0);
    EXPECT_EQ(host.messages.size(), 1);
    EXPECT_FALSE(sameBytes(readFile(car), otherProgram));
}

TEST_F(DiskChanges, ADroppedFileOpensLikeAChosenOneAndARefusedOneLeavesTheGuardOnTheDocumentsFile)
{
    const QString target = savedAndEdited(QStringLiteral("guarded.ini"));
    host.answers = {MessageAnswer::No}; // leave the edits for the dropped file
    mainWindow.openDroppedFile(writeFile(QStringLiteral("note.ini"), "just a note\r\n"));
    EXPECT_EQ(host.lastText(), QStringLiteral("Этот файл не является файлом физики от игры Need For Speed 6"));
    EXPECT_EQ(form.text(2), QStringLiteral("4321.5"));

    writeFile(QStringLiteral("guarded.ini"), otherProgram);
    host.messages.clear();
    host.answers = {MessageAnswer::No};
    EXPECT_EQ(mainWindow.saveCommand(), SaveOutcome::NotWritten);
    EXPECT_EQ(changedQuestions(), 1);
    EXPECT_TRUE(sameBytes(readFile(target), otherProgram));

    host.answers = {MessageAnswer::No};
    mainWindow.openDroppedFile(writeFile(QStringLiteral("dropped.ini"), joinCrLf(physicsLines(120, "Dropped"))));
    EXPECT_EQ(form.text(1), QStringLiteral("Dropped"));
    EXPECT_TRUE(form.menuSaveEnabled() && form.menuCheckEnabled());
}
