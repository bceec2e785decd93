#pragma once
// The shape every configuration command shares, written once:
//
//   EnsurePortOpen (end silently when the port stays closed)
//   -> optional confirmation (Cancel: nothing sent, nothing shown)
//   -> input checks (first bad input: its message, focus into the field, nothing sent)
//   -> request into TxBuffer, SendFrame (a failed write ends in the failure box)
//   -> learning prompt window around the wait, WaitReply
//   -> outcome by reply length m = RxBuffer[2] and status byte RxBuffer[3]
//   -> focus afterwards.
//
// A command describes itself as data (CommandPlan) and hands over a function
// that reads its fields and returns either the request payload, a refusal of
// one field, or a failure (a value that cannot be built into the request).
//
//   CommandRunner run(link, port);
//   run.run(plan, [&]() -> Built { ...checks...; return payload; });

#include "link/Link.h"
#include "link/PortControl.h"
#include "shared/Ui.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <variant>

namespace cs {

// Matches every reply length / every status byte in an outcome row.
constexpr int AnyLength = -1;
constexpr int AnyStatus = -1;

// A message box as a command shows it, and whether the focus goes to the
// command's focus control after it. An empty text shows nothing (the focus
// still moves when `focus` is set).
struct Notice {
    QString text;
    int style = StyleInfo;
    QString title;
    bool focus = false;
};

// How a run ended (for callers that want to know; the user has been told).
enum class RunEnd {
    PortClosed,     // EnsurePortOpen left the port closed
    Cancelled,      // Cancel in the confirmation
    Refused,        // an input check failed
    Failed,         // failure box (build failure, failed write, run-time error)
    TimedOut,       // no accepted reply
    Answered,       // an outcome row was applied
    Succeeded,      // an outcome row that stands for success was applied
};

// One row of a command's outcome table. Rows are tried in order; the first
// whose length (and status byte, when not AnyStatus) matches the reply decides.
// The status byte is only compared when the reply carries one (m >= 1).
struct OutcomeRow {
    int length = AnyLength;
    int status = AnyStatus;
    Notice notice;
    RunEnd end = RunEnd::Answered;   // what run() returns when this row decides
};

// A question asked before anything is sent (style 17, OK / Cancel).
struct Confirmation {
    QString text;
    QString title;
};

// Everything about a command except how it reads its fields.
struct CommandPlan {
    std::uint8_t code = 0;
    std::uint8_t rounds = 1;            // ReplyRounds
    double waitSeconds = 1.0;           // ReplyWaitSeconds
    std::optional<Confirmation> confirmation;
    QString prompt;                     // learning prompt window ("Form2", "Form4"), empty: none
    bool promptBeforeSend = false;      // show the prompt before SendFrame instead of after it
    QString focus;                      // control for Notice::focus, e.g. "Text1_0"
    Notice timeout;                     // no accepted reply
    QList<OutcomeRow> outcomes;         // should end with an AnyLength row
    QString failureText;                // failure box text (style 16, title "错误")
    QString failureFocus;               // focus after the failure box; empty: none
};

// A refused input: its message (style 16 unless stated), then the focus into
// `field` (empty: no focus move).
struct Refusal {
    QString text;
    QString field;
    QString title = QCoreApplication::translate("Commands", "错误");
    int style = StyleStop;
};

// A value that cannot be built into the request (no list item selected, an
// address code of too many characters ...): ends in the failure box.
struct BuildFailure {};

using Built = std::variant<QByteArray, Refusal, BuildFailure>;


// The words of a learning prompt window ("Form2": "请按呼叫器的服务键！"),
// for faces that show them as text; empty for any other name.
QString promptCaption(const QString& window);

// Timeout notice as most commands show it: "超时没有返回数据!!", style 16, "错误".
Notice timeoutNotice(bool focus, const QString& text = QCoreApplication::translate(
                                     "Commands", "超时没有返回数据!!"));
// Success notice: style 15, title "OK".
Notice successNotice(const QString& text, bool focus);
// The usual length error: "返回数据长度错误", style 15, title "错误".
Notice lengthErrorNotice(bool focus,
                         const QString& text = QCoreApplication::translate("Commands",
                                                                           "返回数据长度错误"),
                         int style = StyleInfo);
// A stop box: style 16 with the given title ("错误" by default).
Notice stopNotice(const QString& text, bool focus,
                  const QString& title = QCoreApplication::translate("Commands", "错误"));

class CommandRunner {
public:
    CommandRunner(Link& link, PortControl& port) : link_(link), port_(port) {}

    // Runs the whole pattern for one click. `build` is called after the port is
    // open and the confirmation was answered OK.
    RunEnd run(const CommandPlan& plan, const std::function<Built()>& build);

private:
    RunEnd exchange(const CommandPlan& plan, const QByteArray& payload);
    RunEnd judge(const CommandPlan& plan);
    void show(const CommandPlan& plan, const Notice& notice);
    RunEnd fail(const CommandPlan& plan);

    Link& link_;
    PortControl& port_;
};

} // namespace cs
