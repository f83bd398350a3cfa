#pragma once

#include <string>

// The progress display of a long step of a removal (the check, the shell's batch); a window in
// the program, nothing in tests.
class OperationProgress {
public:
    virtual ~OperationProgress() = default;
    virtual void Begin(const std::string& title, int total) = 0;
    // Before the file with index done (from 0); false when the user cancelled. Lets pending
    // window messages run, so it may also be called again for the same file during long work.
    virtual bool Advance(int done, const std::string& path) = 0;
    // Shows the display at once if it is not up yet, so that a message box opened next lies
    // above it and is never covered (and blocked) by it appearing later.
    virtual void ShowNow() {}
    virtual void End() = 0;
};
