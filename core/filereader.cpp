#include "filereader.h"

#include "fileaccess.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tuneks {

namespace {

// The buffer starts at the size the file reports, plus one byte so that the
// end shows without a second allocation. A file that reports less than it
// holds (files under /proc report 0) grows the buffer in steps that double.
qint64 nextCapacity(qint64 reported, qint64 filled)
{
    const qint64 wanted = filled == 0 ? reported + 1 : qMax<qint64>(filled * 2, 4096);
    return qMin(qMax<qint64>(wanted, 1), kMaxPhysicsFileBytes + 1);
}

// Reads until the end or one byte past the limit; `readSome` returns the
// count read, 0 at the end, -1 on failure.
template <typename ReadSome> bool readAll(qint64 reported, QByteArray &data, ReadSome readSome)
{
    qint64 filled = 0;
    for (;;) {
        if (filled == data.size()) {
            if (filled > kMaxPhysicsFileBytes)
                break;
            data.resize(nextCapacity(reported, filled));
        }
        const qint64 count = readSome(data.data() + filled, data.size() - filled);
        if (count < 0)
            return false;
        if (count == 0)
            break;
        filled += count;
    }
    data.resize(filled);
    // The document keeps these bytes: keep them at their real size. A file
    // that reported its size left at most the one spare byte.
    if (data.capacity() - filled > 64)
        data.squeeze();
    return true;
}

} // namespace

ReadResult readWholeFile(const QString &fileName, QByteArray &data, QString *errorText)
{
    data.clear();
    if (!QFileInfo(fileName).isFile())
        return ReadResult::NotAFile;
#ifdef Q_OS_UNIX
    // Read with the system's calls so that a failure names its cause.
    const int fd = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat st {};
    bool readOk = fd >= 0 && fstat(fd, &st) == 0;
    if (readOk && !S_ISREG(st.st_mode)) {
        ::close(fd);
        return ReadResult::NotAFile; // swapped for something else since the check
    }
    readOk = readOk && readAll(qMin<qint64>(st.st_size, kMaxPhysicsFileBytes), data, [fd](char *to, qint64 room) {
        qint64 count;
        do
            count = ::read(fd, to, size_t(room));
        while (count < 0 && errno == EINTR);
        return count;
    });
    const int error = errno;
    if (fd >= 0)
        ::close(fd);
    if (!readOk) {
        data.clear();
        if (errorText)
            *errorText = describeSystemError(error);
        return ReadResult::Failed;
    }
#else
    QFile file(fileName);
    const bool readOk = file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)
                        && readAll(qMin<qint64>(file.size(), kMaxPhysicsFileBytes), data,
                                   [&file](char *to, qint64 room) { return file.read(to, room); });
    if (!readOk) {
        data.clear();
        if (errorText)
            *errorText = file.errorString();
        return ReadResult::Failed;
    }
#endif
    return data.size() > kMaxPhysicsFileBytes ? ReadResult::TooLarge : ReadResult::Ok;
}

} // namespace tuneks
