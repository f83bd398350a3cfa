#include "folders/FolderWalk.h"
#include "tests/support/RecordingWindow.h"
#include "tests/support/TempTree.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

namespace {

class FolderWalkTest : public ::testing::Test {
protected:
    TempTree tree;
    RecordingWindow window;
    bool stop = false;
    std::vector<std::string> added;

    bool Walk(const std::string& start) {
        return WalkSubfolders(
            start, [this](const std::string& f) { added.push_back(f); }, window, stop);
    }
    std::vector<std::string> Relative() const {
        std::vector<std::string> out;
        for (const auto& a : added)
            out.push_back(a.substr(tree.Root().size() + 1));
        return out;
    }
};

TEST_F(FolderWalkTest, WalksBreadthFirstAndCountsTheQueue) {
    tree.CreateDir("a/deep/deeper");
    tree.CreateDir("b");
    tree.CreateFile("a/file", "files are skipped");
    ASSERT_TRUE(Walk(tree.Root()));
    auto rel = Relative();
    ASSERT_EQ(rel.size(), 4u);
    // Both children of the root come before any grandchild.
    std::vector<std::string> level1(rel.begin(), rel.begin() + 2);
    std::sort(level1.begin(), level1.end());
    EXPECT_EQ(level1, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(rel[2], "a/deep");
    EXPECT_EQ(rel[3], "a/deep/deeper");
    EXPECT_EQ(window.statuses,
              (std::vector<std::string>{
                  "Reading directories.. 2 found.", "Reading directories.. 3 found.",
                  "Reading directories.. 4 found.", "Reading directories.. 5 found.", "Ready."}));
}

TEST_F(FolderWalkTest, LeavesOutHiddenTreesAndNeverFollowsLinks) {
    tree.CreateDir(".hidden/visible-below");
    tree.CreateDir("shown");
    tree.CreateSymlink("loop", tree.Root());
    tree.CreateSymlink("shown/elsewhere", "/usr");
    ASSERT_TRUE(Walk(tree.Root()));
    EXPECT_EQ(Relative(), (std::vector<std::string>{"shown"}));
}

TEST_F(FolderWalkTest, AHiddenStartFolderIsStillWalked) {
    tree.CreateDir(".config/app");
    ASSERT_TRUE(Walk(tree.Path(".config")));
    EXPECT_EQ(Relative(), (std::vector<std::string>{".config/app"}));
}

TEST_F(FolderWalkTest, StopEndsTheWalkAfterTheCurrentEntry) {
    for (int i = 0; i < 5; ++i)
        tree.CreateDir("d" + std::to_string(i) + "/child");
    window.onPump = [this](int) { stop = true; };
    EXPECT_FALSE(Walk(tree.Root()));
    EXPECT_EQ(added.size(), 1u);
    // A stopped walk still says "Ready."; the caller reports the cancellation.
    EXPECT_EQ(window.statuses.back(), "Ready.");
}

TEST_F(FolderWalkTest, ReadersAheadOfTheWalkChangeNothing) {
    for (int a = 0; a < 5; ++a)
        for (int b = 0; b < 4; ++b) {
            tree.CreateDir("t" + std::to_string(a) + "/u" + std::to_string(b) + "/v");
            tree.CreateFile("t" + std::to_string(a) + "/f" + std::to_string(b), "x");
        }
    tree.CreateDir("t0/.hidden/below");
    // More folders than the readers keep listed ahead, and one folder whose entries fill
    // several reads of the kernel's listing.
    for (int m = 0; m < 300; ++m)
        tree.CreateDir("many/m" + std::to_string(m));
    for (int f = 0; f < 3000; ++f)
        tree.CreateFile("wide/a-file-with-a-long-enough-name-" + std::to_string(f), "");
    auto walk = [&](int readers) {
        std::vector<std::string> found;
        RecordingWindow w;
        FolderFiles files;
        WalkSubfolders(
            tree.Root(), [&](const std::string& f) { found.push_back(f); }, w, stop, &files,
            readers);
        FolderFiles::Listing listing, wide;
        EXPECT_TRUE(files.Take(tree.Path("t3"), listing));
        EXPECT_TRUE(files.Take(tree.Path("wide"), wide));
        return std::make_tuple(found, w.statuses, listing.names, listing.stamps.size(), wide.names,
                               wide.stamps.size());
    };
    const auto alone = walk(0);
    EXPECT_EQ(std::get<0>(alone).size(), 347u);
    EXPECT_EQ(std::get<3>(alone), 4u);
    EXPECT_EQ(std::get<5>(alone), 3000u);
    EXPECT_EQ(std::count(std::get<4>(alone).begin(), std::get<4>(alone).end(), '\0'), 3000);
    for (int readers : {1, 4})
        EXPECT_EQ(walk(readers), alone);
}

TEST_F(FolderWalkTest, FoldersWithoutSubfoldersStillLetInputIn) {
    // The last level writes no status line; a clock that moves on lets messages run between
    // its folders all the same, and a Stop! pressed there ends the walk.
    for (int i = 0; i < 6; ++i)
        tree.CreateDir("leaf" + std::to_string(i));
    window.tickStep = 25;
    window.onPump = [this](int) {
        if (window.log.size() >= 2 && window.log[window.log.size() - 2].rfind("status:", 0) != 0)
            stop = true;
    };
    EXPECT_FALSE(Walk(tree.Root()));
    EXPECT_EQ(added.size(), 6u);
    EXPECT_EQ(window.statuses.size(), 7u); // every folder found, then "Ready."
    EXPECT_GT(window.pumps, 7);
}

TEST_F(FolderWalkTest, AStillClockAddsNoPumps) {
    for (int i = 0; i < 6; ++i)
        tree.CreateDir("leaf" + std::to_string(i) + "/below");
    ASSERT_TRUE(Walk(tree.Root()));
    EXPECT_EQ(window.pumps, static_cast<int>(window.statuses.size()));
}

TEST_F(FolderWalkTest, AMissingFolderYieldsNothing) {
    EXPECT_TRUE(Walk(tree.Path("missing")));
    EXPECT_TRUE(added.empty());
    EXPECT_EQ(window.statuses, (std::vector<std::string>{"Ready."}));
}

} // namespace
