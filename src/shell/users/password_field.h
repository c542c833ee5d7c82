#pragma once
// Password fields show one "*" per character typed, whatever the style would draw.

#include <QLineEdit>

namespace shell {

inline void setUpPasswordField(QLineEdit* edit, int maxLength) {
    edit->setEchoMode(QLineEdit::Password);
    edit->setMaxLength(maxLength);
    edit->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
}

}  // namespace shell
