// The command line of callsetup-cli, in-process.

#include "cli/CliOptions.h"
#include "link/PortNames.h"
#include "reports/Reports.h"

#include <gtest/gtest.h>

using cs::cli::Command;
using cs::cli::parseArguments;

namespace {

struct Valid {
    QStringList arguments;
    Command command;
    QString port;
    bool fast;
    int kind;
    QString file;
};

class ValidArguments : public ::testing::TestWithParam<Valid> {};

TEST_P(ValidArguments, GiveTheirOptions)
{
    const Valid& v = GetParam();
    const auto parsed = parseArguments(v.arguments);
    ASSERT_TRUE(parsed.options.has_value()) << parsed.error.toStdString();
    EXPECT_TRUE(parsed.error.isEmpty());
    EXPECT_EQ(parsed.options->command, v.command);
    EXPECT_EQ(parsed.options->port, v.port);
    EXPECT_EQ(parsed.options->fast, v.fast);
    EXPECT_EQ(parsed.options->reportKind, v.kind);
    EXPECT_EQ(parsed.options->file, v.file);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, ValidArguments,
    ::testing::Values(
        Valid{{"read", "a.cat"}, Command::Read, "COM1", false, -1, "a.cat"},
        Valid{{"--port", "com3", "--fast", "read", "a.cat"}, Command::Read, "COM3", true, -1, "a.cat"},
        Valid{{"write", "b.CAT", "--port", "COM8"}, Command::Write, "COM8", false, -1, "b.CAT"},
        Valid{{"--port=/dev/ttyUSB0", "monitor"}, Command::Monitor, "/dev/ttyUSB0", false, -1, ""},
        Valid{{"--port", "/dev/pts/7", "dump", "x.cat"}, Command::Dump, "/dev/pts/7", false, -1, "x.cat"},
        Valid{{"report", "pagers", "r.cat"}, Command::Report, "COM1", false, 0, "r.cat"},
        Valid{{"report", "mode", "r.cat"}, Command::Report, "COM1", false, 2, "r.cat"},
        Valid{{"report", "handheld", "r.cat"}, Command::Report, "COM1", false, 9, "r.cat"},
        // After "--" a word that looks like an option is a file name.
        Valid{{"dump", "--", "--odd.cat"}, Command::Dump, "COM1", false, -1, "--odd.cat"},
        Valid{{"--help"}, Command::Help, "COM1", false, -1, ""},
        Valid{{"read", "--help"}, Command::Help, "COM1", false, -1, ""}));

struct Invalid {
    QStringList arguments;
    QString error;
};

class WrongUsage : public ::testing::TestWithParam<Invalid> {};

TEST_P(WrongUsage, SaysWhy)
{
    const auto parsed = parseArguments(GetParam().arguments);
    EXPECT_FALSE(parsed.options.has_value());
    EXPECT_EQ(parsed.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, WrongUsage,
    ::testing::Values(
        Invalid{{}, "no command given"},
        Invalid{{"--fast"}, "no command given"},
        Invalid{{"frobnicate"}, "unknown command \"frobnicate\""},
        Invalid{{"read"}, "read needs a file name"},
        Invalid{{"read", ""}, "read needs a file name"},
        Invalid{{"write"}, "write needs a file name"},
        Invalid{{"dump"}, "dump needs a file name"},
        Invalid{{"report"}, "report needs a kind and a file"},
        Invalid{{"report", "pagers"}, "report needs a file name"},
        Invalid{{"report", "colours", "a.cat"}, "unknown report kind \"colours\""},
        Invalid{{"report", "Pagers", "a.cat"}, "unknown report kind \"Pagers\""},
        Invalid{{"read", "a.cat", "b.cat"}, "too many arguments for read"},
        Invalid{{"monitor", "a.cat"}, "too many arguments for monitor"},
        Invalid{{"--port"}, "--port needs a port name"},
        Invalid{{"monitor", "--port"}, "--port needs a port name"},
        Invalid{{"--port", "COM9", "monitor"}, "unknown port name \"COM9\" (COM1 .. COM8 or a device path)"},
        Invalid{{"--port", "COM0", "monitor"}, "unknown port name \"COM0\" (COM1 .. COM8 or a device path)"},
        Invalid{{"--port", "ttyUSB0", "monitor"}, "unknown port name \"ttyUSB0\" (COM1 .. COM8 or a device path)"},
        Invalid{{"--verbose", "monitor"}, "unknown option \"--verbose\""}));

TEST(CliOptions, ReportKindsFollowTheListOrder)
{
    const QStringList names = cs::cli::reportKindNames();
    ASSERT_EQ(names.size(), cs::ReportKindCount);
    ASSERT_EQ(cs::reportKindCaptions().size(), cs::ReportKindCount);
    const std::pair<const char*, int> expected[] = {
        {"pagers", cs::ReportPagers},
        {"tables", cs::ReportTables},
        {"mode", cs::ReportWorkMode},
        {"transmitter", cs::ReportTransmitterFrequency},
        {"receiver", cs::ReportReceiverFrequency},
        {"infounit", cs::ReportInfoUnitType},
        {"language", cs::ReportNumberPronunciation},
        {"originator", cs::ReportCallOriginator},
        {"keys", cs::ReportKeyPrompts},
        {"handheld", cs::ReportHandheldPrompts},
    };
    for (const auto& [name, kind] : expected)
        EXPECT_EQ(cs::cli::reportKindOf(name), kind) << name;
    EXPECT_EQ(cs::cli::reportKindOf("传呼号"), -1);
}

TEST(CliOptions, UsageListsEveryKindWithItsCaption)
{
    const QString usage = cs::cli::usageText();
    EXPECT_TRUE(usage.startsWith("usage: callsetup-cli [--port NAME] [--fast] COMMAND"));
    EXPECT_TRUE(usage.endsWith('\n'));
    const QStringList captions = cs::reportKindCaptions();
    const QStringList names = cs::cli::reportKindNames();
    for (qsizetype i = 0; i < names.size(); ++i)
        EXPECT_TRUE(usage.contains(QStringLiteral("  %1%2\n").arg(names[i], -13).arg(captions[i])))
            << names[i].toStdString();
}

TEST(CliOptions, PortNamesMapAsInTheMainWindowAndPathsAsThemselves)
{
    for (int n = 1; n <= 8; ++n) {
        const QString name = QStringLiteral("COM%1").arg(n);
        EXPECT_EQ(cs::cli::portTextFor(name), name);
        EXPECT_EQ(cs::portNumberOf(cs::cli::portTextFor(name)), n);
        EXPECT_EQ(cs::cli::deviceMapFor(name)(n), cs::portDevice(n));
    }
    // A path must still give the port control a number to open, and then opens itself.
    EXPECT_EQ(cs::portNumberOf(cs::cli::portTextFor("/dev/ttyUSB0")), 1);
    EXPECT_EQ(cs::cli::deviceMapFor("/dev/ttyUSB0")(1), QString("/dev/ttyUSB0"));
}

} // namespace
