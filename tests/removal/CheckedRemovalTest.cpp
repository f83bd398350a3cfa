// One file's removal, checked at the moment it goes, on a real tree: whatever changes between
// two of its steps, no content that is not kept elsewhere goes, and nothing the user did not
// choose changes.
#include "removal/CheckedRemoval.h"
#include "platform/Paths.h"
#include "removal/RemovalFaults.h"
#include "removal/StagingJournal.h"
#include "removal/Trash.h"
#include "tests/support/FileChecks.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

SeenFile Seen(const std::string& path) {
    SeenFile f{path, {}};
    EXPECT_TRUE(platform::StampOf(path, f.stamp)) << path;
    return f;
}

// Calls the test's change at one step of the removal.
struct AtOneStep : RemovalFaults {
    RemovalStep step;
    std::function<void(const std::string&)> change;
    void AtStep(RemovalStep s, const std::string& path) override {
        if (s == step && change) {
            change(path);
            change = nullptr;
        }
    }
};

const char* const kMethods[] = {"Trash", "Archive", "Erase"};

class CheckedRemovalTest : public ::testing::Test {
public:
    // a/f.bin goes, b/f.bin stays; both were identical when seen.
    void SetUp() override {
        ::setenv("XDG_DATA_HOME", tree.Path("data").c_str(), 1);
        ::setenv("XDG_STATE_HOME", tree.Path("state").c_str(), 1);
        victim = tree.CreatePatternFile("a/f.bin", 300000, 5);
        kept = tree.CreatePatternFile("b/f.bin", 300000, 5);
        bytes = ReadAll(victim);
    }
    void TearDown() override {
        ::unsetenv("XDG_DATA_HOME");
        ::unsetenv("XDG_STATE_HOME");
    }
    PlannedFile Plan() {
        PlannedFile p;
        p.file = Seen(victim);
        p.kept = {Seen(kept)};
        return p;
    }
    RemovalResult Remove(TRemoveMethod method, const PlannedFile& plan,
                         OperationProgress* progress = nullptr) {
        CopyCheck check(progress);
        return RemoveChecked(plan, method, tree.Path("archive"), check);
    }
    RemovalResult Remove(TRemoveMethod method) { return Remove(method, Plan()); }
    // Every file under the tree but the Trash's records and the list of files away.
    std::map<std::string, std::string> Disk() {
        auto all = FilesUnder(tree.Root());
        std::erase_if(all, [](const auto& kv) {
            return kv.first.find("/info/") != kv.first.npos || kv.first.rfind("state/", 0) == 0;
        });
        return all;
    }
    std::size_t Records() {
        std::size_t n = 0;
        for (const auto& [name, text] : FilesUnder(tree.Root()))
            n += name.find(".trashinfo") != name.npos;
        return n;
    }

    TempTree tree;
    std::string victim, kept, bytes;
};

TEST_F(CheckedRemovalTest, AnUnchangedCopyGoesWhereItsMethodSendsIt) {
    const std::string where[] = {"data/Trash/files/f.bin", "archive/f.bin", ""};
    for (TRemoveMethod method : {rmRecycle, rmMove, rmErase}) {
        const RemovalResult r = Remove(method);
        ASSERT_EQ(r.status, RemovalStatus::Removed) << kMethods[method] << ": " << r.error;
        EXPECT_FALSE(Exists(victim));
        EXPECT_EQ(ReadAll(kept), bytes);
        const std::string& to = where[method];
        EXPECT_EQ(r.target, to.empty() ? "" : tree.Path(to));
        if (!to.empty()) {
            EXPECT_EQ(tree.Read(to), bytes);
        }
        EXPECT_EQ(Records(), method == rmRecycle ? 1u : 0u);
        tree.Remove("data");
        tree.Remove("archive");
        tree.CreateFile("a/f.bin", bytes);
    }
}

enum class Change { EditVictim, EditKeptKeepingTime, ReplaceKept, DeleteKept };
const char* const kChanges[] = {"EditVictim", "EditKeptKeepingTime", "ReplaceKept", "DeleteKept"};
const char* const kSteps[] = {"BeforeTakingAway", "Staged", "Verified"};

struct Case {
    TRemoveMethod method;
    RemovalStep step;
    Change change;
};

class ChangeAtEveryStep : public CheckedRemovalTest, public ::testing::WithParamInterface<Case> {};

TEST_P(ChangeAtEveryStep, TheFileStaysWhereItWasWithItsBytes) {
    const Case c = GetParam();
    AtOneStep faults;
    faults.step = c.step;
    std::string victimNow = bytes, keptNow = bytes;
    faults.change = [&](const std::string& path) {
        switch (c.change) {
        case Change::EditVictim: // through whatever name it has at this step
            ASSERT_TRUE(RewriteKeepingTime(path));
            victimNow = ReadAll(path);
            break;
        case Change::EditKeptKeepingTime:
            ASSERT_TRUE(RewriteKeepingTime(kept));
            keptNow = ReadAll(kept);
            break;
        case Change::ReplaceKept:
            tree.CreateFile("b/new", "a sync client's newer version");
            ASSERT_EQ(std::rename(tree.Path("b/new").c_str(), kept.c_str()), 0);
            keptNow = "a sync client's newer version";
            break;
        case Change::DeleteKept:
            tree.Remove("b/f.bin");
            keptNow.clear();
            break;
        }
    };
    const PlannedFile plan = Plan();
    RemovalResult r;
    {
        ScopedRemovalFaults scope(faults);
        r = Remove(c.method, plan);
    }
    EXPECT_EQ(r.status, c.change == Change::EditVictim ? RemovalStatus::Changed
                                                       : RemovalStatus::KeptCopyLost);
    EXPECT_TRUE(r.putBackAs.empty());
    // Back at its own name, as it was or as the change left it; nothing else anywhere.
    std::map<std::string, std::string> expected = {{"a/f.bin", victimNow}};
    if (!keptNow.empty())
        expected["b/f.bin"] = keptNow;
    EXPECT_EQ(Disk(), expected);
    EXPECT_EQ(Records(), 0u);
}

std::vector<Case> AllCases() {
    std::vector<Case> cases;
    for (TRemoveMethod m : {rmRecycle, rmMove, rmErase})
        for (RemovalStep s :
             {RemovalStep::BeforeTakingAway, RemovalStep::Staged, RemovalStep::Verified})
            for (Change ch : {Change::EditVictim, Change::EditKeptKeepingTime, Change::ReplaceKept,
                              Change::DeleteKept})
                cases.push_back({m, s, ch});
    return cases;
}

std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    return std::string(kMethods[info.param.method]) + "_" +
           kSteps[static_cast<int>(info.param.step)] + "_" +
           kChanges[static_cast<int>(info.param.change)];
}

INSTANTIATE_TEST_SUITE_P(EveryMethod, ChangeAtEveryStep, ::testing::ValuesIn(AllCases()), CaseName);

// Only the bytes count: times, permissions and another link to the file may change; the same
// file as the kept one, a link or a FIFO in its place may not go.
TEST_F(CheckedRemovalTest, TimesPermissionsAndLinksMayChangeButTheFileMustStayAFileOfItsOwn) {
    struct Try {
        const char* what;
        std::function<void(CheckedRemovalTest&)> change;
        RemovalStatus status;
    };
    const std::vector<Try> tries = {
        {"touched",
         [](CheckedRemovalTest& t) {
             ASSERT_EQ(::utimensat(AT_FDCWD, t.victim.c_str(), nullptr, 0), 0);
         },
         RemovalStatus::Removed},
        {"chmod", [](CheckedRemovalTest& t) { ASSERT_EQ(::chmod(t.victim.c_str(), 0600), 0); },
         RemovalStatus::Removed},
        {"another link", [](CheckedRemovalTest& t) { t.tree.CreateHardLink("c/link", "a/f.bin"); },
         RemovalStatus::Removed},
        {"kept saved anew, same bytes",
         [](CheckedRemovalTest& t) {
             t.tree.CreateFile("b/new", t.bytes);
             ASSERT_EQ(std::rename(t.tree.Path("b/new").c_str(), t.kept.c_str()), 0);
         },
         RemovalStatus::Removed},
        {"hard link to the kept copy",
         [](CheckedRemovalTest& t) {
             t.tree.Remove("a/f.bin");
             t.tree.CreateHardLink("a/f.bin", "b/f.bin");
         },
         RemovalStatus::SameFileAsKept},
        {"kept is a hard link to it",
         [](CheckedRemovalTest& t) {
             t.tree.Remove("b/f.bin");
             t.tree.CreateHardLink("b/f.bin", "a/f.bin");
         },
         RemovalStatus::SameFileAsKept},
        {"link to the kept copy",
         [](CheckedRemovalTest& t) {
             t.tree.Remove("a/f.bin");
             t.tree.CreateSymlink("a/f.bin", t.kept);
         },
         RemovalStatus::NotAFile},
        {"FIFO",
         [](CheckedRemovalTest& t) {
             t.tree.Remove("a/f.bin");
             t.tree.CreateFifo("a/f.bin");
         },
         RemovalStatus::NotAFile},
        {"gone", [](CheckedRemovalTest& t) { t.tree.Remove("a/f.bin"); }, RemovalStatus::Gone},
    };
    for (TRemoveMethod method : {rmRecycle, rmErase})
        for (const Try& t : tries) {
            SCOPED_TRACE(std::string(kMethods[method]) + ", " + t.what);
            const PlannedFile plan = Plan();
            t.change(*this);
            const auto before = Disk();
            const RemovalResult r = Remove(method, plan);
            EXPECT_EQ(r.status, t.status) << r.error;
            auto expected = before;
            if (t.status == RemovalStatus::Removed) {
                expected.erase("a/f.bin");
                if (method == rmRecycle)
                    expected["data/Trash/files/f.bin"] = bytes;
            }
            EXPECT_EQ(Disk(), expected);
            tree.Remove("a");
            tree.Remove("b");
            tree.Remove("c");
            tree.Remove("data");
            tree.CreateFile("a/f.bin", bytes);
            tree.CreateFile("b/f.bin", bytes);
        }
}

TEST_F(CheckedRemovalTest, ANameTakenWhileTheFileWasAwayPutsItBackBesideAndSaysWhere) {
    for (TRemoveMethod method : {rmRecycle, rmMove, rmErase}) {
        SCOPED_TRACE(kMethods[method]);
        AtOneStep faults;
        faults.step = RemovalStep::Staged;
        faults.change = [&](const std::string&) {
            tree.CreateFile("a/f.bin", "written anew at the old name");
            tree.Remove("b/f.bin");
        };
        const PlannedFile plan = Plan();
        RemovalResult r;
        {
            ScopedRemovalFaults scope(faults);
            r = Remove(method, plan);
        }
        EXPECT_EQ(r.status, RemovalStatus::KeptCopyLost);
        EXPECT_EQ(r.putBackAs, tree.Path("a/f (2).bin"));
        EXPECT_EQ(Disk(),
                  (std::map<std::string, std::string>{{"a/f.bin", "written anew at the old name"},
                                                      {"a/f (2).bin", bytes}}));
        EXPECT_EQ(StayedReason(r),
                  "its kept copy changed or is gone; its name was taken meanwhile, so it is now "
                  "f (2).bin");
        tree.Remove("a");
        tree.CreateFile("a/f.bin", bytes);
        tree.CreateFile("b/f.bin", bytes);
    }
}

TEST_F(CheckedRemovalTest, AWholeGroupGoesOnlyUnchangedAndACancelledReadPutsTheFileBack) {
    PlannedFile alone;
    alone.file = Seen(victim);
    alone.wholeGroup = true;
    ::utimensat(AT_FDCWD, victim.c_str(), nullptr, 0);
    EXPECT_EQ(Remove(rmErase, alone).status, RemovalStatus::Changed);
    EXPECT_EQ(ReadAll(victim), bytes);
    alone.file = Seen(victim);
    EXPECT_EQ(Remove(rmErase, alone).status, RemovalStatus::Removed);
    EXPECT_FALSE(Exists(victim));

    // A pair large enough to turn the progress during its read: cancelled there.
    const std::string large(17 << 20, 'x');
    const std::string big = tree.CreateFile("a/big.bin", large);
    tree.CreateFile("b/big.bin", large);
    struct CancelAtOnce : OperationProgress {
        int turns = 0;
        void Begin(const std::string&, int) override {}
        bool Advance(int, const std::string&) override { return ++turns > 1; }
        void End() override {}
    } progress;
    PlannedFile plan;
    plan.file = Seen(big);
    plan.kept = {Seen(tree.Path("b/big.bin"))};
    for (TRemoveMethod method : {rmRecycle, rmMove, rmErase}) {
        progress.turns = 0;
        EXPECT_EQ(Remove(method, plan, &progress).status, RemovalStatus::Cancelled);
        EXPECT_EQ(progress.turns, 1);
        EXPECT_TRUE(Exists(big));
        EXPECT_EQ(Records(), 0u);
    }
}

// What happens to names while a file is away acts on the file, not on its old name: a folder
// renamed and another put in its place; a run killed while the file is hidden; a folder with no
// room for another name.
TEST_F(CheckedRemovalTest, TheFileItselfIsActedOnWhateverHappensToItsNames) {
    {
        SCOPED_TRACE("folder renamed while the file is away");
        AtOneStep faults;
        faults.step = RemovalStep::Verified;
        faults.change = [&](const std::string& staged) {
            ASSERT_EQ(std::rename(tree.Path("a").c_str(), tree.Path("a2").c_str()), 0);
            tree.CreateFile("a/" + platform::BaseName(staged), "someone else's file");
        };
        ScopedRemovalFaults scope(faults);
        const RemovalResult r = Remove(rmErase);
        EXPECT_EQ(r.status, RemovalStatus::Removed) << r.error;
        EXPECT_EQ(Disk(),
                  (std::map<std::string, std::string>{
                      {"a/.kelvaro-removing-f.bin", "someone else's file"}, {"b/f.bin", bytes}}));
        tree.Remove("a");
        tree.Remove("a2");
        tree.CreateFile("a/f.bin", bytes);
    }
    {
        SCOPED_TRACE("a run killed while the file is hidden");
        const pid_t child = ::fork();
        if (child == 0) {
            AtOneStep faults;
            faults.step = RemovalStep::Staged;
            faults.change = [](const std::string&) { ::_exit(0); };
            ScopedRemovalFaults scope(faults);
            Remove(rmErase);
            ::_exit(1);
        }
        ASSERT_GT(child, 0);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        EXPECT_TRUE(Exists(tree.Path("a/.kelvaro-removing-f.bin")));
        staging::RecoverFrom(tree.Path("state/kelvaro"));
        EXPECT_EQ(Disk(),
                  (std::map<std::string, std::string>{{"a/f.bin", bytes}, {"b/f.bin", bytes}}));
        EXPECT_EQ(FilesUnder(tree.Path("state")).size(), 1u); // this process's own list
    }
    {
        SCOPED_TRACE("no room for another name: checked where it is");
        struct NoRoom : RemovalFaults {
            int FailStaging(const std::string&) override { return ENOSPC; }
        } faults;
        ScopedRemovalFaults scope(faults);
        const RemovalResult r = Remove(rmErase);
        EXPECT_EQ(r.status, RemovalStatus::Removed) << r.error;
        EXPECT_FALSE(Exists(victim));
        tree.CreateFile("a/f.bin", bytes);
        const PlannedFile plan = Plan();
        tree.Remove("b/f.bin");
        EXPECT_EQ(Remove(rmErase, plan).status, RemovalStatus::KeptCopyLost);
        EXPECT_EQ(ReadAll(victim), bytes);
    }
}

// A file put back because its kept copy changed is known again at the next try: the renames of
// the first try moved nothing but its status change time.
TEST_F(CheckedRemovalTest, AFilePutBackIsKnownAgainAtTheNextTry) {
    for (bool whole : {false, true}) {
        PlannedFile plan = Plan();
        plan.wholeGroup = whole;
        struct CancelAtOnce : OperationProgress {
            void Begin(const std::string&, int) override {}
            bool Advance(int, const std::string&) override { return false; }
            void End() override {}
        } cancel;
        AtOneStep faults;
        faults.step = RemovalStep::Staged;
        faults.change = [&](const std::string&) { tree.Remove("b/f.bin"); };
        RemovalResult r;
        if (whole) {
            // Nothing to compare with: a cancel during the first try puts it back.
            tree.CreateFile("a/big.bin", std::string(17 << 20, 'x'));
            plan.file = Seen(tree.Path("a/big.bin"));
            plan.kept = {Seen(tree.Path("a/big.bin"))};
            plan.wholeGroup = false;
            tree.CreateFile("c/big.bin", std::string(17 << 20, 'x'));
            plan.kept = {Seen(tree.Path("c/big.bin"))};
            r = Remove(rmErase, plan, &cancel);
            EXPECT_EQ(r.status, RemovalStatus::Cancelled);
            plan.kept.clear();
            plan.wholeGroup = true;
        } else {
            ScopedRemovalFaults scope(faults);
            r = Remove(rmErase, plan);
            EXPECT_EQ(r.status, RemovalStatus::KeptCopyLost);
            tree.CreateFile("b/f.bin", bytes);
            plan.kept = {Seen(kept)};
        }
        ASSERT_TRUE(r.restamped);
        EXPECT_FALSE(plan.file.stamp == r.stamp);
        plan.file.stamp = r.stamp;
        const RemovalResult again = Remove(rmErase, plan);
        EXPECT_EQ(again.status, RemovalStatus::Removed) << again.error;
        tree.CreateFile("a/f.bin", bytes);
    }
}

// A record whose file never reached the Trash (the program was killed in between) goes at the
// next move into that Trash: only Kelvaro's, only when its writer is gone and the file is still
// at its old path.
TEST_F(CheckedRemovalTest, RecordsLeftByAKilledRemovalAreClearedAtTheNextOne) {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ASSERT_GT(child, 0);
    ::waitpid(child, nullptr, 0); // a writer that is gone for sure
    const std::string dead = std::to_string(child), alive = std::to_string(::getppid());
    const std::string stillHere = tree.CreateFile("c/still-here", "x");
    auto record = [&](const std::string& name, const std::string& path, const std::string& pid) {
        tree.CreateFile("data/Trash/info/" + name + ".trashinfo",
                        "[Trash Info]\nPath=" + TrashInfoPath(path) +
                            "\nDeletionDate=2026-01-01T00:00:00\n" +
                            (pid.empty() ? "" : "X-Kelvaro-Process=" + pid + "\n"));
    };
    record("orphan", stillHere, dead);
    record("another program's", stillHere, "");
    record("writer running", stillHere, alive);
    record("original gone", tree.Path("c/gone"), dead);
    record("in the trash", stillHere, dead);
    tree.CreateFile("data/Trash/files/in the trash", "x");
    tree.CreateFifo("data/Trash/info/a pipe.trashinfo"); // must not hang the reading
    ASSERT_EQ(Remove(rmRecycle).status, RemovalStatus::Removed);
    std::set<std::string> left;
    for (const auto& [name, text] : FilesUnder(tree.Path("data/Trash/info")))
        left.insert(name);
    EXPECT_EQ(left, (std::set<std::string>{"another program's.trashinfo",
                                           "writer running.trashinfo", "original gone.trashinfo",
                                           "in the trash.trashinfo", "f.bin.trashinfo"}));
}

} // namespace
