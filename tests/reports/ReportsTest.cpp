// Each report kind from its cells, the refusals without an image, and the voice prompt requests.
#include "reports/Reports.h"
#include "link/Frame.h"
#include "reports/BackupDiff.h"
#include "reports/ReportFormats.h"
#include "reports/ReportView.h"
#include "reports/VoicePrompts.h"
#include "support/Rig.h"

#include <QJsonDocument>
#include <gtest/gtest.h>

using namespace cs;
using namespace cs::test;

namespace {

// Cell numbers are written out literally so that a wrong offset in the layout shows.
void put(Buffer& image, int cell, std::initializer_list<int> bytes)
{
    for (int v : bytes)
        image[size_t(cell++)] = std::uint8_t(v);
}

// The backup window over images as an erased unit holds them (every cell 0xFF).
struct ReportRun {
    AppState state;
    BackupView view;
    ScriptedUi ui;
    ReportRun()
    {
        state.HostImage.fill(0xFF);
        state.ReceiverImage.fill(0xFF);
        state.HostImageLoaded = state.ReceiverImageLoaded = state.ImageDataPresent = true;
    }
    QString report(ReportKind kind)
    {
        showReport(view, state, ui, reportKindOf(kind));
        return view.text1;
    }
};

} // namespace

TEST(Reports, PagerRecords)
{
    // Pager n's five bytes sit at 5*(n-1).
    struct Case {
        int cell;
        std::initializer_list<int> bytes;
        const char* line;
    };
    const Case cases[] = {
        {0,
         {0x62, 0x12, 0x34, 0x56, 0x71},
         "   1    1 2 3 4 5 6 7     正     数字新型    512    音调2"},
        {0,
         {'j', 0x00, 0x00, 0x00, 0x73},
         "   1    0 0 0 0 0 0 7     正     英文    2400    音调4"},
        {30, {0x00, 0x12, 0x34, 0x56, 0x71}, nullptr},
        {30, {0xFF, 0x12, 0x34, 0x56, 0x71}, nullptr},
        {10, {'G', 0x12, 0x34, 0x56, 0x71}, "   3    1 2 3 4 5 6 7     反      音调2"},
        {10, {'g', 0x12, 0x34, 0x56, 0x74}, "   3    1 2 3 4 5 6 7     正     "},
        {495, {0x60, 0xAB, 0xCD, 0xEF, 0x9F}, " 100    A B C D E F 9     反     "},
        {1270,
         {'u', 0x98, 0x76, 0x54, 0x32},
         " 255    9 8 7 6 5 4 3     正     数字标准    1200    音调3"},
    };
    for (const auto& [cell, bytes, line] : cases) {
        ReportRun r;
        put(r.state.HostImage, cell, bytes);
        put(r.state.HostImage, 1275, {'U', 1, 2, 3, 4}); // past pager 255: no record
        const QString text = line ? QString::fromUtf8(line) + "\r\n" : QString("不存在传呼号！");
        EXPECT_EQ(r.report(ReportPagers), text) << cell;
        EXPECT_TRUE(r.view.label3Visible && r.view.fullSize) << cell;
    }
}

TEST(Reports, TableCountsAndRecords)
{
    const char* one = "共有 1个餐桌号：\r\n 5      0A  1B  FF    1      无        12       无\r\n";
    const std::tuple<int, const char*> cases[] = {
        {1, one},
        {0, nullptr},
        {513, nullptr},
        {0xFFFF, nullptr},
    };
    for (const auto& [count, text] : cases) {
        ReportRun r;
        put(r.state.HostImage, 8190, {count >> 8, count & 0xFF});
        put(r.state.HostImage, 1280, {0x0A, 0x1B, 0xFF, 0x00, 0x05, 1, 255, 12, 255});
        EXPECT_EQ(r.report(ReportTables), QString::fromUtf8(text ? text : "")) << count;
        const QList<Message> refusal{{"没有餐桌号！", Style::Stop, Title::Attention}};
        EXPECT_EQ(r.ui.messages, text ? QList<Message>{} : refusal) << count;
        EXPECT_TRUE(r.view.label4Visible) << count;
    }
    // All 512: record k at 1280 + 9*k, the last one far past the settings cells.
    ReportRun r;
    put(r.state.HostImage, 8190, {0x02, 0x00});
    put(r.state.HostImage, 2018, {0x11, 0x22, 0x33, 0x00, 0x63, 0x07, 0, 8, 3});
    put(r.state.HostImage, 5879, {0, 0, 0, 0x01, 0xF4, 1, 2, 3, 4});
    const QStringList lines = r.report(ReportTables).split("\r\n");
    ASSERT_EQ(lines.size(), 514);
    EXPECT_EQ(lines[0], QString("共有 512个餐桌号："));
    EXPECT_EQ(lines[83], QString(" 99     11  22  33    7       0        8        3"));
    EXPECT_EQ(lines[512], QString(" 500    00  00  00    1       2        3        4"));
}

TEST(Reports, SettingsFromTheirCells)
{
    enum : int {
        Mode = ReportWorkMode,
        Tx = ReportTransmitterFrequency,
        Info = ReportInfoUnitType,
        Lang = ReportNumberPronunciation,
        Orig = ReportCallOriginator,
        Keys = ReportKeyPrompts,
        Hand = ReportHandheldPrompts
    };
    const QString k1 = "按键1的语音提示内容", k2 = "\r\n按键2的语音提示内容",
                  k3 = "\r\n按键3的语音提示内容";
    const QString h1 = "按餐桌号呼叫的方式为：", h2 = "\r\n按传呼号呼叫的方式为：",
                  h = "找您取（去）**桌";
    struct Case {
        int kind, cell;
        std::initializer_list<int> bytes;
        QString text;
    };
    const Case cases[] = {
        {Mode, 8166, {0}, "当前工作类型为：\r\n单键模式1"},
        {Mode, 8166, {0xFF}, "当前工作类型为：\r\n单键模式0"},
        {Tx, 8185, {0x41, 0xA5, 0xAA, 0}, "发射机频率为出厂默认频率 430.225MHz"},
        {Tx, 8185, {0x41, 0xA5, 0x2D, 1}, "发射机频率为 430.2125MHz"},
        {Tx, 8185, {0x42, 0x36, 0x00, 2}, "发射机频率为出厂默认频率 430.225MHz"},
        {Tx, 8185, {0x42, 0x36, 0x00, 1}, "发射机频率为 433.92MHz"},
        {Info, 2046, {0}, "信息机类型为“语音机”"},
        {Lang, 2024, {1}, "当前语音机的提示语种为“英语”"},
        {Lang, 2024, {2}, "当前没有设置过语音机的提示语种！"},
        {Orig, 2025, {9}, "呼叫发起人的设置为："},
        {Orig, 2025, {10}, "当前呼叫发起人的类型没有设置"},
        {Keys, 2026, {15, 16, 0}, k1 + "为：“Callsfor”" + k2 + "没有设置" + k3 + "为：“取消”\r\n"},
        {Hand, 2029, {2, 0xFF}, h1 + "“服务台”" + h + h2 + "此内容没有设置\r\n"},
        {Hand, 2029, {3, 4}, h1 + h2 + "此内容没有设置\r\n"},
    };
    for (const auto& [kind, cell, bytes, text] : cases) {
        ReportRun r;
        put(r.state.HostImage, cell, bytes);
        EXPECT_EQ(r.report(ReportKind(kind)), text) << kind << " " << *bytes.begin();
        EXPECT_TRUE(r.ui.messages.isEmpty()) << kind;
    }
}

TEST(Reports, RefusedWithoutTheNeededImage)
{
    const Message noData{"读取数据区为空，请先读取主机或分机内容后再点击此按钮！", Style::Stop,
                         Title::Error};
    const Message noHost{"还没有读取主机内容，操作无效！", Style::Stop, Title::Error};
    const std::tuple<bool, bool, ReportKind, Message> cases[] = {
        {false, false, ReportPagers, noData},
        {false, true, ReportTables, noHost},
        {false, true, ReportHandheldPrompts, noHost},
    };
    for (const auto& [host, receiver, kind, message] : cases) {
        ReportRun r;
        r.state.HostImageLoaded = host;
        r.state.ReceiverImageLoaded = receiver;
        r.state.ImageDataPresent = host || receiver;
        EXPECT_EQ(r.report(kind), QString()) << kind;
        EXPECT_EQ(r.ui.messages, QList<Message>{message}) << kind;
    }
}

TEST(VoicePrompts, RequestsAndTheDigitalUnit)
{
    // form5 as it opens: 中文发音, "桌", "点菜", keys 2 and 3 ticked with "加水" and "买单".
    const CallerPromptChoices initial{0, {"桌", 1}, {"点菜", 3}, 4, true, 7, true};
    using Write = std::function<Outcome(VoicePrompts&)>;
    const std::tuple<Write, const char*> cases[] = {
        {[&](VoicePrompts& p) { return p.writeCallerPrompts(initial); }, "14 05 00 01 03 04 07"},
        {[](VoicePrompts& p) { return p.writeHandheldByTable(2); }, "15 01 02"},
        {[](VoicePrompts& p) { return p.writeHandheldByPager(1); }, "16 01 01"},
    };
    for (const auto& [write, body] : cases) {
        for (int infoUnit : {0, 1}) { // a voice unit answers m = 0, a digital one m = 1
            Rig rig;
            rig.unit.memory[2046] = std::uint8_t(infoUnit);
            VoicePrompts prompts(rig.link, rig.portControl);
            const Outcome o = write(prompts);
            const QByteArray b = hex(body);
            EXPECT_EQ(rig.port.written.toHex(' '), requestFrame(b[0], b.mid(2)).toHex(' '));
            EXPECT_EQ(std::tuple(o.ending, o.message.title),
                      infoUnit == 1 ? std::tuple(Ending::Failed, Title::Err)
                                    : std::tuple(Ending::Done, Title::Ok))
                << body;
        }
    }
}

TEST(ReportFormats, JsonHoldsCodesAndExportWords)
{
    Buffer image;
    image.fill(0xFF);
    put(image, 0, {0x62, 0x12, 0x34, 0x56, 0x75}); // pager 1: tone nibble 5, no tone
    put(image, 2024, {1, 9, 3, 16, 0xFF, 2, 3});   // language .. handheld by pager
    put(image, 8185, {0x41, 0xA5, 0x2D, 1});       // 430.2125 MHz, set
    put(image, 8190, {0, 1});
    put(image, 1280, {0x0A, 0x1B, 0xFF, 0x00, 0x05, 1, 255, 12, 255});
    const HostMemory host(image);
    const QJsonObject all = allReportKinds().jsonDocument(host);
    // A kind's document is its member of the document of all kinds.
    const auto json = [&](const char* key) {
        const QJsonObject one = reportKindNamed(key)->jsonDocument(host);
        EXPECT_EQ(one.value(key), all.value(key)) << key;
        return QString::fromUtf8(QJsonDocument(one).toJson(QJsonDocument::Compact));
    };
    const std::pair<const char*, const char*> cases[] = {
        {"pagers",
         R"({"pagers":[{"address":"1234567","model":{"code":1,"word":"new"},)"
         R"("number":1,"polarity":{"code":1,"word":"normal"},)"
         R"("rate":{"code":0,"word":"512"},"tone":null,"typeLetter":98}]})"},
        {"tables",
         R"({"tables":{"count":1,"storedCount":1,"tables":[{"feature":"0A1BFF",)"
         R"("key":null,"pagers":[1,null,12],"table":5}]}})"},
        {"mode", R"({"mode":{"code":255,"word":"single0"}})"},
        {"transmitter",
         R"({"transmitter":{"factoryDefault":false,"flag":1,)"
         R"("megahertz":430.2125,"units":4302125}})"},
        {"infounit", R"({"infounit":{"code":255,"word":"digital"}})"},
        {"language", R"({"language":{"code":1,"word":"english"}})"},
        {"originator", R"({"originator":{"code":9,"word":null}})"},
        {"keys",
         R"({"keys":[{"code":3,"key":1,"word":"diancai"},{"code":16,"key":2,)"
         R"("word":null},{"code":255,"key":3,"word":null}]})"},
        {"handheld",
         R"({"handheld":{"byPager":{"code":3,"word":null},)"
         R"("byTable":{"code":2,"word":"fuwutai"}}})"},
    };
    for (const auto& [key, expected] : cases)
        EXPECT_EQ(json(key), QString(expected)) << key;
    EXPECT_EQ(all.value("version"), 1);
    EXPECT_EQ(all.size(), int(std::size(cases)) + 1);
}

// Tables that moved up after a delete are explained as those tables, not as
// cells; the table count's two cells count like any other.
TEST(BackupDiff, MovedTablesAndTheTableCountAreExplained)
{
    Buffer three;
    three.fill(0xFF);
    put(three, 8190, {0, 3});
    for (int k = 0; k < 3; ++k)
        put(three, 1280 + 9 * k, {0x0A, 0x1B, k, 0, 5 + k, 1, 255, 255, 255});
    const auto tables = [&](std::initializer_list<int> kept) {
        Buffer b = three;
        std::fill(b.begin() + 1280, b.begin() + 1280 + 27, 0xFF);
        int k = 0;
        for (int table : kept)
            std::copy_n(three.begin() + 1280 + 9 * (table - 5), 9, b.begin() + 1280 + 9 * k++);
        put(b, 8190, {0, k});
        return b;
    };
    const QString Moved = "餐桌号 moved to other cells, unchanged:";
    Buffer countOnly = three;
    put(countOnly, 8191, {2}); // the last table dropped by its count alone
    const std::pair<Buffer, int> cases[] = {
        // The tables kept in order, and how many of them moved.
        {tables({6, 7}), 2},
        {tables({5, 7}), 1},
        {tables({5, 6}), 0},
        {countOnly, 0},
    };
    for (const auto& [after, moved] : cases) {
        const BackupDifference d = backupDiff(three, after);
        int differing = 0;
        for (int i = 0; i < HostMemorySize; ++i)
            differing += three[size_t(i)] != after[size_t(i)];
        EXPECT_EQ(d.cells, differing);
        // The count line, the table removed, the moved ones: nothing left by address.
        const QString head = "餐桌号:\n- 共有 3个餐桌号：\n+ 共有 2个餐桌号：\n餐桌号 removed:\n";
        EXPECT_TRUE(d.text.startsWith(head)) << d.text.toStdString();
        EXPECT_EQ(d.text.count(Moved + "\n"), moved > 0) << d.text.toStdString();
        EXPECT_EQ(d.text.count("\n   "), moved) << d.text.toStdString();
        EXPECT_FALSE(d.text.contains("other cells that differ")) << d.text.toStdString();
    }
}
