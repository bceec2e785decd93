#include "commands/TableLearning.h"

namespace cs {

LearningEnd learnTables(Commands& commands, int first, int last, const TableFields& fields,
                        const std::function<bool()>& stopRequested, const LearningEvents& events)
{
    LearningEnd result;
    for (int table = first; table <= last; ++table) {
        result.nextTable = table;
        for (int attempt = 1;; ++attempt) {
            if (stopRequested && stopRequested()) {
                result.stopped = true;
                return result;
            }
            if (events.waiting)
                events.waiting(table, attempt);
            result.end = commands.learnTable(QString::number(table), fields.key, fields.pager1,
                                             fields.pager2, fields.pager3);
            if (result.end == RunEnd::Succeeded)
                break;
            if (result.end != RunEnd::TimedOut)
                return result;
        }
        ++result.learned;
        if (events.learned)
            events.learned(table, commands.replyPayload());
    }
    result.nextTable = last + 1;
    return result;
}

} // namespace cs
