#include "platform/FolderHandles.h"
#include "platform/IoFaults.h"
#include "platform/ReaderDescriptors.h"
#include "tests/search/SearchTestSupport.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>

namespace {

using GroupList = std::vector<std::vector<std::string>>;

// Fails the opens and reads of the named paths and counts every open asked for.
class Faults : public platform::IoFaults {
public:
    std::set<std::string> failOpen;
    std::set<std::string> failRead;
    std::vector<std::string> opened;
    bool FailOpen(const std::string& path) override {
        opened.push_back(path);
        return failOpen.count(path) > 0;
    }
    bool FailRead(const std::string& path, std::int64_t) override {
        return failRead.count(path) > 0;
    }
};

std::vector<std::string> Sorted(std::vector<std::string> v) {
    std::sort(v.begin(), v.end());
    return v;
}

class SearchPlatformTest : public SearchFixture {};

TEST_F(SearchPlatformTest, AHardLinkIsNeverACopyOfItself) {
    tree.CreateFile("1/original", "only one copy on disk");
    tree.CreateHardLink("2/link", "1/original");
    Run({"1", "2"});
    EXPECT_TRUE(Groups().empty());
}

TEST_F(SearchPlatformTest, AGroupNeverHoldsOneFileTwice) {
    // A real copy plus a hard link to it: each matches the copy, but only one of the two names
    // may join, or removing "the duplicates" could take every copy.
    tree.CreateFile("1/a", "payload");
    tree.CreateFile("2/b", "payload");
    tree.CreateHardLink("3/b-link", "2/b");
    Run({"1", "2", "3"});
    auto groups = Groups();
    ASSERT_EQ(groups.size(), 1u);
    ASSERT_EQ(groups[0].size(), 2u);
    EXPECT_NE(std::find(groups[0].begin(), groups[0].end(), "a"), groups[0].end());
}

TEST_F(SearchPlatformTest, AFolderReachedTwiceGivesNoPairs) {
    tree.CreateFile("data/x", "one file");
    tree.CreateFile("data/y", "another");
    tree.CreateSymlink("alias", tree.Path("data"));
    // The same folder by two spellings: every file is there twice, and none is a duplicate.
    Run({"data", "alias", "data/./"});
    EXPECT_TRUE(Groups().empty());
    EXPECT_EQ(window.counters[SearchCounter::FilesDetected], "6");
}

TEST_F(SearchPlatformTest, AFileIsInOneGroupAtMost) {
    // Two copies, each reached by two paths: two groups of the same two files would let
    // "Select by Folder" keep a different name of each row and remove both copies.
    tree.CreateFile("data/a", "twin");
    tree.CreateFile("data/b", "twin");
    tree.CreateSymlink("alias", tree.Path("data"));
    Run({"data", "alias"});
    std::set<std::pair<dev_t, ino_t>> seen;
    int cells = 0;
    SearchRun run(state, window);
    for (std::int64_t i = 0; i < state.FileList.Count(); ++i) {
        platform::FileIdentity id;
        ASSERT_TRUE(platform::Identify(run.GetFilePath(i), id));
        seen.insert({id.device, id.inode});
        ++cells;
    }
    EXPECT_EQ(Groups().size(), 1u);
    EXPECT_EQ(cells, 2);
    EXPECT_EQ(seen.size(), 2u);
}

TEST_F(SearchPlatformTest, OnlyRegularFilesAreIndexed) {
    tree.CreateFile("1/real", "contents");
    tree.CreateSymlink("1/link", tree.Path("1/real"));
    tree.CreateSymlink("1/dangling", tree.Path("1/nowhere"));
    tree.CreateFifo("1/fifo");
    tree.CreateDir("1/folder");
    Run({"1"});
    EXPECT_EQ(window.counters[SearchCounter::FilesDetected], "1");
    EXPECT_TRUE(Groups().empty());
}

TEST_F(SearchPlatformTest, NamesThatAreNotUtf8AreFoundByteExact) {
    const std::string odd = "caf\xe9\xff.txt";
    tree.CreateFile("1/" + odd, "same");
    tree.CreateFile("2/plain", "same");
    Run({"1", "2"});
    auto groups = Groups();
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(Sorted(groups[0]), Sorted({odd, "plain"}));
    SearchRun run(state, window);
    std::set<std::string> paths;
    for (std::int64_t i = 0; i < state.FileList.Count(); ++i)
        paths.insert(run.GetFilePath(i));
    EXPECT_TRUE(paths.count(tree.Path("1/" + odd)));
    EXPECT_TRUE(std::filesystem::exists(tree.Path("1/" + odd)));
}

TEST_F(SearchPlatformTest, FilesOfDifferentSizesAreNeverOpened) {
    tree.CreateFile("1/short", "abc");
    tree.CreateFile("1/longer", "abcd");
    tree.CreateFile("1/empty1", "");
    tree.CreateFile("1/empty2", "");
    Faults faults;
    platform::ScopedIoFaults scope(faults);
    Run({"1"});
    EXPECT_TRUE(faults.opened.empty());
}

TEST_F(SearchPlatformTest, AnUnopenableFileNeverGroupsButItsTwinsStillDo) {
    tree.CreateFile("1/a", "triplet");
    tree.CreateFile("2/b", "triplet");
    tree.CreateFile("3/c", "triplet");
    Faults faults;
    // Sorted order of three is c, b, a: make the would-be representative unopenable.
    faults.failOpen.insert(tree.Path("3/c"));
    platform::ScopedIoFaults scope(faults);
    Run({"1", "2", "3"});
    EXPECT_EQ(Groups(), (GroupList{{"b", "a"}}));
    EXPECT_EQ(state.FileList.Count(), 2);
}

TEST_F(SearchPlatformTest, AFailedReadNeverMakesAPair) {
    tree.CreatePatternFile("1/a", 5000, 9);
    tree.CreatePatternFile("2/b", 5000, 9);
    Faults faults;
    faults.failRead.insert(tree.Path("2/b"));
    platform::ScopedIoFaults scope(faults);
    Run({"1", "2"});
    EXPECT_TRUE(Groups().empty());
}

// Changes a file once the analysis has started, at the pump of its first status line.
class ChangedAfterScan : public SearchPlatformTest {
protected:
    void RunChanging(const std::function<void()>& change, ComparerFactory comparer = {}) {
        bool done = false;
        window.onPump = [&](int) {
            if (!done && !window.statuses.empty() &&
                window.statuses.back().rfind("Analysing 2 files..", 0) == 0) {
                done = true;
                change();
            }
        };
        window.folders = {tree.Path("1"), tree.Path("2")};
        SearchRun run(state, window, std::move(comparer));
        run.FindDuplicates(window.folders);
        ASSERT_TRUE(done);
    }

    // Dated well in the past, so that any later write gives the file another time.
    void Backdate(const std::string& relative) {
        std::filesystem::last_write_time(tree.Path(relative),
                                         std::filesystem::file_time_type::clock::now() -
                                             std::chrono::hours(24 * 365));
    }

    // Both engines must agree that what changed since the scan is not what the scan saw.
    template <class Setup, class Change>
    void ExpectNoGroupWithEitherEngine(Setup setup, Change change) {
        for (ComparerFactory engine : {ComparerFactory{}, ComparerFactory{MakePairwiseComparer}}) {
            setup();
            RunChanging(change, engine);
            EXPECT_TRUE(Groups().empty());
        }
    }
};

TEST_F(ChangedAfterScan, AFileRewrittenInPlaceToMatchIsNotWhatTheScanSaw) {
    // Different when scanned, made equal afterwards through the same inode: the search must not
    // stand for a file it did not see, or a removal would trust a stale result.
    ExpectNoGroupWithEitherEngine(
        [&] {
            tree.CreateFile("1/a", "final text");
            tree.CreateFile("2/b", "draft text");
            Backdate("1/a");
            Backdate("2/b");
        },
        [&] { std::ofstream(tree.Path("2/b"), std::ios::in | std::ios::out) << "final text"; });
}

TEST_F(ChangedAfterScan, AFileReplacedByRenameIsNotWhatTheScanSaw) {
    ExpectNoGroupWithEitherEngine(
        [&] {
            tree.CreateFile("1/a", "same bytes");
            tree.CreateFile("2/b", "same bytes");
        },
        [&] {
            tree.CreateFile("2/b.new", "same bytes");
            std::filesystem::rename(tree.Path("2/b.new"), tree.Path("2/b"));
        });
}

TEST_F(ChangedAfterScan, AFileThatGrewIsNoLongerACopy) {
    tree.CreatePatternFile("1/a", 1000, 2);
    tree.CreatePatternFile("2/b", 1000, 2);
    RunChanging([&] { std::ofstream(tree.Path("2/b"), std::ios::app) << "more"; });
    EXPECT_TRUE(Groups().empty());
}

TEST_F(SearchPlatformTest, AFileThatGrowsWhileItIsReadIsNoCopy) {
    tree.CreatePatternFile("1/a", 1000, 2);
    tree.CreatePatternFile("2/b", 1000, 2);
    // Appends to b at its first read, after its length was taken at the opening.
    class Grow : public platform::IoFaults {
    public:
        std::string path;
        bool grown = false;
        bool FailOpen(const std::string&) override { return false; }
        bool FailRead(const std::string& p, std::int64_t) override {
            if (p == path && !grown) {
                grown = true;
                std::ofstream(p, std::ios::app) << "appended";
            }
            return false;
        }
    } grow;
    grow.path = tree.Path("2/b");
    platform::ScopedIoFaults scope(grow);
    Run({"1", "2"});
    ASSERT_TRUE(grow.grown);
    EXPECT_TRUE(Groups().empty());
}

TEST_F(ChangedAfterScan, AFileThatShrankIsNoLongerACopy) {
    tree.CreatePatternFile("1/a", 1000, 2);
    tree.CreatePatternFile("2/b", 1000, 2);
    RunChanging([&] { std::filesystem::resize_file(tree.Path("2/b"), 512); });
    EXPECT_TRUE(Groups().empty());
}

TEST_F(ChangedAfterScan, BothFilesEmptiedAreNotCopies) {
    tree.CreatePatternFile("1/a", 1000, 2);
    tree.CreatePatternFile("2/b", 1000, 2);
    RunChanging([&] {
        std::filesystem::resize_file(tree.Path("1/a"), 0);
        std::filesystem::resize_file(tree.Path("2/b"), 0);
    });
    EXPECT_TRUE(Groups().empty());
}

TEST_F(ChangedAfterScan, AVanishedFileIsNoLongerACopy) {
    tree.CreateFile("1/a", "gone soon");
    tree.CreateFile("2/b", "gone soon");
    RunChanging([&] { tree.Remove("2/b"); });
    EXPECT_TRUE(Groups().empty());
}

TEST_F(ChangedAfterScan, AFileReplacedByAFifoIsNotOpened) {
    tree.CreateFile("1/a", "soon a pipe");
    tree.CreateFile("2/b", "soon a pipe");
    RunChanging([&] {
        tree.Remove("2/b");
        tree.CreateFifo("2/b");
    });
    EXPECT_TRUE(Groups().empty());
}

// ---- Files opened through their folder's kept descriptor ----

TEST(FolderHandlesTest, OpensByNameInKeptFoldersAndFallsBackToThePath) {
    TempTree tree;
    tree.CreateFile("a/1", "one");
    tree.CreateFile("a/2", "two");
    tree.CreateFile("b/3", "three");
    platform::readerDescriptors::Plan();
    const std::size_t held = platform::readerDescriptors::Held();
    platform::FolderHandles folders(1);
    platform::InputFile file;
    auto identity = [](const std::string& path) {
        platform::FileIdentity id;
        EXPECT_TRUE(platform::Identify(path, id));
        return id;
    };

    // Two files of one folder through one kept descriptor; no room for a second folder, whose
    // file is opened from the root.
    for (const char* name : {"a/1", "a/2", "b/3"}) {
        ASSERT_TRUE(folders.Open(tree.Path(name), file)) << name;
        EXPECT_EQ(file.Identity(), identity(tree.Path(name)));
    }
    EXPECT_EQ(folders.Kept(), 1u);
    // A name missing from a kept folder puts the folder out, in case it was replaced.
    EXPECT_FALSE(folders.Open(tree.Path("a/none"), file));
    EXPECT_EQ(file.OpenError(), ENOENT);
    EXPECT_EQ(folders.Kept(), 0u);
    ASSERT_TRUE(folders.Open(tree.Path("a/1"), file));
    EXPECT_EQ(folders.Kept(), 1u);

    // The kept folder replaced by another: a name only the new one holds is opened by its path.
    std::filesystem::rename(tree.Path("a"), tree.Path("a-old"));
    tree.CreateFile("a/4", "four");
    ASSERT_TRUE(folders.Open(tree.Path("a/4"), file));
    EXPECT_EQ(file.Identity(), identity(tree.Path("a/4")));
    EXPECT_EQ(folders.Kept(), 0u); // the stale folder went

    // Links are still never followed at the last component.
    tree.CreateSymlink("a/link", tree.Path("a/4"));
    EXPECT_FALSE(folders.Open(tree.Path("a/link"), file));
    EXPECT_EQ(folders.Kept(), 1u);
    EXPECT_TRUE(folders.Release());
    EXPECT_EQ(folders.Kept(), 0u);
    EXPECT_EQ(platform::readerDescriptors::Held(), held);
}

} // namespace
