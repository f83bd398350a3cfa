#pragma once

#include "search/SearchRun.h"
#include "tests/support/RecordingWindow.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

// A tree, a recording window and the state a run works on.
class SearchFixture : public ::testing::Test {
protected:
    TempTree tree;
    RecordingWindow window;
    SearchState state;

    void Run(const std::vector<std::string>& relativeFolders, ComparerFactory comparer = {},
             int readers = kAutoReaders) {
        window.folders.clear();
        for (const auto& f : relativeFolders)
            window.folders.push_back(tree.Path(f));
        SearchRun run(state, window, std::move(comparer));
        run.UseReaders(readers);
        run.FindDuplicates(window.folders);
    }

    // Each group row as the names it holds, column by column.
    std::vector<std::vector<std::string>> Groups() const {
        std::vector<std::vector<std::string>> rows;
        const ResultGrid& g = state.DupeGrid;
        for (int r = g.FixedRows(); r < g.RowCount(); ++r) {
            std::vector<std::string> row;
            for (int c = 0; c < g.ColCount(); ++c)
                if (g.Object(c, r))
                    row.emplace_back(g.Object(c, r)->Name());
            if (!row.empty())
                rows.push_back(row);
        }
        return rows;
    }
};
