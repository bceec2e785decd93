#include "commands/TableLearning.h"

namespace cs {

LearningEnd learnTables(Commands& commands, int first, int last, const TableFields& fields,
                        int tries, const BatchControl& control, const LearningEvents& events)
{
    LearningEnd result;
    const int total = last - first + 1;
    for (int table = first; table <= last; ++table) {
        result.nextTable = table;
        if (control.progress)
            control.progress(result.learned, total);
        for (result.attempts = 0;;) {
            if (control.stop && control.stop()) {
                result.outcome = Outcome::stopped();
                return result;
            }
            ++result.attempts;
            if (events.waiting)
                events.waiting(table, result.attempts);
            const Outcome outcome = commands.learnTable(
                QString::number(table), fields.key, fields.pager1, fields.pager2, fields.pager3);
            if (outcome.done())
                break;
            if (outcome.cause != Cause::NoReply) {
                result.outcome = outcome;
                return result;
            }
            if (tries > 0 && result.attempts >= tries) {
                result.outcome = Outcome::failed({}, Cause::Unanswered);
                return result;
            }
        }
        ++result.learned;
        if (events.learned)
            events.learned(table, commands.replyPayload());
    }
    result.nextTable = last + 1;
    result.attempts = 0;
    if (control.progress)
        control.progress(result.learned, total);
    result.outcome = Outcome::success();
    return result;
}

} // namespace cs
