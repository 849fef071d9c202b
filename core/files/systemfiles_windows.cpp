// The Windows side of systemfiles.h: file attributes and files that other
// programs hold open.
#include "files/systemfiles.h"

#include <QFileInfo>

#include <windows.h>

namespace tuneks {

bool hasSystemAttribute(const QString &fileName)
{
    const DWORD attributes = GetFileAttributesW(reinterpret_cast<const wchar_t *>(fileName.utf16()));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_SYSTEM) != 0;
}

bool mayReplace(const QString &fileName, QString *reason)
{
    const auto *name = reinterpret_cast<const wchar_t *>(fileName.utf16());
    const DWORD attributes = GetFileAttributesW(name);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return true;
    QString why;
    if (attributes & FILE_ATTRIBUTE_READONLY) {
        why = QStringLiteral("Файл помечен как доступный только для чтения.");
    } else {
        // Opening for writing with every sharing allowed fails exactly when
        // another program has forbidden it.
        const HANDLE probe = CreateFileW(name, GENERIC_WRITE,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (probe != INVALID_HANDLE_VALUE) {
            CloseHandle(probe);
            return true;
        }
        switch (GetLastError()) {
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            why = QStringLiteral("Файл занят другой программой.");
            break;
        case ERROR_ACCESS_DENIED:
            why = QStringLiteral("Нет прав доступа.");
            break;
        default:
            return true; // anything else, the write itself will meet and report
        }
    }
    if (reason)
        *reason = why;
    return false;
}

NameKind kindOnDisk(const QString &name)
{
    const QFileInfo info(name);
    if (!info.exists())
        return info.isSymLink() ? NameKind::DanglingLink : NameKind::Missing;
    if (info.isDir())
        return NameKind::Folder;
    return info.isFile() ? NameKind::File : NameKind::Special;
}

// Windows names files by path alone here: the canonical path decides.
void readDeviceAndInode(const QString &, FileIdentity &) {}

} // namespace tuneks
