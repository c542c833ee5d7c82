#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "modal_driver.h"
#include "shell/dialogs/journal_form.h"

namespace shell {
namespace {

using testing::child;
using testing::onNextModal;
using testing::typeInto;

struct JournalCase {
    const char* name;
    InterruptedChange kind;
    QString secondLine;
    QString button;
};

void PrintTo(const JournalCase& c, std::ostream* os) {
    *os << c.name;
}

class JournalWindow : public ::testing::TestWithParam<JournalCase> {};

TEST_P(JournalWindow, NamesTheCompanyAndSaysWhatHappens) {
    const JournalCase& c = GetParam();
    TJournalForm form(QStringLiteral("@Rolvanm@ALFA"), QStringLiteral("/dane/DANE/ALFA"), c.kind);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Rolvan 2000"));
    EXPECT_EQ(child<QLabel>(&form, "LabelFirma")->text(), QStringLiteral("Firma: @Rolvanm@ALFA"));
    EXPECT_EQ(child<QLabel>(&form, "LabelSciezka")->text(),
              QStringLiteral("Ścieżka: /dane/DANE/ALFA"));
    auto* first = child<QLabel>(&form, "LabelPrzerwano");
    auto* second = child<QLabel>(&form, "LabelSkutek");
    EXPECT_EQ(first->text(),
              QStringLiteral("Podczas poprzedniego uruchomienia działanie programu "
                             "zostało przerwane w trakcie modyfikacji bazy danych."));
    EXPECT_EQ(second->text(), c.secondLine);
    for (QLabel* warning : {first, second})
        EXPECT_EQ(warning->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(child<QPushButton>(&form, "ButtonOK")->text(), c.button);

    onNextModal([](QWidget* w) {
        EXPECT_TRUE(w->isModal());
        typeInto(w, Qt::Key_Return);
    });
    EXPECT_EQ(form.exec(), QDialog::Accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JournalWindow,
    ::testing::Values(JournalCase{"Complete", InterruptedChange::Complete,
                                  "Przerwana czynność zostanie teraz dokończona.", "OK"},
                      JournalCase{"Incomplete", InterruptedChange::Incomplete,
                                  "Przerwana czynność została w całości anulowana i powinna "
                                  "zostać powtórzona.",
                                  "&OK"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JournalWindowWidth, LongFolderIsShownWhole) {
    const QString folder =
        QStringLiteral("/home/uzytkownik/.local/share/rolvanm/DANE/") + QString(60, u'K');
    TJournalForm form(QStringLiteral("@Rolvanm@K"), folder, InterruptedChange::Incomplete);
    form.adjustSize();
    auto* label = child<QLabel>(&form, "LabelSciezka");
    EXPECT_GE(label->width(), label->sizeHint().width());
}

}  // namespace
}  // namespace shell
