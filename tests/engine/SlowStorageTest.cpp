// The search on storage that is slow, fails or hangs, as a network share or an aging disk is:
// the test file system (tests/testfs) mounted over a tree. Mounting needs root and /dev/fuse;
// without them each test says why and is skipped.

#include "folders/FolderWalk.h"
#include "search/SearchRun.h"
#include "tests/search/SearchTestSupport.h"
#include "tests/support/DescriptorLimit.h"
#include "tests/support/TestFsMount.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using GroupList = std::vector<std::vector<std::string>>;
using Clock = std::chrono::steady_clock;

class SlowStorageTest : public SearchFixture {
protected:
    // Mounts the file system over the tree's "src" at "mnt"; false (the test then skips) where
    // it cannot.
    bool Mount(const std::vector<std::string>& options) {
        mount_ = std::make_unique<TestFsMount>(KELVARO_TESTFS, tree.Path("src"), tree.Path("mnt"),
                                               options);
        if (!mount_->Why().empty()) {
            std::printf("Skipped: %s\n", mount_->Why().c_str());
            return false;
        }
        return true;
    }

    // What kelvaro-find -r does: the walk, then the search on the folders it found.
    GroupList FindUnder(const std::string& top, int readers) {
        std::vector<std::string> folders{top};
        FolderFiles listed;
        const bool stop = false;
        WalkSubfolders(
            top, [&](const std::string& f) { folders.push_back(f); }, window, stop, &listed,
            readers);
        std::sort(folders.begin(), folders.end());
        window.folders = folders;
        SearchRun run(state, window);
        run.UseListedFolders(&listed);
        run.UseReaders(readers);
        run.FindDuplicates(window.folders);
        return Groups();
    }

    // Twelve folders of twelve files: pairs and triples among files of a few sizes.
    void MakeTree() {
        for (int d = 0; d < 12; ++d)
            for (int f = 0; f < 12; ++f) {
                const int n = d * 12 + f;
                tree.CreatePatternFile("src/d" + std::to_string(d) + "/f" + std::to_string(f),
                                       2000 + 100 * (n % 5), static_cast<unsigned>(n % 50));
            }
    }

    std::unique_ptr<TestFsMount> mount_;
};

TEST_F(SlowStorageTest, FewDescriptorsOnSlowStorageFindTheSameGroups) {
    MakeTree();
    const GroupList reference = FindUnder(tree.Path("src"), 4);
    ASSERT_EQ(reference.size(), 50u);
    if (!Mount({"--read-delay", "3", "--stat-delay", "2"}))
        GTEST_SKIP() << mount_->Why();

    // Twenty descriptors, fifteen of them taken.
    DescriptorLimit limit(20, 5);
    for (int readers : {4, 64}) {
        SCOPED_TRACE("readers " + std::to_string(readers));
        window.log.clear();
        EXPECT_EQ(FindUnder(tree.Path("mnt"), readers), reference);
        EXPECT_EQ(window.Only("unreadable:"), std::vector<std::string>{});
    }
}

TEST_F(SlowStorageTest, StopDuringAReadThatHangsAnswersAtOnce) {
    tree.CreatePatternFile("src/1/hangs", 300000, 1);
    tree.CreatePatternFile("src/2/hangs", 300000, 1);
    tree.CreatePatternFile("src/1/small", 1000, 2);
    tree.CreatePatternFile("src/2/small", 1000, 2);
    if (!Mount({"--hang-read", "hangs"}))
        GTEST_SKIP() << mount_->Why();

    // Should the run wait for the read after all, the hang ends after ten seconds and the test
    // fails rather than hangs.
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
    bool releasedByTimeout = false;
    std::thread watchdog([&] {
        std::unique_lock lock(mutex);
        if (!ended.wait_for(lock, std::chrono::seconds(10), [&] { return done; })) {
            releasedByTimeout = true;
            mount_->Release();
        }
    });

    Clock::time_point analysing{};
    Clock::time_point stopped{};
    window.tickStep = 101; // every wait for the readers shows progress and pumps
    window.onPump = [&](int) {
        if (window.statuses.empty() || window.statuses.back().rfind("Analysing", 0) != 0)
            return;
        if (analysing == Clock::time_point{})
            analysing = Clock::now();
        else if (stopped == Clock::time_point{} &&
                 Clock::now() - analysing > std::chrono::milliseconds(300)) {
            stopped = Clock::now();
            state.StopFlag = true;
        }
    };
    Run({"mnt/1", "mnt/2"}, {}, 4);
    const Clock::time_point returned = Clock::now();
    {
        std::lock_guard lock(mutex);
        done = true;
    }
    ended.notify_all();
    watchdog.join();

    ASSERT_NE(stopped, Clock::time_point{});
    EXPECT_FALSE(releasedByTimeout) << "the run waited for the read that hangs";
    EXPECT_LT(returned - stopped, std::chrono::seconds(1));
    EXPECT_EQ(window.statuses.back(), "Search operation terminated by user.");
    EXPECT_TRUE(Groups().empty());
    EXPECT_FALSE(state.Busy);

    // The next run, with the read answered, finds both pairs.
    mount_->Release();
    window.onPump = nullptr;
    Run({"mnt/1", "mnt/2"}, {}, 4);
    EXPECT_EQ(Groups(), (GroupList{{"hangs", "hangs"}, {"small", "small"}}));
}

// Runs kelvaro-find; returns its stdout and puts its stderr into err.
std::string RunFind(const std::string& args, std::string& err) {
    const std::string errFile = testing::TempDir() + "/slowstorage-stderr";
    std::string out;
    if (FILE* p = popen((std::string(KELVARO_FIND) + " " + args + " 2>" + errFile).c_str(), "r")) {
        std::array<char, 4096> buffer;
        for (std::size_t n; (n = fread(buffer.data(), 1, buffer.size(), p)) > 0;)
            out.append(buffer.data(), n);
        pclose(p);
    }
    std::stringstream text;
    text << std::ifstream(errFile).rdbuf();
    err = text.str();
    return out;
}

std::size_t Occurrences(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = 0; (at = text.find(what, at)) != std::string::npos; at += what.size())
        ++n;
    return n;
}

TEST_F(SlowStorageTest, FilesAndFoldersThatCannotBeReadAreToldOnce) {
    tree.CreatePatternFile("src/a/same", 500, 1);
    tree.CreatePatternFile("src/b/same", 500, 1);
    tree.CreatePatternFile("src/a/readfails", 700, 2);
    tree.CreatePatternFile("src/b/readfails", 700, 2);
    tree.CreatePatternFile("src/b/statfails", 500, 1);
    tree.CreatePatternFile("src/closed/same", 500, 1);
    if (!Mount({"--fail-read", "readfails", "--fail-stat", "statfails", "--fail-list", "closed"}))
        GTEST_SKIP() << mount_->Why();

    for (const char* threads : {"0", "4"}) {
        SCOPED_TRACE(std::string("threads ") + threads);
        std::string err;
        const std::string out =
            RunFind("-r --threads " + std::string(threads) + " " + tree.Path("mnt"), err);
        EXPECT_EQ(out, tree.Path("mnt/b/same") + "\n" + tree.Path("mnt/a/same") + "\n");
        for (const char* path : {"a/readfails", "b/readfails", "b/statfails", "closed"})
            EXPECT_EQ(Occurrences(err, tree.Path("mnt/" + std::string(path)) +
                                           ": cannot be read: Input/output error\n"),
                      1u)
                << err;
        EXPECT_EQ(Occurrences(err, "4 files or folders could not be read and were left out\n"), 1u)
            << err;
    }
}

TEST_F(SlowStorageTest, AShareThatChangesIdentitiesAtEveryLookGroupsNothingAndSaysSoOnce) {
    for (const char* name : {"src/a/1", "src/b/1", "src/c/1"})
        tree.CreatePatternFile(name, 900, 1);
    tree.CreatePatternFile("src/a/2", 900, 2);
    tree.CreatePatternFile("src/b/2", 900, 2);
    for (const char* unstable : {"--unstable-inodes", "--unstable-times"}) {
        SCOPED_TRACE(unstable);
        if (!Mount({unstable}))
            GTEST_SKIP() << mount_->Why();
        std::string err;
        EXPECT_EQ(RunFind("-r " + tree.Path("mnt"), err), "");
        EXPECT_EQ(Occurrences(err, "another inode number or time at every look"), 1u) << err;
        mount_.reset();
    }
}

} // namespace
