#include "files/systemfiles.h"

#include <QDir>

namespace tuneks {

QString nativeFileName(const QString &fileName)
{
    return QDir::toNativeSeparators(fileName);
}

} // namespace tuneks
