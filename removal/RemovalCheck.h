#pragma once

#include "platform/AlignedBuffer.h"
#include "removal/OperationProgress.h"
#include "removal/RemovalResult.h"

#include <string>

// The check that a file may go, made for each file right when it goes: the file, already taken
// away from its path to a name of the removal's own (so that nothing written through that path
// can reach it any more), is read through its descriptor next to a copy that stays, opened at
// its own path; both must hold the same bytes, and the copy must still be in place after the
// read. LastLook repeats the cheap part of it just before the removal is made final.
class CopyCheck {
public:
    // The progress, when given, is turned during long reads and may cancel.
    explicit CopyCheck(OperationProgress* progress = nullptr);
    ~CopyCheck();
    CopyCheck(const CopyCheck&) = delete;
    CopyCheck& operator=(const CopyCheck&) = delete;

    // staged: the descriptor of the file about to go. Removed means it may go (the copy it
    // matched is held for LastLook); otherwise why it must stay, or Cancelled, or Failed when
    // memory for the reads ran out. index and path are what the progress shows.
    RemovalStatus Verify(int staged, const PlannedFile& file, int index, const std::string& path);

    // Removed when nothing changed since Verify passed: the file, and the copy it matched still
    // in place; else Changed or KeptCopyLost for whichever of the two changed.
    RemovalStatus LastLook() const;

    // The copy Verify matched, open, and its path: what a link to it is made from.
    int KeptDescriptor() const { return copy_; }
    const std::string& KeptPath() const { return copyPath_; }

private:
    enum class Comparison { Same, Differ, Cancelled };
    Comparison Compare(int a, int b, std::int64_t size, int index, const std::string& path);
    void Release();

    OperationProgress* progress_;
    platform::AlignedBuffer a_, b_;
    // What Verify passed on.
    int staged_ = -1;
    int copy_ = -1;
    std::string copyPath_;
    platform::FileStamp stagedStamp_, copyStamp_;
};
