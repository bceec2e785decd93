// The batch work in the windows, offscreen: the menu above Form1's designed
// client area (its Alt keys are walked in the window walk), the pager import,
// table learning, the stop button during a wait, the compare window and the
// download's verify option.
#include "commands/Commands.h"
#include "link/EventLoopWaiter.h"
#include "link/Frame.h"
#include "memory/Backups.h"
#include "support/Files.h"
#include "support/Form1Rig.h"
#include "ui/Twips.h"

#include <QtTest>
#include <QtWidgets>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace cs;
using cs::test::Rig;

namespace {

struct Form1 : test::Form1Rig {
    void trigger(const char* action) { window.findChild<QAction*>(action)->trigger(); }
};

template <class Widget = QPushButton> Widget* child(QWidget* window, const char* name)
{
    auto* w = window->findChild<Widget*>(name);
    EXPECT_TRUE(w) << name;
    return w;
}

QString cells(QTableWidget* t, int row)
{
    QStringList out;
    for (int column = 0; column < t->columnCount(); ++column)
        out << (t->item(row, column) ? t->item(row, column)->text() : "-");
    return out.join('/');
}

const QByteArray Head = "number,address,model,polarity,rate,tone\n";

} // namespace

TEST(BatchMenu, SitsAboveTheDesignedClientArea)
{
    Form1 f;
    f.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.window));
    const int menu = f.window.menuHeight();
    EXPECT_GT(menu, 10);
    EXPECT_EQ(f.window.menuBar()->geometry(), QRect(0, 0, f.window.width(), menu));
    const QSize designed = ui::clientSizeFor(f.window, QSize(ui::px(8450), ui::px(6100)));
    EXPECT_EQ(f.window.size(), designed + QSize(0, menu));
    // Designed places in the client area (twips; frames' children in their frame).
    const std::tuple<const char*, QRect, int> controls[] = {
        {"Combo5", ui::twipRect(1680, 90, 855, 300), menu},
        {"Command3", ui::twipRect(6120, 450, 735, 420), 0},
        {"Label7", ui::twipRect(360, 5760, 975, 255), menu},
    };
    for (const auto& [name, place, offset] : controls)
        EXPECT_EQ(child<QWidget>(&f.window, name)->geometry(), place.translated(0, offset)) << name;
}

// A FIFO (its writer holding a pager file) or a device is refused at once with
// the file's box and its cause; the preview stays as it was.
TEST(ImportWindow, RefusesWhatIsNotARegularFileAtOnce)
{
    QTemporaryDir dir;
    const QByteArray fifo = QFile::encodeName(dir.filePath("pagers.csv"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0644), 0);
    const int writer = ::open(fifo.constData(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    const QByteArray rows = Head + "1,1\n";
    ASSERT_EQ(::write(writer, rows.constData(), size_t(rows.size())), rows.size());
    const std::pair<QString, QString> cases[] = {
        {QFile::decodeName(fifo), "a FIFO, not a regular file"},
        {"/dev/zero", "a device, not a regular file"},
    };
    for (const auto& [path, cause] : cases) {
        Form1 f;
        f.ui.pagerFileName = path;
        f.trigger("ImportPagers");
        ui::ImportWindow* w = f.window.importWindow();
        ASSERT_TRUE(w);
        child(w, "OpenFile")->click();
        EXPECT_EQ(f.ui.messages.value(0).text, "文件" + path + "打开失败！\n" + cause);
        EXPECT_EQ(w->import().preview.size(), 0) << path.toStdString();
        EXPECT_TRUE(w->import().fileName.isEmpty()) << path.toStdString();
    }
    ::close(writer);
}

TEST(ImportWindow, PreviewsEveryRowAndSetsThePagersWithProgress)
{
    QTemporaryDir dir;
    Form1 f;
    f.ui.pagerFileName = test::writeFile(dir.filePath("bad.csv"), Head + "2,x,new\n1,1\n");
    f.trigger("ImportPagers");
    ui::ImportWindow* w = f.window.importWindow();
    ASSERT_TRUE(w);
    auto* preview = child<QTableWidget>(w, "Preview");
    child(w, "OpenFile")->click();
    ASSERT_EQ(preview->rowCount(), 2);
    // Bad and good rows in file order; a bad one as the file has it, with its message.
    EXPECT_EQ(cells(preview, 0), "2/2/x/new////地址码应为7位数字！");
    EXPECT_EQ(cells(preview, 1), "3/1/1/数字标准/反/1200/音调1/");
    EXPECT_EQ(preview->item(0, 7)->background().color(), QColor(255, 214, 214));
    EXPECT_FALSE(child(w, "Write")->isEnabled());

    f.ui.pagerFileName = test::writeFile(dir.filePath("good.csv"), Head + "1,1\n2,2\n3,3\n");
    child(w, "OpenFile")->click();
    auto* write = child(w, "Write");
    auto* stop = child(w, "Stop");
    auto* progress = child<QProgressBar>(w, "Progress");
    ASSERT_TRUE(write->isEnabled());
    EXPECT_FALSE(stop->isEnabled());
    QStringList during;
    QObject::connect(&w->import(), &PagerImport::changed, [&] {
        if (!w->import().running)
            return;
        during << QString("%1/%2:%3")
                      .arg(progress->value())
                      .arg(progress->maximum())
                      .arg(stop->isEnabled() && !write->isEnabled()
                           && !child(w, "OpenFile")->isEnabled());
    });
    write->click();
    EXPECT_EQ(during.join(' '), "0/3:1 1/3:1 2/3:1 3/3:1");
    EXPECT_EQ(progress->value(), 3);
    EXPECT_EQ(f.requests().size(), 3);
    EXPECT_EQ(child<QLabel>(w, "Status")->text(), "3个传呼机已全部写入。");
    // The stop button, pressed while the second row waits for its reply: the run ends after it.
    int received = 0;
    f.port.line.replyOverride = [&](std::uint8_t code, const QByteArray&) {
        if (++received == 2)
            stop->click();
        return std::optional<QByteArray>(replyFrame(code, {}));
    };
    write->click();
    EXPECT_EQ(f.requests().size(), 5);
}

// The waits drop input; the stop button of a running batch still gets its clicks,
// through the window as the window system delivers them.
TEST(StopPassage, OnlyTheStopButtonGetsInputDuringAWait)
{
    Rig rig;
    Commands commands(rig.link, rig.portControl);
    ui::ImportWindow w(rig.link, commands, rig.ui);
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    auto* stop = child(&w, "Stop");
    auto* open = child(&w, "OpenFile");
    stop->setEnabled(true);
    QSignalSpy stops(stop, &QAbstractButton::clicked);
    QSignalSpy opens(open, &QAbstractButton::clicked);
    EventLoopWaiter waiter;
    bool fast = false; // the short waits of fast replies
    const auto waitWhile = [&](auto input) {
        QTimer::singleShot(30, &w, input);
        for (int slice = 0; slice < (fast ? 75 : 1); ++slice)
            waiter.wait(fast ? Link::FastSliceSeconds : 0.15);
    };
    const auto clickOn = [&](QWidget* button) {
        return [&w, button] {
            QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {},
                              button->mapTo(&w, button->rect().center()));
        };
    };
    waitWhile(clickOn(stop));
    EXPECT_EQ(stops.count(), 0); // no passage open: dropped like all input
    {
        const ui::StopPassage passage(stop);
        for (const bool slices : {false, true}) {
            fast = slices;
            waitWhile(clickOn(stop));
        }
        EXPECT_EQ(stops.count(), 2);
        waitWhile(clickOn(open));
        EXPECT_EQ(opens.count(), 0);
        QTimer::singleShot(30, &w, [&] { w.close(); });
        waiter.wait(0.15);
        EXPECT_TRUE(w.isVisible()); // the window stays while its batch runs
    }
    EXPECT_EQ(rig.ui.messages.size(), 0);
}

TEST(LearningWindow, ShowsTheAwaitedTableLargeAndListsTheCallersLearned)
{
    Form1 f;
    f.port.line.unansweredLearns = {0, 1}; // table 6 is asked twice
    f.trigger("LearnTables");
    ui::LearningWindow* w = f.window.learningWindow();
    ASSERT_TRUE(w);
    child<QLineEdit>(w, "Text3_0")->setText("5");
    child<QLineEdit>(w, "LastTable")->setText("7");
    child<QLineEdit>(w, "Text3_2")->setText("12");
    auto* waiting = child<QLabel>(w, "Waiting");
    auto* learned = child<QTableWidget>(w, "Learned");
    QStringList shown;
    QObject::connect(&w->run(), &LearningRun::changed, [&] {
        if (w->run().table > 0)
            shown << waiting->text() + ":" + child<QLabel>(w, "Prompt")->text()
                    + QString(":%1").arg(learned->rowCount());
        if (w->run().attempt == 2 && child(w, "Stop")->isEnabled())
            child(w, "Stop")->click();
    });
    EXPECT_GE(waiting->font().pixelSize(), 48);
    QTest::keyClick(child<QLineEdit>(w, "Text3_2"), Qt::Key_Return);
    const QString prompt = ":请按呼叫器的服务键！";
    EXPECT_EQ(shown.join('|'),
              "餐桌 5" + prompt + ":0|餐桌 5" + prompt + ":1|餐桌 6" + prompt + ":1|餐桌 6" + prompt
                  + "\n第2次请求:1|餐桌 6" + prompt + "\n第2次请求:2");
    ASSERT_EQ(learned->rowCount(), 2);
    EXPECT_EQ(cells(learned, 1), "6/0A1B02");
    EXPECT_EQ(f.requests().value(1).toHex(), "0103070000060cffffffe5");
    EXPECT_EQ(child<QLabel>(w, "Status")->text(), "已停止：已学习餐桌5至6（2/3）；餐桌7未学习。");
    EXPECT_TRUE(waiting->text().isEmpty());
    EXPECT_TRUE(child(w, "Start")->isEnabled());
}

TEST(BackupFiles, TwoComparedAndThePagerListExported)
{
    QTemporaryDir dir;
    QByteArray image(8192, '\xFF');
    const QString a = test::writeFile(dir.filePath("a.cat"), image);
    image.replace(5 * 6, 5, QByteArray::fromHex("6212345671")); // pager 7
    const QString b = test::writeFile(dir.filePath("b.cat"), image);
    Form1 f;
    f.trigger("CompareBackups");
    ui::CompareWindow* w = f.window.compareWindow();
    ASSERT_TRUE(w);
    f.ui.openFileNames = {a, b};
    child(w, "ChooseFirst")->click();
    child(w, "ChooseSecond")->click();
    child(w, "Compare")->click();
    EXPECT_EQ(child<QLabel>(w, "Summary")->text(), "共有5个字节不同，每一个都列在下面。");
    const QString differences = child<QPlainTextEdit>(w, "Differences")->toPlainText();
    EXPECT_TRUE(differences.startsWith("传呼号 added:\n+    7")) << differences.toStdString();
    child<QLineEdit>(w, "SecondFile")->setText(dir.filePath("none.cat"));
    child(w, "Compare")->click();
    EXPECT_EQ(f.ui.messages.value(0).text,
              "文件" + dir.filePath("none.cat") + "打开失败！\nno such file or folder");

    // The pager list of the host image: refused before a read or an open.
    const QString csv = dir.filePath("p.csv");
    for (const QString& chosen : {csv, dir.filePath("no/p.csv"), csv}) {
        f.ui.pagerFileName = chosen;
        f.trigger("ExportPagers");
        openBackup(f.state, b);
    }
    EXPECT_EQ(f.ui.messages.mid(1).size(), 3);
    EXPECT_EQ(f.ui.messages.value(1).text, "主机数据未读取，无法保存文件！");
    EXPECT_EQ(f.ui.messages.value(2).text,
              "文件" + dir.filePath("no/p.csv") + "保存失败！\nno folder " + dir.filePath("no"));
    EXPECT_TRUE(test::readFile(csv).endsWith("\n7,1234567,new,normal,512,tone2\n"));
}
