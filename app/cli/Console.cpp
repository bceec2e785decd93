#include "cli/Console.h"
#include "cli/CliHelp.h"

#include "shared/Platform.h"

#include <QCoreApplication>
#include <algorithm>

namespace cs::cli {

bool writeBytes(std::FILE* out, const QByteArray& bytes)
{
    const size_t written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out);
    return std::fflush(out) == 0 && written == size_t(bytes.size()) && !std::ferror(out);
}

bool writeUtf8(std::FILE* out, const QString& text)
{
    return writeBytes(out, text.toUtf8());
}

QString fitLine(const QString& line, int columns)
{
    if (displayWidth(line) < columns)
        return line;
    QString out;
    int width = 1; // the ellipsis
    for (const char32_t c : line.toUcs4()) {
        const QString one = QStringView(QChar::fromUcs4(c)).toString();
        if (width + displayWidth(one) >= columns)
            break;
        out += one;
        width += displayWidth(one);
    }
    return out + QStringLiteral("…");
}

QString progressLine(const QString& caption, int value, int minimum, int maximum, int columns)
{
    const int span = maximum - minimum;
    const double share = span > 0 ? std::clamp(double(value - minimum) / span, 0.0, 1.0) : 0.0;
    const QString percent = QStringLiteral("%1%").arg(int(share * 100 + 0.5), 3);
    // "CAPTION [BAR] PERCENT": eight columns beside the caption and the bar.
    const int bar = std::min(30, columns - 1 - displayWidth(caption) - 8);
    if (bar < 10)
        return fitLine(caption + QLatin1Char(' ') + percent, columns);
    const int filled = int(share * bar + 0.5);
    return QStringLiteral("%1 [%2%3] %4")
        .arg(caption, QString(filled, QLatin1Char('#')), QString(bar - filled, QLatin1Char('-')),
             percent);
}

ProgressDisplay::ProgressDisplay(std::FILE* out, bool terminal)
    : out_(out)
    , terminal_(terminal && qEnvironmentVariable("TERM") != QLatin1String("dumb"))
{
}

int ProgressDisplay::columns() const
{
    if (const int width = platform::terminalColumns(out_); width > 0)
        return width;
    bool ok = false;
    const int columns = qEnvironmentVariableIntValue("COLUMNS", &ok);
    return ok && columns > 0 ? columns : 80;
}

void ProgressDisplay::show(const QString& line)
{
    if (!terminal_)
        return;
    const QString fitted = fitLine(line, columns());
    if (fitted == last_)
        return;
    writeUtf8(out_, QStringLiteral("\r") + fitted + QStringLiteral("\x1b[K"));
    drawn_ = true;
    last_ = fitted;
}

void ProgressDisplay::showProgress(const QString& caption, int value, int minimum, int maximum)
{
    if (terminal_)
        show(progressLine(caption, value, minimum, maximum, columns()));
}

void ProgressDisplay::clearLine()
{
    if (drawn_)
        writeUtf8(out_, QStringLiteral("\r\x1b[K"));
    drawn_ = false;
    last_.clear();
}

QByteArray ProgressDisplay::lastLine(const QString& line) const
{
    return (terminal_ ? QByteArray("\r\x1b[K") : QByteArray()) + line.toUtf8() + '\n';
}

QString ConsoleFeedback::messageLine(const Message& message)
{
    return titleText(message.title) + QStringLiteral(": ")
        + QString(message.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void ConsoleFeedback::say(const QString& line)
{
    progress_.clearLine();
    writeUtf8(messages_, line + QLatin1Char('\n'));
}

void ConsoleFeedback::notice(const Message& message)
{
    say(messageLine(message));
}

bool agrees(const QString& answer)
{
    const QString a = answer.trimmed().toLower();
    return a == QLatin1String("y") || a == QLatin1String("yes") || a == QStringLiteral("是")
        || a == QStringLiteral("确定");
}

bool ConsoleFeedback::confirm(const Message& question)
{
    if (confirmation != Confirm::Ask)
        return confirmation == Confirm::Agree;
    progress_.clearLine();
    const QString warning = question.text.section(QStringLiteral("\r\n"), 0, 0);
    say(messageLine({warning, question.style, question.title}));
    writeUtf8(messages_,
              QCoreApplication::translate(
                  "cli", "Go on? Type y or yes to go on, anything else cancels: "));
    QByteArray answer;
    int c = 0;
    while ((c = std::fgetc(answers)) != EOF && c != '\n')
        answer += char(c);
    if (c == EOF) // Ctrl+D: the next line starts on a line of its own
        writeUtf8(messages_, QStringLiteral("\n"));
    return agrees(QString::fromUtf8(answer));
}

void ConsoleFeedback::showPrompt(Prompt prompt)
{
    say(promptWords(prompt));
}

} // namespace cs::cli
