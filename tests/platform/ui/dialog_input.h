// Synthetic input for driving dialogs from a dialog hook: clicks at a
// control's centre and keys to the focused control, sent through the
// application so that unaccepted keys reach the dialog as the user's would.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QString>
#include <QWidget>

#include <algorithm>

// Near the left edge, where check boxes and radio buttons have their mark.
inline void SendClick(QWidget* widget)
{
    const QPointF at(std::min(widget->width() / 2, 6), widget->height() / 2);
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

// The key goes to the widget (or, without one, to the focused widget).
inline void SendKey(int key, const QString& text = {}, QWidget* widget = nullptr)
{
    QWidget* target = widget ? widget : QApplication::focusWidget();
    if (!target)
        return;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

inline void TypeText(const QString& text, QWidget* widget = nullptr)
{
    for (QChar c : text)
        SendKey(c.toUpper().unicode(), QString(c), widget);
}
