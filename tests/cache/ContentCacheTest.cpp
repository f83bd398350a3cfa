// The content cache's faults: whatever happens to the database, a run gives the groups it gives
// without one, says so in one line at most, and leaves a file that is not its own alone.

#include "cache/ContentCache.h"
#include "platform/IoFaults.h"
#include "search/SearchRun.h"
#include "tests/support/RecordingWindow.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <tuple>
#include <unistd.h>
#include <utility>

namespace {

using cache::ContentCache;

// One tree for every case: groups, files told apart by the first block, by the last, and a long
// run of one size, enough for the database to outgrow a small file system.
struct Tree {
    TempTree tree;
    std::vector<std::string> folders;
    Tree() {
        std::mt19937 rng(21);
        auto bytes = [&](std::size_t n) {
            std::string s(n, '\0');
            for (char& c : s)
                c = static_cast<char>(rng());
            return s;
        };
        folders = {tree.CreateDir("a"), tree.CreateDir("b")};
        for (int i = 0; i < 12; ++i) {
            const std::string body = bytes(100 + 997 * static_cast<std::size_t>(i) * i);
            tree.CreateFile("a/g" + std::to_string(i), body);
            tree.CreateFile("b/g" + std::to_string(i), body);
            std::string tail = body;
            tail.back() ^= 1;
            tree.CreateFile("b/t" + std::to_string(i), tail);
        }
        for (int i = 0; i < 1500; ++i)
            tree.CreateFile("a/run" + std::to_string(i), bytes(64));
    }
};

std::string Groups(const SearchState& state) {
    std::string out;
    const ResultGrid& grid = state.DupeGrid;
    for (int r = 0; r < grid.RowCount(); ++r) {
        for (int c = 0; c < grid.ColCount(); ++c)
            out += grid.Text(c, r) + "|";
        out += "\n";
    }
    return out;
}

struct Outcome {
    std::string groups;
    std::int64_t opened = 0, fromCache = 0;
    std::vector<std::string> warnings;
    bool stopLeft = false;
};

enum class StopAt { Never, Reading, Keeping };

// Stop! comes at the first pump of the comparison after a file was read, or at the first pump
// after the run said it was ready.
Outcome Search(const Tree& t, const std::string& folder, bool useCache = true, int busyMs = 5000,
               StopAt stopAt = StopAt::Never) {
    Outcome r;
    std::shared_ptr<ContentCache> c;
    if (useCache) {
        ContentCache::Options options;
        options.folder = folder;
        options.settledNs = 0;
        options.busyMs = busyMs;
        options.warn = [&](const std::string& line) { r.warnings.push_back(line); };
        c = ContentCache::Open(options);
    }
    SearchState state;
    RecordingWindow window;
    window.folders = t.folders;
    SearchRun run(state, window);
    window.tickStep = stopAt == StopAt::Never ? 0 : 1000;
    int readyPumps = 0;
    window.onPump = [&](int) {
        const std::string status = window.statuses.empty() ? "" : window.statuses.back();
        if (stopAt == StopAt::Reading && status.rfind("Analysing ", 0) == 0 &&
            run.Counted().opened > 0)
            state.StopFlag = true;
        // The first pump after "Ready." is the status's own; the next is the cache's.
        if (stopAt == StopAt::Keeping && status == "Ready." && ++readyPumps == 2)
            state.StopFlag = true;
    };
    run.UseCache(c);
    run.FindDuplicates(window.folders);
    r.stopLeft = state.StopFlag;
    r.groups = Groups(state);
    r.opened = run.Counted().opened;
    r.fromCache = run.Counted().fromCache;
    return r;
}

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void Exec(const std::string& db, const char* sql) {
    sqlite3* h = nullptr;
    ASSERT_EQ(sqlite3_open(db.c_str(), &h), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(h, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(h);
    sqlite3_close(h);
}

// What a new run finds in the cache for one file.
cache::Digests Found(const ContentCache::Options& options, const std::string& file,
                     const platform::FileStamp& stamp) {
    auto c = ContentCache::Open(options);
    std::vector<ContentCache::Query> batch(1);
    batch[0].path = file;
    batch[0].stamp = stamp;
    if (c) {
        c->Lookup(batch);
        c->Close();
    }
    return batch[0].found;
}

class ContentCacheTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        tree_ = new Tree;
        reference_ = Search(*tree_, "", false).groups;
    }
    static void TearDownTestSuite() { delete tree_; }
    static Tree* tree_;
    static std::string reference_;
    TempTree home_;
    std::string folder_ = home_.Path("cache");
    std::string db_ = ContentCache::DatabasePath(folder_);
};
Tree* ContentCacheTest::tree_ = nullptr;
std::string ContentCacheTest::reference_;

TEST_F(ContentCacheTest, ARescanReadsOnlyTheFilesOfGroups) {
    const Outcome first = Search(*tree_, folder_);
    const Outcome second = Search(*tree_, folder_);
    EXPECT_EQ(first.groups, reference_);
    EXPECT_EQ(second.groups, reference_);
    EXPECT_TRUE(first.warnings.empty() && second.warnings.empty());
    EXPECT_EQ(first.fromCache, 0);
    // 12 groups of two; everything else is told apart by its digests.
    EXPECT_EQ(second.opened, 24);
    EXPECT_EQ(second.fromCache, first.opened - 24);
}

// Stop! never waits for the cache: a run stopped while it reads keeps nothing, and so does one
// whose rows are going in when it comes, though its results are whole.
TEST_F(ContentCacheTest, AStoppedRunKeepsNothing) {
    const Outcome stopped = Search(*tree_, folder_, true, 5000, StopAt::Reading);
    EXPECT_GT(stopped.opened, 0);
    const Outcome next = Search(*tree_, folder_);
    EXPECT_EQ(next.groups, reference_);
    EXPECT_EQ(next.fromCache, 0);
    EXPECT_TRUE(stopped.warnings.empty() && next.warnings.empty());
    EXPECT_FALSE(stopped.stopLeft);

    // Stopped while its rows wait for another run's write: not a word, and no wait for it.
    // The files' volume is known, so that only the rows wait.
    Exec(db_, "DELETE FROM files");
    sqlite3* holder = nullptr;
    ASSERT_EQ(sqlite3_open(db_.c_str(), &holder), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    const Outcome keeping = Search(*tree_, folder_, true, 60000, StopAt::Keeping);
    sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(holder);
    EXPECT_EQ(keeping.groups, reference_);
    EXPECT_TRUE(keeping.warnings.empty()) << keeping.warnings.front();
    EXPECT_FALSE(keeping.stopLeft);
    EXPECT_EQ(Search(*tree_, folder_).fromCache, 0);

    std::filesystem::remove_all(folder_);
    ContentCache::Options options;
    options.folder = folder_;
    options.settledNs = 0;
    std::vector<std::string> warnings;
    options.warn = [&](const std::string& line) { warnings.push_back(line); };
    const std::string file = tree_->tree.Path("a/g0");
    platform::FileStamp stamp;
    ASSERT_TRUE(platform::StampOf(file, stamp));
    cache::Digests d;
    d.hasWhole = true;
    {
        auto c = ContentCache::Open(options);
        ASSERT_TRUE(c);
        // Enough rows that they take a while to go in.
        for (int i = 0; i < 300000; ++i) {
            stamp.identity.inode = static_cast<ino_t>(std::int64_t{i} * 7919 % 300007);
            c->Store(file, stamp, d);
        }
        std::thread closing([&] { c->Close(); });
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        c->Interrupt();
        closing.join();
        EXPECT_EQ(c->Counted().stored, 0);
    }
    EXPECT_TRUE(warnings.empty()) << warnings.front();
    EXPECT_FALSE(Found(options, file, stamp).Any());
}

// Each fault: the groups of a run without cache, exactly one line of warning, and what the
// database file becomes.
TEST_F(ContentCacheTest, FaultsOfTheDatabaseLeaveTheGroupsAlone) {
    enum class After { Kept, Untouched, Anew };
    struct Case {
        const char* name;
        std::function<void(const std::string& db)> make;
        After after;
    };
    const Case cases[] = {
        {"damaged pages",
         [](const std::string& db) {
             std::fstream f(db, std::ios::in | std::ios::out | std::ios::binary);
             f.seekp(4096);
             f << std::string(32768, '\x5a');
         },
         After::Anew},
        {"another program's database",
         [](const std::string& db) {
             std::filesystem::remove(db);
             Exec(db, "CREATE TABLE notes(text); INSERT INTO notes VALUES ('mine')");
         },
         After::Untouched},
        {"not a database",
         [](const std::string& db) {
             std::filesystem::remove(db);
             std::ofstream(db) << "some notes that happen to live here\n";
         },
         After::Untouched},
        {"a newer version", [](const std::string& db) { Exec(db, "PRAGMA user_version=99"); },
         After::Untouched},
        {"an older version", [](const std::string& db) { Exec(db, "PRAGMA user_version=0"); },
         After::Anew},
        {"written by another run all along",
         [&](const std::string&) {
             // Empty, so that this run has something to write; the lock is taken below.
             std::string error;
             ASSERT_TRUE(ContentCache::Clear(folder_, error));
             ContentCache::Options options;
             options.folder = folder_;
             ContentCache::Open(options)->Close();
         },
         After::Kept},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(folder_);
        ASSERT_EQ(Search(*tree_, folder_).groups, reference_);
        c.make(db_);
        const std::string before = Contents(db_);
        sqlite3* holder = nullptr;
        if (c.after == After::Kept) {
            // Another run's write transaction: lookups go on (WAL), writes give up.
            ASSERT_EQ(sqlite3_open(db_.c_str(), &holder), SQLITE_OK);
            ASSERT_EQ(sqlite3_exec(holder, "BEGIN IMMEDIATE; DELETE FROM files WHERE 0", nullptr,
                                   nullptr, nullptr),
                      SQLITE_OK);
        }
        const Outcome r = Search(*tree_, folder_, true, 200);
        if (holder) {
            sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(holder);
        }
        EXPECT_EQ(r.groups, reference_);
        EXPECT_EQ(r.warnings.size(), 1u);
        if (c.after == After::Untouched) {
            EXPECT_EQ(Contents(db_), before);
        }
        // The next run finds the cache working again, or still skips a file not its own.
        const Outcome next = Search(*tree_, folder_);
        EXPECT_EQ(next.groups, reference_);
        EXPECT_EQ(next.warnings.size(), c.after == After::Untouched ? 1u : 0u);
    }
}

// A file replaced by another that the file system gave the same inode number: the key matches,
// the stamp does not, and the new file is read.
TEST_F(ContentCacheTest, AFileReplacedUnderTheSameInodeIsReadAgain) {
    Tree t;
    ASSERT_EQ(Search(t, folder_).groups, Search(t, "", false).groups);
    // b/t3 differs from a/g3 and b/g3 in its last byte only: its cached last-block digest says
    // so. Its replacement is their copy.
    const std::string victim = t.tree.Path("b/t3");
    const std::string copy = Contents(t.tree.Path("a/g3"));
    struct stat old {};
    ASSERT_EQ(stat(victim.c_str(), &old), 0);
    bool reused = false;
    ASSERT_EQ(unlink(victim.c_str()), 0);
    for (int attempt = 0; attempt < 50 && !reused; ++attempt) {
        std::ofstream(victim, std::ios::binary) << copy;
        struct stat now {};
        ASSERT_EQ(stat(victim.c_str(), &now), 0);
        reused = now.st_ino == old.st_ino;
        // Another number: it is kept aside, so that the next file may get the old one.
        const std::string held = t.tree.Path("held" + std::to_string(attempt));
        if (!reused) {
            ASSERT_EQ(rename(victim.c_str(), held.c_str()), 0);
        }
    }
    if (!reused)
        GTEST_SKIP() << "this file system gave no freed inode number again in 50 tries";
    const Outcome r = Search(t, folder_);
    EXPECT_EQ(r.groups, Search(t, "", false).groups);
    EXPECT_NE(r.groups.find("t3|"), std::string::npos) << r.groups;
}

// A folder that refuses writes, and one that is full: the run reads the files instead.
TEST_F(ContentCacheTest, AReadOnlyOrFullFolderIsSkipped) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to mount a read-only and a 64 KiB file system for the cache "
                        "(for root a folder's permissions refuse nothing)";
    struct Mount {
        std::string at;
        ~Mount() {
            if (!at.empty())
                umount2(at.c_str(), MNT_DETACH);
        }
    };
    for (const char* options : {"size=64k", "ro"}) {
        SCOPED_TRACE(options);
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        Mount m;
        ASSERT_EQ(mount("tmpfs", folder_.c_str(), "tmpfs", 0, options), 0) << strerror(errno);
        m.at = folder_;
        const Outcome r = Search(*tree_, folder_);
        EXPECT_EQ(r.groups, reference_);
        EXPECT_EQ(r.warnings.size(), 1u);
        for (const std::string& w : r.warnings)
            EXPECT_EQ(w.find("the content cache " + db_), 0u) << w;
    }
}

// A run killed while it writes: the next run finds the cache as the last whole transaction
// left it, without a word.
TEST_F(ContentCacheTest, ARunKilledWhileItWritesLeavesAUsableCache) {
    ASSERT_EQ(Search(*tree_, folder_).groups, reference_);
    for (int delayMs : {5, 40, 90, 150, 300}) {
        SCOPED_TRACE(delayMs);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Runs one after another, so that the kill may come while rows are staged or
            // while they go into the cache.
            ContentCache::Options options;
            options.folder = folder_;
            options.settledNs = 0;
            platform::FileStamp stamp;
            stamp.identity.device = 1;
            cache::Digests d;
            d.hasWhole = true;
            for (std::int64_t i = 1;;) {
                auto c = ContentCache::Open(options);
                for (const std::int64_t end = i + 5000; i < end; ++i) {
                    stamp.identity.inode = static_cast<ino_t>(i);
                    stamp.modified = i;
                    c->Store(folder_, stamp, d);
                }
                c->Close();
            }
        }
        usleep(static_cast<useconds_t>(delayMs) * 1000);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));
        const Outcome r = Search(*tree_, folder_);
        EXPECT_EQ(r.groups, reference_);
        EXPECT_EQ(r.warnings, std::vector<std::string>{});
        EXPECT_GT(r.fromCache, 0);
    }
}

} // namespace

// Files settled by their cached digests are never read, yet their paths are checked at the end
// of their run as any member's: a folder renamed or replaced after the lookup takes its
// settled files out of the group.
TEST(TrustedRescanTest, SettledFilesWhoseFolderChangedAfterTheLookupAreNotGrouped) {
    enum class Change { None, Renamed, ReplacedByCopies, SymlinkToItself };
    struct Case {
        const char* name;
        Change change;
        bool grouped; // a, b1 and b2 in one group; otherwise no group
    };
    const Case cases[] = {
        {"unchanged", Change::None, true},
        {"renamed", Change::Renamed, false},
        {"replaced by copies", Change::ReplacedByCopies, false},
        {"a symbolic link to itself", Change::SymlinkToItself, true},
    };
    // Reading the file new since the first run is the moment between the lookup and the end
    // of the run.
    struct OnRead : platform::IoFaults {
        std::function<void(const std::string&)> hook;
        bool FailRead(const std::string& path, std::int64_t) override {
            hook(path);
            return false;
        }
    };
    const std::string body(3000, 'k');
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempTree tree, home;
        ContentCache::Options options;
        options.folder = home.Path("cache");
        options.settledNs = 0;
        tree.CreateFile("1/a", body);
        tree.CreateFile("2/b1", body);
        tree.CreateFile("2/b2", body);
        auto search = [&] {
            auto cache = ContentCache::Open(options);
            SearchState state;
            RecordingWindow window;
            window.folders = {tree.Path("1"), tree.Path("2"), tree.Path("3")};
            SearchRun run(state, window);
            run.UseCache(cache, true);
            run.FindDuplicates(window.folders);
            cache->Close();
            const ReadCounts& n = run.Counted();
            return std::make_tuple(Groups(state), n.opened.load(), n.fromCache.load());
        };
        tree.CreateDir("3");
        ASSERT_NE(std::get<0>(search()).find("b2|"), std::string::npos);
        tree.CreateFile("3/new", std::string(3000, 'n'));
        bool changed = false;
        OnRead faults;
        faults.hook = [&](const std::string& path) {
            if (path != tree.Path("3/new") || std::exchange(changed, true))
                return;
            if (c.change != Change::None)
                std::filesystem::rename(tree.Path("2"), tree.Path("2-old"));
            if (c.change == Change::ReplacedByCopies) {
                tree.CreateFile("2/b1", body);
                tree.CreateFile("2/b2", body);
            } else if (c.change == Change::SymlinkToItself) {
                tree.CreateSymlink("2", tree.Path("2-old"));
            }
        };
        platform::ScopedIoFaults installed(faults);
        const auto [groups, opened, fromCache] = search();
        EXPECT_TRUE(changed);
        // a stands for b1 and b2 unread; only the new file is read.
        EXPECT_EQ(opened, 1);
        EXPECT_EQ(fromCache, 3);
        for (const char* name : {"a|", "b1|", "b2|"})
            EXPECT_EQ(groups.find(name) != std::string::npos, c.grouped) << name << "\n" << groups;
    }
}

// Lookups share one read transaction; a write of this run must not be made inside it, or
// another run's write since it began makes this one give up at once.
TEST(ContentCacheLookupTest, AWriteAfterLookupsSeesAnotherRunsWriteInBetween) {
    TempTree tree, home;
    const std::string file = tree.CreateFile("f", "some bytes");
    platform::FileStamp stamp;
    ASSERT_TRUE(platform::StampOf(file, stamp));
    std::vector<std::string> warnings;
    ContentCache::Options options;
    options.folder = home.Path("cache");
    options.settledNs = 0;
    options.warn = [&](const std::string& line) { warnings.push_back(line); };
    cache::Digests digests;
    digests.hasFirst = true;
    digests.first[0] = 7;
    {
        auto c = ContentCache::Open(options);
        ASSERT_TRUE(c);
        std::vector<ContentCache::Query> batch(1);
        batch[0].path = file;
        batch[0].stamp = stamp;
        c->Lookup(batch);
        EXPECT_FALSE(batch[0].found.Any());
        Exec(ContentCache::DatabasePath(options.folder),
             "INSERT INTO volumes(key) VALUES ('another run''s')");
        // Of two rows for one file, the later one is kept.
        cache::Digests earlier = digests;
        earlier.first[0] = 6;
        c->Store(file, stamp, earlier);
        c->Store(file, stamp, digests);
        c->Close();
        EXPECT_EQ(c->Counted().stored, 2);
    }
    EXPECT_TRUE(warnings.empty()) << warnings.front();
    EXPECT_TRUE(Found(options, file, stamp) == digests);
}
