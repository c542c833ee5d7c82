#include "shell/dialogs/message_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "shell/dialogs/message_layout.h"

namespace shell {

namespace {

QString& titleOverride() {
    static QString title;
    return title;
}

// The letter after a single '&' of a button caption, or a null character.
QChar mnemonicOf(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return caption[i + 1].toLower();
    }
    return {};
}

// Without a QApplication there is no window to show (tools and tests that never set one up);
// the text then goes to the log and questions count as declined.
bool canShowWindows() {
    return qobject_cast<QApplication*>(QCoreApplication::instance());
}

}  // namespace

QString applicationTitle() {
    if (!titleOverride().isEmpty())
        return titleOverride();
    return QGuiApplication::applicationDisplayName();
}

void setApplicationTitle(const QString& title) {
    titleOverride() = title;
}

TShowM::TShowM(const QString& text, const QString& title, const QString& firstCaption,
               const QString& secondCaption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("ShowM"));
    setWindowTitle(title.isEmpty() ? applicationTitle() : title);
    setModal(true);

    const bool twoButtons = !secondCaption.isEmpty();
    but1_ = new QPushButton(firstCaption, this);
    but1_->setObjectName(QStringLiteral("But1"));
    but1_->setDefault(true);
    if (twoButtons) {
        but2_ = new QPushButton(secondCaption, this);
        but2_->setObjectName(QStringLiteral("But2"));
    }

    // The classic button size, grown when a caller's caption would not fit.
    QSize buttonSize(75, 25);
    buttonSize = buttonSize.expandedTo(but1_->sizeHint());
    if (but2_)
        buttonSize = buttonSize.expandedTo(but2_->sizeHint());

    const MessageLayout layout = layoutMessage(text, fontMetrics(), buttonSize, twoButtons ? 2 : 1);
    for (int i = 0; i < layout.lines.size(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        label->setTextFormat(Qt::PlainText);
        label->setText(layout.lines[i]);
        label->setGeometry(layout.lineRects[i]);
    }
    but1_->setGeometry(layout.firstButton);
    if (but2_)
        but2_->setGeometry(layout.secondButton);
    setFixedSize(layout.windowSize);

    connect(but1_, &QPushButton::clicked, this, [this] {
        answer_ = Answer::Ok;
        accept();
    });
    if (but2_) {
        connect(but2_, &QPushButton::clicked, this, [this] {
            answer_ = Answer::No;
            accept();
        });
    }
    but1_->setFocus();
}

Answer TShowM::run() {
    answer_ = Answer::Cancel;
    exec();
    return answer_;
}

void TShowM::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
}

void TShowM::keyPressEvent(QKeyEvent* event) {
    // As in the dialogs users know from elsewhere, a window of buttons only takes the underlined
    // letter alone, without Alt.
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if ((mods == Qt::NoModifier || mods == Qt::ShiftModifier) && event->text().size() == 1) {
        const QChar typed = event->text()[0].toLower();
        for (QPushButton* button : {but1_, but2_}) {
            if (button && !typed.isNull() && mnemonicOf(button->text()) == typed) {
                button->click();
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
}

void TShowM::showMessage(const QString& text, const QString& title) {
    TShowM window(text, title, QStringLiteral("&Ok"), {}, QApplication::activeWindow());
    window.run();
}

Answer TShowM::ask(const QString& text, const QString& title) {
    return askCustom(text, title, QStringLiteral("&Tak"), QStringLiteral("&Nie"));
}

Answer TShowM::askCustom(const QString& text, const QString& title, const QString& firstCaption,
                         const QString& secondCaption) {
    TShowM window(text, title, firstCaption, secondCaption, QApplication::activeWindow());
    return window.run();
}

void WindowedMessages::showMessage(const QString& text, const QString& title) {
    if (!canShowWindows()) {
        qWarning("%s", qPrintable(text));
        return;
    }
    TShowM::showMessage(text, title);
}

Answer WindowedMessages::ask(const QString& text, const QString& title) {
    if (!canShowWindows()) {
        qWarning("%s", qPrintable(text));
        return Answer::Cancel;
    }
    return TShowM::ask(text, title);
}

Answer WindowedMessages::askCustom(const QString& text, const QString& title,
                                   const QString& firstCaption, const QString& secondCaption) {
    if (!canShowWindows()) {
        qWarning("%s", qPrintable(text));
        return Answer::Cancel;
    }
    return TShowM::askCustom(text, title, firstCaption, secondCaption);
}

}  // namespace shell
