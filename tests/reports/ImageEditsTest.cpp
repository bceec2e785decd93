// Offline edits of a host image: the same bytes as the same commands sent to
// the simulated unit, only their own cells, and the refusals.
#include "reports/ImageEdits.h"
#include "commands/Commands.h"
#include "commands/FieldInput.h"
#include "memory/Transfers.h"
#include "reports/MemoryLayout.h"
#include "support/Images.h"
#include "support/Rig.h"

#include <QSet>
#include <functional>
#include <gtest/gtest.h>

using namespace cs;
using namespace cs::test;

namespace {

QString num(int v)
{
    return QString::number(v);
}

int tableNumberAt(const Buffer& image, int k)
{
    return image[size_t(1280 + 9 * k + 3)] << 8 | image[size_t(1280 + 9 * k + 4)];
}

int tableCountOf(const Buffer& image)
{
    return image[8190] << 8 | image[8191];
}

// One step run both ways: on the unit through the commands, and offline.
struct Step {
    QString name;
    std::function<Outcome(Commands&, VoicePrompts&)> online;
    std::function<Outcome(ImageEdits&)> offline;
};

// A step whose call reads the same on the commands and on the edits.
template <class Call> Step both(const QString& name, Call call)
{
    return {name, [=](Commands& c, VoicePrompts&) { return call(c); },
            [=](ImageEdits& e) { return call(e); }};
}

Step randomStep(std::mt19937& rng, const Buffer& image)
{
    const QStringList frequencies = {"",     "430.225",  "433.92", "100",     "500",
                                     "99.9", "430.2125", "abc",    "315.0125"};
    switch (pick(rng, 0, 8)) {
    case 0: {
        const QString n = pick(rng, 0, 9) ? num(pick(rng, 1, 254)) : num(pick(rng, 255, 256));
        const QString address = num(pick(rng, 0, 9999999 + pick(rng, 0, 1) * 10));
        const int m = pick(rng, 0, 3), p = pick(rng, 0, 1), r = pick(rng, 0, 2),
                  t = pick(rng, 0, 3);
        return both("pager set " + n + " " + address,
                    [=](auto& x) { return x.setPager(n, address, m, p, r, t); });
    }
    case 1: {
        const QString n = num(pick(rng, 0, 255));
        return both("pager delete " + n, [=](auto& x) { return x.deletePager(n); });
    }
    case 2: {
        const int count = tableCountOf(image);
        const QString n = count > 0 && pick(rng, 0, 3)
            ? num(tableNumberAt(image, pick(rng, 0, count - 1)))
            : num(pick(rng, 0, 65536));
        return both("table delete " + n, [=](auto& x) { return x.deleteTable(n); });
    }
    case 3: {
        const int m = pick(rng, 0, 2);
        return both("mode " + num(m), [=](auto& x) { return x.setWorkMode(m); });
    }
    case 4: {
        const int t = pick(rng, 0, 1);
        return both("info unit " + num(t), [=](auto& x) { return x.setInfoUnitType(t); });
    }
    case 5: {
        const QString f = frequencies[pick(rng, 0, int(frequencies.size()) - 1)];
        return both("transmitter '" + f + "'",
                    [=](auto& x) { return x.setTransmitterFrequency(f); });
    }
    case 6: {
        CallerPromptChoices ch;
        ch.pronunciation = pick(rng, 0, 1);
        ch.originator = {pick(rng, 0, 4) ? "x" : "", pick(rng, 0, 8)};
        ch.key1 = {pick(rng, 0, 4) ? "x" : "", pick(rng, 0, 15)};
        ch.key2 = pick(rng, 0, 15);
        ch.sendKey2 = pick(rng, 0, 1);
        ch.key3 = pick(rng, 0, 15);
        ch.sendKey3 = pick(rng, 0, 1);
        return {"caller prompts",
                [=](Commands&, VoicePrompts& v) { return v.writeCallerPrompts(ch); },
                [=](ImageEdits& e) { return e.setCallerPrompts(ch); }};
    }
    default: {
        const int p = pick(rng, 0, 2);
        const bool byTable = pick(rng, 0, 1);
        const VoiceSetting s = byTable ? VoiceSetting::HandheldByTable
                                       : VoiceSetting::HandheldByPager;
        return {"handheld " + num(p),
                [=](Commands&, VoicePrompts& v) {
                    return byTable ? v.writeHandheldByTable(p) : v.writeHandheldByPager(p);
                },
                [=](ImageEdits& e) { return e.setVoiceSetting(s, p); }};
    }
    }
}

} // namespace

TEST(ImageEdits, SameBytesAsTheCommandsOnTheUnit)
{
    for (int seed = 0; seed < 16; ++seed) {
        std::mt19937 rng(seed);
        Rig rig;
        const Buffer start = realisticImage(rng);
        ASSERT_TRUE(
            rig.unit.loadImage(QByteArray(reinterpret_cast<const char*>(start.data()), 8192)));
        ASSERT_TRUE(readMemory(rig.link, rig.portControl, MemoryUnit::Host).done());
        Buffer offline = rig.state.HostImage;
        Commands commands(rig.link, rig.portControl);
        VoicePrompts voice(rig.link, rig.portControl);
        ImageEdits edits(offline);
        QStringList done;
        for (int i = 0; i < 30; ++i) {
            const Step step = randomStep(rng, offline);
            const Outcome online = step.online(commands, voice);
            const Outcome local = step.offline(edits);
            done << step.name;
            ASSERT_EQ(online.done(), local.done()) << seed << ": " << done.join(", ").toStdString();
            if (!local.done()) {
                EXPECT_EQ(online.message.text, local.message.text) << step.name.toStdString();
            }
        }
        ASSERT_TRUE(readMemory(rig.link, rig.portControl, MemoryUnit::Host).done());
        EXPECT_EQ(changedCells(rig.state.HostImage, offline), QSet<int>())
            << seed << ": " << done.join(", ").toStdString();
    }
}

TEST(ImageEdits, EveryEditChangesOnlyItsCells)
{
    for (int seed = 0; seed < 40; ++seed) {
        std::mt19937 rng(seed + 100);
        const Buffer start = realisticImage(rng);
        const int count = tableCountOf(start);
        const int k = count ? pick(rng, 0, count - 1) : 0;
        const QString table = num(count ? tableNumberAt(start, k) : 1);
        // The record's pagers and key as the table set request carries them ("" and 255:
        // none): the four cells from `first` with `bytes` over them, ".." keeping a cell.
        const auto cells = [&](int first, const char* bytes) {
            QByteArray b = QByteArray(reinterpret_cast<const char*>(start.data()) + first, 4);
            for (int i = 0; bytes[2 * i]; ++i)
                if (bytes[2 * i] != '.')
                    b[i] = char(QByteArray(bytes + 2 * i, 2).toInt(nullptr, 16));
            return b;
        };
        const int record = 1280 + 9 * k;
        struct Case {
            QString name;
            std::function<Outcome(ImageEdits&)> edit;
            QSet<int> cells;
            QByteArray bytes; // the cells after the edit; empty: not checked
        };
        const QList<Case> cases = {
            {"table pagers",
             [&](ImageEdits& e) {
                 return e.editTable(table, {{{"9", "", "255"}}, {}});
             },
             cellRange(record + 5, 4), cells(record + 5, "09FFFF..")},
            {"table key",
             [&](ImageEdits& e) {
                 return e.editTable(table, {std::nullopt, "00"});
             },
             cellRange(record + 5, 4), cells(record + 5, "......00")},
            {"table move",
             [&](ImageEdits& e) { return e.renumberTable(table, "65535"); },
             cellRange(record + 3, 2),
             {}},
            {"language",
             [&](ImageEdits& e) { return e.setVoiceSetting(VoiceSetting::NumberPronunciation, 1); },
             {2024},
             {}},
        };
        for (const Case& c : cases) {
            Buffer image = start;
            ImageEdits edits(image);
            const Outcome o = c.edit(edits);
            const QSet<int> changed = changedCells(start, image);
            EXPECT_TRUE(changed.isEmpty() || o.done()) << c.name.toStdString();
            EXPECT_TRUE(c.cells.contains(changed)) << seed << " " << c.name.toStdString();
            if (count && !c.bytes.isEmpty()) {
                const int first = *std::min_element(c.cells.begin(), c.cells.end());
                EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(image.data()) + first, 4),
                          c.bytes)
                    << seed << " " << c.name.toStdString();
            }
        }
    }
}

TEST(ImageEdits, TableDeleteAndMoveKeepEveryOtherRecord)
{
    for (int seed = 0; seed < 40; ++seed) {
        std::mt19937 rng(seed + 200);
        const Buffer start = realisticImage(rng);
        const int count = tableCountOf(start);
        if (count == 0)
            continue;
        const int k = pick(rng, 0, count - 1);
        const auto record = [](const Buffer& image, int j) {
            return QByteArray(reinterpret_cast<const char*>(image.data()) + 1280 + 9 * j, 9);
        };

        Buffer deleted = start;
        ASSERT_TRUE(ImageEdits(deleted).deleteTable(num(tableNumberAt(start, k))).done());
        EXPECT_EQ(tableCountOf(deleted), count - 1);
        for (int j = 0; j < count - 1; ++j)
            EXPECT_EQ(record(deleted, j), record(start, j < k ? j : j + 1)) << seed << " " << j;
        EXPECT_EQ(record(deleted, count - 1), QByteArray(9, char(0xFF)));
        for (int c : changedCells(start, deleted))
            EXPECT_TRUE((c >= 1280 + 9 * k && c < 1280 + 9 * count) || c >= 8190) << c;

        Buffer moved = start;
        const int free = 65535 - seed;
        const bool taken = [&] {
            for (int j = 0; j < count; ++j)
                if (tableNumberAt(start, j) == free)
                    return true;
            return false;
        }();
        const Outcome o = ImageEdits(moved).renumberTable(num(tableNumberAt(start, k)), num(free));
        ASSERT_EQ(o.done(), !taken);
        if (taken)
            continue;
        for (int j = 0; j < count; ++j) {
            QByteArray expected = record(start, j);
            if (j == k)
                expected[3] = char(free >> 8), expected[4] = char(free & 0xFF);
            EXPECT_EQ(record(moved, j), expected) << seed << " " << j;
        }
    }
}

TEST(ImageEdits, Refusals)
{
    // 90 tables: 300 at record 0, 7 at record 81 (cells 2009..2017), 301 at
    // record 82 (cells 2018..2026, over the first three voice settings).
    Buffer image{};
    image.fill(0xFF);
    for (int k = 0; k < 90; ++k) {
        const int number = k == 0 ? 300 : k == 81 ? 7 : k == 82 ? 301 : 1000 + k;
        image[size_t(1280 + 9 * k + 3)] = std::uint8_t(number >> 8);
        image[size_t(1280 + 9 * k + 4)] = std::uint8_t(number);
    }
    image[8190] = 0x00, image[8191] = 90;
    image[2046] = 0x00; // a voice info unit, in record 86's caller code

    const QString overlap = "餐桌记录%1（餐桌号%2）与“%3”占用同一内存单元%4，修改一方会覆盖另一方，"
                            "不能修改！";
    const QString keys = overlap.arg(83).arg(301).arg("按键提示语").arg(2026);
    struct Case {
        const char* name;
        std::function<Outcome(ImageEdits&)> edit;
        QString message; // empty: done
    };
    const Case cases[] = {
        {"key prompt on a record",
         [](ImageEdits& e) { return e.setVoiceSetting(VoiceSetting::KeyPrompt1, 3); }, keys},
        {"record's key on a prompt",
         [](ImageEdits& e) {
             return e.editTable("301", {std::nullopt, "5"});
         },
         keys},
        {"record's pagers on settings",
         [](ImageEdits& e) {
             return e.editTable("301", {{{"1", "2", "3"}}, std::nullopt});
         },
         overlap.arg(83).arg(301).arg("语音提示语种").arg(2024)},
        {"delete moves records over a setting", [](ImageEdits& e) { return e.deleteTable("300"); },
         overlap.arg(86).arg(1085).arg("信息机类型").arg(2046)},
        {"record's number", [](ImageEdits& e) { return e.renumberTable("301", "302"); }, ""},
        {"unchanged cells",
         [](ImageEdits& e) {
             return e.editTable("301", {{{"", "", ""}}, ""});
         },
         ""},
        {"record 82's key",
         [](ImageEdits& e) {
             return e.editTable("7", {std::nullopt, "5"});
         },
         ""},
        {"no such table",
         [](ImageEdits& e) {
             return e.editTable("9", {std::nullopt, "5"});
         },
         "备份中没有此餐桌号！餐桌不能离线添加：呼叫器的特征码只能在主机上按呼叫器的服务键得到。"},
        {"taken number", [](ImageEdits& e) { return e.renumberTable("300", "7"); },
         "餐桌号7已经有呼叫器，不能重复！"},
    };
    for (const Case& c : cases) {
        Buffer edited = image;
        ImageEdits edits(edited);
        const Outcome o = c.edit(edits);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(o.done()) << c.name << o.message.text.toStdString();
            continue;
        }
        EXPECT_EQ(o.ending, Ending::Refused) << c.name;
        EXPECT_EQ(o.message.text, c.message) << c.name;
        EXPECT_EQ(changedCells(image, edited), QSet<int>()) << c.name;
    }
}
