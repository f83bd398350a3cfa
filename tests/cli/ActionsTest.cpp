// kelvaro-find's actions on real trees, with every file's bytes and inode taken before and after.

#include "cli/Actions.h"
#include "cli/Filters.h"
#include "cli/Report.h"
#include "removal/RemovalFaults.h"
#include "tests/support/Command.h"
#include "tests/support/TempTree.h"

#include <QByteArray>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int status = -1;
    std::string out, err;
};

// kelvaro-find with the arguments, its Trash and log in the tree's own home.
Outcome Find(const TempTree& tree, const std::vector<std::string>& args) {
    std::string command = "XDG_DATA_HOME=" + ShellQuoted(tree.Path("home/data")) +
                          " XDG_STATE_HOME=" + ShellQuoted(tree.Path("home/state")) + " " +
                          KELVARO_FIND;
    for (const auto& a : args)
        command += " " + ShellQuoted(a);
    const std::string err = tree.Path("home/stderr");
    fs::create_directories(tree.Path("home"));
    command += " 2>" + ShellQuoted(err);
    const CommandResult run = RunCommand(command);
    Outcome r;
    r.status = run.status;
    r.out = run.out;
    std::ifstream in(err, std::ios::binary);
    r.err.assign(std::istreambuf_iterator<char>(in), {});
    return r;
}

struct Seen {
    std::uint64_t hash = 0;
    ino_t inode = 0;
    bool operator==(const Seen&) const = default;
};

// Every regular file under folder (the tree's home left out): FNV-1a of its bytes and its inode.
std::map<std::string, Seen> Snapshot(const TempTree& tree, const std::string& folder = "") {
    std::map<std::string, Seen> files;
    for (const auto& e : fs::recursive_directory_iterator(tree.Path(folder))) {
        const std::string path = e.path().string();
        if (!e.is_regular_file() || path.rfind(tree.Path("home"), 0) == 0)
            continue;
        std::ifstream in(path, std::ios::binary);
        std::uint64_t h = 1469598103934665603ull;
        for (char c; in.get(c);)
            h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        struct stat st;
        ::lstat(path.c_str(), &st);
        files[path.substr(tree.Root().size() + 1)] = {h, st.st_ino};
    }
    return files;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Three copies of one content, two of another, one alone; with --keep shortest the ones in 1/
// stay.
void ThreeGroups(TempTree& tree) {
    tree.CreateFile("t/1/x", std::string(3000, 'x'));
    tree.CreateFile("t/22/x", std::string(3000, 'x'));
    tree.CreateFile("t/333/x", std::string(3000, 'x'));
    tree.CreateFile("t/1/y", std::string(2000, 'y'));
    tree.CreateFile("t/22/y", std::string(2000, 'y'));
    tree.CreateFile("t/1/alone", std::string(2000, 'z'));
}

// Whatever the action, the first of each group stays untouched and nothing outside the
// groups changes; what happens to the others is the action's.
TEST(ActionsTest, EachActionOnARealTree) {
    struct Case {
        std::vector<std::string> args;
        const char* verb;
    };
    for (const Case& c : std::vector<Case>{{{"--delete"}, "deleted"},
                                           {{"--trash"}, "trashed"},
                                           {{"--move-to", "ARCHIVE"}, "moved"},
                                           {{"--hardlink"}, "linked"}}) {
        SCOPED_TRACE(c.verb);
        TempTree tree;
        ThreeGroups(tree);
        const auto before = Snapshot(tree);
        std::vector<std::string> args = {
            "-r", "--keep", "shortest", "--log", tree.Path("home/log"), tree.Path("t")};
        for (const auto& a : c.args)
            args.push_back(a == "ARCHIVE" ? tree.Path("archive") : a);
        const Outcome r = Find(tree, args);
        EXPECT_EQ(r.status, 0) << r.err;
        const auto after = Snapshot(tree);
        const std::vector<std::string> gone = {"t/22/x", "t/333/x", "t/22/y"};
        for (const char* kept : {"t/1/x", "t/1/y", "t/1/alone"})
            EXPECT_EQ(after.at(kept), before.at(kept)) << kept;
        for (const std::string& g : gone) {
            char line[64];
            std::snprintf(line, sizeof line, "%-10s", c.verb);
            EXPECT_NE(r.out.find(line + tree.Path(g) + "\n"), std::string::npos) << r.out;
            if (c.args[0] == "--hardlink") {
                // The path stays, now the kept copy's inode.
                const std::string first = "t/1/" + g.substr(g.rfind('/') + 1);
                EXPECT_EQ(after.at(g).inode, before.at(first).inode) << g;
                EXPECT_EQ(after.at(g).hash, before.at(g).hash) << g;
            } else {
                EXPECT_FALSE(after.count(g)) << g;
            }
        }
        if (c.args[0] == "--move-to") {
            EXPECT_EQ(Snapshot(tree, "archive").size(), 3u);
            EXPECT_EQ(after.at("archive/y").hash, before.at("t/22/y").hash);
        }
        if (c.args[0] == "--trash") {
            // In the Trash as trash-cli sees it, from where trash-restore brings them back.
            const std::string files = tree.Path("home/data/Trash/files");
            EXPECT_EQ(std::distance(fs::directory_iterator(files), fs::directory_iterator()), 3);
            FILE* p = popen(
                ("XDG_DATA_HOME=" + ShellQuoted(tree.Path("home/data")) + " trash-list").c_str(),
                "r");
            std::string list;
            for (int ch; p && (ch = std::fgetc(p)) != EOF;)
                list += static_cast<char>(ch);
            if (p)
                pclose(p);
            for (const std::string& g : gone)
                EXPECT_NE(list.find(tree.Path(g)), std::string::npos) << list;
        }
        // One line of the log per file acted on, naming its kept copy.
        std::ifstream log(tree.Path("home/log"));
        std::string text((std::istreambuf_iterator<char>(log)), {});
        EXPECT_EQ(Lines(text).size(), 3u) << text;
        EXPECT_NE(text.find("\"path\": \"" + tree.Path("t/333/x") + "\", \"kept\": \"" +
                            tree.Path("t/1/x") + "\""),
                  std::string::npos)
            << text;
    }
}

// The plan touches nothing, and each rule picks the copy it names.
TEST(ActionsTest, DryRunPlansByEachKeepRule) {
    TempTree tree;
    tree.CreateFile("t/a/long-name", "same bytes");
    tree.CreateFile("t/b/n", "same bytes");
    tree.CreateFile("t/c/mid", "same bytes");
    const auto setTime = [&](const char* file, std::time_t t) {
        const struct timespec times[2] = {{t, 0}, {t, 0}};
        ::utimensat(AT_FDCWD, tree.Path(file).c_str(), times, 0);
    };
    setTime("t/a/long-name", 2000000000);
    setTime("t/b/n", 1000000000);
    setTime("t/c/mid", 1500000000);
    const auto before = Snapshot(tree);
    const std::string first = Lines(Find(tree, {"-r", tree.Path("t")}).out).at(0);
    for (const auto& [rule, kept] :
         std::vector<std::pair<std::string, std::string>>{{"first", first},
                                                          {"newest", tree.Path("t/a/long-name")},
                                                          {"oldest", tree.Path("t/b/n")},
                                                          {"shortest", tree.Path("t/b/n")}}) {
        const Outcome r = Find(tree, {"-rn", "--delete", "--keep", rule, tree.Path("t")});
        EXPECT_EQ(r.status, 0);
        const auto lines = Lines(r.out);
        ASSERT_EQ(lines.size(), 5u) << r.out;
        EXPECT_EQ(lines[0], "keep      " + kept) << rule;
        EXPECT_EQ(lines[1].substr(0, 10), "delete    ");
        EXPECT_EQ(lines[4], "Would act on 2 files, 20 bytes");
    }
    EXPECT_EQ(Snapshot(tree), before);
    EXPECT_FALSE(fs::exists(tree.Path("home/state/kelvaro/actions.log")));
}

// Files in a reference folder always stay; only groups with one are acted on.
TEST(ActionsTest, ReferenceFoldersStayAndChooseTheGroups) {
    TempTree tree;
    tree.CreateFile("ref/a", "in both");
    tree.CreateFile("ref/sub/b", "in both");
    tree.CreateFile("new/c", "in both");
    tree.CreateFile("new/d", "only in new");
    tree.CreateFile("new/e", "only in new");
    tree.CreateFile("ref/f", "only in ref");
    tree.CreateFile("ref/sub/g", "only in ref");
    const auto before = Snapshot(tree);
    const Outcome shown = Find(tree, {"-r", "--keep-in", tree.Path("ref"), tree.Path("new")});
    auto shownLines = Lines(shown.out);
    std::sort(shownLines.begin(), shownLines.end());
    EXPECT_EQ(shownLines, (std::vector<std::string>{tree.Path("new/c"), tree.Path("ref/a"),
                                                    tree.Path("ref/sub/b")}));
    EXPECT_EQ(
        Lines(
            Find(tree, {"-r", "--ref-groups", "--keep-in", tree.Path("ref"), tree.Path("new")}).out)
            .size(),
        6u); // new/d and new/e copy nothing in ref
    const Outcome r = Find(tree, {"-r", "--delete", "--keep", "shortest", "--keep-in",
                                  tree.Path("ref"), tree.Path("new")});
    EXPECT_EQ(r.status, 0) << r.err;
    auto expected = before;
    expected.erase("new/c");
    EXPECT_EQ(Snapshot(tree), expected);
}

// A report acted on later: a file changed since stays and is named; a group whose kept copy
// changed is left whole; the rest goes. Names that are not UTF-8 come back byte for byte.
TEST(ActionsTest, FromReportChecksEveryFileAgainstTheDisk) {
    TempTree tree;
    tree.CreateFile("t/1/p", std::string(500, 'p'));
    tree.CreateFile("t/22/p", std::string(500, 'p'));
    tree.CreateFile("t/333/p", std::string(500, 'p'));
    tree.CreateFile("t/1/q", std::string(400, 'q'));
    tree.CreateFile("t/22/q", std::string(400, 'q'));
    tree.CreateFile("t/1/caf\xe9", std::string(300, 'r'));
    tree.CreateFile("t/22/caf\xe9", std::string(300, 'r'));
    const Outcome report = Find(tree, {"-r", "--json", tree.Path("t")});
    ASSERT_EQ(report.status, 0);
    EXPECT_NE(report.out.find("\"path_base64\": "), std::string::npos);
    tree.CreateFile("home/report.json", report.out);

    // Same size, other bytes: 333/p after the report; the kept copy of q touched.
    tree.CreateFile("t/333/p", std::string(499, 'p') + "!");
    const struct timespec now[2] = {{0, UTIME_NOW}, {0, UTIME_NOW}};
    ::utimensat(AT_FDCWD, tree.Path("t/1/q").c_str(), now, 0);
    const auto before = Snapshot(tree);
    const Outcome plan = Find(tree, {"--from-report", tree.Path("home/report.json"), "--delete",
                                     "--keep", "shortest", "--dry-run"});
    EXPECT_EQ(plan.status, 1);
    EXPECT_NE(plan.out.find("Would act on 2 files, 800 bytes"), std::string::npos) << plan.out;
    EXPECT_EQ(Snapshot(tree), before);
    const Outcome r = Find(
        tree, {"--from-report", tree.Path("home/report.json"), "--delete", "--keep", "shortest"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(tree.Path("t/333/p") + " stays: it changed since the search"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find(tree.Path("t/22/q") + " stays: its kept copy changed"), std::string::npos)
        << r.err;
    auto expected = before;
    expected.erase("t/22/p");
    expected.erase("t/22/caf\xe9");
    EXPECT_EQ(Snapshot(tree), expected);

    tree.CreateFile("home/bad.json", "[[{\"path\": \"x\"}]]");
    EXPECT_EQ(Find(tree, {"--from-report", tree.Path("home/bad.json"), "--delete"}).status, 1);
}

// The kept copy changes after the victim was read and before the action is made final: every
// victim of the group stays, whichever action.
TEST(ActionsTest, AKeptCopyChangedDuringTheRunKeepsItsGroupWhole) {
    struct ChangeKept : RemovalFaults {
        std::string kept;
        void AtStep(RemovalStep step, const std::string&) override {
            if (step == RemovalStep::Verified)
                std::ofstream(kept, std::ios::app) << "more";
        }
    };
    for (Action action : {Action::Delete, Action::Trash, Action::HardLink}) {
        TempTree tree;
        ThreeGroups(tree);
        SearchState unused;
        std::vector<Group> groups(1);
        for (const char* f : {"t/1/x", "t/22/x", "t/333/x"}) {
            platform::FileStamp stamp;
            ASSERT_TRUE(platform::StampOf(tree.Path(f), stamp));
            groups[0].push_back({tree.Path(f), stamp, false});
        }
        const auto before = Snapshot(tree);
        ChangeKept faults;
        faults.kept = tree.Path("t/1/x");
        ScopedRemovalFaults scope(faults);
        ActionOptions options;
        options.action = action;
        options.log = tree.Path("home/log");
        ::setenv("XDG_DATA_HOME", tree.Path("home/data").c_str(), 1);
        FILE* out = std::fopen("/dev/null", "w");
        EXPECT_EQ(Act(groups, options, out), 1);
        std::fclose(out);
        auto after = Snapshot(tree);
        EXPECT_NE(after.at("t/1/x"), before.at("t/1/x"));
        after["t/1/x"] = before.at("t/1/x");
        EXPECT_EQ(after, before) << static_cast<int>(action);
    }
}

// The scan's filters, bundled short options, a file given as a folder, a full output.
TEST(ActionsTest, FiltersAndConventions) {
    TempTree tree;
    tree.CreateFile("t/a.o", "object file");
    tree.CreateFile("t/b.o", "object file");
    tree.CreateFile("t/build/c", "in build");
    tree.CreateFile("t/build/d", "in build");
    tree.CreateFile("t/e", std::string(2048, 'e'));
    tree.CreateFile("t/f", std::string(2048, 'e'));
    tree.CreateFile("t/g", "tiny");
    tree.CreateFile("t/h", "tiny");
    const auto count = [&](std::vector<std::string> args) {
        args.push_back(tree.Path("t"));
        return Lines(Find(tree, args).out).size();
    };
    EXPECT_EQ(count({"-r"}), 11u);
    EXPECT_EQ(count({"-r", "--exclude", "*.o"}), 8u);
    EXPECT_EQ(count({"-r", "--exclude=build", "--exclude", "*.o"}), 5u);
    EXPECT_EQ(count({"-r", "--min-size", "1k"}), 2u);
    EXPECT_EQ(count({"-r", "--max-size=100"}), 8u);
    EXPECT_EQ(count({"-rm"}), 1u);
    EXPECT_EQ(Find(tree, {"-r", "--exclude", "a/b", tree.Path("t")}).status, 2);
    EXPECT_EQ(Find(tree, {"--min-size", "5X", tree.Path("t")}).status, 2);

    const Outcome file = Find(tree, {tree.Path("t/e")});
    EXPECT_EQ(file.status, 1);
    EXPECT_NE(file.err.find(tree.Path("t/e") + ": not a folder"), std::string::npos) << file.err;
    const int full = std::system(
        (std::string(KELVARO_FIND) + " " + tree.Path("t") + " >/dev/full 2>&1").c_str());
    EXPECT_EQ(WEXITSTATUS(full), 1);
}

TEST(ActionsTest, FiltersParseSizes) {
    EXPECT_EQ(ParseSize("0"), 0);
    EXPECT_EQ(ParseSize("10k"), 10240);
    EXPECT_EQ(ParseSize("3M"), 3 << 20);
    EXPECT_EQ(ParseSize("2G"), std::int64_t(2) << 30);
    for (const char* bad : {"", "k", "-1", "1.5M", "1kk", "99999999999999999"})
        EXPECT_EQ(ParseSize(bad), -1) << bad;
}

} // namespace

namespace {

// Every path of the JSON comes back byte for byte through jq, whose strings are Unicode.
TEST(ActionsTest, JsonPathsComeBackByteExactThroughJq) {
    TempTree tree;
    for (const char* name : {"caf\xe9", "new\nline", "plain", "\xff\xfe", "caf\xc3\xa9"})
        tree.CreateFile(std::string("t/") + name, "same");
    const Outcome json = Find(tree, {"--json", tree.Path("t")});
    tree.CreateFile("home/r.json", json.out);
    FILE* p = popen(("jq -r '.[][] | .path_base64 // (.path | @base64)' " +
                     ShellQuoted(tree.Path("home/r.json")) + " 2>&1")
                        .c_str(),
                    "r");
    std::string lines;
    for (int ch; p && (ch = std::fgetc(p)) != EOF;)
        lines += static_cast<char>(ch);
    if (p)
        pclose(p);
    std::vector<std::string> paths;
    for (const std::string& b64 : Lines(lines)) {
        const QByteArray bytes = QByteArray::fromBase64(QByteArray::fromStdString(b64));
        paths.push_back(bytes.toStdString());
    }
    std::sort(paths.begin(), paths.end());
    std::vector<std::string> expected;
    for (const char* name : {"caf\xe9", "new\nline", "plain", "\xff\xfe", "caf\xc3\xa9"})
        expected.push_back(tree.Path(std::string("t/") + name));
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(paths, expected) << lines;
}

} // namespace
