#pragma once
// Drives modal windows from inside their own event loop: the action runs on the next modal
// window that opens, once it is active. A window the action leaves open is rejected after a few seconds so that a
// broken test fails instead of hanging.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace shell::testing {

inline void onNextModal(std::function<void(QWidget*)> action, int timeoutMs = 5000) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(poll, &QTimer::timeout, [poll, action, started, timeoutMs] {
        QWidget* modal = QApplication::activeModalWidget();
        // Keyboard shortcuts reach only the active window; give the platform a moment to
        // activate the new one.
        const bool ready = modal && modal->isVisible() &&
                           (modal->isActiveWindow() || started->elapsed() > 1000);
        if (!ready) {
            if (started->elapsed() > timeoutMs) {
                poll->deleteLater();
                poll->stop();
            }
            return;
        }
        poll->stop();
        poll->deleteLater();
        QPointer<QWidget> guarded(modal);
        action(modal);
        QTimer::singleShot(timeoutMs, [guarded] {
            if (!guarded || !guarded->isVisible())
                return;
            ADD_FAILURE() << "modal window " << guarded->objectName().toStdString()
                          << " was left open";
            if (auto* dialog = qobject_cast<QDialog*>(guarded.data()))
                dialog->done(QDialog::Rejected);
            else
                guarded->close();
        });
    });
    poll->start();
}

// Where a key typed into the window goes: its focused control, else the window itself.
inline QWidget* keyTarget(QWidget* window) {
    QWidget* focused = window->focusWidget();
    return focused ? focused : window;
}

inline void typeInto(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(keyTarget(window), key, modifiers);
}

template <typename T>
T* child(QWidget* window, const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
}

}  // namespace shell::testing
