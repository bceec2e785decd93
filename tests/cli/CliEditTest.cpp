// callsetup-cli --backup FILE.cat: each command run on a fresh copy of one
// backup, what it says, its exit status and the cells of the file it changed.
#include "CliRun.h"
#include "reports/BackupDocument.h"
#include "support/Files.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cs::test;

namespace {

QSet<int> changedCells(const QByteArray& a, const QByteArray& b)
{
    QSet<int> cells;
    for (int c = 0; c < std::min(a.size(), b.size()); ++c)
        if (a[c] != b[c])
            cells.insert(c);
    return cells;
}

QSet<int> cellRange(int first, int count)
{
    QSet<int> cells;
    for (int i = 0; i < count; ++i)
        cells.insert(first + i);
    return cells;
}

// Pager 1; tables 5 and 6; a voice info unit.
QByteArray backupImage()
{
    QByteArray image(8192, '\xFF');
    image.replace(0, 5, QByteArray::fromHex("6212345671"));
    image.replace(1280, 18,
                  QByteArray::fromHex("0A1B01000501FFFF07"
                                      "0A1B02000602FFFF08"));
    image[8190] = 0, image[8191] = 2, image[2046] = 0, image[8166] = 2;
    return image;
}

} // namespace

TEST(CliEdits, EachCommandOnABackup)
{
    QTemporaryDir dir;
    const QString backup = dir.filePath("b.cat"), other = dir.filePath("c.cat");
    const QString doc = writeFile(dir.filePath("d.json"), R"({"version":1,"mode":"multi"})");
    const QString bad = writeFile(dir.filePath("e.json"),
                                  R"({"pagers":[{"number":3,"address":"123456789"}]})");
    const QByteArray saved = "OK: Backup saved: " + backup.toUtf8() + "\n";
    const struct {
        QStringList arguments;
        int status;
        QByteArray err;
        QSet<int> cells; // of b.cat
    } cases[] = {
        {{"pager", "set", "7", "1234567", "--model", "new"}, 0, saved, cellRange(30, 5)},
        {{"pager", "delete", "2"}, 2, "Warning: No such pager.\n", {}},
        {{"table", "edit", "6", "--key", ""}, 0, saved, {1297}},
        {{"table", "edit", "9", "--key", "1"}, 2, "Error: The backup holds no such table", {}},
        {{"table", "move", "5", "700"}, 0, saved, {1283, 1284}},
        {{"set", "key1", "maidan"}, 0, saved, {2026}},
        {{"apply", doc}, 0, saved, {8166}},
        {{"apply", bad},
         2,
         "Error: pagers[0]: The address code must be a number of at most 7 digits.\n",
         {}},
        {{"mode", "multi", "--output", other}, 0, "OK: Backup saved: " + other.toUtf8() + "\n", {}},
        {{"table", "set", "5"}, 2, "callsetup-cli: table set does not run on a backup", {}},
        {{"write", backup}, 2, "callsetup-cli: write does not run on a backup (--backup)", {}},
    };
    for (const auto& c : cases) {
        QFile::remove(backup);
        writeFile(backup, backupImage());
        const CliResult r = runCli(QStringList{"--lang", "en", "--backup", backup} + c.arguments);
        const std::string name = c.arguments.join(' ').toStdString();
        EXPECT_EQ(std::tuple(r.exitCode, r.out), std::tuple(c.status, QByteArray())) << name;
        // A whole message (ending with a line end) exactly, else its start.
        EXPECT_TRUE(c.err.endsWith('\n') ? r.err == c.err : r.err.startsWith(c.err))
            << name << ": " << r.err.constData();
        EXPECT_EQ(changedCells(backupImage(), readFile(backup)), c.cells) << name;
    }
    EXPECT_EQ(changedCells(backupImage(), readFile(other)), QSet<int>{8166});
}

TEST(CliEdits, DryRunShowsTheChangeAndWritesNothing)
{
    QTemporaryDir dir;
    const QString backup = writeFile(dir.filePath("b.cat"), backupImage());
    const CliResult r = runCli({"--lang", "en", "--backup", backup, "mode", "multi", "--dry-run"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out,
              "--- " + backup.toUtf8() + "\n+++ " + backup.toUtf8()
                  + "\nWork mode:\n- Work mode:\n- Single 0\n+ Work mode:\n+ Multi-key\n");
    EXPECT_EQ(readFile(backup), backupImage());
    const CliResult same = runCli(
        {"--lang", "en", "--backup", backup, "mode", "single0", "--dry-run"});
    EXPECT_EQ(std::tuple(same.exitCode, same.out, same.err),
              std::tuple(0, QByteArray(), backup.toUtf8() + ": nothing would change\n"));
}

TEST(CliEdits, WithoutABackup)
{
    const struct {
        QStringList arguments;
        QByteArray err;
    } cases[] = {
        {{"table", "move", "1", "2"},
         "callsetup-cli: table move changes a backup: give --backup "
         "FILE.cat\n"},
        {{"mode", "multi", "--output", "x.cat"}, "callsetup-cli: --output goes with --backup\n"},
        {{"mode", "multi", "--dry-run"}, "callsetup-cli: --dry-run goes with --backup\n"},
        {{"--backup", "x.cat", "--version"},
         "callsetup-cli: --backup goes with a command that changes a backup\n"},
        {{"--backup", "x.cat", "set", "key4", "fuwu"}, "callsetup-cli: unknown setting \"key4\"\n"},
        {{"--backup", "x.cat", "table", "edit", "1"},
         "callsetup-cli: table edit needs --pagers or --key\n"},
    };
    for (const auto& c : cases) {
        const CliResult r = runCli(QStringList{"--lang", "en"} + c.arguments);
        EXPECT_EQ(r.exitCode, 2) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith(c.err)) << r.err.constData();
    }
}

TEST(CliEdits, TheSchemaIsPrinted)
{
    const CliResult r = runCli({"--schema"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, cs::documentSchema());
}
