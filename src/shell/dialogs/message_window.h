#pragma once
// The message window through which every message and yes/no question of the program is shown,
// and the windowed message service built on it.

#include <QDialog>

#include "shell/messages.h"

class QLabel;
class QPushButton;

namespace shell {

// The title of message windows shown without one: the main window's title once it has set one,
// else the application's display name.
QString applicationTitle();
void setApplicationTitle(const QString& title);

class TShowM : public QDialog {
    Q_OBJECT
  public:
    // One button ("&Ok") when `secondCaption` is empty, else two. An empty title means the
    // application title.
    TShowM(const QString& text, const QString& title, const QString& firstCaption,
           const QString& secondCaption = {}, QWidget* parent = nullptr);

    // Modal; Ok for the first button, No for the second, Cancel when closed otherwise.
    Answer run();

    static void showMessage(const QString& text, const QString& title = {});
    static Answer ask(const QString& text, const QString& title = {});
    static Answer askCustom(const QString& text, const QString& title, const QString& firstCaption,
                            const QString& secondCaption);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QPushButton* but1_ = nullptr;
    QPushButton* but2_ = nullptr;
    Answer answer_ = Answer::Cancel;
};

// The service used unless a test installs another.
class WindowedMessages : public Messages {
  public:
    void showMessage(const QString& text, const QString& title) override;
    Answer ask(const QString& text, const QString& title) override;
    Answer askCustom(const QString& text, const QString& title, const QString& firstCaption,
                     const QString& secondCaption) override;
};

}  // namespace shell
