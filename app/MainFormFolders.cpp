// The folder list of steps 1 and 2.
#include "app/MainForm.h"

#include "folders/FolderList.h"

#include <QListWidget>

int TMainForm::AddFolderToList(const std::string& folder) {
    // The item keeps the folder's bytes; its text is only for display.
    int row = 0;
    while (
        row < DirListBox->count() &&
        !FolderLess(folder, DirListBox->item(row)->data(Qt::UserRole).toByteArray().toStdString()))
        ++row;
    auto* item = new QListWidgetItem(QString::fromUtf8(folder));
    item->setData(Qt::UserRole, QByteArray::fromStdString(folder));
    DirListBox->insertItem(row, item);
    return row;
}

void TMainForm::AddDirButtonClick() {}    // adds DirectoryEdit1's folder (and its tree)
void TMainForm::DeleteDirectories() {}    // removes the highlighted folders
void TMainForm::DirListBoxKeyDown(int) {} // Delete key in the folder list
void TMainForm::Button4Click() {}         // clears the folder list
void TMainForm::StoreListButtonClick() {} // stores the folder list in a text file
void TMainForm::LoadListButtonClick() {}  // retrieves a stored folder list
void TMainForm::ValidateControls() {}     // enables the step 2 and 3 buttons by the list's state
void TMainForm::DirectoryEdit1ButtonClick() {} // the folder browser of DirectoryEdit1

void TMainForm::DirListBoxMouseMove(const QPoint&) {
    // The folder under the mouse goes to the file information panel first.
    Step2GroupMouseMove();
}
