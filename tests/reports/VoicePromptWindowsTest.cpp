#include "support/Rig.h"
#include "ui/HandheldWindow.h"
#include "ui/VoicePromptWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace cs;
using cs::test::hex;
using cs::test::Message;

namespace {

template <typename T = QComboBox>
T* child(QWidget& w, const QString& name)
{
    T* c = w.findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
}

// What the named controls show, joined by "|": a caption, a frame title, a list's items
// (with "*" before the selected one) or a check box's caption and tick ("+" ticked).
QString shown(QWidget& w, const QString& names)
{
    QStringList out;
    for (const QString& name : names.split(' ')) {
        QWidget* c = child<QWidget>(w, name);
        if (auto* combo = qobject_cast<QComboBox*>(c))
            for (int i = 0; i < combo->count(); ++i)
                out << (i == combo->currentIndex() ? "*" : "") + combo->itemText(i);
        else
            out << c->property(c->inherits("QGroupBox") ? "title" : "text").toString()
                    + (c->property("checked").toBool() ? "+" : "");
    }
    return out.join('|');
}

void click(QWidget& w, const char* button) { QTest::mouseClick(child<QPushButton>(w, button), Qt::LeftButton); }

} // namespace

TEST(Form5, ControlsAndWhatTheWriteButtonSends)
{
    cs::test::Rig rig;
    ui::VoicePromptWindow w(rig.link, rig.portControl);
    EXPECT_EQ(w.objectName() + " " + w.windowTitle(), QString("form5 语音提示类型设置"));
    EXPECT_EQ(shown(w, "Label1 Label2 Label4 Label3 Label5 Label6 Check1 Check2 Command1 Combo1 Combo2"),
              QString("数字号码|呼叫发起人|按键提示语|1键：|2键：|3键：|Check2+|Check3+|写入|*中文发音|英文发音|"
                      "号|*桌|餐桌|厅|餐厅|房|包房|床|Table"));
    const QString prompts("取消|服务|需要服务|点菜|加水|酒水|茶水|买单|饮料|呼叫|紧急|找您|Service|Drink|Bill|Callsfor");
    for (const auto& [combo, selected] : {std::pair{"Combo3", "点菜"}, {"Combo4", "加水"}, {"Combo5", "买单"}})
        EXPECT_EQ(shown(w, combo), QString(prompts).replace(selected, QString("*") + selected)) << combo;

    // Each click reads the lists and check boxes; the unit's answers are checked by the core tests.
    click(w, "Command1");
    child(w, "Combo1")->setCurrentIndex(1);
    child(w, "Combo2")->setCurrentIndex(8);    // "Table"
    child(w, "Combo3")->setCurrentIndex(15);   // "Callsfor"
    child<QCheckBox>(w, "Check1")->setChecked(false);
    child(w, "Combo5")->setCurrentIndex(12);
    click(w, "Command1");
    child<QCheckBox>(w, "Check2")->setChecked(false);
    child(w, "Combo2")->setEditText(QString());
    child(w, "Combo3")->setEditText(QString());
    w.write();
    child(w, "Combo2")->lineEdit()->selectAll();   // a typed word has no list position
    QTest::keyClicks(child(w, "Combo2")->lineEdit(), "Tab");
    w.write();
    EXPECT_EQ(rig.requests(), (QList<QByteArray>{hex("01 14 05 00 01 03 04 07 D6"), hex("01 14 05 01 08 0F FF 0C C2"),
                                                 hex("01 14 05 01 FF FF FF FF E8")}));
    EXPECT_EQ(rig.ui.messages.last(), (Message{"设置呼叫器的语音提示类型失败!", 16, "错误"}));
    EXPECT_EQ(shown(w, "Combo1 Check1 Check2"), QString("中文发音|*英文发音|Check2|Check3"));   // choices kept
}

TEST(Form6, ControlsAndBothButtons)
{
    cs::test::Rig rig;
    ui::HandheldWindow w(rig.link, rig.portControl);
    EXPECT_EQ(w.objectName() + " " + w.windowTitle(), QString("Form6 手持呼叫器设置"));
    const std::tuple<QString, QString, QString> frames[] = {
        {"Frame1", "Combo1 Label3 Command1", "餐桌号方式|*厨房|总台|服务台|找您取（去）**桌|写入"},
        {"Frame2", "Combo2 Label1 Command2", "传呼号方式|厨房|*总台|服务台|找您取（去）**桌|写入"}};
    for (const auto& [frame, names, texts] : frames) {
        EXPECT_EQ(shown(w, frame + " " + names), texts);
        for (const QString& name : names.split(' '))
            EXPECT_EQ(child<QWidget>(w, name)->parentWidget(), child<QGroupBox>(w, frame)) << name.toStdString();
    }
    click(w, "Command1");
    click(w, "Command2");
    child(w, "Combo1")->setCurrentIndex(2);
    child(w, "Combo2")->setCurrentIndex(0);
    w.writeByTable();
    w.writeByPager();
    child(w, "Combo2")->setEditText("前台");
    w.writeByPager();
    EXPECT_EQ(rig.requests(), (QList<QByteArray>{hex("01 15 01 00 E8"), hex("01 16 01 01 E6"), hex("01 15 01 02 E6"),
                                                 hex("01 16 01 00 E7")}));
    EXPECT_EQ(rig.ui.messages.last(), (Message{"设置手持呼叫器的语音提示类型失败!", 16, "错误"}));
}
