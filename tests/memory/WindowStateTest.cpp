#include "BackupRig.h"

#include <gtest/gtest.h>

using namespace cs;
using namespace cs::test;

TEST(WindowLoad, FirstOpeningInARun)
{
    BackupRig rig;
    rig.view.text1 = "old";
    rig.view.combo1Index = 2;
    rig.view.fullSize = true;
    rig.backup.load();
    EXPECT_EQ(rig.view.label6, "主机未读取");
    EXPECT_EQ(rig.view.label7, "分机未读取");
    EXPECT_FALSE(rig.view.command4Visible);
    EXPECT_FALSE(rig.view.fullSize);
    EXPECT_EQ(rig.view.combo1Index, 0);
    EXPECT_TRUE(rig.view.text1.isEmpty());
    EXPECT_EQ(rig.view.label1, "读取进度条");
    EXPECT_TRUE(rig.view.progressVisible);
}

TEST(WindowLoad, AfterAHostReadAndReopening)
{
    BackupRig rig;
    rig.backup.readHost();
    for (int i = 0; i < DataBackup::RevealClicks; ++i)
        rig.backup.label5Click();
    ASSERT_TRUE(rig.view.command4Visible);

    // The window is closed and opened again: a fresh view over the same state.
    BackupView reopened;
    DataBackup again(rig.link, rig.portControl, reopened);
    reopened.restoreDesign();
    again.load();
    EXPECT_EQ(reopened.label6, "主机内容已读取");
    EXPECT_FALSE(reopened.command4Visible);
    EXPECT_EQ(reopened.label5Clicks, 0);

    // A reused window loads the same way.
    rig.backup.load();
    EXPECT_EQ(rig.view.label6, "主机内容已读取");
    EXPECT_FALSE(rig.view.command4Visible);
}

TEST(WindowLoad, ReceiverStatusAfterAReceiverRead)
{
    BackupRig rig;
    rig.serveReceivers();
    rig.backup.readBuiltInReceiver();
    BackupView reopened;
    DataBackup again(rig.link, rig.portControl, reopened);
    reopened.restoreDesign();
    again.load();
    EXPECT_EQ(reopened.label7, "分机内容已读取");
    EXPECT_FALSE(reopened.label7Visible);   // load leaves its visibility alone
    EXPECT_EQ(reopened.label6, "主机未读取");
}

TEST(Label5, FiveClicksRevealTheDump)
{
    BackupRig rig;
    rig.backup.load();
    for (int i = 1; i < DataBackup::RevealClicks; ++i) {
        rig.backup.label5Click();
        EXPECT_FALSE(rig.view.command4Visible) << i;
    }
    rig.backup.label5Click();
    EXPECT_TRUE(rig.view.command4Visible);
    EXPECT_EQ(DataBackup::RevealClicks, 5);
    // Further clicks change nothing, however many.
    for (int i = 0; i < 70000; ++i)
        rig.backup.label5Click();
    EXPECT_TRUE(rig.view.command4Visible);
    EXPECT_EQ(rig.view.label5Clicks, 5);
    // The next load hides it and starts counting again.
    rig.backup.load();
    EXPECT_FALSE(rig.view.command4Visible);
    for (int i = 1; i < DataBackup::RevealClicks; ++i)
        rig.backup.label5Click();
    EXPECT_FALSE(rig.view.command4Visible);
}
