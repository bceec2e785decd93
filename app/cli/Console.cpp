#include "cli/Console.h"

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

QString progressLine(const QString& caption, int value, int minimum, int maximum, int width)
{
    const int span = maximum - minimum;
    const double share = span > 0 ? std::clamp(double(value - minimum) / span, 0.0, 1.0) : 0.0;
    const int filled = int(share * width + 0.5);
    return QStringLiteral("%1 [%2%3] %4%")
        .arg(caption, QString(filled, QLatin1Char('#')), QString(width - filled, QLatin1Char('-')))
        .arg(int(share * 100 + 0.5), 3);
}

void ProgressDisplay::show(const QString& line)
{
    if (!terminal_ || line == last_)
        return;
    writeUtf8(out_, QStringLiteral("\r") + line + QStringLiteral("\x1b[K"));
    drawn_ = true;
    last_ = line;
}

void ProgressDisplay::clearLine()
{
    if (drawn_)
        writeUtf8(out_, QStringLiteral("\r\x1b[K"));
    drawn_ = false;
    last_.clear();
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

bool ConsoleFeedback::confirm(const Message& question)
{
    progress_.clearLine();
    const QString line = messageLine(question);
    if (confirmation != Confirm::Ask) {
        writeUtf8(messages_, line + QLatin1Char('\n'));
        return confirmation == Confirm::Agree;
    }
    writeUtf8(messages_, line + QCoreApplication::translate("cli", " [y/N] "));
    char answer[64] = {};
    if (!std::fgets(answer, sizeof answer, answers))
        return false;
    const QString a = QString::fromLocal8Bit(answer).trimmed().toLower();
    return a == QLatin1String("y") || a == QLatin1String("yes");
}

void ConsoleFeedback::showPrompt(Prompt prompt)
{
    say(promptWords(prompt));
}

} // namespace cs::cli
