#include "cli/Groups.h"

#include "platform/Paths.h"

#include <algorithm>
#include <utility>

GroupSource GroupsOf(const SearchState& state, std::vector<std::string> references,
                     bool refGroups) {
    return [&state, references = std::move(references), refGroups,
            row = state.DupeGrid.FixedRows()](Group& group) mutable {
        const ResultGrid& grid = state.DupeGrid;
        for (; row < grid.RowCount(); ++row) {
            group.clear();
            for (int col = 0; col < grid.ColCount(); ++col)
                if (const TFile* f = grid.Object(col, row))
                    group.push_back({EntryPath(state.DirList, *f), SeenStamp(*f), false,
                                     HasFlag(*f, flTrusted)});
            if (group.size() > 1 && ApplyReferences(group, references, refGroups)) {
                ++row;
                return true;
            }
        }
        return false;
    };
}

GroupSource GroupsOf(const std::vector<Group>& groups) {
    return [&groups, next = std::size_t{0}](Group& group) mutable {
        if (next == groups.size())
            return false;
        group = groups[next++];
        return true;
    };
}

bool InFolder(const std::string& path, const std::string& folder) {
    if (folder == "/")
        return path.size() > 1 && path[0] == '/';
    return path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
           path[folder.size()] == '/';
}

bool ApplyReferences(Group& group, const std::vector<std::string>& references, bool refGroups) {
    if (references.empty())
        return true;
    std::size_t inside = 0;
    for (Member& m : group) {
        m.reference = std::any_of(references.begin(), references.end(),
                                  [&](const std::string& r) { return InFolder(m.path, r); });
        inside += m.reference;
    }
    return inside > 0 && (inside < group.size() || refGroups);
}

void ApplyReferences(std::vector<Group>& groups, const std::vector<std::string>& references,
                     bool refGroups) {
    std::erase_if(groups,
                  [&](Group& group) { return !ApplyReferences(group, references, refGroups); });
}

std::vector<std::size_t> KeptMembers(const Group& group, KeepRule rule) {
    std::vector<std::size_t> kept;
    for (std::size_t i = 0; i < group.size(); ++i)
        if (group[i].reference)
            kept.push_back(i);
    if (!kept.empty() || group.empty())
        return kept;
    std::size_t best = 0;
    for (std::size_t i = 1; i < group.size(); ++i) {
        const Member& m = group[i];
        const Member& b = group[best];
        const bool better = rule == KeepRule::Newest     ? m.stamp.modified > b.stamp.modified
                            : rule == KeepRule::Oldest   ? m.stamp.modified < b.stamp.modified
                            : rule == KeepRule::Shortest ? m.path.size() < b.path.size()
                                                         : false;
        if (better)
            best = i;
    }
    return {best};
}
