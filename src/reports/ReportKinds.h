#pragma once
// The report kinds, one table: for each kind its name (the command line's word
// and the JSON key), its caption in the data backup window's list, what it
// shows (for the help), the heading above it, the cells of a host image it
// covers, its text and its JSON form. The window's list, the reports, diff,
// JSON, the command line's options, its help and its completion read it.
//
// The receiver frequency kind reads a receiver's memory, which no window can
// read (its buttons stay hidden): it is not offered. The kind "all" stands for
// every offered kind at once; it has JSON only and is not in the window's list.

#include "reports/MemoryLayout.h"
#include "reports/Reports.h"

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace cs {

// The heading label shown above a report: Label3 (pagers), Label4 (tables).
enum class Heading { None, Pagers, Tables };

struct ReportKindInfo {
    ReportKind kind;
    const char* name;    // "pagers"
    const char* caption; // "传呼号", translated under the context "Reports"
    const char* summary; // what it shows, English, translated under the context "cli"
    Heading heading;
    // The cells the kind shows, as the image holds them now.
    QList<int> (*cells)(const HostMemory& host);
    // The report text; none when there is nothing to list (no tables).
    std::optional<QString> (*text)(const HostMemory& host);
    QJsonValue (*json)(const HostMemory& host);
    // The CSV form; none for the kinds that have no CSV.
    QByteArray (*csv)(const HostMemory& host) = nullptr;

    QString captionText() const;
    QString summaryText() const;
    // The JSON document of the kind: its value under its name; for "all" the
    // member of every kind.
    QJsonObject jsonDocument(const HostMemory& host) const;
};

// The kinds offered, in the order of the window's list.
const QList<ReportKindInfo>& reportKinds();
// "all": every kind offered at once.
const ReportKindInfo& allReportKinds();
// The kind of a name ("pagers", "all"), or none.
const ReportKindInfo* reportKindNamed(const QString& name);
// The entry of a kind, or none when it is not offered.
const ReportKindInfo* reportKindOf(ReportKind kind);
// The kind at a position of the window's list, or none.
const ReportKindInfo* reportKindAt(int position);
// The names of the kinds offered, then "all".
QStringList reportKindNames();
QStringList reportKindCaptions();

} // namespace cs
