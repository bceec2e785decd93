#pragma once
// The whole program as it runs: the program-wide state, the serial line, the
// real wait, the widget Ui, the port control, the link, the commands, the test
// view and the main window Form1, built in that order. main() and the window
// tests build exactly this.

#include "commands/Commands.h"
#include "link/EventLoopWaiter.h"
#include "link/Link.h"
#include "link/PortControl.h"
#include "link/SerialLine.h"
#include "link/TestView.h"
#include "shared/AppState.h"
#include "ui/MainWindow.h"
#include "ui/WidgetUi.h"

class QApplication;

namespace cs::ui {

class Program {
public:
    // Needs the QApplication: names the application, picks its font and builds
    // the parts. The main window is not shown yet.
    explicit Program(QApplication& app);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the main window (its start-up state is set while it is built).
    void show();

    // A Simplified Chinese face when one is installed, at the size the layout
    // is made for.
    static void chooseFont(QApplication& app);

    AppState& state() { return state_; }
    SerialLine& line() { return line_; }
    EventLoopWaiter& waiter() { return waiter_; }
    WidgetUi& ui() { return ui_; }
    PortControl& portControl() { return portControl_; }
    Link& link() { return link_; }
    Commands& commands() { return commands_; }
    TestView& testView() { return testView_; }
    MainWindow& mainWindow() { return window_; }

private:
    // Names the application and picks its font before the first widget exists.
    static bool prepare(QApplication& app);

    [[maybe_unused]] bool prepared_;
    AppState state_;
    SerialLine line_;
    EventLoopWaiter waiter_;
    WidgetUi ui_;
    PortControl portControl_;
    Link link_;
    Commands commands_;
    TestView testView_;
    MainWindow window_;
};

} // namespace cs::ui
