#include "cli/CliWindow.h"

#include <cstdio>

CliWindow::CliWindow(std::vector<std::string> folders, bool skipHidden, bool progress)
    : folders_(std::move(folders)), skipHidden_(skipHidden), progress_(progress) {}

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
