#include "removal/DeleteFilesModel.h"
#include "platform/Locale.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

class DeleteFilesModelTest : public ::testing::Test {
protected:
    void SetUp() override { platform::SetUserNumberFormat({",", "."}); }
    void Fill(std::initializer_list<std::int64_t> sizes) {
        model.ClearFiles();
        int row = 1;
        for (auto size : sizes) {
            TFile* f = files.Add("f" + std::to_string(row));
            f->Size = size;
            model.SetFileRow(row++, f, "/dir");
        }
        model.UpdateNotification();
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> out;
        for (int r = 1; r < model.FilesGrid().RowCount(); ++r)
            out.push_back(model.FilesGrid().Text(0, r));
        return out;
    }
    std::string archive = "/prog/Archive";
    DeleteFilesModel model{archive};
    TFileList files;
};

TEST_F(DeleteFilesModelTest, NotificationLinesPerMethod) {
    Fill({1000, 2000, 3000});
    EXPECT_EQ(model.Label3(), "You're about to put these 3 files into the recycle bin,");
    EXPECT_EQ(model.Label4(), "clearing approximately 6 kB of diskspace.");
    model.SetRemoveMethod(rmMove);
    model.UpdateNotification();
    EXPECT_EQ(model.Label3(), "You're about to move these 3 files to folder /prog/Archive,");
    model.SetRemoveMethod(rmErase);
    model.UpdateNotification();
    EXPECT_EQ(model.Label3(), "You're about to permanently delete these 3 files,");
}

TEST_F(DeleteFilesModelTest, KilobytesRoundHalfToEvenAndZeroIsEmpty) {
    Fill({1536});
    EXPECT_EQ(model.Label4(), "clearing approximately 2 kB of diskspace.");
    Fill({2560});
    EXPECT_EQ(model.Label4(), "clearing approximately 2 kB of diskspace.");
    Fill({511});
    EXPECT_EQ(model.Label4(), "clearing approximately  kB of diskspace.");
    // Sums past 2 GB stay exact.
    Fill({std::int64_t{3} << 30, std::int64_t{3} << 30});
    EXPECT_EQ(model.Label4(), "clearing approximately 6,291,456 kB of diskspace.");
}

TEST_F(DeleteFilesModelTest, RemovingRowsClosesUpAndKeepsOneBlankRow) {
    Fill({1, 2, 3, 4, 5});
    model.RemoveRows(2, 3);
    EXPECT_EQ(Names(), (std::vector<std::string>{"f1", "f4", "f5"}));
    EXPECT_EQ(model.FileCount(), 3);
    EXPECT_EQ(model.Label3(), "You're about to put these 3 files into the recycle bin,");
    model.RemoveRows(1, 3);
    EXPECT_EQ(model.FilesGrid().RowCount(), 2);
    EXPECT_EQ(model.FilesGrid().Text(0, 1), "");
    EXPECT_EQ(model.FilesGrid().Text(1, 1), "");
    EXPECT_EQ(model.FileCount(), 0);
    EXPECT_EQ(model.Label4(), "clearing approximately  kB of diskspace.");
    EXPECT_EQ(model.FilesGrid().Text(1, 0), "Directory");
}

} // namespace
