#pragma once

#include "platform/Dialogs.h"

#include <cstdint>
#include <string>
#include <vector>

// The statistics labels a search run writes.
enum class SearchCounter { FilesDetected, DirsChecked, FilesIndexed, FilesChecked };

// What a long operation needs of its window. The main window implements it with widgets and
// QCoreApplication::processEvents(), the command line with a progress line, tests with a
// recorder that can act at a pump point.
class MainWindowInterface {
public:
    virtual ~MainWindowInterface() = default;

    // The status bar's text. ShowStatus pumps after it.
    virtual void SetStatusText(const std::string& text) = 0;
    virtual void SetCounter(SearchCounter counter, const std::string& text) = 0;
    // DupeFilesLabel above the grid.
    virtual void SetDupeFilesCaption(const std::string& text) = 0;
    // Lets pending window messages run: where Stop! and other handlers get their turn.
    virtual void ProcessMessages() = 0;
    // Puts what the window has been told on the screen at once, without letting messages run:
    // the operation goes on for a while without a pump point. A window that draws only now and
    // then at pump points would otherwise show the step before.
    virtual void DrawNow() = 0;
    // The busy-in-background cursor for the whole application, or the default one.
    virtual void SetBusyCursor(bool busy) = 0;
    // FindFilesButton's enabled state, changed by SetBusy.
    virtual void SetFindEnabled(bool enabled) = 0;
    // A modal message box; returns its modal result.
    virtual int ShowMessage(const MessageRequest& request) = 0;
    // Milliseconds from an arbitrary start; tests drive it.
    virtual std::int64_t TickCount() = 0;
    // "Skip System/Hidden files"; read once per folder by the scan.
    virtual bool SkipHiddenFiles() = 0;
    // A file or folder that exists but could not be read (error: the system's error number);
    // the operation goes on without it. The main window says nothing, as a file that cannot be
    // opened simply never matches; the command line tells the user.
    virtual void ReportUnreadable(const std::string& path, int error) {
        (void)path;
        (void)error;
    }
    // A file whose inode number or times changed between two looks a moment apart, as on some
    // network shares: no file there can be told unchanged since the scan, so none is grouped.
    virtual void ReportUnstableIdentity(const std::string& path) { (void)path; }
};
