#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "modal_driver.h"
#include "shell/dialogs/about_window.h"
#include "shell/dialogs/progress_window.h"

namespace shell {
namespace {

using testing::child;
using testing::onNextModal;
using testing::typeInto;

TEST(ProgressWindow, ShowsWithoutBlockingAndStepsUpToTheMaximum) {
    TProgress progress(QStringLiteral("Kopia zapasowa"), 0, 10, 4);
    progress.start();
    EXPECT_TRUE(progress.isVisible());
    EXPECT_FALSE(progress.isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(progress.windowTitle(), QStringLiteral("Kopia zapasowa"));
    auto* bar = child<QProgressBar>(&progress, "ProgressBar");

    QList<int> seen{bar->value()};
    for (int i = 0; i < 4; ++i) {
        progress.stepIt();
        seen << bar->value();
    }
    EXPECT_EQ(seen, (QList<int>{0, 4, 8, 10, 10}));
    progress.close();
    EXPECT_FALSE(progress.isVisible());
}

TEST(ProgressWindow, RangeStartsAtTheCallersMinimum) {
    TProgress progress(QStringLiteral("Odtwarzanie"), 5, 8);
    progress.start();
    EXPECT_EQ(progress.position(), 5);
    progress.stepIt();
    EXPECT_EQ(progress.position(), 6);
    progress.setPosition(2);
    EXPECT_EQ(progress.position(), 5);
    progress.close();
}

TEST(ProgressWindow, UserCannotCloseItButTheOperationCan) {
    TProgress progress(QStringLiteral("Kopia zapasowa"), 0, 3);
    progress.start();
    QTest::keyClick(&progress, Qt::Key_Escape);
    EXPECT_TRUE(progress.isVisible());
    EXPECT_FALSE(progress.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(progress.close());
    EXPECT_FALSE(progress.isVisible());
}

// Enter and Esc close both information windows.
class InformationWindowKeys : public ::testing::TestWithParam<Qt::Key> {};

TEST_P(InformationWindowKeys, AboutCloses) {
    QStringList texts;
    Qt::WindowFlags flags;
    onNextModal([&](QWidget* w) {
        for (const char* name : {"LabelTytul", "LabelWersja"})
            texts << child<QLabel>(w, name)->text();
        texts << child<QPushButton>(w, "ButtonOk")->text() << w->windowTitle();
        flags = w->windowFlags();
        typeInto(w, GetParam());
    });
    TTytul::showAbout();
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Rolvan M"), QStringLiteral("Wersja 1.96"),
                                  QStringLiteral("Ok"), QStringLiteral("Informacje o programie")}));
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
}

TEST_P(InformationWindowKeys, WelcomeCloses) {
    QStringList texts;
    onNextModal([&](QWidget* w) {
        for (const char* name : {"LabelPierwsze", "LabelInfo", "ButtonOK"}) {
            if (auto* label = child<QLabel>(w, name))
                texts << label->text();
            else
                texts << child<QPushButton>(w, name)->text();
        }
        texts << w->windowTitle();
        typeInto(w, GetParam());
    });
    TWitaj::showWelcome();
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Pierwsze uruchomienie programu"),
                                  QStringLiteral("Za chwilę program poprosi o wpisanie danych "
                                                 "Administratora, czyli głównego użytkownika."),
                                  QStringLiteral("OK"), QStringLiteral("Informacje o programie")}));
}

INSTANTIATE_TEST_SUITE_P(Keys, InformationWindowKeys,
                         ::testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape));

TEST(SplashWindow, HasTheEditionTitleAndNoButton) {
    TTytul splash(TTytul::Mode::Splash);
    splash.show();
    EXPECT_FALSE(splash.isModal());
    EXPECT_EQ(child<QLabel>(&splash, "LabelTytul")->text(), QStringLiteral("Rolvan M"));
    EXPECT_TRUE(splash.findChildren<QPushButton*>().isEmpty());
    splash.close();
}

}  // namespace
}  // namespace shell
