// libFuzzer target: arbitrary bytes as a physics file, through loading,
// recognition, distribution, write-back and the file writer. Any property
// that fails (see fileproperties.h) aborts with its description, so the
// fuzzer keeps the input that broke it.
#include "fileproperties.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace tuneks;

namespace {

// Every input is written and read back through real files; a folder in
// memory keeps that fast where the machine has one.
QString workRoot()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    return shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir(workRoot() + QStringLiteral("/tuneks-fuzz-XXXXXX"));
    static FileProperties properties(dir.path());
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot create a work folder\n");
        std::abort();
    }
    const std::string failure =
        properties.check(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!failure.empty()) {
        std::fprintf(stderr, "\nProperty failed: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
