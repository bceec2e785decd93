#include "commands/LearningRun.h"
#include "commands/CommandInputs.h"

#include <QCoreApplication>

namespace cs {

namespace {

// The window's texts, translated under the context "LearningWindow".
struct LearningText {
    Q_DECLARE_TR_FUNCTIONS(LearningWindow)
};

} // namespace

QString LearningRun::waitingText() const
{
    return table > 0 ? LearningText::tr("餐桌 %1").arg(table) : QString();
}

QString LearningRun::attemptText() const
{
    return table > 0 && attempt > 1 ? LearningText::tr("第%1次请求").arg(attempt) : QString();
}

void LearningRun::requestStop()
{
    if (running)
        stopRequested = true;
}

Outcome LearningRun::start(const QString& firstText, const QString& lastText,
                           const TableFields& fields)
{
    const auto range = checkTableRange(firstText, lastText);
    if (!range) {
        const Outcome refused = range.problem().outcome();
        present(ui_, refused);
        return refused;
    }
    first = range->first;
    last = range->second;
    running = true;
    stopRequested = false;
    learned.clear();
    status = LearningText::tr("正在学习餐桌%1至%2……").arg(first).arg(last);
    emit changed();

    LearningEvents events;
    events.waiting = [this](int waiting, int attempts) {
        table = waiting;
        attempt = attempts;
        emit changed();
    };
    events.learned = [this](int done, const QByteArray& code) {
        learned.append({done, QString::fromLatin1(code.toHex().toUpper())});
        emit changed();
        emit tableLearned(done);
    };
    BatchControl control;
    control.stop = [this] { return stopRequested; };
    LearningEnd end;
    {
        // The next table's request leaves as soon as a reply is complete.
        const FastRepliesScope fast(link_);
        end = learnTables(commands_, first, last, fields, DefaultLearningTries, control, events);
    }
    running = false;
    stopRequested = false;
    table = 0;
    attempt = 0;
    status = endText(end);
    emit changed();

    const bool unanswered = end.outcome.cause == Cause::Unanswered;
    if (end.outcome.done())
        ui_.message({LearningText::tr("%1张餐桌学习完成！").arg(end.learned)});
    else if (unanswered)
        ui_.message(stopMessage(status));
    else if (end.outcome.ending != Ending::Stopped)
        present(ui_, end.outcome);
    return end.outcome;
}

QString LearningRun::learnedText(const LearningEnd& end) const
{
    const int all = last - first + 1;
    if (end.learned == 0)
        return LearningText::tr("没有学习任何餐桌（0/%1）").arg(all);
    return LearningText::tr("已学习餐桌%1至%2（%3/%4）")
        .arg(first)
        .arg(first + end.learned - 1)
        .arg(end.learned)
        .arg(all);
}

QString LearningRun::endText(const LearningEnd& end) const
{
    if (end.outcome.done())
        return LearningText::tr("餐桌%1至%2全部学习完成。").arg(first).arg(last);
    if (end.outcome.ending == Ending::Refused)
        return QString();
    const QString learnedPart = learnedText(end);
    if (end.outcome.ending == Ending::Stopped)
        return LearningText::tr("已停止：%1；餐桌%2未学习。").arg(learnedPart).arg(end.nextTable);
    if (end.outcome.cause == Cause::Unanswered)
        return LearningText::tr(
                   "餐桌%1：%2次请求都没有回应：没有人按呼叫器的键，或者主机没有应答；%3。")
            .arg(end.nextTable)
            .arg(end.attempts)
            .arg(learnedPart);
    return LearningText::tr("在餐桌%1结束：%2。").arg(end.nextTable).arg(learnedPart);
}

} // namespace cs
