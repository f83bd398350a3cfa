#include "platform/ProfileIni.h"
#include "platform/IoFaults.h"
#include "support/ScratchDisk.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <vector>

using namespace platform;

TEST(ProfileIni, MissingFileReadsDefaultsAndFirstWriteCreatesIt) {
    TempTree tree;
    const std::string ini = tree.Path("kelvaro.ini");
    EXPECT_EQ(ReadProfileString(ini, "Config", "InitialFolder", "/docs"), "/docs");
    EXPECT_TRUE(ReadProfileBool(ini, "Config", "UseEffects", true));
    ASSERT_TRUE(WriteProfileString(ini, "Info", "AppVersion", "2.11"));
    EXPECT_EQ(tree.Read("kelvaro.ini"), "[Info]\r\nAppVersion=2.11\r\n");
}

TEST(ProfileIni, NamesMatchWithoutCaseAndOtherLinesStay) {
    TempTree tree;
    tree.CreateFile("k.ini", "; kept comment\n[other]\nInitialFolder=elsewhere\n\n[CONFIG]\n"
                             "initialfolder = /old \nUnknown=x\n[Info]\nAppVersion=1.00\n");
    const std::string ini = tree.Path("k.ini");
    EXPECT_EQ(ReadProfileString(ini, "config", "INITIALFOLDER", "d"), "/old");
    ASSERT_TRUE(WriteProfileString(ini, "Config", "InitialFolder", "/new"));
    ASSERT_TRUE(WriteProfileString(ini, "Config", "UseEffects", "0"));
    ASSERT_TRUE(WriteProfileString(ini, "Fresh", "Key", "v"));
    EXPECT_EQ(tree.Read("k.ini"), "; kept comment\r\n[other]\r\nInitialFolder=elsewhere\r\n\r\n"
                                  "[CONFIG]\r\nInitialFolder=/new\r\nUnknown=x\r\nUseEffects=0\r\n"
                                  "[Info]\r\nAppVersion=1.00\r\n\r\n[Fresh]\r\nKey=v\r\n");
    EXPECT_EQ(ReadProfileString(ini, "Other", "InitialFolder", "d"), "elsewhere");
}

// Files saved by other editors: a byte-order mark, and any of the three line ends.
TEST(ProfileIni, ByteOrderMarkAndEveryLineEndFindTheSection) {
    const struct {
        const char* name;
        std::string text;
    } files[] = {
        {"bom crlf", "\xEF\xBB\xBF[Config]\r\nUseEffects=0\r\nInitialFolder=/d\r\n"},
        {"bom lf", "\xEF\xBB\xBF[Config]\nUseEffects=0\nInitialFolder=/d\n"},
        {"cr", "[Config]\rUseEffects=0\rInitialFolder=/d\r"},
        {"bom cr, no last line end", "\xEF\xBB\xBF[Config]\rUseEffects=0\rInitialFolder=/d"},
        {"mixed", "[Config]\r\nUseEffects=0\rInitialFolder=/d\n"},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        TempTree tree;
        tree.CreateFile("k.ini", f.text);
        const std::string ini = tree.Path("k.ini");
        EXPECT_FALSE(ReadProfileBool(ini, "Config", "UseEffects", true));
        EXPECT_EQ(ReadProfileString(ini, "Config", "InitialFolder", ""), "/d");
        ASSERT_TRUE(WriteProfileString(ini, "Config", "UseEffects", "1"));
        const std::string bom = f.text.starts_with("\xEF\xBB\xBF") ? "\xEF\xBB\xBF" : "";
        EXPECT_EQ(tree.Read("k.ini"), bom + "[Config]\r\nUseEffects=1\r\nInitialFolder=/d\r\n");
    }
}

TEST(ProfileIni, ReadsAtMost2047Characters) {
    TempTree tree;
    const std::string ini = tree.Path("k.ini");
    ASSERT_TRUE(WriteProfileString(ini, "Config", "InitialFolder", std::string(3000, 'a')));
    EXPECT_EQ(ReadProfileString(ini, "Config", "InitialFolder", "").size(), 2047u);
}

TEST(ProfileIni, IntegerTexts) {
    EXPECT_EQ(ParseProfileInteger("2"), 2);
    EXPECT_EQ(ParseProfileInteger("0x1"), 1);
    EXPECT_EQ(ParseProfileInteger("0X1f"), 31);
    EXPECT_EQ(ParseProfileInteger("$FF"), 255);
    EXPECT_EQ(ParseProfileInteger("0x0"), 0);
    EXPECT_EQ(ParseProfileInteger("-3"), -3);
    for (const char* bad : {"yes", "", "0x", "$", "1.0", "12abc", "0x1g", "99999999999"})
        EXPECT_FALSE(ParseProfileInteger(bad)) << bad;
}

TEST(ProfileIni, BooleansFallBackToTheirDefault) {
    TempTree tree;
    tree.CreateFile("k.ini", "[Config]\nA=2\nB=0x1\nC=0\nD=0x0\nE=yes\nF=\n");
    const std::string ini = tree.Path("k.ini");
    EXPECT_TRUE(ReadProfileBool(ini, "Config", "A", false));
    EXPECT_TRUE(ReadProfileBool(ini, "Config", "B", false));
    EXPECT_FALSE(ReadProfileBool(ini, "Config", "C", true));
    EXPECT_FALSE(ReadProfileBool(ini, "Config", "D", true));
    EXPECT_TRUE(ReadProfileBool(ini, "Config", "E", true));
    EXPECT_FALSE(ReadProfileBool(ini, "Config", "E", false));
    EXPECT_TRUE(ReadProfileBool(ini, "Config", "F", true));
    EXPECT_TRUE(ReadProfileBool(ini, "Config", "Missing", true));
}

TEST(ProfileIni, RefusedWriteReportsAndKeepsTheFile) {
    TempTree tree;
    // A folder that is a file refuses every write, whoever runs the test.
    tree.CreateFile("notafolder", "x");
    EXPECT_FALSE(WriteProfileString(tree.Path("notafolder/k.ini"), "Config", "UseEffects", "1"));
    const std::string ini = tree.CreateFile("k.ini", "[Config]\nUseEffects=0\n");
    if (geteuid() != 0) {
        ASSERT_EQ(chmod(ini.c_str(), 0444), 0);
        EXPECT_FALSE(WriteProfileString(ini, "Config", "UseEffects", "1"));
        EXPECT_EQ(tree.Read("k.ini"), "[Config]\nUseEffects=0\n");
        chmod(ini.c_str(), 0644);
    }
}

namespace {

// A full disk from the given offset of every write to path.
struct FullDisk : platform::IoFaults {
    std::string path;
    std::int64_t from = 0;
    int FailWrite(const std::string& p, std::int64_t offset) override {
        return p == path && offset >= from ? ENOSPC : 0;
    }
};

// The names in a folder, sorted.
std::vector<std::string> Listing(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

const char* const kSettings = "[Info]\r\nAppVersion=2.11\r\n\r\n[Config]\r\nInitialFolder=/docs\r\n"
                              "; a note of the user's\r\n[Other]\r\nKey=value\r\n";

} // namespace

TEST(ProfileIni, AFullDiskLeavesTheOldFileWholeAndNoTemporaryFile) {
    TempTree tree;
    const std::string ini = tree.CreateFile("cfg/kelvaro.ini", kSettings);
    FullDisk full;
    full.path = ini;
    full.from = 20; // the new text is cut after a few lines
    {
        platform::ScopedIoFaults scope(full);
        EXPECT_FALSE(WriteProfileString(ini, "Config", "InitialFolder", std::string(500, 'n')));
    }
    EXPECT_EQ(tree.Read("cfg/kelvaro.ini"), kSettings);
    EXPECT_EQ(Listing(tree.Path("cfg")), std::vector<std::string>{"kelvaro.ini"});
    // Once there is room again the write goes through, every other line kept.
    ASSERT_TRUE(WriteProfileString(ini, "Config", "InitialFolder", "/new"));
    EXPECT_EQ(tree.Read("cfg/kelvaro.ini"),
              "[Info]\r\nAppVersion=2.11\r\n\r\n[Config]\r\nInitialFolder=/new\r\n"
              "; a note of the user's\r\n[Other]\r\nKey=value\r\n");
}

TEST(ProfileIni, ALinkStaysALinkAndTheFileKeepsItsMode) {
    TempTree tree;
    const std::string real = tree.CreateFile("dotfiles/kelvaro.ini", kSettings);
    ASSERT_EQ(chmod(real.c_str(), 0640), 0);
    // A relative link, as a dotfile manager makes them.
    tree.CreateSymlink("prog/kelvaro.ini", "../dotfiles/kelvaro.ini");
    const std::string ini = tree.Path("prog/kelvaro.ini");
    ASSERT_TRUE(WriteProfileString(ini, "Config", "UseEffects", "0"));

    struct stat st;
    ASSERT_EQ(lstat(ini.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_EQ(stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadProfileString(ini, "Config", "UseEffects", "1"), "0");
    EXPECT_EQ(ReadProfileString(real, "Other", "Key", ""), "value");
    EXPECT_EQ(Listing(tree.Path("dotfiles")), std::vector<std::string>{"kelvaro.ini"});
    EXPECT_EQ(Listing(tree.Path("prog")), std::vector<std::string>{"kelvaro.ini"});
}

TEST(ProfileIni, OnlyARegularFileIsReplaced) {
    TempTree tree;
    tree.CreateDir("k.ini");
    EXPECT_FALSE(WriteProfileString(tree.Path("k.ini"), "Config", "UseEffects", "1"));
    tree.CreateFifo("fifo.ini");
    EXPECT_FALSE(WriteProfileString(tree.Path("fifo.ini"), "Config", "UseEffects", "1"));
    EXPECT_EQ(Listing(tree.Root()), (std::vector<std::string>{"fifo.ini", "k.ini"}));
}

// The real thing where the machine lets the test mount a tiny file system.
TEST(ProfileIni, ARealFullDiskLeavesTheOldFileWhole) {
    TempTree tree;
    const ScratchDisk scratch(tree.CreateDir("disk"), "16k");
    if (!scratch.Mounted())
        GTEST_SKIP() << "no small file system to fill: " << scratch.Error();
    const std::string& disk = scratch.Path();
    const std::string ini = tree.CreateFile("disk/kelvaro.ini", kSettings);
    // Fill what is left, then ask for more than one free block.
    {
        std::ofstream fill(tree.Path("disk/fill"), std::ios::binary);
        const std::string block(4096, 'f');
        while (fill.write(block.data(), static_cast<std::streamsize>(block.size())))
            ;
    }
    EXPECT_FALSE(WriteProfileString(ini, "Config", "InitialFolder", std::string(8000, 'n')));
    EXPECT_EQ(tree.Read("disk/kelvaro.ini"), kSettings);
    EXPECT_EQ(Listing(disk), (std::vector<std::string>{"fill", "kelvaro.ini"}));
}
