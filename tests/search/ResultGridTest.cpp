#include "search/ResultGrid.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// A cell holds an entry, a text of its own, or both; each change leaves the other part as it
// was, and a cell moved by a removal keeps both.
TEST(ResultGrid, ACellKeepsItsEntryAndItsOwnTextApartThroughEveryChange) {
    TFileList list;
    TFile* a = list.Add("a.txt");
    TFile* b = list.Add("b.txt");
    ResultGrid g;
    g.SetColCount(3);
    g.SetRowCount(2);

    g.SetObject(0, 1, a);
    EXPECT_EQ(g.Text(0, 1), "a.txt"); // shown by the entry's name
    g.SetText(0, 1, "own");
    EXPECT_EQ(g.Text(0, 1), "own");
    EXPECT_EQ(g.Object(0, 1), a);
    g.SetObject(0, 1, b);
    EXPECT_EQ(g.Text(0, 1), "own");
    g.SetText(0, 1, ""); // no text of its own: the entry's name again
    EXPECT_EQ(g.Text(0, 1), "b.txt");
    EXPECT_EQ(g.Object(0, 1), b);

    // A text without an entry, and a cell with both, as the removal dialog keeps them.
    g.SetCell(1, 1, {nullptr, std::make_unique<std::string>("/folder")});
    g.SetCell(2, 1, {a, std::make_unique<std::string>("kept name")});
    EXPECT_EQ(g.Object(1, 1), nullptr);
    EXPECT_EQ(g.MembersInRow(1), 2);
    g.DeleteCell(0, 1);
    EXPECT_EQ(g.Text(0, 1), "/folder");
    EXPECT_EQ(g.Text(1, 1), "kept name");
    EXPECT_EQ(g.Object(1, 1), a);
    EXPECT_EQ(g.Text(2, 1), "");
    g.SetObject(1, 1, nullptr); // the entry forgotten, its name still shown
    EXPECT_EQ(g.Text(1, 1), "kept name");
    EXPECT_EQ(g.MembersInRow(1), 0);
}

} // namespace
