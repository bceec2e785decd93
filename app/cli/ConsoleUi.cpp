#include "cli/ConsoleUi.h"

#include "commands/CommandPattern.h"

#include <QCoreApplication>
#include <algorithm>

namespace cs::cli {

void writeUtf8(std::FILE* out, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out);
    std::fflush(out);
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

ProgressDisplay::ProgressDisplay(BackupView& view, std::FILE* out) : view_(view), out_(out)
{
    connect(&view_, &BackupView::changed, this, &ProgressDisplay::draw);
}

void ProgressDisplay::begin()
{
    active_ = true;
    last_.clear();
}

void ProgressDisplay::end()
{
    clearLine();
    active_ = false;
}

void ProgressDisplay::clearLine()
{
    if (drawn_)
        writeUtf8(out_, QStringLiteral("\r\x1b[K"));
    drawn_ = false;
    last_.clear();
}

void ProgressDisplay::show(const QString& line)
{
    if (line == last_)
        return;
    writeUtf8(out_, QStringLiteral("\r") + line + QStringLiteral("\x1b[K"));
    drawn_ = true;
    last_ = line;
}

void ProgressDisplay::draw()
{
    if (!active_ || !view_.progressVisible)
        return;
    const QString line = progressLine(view_.label1Visible ? view_.label1 : QString(), view_.progressValue,
                                      view_.progressMinimum, view_.progressMaximum);
    show(line);
}

QString ConsoleUi::messageLine(const QString& text, const QString& title)
{
    return title + QStringLiteral(": ") + text;
}

int ConsoleUi::messageBox(const QString& text, int style, const QString& title)
{
    const bool shown = style == StyleOkCancel || !(quietSuccess && title == QLatin1String("OK"));
    if (progress_ && shown)
        progress_->clearLine();
    if (style == StyleOkCancel) {
        // A question: its answer, not a failure.
        ++boxes;
        lastText = text;
        QString question = messageLine(QString(text).replace(QStringLiteral("\r\n"),
                                                             QStringLiteral("\n")), title);
        if (confirm != Confirm::Ask) {
            writeUtf8(messages_, question + QLatin1Char('\n'));
            return confirm == Confirm::Agree ? AnswerOk : AnswerCancel;
        }
        writeUtf8(messages_, question + QCoreApplication::translate("cli", " [y/N] "));
        char line[64] = {};
        if (!std::fgets(line, sizeof line, answers))
            return AnswerCancel;
        const QString answer = QString::fromLocal8Bit(line).trimmed().toLower();
        return answer == QLatin1String("y") || answer == QLatin1String("yes") ? AnswerOk
                                                                             : AnswerCancel;
    }
    if (shown)
        writeUtf8(messages_, messageLine(text, title) + QLatin1Char('\n'));
    WindowlessUi::messageBox(text, style, title);
    return AnswerOk;
}

void ConsoleUi::showPrompt(const QString& window)
{
    const QString words = promptCaption(window);
    if (words.isEmpty())
        return;
    if (progress_)
        progress_->clearLine();
    writeUtf8(messages_, words + QLatin1Char('\n'));
}

} // namespace cs::cli
