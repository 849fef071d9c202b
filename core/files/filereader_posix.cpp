// Reading a file whole on Unix systems, with the system's calls so that a
// failure names its cause.
#include "files/filereader.h"

#include "files/fileaccess.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tuneks {

namespace {

ReadResult failed(int error, QString *errorText)
{
    if (errorText)
        *errorText = describeSystemError(error);
    return ReadResult::Failed;
}

} // namespace

ReadResult readWholeFile(const QString &fileName, QByteArray &data, QString *errorText)
{
    data.clear();
    if (!QFileInfo(fileName).isFile())
        return ReadResult::NotAFile;
    const int fd = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return failed(errno, errorText);
    struct stat st {};
    if (fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        return failed(error, errorText);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return ReadResult::NotAFile; // swapped for something else since the check
    }
    const bool readOk = readUpToLimit(qMin<qint64>(st.st_size, kMaxPhysicsFileBytes), data,
                                      [fd](char *to, qint64 room) {
                                          qint64 count;
                                          do
                                              count = ::read(fd, to, size_t(room));
                                          while (count < 0 && errno == EINTR);
                                          return count;
                                      });
    const int error = errno;
    ::close(fd);
    if (!readOk) {
        data.clear();
        return failed(error, errorText);
    }
    return data.size() > kMaxPhysicsFileBytes ? ReadResult::TooLarge : ReadResult::Ok;
}

} // namespace tuneks
