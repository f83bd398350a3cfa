#include "tests/removal/RemovalFlowFixture.h"

#include "removal/RemovalFaults.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

TEST(FailedNamesText, ListRules) {
    EXPECT_EQ(FailedNamesText({"one.txt"}), "one.txt");
    EXPECT_EQ(FailedNamesText({"one.txt", "two.txt"}), "one.txt and two.txt");
    EXPECT_EQ(FailedNamesText({"one.txt", "two.txt", "three.txt"}),
              "one.txt, two.txt and three.txt");
    EXPECT_EQ(FailedNamesText({"1", "2", "3", "4", "5"}), "1, 2, 3, 4 and 5");
    EXPECT_EQ(FailedNamesText({"1", "2", "3", "4", "5", "6"}), "6 files");
}

TEST(StayedText, NamesThenOneLineEachUpToTen) {
    EXPECT_EQ(StayedText({"a"}, {"d/a: why"}), "Unable to delete a.\r\rd/a: why");
    std::vector<std::string> names, lines;
    for (int i = 1; i <= 12; ++i) {
        names.push_back(std::to_string(i));
        lines.push_back(std::to_string(i) + ": why");
    }
    std::string expected = "Unable to delete 12 files.\r";
    for (int i = 1; i <= 10; ++i)
        expected += "\r" + std::to_string(i) + ": why";
    EXPECT_EQ(StayedText(names, lines), expected + "\r... and 2 more.");
}

TEST(ShownPath, FromTheOutermostListedFolderThatHoldsIt) {
    const std::vector<std::string> folders = {"/home/me/photos", "/home/me/photos/2020", "/srv",
                                              "/home/me/photos-old"};
    EXPECT_EQ(ShownPath(folders, "/home/me/photos/2020", "a.jpg"), "photos/2020/a.jpg");
    EXPECT_EQ(ShownPath(folders, "/home/me/photos", "a.jpg"), "photos/a.jpg");
    EXPECT_EQ(ShownPath(folders, "/home/me/photos-old", "a.jpg"), "photos-old/a.jpg");
    EXPECT_EQ(ShownPath(folders, "/srv", "a"), "/srv/a"); // no shorter
    EXPECT_EQ(ShownPath({"/"}, "/x", "a"), "/x/a");
    EXPECT_EQ(ShownPath({}, "/x", "a"), "/x/a");
}

TEST_F(RemovalFlowTest, RecyclingOneOfThreeClosesTheRowUp) {
    Search();
    ASSERT_EQ(GridRows(state).size(), 3u);
    const Rows before = GridRows(state);
    const std::string gone = PathOf(Cell(1, 1));
    Mark({{1, 1}});
    window.statuses.clear();
    flow.DeleteFiles();

    EXPECT_EQ(dialog.shown, std::vector<std::string>{before[0][1]});
    EXPECT_FALSE(Exists(gone));
    EXPECT_TRUE(Exists(tree.Path("data/Trash/info/" + before[0][1] + ".trashinfo")));
    Rows expected = before;
    expected[0].erase(expected[0].begin() + 1);
    EXPECT_EQ(GridRows(state), expected);
    EXPECT_EQ(state.NextGroupRow, 4);
    EXPECT_EQ(state.FilesDeleted, 1);
    EXPECT_EQ(state.BytesCleared, 300);
    EXPECT_EQ(state.FileList.Count(), 7);
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.statuses, (std::vector<std::string>{"Removing 1 files..", "Ready."}));
    EXPECT_EQ(selectionUpdates, 1);
    EXPECT_EQ(repaints, 1);
}

TEST_F(RemovalFlowTest, TwoOfThreeTakeTheRowOutAndTheLastCopyLeavesTheIndex) {
    Search();
    const Rows before = GridRows(state);
    const std::string kept = PathOf(Cell(1, 1));
    Mark({{0, 1}, {2, 1}});
    dialog.model.SetRemoveMethod(rmErase);
    flow.DeleteFiles();

    EXPECT_EQ(GridRows(state), Rows(before.begin() + 1, before.end()));
    EXPECT_EQ(state.NextGroupRow, 3);
    EXPECT_TRUE(Exists(kept));
    EXPECT_EQ(IndexNames(state).count(platform::BaseName(kept)), 0u);
    EXPECT_EQ(state.FileList.Count(), 5);
    EXPECT_EQ(state.FilesDeleted, 2);
    EXPECT_EQ(state.BytesCleared, 600);
}

TEST_F(RemovalFlowTest, HighlightedRangeListsColumnByColumnAndWholeGroupsGo) {
    Search();
    const Rows before = GridRows(state);
    state.UseMarks = false;
    state.HighlightedRange = {0, 2, 2, 3};
    dialog.model.SetRemoveMethod(rmErase);
    flow.DeleteFiles();

    // Column 0 of both rows, then column 1, then the one cell of column 2 that holds a file.
    EXPECT_EQ(dialog.shown, (std::vector<std::string>{before[1][0], before[2][0], before[1][1],
                                                      before[2][1], before[1][2]}));
    EXPECT_EQ(GridRows(state), Rows{before[0]});
    EXPECT_EQ(state.NextGroupRow, 2);
    EXPECT_EQ(state.FilesDeleted, 5);
    EXPECT_EQ(state.BytesCleared, 3 * 200 + 2 * 100);
    EXPECT_EQ(state.FileList.Count(), 3);

    // Everything removed: the grid is left with its header alone.
    state.HighlightedRange = {0, 1, 2, 1};
    flow.DeleteFiles();
    EXPECT_EQ(state.DupeGrid.RowCount(), 1);
    EXPECT_EQ(state.NextGroupRow, 1);
    EXPECT_TRUE(state.FileList.Empty());
}

TEST_F(RemovalFlowTest, MovedFilesCountAsRemoved) {
    Search();
    const std::string name(Cell(0, 3)->Name());
    Mark({{0, 3}});
    dialog.model.SetRemoveMethod(rmMove);
    flow.DeleteFiles();
    EXPECT_TRUE(Exists(tree.Path("archive/" + name)));
    EXPECT_EQ(state.FilesDeleted, 1);
    EXPECT_EQ(state.BytesCleared, 100);
    EXPECT_EQ(state.DupeGrid.RowCount(), 3);
}

TEST_F(RemovalFlowTest, AFileThatStaysIsNamedAndKeepsItsMarkAndRow) {
    Search();
    const Rows before = GridRows(state);
    struct Fail : RemovalFaults {
        std::string name;
        int FailRemoval(const std::string& path) override {
            return platform::BaseName(path) == name ? EACCES : 0;
        }
    } faults;
    faults.name = before[0][0];
    ScopedRemovalFaults scope(faults);
    Mark({{0, 1}, {1, 1}});
    dialog.model.SetRemoveMethod(rmErase);
    dialogs.answers = {mrOk};
    flow.DeleteFiles();

    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].type, MsgType::Warning);
    EXPECT_EQ(window.messages[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(window.messages[0].text,
              StayedText({before[0][0]}, {"d/" + before[0][0] + ": " + std::strerror(EACCES)}));
    EXPECT_EQ(GridRows(state)[0], (std::vector<std::string>{before[0][0], before[0][2]}));
    EXPECT_TRUE(HasFlag(*Cell(0, 1), flSelected));
    EXPECT_EQ(state.FilesDeleted, 1);
}

TEST_F(RemovalFlowTest, NothingToRemoveGivesOneOfThreeMessages) {
    flow.DeleteFiles();
    window.folders = {tree.Path("d")};
    flow.DeleteFiles();
    Search();
    flow.DeleteFiles();
    // Marked files that vanished before the removal are not listed either.
    Mark({{0, 1}});
    tree.Remove("d/" + std::string(Cell(0, 1)->Name()));
    flow.DeleteFiles();

    ASSERT_EQ(window.messages.size(), 4u);
    EXPECT_EQ(window.messages[0].text, "You must first select the folders you want to check\r"
                                       "for duplicates with the button \"Add to List\"");
    EXPECT_EQ(window.messages[1].text, "You must first start a search for duplicates with\r"
                                       "the button \"Find Duplicates\"!");
    EXPECT_EQ(window.messages[2].text, "You must first select some duplicate files before you can\r"
                                       "proceed with deleting them!");
    EXPECT_EQ(window.messages[3].text, window.messages[2].text);
    for (const auto& m : window.messages) {
        EXPECT_EQ(m.type, MsgType::Information);
        EXPECT_EQ(m.buttons, MsgButtons::OkHelp);
    }
    EXPECT_EQ(dialog.shows, 0);
}

TEST_F(RemovalFlowTest, NoLeavesEverythingAsItWas) {
    Search();
    const Rows before = GridRows(state);
    Mark({{0, 1}, {1, 2}});
    dialog.answer = mrNo;
    window.statuses.clear();
    flow.DeleteFiles();
    EXPECT_EQ(dialog.shows, 1);
    EXPECT_EQ(GridRows(state), before);
    EXPECT_TRUE(HasFlag(*Cell(0, 1), flSelected));
    EXPECT_TRUE(Exists(PathOf(Cell(0, 1))));
    EXPECT_EQ(state.FilesDeleted, 0);
    EXPECT_EQ(window.statuses, std::vector<std::string>{"Ready."});
    EXPECT_EQ(selectionUpdates, 0);
    // The kept list holds no entry once the flow is over.
    EXPECT_EQ(dialog.model.FilesGrid().Object(0, 1), nullptr);
}

TEST_F(RemovalFlowTest, EveryFileTakenOffTheListRemovesNothing) {
    Search();
    const Rows before = GridRows(state);
    Mark({{0, 1}, {1, 1}, {0, 2}});
    dialog.model.SetRemoveMethod(rmErase);
    dialog.onShow = [](DeleteFilesModel& m) { m.RemoveRows(1, m.FilesGrid().RowCount() - 1); };
    window.statuses.clear();
    flow.DeleteFiles();
    EXPECT_EQ(GridRows(state), before);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.statuses, (std::vector<std::string>{"Removing 0 files..", "Ready."}));
    EXPECT_EQ(state.FilesDeleted, 0);
    for (int c = 0; c < 3; ++c)
        EXPECT_TRUE(Exists(PathOf(Cell(c, 1))));
}

TEST_F(RemovalFlowTest, SecondRunWithNothingSelectedListsNothingOld) {
    Search();
    Mark({{0, 1}});
    dialog.model.SetRemoveMethod(rmErase);
    flow.DeleteFiles();
    ASSERT_EQ(dialog.shows, 1);
    flow.DeleteFiles();
    EXPECT_EQ(dialog.shows, 1);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text.rfind("You must first select some duplicate", 0), 0u);
}

// A removal started from a pump point while the search is publishing its third group: one copy
// of the first group and two of the second go, and a file of the half-published row is marked
// too. The search must end as a fresh search over what is left would.
TEST_F(RemovalFlowTest, RemovalFromAPumpPointOfARunningSearch) {
    bool removed = false;
    std::string partialMarked;
    std::vector<std::string> erased;
    window.onPump = [&](int) {
        const ResultGrid& g = state.DupeGrid;
        if (removed || state.NextGroupRow != 3 || g.RowCount() != 4 || !g.Object(0, 3) ||
            g.Object(1, 3))
            return;
        removed = true;
        Mark({{1, 1}, {0, 2}, {2, 2}, {0, 3}});
        partialMarked = Cell(0, 3)->Name();
        for (auto [c, r] : {std::pair{1, 1}, {0, 2}, {2, 2}})
            erased.emplace_back(Cell(c, r)->Name());
        dialog.model.SetRemoveMethod(rmErase);
        flow.DeleteFiles();
        // Nothing the search holds was freed; the half-published row is untouched.
        EXPECT_EQ(state.FileList.Count(), 9);
        EXPECT_EQ(state.NextGroupRow, 2);
        EXPECT_EQ(state.DupeGrid.Object(0, 2)->Name(), partialMarked);
    };
    Search();
    ASSERT_TRUE(removed);
    std::sort(erased.begin(), erased.end());
    std::vector<std::string> listed = dialog.shown;
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, erased); // the half-published row's file was not offered
    EXPECT_TRUE(Exists(tree.Path("d/" + partialMarked)));
    EXPECT_EQ(state.FilesDeleted, 3);

    SearchState fresh;
    RecordingWindow freshWindow;
    Search(fresh, freshWindow);
    EXPECT_EQ(GridRows(state, true), GridRows(fresh, true));
    EXPECT_EQ(IndexNames(state), IndexNames(fresh));
    EXPECT_EQ(state.NextGroupRow, fresh.NextGroupRow);
    EXPECT_EQ(state.NextGroupRow, 3);
    for (std::int64_t i = 0; i < state.FileList.Count(); ++i)
        EXPECT_FALSE(HasFlag(*state.FileList[i], flDeleted));
}

} // namespace
