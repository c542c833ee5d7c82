#pragma once
// The two preferences of the program: kept for the run, read from the machine's settings at
// start-up and written back at the end of work.

#include <QString>
#include <QStringView>

namespace shell {

struct Preferences {
    // Names of the machine values that keep them.
    static constexpr QStringView kAskWhichCompanyValue = u"PytajKtóraFirma";
    static constexpr QStringView kAskForBackupValue = u"PytajOKopię";

    // At start-up with several companies: ask which one, or take the one used last.
    bool askWhichCompany = true;
    // Offer a backup before the end of work.
    bool askForBackup = true;

    struct RegistryTexts {
        QString askWhichCompany;
        QString askForBackup;
    };

    // "Tak" turns a preference on, "Nie" off; anything else (an absent value too) keeps the
    // default.
    static Preferences fromRegistryTexts(const QString& pytajKtoraFirma,
                                         const QString& pytajOKopie) {
        Preferences p;
        p.askWhichCompany = fromText(pytajKtoraFirma, p.askWhichCompany);
        p.askForBackup = fromText(pytajOKopie, p.askForBackup);
        return p;
    }

    RegistryTexts toRegistryTexts() const {
        return {toText(askWhichCompany), toText(askForBackup)};
    }

    friend bool operator==(const Preferences&, const Preferences&) = default;

  private:
    static bool fromText(const QString& text, bool fallback) {
        if (text == u"Tak")
            return true;
        if (text == u"Nie")
            return false;
        return fallback;
    }
    static QString toText(bool on) { return on ? QStringLiteral("Tak") : QStringLiteral("Nie"); }
};

}  // namespace shell
