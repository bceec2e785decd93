// The editing session over the held host image: the grids' rows, the undo
// history and its saved state, the data backup window's read, open and save,
// saving and the checked download against the simulated unit.
#include "reports/EditSession.h"
#include "memory/BackupView.h"
#include "shared/Vocabulary.h"
#include "support/Files.h"
#include "support/Images.h"
#include "support/Rig.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cs;
using namespace cs::test;

namespace {

// A session over a held image (all cells 0xFF unless given).
struct SessionRig : Rig {
    explicit SessionRig(const QByteArray& cells = {})
    {
        state.HostImage.fill(0xFF);
        for (int c = 0; c < cells.size(); ++c)
            state.HostImage[size_t(c)] = std::uint8_t(cells[c]);
        state.HostImageLoaded = state.ImageDataPresent = true;
        session.replaced(QString());
    }
    void put(int cell, const char* bytes)
    {
        const QByteArray b = hex(bytes);
        for (int i = 0; i < b.size(); ++i)
            state.HostImage[size_t(cell + i)] = std::uint8_t(b[i]);
        session.replaced(QString());
    }
    EditSession session{state, link, portControl, ui};
};

const EditSession::PagerValues Pager7{"7654321", 1, 1, 2, 3};

} // namespace

TEST(EditSession, PagerRowsInTheListsCodes)
{
    struct Case {
        const char* record;
        bool present;
        const char* address;
        std::optional<int> model, polarity, rate, tone;
    };
    const Case cases[] = {
        {"FF 12 34 56 71", false, "", {}, {}, {}, {}},
        {"62 12 34 56 71", true, "1234567", 1, 1, 0, 1},   // b: 数字新型 512, 正
        {"47 12 34 56 70", true, "1234567", {}, 0, {}, 0}, // G: no model or rate
        {"6A 1A 34 56 75", true, "1A34567", 3, 1, 2, {}},  // a nibble above 9, tone 5
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.record);
        SessionRig rig;
        rig.put(5 * 6, c.record); // pager 7
        const PagerGridRow row = rig.session.pagerRow(7);
        EXPECT_EQ(row.present, c.present);
        EXPECT_EQ(row.address, QString::fromLatin1(c.address));
        EXPECT_EQ(row.model, c.model);
        EXPECT_EQ(row.polarity, c.polarity);
        EXPECT_EQ(row.rate, c.rate);
        EXPECT_EQ(row.tone, c.tone);
    }
}

// An edit starts from the row's values, and from the main window's defaults
// where the record holds no word: a present pager's other values are kept.
TEST(EditSession, PagerEditsStartFromTheRow)
{
    SessionRig rig;
    rig.put(5 * 6, "47 12 34 56 75"); // G, tone 5
    const auto values = rig.session.pagerValues(7);
    EXPECT_EQ(values.address, "1234567");
    EXPECT_EQ(values.polarity, 0);
    EXPECT_EQ(values.model, DefaultModel);
    EXPECT_EQ(values.rate, DefaultRate);
    EXPECT_EQ(values.tone, DefaultTone);
    EXPECT_TRUE(rig.session.pagerValues(8).address.isEmpty());
}

TEST(EditSession, TableRowsAndTheirSlots)
{
    SessionRig rig;
    rig.put(8190, "00 02");
    rig.put(1280, "0A 1B FF 01 2C 00 FF 07 FF  AB CD EF FF FF 05 06 FE 63");
    ASSERT_EQ(rig.session.tableRows(), 2);
    const TableGridRow a = rig.session.tableRow(0);
    EXPECT_EQ(a.feature, "0A1BFF");
    EXPECT_EQ(a.number, 300);
    EXPECT_EQ(a.pagers, (std::array<QString, 3>{"0", "", "7"})); // 0 is a number, 255 none
    EXPECT_EQ(a.key, "");
    const TableGridRow b = rig.session.tableRow(1);
    EXPECT_EQ(b.number, 65535);
    EXPECT_EQ(b.pagers, (std::array<QString, 3>{"5", "6", "254"}));
    EXPECT_EQ(b.key, "99");

    // One slot changed, the others and the caller's code kept.
    ASSERT_TRUE(rig.session.setTablePager(1, 1, "9").done());
    EXPECT_EQ(rig.session.tableRow(1).pagers, (std::array<QString, 3>{"5", "9", "254"}));
    EXPECT_EQ(rig.session.tableRow(1).feature, "ABCDEF");
    ASSERT_TRUE(rig.session.setTablePager(1, 2, "").done());
    EXPECT_EQ(rig.session.tableRow(1).pagers[2], "");
    EXPECT_FALSE(rig.session.setTablePager(2, 0, "1").done()); // no third table

    rig.put(8190, "02 01"); // 513: no tables
    EXPECT_EQ(rig.session.tableRows(), 0);
}

TEST(EditSession, SettingRowsInTheListsWords)
{
    struct Case {
        int cell;
        const char* value;
        Setting setting;
        std::optional<int> code;
        const char* text;
    };
    const Case cases[] = {
        {8166, "07", Setting::WorkMode, 2, "单键模式0"},
        {2046, "00", Setting::InfoUnitType, 1, "语音"},
        {2046, "05", Setting::InfoUnitType, 0, "数字"},
        {2024, "01", Setting::NumberPronunciation, 1, "英文发音"},
        {2024, "02", Setting::NumberPronunciation, {}, "未设置"},
        {2025, "08", Setting::CallOriginator, 8, "Table"},
        {2025, "09", Setting::CallOriginator, {}, "代码9"},
        {2029, "03", Setting::HandheldByTable, {}, "代码3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell);
        SessionRig rig;
        rig.put(c.cell, c.value);
        const SettingGridRow row = rig.session.settingRow(c.setting);
        EXPECT_EQ(row.code, c.code);
        EXPECT_EQ(row.text, QString::fromUtf8(c.text));
        EXPECT_EQ(row.notSet, row.text == EditSession::notSetText());
    }
    SessionRig rig;
    EXPECT_EQ(rig.session.settingRow(Setting::TransmitterFrequency).text, "430.225（出厂值）");
    rig.put(8185, "41 A5 AB 01");
    EXPECT_EQ(rig.session.settingRow(Setting::TransmitterFrequency).text, "430.2251");
}

TEST(EditSession, SettingEditsReachTheirCells)
{
    SessionRig rig;
    rig.put(2046, "00"); // a voice info unit takes the voice settings
    struct Case {
        Setting setting;
        std::optional<int> code;
        int cell;
        int value;
    };
    // clang-format off
    const Case cases[] = {
        {Setting::WorkMode, 2, 8166, 2},
        {Setting::NumberPronunciation, 1, 2024, 1},
        {Setting::CallOriginator, 4, 2025, 4},
        {Setting::CallOriginator, {}, 2025, 0xFF},
        {Setting::KeyPrompt1, 3, 2026, 3},
        {Setting::KeyPrompt2, 0, 2027, 0},
        {Setting::KeyPrompt3, 12, 2028, 12},
        {Setting::HandheldByTable, 2, 2029, 2},
        {Setting::HandheldByPager, 1, 2030, 1},
        {Setting::InfoUnitType, 0, 2046, 0xFF},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.setting));
        EXPECT_TRUE(rig.session.setSetting(c.setting, c.code).done());
        EXPECT_EQ(rig.state.HostImage[size_t(c.cell)], c.value);
    }
    ASSERT_TRUE(rig.session.setTransmitterFrequency(" 433.925 ").done());
    EXPECT_EQ(rig.session.settingRow(Setting::TransmitterFrequency).typed, "433.925");
    ASSERT_TRUE(rig.session.setSetting(Setting::TransmitterFrequency, {}).done());
    EXPECT_EQ(rig.state.HostImage[8188], 0xFF);
}

TEST(EditSession, NothingToEditWithoutAnImage)
{
    Rig rig;
    EditSession session(rig.state, rig.link, rig.portControl, rig.ui);
    const Outcome o = session.setPager(1, Pager7);
    EXPECT_EQ(o.ending, Ending::Refused);
    EXPECT_EQ(o.message.text, EditSession::noImageText());
    EXPECT_EQ(rig.state.HostImage, Buffer{});
    EXPECT_EQ(session.save(true).ending, Ending::Refused);
    EXPECT_EQ(EditSession::addTable().ending, Ending::Refused);
}

// A read or an opened file in the data backup window asks before unsaved
// edits are lost, and starts a new history; its save marks the image saved.
TEST(EditSession, FollowsTheDataBackupWindow)
{
    QTemporaryDir dir;
    SessionRig rig;
    BackupView view;
    DataBackup backup(rig.link, rig.portControl, view, rig.ui);
    backup.watch = &rig.session;
    const QString file = dir.filePath("site.cat");
    writeFile(file, QByteArray(8192, '\x11'));
    rig.ui.openFileName = file;

    ASSERT_TRUE(rig.session.setPager(7, Pager7).done());
    const Buffer edited = rig.state.HostImage;
    rig.ui.answers = {false};
    backup.openFile();
    EXPECT_EQ(rig.state.HostImage, edited); // declined: kept, still modified
    EXPECT_TRUE(rig.session.modified());
    rig.ui.answers = {false};
    EXPECT_EQ(backup.readHost().ending, Ending::Stopped);
    EXPECT_TRUE(rig.requests().isEmpty()); // asked before anything was sent

    rig.ui.answers = {true};
    backup.openFile();
    EXPECT_EQ(rig.state.HostImage[0], 0x11);
    EXPECT_FALSE(rig.session.modified());
    EXPECT_FALSE(rig.session.canUndo());
    EXPECT_EQ(rig.session.fileName(), file);

    // Unmodified: no question.
    const int boxes = rig.ui.messages.size();
    ASSERT_TRUE(backup.readHost().done());
    EXPECT_EQ(rig.ui.messages.size(), boxes + 1); // only the read's own box
    EXPECT_EQ(rig.state.HostImage[0], rig.unit.memory[0]);
    EXPECT_TRUE(rig.session.fileName().isEmpty());

    ASSERT_TRUE(rig.session.setPager(7, Pager7).done());
    rig.ui.saveFileName = dir.filePath("saved.cat");
    backup.saveFile();
    EXPECT_FALSE(rig.session.modified());
    EXPECT_EQ(rig.session.fileName(), rig.ui.saveFileName);
}

// An image changed behind the session (not through the window) starts a new history.
TEST(EditSession, AnImageReplacedBehindItStartsAnew)
{
    SessionRig rig;
    ASSERT_TRUE(rig.session.setPager(7, Pager7).done());
    rig.state.HostImage[3000] ^= 1;
    EXPECT_FALSE(rig.session.modified());
    EXPECT_FALSE(rig.session.canUndo());
    rig.session.undo();
    EXPECT_EQ(rig.state.HostImage[5 * 6], 0x64); // 'd': 数字新型 2400, 正
}

TEST(EditSession, SavesToItsFileAndAsks)
{
    QTemporaryDir dir;
    SessionRig rig;
    ASSERT_TRUE(rig.session.setPager(7, Pager7).done());

    rig.ui.saveFileName.clear(); // the dialog cancelled
    EXPECT_EQ(rig.session.save(false).ending, Ending::Stopped);
    EXPECT_TRUE(rig.session.modified());
    rig.ui.saveFileName = dir.filePath("site.txt");
    EXPECT_EQ(rig.session.save(false).ending, Ending::Refused); // ".cat" only
    EXPECT_TRUE(rig.session.modified());

    const QString first = dir.filePath("site.cat");
    rig.ui.saveFileName = first;
    ASSERT_TRUE(rig.session.save(false).done());
    EXPECT_FALSE(rig.session.modified());
    const QByteArray image(reinterpret_cast<const char*>(rig.state.HostImage.data()), 8192);
    EXPECT_EQ(readFile(first), image);

    // Saved again without asking, to the same file; save as asks.
    rig.ui.saveFileName = dir.filePath("other.cat");
    ASSERT_TRUE(rig.session.deletePager(7).done());
    ASSERT_TRUE(rig.session.save(false).done());
    EXPECT_EQ(readFile(first)[5 * 6], '\xFF');
    EXPECT_FALSE(QFile::exists(rig.ui.saveFileName));
    ASSERT_TRUE(rig.session.save(true).done());
    EXPECT_EQ(rig.session.fileName(), rig.ui.saveFileName);
}
