// The disk changes between the search and the removal: while the delete dialog is open a copy
// is edited, the copy that would stay is deleted, another is replaced. Whatever the method, only
// true copies of a file that stays may go, and every other file keeps its bytes.
#include "tests/removal/RemovalFlowFixture.h"

#include <cstdio>
#include <map>

namespace {

class RemovalFlowSafetyTest : public RemovalFlowTest,
                              public ::testing::WithParamInterface<TRemoveMethod> {
protected:
    std::map<std::string, std::string> Disk() { return FilesUnder(tree.Path("d")); }
};

TEST_P(RemovalFlowSafetyTest, OnlyTrueCopiesOfAFileThatStaysAreRemoved) {
    Search();
    const Rows rows = GridRows(state);
    ASSERT_EQ(rows.size(), 3u);
    // Group a: two copies go, the first is edited meanwhile. Group b: two go, the one that
    // would stay is deleted. Group c: one goes, the one that would stay is replaced by a save
    // that renames a new file with the same bytes over it: its bytes are still kept.
    Mark({{1, 1}, {2, 1}, {1, 2}, {2, 2}, {1, 3}});
    dialog.model.SetRemoveMethod(GetParam());
    std::map<std::string, std::string> atYes;
    dialog.onShow = [&](DeleteFilesModel&) {
        tree.CreateFile("d/" + rows[0][1], "edited while the dialog was open");
        tree.Remove("d/" + rows[1][0]);
        tree.CreatePatternFile("d/saved.tmp", 100, 3);
        ASSERT_EQ(
            std::rename(tree.Path("d/saved.tmp").c_str(), tree.Path("d/" + rows[2][0]).c_str()), 0);
        atYes = Disk();
    };
    std::vector<std::size_t> messagesAtRepaint;
    flow.RepaintGrid = [&] { messagesAtRepaint.push_back(window.messages.size()); };
    flow.DeleteFiles();

    // Only the untouched copy of group a and the copy of group c went.
    std::map<std::string, std::string> expected = atYes;
    for (const std::string& name : {rows[0][2], rows[2][1]}) {
        expected.erase(name);
        if (GetParam() == rmMove) {
            EXPECT_EQ(ReadAll(tree.Path("archive/" + name)), atYes[name]);
        } else if (GetParam() == rmRecycle) {
            EXPECT_EQ(ReadAll(tree.Path("data/Trash/files/" + name)), atYes[name]);
        }
    }
    EXPECT_EQ(Disk(), expected);
    EXPECT_EQ(state.FilesDeleted, 2);
    EXPECT_EQ(state.BytesCleared, 400);

    // One message, each file that stayed once, with why; the grid shows the removed files gray
    // before the box holds the window.
    std::vector<std::string> names, lines;
    for (const std::string& name : dialog.shown) {
        if (name == rows[0][1] || name == rows[1][1] || name == rows[1][2]) {
            names.push_back(name);
            lines.push_back("d/" + name + ": " +
                            (name == rows[0][1] ? "it changed since the search"
                                                : "its kept copy changed or is gone"));
        }
    }
    ASSERT_EQ(names.size(), 3u);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].type, MsgType::Warning);
    EXPECT_EQ(window.messages[0].text, StayedText(names, lines));
    ASSERT_FALSE(messagesAtRepaint.empty());
    EXPECT_EQ(messagesAtRepaint.front(), 0u);

    // The files that stayed stay in the grid with their marks, ready for another try.
    ASSERT_EQ(GridRows(state).size(), 2u);
    EXPECT_EQ(GridRows(state)[0], (std::vector<std::string>{rows[0][0], rows[0][1]}));
    EXPECT_EQ(GridRows(state)[1], rows[1]);
    EXPECT_TRUE(HasFlag(*Cell(1, 1), flSelected));
    EXPECT_TRUE(HasFlag(*Cell(2, 2), flSelected));
}

TEST_P(RemovalFlowSafetyTest, GroupsThatLoseEveryCopyAreNamedBeforeYes) {
    Search();
    const Rows rows = GridRows(state);
    const auto before = Disk();
    state.UseMarks = false;
    state.HighlightedRange = {0, 1, 2, 2}; // groups a and b whole
    dialog.model.SetRemoveMethod(GetParam());
    std::vector<std::string> lines;
    dialog.onShow = [&](DeleteFilesModel& m) {
        lines.push_back(m.WholeGroupsLine());
        // The user takes the first file of group a off the list: a keeps a copy now.
        m.RemoveRows(1, 1);
        lines.push_back(m.WholeGroupsLine());
    };
    flow.DeleteFiles();
    EXPECT_EQ(lines,
              (std::vector<std::string>{"2 groups lose every copy: none of their files is kept.",
                                        "1 group loses every copy: none of its files is kept."}));
    // All of b went as asked; a kept the file taken off the list.
    std::map<std::string, std::string> expected = before;
    for (const std::string& name : {rows[0][1], rows[0][2], rows[1][0], rows[1][1], rows[1][2]})
        expected.erase(name);
    EXPECT_EQ(Disk(), expected);
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(state.FilesDeleted, 5);
    // Once the flow is over the dialog counts nothing against a grid it no longer shows.
    EXPECT_FALSE(dialog.model.CountWholeGroups);
}

std::string MethodName(const ::testing::TestParamInfo<TRemoveMethod>& info) {
    switch (info.param) {
    case rmRecycle:
        return "Trash";
    case rmMove:
        return "Archive";
    case rmErase:
        break;
    }
    return "Erase";
}

INSTANTIATE_TEST_SUITE_P(EveryMethod, RemovalFlowSafetyTest,
                         ::testing::Values(rmRecycle, rmMove, rmErase), MethodName);

// Cancel in the progress window: what was not done yet stays and is named once; the figures
// count what went.
TEST_F(RemovalFlowTest, CancelLeavesTheRestAndNamesIt) {
    struct CancelAtSecond : OperationProgress {
        int calls = 0;
        std::string title;
        void Begin(const std::string& t, int) override { title = t; }
        bool Advance(int, const std::string&) override { return ++calls < 2; }
        void End() override {}
    } progress;
    DesktopShell withProgress{dialogs, &progress};
    RemovalFlow cancelled{state, window, dialog, withProgress};
    Search();
    Mark({{1, 1}, {2, 1}, {1, 2}});
    dialog.model.SetRemoveMethod(rmErase);
    cancelled.DeleteFiles();
    EXPECT_EQ(progress.title, "Deleting files...");
    EXPECT_EQ(state.FilesDeleted, 1);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text.rfind("Unable to delete ", 0), 0u);
    EXPECT_NE(window.messages[0].text.find(": cancelled\r"), std::string::npos)
        << window.messages[0].text;
    EXPECT_EQ(FilesUnder(tree.Path("d")).size(), 8u);
}

} // namespace
