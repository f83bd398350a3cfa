#include "removal/RemovalCheck.h"

#include "results/Selection.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <unordered_map>
#include <unordered_set>

namespace {

constexpr std::size_t kBlock = 1 << 20;
// Between two turns of the progress window while one large pair is read.
constexpr std::int64_t kBytesPerTurn = 16 << 20;

struct FreeAligned {
    void operator()(char* p) const { std::free(p); }
};
using Buffer = std::unique_ptr<char, FreeAligned>;

Buffer AlignedBlock() {
    return Buffer(static_cast<char*>(std::aligned_alloc(4096, kBlock)));
}

enum class Comparison { Same, Differ, FileChanged, Cancelled };

// Reads a file and one kept copy in step into two page-aligned buffers used for the whole check.
class PairReader {
public:
    PairReader() : a_(AlignedBlock()), b_(AlignedBlock()) {}

    Comparison Compare(const SeenFile& file, const SeenFile& copy, OperationProgress* progress,
                       int index) {
        if (!a_ || !b_)
            return Comparison::Differ;
        platform::InputFile in, other;
        // The opened files must be the ones the search saw, and the paths must still lead to
        // them once they are read.
        if (!in.Open(file.path) || in.Stamp() != file.stamp)
            return Comparison::FileChanged;
        if (!other.Open(copy.path) || other.Stamp() != copy.stamp)
            return Comparison::Differ;
        std::int64_t sinceTurn = 0;
        for (std::int64_t offset = 0; offset < file.stamp.size;) {
            const std::int64_t got = in.ReadAt(a_.get(), kBlock, offset);
            const std::int64_t gotCopy = other.ReadAt(b_.get(), kBlock, offset);
            if (got < 0)
                return Comparison::FileChanged;
            if (got == 0 || gotCopy != got ||
                std::memcmp(a_.get(), b_.get(), static_cast<std::size_t>(got)) != 0)
                return Comparison::Differ;
            offset += got;
            sinceTurn += got;
            if (sinceTurn >= kBytesPerTurn && progress) {
                sinceTurn = 0;
                if (!progress->Advance(index, file.path))
                    return Comparison::Cancelled;
            }
        }
        // Neither may have grown past the length the search saw.
        char extra;
        if (in.ReadAt(&extra, 1, file.stamp.size) != 0)
            return Comparison::FileChanged;
        if (other.ReadAt(&extra, 1, copy.stamp.size) != 0)
            return Comparison::Differ;
        if (!StillAsSeen(file))
            return Comparison::FileChanged;
        return StillAsSeen(copy) ? Comparison::Same : Comparison::Differ;
    }

private:
    Buffer a_, b_;
};

} // namespace

bool StillAsSeen(const SeenFile& file) {
    platform::FileStamp now;
    return platform::StampOf(file.path, now) && now == file.stamp;
}

std::vector<PlannedRemoval> PlanRemovals(const SearchState& state,
                                         const std::vector<TFile*>& listed, int lastRow) {
    const ResultGrid& grid = state.DupeGrid;
    std::unordered_map<const TFile*, int> rowOf;
    for (int row = 1; row <= std::min(lastRow, grid.RowCount() - 1); ++row)
        for (int col = 0; col < grid.ColCount(); ++col)
            if (const TFile* e = grid.Object(col, row); e && !HasFlag(*e, flDeleted))
                rowOf.emplace(e, row);
    const std::unordered_set<const TFile*> going(listed.begin(), listed.end());

    std::vector<PlannedRemoval> plan;
    plan.reserve(listed.size());
    for (TFile* entry : listed) {
        PlannedRemoval item;
        item.entry = entry;
        item.file = {EntryPath(state, *entry), SeenStamp(*entry)};
        const auto at = rowOf.find(entry);
        if (at != rowOf.end()) {
            item.group = at->second;
            for (int col = 0; col < grid.ColCount(); ++col) {
                const TFile* member = grid.Object(col, item.group);
                if (member && !HasFlag(*member, flDeleted) && !going.count(member))
                    item.kept.push_back({EntryPath(state, *member), SeenStamp(*member)});
            }
            item.wholeGroup = item.kept.empty();
        }
        plan.push_back(std::move(item));
    }
    return plan;
}

int GroupsLosingEveryCopy(const std::vector<PlannedRemoval>& plan) {
    std::set<int> groups;
    for (const PlannedRemoval& item : plan)
        if (item.wholeGroup)
            groups.insert(item.group);
    return static_cast<int>(groups.size());
}

std::vector<CheckResult> CheckRemovals(const std::vector<PlannedRemoval>& plan,
                                       OperationProgress* progress, std::vector<int>* matched) {
    std::vector<CheckResult> results(plan.size(), CheckResult::Cancelled);
    if (matched)
        matched->assign(plan.size(), -1);
    PairReader reader;
    for (std::size_t i = 0; i < plan.size(); ++i) {
        const PlannedRemoval& item = plan[i];
        const int index = static_cast<int>(i);
        if (progress && !progress->Advance(index, item.file.path))
            break;
        if (item.file.path.empty() || !StillAsSeen(item.file)) {
            results[i] = CheckResult::Changed;
            continue;
        }
        if (item.wholeGroup) {
            results[i] = CheckResult::Passed;
            continue;
        }
        CheckResult result = CheckResult::NoKeptCopy;
        for (std::size_t k = 0; k < item.kept.size(); ++k) {
            if (!StillAsSeen(item.kept[k]))
                continue;
            const Comparison c = reader.Compare(item.file, item.kept[k], progress, index);
            if (c == Comparison::Cancelled)
                return results;
            if (c == Comparison::Same) {
                result = CheckResult::Passed;
                if (matched)
                    (*matched)[i] = static_cast<int>(k);
            }
            if (c == Comparison::FileChanged)
                result = CheckResult::Changed;
            if (c != Comparison::Differ)
                break;
        }
        results[i] = result;
    }
    return results;
}

void RecheckPassed(const std::vector<PlannedRemoval>& plan, const std::vector<int>& matched,
                   std::vector<CheckResult>& checks) {
    for (std::size_t i = 0; i < plan.size(); ++i) {
        if (checks[i] != CheckResult::Passed)
            continue;
        const int k = matched[i];
        if (!StillAsSeen(plan[i].file) ||
            (k >= 0 && !StillAsSeen(plan[i].kept[static_cast<std::size_t>(k)])))
            checks[i] = CheckResult::Changed;
    }
}
