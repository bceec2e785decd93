// Enter in a field runs its group's button; focus selects the whole text.

#include "WindowFixture.h"

#include <QSignalSpy>

using namespace cs::test;
using cs::ui::MainWindow;

namespace {

class KeyboardTest : public WindowFixture {};

// Every field with the button Enter runs in it.
const struct { const char* field; const char* button; } EnterTable[] = {
    {"Text1_0", "Command1"}, {"Text1_1", "Command1"}, {"Combo1_0", "Command1"}, {"Combo1_1", "Command1"},
    {"Combo1_2", "Command1"}, {"Combo1_3", "Command1"},
    {"Text3_0", "Command3"}, {"Text3_1", "Command3"}, {"Text3_2", "Command3"}, {"Text3_3", "Command3"},
    {"Text3_4", "Command3"}, {"Text4", "Command4"}, {"Text6", "Command5"},
    {"Text7", "Command14"}, {"Combo2", "Command13"}, {"Text10", "Command13"}, {"Text5", "Command10"},
    {"Text11", "Command19"}, {"Text2", "Command2"}, {"Combo3", "Command20"},
};

const char* const AllButtons[] = {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6",
                                  "Command7", "Command8", "Command10", "Command11", "Command12", "Command13",
                                  "Command14", "Command15", "Command16", "Command17", "Command19", "Command20",
                                  "Command21", "Command22"};

TEST_F(KeyboardTest, EnterAndKeypadEnterRunTheGroupButtonOnly)
{
    window();
    // Commands end at once with the port refused: no exchange, no waiting.
    rig.port.failOpen = true;
    for (const auto& row : EnterTable) {
        QList<std::pair<QString, std::shared_ptr<QSignalSpy>>> spies;
        for (const char* name : AllButtons)
            spies.append({name, std::make_shared<QSignalSpy>(push(name), &QPushButton::clicked)});
        QTest::keyClick(find(row.field), Qt::Key_Return);
        QTest::keyClick(find(row.field), Qt::Key_Enter, Qt::KeypadModifier);
        for (const auto& [name, spy] : spies)
            EXPECT_EQ(spy->count(), name == QLatin1String(row.button) ? 2 : 0)
                << row.field << " -> " << str(name);
    }
}

TEST_F(KeyboardTest, EnterInTheEditableFrequencyListTextRunsItsButton)
{
    window();
    QSignalSpy spy(push("Command13"), &QPushButton::clicked);
    QTest::keyClick(combo("Combo2")->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(combo("Combo2")->count(), 8);   // Enter adds no item
}

TEST_F(KeyboardTest, OtherKeysAndFieldsRunNothing)
{
    window();
    QSignalSpy pager(push("Command1"), &QPushButton::clicked);
    QSignalSpy workMode(push("Command11"), &QPushButton::clicked);
    QTest::keyClicks(edit("Text1_0"), "a1-");
    QTest::keyClick(edit("Text1_0"), Qt::Key_Escape);
    QTest::keyClick(combo("Combo4"), Qt::Key_Return);   // the work mode list has no Enter rule
    QTest::keyClick(combo("Combo5"), Qt::Key_Return);
    EXPECT_EQ(pager.count(), 0);
    EXPECT_EQ(workMode.count(), 0);
    EXPECT_EQ(str(edit("Text1_0")->text()), "a1-");   // every character is taken
    EXPECT_TRUE(rig.requests().isEmpty());
}

// Enter passes the fields and list positions to the command: the request the
// unit receives shows what it got.
TEST_F(KeyboardTest, EnterInAPagerFieldSendsThePagerFromAllFields)
{
    window();
    edit("Text1_0")->setText("254");
    edit("Text1_1")->setText("1234567");
    combo("Combo1_0")->setCurrentIndex(1);   // 数字新型
    combo("Combo1_1")->setCurrentIndex(1);   // 正
    combo("Combo1_2")->setCurrentIndex(2);   // 2400
    combo("Combo1_3")->setCurrentIndex(1);   // 音调2
    QTest::keyClick(combo("Combo1_3"), Qt::Key_Return);
    ASSERT_EQ(rig.requests().size(), 1);
    EXPECT_EQ(rig.requests()[0].left(16), hex("01 01 0D 02 36 00 09 01 01 02 03 04 05 06 07 01"));
    EXPECT_EQ(rig.ui.messages, (QList<Message>{{"设置传呼号成功！", 15, "OK"}}));
}

TEST_F(KeyboardTest, EnterRunsEachCommandWithItsFields)
{
    // One after another in the same window; each Enter sends one request.
    const struct { const char* field; const char* text; QByteArray request; } cases[] = {
        {"Text4", "254", hex("01 04 01 FE")},
        {"Text6", "12", hex("01 07 02 00 0C")},
        {"Text3_4", nullptr, hex("01 03 07 00 01 2C 0C FF FF 05")},   // fields filled below
        {"Text7", "430.225", hex("01 0B 03 41 A5 AA")},
        {"Combo2", nullptr, hex("01 0A 01 07")},
        {"Text10", "80", hex("01 0A 02 07 50")},
        {"Text5", "9", hex("01 12 01 09")},
        {"Text11", "9", hex("01 11 01 09")},
        {"Text2", "80", hex("01 02 01 50")},
        {"Combo3", nullptr, hex("01 13 01 FF")},
    };
    window();
    edit("Text3_0")->setText("300");
    edit("Text3_1")->setText("5");
    edit("Text3_2")->setText("12");
    for (const auto& c : cases) {
        if (c.text)
            find<QLineEdit>(c.field)->setText(c.text);
        const qsizetype before = rig.requests().size();
        QTest::keyClick(find(c.field), Qt::Key_Return);
        ASSERT_EQ(rig.requests().size(), before + 1) << c.field;
        EXPECT_EQ(rig.requests().last().left(c.request.size()), c.request) << c.field;
    }
    // The learning commands showed their prompt windows.
    EXPECT_EQ(rig.ui.shownPrompts, (QStringList{"Form2", "Form4"}));
}

TEST_F(KeyboardTest, FocusSelectsTheWholeText)
{
    shown();
    const char* fields[] = {"Text1_0", "Text1_1", "Text3_0", "Text3_1", "Text3_2", "Text3_3", "Text3_4",
                            "Text4", "Text6"};
    for (const char* name : fields) {
        QLineEdit* e = edit(name);
        e->setText("123");
        e->setSelection(1, 0);
        push("Command7")->setFocus();
        e->setFocus();   // set by the program, as the commands do
        ASSERT_TRUE(e->hasFocus()) << name;
        EXPECT_EQ(str(e->selectedText()), "123") << name;
        EXPECT_EQ(e->selectionStart(), 0) << name;
    }
}

TEST_F(KeyboardTest, HiddenFieldsCarryTheFocusRuleToo)
{
    window();
    const struct { const char* name; bool selects; } fields[] = {
        {"Text2", true}, {"Text5", true}, {"Text7", true}, {"Text11", false}, {"Text10", false},
    };
    for (const auto& f : fields) {
        QLineEdit* e = edit(f.name);
        e->setText("45");
        e->setCursorPosition(2);
        QFocusEvent focusIn(QEvent::FocusIn, Qt::OtherFocusReason);
        QApplication::sendEvent(e, &focusIn);
        EXPECT_EQ(str(e->selectedText()), f.selects ? "45" : "") << f.name;
    }
}

TEST_F(KeyboardTest, HurryButtonNumberFieldKeepsItsCaret)
{
    shown();
    QLineEdit* text11 = edit("Text11");
    text11->setText("123");
    text11->setCursorPosition(3);
    push("Command7")->setFocus();
    text11->setFocus();
    EXPECT_FALSE(text11->hasSelectedText());
}

TEST_F(KeyboardTest, TabbingIntoThePagerNumberSelectsIt)
{
    shown();
    edit("Text1_0")->setText("42");
    push("Command12")->setFocus();
    QTest::keyClick(push("Command12"), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), edit("Text1_0"));
    EXPECT_EQ(str(edit("Text1_0")->selectedText()), "42");
    // Typing replaces the old number.
    QTest::keyClicks(edit("Text1_0"), "7");
    EXPECT_EQ(str(edit("Text1_0")->text()), "7");
}

TEST_F(KeyboardTest, ClickingIntoAFieldSelectsItsText)
{
    shown();
    edit("Text4")->setText("88");
    push("Command7")->setFocus();
    QTest::mouseClick(edit("Text4"), Qt::LeftButton, {}, QPoint(3, 5));
    QCoreApplication::processEvents();
    ASSERT_TRUE(edit("Text4")->hasFocus());
    EXPECT_EQ(str(edit("Text4")->selectedText()), "88");
}

TEST_F(KeyboardTest, TypedFrequencyCountsByItsText)
{
    window();
    QComboBox* frequency = combo("Combo2");
    const struct { const char* text; int position; } cases[] = {
        {"315.0", 4}, {"314.2", 0}, {"315.6", 7}, {"316", -1}, {"315", -1}, {"", -1},
    };
    for (const auto& c : cases) {
        frequency->setEditText(c.text);
        EXPECT_EQ(MainWindow::listPosition(frequency), c.position) << c.text;
    }
    frequency->setEditText("315.0");
    QTest::keyClick(frequency, Qt::Key_Return);
    ASSERT_EQ(rig.requests().size(), 1);
    EXPECT_EQ(rig.requests()[0].left(4), hex("01 0A 01 04"));
}

} // namespace
