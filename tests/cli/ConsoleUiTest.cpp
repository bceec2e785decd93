// Messages and the progress line of callsetup-cli, in-process.

#include "cli/ConsoleUi.h"
#include "memory/BackupView.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

using namespace cs::cli;

namespace {

// A FILE* whose contents the test can read back.
struct MemoryFile {
    char* data = nullptr;
    size_t size = 0;
    std::FILE* file = ::open_memstream(&data, &size);
    ~MemoryFile() { std::fclose(file), std::free(data); }
    QByteArray take() { return std::fflush(file), QByteArray(data, qsizetype(size)); }
};

const char* const Wipe = "\r\x1b[K";
QByteArray drawn(const QString& line) { return "\r" + line.toUtf8() + "\x1b[K"; }

} // namespace

TEST(ConsoleUi, MessagesAreTitleAndExactTextAndOnlyOkIsNoFailure)
{
    for (const char* title : {"OK", "注意", "错误", "ok"}) {
        MemoryFile err;
        ConsoleUi ui(err.file);
        EXPECT_EQ(ui.messageBox("通讯失败！请检查连线！", cs::StyleStop, title), cs::AnswerOk);
        EXPECT_EQ(ui.failed, QByteArray(title) != "OK") << title;
        EXPECT_EQ(err.take(), QByteArray(title) + ": 通讯失败！请检查连线！\n");
    }
    MemoryFile err;
    ConsoleUi ui(err.file);   // confirmations are declined; the dialogs answer the given name
    EXPECT_EQ(ui.messageBox("确定？", cs::StyleOkCancel, "错误"), cs::AnswerCancel);
    EXPECT_TRUE(ui.chooseSaveFile().isEmpty());
    ui.setFileName("/tmp/x.cat");
    EXPECT_EQ(ui.chooseSaveFile() + ui.chooseOpenFile(), QString("/tmp/x.cat/tmp/x.cat"));
}

TEST(ProgressLine, BarFollowsTheValueBetweenItsLimits)
{
    const std::tuple<int, int, int, const char*> cases[] = {
        {0, 0, 63, "[------------------------------]   0%"}, {63, 0, 63, "[##############################] 100%"},
        {31, 0, 63, "[###############---------------]  49%"}, {1, 0, 2, "[###############---------------]  50%"},
        {70, 0, 63, "[##############################] 100%"}, {-3, 0, 63, "[------------------------------]   0%"},
        {5, 5, 5, "[------------------------------]   0%"}};
    for (const auto& [value, minimum, maximum, bar] : cases)
        EXPECT_EQ(progressLine("正在读取主机内容……", value, minimum, maximum), QString("正在读取主机内容…… ") + bar) << value;
    EXPECT_EQ(progressLine("x", 1, 0, 2, 4), QString("x [##--]  50%"));
}

TEST(ProgressDisplay, DrawsOnlyWhileActiveAndOnlyWhatChanged)
{
    MemoryFile err;
    cs::BackupView view;
    ProgressDisplay progress(view, err.file);
    ConsoleUi ui(err.file, &progress);
    view.update();   // not active yet
    progress.begin();
    view.label1 = "正在下发数据到主机……";
    view.progressValue = 0;
    view.update();
    view.update();   // the same picture: not drawn again
    ui.messageBox("CRC校验错误", cs::StyleStop, "错误");   // wipes the line; the next update redraws it
    view.update();
    view.progressValue = 63;
    view.update();
    progress.end();
    view.update();   // after the end: nothing
    const QByteArray zero = drawn(progressLine(view.label1, 0, 0, 63)), shown = err.take();
    EXPECT_EQ(shown, zero + Wipe + "错误: CRC校验错误\n" + zero + drawn(progressLine(view.label1, 63, 0, 63)) + Wipe);
    progress.begin();   // an end without a drawn line writes nothing
    progress.end();
    view.progressVisible = false;
    progress.begin();
    view.update();
    progress.end();
    EXPECT_EQ(err.take(), shown);
}
