// Saving on Unix systems, with the system's calls: see filewriter.h.
#include "filewriter.h"

#include "fileaccess.h"

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

QByteArray temporaryPrefix(const QByteArray &baseName)
{
    qsizetype cut = qMin<qsizetype>(baseName.size(), kStemBytes);
    // Do not cut a UTF-8 character in two.
    while (cut > 0 && cut < baseName.size() && (uchar(baseName[cut]) & 0xC0) == 0x80)
        --cut;
    quint32 hash = 2166136261u; // FNV-1a
    for (const char c : baseName)
        hash = (hash ^ uchar(c)) * 16777619u;
    return '.' + baseName.left(cut) + "~tuneks-" + QByteArray::number(hash, 16).rightJustified(8, '0') + '-';
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

// Creates and locks a new temporary file in `folder`; returns its
// descriptor, or -1 with errno set.
int createTemporary(const QByteArray &folder, const QByteArray &prefix, mode_t mode, QByteArray &path)
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = folder + '/' + prefix;
        for (int i = 0; i < kRandomLetters; ++i)
            path += letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))];
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

QString folderFailure(int error, const QByteArray &folder)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return QStringLiteral("Нет права создавать файлы в папке ") + shown(folder)
               + QStringLiteral(", а сохранение сначала пишет новый файл рядом со старым и лишь затем "
                                "заменяет его. Сохраните файл в другую папку.");
    case ENOENT:
        return QStringLiteral("Папки ") + shown(folder) + QStringLiteral(" нет.");
    case ENOTDIR:
        return QStringLiteral("Путь ") + shown(folder) + QStringLiteral(" не ведёт к папке.");
    default:
        return describeSystemError(error);
    }
}

// Writes a file in place: every hard link sees the new bytes and the owner
// stays. The old bytes are read first and put back if the write fails.
bool writeInPlace(const QByteArray &target, const struct stat &was, const QByteArray &contents,
                  QString *errorText)
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
    if (!writeAllAt(fd, contents.constData(), contents.size(), 0) || ftruncate(fd, off_t(contents.size())) != 0
        || fsync(fd) != 0) {
        QString text = describeSystemError(errno);
        const bool restored = writeAllAt(fd, old.constData(), old.size(), 0)
                              && ftruncate(fd, off_t(old.size())) == 0 && fsync(fd) == 0;
        if (!restored)
            text += QStringLiteral(" Вернуть прежнее содержимое файла не удалось: проверьте его.");
        ::close(fd);
        return fail(errorText, text);
    }
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
            return writeInPlace(target, st, contents, errorText);
    }

    const QByteArray prefix = temporaryPrefix(baseName);
    removeAbandonedCopies(folder, prefix, exists ? st.st_uid : geteuid());
    QByteArray temporary;
    const int fd = createTemporary(folder, prefix, exists ? 0600 : 0666, temporary);
    if (fd < 0)
        return fail(errorText, folderFailure(errno, folder));
    const auto discard = [&] {
        unlink(temporary.constData());
        ::close(fd);
    };
    if (exists) {
        // Keep the owner and group; where the process may not give them to
        // the new file, replacing would hand the file over to this user, so
        // it is written in place instead.
        if ((st.st_uid != geteuid() || st.st_gid != getegid()) && fchown(fd, st.st_uid, st.st_gid) != 0) {
            discard();
            return writeInPlace(target, st, contents, errorText);
        }
        // After the owner: a change of owner clears the setuid and setgid bits.
        fchmod(fd, st.st_mode & 07777);
    }
    if (!writeAllAt(fd, contents.constData(), contents.size(), 0) || fsync(fd) != 0) {
        const int error = errno;
        discard();
        return fail(errorText, describeSystemError(error));
    }
    if (rename(temporary.constData(), target.constData()) != 0) {
        const int error = errno;
        discard();
        return fail(errorText, describeSystemError(error));
    }
    // The new name is on disk only once the folder is.
    const int folderFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        fsync(folderFd);
        ::close(folderFd);
    }
    ::close(fd);
    return true;
}

} // namespace tuneks
