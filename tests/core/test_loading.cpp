#include "templates.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>

#include <unistd.h>

namespace {

const QString kNotPhysics = QStringLiteral("Этот файл не является файлом физики от игры Need For Speed 6");

class Loading : public ::testing::Test, public CoreFixture {};

} // namespace

TEST_F(Loading, LineEndsAreCrOrCrLfAndALoneLfStaysInTheLine)
{
    QVector<QByteArray> lines = physicsLines(120);
    lines[lineIndex(lines, "BodyLift")] += "\nstill the same line";
    QByteArray bytes;
    for (int i = 0; i < lines.size(); ++i)
        bytes += lines[i] + (i % 2 ? "\r" : "\r\n");
    open(writeFile(QStringLiteral("mixed.ini"), bytes));
    EXPECT_TRUE(host.messages.isEmpty()) << host.lastText().toStdString();
    EXPECT_EQ(core.documentLines(), lines);
    EXPECT_EQ(core.doc().e, 120);
}

TEST_F(Loading, LastLineWithoutEndIsStillALineAndAFinalEndAddsNone)
{
    QVector<QByteArray> lines = physicsLines(100);
    QByteArray bytes = joinCrLf(lines);
    bytes.chop(2);
    open(writeFile(QStringLiteral("noend.ini"), bytes));
    EXPECT_EQ(core.doc().e, 100);
    open(writeFile(QStringLiteral("end.ini"), joinCrLf(lines)));
    EXPECT_EQ(core.doc().e, 100);
}

TEST_F(Loading, ShortAndHeadlessFilesAreRefusedButTheWindowIsUnlocked)
{
    const QByteArray lfOnly = physicsLines(150).toList().join('\n');
    const struct {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"empty.ini", QByteArray()},
        {"lf.ini", lfOnly},
        {"99.ini", joinCrLf(physicsLines(99))},
        {"binary.ini", QByteArray("\x00\x01\xff\r\x00\r\r", 7)},
    };
    for (const auto &c : cases) {
        CoreFixture f;
        f.open(f.writeFile(QString::fromLatin1(c.name), c.bytes));
        ASSERT_EQ(f.host.messages.size(), 1) << c.name;
        EXPECT_EQ(f.host.messages[0].text, kNotPhysics);
        EXPECT_EQ(f.host.messages[0].caption, QStringLiteral("Ошибка при загрузке файла."));
        EXPECT_EQ(f.host.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(f.core.doc().e, 0) << c.name;
        EXPECT_TRUE(f.form.pageButtonsEnabled());
        EXPECT_TRUE(f.form.frameVisible(1));
        EXPECT_TRUE(f.form.menuSaveEnabled());
    }
}

TEST_F(Loading, HundredLinesAreEnoughAndAThousandStillFit)
{
    open(writeFile(QStringLiteral("100.ini"), joinCrLf(physicsLines(100))));
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_EQ(core.doc().e, 100);
    open(writeFile(QStringLiteral("1000.ini"), joinCrLf(physicsLines(1000))));
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_EQ(core.doc().e, 1000);
}

TEST_F(Loading, OverAThousandLinesIsRefusedAndTheOpenDocumentStays)
{
    open(writeFile(QStringLiteral("car.ini"), joinCrLf(physicsLines(150, "Kept"))));
    core.typeText(2, QStringLiteral("999"));
    const QVector<QByteArray> before = core.documentLines();
    const auto izmBefore = core.doc().Izm;

    const QString big = writeFile(QStringLiteral("big.ini"), joinCrLf(physicsLines(1001)));
    host.answers.append(MessageAnswer::No); // leave the edit unsaved
    open(big);
    host.messages.removeFirst();
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(host.messages[0].text.contains(big));
    EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("1000")));
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(core.documentLines(), before);
    EXPECT_EQ(core.doc().Izm, izmBefore);
    EXPECT_EQ(form.text(1), QStringLiteral("Kept"));
    EXPECT_EQ(form.text(2), QStringLiteral("999"));
}

TEST_F(Loading, RefusedFileLeavesTheWholeDocumentAsItWas)
{
    open(writeFile(QStringLiteral("a.ini"), joinCrLf(physicsLines(150, "First"))));
    const QString target = saveAs(QStringLiteral("saved.ini"));
    core.typeText(5, QStringLiteral("2.0"));
    const DocumentState before = core.doc();

    host.answers.append(MessageAnswer::No); // do not save the edit first
    open(writeFile(QStringLiteral("refused.ini"), joinCrLf(physicsLines(99, "Other"))));
    EXPECT_EQ(host.lastText(), kNotPhysics);
    EXPECT_EQ(core.documentLines(), before.a.mid(1, before.e));
    EXPECT_EQ(core.doc().NStr, before.NStr);
    EXPECT_EQ(core.doc().Izm, before.Izm);
    EXPECT_EQ(core.doc().NePervoeSoxranenie, true);
    EXPECT_EQ(core.doc().FNameSaveOld, target);
    EXPECT_EQ(form.combo(Slots::Combo2), 5);
    EXPECT_TRUE(form.comboEnabled(Slots::Combo2));

    // A later save writes the first document, not the refused one's lines.
    core.saveCommand();
    const QByteArray saved = readFile(target);
    EXPECT_TRUE(saved.startsWith("' First\r\n"));
    EXPECT_TRUE(saved.contains("\r\nFrontTrackWidth=2.0\r\n"));
}

TEST_F(Loading, TheIniEndingIsAddedCaseSensitively)
{
    writeFile(QStringLiteral("car.ini"), joinCrLf(physicsLines(120)));
    open(path(QStringLiteral("car")));
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_EQ(form.text(1), QStringLiteral("Test Car"));

    writeFile(QStringLiteral("CAR.INI"), joinCrLf(physicsLines(120)));
    open(path(QStringLiteral("CAR.INI")));
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_EQ(host.messages[0].text,
              QStringLiteral("Файл ") + path(QStringLiteral("CAR.INI.ini")) + QStringLiteral(" не найден"));
    EXPECT_EQ(host.messages[0].caption, QStringLiteral("Файл не найден"));
}

TEST_F(Loading, MissingFolderAndHiddenNamesCountAsAbsent)
{
    QDir(dir.path()).mkdir(QStringLiteral("folder.ini"));
    writeFile(QStringLiteral(".hidden.ini"), joinCrLf(physicsLines(120)));
    for (const QString &name : {QStringLiteral("missing.ini"), QStringLiteral("folder.ini"),
                                QStringLiteral(".hidden.ini")}) {
        host.messages.clear();
        open(path(name));
        ASSERT_EQ(host.messages.size(), 1);
        EXPECT_EQ(host.messages[0].caption, QStringLiteral("Файл не найден"));
        EXPECT_TRUE(host.messages[0].text.contains(path(name)));
        EXPECT_EQ(core.doc().e, 0);
        EXPECT_FALSE(core.doc().b);
    }
}

TEST_F(Loading, CancelledDialogLoadsNothingButEnablesTheSaveItems)
{
    core.openCommand();
    EXPECT_EQ(host.openDialogs, 1);
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_EQ(core.doc().e, 0);
    EXPECT_FALSE(form.pageButtonsEnabled());
    EXPECT_TRUE(form.menuSaveEnabled());
    EXPECT_TRUE(form.menuSaveAsEnabled());
    EXPECT_TRUE(form.menuProverkaEnabled());
}

TEST_F(Loading, UnreadableFileIsReportedAndNothingChanges)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root can read any file";
    const QString name = writeFile(QStringLiteral("locked.ini"), joinCrLf(physicsLines(120)));
    QFile::setPermissions(name, QFileDevice::WriteOwner);
    open(name);
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(host.messages[0].text.contains(name));
    EXPECT_EQ(core.doc().e, 0);
}

TEST_F(Loading, HugeAndBinaryFilesAreHandledQuickly)
{
    QByteArray single(50 * 1024 * 1024, 'x');
    single.prepend("' Name\r\n[basic]\r\n");
    QByteArray binary(4 * 1024 * 1024, '\0');
    QRandomGenerator rng(42);
    for (char &c : binary)
        c = char(rng.bounded(256));
    for (const auto &[name, bytes] : {std::pair{QStringLiteral("single.ini"), single},
                                      std::pair{QStringLiteral("binary.ini"), binary}}) {
        CoreFixture f;
        const QString file = f.writeFile(name, bytes);
        QElapsedTimer timer;
        timer.start();
        f.open(file);
        EXPECT_LT(timer.elapsed(), 1000) << name.toStdString();
        ASSERT_EQ(f.host.messages.size(), 1);
        EXPECT_EQ(f.host.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(f.core.doc().e, 0);
    }
}

TEST_F(Loading, NulAndHighBytesSurviveAnUnchangedSave)
{
    QVector<QByteArray> lines = physicsLines(120);
    QByteArray odd("' bytes:");
    for (int b = 0; b < 256; ++b)
        if (b != '\r')
            odd.append(char(b));
    lines[100] = odd;
    lines[101] = QByteArray("nul\0inside", 10);
    open(writeFile(QStringLiteral("odd.ini"), joinCrLf(lines)));
    ASSERT_TRUE(host.messages.isEmpty());
    const QString out = saveAs(QStringLiteral("odd-out.ini"));
    lines[lineIndex(lines, "enginetype")] = "enginetype= 5";
    lines[lineIndex(lines, "horntype")] = "horntype= 2";
    EXPECT_TRUE(sameBytes(readFile(out), joinCrLf(lines)));
}
