#pragma once
// Many pagers from one CSV file, entered as the set pager command enters one.
//
//   number,address,model,polarity,rate,tone      (the header, required)
//   12,1234567,new,normal,2400,tone2             (one pager a row)
//   13,7654321,数字新型,正,2400,2                  (the lists' own words work too)
//   14,7654321,,,,                                (empty cells: the window's defaults)
//
// UTF-8 with or without a byte-order mark; a file that is not UTF-8 is read as
// GB18030 (what spreadsheets on Chinese Windows save). CR LF, LF or CR line
// ends (older Mac spreadsheets); cells may be quoted, empty cells after the
// sixth are ignored, and lines of empty cells are skipped. A list cell takes
// the list's export word, its Chinese text, its text in the program's language
// or its number. Every row is checked with the set pager command's own checks
// before anything is sent.

#include "commands/Commands.h"
#include "shared/Vocabulary.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace cs {

// The header line of a pager file, also what the pager CSV export starts with.
QString pagerCsvHeader(); // "number,address,model,polarity,rate,tone"

// The caption of a pager file's column 0 (number) .. 5 (tone) in the
// program's language: the import window's preview heads its columns with it,
// and a message about a cell names its column by it.
QString pagerColumnCaption(int column);

struct PagerRow {
    int line = 0; // line number in the file, from 1
    QString number, address;
    int model = DefaultModel, polarity = DefaultPolarity, rate = DefaultRate, tone = DefaultTone;
};

// A row that cannot be sent: its line (0: the file as a whole) and the
// message for it (the window's own message where the set pager command
// refuses it).
struct RowProblem {
    int line = 0;
    QString message;
    QStringList cells; // the row's cells as the file has them (none for the file as a whole)
};

struct PagerFile {
    QList<PagerRow> rows;
    QList<RowProblem> problems; // empty: every row can be sent
};

// Reads and checks the whole file's contents.
PagerFile readPagerCsv(const QByteArray& contents);

// What a pager load did: the outcome of the run (the outcome of the row that
// ended it, Stopped, or Done) and how many rows were set, from the first.
struct PagerLoadEnd {
    Outcome outcome;
    int written = 0;
};

struct BatchControl {
    // Called before each row and once at the end: rows done, rows in all.
    std::function<void(int done, int total)> progress;
    // Asked between rows: true ends the run before the next row.
    std::function<bool()> stop;
};

// Sets the pagers in file order; the first row the unit does not confirm ends
// the run. Success messages of the single rows are not part of the outcome.
PagerLoadEnd loadPagers(Commands& commands, const QList<PagerRow>& rows,
                        const BatchControl& control = {});

} // namespace cs
