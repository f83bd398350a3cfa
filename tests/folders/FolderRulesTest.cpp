#include "folders/FolderRules.h"
#include "folders/FolderList.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

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

} // namespace
