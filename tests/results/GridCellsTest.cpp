#include "results/GridCells.h"
#include "../support/TempTree.h"
#include "platform/Locale.h"

#include <gtest/gtest.h>

namespace {

class GridCellsTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetUserNumberFormat({",", "."});
        state.DirList = {tree.Root()};
        TFile& present = *files.Add("here.txt");
        tree.CreateFile("here.txt", "12345");
        TFile& gone = *files.Add("gone.txt");
        TFile& folder = *files.Add("dir");
        tree.CreateDir("dir");
        state.DupeGrid.SetColCount(4);
        state.DupeGrid.SetRowCount(2);
        state.DupeGrid.SetText(0, 0, " Dupe #1");
        state.DupeGrid.SetObject(0, 1, &present);
        state.DupeGrid.SetObject(1, 1, &gone);
        state.DupeGrid.SetObject(2, 1, &folder);
    }
    TempTree tree;
    SearchState state;
    TFileList files;
};

TEST_F(GridCellsTest, InfoOnlyForCellsWithAnEntry) {
    const auto info = CellFileInfo(state, 0, 1);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->Name, "here.txt");
    EXPECT_EQ(info->Size, "5 bytes");
    EXPECT_EQ(info->Dir, tree.Root());
    EXPECT_EQ(CellFileInfo(state, 1, 1)->Status, "Deleted");
    EXPECT_FALSE(CellFileInfo(state, 0, 0)); // header
    EXPECT_FALSE(CellFileInfo(state, 3, 1)); // empty cell
    EXPECT_FALSE(CellFileInfo(state, -1, -1));
    EXPECT_FALSE(CellFileInfo(state, 9, 1));
}

TEST_F(GridCellsTest, OpensOnlySomethingThatExistsAndIsNoFolder) {
    EXPECT_EQ(DupeGridOpenPath(state, 0, 1), tree.Path("here.txt"));
    EXPECT_EQ(DupeGridOpenPath(state, 1, 1), "");
    EXPECT_EQ(DupeGridOpenPath(state, 2, 1), "");
    EXPECT_EQ(DupeGridOpenPath(state, 3, 1), "");
    EXPECT_EQ(DupeGridOpenPath(state, 0, 0), "");
}

} // namespace
