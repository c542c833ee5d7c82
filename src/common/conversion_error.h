#pragma once
// The one error the helpers raise: a text that does not read as the number or date asked for.
// Callers catch it and show their own message; text() is the offending text.

#include <QString>

#include <stdexcept>

namespace common {

class ConversionError : public std::runtime_error {
  public:
    ConversionError(const QString& text, const QString& message)
        : std::runtime_error(message.toStdString()), text_(text) {}

    const QString& text() const { return text_; }

  private:
    QString text_;
};

}  // namespace common
