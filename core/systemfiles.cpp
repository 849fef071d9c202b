#include "systemfiles.h"

#include <QDir>

namespace tuneks {

#ifndef Q_OS_WIN
// Other systems mark no file as a system file, and a file that another
// program has open may still be replaced.

bool hasSystemAttribute(const QString &)
{
    return false;
}

bool mayReplace(const QString &, QString *)
{
    return true;
}
#endif

QString nativeFileName(const QString &fileName)
{
    return QDir::toNativeSeparators(fileName);
}

} // namespace tuneks
