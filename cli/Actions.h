#pragma once

#include "cli/Groups.h"

#include <cstdio>
#include <string>
#include <vector>

enum class Action { None, Trash, MoveTo, Delete, HardLink, Reflink };

struct ActionOptions {
    Action action = Action::None;
    std::string moveTo;
    KeepRule keep = KeepRule::First;
    bool dryRun = false;
    // Where each action done is appended as a line of JSON.
    std::string log;
};

// The log's place when none is given: $XDG_STATE_HOME/kelvaro/actions.log, by default under
// ~/.local/state.
std::string DefaultLogPath();

// Acts on every member of the groups that does not stay (see KeptMembers), each through the
// per-file check, after a look at every member against the stamp the search or report saw: a
// changed member stays, and a group whose kept copy changed is left whole. With dryRun, only
// prints the plan. Prints to out what it does and to stderr why a file stays; returns 0 when
// every file went as planned, else 1.
int Act(const GroupSource& groups, const ActionOptions& options, std::FILE* out);
inline int Act(const std::vector<Group>& groups, const ActionOptions& options, std::FILE* out) {
    return Act(GroupsOf(groups), options, out);
}
