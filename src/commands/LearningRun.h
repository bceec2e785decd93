#pragma once
// The table learning window as the windows run it: the first and last table
// (and the fields sent with every table) checked, then learnTables with the
// command line's limit of unanswered requests, fast replies for the run, and
// a stop request honoured after the exchange in progress. The window mirrors
// which table waits for its caller's key now and the tables learned with their
// callers' codes; its texts are translated under the context "LearningWindow".

#include "commands/TableLearning.h"
#include "link/Link.h"
#include "shared/Ui.h"

#include <QList>
#include <QObject>
#include <QString>

namespace cs {

struct LearnedTable {
    int table = 0;
    QString caller; // the caller's code as hex digits
};

class LearningRun : public QObject {
    Q_OBJECT
public:
    LearningRun(Link& link, Commands& commands, Ui& ui)
        : link_(link)
        , commands_(commands)
        , ui_(ui)
    {
    }

    // Learns the tables first..last (the window's field texts). A bad table
    // number is refused with its box before anything is sent; the end of the
    // run is shown in a box and in `status`.
    Outcome start(const QString& first, const QString& last, const TableFields& fields);
    // Ends the run after the exchange in progress.
    void requestStop();

    bool running = false;
    bool stopRequested = false;
    int first = 0, last = 0;
    int table = 0;   // the table whose caller's key is awaited now; 0 between runs
    int attempt = 0; // requests sent for it
    QList<LearnedTable> learned;
    QString status;

    // "餐桌 12" while a table waits; empty between runs.
    QString waitingText() const;
    // "第3次请求" from the second request for a table on; else empty.
    QString attemptText() const;

signals:
    void changed();
    // A table was learned (the window rings the bell).
    void tableLearned(int table);

private:
    QString endText(const LearningEnd& end) const;
    QString learnedText(const LearningEnd& end) const;

    Link& link_;
    Commands& commands_;
    Ui& ui_;
};

} // namespace cs
