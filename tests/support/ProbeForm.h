#pragma once

#include "app/MainForm.h"

#include <QLabel>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The window with its pump points open to a test: every status text, every pump and every
// request to draw at once is seen. With a still clock no frame is due after the first pump of
// an operation until it ends.
class ProbeForm : public TMainForm {
public:
    using TMainForm::TMainForm;
    std::vector<std::string> statuses;
    std::function<void()> onPump;
    int pumps = 0;
    bool stillClock = false;
    // What the status line showed each time the window was asked to draw at once.
    std::vector<QString> drawn;

    void SetStatusText(const std::string& text) override {
        statuses.push_back(text);
        TMainForm::SetStatusText(text);
    }
    void ProcessMessages() override {
        ++pumps;
        if (onPump)
            onPump();
        TMainForm::ProcessMessages();
    }
    // When set, the clock the window reads.
    std::function<std::int64_t()> clock;

    std::int64_t TickCount() override {
        if (clock)
            return clock();
        return stillClock ? 0 : TMainForm::TickCount();
    }
    void DrawNow() override {
        TMainForm::DrawNow();
        drawn.push_back(findChild<QLabel*>(QStringLiteral("StatusPanel"))->text());
    }
};
