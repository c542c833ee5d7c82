#pragma once
// The key rules of the numeric entry field, apart from the widget: what a key does to the text,
// caret and selection, or that it is refused (the field beeps).

#include <QString>

#include <optional>

namespace controls {

struct EditState {
    QString text;
    int cursor = 0;
    int selectionStart = 0;  // meaningful when selectionLength > 0
    int selectionLength = 0;
};

struct TypingLimits {
    int digits = 13;   // characters the text may hold
    int decimals = 2;  // digits after the decimal separator; 0 allows none

    // Characters before the separator, a minus sign included.
    int wholeCharacters() const { return decimals > 0 ? digits - decimals - 1 : digits; }
};

inline constexpr QChar kBackspace{u'\b'};

// Applies one typed character: a digit, "-", the decimal separator or kBackspace. The blanks
// between thousands are dropped first (the caret and selection keep their place among the other
// characters), then the selection is deleted and the key applied:
// - "-" only in front of everything, once;
// - the separator once, when decimals are allowed and no more than `decimals` digits follow it;
// - a digit in the whole part while that has room; when it is full and the caret stands at its
//   end, the digit becomes the separator if there is none yet;
// - after the separator at most `decimals` digits; nothing goes in front of a minus sign.
// Returns nullopt when the key is refused; the text is then left as it was.
std::optional<EditState> applyKey(const EditState& state, QChar key, const TypingLimits& limits);

// The text with the thousands separators removed, the caret and selection moved along.
EditState withoutThousandSeparators(const EditState& state);

}  // namespace controls
