// A disk that fills up during a save. The process-wide file size limit makes
// every write past it fail as on a full disk (with SIGXFSZ ignored the write
// returns short or fails with EFBIG), so these tests have an executable of
// their own.
#include "faultfixture.h"

#include <gtest/gtest.h>

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
    for (const auto &row : rows) {
        SCOPED_TRACE(testing::Message() << row.room << (row.saveAs ? " Save As" : " Save"));
        host.messages.clear();
        const DocumentSnapshot before = DocumentSnapshot::of(core, form);
        const QStringList entries = folderEntries();
        if (row.saveAs)
            host.saveNames.append(other);
        withRoomFor(row.room, [&] { row.saveAs ? core.saveAsCommand() : core.saveCommand(); });
        EXPECT_TRUE(toldSaveFailed(row.saveAs ? other : target));
        EXPECT_TRUE(sameBytes(readFile(target), onDisk));
        EXPECT_TRUE(documentIntact(before, core, form)); // the save target too
        EXPECT_EQ(folderEntries(), entries) << "a temporary or half-written file was left behind";
    }
    // With room for exactly the file a plain Save writes it completely to
    // the old target, without a dialog.
    host.messages.clear();
    withRoomFor(size, [&] { core.saveCommand(); });
    EXPECT_TRUE(host.messages.isEmpty()) << host.lastText().toStdString();
    EXPECT_EQ(host.saveDialogs, 2); // the one in SetUp and the failed Save As
    EXPECT_TRUE(sameBytes(readFile(target), editedBytes()));
    EXPECT_FALSE(core.doc().AvtoSoxranenie);
}

TEST_F(DiskFull, ACrashInTheMiddleOfASaveLeavesTheOldFile)
{
    // A child process saves and is killed by the file size signal halfway
    // through the write, as a crash or a power cut would stop it.
    const QStringList entries = folderEntries();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit noCoreFile{0, 0};
        setrlimit(RLIMIT_CORE, &noCoreFile);
        withRoomFor(editedBytes().size() / 2, [&] { core.saveCommand(); });
        _exit(0); // not reached: the signal ends the process
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the save was not stopped";
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
    EXPECT_TRUE(sameBytes(readFile(target), onDisk));
    EXPECT_EQ(folderEntries(), entries) << "a half-written file was left behind";
}
