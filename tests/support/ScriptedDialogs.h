#pragma once

#include "platform/Dialogs.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Answers every dialog from a script and records what was asked. An empty script answers
// mrOk to message boxes (mrNo where no OK is offered) and cancels file and folder dialogs.
class ScriptedDialogs : public DialogService {
public:
    std::vector<MessageRequest> messages;
    std::deque<int> answers;
    // Runs while a message box is "open", before its answer is returned.
    std::function<void(const MessageRequest&)> onMessage;

    struct FileAsk {
        std::string kind; // "browse", "open", "save"
        std::string title;
        std::string fileName;
        std::string filter;
    };
    std::vector<FileAsk> fileAsks;
    std::deque<std::optional<std::string>> fileAnswers;

    std::vector<std::string> opened;
    bool openResult = true;

    int MessageBox(const MessageRequest& request) override {
        messages.push_back(request);
        if (onMessage)
            onMessage(request);
        if (!answers.empty()) {
            int a = answers.front();
            answers.pop_front();
            return a;
        }
        switch (request.buttons) {
        case MsgButtons::YesNo:
        case MsgButtons::YesNoCancel:
            return mrNo;
        default:
            return mrOk;
        }
    }
    std::optional<std::string> BrowseFolder(const std::string& title,
                                            const std::string& start) override {
        return NextFile({"browse", title, start, {}});
    }
    std::optional<std::string> OpenFileName(const std::string& title, const std::string& fileName,
                                            const std::string& filter) override {
        return NextFile({"open", title, fileName, filter});
    }
    std::optional<std::string> SaveFileName(const std::string& title, const std::string& fileName,
                                            const std::string& filter) override {
        return NextFile({"save", title, fileName, filter});
    }
    bool OpenWithShell(const std::string& target) override {
        opened.push_back(target);
        return openResult;
    }

private:
    std::optional<std::string> NextFile(FileAsk ask) {
        fileAsks.push_back(std::move(ask));
        if (fileAnswers.empty())
            return std::nullopt;
        auto a = fileAnswers.front();
        fileAnswers.pop_front();
        return a;
    }
};
