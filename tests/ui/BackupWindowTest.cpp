// form3 keeps a size the user chose until an operation gives it one; its report
// area follows the window; Tab goes through what the window shows, in order;
// it says where the image it holds came from, and its dump and report follow it.
#include "ui/BackupWindow.h"
#include "memory/MemoryDump.h"
#include "reports/ReportView.h"
#include "support/Files.h"
#include "support/Rig.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

namespace {

// The controls Tab reaches from Command1, in order, until it comes back.
QStringList tabChain(QWidget* window)
{
    window->findChild<QWidget*>("Command1")->setFocus(Qt::TabFocusReason);
    QStringList names;
    for (QWidget* at = window->focusWidget(); at && names.size() < 12;) {
        names << (at->parentWidget() == window ? at : at->parentWidget())->objectName();
        QTest::keyClick(at, Qt::Key_Tab);
        at = window->focusWidget();
        if (at && at->objectName() == "Command1")
            break;
    }
    return names;
}

} // namespace

TEST(BackupWindow, KeepsTheUsersSize)
{
    cs::test::Rig rig;
    cs::ui::BackupWindow window(rig.link, rig.portControl, rig.ui);
    window.show();
    const QSize size = window.size() + QSize(40, 300);
    window.resize(size);
    window.view().update();       // a progress step
    window.backup().memoryDump(); // refused: no image
    EXPECT_EQ(window.size(), size);
    rig.port.line.faults.silent = true;
    window.backup().readHost(); // a read takes the compact size
    EXPECT_EQ(window.size(), window.clientSize(false));
}

TEST(BackupWindow, TheReportAreaFollowsTheWindowAndTabReachesWhatIsInView)
{
    cs::test::Rig rig;
    cs::ui::BackupWindow window(rig.link, rig.portControl, rig.ui);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* text1 = window.findChild<QPlainTextEdit*>("Text1");
    // Compact: the report area lies below the window's edge and takes no focus.
    EXPECT_FALSE(text1->isVisible());
    const QStringList compact{"Command1", "Command6", "Command7", "Command8",
                              "Check1",   "Combo1",   "Command5"};
    EXPECT_EQ(tabChain(&window), compact);
    window.resize(10, 10);
    EXPECT_EQ(window.size(), window.clientSize(false)); // no smaller than its contents

    for (int i = 0; i < cs::DataBackup::RevealClicks; ++i)
        window.backup().label5Click();
    window.backup().readHost();
    window.backup().memoryDump(); // full size, as designed
    const QRect designed(8, 176, 377, 233);
    EXPECT_EQ(text1->geometry(), designed);
    EXPECT_TRUE(window.findChild<QLabel*>("Label2")->isVisible());
    const QStringList full = compact + QStringList{"Command4", "Text1"};
    EXPECT_EQ(tabChain(&window), full);

    window.resize(window.size() + QSize(120, 200));
    EXPECT_EQ(text1->geometry(), designed.adjusted(0, 0, 120, 200));
    // Too low for the whole report area: it and its heading go out of view.
    window.resize(window.width(), designed.top() + 40);
    EXPECT_FALSE(text1->isVisible());
    EXPECT_FALSE(window.findChild<QLabel*>("Label2")->isVisible());
    const QStringList low = compact + QStringList{"Command4"};
    EXPECT_EQ(tabChain(&window), low);
}

namespace {

// The form3 of a rig, shown.
struct Form3 {
    cs::test::Rig rig;
    cs::ui::BackupWindow window{rig.link, rig.portControl, rig.ui};
    Form3() { window.show(); }
    QString text(const char* label) const { return window.findChild<QLabel*>(label)->text(); }
    int bar() const { return window.findChild<QProgressBar*>("ProgressBar1")->value(); }
    QByteArray held() const
    {
        return QByteArray(reinterpret_cast<const char*>(rig.state.HostImage.data()), 8192);
    }
};

} // namespace

// Image A read or opened, unit B's read breaks off: A is held, the window says
// so, and the save asks before it writes A, naming where A came from. An open
// ends the question.
TEST(BackupWindow, AFailedReadKeepsTheEarlierImageAndTheSaveAsksFirst)
{
    QTemporaryDir dir;
    const QString fileA = cs::test::writeFile(dir.filePath("a.cat"), QByteArray(8192, 'A'));
    const std::tuple<bool, bool, QString> cases[] = {
        {false, false, "上次读取主机失败！现有的主机内容是更早一次读取的"},
        {false, true, "上次读取主机失败！现有的主机内容是更早一次读取的"},
        {true, false, "上次读取主机失败！现有的主机内容来自文件" + fileA},
    };
    for (const auto& [opened, agree, question] : cases) {
        Form3 f;
        f.rig.unit.memory.fill('A');
        f.rig.ui.openFileName = fileA;
        opened ? f.window.backup().openFile() : void(f.window.backup().readHost());
        f.rig.unit.memory.fill('B');
        f.rig.port.line.faults.silentFromBlock = 13;
        f.window.backup().readHost();
        EXPECT_EQ(f.text("Label6"), "主机读取失败");
        EXPECT_EQ(f.text("Label1"), "读取失败，保留的仍是之前的主机内容");
        EXPECT_EQ(f.bar(), 0);
        EXPECT_EQ(f.held(), QByteArray(8192, 'A'));
        f.window.hide(); // opened again, it still says so
        f.window.show();
        EXPECT_EQ(f.text("Label6") + f.text("Label1"),
                  "主机读取失败读取失败，保留的仍是之前的主机内容");

        f.rig.ui.messages.clear();
        f.rig.ui.answers = {agree};
        const QString path = dir.filePath("saved.cat");
        QFile::remove(path);
        f.rig.ui.saveFileName = path;
        f.window.backup().saveFile();
        EXPECT_TRUE(f.rig.ui.messages.value(0).text.startsWith(question)) << question.toStdString();
        EXPECT_EQ(f.rig.ui.messages.value(0).style, cs::Style::OkCancel);
        EXPECT_EQ(f.rig.ui.messages.size(), agree ? 2 : 1); // declined: nothing more
        EXPECT_EQ(cs::test::readFile(path), agree ? QByteArray(8192, 'A') : QByteArray());

        f.window.backup().openFile();
        EXPECT_EQ(f.text("Label6"), "主机内容已读取");
        EXPECT_EQ(f.text("Label1"), "读取进度条");
        f.rig.ui.messages.clear();
        f.window.backup().saveFile();
        EXPECT_EQ(f.rig.ui.messages.size(), 1); // saved, nothing asked
    }
}

// The dump and the report show the image held after every read and open.
TEST(BackupWindow, TheDumpAndTheReportFollowTheHeldImage)
{
    QTemporaryDir dir;
    Form3 f;
    for (int i = 0; i < cs::DataBackup::RevealClicks; ++i)
        f.window.backup().label5Click();
    f.rig.unit.memory.fill(0x00);
    f.window.backup().readHost();
    f.window.backup().memoryDump();
    const QString first = f.window.view().text1;
    f.rig.ui.openFileName = cs::test::writeFile(dir.filePath("a.cat"), QByteArray(8192, 0x05));
    f.window.backup().openFile();
    EXPECT_EQ(f.window.view().text1, cs::dumpText(f.rig.state.HostImage, 8192));
    EXPECT_NE(f.window.view().text1, first);

    f.window.findChild<QComboBox*>("Combo1")->setCurrentIndex(2); // the work mode
    f.window.findChild<QPushButton*>("Command5")->click();
    const QString report = f.window.view().text1;
    f.window.backup().readHost();
    const cs::Report now = cs::buildReport(*cs::reportKindAt(2),
                                           cs::HostMemory(f.rig.state.HostImage));
    EXPECT_EQ(f.window.view().text1, now.text);
    EXPECT_NE(f.window.view().text1, report);
}

// Download, then check: the caption says which, and a failed check does not
// leave the bar full.
TEST(BackupWindow, TheCheckedDownloadsCaptionsSayWhatItDoesAndHowItEnded)
{
    const QString download = "正在下发数据到主机……", check = "下发完成，正在读回校验……";
    const std::tuple<int, QStringList> cases[] = {
        {-1, {"读取进度条", download, check, "下发进度条"}},
        {5, {"读取进度条", download, check, "下发完成，读回的内容与备份不同"}},
    };
    for (const auto& [corrupt, expected] : cases) {
        Form3 f;
        f.rig.unit.memory.fill(0x3C);
        f.window.backup().readHost();
        f.window.findChild<QCheckBox*>("Check1")->setChecked(true);
        f.rig.port.line.faults.corruptBlock = corrupt;
        QStringList captions{f.window.view().label1};
        int fullWhileChecking = 0;
        QObject::connect(&f.window.view(), &cs::BackupView::changed, [&] {
            const cs::BackupView& v = f.window.view();
            if (captions.value(captions.size() - 1) != v.label1)
                captions << v.label1;
            fullWhileChecking += v.label1 == check && v.progressValue == 63;
        });
        f.window.backup().download();
        EXPECT_EQ(captions, expected) << corrupt;
        EXPECT_EQ(fullWhileChecking, 1) << corrupt; // the read-back's last block
        EXPECT_EQ(f.bar(), 0) << corrupt;
    }
}
