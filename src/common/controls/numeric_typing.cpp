#include "common/controls/numeric_typing.h"

#include "common/formats.h"

namespace controls {
namespace {

using common::kDecimalSeparator;

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

EditState insertAt(EditState s, QChar c) {
    s.text.insert(s.cursor, c);
    ++s.cursor;
    return s;
}

}  // namespace

EditState withoutThousandSeparators(const EditState& state) {
    EditState out;
    const auto shift = [&state](int position) {
        int removed = 0;
        for (int i = 0; i < position && i < state.text.size(); ++i)
            if (state.text.at(i) == common::kThousandSeparator)
                ++removed;
        return position - removed;
    };
    out.text = state.text;
    out.text.remove(common::kThousandSeparator);
    out.cursor = shift(state.cursor);
    if (state.selectionLength > 0) {
        out.selectionStart = shift(state.selectionStart);
        out.selectionLength =
            shift(state.selectionStart + state.selectionLength) - out.selectionStart;
    }
    return out;
}

std::optional<EditState> applyKey(const EditState& state, QChar key, const TypingLimits& limits) {
    if (key != kBackspace && key != u'-' && key != kDecimalSeparator && !isDigit(key))
        return std::nullopt;

    EditState s = withoutThousandSeparators(state);
    if (s.selectionLength > 0) {
        s.text.remove(s.selectionStart, s.selectionLength);
        s.cursor = s.selectionStart;
        s.selectionLength = 0;
        if (key == kBackspace)
            return s;
    }
    s.selectionStart = 0;
    const QString& t = s.text;
    const int c = s.cursor;

    if (key == kBackspace) {
        if (c > 0) {
            s.text.remove(c - 1, 1);
            --s.cursor;
        }
        return s;
    }

    const bool minusInFront = t.startsWith(u'-');
    if (c == 0 && minusInFront)
        return std::nullopt;
    const int separator = static_cast<int>(t.indexOf(kDecimalSeparator));
    const int whole = separator >= 0 ? separator : static_cast<int>(t.size());
    const int wholeLimit = limits.wholeCharacters();

    if (key == u'-') {
        if (c != 0 || whole + 1 > wholeLimit || t.size() + 1 > limits.digits)
            return std::nullopt;
        return insertAt(s, key);
    }

    if (key == kDecimalSeparator) {
        if (limits.decimals <= 0 || separator >= 0 || c > wholeLimit ||
            t.size() - c > limits.decimals || t.size() + 1 > limits.digits)
            return std::nullopt;
        return insertAt(s, key);
    }

    // A digit.
    if (separator >= 0 && c > separator) {
        if (t.size() - separator - 1 >= limits.decimals)
            return std::nullopt;
        return insertAt(s, key);
    }
    if (whole < wholeLimit && t.size() < limits.digits)
        return insertAt(s, key);
    if (separator < 0 && limits.decimals > 0 && whole == wholeLimit && c == wholeLimit)
        return insertAt(s, kDecimalSeparator);
    return std::nullopt;
}

}  // namespace controls
