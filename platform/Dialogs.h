#pragma once

#include <string>

// Message boxes as plain requests, so that the engine and its tests never touch a widget.
// The window shows them; tests answer them from a script and record what was asked.

enum class MsgType { Plain, Information, Warning, Error, Confirmation };

enum class MsgButtons { Ok, OkHelp, YesNoCancel, YesNo, OkCancel };

// Modal results, numbered as the rest of the program expects them.
constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;
constexpr int mrYes = 6;
constexpr int mrNo = 7;

struct MessageRequest {
    MsgType type = MsgType::Plain;
    std::string title;
    std::string text; // "\r" and "\n" exactly as the message holds them
    MsgButtons buttons = MsgButtons::Ok;
    int helpContext = 0;
};

// The application's title, the caption of its message boxes.
inline const std::string kAppTitle = "Kelvaro";

#include <optional>

// Every modal question and every hand-off to the desktop goes through one service, so that no
// test ever blocks on a dialog. Production shows Qt dialogs; tests answer from a script.
class DialogService {
public:
    virtual ~DialogService() = default;

    // A message box; returns its modal result (mrOk, mrYes, mrNo, mrCancel).
    virtual int MessageBox(const MessageRequest& request) = 0;
    // The desktop's folder chooser; nothing when cancelled.
    virtual std::optional<std::string> BrowseFolder(const std::string& title,
                                                    const std::string& start) = 0;
    // Open and save dialogs. filter as "Text files (*.txt)|*.txt".
    virtual std::optional<std::string> OpenFileName(const std::string& title,
                                                    const std::string& fileName,
                                                    const std::string& filter) = 0;
    virtual std::optional<std::string> SaveFileName(const std::string& title,
                                                    const std::string& fileName,
                                                    const std::string& filter) = 0;
    // The shell's "open" verb: a file with its default program, or a link. The answer is
    // informational only; callers do not report a failure.
    virtual bool OpenWithShell(const std::string& target) = 0;
};
