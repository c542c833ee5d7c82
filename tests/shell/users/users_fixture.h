#pragma once
// A users database in a temporary program folder, a session on it, a scripted message service,
// and the few steps the window tests repeat.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include "data/company_database.h"
#include "data/schema.h"
#include "engine/database.h"
#include "engine/table.h"
#include "shell/messages.h"
#include "shell/users/user_editing.h"
#include "shell/users/user_rights.h"
#include "shell/users/user_session.h"

namespace userstest {

// Closes a modal window that waits for an answer no test step gives, and fails the test: a
// regression then shows as a failure instead of a test that never ends.
class ModalGuard {
  public:
    ModalGuard() {
        timer_.setInterval(50);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) {
                waited_ = 0;
                return;
            }
            if (++waited_ < 40)
                return;
            ADD_FAILURE() << "unanswered window: " << modal->windowTitle().toStdString();
            waited_ = 0;
            modal->close();
        });
        timer_.start();
    }

  private:
    QTimer timer_;
    int waited_ = 0;
};

class UsersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        db_ = std::make_unique<engine::Database>(path());
        data::createUsersTable(*db_);
        session_ = std::make_unique<shell::UserSession>(*db_);
    }

    QString path() const { return data::usersDatabasePath(dir_.path()); }
    shell::UserSession& session() { return *session_; }
    engine::Database& db() { return *db_; }

    // Saves a user as the editor would, every right granted except those named.
    int addUser(const QString& name, const QString& ident, const QString& password,
                bool active = true, const QStringList& refused = {}) {
        shell::UserDraft draft;
        draft.name = name;
        draft.ident = ident;
        draft.password = draft.repeat = password;
        draft.active = active;
        for (const QString& field : shell::editorRightFields())
            draft.rights.insert(field, !refused.contains(field));
        const shell::SaveOutcome outcome = shell::saveUser(*session_, 0, draft, QString());
        EXPECT_TRUE(outcome.saved) << messages_.last().toStdString();
        return static_cast<int>(
            session_->usersCursor().fieldByName(QStringLiteral("Kod")).asInteger());
    }

    // A record as older versions could leave it, written past the editor's checks: only the
    // name, identifier, password and state; the rights hold no value.
    int addRawUser(const QString& name, const QString& ident, const QString& password,
                   bool active) {
        engine::Table users(*db_, QStringLiteral("uzytkowf"));
        users.open();
        users.append();
        users.fieldByName(QStringLiteral("Imie_Nazwisko")).setString(name);
        users.fieldByName(QStringLiteral("Ident")).setString(ident);
        users.fieldByName(QStringLiteral("Dane")).setInteger(shell::storedPasswordDigest(password));
        users.fieldByName(QStringLiteral("Aktywny"))
            .setString(active ? QStringLiteral("TAK") : QStringLiteral("NIE"));
        users.post();
        return static_cast<int>(users.fieldByName(QStringLiteral("Kod")).asInteger());
    }

    // One field of the user numbered kod, read through a cursor of its own.
    QVariant stored(int kod, const QString& field) {
        engine::Table t(*db_, QStringLiteral("uzytkowf"));
        t.open();
        if (!t.locate({QStringLiteral("Kod")}, {kod}))
            return QStringLiteral("<none>");
        return t.fieldByName(field).value();
    }

    int64_t userCount() {
        engine::Table t(*db_, QStringLiteral("uzytkowf"));
        t.open();
        return t.recordCount();
    }

    QTemporaryDir dir_;
    ModalGuard guard_;
    shell::ScriptedMessages messages_;
    std::unique_ptr<engine::Database> db_;
    std::unique_ptr<shell::UserSession> session_;
};

// Types text as key presses, so that the field sees an edit by the user. Whatever is selected
// in the field is replaced.
inline void type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

// Replaces the field's text the way a user does: select everything, then type.
inline void retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        type(edit, text);
}

inline void click(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

// Runs `action` on the next modal window once it is shown (inside its exec()).
inline void onNextModal(std::function<void(QWidget*)> action, int triesLeft = 500) {
    QTimer::singleShot(5, [action = std::move(action), triesLeft]() mutable {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            action(modal);
            return;
        }
        if (triesLeft > 0)
            onNextModal(std::move(action), triesLeft - 1);
        else
            ADD_FAILURE() << "no modal window appeared";
    });
}

}  // namespace userstest
