#include "commands/CommandPattern.h"

namespace cs {

Notice timeoutNotice(bool focus, const QString& text)
{
    return {text, StyleStop, QStringLiteral("错误"), focus};
}

Notice successNotice(const QString& text, bool focus)
{
    return {text, StyleInfo, QStringLiteral("OK"), focus};
}

Notice lengthErrorNotice(bool focus, const QString& text, int style)
{
    return {text, style, QStringLiteral("错误"), focus};
}

Notice stopNotice(const QString& text, bool focus, const QString& title)
{
    return {text, StyleStop, title, focus};
}

namespace {

// Hides the learning prompt window however the wait ends.
class PromptScope {
public:
    explicit PromptScope(Ui& ui) : ui_(ui) {}
    ~PromptScope() { hide(); }
    PromptScope(const PromptScope&) = delete;
    PromptScope& operator=(const PromptScope&) = delete;

    void show(const QString& window)
    {
        if (window.isEmpty() || !shown_.isEmpty())
            return;
        ui_.showPrompt(window);
        shown_ = window;
    }
    void hide()
    {
        if (shown_.isEmpty())
            return;
        const QString window = shown_;
        shown_.clear();
        ui_.hidePrompt(window);
    }

private:
    Ui& ui_;
    QString shown_;
};

} // namespace

RunEnd CommandRunner::run(const CommandSpec& spec, const std::function<Built()>& build)
{
    AppState& state = link_.state();
    Ui& ui = link_.ui();

    port_.EnsurePortOpen();
    if (!state.PortIsOpen)
        return RunEnd::PortClosed;

    if (spec.confirmation
        && ui.messageBox(spec.confirmation->text, StyleOkCancel, spec.confirmation->title) != AnswerOk)
        return RunEnd::Cancelled;

    // Catch-all: any run-time error inside the command ends in its failure box.
    try {
        const Built built = build();
        if (const auto* refusal = std::get_if<Refusal>(&built)) {
            ui.messageBox(refusal->text, refusal->style, refusal->title);
            if (!refusal->field.isEmpty())
                ui.setFocus(refusal->field);
            return RunEnd::Refused;
        }
        if (std::holds_alternative<BuildFailure>(built))
            return fail(spec);
        return exchange(spec, std::get<QByteArray>(built));
    } catch (...) {
        return fail(spec);
    }
}

RunEnd CommandRunner::exchange(const CommandSpec& spec, const QByteArray& payload)
{
    AppState& state = link_.state();
    Ui& ui = link_.ui();

    // The request body (header, payload, checksum) has to fit the buffer.
    if (payload.size() > 255 || payload.size() + 4 > BufferCells)
        return fail(spec);

    link_.setRequest(spec.code, payload);

    bool written = false;
    {
        PromptScope prompt(ui);
        if (spec.promptBeforeSend)
            prompt.show(spec.prompt);
        written = link_.SendFrame();
        if (written) {
            if (!spec.promptBeforeSend)
                prompt.show(spec.prompt);
            // A reply flag left over from an earlier exchange must not pass for this reply.
            state.ReplyOk = false;
            state.ReplyRounds = spec.rounds;
            state.ReplyWaitSeconds = spec.waitSeconds;
            link_.WaitReply();
        }
    }
    // The port went away: the request did not leave.
    if (!written)
        return fail(spec);

    if (!state.ReplyOk) {
        show(spec, spec.timeout);
        return RunEnd::TimedOut;
    }
    state.ReplyOk = false;
    return judge(spec);
}

RunEnd CommandRunner::judge(const CommandSpec& spec)
{
    const auto& rx = link_.state().RxBuffer;
    const int length = rx[2];
    const int status = rx[3];
    for (const OutcomeRow& row : spec.outcomes) {
        if (row.length != AnyLength && row.length != length)
            continue;
        if (row.status != AnyStatus && (length < 1 || row.status != status))
            continue;
        show(spec, row.notice);
        return RunEnd::Answered;
    }
    // No catch-all row given: an unexpected reply is still reported.
    show(spec, lengthErrorNotice(false));
    return RunEnd::Answered;
}

void CommandRunner::show(const CommandSpec& spec, const Notice& notice)
{
    Ui& ui = link_.ui();
    if (!notice.text.isEmpty())
        ui.messageBox(notice.text, notice.style, notice.title);
    if (notice.focus && !spec.focus.isEmpty())
        ui.setFocus(spec.focus);
}

RunEnd CommandRunner::fail(const CommandSpec& spec)
{
    Ui& ui = link_.ui();
    ui.messageBox(spec.failureText, StyleStop, QStringLiteral("错误"));
    if (!spec.failureFocus.isEmpty())
        ui.setFocus(spec.failureFocus);
    return RunEnd::Failed;
}

} // namespace cs
