#include "platform/ProfileIni.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

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
