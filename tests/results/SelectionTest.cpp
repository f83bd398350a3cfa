#include "results/Selection.h"
#include "../support/RecordingWindow.h"
#include "../support/ScriptedDialogs.h"
#include "../support/TempTree.h"
#include "platform/Errors.h"
#include "platform/Locale.h"
#include "results/CellColours.h"
#include "search/SearchRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A real search over a tree with groups in data, data/sub and other:
//   group of 3000 bytes: data/a.zip, data/b.zip, data/sub/c.zip
//   group of 2000 bytes: data/x.doc, other/y.doc
//   group of 1000 bytes: data/p.txt, data/q.txt (wholly in data)
//   data/single.bin has no twin.
class SelectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetUserNumberFormat({",", "."});
        tree.CreatePatternFile("data/a.zip", 3000, 1);
        tree.CreatePatternFile("data/b.zip", 3000, 1);
        tree.CreatePatternFile("data/sub/c.zip", 3000, 1);
        tree.CreatePatternFile("data/x.doc", 2000, 2);
        tree.CreatePatternFile("other/y.doc", 2000, 2);
        tree.CreatePatternFile("data/p.txt", 1000, 3);
        tree.CreatePatternFile("data/q.txt", 1000, 3);
        tree.CreatePatternFile("data/single.bin", 1000, 4);
        data = tree.Path("data");
        sub = tree.Path("data/sub");
        other = tree.Path("other");
        window.folders = {data, sub, other};
        SearchRun(state, window).FindDuplicates(window.folders);
        ASSERT_EQ(state.DupeGrid.RowCount(), 4);
    }

    std::vector<std::string> Marked() const {
        std::vector<std::string> names;
        for (std::int64_t i = 0; i < state.FileList.Count(); ++i)
            if (HasFlag(*state.FileList[i], flSelected))
                names.emplace_back(state.FileList[i]->Name());
        std::sort(names.begin(), names.end());
        return names;
    }
    TFile* Cell(int col, int row) const { return state.DupeGrid.Object(col, row); }

    TempTree tree;
    std::string data, sub, other;
    RecordingWindow window;
    SearchState state;
    ScriptedDialogs dialogs;
};

TEST_F(SelectionTest, SelectAllLeavesTheFirstOfEachGroup) {
    SelectionFigures f = SelectAll(state, true);
    EXPECT_TRUE(state.UseMarks);
    // Seven grouped files in three groups: four marked, column 0 of every row kept.
    EXPECT_EQ(Marked().size(), 4u);
    for (int row = 1; row < state.DupeGrid.RowCount(); ++row)
        EXPECT_FALSE(HasFlag(*Cell(0, row), flSelected));
    EXPECT_EQ(f.FilesSelected, "4");
    // 3000 + 3000 + 2000 + 1000 = 9000 bytes = 8.79 kB.
    EXPECT_EQ(f.KbSelected, "9");
    EXPECT_EQ(f.FilesDeleted, "");
    EXPECT_EQ(f.KbCleared, "");
}

TEST_F(SelectionTest, SelectAllWithoutLeaveOneMarksEveryGroupedFile) {
    EXPECT_EQ(SelectAll(state, false).FilesSelected, "7");
    // The file without a twin is gone from the index after the run; nothing ungrouped is marked.
    for (std::int64_t i = 0; i < state.FileList.Count(); ++i)
        EXPECT_EQ(HasFlag(*state.FileList[i], flSelected), state.FileList[i]->GroupNo > 0);
}

TEST_F(SelectionTest, SelectByFolderWithNothingHighlightedWarnsAndClearsTheMarks) {
    SelectAll(state, false);
    SelectionFigures f = SelectByFolder(state, {}, true, dialogs);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].type, MsgType::Information);
    EXPECT_EQ(dialogs.messages[0].buttons, MsgButtons::OkHelp);
    EXPECT_EQ(dialogs.messages[0].helpContext, 0);
    EXPECT_EQ(dialogs.messages[0].text,
              "You must select one or more folders from the folder list first!\r\nThen, all the "
              "duplicates in these specific folders will be marked.");
    EXPECT_TRUE(Marked().empty());
    EXPECT_EQ(f.FilesSelected, "");
    EXPECT_EQ(f.KbSelected, "");
}

TEST_F(SelectionTest, SelectByFolderMarksOnlyTheFolderItself) {
    SelectionFigures f = SelectByFolder(state, {data}, true, dialogs);
    EXPECT_TRUE(dialogs.messages.empty());
    // data/sub/c.zip is not marked: its folder is an entry of its own. The .txt group lies
    // wholly in data, so its first file stays unmarked.
    const std::vector<std::string> marked = Marked();
    EXPECT_EQ(std::count(marked.begin(), marked.end(), "c.zip"), 0);
    EXPECT_EQ(std::count(marked.begin(), marked.end(), "a.zip") +
                  std::count(marked.begin(), marked.end(), "b.zip"),
              2);
    EXPECT_EQ(std::count(marked.begin(), marked.end(), "x.doc"), 1);
    EXPECT_EQ(std::count(marked.begin(), marked.end(), "p.txt") +
                  std::count(marked.begin(), marked.end(), "q.txt"),
              1);
    EXPECT_EQ(f.FilesSelected, "4");

    SelectByFolder(state, {data, sub}, false, dialogs);
    EXPECT_EQ(Marked().size(), 6u);
}

TEST_F(SelectionTest, SelectByFolderComparesPathsExactly) {
    std::string upper = data;
    upper.back() = static_cast<char>(std::toupper(static_cast<unsigned char>(upper.back())));
    SelectByFolder(state, {upper, data + "/"}, false, dialogs);
    EXPECT_TRUE(Marked().empty());
}

TEST_F(SelectionTest, SelectPatternMarksMatchingGroupedFiles) {
    SelectionFigures f = SelectPattern(state, "*.ZIP", true);
    EXPECT_EQ(Marked().size(), 2u); // three zips, one left
    EXPECT_EQ(f.FilesSelected, "2");
    SelectPattern(state, "*.*", false);
    EXPECT_EQ(Marked().size(), 7u);
    // The empty mask matches nothing: every mark of a grouped file is cleared.
    EXPECT_EQ(SelectPattern(state, "", true).FilesSelected, "");
    EXPECT_TRUE(Marked().empty());
}

TEST_F(SelectionTest, InvalidMaskChangesNoMarkButSwitchesToMarks) {
    SelectAll(state, false);
    state.UseMarks = false;
    const auto before = Marked();
    try {
        SelectPattern(state, "[a", true);
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_STREQ(e.what(), "'[a' is an invalid mask at (3)");
    }
    EXPECT_EQ(Marked(), before);
    EXPECT_TRUE(state.UseMarks);
}

TEST_F(SelectionTest, PatternKeepsMarksOfEntriesWithoutGroup) {
    TFile* loose = state.FileList.Add("loose.zip");
    SetFlag(*loose, flSelected, true);
    SelectPattern(state, "nothing", true);
    EXPECT_TRUE(HasFlag(*loose, flSelected));
    SelectAll(state, true);
    EXPECT_FALSE(HasFlag(*loose, flSelected));
}

TEST_F(SelectionTest, ClickSwitchesToTheRangeOnce) {
    SelectAll(state, true);
    state.HighlightedRange = {1, 2, 1, 2};
    GridClickResult click = DupeGridClick(state);
    EXPECT_TRUE(click.repaint);
    EXPECT_FALSE(state.UseMarks);
    EXPECT_EQ(click.figures.FilesSelected, "1");
    EXPECT_EQ(SelectedFiles(state), std::vector<TFile*>{Cell(1, 2)});
    // The marks stay in the entries, no longer shown.
    EXPECT_EQ(Marked().size(), 4u);
    EXPECT_FALSE(IsCellSelected(state, 1, 1, false));
    EXPECT_TRUE(IsCellSelected(state, 1, 3, true));
    EXPECT_FALSE(DupeGridClick(state).repaint);
}

TEST_F(SelectionTest, RangeIgnoresMarksAndLeaveOne) {
    state.UseMarks = false;
    const ResultGrid& grid = state.DupeGrid;
    state.HighlightedRange = {1, 1, grid.ColCount() - 1, grid.RowCount() - 1};
    // Every file but the first of each group, counted column by column.
    const std::vector<TFile*> files = SelectedFiles(state);
    ASSERT_EQ(files.size(), 4u);
    EXPECT_EQ(files[0], Cell(1, 1));
    EXPECT_EQ(files[1], Cell(1, 2));
    EXPECT_EQ(files[2], Cell(1, 3));
    EXPECT_EQ(files[3], Cell(2, 1));
    EXPECT_EQ(UpdateSelectionInfo(state).KbSelected, "9");
    // A range reaching past the grid (rows a removal took away) counts the cells that exist.
    state.HighlightedRange = {0, 0, 50, 50};
    EXPECT_EQ(UpdateSelectionInfo(state).FilesSelected, "7");
    // Before any search the grid is one empty header cell.
    SearchState fresh;
    EXPECT_EQ(UpdateSelectionInfo(fresh).FilesSelected, "");
}

TEST_F(SelectionTest, KilobyteFiguresRoundHalfToEven) {
    SearchState s;
    s.UseMarks = true;
    auto add = [&](std::int64_t size) {
        TFile* f = s.FileList.Add("");
        f->Size = size;
        SetFlag(*f, flSelected, true);
        return f;
    };
    TFile* f = add(511);
    EXPECT_EQ(UpdateSelectionInfo(s).KbSelected, "");
    f->Size = 512;
    EXPECT_EQ(UpdateSelectionInfo(s).KbSelected, "");
    f->Size = 1536;
    EXPECT_EQ(UpdateSelectionInfo(s).KbSelected, "2");
    f->Size = 2560;
    EXPECT_EQ(UpdateSelectionInfo(s).KbSelected, "2");
    // Sums are 64-bit: two files of 3 GiB.
    f->Size = 3LL << 30;
    add(3LL << 30);
    EXPECT_EQ(UpdateSelectionInfo(s).FilesSelected, "2");
    EXPECT_EQ(UpdateSelectionInfo(s).KbSelected, "6,291,456");
    s.FilesDeleted = 1234;
    s.BytesCleared = 1536;
    EXPECT_EQ(UpdateSelectionInfo(s).FilesDeleted, "1,234");
    EXPECT_EQ(UpdateSelectionInfo(s).KbCleared, "2");
}

TEST(CellColours, HeaderSelectionAndRemovedFiles) {
    SearchState s;
    // Before any search: one cell, row 0, header colours though not fixed.
    EXPECT_EQ(DupeGridCellColours(s, 0, 0, true),
              (CellColours{ColourRole::ButtonFace, ColourRole::WindowText}));

    TFile marked, plain, removed;
    SetFlag(marked, flSelected, true);
    SetFlag(removed, flDeleted, true);
    SetFlag(removed, flSelected, true);
    s.DupeGrid.SetColCount(4);
    s.DupeGrid.SetRowCount(2);
    s.DupeGrid.SetObject(0, 1, &marked);
    s.DupeGrid.SetObject(1, 1, &plain);
    s.DupeGrid.SetObject(2, 1, &removed);
    const CellColours highlight{ColourRole::Highlight, ColourRole::HighlightText};
    const CellColours window{ColourRole::Window, ColourRole::WindowText};

    s.UseMarks = true; // only marked files; empty cells and the range never
    EXPECT_EQ(DupeGridCellColours(s, 0, 1, false), highlight);
    EXPECT_EQ(DupeGridCellColours(s, 1, 1, true), window);
    EXPECT_EQ(DupeGridCellColours(s, 3, 1, true), window);
    EXPECT_EQ(DupeGridCellColours(s, 2, 1, false),
              (CellColours{ColourRole::Highlight, ColourRole::Gray}));

    s.UseMarks = false; // the range, empty cells included
    EXPECT_EQ(DupeGridCellColours(s, 0, 1, false), window);
    EXPECT_EQ(DupeGridCellColours(s, 3, 1, true), highlight);
    EXPECT_EQ(DupeGridCellColours(s, 2, 1, false),
              (CellColours{ColourRole::Window, ColourRole::Gray}));
    EXPECT_EQ(DupeGridCellColours(s, 1, 0, true).Background, ColourRole::ButtonFace);
}

TEST(KeepOnePerGroup, WorksOnTheRowsAsShown) {
    ResultGrid grid;
    TFile a, b, c, d;
    for (TFile* f : {&a, &b, &c, &d})
        SetFlag(*f, flSelected, true);
    grid.SetColCount(3);
    grid.SetRowCount(3);
    // Row 1 starts with an empty cell: the leftmost entry is the one kept.
    grid.SetObject(1, 1, &a);
    grid.SetObject(2, 1, &b);
    // Row 2 has an unmarked member: nothing to keep.
    grid.SetObject(0, 2, &c);
    grid.SetObject(1, 2, &d);
    SetFlag(d, flSelected, false);
    KeepOnePerGroup(grid, false);
    EXPECT_TRUE(HasFlag(a, flSelected));
    KeepOnePerGroup(grid, true);
    EXPECT_FALSE(HasFlag(a, flSelected));
    EXPECT_TRUE(HasFlag(b, flSelected));
    EXPECT_TRUE(HasFlag(c, flSelected));
}

} // namespace
