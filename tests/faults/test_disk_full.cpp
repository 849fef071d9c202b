// A disk that fills up during a save. The process-wide file size limit makes
// every write past it fail as on a full disk (with SIGXFSZ ignored the write
// returns short or fails with EFBIG), so these tests have an executable of
// their own.
#include "childprocess.h"
#include "faultfixture.h"

#include <QFile>

#include <csignal>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class DiskFull : public EditedDocument {
protected:
    void SetUp() override
    {
        std::signal(SIGXFSZ, SIG_IGN);
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &m_saved), 0);
        EditedDocument::SetUp();
    }
    void TearDown() override { setrlimit(RLIMIT_FSIZE, &m_saved); }

    // Runs `save` while no file of this process can grow past `room` bytes.
    template <typename Save> void withRoomFor(qint64 room, Save save)
    {
        rlimit limit = m_saved;
        limit.rlim_cur = rlim_t(room);
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
        save();
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &m_saved), 0);
    }

private:
    rlimit m_saved{};
};

} // namespace

TEST_F(DiskFull, AFailedSaveKeepsTheOldFileTheEditsAndTheTargetAndTellsTheUser)
{
    const qint64 size = editedBytes().size();
    const QString other = path(QStringLiteral("other.ini"));
    // Save with room for nothing, one byte, half the file and all but its
    // last byte; then Save As to a new name with room for half.
    const struct { qint64 room; bool saveAs; } rows[] = {
        {0, false}, {1, false}, {size / 2, false}, {size - 1, false}, {size / 2, true}};
    const int descriptors = openDescriptors();
    for (const auto &row : rows) {
        SCOPED_TRACE(testing::Message() << row.room << (row.saveAs ? " Save As" : " Save"));
        host.messages.clear();
        const FieldSnapshot before = snapshot();
        const QStringList entries = folderEntries();
        if (row.saveAs)
            host.saveNames.append(other);
        withRoomFor(row.room, [&] { row.saveAs ? mainWindow.saveAsCommand() : mainWindow.saveCommand(); });
        EXPECT_TRUE(toldSaveFailed(row.saveAs ? other : target));
        EXPECT_TRUE(sameBytes(readFile(target), onDisk));
        EXPECT_TRUE(intact(before)); // the save target too
        EXPECT_EQ(folderEntries(), entries) << "a temporary or half-written file was left behind";
        EXPECT_EQ(openDescriptors(), descriptors) << "the failed save left a file open";
    }
    // With room for exactly the file a plain Save writes it completely to
    // the old target, without a dialog.
    host.messages.clear();
    withRoomFor(size, [&] { mainWindow.saveCommand(); });
    EXPECT_TRUE(host.messages.isEmpty()) << host.lastText().toStdString();
    EXPECT_EQ(host.saveDialogs, 2); // the one in SetUp and the failed Save As
    EXPECT_TRUE(sameBytes(readFile(target), editedBytes()));
    EXPECT_FALSE(core.doc().unsavedChanges);
}

TEST_F(DiskFull, AFileWithSeveralNamesIsWrittenInPlaceAndGetsItsOldBytesBackWhenTheDiskFills)
{
    // Every name of the file must see a save, so it is written in place;
    // a write that fails halfway puts the old bytes back.
    const QString second = path(QStringLiteral("second-name.ini"));
    ASSERT_EQ(link(QFile::encodeName(target).constData(), QFile::encodeName(second).constData()), 0);
    const QStringList entries = folderEntries();
    const FieldSnapshot before = snapshot();
    const int descriptors = openDescriptors();
    withRoomFor(onDisk.size() + 1, [&] { mainWindow.saveCommand(); });
    EXPECT_EQ(openDescriptors(), descriptors);
    EXPECT_TRUE(toldSaveFailed(target));
    EXPECT_FALSE(host.lastText().contains(QStringLiteral("не удалось:"))) << "the old bytes were not put back";
    EXPECT_TRUE(sameBytes(readFile(target), onDisk));
    EXPECT_TRUE(sameBytes(readFile(second), onDisk));
    EXPECT_TRUE(intact(before));
    EXPECT_EQ(folderEntries(), entries);

    host.messages.clear();
    mainWindow.saveCommand();
    EXPECT_TRUE(host.messages.isEmpty()) << host.lastText().toStdString();
    EXPECT_TRUE(sameBytes(readFile(second), editedBytes()));
}

TEST_F(DiskFull, TheFileSizeSignalFailsTheSaveInsteadOfEndingTheEditor)
{
    // The editor runs with the signal's default action, which would end it.
    const QStringList entries = folderEntries();
    const ChildEnd end = runInChild([&] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit noCoreFile{0, 0};
        setrlimit(RLIMIT_CORE, &noCoreFile);
        withRoomFor(editedBytes().size() / 2, [&] { mainWindow.saveCommand(); });
        if (!toldSaveFailed(target))
            return 11;
        return core.doc().unsavedChanges && form.text(2) == QStringLiteral("2222.5") ? 0 : 12;
    });
    EXPECT_TRUE(end.ok()) << "exit " << end.code << ", signal " << end.signal;
    EXPECT_TRUE(sameBytes(readFile(target), onDisk));
    EXPECT_EQ(folderEntries(), entries) << "a half-written file was left behind";
}
