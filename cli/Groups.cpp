#include "cli/Groups.h"

#include "platform/Paths.h"

#include <algorithm>

std::vector<Group> GroupsOf(const SearchState& state) {
    const ResultGrid& grid = state.DupeGrid;
    std::vector<Group> groups;
    for (int row = grid.FixedRows(); row < grid.RowCount(); ++row) {
        Group group;
        for (int col = 0; col < grid.ColCount(); ++col)
            if (const TFile* f = grid.Object(col, row))
                group.push_back(
                    {EntryPath(state.DirList, *f), SeenStamp(*f), false, HasFlag(*f, flTrusted)});
        if (group.size() > 1)
            groups.push_back(std::move(group));
    }
    return groups;
}

bool InFolder(const std::string& path, const std::string& folder) {
    if (folder == "/")
        return path.size() > 1 && path[0] == '/';
    return path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
           path[folder.size()] == '/';
}

void ApplyReferences(std::vector<Group>& groups, const std::vector<std::string>& references,
                     bool refGroups) {
    if (references.empty())
        return;
    std::erase_if(groups, [&](Group& group) {
        std::size_t inside = 0;
        for (Member& m : group) {
            m.reference = std::any_of(references.begin(), references.end(),
                                      [&](const std::string& r) { return InFolder(m.path, r); });
            inside += m.reference;
        }
        return inside == 0 || (inside == group.size() && !refGroups);
    });
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
