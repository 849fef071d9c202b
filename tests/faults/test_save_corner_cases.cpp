// What a save keeps and what it refuses: the file's mode, owner and other
// names, names as long as the system allows, targets that are no ordinary
// file, a name that came to lead to another file, and a save killed halfway.
#include "childprocess.h"
#include "faultfixture.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <atomic>
#include <functional>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

struct SaveCorners : EditedDocument {
    static QByteArray encoded(const QString &name) { return QFile::encodeName(name); }
    static struct stat statOf(const QString &name)
    {
        struct stat st {};
        lstat(encoded(name).constData(), &st);
        return st;
    }
    bool toldThat(const QString &words) const { return host.lastText().contains(words); }
    // After a child's save replaced the file: replaces it once more from this
    // process and edits the document again, as it was before the child's save.
    void saveAgainAndEdit()
    {
        saveAs(target, {MessageAnswer::Yes, MessageAnswer::Yes});
        core.typeText(2, QStringLiteral("1"));
        core.typeText(2, QStringLiteral("2222.5"));
    }
    void save() // as a plain Save does
    {
        host.messages.clear();
        mainWindow.saveCommand();
    }
};

const bool kRoot = geteuid() == 0;

#ifdef SYS_rename
const std::vector<long> kRenames = {SYS_rename, SYS_renameat, SYS_renameat2};
#else
const std::vector<long> kRenames = {SYS_renameat, SYS_renameat2};
#endif

} // namespace

TEST_F(SaveCorners, ASaveKeepsTheModeTheOwnerAndTheOtherNamesOfTheFile)
{
    const QString second = path(QStringLiteral("second-name.ini"));
    const struct {
        const char *what;
        bool needsRoot;
        std::function<void(const QByteArray &)> prepare;
        std::function<void(const QString &)> check;
    } rows[] = {
        {"read-only for everyone, which root may still write", true,
         [](const QByteArray &file) { chmod(file.constData(), 0444); },
         [](const QString &file) { EXPECT_EQ(statOf(file).st_mode & 07777, 0444u); }},
        {"setuid, setgid and sticky bits", false,
         [](const QByteArray &file) { chmod(file.constData(), 07754); },
         [](const QString &file) { EXPECT_EQ(statOf(file).st_mode & 07777, 07754u); }},
        {"owned by another user", true,
         [](const QByteArray &file) {
             chmod(file.constData(), 0640);
             ASSERT_EQ(chown(file.constData(), nobodyUid(), nobodyGid()), 0);
         },
         [](const QString &file) {
             EXPECT_EQ(statOf(file).st_uid, nobodyUid());
             EXPECT_EQ(statOf(file).st_gid, nobodyGid());
             EXPECT_EQ(statOf(file).st_mode & 07777, 0640u);
         }},
        {"owned by another user of the saver's group", true,
         [](const QByteArray &file) { ASSERT_EQ(chown(file.constData(), nobodyUid(), getegid()), 0); },
         [](const QString &file) {
             EXPECT_EQ(statOf(file).st_uid, nobodyUid());
             EXPECT_EQ(statOf(file).st_gid, getegid());
         }},
        {"in the group of another user", true,
         [](const QByteArray &file) { ASSERT_EQ(chown(file.constData(), geteuid(), nobodyGid()), 0); },
         [](const QString &file) {
             EXPECT_EQ(statOf(file).st_uid, geteuid());
             EXPECT_EQ(statOf(file).st_gid, nobodyGid());
         }},
        {"a second hard link", false,
         [&](const QByteArray &file) { ASSERT_EQ(link(file.constData(), encoded(second).constData()), 0); },
         [&](const QString &file) {
             EXPECT_TRUE(sameBytes(readFile(second), editedBytes()));
             EXPECT_EQ(statOf(file).st_ino, statOf(second).st_ino);
             EXPECT_EQ(statOf(file).st_nlink, 2u);
         }},
    };
    int i = 0;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        if (row.needsRoot && !kRoot)
            continue;
        const QString file = writeFile(QStringLiteral("kept%1.ini").arg(++i), onDisk);
        row.prepare(encoded(file));
        host.messages.clear();
        saveAs(file, {MessageAnswer::Yes});
        EXPECT_EQ(host.messages.size(), 1) << "only the replace question: " << host.lastText().toStdString();
        EXPECT_TRUE(sameBytes(readFile(file), editedBytes()));
        row.check(file);
    }
}

TEST_F(SaveCorners, AnOrdinaryUserSavingKeepsTheOwnersAndIsToldWhatTheFolderForbids)
{
    if (!kRoot)
        GTEST_SKIP() << "needs root to act as another user";
    // The folder and the file may be written by everyone; the file is root's.
    chmod(encoded(dir.path()).constData(), 0777);
    chmod(encoded(target).constData(), 0666);
    const ChildEnd end = runInChild([&] {
        if (!becomeNobody())
            return 10;
        host.answers = {MessageAnswer::Yes};
        const int descriptors = openDescriptors();
        save();
        return host.messages.isEmpty() && openDescriptors() == descriptors ? 0 : 11;
    });
    EXPECT_TRUE(end.ok()) << "exit " << end.code << ", signal " << end.signal;
    EXPECT_TRUE(sameBytes(readFile(target), editedBytes()));
    EXPECT_EQ(statOf(target).st_uid, 0u);
    EXPECT_EQ(statOf(target).st_mode & 07777, 0666u);

    // A user's own file with two names and the setuid bit, which a write by
    // anyone but root clears: written in place, the bit is put back.
    const QString own = writeFile(QStringLiteral("own.ini"), onDisk);
    ASSERT_EQ(link(encoded(own).constData(), encoded(path(QStringLiteral("own-too.ini"))).constData()), 0);
    ASSERT_EQ(chown(encoded(own).constData(), nobodyUid(), nobodyGid()), 0);
    ASSERT_EQ(chmod(encoded(own).constData(), 04755), 0);
    const ChildEnd ownEnd = runInChild([&] {
        if (!becomeNobody())
            return 10;
        host.messages.clear();
        saveAs(own, {MessageAnswer::Yes});
        return host.messages.size() == 1 ? 0 : 11;
    });
    EXPECT_TRUE(ownEnd.ok()) << "exit " << ownEnd.code << ", signal " << ownEnd.signal;
    EXPECT_TRUE(sameBytes(readFile(QStringLiteral("own-too.ini")), editedBytes()));
    EXPECT_EQ(statOf(own).st_mode & 07777, 04755u);

    // nobody may write a file but not create files beside it: the folder is named.
    QDir(dir.path()).mkdir(QStringLiteral("shut"));
    const QString shut = path(QStringLiteral("shut"));
    const QString inShut = shut + QStringLiteral("/car.ini");
    writeFile(QStringLiteral("shut/car.ini"), onDisk);
    ASSERT_EQ(chown(encoded(inShut).constData(), nobodyUid(), nobodyGid()), 0);
    chmod(encoded(dir.path()).constData(), 0755);
    chmod(encoded(shut).constData(), 0755);
    const ChildEnd shutEnd = runInChild([&] {
        if (!becomeNobody())
            return 10;
        host.messages.clear();
        saveAs(inShut, {MessageAnswer::Yes});
        if (!toldSaveFailed(inShut, 1))
            return 11;
        return toldThat(QStringLiteral("Нет права создавать файлы в папке ") + shut) ? 0 : 12;
    });
    EXPECT_TRUE(shutEnd.ok()) << "exit " << shutEnd.code << ", signal " << shutEnd.signal;
    EXPECT_TRUE(sameBytes(readFile(inShut), onDisk));
}

TEST_F(SaveCorners, WhatIsNoOrdinaryFileIsNeverReplacedAndTheUserIsToldWhy)
{
    const QString fifo = path(QStringLiteral("pipe.ini"));
    ASSERT_EQ(mkfifo(encoded(fifo).constData(), 0644), 0);
    const QString device = path(QStringLiteral("device.ini"));
    const bool haveDevice = mknod(encoded(device).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    const QString linkToPipe = path(QStringLiteral("link-to-pipe.ini"));
    ASSERT_TRUE(QFile::link(fifo, linkToPipe));
    const QString dangling = path(QStringLiteral("dangling.ini"));
    ASSERT_TRUE(QFile::link(path(QStringLiteral("nowhere/gone.ini")), dangling));
    for (const QString &name : {fifo, device, linkToPipe, dangling}) {
        SCOPED_TRACE(name.toStdString());
        if (name == device && !haveDevice)
            continue;
        const struct stat was = statOf(name);
        const FieldSnapshot before = snapshot();
        host.messages.clear();
        saveAs(name, {MessageAnswer::Yes, MessageAnswer::Yes});
        EXPECT_TRUE(toldSaveFailed(name)) << "refused at once, without the replace question";
        EXPECT_TRUE(toldThat(name == dangling ? QStringLiteral("ведёт к файлу, которого нет")
                                              : QStringLiteral("не является обычным файлом")))
            << host.lastText().toStdString();
        EXPECT_EQ(statOf(name).st_mode, was.st_mode);
        EXPECT_EQ(statOf(name).st_rdev, was.st_rdev);
        EXPECT_TRUE(intact(before));
    }
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("nowhere"))));

    // A link to an ordinary file is saved through: the file gets the bytes
    // and the link stays a link.
    const QString link = path(QStringLiteral("link.ini"));
    ASSERT_TRUE(QFile::link(target, link));
    host.messages.clear();
    saveAs(link, {MessageAnswer::Yes});
    EXPECT_EQ(host.messages.size(), 1) << host.lastText().toStdString(); // the replace question
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(sameBytes(readFile(target), editedBytes()));
}

TEST_F(SaveCorners, NamesAsLongAsTheSystemAllowsSaveAndTooLongOnesAreToldAsSuch)
{
    // 125 Cyrillic letters and ".ini": 254 bytes, one short of the name limit.
    const QString longest = QString(125, QChar(0x0436)) + QStringLiteral(".ini");
    ASSERT_EQ(encoded(longest).size(), 254);
    const QStringList entries = folderEntries();
    const QString saved = saveAs(longest);
    ASSERT_TRUE(host.messages.isEmpty()) << host.lastText().toStdString();
    core.typeText(2, QStringLiteral("3333.5"));
    save();
    EXPECT_TRUE(host.messages.isEmpty()) << host.lastText().toStdString();
    EXPECT_TRUE(readFile(saved).contains("\r\nMass=3333.5\r\n"));
    QStringList expected = entries;
    expected << longest;
    expected.sort();
    QStringList now = folderEntries();
    now.sort();
    EXPECT_EQ(now, expected) << "a temporary file was left behind";
    // And it opens again.
    open(saved);
    EXPECT_EQ(form.text(2), QStringLiteral("3333.5"));

    // A name over the limit, and a path longer than the system takes.
    QString deep = dir.path();
    while (encoded(deep).size() < 4200)
        deep += QLatin1Char('/') + QString(60, QLatin1Char('d'));
    const QString tooLong[] = {path(QString(130, QChar(0x0436)) + QStringLiteral(".ini")),
                               deep + QStringLiteral("/car.ini")};
    for (const QString &name : tooLong) {
        SCOPED_TRACE(encoded(name).size());
        host.messages.clear();
        open(name);
        ASSERT_EQ(host.messages.size(), 1);
        EXPECT_TRUE(isMessage(host.messages[0], QStringLiteral("Ошибка при загрузке файла."), MessageIcon::Critical));
        EXPECT_TRUE(toldThat(QStringLiteral("длиннее, чем позволяет система"))) << host.lastText().toStdString();

        host.messages.clear();
        saveAs(name);
        EXPECT_TRUE(toldSaveFailed(name));
        EXPECT_TRUE(toldThat(QStringLiteral("длиннее, чем позволяет система"))) << host.lastText().toStdString();
    }
}

TEST_F(SaveCorners, ANameThatNowLeadsToAnotherFileIsAskedAbout)
{
    // Another program put a link to an important file, or another file,
    // where the document's file was.
    const QByteArray important = "important notes\r\n";
    const QString other = writeFile(QStringLiteral("important.txt"), important);
    const struct { const char *what; std::function<void()> swap; } rows[] = {
        {"a link to another file", [&] { QFile::remove(target); QFile::link(other, target); }},
        {"another file with the same bytes",
         [&] {
             writeFile(QStringLiteral("fresh.ini"), onDisk);
             ::rename(encoded(path(QStringLiteral("fresh.ini"))).constData(), encoded(target).constData());
         }},
    };
    int i = 0;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        // The document's file is now g<i>.ini, written by this save.
        host.messages.clear();
        target = saveAs(QStringLiteral("g%1.ini").arg(++i));
        onDisk = readFile(target);
        ASSERT_TRUE(host.messages.isEmpty());
        const QByteArray mass = QByteArray::number(4440 + i) + ".5";
        core.typeText(2, QString::fromLatin1(mass));
        writeFile(QStringLiteral("important.txt"), important);
        row.swap();
        const QByteArray swapped = readFile(target);

        save(); // unanswered: No
        ASSERT_EQ(host.messages.size(), 1);
        EXPECT_TRUE(isMessage(host.messages[0], QStringLiteral("Сохранение (Тюнекс)"), MessageIcon::Exclamation));
        EXPECT_EQ(host.messages[0].buttons, MessageButtons::YesNo);
        EXPECT_TRUE(host.messages[0].text.contains(target)) << host.lastText().toStdString();
        EXPECT_TRUE(sameBytes(readFile(other), important));
        EXPECT_TRUE(sameBytes(readFile(target), swapped));
        EXPECT_TRUE(core.doc().unsavedChanges) << "the edits are still unsaved";

        host.answers = {MessageAnswer::Yes};
        save();
        EXPECT_EQ(host.messages.size(), 1);
        EXPECT_TRUE(readFile(target).contains("\r\nMass=" + mass + "\r\n"));
        EXPECT_FALSE(core.doc().unsavedChanges);
    }
}

TEST_F(SaveCorners, AKillDuringASaveLeavesTheFileAndTheNextSaveLeavesNoCopies)
{
    // Someone else's files beside the target, named as temporary files often are.
    writeFile(QStringLiteral("target.ini.AbC123"), "not the editor's");
    writeFile(QStringLiteral(".target.ini.swp"), "not the editor's");
    const std::vector<long> moments[] = {
        {SYS_write, SYS_pwrite64},
        {SYS_fsync, SYS_fdatasync},
        {SYS_linkat},
        kRenames,
    };
    // The second target's name is cut into its temporary name, 40 bytes of
    // it, between two letters of two bytes each.
    const QString cyrillic = QStringLiteral("a") + QString(60, QChar(0x0436)) + QStringLiteral(".ini");
    const QString starts[] = {QStringLiteral(".target.ini~"), QStringLiteral(".a") + QString(19, QChar(0x0436)) + QStringLiteral("~")};
    for (int t = 0; t < 2; ++t) {
        if (t == 1) {
            host.messages.clear();
            target = saveAs(cyrillic);
            ASSERT_TRUE(host.messages.isEmpty()) << host.lastText().toStdString();
        }
        const QStringList entries = folderEntries();
        for (const auto &calls : moments) {
            const bool beforeTheName = std::find(calls.begin(), calls.end(), long(SYS_renameat)) == calls.end();
            if (t == 1 && *calls.begin() == SYS_linkat)
                continue; // a named copy is never linked
            SCOPED_TRACE(testing::Message() << QFileInfo(target).fileName().size() << " " << *calls.begin());
            const QByteArray was = readFile(target);
            const ChildEnd end = runInChild([&] {
                // The second target's saves make named copies from the
                // start, as on a file system without files that have no name.
                if ((t == 1 && !refuseUnnamedFiles()) || !killAtSystemCalls(calls))
                    return 10;
                mainWindow.saveCommand();
                return 0;
            });
            ASSERT_EQ(end.signal, SIGSYS) << "the save was not killed: exit " << end.code;
            EXPECT_TRUE(sameBytes(readFile(target), was));

            // Whatever the killed save left is named after its target. A
            // save still writing its copy keeps it, and so does a copy of
            // another user's; the next save that finds it abandoned removes it.
            QStringList left = folderEntries();
            for (const QString &entry : entries)
                left.removeOne(entry);
            if (t == 0 && beforeTheName) {
                EXPECT_EQ(left, QStringList()) << "a copy killed before it had a name was left";
            }
            if (!left.isEmpty()) {
                EXPECT_TRUE(left[0].startsWith(starts[t])) << left[0].toStdString();
                EXPECT_FALSE(left[0].contains(QChar::ReplacementCharacter)) << "a letter was cut in two";
                // Names that merely resemble the copy's are no copies.
                const QString longer = writeFile(left[0] + QLatin1Char('Z'), "not a copy");
                const QString shorter = writeFile(left[0].chopped(1), "not a copy");
                const QByteArray copy = encoded(path(left[0]));
                const int lockedFd = ::open(copy.constData(), O_RDONLY);
                ASSERT_EQ(flock(lockedFd, LOCK_EX | LOCK_NB), 0);
                save();
                EXPECT_TRUE(host.messages.isEmpty()) << host.lastText().toStdString();
                EXPECT_TRUE(folderEntries().contains(left[0])) << "a copy still being written was removed";
                ::close(lockedFd);
                if (kRoot) {
                    ASSERT_EQ(chown(copy.constData(), nobodyUid(), nobodyGid()), 0);
                    save();
                    EXPECT_TRUE(folderEntries().contains(left[0])) << "another user's file was removed";
                    // Unless that user owns the file saved: then it is a copy of theirs.
                    ASSERT_EQ(chown(encoded(target).constData(), nobodyUid(), nobodyGid()), 0);
                    save();
                    EXPECT_FALSE(folderEntries().contains(left[0])) << "the file's owner's copy was kept";
                    ASSERT_EQ(chown(encoded(target).constData(), 0, 0), 0);
                }
                EXPECT_TRUE(QFile::exists(longer) && QFile::exists(shorter)) << "a file of a similar name was removed";
                QFile::remove(longer);
                QFile::remove(shorter);
            }
            const int descriptors = openDescriptors();
            save();
            EXPECT_TRUE(host.messages.isEmpty()) << host.lastText().toStdString();
            EXPECT_TRUE(sameBytes(readFile(target), editedBytes()));
            EXPECT_EQ(folderEntries(), entries);
            EXPECT_EQ(openDescriptors(), descriptors) << "the save left a file open";
        }
    }
}

// A file with a second name is written in place. A kill at any step of
// that save, each write, cut, flush and removal in turn, leaves the old or
// the new bytes whole: in the file, or in the backup beside it. The new text
// is shorter than the old, so a write not yet cut to size would leave the
// new bytes followed by the end of the old ones. A later save removes what
// the killed one left but never a backup that holds other bytes than the file.
TEST_F(SaveCorners, AKillAtAnyStepOfAnInPlaceSaveLeavesTheOldOrTheNewBytesWhole)
{
    ASSERT_EQ(::link(encoded(target).constData(), encoded(path(QStringLiteral("second.ini"))).constData()), 0);
    QVector<QByteArray> out = savedUnchanged(lines);
    out[lineIndex(out, "Mass=")] = "Mass=2";
    const QByteArray shorter = joinCrLf(out);
    const QString backup = target + QStringLiteral("~tuneks-backup");
    const QStringList entries = folderEntries();
    // The opened file is saved through Save As, answering the questions
    // whether to replace it and (after a kill) whether to overwrite its changes.
    const auto saveOver = [&] {
        host.messages.clear();
        saveAs(target, {MessageAnswer::Yes, MessageAnswer::Yes});
    };
    const std::vector<long> moments[] = {
        {SYS_write, SYS_pwrite64}, {SYS_ftruncate}, {SYS_fsync, SYS_fdatasync}, {SYS_unlink, SYS_unlinkat}};
    int kills = 0;
    for (const auto &calls : moments) {
        for (int skip = 0;; ++skip) {
            SCOPED_TRACE(testing::Message() << "system call " << *calls.begin() << ", kill after " << skip);
            QFile file(target); // in place, so that both names keep the file
            ASSERT_TRUE(file.open(QIODevice::ReadWrite | QIODevice::Truncate) && file.write(onDisk) == onDisk.size());
            file.close();
            open(target);
            ASSERT_TRUE(core.typeText(2, QStringLiteral("2")));
            const ChildEnd end = runInChild([&] {
                // Each call before the one to kill at runs.
                if (!answerSystemCalls(calls, [skip](const seccomp_data &, int seen) {
                        if (seen == skip)
                            kill(getpid(), SIGKILL);
                        return CallAnswer{};
                    }))
                    return 10;
                saveOver();
                return host.messages.size() == 1 ? 0 : 11; // the replace question
            });
            if (end.ok())
                break; // the save ended before that call came again
            ASSERT_EQ(end.signal, SIGKILL) << "exit " << end.code;
            ++kills;
            const QByteArray now = readFile(target);
            // The backup's name holds nothing but the whole old bytes.
            const bool backedUp = QFile::exists(backup);
            EXPECT_TRUE(!backedUp || readFile(backup) == onDisk);
            EXPECT_TRUE(!backedUp || (statOf(backup).st_mode & 0777) == (statOf(target).st_mode & 0666))
                << "the backup is not readable by whoever may read the file";
            EXPECT_TRUE(now == onDisk || now == shorter || backedUp) << now.right(40).toStdString();

            // The next save removes a backup that tells nothing more than
            // the file; one that holds other bytes stays, and the save says so.
            const bool backupDiffers = QFile::exists(backup) && readFile(backup) != now;
            saveOver();
            if (backupDiffers) {
                EXPECT_TRUE(toldThat(QStringLiteral("Рядом с ним лежит файл ") + backup)) << host.lastText().toStdString();
                EXPECT_TRUE(sameBytes(readFile(target), now));
                EXPECT_TRUE(sameBytes(readFile(backup), onDisk));
                QFile::remove(backup);
            } else {
                EXPECT_FALSE(host.lastText().startsWith(QStringLiteral("Не удалось"))) << host.lastText().toStdString();
                EXPECT_TRUE(sameBytes(readFile(target), shorter));
            }
            EXPECT_EQ(folderEntries(), entries);
        }
    }
    // The backup written and flushed, its name flushed; the file written, cut
    // and flushed; the backup removed and that flushed: no step left out.
    EXPECT_EQ(kills, 8);
}

// A file left open keeps its name busy: on Windows nobody could delete or
// move it while the editor runs. Every way through a load and a save gives
// back what it opened, failed ones too.
TEST_F(SaveCorners, LoadsAndSavesLeaveNoFileOpen)
{
    const int before = openDescriptors();
    // A save whose system call `call` answers as `script` says, one answer a
    // call, either succeeds or tells `cause`; a failed one leaves the folder
    // and the file as they were. Either closes what it opened.
    const auto answeredBy = [&](long call, std::vector<CallAnswer> script, const QString &cause) {
        const QByteArray was = readFile(target);
        const QStringList entries = folderEntries();
        const ChildEnd end = runInChild([&] {
            if (!answerSystemCalls({call}, [&](const seccomp_data &, int seen) {
                    return seen < int(script.size()) ? script[size_t(seen)] : CallAnswer{};
                }))
                return 10;
            save();
            if (cause.isEmpty() ? !host.messages.isEmpty() : !toldSaveFailed(target) || !toldThat(cause))
                return 11;
            return openDescriptors() == before + 1 ? 0 : 12; // the watcher's own
        });
        EXPECT_TRUE(end.ok()) << call << ": exit " << end.code << ", signal " << end.signal;
        EXPECT_TRUE(sameBytes(readFile(target), cause.isEmpty() ? editedBytes() : was));
        EXPECT_EQ(folderEntries(), entries);
        if (cause.isEmpty())
            saveAgainAndEdit();
    };
    const CallAnswer interrupted = CallAnswer::failing(EINTR);
    // An interrupted call is made again; a write of nothing is a full disk.
    answeredBy(SYS_read, {interrupted}, {});
    answeredBy(SYS_pwrite64, {interrupted, CallAnswer::returning(0)}, QStringLiteral("Недостаточно места на диске."));
    answeredBy(SYS_linkat, {CallAnswer::failing(EDQUOT)}, QStringLiteral("Превышена дисковая квота."));
#ifdef SYS_rename
    answeredBy(SYS_rename, {CallAnswer::failing(EBUSY)}, QStringLiteral("Файл занят другой программой."));
#endif
    save(); // a copy takes the file's place
    ASSERT_EQ(::link(encoded(target).constData(), encoded(path(QStringLiteral("second.ini"))).constData()), 0);
    // Written in place: the old bytes cannot be read, nor backed up.
    answeredBy(SYS_pread64, {CallAnswer::failing(EIO)}, QStringLiteral("Ошибка ввода-вывода"));
    answeredBy(SYS_pwrite64, {CallAnswer::failing(ENOSPC)}, QStringLiteral("Недостаточно места на диске."));
    // A backup that an earlier save left: removed when it holds what the
    // file holds, kept (and the save stopped) when it holds something else,
    // more, or cannot be read whole.
    const QString backup = target + QStringLiteral("~tuneks-backup");
    writeFile(QFileInfo(backup).fileName(), readFile(target));
    answeredBy(SYS_pread64, {CallAnswer{}, interrupted, CallAnswer::returning(0)},
               QStringLiteral("Рядом с ним лежит файл ") + backup);
    save(); // written in place for both names
    const QByteArray now = readFile(target);
    for (const QByteArray &left : {now, now + "and more", QByteArray("other bytes")}) {
        writeFile(QFileInfo(backup).fileName(), left);
        save();
        EXPECT_EQ(QFile::exists(backup), left != now);
    }
    QFile::remove(backup);
    open(target);
    host.saveNames = {path(QStringLiteral("sub"))};
    QDir(dir.path()).mkdir(QStringLiteral("sub.ini"));
    mainWindow.saveAsCommand(); // refused: a folder
    EXPECT_TRUE(host.lastText().startsWith(QStringLiteral("Не удалось сохранить файл "))) << host.lastText().toStdString();
    host.saveNames = {path(QStringLiteral("new.ini"))};
    mainWindow.saveAsCommand(); // a new file
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("new.ini"))));
    EXPECT_EQ(openDescriptors(), before);
}

// Started without standard input, the editor gets descriptor 0 for a file
// it opens, and must take it for one. Each file that a save opens gets 0 in
// turn: in a save that replaces the file through a copy without a name or a
// named one, and in one that writes it in place; each with a copy that a
// killed save left, and the last with a backup too. And what a save renames
// is locked meanwhile, so that no other save takes it for abandoned.
TEST_F(SaveCorners, EveryFileASaveOpensMayBeDescriptorZero)
{
    const QStringList entries = folderEntries();
    ASSERT_EQ(runInChild([&] { return killAtSystemCalls(kRenames) ? (save(), 0) : 10; }).signal, SIGSYS);
    QStringList left = folderEntries();
    for (const QString &entry : entries)
        left.removeOne(entry);
    ASSERT_EQ(left.size(), 1);
    const QByteArray leftBytes = readFile(path(left[0]));
    const QString backup = QFileInfo(target).fileName() + QStringLiteral("~tuneks-backup");
    for (int kind = 0; kind < 3; ++kind) {
        if (kind == 2) {
            ASSERT_EQ(::link(encoded(target).constData(), encoded(path(QStringLiteral("second.ini"))).constData()), 0);
        }
        QStringList after = folderEntries();
        after.removeOne(left[0]);
        for (int zeroAt = 0;; ++zeroAt) {
            SCOPED_TRACE(testing::Message() << "save " << kind << ", open " << zeroAt);
            writeFile(left[0], leftBytes);
            if (kind == 2)
                writeFile(backup, readFile(target));
            const ChildEnd end = runInChild([&] {
                const int null = ::open("/dev/null", O_RDONLY);
                if (null != 0 && (dup2(null, 0) != 0 || ::close(null) != 0))
                    return 10;
                const int descriptors = openDescriptors();
                std::atomic<int> opens{0};
                std::atomic<bool> unlockedRename{false};
                const auto answer = [&](const seccomp_data &call, int) {
                    if (call.nr == SYS_openat) {
                        if (opens++ == zeroAt)
                            ::close(0);
                        return CallAnswer{};
                    }
                    // rename(from, to), renameat(folder, from, ...), renameat2 alike
                    const bool fromSecond = call.nr == SYS_renameat || call.nr == SYS_renameat2;
                    const int probe = ::open(reinterpret_cast<const char *>(call.args[fromSecond ? 1 : 0]), O_RDONLY);
                    if (probe >= 0 && flock(probe, LOCK_EX | LOCK_NB) == 0)
                        unlockedRename = true;
                    ::close(probe);
                    return CallAnswer{};
                };
                std::vector<long> calls = kRenames;
                calls.push_back(SYS_openat);
                if ((kind == 1 && !refuseUnnamedFiles()) || !answerSystemCalls(calls, answer))
                    return 11;
                save();
                if (!host.messages.isEmpty() || unlockedRename)
                    return 12;
                if (opens <= zeroAt)
                    return 1; // the save opened fewer files
                return openDescriptors() == descriptors ? 0 : 13; // with 0 closed, the watcher's added
            });
            EXPECT_TRUE(end.ok() || end.code == 1) << "exit " << end.code << ", signal " << end.signal;
            EXPECT_TRUE(sameBytes(readFile(target), editedBytes()));
            EXPECT_EQ(folderEntries(), after);
            saveAgainAndEdit();
            if (end.code == 1)
                break;
        }
    }
}
