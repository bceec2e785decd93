#pragma once
// The terminal face of the command line: what an operation tells while it runs
// (a reply with a bad checksum, the prompt while the unit listens, a question)
// becomes lines on standard error, and a progress line stands on the terminal
// while a long operation runs.

#include "shared/Ui.h"

#include <QString>
#include <cstdio>

namespace cs::cli {

// Writes the text as UTF-8 bytes, unchanged, and flushes; false when the
// bytes could not all be written (a full disk, a closed pipe).
bool writeUtf8(std::FILE* out, const QString& text);
bool writeBytes(std::FILE* out, const QByteArray& bytes);

// "正在读取主机内容…… [##########----------]  50%": the caption, a bar of up to 30
// cells filled in proportion to value between minimum and maximum, the
// percentage; all within `columns` less one (a line that reaches the last
// column makes some terminals wrap). A narrow terminal gets a shorter bar, then
// no bar, then a shortened caption.
QString progressLine(const QString& caption, int value, int minimum, int maximum, int columns = 80);

// `line` shortened to fit into `columns` less one, with "…" at its end.
QString fitLine(const QString& line, int columns);

// One line redrawn in place on a terminal (the one writer of carriage
// returns); nothing at all elsewhere, or on a terminal without cursor control
// (TERM=dumb).
class ProgressDisplay {
public:
    ProgressDisplay(std::FILE* out, bool terminal);
    // Draws the line, fitted to the terminal's width (only when it changed).
    void show(const QString& line);
    // Draws a progress line: caption, bar and percentage.
    void showProgress(const QString& caption, int value, int minimum, int maximum);
    // Wipes the line (before a message is written); the next show draws it again.
    void clearLine();
    // The bytes that wipe the line, if one may stand, and write `line` as the
    // program's last (for a signal handler to write as they are).
    QByteArray lastLine(const QString& line) const;
    bool terminal() const { return terminal_; }
    // The terminal's width now (COLUMNS, else 80, when it cannot be asked).
    int columns() const;

private:
    std::FILE* out_;
    bool terminal_;
    bool drawn_ = false;
    QString last_;
};

// How a question (OK and Cancel) is answered.
enum class Confirm {
    Decline, // Cancel: nobody is there to agree to it
    Ask,     // asked on the terminal, answered on standard input
    Agree,   // OK without a question (--yes)
};

// Whether a typed answer agrees: y, yes, 是 or 确定 (case and blanks aside).
bool agrees(const QString& answer);

class ConsoleFeedback : public Feedback {
public:
    ConsoleFeedback(std::FILE* messages, ProgressDisplay& progress)
        : messages_(messages)
        , progress_(progress)
    {
    }

    // "TITLE: TEXT" on a line of its own.
    void notice(const Message& message) override;
    // Ask: the question's first line (its warning) and a question of the
    // command line's own; the window's words on its buttons are left out.
    bool confirm(const Message& question) override;
    // The prompt window's words, on a line of their own.
    void showPrompt(Prompt prompt) override;
    void hidePrompt(Prompt) override { }

    // Writes a line (the progress line is wiped first). A line equal to the
    // one written before it is counted instead (a unit that floods the line
    // with bad replies gives one line, not thousands); the count follows when
    // another line comes, or at endRepeats().
    void say(const QString& line);
    // Writes the start of a line that say() ends ("table 5: ").
    void start(const QString& text);
    // Says how often the last line was repeated, when it was.
    void endRepeats();

    // The line a message becomes, without its line feed.
    static QString messageLine(const Message& message);

    Confirm confirmation = Confirm::Decline;
    std::FILE* answers = stdin; // where Confirm::Ask reads the answer

private:
    std::FILE* messages_;
    ProgressDisplay& progress_;
    QString last_;       // the last whole line written
    qint64 repeats_ = 0; // times it came again since
};

} // namespace cs::cli
