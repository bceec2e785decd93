// Enter on a focused button presses it in every window, Enter in a field still
// runs its group's button; prompt windows and boxes belong to the window the
// user works in.
#include "commands/Commands.h"
#include "link/TestView.h"
#include "support/Rig.h"
#include "ui/BackupWindow.h"
#include "ui/HandheldWindow.h"
#include "ui/MainWindow.h"
#include "ui/VoicePromptWindow.h"
#include "ui/WidgetUi.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

TEST(Keys, EnterPressesTheFocusedButton)
{
    cs::test::Rig rig;
    cs::Commands commands{rig.link, rig.portControl};
    cs::TestView testView{rig.state, rig.port, rig.portControl};
    cs::ui::MainWindow form1(rig.state, rig.link, rig.portControl, commands, testView, rig.ui);
    cs::ui::BackupWindow form3(rig.link, rig.portControl, rig.ui);
    cs::ui::VoicePromptWindow form5(rig.link, rig.portControl, rig.ui);
    cs::ui::HandheldWindow form6(rig.link, rig.portControl, rig.ui);
    rig.ui.answers = {false}; // Cancel for the initialise warning
    const auto plain = Qt::NoModifier;
    const struct {
        QWidget* window;
        const char *target, *pressed;
        int key;
        Qt::KeyboardModifiers modifiers;
        bool autoRepeat;
        int clicks;
    } rows[] = {
        {&form1, "Command11", "Command11", Qt::Key_Return, plain, false, 1},
        {&form1, "Command7", "Command7", Qt::Key_Enter, Qt::KeypadModifier, false, 1},
        {&form1, "Command11", "Command11", Qt::Key_Return, Qt::ControlModifier, false, 0},
        {&form1, "Command11", "Command11", Qt::Key_Return, plain, true, 0},
        {&form1, "Text1_0", "Command1", Qt::Key_Return, plain, false, 1},
        {&form1, "Text6", "Command5", Qt::Key_Enter, Qt::KeypadModifier, false, 1},
        {&form3, "Command5", "Command5", Qt::Key_Return, plain, false, 1},
        {&form5, "Command1", "Command1", Qt::Key_Return, plain, false, 1},
        {&form6, "Command2", "Command2", Qt::Key_Enter, Qt::KeypadModifier, false, 1},
    };
    for (const auto& row : rows) {
        auto* pressed = row.window->findChild<QPushButton*>(row.pressed);
        QSignalSpy clicks(pressed, &QAbstractButton::clicked);
        QKeyEvent key(QEvent::KeyPress, row.key, row.modifiers, QString(), row.autoRepeat);
        QApplication::sendEvent(row.window->findChild<QWidget*>(row.target), &key);
        EXPECT_EQ(clicks.count(), row.clicks) << row.target << " " << row.key;
    }
}

TEST(WidgetUi, PromptsAndBoxesBelongToTheWindowTheUserWorksIn)
{
    cs::ui::WidgetUi ui;
    QWidget owner;
    auto* field = new QLineEdit(&owner);
    owner.setGeometry(150, 120, 500, 300);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&owner));
    field->setFocus();
    EXPECT_EQ(ui.ownerWindow(), &owner);
    ui.showPrompt(cs::Prompt::CallerKey);
    EXPECT_EQ(ui.prompt(cs::Prompt::CallerKey)->frameGeometry().center(),
              owner.frameGeometry().center());
    ui.hidePrompt(cs::Prompt::CallerKey);
    {
        // A file dialog takes the focus, then closes.
        QDialog dialog;
        auto* name = new QLineEdit(&dialog);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        name->setFocus();
        EXPECT_EQ(ui.ownerWindow(), &owner);
    }
    EXPECT_EQ(ui.ownerWindow(), &owner);
}
