#pragma once

#include "platform/FileSystem.h"
#include "search/SearchState.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// A file of a group as the search (or a report) saw it.
struct Member {
    std::string path;
    platform::FileStamp stamp;
    // In a reference folder: never removed or replaced.
    bool reference = false;
    // Grouped by its cached whole-file digest, not read (--trust-cache).
    bool trusted = false;
};
using Group = std::vector<Member>;

// Which member of a group stays when no reference folder holds one.
enum class KeepRule { First, Newest, Oldest, Shortest };

// Hands out groups one at a time; false when there are no more. The groups of a large tree are
// never all held with their paths at once: each is made as it is printed or acted on.
using GroupSource = std::function<bool(Group&)>;

// The groups of identical files a search found, read from its index in the order the window's
// grid shows them, with the members in the reference folders marked and the groups that
// ApplyReferences leaves out left out. The state must outlive the source.
GroupSource GroupsOf(const SearchState& state, std::vector<std::string> references = {},
                     bool refGroups = false);
// The groups of a vector, in its order.
GroupSource GroupsOf(const std::vector<Group>& groups);

// True when path lies in folder or below it.
bool InFolder(const std::string& path, const std::string& folder);

// Marks the members in the reference folders. With any, only groups that hold a member in one
// are kept, and of those only groups with a member outside them unless refGroups.
void ApplyReferences(std::vector<Group>& groups, const std::vector<std::string>& references,
                     bool refGroups);
// The same for one group: false when it is left out.
bool ApplyReferences(Group& group, const std::vector<std::string>& references, bool refGroups);

// The members that stay: every reference member, or else the one the rule picks (ties go to the
// earlier member).
std::vector<std::size_t> KeptMembers(const Group& group, KeepRule rule);
