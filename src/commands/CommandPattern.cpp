#include "commands/CommandPattern.h"

#include <QCoreApplication>

namespace cs {

namespace {

QString commandText(const char* source)
{
    return QCoreApplication::translate("Commands", source);
}

// Hides the learning prompt window however the wait ends.
class PromptScope {
public:
    explicit PromptScope(Feedback& feedback)
        : feedback_(feedback)
    {
    }
    ~PromptScope() { hide(); }
    PromptScope(const PromptScope&) = delete;
    PromptScope& operator=(const PromptScope&) = delete;

    void show(const std::optional<Prompt>& prompt)
    {
        if (!prompt || isShown_)
            return;
        feedback_.showPrompt(*prompt);
        shown_ = *prompt;
        isShown_ = true;
    }
    void hide()
    {
        if (!isShown_)
            return;
        isShown_ = false;
        feedback_.hidePrompt(shown_);
    }

private:
    Feedback& feedback_;
    // A flag beside the prompt rather than an optional: GCC's -O2 flow analysis
    // takes the optional's value for uninitialised.
    Prompt shown_{};
    bool isShown_ = false;
};

} // namespace

Notice timeoutNotice(bool focus, const QString& text)
{
    return {stopMessage(text.isEmpty() ? commandText("超时没有返回数据!!") : text), focus};
}

Notice successNotice(const QString& text, bool focus)
{
    return {{text, Style::Info, Title::Ok}, focus};
}

Notice lengthErrorNotice(bool focus, const QString& text, Style style)
{
    return {{text.isEmpty() ? commandText("返回数据长度错误") : text, style, Title::Error}, focus};
}

Notice stopNotice(const QString& text, bool focus, Title title)
{
    return {stopMessage(text, title), focus};
}

OutcomeRow successRow(int length, const QString& text, bool focus)
{
    return {length, AnyStatus, successNotice(text, focus), Ending::Done, Cause::None};
}

Outcome CommandRunner::run(const CommandPlan& plan, const std::function<Built()>& build)
{
    if (Outcome port = port_.EnsurePortOpen(); !port.done())
        return port;

    if (plan.confirmation && !link_.feedback().confirm(*plan.confirmation))
        return Outcome::of(Ending::Refused, {}, Field::None, Cause::Declined);

    // Catch-all: any run-time error inside the command ends in its failure message.
    try {
        const Built built = build();
        if (!built)
            return built.problem().outcome();
        return exchange(plan, *built);
    } catch (...) {
        return failure(plan, Ending::Failed, Cause::Internal);
    }
}

Outcome CommandRunner::exchange(const CommandPlan& plan, const QByteArray& payload)
{
    AppState& state = link_.state();

    // The request body (header, payload, checksum) has to fit the buffer.
    if (payload.size() > 255 || payload.size() + 4 > BufferCells)
        return failure(plan, Ending::Refused, Cause::None);

    link_.setRequest(plan.code, payload);

    bool written = false;
    {
        PromptScope prompt(link_.feedback());
        if (plan.promptBeforeSend)
            prompt.show(plan.prompt);
        written = link_.SendFrame();
        if (written) {
            if (!plan.promptBeforeSend)
                prompt.show(plan.prompt);
            // A reply flag left over from an earlier exchange must not pass for this reply.
            state.ReplyOk = false;
            state.ReplyRounds = plan.rounds;
            state.ReplyWaitSeconds = plan.waitSeconds;
            link_.WaitReply();
        }
    }
    // The port went away: the request did not leave.
    if (!written)
        return failure(plan, Ending::Failed, Cause::Write);

    if (!state.ReplyOk)
        return ending(plan, plan.timeout, Ending::Failed, Cause::NoReply);
    state.ReplyOk = false;
    return judge(plan);
}

Outcome CommandRunner::judge(const CommandPlan& plan)
{
    const auto& rx = link_.state().RxBuffer;
    const int length = rx[2];
    const int status = rx[3];
    for (const OutcomeRow& row : plan.outcomes) {
        if (row.length != AnyLength && row.length != length)
            continue;
        if (row.status != AnyStatus && (length < 1 || row.status != status))
            continue;
        return ending(plan, row.notice, row.ending, row.cause);
    }
    // No catch-all row given: an unexpected reply is still reported.
    return ending(plan, lengthErrorNotice(false), Ending::Failed, Cause::BadReply);
}

Outcome CommandRunner::ending(const CommandPlan& plan, const Notice& notice, Ending ending,
                              Cause cause)
{
    return Outcome::of(ending, notice.message, notice.focus ? plan.focus : Field::None, cause);
}

Outcome CommandRunner::failure(const CommandPlan& plan, Ending ending, Cause cause)
{
    return Outcome::of(ending, stopMessage(plan.failureText), plan.failureFocus, cause);
}

} // namespace cs
