#pragma once
// The main window over the in-process rig.

#include "commands/Commands.h"
#include "link/TestView.h"
#include "support/Rig.h"
#include "ui/MainWindow.h"

namespace cs::test {

struct Form1Rig : Rig {
    cs::Commands commands{link, portControl};
    cs::TestView testView{state, port, portControl};
    cs::ui::MainWindow window{state, link, portControl, commands, testView, ui};
};

} // namespace cs::test
