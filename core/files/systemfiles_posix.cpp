// The Unix side of systemfiles.h.
#include "files/systemfiles.h"

#include <QFile>

#include <cerrno>

#include <sys/stat.h>

namespace tuneks {

// Unix systems mark no file as a system file, and a file that another
// program has open may still be replaced.
bool hasSystemAttribute(const QString &)
{
    return false;
}

bool mayReplace(const QString &, QString *)
{
    return true;
}

NameKind kindOnDisk(const QString &name)
{
    const QByteArray encoded = QFile::encodeName(name);
    struct stat st {};
    if (lstat(encoded.constData(), &st) != 0)
        return errno == ENAMETOOLONG ? NameKind::TooLong : NameKind::Missing;
    if (S_ISLNK(st.st_mode) && stat(encoded.constData(), &st) != 0)
        return errno == ENAMETOOLONG ? NameKind::TooLong : NameKind::DanglingLink;
    if (S_ISREG(st.st_mode))
        return NameKind::File;
    return S_ISDIR(st.st_mode) ? NameKind::Folder : NameKind::Special;
}

void readDeviceAndInode(const QString &name, FileIdentity &id)
{
    struct stat st {};
    if (stat(QFile::encodeName(name).constData(), &st) == 0) {
        id.device = quint64(st.st_dev);
        id.inode = quint64(st.st_ino);
    }
}

} // namespace tuneks
