// The fuzzer's properties, replayed over its seed corpus and over every input
// that ever broke one, so a regression shows in the normal test run.
#include "fileproperties.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList filesIn(const char *folder)
{
    QStringList files;
    const QDir dir(QString::fromUtf8(folder));
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
        files << dir.filePath(name);
    return files;
}

} // namespace

TEST(FuzzRegressions, TheSeedsAndEveryInputThatOnceBrokeAPropertyKeepThemAll)
{
    const QStringList seeds = filesIn(FUZZ_CORPUS_DIR);
    const QStringList inputs = seeds + filesIn(FUZZ_REGRESSIONS_DIR);
    ASSERT_GE(seeds.size(), 10);
    ASSERT_GT(inputs.size(), seeds.size()) << "no regression inputs found";
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    FileProperties properties(work.path());
    for (const QString &name : inputs) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_EQ(properties.check(file.readAll()), std::string()) << name.toStdString();
    }
}

TEST(FuzzRegressions, TheReferenceModelSplitsAndJudgesLikeAPhysicsFile)
{
    using ReferenceModel::splitLines;
    EXPECT_EQ(splitLines("a\r\nb\rc\nd"), (QVector<QByteArray>{"a", "b", "c\nd"}));
    EXPECT_EQ(splitLines("a\r\n"), QVector<QByteArray>{"a"});
    EXPECT_EQ(splitLines("\r\r"), (QVector<QByteArray>{"", ""}));
    EXPECT_TRUE(splitLines("").isEmpty());

    QVector<QByteArray> lines(100, "x");
    lines[1] = "[basic]";
    EXPECT_EQ(ReferenceModel::nameLine(lines), 1);
    lines[0] = "# comment";
    EXPECT_EQ(ReferenceModel::nameLine(lines), 0);
    lines[2] = "[basic]";
    EXPECT_EQ(ReferenceModel::nameLine(lines), 2);
    EXPECT_EQ(ReferenceModel::nameLine(lines.mid(0, 99)), 0);
    lines.resize(1001);
    EXPECT_EQ(ReferenceModel::nameLine(lines), 0);
}
