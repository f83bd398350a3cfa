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
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <iterator>

namespace {

// A frame inserts the folders a walk found for at most this long: each insertion moves every
// entry after it, and a walk may find thousands of folders between two frames.
constexpr std::int64_t kFolderShareMs = 12;
// Folders sorted and inserted together between two looks at the clock.
constexpr std::size_t kFoldersPerLook = 256;

const char* const kListFilter = "Text files (*.txt)|*.txt";
const char* const kListFileName = "Folders.txt";

std::string ItemFolder(const QListWidgetItem* item) {
    return item->data(Qt::UserRole).toByteArray().toStdString();
}

QListWidgetItem* FolderItem(const std::string& folder) {
    auto* item = new QListWidgetItem(FolderDisplayText(folder));
    item->setData(Qt::UserRole, QByteArray::fromStdString(folder));
    return item;
}

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
    if (ProtectFoldersCheck->isChecked() && IsProtectedFolder(folder))
        return -1;
    return InsertFolder(folder);
}

int TMainForm::InsertFolder(const std::string& folder) {
    const int place = FolderPlace(folder, DirListBox->count());
    return InsertFolderAt(place, folder) ? place : -1;
}

int TMainForm::FolderPlace(const std::string& folder, int limit) const {
    // The list is always in FolderLess order, a total order, so an equal entry sits where the
    // folder would go. Galloping down from the limit first: the folders of one batch come in
    // runs that go to one place.
    const auto before = [&](int at) {
        return FolderLess(ItemFolder(DirListBox->item(at)), folder);
    };
    int low = 0;
    int high = limit;
    for (int step = 1; high - step >= 0; step *= 2) {
        if (before(high - step)) {
            low = high - step + 1;
            break;
        }
        high -= step;
    }
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (before(middle))
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

bool TMainForm::InsertFolderAt(int place, const std::string& folder) {
    if (place < DirListBox->count() && ItemFolder(DirListBox->item(place)) == folder)
        return false;
    if (DirListBox->count() >= kFolderListCapacity)
        throw AppError("Unable to insert a line");
    DirListBox->insertItem(place, FolderItem(folder));
    return true;
}

void TMainForm::QueueFolder(const std::string& folder, bool mayBeProtected) {
    // The rule applies as the folder is found, with the box as it is then.
    if (mayBeProtected && ProtectFoldersCheck->isChecked() && IsProtectedFolder(folder))
        return;
    // Near a full list each folder goes in by itself, so that the list fills exactly as far
    // as it can and the next folder is the one refused.
    if (DirListBox->count() + static_cast<int>(queuedFolders_.size()) >= kFolderListCapacity) {
        InsertQueuedFolders();
        InsertFolder(folder);
        return;
    }
    queuedFolders_.push_back(folder);
}

void TMainForm::InsertQueuedFolders(bool all) {
    const std::int64_t start = TickCount();
    while (!queuedFolders_.empty()) {
        if (!all && std::llabs(TickCount() - start) >= kFolderShareMs)
            break;
        // Taken first: an insertion may let a handler run that flushes again.
        const std::size_t n =
            all ? queuedFolders_.size() : std::min(kFoldersPerLook, queuedFolders_.size());
        std::vector<std::string> folders(std::make_move_iterator(queuedFolders_.begin()),
                                         std::make_move_iterator(queuedFolders_.begin() + n));
        queuedFolders_.erase(queuedFolders_.begin(), queuedFolders_.begin() + n);
        SortFolders(folders);
        // The largest first: each one's place is then at or before the place of the one before.
        int place = DirListBox->count();
        for (auto f = folders.rbegin(); f != folders.rend(); ++f) {
            place = FolderPlace(*f, place);
            InsertFolderAt(place, *f);
        }
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
                        QueueFolder(found, mayBeProtected);
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
    {
        // One recount at the end instead of one per removed entry.
        const QSignalBlocker quiet(DirListBox);
        if (DirListBox->selectionModel()->selectedRows().size() == DirListBox->count()) {
            DirListBox->clear();
        } else {
            int index = 0;
            while (index < DirListBox->count()) {
                if (DirListBox->item(index)->isSelected())
                    delete DirListBox->takeItem(index);
                else
                    ++index;
            }
        }
    }
    ValidateControls();
}

void TMainForm::DirListBoxKeyDown(int key) {
    // With or without Shift, Ctrl or Alt.
    if (key == Qt::Key_Delete)
        DeleteDirectories();
}

void TMainForm::Button4Click() {
    {
        const QSignalBlocker quiet(DirListBox);
        DirListBox->clear();
    }
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
    if (folders.size() > static_cast<std::size_t>(kFolderListCapacity))
        throw AppError("Unable to insert a line");
    SortFolders(folders);
    const QSignalBlocker quiet(DirListBox);
    DirListBox->setUpdatesEnabled(false);
    DirListBox->clear();
    for (const auto& f : folders)
        DirListBox->addItem(FolderItem(f));
    DirListBox->setUpdatesEnabled(true);
}

void TMainForm::ValidateControls() {
    const bool filled = DirListBox->count() > 0;
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
    if (const QListWidgetItem* item = DirListBox->itemAt(pos)) {
        const FileInfoTexts info = FolderInfoTexts(ItemFolder(item));
        display_.SetText(NameLabel, info.Name);
        display_.SetText(SizeLabel, info.Size);
        display_.SetText(DateLabel, info.Date);
        display_.SetText(StatusLabel, info.Status);
        display_.SetText(DirLabel, FolderDisplayText(info.Dir));
    }
    Step2GroupMouseMove();
}
