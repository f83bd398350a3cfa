#pragma once

#include "platform/FileSystem.h"

#include <string>
#include <vector>

// A file as the search saw it.
struct SeenFile {
    std::string path;
    platform::FileStamp stamp;
};

// One file the user confirmed, with the members of its group that stay: it may only go while
// its bytes are still those of one of them, and that one is still in place.
struct PlannedFile {
    SeenFile file;
    std::vector<SeenFile> kept;
    // Every member of its group is on the list: the user chose to lose them all, so there is
    // nothing to compare with, and the file must be unchanged since the search instead.
    bool wholeGroup = false;
};

enum class RemovalStatus {
    // Taken away by this removal; target tells where it went (empty when erased).
    Removed,
    // Not there any more when its turn came: someone else took it away.
    Gone,
    // Its bytes are no longer those of a copy that stays (or, for a whole group, it is no
    // longer the file the search saw).
    Changed,
    // It is unchanged, but no copy that stays is still in place with its bytes.
    KeptCopyLost,
    // It is now the very file that a copy that stays is (a hard link between them).
    SameFileAsKept,
    // A link, a folder or a device now stands at its path.
    NotAFile,
    // The system refused; error holds its words.
    Failed,
    // The user stopped the removal before this file was done.
    Cancelled,
};

struct RemovalResult {
    RemovalStatus status = RemovalStatus::Cancelled;
    std::string target;
    std::string error;
    // Where the file went back to when it stayed but its own name was taken meanwhile.
    std::string putBackAs;
    // It stayed, touched by nothing but this removal's own renames, which moved its status
    // change time: its stamp now, so that a later try still knows it for the file the search saw.
    bool restamped = false;
    platform::FileStamp stamp;
};

inline RemovalResult ResultOf(RemovalStatus status, std::string error = {}) {
    RemovalResult r;
    r.status = status;
    r.error = std::move(error);
    return r;
}

// Why a file stayed, in a few words ("it changed since the search").
std::string StayedReason(const RemovalResult& result);
