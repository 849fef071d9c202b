#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace tuneks {

// Reads an ordinary file whole, up to a size limit.
//
// Only ordinary files are opened: a FIFO or a device would block or never
// end. The reported size is not trusted (files under /proc report 0); the
// file is read until its end or until one byte past the limit.
enum class ReadResult { Ok, NotAFile, Failed, TooLarge };

// A file larger than this cannot be a physics file of at most 1000 lines
// that anyone would edit.
constexpr qint64 kMaxPhysicsFileBytes = 64 * 1024 * 1024;

// On Failed, *errorText (when given) holds the system's reason.
ReadResult readWholeFile(const QString &fileName, QByteArray &data,
                         QString *errorText = nullptr);

// For the systems' readWholeFile(): reads into `data` with `readSome`
// (which returns the count read, 0 at the end, -1 on failure) until the end
// or one byte past the limit. `reported` is the size the file claims.
bool readUpToLimit(qint64 reported, QByteArray &data, const std::function<qint64(char *, qint64)> &readSome);

} // namespace tuneks
