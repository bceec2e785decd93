// What the command line draws and asks on a terminal, and what its generated
// completion script offers.
#include "CliRun.h"
#include "callsetup/Version.h"
#include "cli/Console.h"
#include "support/Files.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>

using namespace cs::cli;

namespace {

// What `write` put into a temporary file.
template <class Write> QByteArray written(Write write)
{
    std::FILE* file = std::tmpfile();
    write(file);
    std::fflush(file);
    QByteArray bytes(int(std::ftell(file)), '\0');
    std::rewind(file);
    bytes.resize(int(std::fread(bytes.data(), 1, size_t(bytes.size()), file)));
    std::fclose(file);
    return bytes;
}

} // namespace

TEST(CliProgress, BarFollowsTheValueAndFitsTheWidth)
{
    const QString caption = QString::fromUtf8("正在读取主机内容……"); // 18 columns
    const std::tuple<QString, int, int, int, QString> cases[] = {
        {"x", 31, 63, 80, "x [###############---------------]  49%"},
        {"x", 5, 0, 80, "x [------------------------------]   0%"},
        {caption, 32, 64, 40, caption + " [#######------]  50%"},
        {caption, 32, 64, 36, caption + "  50%"},
        {caption, 32, 64, 12, QString::fromUtf8("正在读取主…")},
    };
    for (const auto& [text, value, maximum, columns, line] : cases)
        EXPECT_EQ(progressLine(text, value, 0, maximum, columns), line) << columns;
}

TEST(CliProgress, NoProgressLineOnADumbTerminal)
{
    const std::tuple<const char*, bool, QByteArray> cases[] = {
        {"xterm", true, "\r[ab]\x1b[K\r\x1b[K"},
        {"dumb", true, ""},
        {"xterm", false, ""},
    };
    for (const auto& [term, terminal, bytes] : cases) {
        qputenv("TERM", term);
        const bool isTerminal = terminal;
        EXPECT_EQ(written([&](std::FILE* f) {
                      ProgressDisplay line(f, isTerminal);
                      line.show("[ab]");
                      line.show("[ab]"); // unchanged: not drawn again
                      line.clearLine();
                  }),
                  bytes)
            << term << terminal;
    }
    qunsetenv("TERM");
}

TEST(CliQuestion, OnlyAnAnswerThatAgreesGoesOn)
{
    const cs::Message question{QString::fromUtf8("执行此操作将清除主机内存储的所有信息！！\r\n"
                                                 "   您确认执行请按确定，否则请取消！"),
                               cs::Style::OkCancel, cs::Title::StrongAttention};
    const QByteArray asked = "注意！！: 执行此操作将清除主机内存储的所有信息！！\n"
                             "Go on? Type y or yes to go on, anything else cancels: ";
    const std::tuple<Confirm, QByteArray, bool, QByteArray> cases[] = {
        {Confirm::Agree, "", true, ""},
        {Confirm::Decline, "y\n", false, ""},
        {Confirm::Ask, "y\n", true, asked},
        {Confirm::Ask, "是\n", true, asked},
        {Confirm::Ask, "\n", false, asked},
        {Confirm::Ask, "", false, asked + "\n"}, // end of input: the line is ended
    };
    for (const auto& [how, answer, agreed, shown] : cases) {
        std::FILE* answers = std::tmpfile();
        std::fwrite(answer.constData(), 1, size_t(answer.size()), answers);
        std::rewind(answers);
        bool result = !agreed;
        const Confirm confirmation = how;
        const QByteArray out = written([&](std::FILE* f) {
            ProgressDisplay progress(f, false);
            ConsoleFeedback feedback(f, progress);
            feedback.confirmation = confirmation;
            feedback.answers = answers;
            result = feedback.confirm(question);
        });
        std::fclose(answers);
        EXPECT_EQ(std::tuple(result, out), std::tuple(agreed, shown)) << answer.constData();
    }
}

TEST(CliMessages, RepeatedLinesAreCounted)
{
    // "s:TEXT" says a line, "t:TEXT" starts one, "e" ends the run (the command's end).
    const std::pair<QStringList, QByteArray> cases[] = {
        {{"s:a", "s:a", "s:a", "s:b", "e"}, "a\nthe line above was repeated 2 more times\nb\n"},
        {{"s:a", "s:b", "s:b", "e"}, "a\nb\nthe line above was repeated 1 more times\n"},
        {{"s:a", "s:b", "s:a", "e"}, "a\nb\na\n"},
        {{"s:a", "e", "e"}, "a\n"}, // nothing repeated: no count
        // A line started elsewhere is not the same line: "table 5: " + the prompt, twice.
        {{"t:x: ", "s:a", "t:x: ", "s:a", "e"}, "x: a\nx: a\n"},
        {{"s:a", "s:a", "t:x: ", "s:a", "e"},
         "a\nthe line above was repeated 1 more times\nx: a\n"},
    };
    for (const auto& [steps, shown] : cases) {
        const QStringList& lines = steps; // a lambda may not capture a structured binding
        EXPECT_EQ(written([&](std::FILE* f) {
                      ProgressDisplay progress(f, false);
                      ConsoleFeedback feedback(f, progress);
                      for (const QString& step : lines) {
                          if (step.startsWith("s:"))
                              feedback.say(step.mid(2));
                          else if (step.startsWith("t:"))
                              feedback.start(step.mid(2));
                          else
                              feedback.endRepeats();
                      }
                  }),
                  shown)
            << steps.join(' ').toStdString();
    }
}

TEST(CliCompletion, WordsComeFromTheProgram)
{
    QTemporaryDir dir;
    for (const char* name : {"a.cat", "b.CAT", "c.csv", "d.txt", "e.json"})
        cs::test::writeFile(dir.filePath(name), "");
    QDir(dir.path()).mkdir("sub");
    const QString script = cs::test::writeFile(dir.filePath("completion.bash"),
                                               cs::test::runCli({"--completion", "bash"}).out);
    // The words typed before the cursor; the word at the cursor last.
    const std::pair<QString, QString> cases[] = {
        {"",
         "apply diff dump help init mode monitor pager pagers ports read report set table "
         "tables write"},
        {"help tables ", "learn"},
        {"help report ", ""},
        {"table ", "delete edit move set"},
        {"--lang ", "en zh"},
        {"pager set 1 2 --tone t", "tone1 tone2 tone3 tone4"},
        {"read --", "--backup --fast --help --lang --port --verify"},
        {"--backup ", "a.cat b.CAT sub"},
        {"--backup a.cat apply ", "e.json sub"},
        {"--backup a.cat set ",
         "handheld-pager handheld-table infounit key1 key2 key3 language originator "
         "transmitter"},
        {"report ",
         "all handheld infounit keys language mode originator pagers tables "
         "transmitter"},
        {"--port COM1 pagers load ", "c.csv sub"},
        {"--port COM", "COM1 COM2 COM3 COM4 COM5 COM6 COM7 COM8"},
    };
    for (const auto& [typed, offered] : cases) {
        QProcess bash;
        bash.setWorkingDirectory(dir.path());
        bash.start("bash",
                   {"-c",
                    "source \"$1\"; COMP_WORDS=(\"$2\" $3 \"$4\"); "
                    "COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _callsetup_cli; "
                    "printf '%s\\n' \"${COMPREPLY[@]}\" | sort",
                    "bash", script, CALLSETUP_CLI_PROGRAM, typed.section(' ', 0, -2),
                    typed.section(' ', -1)});
        ASSERT_TRUE(bash.waitForFinished(10000));
        EXPECT_EQ(QString::fromUtf8(bash.readAllStandardOutput())
                      .split('\n', Qt::SkipEmptyParts)
                      .join(' '),
                  offered)
            << typed.toStdString();
    }
}

// The window program's --help and --version: text on standard output in the
// chosen language, without a display; --lang is still checked.
TEST(WindowProgram, HelpAndVersionWithoutADisplay)
{
    const QByteArray version = "callsetup " + QByteArray(cs::version) + "\n";
    const std::tuple<QStringList, int, QByteArray, QByteArray> cases[] = {
        {{"--version"}, 0, version, ""},
        {{"--lang", "zh", "-v"}, 0, version, ""},
        {{"--help", "--lang", "en"}, 0, "Sets up the host unit", ""},
        {{"--help", "--lang", "zh"}, 0, "餐厅无线呼叫系统的设置程序", ""},
        {{"--lang", "fr", "--version"}, 0, version, ""}, // the version asks nothing more
        {{"--no-such-option", "--version"}, 1, "", "no-such-option"},
    };
    for (const auto& [arguments, status, out, err] : cases) {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL",
                              "LC_MESSAGES", "LANG"})
            env.remove(v);
        program.setProcessEnvironment(env);
        program.start(CALLSETUP_WINDOW_PROGRAM, arguments);
        ASSERT_TRUE(program.waitForFinished(10000));
        const QByteArray shown = program.readAllStandardOutput();
        EXPECT_EQ(program.exitCode(), status) << arguments.join(' ').toStdString();
        EXPECT_TRUE(out.isEmpty() ? shown.isEmpty() : shown.contains(out))
            << arguments.join(' ').toStdString() << ": " << shown.constData();
        EXPECT_TRUE(program.readAllStandardError().contains(err))
            << arguments.join(' ').toStdString();
    }
}
