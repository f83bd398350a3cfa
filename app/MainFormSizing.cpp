// The layout pass: the window's direct children move and grow by the change of the client
// size; the controls inside a group follow their group by their anchors.
#include "app/MainForm.h"

#include "app/Anchor.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QStatusBar>

namespace {

// Resizes a group by (dw, dh) and lets its children follow their anchors.
void ResizeGroup(QWidget* group, int dw, int dh) {
    if (dw == 0 && dh == 0)
        return;
    group->resize(group->width() + dw, group->height() + dh);
    for (QObject* o : group->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || !w->property("anchor").isValid())
            continue;
        switch (w->property("anchor").toInt()) {
        case AnchorRight:
            w->move(w->x() + dw, w->y());
            break;
        case Stretch:
            w->resize(w->width() + dw, w->height());
            break;
        case StretchBoth:
            w->resize(w->width() + dw, w->height() + dh);
            break;
        default:
            break;
        }
    }
}

void MoveBy(QWidget* w, int dx, int dy) {
    if (dx != 0 || dy != 0)
        w->move(w->x() + dx, w->y() + dy);
}

} // namespace

void TMainForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    StatusBar1->setGeometry(0, height() - StatusBar1->height(), width(), StatusBar1->height());
    WMSize();
}

void TMainForm::WMSize() {
    if (LastWidth > 0)
        LayoutPass();
}

void TMainForm::WMExitSizeMove() {
    LayoutPass();
}

void TMainForm::LayoutPass() {
    // The window manager owns the frame: the client size changes by the same amounts.
    const int dw = width() - LastWidth;
    const int dh = height() - LastHeight;
    LastWidth = width();
    LastHeight = height();
    ResizeGroup(Step1Group, dw, 0);
    ResizeGroup(Step2Group, dw, 0);
    MoveBy(StatGroup, dw, 0);
    ResizeGroup(Step3Group, dw, 0);
    MoveBy(Step4Group, dw, 0);
    MoveBy(Step5Group, dw, 0);
    ResizeGroup(InfoGroup, dw, 0);
    MoveBy(HelpButton, dw, 0);
    MoveBy(AboutButton, dw, 0);
    MoveBy(EffectsCheck, dw, 0);
    ResizeGroup(Step3Group, 0, dh);
    MoveBy(InfoGroup, 0, dh);
}
