#include "filereader.h"

#include <QFile>
#include <QFileInfo>

ReadResult readWholeFile(const QString &fileName, QByteArray &data, QString *errorText)
{
    data.clear();
    if (!QFileInfo(fileName).isFile())
        return ReadResult::NotAFile;
    QFile file(fileName);
    bool readOk = file.open(QIODevice::ReadOnly);
    while (readOk && data.size() <= kMaxPhysicsFileBytes) {
        const QByteArray chunk =
            file.read(qMin<qint64>(1 << 20, kMaxPhysicsFileBytes + 1 - data.size()));
        if (chunk.isEmpty()) {
            readOk = file.error() == QFileDevice::NoError;
            break;
        }
        data += chunk;
    }
    if (!readOk) {
        if (errorText)
            *errorText = file.errorString();
        return ReadResult::Failed;
    }
    return data.size() > kMaxPhysicsFileBytes ? ReadResult::TooLarge : ReadResult::Ok;
}
