#include "removal/RemovalFlow.h"

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "search/RunControl.h"

#include <algorithm>
#include <optional>
#include <unordered_set>

namespace {

const char* const kNoFoldersText = "You must first select the folders you want to check\r"
                                   "for duplicates with the button \"Add to List\"";
const char* const kNoSearchText = "You must first start a search for duplicates with\r"
                                  "the button \"Find Duplicates\"!";
const char* const kNoSelectionText = "You must first select some duplicate files before you can\r"
                                     "proceed with deleting them!";

} // namespace

namespace {

constexpr std::size_t kLinesNamed = 10;

bool Holds(std::string_view outer, std::string_view folder) {
    if (outer == "/")
        return !folder.empty() && folder[0] == '/';
    return folder.starts_with(outer) &&
           (folder.size() == outer.size() || folder[outer.size()] == '/');
}

} // namespace

std::string StayedText(const std::vector<std::string>& names,
                       const std::vector<std::string>& lines) {
    std::string text = "Unable to delete " + FailedNamesText(names) + ".\r";
    for (std::size_t i = 0; i < lines.size() && i < kLinesNamed; ++i)
        text += "\r" + lines[i];
    if (lines.size() > kLinesNamed)
        text += "\r... and " + std::to_string(lines.size() - kLinesNamed) + " more.";
    return text;
}

std::string ShownPath(const TDirList& folders, std::string_view folder, std::string_view name) {
    const std::string full = platform::JoinPath(folder, name);
    std::optional<std::string_view> outermost;
    for (std::size_t i = 0; i < folders.size(); ++i)
        if (Holds(folders[i], folder) && (!outermost || folders[i].size() < outermost->size()))
            outermost = folders[i];
    // A folder at the root gains nothing but would look relative.
    const std::string parent = outermost ? platform::ParentFolder(std::string(*outermost)) : "/";
    return parent == "/" ? full : full.substr(parent.size() + 1);
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

int RemovalFlow::LastCompleteRow() const {
    const int last = state_.DupeGrid.RowCount() - 1;
    return Searching() ? std::min(last, state_.NextGroupRow - 1) : last;
}

void RemovalFlow::AddCandidate(TFile* entry) {
    const auto folder = EntryFolder(state_.DirList, *entry);
    if (!folder || !platform::PathExists(EntryPath(state_.DirList, *entry)))
        return;
    dialog_.Model().SetFileRow(row_, entry, std::string(*folder));
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
        const char* text = NoFoldersListed && NoFoldersListed() ? kNoFoldersText
                           : state_.FileList.Empty()            ? kNoSearchText
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
    const std::vector<RemovalResult> results =
        Remove(plan, list.RemoveMethod(), list.ArchiveFolder());

    // Only what this removal took away counts; a file someone else took away leaves the grid
    // uncounted; the rest stays, marked, and is named once with why.
    std::vector<std::string> names, lines;
    for (std::size_t i = 0; i < plan.size(); ++i) {
        TFile* entry = plan[i].entry;
        const RemovalResult& result = results[i];
        if (result.status == RemovalStatus::Removed || result.status == RemovalStatus::Gone) {
            SetFlag(*entry, flDeleted, true);
            entry->GroupNo = 0;
            if (result.status == RemovalStatus::Removed) {
                ++state_.FilesDeleted;
                state_.BytesCleared += entry->Size;
            }
            continue;
        }
        // Put back by this removal alone: the next try knows it again.
        if (result.restamped && result.putBackAs.empty() && result.stamp.identity == entry->Id() &&
            result.stamp.size == entry->Size && result.stamp.modified == entry->Modified)
            entry->Changed = result.stamp.changed;
        names.emplace_back(entry->Name());
        const auto folder = EntryFolder(state_.DirList, *entry);
        lines.push_back((folder ? ShownPath(state_.DirList, *folder, entry->Name())
                                : std::string(entry->Name())) +
                        ": " + StayedReason(result));
    }
    list.ForgetEntries();
    if (!names.empty()) {
        // The removed files turn gray before the message box holds the window.
        if (RepaintGrid)
            RepaintGrid();
        window_.ShowMessage(
            {MsgType::Warning, kAppTitle, StayedText(names, lines), MsgButtons::Ok, 0});
    }

    SweepGrid();
    if (!Searching())
        state_.FileList.RemoveIf([](const TFile& f) { return HasFlag(f, flDeleted); });

    if (UpdateSelectionInfo)
        UpdateSelectionInfo();
    if (RepaintGrid)
        RepaintGrid();
    ShowStatus(window_, "Ready.");
}

std::vector<RemovalResult> RemovalFlow::Remove(const std::vector<PlannedRemoval>& plan,
                                               TRemoveMethod method, const std::string& archive) {
    TShellFileOp op(shell_);
    op.Animate = true;
    for (const PlannedRemoval& item : plan)
        op.AddFile(item);
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
    return op.Results();
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
