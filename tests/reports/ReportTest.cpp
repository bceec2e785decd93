#include "Images.h"
#include "reports/ReportView.h"
#include "reports/Reports.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

using namespace cs;
using cs::test::erasedImage;
using cs::test::Message;
using cs::test::put;
using cs::test::putPager;
using cs::test::putTable;
using cs::test::putTableCount;
using cs::test::ScriptedUi;

namespace {

const QString CrLf = QStringLiteral("\r\n");
const Message NoData{"读取数据区为空，请先读取主机或分机内容后再点击此按钮！", 16, "错误"};
const Message NoHost{"还没有读取主机内容，操作无效！", 16, "错误"};
const Message NoReceiver{"还没有读取分机内容，操作无效！", 16, "错误"};
const Message NoTables{"没有餐桌号！", 16, "注意"};

QString sp(int n) { return QString(n, ' '); }

// The window's state after a report, and every text the view was told to show.
struct ReportRun {
    AppState state;
    BackupView view;
    ScriptedUi ui;
    QStringList shownTexts;

    ReportRun()
    {
        state.HostImage = erasedImage();
        state.ReceiverImage = erasedImage();
        state.HostImageLoaded = true;
        state.ImageDataPresent = true;
        QObject::connect(&view, &BackupView::changed, [this] { shownTexts << view.text1; });
    }
    QString report(int kind)
    {
        showReport(view, state, ui, kind);
        return view.text1;
    }
};

} // namespace

TEST(PagerReport, WorkedExample)
{
    ReportRun r;
    putPager(r.state.HostImage, 1, {0x62, 0x12, 0x34, 0x56, 0x71});
    const QString expected = sp(3) + "1" + sp(4) + "1 2 3 4 5 6 7" + sp(5) + "正" + sp(5) + "数字新型" + sp(4) + "512"
        + sp(4) + "音调2" + CrLf;
    EXPECT_EQ(r.report(ReportPagers), expected);
    EXPECT_TRUE(r.view.label3Visible);
    EXPECT_FALSE(r.view.label2Visible);
    EXPECT_FALSE(r.view.label4Visible);
    EXPECT_TRUE(r.view.fullSize);
    EXPECT_TRUE(r.ui.messages.isEmpty());
}

TEST(PagerReport, NumberFieldIsFourCharactersRightAligned)
{
    ReportRun r;
    const std::pair<int, const char*> numbers[] = {{9, "   9"}, {10, "  10"}, {99, "  99"}, {100, " 100"}, {255, " 255"}};
    for (const auto& [n, field] : numbers)
        putPager(r.state.HostImage, n, {'M', 0x00, 0x00, 0x00, 0x00});
    const QStringList lines = r.report(ReportPagers).split(CrLf);
    ASSERT_EQ(lines.size(), 6);   // five lines and the empty rest after the last CR LF
    EXPECT_TRUE(lines.last().isEmpty());
    for (int i = 0; i < 5; ++i) {
        const QString rest = sp(4) + "0 0 0 0 0 0 0" + sp(5) + "反" + sp(5) + "数字标准" + sp(4) + "512" + sp(4) + "音调1";
        EXPECT_EQ(lines[i], QString(numbers[i].second) + rest);
    }
}

TEST(PagerReport, UnknownTypeAndToneEndAfterThePolarity)
{
    ReportRun r;
    putPager(r.state.HostImage, 1, {'G', 0x12, 0x34, 0x56, 0x77});
    putPager(r.state.HostImage, 2, {'g', 0xAB, 0xCD, 0xEF, 0x05});
    putPager(r.state.HostImage, 3, {'j', 0x00, 0x00, 0x00, 0x0F});
    putPager(r.state.HostImage, 4, {'A', 0x00, 0x00, 0x00, 0x03});
    const QString expected = sp(3) + "1" + sp(4) + "1 2 3 4 5 6 7" + sp(5) + "反" + sp(5) + CrLf
        + sp(3) + "2" + sp(4) + "A B C D E F 0" + sp(5) + "正" + sp(5) + CrLf
        + sp(3) + "3" + sp(4) + "0 0 0 0 0 0 0" + sp(5) + "正" + sp(5) + "英文" + sp(4) + "2400" + sp(3) + CrLf
        + sp(3) + "4" + sp(4) + "0 0 0 0 0 0 0" + sp(5) + "反" + sp(5) + " 音调4" + CrLf;
    EXPECT_EQ(r.report(ReportPagers), expected);
}

TEST(PagerReport, NoPagerPresent)
{
    ReportRun r;
    putPager(r.state.HostImage, 1, {0x00, 0x12, 0x34, 0x56, 0x71});
    EXPECT_EQ(r.report(ReportPagers), QString("不存在传呼号！"));
    EXPECT_TRUE(r.view.label3Visible);
    EXPECT_TRUE(r.ui.messages.isEmpty());
}

TEST(TableReport, WorkedExample)
{
    ReportRun r;
    putTableCount(r.state.HostImage, 1);
    putTable(r.state.HostImage, 0, {0x0A, 0x1B, 0xFF, 0x00, 0x05, 1, 255, 12, 255});
    const QString expected = "共有 1个餐桌号：" + CrLf + " 5" + sp(6) + "0A" + sp(2) + "1B" + sp(2) + "FF" + sp(3)
        + " 1" + sp(6) + "无" + sp(7) + " 12" + sp(7) + "无" + CrLf;
    EXPECT_EQ(r.report(ReportTables), expected);
    EXPECT_TRUE(r.view.label4Visible);
    EXPECT_FALSE(r.view.label3Visible);
    EXPECT_TRUE(r.ui.messages.isEmpty());
}

TEST(TableReport, LargestNumberAndNoSlots)
{
    ReportRun r;
    putTableCount(r.state.HostImage, 2);
    putTable(r.state.HostImage, 0, {0x00, 0x01, 0x02, 0xFF, 0xFF, 255, 255, 255, 255});
    putTable(r.state.HostImage, 1, {0x10, 0x20, 0x30, 0x01, 0x00, 0, 254, 100, 99});
    const QString expected = "共有 2个餐桌号：" + CrLf
        + " 65535" + sp(2) + "00" + sp(2) + "01" + sp(2) + "02" + sp(3) + "无" + sp(6) + "无" + sp(7) + "无" + sp(7) + "无" + CrLf
        + " 256" + sp(4) + "10" + sp(2) + "20" + sp(2) + "30" + sp(3) + " 0" + sp(6) + " 254" + sp(7) + " 100" + sp(7) + " 99" + CrLf;
    EXPECT_EQ(r.report(ReportTables), expected);
}

TEST(TableReport, FullTableListsEveryRecord)
{
    ReportRun r;
    putTableCount(r.state.HostImage, 512);
    const QStringList lines = r.report(ReportTables).split(CrLf, Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 513);
    EXPECT_EQ(lines[0], QString("共有 512个餐桌号："));
    EXPECT_TRUE(r.ui.messages.isEmpty());
}

TEST(TableReport, NoTables)
{
    for (int count : {0, 513, 0xFFFF}) {
        ReportRun r;
        putTableCount(r.state.HostImage, count);
        r.view.text1 = "old";
        EXPECT_EQ(r.report(ReportTables), QString()) << count;
        EXPECT_EQ(r.ui.messages, (QList<Message>{NoTables})) << count;
        EXPECT_TRUE(r.view.label4Visible);
        EXPECT_TRUE(r.view.fullSize);
        // The window showed the heading before the box came up.
        EXPECT_EQ(r.ui.events, QStringList{"box:没有餐桌号！"});
    }
}

TEST(WorkModeReport, EachMode)
{
    const std::pair<int, const char*> cases[] = {{0, "单键模式1"}, {1, "多键模式"}, {2, "单键模式0"}, {0xFF, "单键模式0"}};
    for (const auto& [cell, mode] : cases) {
        ReportRun r;
        put(r.state.HostImage, 8166, {cell});
        EXPECT_EQ(r.report(ReportWorkMode), "当前工作类型为：" + CrLf + QString::fromUtf8(mode)) << cell;
        EXPECT_FALSE(r.view.label3Visible);
        EXPECT_FALSE(r.view.label4Visible);
    }
}

TEST(ReportView, NoImageRefusesAndChangesNothing)
{
    ReportRun r;
    r.state.ImageDataPresent = false;
    r.view.text1 = "dump";
    r.view.label2Visible = true;
    r.view.fullSize = false;
    for (int kind = -1; kind < ReportKindCount; ++kind) {
        r.ui.messages.clear();
        EXPECT_EQ(r.report(kind), QString("dump"));
        EXPECT_EQ(r.ui.messages, (QList<Message>{NoData})) << kind;
    }
    EXPECT_TRUE(r.view.label2Visible);
    EXPECT_FALSE(r.view.fullSize);
    EXPECT_TRUE(r.shownTexts.isEmpty());
}

TEST(ReportView, NoItemSelectedOnlyClearsTheView)
{
    ReportRun r;
    r.view.text1 = "dump";
    r.view.label2Visible = true;
    r.view.label3Visible = true;
    EXPECT_EQ(r.report(-1), QString());
    EXPECT_FALSE(r.view.label2Visible);
    EXPECT_FALSE(r.view.label3Visible);
    EXPECT_TRUE(r.view.fullSize);
    EXPECT_TRUE(r.ui.messages.isEmpty());
}

TEST(ReportView, ReceiverImageOnly)
{
    for (int kind = 0; kind < ReportKindCount; ++kind) {
        ReportRun r;
        r.state.HostImageLoaded = false;
        r.state.ReceiverImageLoaded = true;
        put(r.state.ReceiverImage, 250, {2});
        r.view.text1 = "dump";
        const QString text = r.report(kind);
        if (kind == ReportReceiverFrequency) {
            EXPECT_EQ(text, QString("接收机的频率为 314.6MHz"));
            EXPECT_TRUE(r.ui.messages.isEmpty());
        } else {
            EXPECT_EQ(text, QString()) << kind;
            EXPECT_EQ(r.ui.messages, (QList<Message>{NoHost})) << kind;
        }
        EXPECT_TRUE(r.view.fullSize);
        EXPECT_FALSE(r.view.label3Visible) << kind;
        EXPECT_FALSE(r.view.label4Visible) << kind;
    }
}

TEST(ReportView, ReceiverFrequencyNeedsAReceiverImage)
{
    ReportRun r;
    put(r.state.ReceiverImage, 250, {3});
    EXPECT_EQ(r.report(ReportReceiverFrequency), QString());
    EXPECT_EQ(r.ui.messages, (QList<Message>{NoReceiver}));
}

TEST(ReportView, TextIsSetWholeOnce)
{
    ReportRun r;
    putTableCount(r.state.HostImage, 3);
    const QString text = r.report(ReportTables);
    EXPECT_EQ(r.shownTexts, (QStringList{QString(), text}));
}

TEST(FurtherReports, TransmitterFrequency)
{
    struct Case { int flag; std::initializer_list<int> cells; const char* text; };
    const Case cases[] = {
        {0, {0x41, 0xA5, 0xAA}, "发射机频率为出厂默认频率 430.225MHz"},
        {0xFF, {0xFF, 0xFF, 0xFF}, "发射机频率为出厂默认频率 430.225MHz"},
        {1, {0x41, 0xA5, 0xAA}, "发射机频率为 430.225MHz"},
        {1, {0x41, 0x9C, 0xE0}, "发射机频率为 430MHz"},
        {1, {0x41, 0xA5, 0xB4}, "发射机频率为 430.226MHz"},
        {1, {0x41, 0x9C, 0xE1}, "发射机频率为 430.0001MHz"},
        {1, {0x00, 0x00, 0x00}, "发射机频率为 0MHz"},
    };
    for (const Case& c : cases) {
        ReportRun r;
        put(r.state.HostImage, 8185, c.cells);
        put(r.state.HostImage, 8188, {c.flag});
        EXPECT_EQ(r.report(ReportTransmitterFrequency), QString::fromUtf8(c.text));
    }
}

TEST(FurtherReports, ReceiverFrequency)
{
    const std::pair<int, const char*> cases[] = {
        {0, "接收机的频率为 314.2MHz"}, {1, "接收机的频率为 314.4MHz"}, {4, "接收机的频率为 315MHz"},
        {7, "接收机的频率为 315.6MHz"}, {8, "接收机的频率为出厂默认频率 315.6MHz"},
        {0xFF, "接收机的频率为出厂默认频率 315.6MHz"},
    };
    for (const auto& [index, text] : cases) {
        ReportRun r;
        r.state.ReceiverImageLoaded = true;
        put(r.state.ReceiverImage, 250, {index});
        EXPECT_EQ(r.report(ReportReceiverFrequency), QString::fromUtf8(text)) << index;
    }
}

TEST(FurtherReports, SingleCellKinds)
{
    struct Case { int kind; int cell; int value; const char* text; };
    const Case cases[] = {
        {ReportInfoUnitType, 2046, 0, "信息机类型为“语音机”"},
        {ReportInfoUnitType, 2046, 1, "信息机类型为“数字机”"},
        {ReportInfoUnitType, 2046, 0xFF, "信息机类型为“数字机”"},
        {ReportNumberPronunciation, 2024, 0, "当前语音机的提示语种为“汉语”"},
        {ReportNumberPronunciation, 2024, 1, "当前语音机的提示语种为“英语”"},
        {ReportNumberPronunciation, 2024, 2, "当前没有设置过语音机的提示语种！"},
        {ReportCallOriginator, 2025, 0, "呼叫发起人的设置为：“号”"},
        {ReportCallOriginator, 2025, 6, "呼叫发起人的设置为：“包房”"},
        {ReportCallOriginator, 2025, 8, "呼叫发起人的设置为：“Table”"},
        {ReportCallOriginator, 2025, 9, "呼叫发起人的设置为："},
        {ReportCallOriginator, 2025, 10, "当前呼叫发起人的类型没有设置"},
        {ReportCallOriginator, 2025, 0xFF, "当前呼叫发起人的类型没有设置"},
    };
    for (const Case& c : cases) {
        ReportRun r;
        put(r.state.HostImage, c.cell, {c.value});
        EXPECT_EQ(r.report(c.kind), QString::fromUtf8(c.text)) << c.kind << " " << c.value;
        EXPECT_TRUE(r.ui.messages.isEmpty());
    }
}

TEST(FurtherReports, KeyPrompts)
{
    ReportRun r;
    put(r.state.HostImage, 2026, {3, 0xFF, 15});
    EXPECT_EQ(r.report(ReportKeyPrompts), "按键1的语音提示内容为：“点菜”" + CrLf + "按键2的语音提示内容没有设置" + CrLf
                                               + "按键3的语音提示内容为：“Callsfor”" + CrLf);
    put(r.state.HostImage, 2026, {16, 0, 12});
    EXPECT_EQ(r.report(ReportKeyPrompts), "按键1的语音提示内容没有设置" + CrLf + "按键2的语音提示内容为：“取消”" + CrLf
                                               + "按键3的语音提示内容为：“Service”" + CrLf);
}

TEST(FurtherReports, HandheldPrompts)
{
    struct Case { int byTable, byPager; const char* text; };
    const Case cases[] = {
        {0, 1, "按餐桌号呼叫的方式为：“厨房”找您取（去）**桌\r\n按传呼号呼叫的方式为：“总台”找您取（去）**桌\r\n"},
        {2, 0xFF, "按餐桌号呼叫的方式为：“服务台”找您取（去）**桌\r\n按传呼号呼叫的方式为：此内容没有设置\r\n"},
        {3, 4, "按餐桌号呼叫的方式为：\r\n按传呼号呼叫的方式为：此内容没有设置\r\n"},
    };
    for (const Case& c : cases) {
        ReportRun r;
        put(r.state.HostImage, 2029, {c.byTable, c.byPager});
        EXPECT_EQ(r.report(ReportHandheldPrompts), QString::fromUtf8(c.text));
    }
}

TEST(FurtherReports, Captions)
{
    EXPECT_EQ(reportKindCaptions(),
              (QStringList{"传呼号", "餐桌号", "工作模式", "发射机频率", "接收机频率", "信息机类型", "语音提示语种",
                           "呼叫发起人", "按键提示语", "手持呼叫器提示"}));
}

TEST(ReportFormat, SignedNumbers)
{
    EXPECT_EQ(signedDecimal(5), QString(" 5"));
    EXPECT_EQ(signedDecimal(512), QString(" 512"));
    EXPECT_EQ(signedDecimal(0), QString(" 0"));
    EXPECT_EQ(signedFrequency(430.225), QString(" 430.225"));
    EXPECT_EQ(signedFrequency(314.2 + 0.2 * 7), QString(" 315.6"));
    EXPECT_EQ(signedFrequency(1677.7215), QString(" 1677.7215"));
}
