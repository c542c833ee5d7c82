#pragma once
// Forms of the program move on with Enter, as their users type from field to field; Enter on a
// push button presses it.

#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace shell {

// True when the key was Enter and has been handled. `moveOn` goes to the next control (the
// window's own focusNextChild, which knows the tab chain's groups).
template <typename MoveOn>
bool enterMovesOn(QWidget* window, QKeyEvent* event, MoveOn moveOn) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || event->modifiers() != Qt::NoModifier) return false;
    if (auto* button = qobject_cast<QPushButton*>(window->focusWidget()))
        button->click();
    else
        moveOn();
    return true;
}

}  // namespace shell
