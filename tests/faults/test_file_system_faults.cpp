// Files that change under the editor's feet, files that are no files, and
// save targets the file system refuses. Each case checks that the open
// document and the file on disk are intact and that the user was told.
#include "faultfixture.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A desktop whose open dialog lets something happen to the chosen file after
// the user picked it and before the editor reads it.
class RacingHost : public FakeHost {
public:
    std::function<void(const QString &)> afterOpenDialog;
    QString askOpenFileName() override
    {
        const QString name = FakeHost::askOpenFileName();
        if (afterOpenDialog)
            afterOpenDialog(name);
        return name;
    }
};

using FileSystemFaults = EditedDocument;

const QString kLoadError = QStringLiteral("Ошибка при загрузке файла.");

bool makeFifo(const QString &name) { return mkfifo(QFile::encodeName(name).constData(), 0600) == 0; }

// Sets or clears the immutable attribute, which stops even root from
// replacing or changing the file. False where the file system lacks it.
bool setImmutable(const QString &name, bool on)
{
    const int fd = ::open(QFile::encodeName(name).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ok && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return ok;
}

} // namespace

TEST_F(FileSystemFaults, AFileThatChangesBetweenTheDialogAndTheReadIsReported)
{
    const QByteArray good = joinCrLf(physicsLines(120, "Other Car"));
    const struct {
        const char *what;
        std::function<void(const QString &)> change;
        const char *caption;
    } rows[] = {
        {"deleted", [](const QString &n) { QFile::remove(n); }, "Файл не найден"},
        {"replaced by a folder",
         [](const QString &n) { QFile::remove(n); QDir().mkdir(n); }, "Файл не найден"},
        {"replaced by a pipe",
         [](const QString &n) { QFile::remove(n); makeFifo(n); }, "Ошибка при загрузке файла."},
        {"replaced by a dangling link",
         [](const QString &n) { QFile::remove(n); QFile::link(n + QStringLiteral(".gone"), n); },
         "Файл не найден"},
    };
    int i = 0;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        FormState otherForm;
        RacingHost racing;
        EditorCore other(otherForm, racing);
        racing.openNames.append(writeFile(QStringLiteral("first.ini"), joinCrLf(lines)));
        other.openCommand();
        ASSERT_TRUE(racing.messages.isEmpty());
        other.typeText(5, QStringLiteral("3.25"));
        const DocumentSnapshot before = DocumentSnapshot::of(other, otherForm);

        const QString chosen = writeFile(QStringLiteral("chosen%1.ini").arg(i++), good);
        racing.afterOpenDialog = row.change;
        racing.answers.append(MessageAnswer::No);
        racing.openNames.append(chosen);
        QElapsedTimer timer;
        timer.start();
        other.openCommand();
        EXPECT_LT(timer.elapsed(), 1000);
        ASSERT_EQ(racing.messages.size(), 2);
        EXPECT_TRUE(isMessage(racing.messages[1], QString::fromUtf8(row.caption), MessageIcon::Critical));
        EXPECT_TRUE(racing.messages[1].text.contains(chosen));
        EXPECT_TRUE(documentIntact(before, other, otherForm));
    }
}

TEST_F(FileSystemFaults, DevicesAndProcFilesChosenAsInputAreReportedWithoutHanging)
{
    const char *targets[] = {"/dev/zero", "/dev/urandom", "/proc/self/status", "/proc/self/maps",
                             "/proc/self/mountinfo"};
    for (const char *device : targets) {
        SCOPED_TRACE(device);
        const QString link = path(QString::fromLatin1(device).replace(QLatin1Char('/'), QLatin1Char('_'))
                                  + QStringLiteral(".ini"));
        ASSERT_TRUE(QFile::link(QString::fromLatin1(device), link));
        const DocumentSnapshot before = DocumentSnapshot::of(core, form);
        host.messages.clear();
        host.answers.append(MessageAnswer::No); // drop the unsaved edit
        QElapsedTimer timer;
        timer.start();
        open(link);
        EXPECT_LT(timer.elapsed(), 1000);
        ASSERT_EQ(host.messages.size(), 2);
        EXPECT_TRUE(isMessage(host.messages[1], kLoadError, MessageIcon::Critical));
        EXPECT_TRUE(documentIntact(before, core, form));
    }
}

TEST_F(FileSystemFaults, APipeOrAProcFileAsSaveTargetDoesNotHang)
{
    // Replacing a pipe, once the user agreed to replace it, puts an ordinary
    // file in its place; a file under /proc cannot be replaced and is
    // reported. Neither may wait for a reader.
    const QString fifo = path(QStringLiteral("pipe.ini"));
    ASSERT_TRUE(makeFifo(fifo));
    const QString proc = path(QStringLiteral("proc.ini"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/status"), proc));
    const DocumentSnapshot before = DocumentSnapshot::of(core, form);
    host.messages.clear();
    host.saveNames << proc << fifo;
    host.answers << MessageAnswer::Yes; // replace the existing "file"
    QElapsedTimer timer;
    timer.start();
    core.saveAsCommand();
    EXPECT_LT(timer.elapsed(), 1000);
    ASSERT_EQ(host.messages.size(), 2); // the replace question, then the failure
    host.messages.removeFirst();
    EXPECT_TRUE(toldSaveFailed(proc));
    EXPECT_TRUE(documentIntact(before, core, form));

    host.messages.clear();
    host.answers << MessageAnswer::Yes;
    timer.start();
    core.saveAsCommand();
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(host.messages.size(), 1); // the replace question only
    // Reading a pipe would wait for a writer, so only a file is read.
    ASSERT_TRUE(QFileInfo(fifo).isFile());
    EXPECT_TRUE(sameBytes(readFile(fifo), editedBytes()));
    EXPECT_EQ(core.doc().FNameSaveOld, fifo);
    EXPECT_TRUE(sameBytes(readFile(target), onDisk));
}

TEST_F(FileSystemFaults, ATargetWhoseFolderVanishedOrBecameAFolderIsReportedAndTheEditsKept)
{
    // The second Save writes to the target of the first without asking; by
    // then the folder may be gone, or the target may be a folder itself.
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    host.saveNames.append(path(QStringLiteral("sub/car.ini")));
    core.saveAsCommand();
    const QString inSub = path(QStringLiteral("sub/car.ini"));
    ASSERT_TRUE(host.messages.isEmpty());
    core.typeText(2, QStringLiteral("3333.5"));

    const struct {
        const char *what;
        std::function<void()> change;
    } rows[] = {
        {"folder removed", [&] { QDir(path(QStringLiteral("sub"))).removeRecursively(); }},
        {"folder replaced by a file",
         [&] { writeFile(QStringLiteral("sub"), "plain"); }},
        {"target replaced by a folder",
         [&] {
             QFile::remove(path(QStringLiteral("sub")));
             QDir(dir.path()).mkpath(QStringLiteral("sub/car.ini"));
         }},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        row.change();
        host.messages.clear();
        const DocumentSnapshot before = DocumentSnapshot::of(core, form);
        core.saveCommand();
        EXPECT_EQ(host.saveDialogs, 2) << "a plain Save must not ask for a name";
        EXPECT_TRUE(toldSaveFailed(inSub));
        EXPECT_TRUE(documentIntact(before, core, form));
    }
    EXPECT_TRUE(QFileInfo(inSub).isDir());
    // Once the place is writable again, the kept edits reach the file.
    QDir(inSub).removeRecursively();
    host.messages.clear();
    core.saveCommand();
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_TRUE(readFile(inSub).contains("\r\nMass=3333.5\r\n"));
}

TEST_F(FileSystemFaults, AnImmutableTargetStopsEvenRootAndIsKept)
{
    if (!setImmutable(target, true))
        GTEST_SKIP() << "no immutable attribute here (needs root and a file system that has it)";
    const DocumentSnapshot before = DocumentSnapshot::of(core, form);
    core.saveCommand();
    setImmutable(target, false);
    EXPECT_TRUE(toldSaveFailed(target));
    EXPECT_TRUE(sameBytes(readFile(target), onDisk));
    EXPECT_TRUE(documentIntact(before, core, form));
}

TEST_F(FileSystemFaults, AReadOnlyFolderIsReportedAndTheTargetKept)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root can write into a read-only folder";
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const DocumentSnapshot before = DocumentSnapshot::of(core, form);
    core.saveCommand();
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(toldSaveFailed(target));
    EXPECT_TRUE(sameBytes(readFile(target), onDisk));
    EXPECT_TRUE(documentIntact(before, core, form));
}
