#pragma once
// Command5 "按类型显示" of the data backup window: builds the report chosen in
// Combo1 from the images and shows it in the window's view.

#include "memory/BackupView.h"
#include "shared/AppState.h"
#include "shared/Ui.h"

namespace cs {

// `kind` is the Combo1 position (0 pagers, 1 tables, 2 work mode, 3..9 the
// further kinds; -1 when no item is selected).
void showReport(BackupView& view, const AppState& state, Ui& ui, int kind);

} // namespace cs
