#include "removal/DeleteFilesModel.h"

#include "search/FormatThousands.h"

#include <algorithm>
#include <memory>

DeleteFilesModel::DeleteFilesModel(std::string& archiveFolder) : archiveFolder_(archiveFolder) {
    filesGrid_.SetColCount(2);
    filesGrid_.SetRowCount(2);
    filesGrid_.SetFixedRows(1);
    filesGrid_.SetText(0, 0, "File");
    filesGrid_.SetText(1, 0, "Directory");
}

void DeleteFilesModel::ClearFiles() {
    filesGrid_.SetRowCount(2);
    filesGrid_.SetCell(0, 1, {});
    filesGrid_.SetCell(1, 1, {});
}

void DeleteFilesModel::SetFileRow(int row, TFile* entry, const std::string& folder) {
    if (row >= filesGrid_.RowCount())
        filesGrid_.SetRowCount(row + 1);
    filesGrid_.SetCell(0, row, {entry, std::make_unique<std::string>(entry->Name())});
    filesGrid_.SetCell(1, row, {nullptr, std::make_unique<std::string>(folder)});
    filesGrid_.SetRowCount(row + 1);
}

void DeleteFilesModel::ForgetEntries() {
    for (int row = 1; row < filesGrid_.RowCount(); ++row)
        if (filesGrid_.Object(0, row))
            filesGrid_.SetObject(0, row, nullptr);
}

void DeleteFilesModel::UpdateNotification() {
    fileCount_ = 0;
    totalBytes_ = 0;
    std::vector<TFile*> listed;
    for (int row = 1; row < filesGrid_.RowCount(); ++row)
        if (TFile* entry = filesGrid_.Object(0, row)) {
            ++fileCount_;
            totalBytes_ += entry->Size;
            listed.push_back(entry);
        }
    const std::string count = std::to_string(fileCount_);
    switch (method_) {
    case rmRecycle:
        label3_ = "You're about to put these " + count + " files into the recycle bin,";
        break;
    case rmMove:
        label3_ =
            "You're about to move these " + count + " files to folder " + archiveFolder_ + ",";
        break;
    case rmErase:
        label3_ = "You're about to permanently delete these " + count + " files,";
        break;
    }
    label4_ = "clearing approximately " + FormatThousands(RoundKiloBytes(totalBytes_)) +
              " kB of diskspace.";
    const int whole = CountWholeGroups && !listed.empty() ? CountWholeGroups(listed) : 0;
    if (whole == 0)
        wholeGroupsLine_.clear();
    else if (whole == 1)
        wholeGroupsLine_ = "1 group loses every copy: none of its files is kept.";
    else
        wholeGroupsLine_ =
            std::to_string(whole) + " groups lose every copy: none of their files is kept.";
}

void DeleteFilesModel::RemoveRows(int top, int bottom) {
    for (int row = std::max(top, 1); row <= bottom && row < filesGrid_.RowCount(); ++row)
        filesGrid_.SetObject(0, row, nullptr);
    int row = 1;
    while (row < filesGrid_.RowCount()) {
        if (filesGrid_.Object(0, row)) {
            ++row;
            continue;
        }
        if (filesGrid_.RowCount() == 2) {
            filesGrid_.SetCell(0, row, {});
            filesGrid_.SetCell(1, row, {});
            break;
        }
        filesGrid_.DeleteRow(row);
    }
    UpdateNotification();
}
