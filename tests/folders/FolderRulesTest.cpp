#include "folders/FolderRules.h"
#include "folders/FolderList.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(NormalizeFolderNameTest, DropsOneTrailingSlashAndKeepsCase) {
    EXPECT_EQ(NormalizeFolderName("/home/Me/Data/"), "/home/Me/Data");
    EXPECT_EQ(NormalizeFolderName("/home/Me/Data"), "/home/Me/Data");
    EXPECT_EQ(NormalizeFolderName("/a//"), "/a/");
    EXPECT_EQ(NormalizeFolderName("/"), "/");
    EXPECT_EQ(NormalizeFolderName(""), "");
}

TEST(ProtectedFolderTest, SystemTreesAreProtectedByWholeComponents) {
    for (const char* p : {"/usr", "/usr/share", "/usr/share/doc", "/etc", "/var/log", "/boot",
                          "/proc/self", "/lib64"})
        EXPECT_TRUE(IsProtectedFolder(p)) << p;
    for (const char* p : {"/", "/home", "/home/me/usr", "/home/me/usr-old", "/usrlocal",
                          "/etcetera", "/tmp", "relative/usr"})
        EXPECT_FALSE(IsProtectedFolder(p)) << p;
}

TEST(ProtectedFolderTest, OddSpellingsAndLinksDoNotSlipPast) {
    EXPECT_TRUE(IsProtectedFolder("/usr/"));
    EXPECT_TRUE(IsProtectedFolder("//usr"));
    EXPECT_TRUE(IsProtectedFolder("/./etc"));
    EXPECT_TRUE(IsProtectedFolder("/tmp/../etc/ssl"));
    TempTree tree;
    tree.CreateSymlink("system", "/usr");
    EXPECT_TRUE(IsProtectedFolder(tree.Path("system")));
    EXPECT_TRUE(IsProtectedFolder(tree.Path("system") + "/share"));
    EXPECT_FALSE(IsProtectedFolder(tree.Root()));
}

TEST(ProtectedFolderTest, AWalkChecksEachFolderOnlyWhereAProtectedTreeCanLieBelow) {
    TempTree tree;
    tree.CreateDir("data/sub");
    EXPECT_FALSE(TreeNeedsProtectionCheck(tree.Path("data")));
    EXPECT_FALSE(TreeNeedsProtectionCheck(tree.Path("data") + "/../data/sub"));
    // The root and /usr's own tree hold protected folders; a link leads into one.
    EXPECT_TRUE(TreeNeedsProtectionCheck("/"));
    EXPECT_TRUE(TreeNeedsProtectionCheck("/usr"));
    tree.CreateSymlink("root", "/");
    EXPECT_TRUE(TreeNeedsProtectionCheck(tree.Path("root")));
    tree.CreateSymlink("lib", "/usr/lib");
    EXPECT_TRUE(TreeNeedsProtectionCheck(tree.Path("lib")));
    // A folder that cannot be resolved is checked folder by folder.
    EXPECT_TRUE(TreeNeedsProtectionCheck(tree.Path("missing")));
}

TEST(FolderListTest, KeepsEntriesSortedWithoutRegardToCase) {
    FolderList list;
    for (const char* f : {"/b", "/A", "/c", "/a2"})
        list.Insert(f);
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"/A", "/a2", "/b", "/c"}));
}

TEST(FolderListTest, RefusesExactDuplicatesAndProtectedFoldersOnly) {
    FolderList list;
    EXPECT_TRUE(list.AddFolderToList("/home/me/Data", true));
    EXPECT_FALSE(list.AddFolderToList("/home/me/Data", true));
    // Paths keep their case on this platform: another spelling is another folder.
    EXPECT_TRUE(list.AddFolderToList("/home/me/data", true));
    EXPECT_FALSE(list.AddFolderToList("/usr/share", true));
    EXPECT_TRUE(list.AddFolderToList("/usr/share", false));
    EXPECT_EQ(list.Count(), 3);
}

TEST(FolderListTest, OrdersNamesThatAreNotUtf8Totally) {
    EXPECT_TRUE(FolderLess("/a\xff", "/a\xfe") != FolderLess("/a\xfe", "/a\xff"));
    EXPECT_FALSE(FolderLess("/same", "/same"));
}

TEST(FolderListTest, SortFoldersGivesTheInsertionOrder) {
    std::vector<std::string> folders{"/b", "/B", "", "/a\xff", "/A", "/b", "/\xc3\xa9", "/a"};
    std::vector<std::string> expected = folders;
    std::stable_sort(expected.begin(), expected.end(), FolderLess);
    SortFolders(folders);
    EXPECT_EQ(folders, expected);
    EXPECT_EQ(folders.front(), "");
}

TEST(FolderListTest, DisplayTextShowsBytesThatAreNotUtf8) {
    EXPECT_EQ(FolderDisplayText("/home/\xc3\xa9t\xc3\xa9"), QStringLiteral("/home/\u00e9t\u00e9"));
    EXPECT_EQ(FolderDisplayText("/caf\xe9/x"), QStringLiteral("/caf\\xE9/x"));
    // Overlong forms, surrogates and a cut-off sequence are shown byte by byte.
    EXPECT_EQ(FolderDisplayText("\xc0\xaf"), QStringLiteral("\\xC0\\xAF"));
    EXPECT_EQ(FolderDisplayText("\xed\xa0\x80"), QStringLiteral("\\xED\\xA0\\x80"));
    EXPECT_EQ(FolderDisplayText("a\xe2\x82"), QStringLiteral("a\\xE2\\x82"));
    EXPECT_EQ(FolderDisplayText("\xf0\x9f\x98\x80"), QString::fromUtf8("\xf0\x9f\x98\x80"));
    // Control characters would not show as themselves: a line break stays on the one line.
    EXPECT_EQ(FolderDisplayText("/two\nlines\r\t\x7f~"),
              QStringLiteral("/two\\x0Alines\\x0D\\x09\\x7F~"));
}

} // namespace
