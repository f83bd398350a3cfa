#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

// A mouse event sent straight to a widget, for presses and moves that QTest has no call for
// (a press with one button while others are held, a move with a button down).
inline void SendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                      Qt::MouseButtons buttons, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QMouseEvent e(type, pos, w->mapToGlobal(pos), button, buttons, mods);
    QApplication::sendEvent(w, &e);
}

// Types text into a widget one character at a time, as a keyboard would. Unlike
// QTest::keyClicks it takes any character, not only ASCII: a folder path may hold "é".
inline void TypeText(QWidget* w, const QString& text) {
    for (const char32_t c : text.toUcs4())
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString::fromUcs4(&c, 1),
                            Qt::NoModifier);
}
