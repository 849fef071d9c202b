// Reading a file whole on Windows, through Qt.
#include "files/filereader.h"

#include <QFile>
#include <QFileInfo>

namespace tuneks {

ReadResult readWholeFile(const QString &fileName, QByteArray &data, QString *errorText)
{
    data.clear();
    if (!QFileInfo(fileName).isFile())
        return ReadResult::NotAFile;
    QFile file(fileName);
    const bool readOk = file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)
                        && readUpToLimit(qMin<qint64>(file.size(), kMaxPhysicsFileBytes), data,
                                      [&file](char *to, qint64 room) { return file.read(to, room); });
    if (!readOk) {
        data.clear();
        if (errorText)
            *errorText = file.errorString();
        return ReadResult::Failed;
    }
    return data.size() > kMaxPhysicsFileBytes ? ReadResult::TooLarge : ReadResult::Ok;
}

} // namespace tuneks
