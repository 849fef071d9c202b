// libFuzzer target: arbitrary bytes as a physics file, through loading,
// recognition, distribution and write-back, with the files kept in memory.
// It checks the same properties as fuzz_physics_file (see fileproperties.h)
// many times faster; that target keeps the real file writer under test.
#include "fileproperties.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace tuneks;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static MemoryFiles files;
    static FileProperties properties(QStringLiteral("/fuzz"), &files);
    const std::string failure =
        properties.check(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!failure.empty()) {
        std::fprintf(stderr, "\nProperty failed: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
