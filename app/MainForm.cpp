#include "app/MainForm.h"

#include "app/AboutForm.h"
#include "app/HelpWindow.h"
#include "platform/Errors.h"
#include "results/DupeGridModel.h"
#include "results/DupeGridView.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>

#include <exception>

TMainForm::TMainForm(DialogService& dialogs, std::string programFolder, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs) {
    ProgramFolder = std::move(programFolder);
    CreateControls();
    ConnectHandlers();
    FormCreate();
    help_ = new HelpWindow(this);
    CreateDeleteForm();
    AboutForm = new TAboutForm([this](int topic) { ShowHelpTopic(topic); }, this);
}

TMainForm::~TMainForm() {
    Guarded([this] { FormDestroy(); });
    // The children outlive this object's members: nothing of theirs may reach back into them.
    for (auto* g : steps_)
        g->removeEventFilter(this);
    steps_.clear();
    DirListBox->viewport()->removeEventFilter(this);
    DirListBox->removeEventFilter(this);
    DupeGrid->viewport()->removeEventFilter(this);
    DupeGrid->setModel(nullptr);
    delete DupeGridData; // takes its listener off the grid before the grid goes
    DupeGridData = nullptr;
    while (busyCursors_ > 0)
        SetBusyCursor(false);
}

void TMainForm::Guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const AppError& e) {
        ShowAppError(e.what());
    } catch (const std::exception& e) {
        // Anything else that escapes (lack of memory, a library's error) ends the handler the
        // same way rather than the program.
        ShowAppError(e.what());
    }
}

void TMainForm::ShowAppError(const std::string& message) {
    dialogs_.MessageBox({MsgType::Error, kAppTitle, ErrorDisplayText(message), MsgButtons::Ok, 0});
}

void TMainForm::DisableKeepingFocus(QWidget* button) {
    const bool focused = button->hasFocus();
    button->setEnabled(false);
    if (focused)
        focusReturns_.emplace_back(button, QApplication::focusWidget());
}

void TMainForm::EnableReturningFocus(QWidget* button) {
    button->setEnabled(true);
    for (auto it = focusReturns_.begin(); it != focusReturns_.end(); ++it) {
        if (it->first != button)
            continue;
        if (QApplication::focusWidget() == it->second)
            button->setFocus(Qt::OtherFocusReason);
        focusReturns_.erase(it);
        return;
    }
}

void TMainForm::FocusFirstControl(QGroupBox* group) {
    for (QWidget* w = group->nextInFocusChain(); group->isAncestorOf(w); w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(this)) {
            w->setFocus(Qt::ShortcutFocusReason);
            return;
        }
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        // A group box would give the focus back to the control last focused in it.
        for (QGroupBox* g : steps_)
            if (watched == g) {
                FocusFirstControl(g);
                return true;
            }
    }
    if (watched == DirListBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        Guarded([&] { DirListBoxKeyDown(key); });
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() != QEvent::MouseMove)
        return QWidget::eventFilter(watched, event);
    const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
    if (watched == DirListBox->viewport()) {
        Guarded([&] { DirListBoxMouseMove(pos); });
    } else if (watched == DupeGrid->viewport()) {
        Guarded([&] { DupeGridMouseMove(pos); });
    } else {
        // A step area reacts to the mouse over its bare area only, not over its controls.
        const auto bare = [&](QGroupBox* g) { return watched == g && !g->childAt(pos); };
        if (bare(Step1Group))
            Step1GroupMouseMove();
        else if (bare(Step2Group))
            Step2GroupMouseMove();
        else if (bare(Step3Group))
            Step3GroupMouseMove();
        else if (bare(Step4Group))
            Step4GroupMouseMove();
        else if (bare(Step5Group))
            Step5GroupMouseMove();
    }
    return QWidget::eventFilter(watched, event);
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        QWidget* focus = focusWidget();
        ShowContextHelp(focus ? focus : this);
        return;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Guarded([this] { EscapePressed(); });
        return;
    }
    QWidget::keyPressEvent(event);
}
