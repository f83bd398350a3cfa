#include "removal/ProgressWindow.h"

#include "platform/Dialogs.h"
#include "platform/Paths.h"

#include <QCoreApplication>
#include <QFile>

ProgressWindow::~ProgressWindow() {
    End();
}

void ProgressWindow::Begin(const std::string& title, int total) {
    End();
    dialog_ = new QProgressDialog(parent_);
    dialog_->setWindowTitle(QString::fromStdString(kAppTitle));
    title_ = QString::fromStdString(title);
    dialog_->setLabelText(title_);
    dialog_->setWindowModality(Qt::ApplicationModal);
    dialog_->setRange(0, total);
    // Short batches finish before a window would only flash.
    dialog_->setMinimumDuration(500);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    dialog_->setValue(0);
}

bool ProgressWindow::Advance(int done, const std::string& path) {
    if (!dialog_)
        return true;
    // A long name would stretch the window past the screen.
    const QString name = QFile::decodeName(QByteArray::fromStdString(platform::BaseName(path)));
    dialog_->setLabelText(title_ + QLatin1Char('\n') +
                          dialog_->fontMetrics().elidedText(name, Qt::ElideMiddle, kNameWidth));
    if (dialog_->value() != done)
        dialog_->setValue(done);
    QCoreApplication::processEvents();
    return !dialog_->wasCanceled();
}

void ProgressWindow::ShowNow() {
    if (dialog_ && !dialog_->isVisible()) {
        dialog_->show();
        QCoreApplication::processEvents();
    }
}

void ProgressWindow::End() {
    if (dialog_) {
        dialog_->hide();
        delete dialog_;
    }
}
