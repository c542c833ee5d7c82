#pragma once
// Small text utilities. A "blank" is the space character; CR and LF are the line breaks of
// stored multi-line texts.

#include <QString>
#include <QStringList>

namespace common {

// Blanks removed at both ends (other white space stays).
QString trim(const QString& text);

// Cut after the last character that is not CR, LF or a blank; a text of nothing but those is
// returned unchanged.
QString trimRightBlank(const QString& text);

// Only CR, LF and blanks (true for the empty text); the second also allows "*".
bool isBlank(const QString& text);
bool isBlankOrStars(const QString& text);

// Every character is an ASCII digit (true for the empty text).
bool isDigits(const QString& text);

// Equal when both are taken in capitals character by character, as Windows-1250 does (so "ß"
// stays "ß" rather than becoming "SS").
bool sameTextIgnoreCase(const QString& a, const QString& b);

QString removeSpaces(const QString& text);
QString removeSpacesAndDashes(const QString& text);

// One line from a multi-line text: CR becomes a blank, LF is dropped, runs of blanks shrink to
// one and leading blanks go.
QString joinLines(const QString& text);

// The stored form of a multi-line field's plain text (lines separated by LF or CR LF): the
// lines joined with CR, a line break at the very end dropped.
QString memoText(const QString& plainText);

// The first n CR-separated lines of a stored text (LF characters ignored), without the empty
// lines at the end; join them with LF for a multi-line field.
QStringList memoLines(const QString& text, int n);

struct TwoParts {
    QString first;
    QString second;
};

// A name split for printing on two lines, at the blank or "-" that leaves the two parts most
// even (the first such on a tie). A blank is dropped; a "-" starts the second part. Without
// either the text is cut in the middle; a text of one character or less stays whole in first.
TwoParts splitInTwo(const QString& text);

// Split at the first no-break space (which is dropped); without one, the whole text is first.
TwoParts splitAtHardSpace(const QString& text);

}  // namespace common
