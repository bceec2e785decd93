// form3 keeps a size the user chose until an operation gives it one; its report
// area follows the window; Tab goes through what the window shows, in order.
#include "ui/BackupWindow.h"
#include "support/Rig.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

namespace {

// The controls Tab reaches from Command1, in order, until it comes back.
QStringList tabChain(QWidget* window)
{
    window->findChild<QWidget*>("Command1")->setFocus(Qt::TabFocusReason);
    QStringList names;
    for (QWidget* at = window->focusWidget(); at && names.size() < 12;) {
        names << (at->parentWidget() == window ? at : at->parentWidget())->objectName();
        QTest::keyClick(at, Qt::Key_Tab);
        at = window->focusWidget();
        if (at && at->objectName() == "Command1")
            break;
    }
    return names;
}

} // namespace

TEST(BackupWindow, KeepsTheUsersSize)
{
    cs::test::Rig rig;
    cs::ui::BackupWindow window(rig.link, rig.portControl, rig.ui);
    window.show();
    const QSize size = window.size() + QSize(40, 300);
    window.resize(size);
    window.view().update();       // a progress step
    window.backup().memoryDump(); // refused: no image
    EXPECT_EQ(window.size(), size);
    rig.port.line.faults.silent = true;
    window.backup().readHost(); // a read takes the compact size
    EXPECT_EQ(window.size(), window.clientSize(false));
}

TEST(BackupWindow, TheReportAreaFollowsTheWindowAndTabReachesWhatIsInView)
{
    cs::test::Rig rig;
    cs::ui::BackupWindow window(rig.link, rig.portControl, rig.ui);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* text1 = window.findChild<QPlainTextEdit*>("Text1");
    // Compact: the report area lies below the window's edge and takes no focus.
    EXPECT_FALSE(text1->isVisible());
    const QStringList compact{"Command1", "Command6", "Command7", "Command8",
                              "Check1",   "Combo1",   "Command5"};
    EXPECT_EQ(tabChain(&window), compact);
    window.resize(10, 10);
    EXPECT_EQ(window.size(), window.clientSize(false)); // no smaller than its contents

    for (int i = 0; i < cs::DataBackup::RevealClicks; ++i)
        window.backup().label5Click();
    window.backup().readHost();
    window.backup().memoryDump(); // full size, as designed
    const QRect designed(8, 176, 377, 233);
    EXPECT_EQ(text1->geometry(), designed);
    EXPECT_TRUE(window.findChild<QLabel*>("Label2")->isVisible());
    const QStringList full = compact + QStringList{"Command4", "Text1"};
    EXPECT_EQ(tabChain(&window), full);

    window.resize(window.size() + QSize(120, 200));
    EXPECT_EQ(text1->geometry(), designed.adjusted(0, 0, 120, 200));
    // Too low for the whole report area: it and its heading go out of view.
    window.resize(window.width(), designed.top() + 40);
    EXPECT_FALSE(text1->isVisible());
    EXPECT_FALSE(window.findChild<QLabel*>("Label2")->isVisible());
    const QStringList low = compact + QStringList{"Command4"};
    EXPECT_EQ(tabChain(&window), low);
}
