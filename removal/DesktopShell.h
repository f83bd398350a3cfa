#pragma once

#include "platform/Dialogs.h"
#include "removal/OperationProgress.h"
#include "removal/ShellFileOp.h"

#include <string>

// Stands in for the shell: removes each file of a batch through RemoveChecked, shows progress
// while it works, and for a file the system refuses asks whether to go on; Cancel leaves the
// rest where they are.
class DesktopShell : public ShellOperations {
public:
    explicit DesktopShell(DialogService& dialogs, OperationProgress* progress = nullptr)
        : dialogs_(dialogs), progress_(progress) {}
    std::vector<RemovalResult> Run(TRemoveMethod method, const std::string& destination,
                                   const std::vector<const PlannedFile*>& files, bool animate,
                                   bool& aborted) override;

private:
    DialogService& dialogs_;
    OperationProgress* progress_;
};
