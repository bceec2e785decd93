// Messages and the progress line of callsetup-cli, in-process.

#include "cli/ConsoleUi.h"
#include "memory/BackupView.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

using cs::cli::ConsoleUi;
using cs::cli::ProgressDisplay;
using cs::cli::progressLine;

namespace {

// A FILE* whose contents the test can read back.
class MemoryFile {
public:
    MemoryFile() : file_(::open_memstream(&data_, &size_)) {}
    ~MemoryFile()
    {
        std::fclose(file_);
        std::free(data_);
    }
    std::FILE* get() { return file_; }
    // Everything written so far.
    QByteArray take()
    {
        std::fflush(file_);
        return QByteArray(data_, qsizetype(size_));
    }

private:
    char* data_ = nullptr;
    size_t size_ = 0;
    std::FILE* file_;
};

TEST(ConsoleUi, MessagesAreTitleAndExactTextOnOneLine)
{
    MemoryFile err;
    ConsoleUi ui(err.get());
    EXPECT_EQ(ui.messageBox("读取主机内容成功！", cs::StyleInfo, "OK"), cs::AnswerOk);
    EXPECT_FALSE(ui.failed);
    EXPECT_EQ(ui.messageBox("通讯失败！请检查连线！", cs::StyleStop, "错误"), cs::AnswerOk);
    EXPECT_TRUE(ui.failed);
    EXPECT_EQ(err.take(), QByteArray("OK: 读取主机内容成功！\n错误: 通讯失败！请检查连线！\n"));
}

TEST(ConsoleUi, EveryTitleButOkCountsAsFailure)
{
    struct Case {
        const char* title;
        bool failed;
    };
    for (const Case& c : {Case{"OK", false}, Case{"注意", true}, Case{"错误", true}, Case{"ok", true}}) {
        MemoryFile err;
        ConsoleUi ui(err.get());
        ui.messageBox("没有餐桌号！", cs::StyleStop, c.title);
        EXPECT_EQ(ui.failed, c.failed) << c.title;
        EXPECT_EQ(err.take(), QByteArray(c.title) + ": 没有餐桌号！\n");
    }
}

TEST(ConsoleUi, ConfirmationsAreDeclinedAndDialogsAnswerTheGivenName)
{
    MemoryFile err;
    ConsoleUi ui(err.get());
    EXPECT_EQ(ui.messageBox("确定？", cs::StyleOkCancel, "错误"), cs::AnswerCancel);
    EXPECT_TRUE(ui.chooseSaveFile().isEmpty());
    ui.setFileName("/tmp/x.cat");
    EXPECT_EQ(ui.chooseSaveFile(), QString("/tmp/x.cat"));
    EXPECT_EQ(ui.chooseOpenFile(), QString("/tmp/x.cat"));
}

TEST(ProgressLine, BarFollowsTheValueBetweenItsLimits)
{
    struct Case {
        int value, minimum, maximum;
        const char* expected;
    };
    const Case cases[] = {
        {0, 0, 63, "正在读取主机内容…… [------------------------------]   0%"},
        {63, 0, 63, "正在读取主机内容…… [##############################] 100%"},
        {31, 0, 63, "正在读取主机内容…… [###############---------------]  49%"},
        {1, 0, 2, "正在读取主机内容…… [###############---------------]  50%"},
        {70, 0, 63, "正在读取主机内容…… [##############################] 100%"},
        {-3, 0, 63, "正在读取主机内容…… [------------------------------]   0%"},
        {5, 5, 5, "正在读取主机内容…… [------------------------------]   0%"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(progressLine("正在读取主机内容……", c.value, c.minimum, c.maximum), QString(c.expected))
            << c.value << "/" << c.maximum;
    EXPECT_EQ(progressLine("x", 1, 0, 2, 4), QString("x [##--]  50%"));
}

TEST(ProgressDisplay, DrawsOnlyWhileActiveAndOnlyWhatChanged)
{
    MemoryFile err;
    cs::BackupView view;
    ProgressDisplay progress(view, err.get());
    view.update();
    EXPECT_TRUE(err.take().isEmpty());   // not active yet

    progress.begin();
    view.label1 = "正在下发数据到主机……";
    view.progressValue = 0;
    view.update();
    view.update();   // same picture: not drawn again
    view.progressValue = 63;
    view.update();
    progress.end();
    view.update();   // after the end: nothing
    EXPECT_EQ(err.take(), QByteArray("\r正在下发数据到主机…… [------------------------------]   0%\x1b[K"
                                     "\r正在下发数据到主机…… [##############################] 100%\x1b[K"
                                     "\r\x1b[K"));
}

TEST(ProgressDisplay, AMessageWipesTheLineAndTheNextChangeRedrawsIt)
{
    MemoryFile err;
    cs::BackupView view;
    ProgressDisplay progress(view, err.get());
    ConsoleUi ui(err.get(), &progress);
    progress.begin();
    view.label1 = "正在读取主机内容……";
    view.progressValue = 10;
    view.update();
    ui.messageBox("CRC校验错误", cs::StyleStop, "错误");
    view.update();
    progress.end();
    const QByteArray line = progressLine("正在读取主机内容……", 10, 0, 63).toUtf8();
    EXPECT_EQ(err.take(), "\r" + line + "\x1b[K" + "\r\x1b[K" + "错误: CRC校验错误\n" + "\r" + line + "\x1b[K"
                              + "\r\x1b[K");
}

TEST(ProgressDisplay, EndWithoutADrawnLineWritesNothing)
{
    MemoryFile err;
    cs::BackupView view;
    ProgressDisplay progress(view, err.get());
    progress.begin();
    progress.end();
    view.progressVisible = false;
    progress.begin();
    view.update();
    progress.end();
    EXPECT_TRUE(err.take().isEmpty());
}

} // namespace
