#include "removal/RemovalFlow.h"

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "search/RunControl.h"

#include <QtCore/qnamespace.h>
#include <algorithm>
#include <unordered_set>

namespace {

const char* const kNoFoldersText = "You must first select the folders you want to check\r"
                                   "for duplicates with the button \"Add to List\"";
const char* const kNoSearchText = "You must first start a search for duplicates with\r"
                                  "the button \"Find Duplicates\"!";
const char* const kNoSelectionText = "You must first select some duplicate files before you can\r"
                                     "proceed with deleting them!";

} // namespace

std::string KeptByCheckText(const std::vector<std::string>& names) {
    return "These files changed or lost their kept copy since the search and were not "
           "removed: " +
           FailedNamesText(names) + ".";
}

std::string FailedNamesText(const std::vector<std::string>& names) {
    if (names.size() > 5)
        return std::to_string(names.size()) + " files";
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            text += (i + 1 == names.size()) ? " and " : ", ";
        text += names[i];
    }
    return text;
}

RemovalFlow::RemovalFlow(SearchState& state, MainWindowInterface& window,
                         DeleteDialogInterface& dialog, ShellOperations& shell)
    : state_(state), window_(window), dialog_(dialog), shell_(shell) {}

const std::string* RemovalFlow::FolderOf(const TFile& entry) const {
    if (entry.DirIndex < 0 || static_cast<std::size_t>(entry.DirIndex) >= state_.DirList.size())
        return nullptr;
    return &state_.DirList[static_cast<std::size_t>(entry.DirIndex)];
}

int RemovalFlow::LastCompleteRow() const {
    const int last = state_.DupeGrid.RowCount() - 1;
    return Searching() ? std::min(last, state_.NextGroupRow - 1) : last;
}

void RemovalFlow::AddCandidate(TFile* entry) {
    const std::string* folder = FolderOf(*entry);
    if (!folder || !platform::PathExists(platform::JoinPath(*folder, entry->Name)))
        return;
    dialog_.Model().SetFileRow(row_, entry, *folder);
    ++row_;
}

void RemovalFlow::CollectCandidates() {
    const bool searching = Searching();
    const ResultGrid& grid = state_.DupeGrid;
    const int lastRow = LastCompleteRow();
    auto eligible = [](const TFile* e) { return e && !HasFlag(*e, flDeleted); };

    if (state_.UseMarks) {
        std::unordered_set<const TFile*> published;
        if (searching)
            for (int row = 1; row <= lastRow; ++row)
                for (int col = 0; col < grid.ColCount(); ++col)
                    if (const TFile* e = grid.Object(col, row))
                        published.insert(e);
        for (std::int64_t i = 0; i < state_.FileList.Count(); ++i) {
            TFile* entry = state_.FileList[i];
            if (eligible(entry) && HasFlag(*entry, flSelected) &&
                (!searching || published.count(entry)))
                AddCandidate(entry);
        }
        return;
    }
    const GridRect& range = state_.HighlightedRange;
    for (int col = std::max(range.Left, 0); col <= std::min(range.Right, grid.ColCount() - 1);
         ++col)
        for (int row = std::max(range.Top, 1); row <= std::min(range.Bottom, lastRow); ++row)
            if (TFile* entry = grid.Object(col, row); eligible(entry))
                AddCandidate(entry);
}

void RemovalFlow::DeleteFiles() {
    DeleteFilesModel& list = dialog_.Model();
    // The dialog warns of groups that would lose every copy, also as the user edits the list.
    const int lastRow = LastCompleteRow();
    list.CountWholeGroups = [this, lastRow](const std::vector<TFile*>& listed) {
        return GroupsLosingEveryCopy(PlanRemovals(state_, listed, lastRow));
    };
    struct Unhook {
        DeleteFilesModel& list;
        ~Unhook() { list.CountWholeGroups = nullptr; }
    } unhook{list};
    list.ClearFiles();
    row_ = 1;
    CollectCandidates();
    list.UpdateNotification();

    if (list.FileCount() == 0) {
        const char* text = window_.FolderListItems().empty() ? kNoFoldersText
                           : state_.FileList.Empty()         ? kNoSearchText
                                                             : kNoSelectionText;
        window_.ShowMessage({MsgType::Information, kAppTitle, text, MsgButtons::OkHelp, 0});
        return;
    }
    if (dialog_.ShowModal() != mrYes) {
        list.ForgetEntries();
        ShowStatus(window_, "Ready.");
        return;
    }
    ShowStatus(window_, "Removing " + std::to_string(list.FileCount()) + " files..");

    // The rows the user left on the list, read once: the entries themselves stay put.
    const ResultGrid& rows = list.FilesGrid();
    std::vector<TFile*> listed;
    for (int row = 1; row < rows.RowCount(); ++row)
        if (TFile* entry = rows.Object(0, row))
            listed.push_back(entry);
    const std::vector<PlannedRemoval> plan = PlanRemovals(state_, listed, lastRow);
    if (Progress)
        Progress->Begin("Checking files...", static_cast<int>(plan.size()));
    std::vector<int> matched;
    std::vector<CheckResult> checks = CheckRemovals(plan, Progress, &matched);
    if (Progress)
        Progress->End();
    // Reading a large batch takes a while: what passed first is looked at once more.
    RecheckPassed(plan, matched, checks);
    RemovePassed(plan, checks, list.RemoveMethod(), list.ArchiveFolder());

    std::vector<std::string> failed, keptByCheck;
    for (std::size_t i = 0; i < plan.size(); ++i) {
        TFile* entry = plan[i].entry;
        if (platform::PathExists(plan[i].file.path)) {
            failed.push_back(entry->Name);
            if (checks[i] == CheckResult::Changed || checks[i] == CheckResult::NoKeptCopy)
                keptByCheck.push_back(entry->Name);
            continue;
        }
        SetFlag(*entry, flDeleted, true);
        entry->GroupNo = 0;
        ++state_.FilesDeleted;
        state_.BytesCleared += entry->Size;
    }
    list.ForgetEntries();
    // The removed files turn gray before a message box holds the window.
    if (RepaintGrid && !failed.empty())
        RepaintGrid();
    if (!keptByCheck.empty())
        window_.ShowMessage(
            {MsgType::Warning, kAppTitle, KeptByCheckText(keptByCheck), MsgButtons::Ok, 0});
    if (!failed.empty())
        window_.ShowMessage({MsgType::Warning, kAppTitle,
                             "Unable to delete " + FailedNamesText(failed) + ".", MsgButtons::Ok,
                             0});

    SweepGrid();
    if (!Searching())
        state_.FileList.RemoveIf([](const TFile& f) { return HasFlag(f, flDeleted); });

    if (UpdateSelectionInfo)
        UpdateSelectionInfo();
    if (RepaintGrid)
        RepaintGrid();
    ShowStatus(window_, "Ready.");
}

void RemovalFlow::RemovePassed(const std::vector<PlannedRemoval>& plan,
                               const std::vector<CheckResult>& checks, TRemoveMethod method,
                               const std::string& archive) {
    // A check the user cancelled removes nothing at all.
    if (std::find(checks.begin(), checks.end(), CheckResult::Cancelled) != checks.end())
        return;
    TShellFileOp op(shell_);
    op.NoConfirmation = true;
    op.Animate = true;
    for (std::size_t i = 0; i < plan.size(); ++i)
        if (checks[i] == CheckResult::Passed)
            op.AddFile(plan[i].file.path);
    switch (method) {
    case rmRecycle:
        op.RecycleFiles();
        break;
    case rmMove:
        op.MoveFiles(archive);
        break;
    case rmErase:
        op.EraseFiles();
        break;
    }
}

void RemovalFlow::SweepGrid() {
    ResultGrid& grid = state_.DupeGrid;
    for (int row = LastCompleteRow(); row >= 1; --row) {
        int kept = 0;
        for (int col = grid.ColCount() - 1; col >= 0; --col) {
            const TFile* entry = grid.Object(col, row);
            if (!entry)
                continue;
            if (HasFlag(*entry, flDeleted))
                grid.DeleteCell(col, row);
            else
                ++kept;
        }
        if (kept >= 2)
            continue;
        // No longer a group: the one file left stays on disk but leaves the index.
        if (TFile* lone = grid.Object(0, row)) {
            SetFlag(*lone, flDeleted, true);
            lone->GroupNo = 0;
        }
        grid.DeleteRow(row);
        --state_.NextGroupRow;
    }
}

bool RemovalFlow::DupeGridKeyDown(int key) {
    if (key != Qt::Key_Delete)
        return false;
    DeleteFiles();
    return true;
}
