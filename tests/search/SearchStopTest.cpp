#include "tests/search/SearchTestSupport.h"

namespace {

class SearchStopTest : public SearchFixture {
protected:
    // Presses Stop! at the first pump point after the status line read text.
    void StopAfterStatus(const std::string& prefix) {
        window.onPump = [this, prefix, pressed = false](int) mutable {
            if (!pressed && !window.statuses.empty() &&
                window.statuses.back().rfind(prefix, 0) == 0) {
                pressed = true;
                state.StopFlag = true;
            }
        };
    }
    void ExpectOneStopReport() {
        ASSERT_EQ(window.messages.size(), 1u);
        EXPECT_EQ(window.messages[0].type, MsgType::Information);
        EXPECT_EQ(window.messages[0].buttons, MsgButtons::Ok);
        EXPECT_EQ(window.messages[0].helpContext, 0);
        EXPECT_EQ(window.messages[0].text, "You have terminated the search.\r\rYou can still "
                                           "select the files already found and delete them.");
        EXPECT_EQ(window.statuses.back(), "Search operation terminated by user.");
        EXPECT_FALSE(state.StopFlag);
        EXPECT_FALSE(state.Busy);
        EXPECT_TRUE(window.findEnabled);
        EXPECT_FALSE(window.busyCursor);
    }
};

TEST_F(SearchStopTest, StopDuringTheScanEndsEachRemainingFolderEmpty) {
    std::vector<std::string> folders;
    for (int d = 1; d <= 10; ++d) {
        folders.push_back("d" + std::to_string(d));
        tree.CreateFile(folders.back() + "/f", "same everywhere");
    }
    StopAfterStatus("Analysing directory \"" + tree.Path("d3") + "\"");
    Run(folders);
    ExpectOneStopReport();
    // Folders 1 and 2 were scanned; 3 to 10 were visited without adding files.
    EXPECT_EQ(state.FileList.Count(), 2);
    EXPECT_EQ(window.counters[SearchCounter::DirsChecked], "10");
    EXPECT_EQ(window.counters[SearchCounter::FilesDetected], "2");
    for (const auto& s : window.statuses)
        EXPECT_NE(s.rfind("Indexing", 0), 0u) << "the index pass ran after a stop";
}

TEST_F(SearchStopTest, AfterAStopAMissingFolderIsOnlyCounted) {
    for (const char* d : {"d1", "d2", "d4"})
        tree.CreateFile(std::string(d) + "/f", "x");
    for (int readers : {0, 4}) {
        SCOPED_TRACE("readers " + std::to_string(readers));
        window.log.clear();
        StopAfterStatus("Analysing directory \"" + tree.Path("d1") + "\"");
        Run({"d1", "d2", "d3", "d4"}, {}, readers);
        // The reset, then one count for each folder that exists, none for d3.
        EXPECT_EQ(window.Only("counter:FilesDetected"),
                  (std::vector<std::string>{"counter:FilesDetected=0", "counter:FilesDetected=",
                                            "counter:FilesDetected=", "counter:FilesDetected="}));
        EXPECT_EQ(window.counters[SearchCounter::DirsChecked], "4");
    }
}

TEST_F(SearchStopTest, StopDuringTheIndexPassSkipsItsLastCount) {
    for (int i = 0; i < 150; ++i)
        tree.CreateFile("1/" + std::to_string(i), "x" + std::to_string(i));
    StopAfterStatus("Indexing");
    Run({"1"});
    ExpectOneStopReport();
    EXPECT_EQ(window.counters[SearchCounter::FilesIndexed], "1");
    EXPECT_EQ(state.FileList.Count(), 150);
}

TEST_F(SearchStopTest, StopDuringTheAnalysisKeepsPublishedRows) {
    // Two groups of different sizes; stop once the first one is published.
    tree.CreateFile("1/big1", std::string(500, 'b'));
    tree.CreateFile("2/big2", std::string(500, 'b'));
    tree.CreateFile("1/small1", "ss");
    tree.CreateFile("2/small2", "ss");
    tree.CreateFile("1/lonely", "lonely file");
    window.onPump = [this](int) {
        if (state.DupeGrid.RowCount() > 1 && state.DupeGrid.MembersInRow(1) == 2)
            state.StopFlag = true;
    };
    Run({"1", "2"});
    ExpectOneStopReport();
    EXPECT_EQ(state.DupeGrid.RowCount(), 2);
    EXPECT_EQ(state.DupeGrid.MembersInRow(1), 2);
    // No finishing step: the unmatched entries stay in the index.
    EXPECT_EQ(state.FileList.Count(), 5);
    for (const auto& s : window.statuses)
        EXPECT_NE(s, "Finishing..");

    // The next run starts with a cleared stop request and finds both groups.
    window.onPump = nullptr;
    window.messages.clear();
    Run({"1", "2"});
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(state.DupeGrid.RowCount(), 3);
}

TEST_F(SearchStopTest, AStopRequestedBeforeTheRunIsCleared) {
    tree.CreateFile("1/a", "x");
    tree.CreateFile("1/b", "x");
    state.StopFlag = true;
    Run({"1"});
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(state.DupeGrid.RowCount(), 2);
}

TEST_F(SearchStopTest, EntriesANestedRemovalFlaggedAreFreedWhenTheRunEnds) {
    tree.CreateFile("1/a", "abc");
    tree.CreateFile("2/b", "abc");
    tree.CreateFile("1/c", "xyz1");
    tree.CreateFile("2/d", "xyz1");
    // At the first pump of the analysis, flag one entry as a nested removal would.
    bool flagged = false;
    window.onPump = [&](int) {
        if (!flagged && !window.statuses.empty() &&
            window.statuses.back() == "Analysing 4 files..") {
            flagged = true;
            TFile* f = state.FileList[state.FileList.Count() - 1];
            SetFlag(*f, flDeleted, true);
        }
    };
    Run({"1", "2"});
    ASSERT_TRUE(flagged);
    // The flagged entry was never compared, so its twin found no partner either.
    EXPECT_EQ(state.DupeGrid.RowCount(), 2);
    EXPECT_EQ(state.FileList.Count(), 2);
    for (std::int64_t i = 0; i < state.FileList.Count(); ++i)
        EXPECT_FALSE(HasFlag(*state.FileList[i], flDeleted));
}

} // namespace
