// The search from the window: Find Duplicates and Stop!, and the window a run talks to.
#include "app/MainForm.h"

#include "cache/ContentCache.h"
#include "search/SearchRun.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>

#include <chrono>
#include <utility>

void TMainForm::FindFilesButtonClick() {
    // Restored however the run ends, so that a removal afterwards frees at once.
    struct Running {
        bool& flag;
        bool was;
        ~Running() { flag = was; }
    } running{searchRunning_, searchRunning_};
    searchRunning_ = true;
    removedDuringSearch_ = false;
    unstableFile_.clear();
    {
        const PacedDisplay::Operation paced(display_);
        // The cache only ever proves files different, so the window's groups and figures are
        // those of a run without it. Its faults are not the user's concern here: the search
        // simply reads the files.
        cache::ContentCache::Options options;
        options.folder = cache::ContentCache::DefaultFolder();
        const std::shared_ptr<cache::ContentCache> contentCache =
            cache::ContentCache::Open(std::move(options));
        SearchRun run(State, *this);
        run.UseCache(contentCache);
        run.FindDuplicates(FolderListPaths());
    }
    if (std::exchange(removedDuringSearch_, false))
        UpdateSelectionInfo();
    // Said once, after the search: otherwise such files would silently never be grouped.
    if (!unstableFile_.empty())
        ShowMessage({MsgType::Warning, kAppTitle,
                     "Files such as " + std::exchange(unstableFile_, {}) +
                         " show another identity at every look, as on some network shares: "
                         "Kelvaro cannot tell whether they changed while it read them, so none "
                         "of them was grouped.",
                     MsgButtons::Ok, 0});
}

void TMainForm::ReportUnstableIdentity(const std::string& path) {
    if (unstableFile_.empty())
        unstableFile_ = path;
}

void TMainForm::BitBtn1Click() {
    State.StopFlag = true;
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // A search or a folder walk would otherwise go on in a window no one sees, and the program
    // would end only when it did; it stops at its next checkpoint instead.
    if (State.Busy)
        State.StopFlag = true;
    QWidget::closeEvent(event);
}

void TMainForm::SetStatusText(const std::string& text) {
    display_.SetText(statusPanel_, text);
}

QString TMainForm::StatusText() const {
    return display_.Text(statusPanel_);
}

void TMainForm::SetCounter(SearchCounter counter, const std::string& text) {
    QLabel* label = nullptr;
    switch (counter) {
    case SearchCounter::FilesDetected:
        label = FilesDetectLabel;
        break;
    case SearchCounter::DirsChecked:
        label = DirsCheckedLabel;
        break;
    case SearchCounter::FilesIndexed:
        label = FileIndexedLabel;
        break;
    case SearchCounter::FilesChecked:
        label = FilesCheckedLabel;
        break;
    }
    display_.SetText(label, text);
}

void TMainForm::SetDupeFilesCaption(const std::string& text) {
    display_.SetText(DupeFilesLabel, text);
}

void TMainForm::ProcessMessages() {
    display_.Pump(TickCount());
}

void TMainForm::DrawNow() {
    display_.Flush();
    repaint();
}

void TMainForm::SetBusyCursor(bool busy) {
    // Kept balanced: the override cursor is a stack.
    if (busy) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
        ++busyCursors_;
    } else if (busyCursors_ > 0) {
        QApplication::restoreOverrideCursor();
        --busyCursors_;
    }
}

void TMainForm::SetFindEnabled(bool enabled) {
    if (enabled)
        EnableReturningFocus(FindFilesButton);
    else
        DisableKeepingFocus(FindFilesButton);
}

int TMainForm::ShowMessage(const MessageRequest& request) {
    // The window behind the box shows where the operation stands.
    display_.Flush();
    return dialogs_.MessageBox(request);
}

std::int64_t TMainForm::TickCount() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool TMainForm::SkipHiddenFiles() {
    return SkipSysfilesCheck->isChecked();
}
