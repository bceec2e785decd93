#pragma once
// Command5 "按类型显示" of the data backup window: a report of the images as
// both faces take it (its text, the heading above it, or the message that
// stands instead), and the window's way of showing it.

#include "memory/BackupView.h"
#include "reports/ReportKinds.h"
#include "shared/AppState.h"
#include "shared/Ui.h"

namespace cs {

struct Report {
    // Done with the text; Done with a message and no text when there is
    // nothing to list (no tables: "没有餐桌号！").
    Outcome outcome;
    QString text;
    bool nothingToList = false;
    Heading heading = Heading::None;
};

// The report of `kind` from a host memory image (no text for a kind without
// one).
Report buildReport(const ReportKindInfo& kind, const HostMemory& host);

// The window's Command5: clears the view, gives it its full size, then shows
// the report of `kind` (none: no item selected, nothing more happens) or its
// message; refused when the image it needs was neither read nor opened.
void showReport(BackupView& view, const AppState& state, Ui& ui, const ReportKindInfo* kind);

} // namespace cs
