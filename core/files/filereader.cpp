// Reading a file whole: what every system shares. Each system opens and
// reads in its own file (filereader_posix.cpp, filereader_windows.cpp).
#include "files/filereader.h"

namespace tuneks {

namespace {

// The buffer starts at the size the file reports, plus one byte so that the
// end shows without a second allocation. A file that reports less than it
// holds (files under /proc report 0) grows the buffer in steps that double.
qint64 nextCapacity(qint64 reported, qint64 filled)
{
    const qint64 wanted = filled == 0 ? reported + 1 : qMax<qint64>(filled * 2, 4096);
    return qMin(wanted, kMaxPhysicsFileBytes + 1);
}

} // namespace

bool readUpToLimit(qint64 reported, QByteArray &data, const std::function<qint64(char *, qint64)> &readSome)
{
    qint64 filled = 0;
    for (;;) {
        if (filled == data.size()) {
            if (filled > kMaxPhysicsFileBytes)
                break;
            data.resize(nextCapacity(reported, filled));
        }
        const qint64 count = readSome(data.data() + filled, data.size() - filled);
        if (count < 0)
            return false;
        if (count == 0)
            break;
        filled += count;
    }
    data.resize(filled);
    // The document keeps these bytes: keep them at their real size. A file
    // that reported its size left at most the one spare byte.
    if (data.capacity() - filled > 64)
        data.squeeze();
    return true;
}

} // namespace tuneks
