#include "shell/users/user_editor.h"

#include "shell/dialogs/enter_moves_on.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>

#include "engine/table.h"
#include "shell/users/password_field.h"
#include "shell/users/user_editing.h"
#include "shell/users/user_rights.h"
#include "shell/users/user_session.h"

namespace shell {

const QString TNowyUzytkownik::kUnchangedPassword = QStringLiteral("¤§¶§¤");

namespace {

const QString kRightsTitle = QStringLiteral("Uprawnienia");
const QString kAdministratorRightsTitle =
    QStringLiteral("Administratorowi przysługują wszystkie prawa i nie można tego zmienić");

// Titled groups side by side, this many to a row.
constexpr int kGroupsPerRow = 5;
// The single rights below them, in this many columns.
constexpr int kSingleColumns = 2;

}  // namespace

TNowyUzytkownik::TNowyUzytkownik(UserSession& session, Mode mode, int kod, QWidget* parent)
    : QDialog(parent),
      session_(session),
      mode_(mode),
      kod_(mode == Mode::New ? 0 : kod),
      name_(new QLineEdit(this)),
      ident_(new QLineEdit(this)),
      password_(new QLineEdit(this)),
      repeat_(new QLineEdit(this)),
      active_(new QCheckBox(QStringLiteral("Aktywny"), this)),
      rightsGroup_(new QGroupBox(kRightsTitle, this)),
      save_(new QPushButton(QStringLiteral("&Zapisz"), this)),
      cancel_(new QPushButton(QStringLiteral("&Anuluj"), this)) {
    setObjectName(QStringLiteral("NowyUzytkownik"));
    name_->setMaxLength(40);
    ident_->setMaxLength(8);
    setUpPasswordField(password_, 10);
    setUpPasswordField(repeat_, 10);

    auto* form = new QFormLayout;
    const auto addRow = [&](const QString& caption, QLineEdit* edit) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(edit);
        form->addRow(label, edit);
    };
    addRow(QStringLiteral("Imię i &Nazwisko"), name_);
    addRow(QStringLiteral("&Identyfikator"), ident_);
    addRow(QStringLiteral("&Hasło"), password_);
    addRow(QStringLiteral("&Powtórz hasło"), repeat_);
    form->addRow(QString(), active_);

    buildRights();

    // Enter moves between the fields here, so no button may take it.
    for (QPushButton* button : {save_, cancel_}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(rightsGroup_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(save_, &QPushButton::clicked, this, &TNowyUzytkownik::ZapiszClick);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    for (QLineEdit* edit : {password_, repeat_})
        connect(edit, &QLineEdit::textEdited, this, [this] { passwordEdited_ = true; });

    load();
    applyMode();
    name_->setFocus();
}

void TNowyUzytkownik::buildRights() {
    auto* grid = new QGridLayout(rightsGroup_);
    int titled = 0;
    int singles = 0;
    QList<QCheckBox*> singleBoxes;
    for (const RightGroup& group : rightGroups()) {
        QWidget* holder = rightsGroup_;
        QVBoxLayout* column = nullptr;
        if (!group.title.isEmpty()) {
            auto* box = new QGroupBox(group.title, rightsGroup_);
            column = new QVBoxLayout(box);
            holder = box;
            if (group.hidden)
                box->hide();
            else {
                grid->addWidget(box, titled / kGroupsPerRow, titled % kGroupsPerRow, Qt::AlignTop);
                ++titled;
            }
        }
        for (const RightBox& right : group.boxes) {
            auto* check = new QCheckBox(right.caption, holder);
            rightBoxes_.insert(right.field, check);
            if (column)
                column->addWidget(check);
            else
                singleBoxes << check;
        }
        if (column)
            column->addStretch();
    }
    const int firstSingleRow = (titled + kGroupsPerRow - 1) / kGroupsPerRow;
    const int perColumn =
        (static_cast<int>(singleBoxes.size()) + kSingleColumns - 1) / kSingleColumns;
    const int span = kGroupsPerRow / kSingleColumns;
    for (QCheckBox* check : singleBoxes) {
        grid->addWidget(check, firstSingleRow + singles % perColumn, (singles / perColumn) * span,
                        1, span);
        ++singles;
    }
}

void TNowyUzytkownik::load() {
    if (mode_ == Mode::New) {
        try {
            forAdministrator_ = session_.isEmpty();
        } catch (const std::exception&) {
            forAdministrator_ = false;
        }
        active_->setChecked(true);
        for (QCheckBox* check : std::as_const(rightBoxes_))
            check->setChecked(true);
        return;
    }
    forAdministrator_ = kod_ == UserSession::kAdministratorKod;
    std::optional<StoredUser> user;
    try {
        user = readUser(session_, kod_);
    } catch (const std::exception&) {
        user.reset();
    }
    loaded_ = user.has_value();
    if (!user)
        return;
    name_->setText(user->name);
    ident_->setText(user->ident);
    password_->setText(kUnchangedPassword);
    repeat_->setText(kUnchangedPassword);
    active_->setChecked(user->active);
    for (auto it = rightBoxes_.cbegin(); it != rightBoxes_.cend(); ++it)
        it.value()->setChecked(user->rights.value(it.key(), true));
}

void TNowyUzytkownik::applyMode() {
    const bool administratorEditing = session_.currentUserIsAdministrator();
    bool canChange = true;
    switch (mode_) {
        case Mode::New:
            setWindowTitle(forAdministrator_ ? QStringLiteral("Wprowadź dane administratora")
                                             : QStringLiteral("Nowy użytkownik"));
            break;
        case Mode::Edit:
            canChange = administratorEditing;
            if (forAdministrator_)
                setWindowTitle(canChange ? QStringLiteral("Zmiana danych administratora")
                                         : QStringLiteral("Dane administratora"));
            else
                setWindowTitle(canChange ? QStringLiteral("Zmiana danych użytkownika")
                                         : QStringLiteral("Dane użytkownika"));
            break;
        case Mode::Delete:
            canChange = false;
            setWindowTitle(QStringLiteral("Kasowanie użytkownika"));
            save_->setText(QStringLiteral("&Usuń"));
            break;
    }
    for (QLineEdit* edit : {name_, ident_, password_, repeat_})
        edit->setEnabled(canChange);
    const bool rightsChangeable = canChange && !forAdministrator_;
    active_->setEnabled(rightsChangeable);
    rightsGroup_->setEnabled(rightsChangeable);
    rightsGroup_->setTitle(forAdministrator_ ? kAdministratorRightsTitle : kRightsTitle);
    canSave_ = loaded_ && (mode_ == Mode::Delete || canChange);
    save_->setVisible(mode_ == Mode::Delete || canChange);
}

QLineEdit* TNowyUzytkownik::fieldWidget(UserField field) const {
    switch (field) {
        case UserField::Name:
            return name_;
        case UserField::Ident:
            return ident_;
        case UserField::Password:
            return password_;
        case UserField::Repeat:
            return repeat_;
        case UserField::None:
            break;
    }
    return nullptr;
}

void TNowyUzytkownik::ZapiszClick() {
    if (!canSave_)
        return;
    if (mode_ == Mode::Delete) {
        if (deleteUser(session_, kod_))
            accept();
        return;
    }
    UserDraft draft;
    draft.name = name_->text();
    draft.ident = ident_->text();
    draft.password = password_->text();
    draft.repeat = repeat_->text();
    draft.passwordEdited = mode_ == Mode::New || passwordEdited_;
    draft.active = forAdministrator_ || active_->isChecked();
    for (auto it = rightBoxes_.cbegin(); it != rightBoxes_.cend(); ++it)
        draft.rights.insert(it.key(), it.value()->isChecked());

    const SaveOutcome outcome = saveUser(session_, kod_, draft, windowTitle());
    if (outcome.saved) {
        accept();
        return;
    }
    if (QLineEdit* field = fieldWidget(outcome.focus))
        field->setFocus();
}

void TNowyUzytkownik::keyPressEvent(QKeyEvent* event) {
    if (!enterMovesOn(this, event, [this] { focusNextChild(); }))
        QDialog::keyPressEvent(event);
}

void TNowyUzytkownik::done(int result) {
    engine::Table& users = session_.usersCursor();
    if (users.state() == engine::Table::State::Edit ||
        users.state() == engine::Table::State::Insert) {
        try {
            users.cancel();
        } catch (const std::exception&) {
        }
    }
    QDialog::done(result);
}

}  // namespace shell
