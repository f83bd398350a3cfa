#include "results/PatternState.h"
#include "results/FileMask.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Arrow = PatternState::Arrow;

// A grid with one file in cell (1, 1) and an empty cell (0, 1).
struct OneFileGrid {
    explicit OneFileGrid(const std::string& name) {
        file = names.Add(name);
        grid.SetColCount(2);
        grid.SetRowCount(2);
        grid.SetText(1, 1, name);
        grid.SetObject(1, 1, file);
    }
    TFileList names;
    TFile* file = nullptr;
    ResultGrid grid;
};

// Every mask from the position after a press down to the minimum.
std::vector<std::string> MasksDownFromPress(const std::string& name) {
    OneFileGrid g(name);
    PatternState p;
    std::vector<std::string> masks{*p.DupeGridMouseDown(g.grid, 1, 1)};
    while (auto m = p.PatternUpDownClick(Arrow::Left))
        masks.push_back(*m);
    return masks;
}

TEST(PatternState, PressBuildsTheFullNameAndArrowsShortenIt) {
    OneFileGrid g("report.doc");
    PatternState p;
    EXPECT_EQ(p.DupeGridMouseDown(g.grid, 1, 1), "report.doc");
    EXPECT_EQ(p.PatternSource(), "report.doc");
    EXPECT_EQ(p.Maximum(), 6);
    EXPECT_EQ(p.Position(), 6);
    EXPECT_EQ(p.PatternUpDownClick(Arrow::Right), std::nullopt); // at the maximum
    EXPECT_EQ(p.PatternUpDownClick(Arrow::Left), "repor*.doc");
    EXPECT_EQ(p.PatternUpDownClick(Arrow::Left), "repo*.doc");
    EXPECT_EQ(p.PatternUpDownClick(Arrow::Left), "rep*.doc");
    EXPECT_EQ(p.Position(), 3);

    const auto masks = MasksDownFromPress("report.doc");
    EXPECT_EQ(masks.back(), "r*.doc");
    EXPECT_EQ(masks.size(), 6u);
    EXPECT_EQ(MasksDownFromPress("README"),
              (std::vector<std::string>{"README", "READM*", "READ*", "REA*", "RE*", "R*"}));
}

TEST(PatternState, PressesOutsideFileCellsChangeNothing) {
    OneFileGrid g("a.txt");
    PatternState p;
    EXPECT_EQ(p.DupeGridMouseDown(g.grid, 0, 1), std::nullopt);
    EXPECT_EQ(p.DupeGridMouseDown(g.grid, -1, 1), std::nullopt);
    EXPECT_EQ(p.DupeGridMouseDown(g.grid, 2, 1), std::nullopt);
    EXPECT_EQ(p.DupeGridMouseDown(g.grid, 1, 2), std::nullopt);
    EXPECT_EQ(p.PatternSource(), "");
    EXPECT_EQ(p.Maximum(), 100);
    EXPECT_EQ(p.Position(), 1);
}

TEST(PatternState, RightArrowBeforeAnyPressGivesStar) {
    PatternState p;
    EXPECT_EQ(p.PatternUpDownClick(Arrow::Left), std::nullopt); // at the minimum
    EXPECT_EQ(p.PatternUpDownClick(Arrow::Right), "*");
    EXPECT_EQ(p.Position(), 2);
}

TEST(PatternState, HiddenFileNamesHaveNoExtension) {
    EXPECT_EQ(PatternExtension(".profile"), "");
    EXPECT_EQ(PatternExtension(".config.bak"), ".bak");
    EXPECT_EQ(PatternExtension("a."), ".");
    EXPECT_EQ(PatternExtension("archive.tar.gz"), ".gz");
    EXPECT_EQ(MasksDownFromPress(".bashrc").back(), ".*");
    EXPECT_EQ(MasksDownFromPress(".bashrc").front(), ".bashrc");
    EXPECT_EQ(MasksDownFromPress("a.").back(), "a.");
}

TEST(PatternState, CountsCharactersNotBytes) {
    // "café.txt": four characters before the extension, five bytes.
    const auto masks = MasksDownFromPress("caf\xc3\xa9.txt");
    EXPECT_EQ(masks,
              (std::vector<std::string>{"caf\xc3\xa9.txt", "caf*.txt", "ca*.txt", "c*.txt"}));
    const auto wide = MasksDownFromPress("\xc3\xa9\xc3\xa9");
    EXPECT_EQ(wide.back(), "\xc3\xa9*");
}

TEST(PatternState, EveryMaskMatchesTheFileItCameFrom) {
    for (const std::string name :
         {"a[1].txt", "what?.doc", "star*.x", "[.txt", "x[!]", "\xff\xfe.bin", "report.doc"}) {
        for (const std::string& mask : MasksDownFromPress(name)) {
            EXPECT_TRUE(MatchesMask(name, mask)) << name << " / " << mask;
        }
    }
    EXPECT_EQ(MasksDownFromPress("a[1].txt").front(), "a[[]1].txt");
}

} // namespace
