#pragma once
// The pager import window as the windows run it: a pager file read and checked
// into a preview of every row, then its pagers set in the unit in file order
// with progress and a stop request honoured between rows. The window only
// mirrors this state and forwards clicks; its texts are translated under the
// context "ImportWindow".

#include "commands/PagerBatch.h"
#include "link/Link.h"
#include "shared/Ui.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

namespace cs {

// A row of the preview: its line in the file, the six cells as the window
// shows them (list cells by their text in the program's language for a good
// row, as the file has them for a bad one) and, for a bad row, its message.
struct PreviewRow {
    int line = 0; // 0: the file as a whole
    QStringList cells;
    QString problem;
    bool operator==(const PreviewRow&) const = default;
};

class PagerImport : public QObject {
    Q_OBJECT
public:
    PagerImport(Link& link, Commands& commands, Ui& ui)
        : link_(link)
        , commands_(commands)
        , ui_(ui)
    {
    }

    // Asks for a pager file and opens it; nothing when the dialog is cancelled.
    void chooseFile();
    // Reads and checks `path`; Refused with the open failure box when it cannot be read.
    Outcome open(const QString& path);
    // Checks a file's contents: the preview, the rows to send and the summary.
    void check(const QByteArray& contents);
    // Sets the rows in file order with fast replies; refused while a row is bad.
    // A failed row ends the run with its box; the status says which rows were set.
    Outcome write();
    // Ends the run before the next row.
    void requestStop();

    bool canWrite() const { return !running && badRows == 0 && !rows_.isEmpty(); }
    const QList<PagerRow>& rows() const { return rows_; }

    QString fileName;
    QList<PreviewRow> preview; // every row in file order
    int badRows = 0;
    bool running = false;
    bool stopRequested = false;
    int done = 0;   // rows set in this run
    QString status; // the summary of the file, the run or its end

signals:
    void changed();

private:
    QString endText(const Outcome& outcome, int written) const;

    Link& link_;
    Commands& commands_;
    Ui& ui_;
    QList<PagerRow> rows_;
};

} // namespace cs
