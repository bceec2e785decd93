#include "commands/CommandPattern.h"

namespace cs {

QString promptCaption(const QString& window)
{
    if (window == QLatin1String("Form2"))
        return QCoreApplication::translate("PromptWindow", "请按呼叫器的服务键！");
    if (window == QLatin1String("Form4"))
        return QCoreApplication::translate("PromptWindow", "请按催菜器的任意键加#键");
    return QString();
}

Notice timeoutNotice(bool focus, const QString& text)
{
    return {text, StyleStop, QCoreApplication::translate("Commands", "错误"), focus};
}

Notice successNotice(const QString& text, bool focus)
{
    return {text, StyleInfo, okTitle(), focus};
}

Notice lengthErrorNotice(bool focus, const QString& text, int style)
{
    return {text, style, QCoreApplication::translate("Commands", "错误"), focus};
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

RunEnd CommandRunner::run(const CommandPlan& plan, const std::function<Built()>& build)
{
    AppState& state = link_.state();
    Ui& ui = link_.ui();

    port_.EnsurePortOpen();
    if (!state.PortIsOpen)
        return RunEnd::PortClosed;

    if (plan.confirmation
        && ui.messageBox(plan.confirmation->text, StyleOkCancel, plan.confirmation->title) != AnswerOk)
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
            return fail(plan);
        return exchange(plan, std::get<QByteArray>(built));
    } catch (...) {
        return fail(plan);
    }
}

RunEnd CommandRunner::exchange(const CommandPlan& plan, const QByteArray& payload)
{
    AppState& state = link_.state();
    Ui& ui = link_.ui();

    // The request body (header, payload, checksum) has to fit the buffer.
    if (payload.size() > 255 || payload.size() + 4 > BufferCells)
        return fail(plan);

    link_.setRequest(plan.code, payload);

    bool written = false;
    {
        PromptScope prompt(ui);
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
        return fail(plan);

    if (!state.ReplyOk) {
        show(plan, plan.timeout);
        return RunEnd::TimedOut;
    }
    state.ReplyOk = false;
    return judge(plan);
}

RunEnd CommandRunner::judge(const CommandPlan& plan)
{
    const auto& rx = link_.state().RxBuffer;
    const int length = rx[2];
    const int status = rx[3];
    for (const OutcomeRow& row : plan.outcomes) {
        if (row.length != AnyLength && row.length != length)
            continue;
        if (row.status != AnyStatus && (length < 1 || row.status != status))
            continue;
        show(plan, row.notice);
        return row.end;
    }
    // No catch-all row given: an unexpected reply is still reported.
    show(plan, lengthErrorNotice(false));
    return RunEnd::Answered;
}

void CommandRunner::show(const CommandPlan& plan, const Notice& notice)
{
    Ui& ui = link_.ui();
    if (!notice.text.isEmpty())
        ui.messageBox(notice.text, notice.style, notice.title);
    if (notice.focus && !plan.focus.isEmpty())
        ui.setFocus(plan.focus);
}

RunEnd CommandRunner::fail(const CommandPlan& plan)
{
    Ui& ui = link_.ui();
    ui.messageBox(plan.failureText, StyleStop, QCoreApplication::translate("Commands", "错误"));
    if (!plan.failureFocus.isEmpty())
        ui.setFocus(plan.failureFocus);
    return RunEnd::Failed;
}

} // namespace cs
