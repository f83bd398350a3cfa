#include "removal/DesktopShell.h"

#include "removal/CheckedRemoval.h"

namespace {

std::string Title(TRemoveMethod method) {
    switch (method) {
    case rmMove:
        return "Moving files...";
    case rmRecycle:
        return "Moving files to the Trash...";
    case rmErase:
        break;
    }
    return "Deleting files...";
}

std::string FailureText(TRemoveMethod method, const std::string& path,
                        const std::string& destination, const std::string& error) {
    std::string what;
    if (method == rmMove)
        what = "Cannot move \"" + path + "\" to \"" + destination + "\"";
    else if (method == rmRecycle)
        what = "Cannot move \"" + path + "\" to the Trash";
    else
        what = "Cannot delete \"" + path + "\"";
    return what + ":\r" + error + "\r\rPress OK to go on with the other files, or Cancel to stop.";
}

} // namespace

std::vector<RemovalResult> DesktopShell::Run(TRemoveMethod method, const std::string& destination,
                                             const std::vector<const PlannedFile*>& files,
                                             bool animate, bool& aborted) {
    std::vector<RemovalResult> results(files.size());
    aborted = false;
    OperationProgress* progress = animate ? progress_ : nullptr;
    if (progress)
        progress->Begin(Title(method), static_cast<int>(files.size()));
    // Its buffers serve the whole batch; the progress lets a long read be cancelled.
    CopyCheck check(progress);
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string& path = files[i]->file.path;
        const int index = static_cast<int>(i);
        if (progress && !progress->Advance(index, path)) {
            aborted = true;
            break;
        }
        results[i] = RemoveChecked(*files[i], method, destination, check, index);
        if (results[i].status == RemovalStatus::Cancelled) {
            aborted = true;
            break;
        }
        if (results[i].status != RemovalStatus::Failed)
            continue;
        if (progress)
            progress->ShowNow();
        const int answer = dialogs_.MessageBox(
            {MsgType::Error, kAppTitle, FailureText(method, path, destination, results[i].error),
             MsgButtons::OkCancel, 0});
        if (answer == mrCancel) {
            aborted = true;
            break;
        }
    }
    if (progress)
        progress->End();
    return results;
}
