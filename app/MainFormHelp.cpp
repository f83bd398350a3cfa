// Help: the help window for the Help button, F1 pop-ups for the controls; the about box.
#include "app/MainForm.h"

#include "app/AboutForm.h"
#include "app/HelpWindow.h"

#include <QApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QWhatsThis>

#include <algorithm>

namespace {

// QWhatsThis centres its pop-up on the point it is given, or on the control; this puts the
// pop-up's top-left corner at the point instead, kept on the screen, before it is first drawn.
class PopupPlacer : public QObject {
public:
    explicit PopupPlacer(QPoint at) : at_(at) { qApp->installEventFilter(this); }
    ~PopupPlacer() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->inherits("QWhatsThat")) {
            auto* popup = static_cast<QWidget*>(watched);
            const QScreen* screen = QGuiApplication::screenAt(at_);
            const QRect room = (screen ? screen : popup->screen())->availableGeometry();
            popup->move(
                std::max(room.left(), std::min(at_.x(), room.right() + 1 - popup->width())),
                std::max(room.top(), std::min(at_.y(), room.bottom() + 1 - popup->height())));
        }
        return false;
    }

private:
    QPoint at_;
};

} // namespace

std::string TMainForm::HelpFileName() const {
    return IsInstalled() ? ProgramFolder + KELVARO_INSTALLED_DATA + "/kelvaro.html"
                         : ProgramFolder + "kelvaro.html";
}

void TMainForm::HelpButtonClick() {
    help_->ShowContents(QString::fromStdString(HelpFileName()));
}

void TMainForm::ShowHelpTopic(int topic) {
    HelpButtonClick();
    help_->Browser()->scrollToAnchor(QStringLiteral("topic-%1").arg(topic));
}

QString TMainForm::HelpTopicText(int topic) const {
    const QString text = HelpWindow::TopicText(QString::fromStdString(HelpFileName()), topic);
    if (!text.isEmpty())
        return text;
    return QStringLiteral("Help topic %1 is not available: the help file %2 is missing or "
                          "incomplete.")
        .arg(topic)
        .arg(QString::fromStdString(HelpFileName()));
}

int TMainForm::ShowContextHelp(QWidget* control) {
    // The nearest number up the chain of enclosing controls, the window included.
    for (QWidget* w = control; w; w = w == this ? nullptr : w->parentWidget()) {
        const int topic = w->property("helpContext").toInt();
        if (topic <= 0)
            continue;
        // The pop-up sits at the top-left corner of the control that asked.
        const QPoint at = control->mapToGlobal(QPoint(0, 0));
        lastPopup_ = {topic, at, HelpTopicText(topic)};
        const PopupPlacer placer(at);
        QWhatsThis::showText(at, lastPopup_.text, control);
        return topic;
    }
    return 0;
}

void TMainForm::AboutButtonClick() {
    AboutForm->exec();
}
