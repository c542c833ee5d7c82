#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "modal_driver.h"
#include "shell/dialogs/input_dialog.h"

namespace shell {
namespace {

using testing::child;
using testing::onNextModal;
using testing::typeInto;

TEST(InputText, TypedTextIsReturnedOnEnter) {
    QString caption, prompt;
    bool bold = false;
    onNextModal([&](QWidget* w) {
        caption = w->windowTitle();
        prompt = child<QLabel>(w, "Napis")->text();
        auto* edit = child<QLineEdit>(w, "Edit");
        bold = edit->font().bold();
        EXPECT_FALSE(child<QComboBox>(w, "Combo")->isVisible());
        QTest::keyClicks(edit, QStringLiteral("Kowalski-2"));
        typeInto(w, Qt::Key_Return);
    });
    const auto result = TInput::askText(
        QStringLiteral("Nowa firma"),
        QStringLiteral("Wpisz symbol nowej firmy, dla której program ma założyć bazę danych:"), 15);
    EXPECT_EQ(result, std::optional<QString>(QStringLiteral("Kowalski-2")));
    EXPECT_EQ(caption, QStringLiteral("Nowa firma"));
    EXPECT_EQ(prompt, QStringLiteral(
                          "Wpisz symbol nowej firmy, dla której program ma założyć bazę danych:"));
    EXPECT_TRUE(bold);
}

TEST(InputText, LengthIsLimitedToTheCallersLimitAndNeverMoreThan25) {
    struct Case {
        int limit;
        int expected;
    };
    const QString typed(40, u'x');
    for (const Case& c : {Case{15, 15}, Case{25, 25}, Case{40, 25}, Case{0, 25}, Case{1, 1}}) {
        onNextModal([&](QWidget* w) {
            QTest::keyClicks(child<QLineEdit>(w, "Edit"), typed);
            typeInto(w, Qt::Key_Return);
        });
        const auto result =
            TInput::askText(QStringLiteral("Nowa firma"), QStringLiteral("Symbol:"), c.limit);
        ASSERT_TRUE(result.has_value()) << c.limit;
        EXPECT_EQ(result->size(), c.expected) << c.limit;
    }
}

TEST(InputText, InitialTextIsOfferedAndReplacedByTyping) {
    onNextModal([](QWidget* w) {
        EXPECT_EQ(child<QLineEdit>(w, "Edit")->text(), QStringLiteral("STARA"));
        QTest::keyClicks(child<QLineEdit>(w, "Edit"), QStringLiteral("NOWA"));
        typeInto(w, Qt::Key_Return);
    });
    EXPECT_EQ(TInput::askText(QStringLiteral("Nowa firma"), QStringLiteral("Symbol:"), 15,
                              QStringLiteral("STARA")),
              std::optional<QString>(QStringLiteral("NOWA")));
}

TEST(InputText, AnulujEscapeAndClosingGiveNothing) {
    const std::vector<std::function<void(QWidget*)>> ways = {
        [](QWidget* w) { child<QPushButton>(w, "ButtonAnuluj")->click(); },
        [](QWidget* w) { typeInto(w, Qt::Key_Escape); },
        [](QWidget* w) { typeInto(w, Qt::Key_A, Qt::AltModifier); },
        [](QWidget* w) { w->close(); },
    };
    for (size_t i = 0; i < ways.size(); ++i) {
        onNextModal([&](QWidget* w) {
            QTest::keyClicks(child<QLineEdit>(w, "Edit"), QStringLiteral("FIRMA"));
            ways[i](w);
        });
        EXPECT_EQ(TInput::askText(QStringLiteral("Nowa firma"), QStringLiteral("Symbol:"), 15),
                  std::nullopt)
            << i;
    }
}

TEST(InputChoice, PreselectedEntryMovedWithArrowsIsReturned) {
    const QStringList companies{QStringLiteral("ALFA"), QStringLiteral("BETA"),
                                QStringLiteral("GAMMA")};
    struct Case {
        int preselect;
        int downs;
        QString expected;
    };
    for (const Case& c : {Case{1, 0, QStringLiteral("BETA")}, Case{1, 1, QStringLiteral("GAMMA")},
                          Case{-1, 0, QStringLiteral("ALFA")}, Case{7, 0, QStringLiteral("ALFA")},
                          Case{0, 5, QStringLiteral("GAMMA")}}) {
        onNextModal([&](QWidget* w) {
            auto* combo = child<QComboBox>(w, "Combo");
            EXPECT_FALSE(child<QLineEdit>(w, "Edit")->isVisible());
            EXPECT_EQ(combo->count(), 3);
            EXPECT_EQ(w->focusWidget(), combo);
            for (int i = 0; i < c.downs; ++i)
                QTest::keyClick(combo, Qt::Key_Down);
            typeInto(w, Qt::Key_Return);
        });
        EXPECT_EQ(TInput::askChoice(QStringLiteral("Rozpoczęcie pracy"),
                                    QStringLiteral("Wybierz firmę:"), companies, c.preselect),
                  std::optional<QString>(c.expected))
            << c.preselect << " " << c.downs;
    }
}

TEST(InputChoice, CancelGivesNothing) {
    onNextModal([](QWidget* w) { typeInto(w, Qt::Key_Escape); });
    EXPECT_EQ(TInput::askChoice(QStringLiteral("Zmiana firmy"), QStringLiteral("Wybierz firmę:"),
                                {QStringLiteral("ALFA")}),
              std::nullopt);
}

TEST(InputChoice, EmptyListShowsNoWindow) {
    bool shown = false;
    onNextModal(
        [&](QWidget* w) {
            shown = true;
            typeInto(w, Qt::Key_Escape);
        },
        200);
    EXPECT_EQ(
        TInput::askChoice(QStringLiteral("Zmiana firmy"), QStringLiteral("Wybierz firmę:"), {}),
        std::nullopt);
    QTest::qWait(300);
    EXPECT_FALSE(shown);
}

}  // namespace
}  // namespace shell
