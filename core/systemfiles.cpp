#include "systemfiles.h"

#include <QDir>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

bool hasSystemAttribute(const QString &fileName)
{
#ifdef Q_OS_WIN
    const DWORD attributes = GetFileAttributesW(reinterpret_cast<const wchar_t *>(fileName.utf16()));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_SYSTEM) != 0;
#else
    Q_UNUSED(fileName)
    return false;
#endif
}

QString nativeFileName(const QString &fileName)
{
    return QDir::toNativeSeparators(fileName);
}
