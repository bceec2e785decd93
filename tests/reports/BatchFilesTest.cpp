// The pager list exported from the host image, and two backups compared.

#include "reports/BatchFiles.h"
#include "reports/ReportFormats.h"
#include "support/Files.h"
#include "support/ScriptedUi.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cs;

TEST(PagerExport, WritesThePagerFileOfTheHostImage)
{
    QTemporaryDir dir;
    AppState state;
    state.HostImage.fill(0xFF);
    const QByteArray pager = QByteArray::fromHex("6212345671");
    std::copy(pager.begin(), pager.end(), state.HostImage.begin() + 5 * 6);   // pager 7
    const QString path = dir.filePath("pagers.csv");
    struct Case {
        bool loaded;
        QString chosen;
        Ending ending;
        QString box;
    };
    const Case cases[] = {
        {false, path, Ending::Refused, "主机数据未读取，无法保存文件！"},
        {true, "", Ending::Stopped, ""},
        {true, dir.filePath("no/such/folder.csv"), Ending::Failed,
         "文件" + dir.filePath("no/such/folder.csv") + "保存失败！"},
        {true, path, Ending::Done, "传呼机列表已导出到" + path},
    };
    for (const Case& c : cases) {
        test::ScriptedUi ui;
        ui.pagerFileName = c.chosen;
        state.HostImageLoaded = state.ImageDataPresent = c.loaded;
        EXPECT_EQ(exportPagerList(state, ui).ending, c.ending) << c.chosen.toStdString();
        EXPECT_EQ(ui.messages.value(0).text, c.box);
        EXPECT_EQ(ui.events.contains("csvSaveDialog"), c.loaded);
    }
    const QByteArray written = test::readFile(path);
    EXPECT_EQ(written, pagerCsv(HostMemory(state.HostImage)));
    EXPECT_TRUE(written.endsWith("\n7,1234567,new,normal,512,tone2\n"));
}

TEST(BackupCompare, CountsEveryDifferingByteOrRefusesAFileItCannotRead)
{
    QTemporaryDir dir;
    QByteArray image(8192, '\xFF');
    const QString a = test::writeFile(dir.filePath("a.cat"), image);
    image[8166] = 2;    // work mode: a cell no report line shows differently
    image[4000] = 1;
    const QString b = test::writeFile(dir.filePath("b.cat"), image);
    const QString missing = dir.filePath("c.cat");
    const std::tuple<QString, QString, Ending, QString, int> cases[] = {
        {a, a, Ending::Done, "两个备份相同。", 0},
        {a, b, Ending::Done, "共有2个字节不同，每一个都列在下面。", 2},
        {a, missing, Ending::Refused, "", 0},
        {missing, a, Ending::Refused, "", 0},
    };
    for (const auto& [first, second, ending, summary, cells] : cases) {
        const BackupComparison c = compareBackups(first, second);
        EXPECT_EQ(std::tuple(c.outcome.ending, c.summary, c.difference.cells),
                  std::tuple(ending, summary, cells));
        if (ending == Ending::Refused) {
            EXPECT_EQ(c.outcome.message.text, "文件" + missing + "打开失败！");
        }
    }
    EXPECT_TRUE(compareBackups(a, b).difference.text.contains("  0FA0H: FF -> 01\n"));
}
