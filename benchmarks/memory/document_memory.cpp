// Opens a physics file through the document core exactly as the editor's
// Open does, then saves it with Save As, so that a heap profiler sees what a
// document costs. Prints the heap the open document holds and the process's
// peak resident size; run it under heaptrack for the peak heap
// (measure-memory.sh does both).
//
//   document_memory small   the first built-in car, about 3 KB
//   document_memory 1000    the same car padded to 1000 lines, about 60 KB
#include "editorcore.h"
#include "commands/errorscommands.h"
#include "fakehost.h"
#include "formstate.h"
#include "commands/mainwindowcommands.h"
#include "samplefile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

#include <malloc.h>
#include <sys/resource.h>

using namespace tuneks;

namespace {


// Small blocks and the large ones the allocator maps on their own.
size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2 || (std::strcmp(argv[1], "small") != 0 && std::strcmp(argv[1], "1000") != 0)) {
        std::fprintf(stderr, "usage: document_memory small|1000\n");
        return 2;
    }
    const QByteArray bytes = sampleFileBytes(std::strcmp(argv[1], "1000") == 0 ? 1000 : 0);
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("car.ini"));
    QFile file(input);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return 1;
    file.close();

    FormState form;
    FakeHost host;
    EditorCore core(form, host);
    MainWindowCommands mainWindow(core);
    ErrorsCommands errors(core);
    const size_t before = heapInUse();
    host.openNames.append(input);
    mainWindow.openCommand();
    const size_t held = heapInUse() - before;
    host.saveNames.append(dir.filePath(QStringLiteral("saved.ini")));
    mainWindow.saveAsCommand();
    if (host.isVisible(WindowId::FieldErrors))
        errors.saveAnyway();
    if (core.doc().lines.size() == 0 || !host.messages.isEmpty() || !QFile::exists(dir.filePath(QStringLiteral("saved.ini")))) {
        std::fprintf(stderr, "the file was not opened and saved\n");
        return 1;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("file %lld bytes, %d lines\nheap held by the open document %zu bytes\npeak RSS %ld KiB\n",
                static_cast<long long>(bytes.size()), int(core.doc().lines.size()), held, usage.ru_maxrss);
    return 0;
}
