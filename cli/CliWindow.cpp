#include "cli/CliWindow.h"

#include <cstdio>
#include <cstring>
#include <utility>

void UnreadableReport::Add(const std::string& path, int error) {
    // The walk and the scan may both meet one folder.
    if (!told_.insert(path).second)
        return;
    std::fprintf(stderr, "kelvaro-find: %s: cannot be read: %s\n", path.c_str(),
                 std::strerror(error));
}

void UnreadableReport::AddUnstable(const std::string& path) {
    if (std::exchange(unstableTold_, true))
        return;
    std::fprintf(stderr,
                 "kelvaro-find: %s: its file system shows another inode number or time at every "
                 "look (a network share?): no file there can be told unchanged since the scan, "
                 "so none of them is grouped\n",
                 path.c_str());
}

CliWindow::CliWindow(bool skipHidden, bool progress, UnreadableReport* unreadable)
    : skipHidden_(skipHidden), progress_(progress), unreadable_(unreadable) {}

void CliWindow::ReportUnstableIdentity(const std::string& path) {
    if (!unreadable_)
        return;
    ClearProgressLine();
    unreadable_->AddUnstable(path);
}

void CliWindow::ReportUnreadable(const std::string& path, int error) {
    if (!unreadable_)
        return;
    ClearProgressLine();
    unreadable_->Add(path, error);
}

CliWindow::~CliWindow() {
    ClearProgressLine();
}

std::int64_t CliWindow::TickCount() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start_)
        .count();
}

void CliWindow::SetStatusText(const std::string& text) {
    if (!progress_)
        return;
    // A terminal cannot keep up with one line per folder; a few redraws a second are enough.
    const std::int64_t now = TickCount();
    if (now - lastDraw_ < 50 && text != "Ready.") {
        undrawn_ = text;
        return;
    }
    lastDraw_ = now;
    Draw(text);
}

void CliWindow::DrawNow() {
    if (!progress_ || undrawn_.empty())
        return;
    lastDraw_ = TickCount();
    Draw(undrawn_);
}

void CliWindow::Draw(const std::string& text) {
    undrawn_.clear();
    std::string line = text.substr(0, 200);
    for (char& c : line)
        if (c == '\r' || c == '\n')
            c = ' ';
    std::fprintf(stderr, "\r\033[K%s", line.c_str());
    std::fflush(stderr);
    lineShown_ = true;
}

void CliWindow::ClearProgressLine() {
    if (lineShown_) {
        std::fputs("\r\033[K", stderr);
        std::fflush(stderr);
        lineShown_ = false;
    }
}

int CliWindow::ShowMessage(const MessageRequest& request) {
    ClearProgressLine();
    errorShown_ = errorShown_ || request.type == MsgType::Error;
    std::string text;
    for (std::size_t i = 0; i < request.text.size(); ++i) {
        char c = request.text[i];
        if (c == '\r') {
            if (i + 1 < request.text.size() && request.text[i + 1] == '\n')
                ++i;
            text += '\n';
        } else {
            text += c;
        }
    }
    std::fprintf(stderr, "kelvaro-find: %s\n", text.c_str());
    return request.buttons == MsgButtons::YesNoCancel || request.buttons == MsgButtons::YesNo
               ? mrNo
               : mrOk;
}
