// Benchmarks of the document core on a 1000-line physics file, each beside
// the bare work it cannot avoid, so the figure that matters is a ratio
// measured in the same run:
//   open to filled form state  vs  reading and splitting the file into lines
//   write-back and atomic save  vs  a bare QSaveFile write of the same bytes
// plus New from each built-in car. The ratios of the medians are printed at
// the end; run with --benchmark_repetitions=N for medians over N runs.
#include "commands/choosercommands.h"
#include "codepage.h"
#include "editorcore.h"
#include "fakehost.h"
#include "formstate.h"
#include "commands/mainwindowcommands.h"
#include "samplefile.h"
#include "templates.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <cstdio>
#include <map>
#include <string>

#include <unistd.h>

using namespace tuneks;

namespace {

// A realistic 1000-line file: the first built-in car with comment lines
// after it, CR LF line ends.

struct Workspace {
    QTemporaryDir dir;
    QString input = dir.filePath(QStringLiteral("car.ini"));
    QString output = dir.filePath(QStringLiteral("saved.ini"));
    QByteArray bytes = sampleFileBytes(1000);
    Workspace()
    {
        QFile file(input);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::abort();
    }
};

Workspace &workspace()
{
    static Workspace w;
    return w;
}

// A core with a document open; Save writes to the output file.
struct OpenDocument {
    FormState form;
    FakeHost host;
    EditorCore core{form, host};
    MainWindowCommands mainWindow{core};
    explicit OpenDocument(const QString &name)
    {
        host.openNames.append(name);
        mainWindow.openCommand();
    }
};

void ReadAndSplitLines(benchmark::State &state)
{
    const QString name = workspace().input;
    for (auto _ : state) {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("cannot read");
        const QByteArray data = file.readAll();
        QVector<QByteArray> lines;
        qsizetype start = 0;
        while (start < data.size()) {
            qsizetype end = data.indexOf('\r', start);
            if (end < 0)
                end = data.size();
            lines.append(data.mid(start, end - start));
            start = end + 1;
            if (start < data.size() && data.at(start) == '\n')
                ++start;
        }
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(ReadAndSplitLines);

void OpenToFilledFormState(benchmark::State &state)
{
    OpenDocument doc(workspace().input);
    if (doc.core.doc().lines.size() != 1000 || !doc.host.messages.isEmpty())
        state.SkipWithError("the file was not loaded");
    for (auto _ : state) {
        doc.host.openNames.append(workspace().input);
        doc.mainWindow.openCommand();
        benchmark::DoNotOptimize(doc.form.text(2));
    }
    if (doc.form.text(2) != QStringLiteral("1439.0"))
        state.SkipWithError("the form was not filled");
}
BENCHMARK(OpenToFilledFormState);

void BareSaveFileWrite(benchmark::State &state)
{
    // The bytes an unchanged save writes: the sound lists gain a blank.
    OpenDocument doc(workspace().input);
    QByteArray bytes;
    for (const QByteArray &line : doc.core.documentLines())
        bytes += line + "\r\n";
    for (auto _ : state) {
        QSaveFile file(workspace().output);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            state.SkipWithError("cannot write");
    }
}
BENCHMARK(BareSaveFileWrite);

void WriteBackAndSave(benchmark::State &state)
{
    OpenDocument doc(workspace().input);
    doc.host.saveNames.append(workspace().output);
    doc.host.answers.append(MessageAnswer::Yes); // replace the file of an earlier run
    doc.mainWindow.saveAsCommand();
    if (!doc.host.messages.isEmpty() && doc.host.messages.size() != 1)
        state.SkipWithError("the first save failed");
    for (auto _ : state) {
        // An edit, so the write-back has a value to put into its line.
        doc.core.typeText(2, (state.iterations() & 1) ? QStringLiteral("1439.5") : QStringLiteral("1439.0"));
        doc.mainWindow.saveCommand();
    }
    if (doc.core.doc().unsavedChanges)
        state.SkipWithError("the save did not write");
}
BENCHMARK(WriteBackAndSave);

void NewFromTemplate(benchmark::State &state)
{
    FormState form;
    FakeHost host;
    EditorCore core(form, host);
    ChooserCommands chooser(core);
    const auto choice = state.range(0) == 0 ? FormState::PorscheChoice : FormState::LamborghiniChoice;
    form.setChooserOption(choice);
    for (auto _ : state) {
        chooser.create();
        benchmark::DoNotOptimize(core.doc().lines.size());
    }
    state.SetLabel(choice == FormState::PorscheChoice ? "Porsche" : "Lamborghini");
}
BENCHMARK(NewFromTemplate)->Arg(0)->Arg(1);

// Where the open's time goes beyond reading: every field value is decoded
// from Windows-1251 on its own, through the core's table. The same values
// through one of Qt's decoders, made once, are the comparison.
QVector<QByteArray> fieldValues()
{
    QVector<QByteArray> values;
    for (const QByteArray &line : Templates::porsche())
        if (line.contains('='))
            values.append(line.mid(line.indexOf('=') + 1));
    return values.mid(0, 71);
}

void DecodeFieldValuesOneByOne(benchmark::State &state)
{
    const QVector<QByteArray> values = fieldValues();
    for (auto _ : state)
        for (const QByteArray &value : values)
            benchmark::DoNotOptimize(Codepage::decode(value));
    state.SetItemsProcessed(state.iterations() * values.size());
}
BENCHMARK(DecodeFieldValuesOneByOne);

void DecodeFieldValuesWithOneDecoder(benchmark::State &state)
{
    const QVector<QByteArray> values = fieldValues();
    QStringDecoder decoder("windows-1251");
    for (auto _ : state)
        for (const QByteArray &value : values)
            benchmark::DoNotOptimize(QString(decoder.decode(value)));
    state.SetItemsProcessed(state.iterations() * values.size());
}
BENCHMARK(DecodeFieldValuesWithOneDecoder);

// Prints as the console does and keeps each benchmark's median (or its only
// run) so that the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, so a saved log stays readable.
    RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            const std::string name = run.run_name.function_name;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[name] = run.GetAdjustedRealTime();
            else if (run.run_type == Run::RT_Iteration && !medians.count(name))
                medians[name] = run.GetAdjustedRealTime();
        }
    }
    void printRatio(const char *what, const std::string &work, const std::string &floor, double target) const
    {
        if (!medians.count(work) || !medians.count(floor))
            return;
        const double ratio = medians.at(work) / medians.at(floor);
        std::printf("%-44s %6.2fx  (target at most %.1fx: %s)\n", what, ratio, target,
                    ratio <= target ? "met" : "NOT met");
    }
    std::map<std::string, double> medians;
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    reporter.printRatio("open / read and split", "OpenToFilledFormState", "ReadAndSplitLines", 1.5);
    reporter.printRatio("write-back and save / bare QSaveFile write", "WriteBackAndSave", "BareSaveFileWrite", 1.5);
    benchmark::Shutdown();
    return 0;
}
