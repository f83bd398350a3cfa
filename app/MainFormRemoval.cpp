// The removal of step 5.
#include "app/MainForm.h"

#include "removal/DeleteFilesForm.h"
#include "removal/DesktopShell.h"
#include "removal/ProgressWindow.h"
#include "removal/RemovalFlow.h"
#include "results/DupeGridView.h"

#include <QKeyEvent>

namespace {

// Hands the Delete key of the grid to the window before the grid sees it.
class DeleteKeyFilter : public QObject {
public:
    explicit DeleteKeyFilter(TMainForm& form) : QObject(&form), form_(form) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const int key = static_cast<QKeyEvent*>(event)->key();
        form_.Guarded([&] { form_.DupeGridKeyDown(key); });
        return key == Qt::Key_Delete;
    }

private:
    TMainForm& form_;
};

} // namespace

void TMainForm::CreateDeleteForm() {
    DeleteFilesForm = new TDeleteFilesForm(ArchiveFolder, dialogs_, this);
    DeleteFilesForm->hide();
    DupeGrid->installEventFilter(new DeleteKeyFilter(*this));
}

void TMainForm::DeleteFiles() {
    // A click that arrives while a removal pumps messages would free what the running one
    // still holds.
    if (removing_)
        return;
    ShowPending(); // also from the Delete key: the removal acts on the grid as shown
    const PacedDisplay::Operation paced(display_);
    removing_ = true;
    // No search may start under a removal and clear the index it works on (the search
    // refuses to start while busy); a search that is already running stays as it is. The
    // flag alone, so that Find Duplicates keeps the state the folder list gives it.
    struct Done {
        TMainForm& form;
        bool wasBusy;
        ~Done() {
            form.removing_ = false;
            form.State.Busy = wasBusy;
        }
    } done{*this, State.Busy};
    State.Busy = true;

    ProgressWindow progress(this);
    DesktopShell shell(dialogs_, &progress);
    RemovalFlow flow(State, *this, *DeleteFilesForm, shell);
    flow.UpdateSelectionInfo = [this] { UpdateSelectionInfo(); };
    flow.RepaintGrid = [this] { DupeGrid->viewport()->update(); };
    flow.SearchRunning = [this] { return searchRunning_; };
    // Folders a running walk found belong to the list, listed yet or not.
    flow.NoFoldersListed = [this] { return folders_.Empty() && folders_.QueueEmpty(); };
    flow.DeleteFiles();
    if (searchRunning_)
        removedDuringSearch_ = true;
}

void TMainForm::DupeGridKeyDown(int key) {
    // Whatever the modifiers, Delete runs the same removal as the button.
    if (key == Qt::Key_Delete)
        DeleteFiles();
}
