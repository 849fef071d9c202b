#include "files/filereader.h"
#include "testfiles.h"

#include <cstring>

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

const QString kLoadError = QStringLiteral("Ошибка при загрузке файла.");
const QString kNotPhysics = QStringLiteral("Этот файл не является файлом физики от игры Need For Speed 6");

using Loading = CoreTest;

// The longest file that loads: exactly 1000 lines, made 50 MB by long comment lines.
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
    const struct { const char *what; QVector<QByteArray> lines; QByteArray bytes; } rows[] = {
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
        EXPECT_LT(timer.elapsed(), kNoHangMs);
        ASSERT_TRUE(f.host.messages.isEmpty()) << f.host.lastText().toStdString();
        EXPECT_EQ(f.core.documentLines(), row.lines);
        // Saved unchanged, it comes back with CR LF ends and the sound-list rewrites.
        EXPECT_TRUE(sameBytes(f.readFile(f.saveAs(QStringLiteral("out.ini"))),
                              joinCrLf(savedUnchanged(row.lines))));
    }
}

TEST(LoadingFiles, FilesThatAreNoPhysicsFileAreRefusedQuicklyAndLeaveTheOpenDocumentAsItWas)
{
    QByteArray random(4 * 1024 * 1024, '\0');
    QRandomGenerator rng(42);
    for (char &c : random)
        c = char(rng.bounded(256));
    const QString tooMany = QStringLiteral("Файл <file> содержит больше 1000 строк и не может быть загружен.");
    const struct { const char *what; QByteArray bytes; QString text; } rows[] = {
        // Files the recognition refuses; the window is unlocked all the same.
        {"empty", QByteArray(), kNotPhysics},
        {"LF only", physicsLines(150).toList().join('\n'), kNotPhysics},
        {"99 lines", joinCrLf(physicsLines(99)), kNotPhysics},
        {"binary", QByteArray("\x00\x01\xff\r\x00\r\r", 7), kNotPhysics},
        {"one 50 MB line", "' Name\r\n[basic]\r\n" + QByteArray(50 * 1024 * 1024, 'x'), kNotPhysics},
        // Too many lines to read in: refused before the recognition.
        {"one line end more than the longest file", joinCrLf(bigLines()) + "\r\n", tooMany},
        {"4 MB of random bytes", random, tooMany},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        CoreFixture f;
        const QString name = f.writeFile(QStringLiteral("in.ini"), row.bytes);
        for (const bool withDocument : {false, true}) {
            if (withDocument) {
                f.open(f.writeFile(QStringLiteral("a.ini"), joinCrLf(physicsLines(150, "First"))));
                f.saveAs(QStringLiteral("saved.ini"));
                f.core.typeText(5, QStringLiteral("2.0"));
                f.host.answers.append(MessageAnswer::No); // do not save the edit first
            }
            const FieldSnapshot before = f.snapshot();
            f.host.messages.clear();
            QElapsedTimer timer;
            timer.start();
            f.open(name);
            EXPECT_LT(timer.elapsed(), kNoHangMs);
            ASSERT_EQ(f.host.messages.size(), withDocument ? 2 : 1);
            EXPECT_TRUE(isMessage(f.host.messages.last(), kLoadError, MessageIcon::Critical,
                                  QString(row.text).replace(QStringLiteral("<file>"), name)));
            EXPECT_TRUE(f.intact(before));
            const bool recognitionRan = row.text == kNotPhysics;
            EXPECT_EQ(f.form.pageButtonsEnabled(), recognitionRan || withDocument);
            EXPECT_EQ(f.form.frameVisible(1), recognitionRan || withDocument);
            EXPECT_TRUE(f.form.menuSaveEnabled());
        }
        // A later save writes the first document, not the refused one's lines.
        f.mainWindow.saveCommand();
        const QByteArray saved = f.readFile(QStringLiteral("saved.ini"));
        EXPECT_TRUE(saved.startsWith("' First\r\n"));
        EXPECT_TRUE(saved.contains("\r\nFrontTrackWidth=2.0\r\n"));
    }
}

TEST_F(Loading, NamesGetTheIniEndingCaseSensitivelyAndOnlyVisibleFilesAreFound)
{
    for (const char *name : {"car.ini", "CAR.INI", ".hidden.ini"})
        writeFile(QString::fromLatin1(name), joinCrLf(physicsLines(120)));
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
        EXPECT_EQ(core.doc().lines.size(), 0);
        EXPECT_FALSE(core.doc().hasDocument);
    }
    host.messages.clear();
    open(path(QStringLiteral("car")));
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_EQ(form.text(1), QStringLiteral("Test Car"));
}

#ifdef Q_OS_UNIX
// Windows has no file that its owner cannot read through its attributes.
TEST_F(Loading, UnreadableFileIsReportedAndNothingChanges)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root can read any file";
    const QString name = writeFile(QStringLiteral("locked.ini"), joinCrLf(physicsLines(120)));
    QFile::setPermissions(name, QFileDevice::WriteOwner);
    open(name);
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(isMessage(host.messages[0], kLoadError, MessageIcon::Critical));
    EXPECT_TRUE(host.lastText().startsWith(QStringLiteral("Не удалось прочитать файл ") + name));
    EXPECT_EQ(core.doc().lines.size(), 0);
}
#endif

TEST(FileReader, AFileOfTheSizeLimitIsReadWholeAndOneByteMoreIsTooLarge)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("big.ini"));
    QFile file(name);
    // Sparse: it takes no room on the disk.
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(kMaxPhysicsFileBytes));
    file.close();
    QByteArray data;
    EXPECT_EQ(readWholeFile(name, data), ReadResult::Ok);
    EXPECT_EQ(data.size(), kMaxPhysicsFileBytes);
    ASSERT_TRUE(QFile::resize(name, kMaxPhysicsFileBytes + 1));
    EXPECT_EQ(readWholeFile(name, data), ReadResult::TooLarge);
    // What was read before does not linger when the next read is refused.
    EXPECT_EQ(readWholeFile(dir.path(), data), ReadResult::NotAFile);
    EXPECT_TRUE(data.isEmpty());
}

#ifdef Q_OS_LINUX
TEST(FileReader, AFileThatOpensButCannotBeReadIsAFailureWithItsCause)
{
    // The process's own memory opens as a file, but its first page is never mapped.
    QByteArray data = "left over";
    QString why;
    EXPECT_EQ(readWholeFile(QStringLiteral("/proc/self/mem"), data, &why), ReadResult::Failed);
    EXPECT_EQ(why, describeSystemError(EIO));
    EXPECT_TRUE(data.isEmpty());
}
#endif

TEST(SystemErrors, AnErrorWithoutWordsOfItsOwnIsNamedByItsNumberAndTheSystemsText)
{
    const QString text = describeSystemError(4321);
    EXPECT_TRUE(text.contains(QStringLiteral("4321"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromLocal8Bit(std::strerror(4321)))) << text.toStdString();
}

TEST_F(Loading, AFileIsReadIntoABufferOfItsOwnSizeAndKeptAtThatSize)
{
    const QByteArray bytes = joinCrLf(physicsLines(120));
    const QString name = writeFile(QStringLiteral("small.ini"), bytes);
    QByteArray data;
    ASSERT_EQ(readWholeFile(name, data), ReadResult::Ok);
    EXPECT_EQ(data, bytes);
    EXPECT_LE(data.capacity(), bytes.size() + 64);
    open(name);
    ASSERT_TRUE(host.messages.isEmpty());
    EXPECT_LE(core.doc().fileOnDiskContents.capacity(), bytes.size() + 64);
    saveAs(QStringLiteral("saved.ini"));
    EXPECT_LE(core.doc().fileOnDiskContents.capacity(), bytes.size() + 64);
}
