#include "cli/JsonText.h"
#include "platform/Version.h"
#include "tests/support/Command.h"
#include "tests/support/TempTree.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {

using Result = CommandResult;

// Runs kelvaro-find with the arguments (each quoted for the shell), stderr discarded.
Result Find(const std::vector<std::string>& args) {
    std::string command = KELVARO_FIND;
    for (const auto& a : args)
        command += " " + ShellQuoted(a);
    return RunCommand(command + " 2>/dev/null");
}

TEST(CliTest, PrintsGroupsInGridOrderWithAnEmptyLineBetween) {
    // One file per folder, so that the scan order does not depend on the file system's.
    TempTree tree;
    tree.CreateFile("1/a", "first group, larger");
    tree.CreateFile("2/b", "first group, larger");
    tree.CreateFile("3/c", "second");
    tree.CreateFile("4/sub/d", "second");
    tree.CreateFile("5/unique", "nobody else");
    Result flat = Find({tree.Path("1"), tree.Path("2")});
    EXPECT_EQ(flat.status, 0);
    EXPECT_EQ(flat.out, tree.Path("2/b") + "\n" + tree.Path("1/a") + "\n");

    // Scanned as a, b, c, d, unique; the sort leaves b, a, unique, d, c.
    Result deep = Find({"-r", tree.Root() + "/"});
    EXPECT_EQ(deep.status, 0);
    EXPECT_EQ(deep.out, tree.Path("2/b") + "\n" + tree.Path("1/a") + "\n\n" + tree.Path("4/sub/d") +
                            "\n" + tree.Path("3/c") + "\n");
}

TEST(CliTest, ExitStatusTellsMissingFoldersAndBadOptions) {
    TempTree tree;
    tree.CreateFile("x/a", "dup");
    tree.CreateFile("x/b", "dup");
    Result partial = Find({tree.Path("missing"), tree.Path("x")});
    EXPECT_EQ(partial.status, 1);
    EXPECT_NE(partial.out.find(tree.Path("x/a")), std::string::npos);
    EXPECT_EQ(Find({"--bogus", tree.Path("x")}).status, 2);
    EXPECT_EQ(Find({}).status, 2);
    EXPECT_EQ(Find({"--help"}).status, 0);
    Result none = Find({tree.Path("x/..") + "/x", "--no-protect"});
    EXPECT_EQ(none.status, 0);
}

TEST(CliTest, ThreadsChangeNothingButTheSpeed) {
    TempTree tree;
    for (int d = 0; d < 6; ++d)
        for (int f = 0; f < 8; ++f)
            tree.CreatePatternFile("t" + std::to_string(d) + "/sub/f" + std::to_string(f),
                                   1000 + f % 3, static_cast<unsigned>(f % 4));
    const Result reference = Find({"-r", tree.Root(), "--engine=pairwise"});
    ASSERT_EQ(reference.status, 0);
    ASSERT_FALSE(reference.out.empty());
    for (const std::vector<std::string>& threads :
         {std::vector<std::string>{"--threads", "0"}, {"--threads=1"}, {"--threads", "8"}, {}}) {
        std::vector<std::string> args = threads;
        args.insert(args.end(), {"-r", tree.Root()});
        EXPECT_EQ(Find(args).out, reference.out);
    }
    for (const char* bad : {"--threads=65", "--threads=-1", "--threads=x", "--threads="})
        EXPECT_EQ(Find({bad, tree.Root()}).status, 2) << bad;
    EXPECT_EQ(Find({tree.Root(), "--threads"}).status, 2);
}

TEST(CliTest, RefusesProtectedFoldersUnlessAsked) {
    Result refused = Find({"/etc"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
}

TEST(CliTest, JsonKeepsEveryByteOfOddNames) {
    TempTree tree;
    tree.CreateFile("d/caf\xe9", "same");
    tree.CreateFile("d/quote\"back\\slash", "same");
    Result r = Find({"--json", tree.Path("d")});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("caf\\udce9\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("quote\\\"back\\\\slash"), std::string::npos) << r.out;
    EXPECT_EQ(Find({"--json", tree.Path("missing-and-empty")}).out, "[]\n");
}

TEST(CliTest, NullEndsEveryPathAndAnEmptyItemSeparatesGroups) {
    TempTree tree;
    tree.CreateFile("1/a", "first group, larger");
    tree.CreateFile("2/two\nlines", "first group, larger");
    tree.CreateFile("3/c", "second");
    tree.CreateFile("4/d", "second");
    Result r = Find({"-0", tree.Path("1"), tree.Path("2"), tree.Path("3"), tree.Path("4")});
    EXPECT_EQ(r.status, 0);
    // In grid order, as the plain output gives it.
    const std::string expected = tree.Path("2/two\nlines") + '\0' + tree.Path("1/a") + '\0' + '\0' +
                                 tree.Path("4/d") + '\0' + tree.Path("3/c") + '\0';
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(Find({"--null", tree.Path("1"), tree.Path("2"), tree.Path("3"), tree.Path("4")}).out,
              expected);
    EXPECT_EQ(Find({"--null", tree.Path("1")}).out, "");
    EXPECT_EQ(Find({"-0", "--json", tree.Path("1")}).status, 2);
}

TEST(CliTest, SummaryCountsGroupsRedundantFilesAndTheirBytes) {
    TempTree tree;
    tree.CreateFile("d/a", std::string(1000, 'x'));
    tree.CreateFile("d/b", std::string(1000, 'x'));
    tree.CreateFile("d/c", std::string(1000, 'x'));
    tree.CreateFile("d/e", "12345");
    tree.CreateFile("d/f", "12345");
    tree.CreateFile("d/g", "alone");
    Result r = Find({"-m", tree.Path("d")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "2 groups, 3 redundant files, 2005 bytes\n");
    EXPECT_EQ(Find({"--summary", "--json", tree.Path("d")}).out,
              "{\"groups\": 2, \"redundantFiles\": 3, \"redundantBytes\": 2005}\n");
    tree.Remove("d/a");
    tree.Remove("d/b");
    tree.Remove("d/c");
    tree.CreateFile("d/h", "1");
    tree.CreateFile("d/i", "1");
    tree.Remove("d/h");
    EXPECT_EQ(Find({"-m", tree.Path("d")}).out, "1 group, 1 redundant file, 5 bytes\n");
    EXPECT_EQ(Find({"-m", tree.Path("missing")}).out, "0 groups, 0 redundant files, 0 bytes\n");
}

TEST(CliTest, VersionIsTheProgramsVersion) {
    Result r = Find({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "kelvaro-find " + VersionText() + "\n");
    EXPECT_EQ(VersionText(), "2.11");
}

TEST(JsonStringTest, EscapesControlsAndInvalidUtf8Only) {
    EXPECT_EQ(JsonString("plain"), "\"plain\"");
    EXPECT_EQ(JsonString("tab\there\n"), "\"tab\\there\\n\"");
    EXPECT_EQ(JsonString(std::string("nul\0x", 5)), "\"nul\\u0000x\"");
    EXPECT_EQ(JsonString("caf\xc3\xa9"), "\"caf\xc3\xa9\"");
    // Truncated, overlong and surrogate sequences are bytes, not characters.
    EXPECT_EQ(JsonString("\xc3"), "\"\\udcc3\"");
    EXPECT_EQ(JsonString("\xc0\xaf"), "\"\\udcc0\\udcaf\"");
    EXPECT_EQ(JsonString("\xed\xa0\x80"), "\"\\udced\\udca0\\udc80\"");
}

} // namespace
