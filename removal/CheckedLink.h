#pragma once

#include "removal/RemovalCheck.h"
#include "removal/RemovalResult.h"

// How a redundant copy gives up its blocks while its path stays.
enum class LinkMethod {
    // The path becomes a hard link to the kept copy.
    HardLink,
    // The file keeps its own inode but shares the kept copy's blocks (the file system compares
    // the bytes itself and shares only what is equal).
    Reflink,
};

// Replaces one planned file by a link to a copy that stays, checked at that moment with the same
// CopyCheck a removal uses. A hard link is first made under a temporary name in the file's
// folder, from the copy the check matched, and takes the file's name only after the check and
// its last look passed: by an exchange of the two names, after which what went away must be the
// very file that was checked (else the exchange is undone); the file's path is never without a
// file. A reflink asks the kernel to dedupe the whole file from the kept copy. On success the
// result is Removed with target the kept copy's path; else why the file stayed as it was.
RemovalResult LinkChecked(const PlannedFile& file, LinkMethod method, CopyCheck& check,
                          int index = 0);
