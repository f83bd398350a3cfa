#pragma once

#include "search/ResultGrid.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

enum TRemoveMethod : std::uint8_t { rmRecycle = 0, rmMove = 1, rmErase = 2 };

// What the delete dialog shows and keeps, without its widgets: the file list (row 0 the header
// "File", "Directory"; column 0 carries the entry), the method, and the two notification lines.
// The list refers to entries, it never owns them.
class DeleteFilesModel {
public:
    explicit DeleteFilesModel(std::string& archiveFolder);

    ResultGrid& FilesGrid() { return filesGrid_; }
    const ResultGrid& FilesGrid() const { return filesGrid_; }

    // One blank data row without an entry.
    void ClearFiles();
    // Writes row (from 1) and sets the row count to row + 1.
    void SetFileRow(int row, TFile* entry, const std::string& folder);
    // Drops every entry the list refers to; the texts stay. Done once the removal is over, so
    // that the kept list never points at an entry that has since been freed.
    void ForgetEntries();

    // Recounts the list and rewrites both lines, and the warning line below them.
    void UpdateNotification();
    // How many groups the listed entries leave without any copy; set by the removal flow while
    // it fills and shows the list.
    std::function<int(const std::vector<TFile*>& listed)> CountWholeGroups;
    // The entries of rows top to bottom leave the list; the other rows close up.
    void RemoveRows(int top, int bottom);

    std::int32_t FileCount() const { return fileCount_; }
    std::int64_t TotalBytes() const { return totalBytes_; }
    TRemoveMethod RemoveMethod() const { return method_; }
    void SetRemoveMethod(TRemoveMethod method) { method_ = method; }
    const std::string& Label3() const { return label3_; }
    const std::string& Label4() const { return label4_; }
    // Empty, or the warning that some groups lose every copy.
    const std::string& WholeGroupsLine() const { return wholeGroupsLine_; }
    std::string& ArchiveFolder() { return archiveFolder_; }

private:
    std::string& archiveFolder_;
    ResultGrid filesGrid_;
    std::int32_t fileCount_ = 0;
    std::int64_t totalBytes_ = 0;
    TRemoveMethod method_ = rmRecycle;
    std::string label3_;
    std::string label4_;
    std::string wholeGroupsLine_;
};

// The delete dialog as the removal flow sees it: the list to fill and read, and the modal
// showing, which returns mrYes, mrNo or mrCancel.
class DeleteDialogInterface {
public:
    virtual ~DeleteDialogInterface() = default;
    virtual DeleteFilesModel& Model() = 0;
    virtual int ShowModal() = 0;
};
