#pragma once
// Tooltips on the items of the port list: the device each item reaches now.

class QComboBox;

namespace cs::ui {

// Sets the tooltips and renews them whenever the list is about to open (mouse
// press, key press) or asked for a tooltip, so that an adapter plugged in
// after start-up shows under its item.
void attachPortTips(QComboBox* ports);

} // namespace cs::ui
