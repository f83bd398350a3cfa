#include "search/SearchRun.h"

#include "cache/ContentCache.h"
#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/Memory.h"
#include "platform/Paths.h"
#include "search/FastComparer.h"
#include "search/FolderReader.h"
#include "search/FormatThousands.h"
#include "search/RunControl.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <exception>
#include <new>
#include <set>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t kBlock = 256;
// Folders the scan asks the readers to list before it reaches them.
constexpr std::size_t kFoldersListedAhead = 64;
// Bytes of folder listings the scan takes before it gives their pages back to the system: the
// walk made them in its own order, so that the index never reuses them whole.
constexpr std::size_t kListingBytesReturned = 32u << 20;
// How often the window takes input while the scan waits for a reader.
constexpr std::int64_t kWaitPumpMs = 100;

const char* const kStoppedText =
    "You have terminated the search.\r\rYou can still select the files already found and delete "
    "them.";
const char* const kOutOfMemoryText = "The application has run out of memory. The file list is\r\n"
                                     "truncated to the maximum number of files fitting in.";
const char* const kOutOfMemoryStatus =
    "Search ended: out of memory. The groups found so far are shown.";
const char* const kEmptyPaneText =
    "The \"directories\" pane is empty.\nPlease select directories first.";

class PairwiseComparer final : public ContentComparer {
public:
    explicit PairwiseComparer(SearchRun& run) : run_(run) {}
    bool Same(std::int64_t a, std::int64_t b) override { return run_.CompareFiles(a, b); }

private:
    SearchRun& run_;
};

// Gives up the processor to other programs, but not more than once a millisecond: a yield per
// representative cost a tenth of the time of long runs of distinct files.
void YieldNowAndThen() {
    static std::chrono::steady_clock::time_point last;
    const auto now = std::chrono::steady_clock::now();
    if (now - last < std::chrono::milliseconds(1))
        return;
    last = now;
    std::this_thread::yield();
}

} // namespace

std::unique_ptr<ContentComparer> MakePairwiseComparer(SearchRun& run) {
    return std::make_unique<PairwiseComparer>(run);
}

bool SameBytes(const void* a, const void* b, std::size_t n) {
    return n == 0 || std::memcmp(a, b, n) == 0;
}

int CompareSizes(const TFile& a, const TFile& b) {
    if (a.Size > b.Size)
        return -1;
    if (a.Size < b.Size)
        return 1;
    return 0;
}

void SortFileList(TFileList& list) {
    if (list.Count() < 2)
        return;
    // The ranges are disjoint, so an explicit stack gives the same result as the recursion
    // without its depth.
    std::vector<std::pair<std::int64_t, std::int64_t>> pending{{0, list.Count() - 1}};
    while (!pending.empty()) {
        auto [L, R] = pending.back();
        pending.pop_back();
        std::int64_t I;
        do {
            I = L;
            std::int64_t J = R;
            const TFile* pivot = list[(L + R) / 2];
            do {
                while (CompareSizes(*list[I], *pivot) < 0)
                    ++I;
                while (CompareSizes(*list[J], *pivot) > 0)
                    --J;
                if (I <= J) {
                    list.Exchange(I, J);
                    ++I;
                    --J;
                }
            } while (I <= J);
            if (L < J)
                pending.emplace_back(L, J);
            L = I;
        } while (I < R);
    }
}

SearchRun::SearchRun(SearchState& state, MainWindowInterface& window, ComparerFactory comparer)
    : state_(state), window_(window), makeComparer_(std::move(comparer)) {}

void SearchRun::FindDuplicates(TDirList folders) {
    if (state_.Busy)
        return;
    SetBusy(state_, window_, true);
    state_.StopFlag = false;
    for (auto counter : {SearchCounter::FilesDetected, SearchCounter::FilesIndexed,
                         SearchCounter::FilesChecked, SearchCounter::DirsChecked})
        window_.SetCounter(counter, "0");

    bool outOfMemory = false, finished = false;
    std::exception_ptr failure;
    try {
        if (folders.empty()) {
            window_.ShowMessage({MsgType::Plain, kAppTitle, kEmptyPaneText, MsgButtons::OkHelp, 2});
        } else {
            window_.SetBusyCursor(true);
            state_.DupeGrid.Clear();
            state_.DirList = std::move(folders);
            state_.FileList.Clear();
            shownProgress_ = false;
            progressMark_ = 0;
            chosenReaders_ = -1;
            ScanDirectories();
            // The listings the scan went through are freed by now, and the index lies apart from
            // them: their pages go back to the system rather than count against the search.
            platform::ReturnFreedMemory();
            if (!CheckStopped()) {
                IndexFiles();
                if (!CheckStopped()) {
                    SortFiles();
                    if (Analyse()) {
                        Finish();
                        finished = true;
                    }
                }
            }
        }
    } catch (const std::bad_alloc&) {
        outOfMemory = true;
    } catch (...) {
        failure = std::current_exception();
    }
    // Whatever ended the run, the readers are gone before the window is given back.
    comparer_.reset();
    KeepCache(finished);
    // A removal that ran nested inside this run left its entries in place, flagged, so that no
    // position the run held went stale; they are freed now that nothing holds one.
    state_.FileList.RemoveIf([](const TFile& f) { return HasFlag(f, flDeleted); });
    window_.SetBusyCursor(false);
    SetBusy(state_, window_, false);
    // The results so far stay, as after a stop; the error goes to the general error display.
    if (outOfMemory) {
        ShowOutOfMemoryEnd();
        throw AppError(kOutOfMemory);
    }
    if (failure)
        std::rethrow_exception(failure);
}

void SearchRun::KeepCache(bool finished) {
    if (cache_) {
        if (!finished || state_.StopFlag)
            cache_->Abandon();
        else
            CloseCacheAnswering();
    }
    // A stop that came once the results were whole was the cache's alone.
    state_.StopFlag = false;
}

void SearchRun::CloseCacheAnswering() {
    std::atomic<bool> done{false};
    std::thread keeper;
    try {
        keeper = std::thread([&] {
            cache_->Close();
            done = true;
        });
    } catch (const std::system_error&) {
        cache_->Close();
        return;
    }
    IntervalPump pump(window_, kWaitPumpMs);
    for (;;) {
        pump();
        if (state_.StopFlag)
            cache_->Interrupt();
        if (done)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    keeper.join();
}

unsigned SearchRun::Readers() {
    if (chosenReaders_ < 0)
        chosenReaders_ = static_cast<int>(
            ReadersFor(std::string(state_.DirList.empty() ? "." : state_.DirList[0]), readers_));
    return static_cast<unsigned>(chosenReaders_);
}

void SearchRun::ScanDirectories() {
    TFileList& list = state_.FileList;
    const auto& dirs = state_.DirList;
    FolderReader reader(Readers(), platform::ListWhat::TypesAndSizes);
    IntervalPump pump(window_, kWaitPumpMs);
    auto idle = [&] {
        pump();
        return !state_.StopFlag;
    };
    // Each folder's files come from the walk that found the folders, or from a reader that
    // lists the folder ahead of this loop.
    struct Pending {
        bool listed = false;
        FolderFiles::Listing known;
    };
    std::deque<Pending> pending;
    std::size_t ahead = 0;
    std::size_t listingBytesTaken = 0;
    for (std::size_t d = 0; d < dirs.size(); ++d) {
        for (; ahead < dirs.size() && ahead < d + kFoldersListedAhead; ++ahead) {
            Pending next;
            const std::string folder(dirs[ahead]);
            next.listed = listed_ && listed_->Take(folder, next.known);
            if (!next.listed)
                reader.Prefetch(folder);
            pending.push_back(std::move(next));
        }
        Pending current = std::move(pending.front());
        pending.pop_front();
        if (current.listed) {
            listingBytesTaken += current.known.names.capacity() +
                                 current.known.stamps.capacity() * sizeof(platform::FileStamp);
            if (listingBytesTaken >= kListingBytesReturned) {
                // The listings taken before this one are gone by now.
                platform::ReturnFreedMemory();
                listingBytesTaken = 0;
            }
        }
        const std::string folder(dirs[d]);
        window_.SetCounter(SearchCounter::DirsChecked,
                           FormatThousands(static_cast<std::int64_t>(d) + 1));
        ShowStatus(window_, "Analysing directory \"" + folder + "\"");
        const bool skipHidden = window_.SkipHiddenFiles();
        bool outOfMemory = false;
        auto addFile = [&](const std::string& name, const platform::FileStamp& stamp) {
            if (skipHidden && !name.empty() && name[0] == '.')
                return true;
            if (take_ && !take_(name, stamp.size))
                return true;
            if (state_.StopFlag)
                return false;
            try {
                TFile* file = list.Add(name);
                file->DirIndex = static_cast<std::int32_t>(d);
                file->Size = stamp.size;
                file->SetId(stamp.identity);
                file->Modified = stamp.modified;
                file->Changed = stamp.changed;
                file->GroupNo = 0;
                SetFlag(*file, flIndexed, true);
            } catch (const std::bad_alloc&) {
                outOfMemory = true;
                return false;
            }
            if (list.Count() % 100 == 0) {
                window_.SetCounter(SearchCounter::FilesDetected, FormatThousands(list.Count()));
                window_.ProcessMessages();
            }
            return true;
        };
        if (current.listed) {
            std::string name;
            std::size_t at = 0;
            for (const platform::FileStamp& stamp : current.known.stamps) {
                const std::size_t end = current.known.names.find('\0', at);
                name.assign(current.known.names, at, end - at);
                at = end + 1;
                if (!addFile(name, stamp))
                    break;
            }
        } else {
            bool opened = true;
            int error = 0;
            try {
                opened = reader.List(
                    folder,
                    [&](const platform::FolderEntry& e) {
                        if (e.type == platform::EntryType::Unreadable &&
                            !(skipHidden && e.name[0] == '.'))
                            window_.ReportUnreadable(platform::JoinPath(folder, e.name), e.error);
                        return e.type != platform::EntryType::RegularFile ||
                               addFile(e.name, e.stamp);
                    },
                    idle, &error);
            } catch (const std::bad_alloc&) {
                outOfMemory = true;
            }
            // A folder that exists but cannot be read still counts as visited; one that could
            // not be read for lack of memory ends the scan as any lack of memory does. After a
            // stop the listing may have been given up before the folder was found missing.
            if (!opened && error == ENOMEM)
                outOfMemory = true;
            else if ((!opened || state_.StopFlag) && !platform::IsDirectory(folder))
                continue;
            else if (!opened && !state_.StopFlag)
                window_.ReportUnreadable(folder, error);
        }
        if (outOfMemory) {
            window_.ShowMessage(
                {MsgType::Error, kAppTitle, kOutOfMemoryText, MsgButtons::OkHelp, 0});
            window_.SetCounter(SearchCounter::FilesDetected, FormatThousands(list.Count()));
            return;
        }
        window_.SetCounter(SearchCounter::FilesDetected, FormatThousands(list.Count()));
    }
}

void SearchRun::IndexFiles() {
    TFileList& list = state_.FileList;
    ShowStatus(window_, "Indexing " + FormatThousands(list.Count()) + " files..");
    for (std::int64_t i = 0; i < list.Count(); ++i) {
        if (i % 100 == 0) {
            window_.SetCounter(SearchCounter::FilesIndexed, FormatThousands(i + 1));
            window_.ProcessMessages();
        }
        if (state_.StopFlag)
            return;
        if (!HasFlag(*list[i], flIndexed))
            SetFlag(*list[i], flIndexed, true);
    }
    window_.SetCounter(SearchCounter::FilesIndexed, FormatThousands(list.Count()));
    window_.ProcessMessages();
}

void SearchRun::SortFiles() {
    ShowStatus(window_, "Sorting " + FormatThousands(state_.FileList.Count()) + " files..");
    window_.DrawNow(); // no message runs while the index is sorted
    SortFileList(state_.FileList);
}

bool SearchRun::Analyse() {
    TFileList& list = state_.FileList;
    ShowStatus(window_, "Analysing " + FormatThousands(list.Count()) + " files..");
    groupNo_ = 1;
    state_.NextGroupRow = 1;
    comparer_ = makeComparer_ ? makeComparer_(*this) : std::make_unique<FastComparer>(Context());
    // A stop ends the readers before it is reported: nothing is read behind its message.
    auto stopped = [&] {
        if (state_.StopFlag)
            comparer_.reset();
        return CheckStopped();
    };

    // The members of the group being made; kept between groups for its memory.
    std::vector<std::int64_t> members;
    std::int64_t i = 0;
    while (i < list.Count()) {
        ShowProgress(i + 1, false);
        if (stopped())
            return false;
        const std::int64_t size = list[i]->Size;
        std::int64_t j = i + 1;
        while (j < list.Count() && list[j]->Size == size)
            ++j;
        if (j == i + 1 || size <= 0) {
            i = j;
            continue;
        }
        comparer_->BeginSizeRun(i, j);
        // Every file of this run that is in a group: one file reached by two paths may be in
        // one group only, or keeping "one of each row" could keep no copy at all.
        GroupedFiles grouped(list, i, j);
        for (std::int64_t k = i; k <= j - 2; ++k) {
            ShowProgress(k + 1, false);
            if (stopped())
                return false;
            if (list[k]->GroupNo != 0 || HasFlag(*list[k], flDeleted))
                continue;
            bool found = false;
            // A file already in a group, reached by another path, can start no group: nothing
            // would join it. Asking about it anyway would make many links to one file cost
            // the square of their number.
            if (grouped.Contains({list[k]->Id().device, list[k]->Id().inode})) {
                YieldNowAndThen();
                continue;
            }
            auto consider = [&](std::int64_t m) {
                if (list[m]->GroupNo != 0 || HasFlag(*list[m], flDeleted))
                    return;
                if (comparer_->Same(k, m) && JoinsGroup(k, m, found, grouped)) {
                    if (!found)
                        members.assign(1, k);
                    members.push_back(m);
                    list[k]->GroupNo = groupNo_;
                    list[m]->GroupNo = groupNo_;
                    found = true;
                }
            };
            // Asking only the positions that can match keeps a long run of distinct files
            // from costing the square of its length; the answers are the same.
            if (const std::vector<std::int64_t>* candidates = comparer_->Candidates(k)) {
                for (std::int64_t m : *candidates)
                    if (m > k && m < j)
                        consider(m);
            } else {
                for (std::int64_t m = k + 1; m < j; ++m)
                    consider(m);
            }
            YieldNowAndThen();
            if (found) {
                // In the index's order, as a look along the run for the group's number would
                // find them; that look cost the run's length for every group, and a run of
                // 100,000 small files holds tens of thousands of groups.
                std::sort(members.begin(), members.end());
                int col = 0;
                for (std::int64_t p : members)
                    PublishFile(state_.NextGroupRow - 1, col++, list[p]);
                ++groupNo_;
                ++state_.NextGroupRow;
            }
        }
        i = j;
    }
    comparer_.reset();
    ShowProgress(list.Count(), true);
    return true;
}

ComparerContext SearchRun::Context() {
    ComparerContext c;
    c.files = &state_.FileList;
    c.folders = state_.DirList;
    c.progress = [this](std::int64_t checked) { ShowProgress(checked, false); };
    c.stop = &state_.StopFlag;
    c.unreadable = [this](const std::string& path, int error) {
        window_.ReportUnreadable(path, error);
    };
    c.unstable = [this](const std::string& path) { window_.ReportUnstableIdentity(path); };
    c.readers = Readers();
    c.cache = cache_;
    c.trustCache = trustCache_;
    c.counts = counts_;
    return c;
}

GroupedFiles::GroupedFiles(const TFileList& list, std::int64_t first, std::int64_t end) {
    std::vector<Id> ids;
    ids.reserve(static_cast<std::size_t>(end - first));
    for (std::int64_t p = first; p < end; ++p)
        ids.emplace_back(list[p]->Id().device, list[p]->Id().inode);
    std::sort(ids.begin(), ids.end());
    for (std::size_t a = 1; a < ids.size(); ++a)
        if (ids[a] == ids[a - 1] && (shared_.empty() || shared_.back() != ids[a]))
            shared_.push_back(ids[a]);
}

bool GroupedFiles::Shared(const Id& id) const {
    return std::binary_search(shared_.begin(), shared_.end(), id);
}

bool SearchRun::JoinsGroup(std::int64_t rep, std::int64_t m, bool repJoined,
                           GroupedFiles& grouped) const {
    // Each member was compared with the representative only; two members that are one file
    // (a hard link and a folder reached twice) would let a removal take every copy. A comparer
    // answers Same only for files it read as the scan saw them, so the scan's identity holds.
    const TFileList& list = state_.FileList;
    auto key = [&](std::int64_t pos) {
        return std::pair<dev_t, ino_t>{list[pos]->Id().device, list[pos]->Id().inode};
    };
    const auto id = key(m);
    if (grouped.Contains(id))
        return false;
    if (!repJoined) {
        const auto repId = key(rep);
        if (repId == id || !grouped.Insert(repId))
            return false;
    }
    grouped.Insert(id);
    return true;
}

void SearchRun::Finish() {
    ShowStatus(window_, "Finishing..");
    state_.FileList.RemoveIf([](const TFile& f) { return f.GroupNo == 0; });
    ShowStatus(window_, "Ready.");
}

void SearchRun::ShowProgress(std::int64_t checked, bool force) {
    progressMark_ = std::max(progressMark_, checked);
    checked = progressMark_;
    const std::int64_t now = window_.TickCount();
    if (!force && shownProgress_ && std::llabs(now - lastProgressTick_) <= 100)
        return;
    shownProgress_ = true;
    lastProgressTick_ = now;
    window_.SetCounter(SearchCounter::FilesChecked, FormatThousands(checked));
    window_.SetDupeFilesCaption("Duplicate Files (" + FormatThousands(groupNo_ - 1) + " Groups):");
    const std::int64_t count = state_.FileList.Count();
    if (count > 0) {
        const double percent = static_cast<double>(checked) / static_cast<double>(count) * 100.0;
        window_.SetStatusText("Analysing " + FormatThousands(count) + " files.. (" +
                              FormatPercent41(percent) + " %)");
    }
    window_.ProcessMessages();
}

void SearchRun::ShowOutOfMemoryEnd() {
    // The paced progress display may lag behind the grid, and its status line would claim the
    // analysis goes on: both say what is shown now. With memory that short the texts may fail.
    try {
        const ResultGrid& grid = state_.DupeGrid;
        const std::int64_t rows = !useGrid_             ? groupNo_ - 1
                                  : grid.RowCount() > 1 ? grid.RowCount() - 1
                                                        : 0;
        window_.SetDupeFilesCaption("Duplicate Files (" + FormatThousands(rows) + " Groups):");
        window_.SetStatusText(kOutOfMemoryStatus); // no messages run: the run is over
    } catch (const std::bad_alloc&) {
    }
}

bool SearchRun::CheckStopped() {
    if (!state_.StopFlag)
        return false;
    window_.ShowMessage({MsgType::Information, kAppTitle, kStoppedText, MsgButtons::Ok, 0});
    ShowStatus(window_, "Search operation terminated by user.");
    state_.StopFlag = false;
    return true;
}

void SearchRun::PublishFile(int dataRow, int col, TFile* entry) {
    if (!useGrid_) {
        window_.ProcessMessages();
        return;
    }
    ResultGrid& grid = state_.DupeGrid;
    if (grid.RowCount() == 1) {
        grid.SetRowCount(2);
        grid.SetFixedRows(1);
        grid.SetText(0, 0, " Dupe #1");
    }
    if (dataRow >= grid.RowCount() - 1)
        grid.SetRowCount(dataRow + 2);
    if (col >= grid.ColCount()) {
        grid.SetColCount(col + 1);
        grid.SetText(col, 0, " Dupe #" + std::to_string(col + 1));
    }
    grid.SetCell(col, dataRow + 1, {entry, nullptr}); // the cell shows the entry's name
    window_.ProcessMessages();
}

std::string SearchRun::GetFilePath(std::int64_t pos) const {
    const TFileList& list = state_.FileList;
    if (pos < 0 || pos >= list.Count())
        return {};
    return EntryPath(state_.DirList, *list[pos]);
}

bool SearchRun::CompareFiles(std::int64_t a, std::int64_t b) {
    platform::InputFile first;
    platform::InputFile second;
    if (!first.Open(GetFilePath(a)))
        return false;
    if (!second.Open(GetFilePath(b)))
        return false;
    const TFileList& list = state_.FileList;
    // The same file reached twice (a hard link, a folder listed twice) is no duplicate: removing
    // "the copy" would remove the only one. A file that is not the one the scan saw (replaced,
    // written to, grown or shrunk since) is no duplicate either.
    if (first.Identity() == second.Identity() || !(first.Stamp() == SeenStamp(*list[a])) ||
        !(second.Stamp() == SeenStamp(*list[b])))
        return false;

    alignas(64) unsigned char bufferA[kBlock];
    alignas(64) unsigned char bufferB[kBlock];
    std::int64_t total = 0;
    bool same = true;
    std::int64_t count;
    do {
        count = first.Read(bufferA, kBlock);
        const std::int64_t countB = second.Read(bufferB, kBlock);
        if (count < 0 || countB != count) {
            same = false;
            break;
        }
        same = SameBytes(bufferA, bufferB, static_cast<std::size_t>(count));
        std::this_thread::yield();
        total += count;
    } while (same && count == static_cast<std::int64_t>(kBlock));
    first.Close();
    second.Close();
    // A file that grew or shrank while it was read is not the file that was scanned.
    return same && total == list[a]->Size;
}
