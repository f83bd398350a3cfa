// The folder list of steps 1 and 2.
#include "app/MainForm.h"

#include "folders/FolderList.h"
#include "folders/FolderListFile.h"
#include "folders/FolderRules.h"
#include "folders/FolderWalk.h"
#include "platform/Errors.h"
#include "results/FileInfo.h"
#include "search/RunControl.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include <algorithm>
#include <cstdlib>
#include <exception>

namespace {

// A frame inserts the folders a walk found for at most this long: each insertion moves every
// entry after it, and a walk may find thousands of folders between two frames.
constexpr std::int64_t kFolderShareMs = 12;
// Folders sorted and inserted together between two looks at the clock.
constexpr std::size_t kFoldersPerLook = 256;

const char* const kListFilter = "Text files (*.txt)|*.txt";
const char* const kListFileName = "Folders.txt";

// The folder field's text as a path: "~" stands for the home folder, as in a shell.
std::string FieldFolder(const std::string& text) {
    if (text == "~" || text.starts_with("~/"))
        return QFile::encodeName(QDir::homePath()).toStdString() + text.substr(1);
    return text;
}

// The message naming the folders that Store List left out.
std::string UnstoredFoldersText(const std::vector<std::string>& folders) {
    constexpr std::size_t kNamed = 10;
    std::string text = "These folders were not stored: a folder list holds one folder per line, "
                       "and their names hold a line break.\r";
    for (std::size_t i = 0; i < folders.size() && i < kNamed; ++i)
        text += "\r" + FolderDisplayText(folders[i]).toStdString();
    if (folders.size() > kNamed)
        text += "\r... and " + std::to_string(folders.size() - kNamed) + " more.";
    return text;
}

} // namespace

int TMainForm::AddFolderToList(const std::string& folder) {
    return folders_.Add(folder, ProtectFoldersCheck->isChecked());
}

std::vector<std::string> TMainForm::FolderListItems() {
    display_.Flush(); // the folders a walk has found so far belong to the list
    return folders_.Items();
}

TDirList TMainForm::FolderListPaths() {
    display_.Flush();
    return folders_.Paths();
}

void TMainForm::InsertQueuedFolders(bool all) {
    const std::int64_t start = TickCount();
    while (!folders_.QueueEmpty()) {
        if (!all && std::llabs(TickCount() - start) >= kFolderShareMs)
            break;
        folders_.InsertQueued(all ? SIZE_MAX : kFoldersPerLook);
    }
}

void TMainForm::AddDirButtonClick() {
    if (State.Busy)
        return; // a search or another walk is running
    const std::string typed = FolderFieldText();
    if (typed.empty())
        return;
    const PacedDisplay::Operation paced(display_);
    State.StopFlag = false;
    SetBusy(State, *this, true);
    SetBusyCursor(true);
    DisableKeepingFocus(AddDirButton);
    FindFilesButton->setEnabled(false);

    std::exception_ptr failure;
    try {
        const std::string folder = NormalizeFolderName(FieldFolder(typed));
        AddFolderToList(folder);
        if (IncludeSubdirCheck->isChecked()) {
            const bool mayBeProtected = TreeNeedsProtectionCheck(folder);
            WalkSubfolders(
                folder,
                [this, &failure, mayBeProtected](const std::string& found) {
                    // A full list ends the walk as Stop! does; nothing is thrown through the
                    // folder enumeration.
                    try {
                        // The rule applies as the folder is found, with the box as it is then.
                        folders_.Queue(found, mayBeProtected && ProtectFoldersCheck->isChecked());
                    } catch (...) {
                        failure = std::current_exception();
                        State.StopFlag = true;
                    }
                },
                *this, State.StopFlag);
        }
    } catch (...) {
        failure = std::current_exception();
    }
    InsertQueuedFolders();

    // The window is put back before an error is shown.
    SetBusy(State, *this, false);
    if (State.StopFlag) {
        ShowStatus(*this, "Operation Cancelled.");
        State.StopFlag = false;
    }
    SetBusyCursor(false);
    EnableReturningFocus(AddDirButton);
    FindFilesButton->setEnabled(true);
    ValidateControls();
    if (failure)
        std::rethrow_exception(failure);
}

void TMainForm::DeleteDirectories() {
    ShowPending(); // also from the Delete key
    std::vector<int> rows;
    for (const QModelIndex& index : DirListBox->selectionModel()->selectedRows())
        rows.push_back(index.row());
    if (static_cast<int>(rows.size()) == folders_.Count()) {
        folders_.Clear();
    } else {
        std::sort(rows.begin(), rows.end());
        folders_.RemoveRows(rows);
    }
    ValidateControls();
}

void TMainForm::DirListBoxKeyDown(int key) {
    // With or without Shift, Ctrl or Alt.
    if (key == Qt::Key_Delete)
        DeleteDirectories();
}

void TMainForm::Button4Click() {
    folders_.Clear();
    ValidateControls();
}

void TMainForm::StoreListButtonClick() {
    const auto name = dialogs_.SaveFileName("Store folder list", kListFileName, kListFilter);
    if (!name)
        return;
    std::vector<std::string> stored, refused;
    for (auto& folder : FolderListItems())
        (FitsOnOneLine(folder) ? stored : refused).push_back(std::move(folder));
    WriteFolderListFile(*name, stored);
    if (!refused.empty())
        dialogs_.MessageBox(
            {MsgType::Warning, kAppTitle, UnstoredFoldersText(refused), MsgButtons::Ok, 0});
}

void TMainForm::LoadListButtonClick() {
    struct Revalidate {
        TMainForm* form;
        ~Revalidate() { form->ValidateControls(); }
    } revalidate{this}; // also when cancelled or refused

    const auto name = dialogs_.OpenFileName("Retrieve Folder List", kListFileName, kListFilter);
    if (!name)
        return;
    // Read all before touching the list, so that a refused file leaves it as it was.
    std::vector<std::string> folders = ReadFolderListFile(*name, kFolderListCapacity + 1);
    folders_.Assign(std::move(folders));
}

void TMainForm::ValidateControls() {
    const bool filled = !folders_.Empty();
    RemoveListButton->setEnabled(filled && DirListBox->selectionModel()->hasSelection());
    ClearListButton->setEnabled(filled);
    StoreListButton->setEnabled(filled);
    // A running search or walk keeps Find Duplicates off whatever the list holds.
    FindFilesButton->setEnabled(filled && !State.Busy);
}

void TMainForm::DirectoryEdit1ButtonClick() {
    const auto folder = dialogs_.BrowseFolder("Select a folder", FieldFolder(FolderFieldText()));
    if (folder)
        SetFolderField(*folder);
}

void TMainForm::SetFolderField(const std::string& folder) {
    folderFieldBytes_ = folder;
    DirectoryEdit1->setText(FolderDisplayText(folder));
}

std::string TMainForm::FolderFieldText() const {
    const QString text = DirectoryEdit1->text();
    if (text == FolderDisplayText(folderFieldBytes_))
        return folderFieldBytes_;
    return text.toStdString();
}

void TMainForm::DirListBoxMouseMove(const QPoint& pos) {
    // Only a real entry counts, not the empty space below the last one.
    if (const QModelIndex index = DirListBox->indexAt(pos); index.isValid()) {
        const FileInfoTexts info = FolderInfoTexts(std::string(folders_.At(index.row())));
        display_.SetText(NameLabel, info.Name);
        display_.SetText(SizeLabel, info.Size);
        display_.SetText(DateLabel, info.Date);
        display_.SetText(StatusLabel, info.Status);
        display_.SetText(DirLabel, FolderDisplayText(info.Dir));
    }
    Step2GroupMouseMove();
}
