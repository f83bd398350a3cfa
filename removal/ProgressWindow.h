#pragma once

#include "removal/DesktopShell.h"

#include <QPointer>
#include <QProgressDialog>

class QWidget;

// The progress window of a batch: modal, with a Cancel button that stops the rest. It appears
// only when the work lasts, and at once before a message box, so that it never covers one.
class ProgressWindow : public OperationProgress {
public:
    explicit ProgressWindow(QWidget* parent = nullptr) : parent_(parent) {}
    ~ProgressWindow() override;

    void Begin(const std::string& title, int total) override;
    bool Advance(int done, const std::string& path) override;
    void ShowNow() override;
    void End() override;

    QProgressDialog* Dialog() const { return dialog_; }
    // The widest a file name is shown, in pixels.
    static constexpr int kNameWidth = 360;

private:
    QWidget* parent_;
    QPointer<QProgressDialog> dialog_;
    QString title_;
};
