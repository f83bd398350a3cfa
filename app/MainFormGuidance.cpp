// Guidance: the step area under the mouse lights up, hints explain the controls, and the two
// safety options ask before they are switched off.
#include "app/MainForm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPalette>
#include <QToolTip>

namespace {

const char* const kSafetyWarning =
    "You are strongly discouraged to uncheck this option.\r\r"
    "Possibly critical system files will show up in the duplicates list,\r"
    "and when deleted your system might get damaged!\r\r"
    "Do you really want to uncheck this option?";

// The group's background; its labels and check boxes take theirs from it.
void SetAreaColor(QGroupBox* group, const QColor& color) {
    QPalette p = group->palette();
    p.setColor(QPalette::Window, color);
    group->setPalette(p);
}

} // namespace

void TMainForm::Step1GroupMouseMove() {
    LightStep(1);
}
void TMainForm::Step2GroupMouseMove() {
    LightStep(2);
}
void TMainForm::Step3GroupMouseMove() {
    LightStep(3);
}
void TMainForm::Step4GroupMouseMove() {
    LightStep(4);
}
void TMainForm::Step5GroupMouseMove() {
    LightStep(5);
}

void TMainForm::LightStep(int step) {
    if (!UseEffects)
        return;
    const QColor face = palette().color(QPalette::Button);
    for (int i = 0; i < static_cast<int>(steps_.size()); ++i) {
        const QColor& c = (i + 1 == step) ? HighlightColor : face;
        // Only a real change repaints: mouse moves arrive many times a second.
        if (steps_[static_cast<std::size_t>(i)]->palette().color(QPalette::Window) != c)
            SetAreaColor(steps_[static_cast<std::size_t>(i)], c);
    }
}

void TMainForm::EffectsCheckClick() {
    UseEffects = EffectsCheck->isChecked();
    if (!UseEffects) {
        const QColor face = palette().color(QPalette::Button);
        for (auto* g : steps_)
            SetAreaColor(g, face);
    }
    SetHintsEnabled(UseEffects);
}

void TMainForm::SetHintsEnabled(bool on) {
    const auto apply = [on](QWidget* w) {
        const QVariant hint = w->property("hint");
        if (!hint.isValid())
            return;
        w->setToolTip(on ? hint.toString().replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                         : QString());
    };
    apply(this);
    for (QWidget* w : findChildren<QWidget*>())
        apply(w);
    if (!on)
        QToolTip::hideText();
}

std::string TMainForm::HintOf(const QWidget* control) {
    return control->property("hint").toString().toStdString();
}

void TMainForm::ConfirmSafetyUncheck(QCheckBox* box) {
    if (box->isChecked())
        return;
    const int answer = dialogs_.MessageBox(
        {MsgType::Warning, "Warning", kSafetyWarning, MsgButtons::YesNoCancel, 0});
    if (answer != mrYes)
        box->setChecked(true); // runs this handler once more, which then does nothing
}

void TMainForm::ProtectFoldersCheckClick() {
    ConfirmSafetyUncheck(ProtectFoldersCheck);
}

void TMainForm::SkipSysfilesCheckClick() {
    ConfirmSafetyUncheck(SkipSysfilesCheck);
}
