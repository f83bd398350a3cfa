#include "folders/FolderRules.h"
#include "folders/FolderList.h"
#include "platform/Errors.h"
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

// Checks every notice against the list as it is when the notice comes, as a view would.
struct CheckingObserver : FolderListObserver {
    const FolderList& list;
    int before = 0, row = -1, first = -1, last = -1, notices = 0;
    explicit CheckingObserver(const FolderList& l) : list(l) {}
    void Inserting(int r) override { before = list.Count(), row = r; }
    void Inserted() override {
        ++notices;
        EXPECT_EQ(list.Count(), before + 1);
        EXPECT_TRUE(row == 0 || FolderLess(list.At(row - 1), list.At(row)));
        EXPECT_TRUE(row + 1 == list.Count() || FolderLess(list.At(row), list.At(row + 1)));
    }
    void Removing(int f, int l) override { before = list.Count(), first = f, last = l; }
    void Removed() override {
        ++notices;
        EXPECT_EQ(list.Count(), before - (last - first + 1));
    }
    void Resetting() override {}
    void Reset() override { ++notices; }
};

// A walk's folders queued and inserted in batches of any size give exactly the list that adding
// them one by one gives: order, duplicates and protection alike.
TEST(FolderListTest, QueuedBatchesGiveTheListOfAddingOneByOne) {
    const std::vector<std::string> found{"/t/b/Zeta", "/t/a",   "/t/b",    "/usr/share",
                                         "/t/a/B",    "/t/a/b", "/t",      "/t/b",
                                         "/t/c",      "/T/a",   "/t/\xff", "/t/a"};
    FolderList reference;
    reference.Add("/t/b", true);
    for (const auto& f : found)
        reference.Add(f, true);
    for (std::size_t batch : {std::size_t(1), std::size_t(3), std::size_t(100)}) {
        FolderList list;
        CheckingObserver observer(list);
        list.SetObserver(&observer);
        list.Add("/t/b", true);
        for (const auto& f : found)
            list.Queue(f, true);
        while (!list.QueueEmpty())
            list.InsertQueued(batch);
        EXPECT_EQ(list.Items(), reference.Items()) << "batches of " << batch;
        EXPECT_EQ(observer.notices, list.Count());
    }
}

// Near a full list each found folder goes in by itself: the list fills exactly, and the next
// folder is the one refused.
TEST(FolderListTest, FillsToItsCapacityAndRefusesTheNext) {
    FolderList list(4);
    list.Add("/a", false);
    for (const char* f : {"/d", "/c", "/b"})
        list.Queue(f, false);
    EXPECT_THROW(list.Queue("/e", false), AppError);
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"/a", "/b", "/c", "/d"}));
    EXPECT_EQ(list.Add("/c", false), -1); // a duplicate is no error, even when full
    EXPECT_THROW(list.Assign({"/1", "/2", "/3", "/4", "/5"}), AppError);
    EXPECT_EQ(list.Count(), 4); // a refused stored list leaves the list as it was
}

TEST(FolderListTest, RemovesRowsAndTakesAStoredListAsRead) {
    FolderList list;
    CheckingObserver observer(list);
    list.SetObserver(&observer);
    list.Assign({"/f", "/b", "/a", "/b", "/e", "/c", "/d"});
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"/a", "/b", "/b", "/c", "/d", "/e", "/f"}));
    list.RemoveRows({0, 2, 3, 6});
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"/b", "/d", "/e"}));
    EXPECT_EQ(observer.notices, 1 + 3); // the reset, then the runs {6}, {2, 3} and {0}
    list.Clear();
    EXPECT_TRUE(list.Empty());
}

// A search shares the list's folders; whatever the list does afterwards, the search's copy
// stays as it was, each folder followed by a NUL, and the list as the changes leave it.
TEST(FolderListTest, ASearchsFoldersOutliveEveryChangeToTheList) {
    FolderList list;
    std::vector<std::string> stored;
    for (int i = 0; i < 3000; ++i) // more than one block of the list's memory
        stored.push_back("/tree/" + std::string(static_cast<std::size_t>(i % 90), 'x') + "/" +
                         std::to_string(i));
    list.Assign(stored);
    const std::vector<std::string> before = list.Items();
    const TDirList run = list.Paths();

    std::vector<int> most(2900); // gathers what is left into new memory
    for (int row = 0; row < 2900; ++row)
        most[static_cast<std::size_t>(row)] = row;
    list.RemoveRows(most);
    list.Insert("/new");
    const std::vector<std::string> after = list.Items();
    ASSERT_EQ(after.size(), 101u);
    list.Assign({"/other"});
    list.Insert("/z");
    list.Clear();

    ASSERT_EQ(run.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        ASSERT_EQ(run[i], before[i]);
        ASSERT_EQ(run[i].data()[run[i].size()], '\0');
    }
    // What the list held after the removal was its own, unchanged by the gathering.
    std::vector<std::string> kept = after;
    kept.erase(std::find(kept.begin(), kept.end(), "/new"));
    EXPECT_EQ(kept, std::vector<std::string>(before.begin() + 2900, before.end()));
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
