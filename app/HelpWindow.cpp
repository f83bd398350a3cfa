#include "app/HelpWindow.h"

#include <QFile>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Kelvaro Help"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(560, 600);
}

void HelpWindow::ShowContents(const QString& fileName) {
    if (QFile::exists(fileName)) {
        browser_->setSource(QUrl::fromLocalFile(fileName));
    } else {
        browser_->setPlainText(QStringLiteral("The help file %1 was not found.").arg(fileName));
    }
    browser_->moveCursor(QTextCursor::Start);
    show();
    raise();
    activateWindow();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    // Escape closes it, as it closes the program's dialogs.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

QString HelpWindow::TopicText(const QString& fileName, int topic) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString html = QString::fromUtf8(file.readAll());
    const QRegularExpression section(
        QStringLiteral("<section id=\"topic-%1\">(.*?)</section>").arg(topic),
        QRegularExpression::DotMatchesEverythingOption);
    const auto match = section.match(html);
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}
