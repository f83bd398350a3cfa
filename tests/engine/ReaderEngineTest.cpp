// The fast engine where its reader threads meet trouble: few descriptors, a failing read, lack
// of memory, files changed while their run is read, many paths to one file; and the progress
// it shows while it reads.

#include "platform/Errors.h"
#include "platform/IoFaults.h"
#include "platform/ReaderDescriptors.h"
#include "search/FastComparer.h"
#include "search/FormatThousands.h"
#include "search/SearchRun.h"
#include "tests/search/SearchTestSupport.h"
#include "tests/support/DescriptorLimit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <mutex>
#include <new>
#include <set>
#include <string>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using GroupList = std::vector<std::vector<std::string>>;

class ReaderEngineTest : public SearchFixture {
protected:
    void Run(const std::vector<std::string>& folders, int readers, ComparerFactory engine = {}) {
        SearchFixture::Run(folders, std::move(engine), readers);
    }

    // 500 files of one size: six groups among distinct files. Returns the groups found with
    // descriptors to spare, which the differential test holds to the pairwise engine's.
    GroupList MakeOneSizeCrowd() {
        const int copies[] = {2, 3, 4, 5, 8, 12};
        int serial = 0;
        for (unsigned g = 0; g < 6; ++g)
            for (int c = 0; c < copies[g]; ++c)
                tree.CreatePatternFile("crowd/g" + std::to_string(serial++), 4096, 1000 + g);
        for (; serial < 500; ++serial)
            tree.CreatePatternFile("crowd/u" + std::to_string(serial), 4096,
                                   static_cast<unsigned>(serial));
        Run({"crowd"}, 0);
        EXPECT_EQ(Groups().size(), 6u);
        return Groups();
    }
};

// Runs a hook at each open and each read, from whichever thread makes it.
class Hooks : public platform::IoFaults {
public:
    std::function<bool(const std::string&)> onOpen;
    std::function<bool(const std::string&, std::int64_t)> onRead;
    bool FailOpen(const std::string& path) override { return onOpen && onOpen(path); }
    bool FailRead(const std::string& path, std::int64_t offset) override {
        return onRead && onRead(path, offset);
    }
};

// ---- Descriptors ----

TEST_F(ReaderEngineTest, FewFreeDescriptorsStillFindEveryGroup) {
    const GroupList reference = MakeOneSizeCrowd();

    DescriptorLimit limit(64, 16);
    for (int readers : {1, 4}) {
        SCOPED_TRACE("readers " + std::to_string(readers));
        Run({"crowd"}, readers);
        EXPECT_EQ(Groups(), reference);
    }
}

TEST_F(ReaderEngineTest, RunningOutOfDescriptorsClosesHeldFilesAndTriesAgain) {
    const GroupList reference = MakeOneSizeCrowd();

    DescriptorLimit limit(64, 16);
    // Once the readers hold files between passes, nothing else is left: every later open fails
    // for lack of descriptors until held files are closed.
    std::atomic<int> opens{0};
    Hooks hooks;
    hooks.onOpen = [&](const std::string&) {
        if (++opens == 100)
            limit.TakeAll();
        return false;
    };
    platform::ScopedIoFaults installed(hooks);
    // Small buffers: every file is opened in several passes.
    Run({"crowd"}, 1, [](SearchRun& run) {
        return std::make_unique<FastComparer>(run.Context(), FastComparer::Limits{8, 64 * 1024});
    });
    EXPECT_GT(opens, 500);
    EXPECT_EQ(Groups(), reference);
}

TEST(ReaderDescriptorsTest, AReaderOutOfDescriptorsWaitsForAnotherToGiveOneBack) {
    namespace readers = platform::readerDescriptors;
    auto openNull = [](int& fd) {
        return [&fd] {
            fd = open("/dev/null", O_RDONLY | O_CLOEXEC);
            return fd >= 0 ? 0 : errno;
        };
    };
    std::atomic<bool> taken{false};
    std::atomic<bool> given{false};
    std::atomic<bool> openedBeforeGiven{false};
    std::atomic<int> error{-1};
    // The reader thread begins and ends outside the limit below: the sanitizers need descriptors
    // when a thread starts and ends (they test memory through a pipe).
    std::atomic<bool> running{false};
    std::atomic<bool> lifted{false};
    std::thread reader([&] {
        running = true;
        while (!taken)
            std::this_thread::yield();
        int second = -1;
        error = readers::OpenAsReader(openNull(second), {});
        openedBeforeGiven = !given;
        if (error == 0) {
            close(second);
            readers::Give();
        }
        while (!lifted)
            std::this_thread::yield();
    });
    while (!running)
        std::this_thread::yield();
    {
        DescriptorLimit limit(64, 12);
        readers::Plan();
        int first = -1;
        EXPECT_EQ(readers::OpenAsReader(openNull(first), {}), 0);
        // Something else takes every descriptor left: the second reader's open fails until
        // the first gives its own back.
        limit.TakeAll();
        taken = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        given = true;
        close(first);
        readers::Give();
        while (readers::Held() > 0 && error < 0)
            std::this_thread::yield();
    }
    lifted = true;
    reader.join();
    EXPECT_EQ(error, 0);
    EXPECT_FALSE(openedBeforeGiven);
    EXPECT_EQ(readers::Held(), 0u);
}

// ---- Reads that fail ----

TEST_F(ReaderEngineTest, AReadThatFailsOnceIsReadAgain) {
    const std::int64_t size = 300 << 10;
    for (const char* name : {"1/a", "2/b", "3/c"})
        tree.CreatePatternFile(name, size, 4);
    for (int readers : {0, 4}) {
        SCOPED_TRACE("readers " + std::to_string(readers));
        std::atomic<int> failed{0};
        Hooks hooks;
        // The read of b's last block fails once.
        hooks.onRead = [&](const std::string& path, std::int64_t offset) {
            return path == tree.Path("2/b") && offset > 0 && offset + (64 << 10) == size &&
                   failed++ == 0;
        };
        platform::ScopedIoFaults installed(hooks);
        Run({"1", "2", "3"}, readers);
        EXPECT_EQ(failed, 2); // the failure, then the read after reopening
        ASSERT_EQ(Groups().size(), 1u);
        EXPECT_EQ(Groups()[0].size(), 3u);
    }
}

TEST_F(ReaderEngineTest, AReadThatFailsAgainDropsOnlyThatFile) {
    const std::int64_t size = 300 << 10;
    for (const char* name : {"1/a", "2/b", "3/c"})
        tree.CreatePatternFile(name, size, 4);
    Hooks hooks;
    hooks.onRead = [&](const std::string& path, std::int64_t offset) {
        return path == tree.Path("2/b") && offset > 0;
    };
    platform::ScopedIoFaults installed(hooks);
    Run({"1", "2", "3"}, 4);
    EXPECT_EQ(Groups(), (GroupList{{"c", "a"}}));
}

// ---- What is read ----

TEST_F(ReaderEngineTest, FilesThatDifferOnlyAtTheEndAreNeverReadInTheMiddle) {
    const std::int64_t size = 4 << 20;
    std::string bytes(static_cast<std::size_t>(size), 'h');
    for (int i = 0; i < 4; ++i) {
        bytes.back() = static_cast<char>('0' + i);
        tree.CreateFile("ends/f" + std::to_string(i), bytes);
    }
    bytes.back() = '0';
    tree.CreateFile("pair/f0", bytes);
    for (int readers : {0, 4}) {
        SCOPED_TRACE("readers " + std::to_string(readers));
        std::mutex mutex;
        std::set<std::pair<std::string, std::int64_t>> reads;
        Hooks hooks;
        hooks.onRead = [&](const std::string& path, std::int64_t offset) {
            std::lock_guard lock(mutex);
            reads.emplace(path, offset);
            return false;
        };
        platform::ScopedIoFaults installed(hooks);
        Run({"ends", "pair"}, readers);
        ASSERT_EQ(Groups(), (GroupList{{"f0", "f0"}}));
        // The first block, then the last: the middle only of the two that stay equal.
        for (int i = 1; i < 4; ++i) {
            const std::string path = tree.Path("ends/f" + std::to_string(i));
            for (const auto& [file, offset] : reads) {
                if (file == path) {
                    EXPECT_TRUE(offset == 0 || offset >= size - (64 << 10)) << offset;
                }
            }
        }
        EXPECT_TRUE(std::any_of(reads.begin(), reads.end(), [&](const auto& r) {
            return r.first == tree.Path("pair/f0") && r.second > 0 && r.second < size / 2;
        }));
    }
}

// ---- Lack of memory ----

// What a run that lack of memory ended must leave: the window given back, the results so far.
void ExpectEndedLikeAStop(const SearchState& state, const RecordingWindow& window) {
    EXPECT_FALSE(state.Busy);
    EXPECT_TRUE(window.findEnabled);
    EXPECT_FALSE(window.busyCursor);
    EXPECT_EQ(window.Only("cursor:").back(), "cursor:default");
    EXPECT_EQ(window.Only("find:").back(), "find:on");
}

TEST_F(ReaderEngineTest, LackOfMemoryInAReaderEndsTheRunAsAStopDoes) {
    // The larger pair is grouped before the smaller one is read.
    tree.CreatePatternFile("1/big", 9000, 1);
    tree.CreatePatternFile("2/big", 9000, 1);
    tree.CreatePatternFile("1/small", 500, 2);
    tree.CreatePatternFile("2/small", 500, 2);
    for (int readers : {0, 1, 4}) {
        SCOPED_TRACE("readers " + std::to_string(readers));
        Hooks hooks;
        hooks.onRead = [&](const std::string& path, std::int64_t) -> bool {
            if (path == tree.Path("2/small"))
                throw std::bad_alloc();
            return false;
        };
        platform::ScopedIoFaults installed(hooks);
        try {
            Run({"1", "2"}, readers);
            ADD_FAILURE() << "no error reached the general error display";
        } catch (const AppError& e) {
            EXPECT_EQ(ErrorDisplayText(e.what()), "Out of memory.");
        }
        ExpectEndedLikeAStop(state, window);
        // A group published before stays, as after a stop. Readers ahead of the walk may run
        // out of memory before it is published.
        if (readers == 0) {
            EXPECT_EQ(Groups(), (GroupList{{"big", "big"}}));
        }
        // The caption counts the rows shown, and the status line no longer claims progress.
        EXPECT_EQ(window.caption, "Duplicate Files (" +
                                      FormatThousands(static_cast<std::int64_t>(Groups().size())) +
                                      " Groups):");
        EXPECT_EQ(window.statuses.back(),
                  "Search ended: out of memory. The groups found so far are shown.");
    }
}

TEST_F(ReaderEngineTest, LackOfMemoryOnTheWindowsThreadEndsTheRunAsAStopDoes) {
    tree.CreateFile("1/a", "same");
    tree.CreateFile("2/b", "same");
    window.onPump = [&](int) {
        if (!window.statuses.empty() && window.statuses.back().rfind("Sorting", 0) == 0)
            throw std::bad_alloc();
    };
    EXPECT_THROW(Run({"1", "2"}, 4), AppError);
    ExpectEndedLikeAStop(state, window);

    // The next run starts as usual.
    window.onPump = nullptr;
    Run({"1", "2"}, 4);
    EXPECT_EQ(Groups().size(), 1u);
}

// ---- Files changed while their run is read ----

enum class Change {
    Deleted,
    OtherBytes,
    Symlink,
    Fifo,
    LinkToAnotherMember,
    WrittenTo,
    WrittenToTimePutBack,
};

class ChangedDuringTheRead : public ReaderEngineTest, public ::testing::WithParamInterface<Change> {
protected:
    void Apply(Change change) {
        const std::string b = tree.Path("2/b");
        switch (change) {
        case Change::Deleted:
            tree.Remove("2/b");
            break;
        case Change::OtherBytes:
            tree.Remove("2/b");
            tree.CreatePatternFile("2/b", 1000, 8);
            break;
        case Change::Symlink:
            tree.Remove("2/b");
            tree.CreateSymlink("2/b", tree.Path("1/a"));
            break;
        case Change::Fifo:
            tree.Remove("2/b");
            tree.CreateFifo("2/b");
            break;
        case Change::LinkToAnotherMember:
            tree.Remove("2/b");
            tree.CreateHardLink("2/b", "3/c");
            break;
        case Change::WrittenTo:
            std::ofstream(b, std::ios::in | std::ios::out | std::ios::binary) << "x";
            // Dated later, as a write a moment after the scan would be.
            std::filesystem::last_write_time(b, std::filesystem::last_write_time(b) +
                                                    std::chrono::seconds(2));
            break;
        case Change::WrittenToTimePutBack: {
            // As a copy in place that keeps times does it: only the status change time tells.
            // Its clock ticks first, as it would for a write that comes any later than the
            // scan.
            const auto time = std::filesystem::last_write_time(b);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            std::ofstream(b, std::ios::in | std::ios::out | std::ios::binary) << "x";
            std::filesystem::last_write_time(b, time);
            break;
        }
        }
    }
};

TEST_P(ChangedDuringTheRead, AMemberChangedAfterItWasReadIsNotGrouped) {
    for (const char* name : {"1/a", "2/b", "3/c"})
        tree.CreatePatternFile(name, 1000, 3);
    // One reader reads the run in its sorted order, c, b, a: b is changed once it has been read.
    std::atomic<bool> bRead{false};
    std::atomic<bool> changed{false};
    Hooks hooks;
    hooks.onRead = [&](const std::string& path, std::int64_t) {
        if (path == tree.Path("2/b"))
            bRead = true;
        else if (bRead && !changed.exchange(true))
            Apply(GetParam());
        return false;
    };
    platform::ScopedIoFaults installed(hooks);
    Run({"1", "2", "3"}, 1);
    ASSERT_TRUE(changed);
    if (GetParam() == Change::LinkToAnotherMember) {
        // The new link is a status change of c as well: once its clock has ticked since the
        // scan, c drops out too.
        EXPECT_TRUE(Groups() == (GroupList{{"c", "a"}}) || Groups().empty());
        return;
    }
    EXPECT_EQ(Groups(), (GroupList{{"c", "a"}}));
}

std::string ChangeName(const ::testing::TestParamInfo<Change>& info) {
    const char* const names[] = {
        "Deleted",   "OtherBytes",          "Symlink", "Fifo", "LinkToAnotherMember",
        "WrittenTo", "WrittenToTimePutBack"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Changes, ChangedDuringTheRead,
                         ::testing::Values(Change::Deleted, Change::OtherBytes, Change::Symlink,
                                           Change::Fifo, Change::LinkToAnotherMember,
                                           Change::WrittenTo, Change::WrittenToTimePutBack),
                         ChangeName);

// ---- Folders changed while their run is read ----

// Readers open a file by its name in its folder's kept descriptor. A folder swapped for another
// after the scan must not let the path stand for the file read through the old one.
enum class FolderChange { Renamed, ReplacedByCopies, SymlinkToItself, SymlinkElsewhere };

class FolderChangedDuringTheRead : public ReaderEngineTest,
                                   public ::testing::WithParamInterface<FolderChange> {};

TEST_P(FolderChangedDuringTheRead, OnlyPathsThatStillLeadToTheFileReadAreGrouped) {
    // Two files in folder 2: the first one read keeps the folder open for the second.
    for (const char* name : {"1/a", "2/b1", "2/b2", "3/c"})
        tree.CreatePatternFile(name, 1000, 3);
    tree.CreatePatternFile("3/other", 1000, 4);
    std::atomic<bool> changed{false};
    Hooks hooks;
    hooks.onRead = [&](const std::string& path, std::int64_t) {
        if (path.rfind(tree.Path("2") + "/", 0) != 0 || changed.exchange(true))
            return false;
        std::filesystem::rename(tree.Path("2"), tree.Path("2-old"));
        switch (GetParam()) {
        case FolderChange::Renamed:
            break;
        case FolderChange::ReplacedByCopies:
            // The same bytes under the same names, but other files than the scan saw.
            tree.CreatePatternFile("2/b1", 1000, 3);
            tree.CreatePatternFile("2/b2", 1000, 3);
            break;
        case FolderChange::SymlinkToItself:
            tree.CreateSymlink("2", tree.Path("2-old"));
            break;
        case FolderChange::SymlinkElsewhere:
            tree.CreateDir("elsewhere");
            tree.CreateSymlink("2", tree.Path("elsewhere"));
            tree.CreatePatternFile("elsewhere/b1", 1000, 4);
            break;
        }
        return false;
    };
    platform::ScopedIoFaults installed(hooks);
    for (int readers : {1, 4}) {
        SCOPED_TRACE("readers " + std::to_string(readers));
        if (changed.exchange(false)) {
            tree.Remove("2");
            std::filesystem::rename(tree.Path("2-old"), tree.Path("2"));
            std::filesystem::remove_all(tree.Path("elsewhere"));
        }
        Run({"1", "2", "3"}, readers);
        ASSERT_TRUE(changed);
        std::set<std::string> grouped;
        for (const auto& row : Groups())
            grouped.insert(row.begin(), row.end());
        if (GetParam() == FolderChange::SymlinkToItself)
            EXPECT_EQ(grouped, (std::set<std::string>{"a", "b1", "b2", "c"}));
        else
            EXPECT_EQ(grouped, (std::set<std::string>{"a", "c"}));
        EXPECT_LE(Groups().size(), 1u);
    }
}

std::string FolderChangeName(const ::testing::TestParamInfo<FolderChange>& info) {
    const char* const names[] = {"Renamed", "ReplacedByCopies", "SymlinkToItself",
                                 "SymlinkElsewhere"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Changes, FolderChangedDuringTheRead,
                         ::testing::Values(FolderChange::Renamed, FolderChange::ReplacedByCopies,
                                           FolderChange::SymlinkToItself,
                                           FolderChange::SymlinkElsewhere),
                         FolderChangeName);

TEST_F(ReaderEngineTest, MoreFoldersThanDescriptorsStillFindEveryGroup) {
    // A group in every other folder of 300, each folder with one distinct file besides.
    for (int f = 0; f < 300; ++f) {
        const std::string folder = "many/" + std::to_string(f) + "/";
        tree.CreatePatternFile(folder + "u", 2048, 10000 + static_cast<unsigned>(f));
        tree.CreatePatternFile(folder + "g", 2048, static_cast<unsigned>(f / 2));
    }
    // Every subfolder listed, as the walk before the search lists them.
    window.folders.clear();
    for (int f = 0; f < 300; ++f)
        window.folders.push_back(tree.Path("many/" + std::to_string(f)));
    auto runAll = [&](int readers) {
        SearchRun run(state, window);
        run.UseReaders(readers);
        run.FindDuplicates(window.folders);
        return Groups();
    };
    const GroupList reference = runAll(0);
    ASSERT_EQ(reference.size(), 150u);

    DescriptorLimit limit(64, 16);
    for (int readers : {1, 4}) {
        SCOPED_TRACE("readers " + std::to_string(readers));
        EXPECT_EQ(runAll(readers), reference);
        EXPECT_EQ(platform::readerDescriptors::Held(), 0u);
    }
}

// ---- Many paths to one file ----

TEST_F(ReaderEngineTest, ManyLinksToOneFileAreReadOnce) {
    tree.CreatePatternFile("links/original", 5000, 6);
    for (int i = 0; i < 300; ++i)
        tree.CreateHardLink("links/l" + std::to_string(i), "links/original");
    std::mutex mutex;
    std::multiset<std::string> opened;
    Hooks hooks;
    hooks.onOpen = [&](const std::string& path) {
        std::lock_guard lock(mutex);
        opened.insert(path);
        return false;
    };
    platform::ScopedIoFaults installed(hooks);
    Run({"links"}, 4);
    EXPECT_TRUE(Groups().empty());
    EXPECT_TRUE(opened.empty()); // one file, however many names: nothing to compare

    tree.CreatePatternFile("copy/real", 5000, 6);
    Run({"links", "copy"}, 4);
    ASSERT_EQ(Groups().size(), 1u);
    EXPECT_EQ(Groups()[0].size(), 2u);
    EXPECT_EQ(opened.size(), 2u);
}

// ---- Readers that do not come back ----

TEST(ReaderPoolTest, ClosingNeverWaitsForATaskThatDoesNotReturn) {
    // As a read of a hung mount: the task returns only when the test lets it.
    auto release = std::make_shared<std::promise<void>>();
    const std::shared_future<void> released = release->get_future().share();
    auto started = std::make_shared<std::atomic<bool>>(false);
    auto ended = std::make_shared<std::atomic<bool>>(false);
    std::chrono::steady_clock::time_point closing;
    {
        ReaderPool pool(2);
        ASSERT_EQ(pool.Threads(), 2u);
        pool.Post(0, [=] {
            *started = true;
            released.wait();
            *ended = true;
        });
        while (!*started)
            std::this_thread::yield();
        closing = std::chrono::steady_clock::now();
    }
    EXPECT_LT(std::chrono::steady_clock::now() - closing, std::chrono::seconds(2));
    EXPECT_FALSE(*ended);
    // Left to itself, it ends once the read returns.
    release->set_value();
    for (int i = 0; i < 500 && !*ended; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(*ended);
}

// ---- Progress ----

TEST_F(ReaderEngineTest, FilesCheckedMovesWhileARunIsRead) {
    // Forty files of one size and ten of another; every clock reading is a new display.
    for (int i = 0; i < 40; ++i)
        tree.CreatePatternFile("1/big" + std::to_string(i), 6000, static_cast<unsigned>(i));
    for (int i = 0; i < 10; ++i)
        tree.CreatePatternFile("1/small" + std::to_string(i), 100, static_cast<unsigned>(i));
    window.tickStep = 101;
    // The window's own thread reads, chunk by chunk: the displays are the same every time.
    // What the window shows at each read of the first run, before its walk begins.
    std::vector<std::string> shownWhileReading;
    Hooks hooks;
    hooks.onRead = [&](const std::string& path, std::int64_t) {
        if (path.find("/big") != std::string::npos)
            shownWhileReading.push_back(window.counters[SearchCounter::FilesChecked]);
        return false;
    };
    platform::ScopedIoFaults installed(hooks);
    Run({"1"}, 0);
    EXPECT_TRUE(std::any_of(shownWhileReading.begin(), shownWhileReading.end(),
                            [](const std::string& v) { return !v.empty() && std::stoi(v) > 1; }));
    std::vector<int> shown;
    for (const std::string& e : window.Only("counter:FilesChecked=")) {
        const std::string value = e.substr(e.find('=') + 1);
        if (!value.empty() && value != "0")
            shown.push_back(std::stoi(value));
    }
    ASSERT_FALSE(shown.empty());
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
    // Within the first run: past its first position before its walk begins, never past its end.
    EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](int v) { return v > 1 && v < 40; }));
    const auto firstRun = std::find_if(shown.begin(), shown.end(), [](int v) { return v > 40; });
    EXPECT_TRUE(std::all_of(shown.begin(), firstRun, [](int v) { return v <= 40; }));
    EXPECT_EQ(shown.back(), 50);
}

} // namespace
