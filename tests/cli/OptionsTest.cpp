// The command line of callsetup-cli: parsed in-process, and wrong usage and help as the program answers them.

#include "CliRun.h"
#include "cli/CliOptions.h"
#include "link/PortNames.h"
#include "reports/Reports.h"

#include <gtest/gtest.h>

using namespace cs::cli;

TEST(CliOptions, ValidArgumentsGiveTheirOptions)
{
    struct Valid { QStringList arguments; Command command; QString port; bool fast; int kind; QString file; };
    const Valid cases[] = {
        {{"read", "a.cat"}, Command::Read, "COM1", false, -1, "a.cat"},
        {{"--port", "com3", "--fast", "read", "a.cat"}, Command::Read, "COM3", true, -1, "a.cat"},
        {{"write", "b.CAT", "--port", "COM8"}, Command::Write, "COM8", false, -1, "b.CAT"},
        {{"--port=/dev/ttyUSB0", "monitor"}, Command::Monitor, "/dev/ttyUSB0", false, -1, ""},
        {{"--port", "/dev/pts/7", "dump", "x.cat"}, Command::Dump, "/dev/pts/7", false, -1, "x.cat"},
        {{"report", "pagers", "r.cat"}, Command::Report, "COM1", false, 0, "r.cat"},
        {{"report", "handheld", "r.cat"}, Command::Report, "COM1", false, 9, "r.cat"},
        {{"dump", "--", "--odd.cat"}, Command::Dump, "COM1", false, -1, "--odd.cat"},   // after "--": a file name
        {{"--help"}, Command::Help, "COM1", false, -1, ""}, {{"read", "--help"}, Command::Help, "COM1", false, -1, ""}};
    for (const Valid& v : cases) {
        const auto parsed = parseArguments(v.arguments);
        ASSERT_TRUE(parsed.options.has_value()) << parsed.error.toStdString();
        const Options& o = *parsed.options;
        EXPECT_EQ(std::tuple(o.command, o.port, o.fast, o.reportKind, o.file), std::tuple(v.command, v.port, v.fast, v.kind, v.file))
            << v.arguments.join(' ').toStdString();
    }
    const QByteArray usage = usageText().toUtf8();
    const cs::test::CliResult help = cs::test::runCli({"--help"});
    EXPECT_EQ(std::tuple(help.exitCode, help.out, help.err), std::tuple(0, usage, QByteArray()));
}

TEST(CliOptions, WrongUsageSaysWhyAndExitsWithTwo)
{
    const QString badPort = "unknown port name \"%1\" (COM1 .. COM8 or a device path)";
    const std::pair<QStringList, QString> cases[] = {
        {{}, "no command given"}, {{"--fast"}, "no command given"}, {{"frobnicate"}, "unknown command \"frobnicate\""},
        {{"read"}, "read needs a file name"}, {{"read", ""}, "read needs a file name"},
        {{"write"}, "write needs a file name"}, {{"dump"}, "dump needs a file name"},
        {{"report"}, "report needs a kind and a file"}, {{"report", "pagers"}, "report needs a file name"},
        {{"report", "colours", "a.cat"}, "unknown report kind \"colours\""},
        {{"report", "Pagers", "a.cat"}, "unknown report kind \"Pagers\""},
        {{"read", "a.cat", "b.cat"}, "too many arguments for read"}, {{"monitor", "a.cat"}, "too many arguments for monitor"},
        {{"--port"}, "--port needs a port name"}, {{"monitor", "--port"}, "--port needs a port name"},
        {{"--port", "COM9", "monitor"}, badPort.arg("COM9")}, {{"--port", "COM0", "monitor"}, badPort.arg("COM0")},
        {{"--port", "ttyUSB0", "monitor"}, badPort.arg("ttyUSB0")}, {{"--verbose", "monitor"}, "unknown option \"--verbose\""}};
    const QByteArray usage = usageText().toUtf8();
    for (const auto& [arguments, error] : cases) {
        const auto parsed = parseArguments(arguments);
        EXPECT_FALSE(parsed.options.has_value());
        EXPECT_EQ(parsed.error, error);
        const cs::test::CliResult r = cs::test::runCli(arguments);
        EXPECT_EQ(std::tuple(r.exitCode, r.out, r.err), std::tuple(2, QByteArray(), "callsetup-cli: " + error.toUtf8() + "\n\n" + usage))
            << arguments.join(' ').toStdString();
    }
}

TEST(CliOptions, ReportKindsAndPortNames)
{
    const char* names[] = {"pagers", "tables", "mode", "transmitter", "receiver", "infounit", "language", "originator", "keys", "handheld"};
    const int kinds[] = {cs::ReportPagers, cs::ReportTables, cs::ReportWorkMode, cs::ReportTransmitterFrequency,
                         cs::ReportReceiverFrequency, cs::ReportInfoUnitType, cs::ReportNumberPronunciation,
                         cs::ReportCallOriginator, cs::ReportKeyPrompts, cs::ReportHandheldPrompts};
    ASSERT_EQ(reportKindNames().size(), cs::ReportKindCount);
    const QString usage = usageText();
    EXPECT_TRUE(usage.startsWith("Usage: callsetup-cli [--port NAME] [--fast] COMMAND"));
    for (int i = 0; i < cs::ReportKindCount; ++i) {   // the usage lists each kind with its caption
        EXPECT_EQ(reportKindOf(names[i]), kinds[i]) << names[i];
        EXPECT_TRUE(usage.contains(QStringLiteral("  %1%2\n").arg(names[i], -13).arg(cs::reportKindCaptions()[kinds[i]])));
    }
    EXPECT_EQ(reportKindOf("传呼号"), -1);
    for (int n = 1; n <= 8; ++n) {   // COMn as in the main window; a path opens itself through port number 1
        const QString name = QStringLiteral("COM%1").arg(n);
        EXPECT_EQ(cs::portNumberOf(portTextFor(name)), n);
        EXPECT_EQ(deviceMapFor(name)(n), cs::portDevice(n));
    }
    EXPECT_EQ(cs::portNumberOf(portTextFor("/dev/ttyUSB0")), 1);
    EXPECT_EQ(deviceMapFor("/dev/ttyUSB0")(1), QString("/dev/ttyUSB0"));
}
