#include "shell/dialogs/journal_form.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace shell {

namespace {

QLabel* addLabel(QWidget* parent, QVBoxLayout* layout, const char* name, const QString& text,
                 bool warning) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setWordWrap(warning);
    if (warning) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::red);
        label->setPalette(palette);
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    layout->addWidget(label);
    return label;
}

}  // namespace

TJournalForm::TJournalForm(const QString& alias, const QString& folder, InterruptedChange kind,
                           QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("JournalForm"));
    setWindowTitle(QStringLiteral("Rolvan 2000"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    QLabel* firma = addLabel(this, layout, "LabelFirma", QStringLiteral("Firma: ") + alias, false);
    QLabel* sciezka =
        addLabel(this, layout, "LabelSciezka", QStringLiteral("Ścieżka: ") + folder, false);
    layout->addSpacing(8);
    addLabel(this, layout, "LabelPrzerwano",
             QStringLiteral("Podczas poprzedniego uruchomienia działanie programu zostało "
                            "przerwane w trakcie modyfikacji bazy danych."),
             true);
    const bool complete = kind == InterruptedChange::Complete;
    addLabel(this, layout, "LabelSkutek",
             complete ? QStringLiteral("Przerwana czynność zostanie teraz dokończona.")
                      : QStringLiteral("Przerwana czynność została w całości anulowana i "
                                       "powinna zostać powtórzona."),
             true);
    layout->addSpacing(8);

    auto* ok = new QPushButton(complete ? QStringLiteral("OK") : QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("ButtonOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    layout->addLayout(buttons);

    // The warnings wrap; a long folder path does not, so it decides the width when it is wider.
    const int margins = layout->contentsMargins().left() + layout->contentsMargins().right();
    setFixedWidth(std::max(
        {460, firma->sizeHint().width() + margins, sciezka->sizeHint().width() + margins}));
    ok->setFocus();
}

void TJournalForm::showFor(const QString& alias, const QString& folder, InterruptedChange kind) {
    TJournalForm form(alias, folder, kind, QApplication::activeWindow());
    form.exec();
}

}  // namespace shell
