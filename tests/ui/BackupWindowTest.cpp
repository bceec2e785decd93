// form3 keeps a size the user chose until an operation gives it one.
#include "support/Rig.h"
#include "ui/BackupWindow.h"

#include <gtest/gtest.h>

TEST(BackupWindow, KeepsTheUsersSize)
{
    cs::test::Rig rig;
    cs::ui::BackupWindow window(rig.link, rig.portControl, rig.ui);
    window.show();
    const QSize size = window.size() + QSize(40, 300);
    window.resize(size);
    window.view().update();   // a progress step
    window.backup().memoryDump();   // refused: no image
    EXPECT_EQ(window.size(), size);
    rig.port.line.faults.silent = true;
    window.backup().readHost();   // a read takes the compact size
    EXPECT_EQ(window.size(), window.clientSize(false));
}
