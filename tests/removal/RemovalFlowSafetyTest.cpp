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
    // that renames a new file (same bytes) over it.
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

    // Only the untouched copy of group a went; every other file is as it was at Yes.
    std::map<std::string, std::string> expected = atYes;
    expected.erase(rows[0][2]);
    EXPECT_EQ(Disk(), expected);
    if (GetParam() == rmMove) {
        EXPECT_EQ(ReadAll(tree.Path("archive/" + rows[0][2])), atYes[rows[0][2]]);
    } else if (GetParam() == rmRecycle) {
        EXPECT_EQ(ReadAll(tree.Path("data/Trash/files/" + rows[0][2])), atYes[rows[0][2]]);
    }
    EXPECT_EQ(state.FilesDeleted, 1);
    EXPECT_EQ(state.BytesCleared, 300);

    // Why first, then the usual list of what is still there; the grid shows the removed file
    // gray before either box holds the window.
    std::vector<std::string> kept = dialog.shown; // in the dialog's order
    kept.erase(std::find(kept.begin(), kept.end(), rows[0][2]));
    ASSERT_EQ(kept.size(), 4u);
    ASSERT_EQ(window.messages.size(), 2u);
    EXPECT_EQ(window.messages[0].type, MsgType::Warning);
    EXPECT_EQ(window.messages[0].text,
              "These files changed or lost their kept copy since the search and were not "
              "removed: " +
                  FailedNamesText(kept) + ".");
    EXPECT_EQ(window.messages[1].text, "Unable to delete " + FailedNamesText(kept) + ".");
    ASSERT_FALSE(messagesAtRepaint.empty());
    EXPECT_EQ(messagesAtRepaint.front(), 0u);

    // The kept files stay in the grid with their marks, ready for another try.
    EXPECT_EQ(GridRows(state)[0], (std::vector<std::string>{rows[0][0], rows[0][1]}));
    EXPECT_EQ(GridRows(state)[1], rows[1]);
    EXPECT_EQ(GridRows(state)[2], rows[2]);
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

TEST_F(RemovalFlowTest, ACancelledCheckRemovesNothing) {
    struct CancelAtSecond : OperationProgress {
        int calls = 0;
        std::string title;
        void Begin(const std::string& t, int) override {
            if (title.empty())
                title = t;
        }
        bool Advance(int, const std::string&) override { return ++calls < 2; }
        void End() override {}
    } progress;
    flow.Progress = &progress;
    Search();
    const auto before = FilesUnder(tree.Path("d"));
    Mark({{1, 1}, {2, 1}, {1, 2}});
    dialog.model.SetRemoveMethod(rmErase);
    flow.DeleteFiles();
    EXPECT_EQ(progress.title, "Checking files...");
    EXPECT_EQ(FilesUnder(tree.Path("d")), before);
    EXPECT_EQ(state.FilesDeleted, 0);
    // Reported like a cancelled shell operation; the files did not change, so no reason box.
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text.rfind("Unable to delete ", 0), 0u);
}

} // namespace
