#pragma once

#include "platform/Dialogs.h"
#include "removal/FileNames.h"
#include "removal/FileOpOutcome.h"
#include "removal/OperationProgress.h"
#include "removal/ShellFileOp.h"
#include "removal/Trash.h"

#include <string>

// Into folder under the file's own name, or a free variant of it: never overwrites. Across
// file systems the file is copied to a nameless or hidden temporary file in folder, flushed and
// checked, then given its name; only then does the source go.
FileOpOutcome MoveFileInto(const std::string& path, const std::string& folder);
FileOpOutcome EraseFile(const std::string& path);

// Stands in for the shell: recycles, moves or erases every listed file, shows progress while
// it works (unless silent), and for a failure asks whether to go on; Cancel aborts the rest.
class DesktopShell : public ShellOperations {
public:
    explicit DesktopShell(DialogService& dialogs, OperationProgress* progress = nullptr)
        : dialogs_(dialogs), progress_(progress) {}
    int SHFileOperation(SHFILEOPSTRUCT& op) override;

private:
    DialogService& dialogs_;
    OperationProgress* progress_;
};
