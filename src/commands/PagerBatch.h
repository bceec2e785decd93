#pragma once
// Many pagers from one CSV file, entered as the set pager command enters one.
//
//   number,address,model,polarity,rate,tone      (the header, required)
//   12,1234567,数字新型,正,2400,2                 (one pager a row)
//   13,7654321,,,,                                (empty cells: the window's defaults)
//
// UTF-8 with or without a byte-order mark, CR LF or LF line ends, blank lines
// ignored, cells may be quoted. Every row is checked with the set pager
// command's own checks before anything is sent.

#include "commands/Choices.h"
#include "commands/Commands.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

namespace cs {

// The header line of a pager file, also what a pager CSV report starts with.
QString pagerCsvHeader();   // "number,address,model,polarity,rate,tone"

struct PagerRow {
    int line = 0;            // line number in the file, from 1
    QString number, address;
    int model = DefaultModel, polarity = DefaultPolarity, rate = DefaultRate, tone = DefaultTone;
};

// A row that cannot be sent: its line and the message for it (the window's own
// message where the set pager command refuses it).
struct RowProblem {
    int line = 0;
    QString message;
};

struct PagerFile {
    QList<PagerRow> rows;
    QList<RowProblem> problems;   // empty: every row can be sent
};

// Reads and checks the whole file's contents.
PagerFile readPagerCsv(const QByteArray& contents);

struct PagerLoadEnd {
    int written = 0;                 // rows confirmed by the unit, from the first
    RunEnd end = RunEnd::Succeeded;  // how the last command ended
};

// Sets the pagers in file order; the first row the unit does not confirm ends
// the run. `progress(done, total)` is called before each row and at the end.
PagerLoadEnd loadPagers(Commands& commands, const QList<PagerRow>& rows,
                        const std::function<void(int, int)>& progress = {});

} // namespace cs
