// The Trash for names that are bytes rather than text.
#include "removal/DesktopShell.h"
#include "tests/support/FileChecks.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <cstdlib>
#include <sys/stat.h>

namespace {

class TrashNameTest : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("XDG_DATA_HOME", tree_.Path("data").c_str(), 1); }
    void TearDown() override { ::unsetenv("XDG_DATA_HOME"); }
    TempTree tree_;
};

} // namespace

TEST(TrashInfoPath, EscapesEveryByteButTheUnreservedOnes) {
    EXPECT_EQ(TrashInfoPath("/home/me/a-b_c.d~e"), "/home/me/a-b_c.d~e");
    EXPECT_EQ(TrashInfoPath("/x/copy one%.txt"), "/x/copy%20one%25.txt");
    EXPECT_EQ(TrashInfoPath("/x/caf\xc3\xa9"), "/x/caf%C3%A9");
    EXPECT_EQ(TrashInfoPath("/x/\xff\xfe\n"), "/x/%FF%FE%0A");
    // Every byte comes back as it was.
    std::string all = "/";
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(QByteArray::fromPercentEncoding(QByteArray::fromStdString(TrashInfoPath(all)))
                  .toStdString(),
              all);
}

TEST_F(TrashNameTest, TwoFilesOfOneRawNameBothKeepTheirRecord) {
    const std::string a = tree_.CreateFile("a/\xe9t\xe9.txt", "first");
    const std::string b = tree_.CreateFile("b/\xe9t\xe9.txt", "second");
    ASSERT_TRUE(TrashFile(a).ok);
    const FileOpOutcome second = TrashFile(b);
    ASSERT_TRUE(second.ok) << second.error;
    EXPECT_FALSE(Exists(a));
    EXPECT_FALSE(Exists(b));
    EXPECT_EQ(tree_.Read("data/Trash/files/\xe9t\xe9.txt"), "first");
    EXPECT_EQ(tree_.Read("data/Trash/files/\xe9t\xe9 (2).txt"), "second");
    EXPECT_EQ(second.target, tree_.Path("data/Trash/files/\xe9t\xe9 (2).txt"));
    const std::string info = tree_.Read("data/Trash/info/\xe9t\xe9 (2).txt.trashinfo");
    EXPECT_NE(info.find("\nPath=" + TrashInfoPath(b) + "\n"), std::string::npos) << info;
    struct stat st;
    ASSERT_EQ(::stat(tree_.Path("data/Trash/files").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST_F(TrashNameTest, AMissingFileFailsAndLeavesNoRecord) {
    const FileOpOutcome outcome = TrashFile(tree_.Path("gone-\xff"));
    EXPECT_FALSE(outcome.ok);
    EXPECT_FALSE(outcome.error.empty());
    EXPECT_FALSE(Exists(tree_.Path("data/Trash/info/gone-\xff.trashinfo")));
}
