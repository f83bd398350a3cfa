#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// A mouse event sent straight to a widget, for presses and moves that QTest has no call for
// (a press with one button while others are held, a move with a button down).
inline void SendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                      Qt::MouseButtons buttons, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QMouseEvent e(type, pos, w->mapToGlobal(pos), button, buttons, mods);
    QApplication::sendEvent(w, &e);
}
