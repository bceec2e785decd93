#pragma once
// The report texts of the data backup window, built whole from a memory image.
// Lines end with CR LF. Numbers as "signed decimal" carry one leading space (the
// place of a sign). Frequencies are written in MHz as signed decimal with at most
// four decimals and no trailing zeros: 430.225 -> " 430.225", 315.6 -> " 315.6",
// 430 -> " 430".

#include "reports/MemoryLayout.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace cs {

// The report kinds (their list, names and captions: ReportKinds.h).
enum ReportKind : int {
    ReportPagers = 0,
    ReportTables = 1,
    ReportWorkMode = 2,
    ReportTransmitterFrequency = 3,
    ReportReceiverFrequency = 4, // needs a receiver image: not offered
    ReportInfoUnitType = 5,
    ReportNumberPronunciation = 6,
    ReportCallOriginator = 7,
    ReportKeyPrompts = 8,
    ReportHandheldPrompts = 9,
    ReportAll = 10, // every kind at once, for other programs
};

QString signedDecimal(int value);          // 5 -> " 5"
QString signedFrequency(double megahertz); // 430.225 -> " 430.225"

// The seven address digits as hex digits ("1234567"; a nibble above 9 as its letter).
QString addressText(const PagerRecord& pager);
// The feature code's three bytes as six hex digits ("0A1BFF").
QString featureText(const TableRecord& table);

// One line of the pager list (with its CR LF).
QString pagerLine(int number, const PagerRecord& pager);
// The pager list, or "不存在传呼号！" when no pager is present.
QString pagerReport(const HostMemory& host);

// One line of the table list (with its CR LF).
QString tableLine(const TableRecord& table);
// Count line and one line per table; none when TableCount is 0 or above 512.
std::optional<QString> tableReport(const HostMemory& host);

// "当前工作类型为：" CR LF and the mode, without a final line end.
QString workModeReport(const HostMemory& host);

// Single-line kinds: no line end.
QString transmitterFrequencyReport(const HostMemory& host);
QString infoUnitTypeReport(const HostMemory& host);
QString numberPronunciationReport(const HostMemory& host);
// A code that is set without a word gives the lead text alone.
QString callOriginatorReport(const HostMemory& host);
// Multi-line kinds: every line, the last one included, ends with CR LF.
QString keyPromptsReport(const HostMemory& host);
QString handheldPromptsReport(const HostMemory& host);

} // namespace cs
