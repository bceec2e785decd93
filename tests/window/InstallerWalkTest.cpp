// The real program (Program: the main window over the serial line) in a real
// window on an X server, driven by clicks and keys like an installer at a host
// unit, with callsetup-sim as the unit on COM1.

#include "ModalAnswerer.h"
#include "SimProcess.h"
#include "WindowTestEnvironment.h"
#include "link/PortNames.h"
#include "ui/BackupWindow.h"
#include "ui/Program.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

using cs::test::BoxSeen;
using cs::test::DialogSeen;
using cs::test::SimProcess;

namespace cs::test {
// Readable failures for the recorded windows.
void PrintTo(const BoxSeen& box, std::ostream* os)
{
    *os << "{\"" << box.title.toStdString() << "\", \"" << box.text.toStdString() << "\", icon " << box.icon << "}";
}
void PrintTo(const DialogSeen& dialog, std::ostream* os)
{
    *os << (dialog.save ? "save " : "open ") << dialog.fileName.toStdString();
}
} // namespace cs::test

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {

constexpr int Info = QMessageBox::NoIcon;   // style 15 boxes

BoxSeen ok(const QString& text) { return {QStringLiteral("OK"), text, Info}; }

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

// Where the screenshots go.
QString artifactsDir()
{
    const QString dir = qEnvironmentVariable("CALLSETUP_ARTIFACTS", QDir::currentPath());
    QDir().mkpath(dir);
    return dir;
}

template <class T = QWidget>
T* child(QWidget* window, const char* name)
{
    T* w = window ? window->findChild<T*>(QLatin1String(name)) : nullptr;
    if (!w)
        ADD_FAILURE() << "no " << name << " in " << (window ? window->objectName().toStdString() : "(none)");
    return w;
}

void click(QWidget* window, const char* name)
{
    if (auto* button = child<QPushButton>(window, name)) {
        EXPECT_TRUE(button->isVisible()) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

// Clicks into a field and types, as the user does (the click selects the old text).
void type(QWidget* window, const char* name, const QString& text)
{
    if (auto* field = child<QLineEdit>(window, name)) {
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClicks(field, text);
        EXPECT_EQ(field->text(), text) << name;
    }
}

QString labelText(QWidget* window, const char* name)
{
    const auto* label = child<QLabel>(window, name);
    return label ? label->text() : QString();
}

bool exposed(QWidget* w)
{
    return w && w->isVisible() && w->windowHandle() && w->windowHandle()->isExposed();
}

// Opens the drop-down list with a click on its arrow and clicks the item.
void choose(QWidget* window, const char* name, const QString& item)
{
    auto* list = child<QComboBox>(window, name);
    if (!list)
        return;
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    option.subControls = QStyle::SC_All;
    const QRect arrow = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, list);
    QTest::mouseClick(list, Qt::LeftButton, {}, arrow.isValid() ? arrow.center() : list->rect().center());
    QAbstractItemView* view = list->view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return exposed(view->window()); }, 5000)) << name << ": the list did not open";
    const int row = list->findText(item, Qt::MatchExactly);
    ASSERT_GE(row, 0) << item.toStdString();
    const QRect itemRect = view->visualRect(view->model()->index(row, 0));
    // The list ignores a release that comes within a double-click time of its
    // opening (the end of the opening click); a user takes longer anyway.
    QTest::qWait(QApplication::doubleClickInterval() + 100);
    QTest::mouseMove(view->viewport(), itemRect.center());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, itemRect.center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !view->window()->isVisible(); }, 5000)) << name << ": the list stayed open";
    EXPECT_EQ(list->currentText(), item);
}

// The lines of a text box, without their line ends.
QStringList lines(QWidget* window, const char* name)
{
    const auto* text = child<QPlainTextEdit>(window, name);
    QStringList out = text ? text->toPlainText().split(QLatin1Char('\n')) : QStringList();
    for (QString& line : out)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    return out;
}

void screenshot(QWidget* window, const QString& file)
{
    const QString path = QDir(artifactsDir()).filePath(file);
    EXPECT_TRUE(window->grab().save(path, "PNG")) << path.toStdString();
}

class InstallerWalk : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!cs::test::windowProblem().isEmpty())
            GTEST_SKIP() << cs::test::windowProblem().toStdString();
        ASSERT_TRUE(dir_.isValid());
        // The program finds COM1 through the per-user link the simulator makes.
        oldConfig_ = qgetenv("XDG_CONFIG_HOME");
        configSet_ = true;
        qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("config")).toLocal8Bit());
    }

    void TearDown() override
    {
        if (!configSet_)
            return;
        if (oldConfig_.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", oldConfig_);
    }

    QString path(const char* name) const { return dir_.filePath(QLatin1String(name)); }

    // The simulator's memory now, through its control line.
    QByteArray simMemory(SimProcess& sim, const char* name)
    {
        EXPECT_EQ(sim.command("dump " + path(name).toLocal8Bit()), QByteArray("ok"));
        return readFile(path(name));
    }

    QTemporaryDir dir_;
    QByteArray oldConfig_;
    bool configSet_ = false;
};

TEST_F(InstallerWalk, SetsUpTheUnitBacksItUpAndRestoresIt)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), path("config"));
    SimProcess sim({QStringLiteral("--link"), QStringLiteral("com1"), QStringLiteral("--press-after"),
                    QStringLiteral("0.5")},
                   env);
    ASSERT_TRUE(sim.start()) << sim.errorOutput().constData();
    ASSERT_EQ(cs::portDevice(1), QFileInfo(sim.ptyPath()).canonicalFilePath());

    cs::ui::Program program(*qApp);
    program.show();
    cs::ui::MainWindow* form1 = &program.mainWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form1));
    cs::test::ModalAnswerer answerer;

    // Open the port.
    EXPECT_EQ(labelText(form1, "Label11"), QStringLiteral("串口已关闭"));
    click(form1, "Command15");
    ASSERT_EQ(labelText(form1, "Label11"), QStringLiteral("已打开COM1"));
    EXPECT_EQ(child<QPushButton>(form1, "Command15")->text(), QStringLiteral("关闭"));
    EXPECT_TRUE(program.state().PortIsOpen);
    EXPECT_EQ(answerer.takeBoxes(), QList<BoxSeen>{});

    // Pager 12 with the address code 1234567 (model, polarity, rate, tone as the window starts).
    type(form1, "Text1_0", QStringLiteral("12"));
    type(form1, "Text1_1", QStringLiteral("1234567"));
    click(form1, "Command1");
    EXPECT_EQ(answerer.takeBoxes(), QList<BoxSeen>{ok(QStringLiteral("设置传呼号成功！"))});

    // Table 5 calls pager 12; the unit learns the caller whose key is pressed.
    type(form1, "Text3_0", QStringLiteral("5"));
    type(form1, "Text3_2", QStringLiteral("12"));
    answerer.forget(QStringLiteral("Form2"));
    click(form1, "Command3");
    EXPECT_EQ(answerer.takeBoxes(), QList<BoxSeen>{ok(QStringLiteral("设置餐桌号成功！"))});
    EXPECT_TRUE(answerer.seen(QStringLiteral("Form2"))) << "the key press prompt was not on screen";
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("Form2")) {
            EXPECT_FALSE(w->isVisible()) << "the key press prompt stayed";
        }
    }

    // Work mode 单键模式0.
    choose(form1, "Combo4", QStringLiteral("单键模式0"));
    click(form1, "Command11");
    EXPECT_EQ(answerer.takeBoxes(), QList<BoxSeen>{ok(QStringLiteral("设置工作模式成功！"))});
    screenshot(form1, QStringLiteral("form1.png"));

    // The data backup window, beside the main window.
    click(form1, "Command12");
    cs::ui::BackupWindow* form3 = form1->backupWindow();
    ASSERT_NE(form3, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form3));
    EXPECT_TRUE(form1->isVisible());
    EXPECT_EQ(form3->windowTitle(), QStringLiteral("读取"));
    EXPECT_EQ(labelText(form3, "Label6"), QStringLiteral("主机未读取"));
    EXPECT_EQ(form3->size(), form3->clientSize(false));

    // Read the host memory (64 blocks).
    // Each block has 0.2 s for its 135 reply bytes at 9600 baud: a machine
    // starved of processor time can miss that, and nothing after it can work.
    click(form3, "Command1");
    ASSERT_EQ(answerer.takeBoxes(), QList<BoxSeen>{ok(QStringLiteral("读取主机内容成功！"))});
    EXPECT_EQ(labelText(form3, "Label6"), QStringLiteral("主机内容已读取"));
    screenshot(form3, QStringLiteral("form3.png"));
    const QByteArray unitAfterSetup = simMemory(sim, "setup.cat");
    ASSERT_EQ(unitAfterSetup.size(), 8192);

    // The pager report.
    EXPECT_EQ(child<QComboBox>(form3, "Combo1")->currentText(), QStringLiteral("传呼号"));
    click(form3, "Command5");
    EXPECT_EQ(answerer.takeBoxes(), QList<BoxSeen>{});
    EXPECT_EQ(form3->size(), form3->clientSize(true));
    EXPECT_TRUE(child<QLabel>(form3, "Label3")->isVisible());
    const QString pagerLine = QStringLiteral("  12    1 2 3 4 5 6 7     反     数字标准    1200    音调1");
    EXPECT_TRUE(lines(form3, "Text1").contains(pagerLine)) << lines(form3, "Text1").join(QLatin1Char('|')).toStdString();
    screenshot(form3, QStringLiteral("form3-report.png"));

    // The table report.
    choose(form3, "Combo1", QStringLiteral("餐桌号"));
    click(form3, "Command5");
    EXPECT_EQ(answerer.takeBoxes(), QList<BoxSeen>{});
    EXPECT_TRUE(child<QLabel>(form3, "Label4")->isVisible());
    EXPECT_FALSE(child<QLabel>(form3, "Label3")->isVisible());
    const QStringList tableReport = {QStringLiteral("共有 1个餐桌号："),
                                     QStringLiteral(" 5      0A  1B  01    12      无       无       无"),
                                     QString()};
    EXPECT_EQ(lines(form3, "Text1"), tableReport);
    screenshot(form3, QStringLiteral("form3-tables.png"));

    // Save the backup.
    const QString backup = path("unit.cat");
    answerer.queueFileName(backup);
    click(form3, "Command6");
    EXPECT_EQ(answerer.takeDialogs(), (QList<DialogSeen>{{true, backup}}));
    ASSERT_EQ(answerer.takeBoxes(), QList<BoxSeen>{ok(QStringLiteral("记录已保存到") + backup)});
    const QByteArray saved = readFile(backup);
    ASSERT_EQ(saved.size(), 8192);
    EXPECT_EQ(saved, unitAfterSetup);
    EXPECT_EQ(saved.mid(55, 5), bytes({0x55, 0x12, 0x34, 0x56, 0x70}));   // pager 12: 'U' 数字标准 1200 反, 音调1
    EXPECT_EQ(saved.mid(1280, 9), bytes({0x0A, 0x1B, 0x01, 0x00, 0x05, 0x0C, 0xFF, 0xFF, 0xFF}));   // table 5
    EXPECT_EQ(saved.mid(8190, 2), bytes({0x00, 0x01}));   // one table
    EXPECT_EQ(quint8(saved[8166]), 2);                    // 单键模式0

    // The unit loses pager 12 ...
    type(form1, "Text4", QStringLiteral("12"));
    click(form1, "Command4");
    EXPECT_EQ(answerer.takeBoxes(), QList<BoxSeen>{ok(QStringLiteral("删除传呼号成功！"))});
    const QByteArray changed = simMemory(sim, "changed.cat");
    ASSERT_EQ(changed.size(), 8192);
    EXPECT_NE(changed.mid(55, 5), saved.mid(55, 5));

    // ... and gets everything back from the backup file.
    answerer.queueFileName(backup);
    click(form3, "Command7");
    EXPECT_EQ(answerer.takeDialogs(), (QList<DialogSeen>{{false, backup}}));
    EXPECT_EQ(answerer.takeBoxes(), QList<BoxSeen>{ok(QStringLiteral("已成功打开备份文件") + backup)});
    click(form3, "Command8");
    EXPECT_EQ(answerer.takeBoxes(), QList<BoxSeen>{ok(QStringLiteral("下发备份数据到主机成功！"))});
    EXPECT_EQ(simMemory(sim, "restored.cat"), saved);

    EXPECT_EQ(answerer.unexpected(), QStringList{});
    EXPECT_EQ(sim.quit(), 0);
}

} // namespace
