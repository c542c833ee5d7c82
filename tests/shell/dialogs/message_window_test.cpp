#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "modal_driver.h"
#include "shell/dialogs/message_window.h"
#include "shell/messages.h"

namespace shell {
namespace {

using testing::child;
using testing::onNextModal;
using testing::typeInto;

struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool tabFirst;  // move the focus to the second button first
    Answer expected;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.name;
}

class AskByKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(AskByKeys, Answers) {
    const KeyCase& c = GetParam();
    bool seen = false;
    onNextModal([&](QWidget* w) {
        seen = true;
        if (c.tabFirst)
            typeInto(w, Qt::Key_Tab);
        typeInto(w, c.key, c.modifiers);
    });
    EXPECT_EQ(TShowM::ask(QStringLiteral("Koniec pracy programu?")), c.expected);
    EXPECT_TRUE(seen);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, AskByKeys,
    ::testing::Values(KeyCase{"EnterTak", Qt::Key_Return, {}, false, Answer::Ok},
                      KeyCase{"KeypadEnterTak", Qt::Key_Enter, Qt::KeypadModifier, false,
                              Answer::Ok},
                      KeyCase{"SpaceOnFirstTak", Qt::Key_Space, {}, false, Answer::Ok},
                      KeyCase{"EscapeCancels", Qt::Key_Escape, {}, false, Answer::Cancel},
                      KeyCase{"LetterN", Qt::Key_N, {}, false, Answer::No},
                      KeyCase{"LetterT", Qt::Key_T, {}, true, Answer::Ok},
                      KeyCase{"AltN", Qt::Key_N, Qt::AltModifier, false, Answer::No},
                      KeyCase{"EnterOnNie", Qt::Key_Return, {}, true, Answer::No}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AskWindow, OtherLettersAreIgnored) {
    onNextModal([](QWidget* w) {
        typeInto(w, Qt::Key_X);
        typeInto(w, Qt::Key_K);
        EXPECT_TRUE(w->isVisible());
        typeInto(w, Qt::Key_N);
    });
    EXPECT_EQ(TShowM::ask(QStringLiteral("Czy?")), Answer::No);
}

TEST(AskWindow, ClosingTheWindowCancels) {
    onNextModal([](QWidget* w) { w->close(); });
    EXPECT_EQ(TShowM::ask(QStringLiteral("Czy?")), Answer::Cancel);
}

TEST(AskWindow, CustomCaptionsAnswerAsTakAndNie) {
    for (const char* pressed : {"But1", "But2"}) {
        QStringList captions;
        onNextModal([&](QWidget* w) {
            captions << child<QPushButton>(w, "But1")->text()
                     << child<QPushButton>(w, "But2")->text();
            child<QPushButton>(w, pressed)->click();
        });
        const Answer a = TShowM::askCustom(
            QStringLiteral("Bez danych Administratora program nie będzie działał."),
            QStringLiteral("Rolvan"), QStringLiteral("Wpisz"), QStringLiteral("Zakończ"));
        EXPECT_EQ(captions, (QStringList{QStringLiteral("Wpisz"), QStringLiteral("Zakończ")}));
        EXPECT_EQ(a, QByteArray(pressed) == "But1" ? Answer::Ok : Answer::No);
    }
}

TEST(MessageWindow, ShowsOneOkButtonAndTheLinesInLabels) {
    QStringList texts;
    QString caption;
    bool hasSecond = true;
    QString button;
    onNextModal([&](QWidget* w) {
        for (int i = 1; i <= 9; ++i) {
            if (auto* label = w->findChild<QLabel*>(QStringLiteral("Label%1").arg(i)))
                texts << label->text();
        }
        caption = w->windowTitle();
        hasSecond = child<QPushButton>(w, "But2") != nullptr;
        button = child<QPushButton>(w, "But1")->text();
        EXPECT_TRUE(w->isModal());
        typeInto(w, Qt::Key_Return);
    });
    TShowM::showMessage(
        QStringLiteral("Firma ABC została założona.\r\rMożna ją wybrać <b>teraz</b>."),
        QStringLiteral("Nowa firma"));
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Firma ABC została założona."),
                                  QStringLiteral("Można ją wybrać <b>teraz</b>.")}));
    EXPECT_EQ(caption, QStringLiteral("Nowa firma"));
    EXPECT_FALSE(hasSecond);
    EXPECT_EQ(button, QStringLiteral("&Ok"));
}

TEST(MessageWindow, ButtonsAreWhereTheLayoutPutsThem) {
    onNextModal([](QWidget* w) {
        const int centre = w->width() / 2;
        const QRect first = child<QPushButton>(w, "But1")->geometry();
        const QRect second = child<QPushButton>(w, "But2")->geometry();
        EXPECT_EQ(first.left() + first.width(), centre - 10);
        EXPECT_EQ(second.left(), centre + 10);
        EXPECT_EQ(first.top(), child<QLabel>(w, "Label2")->geometry().bottom() + 1 + 8);
        EXPECT_EQ(w->size(), w->minimumSize());
        EXPECT_EQ(w->size(), w->maximumSize());
        typeInto(w, Qt::Key_Escape);
    });
    TShowM::ask(QStringLiteral("Pierwsza linia\rDruga"));
}

TEST(MessageWindow, CaptionIsTheTitleOrTheApplicationTitle) {
    struct Case {
        QString appTitle;
        QString title;
        QString expected;
    };
    const QString display = QGuiApplication::applicationDisplayName();
    for (const Case& c :
         {Case{{}, {}, display},
          Case{QStringLiteral("Rolvan - FIRMA"), {}, QStringLiteral("Rolvan - FIRMA")},
          Case{QStringLiteral("Rolvan - FIRMA"), QStringLiteral("Kopia zapasowa"),
               QStringLiteral("Kopia zapasowa")}}) {
        setApplicationTitle(c.appTitle);
        QString caption;
        onNextModal([&](QWidget* w) {
            caption = w->windowTitle();
            typeInto(w, Qt::Key_Escape);
        });
        TShowM::showMessage(QStringLiteral("Tekst"), c.title);
        EXPECT_EQ(caption, c.expected);
    }
    setApplicationTitle({});
}

TEST(MessageService, ScriptedServiceReplacesTheWindowsWhileItLives) {
    Messages* windowed = &messages();
    EXPECT_NE(dynamic_cast<WindowedMessages*>(windowed), nullptr);
    {
        ScriptedMessages script;
        script.answers = {Answer::No};
        EXPECT_EQ(&messages(), &script);
        EXPECT_FALSE(askYes(QStringLiteral("Czy?")));
        showMessage(QStringLiteral("Brak nazwy firmy."));
        EXPECT_EQ(script.texts(),
                  (QStringList{QStringLiteral("Czy?"), QStringLiteral("Brak nazwy firmy.")}));
    }
    EXPECT_EQ(&messages(), windowed);
}

TEST(MessageService, WindowedServiceShowsTheWindow) {
    onNextModal([](QWidget* w) { typeInto(w, Qt::Key_N); });
    EXPECT_FALSE(askYes(QStringLiteral("Koniec pracy programu?")));
    onNextModal([](QWidget* w) { typeInto(w, Qt::Key_T); });
    EXPECT_TRUE(askYes(QStringLiteral("Koniec pracy programu?")));
}

}  // namespace
}  // namespace shell
