// callsetup-cli on backup files and pager files, and its command line; no line is
// involved (the port named does not exist). One table of what each run prints and
// the exit status it gives.
#include "CliRun.h"
#include "cli/CliOptions.h"
#include "cli/Console.h"
#include "memory/MemoryDump.h"
#include "support/Files.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cs::test;

namespace {

const QString NoPort = "/dev/callsetup-no-such-port";
const QByteArray PortBox = "错误: 没发现此端口或端口已被其它程序占用!\n没有这个设备\n";

} // namespace

TEST(CliFiles, WhatEachRunSaysAndItsExitStatus)
{
    QTemporaryDir dir;
    const auto file = [&](const QString& name, const QByteArray& bytes) {
        return writeFile(dir.filePath(name), bytes);
    };
    QByteArray image(8192, '\xFF');
    image.replace(0, 5, QByteArray::fromHex("5512345670")); // pager 1
    const QString unit = file("unit.cat", image), same = file("same.CAT", image);
    const QString shortFile = file("short.cat", QByteArray(8191, '\0'));
    const QString misnamed = file("unit.Cat", image);
    const QString good = file("y%1%2.csv", "number,address,model,polarity,rate,tone\n1,1\n2,2\n");
    const QString one = file("one.csv", "number,address,model,polarity,rate,tone\n1,1\n");
    // 25 bad rows: the first 20 are listed.
    const QString flood = file(
        "f.csv", "number,address,model,polarity,rate,tone\n" + QByteArray("0,1\n").repeated(25));
    QByteArray floodLines;
    for (int line = 2; line <= 21; ++line)
        floodLines += "第 " + QByteArray::number(line) + " 行：传呼号必须为1-254的数字！\n";
    const QByteArray pagerLine = "   1    1 2 3 4 5 6 7     反     数字标准    1200    音调1\r\n";
    const auto u = [](const QString& s) { return s.toUtf8(); };
    QByteArray keysReport; // a report of lines already ended: no line end added
    for (int key = 1; key <= 3; ++key)
        keysReport += "按键" + QByteArray::number(key) + "的语音提示内容没有设置\r\n";
    const QByteArray tooShort = "错误: 文件" + u(shortFile)
        + "打开失败！\n8191 字节，不足备份文件的 8192 字节\n";
    const std::tuple<QStringList, int, QByteArray, QByteArray> cases[] = {
        {{"report", "pagers", unit}, 0, pagerLine, ""},
        // Every report ends with a line end; one with nothing to list too, on standard output.
        {{"report", "tables", unit}, 0, "没有餐桌号！\r\n", ""},
        {{"report", "keys", unit}, 0, keysReport, ""},
        {{"report", "mode", misnamed}, 2, "", "错误: 请选择.cat文件\n"},
        {{"dump", shortFile}, 2, "", tooShort},
        {{"read", dir.filePath("new.Cat")}, 2, "", "错误: 保存文件的扩展名必须为.cat！\n"},
        {{"read", dir.filePath("new.cat")}, 1, "", PortBox},
        // The target is checked before the first request.
        {{"read", dir.filePath("none/x.cat")},
         2,
         "",
         "错误: 文件" + u(dir.filePath("none/x.cat")) + "保存失败！\n没有文件夹 "
             + u(dir.filePath("none")) + "\n"},
        {{"write", unit}, 1, "", "OK: 已成功打开备份文件" + u(unit) + "\n" + PortBox},
        {{"diff", unit, same}, 0, "", ""},
        {{"pagers", "load", flood},
         2,
         "",
         floodLines + "另有 5 行有误\n" + u(flood) + "：未发送任何内容\n"},
        {{"pagers", "load", "/dev/zero"},
         2,
         "",
         "callsetup-cli：无法读取 /dev/zero：是设备，不是普通文件\n"},
        {{"pagers", "load", "--dry-run", good},
         0,
         "",
         u(good) + "：2 个传呼机，每一行都可以发送\n"},
        {{"--lang", "en", "pagers", "load", "--dry-run", one},
         0,
         "",
         u(one) + ": 1 pager, it can be sent\n"},
        {{"init"},
         2,
         "",
         "callsetup-cli：init 会清除主机存储的所有信息；没有可以提问的终端时，请加上 --yes\n"},
        {{"init", "--yes"}, 1, "", PortBox},
        // Values are checked before the port is opened: a refusal, whatever the port.
        {{"pager", "set", "999", "1"}, 2, "", "错误: 传呼号必须为1-254的数字！\n"},
        {{"pager", "set", "12", "1234567"}, 1, "", PortBox},
        {{"pager", "delete", "0"}, 2, "", "错误: 传呼号必须为1-254的数字！\n"},
        {{"table", "set", "70000"}, 2, "", "错误: 餐桌号必须为1-65535的数字！\n"},
        {{"table", "set", "5", "--pagers", "1,256"}, 2, "", "错误: 传呼号必须为1-255的数字！\n"},
        {{"table", "delete", "x"}, 2, "", "错误: 餐桌号码只能为数字！\n"},
        {{"tables", "learn", "1-3", "--key", "x"}, 2, "", "错误: 键值只能是00-99的数字！\n"},
    };
    for (const auto& [arguments, status, out, err] : cases) {
        const CliResult r = runCli(QStringList{"--port", NoPort} + arguments);
        EXPECT_EQ(std::tuple(r.exitCode, r.out, r.err), std::tuple(status, out, err))
            << arguments.join(' ').toStdString();
    }
    QStringList files = QDir(dir.path()).entryList({"*.cat", "*.Cat"}, QDir::Files);
    files.sort(); // nothing was saved by the runs
    EXPECT_EQ(files, (QStringList{"same.CAT", "short.cat", "unit.Cat", "unit.cat"}));
    const CliResult dump = runCli({"dump", unit});
    cs::Buffer buffer{};
    std::copy_n(image.constData(), 8192, buffer.begin());
    EXPECT_EQ(dump.out, cs::dumpText(buffer, 8192).toUtf8() + "\r\n"); // "2000H -- " ended
}

TEST(CliFiles, ExportsAreTheSameInEveryLanguageAndOutputFailuresCount)
{
    QTemporaryDir dir;
    QByteArray image(8192, '\xFF');
    image.replace(0, 5, QByteArray::fromHex("6212345671"));
    image[8166] = 1;
    const QString unit = writeFile(dir.filePath("unit.cat"), image);
    for (const QStringList& arguments : {QStringList{"report", "pagers", unit, "--format", "csv"},
                                         QStringList{"report", "all", unit}}) {
        const CliResult zh = runCli(arguments), en = runCli(arguments, {"LANG=en_GB.UTF-8"});
        EXPECT_EQ(std::tuple(zh.exitCode, en.exitCode), std::tuple(0, 0));
        EXPECT_EQ(zh.out, en.out) << arguments.join(' ').toStdString();
        EXPECT_FALSE(zh.out.isEmpty());
    }
    const QStringList printing[] = {
        {"report", "pagers", unit}, {"dump", unit}, {"diff", unit, unit}};
    for (const QStringList& arguments : printing) {
        const CliResult full = runCli(arguments, {}, "/dev/full");
        const int expected = arguments[0] == "diff" ? 0 : 1; // diff of equal files prints nothing
        EXPECT_EQ(full.exitCode, expected) << arguments.join(' ').toStdString();
    }
}

TEST(CliOptions, PortNamesAndListWords)
{
    const std::pair<QStringList, QString> ports[] = {
        {{"--port", "com8", "monitor"}, "COM8"},
        {{"monitor", "--port=/dev/ttyUSB0"}, "/dev/ttyUSB0"},
        {{"--port", "COM9", "monitor"}, ""},
        {{"--port", "ttyUSB0", "monitor"}, ""},
    };
    for (const auto& [arguments, port] : ports) {
        const auto parsed = cs::cli::parseArguments(arguments);
        EXPECT_EQ(parsed.options ? parsed.options->port : QString(), port) << port.toStdString();
    }
    // The lists' words, Chinese texts and numbers, in any case and with blanks around.
    const std::pair<QStringList, std::array<int, 4>> lists[] = {
        {{"--model", " New ", "--polarity", "正", "--rate", "2400", "--tone", "tone3"},
         {1, 1, 2, 2}},
    };
    for (const auto& [options, codes] : lists) {
        const auto parsed = cs::cli::parseArguments(QStringList{"pager", "set", "1", "2"}
                                                    + options);
        ASSERT_TRUE(parsed.options.has_value()) << parsed.error.toStdString();
        const cs::cli::Options& o = *parsed.options;
        EXPECT_EQ((std::array{o.model, o.polarity, o.rate, o.tone}), codes);
    }
}

TEST(CliOptions, WrongUsageIsOneLineAndTheHelpToRead)
{
    const QStringList en = {"LANG=en_GB.UTF-8"};
    const QByteArray top = "Try \"callsetup-cli --help\" for more information.\n";
    const auto help = [](const QByteArray& command) {
        return "Try \"callsetup-cli " + command + " --help\" for more information.\n";
    };
    const std::tuple<QStringList, QStringList, QByteArray> cases[] = {
        {{"pager", "set", "1", "1", "--tone", "5"},
         en,
         "unknown value \"5\" for --tone\n" + help("pager set")},
        {{"read"}, en, "read needs a file name\n" + help("read")},
        {{"frobnicate", "x"}, en, "unknown command \"frobnicate\"\n" + top},
        // A group names its commands; help takes a command, a group or nothing.
        {{"pager"}, en, "pager needs a command: set, delete\n" + help("pager")},
        {{"tables", "--fast"}, en, "tables needs a command: learn\n" + help("tables")},
        {{"table", "add", "5"},
         en,
         "unknown command \"table add\"; table takes set, delete, edit, move\n" + help("table")},
        {{"pager"},
         {},
         "pager 后面需要一个命令：set、delete\n请运行“callsetup-cli pager --help”查看帮助。\n"},
        {{"help", "pager", "add"}, en, "unknown command \"pager add\"\n" + top},
        {{}, en, "no command given\n" + top},
        {{"pager", "delete", "3", "--tone", "2"},
         en,
         "--tone does not apply to pager delete\n" + help("pager delete")},
        {{"dump", "a.cat", "--bogus"}, en, "unknown option \"--bogus\"\n" + help("dump")},
        {{"table", "set", "5", "--key"}, en, "--key needs a value\n" + help("table set")},
        {{"diff", "a.cat", "b.cat", "c.cat"},
         en,
         "diff takes no more words: \"c.cat\"\n" + help("diff")},
        {{"report", "everything", "a.cat"},
         en,
         "unknown report kind \"everything\"\n" + help("report")},
        {{"report", "all", "a.cat", "--format", "csv"},
         en,
         "csv is for the pagers and tables reports\n" + help("report")},
        {{"report", "all", "a.cat", "--format", "text"},
         en,
         "report all is json only\n" + help("report")},
        {{"tables", "learn", "9-3"},
         en,
         "tables learn takes FIRST-LAST, table numbers 1-65535, FIRST <= LAST\n"
             + help("tables learn")},
        {{"mode", "turbo"}, en, "unknown value \"turbo\" for mode\n" + help("mode")},
        {{"--port", "COM9", "ports"},
         en,
         "unknown port name \"COM9\" (COM1 .. COM8 or a device path)\n" + help("ports")},
    };
    for (const auto& [arguments, environment, err] : cases) {
        const CliResult r = runCli(arguments, environment);
        EXPECT_EQ(std::tuple(r.exitCode, r.out, r.err),
                  std::tuple(2, QByteArray(), "callsetup-cli: " + err))
            << arguments.join(' ').toStdString();
    }
}

TEST(CliOptions, HelpEverywhereInTheChosenLanguage)
{
    // The first line of the help, by the arguments and the locale.
    const QByteArray zh = "用法：callsetup-cli [选项] 命令 [参数] [选项]";
    const QByteArray en = "Usage: callsetup-cli [OPTIONS] COMMAND [ARGUMENTS] [OPTIONS]";
    const std::tuple<QStringList, QStringList, QByteArray> cases[] = {
        {{"-h"}, {}, zh},
        {{"--help"}, {"LANG=en_US.UTF-8"}, en},
        {{"--lang=zh", "report", "--help"},
         {"LANG=en"},
         "用法：callsetup-cli report KIND FILE.cat [选项]"},
        {{"--lang", "en", "init", "--help", "--yes"}, {}, "Usage: callsetup-cli init [OPTIONS]"},
        {{"help", "pager", "set"},
         {"LANG=en"},
         "Usage: callsetup-cli pager set NUMBER ADDRESS [OPTIONS]"},
        {{"help", "table"}, {}, "用法：callsetup-cli table 命令 [参数] [选项]"},
        {{"pagers", "--help"},
         {"LANG=en"},
         "Usage: callsetup-cli pagers COMMAND [ARGUMENTS] [OPTIONS]"},
    };
    for (const auto& [arguments, environment, first] : cases) {
        const CliResult r = runCli(arguments, environment);
        EXPECT_EQ(std::tuple(r.exitCode, r.out.left(r.out.indexOf('\n')), r.err),
                  std::tuple(0, first, QByteArray()))
            << arguments.join(' ').toStdString();
    }
}
