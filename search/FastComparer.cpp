#include "search/FastComparer.h"

#include "platform/Memory.h"

#include <algorithm>
#include <new>
#include <tuple>
#include <utility>

namespace {

// Entries of the size runs read ahead of the walk: enough to keep every reader busy while the
// window publishes a group, little memory.
constexpr std::size_t kAheadEntries = 4096;
// Runs with at least this many entries give their memory back to the system as they end.
constexpr std::size_t kLargeRun = 16384;
// How long the window's thread waits for a reader before it looks at the clock again.
constexpr int kWaitMilliseconds = 5;

} // namespace

FastComparer::FastComparer(ComparerContext context) : FastComparer(std::move(context), Limits{}) {}

FastComparer::FastComparer(ComparerContext context, Limits limits)
    : context_(std::move(context)), pool_(std::make_unique<ReaderPool>(context_.readers)),
      reader_(std::make_shared<SizeRunReader>(
          *pool_, limits,
          SizeRunReader::CacheUse{context_.cache, context_.trustCache, context_.counts})) {}

FastComparer::~FastComparer() {
    // A reader still busy then keeps what it works on; this waits for none of them.
    reader_->Cancel();
    pool_.reset();
}

std::shared_ptr<SizeRunJob> FastComparer::MakeJob(std::int64_t first, std::int64_t end) {
    const TFileList& list = *context_.files;
    auto job = std::make_shared<SizeRunJob>();
    job->first = first;
    job->size = list[first]->Size;
    job->order = serial_++;
    job->folders = context_.folders;
    const auto n = static_cast<std::size_t>(end - first);
    auto wanted = [&](const TFile& f) {
        return f.GroupNo == 0 && !HasFlag(f, flDeleted) && EntryFolder(context_.folders, f);
    };
    // One file per identity, however many entries reach it: hard links and a folder listed
    // twice are read once. Found by sorting, in one block: a run of many small files is the
    // largest thing a search makes, and a node per entry would leave the heap in pieces.
    struct Reach {
        platform::FileIdentity id;
        std::int32_t entry;
    };
    std::vector<Reach> reach;
    reach.reserve(n);
    std::size_t nameBytes = 0;
    for (std::int64_t p = first; p < end; ++p)
        if (const TFile& f = *list[p]; wanted(f)) {
            reach.push_back({f.Id(), static_cast<std::int32_t>(p - first)});
            nameBytes += f.Name().size() + 1;
        }
    std::sort(reach.begin(), reach.end(), [](const Reach& a, const Reach& b) {
        return std::tie(a.id.device, a.id.inode, a.entry) <
               std::tie(b.id.device, b.id.inode, b.entry);
    });
    // The first entry that reaches each file, for every entry of the run.
    std::vector<std::int32_t> firstReach(n, -1);
    std::size_t files = 0;
    for (std::size_t r = 0; r < reach.size(); ++r) {
        const bool starts = r == 0 || !(reach[r].id == reach[r - 1].id);
        if (starts)
            ++files;
        firstReach[static_cast<std::size_t>(reach[r].entry)] =
            starts ? reach[r].entry : firstReach[static_cast<std::size_t>(reach[r - 1].entry)];
    }
    reach = {};
    // Sized once: a growing vector would need half as much again for a moment.
    job->entries.reserve(n);
    job->files.reserve(files);
    job->names.reserve(nameBytes);
    for (std::int64_t p = first; p < end; ++p) {
        const TFile& f = *list[p];
        const auto e = static_cast<std::size_t>(p - first);
        if (firstReach[e] < 0) {
            job->entries.emplace_back();
            continue;
        }
        SizeRunJob::Entry& entry = job->Add(f.DirIndex, f.Name(), SeenStamp(f));
        if (firstReach[e] == static_cast<std::int32_t>(e)) {
            entry.file = static_cast<std::int32_t>(job->files.size());
            job->files.emplace_back();
            job->files.back().entry = static_cast<std::int32_t>(e);
        } else {
            entry.file = job->entries[static_cast<std::size_t>(firstReach[e])].file;
        }
        ++job->files[static_cast<std::size_t>(entry.file)].entries;
    }
    return job;
}

bool FastComparer::PlanNext() {
    const TFileList& list = *context_.files;
    // The same size runs, in the same order, as the walk will examine.
    while (planned_ < list.Count()) {
        const std::int64_t first = planned_;
        const std::int64_t size = list[first]->Size;
        std::int64_t end = first + 1;
        while (end < list.Count() && list[end]->Size == size)
            ++end;
        planned_ = end;
        if (end - first < 2 || size <= 0)
            continue;
        jobs_.push_back(MakeJob(first, end));
        aheadEntries_ += jobs_.back()->entries.size();
        reader_->Start(jobs_.back());
        return true;
    }
    return false;
}

void FastComparer::PlanAhead() {
    while (aheadEntries_ < kAheadEntries && PlanNext()) {
    }
}

void FastComparer::BeginSizeRun(std::int64_t first, std::int64_t end) {
    first_ = first;
    classOf_.assign(static_cast<std::size_t>(end - first), -1);
    classes_.clear();
    while (!jobs_.empty() && jobs_.front()->first < first) {
        aheadEntries_ -= jobs_.front()->entries.size();
        jobs_.pop_front();
    }
    if (jobs_.empty())
        PlanNext();
    if (jobs_.empty() || jobs_.front()->first != first)
        return; // not a run the walk compares
    std::shared_ptr<SizeRunJob> job = jobs_.front();
    PlanAhead();
    if (!Await(*job, end))
        return; // stopped: nothing unproven may count as identical
    ReportUnreadable(*job);
    if (context_.trustCache)
        MarkTrusted(*job);
    for (std::size_t e = 0; e < job->classOf.size(); ++e) {
        const std::int32_t c = job->classOf[e];
        if (c < 0)
            continue;
        if (static_cast<std::size_t>(c) >= classes_.size())
            classes_.resize(static_cast<std::size_t>(c) + 1);
        classes_[static_cast<std::size_t>(c)].push_back(first + static_cast<std::int64_t>(e));
        classOf_[e] = c;
    }
    aheadEntries_ -= job->entries.size();
    jobs_.pop_front();
    // Gone before the next runs are planned: a run of many small files is as large as a tenth of
    // the index, and two such at once would double the peak. What a large one left free in the
    // heap goes back to the system, or the heap would keep the largest run's size to the end.
    const bool large = job->entries.size() >= kLargeRun;
    job.reset();
    if (large)
        platform::ReturnFreedMemory();
    // The readers go on with the next runs while the walk publishes this one.
    PlanAhead();
}

bool FastComparer::Await(SizeRunJob& job, std::int64_t end) {
    const bool inline_ = pool_->Threads() == 0;
    job.awaited = true;
    while (!job.done) {
        if (reader_->OutOfMemory())
            throw std::bad_alloc();
        if (!inline_)
            reader_->WaitForProgress(kWaitMilliseconds);
        else if (!pool_->RunOne())
            break;
        // "Files checked" follows the files of the run read so far.
        context_.progress(std::min(job.first + job.checked.load(), end));
        if (*context_.stop) {
            reader_->Cancel();
            return false;
        }
    }
    if (reader_->OutOfMemory())
        throw std::bad_alloc();
    return job.done;
}

void FastComparer::ReportUnreadable(const SizeRunJob& job) {
    for (const SizeRunJob::File& file : job.files) {
        const bool unreadable = file.failed && file.error != 0;
        if (!unreadable && !file.unstable)
            continue; // most files: no path made for them
        const std::string path = job.PathOf(job.entries[static_cast<std::size_t>(file.entry)]);
        if (unreadable)
            context_.unreadable(path, file.error);
        else
            context_.unstable(path);
    }
}

void FastComparer::MarkTrusted(const SizeRunJob& job) {
    TFileList& list = *context_.files;
    for (std::size_t e = 0; e < job.classOf.size(); ++e)
        if (job.classOf[e] >= 0 && job.files[static_cast<std::size_t>(job.entries[e].file)].settled)
            SetFlag(*list[job.first + static_cast<std::int64_t>(e)], flTrusted, true);
}

bool FastComparer::Same(std::int64_t a, std::int64_t b) {
    const auto n = static_cast<std::int64_t>(classOf_.size());
    if (a < first_ || b < first_ || a - first_ >= n || b - first_ >= n)
        return false;
    const auto ia = static_cast<std::size_t>(a - first_);
    const auto ib = static_cast<std::size_t>(b - first_);
    // Two entries that are one file are never duplicates of each other.
    const TFileList& list = *context_.files;
    return classOf_[ia] >= 0 && classOf_[ia] == classOf_[ib] && !(list[a]->Id() == list[b]->Id());
}

const std::vector<std::int64_t>* FastComparer::Candidates(std::int64_t k) {
    static const std::vector<std::int64_t> none;
    if (k < first_ || k - first_ >= static_cast<std::int64_t>(classOf_.size()))
        return &none;
    const std::int32_t c = classOf_[static_cast<std::size_t>(k - first_)];
    return c < 0 ? &none : &classes_[static_cast<std::size_t>(c)];
}
