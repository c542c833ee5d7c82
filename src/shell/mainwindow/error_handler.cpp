#include "shell/mainwindow/error_handler.h"

#include <QCoreApplication>
#include <QThread>

#include "shell/messages.h"

namespace shell {
namespace {

// Error texts of the lower layers that have a message of their own.
const QString kInvalidInput = QStringLiteral("Invalid input value.  Use");
const QString kPrinterNotSupported = QStringLiteral("Operation not supported on selected printer");
const QString kNoDefaultPrinter = QStringLiteral("There is no default printer");
const QString kCannotFocus = QStringLiteral("Cannot focus a");

}  // namespace

ErrorReaction reactionToError(const QString& errorText) {
    if (errorText.startsWith(kInvalidInput))
        return {QStringLiteral("Wpisz poprawną wartość lub wciśnij Esc w celu anulowania zmian."), false};
    if (errorText.startsWith(kPrinterNotSupported))
        return {QStringLiteral("System operacyjny zgłosił błąd sterownika drukarki. Jeśli drukowanie się\r"
                               "nie zacznie, należy zrestartować Windows i uruchomić program ponownie."),
                false};
    if (errorText.startsWith(kConnectionLostError))
        return {QStringLiteral(
                    "Brak komunikacji z serwerem. Program zostanie zakończony.\r"
                    "Upewnij się, że serwer jest aktywny i uruchom program ponownie.\r"
                    "Jeżeli problem będzie się powtarzał przy działającym serwerze,\r"
                    "należy zwiększyć parametry czasowe sprawdzania obecności klientów\r"
                    "w oknie konfiguracji serwera."),
                true};
    if (errorText.startsWith(kNoDefaultPrinter))
        return {QStringLiteral(
                    "Program nie może drukować, gdyż system Windows zgłasza brak drukarki\r"
                    "domyślnej. Być może nie zainstalowano jeszcze żadnej drukarki.\r"
                    "Po usunięciu problemu spróbuj ponownie wydrukować dokument."),
                false};
    if (errorText.startsWith(kCannotFocus)) return {QString(), false};
    return {QStringLiteral("W czasie działania programu wystąpił następujący błąd:\r") + errorText +
                QStringLiteral("\rProsimy o przesłanie treści powyższego komunikatu wraz z dokładnym "
                               "opisem okoliczności\rna adres ") +
                kSupportAddress +
                QStringLiteral("\rPozwoli to na szybkie usunięcie przyczyny błędu w następnej wersji "
                               "programu."),
            false};
}

void handleUncaughtError(const QString& errorText) {
    const ErrorReaction r = reactionToError(errorText);
    if (r.message.isEmpty()) {
        QThread::msleep(10);
        return;
    }
    showMessage(r.message);
    if (r.endProgram) QCoreApplication::exit(1);
}

}  // namespace shell
