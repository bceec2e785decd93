#pragma once
// Enter on a focused button presses it, as on the desktops the program's users
// know. Qt does that by itself only in dialogs (message boxes, file dialogs);
// the program's windows are plain windows.

class QWidget;

namespace cs::ui {

// Every push button of `window` (made before this call) clicks on Return or
// the keypad's Enter while it has the focus. A held key presses it once.
void enterPressesButtons(QWidget* window);

} // namespace cs::ui
