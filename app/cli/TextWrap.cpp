#include "cli/TextWrap.h"

#include <QList>
#include <algorithm>

namespace cs::cli {

// East Asian wide characters: CJK, Hangul, full-width forms.
bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F)
        || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF)
        || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
        || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

// Wide punctuation that never starts a line, and that never ends one.
bool closing(char32_t c)
{
    return c <= 0xFFFF && QStringView(u"，。、；：？！）」』”’》").contains(QChar(char16_t(c)));
}

bool opening(char32_t c)
{
    return c <= 0xFFFF && QStringView(u"（「『“‘《").contains(QChar(char16_t(c)));
}

namespace {

// One unit of wrapping; `blank` when blanks stand before it.
struct Piece {
    QList<char32_t> text;
    int width = 0;
    bool blank = false;
};

// A word of a list ("音调1") is kept whole; Chinese prose, which has no
// blanks, may break between any two wide characters (not before closing or
// after opening punctuation).
constexpr int LongestWord = 12;

QList<Piece> pieces(const QString& text)
{
    // Words: runs without blanks, also ended after closing wide punctuation.
    QList<Piece> words;
    bool blank = false, split = true;
    for (const char32_t c : text.toUcs4()) {
        if (c == U' ' || c == U'\n') {
            blank = split = true;
            continue;
        }
        if (split || opening(c))
            words.append(Piece{{}, 0, blank});
        words.last().text.append(c);
        words.last().width += isWide(c) ? 2 : 1;
        split = closing(c);
        blank = false;
    }
    QList<Piece> out;
    for (const Piece& word : words) {
        const bool prose = word.width > LongestWord
            && std::any_of(word.text.begin(), word.text.end(), isWide);
        if (!prose) {
            out.append(word);
            continue;
        }
        bool first = true, lastWide = false, glue = false;
        for (const char32_t c : word.text) {
            const bool wide = isWide(c);
            if (first || (!glue && !closing(c) && (wide || lastWide)))
                out.append(Piece{{}, 0, first && word.blank});
            out.last().text.append(c);
            out.last().width += wide ? 2 : 1;
            glue = opening(c);
            lastWide = wide;
            first = false;
        }
    }
    return out;
}

} // namespace

QString spaces(int n)
{
    return QString(std::max(0, n), QLatin1Char(' '));
}

QStringList wrapLines(const QString& text, int width)
{
    QStringList lines;
    QList<char32_t> line;
    int used = 0;
    for (const Piece& piece : pieces(text)) {
        const int gap = piece.blank && used > 0 ? 1 : 0;
        if (used > 0 && used + gap + piece.width > width) {
            lines << QString::fromUcs4(line.constData(), line.size());
            line.clear();
            used = 0;
        } else if (gap) {
            line.append(U' ');
            used += 1;
        }
        line.append(piece.text);
        used += piece.width;
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines << QString::fromUcs4(line.constData(), line.size());
    return lines;
}

int displayWidth(const QString& text)
{
    int width = 0;
    for (const char32_t c : text.toUcs4())
        width += isWide(c) ? 2 : 1;
    return width;
}

QString wrapText(const QString& text, int width, int indent)
{
    QString out;
    for (const QString& line : wrapLines(text, width - indent))
        out += spaces(indent) + line + QLatin1Char('\n');
    return out;
}

} // namespace cs::cli
