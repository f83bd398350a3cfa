// Times one removal as the window makes it, over a tree of pairs a/NAME and b/NAME: a real
// search, every copy under b/ marked, the delete dialog answered Yes with the chosen method, and
// the removal itself timed (the check of each file against its kept copy included). With
// --cold the page cache is dropped between the search and the removal (root only). Prints one
// line: seconds=S removed=N.
// Usage: kelvaro_removal_bench TREE erase|trash|archive [--cold]
#include "removal/DesktopShell.h"
#include "removal/RemovalFlow.h"
#include "results/Selection.h"
#include "search/SearchRun.h"
#include "tests/support/RecordingWindow.h"
#include "tests/support/ScriptedDialogs.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

struct YesDialog : DeleteDialogInterface {
    std::string archive;
    DeleteFilesModel model{archive};
    DeleteFilesModel& Model() override { return model; }
    int ShowModal() override { return mrYes; }
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TREE erase|trash|archive [--cold]\n", argv[0]);
        return 2;
    }
    const std::string tree = argv[1], method = argv[2];
    const bool cold = argc > 3 && std::strcmp(argv[3], "--cold") == 0;

    SearchState state;
    RecordingWindow window;
    window.folders = {tree + "/a", tree + "/b"};
    SearchRun(state, window).FindDuplicates(window.folders);
    state.UseMarks = true;
    for (std::int64_t i = 0; i < state.FileList.Count(); ++i) {
        TFile& entry = *state.FileList[i];
        SetFlag(entry, flSelected, EntryPath(state, entry).rfind(tree + "/b/", 0) == 0);
    }
    if (cold) {
        ::sync();
        std::ofstream("/proc/sys/vm/drop_caches") << "3\n";
    }

    YesDialog dialog;
    dialog.archive = tree + "/archive";
    dialog.model.SetRemoveMethod(method == "trash"     ? rmRecycle
                                 : method == "archive" ? rmMove
                                                       : rmErase);
    ScriptedDialogs dialogs;
    DesktopShell shell(dialogs);
    RemovalFlow flow(state, window, dialog, shell);
    const auto started = std::chrono::steady_clock::now();
    flow.DeleteFiles();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("seconds=%.3f removed=%lld\n", seconds, static_cast<long long>(state.FilesDeleted));
    return 0;
}
