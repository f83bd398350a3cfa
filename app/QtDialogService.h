#pragma once

#include "platform/Dialogs.h"

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

// The dialogs of the desktop: message boxes with the program's Enter and Escape rules and a
// Help button that shows its topic and leaves the box open, file dialogs, the folder chooser,
// and the desktop's "open".
class QtDialogService : public DialogService {
public:
    // showHelp shows the topic of a help context number.
    explicit QtDialogService(std::function<void(int)> showHelp = {});

    void SetOwner(QWidget* owner) { owner_ = owner; }
    void SetHelp(std::function<void(int)> showHelp) { showHelp_ = std::move(showHelp); }

    int MessageBox(const MessageRequest& request) override;
    std::optional<std::string> BrowseFolder(const std::string& title,
                                            const std::string& start) override;
    std::optional<std::string> OpenFileName(const std::string& title, const std::string& fileName,
                                            const std::string& filter) override;
    std::optional<std::string> SaveFileName(const std::string& title, const std::string& fileName,
                                            const std::string& filter) override;
    bool OpenWithShell(const std::string& target) override;

    // "\r\n", "\r" and "\n" as line breaks.
    static QString DisplayText(const std::string& text);
    // "Text files (*.txt)|*.txt" as Qt writes it: "Text files (*.txt)".
    static QString QtFilter(const std::string& filter);
    // The file: URL of a path, every byte of it kept (a name need not be UTF-8); a relative
    // path is taken from the current folder.
    static QUrl LocalFileUrl(const std::string& path);

private:
    QWidget* owner_ = nullptr;
    std::function<void(int)> showHelp_;
};
