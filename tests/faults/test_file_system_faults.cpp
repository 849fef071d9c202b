// Files that are no ordinary files, chosen to open or as a save target, and
// save targets the file system refuses: the open document and the file on
// disk stay intact and the user is told.
#include "faultfixture.h"

#include <QElapsedTimer>
#include <QFile>

#include <functional>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using FileSystemFaults = EditedDocument;

bool makeFifo(const QString &name) { return mkfifo(QFile::encodeName(name).constData(), 0600) == 0; }

// Sets or clears the immutable attribute, which stops even root from
// changing the file. False where the file system lacks it or we are not root.
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

TEST_F(FileSystemFaults, WhatIsNoOrdinaryFileIsReportedAtOnceWhenOpenedAndTheDocumentKept)
{
    // A pipe would block the read until a writer came, a device never ends,
    // and files under /proc report a size of 0 whatever they hold.
    struct Told { QString caption, text; }; // "<file>" in the text stands for the chosen name
    const Told notFound{QStringLiteral("Файл не найден"), QStringLiteral("Файл <file> не найден")};
    // (A missing file and a folder are the loading tests'.)
    const Told noFile{QStringLiteral("Ошибка при загрузке файла."),
                      QStringLiteral("Файл <file> не является обычным файлом и не может быть прочитан.")};
    const Told notPhysics{noFile.caption, QStringLiteral("Этот файл не является файлом физики от игры Need For Speed 6")};
    const auto linkTo = [](const char *to) {
        return [to](const QString &name) { return QFile::link(QString::fromLatin1(to), name); };
    };
    const struct { const char *what; std::function<bool(const QString &)> make; Told told; } rows[] = {
        {"a dangling link", linkTo("gone.ini"), notFound},
        {"a pipe", makeFifo, noFile},
        {"/dev/zero", linkTo("/dev/zero"), noFile},
        {"/dev/urandom", linkTo("/dev/urandom"), noFile},
        // Read in full despite the size of 0, and refused for what they hold.
        {"/proc/self/status", linkTo("/proc/self/status"), notPhysics},
        {"/proc/self/maps", linkTo("/proc/self/maps"), notPhysics},
        {"/proc/self/mountinfo", linkTo("/proc/self/mountinfo"), notPhysics},
    };
    int i = 0;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const QString chosen = path(QStringLiteral("chosen%1.ini").arg(i++));
        ASSERT_TRUE(row.make(chosen));
        const FieldSnapshot before = snapshot();
        host.messages.clear();
        host.answers.append(MessageAnswer::No); // drop the unsaved edit
        QElapsedTimer timer;
        timer.start();
        open(chosen);
        EXPECT_LT(timer.elapsed(), kNoHangMs);
        ASSERT_EQ(host.messages.size(), 2);
        EXPECT_TRUE(isMessage(host.messages[1], row.told.caption, MessageIcon::Critical,
                              QString(row.told.text).replace(QStringLiteral("<file>"), chosen)));
        EXPECT_TRUE(intact(before));
    }
}

TEST_F(FileSystemFaults, AProcFileAsSaveTargetIsReportedWithoutHanging)
{
    // It cannot be replaced. (A pipe is refused at once with the other
    // targets that are no ordinary file.)
    const QString proc = path(QStringLiteral("proc.ini"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/status"), proc));
    const FieldSnapshot before = snapshot();
    host.messages.clear();
    QElapsedTimer timer;
    timer.start();
    saveAs(proc, {MessageAnswer::Yes}); // replace the existing "file"
    EXPECT_LT(timer.elapsed(), kNoHangMs);
    EXPECT_TRUE(toldSaveFailed(proc, 1));
    EXPECT_TRUE(intact(before));
}

TEST_F(FileSystemFaults, ATargetThatCannotBeWrittenIsReportedAndItAndTheEditsKept)
{
    // A plain Save writes to the last target without asking. By then the
    // target may be immutable (which stops even root), its folder read-only
    // (which stops all but root), gone or a file, or the target a folder.
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    const QString sub = path(QStringLiteral("sub"));
    const QString inSub = saveAs(QStringLiteral("sub/car.ini"));
    ASSERT_TRUE(host.messages.isEmpty());
    core.typeText(2, QStringLiteral("3333.5"));
    const auto readOnly = [sub](bool on) {
        const auto readAndEnter = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
        return geteuid() != 0 && QFile::setPermissions(sub, on ? readAndEnter : readAndEnter | QFileDevice::WriteOwner);
    };
    const struct { const char *what; std::function<bool()> block; std::function<void()> undo; } rows[] = {
        {"immutable target", [&] { return setImmutable(inSub, true); }, [&] { setImmutable(inSub, false); }},
        {"read-only folder", [&] { return readOnly(true); }, [&] { readOnly(false); }},
        {"folder removed", [&] { return QDir(sub).removeRecursively(); }, [] {}},
        {"folder replaced by a file", [&] { return QFile(sub).open(QIODevice::WriteOnly); }, [] {}},
        {"target replaced by a folder", [&] { return QFile::remove(sub) && QDir().mkpath(inSub); }, [] {}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        if (!row.block())
            continue; // immutable needs root, and root ignores a read-only folder
        const QByteArray was = readFile(inSub);
        const FieldSnapshot before = snapshot();
        host.messages.clear();
        mainWindow.saveCommand();
        row.undo();
        EXPECT_EQ(host.saveDialogs, 2) << "a plain Save must not ask for a name";
        EXPECT_TRUE(toldSaveFailed(inSub));
        EXPECT_TRUE(sameBytes(readFile(inSub), was));
        EXPECT_TRUE(intact(before));
    }
    EXPECT_TRUE(QFileInfo(inSub).isDir()) << "the folder in the target's place was replaced";
}
