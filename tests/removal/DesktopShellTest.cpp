#include "removal/DesktopShell.h"
#include "removal/CheckedRemoval.h"
#include "removal/RemovalFaults.h"
#include "tests/support/FileChecks.h"
#include "tests/support/ScratchDisk.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A file as a search that just ran saw it, alone in its group (the user chose every copy), so
// that it goes as long as it is unchanged.
PlannedFile Alone(const std::string& path) {
    PlannedFile f;
    f.file.path = path;
    platform::StampOf(path, f.file.stamp);
    f.wholeGroup = true;
    return f;
}

RemovalResult MoveFileInto(const std::string& path, const std::string& folder) {
    CopyCheck check;
    return RemoveChecked(Alone(path), rmMove, folder, check);
}

bool Moved(const RemovalResult& r) {
    return r.status == RemovalStatus::Removed;
}

// A Trash of our own under the test tree; the data home does not exist yet.
class DesktopShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* old = std::getenv("XDG_DATA_HOME");
        if (old)
            saved_ = old;
        hadOld_ = old != nullptr;
        dataHome_ = tree_.Path("home/data");
        ::setenv("XDG_DATA_HOME", dataHome_.c_str(), 1);
    }
    void TearDown() override {
        if (hadOld_)
            ::setenv("XDG_DATA_HOME", saved_.c_str(), 1);
        else
            ::unsetenv("XDG_DATA_HOME");
    }
    // Runs one batch through the whole stack.
    bool Run(void (*add)(TShellFileOp&, const TempTree&), int method,
             const std::string& destination = {}) {
        TShellFileOp op(shell_);
        op.Animate = true;
        add(op, tree_);
        if (method == 0)
            return op.RecycleFiles();
        if (method == 1)
            return op.MoveFiles(destination);
        return op.EraseFiles();
    }

    TempTree tree_;
    ScriptedDialogs dialogs_;
    DesktopShell shell_{dialogs_};
    std::string dataHome_;
    std::string saved_;
    bool hadOld_ = false;
};

TEST_F(DesktopShellTest, RecycleWritesTrashInfoAndTheFileCanBeRestored) {
    const std::string file = tree_.CreateFile("a/copy one.txt", "contents");
    TShellFileOp op(shell_);
    op.AddFile(Alone(file));
    op.RecycleFiles();
    EXPECT_FALSE(Exists(file));
    EXPECT_TRUE(dialogs_.messages.empty());

    struct stat st;
    ASSERT_EQ(::stat(dataHome_.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    const std::string trashed = dataHome_ + "/Trash/files/copy one.txt";
    const std::string info = tree_.Read("home/data/Trash/info/copy one.txt.trashinfo");
    EXPECT_EQ(info.rfind("[Trash Info]\n", 0), 0u) << info;
    EXPECT_NE(info.find("/a/copy%20one.txt\n"), std::string::npos) << info;
    EXPECT_EQ(DecodedTrashPath(info), file) << info;
    EXPECT_NE(info.find("\nDeletionDate="), std::string::npos) << info;

    // What a file manager does to restore it.
    ASSERT_EQ(::rename(trashed.c_str(), file.c_str()), 0);
    EXPECT_EQ(tree_.Read("a/copy one.txt"), "contents");
}

TEST_F(DesktopShellTest, EraseUnlinksOnlyTheListedFiles) {
    tree_.CreateFile("a/x", "1");
    tree_.CreateFile("a/y", "2");
    Run([](TShellFileOp& op, const TempTree& t) { op.AddFile(Alone(t.Path("a/x"))); }, 2);
    EXPECT_FALSE(Exists(tree_.Path("a/x")));
    EXPECT_TRUE(Exists(tree_.Path("a/y")));
    EXPECT_FALSE(Exists(dataHome_ + "/Trash"));
}

TEST_F(DesktopShellTest, MoveOntoTakenNamesKeepsEveryFile) {
    tree_.CreateFile("archive/report.txt", "old");
    tree_.CreateFile("archive/report (2).txt", "older");
    tree_.CreateFile("a/report.txt", "first");
    tree_.CreateFile("b/report.txt", "second");
    tree_.CreateFile("a/.hidden", "h");
    tree_.CreateFile("archive/.hidden", "h0");
    Run(
        [](TShellFileOp& op, const TempTree& t) {
            op.AddFile(Alone(t.Path("a/report.txt")));
            op.AddFile(Alone(t.Path("b/report.txt")));
            op.AddFile(Alone(t.Path("a/.hidden")));
        },
        1, tree_.Path("archive"));
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_EQ(tree_.Read("archive/report.txt"), "old");
    EXPECT_EQ(tree_.Read("archive/report (2).txt"), "older");
    EXPECT_EQ(tree_.Read("archive/report (3).txt"), "first");
    EXPECT_EQ(tree_.Read("archive/report (4).txt"), "second");
    EXPECT_EQ(tree_.Read("archive/.hidden (2)"), "h");
    EXPECT_FALSE(Exists(tree_.Path("a/report.txt")));
}

TEST_F(DesktopShellTest, AFileAlreadyInTheDestinationStaysAsItIs) {
    // A copy that lies in the archive folder itself: "moving" it there would only rename it,
    // and the removal would count a file as gone that is still in place.
    tree_.CreateFile("archive/x.txt", "kept");
    tree_.CreateSymlink("alias", tree_.Path("archive"));
    dialogs_.answers = {mrOk, mrOk};
    Run(
        [](TShellFileOp& op, const TempTree& t) {
            op.AddFile(Alone(t.Path("archive/x.txt")));
            op.AddFile(Alone(t.Path("alias/x.txt")));
        },
        1, tree_.Path("archive"));
    EXPECT_EQ(tree_.Read("archive/x.txt"), "kept");
    EXPECT_FALSE(Exists(tree_.Path("archive/x (2).txt")));
    EXPECT_FALSE(Exists(tree_.Path("archive/x (3).txt")));
    EXPECT_EQ(dialogs_.messages.size(), 2u);
}

TEST_F(DesktopShellTest, MoveCreatesAMissingDestination) {
    tree_.CreateFile("a/x", "1");
    Run([](TShellFileOp& op, const TempTree& t) { op.AddFile(Alone(t.Path("a/x"))); }, 1,
        tree_.Path("new/archive"));
    EXPECT_EQ(tree_.Read("new/archive/x"), "1");
}

TEST_F(DesktopShellTest, CopyingMoveKeepsContentsModeAndTime) {
    struct CopyAlways : RemovalFaults {
        bool ForceCopy(const std::string&) override { return true; }
    } faults;
    ScopedRemovalFaults scope(faults);
    const std::string file = tree_.CreatePatternFile("a/big.bin", 300000, 7);
    ::chmod(file.c_str(), 0640);
    const struct timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
    ::utimensat(AT_FDCWD, file.c_str(), times, 0);
    const std::string before = tree_.Read("a/big.bin");
    tree_.CreateDir("archive");
    Run([](TShellFileOp& op, const TempTree& t) { op.AddFile(Alone(t.Path("a/big.bin"))); }, 1,
        tree_.Path("archive"));
    EXPECT_FALSE(Exists(file));
    EXPECT_EQ(tree_.Read("archive/big.bin"), before);
    struct stat st;
    ASSERT_EQ(::stat(tree_.Path("archive/big.bin").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(st.st_mtim.tv_sec, 1000000000);
}

TEST_F(DesktopShellTest, MoveAcrossFileSystems) {
    char pattern[] = "/dev/shm/kelvaro-move-XXXXXX";
    if (!::mkdtemp(pattern))
        GTEST_SKIP() << "no second file system to move to: " << std::strerror(errno);
    const std::string other = pattern;
    struct stat a, b;
    ::stat(other.c_str(), &a);
    ::stat(tree_.Root().c_str(), &b);
    if (a.st_dev == b.st_dev) {
        ::rmdir(other.c_str());
        GTEST_SKIP() << "the shared-memory folder is on the same file system";
    }
    const std::string file = tree_.CreatePatternFile("a/x.bin", 70000, 3);
    const std::string before = tree_.Read("a/x.bin");
    Run([](TShellFileOp& op, const TempTree& t) { op.AddFile(Alone(t.Path("a/x.bin"))); }, 1,
        other);
    EXPECT_FALSE(Exists(file));
    std::string moved;
    {
        FILE* f = std::fopen((other + "/x.bin").c_str(), "rb");
        ASSERT_NE(f, nullptr);
        char buf[4096];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
            moved.append(buf, n);
        std::fclose(f);
    }
    EXPECT_EQ(moved, before);
    ::unlink((other + "/x.bin").c_str());
    ::rmdir(other.c_str());
}

TEST_F(DesktopShellTest, FailureIsReportedWithTheSystemTextAndCancelStopsTheRest) {
    struct FailOne : RemovalFaults {
        int FailRemoval(const std::string& path) override {
            return path.find("/b") != std::string::npos ? EBUSY : 0;
        }
    } faults;
    ScopedRemovalFaults scope(faults);
    for (const char* name : {"a", "b", "c"})
        tree_.CreateFile(name, name);
    dialogs_.answers = {mrCancel};
    const bool aborted = Run(
        [](TShellFileOp& op, const TempTree& t) {
            for (const char* name : {"c", "b", "a"})
                op.AddFile(Alone(t.Path(name)));
        },
        2);
    EXPECT_TRUE(aborted);
    EXPECT_FALSE(Exists(tree_.Path("a")));
    EXPECT_TRUE(Exists(tree_.Path("b")));
    EXPECT_TRUE(Exists(tree_.Path("c"))); // after the cancel nothing more is touched
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    const MessageRequest& m = dialogs_.messages[0];
    EXPECT_EQ(m.type, MsgType::Error);
    EXPECT_EQ(m.buttons, MsgButtons::OkCancel);
    EXPECT_NE(m.text.find(tree_.Path("b")), std::string::npos) << m.text;
    EXPECT_NE(m.text.find(std::strerror(EBUSY)), std::string::npos) << m.text;
}

TEST_F(DesktopShellTest, OkAfterAFailureGoesOnAndAFileGoneMeanwhileIsNoFailure) {
    struct FailB : RemovalFaults {
        int FailRemoval(const std::string& path) override {
            return path.find("/b") != std::string::npos ? EIO : 0;
        }
    } faults;
    ScopedRemovalFaults scope(faults);
    tree_.CreateFile("a-gone", "a");
    tree_.CreateFile("b", "b");
    tree_.CreateFile("c", "c");
    dialogs_.answers = {mrOk};
    TShellFileOp op(shell_);
    for (const char* name : {"a-gone", "b", "c"})
        op.AddFile(Alone(tree_.Path(name)));
    tree_.Remove("a-gone");
    EXPECT_FALSE(op.RecycleFiles());
    EXPECT_EQ(dialogs_.messages.size(), 1u);
    ASSERT_EQ(op.Results().size(), 3u);
    EXPECT_EQ(op.Results()[0].status, RemovalStatus::Gone);
    EXPECT_EQ(op.Results()[1].status, RemovalStatus::Failed);
    EXPECT_EQ(op.Results()[1].error, std::strerror(EIO));
    EXPECT_EQ(op.Results()[2].status, RemovalStatus::Removed);
    EXPECT_EQ(op.Results()[2].target, dataHome_ + "/Trash/files/c");
    EXPECT_FALSE(Exists(tree_.Path("c")));
}

TEST_F(DesktopShellTest, ALongNameMovedOntoATakenOneGetsAShortenedFreeName) {
    const std::string name = std::string(251, 'n') + ".txt";
    tree_.CreateFile("archive/" + name, "already there");
    const std::string file = tree_.CreateFile("a/" + name, "moved");
    const RemovalResult outcome = MoveFileInto(file, tree_.Path("archive"));
    ASSERT_TRUE(Moved(outcome)) << outcome.error;
    EXPECT_EQ(outcome.target, tree_.Path("archive/" + std::string(247, 'n') + " (2).txt"));
    EXPECT_EQ(ReadAll(outcome.target), "moved");
    EXPECT_EQ(tree_.Read("archive/" + name), "already there");
}

TEST_F(DesktopShellTest, ACopyingMoveLeavesNoTemporaryFile) {
    struct CopyAlways : RemovalFaults {
        bool ForceCopy(const std::string&) override { return true; }
    } faults;
    ScopedRemovalFaults scope(faults);
    tree_.CreateFile("archive/x.bin", "taken");
    const std::string file = tree_.CreatePatternFile("a/x.bin", 5000, 2);
    const RemovalResult outcome = MoveFileInto(file, tree_.Path("archive"));
    ASSERT_TRUE(Moved(outcome)) << outcome.error;
    const auto archive = FilesUnder(tree_.Path("archive"));
    EXPECT_EQ(archive.size(), 2u);
    EXPECT_EQ(archive.at("x.bin"), "taken");
    EXPECT_EQ(archive.at("x (2).bin").size(), 5000u);
}

// A move onto a file system too small for the file: the copy fails half way, and neither a cut
// file nor a hidden one is left in the archive.
TEST_F(DesktopShellTest, AMoveOntoAFullFileSystemLeavesTheSourceAndNothingElse) {
    const ScratchDisk scratch(tree_.CreateDir("disk"), "64k");
    if (!scratch.Mounted())
        GTEST_SKIP() << "no small file system to fill: " << scratch.Error();
    const std::string& disk = scratch.Path();
    const std::string big = tree_.CreatePatternFile("a/big.bin", 300000, 4);
    const std::string before = tree_.Read("a/big.bin");
    EXPECT_FALSE(Moved(MoveFileInto(big, disk)));
    EXPECT_EQ(tree_.Read("a/big.bin"), before);
    EXPECT_TRUE(std::filesystem::is_empty(disk));

    const std::string small = tree_.CreatePatternFile("a/small.bin", 10000, 4);
    const RemovalResult outcome = MoveFileInto(small, disk);
    ASSERT_TRUE(Moved(outcome)) << outcome.error;
    EXPECT_FALSE(Exists(small));
    const auto moved = FilesUnder(disk);
    EXPECT_EQ(moved.size(), 1u);
    EXPECT_EQ(moved.at("small.bin"), before.substr(0, 10000));
}

TEST(DesktopShellMoveTest, AnEmptyDestinationMovesNothing) {
    TempTree tree;
    const std::string file = tree.CreateFile("keep.txt", "stays");
    EXPECT_FALSE(Moved(MoveFileInto(file, "")));
    EXPECT_EQ(tree.Read("keep.txt"), "stays");
}

} // namespace
