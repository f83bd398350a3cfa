#pragma once

#include "search/MainWindowInterface.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

// A window that records what an operation shows it, answers message boxes from a script, runs
// a hook at every pump point (press Stop!, start a removal) and has a clock the test drives.
class RecordingWindow : public MainWindowInterface {
public:
    // Everything in order: "status:TEXT", "counter:NAME=TEXT", "caption:TEXT", "pump", "draw",
    // "cursor:busy|default", "find:on|off", "msg:KIND:TEXT", "unreadable:PATH".
    std::vector<std::string> log;
    std::vector<std::string> statuses;
    std::vector<MessageRequest> messages;
    std::map<SearchCounter, std::string> counters;
    std::string caption;
    std::vector<std::string> folders;
    bool skipHidden = true;
    bool findEnabled = true;
    bool busyCursor = false;
    int pumps = 0;

    // The clock: now, plus step added on every reading.
    std::int64_t now = 0;
    std::int64_t tickStep = 0;

    // Answers for the next message boxes; mrOk when the script is empty.
    std::deque<int> answers;
    // Called at every pump point with its number (from 1).
    std::function<void(int)> onPump;

    void SetStatusText(const std::string& text) override {
        statuses.push_back(text);
        log.push_back("status:" + text);
    }
    void SetCounter(SearchCounter counter, const std::string& text) override {
        counters[counter] = text;
        log.push_back("counter:" + Name(counter) + "=" + text);
    }
    void SetDupeFilesCaption(const std::string& text) override {
        caption = text;
        log.push_back("caption:" + text);
    }
    void ProcessMessages() override {
        ++pumps;
        log.push_back("pump");
        if (onPump)
            onPump(pumps);
    }
    void DrawNow() override { log.push_back("draw"); }
    void SetBusyCursor(bool busy) override {
        busyCursor = busy;
        log.push_back(busy ? "cursor:busy" : "cursor:default");
    }
    void SetFindEnabled(bool enabled) override {
        findEnabled = enabled;
        log.push_back(enabled ? "find:on" : "find:off");
    }
    int ShowMessage(const MessageRequest& request) override {
        messages.push_back(request);
        log.push_back("msg:" + std::to_string(static_cast<int>(request.type)) + ":" + request.text);
        if (answers.empty())
            return mrOk;
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::int64_t TickCount() override {
        std::int64_t t = now;
        now += tickStep;
        return t;
    }
    bool SkipHiddenFiles() override { return skipHidden; }
    void ReportUnreadable(const std::string& path, int) override {
        log.push_back("unreadable:" + path);
    }

    static std::string Name(SearchCounter c) {
        switch (c) {
        case SearchCounter::FilesDetected:
            return "FilesDetected";
        case SearchCounter::DirsChecked:
            return "DirsChecked";
        case SearchCounter::FilesIndexed:
            return "FilesIndexed";
        case SearchCounter::FilesChecked:
            return "FilesChecked";
        }
        return "?";
    }

    // Entries of the log that start with prefix, in order.
    std::vector<std::string> Only(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& e : log)
            if (e.rfind(prefix, 0) == 0)
                out.push_back(e);
        return out;
    }
};
