#include "folders/FolderListFile.h"
#include "platform/Errors.h"
#include "platform/IoFaults.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

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

TEST(FolderListFileTest, AFailedStoreLeavesTheOldListWhole) {
    TempTree tree;
    const std::string path = tree.CreateFile("lists/Folders.txt", "/old/a\r\n/old/b\r\n");
    struct FullDisk : platform::IoFaults {
        int FailWrite(const std::string&, std::int64_t offset) override {
            return offset >= 8 ? ENOSPC : 0;
        }
    } full;
    {
        platform::ScopedIoFaults scope(full);
        try {
            WriteFolderListFile(path, {"/new/one", "/new/two", "/new/three"});
            FAIL() << "no error";
        } catch (const AppError& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot create file " + path);
        }
    }
    EXPECT_EQ(tree.Read("lists/Folders.txt"), "/old/a\r\n/old/b\r\n");
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(tree.Path("lists")))
        ++files;
    EXPECT_EQ(files, 1);
}

// Only the number of entries limits a list, however large its file or long its lines.
TEST(FolderListFileTest, SizeAloneRefusesNoList) {
    TempTree tree;
    const std::string line(4095, 'x');
    std::string large;
    for (int i = 0; i < 4200; ++i)
        large += "/" + line.substr(1) + "\r\n";
    ASSERT_GT(large.size(), 16u * 1024 * 1024);
    tree.CreateFile("large.txt", large);
    const Lines read = ReadFolderListFile(tree.Path("large.txt"));
    ASSERT_EQ(read.size(), 4200u);
    EXPECT_EQ(read.back(), "/" + line.substr(1));
    // A CR LF split between two reads (of 64 KiB) is still one ending.
    for (std::size_t cr = 65534; cr <= 65537; ++cr) {
        std::string split;
        while (split.size() + 10 < cr)
            split += "/abcdefg\r\n";
        const std::size_t lines = split.size() / 10 + 2;
        split += std::string(cr - split.size(), 'y') + "\r\n/last";
        tree.CreateFile("split.txt", split);
        EXPECT_EQ(ReadFolderListFile(tree.Path("split.txt")).size(), lines) << cr;
    }

    // A line longer than any path, even one longer than a read, is one entry as it stands.
    const std::string longer = "/" + std::string(200000, 'y');
    tree.CreateFile("long.txt", "/a\n/b\n" + longer + "\n/c\n");
    EXPECT_EQ(ReadFolderListFile(tree.Path("long.txt")), (Lines{"/a", "/b", longer, "/c"}));
    EXPECT_EQ(ReadFolderListFile(tree.Path("long.txt"), 3), (Lines{"/a", "/b", longer}));
    EXPECT_EQ(ParseFolderList(line + "y"), (Lines{line + "y"}));

    tree.CreateFile("binary", std::string("\x7f"
                                          "ELF\x02\x01\x01\0\0\0",
                                          10));
    EXPECT_EQ(ReadFolderListFile(tree.Path("binary")), (Lines{"\x7f"
                                                              "ELF\x02\x01\x01"}));
}

} // namespace
