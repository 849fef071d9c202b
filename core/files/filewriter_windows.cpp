// Saving on Windows: Qt's QSaveFile writes a copy beside the file and puts
// it in the file's place once it is complete.
#include "files/filewriter.h"

#include "files/fileaccess.h"

#include <QSaveFile>

#include <cerrno>

namespace tuneks {

bool writeFileAtomically(const QString &fileName, const QByteArray &contents, QString *errorText)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        *errorText = file.errorString();
        return false;
    }
    // When the disk fills up, write() can return a short count without
    // setting an error, and commit() would then still replace the old file
    // with a truncated one. Check every count and cancel on any shortfall.
    const qint64 written = file.write(contents);
    const bool complete = written == contents.size() && file.flush() && file.error() == QFileDevice::NoError;
    if (!complete) {
        *errorText = file.error() == QFileDevice::NoError ? describeSystemError(ENOSPC) : file.errorString();
        file.cancelWriting();
        file.commit();
        return false;
    }
    if (!file.commit()) {
        *errorText = file.errorString();
        return false;
    }
    return true;
}

} // namespace tuneks
