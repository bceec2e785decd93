// callsetup-cli as a program on backup files: no serial line is involved (a port
// that does not exist is the only one given).

#include "CliRun.h"
#include "cli/CliOptions.h"
#include "memory/BackupView.h"
#include "memory/MemoryDump.h"
#include "reports/ReportView.h"
#include "reports/Reports.h"
#include "support/ScriptedUi.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cs::test;

namespace {

const QString NoSuchPort = "/dev/callsetup-no-such-port";

void put(cs::Buffer& image, int cell, std::initializer_list<int> bytes) { for (int v : bytes) image[size_t(cell++)] = std::uint8_t(v); }
cs::Buffer erasedImage() { cs::Buffer b; b.fill(0xFF); return b; }

// A host image with pagers, tables and every settings cell the reports read.
cs::Buffer craftedImage(int tables = 3)
{
    cs::Buffer image = erasedImage();
    put(image, 0, {0x62, 0x12, 0x34, 0x56, 0x71});      // pager 1: 数字新型 512 音调2
    put(image, 45, {0x47, 0xAB, 0xCD, 0xEF, 0x07});     // pager 10: unknown model and tone
    put(image, 1270, {0x61, 0x00, 0x00, 0x01, 0x23});   // pager 255
    put(image, 1280, {0x0A, 0x1B, 0xFF, 0x00, 0x05, 1, 255, 12, 255,   // table records 0..2
                      0x01, 0x02, 0x03, 0xFF, 0xFF, 255, 255, 255, 255, 0x10, 0x20, 0x30, 0x01, 0x00, 3, 4, 5, 6});
    put(image, 8190, {tables >> 8, tables & 0xFF});
    put(image, 2024, {1, 4, 0, 1, 0xFF, 0, 2});   // pronunciation, originator, key and handheld prompts
    put(image, 2046, {0});                        // info unit
    put(image, 8166, {1});                        // 多键模式
    put(image, 8185, {0x41, 0xA5, 0xAA, 1});      // 430.225 MHz in 100 Hz units, flag set
    return image;
}

QByteArray bytesOf(const cs::Buffer& image) { return QByteArray(reinterpret_cast<const char*>(image.data()), cs::HostMemorySize); }

// What the data backup window shows for the image: Text1, or its message lines.
QByteArray windowReport(const cs::Buffer& image, int kind)
{
    cs::AppState state;
    state.HostImage = image;
    state.HostImageLoaded = state.ImageDataPresent = true;
    cs::BackupView view;
    ScriptedUi ui;
    cs::showReport(view, state, ui, kind);
    QByteArray messages;
    for (const auto& m : ui.messages)
        messages += messageLine(m.title.toUtf8().constData(), m.text);
    return ui.messages.isEmpty() ? view.text1.toUtf8() : messages;
}

class CliFiles : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes)
    {
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    }
    QTemporaryDir dir_;
};

TEST_F(CliFiles, ReportsPrintExactlyWhatTheWindowShowsOrFailWithItsMessage)
{
    const cs::Buffer erased = erasedImage(), image = craftedImage(), noTables = craftedImage(0);
    std::vector<std::tuple<QString, cs::Buffer, int>> cases;
    for (const QString& kind : cs::cli::reportKindNames())   // receiver: refused without a receiver image
        cases.emplace_back(kind, image, kind == "receiver" ? 1 : 0);
    cases.insert(cases.end(), {{"tables", noTables, 1}, {"tables", erased, 1}, {"pagers", erased, 0}});
    for (const auto& [kind, image, exitCode] : cases) {
        const QByteArray shown = windowReport(image, cs::cli::reportKindOf(kind));
        const CliResult r = runCli({"--port", NoSuchPort, "report", kind, write("unit.cat", bytesOf(image))});
        EXPECT_EQ(std::tuple(r.exitCode, exitCode ? r.err : r.out, exitCode ? r.out : r.err), std::tuple(exitCode, shown, QByteArray()))
            << kind.toStdString();
    }
    EXPECT_EQ(windowReport(noTables, cs::ReportTables), messageLine("注意", "没有餐桌号！"));
    EXPECT_EQ(windowReport(image, cs::ReportReceiverFrequency), messageLine("错误", "还没有读取分机内容，操作无效！"));
    EXPECT_EQ(windowReport(erased, cs::ReportPagers), QByteArray("不存在传呼号！"));
}

TEST_F(CliFiles, DumpRunsFromTheFirstToThePastTheLastAddress)
{
    cs::Buffer image{};
    for (int i = 0; i < cs::HostMemorySize; ++i)
        image[size_t(i)] = std::uint8_t(i * 7 + i / 256);
    const CliResult r = runCli({"--port", NoSuchPort, "dump", write("dump.cat", bytesOf(image))});
    EXPECT_EQ(std::tuple(r.exitCode, r.err), std::tuple(0, QByteArray()));
    EXPECT_TRUE(r.out.startsWith("000H -- 00 07 0E 15 1C 23 2A 31 38 3F 46 4D 54 5B 62 69 \r\n010H -- "));
    EXPECT_TRUE(r.out.endsWith("\r\n2000H -- "));
    EXPECT_EQ(r.out, cs::dumpText(image, cs::HostMemorySize).toUtf8());
    EXPECT_EQ(r.out.count("\r\n"), 512);
}

TEST_F(CliFiles, BadFilesFailAsTheOpenOperationDoes)
{
    const QString directory = dir_.filePath("folder.cat");
    ASSERT_TRUE(QDir().mkdir(directory));
    const QByteArray wrongName = messageLine("错误", "请选择.cat文件"), full(8192, '\0');
    const auto bad = [](const QString& file) { return std::pair(file, messageLine("错误", "文件" + file + "打开失败！")); };
    const std::pair<QString, QByteArray> cases[] = {
        bad(dir_.filePath("missing.cat")), bad(directory), bad(write("short.cat", full.left(8191))), bad(write("empty.cat", {})),
        {write("unit.txt", full), wrongName}, {write("unit.Cat", full), wrongName}, {write("unit.cat.txt", full), wrongName},
        {write("long.cat", full + "\x01"), {}}};   // a longer file gives its first 8192 bytes
    for (const auto& [file, err] : cases) {
        for (const char* command : {"dump", "report mode"}) {
            const CliResult r = runCli(QStringList{"--port", NoSuchPort} + QString::fromLatin1(command).split(' ')
                                       + QStringList{file});
            EXPECT_EQ(std::tuple(r.exitCode, r.err), std::tuple(err.isEmpty() ? 0 : 1, err)) << file.toStdString();
            EXPECT_EQ(r.out.isEmpty(), !err.isEmpty());
        }
    }
}

TEST_F(CliFiles, ReadAndThePortAreCheckedBeforeAnythingIsWritten)
{
    const QString image = write("unit.cat", bytesOf(craftedImage())), fresh = dir_.filePath("new.cat");
    const QByteArray portMessage = messageLine("错误", "没发现此端口或端口已被其它程序占用!");
    const std::pair<QStringList, QByteArray> cases[] = {
        {{"read", fresh}, portMessage}, {{"write", image}, portMessage}, {{"monitor"}, portMessage},
        {{"read", dir_.filePath("unit.txt")}, messageLine("错误", "保存文件的扩展名必须为.cat！")},
        {{"read", dir_.filePath("unit.Cat")}, messageLine("错误", "保存文件的扩展名必须为.cat！")},
        {{"read", dir_.filePath("cat")}, messageLine("错误", "保存文件的扩展名必须为.cat！")}};
    for (const auto& [command, err] : cases) {
        const CliResult r = runCli(QStringList{"--port", NoSuchPort, "--fast"} + command);
        EXPECT_EQ(std::tuple(r.exitCode, r.out, r.err), std::tuple(1, QByteArray(), err)) << command.join(' ').toStdString();
    }
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"unit.cat"});
}

} // namespace
