#pragma once
// The shape every configuration command shares, written once:
//
//   EnsurePortOpen (a port that stays closed: the port message)
//   -> optional confirmation (declined: nothing sent, nothing shown)
//   -> input checks (first bad input: its message and field, nothing sent)
//   -> request into TxBuffer, SendFrame (a failed write ends in the failure message)
//   -> learning prompt window around the wait, WaitReply
//   -> outcome by reply length m = RxBuffer[2] and status byte RxBuffer[3].
//
// A command describes itself as data (CommandPlan) and hands over a function
// that reads its fields and returns either the request payload or the first
// problem of its inputs. The run returns what happened; it shows nothing itself.
//
//   CommandRunner run(link, port);
//   Outcome o = run.run(plan, [&]() -> Built { ...checks...; return payload; });

#include "commands/CommandInputs.h"
#include "link/Link.h"
#include "link/PortControl.h"
#include "shared/Outcome.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

namespace cs {

// Matches every reply length / every status byte in an outcome row.
constexpr int AnyLength = -1;
constexpr int AnyStatus = -1;

// A message as a command shows it, and whether the focus goes to the
// command's focus field after it. An empty text shows nothing.
struct Notice {
    Message message;
    bool focus = false;
};

// One row of a command's outcome table. Rows are tried in order; the first
// whose length (and status byte, when not AnyStatus) matches the reply decides.
// The status byte is only compared when the reply carries one (m >= 1).
struct OutcomeRow {
    int length = AnyLength;
    int status = AnyStatus;
    Notice notice;
    Ending ending = Ending::Failed;
    Cause cause = Cause::BadReply;
};

// Everything about a command except how it reads its fields.
struct CommandPlan {
    std::uint8_t code = 0;
    std::uint8_t rounds = 1;             // ReplyRounds
    double waitSeconds = 1.0;            // ReplyWaitSeconds
    std::optional<Message> confirmation; // asked before anything is sent (style 17)
    std::optional<Prompt> prompt;        // learning prompt window while the unit listens
    bool promptBeforeSend = false;       // show the prompt before SendFrame instead of after it
    Field focus = Field::None;           // field for Notice::focus
    Notice timeout;                      // no accepted reply
    QList<OutcomeRow> outcomes;          // should end with an AnyLength row
    QString failureText;                 // failure message (style 16, title "错误")
    Field failureFocus = Field::None;    // focus after the failure message
};

// The request payload a command built from its fields, or the first problem
// of its inputs (CommandInputs.h), which ends the command before anything is sent.
using Built = Checked<QByteArray>;

// Notices as most commands show them.
// No reply: "超时没有返回数据!!", style 16, "错误".
Notice timeoutNotice(bool focus, const QString& text = QString());
// Success: style 15, title "OK".
Notice successNotice(const QString& text, bool focus);
// The usual length error: "返回数据长度错误", style 15, title "错误".
Notice lengthErrorNotice(bool focus, const QString& text = QString(), Style style = Style::Info);
// A stop box with the given title.
Notice stopNotice(const QString& text, bool focus, Title title = Title::Error);

// A success row for reply length m.
OutcomeRow successRow(int length, const QString& text, bool focus);

class CommandRunner {
public:
    CommandRunner(Link& link, PortControl& port)
        : link_(link)
        , port_(port)
    {
    }

    // Runs the whole pattern once. `build` is called after the port is open
    // and the confirmation was answered OK.
    Outcome run(const CommandPlan& plan, const std::function<Built()>& build);

private:
    Outcome exchange(const CommandPlan& plan, const QByteArray& payload);
    Outcome judge(const CommandPlan& plan);
    static Outcome ending(const CommandPlan& plan, const Notice& notice, Ending ending,
                          Cause cause);
    static Outcome failure(const CommandPlan& plan, Ending ending, Cause cause);

    Link& link_;
    PortControl& port_;
};

} // namespace cs
