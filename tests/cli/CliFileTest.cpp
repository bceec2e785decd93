// callsetup-cli on backup files and its command line; no serial line is involved.
#include "CliRun.h"
#include "cli/CliOptions.h"
#include "cli/ConsoleUi.h"
#include "memory/MemoryDump.h"
#include "support/Files.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cs::test;

namespace {

const QString NoPort = "/dev/callsetup-no-such-port";

class CliFiles : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes)
    {
        return writeFile(dir_.filePath(name), bytes);
    }
    QTemporaryDir dir_;
};

} // namespace

TEST_F(CliFiles, ReportsAndDumpPrintWhatTheWindowShows)
{
    QByteArray image(8192, '\xFF');
    image.replace(0, 5, QByteArray::fromHex("5512345670"));   // pager 1
    image[8166] = 0;
    const QString file = write("unit.cat", image);
    const std::pair<QStringList, QByteArray> cases[] = {
        {{"report", "pagers", file}, "   1    1 2 3 4 5 6 7     反     数字标准    1200    音调1\r\n"},
    };
    for (const auto& [arguments, out] : cases) {
        const CliResult r = runCli(QStringList{"--port", NoPort} + arguments);
        EXPECT_EQ(std::tuple(r.exitCode, r.out, r.err), std::tuple(0, out, QByteArray()));
    }
    cs::Buffer buffer{};
    std::copy_n(image.constData(), 8192, buffer.begin());
    const CliResult dump = runCli({"--port", NoPort, "dump", file});
    EXPECT_EQ(dump.out, cs::dumpText(buffer, 8192).toUtf8());
    const CliResult tables = runCli({"--port", NoPort, "report", "tables", file});
    EXPECT_EQ(std::tuple(tables.exitCode, tables.out, tables.err),
              std::tuple(1, QByteArray(), QByteArray("注意: 没有餐桌号！\n")));
}

TEST_F(CliFiles, BadFilesAndNamesFailBeforeAnythingIsWritten)
{
    const QString shortFile = write("short.cat", QByteArray(8191, '\0'));
    const QString wrongName = write("unit.Cat", QByteArray(8192, '\0'));
    const QByteArray portBox = "错误: 没发现此端口或端口已被其它程序占用!\n";
    const std::pair<QStringList, QByteArray> cases[] = {
        {{"dump", shortFile}, "错误: 文件" + shortFile.toUtf8() + "打开失败！\n"},
        {{"report", "mode", wrongName}, "错误: 请选择.cat文件\n"},
        {{"read", dir_.filePath("new.Cat")}, "错误: 保存文件的扩展名必须为.cat！\n"},
        {{"read", dir_.filePath("new.cat")}, portBox},
        {{"write", wrongName}, portBox},
    };
    for (const auto& [arguments, err] : cases) {
        const CliResult r = runCli(QStringList{"--port", NoPort} + arguments);
        EXPECT_EQ(std::tuple(r.exitCode, r.out, r.err), std::tuple(1, QByteArray(), err))
            << arguments.join(' ').toStdString();
    }
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), (QStringList{"short.cat", "unit.Cat"}));
}

TEST(CliOptions, PortNamesAndWrongUsage)
{
    const std::pair<QStringList, QString> ports[] = {
        {{"--port", "com8", "monitor"}, "COM8"},
        {{"--port=/dev/ttyUSB0", "monitor"}, "/dev/ttyUSB0"},
        {{"--port", "COM9", "monitor"}, ""},
        {{"--port", "ttyUSB0", "monitor"}, ""},
    };
    for (const auto& [arguments, port] : ports) {
        const auto parsed = cs::cli::parseArguments(arguments);
        EXPECT_EQ(parsed.options ? parsed.options->port : QString(), port) << port.toStdString();
    }
    const CliResult r = runCli({"read"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.startsWith("callsetup-cli: read needs a file name\n")) << r.err.constData();
}

TEST(CliProgress, BarFollowsTheValue)
{
    const std::tuple<int, int, const char*> cases[] = {
        {31, 63, "x [###############---------------]  49%"},
        {1, 2, "x [###############---------------]  50%"},
        {70, 63, "x [##############################] 100%"},
    };
    for (const auto& [value, maximum, line] : cases)
        EXPECT_EQ(cs::cli::progressLine("x", value, 0, maximum), QString(line)) << value;
}
