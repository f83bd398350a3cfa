#include "folders/FolderListFile.h"
#include "platform/Errors.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

TEST(FolderListFileTest, StoresEveryEntryWithCrLf) {
    TempTree tree;
    const std::string path = tree.Path("Folders.txt");
    WriteFolderListFile(path, {"/home/me/a", "", "/odd\xff name"});
    EXPECT_EQ(tree.Read("Folders.txt"), "/home/me/a\r\n\r\n/odd\xff name\r\n");
    WriteFolderListFile(path, {});
    EXPECT_EQ(tree.Read("Folders.txt"), "");
}

TEST(FolderListFileTest, StopsAtTheEntryLimit) {
    EXPECT_EQ(ParseFolderList("a\nb\nc\nd", 2), (Lines{"a", "b"}));
    EXPECT_EQ(ParseFolderList("a\nb", 2), (Lines{"a", "b"}));
    EXPECT_EQ(ParseFolderList("\n\n\n\n", 3), (Lines{"", "", ""}));
    TempTree tree;
    tree.CreateFile("l.txt", std::string(100000, '\n'));
    EXPECT_EQ(ReadFolderListFile(tree.Path("l.txt"), 11).size(), 11u);
}

TEST(FolderListFileTest, ReadsEveryLineEnding) {
    EXPECT_EQ(ParseFolderList("b\r\n\r\na\r\n"), (Lines{"b", "", "a"}));
    EXPECT_EQ(ParseFolderList("a\rb\nc\r\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(ParseFolderList("a\n\n"), (Lines{"a", ""}));
    EXPECT_EQ(ParseFolderList(""), Lines{});
    EXPECT_EQ(ParseFolderList("\r\n"), (Lines{""}));
    // CR LF is one ending, LF CR two.
    EXPECT_EQ(ParseFolderList("a\n\rb"), (Lines{"a", "", "b"}));
}

TEST(FolderListFileTest, ANulByteEndsTheList) {
    EXPECT_EQ(ParseFolderList(std::string("a\r\nb\0c\r\nd", 9)), (Lines{"a", "b"}));
    EXPECT_EQ(ParseFolderList(std::string("\0a", 2)), Lines{});
}

TEST(FolderListFileTest, RoundTripsByteExact) {
    TempTree tree;
    const Lines folders = {"/x", "/with\ttab", "/caf\xe9", "/dup", "/dup"};
    WriteFolderListFile(tree.Path("l.txt"), folders);
    EXPECT_EQ(ReadFolderListFile(tree.Path("l.txt")), folders);
}

TEST(FolderListFileTest, FailuresNameTheFile) {
    TempTree tree;
    try {
        ReadFolderListFile(tree.Path("missing.txt"));
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + tree.Path("missing.txt"));
    }
    try {
        WriteFolderListFile(tree.Path("no/such/folder/list.txt"), {"/a"});
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot create file " + tree.Path("no/such/folder/list.txt"));
    }
    EXPECT_THROW(ReadFolderListFile(tree.Root()), AppError);
    tree.CreateFifo("pipe");
    EXPECT_THROW(ReadFolderListFile(tree.Path("pipe")), AppError);
}

TEST(FolderListFileTest, RefusesAFileTooLargeToBeAList) {
    TempTree tree;
    tree.CreateFile("huge", std::string(kMaxFolderListBytes + 1, 'x'));
    EXPECT_THROW(ReadFolderListFile(tree.Path("huge")), AppError);
    tree.CreateFile("binary", std::string("\x7f"
                                          "ELF\x02\x01\x01\0\0\0",
                                          10));
    EXPECT_EQ(ReadFolderListFile(tree.Path("binary")), (Lines{"\x7f"
                                                              "ELF\x02\x01\x01"}));
}

} // namespace
