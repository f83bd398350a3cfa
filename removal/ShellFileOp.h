#pragma once

#include "removal/DeleteFilesModel.h"
#include "removal/RemovalResult.h"

#include <string>
#include <vector>

// Whatever carries out a batch: the desktop layer in the program.
class ShellOperations {
public:
    virtual ~ShellOperations() = default;
    // Removes the files in their order by method (into destination for a move), each checked
    // at the moment it goes; a progress display when animate. One result per file; aborted when
    // the user cancelled part of the batch.
    virtual std::vector<RemovalResult> Run(TRemoveMethod method, const std::string& destination,
                                           const std::vector<const PlannedFile*>& files,
                                           bool animate, bool& aborted) = 0;
};

// Collects the planned files and hands them to the shell in one batch: to the Trash, into a
// folder, or deleted for good. Lives for one removal.
class TShellFileOp {
public:
    explicit TShellFileOp(ShellOperations& shell) : shell_(shell) {}
    TShellFileOp(const TShellFileOp&) = delete;
    TShellFileOp& operator=(const TShellFileOp&) = delete;

    bool Animate = false;

    // The batch runs sorted by path for display (case ignored, locale-aware); a path already
    // listed, byte for byte, is done once and its result given to both.
    void AddFile(const PlannedFile& file);

    // True when the user aborted some part of the operation.
    bool RecycleFiles();
    bool EraseFiles();
    bool MoveFiles(const std::string& destination);

    // One per AddFile, in the order of the calls: what the last operation did with each file.
    const std::vector<RemovalResult>& Results() const { return results_; }

private:
    bool Execute(TRemoveMethod method, const std::string& destination);

    ShellOperations& shell_;
    std::vector<PlannedFile> files_;
    std::vector<RemovalResult> results_;
};
