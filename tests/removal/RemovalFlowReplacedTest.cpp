// Between the search and Yes a file that would go, or the copy that would stay, becomes
// something else at the same path: a link to its twin, a FIFO, a hard link, other bytes under
// the old time, or a folder that turns into a link to another tree. With every method, nothing
// but an unchanged copy of a file that stays may go, and every other file keeps its bytes.
#include "tests/removal/RemovalFlowFixture.h"

#include <cstdio>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>

namespace {

enum class Change {
    GoingIsLinkToKept,
    GoingIsHardLinkToKept,
    GoingIsFifo,
    GoingRewrittenOldTime,
    KeptRewrittenOldTime,
    KeptIsHardLinkToGoing,
    FolderIsLinkToCopiedTree,
};

struct Case {
    TRemoveMethod method;
    Change change;
};

class RemovalFlowReplacedTest : public RemovalFlowTest, public ::testing::WithParamInterface<Case> {
protected:
    // Every regular file under the tree's root but the Trash and the archive.
    std::map<std::string, std::string> Disk() {
        std::map<std::string, std::string> all = FilesUnder(tree.Root());
        std::erase_if(all, [](const auto& kv) {
            return kv.first.rfind("data/", 0) == 0 || kv.first.rfind("archive/", 0) == 0;
        });
        return all;
    }
};

TEST_P(RemovalFlowReplacedTest, NothingButUnchangedCopiesGo) {
    Search();
    const Rows rows = GridRows(state);
    ASSERT_EQ(rows.size(), 3u);
    // Group c (two copies): the second goes, the first stays.
    Mark({{1, 3}});
    const std::string going = "d/" + rows[2][1];
    const std::string kept = "d/" + rows[2][0];
    dialog.model.SetRemoveMethod(GetParam().method);
    std::map<std::string, std::string> atYes;
    dialog.onShow = [&](DeleteFilesModel&) {
        switch (GetParam().change) {
        case Change::GoingIsLinkToKept:
            tree.Remove(going);
            tree.CreateSymlink(going, tree.Path(kept));
            break;
        case Change::GoingIsHardLinkToKept:
            tree.Remove(going);
            tree.CreateHardLink(going, kept);
            break;
        case Change::GoingIsFifo:
            tree.Remove(going);
            tree.CreateFifo(going);
            break;
        case Change::GoingRewrittenOldTime:
            ASSERT_TRUE(RewriteKeepingTime(tree.Path(going)));
            break;
        case Change::KeptRewrittenOldTime:
            ASSERT_TRUE(RewriteKeepingTime(tree.Path(kept)));
            break;
        case Change::KeptIsHardLinkToGoing:
            tree.Remove(kept);
            tree.CreateHardLink(kept, going);
            break;
        case Change::FolderIsLinkToCopiedTree:
            ASSERT_EQ(std::rename(tree.Path("d").c_str(), tree.Path("old").c_str()), 0);
            for (const auto& [name, bytes] : FilesUnder(tree.Path("old")))
                tree.CreateFile("copy/" + name, bytes);
            tree.CreateSymlink("d", tree.Path("copy"));
            break;
        }
        atYes = Disk();
    };
    flow.DeleteFiles();
    // A folder that now leads to a copied tree still holds both copies: the one chosen goes
    // from there, and the copy that stays is still in place beside it.
    if (GetParam().change == Change::FolderIsLinkToCopiedTree) {
        auto expected = atYes;
        expected.erase("copy/" + rows[2][1]);
        EXPECT_EQ(Disk(), expected);
        EXPECT_EQ(state.FilesDeleted, 1);
        EXPECT_TRUE(window.messages.empty());
        return;
    }
    EXPECT_EQ(Disk(), atYes);
    EXPECT_EQ(state.FilesDeleted, 0);
    ASSERT_EQ(window.messages.size(), 1u);
    const char* why = "it changed since the search";
    switch (GetParam().change) {
    case Change::GoingIsLinkToKept:
    case Change::GoingIsFifo:
        why = "it is no longer a regular file";
        break;
    case Change::GoingIsHardLinkToKept:
    case Change::KeptIsHardLinkToGoing:
        why = "it is now the same file as its kept copy";
        break;
    case Change::KeptRewrittenOldTime:
        why = "its kept copy changed or is gone";
        break;
    default:
        break;
    }
    EXPECT_EQ(window.messages[0].text, StayedText({rows[2][1]}, {"d/" + rows[2][1] + ": " + why}));
}

std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    const char* const methods[] = {"Trash", "Archive", "Erase"};
    const char* const changes[] = {
        "GoingIsLinkToKept",       "GoingIsHardLinkToKept", "GoingIsFifo",
        "GoingRewrittenOldTime",   "KeptRewrittenOldTime",  "KeptIsHardLinkToGoing",
        "FolderIsLinkToCopiedTree"};
    const int m = info.param.method == rmRecycle ? 0 : info.param.method == rmMove ? 1 : 2;
    return std::string(methods[m]) + "_" + changes[static_cast<int>(info.param.change)];
}

std::vector<Case> AllCases() {
    std::vector<Case> cases;
    for (TRemoveMethod m : {rmRecycle, rmMove, rmErase})
        for (int c = 0; c <= static_cast<int>(Change::FolderIsLinkToCopiedTree); ++c)
            cases.push_back({m, static_cast<Change>(c)});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryMethod, RemovalFlowReplacedTest, ::testing::ValuesIn(AllCases()),
                         CaseName);

} // namespace
