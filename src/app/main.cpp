// The executable: one instance per user, the program folder, and the main window.
#include <QApplication>
#include <QDir>
#include <QTimer>

#include <exception>
#include <memory>

#include "common/formats.h"
#include "company_windows.h"
#include "platform/program_folder.h"
#include "platform/single_instance.h"
#include "shell/dialogs/about_window.h"
#include "shell/mainwindow/error_handler.h"
#include "shell/mainwindow/main_window.h"
#include "shell/mainwindow/program.h"

namespace {

// Errors that escape an event handler end here instead of ending the program.
class RolvanApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            shell::handleUncaughtError(QString::fromUtf8(e.what()));
        } catch (...) {
            shell::handleUncaughtError(QStringLiteral("Unknown error"));
        }
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    RolvanApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("rolvanm"));
    app.setApplicationDisplayName(QStringLiteral("Rolvan M"));

    const auto choice = platform::chooseProgramFolder(QApplication::arguments());
    QDir().mkpath(choice.folder);

    platform::SingleInstance instance;
    if (!instance.claim()) return 0;

    // The title window stands on the screen while the main window and its companions are made.
    auto splash = std::make_unique<shell::TTytul>(shell::TTytul::Mode::Splash);
    splash->show();
    QCoreApplication::processEvents();

    shell::Program program(choice.folder);
    CompanyWindows companyWindows(program);
    splash.reset();
    shell::TMainFoRolvan& window = program.mainWindow();
    QObject::connect(&instance, &platform::SingleInstance::activationRequested, &window, [&window] {
        window.move(0, 0);
        window.showNormal();
        window.raise();
        window.activateWindow();
    });

    common::setLocaleFormats();
    window.show();
    bool started = false;
    QTimer::singleShot(0, &window, [&] {
        started = program.start();
        if (!started) QCoreApplication::exit(0);
    });
    return app.exec();
}
