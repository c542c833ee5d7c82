#include "shell/users/users_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <exception>

#include "engine/table.h"
#include "shell/company/write_helpers.h"
#include "shell/messages.h"
#include "shell/users/user_session.h"
#include "shell/users/users_write.h"

namespace shell {

namespace {

QPushButton* makeButton(const QString& caption, const QString& hint, const QString& name,
                        QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setToolTip(hint);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TUzytkownicy::TUzytkownicy(UserSession& session, QWidget* parent)
    : QDialog(parent),
      session_(session),
      list_(new QTableWidget(0, 3, this)),
      new_(makeButton(QStringLiteral("&Nowy"), QStringLiteral("Nowy użytkownik"),
                      QStringLiteral("NowaB"), this)),
      edit_(makeButton(QStringLiteral("&Edycja"), QStringLiteral("Edycja danych użytkownika"),
                       QStringLiteral("EditB"), this)),
      delete_(makeButton(QStringLiteral("&Kasowanie"), QStringLiteral("Kasowanie użytkownika"),
                         QStringLiteral("DeleteB"), this)),
      refresh_(makeButton(QStringLiteral("&Odśwież"), QStringLiteral("Odśwież dane"),
                          QStringLiteral("RefreshB"), this)),
      close_(makeButton(QStringLiteral("&Zamknij"), QString(), QStringLiteral("Zamknij"), this)) {
    setObjectName(QStringLiteral("Uzytkownicy"));
    setWindowTitle(QStringLiteral("Użytkownicy"));

    list_->setHorizontalHeaderLabels({QStringLiteral("Imię i Nazwisko"),
                                      QStringLiteral("Identyfikator"), QStringLiteral("Aktywny")});
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setTabKeyNavigation(false);
    list_->verticalHeader()->hide();
    list_->setColumnWidth(0, 260);
    list_->setColumnWidth(1, 110);
    list_->setColumnWidth(2, 70);
    list_->setFixedSize(470, 300);
    list_->installEventFilter(this);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {new_, edit_, delete_, refresh_})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(list_);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(new_, &QPushButton::clicked, this, &TUzytkownicy::NowaBClick);
    connect(edit_, &QPushButton::clicked, this, &TUzytkownicy::EditBClick);
    connect(delete_, &QPushButton::clicked, this, &TUzytkownicy::DeleteBClick);
    connect(refresh_, &QPushButton::clicked, this, &TUzytkownicy::refreshList);
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
    connect(list_, &QTableWidget::cellDoubleClicked, this, [this] { EditBClick(); });

    refreshList();
    list_->setFocus();
}

int TUzytkownicy::kodAt(int row) const {
    const QTableWidgetItem* item = list_->item(row, 0);
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

int TUzytkownicy::selectedKod() const {
    return list_->rowCount() == 0 ? 0 : kodAt(list_->currentRow());
}

void TUzytkownicy::selectKod(int kod) {
    int row = 0;
    for (int r = 0; r < list_->rowCount(); ++r)
        if (kodAt(r) == kod)
            row = r;
    if (list_->rowCount() > 0)
        list_->setCurrentCell(row, 0);
}

void TUzytkownicy::refreshList() {
    const int keep = selectedKod();
    list_->setRowCount(0);
    engine::Table& users = session_.usersCursor();
    try {
        if (users.state() != engine::Table::State::Browse)
            users.cancel();
        users.refresh();
        int row = 0;
        for (users.first(); !users.eof(); users.next(), ++row) {
            list_->insertRow(row);
            const auto cell = [&](int column, const QString& field) {
                auto* item = new QTableWidgetItem(users.fieldByName(field).asString());
                list_->setItem(row, column, item);
                return item;
            };
            cell(0, QStringLiteral("Imie_Nazwisko"))
                ->setData(Qt::UserRole,
                          static_cast<int>(users.fieldByName(QStringLiteral("Kod")).asInteger()));
            cell(1, QStringLiteral("Ident"));
            cell(2, QStringLiteral("Aktywny"));
        }
    } catch (const std::exception&) {
        showMessage(
            company::kCommunicationErrorMessage);
    }
    selectKod(keep);
    const bool any = list_->rowCount() > 0;
    edit_->setEnabled(any);
    delete_->setEnabled(any);
}

int TUzytkownicy::runEditor(TNowyUzytkownik& editor) {
    return editor.exec();
}

void TUzytkownicy::openEditor(TNowyUzytkownik::Mode mode, int kod) {
    TNowyUzytkownik editor(session_, mode, kod, this);
    int shown = selectedKod();
    if (editor.loaded() && runEditor(editor) == QDialog::Accepted &&
        mode == TNowyUzytkownik::Mode::New)
        shown =
            static_cast<int>(session_.usersCursor().fieldByName(QStringLiteral("Kod")).asInteger());
    refreshList();
    selectKod(shown);
}

void TUzytkownicy::NowaBClick() {
    if (!session_.requireRight(UserSession::kEditUsersRight))
        return;
    openEditor(TNowyUzytkownik::Mode::New, 0);
}

void TUzytkownicy::EditBClick() {
    const int kod = selectedKod();
    if (kod == 0)
        return;
    if (!session_.currentUserIsAdministrator() &&
        !session_.requireRight(QStringLiteral("Przeglad_uzytkownikow")))
        return;
    if (!probeUserEdit(session_.usersCursor(), kod)) {
        refreshList();
        return;
    }
    openEditor(TNowyUzytkownik::Mode::Edit, kod);
}

void TUzytkownicy::DeleteBClick() {
    const int kod = selectedKod();
    if (kod == 0)
        return;
    if (!session_.requireRight(UserSession::kEditUsersRight))
        return;
    if (kod == UserSession::kAdministratorKod) {
        showMessage(QStringLiteral("Nie można usunąć administratora."));
        return;
    }
    openEditor(TNowyUzytkownik::Mode::Delete, kod);
}

bool TUzytkownicy::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
            case Qt::Key_Minus:
                NowaBClick();
                return true;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                EditBClick();
                return true;
            default:
                break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace shell
