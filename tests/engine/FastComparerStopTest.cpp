// The window keeps answering while two large files are compared, and Stop! there ends the run
// without counting the half-compared pair as identical, whether readers or the window's own
// thread read them.

#include "platform/IoFaults.h"
#include "search/SearchRun.h"
#include "tests/support/RecordingWindow.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace {

// Lets every read through and counts them, from any thread. Each read takes a millisecond, as
// from a disk: from the page cache both files would be compared before the window's first look
// at its input, and there would be nothing to stop.
class ReadRecorder : public platform::IoFaults {
public:
    std::atomic<int> reads{0};
    bool FailRead(const std::string&, std::int64_t) override {
        ++reads;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return false;
    }
};

constexpr std::int64_t kSize = 24 << 20;

struct LargePair : ::testing::TestWithParam<int> {
    TempTree tree;
    ReadRecorder recorder;
    SearchState state;
    RecordingWindow window;
    std::vector<std::int64_t> pumpTicks; // the clock at each pump while blocks were read

    void SetUp() override {
        tree.CreatePatternFile("a/one", kSize, 5);
        tree.CreatePatternFile("a/two", kSize, 5);
        window.folders = {tree.Path("a")};
        window.tickStep = 30;
    }
    bool Reading() const { return recorder.reads > 0; }
};

TEST_P(LargePair, PumpsAtLeastEveryHundredTicksWhileComparing) {
    window.onPump = [&](int) {
        if (Reading())
            pumpTicks.push_back(window.now);
    };
    platform::ScopedIoFaults installed(recorder);
    SearchRun run(state, window);
    run.UseReaders(GetParam());
    run.FindDuplicates(window.folders);

    ASSERT_EQ(state.DupeGrid.RowCount(), 2); // the pair was compared to the end: one group
    ASSERT_GE(pumpTicks.size(), 5u);
    for (std::size_t i = 1; i < pumpTicks.size(); ++i)
        EXPECT_LE(pumpTicks[i] - pumpTicks[i - 1], 100 + 2 * window.tickStep) << "pump " << i;
}

TEST_P(LargePair, StopDuringTheComparisonEndsTheRunWithoutAGroup) {
    int readsAtStop = -1;
    int readsAtMessage = -1;
    window.onPump = [&](int) {
        if (Reading() && readsAtStop < 0) {
            state.StopFlag = true;
            readsAtStop = recorder.reads;
        }
        // The pump of the status line that follows the stop message.
        if (!window.messages.empty() && readsAtMessage < 0)
            readsAtMessage = recorder.reads;
    };
    platform::ScopedIoFaults installed(recorder);
    SearchRun run(state, window);
    run.UseReaders(GetParam());
    run.FindDuplicates(window.folders);

    ASSERT_GT(readsAtStop, 0);
    // Abandoned at once: every reader has ended before the stop is reported, each after the
    // block it was reading, far from the end of the files.
    EXPECT_EQ(recorder.reads, readsAtMessage);
    EXPECT_LE(readsAtMessage, readsAtStop + GetParam());
    EXPECT_LT(readsAtMessage, 2 * static_cast<int>(kSize >> 20));
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text, "You have terminated the search.\r\rYou can still select "
                                       "the files already found and delete them.");
    EXPECT_EQ(window.statuses.back(), "Search operation terminated by user.");
    EXPECT_EQ(std::count(window.statuses.begin(), window.statuses.end(), "Finishing.."), 0);
    EXPECT_EQ(state.DupeGrid.RowCount(), 1);
    EXPECT_EQ(state.FileList.Count(), 2);
    for (std::int64_t i = 0; i < state.FileList.Count(); ++i)
        EXPECT_EQ(state.FileList[i]->GroupNo, 0);
    EXPECT_FALSE(state.StopFlag);
    EXPECT_FALSE(state.Busy);
}

// No reader (the window's thread reads), one, and several.
INSTANTIATE_TEST_SUITE_P(Readers, LargePair, ::testing::Values(0, 1, 4));

} // namespace
