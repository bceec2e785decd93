#include "reports/ReportView.h"
#include "reports/Reports.h"
#include "support/ScriptedUi.h"

#include <gtest/gtest.h>
#include <map>

using namespace cs;
using cs::test::Message;

namespace {

// Cell numbers are written out literally so that a wrong offset in the layout shows.
void put(Buffer& image, int cell, std::initializer_list<int> bytes) { for (int v : bytes) image[size_t(cell++)] = std::uint8_t(v); }

// The backup window over images as an erased unit holds them (every cell 0xFF),
// and every text the view was told to show.
struct ReportRun {
    AppState state;
    BackupView view;
    cs::test::ScriptedUi ui;
    QStringList shownTexts;

    ReportRun()
    {
        state.HostImage.fill(0xFF);
        state.ReceiverImage.fill(0xFF);
        state.HostImageLoaded = state.ReceiverImageLoaded = state.ImageDataPresent = true;
        QObject::connect(&view, &BackupView::changed, [this] { shownTexts << view.text1; });
    }
    QString report(int kind) { showReport(view, state, ui, kind); return view.text1; }
};

} // namespace

TEST(PagerReport, EachCraftedRecord)
{
    // Pager n's five bytes sit at 5*(n-1); cell 1275 after pager 255 belongs to no record.
    struct Case { int cell; std::initializer_list<int> bytes; const char* text; };
    const Case cases[] = {
        {0, {0x62, 0x12, 0x34, 0x56, 0x71}, "   1    1 2 3 4 5 6 7     正     数字新型    512    音调2\r\n"},
        {30, {0x00, 0x12, 0x34, 0x56, 0x71}, "不存在传呼号！"}, {30, {0xFF, 0x12, 0x34, 0x56, 0x71}, "不存在传呼号！"},
        {10, {'G', 0x12, 0x34, 0x56, 0x71}, "   3    1 2 3 4 5 6 7     反      音调2\r\n"},
        {10, {'g', 0x12, 0x34, 0x56, 0x77}, "   3    1 2 3 4 5 6 7     正     \r\n"},
        {45, {'A', 0xAB, 0xCD, 0xEF, 0x05}, "  10    A B C D E F 0     反     \r\n"},
        {495, {0x60, 0xAB, 0xCD, 0xEF, 0x9F}, " 100    A B C D E F 9     反     \r\n"},
        {0, {0x61, 0x00, 0x00, 0x00, 0xF3}, "   1    0 0 0 0 0 0 F     正      音调4\r\n"},
        {0, {'j', 0x00, 0x00, 0x00, 0x70}, "   1    0 0 0 0 0 0 7     正     英文    2400    音调1\r\n"},
        {0, {'M', 0x00, 0x00, 0x00, 0x74}, "   1    0 0 0 0 0 0 7     反     数字标准    512   \r\n"},
        {1270, {'u', 0x98, 0x76, 0x54, 0x32, 'b', 0x11, 0x11, 0x11, 0x11},
         " 255    9 8 7 6 5 4 3     正     数字标准    1200    音调3\r\n"},
    };
    for (const Case& c : cases) {
        ReportRun r;
        put(r.state.HostImage, c.cell, c.bytes);
        EXPECT_EQ(r.report(ReportPagers), QString::fromUtf8(c.text)) << c.cell;
        EXPECT_TRUE(r.view.label3Visible && !r.view.label2Visible && !r.view.label4Visible && r.view.fullSize);
        EXPECT_TRUE(r.ui.messages.isEmpty());
        EXPECT_FALSE(HostMemory(r.state.HostImage).pager(0) || HostMemory(r.state.HostImage).pager(256));
    }
}

TEST(PagerReport, TypeLettersGiveModelRateAndPolarity)
{
    const std::pair<char, const char*> letters[] = {
        {'B', "数字新型    512"}, {'C', "中文字符    2400"}, {'D', "数字新型    2400"}, {'E', "英文    1200"},
        {'F', "英文    512"}, {'H', "中文字符    512"}, {'I', "数字标准    2400"}, {'J', "英文    2400"},
        {'K', "中文字符    1200"}, {'M', "数字标准    512"}, {'Q', "数字新型    1200"}, {'U', "数字标准    1200"}};
    ReportRun r;
    QString expected;
    for (int lower = 0, n = 1; lower < 2; ++lower) {
        for (const auto& [capital, type] : letters) {
            put(r.state.HostImage, 5 * (n - 1), {capital + 0x20 * lower, 0x12, 0x34, 0x56, 0x7F});
            expected += QString("%1    1 2 3 4 5 6 7     %2     %3   \r\n")
                            .arg(n++, 4).arg(QString(lower ? "正" : "反"), QString::fromUtf8(type));
        }
    }
    EXPECT_EQ(r.report(ReportPagers), expected);
}

TEST(TableReport, CountedRecordsOrRefusal)
{
    struct Case { int count; std::initializer_list<int> records; const char* text; };   // records from cell 1280
    const Case cases[] = {
        {1, {0x0A, 0x1B, 0xFF, 0x00, 0x05, 1, 255, 12, 255},
         "共有 1个餐桌号：\r\n 5      0A  1B  FF    1      无        12       无\r\n"},
        {2, {0x00, 0x01, 0x02, 0xFF, 0xFF, 255, 255, 255, 255, 0x10, 0x20, 0x30, 0x01, 0x00, 0, 254, 100, 99},
         "共有 2个餐桌号：\r\n 65535  00  01  02   无      无       无       无\r\n"
         " 256    10  20  30    0       254        100        99\r\n"},
        {0, {0x0A, 0x1B, 0xFF, 0x00, 0x05, 1, 255, 12, 255}, nullptr}, {513, {}, nullptr}, {0xFFFF, {}, nullptr},
    };
    for (const Case& c : cases) {
        ReportRun r;
        put(r.state.HostImage, 8190, {c.count >> 8, c.count & 0xFF});
        put(r.state.HostImage, 1280, c.records);
        r.view.text1 = "old";
        EXPECT_EQ(r.report(ReportTables), QString::fromUtf8(c.text ? c.text : "")) << c.count;
        EXPECT_EQ(r.ui.messages, (c.text ? QList<Message>{} : QList<Message>{{"没有餐桌号！", 16, "注意"}})) << c.count;
        EXPECT_TRUE(r.view.label4Visible && !r.view.label3Visible && r.view.fullSize) << c.count;
        EXPECT_EQ(r.shownTexts, (QStringList{QString(), r.view.text1})) << c.count;   // cleared, then set whole once
    }
}

TEST(TableReport, FullCountReadsRecordsWhereTheLayoutPlacesThem)
{
    // Record k sits at 1280 + 9*k; from k = 82 on the records overlap the settings cells 2024...
    ReportRun r;
    put(r.state.HostImage, 8190, {0x02, 0x00});
    put(r.state.HostImage, 2018, {0x11, 0x22, 0x33, 0x00, 0x63, 0x07, 1, 8, 3});
    put(r.state.HostImage, 5879, {0, 0, 0, 0x01, 0xF4, 1, 2, 3, 4});
    const QStringList lines = r.report(ReportTables).split("\r\n");
    ASSERT_EQ(lines.size(), 514);   // heading, 512 records and the empty rest
    EXPECT_EQ(lines[0], QString("共有 512个餐桌号："));
    EXPECT_EQ(lines[83], QString(" 99     11  22  33    7       1        8        3"));
    EXPECT_EQ(lines[512], QString(" 500    00  00  00    1       2        3        4"));
    EXPECT_TRUE(lines[513].isEmpty());
    const HostMemory host(r.state.HostImage);   // the same cells read as settings
    EXPECT_EQ(host.numberPronunciation(), NumberPronunciation::English);
    EXPECT_EQ(host.callOriginator().text, QString("Table"));
    EXPECT_EQ(host.keyPrompt(1).text, QString("“点菜”"));
}

TEST(FurtherReports, EachKindFromItsCells)
{
    enum { Mode = ReportWorkMode, Tx = ReportTransmitterFrequency, Rx = ReportReceiverFrequency, Info = ReportInfoUnitType,
           Lang = ReportNumberPronunciation, Orig = ReportCallOriginator, Keys = ReportKeyPrompts, Hand = ReportHandheldPrompts };
    // First cell of each kind; the transmitter has three frequency cells (100 Hz units), then its flag
    // (only 1 says they hold the frequency); the receiver index is cell 250 of the receiver image.
    const std::map<int, int> cellOf{{Mode, 8166}, {Tx, 8185}, {Rx, 250}, {Info, 2046}, {Lang, 2024}, {Orig, 2025},
                                    {Keys, 2026}, {Hand, 2029}};
    struct Case { int kind; std::initializer_list<int> bytes; const char* text; };
    const Case cases[] = {
        {Mode, {0}, "当前工作类型为：\r\n单键模式1"}, {Mode, {1}, "当前工作类型为：\r\n多键模式"},
        {Mode, {2}, "当前工作类型为：\r\n单键模式0"}, {Mode, {0xFF}, "当前工作类型为：\r\n单键模式0"},
        {Tx, {0x41, 0xA5, 0xAA, 0}, "发射机频率为出厂默认频率 430.225MHz"}, {Tx, {0x41, 0xA5, 0xAA, 1}, "发射机频率为 430.225MHz"},
        {Tx, {0xFF, 0xFF, 0xFF, 0xFF}, "发射机频率为出厂默认频率 430.225MHz"}, {Tx, {0, 0, 0, 1}, "发射机频率为 0MHz"},
        {Tx, {0x41, 0xA5, 0xB4, 2}, "发射机频率为出厂默认频率 430.225MHz"}, {Tx, {0x41, 0x9C, 0xE0, 1}, "发射机频率为 430MHz"},
        {Tx, {0x41, 0xA5, 0xB4, 1}, "发射机频率为 430.226MHz"}, {Tx, {0x41, 0x9C, 0xE1, 1}, "发射机频率为 430.0001MHz"},
        {Tx, {0xFF, 0xFF, 0xFF, 1}, "发射机频率为 1677.7215MHz"}, {Rx, {0}, "接收机的频率为 314.2MHz"},
        {Rx, {1}, "接收机的频率为 314.4MHz"}, {Rx, {4}, "接收机的频率为 315MHz"}, {Rx, {7}, "接收机的频率为 315.6MHz"},
        {Rx, {8}, "接收机的频率为出厂默认频率 315.6MHz"}, {Rx, {0xFF}, "接收机的频率为出厂默认频率 315.6MHz"},
        {Info, {0}, "信息机类型为“语音机”"}, {Info, {1}, "信息机类型为“数字机”"}, {Info, {0xFF}, "信息机类型为“数字机”"},
        {Lang, {0}, "当前语音机的提示语种为“汉语”"}, {Lang, {1}, "当前语音机的提示语种为“英语”"},
        {Lang, {2}, "当前没有设置过语音机的提示语种！"}, {Orig, {0}, "呼叫发起人的设置为：“号”"},
        {Orig, {6}, "呼叫发起人的设置为：“包房”"}, {Orig, {8}, "呼叫发起人的设置为：“Table”"}, {Orig, {9}, "呼叫发起人的设置为："},
        {Orig, {10}, "当前呼叫发起人的类型没有设置"}, {Orig, {0xFF}, "当前呼叫发起人的类型没有设置"},
        {Keys, {3, 0xFF, 15}, "按键1的语音提示内容为：“点菜”\r\n按键2的语音提示内容没有设置\r\n按键3的语音提示内容为：“Callsfor”\r\n"},
        {Keys, {16, 0, 12}, "按键1的语音提示内容没有设置\r\n按键2的语音提示内容为：“取消”\r\n按键3的语音提示内容为：“Service”\r\n"},
        {Hand, {0, 1}, "按餐桌号呼叫的方式为：“厨房”找您取（去）**桌\r\n按传呼号呼叫的方式为：“总台”找您取（去）**桌\r\n"},
        {Hand, {2, 0xFF}, "按餐桌号呼叫的方式为：“服务台”找您取（去）**桌\r\n按传呼号呼叫的方式为：此内容没有设置\r\n"},
        {Hand, {3, 4}, "按餐桌号呼叫的方式为：\r\n按传呼号呼叫的方式为：此内容没有设置\r\n"},
    };
    for (const Case& c : cases) {
        ReportRun r;
        put(c.kind == Rx ? r.state.ReceiverImage : r.state.HostImage, cellOf.at(c.kind), c.bytes);
        EXPECT_EQ(r.report(c.kind), QString::fromUtf8(c.text)) << c.kind << " " << *c.bytes.begin();
        EXPECT_TRUE(r.ui.messages.isEmpty() && r.view.fullSize && !r.view.label3Visible && !r.view.label4Visible);
    }
}

TEST(ReportView, RefusalsWithoutTheNeededImage)
{
    for (int kind = -1; kind < ReportKindCount; ++kind) {
        ReportRun none;   // nothing read: refused before the view changes
        none.state.ImageDataPresent = false;
        none.view.text1 = "dump";
        none.view.label2Visible = true;
        EXPECT_EQ(none.report(kind), QString("dump"));
        EXPECT_EQ(none.ui.messages, (QList<Message>{{"读取数据区为空，请先读取主机或分机内容后再点击此按钮！", 16, "错误"}})) << kind;
        EXPECT_TRUE(none.view.label2Visible && !none.view.fullSize && none.shownTexts.isEmpty());

        // Receiver image only: the receiver frequency alone; no item selected only clears the view.
        ReportRun rx;
        rx.state.HostImageLoaded = false;
        put(rx.state.ReceiverImage, 250, {2});
        rx.view.text1 = "dump";
        rx.view.label2Visible = rx.view.label3Visible = true;
        const bool ok = kind == -1 || kind == ReportReceiverFrequency;
        EXPECT_EQ(rx.report(kind), QString(kind == ReportReceiverFrequency ? "接收机的频率为 314.6MHz" : "")) << kind;
        EXPECT_EQ(rx.ui.messages, (ok ? QList<Message>{} : QList<Message>{{"还没有读取主机内容，操作无效！", 16, "错误"}})) << kind;
        EXPECT_TRUE(rx.view.fullSize && !rx.view.label2Visible && !rx.view.label3Visible && !rx.view.label4Visible) << kind;
    }
    ReportRun host;   // host image only
    host.state.ReceiverImageLoaded = false;
    EXPECT_EQ(host.report(ReportReceiverFrequency), QString());
    EXPECT_EQ(host.ui.messages, (QList<Message>{{"还没有读取分机内容，操作无效！", 16, "错误"}}));
}
