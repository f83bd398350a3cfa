#include "cli/Groups.h"

#include "platform/Paths.h"

#include <algorithm>
#include <utility>

GroupSource GroupsOf(const SearchState& state, std::vector<std::string> references,
                     bool refGroups) {
    // In the order the search found them: size runs in the index's order, and within a run by
    // their numbers; a group's files in the index's order. The window's grid shows them so.
    return [&state, references = std::move(references), refGroups, next = std::int64_t{0},
            run = std::vector<const TFile*>(), at = std::size_t{0}](Group& group) mutable {
        const TFileList& list = state.FileList;
        for (;;) {
            while (at == run.size()) {
                run.clear();
                at = 0;
                if (next >= list.Count())
                    return false;
                const std::int64_t size = list[next]->Size;
                for (; next < list.Count() && list[next]->Size == size; ++next)
                    if (list[next]->GroupNo > 0)
                        run.push_back(list[next]);
                std::stable_sort(run.begin(), run.end(), [](const TFile* a, const TFile* b) {
                    return a->GroupNo < b->GroupNo;
                });
            }
            group.clear();
            const std::int32_t number = run[at]->GroupNo;
            for (; at < run.size() && run[at]->GroupNo == number; ++at)
                group.push_back({EntryPath(state.DirList, *run[at]), SeenStamp(*run[at]), false,
                                 HasFlag(*run[at], flTrusted)});
            if (group.size() > 1 && ApplyReferences(group, references, refGroups))
                return true;
        }
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
