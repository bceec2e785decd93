#pragma once
// Tooltips on the items of the port list: the device each item reaches now.

class QComboBox;

namespace cs::ui {

// Renews the tooltips whenever the list is about to open (a mouse press, or a
// key that opens it), so that an adapter plugged in after start-up shows under
// its item. Nothing is looked up before that: not at start-up.
void attachPortTips(QComboBox* ports);

// Sets every item's tooltip from one look at the links and the ports present.
void renewPortTips(QComboBox* ports);

} // namespace cs::ui
