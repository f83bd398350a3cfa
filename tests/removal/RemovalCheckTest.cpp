// The check right before the shell: each file must still be what the search saw and have a kept
// copy that is still byte for byte the same. Every case runs on a real tree.
#include "removal/RemovalCheck.h"
#include "platform/IoFaults.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

SeenFile Seen(const std::string& path) {
    SeenFile f{path, {}};
    EXPECT_TRUE(platform::StampOf(path, f.stamp)) << path;
    return f;
}

// Puts back the modification time a file had, as a tool that preserves times would.
void RestoreTime(const std::string& path, const platform::FileStamp& stamp) {
    const struct timespec times[2] = {{0, UTIME_OMIT},
                                      {static_cast<time_t>(stamp.modified / 1000000000),
                                       static_cast<long>(stamp.modified % 1000000000)}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
}

// Records every turn it gets and cancels once it has allowed that many.
struct Progress : OperationProgress {
    std::size_t allow = SIZE_MAX;
    std::vector<int> advances;
    void Begin(const std::string&, int) override {}
    bool Advance(int done, const std::string&) override {
        advances.push_back(done);
        return advances.size() <= allow;
    }
    void End() override {}
};

class RemovalCheckTest : public ::testing::Test {
protected:
    // a/f.txt goes, b/f.txt stays; both were identical when seen.
    void SetUp() override {
        gone = tree.CreatePatternFile("a/f.txt", 300000, 5);
        kept = tree.CreatePatternFile("b/f.txt", 300000, 5);
    }
    PlannedRemoval Plan() {
        PlannedRemoval p;
        p.file = Seen(gone);
        p.group = 1;
        p.kept = {Seen(kept)};
        return p;
    }
    CheckResult CheckOne(const PlannedRemoval& p) {
        const std::vector<CheckResult> r = CheckRemovals({p}, nullptr);
        return r.at(0);
    }

    TempTree tree;
    std::string gone, kept;
};

TEST_F(RemovalCheckTest, AnUnchangedCopyWithAnIdenticalKeptOnePasses) {
    EXPECT_EQ(CheckOne(Plan()), CheckResult::Passed);
}

TEST_F(RemovalCheckTest, ACopyEditedSinceTheSearchIsKept) {
    const PlannedRemoval p = Plan();
    tree.CreateFile("a/f.txt", "edited after the search");
    EXPECT_EQ(CheckOne(p), CheckResult::Changed);
    // Same length, other bytes, the old time put back: the time of the status change tells,
    // once its clock has ticked.
    tree.CreatePatternFile("a/f.txt", 300000, 5);
    const PlannedRemoval q = Plan();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    tree.CreatePatternFile("a/f.txt", 300000, 6);
    RestoreTime(gone, q.file.stamp);
    EXPECT_EQ(CheckOne(q), CheckResult::Changed);
    // An edit within the same tick leaves the stamp as it was: the bytes tell.
    const PlannedRemoval r = Plan();
    EXPECT_EQ(CheckOne(r), CheckResult::NoKeptCopy);
}

TEST_F(RemovalCheckTest, AKeptCopyThatIsGoneOrNoLongerTheSameKeepsTheFile) {
    const PlannedRemoval p = Plan();
    tree.Remove("b/f.txt");
    EXPECT_EQ(CheckOne(p), CheckResult::NoKeptCopy);

    // Replaced by a save that writes a new file and renames it over the old one: whatever it
    // holds, it is not the copy the search compared.
    tree.CreatePatternFile("b/f.txt", 300000, 5);
    const PlannedRemoval q = Plan();
    tree.CreatePatternFile("b/f.txt.new", 300000, 5);
    ASSERT_EQ(std::rename(tree.Path("b/f.txt.new").c_str(), kept.c_str()), 0);
    EXPECT_EQ(CheckOne(q), CheckResult::NoKeptCopy);

    // Edited in place with its time put back: compared byte for byte, it differs.
    const PlannedRemoval r = Plan();
    tree.CreatePatternFile("b/f.txt", 300000, 9);
    RestoreTime(kept, r.kept[0].stamp);
    EXPECT_EQ(CheckOne(r), CheckResult::NoKeptCopy);
}

TEST_F(RemovalCheckTest, AKeptCopyReplacedByALinkFifoOrHardLinkToTheFileDoesNotCount) {
    const PlannedRemoval p = Plan();
    tree.Remove("b/f.txt");
    tree.CreateSymlink("b/f.txt", gone);
    EXPECT_EQ(CheckOne(p), CheckResult::NoKeptCopy);
    tree.Remove("b/f.txt");
    tree.CreateFifo("b/f.txt");
    EXPECT_EQ(CheckOne(p), CheckResult::NoKeptCopy);
    // A hard link to the file that goes: removing it would leave the content nowhere else.
    // Making the link is a status change of that file too, which a tick later shows as well.
    tree.Remove("b/f.txt");
    tree.CreateHardLink("b/f.txt", "a/f.txt");
    EXPECT_NE(CheckOne(p), CheckResult::Passed);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    tree.Remove("b/f.txt");
    tree.CreateHardLink("b/f.txt", "a/f.txt");
    EXPECT_EQ(CheckOne(p), CheckResult::Changed);
}

TEST_F(RemovalCheckTest, AnyKeptCopyThatIsStillTheSameWillDo) {
    const std::string third = tree.CreatePatternFile("c/f.txt", 300000, 5);
    PlannedRemoval p = Plan();
    p.kept.push_back(Seen(third));
    tree.Remove("b/f.txt");
    EXPECT_EQ(CheckOne(p), CheckResult::Passed);
}

TEST_F(RemovalCheckTest, TheLastLookCatchesAChangeAfterTheCheck) {
    const std::string third = tree.CreatePatternFile("c/f.txt", 300000, 5);
    PlannedRemoval p = Plan();
    p.kept.push_back(Seen(third));
    std::vector<int> matched;
    std::vector<CheckResult> checks = CheckRemovals({p}, nullptr, &matched);
    ASSERT_EQ(checks, std::vector<CheckResult>{CheckResult::Passed});
    ASSERT_EQ(matched, std::vector<int>{0});
    RecheckPassed({p}, matched, checks);
    EXPECT_EQ(checks[0], CheckResult::Passed);
    // The copy it was compared with goes meanwhile; the other one was never compared.
    tree.Remove("b/f.txt");
    RecheckPassed({p}, matched, checks);
    EXPECT_EQ(checks[0], CheckResult::Changed);
}

TEST_F(RemovalCheckTest, AKeptCopyThatCannotBeReadDoesNotCount) {
    struct FailKept : platform::IoFaults {
        std::string path;
        bool FailRead(const std::string& p, std::int64_t offset) override {
            return p == path && offset > 0;
        }
    } faults;
    faults.path = kept;
    platform::ScopedIoFaults scope(faults);
    EXPECT_EQ(CheckOne(Plan()), CheckResult::NoKeptCopy);
}

TEST_F(RemovalCheckTest, AWholeGroupIsNotComparedButMustBeUnchanged) {
    PlannedRemoval p = Plan();
    p.kept.clear();
    p.wholeGroup = true;
    EXPECT_EQ(CheckOne(p), CheckResult::Passed);
    tree.CreateFile("a/f.txt", "edited");
    EXPECT_EQ(CheckOne(p), CheckResult::Changed);
    tree.Remove("a/f.txt");
    EXPECT_EQ(CheckOne(p), CheckResult::Changed);
}

TEST_F(RemovalCheckTest, ACancelStopsAtTheFileItFallsOn) {
    const std::string other = tree.CreatePatternFile("a/g.txt", 1000, 8);
    const std::string otherKept = tree.CreatePatternFile("b/g.txt", 1000, 8);
    PlannedRemoval second;
    second.file = Seen(other);
    second.kept = {Seen(otherKept)};
    Progress progress;
    progress.allow = 1;
    const std::vector<CheckResult> r = CheckRemovals({Plan(), second}, &progress);
    EXPECT_EQ(r, (std::vector<CheckResult>{CheckResult::Passed, CheckResult::Cancelled}));

    // Within one large pair the window gets a turn every 16 MiB, and a cancel there stops too.
    const std::string big = tree.CreatePatternFile("a/big", (33 << 20) + 7, 3);
    const std::string bigKept = tree.CreatePatternFile("b/big", (33 << 20) + 7, 3);
    PlannedRemoval large;
    large.file = Seen(big);
    large.kept = {Seen(bigKept)};
    Progress turns;
    EXPECT_EQ(CheckRemovals({large}, &turns), std::vector<CheckResult>{CheckResult::Passed});
    EXPECT_EQ(turns.advances, (std::vector<int>{0, 0, 0}));
    Progress cancel;
    cancel.allow = 2;
    EXPECT_EQ(CheckRemovals({large}, &cancel), std::vector<CheckResult>{CheckResult::Cancelled});
}

} // namespace
