// Saving on Unix systems, with the system's calls: see filewriter.h.
#include "files/filewriter.h"

#include "files/fileaccess.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdlib>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tuneks {

namespace {

bool fail(QString *errorText, const QString &text)
{
    *errorText = text;
    return false;
}

QString shown(const QByteArray &name) { return QFile::decodeName(name); }

// Under a file-size limit the system sends SIGXFSZ, whose default action
// ends the program with the user's edits. Ignored, the write fails with
// EFBIG instead and is reported like a full disk.
class FileSizeSignalIgnored {
public:
    FileSizeSignalIgnored()
    {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        sigaction(SIGXFSZ, &ignore, &m_previous);
    }
    ~FileSizeSignalIgnored() { sigaction(SIGXFSZ, &m_previous, nullptr); }
    FileSizeSignalIgnored(const FileSizeSignalIgnored &) = delete;
    FileSizeSignalIgnored &operator=(const FileSizeSignalIgnored &) = delete;

private:
    struct sigaction m_previous {};
};

// Writes all bytes at `offset`; a write that makes no progress counts as a
// full disk. On failure errno tells why.
bool writeAllAt(int fd, const char *data, qint64 size, qint64 offset)
{
    while (size > 0) {
        const ssize_t count = pwrite(fd, data, size_t(size), off_t(offset));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            if (count == 0)
                errno = ENOSPC;
            return false;
        }
        data += count;
        size -= count;
        offset += count;
    }
    return true;
}

bool readAllAt(int fd, QByteArray &data)
{
    qint64 filled = 0;
    while (filled < data.size()) {
        const ssize_t count = pread(fd, data.data() + filled, size_t(data.size() - filled), off_t(filled));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return false;
        if (count == 0)
            break;
        filled += count;
    }
    data.resize(filled);
    return true;
}

// The temporary files of a save are named after their target:
// "." + the start of the target's name (at most 40 bytes, whole characters)
// + "~tuneks-" + 8 hex digits of a hash of the whole name + "-" + 6 random
// letters. Short enough beside a name of the longest length, and telling
// which target a leftover belongs to.
constexpr int kStemBytes = 40;
constexpr int kRandomLetters = 6;
constexpr qsizetype kLongestName = 255;

// The start of a name, at most `bytes` long, without cutting a UTF-8
// character in two.
QByteArray stemOf(const QByteArray &baseName, qsizetype bytes)
{
    qsizetype cut = qMin<qsizetype>(baseName.size(), bytes);
    while (cut > 0 && cut < baseName.size() && (uchar(baseName[cut]) & 0xC0) == 0x80)
        --cut;
    return baseName.left(cut);
}

QByteArray hashOf(const QByteArray &baseName)
{
    quint32 hash = 2166136261u; // FNV-1a
    for (const char c : baseName)
        hash = (hash ^ uchar(c)) * 16777619u;
    return QByteArray::number(hash, 16).rightJustified(8, '0');
}

QByteArray temporaryPrefix(const QByteArray &baseName)
{
    return '.' + stemOf(baseName, kStemBytes) + "~tuneks-" + hashOf(baseName) + '-';
}

bool isTemporaryName(const char *name, const QByteArray &prefix)
{
    const QByteArray entry(name);
    if (entry.size() != prefix.size() + kRandomLetters || !entry.startsWith(prefix))
        return false;
    for (qsizetype i = prefix.size(); i < entry.size(); ++i)
        if (!std::isalnum(uchar(entry[i])))
            return false;
    return true;
}

// Removes what saves of this target left when they were killed: files of
// the target's temporary name that no running save holds locked (a save
// locks its temporary file from creation to the end). Nothing else is
// touched: no other name, no link, nothing with more than one name.
void removeAbandonedCopies(const QByteArray &folder, const QByteArray &prefix, uid_t targetOwner)
{
    DIR *dir = opendir(folder.constData());
    if (!dir)
        return;
    while (const dirent *entry = readdir(dir)) {
        if (!isTemporaryName(entry->d_name, prefix))
            continue;
        const QByteArray path = folder + '/' + entry->d_name;
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat st {}, now {};
        if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink == 1
            && (st.st_uid == geteuid() || st.st_uid == targetOwner) && flock(fd, LOCK_EX | LOCK_NB) == 0
            && lstat(path.constData(), &now) == 0 && now.st_dev == st.st_dev && now.st_ino == st.st_ino)
            unlink(path.constData());
        ::close(fd);
    }
    closedir(dir);
}

// The random end of a temporary name: letters and digits only.
QByteArray randomLetters()
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray drawn(kRandomLetters, Qt::Uninitialized);
    for (char &letter : drawn)
        letter = letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))];
    return drawn;
}

// Creates and locks a new temporary file in `folder`; returns its
// descriptor, or -1 with errno set.
int createTemporary(const QByteArray &folder, const QByteArray &prefix, mode_t mode, QByteArray &path)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = folder + '/' + prefix + randomLetters();
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0) {
            flock(fd, LOCK_EX);
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    errno = EEXIST;
    return -1;
}

// Opens a new file without a name in `folder`, locked, where the system
// has such files (and /proc, through which it later gets a name): a save
// killed before the file is complete leaves nothing behind, and flushing
// the file need not write the folder, which a new name would. Returns -1
// where there are none; the caller then makes a named temporary file.
int openUnnamed(const QByteArray &folder, mode_t mode)
{
#ifdef O_TMPFILE
    static const bool processFilesListed = access("/proc/self/fd", X_OK) == 0;
    if (processFilesListed) {
        const int fd = ::open(folder.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, mode);
        if (fd >= 0)
            flock(fd, LOCK_EX);
        return fd;
    }
#else
    Q_UNUSED(folder);
    Q_UNUSED(mode);
#endif
    return -1;
}

// Gives a file opened by openUnnamed() a temporary name in `folder`, which
// then takes the target's place. False with errno set.
bool nameUnnamed(int fd, const QByteArray &folder, const QByteArray &prefix, QByteArray &path)
{
    const QByteArray opened = "/proc/self/fd/" + QByteArray::number(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = folder + '/' + prefix + randomLetters();
        if (linkat(AT_FDCWD, opened.constData(), AT_FDCWD, path.constData(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno != EEXIST) {
            path.clear();
            return false;
        }
    }
    path.clear();
    errno = EEXIST;
    return false;
}

// Why no file could be made in the folder. `inPlace`: the file made was the
// backup of a file written in place, not a new copy that replaces it.
QString folderFailure(int error, const QByteArray &folder, bool inPlace = false)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return QStringLiteral("Нет права создавать файлы в папке ") + shown(folder)
               + (inPlace ? QStringLiteral(", а сохранение сначала кладёт рядом с файлом копию его прежнего "
                                           "содержимого и лишь затем пишет в него. Сохраните файл в другую папку.")
                          : QStringLiteral(", а сохранение сначала пишет новый файл рядом со старым и лишь затем "
                                           "заменяет его. Сохраните файл в другую папку."));
    case ENOENT:
        return QStringLiteral("Папки ") + shown(folder) + QStringLiteral(" нет.");
    case ENOTDIR:
        return QStringLiteral("Путь ") + shown(folder) + QStringLiteral(" не ведёт к папке.");
    default:
        return describeSystemError(error);
    }
}

// The copy of the old bytes that an in-place write keeps beside the file
// until the new bytes are on disk: the file's name + "~tuneks-backup", or,
// where that would be longer than a name may be, the start of the name and
// a hash of the whole.
QByteArray backupName(const QByteArray &baseName)
{
    static const QByteArray suffix = "~tuneks-backup";
    if (baseName.size() + suffix.size() <= kLongestName)
        return baseName + suffix;
    return stemOf(baseName, kStemBytes) + '~' + hashOf(baseName) + suffix;
}

// Flushes the folder, so that a file made or removed in it stays made or
// removed after a power cut.
void syncFolder(const QByteArray &folder)
{
    const int folderFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        fsync(folderFd);
        ::close(folderFd);
    }
}

// A backup that an earlier in-place save of this file left, killed before
// it ended. When it holds the bytes the file holds now it tells nothing and
// is removed; otherwise it may be the only whole copy of the file, and the
// save stops and says so rather than write over it. False with the reason
// in *errorText when the save must stop.
bool clearEarlierBackup(const QByteArray &backup, const QByteArray &fileBytes, QString *errorText)
{
    const int fd = ::open(backup.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT)
        return true;
    bool redundant = false;
    struct stat st {};
    if (fd >= 0 && fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink == 1
        && qint64(st.st_size) == fileBytes.size() && flock(fd, LOCK_EX | LOCK_NB) == 0) {
        QByteArray bytes(fileBytes.size(), Qt::Uninitialized);
        redundant = readAllAt(fd, bytes) && bytes == fileBytes;
    }
    if (redundant)
        redundant = unlink(backup.constData()) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!redundant)
        return fail(errorText, QStringLiteral("Рядом с ним лежит файл ") + shown(backup)
                                   + QStringLiteral(" с прежним содержимым файла: его оставило сохранение, "
                                                    "прерванное раньше, и он может быть единственной целой "
                                                    "копией. Проверьте оба файла, затем перенесите или "
                                                    "удалите эту копию и сохраните снова."));
    return true;
}

// Writes the old bytes to a temporary file beside the file, puts it on disk
// and only then gives it the backup's name, so that the backup's name never
// holds less than the whole old file. Returns its locked descriptor, or -1
// with errno set (the backup then does not exist).
int writeBackup(const QByteArray &backup, const QByteArray &folder, const QByteArray &prefix, const QByteArray &old,
                const struct stat &was)
{
    QByteArray temporary;
    const int fd = createTemporary(folder, prefix, 0600, temporary);
    if (fd < 0)
        return -1;
    // Readable by whoever may read the file, where the process may give the
    // backup the file's owner and group; otherwise by this user alone.
    if (fchown(fd, was.st_uid, was.st_gid) == 0)
        fchmod(fd, was.st_mode & 0666);
    // The check before found no backup; should another save make one
    // meanwhile, rename() replaces it by the same old bytes.
    if (!writeAllAt(fd, old.constData(), old.size(), 0) || fsync(fd) != 0
        || rename(temporary.constData(), backup.constData()) != 0) {
        const int error = errno;
        unlink(temporary.constData());
        ::close(fd);
        errno = error;
        return -1;
    }
    syncFolder(folder);
    return fd;
}

// Writes a file in place: every hard link sees the new bytes and the owner
// stays. The old bytes are read first and kept in a backup beside the file
// until the new ones are on disk, so that a kill or a power cut at any
// moment leaves the old or the new bytes whole; should the write fail, the
// old bytes are put back.
bool writeInPlace(const QByteArray &target, const QByteArray &folder, const QByteArray &baseName,
                  const struct stat &was, const QByteArray &contents, QString *errorText)
{
    const int fd = ::open(target.constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return fail(errorText, errno == EACCES ? QStringLiteral("Нет права изменять этот файл.")
                                               : describeSystemError(errno));
    struct stat st {};
    QByteArray old;
    bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (ok) {
        old.resize(qsizetype(st.st_size));
        ok = readAllAt(fd, old);
    }
    if (!ok) {
        const int error = errno;
        ::close(fd);
        return fail(errorText, describeSystemError(error));
    }
    const QByteArray backup = folder + '/' + backupName(baseName);
    if (!clearEarlierBackup(backup, old, errorText)) {
        ::close(fd);
        return false;
    }
    const QByteArray prefix = temporaryPrefix(baseName);
    removeAbandonedCopies(folder, prefix, was.st_uid);
    const int backupFd = writeBackup(backup, folder, prefix, old, was);
    if (backupFd < 0) {
        const int error = errno;
        ::close(fd);
        return fail(errorText, folderFailure(error, folder, true));
    }
    const auto removeBackup = [&] {
        unlink(backup.constData());
        ::close(backupFd);
        syncFolder(folder);
    };
    if (!writeAllAt(fd, contents.constData(), contents.size(), 0) || ftruncate(fd, off_t(contents.size())) != 0
        || fsync(fd) != 0) {
        QString text = describeSystemError(errno);
        const bool restored = writeAllAt(fd, old.constData(), old.size(), 0)
                              && ftruncate(fd, off_t(old.size())) == 0 && fsync(fd) == 0;
        if (restored) {
            removeBackup();
        } else {
            ::close(backupFd);
            text += QStringLiteral(" Вернуть прежнее содержимое файла не удалось; оно сохранено в файле ")
                    + shown(backup) + QLatin1Char('.');
        }
        ::close(fd);
        return fail(errorText, text);
    }
    removeBackup();
    // A write by anyone but root clears the setuid and setgid bits; put
    // them back where the process may.
    if (fstat(fd, &st) == 0 && (st.st_mode & 07777) != (was.st_mode & 07777))
        fchmod(fd, was.st_mode & 07777);
    ::close(fd);
    return true;
}

} // namespace

bool writeFileAtomically(const QString &fileName, const QByteArray &contents, QString *errorText)
{
    const FileSizeSignalIgnored fileSizeSignalIgnored;
    // Absolute, so that the file's folder is always part of its name.
    const QByteArray name = QFile::encodeName(QFileInfo(fileName).absoluteFilePath());

    // The file to replace: the name itself, or where its link leads.
    QByteArray target = name;
    struct stat st {};
    bool exists = false;
    if (lstat(name.constData(), &st) == 0) {
        if (S_ISLNK(st.st_mode)) {
            char *real = realpath(name.constData(), nullptr);
            if (!real && errno == ENOENT)
                return fail(errorText, QStringLiteral("Это ссылка, которая ведёт к файлу, которого нет. "
                                                      "Редактор не станет создавать файл по такой ссылке."));
            if (!real)
                return fail(errorText, describeSystemError(errno));
            target = real;
            std::free(real);
            if (stat(target.constData(), &st) != 0)
                return fail(errorText, describeSystemError(errno));
        }
        if (S_ISDIR(st.st_mode))
            return fail(errorText, describeSystemError(EISDIR));
        if (!S_ISREG(st.st_mode))
            return fail(errorText, QStringLiteral("Он не является обычным файлом (это устройство, канал или "
                                                  "сокет), и редактор не станет его заменять."));
        exists = true;
    } else if (errno != ENOENT) {
        return fail(errorText, describeSystemError(errno));
    }

    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = target.left(qMax<qsizetype>(slash, 1)); // "/" for a file at the root
    const QByteArray baseName = target.mid(slash + 1);

    if (exists) {
        if (access(target.constData(), W_OK) != 0)
            return fail(errorText, errno == EACCES ? QStringLiteral("Файл защищён от записи: нет права изменять его.")
                                                   : describeSystemError(errno));
        // Replacing one of several names would part it from the others.
        if (st.st_nlink > 1)
            return writeInPlace(target, folder, baseName, st, contents, errorText);
    }

    const QByteArray prefix = temporaryPrefix(baseName);
    removeAbandonedCopies(folder, prefix, exists ? st.st_uid : geteuid());
    // The new copy: a file without a name until it is complete and on disk,
    // or, where the system has no such files, a named temporary file.
    QByteArray temporary;
    const mode_t mode = exists ? 0600 : 0666;
    int fd = openUnnamed(folder, mode);
    if (fd < 0)
        fd = createTemporary(folder, prefix, mode, temporary);
    if (fd < 0)
        return fail(errorText, folderFailure(errno, folder));
    const auto discard = [&] {
        if (!temporary.isEmpty())
            unlink(temporary.constData());
        ::close(fd);
    };
    if (exists) {
        // Keep the owner and group; where the process may not give them to
        // the new file, replacing would hand the file over to this user, so
        // it is written in place instead.
        if ((st.st_uid != geteuid() || st.st_gid != getegid()) && fchown(fd, st.st_uid, st.st_gid) != 0) {
            discard();
            return writeInPlace(target, folder, baseName, st, contents, errorText);
        }
        // After the owner: a change of owner clears the setuid and setgid bits.
        fchmod(fd, st.st_mode & 07777);
    }
    if (!writeAllAt(fd, contents.constData(), contents.size(), 0) || fsync(fd) != 0
        || (temporary.isEmpty() && !nameUnnamed(fd, folder, prefix, temporary))) {
        const int error = errno;
        discard();
        return fail(errorText, describeSystemError(error));
    }
    if (rename(temporary.constData(), target.constData()) != 0) {
        const int error = errno;
        discard();
        return fail(errorText, describeSystemError(error));
    }
    // The folder is not flushed here. The new bytes were on disk before the
    // name moved, so a power cut leaves the old file or the new one whole;
    // the new name itself reaches the disk with the system's next write-back,
    // seconds later, as it does after a save on Windows (Qt's QSaveFile).
    // Flushing the folder as well doubled the time a save takes.
    ::close(fd);
    return true;
}

} // namespace tuneks
