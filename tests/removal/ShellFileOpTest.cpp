#include "removal/ShellFileOp.h"

#include <gtest/gtest.h>

namespace {

// Records each batch and answers with one result per file, as a shell would.
struct RecordingShell : ShellOperations {
    struct Call {
        TRemoveMethod method;
        std::string destination;
        std::vector<std::string> paths;
        bool animate;
    };
    std::vector<Call> calls;
    bool abort = false;
    std::vector<RemovalResult> Run(TRemoveMethod method, const std::string& destination,
                                   const std::vector<const PlannedFile*>& files, bool animate,
                                   bool& aborted) override {
        Call call{method, destination, {}, animate};
        std::vector<RemovalResult> results;
        for (const PlannedFile* f : files) {
            call.paths.push_back(f->file.path);
            RemovalResult r;
            r.status = RemovalStatus::Removed;
            r.target = "went:" + f->file.path;
            results.push_back(r);
        }
        calls.push_back(call);
        aborted = abort;
        return results;
    }
};

PlannedFile At(const std::string& path) {
    PlannedFile f;
    f.file.path = path;
    return f;
}

TEST(ShellFileOp, OneBatchSortedWithoutCaseEachPathOnceAndResultsInTheOrderAdded) {
    RecordingShell shell;
    TShellFileOp op(shell);
    for (const char* path : {"/e/b", "/d/a", "/D/a", "/d/a"})
        op.AddFile(At(path));
    EXPECT_FALSE(op.MoveFiles("/archive"));
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].method, rmMove);
    EXPECT_EQ(shell.calls[0].destination, "/archive");
    // Exact equality decides duplicates here: names keep their case on this system; the bytes
    // order the two that differ only in case.
    EXPECT_EQ(shell.calls[0].paths, (std::vector<std::string>{"/D/a", "/d/a", "/e/b"}));
    std::vector<std::string> targets;
    for (const RemovalResult& r : op.Results())
        targets.push_back(r.target);
    EXPECT_EQ(targets,
              (std::vector<std::string>{"went:/e/b", "went:/d/a", "went:/D/a", "went:/d/a"}));
}

TEST(ShellFileOp, AnEmptyBatchCallsNothingAndEveryOperationEmptiesTheList) {
    RecordingShell shell;
    TShellFileOp op(shell);
    EXPECT_FALSE(op.RecycleFiles());
    EXPECT_TRUE(shell.calls.empty());
    op.Animate = true;
    op.AddFile(At("/a"));
    shell.abort = true;
    EXPECT_TRUE(op.EraseFiles());
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].method, rmErase);
    EXPECT_TRUE(shell.calls[0].animate);
    EXPECT_FALSE(op.RecycleFiles());
    EXPECT_EQ(shell.calls.size(), 1u);
    EXPECT_TRUE(op.Results().empty());
}

} // namespace
