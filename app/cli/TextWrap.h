#pragma once
// Text for a terminal: the columns a text takes and its lines within a width,
// for Chinese (no blanks between words, two columns a character) as for English.

#include <QString>
#include <QStringList>

namespace cs::cli {

// East Asian wide characters (CJK, Hangul, full-width forms): two columns each.
bool isWide(char32_t c);
// Wide punctuation that never starts a line, and that never ends one.
bool closing(char32_t c);
bool opening(char32_t c);

// Width of the help's lines.
constexpr int HelpColumns = 79;

// The columns a text takes on a terminal: two for each wide (CJK) character.
int displayWidth(const QString& text);

// The lines of `text` within `width` columns (at blanks, or between wide characters).
QStringList wrapLines(const QString& text, int width);

// `text` broken into lines of at most `width` columns, each line starting with
// `indent` blanks.
QString wrapText(const QString& text, int width, int indent = 0);

// `n` blanks.
QString spaces(int n);

} // namespace cs::cli
