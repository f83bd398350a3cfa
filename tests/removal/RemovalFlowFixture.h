#pragma once

// The removal flow over a real tree: a scripted delete dialog, the desktop shell with a Trash
// of the test's own, and three groups found by a real search.
#include "platform/Locale.h"
#include "platform/Paths.h"
#include "removal/DesktopShell.h"
#include "removal/RemovalFlow.h"
#include "search/SearchRun.h"
#include "tests/support/FileChecks.h"
#include "tests/support/RecordingWindow.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <vector>

// The dialog as a script: what it was shown, what the user does, the answer.
struct FakeDialog : DeleteDialogInterface {
    std::string archive;
    DeleteFilesModel model{archive};
    int answer = mrYes;
    int shows = 0;
    std::vector<std::string> shown; // names listed when it opened
    std::string wholeGroupsLine;    // the warning line when it opened
    std::function<void(DeleteFilesModel&)> onShow;

    DeleteFilesModel& Model() override { return model; }
    int ShowModal() override {
        ++shows;
        shown.clear();
        for (int r = 1; r < model.FilesGrid().RowCount(); ++r)
            if (model.FilesGrid().Object(0, r))
                shown.push_back(model.FilesGrid().Text(0, r));
        wholeGroupsLine = model.WholeGroupsLine();
        if (onShow)
            onShow(model);
        return answer;
    }
};

using Rows = std::vector<std::vector<std::string>>;

// Each group row's names; sorted within a row when asked, since the order inside a group
// follows the size sort of whatever the index held.
inline Rows GridRows(const SearchState& s, bool sortRows = false) {
    Rows rows;
    for (int r = 1; r < s.DupeGrid.RowCount(); ++r) {
        std::vector<std::string> names;
        for (int c = 0; c < s.DupeGrid.ColCount(); ++c)
            if (const TFile* f = s.DupeGrid.Object(c, r)) {
                EXPECT_EQ(f->Name(), s.DupeGrid.Text(c, r));
                names.emplace_back(f->Name());
            } else {
                EXPECT_EQ(s.DupeGrid.Text(c, r), "");
            }
        if (sortRows)
            std::sort(names.begin(), names.end());
        rows.push_back(names);
    }
    return rows;
}

inline std::set<std::string> IndexNames(const SearchState& s) {
    std::set<std::string> names;
    for (std::int64_t i = 0; i < s.FileList.Count(); ++i)
        names.emplace(s.FileList[i]->Name());
    return names;
}

class RemovalFlowTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetUserNumberFormat({",", "."});
        ::setenv("XDG_DATA_HOME", tree.Path("data").c_str(), 1);
        flow.UpdateSelectionInfo = [this] { ++selectionUpdates; };
        flow.RepaintGrid = [this] { ++repaints; };
        flow.SearchRunning = [this] { return searching; };
        flow.NoFoldersListed = [this] { return window.folders.empty(); };
        // Three groups of sizes 300 (three copies), 200 (three) and 100 (two), one single file.
        for (const char* n : {"a1", "a2", "a3"})
            tree.CreatePatternFile(std::string("d/") + n, 300, 1);
        for (const char* n : {"b1", "b2", "b3"})
            tree.CreatePatternFile(std::string("d/") + n, 200, 2);
        for (const char* n : {"c1", "c2"})
            tree.CreatePatternFile(std::string("d/") + n, 100, 3);
        tree.CreatePatternFile("d/single", 50, 4);
        dialog.archive = tree.Path("archive");
    }
    void TearDown() override { ::unsetenv("XDG_DATA_HOME"); }

    void Search(SearchState& s, RecordingWindow& w) {
        w.folders = {tree.Path("d")};
        SearchRun run(s, w);
        searching = &s == &state;
        run.FindDuplicates(w.folders);
        searching = false;
    }
    void Search() { Search(state, window); }
    TFile* Cell(int col, int row) { return state.DupeGrid.Object(col, row); }
    std::string PathOf(const TFile* f) { return tree.Path("d/" + std::string(f->Name())); }
    void Mark(std::initializer_list<std::pair<int, int>> cells) {
        state.UseMarks = true;
        for (auto [c, r] : cells)
            SetFlag(*Cell(c, r), flSelected, true);
    }

    TempTree tree;
    SearchState state;
    RecordingWindow window;
    ScriptedDialogs dialogs;
    DesktopShell shell{dialogs};
    FakeDialog dialog;
    RemovalFlow flow{state, window, dialog, shell};
    bool searching = false;
    int selectionUpdates = 0;
    int repaints = 0;
};
