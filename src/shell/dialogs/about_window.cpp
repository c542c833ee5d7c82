#include "shell/dialogs/about_window.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

namespace {

constexpr auto kCaption = "Informacje o programie";

QLabel* label(QWidget* parent, const char* name, const QString& text, int pointDelta = 0,
              bool bold = false) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
    l->setAlignment(Qt::AlignHCenter);
    if (pointDelta != 0 || bold) {
        QFont font = l->font();
        if (pointDelta != 0 && font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() + pointDelta);
        font.setBold(bold);
        l->setFont(font);
    }
    return l;
}

QHBoxLayout* centred(QWidget* widget) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(widget);
    row->addStretch();
    return row;
}

}  // namespace

TTytul::TTytul(Mode mode, QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Tytul"));
    setWindowTitle(QString::fromUtf8(kCaption));

    // Without a frame the window needs an edge of its own.
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Raised);
    frame->setLineWidth(2);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);

    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(32, 24, 32, 20);
    layout->setSpacing(6);
    tytul_ = label(frame, "LabelTytul", QStringLiteral("Rolvan M"), 10, true);
    layout->addWidget(tytul_);
    layout->addWidget(label(frame, "LabelWersja", QStringLiteral("Wersja 1.96"), 2));
    layout->addSpacing(12);
    layout->addWidget(label(frame, "LabelProducent",
                            QStringLiteral("Pracownia Programów Jarzębina sp. z o.o."), 0, true));
    layout->addWidget(label(frame, "LabelAdres", QStringLiteral("ul. Ogrodowa 7, 61-000 Poznań")));
    layout->addWidget(
        label(frame, "LabelKontakt", QStringLiteral("tel. 61 000 00 00, biuro@jarzebina.example")));

    if (mode == Mode::About) {
        setModal(true);
        layout->addSpacing(12);
        auto* ok = new QPushButton(QStringLiteral("Ok"), frame);
        ok->setObjectName(QStringLiteral("ButtonOk"));
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        layout->addLayout(centred(ok));
        ok->setFocus();
    }
    outer->setSizeConstraint(QLayout::SetFixedSize);
}

void TTytul::showAbout() {
    TTytul window(Mode::About, QApplication::activeWindow());
    window.exec();
}

TWitaj::TWitaj(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("Witaj"));
    setWindowTitle(QString::fromUtf8(kCaption));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->addWidget(
        label(this, "LabelPierwsze", QStringLiteral("Pierwsze uruchomienie programu"), 2, true));
    layout->addSpacing(8);
    QLabel* info = label(this, "LabelInfo",
                         QStringLiteral("Za chwilę program poprosi o wpisanie danych "
                                        "Administratora, czyli głównego użytkownika."));
    info->setWordWrap(true);
    layout->addWidget(info);
    layout->addSpacing(12);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ButtonOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addLayout(centred(ok));
    setFixedWidth(400);
    ok->setFocus();
}

void TWitaj::showWelcome() {
    TWitaj window(QApplication::activeWindow());
    window.exec();
}

}  // namespace shell
