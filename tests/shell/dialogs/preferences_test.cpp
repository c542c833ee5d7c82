#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "modal_driver.h"
#include "shell/dialogs/preferences_dialog.h"

namespace shell {
namespace {

using testing::child;
using testing::onNextModal;
using testing::typeInto;

struct TextsCase {
    QString pytajKtoraFirma;
    QString pytajOKopie;
    bool askWhichCompany;
    bool askForBackup;
};

TEST(Preferences, RegistryTextsTakAndNieSetThemAnythingElseKeepsTheDefault) {
    for (const TextsCase& c : {
             TextsCase{"Tak", "Tak", true, true},
             TextsCase{"Nie", "Nie", false, false},
             TextsCase{"Nie", "Tak", false, true},
             TextsCase{"Tak", "Nie", true, false},
             TextsCase{"", "", true, true},  // the machine has no such values
             TextsCase{"TAK", "nie", true, true},
             TextsCase{"Nie ", "0", true, true},
         }) {
        const Preferences p = Preferences::fromRegistryTexts(c.pytajKtoraFirma, c.pytajOKopie);
        EXPECT_EQ(p.askWhichCompany, c.askWhichCompany) << c.pytajKtoraFirma.toStdString();
        EXPECT_EQ(p.askForBackup, c.askForBackup) << c.pytajOKopie.toStdString();
    }
}

TEST(Preferences, RegistryTextsRoundTrip) {
    for (bool company : {false, true}) {
        for (bool backup : {false, true}) {
            Preferences p;
            p.askWhichCompany = company;
            p.askForBackup = backup;
            const Preferences::RegistryTexts t = p.toRegistryTexts();
            EXPECT_EQ(t.askWhichCompany, company ? QStringLiteral("Tak") : QStringLiteral("Nie"));
            EXPECT_EQ(t.askForBackup, backup ? QStringLiteral("Tak") : QStringLiteral("Nie"));
            EXPECT_EQ(Preferences::fromRegistryTexts(t.askWhichCompany, t.askForBackup), p);
        }
    }
}

TEST(Preferences, ValueNames) {
    EXPECT_EQ(Preferences::kAskWhichCompanyValue, QStringLiteral("PytajKtóraFirma"));
    EXPECT_EQ(Preferences::kAskForBackupValue, QStringLiteral("PytajOKopię"));
}

// Flips both settings in the open dialog.
void flipBoth(QWidget* w) {
    auto* pytaj = child<QRadioButton>(w, "RadioPytaj");
    (pytaj->isChecked() ? child<QRadioButton>(w, "RadioNiePytaj") : pytaj)->click();
    child<QCheckBox>(w, "CheckKopia")->click();
}

TEST(PreferencesDialog, ShowsTheSettingsAndCaptions) {
    Preferences prefs;
    prefs.askWhichCompany = false;
    TPreferencje dialog(prefs);
    onNextModal([](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Preferencje"));
        EXPECT_EQ(child<QGroupBox>(w, "GroupFirma")->title(),
                  QStringLiteral("Gdy program obsługuje więcej niż jedną firmę "));
        EXPECT_EQ(child<QRadioButton>(w, "RadioPytaj")->text(),
                  QStringLiteral("Przy rozpoczęciu pracy pytaj, którą wybrać"));
        EXPECT_EQ(child<QRadioButton>(w, "RadioNiePytaj")->text(),
                  QStringLiteral("Wybierz tę, która była ostatnio"));
        EXPECT_EQ(child<QCheckBox>(w, "CheckKopia")->text(),
                  QStringLiteral("Pytaj o kopię zapasową przed zakończeniem pracy"));
        EXPECT_EQ(child<QPushButton>(w, "ButtonOK")->text(), QStringLiteral("OK       "));
        EXPECT_EQ(child<QPushButton>(w, "ButtonAnuluj")->text(), QStringLiteral("&Anuluj"));
        EXPECT_FALSE(child<QRadioButton>(w, "RadioPytaj")->isChecked());
        EXPECT_TRUE(child<QRadioButton>(w, "RadioNiePytaj")->isChecked());
        EXPECT_TRUE(child<QCheckBox>(w, "CheckKopia")->isChecked());
        typeInto(w, Qt::Key_Escape);
    });
    dialog.exec();
}

TEST(PreferencesDialog, OkKeepsTheChanges) {
    for (const bool byEnter : {false, true}) {
        Preferences prefs;
        TPreferencje dialog(prefs);
        onNextModal([&](QWidget* w) {
            flipBoth(w);
            if (byEnter)
                typeInto(w, Qt::Key_Return);
            else
                child<QPushButton>(w, "ButtonOK")->click();
        });
        EXPECT_EQ(dialog.exec(), QDialog::Accepted);
        EXPECT_FALSE(prefs.askWhichCompany) << byEnter;
        EXPECT_FALSE(prefs.askForBackup) << byEnter;
    }
}

TEST(PreferencesDialog, AnulujAndEscapeRestoreWhatTheDialogShowedWhenOpened) {
    const std::vector<std::function<void(QWidget*)>> ways = {
        [](QWidget* w) { child<QPushButton>(w, "ButtonAnuluj")->click(); },
        [](QWidget* w) { typeInto(w, Qt::Key_Escape); },
        [](QWidget* w) { typeInto(w, Qt::Key_A, Qt::AltModifier); },
    };
    for (size_t i = 0; i < ways.size(); ++i) {
        Preferences prefs;
        prefs.askForBackup = false;
        const Preferences before = prefs;
        TPreferencje dialog(prefs);
        onNextModal([&](QWidget* w) {
            flipBoth(w);
            ways[i](w);
        });
        EXPECT_EQ(dialog.exec(), QDialog::Rejected) << i;
        EXPECT_EQ(prefs, before) << i;
        EXPECT_EQ(dialog.shown(), before) << i;

        // Opened again, it shows the kept settings, not the abandoned edit.
        Preferences seen;
        onNextModal([&](QWidget* w) {
            seen = static_cast<TPreferencje*>(w)->shown();
            typeInto(w, Qt::Key_Escape);
        });
        dialog.exec();
        EXPECT_EQ(seen, before) << i;
    }
}

TEST(PreferencesDialog, ShowsSettingsChangedElsewhereSinceItWasLastOpen) {
    Preferences prefs;
    TPreferencje dialog(prefs);
    prefs = Preferences::fromRegistryTexts(QStringLiteral("Nie"), QStringLiteral("Nie"));
    Preferences seen;
    onNextModal([&](QWidget* w) {
        seen = static_cast<TPreferencje*>(w)->shown();
        typeInto(w, Qt::Key_Escape);
    });
    dialog.exec();
    EXPECT_EQ(seen, prefs);
}

TEST(PreferencesDialog, WithoutTheRightChangesCannotBeConfirmed) {
    Preferences prefs;
    TPreferencje dialog(prefs);
    dialog.setOkEnabled(false);
    onNextModal([](QWidget* w) {
        auto* ok = child<QPushButton>(w, "ButtonOK");
        EXPECT_FALSE(ok->isEnabled());
        flipBoth(w);
        typeInto(w, Qt::Key_Return);
        QTest::mouseClick(ok, Qt::LeftButton);
        static_cast<QDialog*>(w)->accept();
        EXPECT_TRUE(w->isVisible());
        typeInto(w, Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(prefs, Preferences{});

    dialog.setOkEnabled(true);
    onNextModal([](QWidget* w) {
        flipBoth(w);
        typeInto(w, Qt::Key_Return);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_FALSE(prefs.askWhichCompany);
}

}  // namespace
}  // namespace shell
