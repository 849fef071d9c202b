// A disk that fills up during a save. The process-wide file size limit makes
// every write past the limit fail as on a full disk (with SIGXFSZ ignored the
// write returns short or fails with EFBIG instead of killing the process), so
// these tests live in an executable of their own.
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

    // From now on no file of this process can grow past `bytes`.
    void fillDiskAt(qint64 bytes)
    {
        rlimit limit = m_saved;
        limit.rlim_cur = rlim_t(bytes);
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    }
    void freeDisk() { ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &m_saved), 0); }

private:
    rlimit m_saved{};
};

} // namespace

TEST_F(DiskFull, SaveToTheTargetKeepsTheOldFileAndTheEditsAndTellsTheUser)
{
    // Room for nothing, one byte, half the file and all but its last byte.
    const qint64 size = editedBytes().size();
    for (const qint64 room : {qint64(0), qint64(1), size / 2, size - 1}) {
        SCOPED_TRACE(room);
        host.messages.clear();
        const DocumentSnapshot before = DocumentSnapshot::of(core, form);
        const QStringList entries = folderEntries();

        fillDiskAt(room);
        core.saveCommand();
        freeDisk();

        EXPECT_TRUE(toldSaveFailed(target));
        EXPECT_TRUE(sameBytes(readFile(target), onDisk));
        EXPECT_TRUE(documentIntact(before, core, form));
        EXPECT_EQ(folderEntries(), entries) << "a temporary file was left behind";
    }
    // With room for exactly the file the same document is saved completely.
    host.messages.clear();
    fillDiskAt(size);
    core.saveCommand();
    freeDisk();
    EXPECT_TRUE(host.messages.isEmpty()) << host.lastText().toStdString();
    EXPECT_TRUE(sameBytes(readFile(target), editedBytes()));
    EXPECT_FALSE(core.doc().AvtoSoxranenie);
}

TEST_F(DiskFull, SaveAsToANewNameLeavesNoFileAndKeepsTheOldTarget)
{
    const QString other = path(QStringLiteral("other.ini"));
    const DocumentSnapshot before = DocumentSnapshot::of(core, form);
    fillDiskAt(editedBytes().size() / 2);
    host.saveNames.append(other);
    core.saveAsCommand();
    freeDisk();

    EXPECT_TRUE(toldSaveFailed(other));
    EXPECT_FALSE(QFileInfo::exists(other));
    EXPECT_TRUE(documentIntact(before, core, form)); // the old save target too
    // The next plain Save still goes to the old target, without a dialog.
    core.saveCommand();
    EXPECT_EQ(host.saveDialogs, 2); // the one in SetUp and the failed Save As
    EXPECT_TRUE(sameBytes(readFile(target), editedBytes()));
}

TEST_F(DiskFull, ACrashInTheMiddleOfASaveLeavesTheOldFile)
{
    // The child process saves and is killed by the file size signal halfway
    // through the write, as a power cut or a crash would stop it.
    const QStringList entries = folderEntries();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit noCoreFile{0, 0};
        setrlimit(RLIMIT_CORE, &noCoreFile);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = rlim_t(editedBytes().size() / 2);
        setrlimit(RLIMIT_FSIZE, &limit);
        core.saveCommand();
        _exit(0); // not reached: the signal ends the process
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the save was not stopped";
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
    EXPECT_TRUE(sameBytes(readFile(target), onDisk));
    EXPECT_EQ(folderEntries(), entries) << "a half-written file was left behind";
}
