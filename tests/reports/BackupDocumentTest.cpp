// The backup document: an image's own document gives it back, a document
// changes what it says and nothing else, and a bad one is refused whole.
#include "reports/BackupDocument.h"
#include "reports/ImageEdits.h"
#include "reports/ReportFormats.h"
#include "support/Images.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <gtest/gtest.h>

using namespace cs;
using namespace cs::test;

namespace {

QByteArray documentOf(const Buffer& image)
{
    return QJsonDocument(backupJson(HostMemory(image))).toJson();
}

} // namespace

TEST(BackupDocument, AnImagesOwnDocumentGivesItBack)
{
    for (int seed = 0; seed < 60; ++seed) {
        std::mt19937 rng(seed);
        const Buffer image = realisticImage(rng, seed % 2 ? 82 : 120);
        const AppliedDocument applied = applyDocument(documentOf(image), image);
        ASSERT_TRUE(applied.outcome.done()) << seed << applied.outcome.message.text.toStdString();
        EXPECT_EQ(changedCells(image, applied.image), QSet<int>()) << seed;
    }
    // Erased, zeroed and patterned images too: values no window sets stay.
    for (int fill : {0x00, 0xFF, 0x5A, 0xA5, 0x09}) {
        Buffer image{};
        image.fill(std::uint8_t(fill));
        const AppliedDocument applied = applyDocument(documentOf(image), image);
        ASSERT_TRUE(applied.outcome.done()) << fill << applied.outcome.message.text.toStdString();
        EXPECT_EQ(changedCells(image, applied.image), QSet<int>()) << fill;
    }
}

TEST(BackupDocument, AnEditedImagesDocumentMakesTheSameEdits)
{
    for (int seed = 0; seed < 40; ++seed) {
        std::mt19937 rng(seed + 1000);
        const Buffer start = realisticImage(rng);
        Buffer edited = start;
        ImageEdits edits(edited);
        QStringList done;
        for (int i = 0; i < 12; ++i) {
            const int count = HostMemory(edited).tableCount().count();
            const QString table = QString::number(
                count ? HostMemory(edited).table(pick(rng, 0, count - 1)).tableNumber : 1);
            const QString n = QString::number(pick(rng, 1, 254));
            Outcome o;
            switch (pick(rng, 0, 6)) {
            case 0:
                o = edits.setPager(n, QString::number(pick(rng, 0, 9999999)), pick(rng, 0, 3),
                                   pick(rng, 0, 1), pick(rng, 0, 2), pick(rng, 0, 3));
                break;
            case 1:
                o = edits.editTable(table,
                                    {{{QString::number(pick(rng, 1, 255)), "", "7"}},
                                     QString::number(pick(rng, 0, 99))});
                break;
            case 2: o = edits.renumberTable(table, QString::number(pick(rng, 1, 65535))); break;
            case 3: o = edits.setWorkMode(pick(rng, 0, 2)); break;
            case 4: o = edits.setTransmitterFrequency(pick(rng, 0, 1) ? "" : "450.0125"); break;
            case 5: o = edits.setInfoUnitType(pick(rng, 0, 1)); break;
            default:
                o = edits.setVoiceSetting(VoiceSetting(pick(rng, 0, 6)),
                                          pick(rng, 0, 3) ? std::optional(pick(rng, 0, 2))
                                                          : std::nullopt);
                break;
            }
            done << QString::number(i) + (o.done() ? "+" : "-");
        }
        const AppliedDocument applied = applyDocument(documentOf(edited), start);
        ASSERT_TRUE(applied.outcome.done()) << seed << applied.outcome.message.text.toStdString();
        QSet<int> changed = changedCells(edited, applied.image);
        // A cleared transmitter setting leaves frequency cells that mean nothing
        // and that a document does not carry.
        if (edited[8188] != 1)
            changed -= QSet<int>{8185, 8186, 8187};
        EXPECT_EQ(changed, QSet<int>()) << seed << " " << done.join(' ').toStdString();
    }
}

TEST(BackupDocument, DeletesByEntry)
{
    std::mt19937 rng(7);
    const Buffer start = realisticImage(rng);
    const HostMemory host(start);
    ASSERT_GT(host.tableCount().count(), 2);
    int pager = 1;
    while (!host.pager(pager))
        ++pager;
    const QString feature = featureText(host.table(1));
    const QByteArray doc = QStringLiteral(
                               R"({"pagers":[{"number":%1,"delete":true}],)"
                               R"("tables":{"tables":[{"feature":"%2","delete":true}]}})")
                               .arg(pager)
                               .arg(feature)
                               .toUtf8();
    Buffer expected = start;
    ImageEdits edits(expected);
    ASSERT_TRUE(edits.deletePager(QString::number(pager)).done());
    ASSERT_TRUE(edits.deleteTableAt(1).done());
    const AppliedDocument applied = applyDocument(doc, start);
    ASSERT_TRUE(applied.outcome.done()) << applied.outcome.message.text.toStdString();
    EXPECT_EQ(changedCells(expected, applied.image), QSet<int>());
}

TEST(BackupDocument, MissingValuesLeaveTheirCells)
{
    std::mt19937 rng(3);
    const Buffer start = realisticImage(rng);
    const struct {
        const char* doc;
        QSet<int> cells;
    } cases[] = {
        {"{}", {}},
        {R"({"version":1,"$schema":"x"})", {}},
        {R"({"mode":"multi"})", {8166}},
        {R"({"mode":{"word":"single1","code":1}})", {8166}},
        {R"({"transmitter":{"megahertz":100}})", {8185, 8186, 8187, 8188}},
        {R"({"pagers":[{"number":254,"address":"7","model":"english"}]})",
         {1265, 1266, 1267, 1268, 1269}},
        {R"({"tables":{"count":3}})", {}},
    };
    for (const auto& c : cases) {
        const AppliedDocument applied = applyDocument(c.doc, start);
        ASSERT_TRUE(applied.outcome.done()) << c.doc << applied.outcome.message.text.toStdString();
        EXPECT_TRUE(c.cells.contains(changedCells(start, applied.image))) << c.doc;
    }
}

TEST(BackupDocument, RefusedWithItsPathAndNothingApplied)
{
    // Table 300 with caller 0A1B01; a digital info unit; pager 1 present.
    Buffer base{};
    base.fill(0xFF);
    const std::uint8_t record[9] = {0x0A, 0x1B, 0x01, 0x01, 0x2C, 1, 2, 3, 4};
    std::copy(record, record + 9, base.begin() + 1280);
    base[8190] = 0x00, base[8191] = 0x01;
    const std::uint8_t pager[5] = {'M', 0x12, 0x34, 0x56, 0x70};
    std::copy(pager, pager + 5, base.begin());
    const QString noTable = ImageEdits::noSuchTable().message.text;
    const struct {
        const char* doc;
        const char* path;
        QString message; // empty: done
    } cases[] = {
        {R"({"pagerz":[]})", "pagerz", "未知的键“pagerz”"},
        {R"({"version":2})", "version", "文档格式版本2不受支持，本程序读取版本1"},
        {R"({"mode":"fast"})", "mode", "工作模式设置失败！"},
        {R"({"pagers":[{"number":0}]})", "pagers[0].number", "传呼号必须为1-254的数字！"},
        {R"({"pagers":[{"number":3,"address":"12345678"}]})", "pagers[0]", "地址码应为7位数字！"},
        {R"({"pagers":[{"number":3,"address":"1"}]})", "", ""},
        {R"({"pagers":[{"number":1,"tone":"tone9"}]})", "pagers[0]", "设置传呼号失败!"},
        {R"({"tables":{"tables":[{"table":9,"key":5}]}})", "tables.tables[0]", noTable},
        {R"({"tables":{"tables":[{"feature":"0A1B0"}]}})", "tables.tables[0].feature",
         "应为六个十六进制数字"},
        {R"({"tables":{"tables":[{"key":5}]}})", "tables.tables[0]", "餐桌应有“feature”或“table”"},
        {R"({"tables":{"tables":[{"table":300,"key":100}]}})", "tables.tables[0]",
         "键值只能是00-99的数字！"},
        {R"({"tables":{"tables":[{"table":300,"pagers":[1,2]}]}})", "tables.tables[0].pagers",
         "应为三个传呼号（null：无）"},
        {R"({"tables":{"tables":[{"feature":"0a1b01","table":0}]}})", "tables.tables[0].table",
         "餐桌号必须为1-65535的数字！"},
        {R"({"transmitter":{"megahertz":433.92}})", "transmitter.megahertz",
         "频率值必须为12.5K的倍数！"},
        {R"({"transmitter":{"factoryDefault":false}})", "transmitter.megahertz",
         "频率值里不能输入非法数值!"},
        {R"({"keys":[{"key":4,"word":"fuwu"}]})", "keys[0].key", "应在1到3之间"},
        {R"({"keys":[{"key":1,"word":"fuwu"}]})", "keys[0]", "当前信息机类型为数字机，设置失败！"},
        {R"({"infounit":"voice","keys":[{"key":1,"word":"fuwu"}]})", "", ""},
        {R"({"infounit":"voice","originator":{"word":null,"code":255}})", "", ""},
        {R"({"infounit":"voice","handheld":{"byTable":null}})", "handheld.byTable",
         "应为列表中的词或JSON对象"},
        {R"({"infounit":"voice","language":{"word":null,"code":7}})", "language",
         "设置呼叫器的语音提示类型失败!"},
        {"not json", "", "不是JSON文档"},
    };
    for (const auto& c : cases) {
        const AppliedDocument applied = applyDocument(c.doc, base);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(applied.outcome.done())
                << c.doc << applied.outcome.message.text.toStdString();
            continue;
        }
        EXPECT_EQ(applied.outcome.ending, Ending::Refused) << c.doc;
        EXPECT_EQ(applied.path, QString(c.path)) << c.doc;
        const QString expected = (*c.path ? QString(c.path) + ": " : QString()) + c.message;
        EXPECT_TRUE(applied.outcome.message.text.startsWith(expected))
            << c.doc << " " << applied.outcome.message.text.toStdString();
        EXPECT_EQ(changedCells(base, applied.image), QSet<int>()) << c.doc;
    }
}

TEST(BackupDocument, TheSchemaIsShipped)
{
    const QJsonDocument schema = QJsonDocument::fromJson(documentSchema());
    ASSERT_TRUE(schema.isObject());
    // Every member the document holds is a property of the schema, and no more.
    QStringList members = backupJson(HostMemory(Buffer{})).keys();
    members << "$schema";
    QStringList properties = schema.object().value("properties").toObject().keys();
    members.sort();
    properties.sort();
    EXPECT_EQ(members, properties);
}
