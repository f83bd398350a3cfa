#include "platform/Locale.h"
#include "tests/search/SearchTestSupport.h"

#include <algorithm>

namespace {

using GroupList = std::vector<std::vector<std::string>>;

class SearchRunTest : public SearchFixture {
protected:
    void SetUp() override { platform::SetUserNumberFormat({",", "."}); }
};

// One file per folder, so the scan order (and so the order within a group) is the folder order.
TEST_F(SearchRunTest, ThreeIdenticalFilesMakeOneRowWithTheHeaderAbove) {
    tree.CreateFile("1/a", "same contents");
    tree.CreateFile("2/b", "same contents");
    tree.CreateFile("3/c", "same contents");
    Run({"1", "2", "3"});

    // Three of one size: the sort swaps the outer two, so c heads the group.
    EXPECT_EQ(Groups(), (GroupList{{"c", "b", "a"}}));
    const ResultGrid& g = state.DupeGrid;
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(g.ColCount(), 3);
    EXPECT_EQ(g.Text(0, 0), " Dupe #1");
    EXPECT_EQ(g.Text(1, 0), " Dupe #2");
    EXPECT_EQ(g.Text(2, 0), " Dupe #3");
    EXPECT_EQ(state.NextGroupRow, 2);
    EXPECT_EQ(state.FileList.Count(), 3);
    for (std::int64_t i = 0; i < state.FileList.Count(); ++i)
        EXPECT_EQ(state.FileList[i]->GroupNo, 1);
    EXPECT_EQ(window.caption, "Duplicate Files (1 Groups):");
    EXPECT_EQ(window.statuses.back(), "Ready.");
}

TEST_F(SearchRunTest, AMemberThatMatchesNobodyIsDroppedByTheFinishingStep) {
    // Sorted order of four of a size is d, b, c, a (folders 1..4 give a..d).
    tree.CreateFile("1/a", "xxxx");
    tree.CreateFile("2/b", "yyyy");
    tree.CreateFile("3/c", "xxxx");
    tree.CreateFile("4/d", "zzzz");
    Run({"1", "2", "3", "4"});
    EXPECT_EQ(Groups(), (GroupList{{"c", "a"}}));
    EXPECT_EQ(state.FileList.Count(), 2);
}

TEST_F(SearchRunTest, TwoPairsOfOneSizeAreNumberedByTheirRepresentatives) {
    tree.CreateFile("1/a", "AAAA");
    tree.CreateFile("2/b", "BBBB");
    tree.CreateFile("3/c", "AAAA");
    tree.CreateFile("4/d", "BBBB");
    Run({"1", "2", "3", "4"});
    ASSERT_EQ(Groups().size(), 2u);
    const TFile* firstRep = state.DupeGrid.Object(0, 1);
    const TFile* secondRep = state.DupeGrid.Object(0, 2);
    EXPECT_EQ(firstRep->GroupNo, 1);
    EXPECT_EQ(secondRep->GroupNo, 2);
    // Representatives come in sorted order: the first one sorts before the second.
    EXPECT_LT(state.FileList.IndexOf(firstRep), state.FileList.IndexOf(secondRep));
}

TEST_F(SearchRunTest, GroupsOfTwoFiveAndThreeFillTheirColumns) {
    for (int i = 0; i < 2; ++i)
        tree.CreateFile("g2/" + std::to_string(i), std::string(300, 'a'));
    for (int i = 0; i < 5; ++i)
        tree.CreateFile("g5/" + std::to_string(i), std::string(200, 'b'));
    for (int i = 0; i < 3; ++i)
        tree.CreateFile("g3/" + std::to_string(i), std::string(100, 'c'));
    Run({"g2", "g3", "g5"});
    const ResultGrid& g = state.DupeGrid;
    ASSERT_EQ(g.RowCount(), 4);
    ASSERT_EQ(g.ColCount(), 5);
    EXPECT_EQ(g.Text(4, 0), " Dupe #5");
    // Larger files first: 300 bytes (2), 200 bytes (5), 100 bytes (3).
    EXPECT_EQ(g.MembersInRow(1), 2);
    EXPECT_EQ(g.MembersInRow(2), 5);
    EXPECT_EQ(g.MembersInRow(3), 3);
    EXPECT_EQ(g.Object(2, 1), nullptr);
    EXPECT_EQ(g.Text(2, 1), "");
    EXPECT_EQ(state.NextGroupRow, 4);
    EXPECT_EQ(window.caption, "Duplicate Files (3 Groups):");
}

TEST_F(SearchRunTest, OnlyEqualSizesAndNonEmptyFilesAreGrouped) {
    tree.CreateFile("1/empty1", "");
    tree.CreateFile("1/empty2", "");
    tree.CreateFile("1/short", "prefix");
    tree.CreateFile("1/long", "prefix and more");
    tree.CreateFile("1/last1", std::string(1000, 'q') + "1");
    tree.CreateFile("1/last2", std::string(1000, 'q') + "2");
    Run({"1"});
    EXPECT_TRUE(Groups().empty());
    // No group: a single empty cell without a fixed row, and nothing left in the index.
    EXPECT_EQ(state.DupeGrid.RowCount(), 1);
    EXPECT_EQ(state.DupeGrid.ColCount(), 1);
    EXPECT_EQ(state.DupeGrid.FixedRows(), 0);
    EXPECT_EQ(state.FileList.Count(), 0);
    EXPECT_EQ(window.caption, "Duplicate Files ( Groups):");
}

TEST_F(SearchRunTest, BlockBoundariesCompareByContent) {
    tree.CreatePatternFile("1/x256", 256, 3);
    tree.CreatePatternFile("2/y256", 256, 3);
    tree.CreatePatternFile("1/x512", 512, 4);
    std::string other = tree.Read("1/x512");
    other[511] = static_cast<char>(other[511] ^ 1);
    tree.CreateFile("2/y512", other);
    tree.CreatePatternFile("1/x700", 700, 5);
    tree.CreatePatternFile("2/y700", 700, 5);
    Run({"1", "2"});
    auto groups = Groups();
    ASSERT_EQ(groups.size(), 2u);
    for (auto& g : groups)
        std::sort(g.begin(), g.end());
    EXPECT_EQ(groups[0], (std::vector<std::string>{"x700", "y700"}));
    EXPECT_EQ(groups[1], (std::vector<std::string>{"x256", "y256"}));
}

TEST_F(SearchRunTest, ACompleteRunShowsItsStatusTextsInOrder) {
    tree.CreateFile("1/a", "dup");
    tree.CreateFile("1/b", "dup");
    tree.CreateFile("1/c", "uniq");
    Run({"1"});
    const std::string folder = tree.Path("1");
    // The clock does not move, so only the first progress display and the forced one show.
    const std::vector<std::string> expected = {"Analysing directory \"" + folder + "\"",
                                               "Indexing 3 files..",
                                               "Sorting 3 files..",
                                               "Analysing 3 files..",
                                               "Analysing 3 files.. (33.3 %)",
                                               "Analysing 3 files.. (100.0 %)",
                                               "Finishing..",
                                               "Ready."};
    EXPECT_EQ(window.statuses, expected);
    EXPECT_EQ(window.counters[SearchCounter::FilesDetected], "3");
    EXPECT_EQ(window.counters[SearchCounter::DirsChecked], "1");
    EXPECT_EQ(window.counters[SearchCounter::FilesIndexed], "3");
    EXPECT_EQ(window.counters[SearchCounter::FilesChecked], "3");
    EXPECT_TRUE(window.findEnabled);
    EXPECT_FALSE(state.Busy);
    EXPECT_EQ(window.Only("cursor:"), (std::vector<std::string>{"cursor:busy", "cursor:default"}));
    EXPECT_EQ(window.Only("find:"), (std::vector<std::string>{"find:off", "find:on"}));
    // The sort lets no message run: the window is asked to show its status first.
    const auto sorting =
        std::find(window.log.begin(), window.log.end(), "status:Sorting 3 files..");
    ASSERT_NE(sorting, window.log.end());
    EXPECT_EQ(std::vector<std::string>(sorting + 1, sorting + 3),
              (std::vector<std::string>{"pump", "draw"}));
    EXPECT_EQ(window.Only("draw").size(), 1u);
}

TEST_F(SearchRunTest, ProgressIsPacedByTheClock) {
    for (int i = 0; i < 6; ++i)
        tree.CreateFile("1/" + std::to_string(i), "unique" + std::to_string(i) + "xx");
    // Six files of one size: one display per size run, five for the run's positions, one forced.
    // The walk's own checkpoints: the fast engine adds displays while readers work on a run.
    window.tickStep = 101;
    Run({"1"}, MakePairwiseComparer);
    EXPECT_EQ(window.Only("counter:FilesChecked").size(), 1u + 7u);

    // Exactly 100 ms is not "more than": readings 0, 100, ... 600 show at 0, 200, 400, 600.
    RecordingWindow paced;
    SearchState other;
    paced.folders = {tree.Path("1")};
    paced.tickStep = 100;
    SearchRun(other, paced, MakePairwiseComparer).FindDuplicates(paced.folders);
    EXPECT_EQ(paced.Only("counter:FilesChecked").size(), 1u + 4u);
}

TEST_F(SearchRunTest, ARunOverNoFileShowsEmptyCounts) {
    tree.CreateDir("empty");
    Run({"empty"});
    EXPECT_EQ(window.statuses[1], "Indexing  files..");
    EXPECT_EQ(window.statuses[2], "Sorting  files..");
    EXPECT_EQ(window.counters[SearchCounter::FilesChecked], "");
    EXPECT_EQ(window.counters[SearchCounter::FilesDetected], "");
    for (const auto& s : window.statuses)
        EXPECT_EQ(s.find('%'), std::string::npos) << s;
    EXPECT_EQ(window.statuses.back(), "Ready.");
}

TEST_F(SearchRunTest, AnEmptyFolderListOnlyAsksForFolders) {
    tree.CreateFile("1/a", "x");
    tree.CreateFile("1/b", "x");
    Run({"1"});
    ASSERT_EQ(Groups().size(), 1u);
    window.log.clear();
    window.folders.clear();
    SearchRun(state, window).FindDuplicates(window.folders);
    ASSERT_EQ(window.messages.size(), 1u);
    const MessageRequest& m = window.messages[0];
    EXPECT_EQ(m.type, MsgType::Plain);
    EXPECT_EQ(m.buttons, MsgButtons::OkHelp);
    EXPECT_EQ(m.helpContext, 2);
    EXPECT_EQ(m.title, "Kelvaro");
    EXPECT_EQ(m.text, "The \"directories\" pane is empty.\nPlease select directories first.");
    // Grid and index stay; the counters read "0"; the busy state ends as it began.
    EXPECT_EQ(Groups().size(), 1u);
    EXPECT_EQ(state.FileList.Count(), 2);
    EXPECT_EQ(window.counters[SearchCounter::FilesDetected], "0");
    EXPECT_EQ(window.counters[SearchCounter::FilesChecked], "0");
    EXPECT_TRUE(window.findEnabled);
    EXPECT_EQ(window.Only("cursor:"), (std::vector<std::string>{"cursor:default"}));
}

TEST_F(SearchRunTest, ABusyWindowStartsNoSecondRun) {
    tree.CreateFile("1/a", "x");
    state.Busy = true;
    window.folders = {tree.Path("1")};
    SearchRun(state, window).FindDuplicates(window.folders);
    EXPECT_TRUE(window.log.empty());
}

TEST_F(SearchRunTest, TheScanCountsEveryHundredFilesAndEachFolder) {
    for (int i = 0; i < 250; ++i)
        tree.CreateFile("1/f" + std::to_string(i), std::to_string(i));
    tree.CreateFile("2/g", "g");
    tree.CreateFile("1/sub/deeper", "not indexed: the scan is flat");
    Run({"1", "missing", "2"});
    std::vector<std::string> detected;
    for (const auto& e : window.Only("counter:FilesDetected="))
        detected.push_back(e.substr(std::string("counter:FilesDetected=").size()));
    // 0 at the start, 100 and 200 while enumerating, 250 at the folder's end, nothing for the
    // missing folder, 251 after the last.
    EXPECT_EQ(detected, (std::vector<std::string>{"0", "100", "200", "250", "251"}));
    std::vector<std::string> dirs;
    for (const auto& e : window.Only("counter:DirsChecked="))
        dirs.push_back(e.substr(std::string("counter:DirsChecked=").size()));
    EXPECT_EQ(dirs, (std::vector<std::string>{"0", "1", "2", "3"}));
    std::vector<std::string> indexed;
    for (const auto& e : window.Only("counter:FilesIndexed="))
        indexed.push_back(e.substr(std::string("counter:FilesIndexed=").size()));
    EXPECT_EQ(indexed, (std::vector<std::string>{"0", "1", "101", "201", "251"}));
}

TEST_F(SearchRunTest, HiddenFilesFollowTheSkipSwitch) {
    tree.CreateFile("1/.hidden", "twin");
    tree.CreateFile("1/visible", "twin");
    window.skipHidden = true;
    Run({"1"});
    EXPECT_TRUE(Groups().empty());
    window.skipHidden = false;
    Run({"1"});
    EXPECT_EQ(Groups().size(), 1u);
}

TEST_F(SearchRunTest, GetFilePathIsEmptyOutsideTheIndex) {
    tree.CreateFile("1/a", "x");
    tree.CreateFile("1/b", "x");
    Run({"1"});
    SearchRun run(state, window);
    EXPECT_EQ(run.GetFilePath(-1), "");
    EXPECT_EQ(run.GetFilePath(state.FileList.Count()), "");
    const std::string p = run.GetFilePath(0);
    EXPECT_TRUE(p == tree.Path("1/a") || p == tree.Path("1/b")) << p;
}

TEST(SameBytesTest, ComparesExactlyTheGivenCount) {
    const char a[] = "abcdefg";
    const char b[] = "abcdefX";
    EXPECT_TRUE(SameBytes(a, b, 0));
    EXPECT_TRUE(SameBytes(a, b, 6));
    EXPECT_FALSE(SameBytes(a, b, 7));
}

} // namespace
