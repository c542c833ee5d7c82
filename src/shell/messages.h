#pragma once
// Every message and yes/no question of the program goes through one message service, so that
// tests can replace the windows with a script. Texts break lines at CR ("\r").

#include <QList>
#include <QString>

namespace shell {

enum class Answer { Ok, No, Cancel };

class Messages {
public:
    virtual ~Messages() = default;
    // An empty title means the application title (the main window's title).
    virtual void showMessage(const QString& text, const QString& title = {}) = 0;
    // "&Tak" answers Ok, "&Nie" answers No, closing the window otherwise answers Cancel.
    virtual Answer ask(const QString& text, const QString& title = {}) = 0;
    virtual Answer askCustom(const QString& text, const QString& title, const QString& firstCaption,
                             const QString& secondCaption) = 0;
};

// The service in use; the windowed one unless a test installed another.
Messages& messages();
// Installs a service (tests); nullptr goes back to the windowed one. Not owned.
void setMessages(Messages* service);

// Shorthands used throughout the program.
inline void showMessage(const QString& text, const QString& title = {}) {
    messages().showMessage(text, title);
}
inline bool askYes(const QString& text, const QString& title = {}) {
    return messages().ask(text, title) == Answer::Ok;
}

// For tests: records every message and answers questions from a queue (Ok when it runs out).
class ScriptedMessages : public Messages {
public:
    struct Shown {
        QString text;
        QString title;
        bool question = false;
    };

    ScriptedMessages() { setMessages(this); }
    ~ScriptedMessages() override { setMessages(nullptr); }

    void showMessage(const QString& text, const QString& title) override {
        shown.append({text, title, false});
    }
    Answer ask(const QString& text, const QString& title) override {
        shown.append({text, title, true});
        return answers.isEmpty() ? Answer::Ok : answers.takeFirst();
    }
    Answer askCustom(const QString& text, const QString& title, const QString&,
                     const QString&) override {
        return ask(text, title);
    }

    QStringList texts() const {
        QStringList out;
        for (const Shown& s : shown) out << s.text;
        return out;
    }
    QString last() const { return shown.isEmpty() ? QString() : shown.last().text; }

    QList<Shown> shown;
    QList<Answer> answers;
};

}  // namespace shell
