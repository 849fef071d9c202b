#pragma once

#include "files/filereader.h"

#include <QByteArray>
#include <QString>

namespace tuneks {

// What a name leads to, as far as opening and saving care.
enum class NameKind {
    Missing,      // nothing of that name
    File,         // an ordinary file, or a link to one
    Folder,       // a folder, or a link to one
    Special,      // a device, pipe or socket, or a link to one
    DanglingLink, // a link to nothing
    TooLong,      // the name or the path is longer than the system takes
};

// Which file a name leads to now, links followed. Two identities are the
// same file when both exist and agree; device and inode are 0 where the
// system has no such numbers, and then the canonical path alone decides.
struct FileIdentity {
    bool exists = false;
    QString canonicalPath;
    quint64 device = 0;
    quint64 inode = 0;

    bool sameFileAs(const FileIdentity &other) const
    {
        return exists && other.exists && canonicalPath == other.canonicalPath && device == other.device
               && inode == other.inode;
    }
};

// The files the core reads and writes. The editor uses the disk
// (diskFiles()); the fuzzer's in-memory target keeps files in memory so that
// the same rules run without touching a disk.
class FileAccess {
public:
    virtual ~FileAccess() = default;

    // What the name leads to; *hidden (when given) tells whether the name is
    // that of a hidden file.
    virtual NameKind kindOf(const QString &name, bool *hidden = nullptr) = 0;
    virtual FileIdentity identify(const QString &name) = 0;
    // As readWholeFile().
    virtual ReadResult read(const QString &name, QByteArray &data, QString *errorText) = 0;
    // As writeFileAtomically().
    virtual bool write(const QString &name, const QByteArray &contents, QString *errorText) = 0;
};

// The real file system.
FileAccess &diskFiles();

// The cause of a failed file operation, in words for the user, from the
// system's error number.
QString describeSystemError(int error);

} // namespace tuneks
