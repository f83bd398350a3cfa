#pragma once

#include "search/MainWindowInterface.h"

#include <chrono>
#include <cstddef>
#include <string>
#include <unordered_set>
#include <vector>

// The files and folders a run could not read: each told once on stderr, counted for the end.
class UnreadableReport {
public:
    void Add(const std::string& path, int error);
    std::size_t Count() const { return told_.size(); }
    // Said once for the whole run: every file of such a share would say it.
    void AddUnstable(const std::string& path);

private:
    std::unordered_set<std::string> told_;
    bool unstableTold_ = false;
};

// The command line's stand-in for the main window: status texts become a live progress line on
// stderr (only when it is a terminal), message boxes become lines on stderr.
class CliWindow final : public MainWindowInterface {
public:
    CliWindow(bool skipHidden, bool progress, UnreadableReport* unreadable = nullptr);
    ~CliWindow() override;

    void SetStatusText(const std::string& text) override;
    void SetCounter(SearchCounter, const std::string&) override {}
    void SetDupeFilesCaption(const std::string&) override {}
    void ProcessMessages() override {}
    void DrawNow() override;
    void SetBusyCursor(bool) override {}
    void SetFindEnabled(bool) override {}
    int ShowMessage(const MessageRequest& request) override;
    std::int64_t TickCount() override;
    bool SkipHiddenFiles() override { return skipHidden_; }
    void ReportUnreadable(const std::string& path, int error) override;
    void ReportUnstableIdentity(const std::string& path) override;

    void ClearProgressLine();
    // An error message was shown (the index was truncated for lack of memory).
    bool ErrorShown() const { return errorShown_; }

private:
    void Draw(const std::string& text);

    bool skipHidden_;
    bool progress_;
    UnreadableReport* unreadable_;
    bool lineShown_ = false;
    bool errorShown_ = false;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::int64_t lastDraw_ = -1000;
    // The last status text, when it was left out to keep the redraws few.
    std::string undrawn_;
};
