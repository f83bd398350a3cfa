#pragma once

#include "platform/FileSystem.h"
#include "search/ComparerContext.h"
#include "search/ContentComparer.h"
#include "search/FolderFiles.h"
#include "search/MainWindowInterface.h"
#include "search/ReaderPool.h"
#include "search/SearchState.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

// The files of one size run that are in a group, by identity. Only an identity that two or
// more entries of the run reach (hard links, a folder listed twice) can be met again, so only
// those are kept: a run of 300,000 small files, all grouped, would otherwise hold a node for each
// at the very end of the search, when the results are largest.
class GroupedFiles {
public:
    using Id = std::pair<dev_t, ino_t>;

    // For the run list[first, end).
    GroupedFiles(const TFileList& list, std::int64_t first, std::int64_t end);
    bool Contains(const Id& id) const { return grouped_.count(id) != 0; }
    // False when it was in already.
    bool Insert(const Id& id) { return !Shared(id) || grouped_.insert(id).second; }

private:
    bool Shared(const Id& id) const;

    std::vector<Id> shared_; // sorted
    std::set<Id> grouped_;
};

class SearchRun;

// Makes the comparer a run uses; the default is the fast comparer (FastComparer.h), the
// pairwise one (MakePairwiseComparer) is the reference it is tested against.
using ComparerFactory = std::function<std::unique_ptr<ContentComparer>(SearchRun&)>;

// True when the first n bytes of both buffers are equal (true for n = 0).
bool SameBytes(const void* a, const void* b, std::size_t n);

// -1 when a is larger than b, 0 when equal, +1 when smaller: larger files sort first.
int CompareSizes(const TFile& a, const TFile& b);

// Sorts the index by CompareSizes with the program's own quicksort; its order of equal sizes
// decides which file heads a group, so it must not be replaced by another sort.
void SortFileList(TFileList& list);

// One search run over the state the main window owns: scan, index, sort, analyse, finish.
class SearchRun {
public:
    SearchRun(SearchState& state, MainWindowInterface& window, ComparerFactory comparer = {});

    // Folders whose files the scan takes from here instead of reading them again.
    void UseListedFolders(FolderFiles* listed) { listed_ = listed; }
    // Reader threads that list folders and read files ahead of the run (0: the run reads them
    // itself). kAutoReaders suits them to the disk of the first folder.
    void UseReaders(int readers) { readers_ = readers; }
    unsigned Readers();
    // Files the scan leaves out before they are indexed, so that none of them is ever read: a
    // file goes in only when take(name, size) is true.
    void UseFileFilter(std::function<bool(const std::string&, std::int64_t)> take) {
        take_ = std::move(take);
    }

    // The content cache the fast comparer consults and fills (none by default). With trust,
    // equal cached whole-file digests group files without reading them. The run closes it as
    // it ends.
    void UseCache(std::shared_ptr<cache::ContentCache> cache, bool trust = false) {
        cache_ = std::move(cache);
        trustCache_ = trust;
    }
    // Without a grid the groups are only in the index (each entry's GroupNo), for a caller that
    // shows none: at millions of files the grid's rows cost tens of megabytes.
    void UseGrid(bool use) { useGrid_ = use; }
    // What the comparer gets to see of this run.
    ComparerContext Context();
    const ReadCounts& Counted() const { return *counts_; }

    // The whole run over the folder list's folders, in its order, as Find Duplicates starts it.
    // Lack of memory outside the scan ends it as a stop does and throws AppError to the general
    // error display.
    void FindDuplicates(TDirList folders);

    // The run's stages, in the order FindDuplicates calls them.
    void ScanDirectories();
    void IndexFiles();
    void SortFiles();
    // False when a stop ended it.
    bool Analyse();
    void ShowOutOfMemoryEnd();
    void Finish();
    // What a finished run read goes into the content cache while the window goes on answering;
    // a stop, before or meanwhile, keeps none of it, so that Stop! never waits for the cache.
    void KeepCache(bool finished);

    void ShowProgress(std::int64_t checked, bool force);
    bool CheckStopped();
    void PublishFile(int dataRow, int col, TFile* entry);

    // Folder + "/" + name of the entry at pos; empty when pos is out of range.
    std::string GetFilePath(std::int64_t pos) const;
    // The reference comparison: both files read in step, 256 bytes at a time.
    bool CompareFiles(std::int64_t a, std::int64_t b);

    SearchState& State() { return state_; }
    MainWindowInterface& Window() { return window_; }
    std::int32_t GroupNumber() const { return groupNo_; }

private:
    // Closes the cache on a thread of its own while the window's messages run; Stop! meanwhile
    // interrupts it.
    void CloseCacheAnswering();
    // True when m may join the representative's group: no file of the size run's groups (the
    // representative's once it has joined) may be the same file as m. Records what joins.
    bool JoinsGroup(std::int64_t rep, std::int64_t m, bool repJoined, GroupedFiles& grouped) const;

    SearchState& state_;
    MainWindowInterface& window_;
    ComparerFactory makeComparer_;
    FolderFiles* listed_ = nullptr;
    int readers_ = kAutoReaders;
    std::function<bool(const std::string&, std::int64_t)> take_;
    int chosenReaders_ = -1;
    std::unique_ptr<ContentComparer> comparer_;
    std::shared_ptr<cache::ContentCache> cache_;
    bool trustCache_ = false;
    bool useGrid_ = true;
    // Shared with the readers, which a read that never returns may keep past the run.
    std::shared_ptr<ReadCounts> counts_ = std::make_shared<ReadCounts>();
    std::int32_t groupNo_ = 1;
    bool shownProgress_ = false;
    std::int64_t lastProgressTick_ = 0;
    // The most files shown checked: the display never goes back.
    std::int64_t progressMark_ = 0;
};

// The comparer that asks SearchRun::CompareFiles for every pair.
std::unique_ptr<ContentComparer> MakePairwiseComparer(SearchRun& run);
