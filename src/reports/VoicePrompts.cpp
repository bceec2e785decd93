#include "reports/VoicePrompts.h"
#include "link/RequestCodes.h"
#include "reports/MemoryLayout.h"

namespace cs {

namespace {

CommandPlan voicePlan(std::uint8_t code, const QString& success, const QString& failure)
{
    CommandPlan plan;
    plan.code = code;
    plan.rounds = 2;
    plan.waitSeconds = 1.0;
    plan.timeout = timeoutNotice(false);
    plan.outcomes = {
        successRow(0, success, false),
        {AnyLength, AnyStatus,
         Notice{{QCoreApplication::translate("Commands", "当前信息机类型为数字机，设置失败！"),
                 Style::Info, Title::Err}},
         Ending::Failed, Cause::Unit},
    };
    plan.failureText = failure;
    return plan;
}

// A selected position that fits the list; none when nothing is selected.
std::optional<std::uint8_t> position(int p, int count)
{
    if (p < 0 || p >= count)
        return std::nullopt;
    return std::uint8_t(p);
}

// A list whose empty text means "not set".
std::optional<std::uint8_t> optionalList(const ListChoice& list, int count)
{
    if (list.text.isEmpty())
        return layout::NotSet;
    return position(list.position, count);
}

QString callerPromptFailure()
{
    return QCoreApplication::translate("Commands", "设置呼叫器的语音提示类型失败!");
}

QString handheldFailure()
{
    return QCoreApplication::translate("Commands", "设置手持呼叫器的语音提示类型失败!");
}

Checked<int> checkedPosition(int p, int count, bool notSet, const QString& failure)
{
    if (notSet)
        return int(layout::NotSet);
    if (const auto v = position(p, count))
        return int(*v);
    return InputProblem{stopMessage(failure), Field::None};
}

} // namespace

Checked<int> checkNumberPronunciation(int p)
{
    return checkedPosition(p, 2, false, callerPromptFailure());
}

Checked<int> checkCallOriginator(int p, bool notSet)
{
    return checkedPosition(p, CallOriginatorCount, notSet, callerPromptFailure());
}

Checked<int> checkKeyPrompt(int p, bool notSet)
{
    return checkedPosition(p, VoicePromptCount, notSet, callerPromptFailure());
}

Checked<int> checkHandheldPrompt(int p)
{
    return checkedPosition(p, HandheldPromptCount, false, handheldFailure());
}

std::optional<QByteArray> VoicePrompts::callerPromptPayload(const CallerPromptChoices& c)
{
    const auto pronunciation = position(c.pronunciation, 2);
    const auto originator = optionalList(c.originator, CallOriginatorCount);
    const auto key1 = optionalList(c.key1, VoicePromptCount);
    const std::optional<std::uint8_t> notSent = layout::NotSet;
    const auto key2 = c.sendKey2 ? position(c.key2, VoicePromptCount) : notSent;
    const auto key3 = c.sendKey3 ? position(c.key3, VoicePromptCount) : notSent;
    if (!pronunciation || !originator || !key1 || !key2 || !key3)
        return std::nullopt;
    QByteArray payload;
    for (std::uint8_t b : {*pronunciation, *originator, *key1, *key2, *key3})
        payload.append(char(b));
    return payload;
}

Outcome VoicePrompts::writeCallerPrompts(const CallerPromptChoices& choices)
{
    const CommandPlan plan = voicePlan(
        CallerPromptCode,
        QCoreApplication::translate("Commands", "语音信息机中关于呼叫器的设置成功！"),
        callerPromptFailure());
    CommandRunner runner(link_, port_);
    return runner.run(plan, [&]() -> Built {
        if (auto payload = callerPromptPayload(choices))
            return *payload;
        return InputProblem{stopMessage(plan.failureText)};
    });
}

Outcome VoicePrompts::writeHandheld(std::uint8_t code, int listPosition)
{
    const CommandPlan plan = voicePlan(code, QCoreApplication::translate("Commands", "设置成功！"),
                                       handheldFailure());
    CommandRunner runner(link_, port_);
    return runner.run(plan, [&]() -> Built {
        const auto p = position(listPosition, HandheldPromptCount);
        if (!p)
            return InputProblem{stopMessage(plan.failureText)};
        return QByteArray(1, char(*p));
    });
}

Outcome VoicePrompts::writeHandheldByTable(int p)
{
    return writeHandheld(HandheldByTableCode, p);
}
Outcome VoicePrompts::writeHandheldByPager(int p)
{
    return writeHandheld(HandheldByPagerCode, p);
}

} // namespace cs
