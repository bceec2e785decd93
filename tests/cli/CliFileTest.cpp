// callsetup-cli as a program, on backup files and wrong command lines: no
// serial line is involved (a port that does not exist is the only one given).

#include "CliRun.h"
#include "cli/CliOptions.h"
#include "memory/BackupView.h"
#include "memory/MemoryDump.h"
#include "reports/Images.h"
#include "reports/ReportView.h"
#include "support/ScriptedUi.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using cs::test::CliResult;
using cs::test::messageLine;
using cs::test::runCli;

namespace {

const QString NoSuchPort = QStringLiteral("/dev/callsetup-no-such-port");

// A host image with pagers, tables and every settings cell the reports read.
cs::Buffer craftedImage()
{
    using namespace cs::test;
    cs::Buffer image = erasedImage();
    putPager(image, 1, {0x62, 0x12, 0x34, 0x56, 0x71});   // 数字新型 512 音调2
    putPager(image, 10, {0x47, 0xAB, 0xCD, 0xEF, 0x07});  // unknown model and tone
    putPager(image, 255, {0x61, 0x00, 0x00, 0x01, 0x23});
    putTableCount(image, 3);
    putTable(image, 0, {0x0A, 0x1B, 0xFF, 0x00, 0x05, 1, 255, 12, 255});
    putTable(image, 1, {0x01, 0x02, 0x03, 0xFF, 0xFF, 255, 255, 255, 255});
    putTable(image, 2, {0x10, 0x20, 0x30, 0x01, 0x00, 3, 4, 5, 6});
    put(image, 2024, {1});              // English number pronunciation
    put(image, 2025, {4});              // originator 餐厅
    put(image, 2026, {0, 1, 0xFF});     // key prompts
    put(image, 2029, {0, 2});           // handheld prompts
    put(image, 2046, {0});              // info unit
    put(image, 8166, {1});              // 多键模式
    put(image, 8185, {0x41, 0xA5, 0xAA, 1});   // 430.225 MHz in 100 Hz units, flag set
    return image;
}

QByteArray bytesOf(const cs::Buffer& image)
{
    return QByteArray(reinterpret_cast<const char*>(image.data()), cs::HostMemorySize);
}

// What the data backup window shows for the image: Text1 and the message lines.
struct Shown {
    QByteArray text;
    QByteArray messages;
};

Shown windowReport(const cs::Buffer& image, int kind)
{
    cs::AppState state;
    state.HostImage = image;
    state.HostImageLoaded = true;
    state.ImageDataPresent = true;
    cs::BackupView view;
    cs::test::ScriptedUi ui;
    cs::showReport(view, state, ui, kind);
    Shown shown;
    for (const auto& m : ui.messages)
        shown.messages += m.title.toUtf8() + ": " + m.text.toUtf8() + '\n';
    if (ui.messages.isEmpty())
        shown.text = view.text1.toUtf8();
    return shown;
}

class CliFiles : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString path(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
};

TEST_F(CliFiles, ReportsPrintExactlyWhatTheWindowShows)
{
    const cs::Buffer image = craftedImage();
    const QString file = write("unit.cat", bytesOf(image));
    const QStringList names = cs::cli::reportKindNames();
    for (const QString& kind : names) {
        if (kind == QLatin1String("receiver"))
            continue;   // needs a receiver image: its own test
        const Shown expected = windowReport(image, cs::cli::reportKindOf(kind));
        ASSERT_TRUE(expected.messages.isEmpty()) << kind.toStdString();
        const CliResult r = runCli({"--port", NoSuchPort, "report", kind, file});
        EXPECT_EQ(r.exitCode, 0) << kind.toStdString();
        EXPECT_EQ(r.out, expected.text) << kind.toStdString();
        EXPECT_EQ(r.err, QByteArray()) << kind.toStdString();
    }
}

TEST_F(CliFiles, PagerTableAndModeReportsCarryTheWindowLines)
{
    const QString file = write("unit.cat", bytesOf(craftedImage()));
    const CliResult pagers = runCli({"report", "pagers", file});
    EXPECT_TRUE(pagers.out.startsWith("   1    1 2 3 4 5 6 7     正     数字新型    512    音调2\r\n"
                                      "  10    A B C D E F 0     反     \r\n"))
        << pagers.out.constData();
    const CliResult tables = runCli({"report", "tables", file});
    EXPECT_TRUE(tables.out.startsWith("共有 3个餐桌号：\r\n 5      0A  1B  FF    1      无        12       无\r\n"))
        << tables.out.constData();
    const CliResult mode = runCli({"report", "mode", file});
    EXPECT_EQ(mode.out, QByteArray("当前工作类型为：\r\n多键模式"));
}

TEST_F(CliFiles, ReportsThatTheWindowRefusesFailWithItsMessage)
{
    cs::Buffer noTables = craftedImage();
    cs::test::putTableCount(noTables, 0);
    const cs::Buffer erased = cs::test::erasedImage();
    struct Case {
        const char* kind;
        cs::Buffer image;
        QByteArray err;
    };
    const Case cases[] = {
        {"tables", noTables, messageLine("注意", "没有餐桌号！")},
        {"tables", erased, messageLine("注意", "没有餐桌号！")},   // count 0xFFFF
        {"receiver", craftedImage(), messageLine("错误", "还没有读取分机内容，操作无效！")},
    };
    for (const Case& c : cases) {
        const Shown expected = windowReport(c.image, cs::cli::reportKindOf(c.kind));
        ASSERT_EQ(expected.messages, c.err) << c.kind;
        const CliResult r = runCli({"report", c.kind, write("refused.cat", bytesOf(c.image))});
        EXPECT_EQ(r.exitCode, 1) << c.kind;
        EXPECT_EQ(r.err, c.err) << c.kind;
        EXPECT_EQ(r.out, QByteArray()) << c.kind;
    }
}

TEST_F(CliFiles, NoPagerIsAReportNotAFailure)
{
    const CliResult r = runCli({"report", "pagers", write("erased.CAT", bytesOf(cs::test::erasedImage()))});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QByteArray("不存在传呼号！"));
    EXPECT_EQ(r.err, QByteArray());
}

TEST_F(CliFiles, DumpRunsFromTheFirstToThePastTheLastAddress)
{
    cs::Buffer image{};
    for (int i = 0; i < cs::HostMemorySize; ++i)
        image[size_t(i)] = std::uint8_t(i * 7 + i / 256);
    const CliResult r = runCli({"--port", NoSuchPort, "dump", write("dump.cat", bytesOf(image))});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, QByteArray());
    EXPECT_TRUE(r.out.startsWith("000H -- 00 07 0E 15 1C 23 2A 31 38 3F 46 4D 54 5B 62 69 \r\n010H -- "));
    EXPECT_TRUE(r.out.endsWith("\r\n2000H -- "));
    EXPECT_EQ(r.out, cs::dumpText(image, cs::HostMemorySize).toUtf8());
    EXPECT_EQ(r.out.count("\r\n"), 512);
}

TEST_F(CliFiles, BadFilesFailAsTheOpenOperationDoes)
{
    const QString missing = path("missing.cat");
    const QString shortFile = write("short.cat", QByteArray(8191, '\0'));
    const QString empty = write("empty.cat", {});
    const QString directory = path("folder.cat");
    ASSERT_TRUE(QDir().mkdir(directory));
    const QString text = write("unit.txt", QByteArray(8192, '\0'));
    const QString mixed = write("unit.Cat", QByteArray(8192, '\0'));
    const QString doubled = write("unit.cat.txt", QByteArray(8192, '\0'));
    struct Case {
        QString file;
        QByteArray err;
    };
    const QByteArray wrongName = messageLine("错误", "请选择.cat文件");
    const Case cases[] = {
        {missing, messageLine("错误", "文件" + missing + "打开失败！")},
        {shortFile, messageLine("错误", "文件" + shortFile + "打开失败！")},
        {empty, messageLine("错误", "文件" + empty + "打开失败！")},
        {directory, messageLine("错误", "文件" + directory + "打开失败！")},
        {text, wrongName},
        {mixed, wrongName},
        {doubled, wrongName},
    };
    for (const Case& c : cases) {
        for (const QStringList& command : {QStringList{"dump"}, QStringList{"report", "pagers"}}) {
            const CliResult r = runCli(QStringList{"--port", NoSuchPort} + command + QStringList{c.file});
            EXPECT_EQ(r.exitCode, 1) << c.file.toStdString();
            EXPECT_EQ(r.err, c.err) << c.file.toStdString();
            EXPECT_EQ(r.out, QByteArray()) << c.file.toStdString();
        }
    }
}

TEST_F(CliFiles, ALongerFileGivesItsFirst8192Bytes)
{
    QByteArray bytes = bytesOf(craftedImage());
    bytes.append(QByteArray(100, '\x01'));
    const CliResult r = runCli({"report", "mode", write("long.cat", bytes)});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QByteArray("当前工作类型为：\r\n多键模式"));
}

TEST_F(CliFiles, APortThatCannotBeOpenedGivesThePortMessage)
{
    const QString image = write("unit.cat", bytesOf(craftedImage()));
    const QByteArray portMessage = messageLine("错误", "没发现此端口或端口已被其它程序占用!");
    for (const QStringList& command :
         {QStringList{"read", path("new.cat")}, QStringList{"write", image}, QStringList{"monitor"}}) {
        const CliResult r = runCli(QStringList{"--port", NoSuchPort, "--fast"} + command);
        EXPECT_EQ(r.exitCode, 1) << command.join(' ').toStdString();
        EXPECT_EQ(r.err, portMessage) << command.join(' ').toStdString();
        EXPECT_EQ(r.out, QByteArray());
    }
    EXPECT_FALSE(QFile::exists(path("new.cat")));
}

TEST_F(CliFiles, ReadRefusesAWrongNameBeforeTouchingTheLine)
{
    for (const char* name : {"unit.txt", "unit.Cat", "cat"}) {
        const CliResult r = runCli({"--port", NoSuchPort, "read", path(name)});
        EXPECT_EQ(r.exitCode, 1) << name;
        EXPECT_EQ(r.err, messageLine("错误", "保存文件的扩展名必须为.cat！")) << name;
        EXPECT_FALSE(QFile::exists(path(name)));
    }
}

TEST(CliUsage, WrongUsageExitsWithTwoAndTheUsageText)
{
    const QStringList cases[] = {
        {},
        {"frobnicate"},
        {"report", "colours", "a.cat"},
        {"report", "pagers"},
        {"read"},
        {"write"},
        {"dump"},
        {"--port"},
        {"--port", "COM9", "monitor"},
        {"--quiet", "monitor"},
        {"dump", "a.cat", "b.cat"},
    };
    const QByteArray usage = cs::cli::usageText().toUtf8();
    for (const QStringList& arguments : cases) {
        const CliResult r = runCli(arguments);
        const auto parsed = cs::cli::parseArguments(arguments);
        ASSERT_FALSE(parsed.options.has_value());
        EXPECT_EQ(r.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(r.err, "callsetup-cli: " + parsed.error.toUtf8() + "\n\n" + usage) << arguments.join(' ').toStdString();
        EXPECT_EQ(r.out, QByteArray());
    }
}

TEST(CliUsage, HelpPrintsTheUsageOnStandardOutput)
{
    const CliResult r = runCli({"--help"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, cs::cli::usageText().toUtf8());
    EXPECT_EQ(r.err, QByteArray());
}

} // namespace
