// Reflinks and hard links for real, on a btrfs and an XFS made on loop devices for the test.
// Making and mounting them needs root; the tests say why they cannot run otherwise.

#include "tests/support/Command.h"
#include "tests/support/TempTree.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string Output(const std::string& command, int* status = nullptr) {
    CommandResult r = RunCommand(command + " 2>&1");
    if (status)
        *status = r.status;
    return r.out;
}

// A file system of its own, made in an image file and mounted through a loop device.
class LoopFileSystem {
public:
    LoopFileSystem(const TempTree& tree, const std::string& type) : mount_(tree.Path(type)) {
        if (::geteuid() != 0) {
            why_ = "making a file system on a loop device needs root";
            return;
        }
        if (Output("command -v mkfs." + type).empty()) {
            why_ = "mkfs." + type + " is not installed";
            return;
        }
        const std::string image = tree.Path(type + ".img");
        int status = 0;
        const std::string made = Output("truncate -s 300M '" + image + "' && mkfs." + type +
                                            " -q '" + image + "' && mkdir -p '" + mount_ +
                                            "' && mount -o loop '" + image + "' '" + mount_ + "'",
                                        &status);
        if (status != 0)
            why_ = "no " + type + " could be made and mounted on a loop device: " + made;
        mounted_ = status == 0;
    }
    ~LoopFileSystem() {
        if (mounted_)
            Output("umount '" + mount_ + "'");
    }
    bool Mounted() const { return mounted_; }
    const std::string& Why() const { return why_; }
    std::string Path(const std::string& relative) const { return mount_ + "/" + relative; }
    std::int64_t FreeBytes() const {
        // This file system only: a sync of every disk can take long on a busy machine.
        const int fd = ::open(mount_.c_str(), O_RDONLY | O_DIRECTORY);
        if (fd >= 0) {
            ::syncfs(fd);
            ::close(fd);
        }
        struct statvfs s;
        return ::statvfs(mount_.c_str(), &s) == 0 ? std::int64_t(s.f_bavail) * s.f_frsize : -1;
    }

private:
    std::string mount_;
    std::string why_;
    bool mounted_ = false;
};

std::string RandomBytes(std::size_t size) {
    std::string bytes(size, '\0');
    std::ifstream("/dev/urandom", std::ios::binary).read(bytes.data(), std::streamsize(size));
    return bytes;
}

void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::string bytes(static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0)), '\0');
    in.seekg(0).read(bytes.data(), std::streamsize(bytes.size()));
    return bytes;
}

ino_t Inode(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

std::string Find(const TempTree& tree, const std::string& args, int* status) {
    return Output("XDG_STATE_HOME='" + tree.Path("state") + "' " + KELVARO_FIND + " " + args,
                  status);
}

class LinkFileSystemTest : public ::testing::TestWithParam<const char*> {};

// Two copies of a file larger than one dedupe step and two of a small one: after --reflink
// every path keeps its inode and bytes, the copies' extents are shared (filefrag says so) and
// the free space grows by about the copies' size; then --hardlink makes the last two one inode.
TEST_P(LinkFileSystemTest, ReflinkSharesBlocksAndHardlinkSharesTheInode) {
    TempTree tree;
    LoopFileSystem fs(tree, GetParam());
    if (!fs.Mounted())
        GTEST_SKIP() << fs.Why();
    ::mkdir(fs.Path("a").c_str(), 0755);
    ::mkdir(fs.Path("b").c_str(), 0755);
    ::mkdir(fs.Path("c").c_str(), 0755);
    constexpr std::size_t kLarge = 20 << 20;
    const std::string large = RandomBytes(kLarge), small = RandomBytes(100000);
    Write(fs.Path("a/large"), large);
    Write(fs.Path("b/large"), large);
    for (const char* f : {"a/small", "b/small", "c/small"})
        Write(fs.Path(f), small);
    std::map<std::string, std::pair<std::string, ino_t>> before;
    for (const char* f : {"a/large", "b/large", "a/small", "b/small", "c/small"})
        before[f] = {Bytes(fs.Path(f)), Inode(fs.Path(f))};

    const std::int64_t freeBefore = fs.FreeBytes();
    int status = -1;
    const std::string out = Find(tree, "-r --reflink '" + fs.Path("") + "'", &status);
    EXPECT_EQ(status, 0) << out;
    const std::int64_t freeAfter = fs.FreeBytes();
    std::printf("%s: free before %lld, after %lld bytes\n", GetParam(),
                static_cast<long long>(freeBefore), static_cast<long long>(freeAfter));
    EXPECT_GT(freeAfter - freeBefore, std::int64_t(kLarge) * 9 / 10);
    for (const auto& [f, seen] : before) {
        EXPECT_EQ(Bytes(fs.Path(f)), seen.first) << f;
        EXPECT_EQ(Inode(fs.Path(f)), seen.second) << f;
    }
    for (const char* f : {"b/large", "b/small", "c/small"}) {
        const std::string extents = Output("filefrag -v '" + fs.Path(f) + "'");
        EXPECT_NE(extents.find("shared"), std::string::npos) << f << "\n" << extents;
    }

    const std::string linked = Find(tree, "-r --hardlink '" + fs.Path("") + "'", &status);
    EXPECT_EQ(status, 0) << linked;
    // Each group is now one inode, one of those it had.
    EXPECT_EQ(Inode(fs.Path("a/large")), Inode(fs.Path("b/large")));
    EXPECT_EQ(Inode(fs.Path("a/small")), Inode(fs.Path("b/small")));
    EXPECT_EQ(Inode(fs.Path("a/small")), Inode(fs.Path("c/small")));
    EXPECT_TRUE(Inode(fs.Path("a/small")) == before["a/small"].second ||
                Inode(fs.Path("a/small")) == before["b/small"].second ||
                Inode(fs.Path("a/small")) == before["c/small"].second);
    for (const auto& [f, seen] : before)
        EXPECT_EQ(Bytes(fs.Path(f)), seen.first) << f;
}

INSTANTIATE_TEST_SUITE_P(OnLoopDevices, LinkFileSystemTest, ::testing::Values("btrfs", "xfs"));

// Where the file system cannot share blocks the file stays, and the user is told why.
TEST(LinkElsewhereTest, ReflinkWithoutSupportLeavesTheFileAndSaysWhy) {
    TempTree tree;
    int status = 0;
    const std::string type = Output("stat -f -c %T '" + tree.Root() + "'");
    if (type.find("btrfs") != std::string::npos || type.find("xfs") != std::string::npos)
        GTEST_SKIP() << "the temporary folder's file system shares blocks";
    const std::string bytes = RandomBytes(10000);
    Write(tree.Path("a"), bytes);
    Write(tree.Path("b"), bytes);
    const ino_t a = Inode(tree.Path("a")), b = Inode(tree.Path("b"));
    const std::string out = Find(tree, "--reflink '" + tree.Root() + "'", &status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(out.find("stays: the file system cannot share blocks here"), std::string::npos)
        << out;
    EXPECT_EQ(Inode(tree.Path("a")), a);
    EXPECT_EQ(Inode(tree.Path("b")), b);
    EXPECT_EQ(Bytes(tree.Path("a")), Bytes(tree.Path("b")));
}

} // namespace
