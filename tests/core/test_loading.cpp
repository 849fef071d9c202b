#include "testfiles.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>

#include <unistd.h>

namespace {

const QString kLoadError = QStringLiteral("Ошибка при загрузке файла.");
const QString kNotPhysics = QStringLiteral("Этот файл не является файлом физики от игры Need For Speed 6");

class Loading : public ::testing::Test, public CoreFixture {};

// The longest file that loads: exactly 1000 lines, made 50 MB by long
// comment lines.
QVector<QByteArray> bigLines()
{
    QVector<QByteArray> big = physicsLines(1000, "Big Car");
    for (int n = 200; n < 1000; ++n)
        big[n] = "' " + QByteArray(64 * 1024, char('a' + n % 26));
    return big;
}

} // namespace

TEST(LoadingFiles, LinesEndAtCrOrCrLfAndComeBackByteForByte)
{
    QVector<QByteArray> mixed = physicsLines(120);
    mixed[110] += "\nstill the same line"; // a lone LF stays in the line
    QByteArray mixedBytes;
    for (int i = 0; i < mixed.size(); ++i)
        mixedBytes += mixed[i] + (i % 2 ? "\r" : "\r\n");
    const QByteArray noEnd = joinCrLf(physicsLines(100)).chopped(2);
    QVector<QByteArray> odd = physicsLines(120);
    for (int b = 0; b < 256; ++b)
        if (b != '\r')
            odd[100].append(char(b));
    odd[101] = QByteArray("nul\0inside", 10);
    const struct {
        const char *what;
        QVector<QByteArray> lines;
        QByteArray bytes;
    } rows[] = {
        {"CR and CR LF mixed", mixed, mixedBytes},
        {"a last line without an end", physicsLines(100), noEnd},
        {"a final line end adds no line", physicsLines(100), joinCrLf(physicsLines(100))},
        {"every byte but CR, NUL included", odd, joinCrLf(odd)},
        {"1000 lines of 50 MB", bigLines(), joinCrLf(bigLines())},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        CoreFixture f;
        QElapsedTimer timer;
        timer.start();
        f.open(f.writeFile(QStringLiteral("in.ini"), row.bytes));
        EXPECT_LT(timer.elapsed(), 1000);
        ASSERT_TRUE(f.host.messages.isEmpty()) << f.host.lastText().toStdString();
        EXPECT_EQ(f.core.documentLines(), row.lines);
        // Saved unchanged, it comes back with CR LF ends and the two
        // sound-list rewrites.
        EXPECT_TRUE(sameBytes(f.readFile(f.saveAs(QStringLiteral("out.ini"))),
                              joinCrLf(savedUnchanged(row.lines))));
    }
}

TEST(LoadingFiles, FilesThatAreNoPhysicsFileAreRefusedQuicklyButTheWindowIsUnlocked)
{
    QByteArray random(4 * 1024 * 1024, '\0');
    QRandomGenerator rng(42);
    for (char &c : random)
        c = char(rng.bounded(256));
    const struct {
        const char *what;
        QByteArray bytes;
        QString text; // null: any text
    } rows[] = {
        // Files the recognition refuses; the window is unlocked all the same.
        {"empty", QByteArray(), kNotPhysics},
        {"LF only", physicsLines(150).toList().join('\n'), kNotPhysics},
        {"99 lines", joinCrLf(physicsLines(99)), kNotPhysics},
        {"binary", QByteArray("\x00\x01\xff\r\x00\r\r", 7), kNotPhysics},
        {"one 50 MB line", "' Name\r\n[basic]\r\n" + QByteArray(50 * 1024 * 1024, 'x'), kNotPhysics},
        // Too many lines to read in: refused before the recognition.
        {"4 MB of random bytes", random, QString()},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        CoreFixture f;
        QElapsedTimer timer;
        timer.start();
        f.open(f.writeFile(QStringLiteral("in.ini"), row.bytes));
        EXPECT_LT(timer.elapsed(), 1000);
        ASSERT_EQ(f.host.messages.size(), 1);
        EXPECT_TRUE(isMessage(f.host.messages[0], kLoadError, MessageIcon::Critical, row.text));
        EXPECT_EQ(f.core.doc().e, 0);
        const bool recognitionRan = !row.text.isNull();
        EXPECT_EQ(f.form.pageButtonsEnabled(), recognitionRan);
        EXPECT_EQ(f.form.frameVisible(1), recognitionRan);
        EXPECT_TRUE(f.form.menuSaveEnabled());
    }
}

TEST_F(Loading, ARefusedFileLeavesTheOpenDocumentAsItWas)
{
    open(writeFile(QStringLiteral("a.ini"), joinCrLf(physicsLines(150, "First"))));
    const QString target = saveAs(QStringLiteral("saved.ini"));
    core.typeText(5, QStringLiteral("2.0"));
    const DocumentSnapshot before = DocumentSnapshot::of(core, form);

    // One line end more than the longest file makes 1001 lines.
    const QString tooLong = writeFile(QStringLiteral("1001.ini"), joinCrLf(bigLines()) + "\r\n");
    const struct {
        QString file;
        QString text;
    } rows[] = {
        {writeFile(QStringLiteral("99.ini"), joinCrLf(physicsLines(99, "Other"))), kNotPhysics},
        {tooLong, QStringLiteral("Файл ") + tooLong
                      + QStringLiteral(" содержит больше 1000 строк и не может быть загружен.")},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.file.toStdString());
        host.messages.clear();
        host.answers.append(MessageAnswer::No); // do not save the edit first
        QElapsedTimer timer;
        timer.start();
        open(row.file);
        EXPECT_LT(timer.elapsed(), 1000);
        ASSERT_EQ(host.messages.size(), 2);
        EXPECT_TRUE(isMessage(host.messages[1], kLoadError, MessageIcon::Critical, row.text));
        EXPECT_TRUE(documentIntact(before, core, form));
    }
    // A later save writes the first document, not the refused one's lines.
    core.saveCommand();
    const QByteArray saved = readFile(target);
    EXPECT_TRUE(saved.startsWith("' First\r\n"));
    EXPECT_TRUE(saved.contains("\r\nFrontTrackWidth=2.0\r\n"));
}

TEST_F(Loading, NamesGetTheIniEndingCaseSensitivelyAndOnlyVisibleFilesAreFound)
{
    writeFile(QStringLiteral("car.ini"), joinCrLf(physicsLines(120)));
    writeFile(QStringLiteral("CAR.INI"), joinCrLf(physicsLines(120)));
    writeFile(QStringLiteral(".hidden.ini"), joinCrLf(physicsLines(120)));
    QDir(dir.path()).mkdir(QStringLiteral("folder.ini"));
    const struct {
        const char *typed, *lookedFor;
    } rows[] = {{"missing.ini", "missing.ini"}, {"folder.ini", "folder.ini"},
                {".hidden.ini", ".hidden.ini"}, {"CAR.INI", "CAR.INI.ini"}};
    for (const auto &row : rows) {
        host.messages.clear();
        open(path(QString::fromLatin1(row.typed)));
        ASSERT_EQ(host.messages.size(), 1) << row.typed;
        EXPECT_TRUE(isMessage(host.messages[0], QStringLiteral("Файл не найден"), MessageIcon::Critical,
                              QStringLiteral("Файл ") + path(QString::fromLatin1(row.lookedFor))
                                  + QStringLiteral(" не найден")));
        EXPECT_EQ(core.doc().e, 0);
        EXPECT_FALSE(core.doc().b);
    }
    host.messages.clear();
    open(path(QStringLiteral("car")));
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_EQ(form.text(1), QStringLiteral("Test Car"));
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
