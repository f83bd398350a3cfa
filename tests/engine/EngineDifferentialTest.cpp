// The fast comparer against the pairwise reference: on generated trees both must show the
// window exactly the same events and leave exactly the same grid and index, whatever number of
// reader threads works ahead of the walk.

#include "cache/ContentCache.h"
#include "cli/Groups.h"
#include "folders/FolderWalk.h"
#include "platform/IoFaults.h"
#include "search/FastComparer.h"
#include "search/SearchRun.h"
#include "tests/support/RecordingWindow.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Faults that hit the same files whatever offsets an engine reads at: an open that always
// fails, or a file whose every read fails.
class FileFaults : public platform::IoFaults {
public:
    std::set<std::string> failOpen;
    std::set<std::string> failRead;
    bool FailOpen(const std::string& path) override { return failOpen.count(path) > 0; }
    bool FailRead(const std::string& path, std::int64_t) override {
        return failRead.count(path) > 0;
    }
};

// What a nested action at a pump point does to the running search.
struct PumpAction {
    int stopAt = 0;    // press Stop! at this pump (0: never)
    int removeAt = 0;  // take one ungrouped file away and flag its entry at this pump (0: never)
    std::string stash; // where the file goes, outside the searched folders, until the run ends
};

struct Outcome {
    std::vector<std::string> log;
    std::string grid;
    std::string index;
};

std::string Describe(const SearchState& state) {
    std::ostringstream out;
    const ResultGrid& grid = state.DupeGrid;
    out << grid.RowCount() << "x" << grid.ColCount() << " fixed " << grid.FixedRows() << "\n";
    for (int r = 0; r < grid.RowCount(); ++r) {
        for (int c = 0; c < grid.ColCount(); ++c) {
            const TFile* f = grid.Object(c, r);
            out << "[" << grid.Text(c, r) << "|";
            if (f)
                out << f->DirIndex << "/" << f->Name() << "#" << f->GroupNo;
            out << "]";
        }
        out << "\n";
    }
    out << "next row " << state.NextGroupRow;
    return out.str();
}

std::string DescribeIndex(const TFileList& list) {
    std::ostringstream out;
    for (std::int64_t i = 0; i < list.Count(); ++i) {
        const TFile& f = *list[i];
        out << f.DirIndex << "/" << f.Name() << " " << f.Size << " g" << f.GroupNo << " f"
            << f.Flags << "\n";
    }
    return out.str();
}

Outcome RunSearch(const std::vector<std::string>& folders, ComparerFactory engine,
                  const PumpAction& action, FolderFiles* listed = nullptr, bool skipHidden = true,
                  int readers = kAutoReaders, std::shared_ptr<cache::ContentCache> cache = {},
                  bool trust = false) {
    SearchState state;
    RecordingWindow window;
    window.folders = folders;
    window.skipHidden = skipHidden;
    std::string taken;
    window.onPump = [&](int n) {
        if (n == action.stopAt)
            state.StopFlag = true;
        if (n == action.removeAt) {
            // A nested removal during a search takes the file and only flags its entry; the
            // readers may have read it already, or find it gone.
            for (std::int64_t i = state.FileList.Count() - 1; i >= 0; --i) {
                TFile& f = *state.FileList[i];
                if (f.GroupNo == 0 && !HasFlag(f, flDeleted) && f.Size > 0) {
                    taken = SearchRun(state, window).GetFilePath(i);
                    std::filesystem::rename(taken, action.stash);
                    SetFlag(f, flDeleted, true);
                    break;
                }
            }
        }
    };
    SearchRun run(state, window, std::move(engine));
    run.UseListedFolders(listed);
    run.UseReaders(readers);
    run.UseCache(cache, trust);
    run.FindDuplicates(window.folders);
    if (!taken.empty())
        std::filesystem::rename(action.stash, taken); // the next engine meets the same tree
    // The reference engine tells no file it could not read; the fast one's reports are checked
    // where reading fails.
    std::vector<std::string> log;
    for (std::string& e : window.log)
        if (e.rfind("unreadable:", 0) != 0)
            log.push_back(std::move(e));
    // kelvaro-find takes the groups from the index, not from a grid: the same, in the same order.
    std::vector<std::vector<std::string>> fromGrid, fromIndex;
    for (int r = state.DupeGrid.FixedRows(); r < state.DupeGrid.RowCount(); ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < state.DupeGrid.ColCount(); ++c)
            if (const TFile* f = state.DupeGrid.Object(c, r))
                row.push_back(EntryPath(state.DirList, *f));
        if (row.size() > 1) // a row a stop left unfilled is no group
            fromGrid.push_back(std::move(row));
    }
    const GroupSource source = GroupsOf(state);
    for (Group group; source(group);) {
        fromIndex.emplace_back();
        for (const Member& m : group)
            fromIndex.back().push_back(m.path);
    }
    EXPECT_EQ(fromIndex, fromGrid);
    return {log, Describe(state), DescribeIndex(state.FileList)};
}

ComparerFactory Fast(FastComparer::Limits limits = {}) {
    return
        [limits](SearchRun& run) { return std::make_unique<FastComparer>(run.Context(), limits); };
}

// Tight limits make every class take many rounds and reopen its files.
constexpr FastComparer::Limits kTight{2, 64 * 1024};
// Reader threads, 0 for none: the walk's own thread reads.
constexpr int kReaderCounts[] = {0, 1, 2, 3, 4, 8};

std::string Bytes(std::mt19937& rng, std::size_t n) {
    std::string s(n, '\0');
    for (auto& c : s)
        c = static_cast<char>(rng() & 0xFF);
    return s;
}

// A tree of several flat folders with the cases that make engines differ.
struct Generated {
    TempTree tree;
    std::vector<std::string> folders;
    FileFaults faults;
};

void Generate(Generated& g, unsigned seed, bool longRun) {
    std::mt19937 rng(seed);
    const int dirs = 2 + static_cast<int>(rng() % 3);
    for (int d = 0; d < dirs; ++d)
        g.folders.push_back(g.tree.CreateDir("d" + std::to_string(d)));
    int serial = 0;
    auto place = [&] {
        return "d" + std::to_string(rng() % static_cast<unsigned>(dirs)) + "/f" +
               std::to_string(serial++);
    };
    // Sizes around the 256-byte blocks of the reference and the 4 KiB pages of the fast one.
    const std::vector<std::size_t> sizes = {0, 1, 3, 255, 256, 257, 512, 4095, 4096, 4097, 70001};
    std::vector<std::string> paths; // relative to the root
    auto add = [&](const std::string& content) {
        paths.push_back(place());
        g.tree.CreateFile(paths.back(), content);
    };
    const int files = 20 + static_cast<int>(rng() % 40);
    for (int i = 0; i < files; ++i) {
        const std::size_t size = sizes[rng() % sizes.size()];
        std::string content = Bytes(rng, size);
        const int copies = static_cast<int>(rng() % 4);
        add(content);
        for (int c = 0; c < copies; ++c) {
            std::string copy = content;
            const unsigned kind = rng() % 4;
            if (kind == 1 && !copy.empty())
                copy.back() = static_cast<char>(copy.back() ^ 1); // only the last byte differs
            else if (kind == 2 && copy.size() > 1)
                copy[copy.size() / 2] = static_cast<char>(copy[copy.size() / 2] + 1);
            add(copy);
        }
    }
    // Hard links: one file reached twice is never a duplicate of itself.
    for (int i = 0; i < 3; ++i) {
        const std::string existing = paths[rng() % paths.size()];
        paths.push_back(place());
        g.tree.CreateHardLink(paths.back(), existing);
    }
    g.tree.CreateFile("d0/.hidden", "abc");
    g.tree.CreateFile("d1/.hidden", "abc");
    if (longRun) {
        // A few hundred files of one size: mostly distinct, some classes, shared prefixes.
        const std::string prefix = Bytes(rng, 600);
        for (int i = 0; i < 220; ++i) {
            std::string content = prefix + Bytes(rng, 424);
            if (i % 7 == 0)
                content = prefix + std::string(424, 'x');
            if (i % 11 == 0)
                content = std::string(1024, 'y');
            add(content);
        }
    }
    for (int i = 0; i < 3; ++i) {
        const std::string p = g.tree.Path(paths[rng() % paths.size()]);
        (rng() % 2 ? g.faults.failOpen : g.faults.failRead).insert(p);
    }
}

TEST(EngineDifferential, GeneratedTreesGiveIdenticalRuns) {
    int groupsSeen = 0;
    for (unsigned seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Generated g;
        Generate(g, seed, seed % 6 == 0);
        platform::ScopedIoFaults installed(g.faults);

        std::mt19937 rng(seed * 7919);
        PumpAction action;
        action.stash = g.tree.Path("stash");
        const Outcome plain = RunSearch(g.folders, MakePairwiseComparer, action);
        const int pumps = static_cast<int>(std::count(plain.log.begin(), plain.log.end(), "pump"));
        if (seed % 3 == 0)
            action.stopAt = 1 + static_cast<int>(rng() % static_cast<unsigned>(pumps));
        if (seed % 4 == 0)
            action.removeAt = 1 + static_cast<int>(rng() % static_cast<unsigned>(pumps));

        const Outcome reference = action.stopAt || action.removeAt
                                      ? RunSearch(g.folders, MakePairwiseComparer, action)
                                      : plain;
        groupsSeen +=
            static_cast<int>(std::count(reference.grid.begin(), reference.grid.end(), '#'));
        const int readers = kReaderCounts[seed % std::size(kReaderCounts)];
        const int tightReaders = kReaderCounts[(seed + 3) % std::size(kReaderCounts)];
        for (const auto& [fast, n] : {std::pair{Fast(), readers}, {Fast(kTight), tightReaders}}) {
            SCOPED_TRACE("readers " + std::to_string(n));
            const Outcome got = RunSearch(g.folders, fast, action, nullptr, true, n);
            EXPECT_EQ(got.log, reference.log);
            EXPECT_EQ(got.grid, reference.grid);
            EXPECT_EQ(got.index, reference.index);
        }
    }
    // The trees must really hold duplicates, or the comparison proves little.
    EXPECT_GT(groupsSeen, 100);
}

// The scan may take each folder's files from the walk that found the folders instead of reading
// them again; the run must not be able to tell.
TEST(EngineDifferential, FilesKeptByTheWalkGiveTheRunOfReadingTheFolders) {
    for (unsigned seed = 101; seed <= 110; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Generated g;
        Generate(g, seed, seed % 2 == 0);
        // What a folder holds besides regular files.
        g.tree.CreateFile("d0/sub/inner", "abc");
        g.tree.CreateSymlink("d1/link", g.tree.Path("d0/sub/inner"));
        g.tree.CreateFile("elsewhere/x", "abc");
        platform::ScopedIoFaults installed(g.faults);

        // With a budget that holds only some of the listings, the others are read again.
        for (std::size_t budget : {FolderFiles::kDefaultBudget, std::size_t{1500}}) {
            SCOPED_TRACE("budget " + std::to_string(budget));
            RecordingWindow walkWindow;
            bool stop = false;
            FolderFiles listed(budget);
            std::vector<std::string> folders{g.tree.Root()};
            WalkSubfolders(
                g.tree.Root(), [&](const std::string& f) { folders.push_back(f); }, walkWindow,
                stop, &listed);
            ASSERT_EQ(folders.size(), 3u + g.folders.size());
            // A folder the walk did not read, and one listed twice: both read from the disk.
            FolderFiles::Listing forgotten;
            const bool kept = listed.Take(g.tree.Path("elsewhere"), forgotten);
            ASSERT_TRUE(kept || budget < FolderFiles::kDefaultBudget);
            folders.push_back(g.folders[0]);
            for (bool skipHidden : {true, false}) {
                FolderFiles copy = listed;
                const Outcome reference = RunSearch(folders, Fast(), {}, nullptr, skipHidden);
                const Outcome got = RunSearch(folders, Fast(), {}, &copy, skipHidden);
                EXPECT_EQ(got.log, reference.log);
                EXPECT_EQ(got.grid, reference.grid);
                EXPECT_EQ(got.index, reference.index);
            }
        }
    }
}

// Rewrites files in place with the bytes of another file of their size, or with their own bytes
// changed, and puts their times back: their cached entries are stale only by the status-change
// time, and files the cache holds different become identical.
void Rewrite(Generated& g, unsigned seed) {
    std::mt19937 rng(seed);
    std::map<std::uintmax_t, std::vector<std::string>> bySize;
    for (const auto& e : std::filesystem::recursive_directory_iterator(g.tree.Root()))
        if (e.is_regular_file() && e.path().filename().string()[0] != '.' && e.file_size() > 0)
            bySize[e.file_size()].push_back(e.path().string());
    for (auto& [size, paths] : bySize) {
        if (rng() % 2)
            continue;
        const std::string& target = paths[rng() % paths.size()];
        std::ifstream in(paths[rng() % paths.size()], std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (rng() % 3 == 0)
            bytes[rng() % bytes.size()] ^= 0x20;
        struct stat before {};
        ASSERT_EQ(::stat(target.c_str(), &before), 0);
        const int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
        ::close(fd);
        const timespec times[2] = {before.st_atim, before.st_mtim};
        ASSERT_EQ(::utimensat(AT_FDCWD, target.c_str(), times, 0), 0);
    }
}

// The content cache may only spare reads: empty, full, stale or damaged, a run gives what it
// gives without one. Trusted, on files that did not change, its groups are the same too.
TEST(EngineDifferential, TheCacheNeverChangesARun) {
    std::int64_t settled = 0;
    for (unsigned seed = 201; seed <= 208; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Generated g;
        Generate(g, seed, seed % 3 == 0);
        TempTree home;
        int warnings = 0;
        const int readers = kReaderCounts[seed % std::size(kReaderCounts)];
        std::int64_t fromCache = 0;
        // The reference runs of the tree as it is, with and without the faults.
        std::map<bool, Outcome> references;
        auto check = [&](const std::string& state, bool trust, bool withFaults) {
            SCOPED_TRACE(state);
            std::unique_ptr<platform::ScopedIoFaults> installed;
            if (withFaults)
                installed = std::make_unique<platform::ScopedIoFaults>(g.faults);
            if (!references.count(withFaults))
                references[withFaults] = RunSearch(g.folders, MakePairwiseComparer, {});
            const Outcome& reference = references[withFaults];
            cache::ContentCache::Options options;
            options.folder = home.Path("cache");
            options.settledNs = 0;
            options.warn = [&](const std::string&) { ++warnings; };
            std::shared_ptr<cache::ContentCache> contentCache = cache::ContentCache::Open(options);
            ASSERT_TRUE(contentCache);
            const Outcome got = RunSearch(g.folders, seed % 2 ? Fast() : Fast(kTight), {}, nullptr,
                                          true, readers, contentCache, trust);
            fromCache += contentCache->Counted().found;
            contentCache->Close();
            EXPECT_EQ(got.log, reference.log);
            EXPECT_EQ(got.grid, reference.grid);
            if (!trust) {
                EXPECT_EQ(got.index, reference.index);
            }
        };
        check("empty", false, true);
        check("full", false, true);
        check("trusted", true, false);
        Rewrite(g, seed);
        references.clear();
        check("stale", false, true);
        check("stale, trusted", true, false);
        EXPECT_EQ(warnings, 0);
        // Garbage over the middle of the database: skipped or made anew, with one warning.
        {
            std::fstream db(cache::ContentCache::DatabasePath(home.Path("cache")),
                            std::ios::in | std::ios::out | std::ios::binary);
            db.seekp(1024);
            db << std::string(16384, '\x5a');
        }
        check("damaged", false, true);
        EXPECT_EQ(warnings, 1);
        settled += fromCache;
    }
    // The cache must really have answered, or the comparison proves little.
    EXPECT_GT(settled, 500);
}

} // namespace
