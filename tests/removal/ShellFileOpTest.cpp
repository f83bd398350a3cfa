#include "removal/ShellFileOp.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Records what the shell was asked, buffers copied while they are alive.
struct RecordingShell : ShellOperations {
    struct Call {
        std::uint32_t func;
        std::uint16_t flags;
        std::string from;
        std::string to;
        std::string title;
    };
    std::vector<Call> calls;
    bool abort = false;
    int SHFileOperation(SHFILEOPSTRUCT& op) override {
        // pTo is one folder and two NULs.
        calls.push_back({op.wFunc, op.fFlags, PathListBytes(op.pFrom),
                         std::string(op.pTo, std::strlen(op.pTo) + 2),
                         op.lpszProgressTitle ? op.lpszProgressTitle : ""});
        op.fAnyOperationsAborted = abort;
        return 0;
    }
};

TEST(ShellFileOp, ListIsSortedWithoutCaseAndIgnoresExactDuplicates) {
    RecordingShell shell;
    TShellFileOp op(shell);
    op.AddFile("/e/b");
    op.AddFile("/d/a");
    op.AddFile("/D/a");
    op.AddFile("/d/a");
    op.AddFile("");
    // Exact equality decides duplicates here: names keep their case on this system; the bytes
    // order the two that differ only in case.
    EXPECT_EQ(op.Files(), (std::vector<std::string>{"/D/a", "/d/a", "/e/b"}));
}

TEST(ShellFileOp, SourceBufferIsDoubleNulTerminatedInSortedOrder) {
    RecordingShell shell;
    TShellFileOp op(shell);
    op.AddFile("de");
    op.AddFile("ab");
    op.EraseFiles();
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].from, std::string("ab\0de\0\0", 7));
    // A fresh object has no destination: an empty list.
    EXPECT_EQ(shell.calls[0].to, std::string("\0\0", 2));
}

TEST(ShellFileOp, FlagWordsOfTheRemovalFlow) {
    RecordingShell shell;
    auto run = [&](auto operation) {
        TShellFileOp op(shell);
        op.NoConfirmation = true;
        op.Animate = true;
        op.AddFile("/x");
        operation(op);
        return shell.calls.back();
    };
    auto recycle = run([](TShellFileOp& op) { op.RecycleFiles(); });
    EXPECT_EQ(recycle.func, FO_DELETE);
    EXPECT_EQ(recycle.flags, 0x0050);
    auto erase = run([](TShellFileOp& op) { op.EraseFiles(); });
    EXPECT_EQ(erase.func, FO_DELETE);
    EXPECT_EQ(erase.flags, 0x0010);
    auto move = run([](TShellFileOp& op) { op.MoveFiles("/archive"); });
    EXPECT_EQ(move.func, FO_MOVE);
    EXPECT_EQ(move.flags, 0x0010);
    EXPECT_EQ(move.to, std::string("/archive\0\0", 10));
}

TEST(ShellFileOp, EveryPropertyAddsItsFlag) {
    RecordingShell shell;
    TShellFileOp op(shell);
    op.FilesOnly = op.NoConfirmation = op.AutoMakeDir = op.RenameOnCollision = true;
    op.ProgressTitle = "Working";
    op.AddFile("/x");
    op.MoveFiles("/y");
    EXPECT_EQ(shell.calls.back().flags, 0x0080 | 0x0010 | 0x0004 | 0x0200 | 0x0008 | 0x0100);
    EXPECT_EQ(shell.calls.back().title, "Working");
    // The two move-only flags have no effect on a delete.
    op.AddFile("/x");
    op.EraseFiles();
    EXPECT_EQ(shell.calls.back().flags, 0x0080 | 0x0010 | 0x0004 | 0x0100);
    op.AddFile("/x");
    op.RecycleFiles();
    EXPECT_EQ(shell.calls.back().flags, 0x0080 | 0x0010 | 0x0004 | 0x0040 | 0x0100);
}

TEST(ShellFileOp, EmptyListCallsNothingAndEveryOperationEmptiesTheList) {
    RecordingShell shell;
    TShellFileOp op(shell);
    EXPECT_FALSE(op.RecycleFiles());
    EXPECT_TRUE(shell.calls.empty());
    op.AddFile("/a");
    shell.abort = true;
    EXPECT_TRUE(op.EraseFiles());
    EXPECT_TRUE(op.Files().empty());
    EXPECT_EQ(op.OpStruct().pFrom, nullptr);
    EXPECT_FALSE(op.EraseFiles());
    EXPECT_EQ(shell.calls.size(), 1u);
}

TEST(ShellFileOp, AllowUndoCarriesOverToALaterMove) {
    RecordingShell shell;
    TShellFileOp fresh(shell);
    fresh.AddFile("/a");
    fresh.MoveFiles("/m");
    EXPECT_FALSE(shell.calls.back().flags & FOF_ALLOWUNDO);

    TShellFileOp used(shell);
    used.AddFile("/a");
    used.RecycleFiles();
    used.AddFile("/a");
    used.MoveFiles("/m");
    EXPECT_TRUE(shell.calls.back().flags & FOF_ALLOWUNDO);
    // A delete after a move still names the last destination; the shell ignores it.
    used.AddFile("/a");
    used.EraseFiles();
    EXPECT_EQ(shell.calls.back().to, std::string("/m\0\0", 4));
}

} // namespace
