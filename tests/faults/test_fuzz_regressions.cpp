// The fuzzer's properties, replayed over its seed corpus and over every input
// that ever broke one, so a regression shows in the normal test run.
#include "fileproperties.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tuneks;

TEST(FuzzRegressions, TheSeedsAndEveryInputThatOnceBrokeAPropertyKeepThemAll)
{
    const auto filesIn = [](const char *folder) {
        QStringList files;
        const QDir dir(QString::fromUtf8(folder));
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
            files << dir.filePath(name);
        return files;
    };
    const QStringList seeds = filesIn(FUZZ_CORPUS_DIR);
    const QStringList inputs = seeds + filesIn(FUZZ_REGRESSIONS_DIR);
    ASSERT_GE(seeds.size(), 10);
    ASSERT_GT(inputs.size(), seeds.size()) << "no regression inputs found";
    // Over real files and over files in memory, as the two fuzz targets do.
    QTemporaryDir work;
    MemoryFiles memory;
    FileProperties onDisk(work.path());
    FileProperties inMemory(QStringLiteral("/fuzz"), &memory);
    for (const QString &name : inputs) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(onDisk.check(bytes), std::string()) << name.toStdString();
        EXPECT_EQ(inMemory.check(bytes), std::string()) << "in memory: " << name.toStdString();
    }
}

