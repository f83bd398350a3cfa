#pragma once

#include "platform/Dialogs.h"
#include "removal/ShellFileOp.h"

#include <string>

// The progress display of a batch; a widget in the window, nothing in tests.
class OperationProgress {
public:
    virtual ~OperationProgress() = default;
    virtual void Begin(const std::string& title, int total) = 0;
    // Before the file with index done (from 0); false when the user cancelled.
    virtual bool Advance(int done, const std::string& path) = 0;
    virtual void End() = 0;
};

// What happened to one file. On success target is where it went (empty for an erase).
struct FileOpOutcome {
    bool ok = false;
    std::string error;
    std::string target;
};

// The freedesktop.org Trash: restorable from any file manager. The data home is made first so
// that the Trash never lands in the current folder without its .trashinfo.
FileOpOutcome TrashFile(const std::string& path);
// Into folder under the file's own name, or a free variant of it: never overwrites. Across
// file systems the file is copied, flushed and checked before the source goes.
FileOpOutcome MoveFileInto(const std::string& path, const std::string& folder);
FileOpOutcome EraseFile(const std::string& path);

// "name (n).ext" for n >= 2; the extension is what follows the last dot that is not the first
// character.
std::string NumberedName(const std::string& name, int n);

// A path as a .trashinfo records it: every byte but the unreserved characters and "/" escaped
// as %XX, so that a name that is no valid text keeps its bytes.
std::string TrashInfoPath(const std::string& path);

// Creates folder and its missing parents; the folders made get mode. False when it fails.
bool MakeFolders(const std::string& folder, unsigned mode);

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
