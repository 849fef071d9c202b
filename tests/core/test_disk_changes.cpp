// A save does not silently replace what another program wrote into the
// document's file after the editor read or wrote it; and nothing is lost
// whichever way the user answers.

#include "testfiles.h"

#include <QDateTime>
#include <QFile>

#include <functional>

namespace {

struct DiskChanges : CoreFixture, ::testing::Test {
    const QByteArray otherProgram = joinCrLf(physicsLines(120, "Changed Elsewhere"));

    // An open document with the save target `name`, a new file written once
    // by the editor, and an unsaved edit of the mass.
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
    const struct {
        const char *what;
        std::function<void(const QString &)> change;
    } rows[] = {
        {"left alone", [](const QString &) {}},
        {"given a new time only",
         [](const QString &file) {
             QFile f(file);
             ASSERT_TRUE(f.open(QIODevice::ReadWrite));
             f.setFileTime(QDateTime::currentDateTime().addDays(1),
                           QFileDevice::FileModificationTime);
         }},
        {"rewritten with the same bytes",
         [](const QString &file) {
             QFile f(file);
             const QByteArray same = (f.open(QIODevice::ReadOnly), f.readAll());
             f.close();
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             f.write(same);
         }},
        {"removed", [](const QString &file) { QFile::remove(file); }},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const QString target = savedAndEdited(QString::fromLatin1(row.what) + QStringLiteral(".ini"));
        row.change(target);
        core.saveCommand();
        EXPECT_TRUE(host.messages.isEmpty()) << host.lastText().toStdString();
        EXPECT_TRUE(readFile(target).contains("\r\nMass=4321.5\r\n"));
        EXPECT_FALSE(core.doc().AvtoSoxranenie);
    }
}

TEST_F(DiskChanges, NoKeepsTheOtherProgramsFileAndTheEditsYesReplacesIt)
{
    const QString target = savedAndEdited(QStringLiteral("car.ini"));
    writeFile(QStringLiteral("car.ini"), otherProgram);

    core.saveCommand(); // unanswered: No
    ASSERT_EQ(host.messages.size(), 1);
    const auto &question = host.messages.first();
    EXPECT_TRUE(question.text.startsWith(QStringLiteral("Файл ") + target
                                         + QStringLiteral(" был изменён другой программой")));
    EXPECT_TRUE(question.text.contains(QStringLiteral("Заменить его?")));
    EXPECT_EQ(question.caption, QStringLiteral("Сохранение (Тюнекс)"));
    EXPECT_EQ(question.icon, MessageIcon::Exclamation);
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_TRUE(sameBytes(readFile(target), otherProgram));
    EXPECT_TRUE(core.doc().AvtoSoxranenie) << "the edits are still unsaved";
    EXPECT_EQ(core.doc().FNameSaveOld, target);
    EXPECT_EQ(form.text(2), QStringLiteral("4321.5"));

    // Saved under another name, the edits are safe and the file untouched.
    const QString copy = saveAs(QStringLiteral("copy.ini"));
    EXPECT_EQ(changedQuestions(), 1);
    EXPECT_TRUE(readFile(copy).contains("\r\nMass=4321.5\r\n"));
    EXPECT_TRUE(sameBytes(readFile(target), otherProgram));

    // Yes writes the document over the other program's file, and the next
    // save has nothing to ask.
    const QString second = savedAndEdited(QStringLiteral("second.ini"));
    writeFile(QStringLiteral("second.ini"), otherProgram);
    host.answers = {MessageAnswer::Yes};
    core.saveCommand();
    EXPECT_EQ(changedQuestions(), 1);
    EXPECT_TRUE(readFile(second).contains("\r\nMass=4321.5\r\n"));
    host.messages.clear();
    core.typeText(2, QStringLiteral("1111.5"));
    core.saveCommand();
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_TRUE(readFile(second).contains("\r\nMass=1111.5\r\n"));
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
    EXPECT_FALSE(core.doc().NePervoeSoxranenie) << "still no save target";

    // Leaving: Yes to saving, No to replacing keeps the program open.
    host.messages.clear();
    host.answers = {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::No};
    host.saveNames = {car};
    EXPECT_FALSE(core.closeRequested());
    EXPECT_EQ(changedQuestions(), 1);
    EXPECT_TRUE(sameBytes(readFile(car), otherProgram));
    EXPECT_TRUE(core.doc().AvtoSoxranenie);

    // A new document belongs to no file: replacing one asks only whether to.
    host.onModal = [this](WindowId) { core.chooserCreate(); };
    host.answers = {MessageAnswer::No};
    core.newCommand();
    host.messages.clear();
    host.answers = {MessageAnswer::Yes};
    core.saveAsCommand(); // the field check lists the empty fields
    host.answers = {MessageAnswer::Yes};
    host.saveNames = {car};
    core.errorsSaveAnyway();
    EXPECT_EQ(changedQuestions(), 0);
    EXPECT_FALSE(sameBytes(readFile(car), otherProgram));
}
