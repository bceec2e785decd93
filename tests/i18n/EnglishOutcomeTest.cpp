// Every outcome of every command and transfer under English, against the
// in-process unit and each of its faults: no Chinese in any message, title,
// prompt or detail, but the unit's spoken words shown beside their English.

#include "commands/Commands.h"
#include "commands/PagerImport.h"
#include "memory/Transfers.h"
#include "reports/BatchFiles.h"
#include "reports/VoicePrompts.h"
#include "shared/Language.h"
#include "sim/SimLine.h"
#include "support/Files.h"
#include "support/Rig.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cs;
using namespace cs::test;

namespace {

using Call = std::function<Outcome(Rig&)>;

Call command(const std::function<Outcome(Commands&)>& run)
{
    return [run](Rig& rig) {
        Commands commands(rig.link, rig.portControl);
        return run(commands);
    };
}

#define CMD(call) command([](Commands& c) { return c.call; })

// Every command with inputs it sends, and with inputs it refuses.
const std::pair<const char*, Call> calls[] = {
    {"pager", CMD(setPager("12", "1234567", 1, 1, 2, 1))},
    {"pager refused", CMD(setPager("255", "1", 0, 0, 1, 0))},
    {"pager address refused", CMD(setPager("1", "12345678", 0, 0, 1, 0))},
    {"pager build failure", CMD(setPager("1", "1", 4, 0, 1, 0))},
    {"delete pager", CMD(deletePager("12"))},
    {"delete pager refused", CMD(deletePager("0"))},
    {"table", CMD(setTable("5", "3", "12", "", ""))},
    {"table refused", CMD(setTable("x", "", "", "", ""))},
    {"table range refused", CMD(setTable("65536", "", "", "", ""))},
    {"table pager refused", CMD(setTable("5", "", "256", "", ""))},
    {"table key refused", CMD(setTable("5", "100", "", "", ""))},
    {"delete table", CMD(deleteTable("5"))},
    {"delete table refused", CMD(deleteTable("x"))},
    {"delete table range refused", CMD(deleteTable("0"))},
    {"hurry button", CMD(setHurryButton("3"))},
    {"hurry button refused", CMD(setHurryButton("10"))},
    {"delete hurry button", CMD(deleteHurryButton("3"))},
    {"receiver number", CMD(setReceiverNumber("7"))},
    {"receiver number refused", CMD(setReceiverNumber("81"))},
    {"receiver frequency", CMD(setReceiverFrequency("315.6", 7, "80"))},
    {"receiver frequency unchosen", CMD(setReceiverFrequency("", -1, ""))},
    {"receiver frequency number refused", CMD(setReceiverFrequency("315.6", 7, "0"))},
    {"initialise receiver", CMD(initialiseReceiver())},
    {"transmitter", CMD(setTransmitterFrequency("430.225"))},
    {"transmitter clear", CMD(setTransmitterFrequency(""))},
    {"transmitter not numeric", CMD(setTransmitterFrequency("x"))},
    {"transmitter range", CMD(setTransmitterFrequency("99"))},
    {"transmitter raster", CMD(setTransmitterFrequency("433.92"))},
    {"work mode", CMD(setWorkMode(2))},
    {"work mode unchosen", CMD(setWorkMode(-1))},
    {"info unit", CMD(setInfoUnitType(1))},
    {"info unit unchosen", CMD(setInfoUnitType(-1))},
    {"initialise host", CMD(initialiseHost())},
    {"write repeater", CMD(writeRepeater())},
    {"delete repeater", CMD(deleteRepeater())},
    {"caller prompts",
     [](Rig& r) {
         CallerPromptChoices choices;
         choices.originator = {"x", 0};
         choices.key1 = {"x", 0};
         return VoicePrompts(r.link, r.portControl).writeCallerPrompts(choices);
     }},
    {"caller prompts unchosen",
     [](Rig& r) { return VoicePrompts(r.link, r.portControl).writeCallerPrompts({}); }},
    {"handheld prompts",
     [](Rig& r) { return VoicePrompts(r.link, r.portControl).writeHandheldByPager(1); }},
    {"host read", [](Rig& r) { return readMemory(r.link, r.portControl, MemoryUnit::Host); }},
    {"receiver read",
     [](Rig& r) { return readMemory(r.link, r.portControl, MemoryUnit::BuiltInReceiver); }},
    {"download empty", [](Rig& r) { return downloadImage(r.link, r.portControl); }},
    {"download",
     [](Rig& r) {
         r.state.HostImageLoaded = r.state.ImageDataPresent = true;
         return downloadAndVerify(r.link, r.portControl);
     }},
};

// How the unit (or the port) behaves.
const std::pair<const char*, std::function<void(Rig&)>> faults[] = {
    {"answers", [](Rig&) {}},
    {"silent", [](Rig& r) { r.port.line.faults.silent = true; }},
    {"bad checksum", [](Rig& r) { r.port.line.faults.badChecksum = true; }},
    {"length 5", [](Rig& r) { r.port.line.faults.forceLength = 5; }},
    {"status 0", [](Rig& r) { r.port.line.faults.statusByte = 0; }},
    {"status 1", [](Rig& r) { r.port.line.faults.statusByte = 1; }},
    {"status 2", [](Rig& r) { r.port.line.faults.statusByte = 2; }},
    {"no port", [](Rig& r) { r.port.failOpen = true; }},
    {"declined", [](Rig& r) { r.ui.answers = {false}; }},
};

// A text in Chinese: a CJK character or full-width punctuation, after the
// spoken words in brackets beside their English ("Kitchen (厨房)") are taken out.
bool chinese(const QString& text)
{
    static const QRegularExpression spoken(QStringLiteral("[A-Za-z] \\([^()]*\\)"));
    static const QRegularExpression wide(
        QStringLiteral("[\\x{3000}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));
    return QString(text).remove(spoken).contains(wide);
}

} // namespace

TEST(EnglishOutcomes, NoChineseInAnyMessage)
{
    ASSERT_TRUE(installLanguage(*QCoreApplication::instance(), Language::English));
    int messages = 0;
    for (const auto& [name, call] : calls) {
        for (const auto& [fault, arrange] : faults) {
            Rig rig;
            arrange(rig);
            const Outcome outcome = rig.shown(call(rig));
            QStringList texts{outcome.detail};
            for (const Message& m : rig.ui.messages)
                texts << titleText(m.title) + QStringLiteral(": ") + m.text;
            for (const QString& prompt : rig.ui.shownPrompts)
                texts << promptWords(prompt == "Form2" ? Prompt::CallerKey
                                                       : Prompt::HurryButtonKey);
            messages += int(rig.ui.messages.size());
            for (const QString& text : texts)
                EXPECT_FALSE(chinese(text)) << name << ", " << fault << ": " << text.toStdString();
        }
    }
    EXPECT_GT(messages, int(std::size(calls) * std::size(faults)) / 2); // the runs spoke
    ASSERT_TRUE(installLanguage(*QCoreApplication::instance(), Language::Chinese));
}

// Counts of one and of more in each language: "1 byte", "2 bytes", "1个字节".
TEST(Plurals, OneAndMore)
{
    QTemporaryDir dir;
    const QByteArray image(8192, '\0');
    const QString a = writeFile(dir.filePath("a.cat"), image);
    const QString b = writeFile(dir.filePath("b.cat"), QByteArray(image).replace(0, 1, "\1"));
    const QString c = writeFile(dir.filePath("c.cat"), QByteArray(image).replace(0, 2, "\1\1"));
    const QByteArray head = "number,address,model,polarity,rate,tone\n";
    const auto rows = [&](const QByteArray& csv) {
        Rig rig;
        Commands commands(rig.link, rig.portControl);
        PagerImport import(rig.link, commands, rig.ui);
        import.check(head + csv);
        return import.status;
    };
    const auto verify = [](int corruptBlock) {
        Rig rig;
        rig.state.HostImageLoaded = rig.state.ImageDataPresent = true;
        rig.port.line.faults.corruptBlock = corruptBlock;
        return downloadAndVerify(rig.link, rig.portControl).message.text;
    };
    const std::tuple<Language, std::function<QString()>, QString> cases[] = {
        {Language::English, [&] { return compareBackups(a, b).summary; },
         "1 byte differs; it is listed below."},
        {Language::English, [&] { return compareBackups(a, c).summary; },
         "2 bytes differ; each of them is listed below."},
        {Language::English, [&] { return rows("1,1\n"); }, "1 pager; it can be written."},
        {Language::English, [&] { return rows("1,1\n2,2\n"); },
         "2 pagers; every row can be written."},
        {Language::Chinese, [&] { return rows("1,1\n"); }, "共1个传呼机，每一行都可以写入。"},
        {Language::English, [&] { return verify(7); },
         "The memory read back differs from the backup: 1 byte differs, the first at "
         "address 0380H."},
    };
    for (const auto& [language, text, expected] : cases) {
        ASSERT_TRUE(installLanguage(*QCoreApplication::instance(), language));
        EXPECT_EQ(text().toStdString(), expected.toStdString());
    }
    ASSERT_TRUE(installLanguage(*QCoreApplication::instance(), Language::Chinese));
}

// A bad list cell of a pager file is named by its column's caption, in the language.
TEST(PagerFileText, ColumnsByTheirCaptions)
{
    const QByteArray file = "number,address,model,polarity,rate,tone\n1,1,,,9600\n2,2,x\n";
    const std::pair<Language, QString> cases[] = {
        {Language::Chinese, "2:无法识别的 速率 值“9600”|3:无法识别的 机型 值“x”"},
        {Language::English,
         "2:unknown value \"9600\" in the column Rate|3:unknown value \"x\" in the column Model"},
    };
    for (const auto& [language, expected] : cases) {
        ASSERT_TRUE(installLanguage(*QCoreApplication::instance(), language));
        QStringList problems;
        for (const RowProblem& p : readPagerCsv(file).problems)
            problems << QString::number(p.line) + ":" + p.message;
        EXPECT_EQ(problems.join('|'), expected);
    }
    ASSERT_TRUE(installLanguage(*QCoreApplication::instance(), Language::Chinese));
}
