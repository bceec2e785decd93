// Enter on a focused button presses it in every window, Enter in a field still
// runs its group's button; prompt windows and boxes belong to the window the
// user works in.
#include "support/Form1Rig.h"
#include "ui/BackupWindow.h"
#include "ui/VoicePromptWindow.h"
#include "ui/WidgetUi.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

TEST(Keys, EnterPressesTheFocusedButton)
{
    cs::test::Form1Rig rig;
    cs::ui::BackupWindow form3(rig.link, rig.portControl, rig.ui);
    cs::ui::VoicePromptWindow form5(rig.link, rig.portControl, rig.ui);
    rig.ui.answers = {false}; // Cancel for the initialise warning
    // Return, or Enter on the keypad.
    const std::tuple<QWidget*, const char*, const char*, bool> rows[] = {
        {&rig.window, "Command11", "Command11", false}, {&rig.window, "Command7", "Command7", true},
        {&rig.window, "Text1_0", "Command1", false},    {&rig.window, "Text6", "Command5", true},
        {&form3, "Command5", "Command5", false},        {&form5, "Command1", "Command1", false},
    };
    for (const auto& [window, target, pressed, keypad] : rows) {
        QSignalSpy clicks(window->findChild<QPushButton*>(pressed), &QAbstractButton::clicked);
        QKeyEvent key(QEvent::KeyPress, keypad ? Qt::Key_Enter : Qt::Key_Return,
                      keypad ? Qt::KeypadModifier : Qt::NoModifier);
        QApplication::sendEvent(window->findChild<QWidget*>(target), &key);
        EXPECT_EQ(clicks.count(), 1) << target << " " << keypad;
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

TEST(WidgetUi, AFieldTakesTheFocusInTheWindowTheUserWorksIn)
{
    cs::test::Form1Rig rig;
    cs::ui::LearningWindow learning(rig.link, rig.commands, rig.ui);
    cs::ui::WidgetUi ui;
    QWidget* form1 = &rig.window;
    // The table number is a field of both windows; the pager number only of Form1.
    const std::tuple<QWidget*, cs::Field, QWidget*, const char*> rows[] = {
        {form1, cs::Field::TableNumber, form1, "Text3_0"},
        {&learning, cs::Field::TableNumber, &learning, "Text3_0"},
        {&learning, cs::Field::LastTable, &learning, "LastTable"},
        {&learning, cs::Field::PagerNumber, form1, "Text1_0"},
        {form1, cs::Field::OwnKey, form1, "Text3_1"},
    };
    rig.window.show();
    learning.show();
    for (const auto& [active, field, window, name] : rows) {
        active->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(active)) << name;
        ui.setFocus(field);
        EXPECT_EQ(window->focusWidget(), window->findChild<QWidget*>(name)) << name;
    }
}
