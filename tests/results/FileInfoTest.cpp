#include "results/FileInfo.h"
#include "../support/TempTree.h"
#include "platform/Locale.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QLocale>
#include <sys/stat.h>
#include <utime.h>

namespace {

std::int64_t LocalSeconds(int y, int mo, int d, int h, int mi, int s) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s)).toSecsSinceEpoch();
}

void SetMtime(const std::string& path, std::int64_t seconds) {
    utimbuf times{static_cast<time_t>(seconds), static_cast<time_t>(seconds)};
    ASSERT_EQ(::utime(path.c_str(), &times), 0);
}

class FileInfoTest : public ::testing::Test {
protected:
    void SetUp() override { platform::SetUserNumberFormat({",", "."}); }
    TempTree tree;
    QLocale us{QLocale::English, QLocale::UnitedStates};
    QLocale de{QLocale::German, QLocale::Germany};
};

TEST_F(FileInfoTest, PresentFileShowsItsFiveTexts) {
    const std::string path = tree.CreatePatternFile("dir/big.bin", 1234567);
    SetMtime(path, LocalSeconds(2024, 3, 9, 14, 5, 33));
    const FileInfoTexts info = ShowFileInfo(path, de);
    EXPECT_EQ(info.Name, "big.bin");
    EXPECT_EQ(info.Size, "1,234,567 bytes");
    EXPECT_EQ(info.Dir, tree.Path("dir"));
    // Two-second precision: 33 seconds show as 32.
    EXPECT_EQ(info.Date, "09.03.24 14:05:32");
    EXPECT_EQ(info.Status, "Present");
}

TEST_F(FileInfoTest, EmptyFileShowsBytesAlone) {
    const std::string path = tree.CreateFile("empty", "");
    EXPECT_EQ(ShowFileInfo(path, us).Size, " bytes");
}

TEST_F(FileInfoTest, DatesFollowTheLocaleAndMidnightDropsTheTime) {
    EXPECT_EQ(FormatFileTime(LocalSeconds(2024, 3, 9, 0, 0, 0), de), "09.03.24");
    // One second past midnight is midnight at two-second precision.
    EXPECT_EQ(FormatFileTime(LocalSeconds(2024, 3, 9, 0, 0, 1), de), "09.03.24");
    EXPECT_EQ(FormatFileTime(LocalSeconds(2024, 3, 9, 0, 0, 2), de), "09.03.24 00:00:02");
    const std::string usText = FormatFileTime(LocalSeconds(2024, 3, 9, 15, 4, 6), us);
    EXPECT_EQ(usText.substr(0, 6), "3/9/24");
    EXPECT_NE(usText.find("3:04:06"), std::string::npos);
    EXPECT_NE(usText.find("PM"), std::string::npos);
}

TEST_F(FileInfoTest, VanishedFileShowsDeletedAndItsFolder) {
    const std::string path = tree.CreateFile("gone/x.txt", "x");
    tree.Remove("gone/x.txt");
    EXPECT_EQ(ShowFileInfo(path, us), (FileInfoTexts{"", "", tree.Path("gone"), "", "Deleted"}));
}

TEST_F(FileInfoTest, FolderPartKeepsTheRoot) {
    EXPECT_EQ(ShowFileInfo("/no-such-file-here.txt", us).Dir, "/");
    EXPECT_EQ(ShowFileInfo("/no-such-folder/x.txt", us).Dir, "/no-such-folder");
}

TEST_F(FileInfoTest, OddNamesAndNonFilesAreLookedUpAsThemselves) {
    const std::string odd = tree.CreateFile("caf\xe9 \xff.txt", "abc");
    EXPECT_EQ(ShowFileInfo(odd, us).Name, "caf\xe9 \xff.txt");
    EXPECT_EQ(ShowFileInfo(odd, us).Size, "3 bytes");
    // A dangling link is there; it is not followed.
    const std::string link = tree.CreateSymlink("link", tree.Path("nowhere"));
    EXPECT_EQ(ShowFileInfo(link, us).Status, "Present");
    EXPECT_EQ(ShowFileInfo(tree.Path("gone"), us).Status, "Deleted");
}

TEST(FolderInfo, FolderAndFourNotAvailable) {
    EXPECT_EQ(FolderInfoTexts("/home/me"), (FileInfoTexts{"N/A", "N/A", "/home/me", "N/A", "N/A"}));
}

} // namespace
