#include "removal/RemovalPlan.h"

#include "results/Selection.h"

#include <algorithm>
#include <set>
#include <unordered_map>
#include <unordered_set>

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
