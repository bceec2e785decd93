#pragma once
// Learning the table callers of a range of tables, one after another: for each
// table number the set table command is sent and the unit listens for a
// caller's service key. A wait that ends without a key press asks again, up to
// a number of unanswered requests for one table; the unit's refusal (a full
// memory) or any other failure ends the run. A stop request is honoured
// between exchanges, never inside one.

#include "commands/Commands.h"
#include "commands/PagerBatch.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace cs {

// The fields sent with every table: own key value and pager numbers 1..3, as
// the window's fields take them (empty: not set).
struct TableFields {
    QString key, pager1, pager2, pager3;
};

// Unanswered requests for one table before the run gives up.
constexpr int DefaultLearningTries = 20;

struct LearningEvents {
    // The request for `table` is out (attempt 1, 2, ...); the unit listens.
    std::function<void(int table, int attempt)> waiting;
    // The unit learned a caller for `table`; `code` is the reply's payload.
    std::function<void(int table, const QByteArray& code)> learned;
};

struct LearningEnd {
    // Done; Stopped; Failed with the outcome of the command that ended the
    // run, or with Cause::Unanswered when `tries` requests for one table went
    // unanswered.
    Outcome outcome;
    int learned = 0;   // tables learned, from the first
    int nextTable = 0; // the table that was being learned (or would be next)
    int attempts = 0;  // requests sent for that table
};

// `tries`: unanswered requests for one table before giving up; 0 for no limit.
LearningEnd learnTables(Commands& commands, int first, int last, const TableFields& fields,
                        int tries = DefaultLearningTries, const BatchControl& control = {},
                        const LearningEvents& events = {});

} // namespace cs
