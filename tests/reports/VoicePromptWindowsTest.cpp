#include "link/Frame.h"
#include "support/Rig.h"
#include "ui/HandheldWindow.h"
#include "ui/VoicePromptWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace cs;
using cs::test::hex;
using cs::test::Message;
using cs::test::Rig;

namespace {

template <typename T>
T* child(QWidget& w, const char* name)
{
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

QStringList itemsOf(QComboBox* c)
{
    QStringList out;
    for (int i = 0; i < c->count(); ++i)
        out << c->itemText(i);
    return out;
}

void answerEmpty(Rig& rig)
{
    rig.port.line.replyOverride = [](std::uint8_t code, const QByteArray&) -> std::optional<QByteArray> {
        return replyFrame(code, {});
    };
}

const QStringList Prompts{"取消", "服务", "需要服务", "点菜", "加水", "酒水", "茶水", "买单",
                          "饮料", "呼叫", "紧急", "找您", "Service", "Drink", "Bill", "Callsfor"};

} // namespace

TEST(Form5, ControlsAndInitialState)
{
    Rig rig;
    ui::VoicePromptWindow w(rig.link, rig.portControl);
    EXPECT_EQ(w.objectName(), QString("form5"));
    EXPECT_EQ(w.windowTitle(), QString("语音提示类型设置"));
    const std::pair<const char*, const char*> labels[] = {
        {"Label1", "数字号码"}, {"Label2", "呼叫发起人"}, {"Label4", "按键提示语"},
        {"Label3", "1键："}, {"Label5", "2键："}, {"Label6", "3键："},
    };
    for (const auto& [name, caption] : labels)
        EXPECT_EQ(child<QLabel>(w, name)->text(), QString::fromUtf8(caption)) << name;
    EXPECT_EQ(itemsOf(child<QComboBox>(w, "Combo1")), (QStringList{"中文发音", "英文发音"}));
    EXPECT_EQ(itemsOf(child<QComboBox>(w, "Combo2")),
              (QStringList{"号", "桌", "餐桌", "厅", "餐厅", "房", "包房", "床", "Table"}));
    for (const char* name : {"Combo3", "Combo4", "Combo5"})
        EXPECT_EQ(itemsOf(child<QComboBox>(w, name)), Prompts) << name;
    EXPECT_EQ(child<QComboBox>(w, "Combo1")->currentIndex(), 0);
    EXPECT_EQ(child<QComboBox>(w, "Combo2")->currentIndex(), 1);
    EXPECT_EQ(child<QComboBox>(w, "Combo3")->currentText(), QString("点菜"));
    EXPECT_EQ(child<QComboBox>(w, "Combo4")->currentText(), QString("加水"));
    EXPECT_EQ(child<QComboBox>(w, "Combo5")->currentText(), QString("买单"));
    EXPECT_EQ(child<QCheckBox>(w, "Check1")->text(), QString("Check2"));
    EXPECT_EQ(child<QCheckBox>(w, "Check2")->text(), QString("Check3"));
    EXPECT_TRUE(child<QCheckBox>(w, "Check1")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(w, "Check2")->isChecked());
    EXPECT_EQ(child<QPushButton>(w, "Command1")->text(), QString("写入"));
}

TEST(Form5, WriteButtonSendsTheChoices)
{
    Rig rig;
    answerEmpty(rig);
    ui::VoicePromptWindow w(rig.link, rig.portControl);
    QTest::mouseClick(child<QPushButton>(w, "Command1"), Qt::LeftButton);
    EXPECT_EQ(rig.port.written, hex("55 55 AA 01 14 05 00 01 03 04 07 D6"));
    EXPECT_EQ(rig.ui.messages, (QList<Message>{{"语音信息机中关于呼叫器的设置成功！", 15, "OK"}}));

    child<QComboBox>(w, "Combo1")->setCurrentIndex(1);
    child<QComboBox>(w, "Combo2")->setCurrentIndex(8);
    child<QComboBox>(w, "Combo3")->setCurrentIndex(15);
    child<QCheckBox>(w, "Check1")->setChecked(false);
    child<QComboBox>(w, "Combo5")->setCurrentIndex(12);
    QTest::mouseClick(child<QPushButton>(w, "Command1"), Qt::LeftButton);
    ASSERT_EQ(rig.requests().size(), 2);
    EXPECT_EQ(rig.requests()[1].left(8), hex("01 14 05 01 08 0F FF 0C"));

    child<QCheckBox>(w, "Check2")->setChecked(false);
    child<QComboBox>(w, "Combo2")->setEditText(QString());
    child<QComboBox>(w, "Combo3")->setEditText(QString());
    w.write();
    ASSERT_EQ(rig.requests().size(), 3);
    EXPECT_EQ(rig.requests()[2].left(8), hex("01 14 05 01 FF FF FF FF"));
    // The window keeps its choices.
    EXPECT_EQ(child<QComboBox>(w, "Combo1")->currentIndex(), 1);
    EXPECT_FALSE(child<QCheckBox>(w, "Check1")->isChecked());
}

TEST(Form5, TypedOriginatorIsAFailure)
{
    Rig rig;
    answerEmpty(rig);
    ui::VoicePromptWindow w(rig.link, rig.portControl);
    QComboBox* combo2 = child<QComboBox>(w, "Combo2");
    combo2->lineEdit()->selectAll();
    QTest::keyClicks(combo2->lineEdit(), "Tab");
    w.write();
    EXPECT_TRUE(rig.port.written.isEmpty());
    EXPECT_EQ(rig.ui.messages, (QList<Message>{{"设置呼叫器的语音提示类型失败!", 16, "错误"}}));
}

TEST(Form6, ControlsAndInitialState)
{
    Rig rig;
    ui::HandheldWindow w(rig.link, rig.portControl);
    EXPECT_EQ(w.objectName(), QString("Form6"));
    EXPECT_EQ(w.windowTitle(), QString("手持呼叫器设置"));
    auto* frame1 = child<QGroupBox>(w, "Frame1");
    auto* frame2 = child<QGroupBox>(w, "Frame2");
    EXPECT_EQ(frame1->title(), QString("餐桌号方式"));
    EXPECT_EQ(frame2->title(), QString("传呼号方式"));
    for (auto [frame, combo, label, button, selected] :
         {std::tuple{frame1, "Combo1", "Label3", "Command1", 0}, std::tuple{frame2, "Combo2", "Label1", "Command2", 1}}) {
        auto* c = child<QComboBox>(w, combo);
        EXPECT_EQ(c->parentWidget(), frame) << combo;
        EXPECT_EQ(itemsOf(c), (QStringList{"厨房", "总台", "服务台"}));
        EXPECT_EQ(c->currentIndex(), selected);
        EXPECT_EQ(child<QLabel>(w, label)->text(), QString("找您取（去）**桌"));
        EXPECT_EQ(child<QLabel>(w, label)->parentWidget(), frame);
        EXPECT_EQ(child<QPushButton>(w, button)->text(), QString("写入"));
        EXPECT_EQ(child<QPushButton>(w, button)->parentWidget(), frame);
    }
}

TEST(Form6, EachButtonWritesItsOwnFrame)
{
    Rig rig;
    answerEmpty(rig);
    ui::HandheldWindow w(rig.link, rig.portControl);
    QTest::mouseClick(child<QPushButton>(w, "Command1"), Qt::LeftButton);
    EXPECT_EQ(rig.port.written, hex("55 55 AA 01 15 01 00 E8"));
    rig.port.written.clear();
    QTest::mouseClick(child<QPushButton>(w, "Command2"), Qt::LeftButton);
    EXPECT_EQ(rig.port.written, hex("55 55 AA 01 16 01 01 E6"));

    child<QComboBox>(w, "Combo1")->setCurrentIndex(2);
    child<QComboBox>(w, "Combo2")->setCurrentIndex(0);
    w.writeByTable();
    w.writeByPager();
    ASSERT_EQ(rig.requests().size(), 4);
    EXPECT_EQ(rig.requests()[2].left(4), hex("01 15 01 02"));
    EXPECT_EQ(rig.requests()[3].left(4), hex("01 16 01 00"));
    EXPECT_EQ(rig.ui.messages.size(), 4);
    for (const Message& m : rig.ui.messages)
        EXPECT_EQ(m, (Message{"设置成功！", 15, "OK"}));

    child<QComboBox>(w, "Combo2")->setEditText("前台");
    w.writeByPager();
    EXPECT_EQ(rig.requests().size(), 4);
    EXPECT_EQ(rig.ui.messages.last(), (Message{"设置手持呼叫器的语音提示类型失败!", 16, "错误"}));
}
