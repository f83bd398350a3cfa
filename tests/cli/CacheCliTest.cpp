// kelvaro-find with its content cache: two runs at once, trusted digests and the byte check of
// an action, clearing.

#include "cache/ContentCache.h"
#include "platform/FileSystem.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

struct Result {
    int status = -1;
    std::string out;
};

// Runs kelvaro-find with its cache in cacheHome; stderr goes to errors, when given.
FILE* Start(const std::string& cacheHome, const std::string& args, const std::string& errors = {}) {
    const std::string command = "XDG_CACHE_HOME='" + cacheHome + "' " + KELVARO_FIND + " " + args +
                                " 2>" + (errors.empty() ? "/dev/null" : "'" + errors + "'");
    return popen(command.c_str(), "r");
}

Result Finish(FILE* p) {
    Result r;
    if (!p)
        return r;
    std::array<char, 4096> buffer;
    std::size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), p)) > 0)
        r.out.append(buffer.data(), n);
    const int raw = pclose(p);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return r;
}

Result Find(const std::string& cacheHome, const std::string& args, const std::string& errors = {}) {
    return Finish(Start(cacheHome, args, errors));
}

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Files changed in the last two seconds are not kept: the cache waits until their stamps hold.
void LetStampsSettle() {
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
}

TEST(CacheCliTest, TwoRunsAtOnceOnOneCacheGiveTheGroupsOfNone) {
    TempTree tree;
    // 500 pairs among 2,000 other files of their size.
    for (int i = 0; i < 3000; ++i)
        tree.CreateFile("data/d" + std::to_string(i % 7) + "/f" + std::to_string(i),
                        "content " + std::to_string(1000 + i % 2500));
    LetStampsSettle();
    const std::string args = "-r '" + tree.Path("data") + "'";
    const Result reference = Find(tree.Path("unused"), "--no-cache " + args);
    ASSERT_EQ(reference.status, 0);
    ASSERT_FALSE(reference.out.empty());
    const std::string errors[2] = {tree.Path("one.err"), tree.Path("two.err")};
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        FILE* one = Start(tree.Path("home"), args, errors[0]);
        FILE* two = Start(tree.Path("home"), args, errors[1]);
        const Result a = Finish(one);
        const Result b = Finish(two);
        EXPECT_EQ(a.status, 0);
        EXPECT_EQ(b.status, 0);
        EXPECT_TRUE(a.out == reference.out && b.out == reference.out);
        // No line of warning: the runs wait for each other's writes.
        EXPECT_EQ(Contents(errors[0]) + Contents(errors[1]), "");
    }
    // By now the cache spares every read but the files of groups.
    Find(tree.Path("home"), args + " --stats", errors[0]);
    EXPECT_EQ(Contents(errors[0]),
              "kelvaro-find: 1000 files read, 2000 settled by the content cache unread\n");
}

void Rewrite(const std::string& path, const std::string& bytes) {
    struct stat before {};
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    const int fd = open(path.c_str(), O_WRONLY | O_TRUNC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    close(fd);
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

// Trusted digests decide groups, never what an action does: it compares bytes as it acts.
TEST(CacheCliTest, AnActionAfterATrustedRunStillComparesTheBytes) {
    TempTree tree;
    const std::string body(5000, 'p'), changed = std::string(4999, 'p') + "q";
    tree.CreateFile("a/p", body);
    tree.CreateFile("b/p", body);
    const std::string args = "'" + tree.Path("a") + "' '" + tree.Path("b") + "'";
    LetStampsSettle();
    // The first as printed stays; the other goes.
    const std::string out = Find(tree.Path("home"), args).out;
    ASSERT_EQ(out.size(), 2 * tree.Path("a/p").size() + 2) << out;
    const std::string stays = out.substr(0, out.find('\n'));
    const std::string goes = out.substr(out.find('\n') + 1, stays.size());

    // Changed in place with its times put back: only its status-change time tells, and that
    // is enough for its entry not to be used. Its first block, read, differs from the cached
    // one of the other file, which is not read.
    Rewrite(goes, changed);
    const Result trusted = Find(tree.Path("home"), "--trust-cache --stats " + args, tree.Path("e"));
    EXPECT_EQ(trusted.out, "");
    EXPECT_EQ(Contents(tree.Path("e")),
              "kelvaro-find: 1 files read, 1 settled by the content cache unread\n");
    EXPECT_EQ(Find(tree.Path("home"), "--trust-cache --delete " + args).status, 0);
    EXPECT_EQ(Contents(goes), changed);

    // A cache that lies (equal digests for different files, under their very stamps): the
    // trusted run groups them, and the deletion still keeps the file.
    cache::ContentCache::Options options;
    options.folder = tree.Path("home") + "/kelvaro";
    options.settledNs = 0;
    auto c = cache::ContentCache::Open(options);
    ASSERT_TRUE(c);
    cache::Digests lie;
    lie.hasWhole = true;
    lie.whole.fill(0x11);
    for (const std::string& path : {stays, goes}) {
        platform::FileStamp stamp;
        ASSERT_TRUE(platform::StampOf(path, stamp));
        c->Store(path, stamp, lie);
    }
    c->Close();
    const Result json = Find(tree.Path("home"), "--trust-cache --json " + args);
    const std::size_t first = json.out.find("\"trusted_digest\": true");
    EXPECT_NE(first, std::string::npos) << json.out;
    EXPECT_NE(json.out.rfind("\"trusted_digest\": true"), first) << json.out;
    const Result removal = Find(tree.Path("home"), "--trust-cache --delete " + args);
    EXPECT_EQ(removal.status, 1) << removal.out;
    EXPECT_EQ(Contents(stays), body);
    EXPECT_EQ(Contents(goes), changed);
}

TEST(CacheCliTest, ClearingAndOptionsThatDoNotGoTogether) {
    TempTree tree;
    tree.CreateFile("a/x", "same");
    tree.CreateFile("a/y", "same");
    LetStampsSettle();
    ASSERT_EQ(Find(tree.Path("home"), "'" + tree.Path("a") + "'").status, 0);
    const std::string db = cache::ContentCache::DatabasePath(tree.Path("home") + "/kelvaro");
    EXPECT_TRUE(platform::PathExists(db));
    EXPECT_EQ(Find(tree.Path("home"), "--cache-clear").status, 0);
    EXPECT_FALSE(platform::PathExists(db));
    EXPECT_EQ(Find(tree.Path("home"), "--trust-cache --no-cache a").status, 2);
    EXPECT_EQ(Find(tree.Path("home"), "--trust-cache --engine=pairwise a").status, 2);
    // Without a cache nothing is made.
    EXPECT_EQ(Find(tree.Path("home"), "--no-cache '" + tree.Path("a") + "'").status, 0);
    EXPECT_FALSE(platform::PathExists(db));
}

} // namespace
