// The Trash for names that are bytes rather than text, too long for a record, or holding a line
// break, and for Trash folders that are not what they should be.
#include "platform/Paths.h"
#include "removal/FileNames.h"
#include "removal/Trash.h"
#include "tests/support/FileChecks.h"
#include "tests/support/ScratchDisk.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <regex>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Trashed {
    bool ok = false;
    std::string error;
    std::string target;
};

Trashed TrashFile(const std::string& path) {
    TrashSlot slot;
    Trashed t;
    t.ok = MoveToTrash(path, slot, t.error) == 0;
    t.target = slot.file;
    return t;
}

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
    const Trashed second = TrashFile(b);
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
    const Trashed outcome = TrashFile(tree_.Path("gone-\xff"));
    EXPECT_FALSE(outcome.ok);
    EXPECT_FALSE(outcome.error.empty());
    EXPECT_FALSE(Exists(tree_.Path("data/Trash/info/gone-\xff.trashinfo")));
}

namespace {

// The bytes are valid UTF-8.
bool IsText(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())).toUtf8().toStdString() ==
           s;
}

// The record of a file in the Trash.
std::string RecordOf(const std::string& trashed) {
    const std::string trash = platform::ParentFolder(platform::ParentFolder(trashed));
    return ReadAll(trash + "/info/" + platform::BaseName(trashed) + ".trashinfo");
}

} // namespace

TEST(FreeName, FitsTheLimitWithoutSplittingACharacter) {
    EXPECT_EQ(FreeName("a.txt", 1, 245), "a.txt");
    EXPECT_EQ(FreeName("a.txt", 2, 245), "a (2).txt");
    const std::string longName = std::string(250, 'n') + ".txt";
    EXPECT_EQ(FreeName(longName, 1, 245), std::string(241, 'n') + ".txt");
    EXPECT_EQ(FreeName(longName, 12, 245), std::string(236, 'n') + " (12).txt");
    // Two-byte characters: the cut falls before a whole one.
    std::string accents;
    for (int i = 0; i < 125; ++i)
        accents += "\xc3\xa9";
    EXPECT_EQ(FreeName(accents, 1, 245), accents.substr(0, 244));
    EXPECT_TRUE(IsText(FreeName(accents, 3, 245)));
    // An extension too long to keep is cut with the rest.
    EXPECT_EQ(FreeName("a." + std::string(300, 'x'), 1, 255).size(), 255u);
}

TEST_F(TrashNameTest, LongNamesGoToTheTrashTwiceAndKeepTheirWholePath) {
    std::string accents;
    for (int i = 0; i < 125; ++i)
        accents += "\xc3\xa9";
    std::vector<std::string> names = {accents};
    for (std::size_t length : {241u, 245u, 246u, 250u, 255u})
        names.push_back(std::string(length - 4, 'n') + ".txt");
    for (const std::string& name : names)
        for (int round = 1; round <= 2; ++round) {
            const std::string contents = "round " + std::to_string(round);
            const std::string file = tree_.CreateFile("a/" + name, contents);
            const Trashed outcome = TrashFile(file);
            ASSERT_TRUE(outcome.ok) << name.size() << ": " << outcome.error;
            EXPECT_FALSE(Exists(file));
            const std::string entry = platform::BaseName(outcome.target);
            EXPECT_LE(entry.size() + std::strlen(".trashinfo"), 255u) << entry;
            EXPECT_TRUE(IsText(entry) || !IsText(name));
            EXPECT_EQ(ReadAll(outcome.target), contents);
            EXPECT_NE(RecordOf(outcome.target).find("\nPath=" + TrashInfoPath(file) + "\n"),
                      std::string::npos);
        }
}

TEST_F(TrashNameTest, ATrashThatIsNoFolderFailsWithoutStrayFiles) {
    for (const char* notAFolder : {"data/Trash", "data/Trash/info"}) {
        TempTree tree;
        ::setenv("XDG_DATA_HOME", tree.Path("data").c_str(), 1);
        tree.CreateFile(notAFolder, "a file where a folder belongs");
        const std::string file = tree.CreateFile("a/x.txt", "stays");
        // Files and folders once landed in the folder the program ran in.
        const std::string cwd = tree.CreateDir("cwd");
        char old[PATH_MAX];
        ASSERT_TRUE(::getcwd(old, sizeof old));
        ASSERT_EQ(::chdir(cwd.c_str()), 0);
        const auto before = FilesUnder(tree.Root());
        const Trashed outcome = TrashFile(file);
        ASSERT_EQ(::chdir(old), 0);
        EXPECT_FALSE(outcome.ok);
        EXPECT_EQ(outcome.error, "The Trash folder cannot be created: Not a directory.");
        EXPECT_EQ(FilesUnder(tree.Root()), before);
        EXPECT_TRUE(std::filesystem::is_empty(cwd));
    }
}

TEST_F(TrashNameTest, ANameWithALineBreakGetsAOneLineRecord) {
    const std::string file = tree_.CreateFile("a/two\nlines.txt", "x");
    const Trashed outcome = TrashFile(file);
    ASSERT_TRUE(outcome.ok) << outcome.error;
    const std::string record = RecordOf(outcome.target);
    const std::regex shape("\\[Trash Info\\]\nPath=/[^\n]*/a/two%0Alines\\.txt\n"
                           "DeletionDate=\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\n"
                           "X-Kelvaro-Process=\\d+\n");
    EXPECT_TRUE(std::regex_match(record, shape)) << record;
}

// A file on another file system than the data home goes to the Trash of its own file system.
TEST_F(TrashNameTest, AFileOnAnotherFileSystemUsesTheTrashAtItsTop) {
    ScratchDisk scratch(tree_.CreateDir("disk"), "1m");
    if (!scratch.Mounted())
        GTEST_SKIP() << "no second file system: " << scratch.Error();
    const std::string& disk = scratch.Path();
    const std::string uid = std::to_string(::getuid());

    const Trashed own = TrashFile(tree_.CreateFile("disk/a/x.txt", "one"));
    ASSERT_TRUE(own.ok) << own.error;
    EXPECT_EQ(own.target, disk + "/.Trash-" + uid + "/files/x.txt");
    // Relative to the top there, as the Trash's readers expect on a mount of its own.
    EXPECT_NE(RecordOf(own.target).find("\nPath=a/x.txt\n"), std::string::npos);

    // The administrator's shared Trash, with its sticky bit, comes first.
    tree_.CreateDir("disk/.Trash");
    ASSERT_EQ(::chmod((disk + "/.Trash").c_str(), 01777), 0);
    const Trashed shared = TrashFile(tree_.CreateFile("disk/a/y.txt", "two"));
    ASSERT_TRUE(shared.ok) << shared.error;
    EXPECT_EQ(shared.target, disk + "/.Trash/" + uid + "/files/y.txt");

    // A link in place of the Trash could lead anywhere: refused, the file stays.
    ASSERT_TRUE(scratch.Renew());
    const std::string elsewhere = tree_.CreateDir("elsewhere");
    tree_.CreateSymlink("disk/.Trash-" + uid, elsewhere);
    const std::string file = tree_.CreateFile("disk/a/z.txt", "three");
    EXPECT_FALSE(TrashFile(file).ok);
    EXPECT_EQ(ReadAll(file), "three");
    EXPECT_TRUE(std::filesystem::is_empty(elsewhere));
}

namespace {

// Restores path from the Trash with trash-cli, as a user would; its output.
std::string RestoreWithTrashCli(const std::string& path) {
    const std::string command = "echo 0 | trash-restore '" + path + "' 2>&1";
    std::string out;
    if (FILE* p = ::popen(command.c_str(), "r")) {
        char buf[512];
        while (std::fgets(buf, sizeof buf, p))
            out += buf;
        ::pclose(p);
    }
    return out;
}

// A bind mount of a folder of the tree at bound/, unmounted when it goes.
struct BindMount {
    std::string at;
    bool mounted = false;
    std::string error;
    BindMount(const std::string& from, const std::string& to) : at(to) {
        mounted = ::mount(from.c_str(), to.c_str(), nullptr, MS_BIND, nullptr) == 0;
        if (!mounted)
            error = std::strerror(errno);
    }
    ~BindMount() {
        if (mounted)
            ::umount2(at.c_str(), MNT_DETACH);
    }
};

} // namespace

// A bind mount is a mount of its own, and a folder reached through a link lives on the mount
// its link leads to: the file goes to the Trash at the top of that mount, with its path from
// there, never to one made at "/" or in the linked folder; trash-cli brings it back.
TEST_F(TrashNameTest, TheTrashIsTheOneOfTheMountTheFileReallyLivesOn) {
    if (::getuid() != 0)
        GTEST_SKIP() << "making a bind mount and a second file system needs root";
    if (std::system("command -v trash-restore >/dev/null") != 0)
        GTEST_SKIP() << "trash-cli is not installed (./test.sh installs it)";
    const bool rootTrashBefore = Exists("/.Trash-0");
    const std::string uid = std::to_string(::getuid());

    tree_.CreateFile("real/sub/x.txt", "bound");
    BindMount bind(tree_.Path("real"), tree_.CreateDir("bound"));
    if (!bind.mounted)
        GTEST_SKIP() << "no bind mount here: " << bind.error;
    const Trashed viaBind = TrashFile(tree_.Path("bound/sub/x.txt"));
    ASSERT_TRUE(viaBind.ok) << viaBind.error;
    EXPECT_EQ(viaBind.target, tree_.Path("bound/.Trash-" + uid + "/files/x.txt"));
    EXPECT_NE(RecordOf(viaBind.target).find("\nPath=sub/x.txt\n"), std::string::npos);

    ScratchDisk scratch(tree_.CreateDir("disk"), "1m");
    if (!scratch.Mounted())
        GTEST_SKIP() << "no second file system: " << scratch.Error();
    tree_.CreateFile("disk/deep/folder/y.txt", "linked");
    tree_.CreateSymlink("link", tree_.Path("disk/deep"));
    const Trashed viaLink = TrashFile(tree_.Path("link/folder/y.txt"));
    ASSERT_TRUE(viaLink.ok) << viaLink.error;
    EXPECT_EQ(viaLink.target, tree_.Path("disk/.Trash-" + uid + "/files/y.txt"));
    EXPECT_NE(RecordOf(viaLink.target).find("\nPath=deep/folder/y.txt\n"), std::string::npos);
    EXPECT_FALSE(Exists(tree_.Path("disk/deep/folder/.Trash-" + uid)));
    EXPECT_EQ(Exists("/.Trash-0"), rootTrashBefore);

    const std::string out1 = RestoreWithTrashCli(tree_.Path("bound/sub/x.txt"));
    EXPECT_EQ(tree_.Read("real/sub/x.txt"), "bound") << out1;
    const std::string out2 = RestoreWithTrashCli(tree_.Path("disk/deep/folder/y.txt"));
    EXPECT_EQ(tree_.Read("disk/deep/folder/y.txt"), "linked") << out2;
}

// A Trash that another user owns, or that others may write in, would hand them the files.
TEST_F(TrashNameTest, ATrashOthersCanReachIsRefusedAndTheFileStays) {
    if (::getuid() != 0)
        GTEST_SKIP() << "giving a folder to another user needs root";
    for (const char* trash : {"data/Trash", "data/Trash/files"}) {
        TempTree tree;
        ::setenv("XDG_DATA_HOME", tree.Path("data").c_str(), 1);
        tree.CreateDir(trash);
        ASSERT_EQ(::chown(tree.Path(trash).c_str(), 65534, 65534), 0);
        ASSERT_EQ(::chmod(tree.Path(trash).c_str(), 0777), 0);
        const std::string file = tree.CreateFile("a/x.txt", "stays");
        const Trashed t = TrashFile(file);
        EXPECT_FALSE(t.ok) << trash;
        EXPECT_EQ(t.error, "The Trash folder cannot be created: Permission denied.");
        EXPECT_EQ(ReadAll(file), "stays");
    }
}
