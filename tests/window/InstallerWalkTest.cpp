// The real program in real windows on an X server (run under xvfb-run), driven
// by clicks and keys like an installer at a host unit, with callsetup-sim as the
// unit on COM1. Screenshots go to $CALLSETUP_ARTIFACTS.
#include "shared/Language.h"
#include "support/CaptionCheck.h"
#include "support/Files.h"
#include "support/SimProcess.h"
#include "ui/BackupWindow.h"
#include "ui/BatchWindows.h"
#include "ui/EditorWindow.h"
#include "ui/Program.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

using cs::test::artifact;
using cs::test::SimProcess;

namespace {

// Answers the modal windows as a user would: reads each message box and clicks
// OK (or Cancel, when asked to); types the queued name into a file dialog and
// accepts it. Polls from a timer, so it also runs inside the boxes' own loops
// and the exchanges' waits.
class Answerer : public QObject {
public:
    Answerer()
    {
        connect(&timer_, &QTimer::timeout, this, &Answerer::tick);
        timer_.start(40);
    }
    QStringList boxes;      // the texts answered since the test last cleared them
    QList<QRect> boxPlaces; // where each of them stood on the screen
    QStringList buttons;    // the buttons of the last box
    QStringList dialogs;    // the titles of the file dialogs
    QStringList fileNames;  // for the next file dialogs
    QStringList shots;      // screenshots of the next modal windows, by file name
    bool cancel = false;    // answer boxes that have Cancel with it
    QStringList unexpected;

private:
    void tick()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->windowHandle() || !modal->windowHandle()->isExposed())
            return;
        if (modal == answered_) {
            // A synthesized click can be lost while the window system is busy: press again.
            if (since_.elapsed() > 1000 && button_)
                button_->click(), since_.restart();
            return;
        }
        answered_ = modal;
        since_.restart();
        if (!shots.isEmpty())
            modal->grab().save(artifact(shots.takeFirst()));
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            boxes << box->text();
            boxPlaces << box->frameGeometry();
            buttons.clear();
            for (QAbstractButton* b : box->buttons())
                buttons << b->text();
            QAbstractButton* cancelButton = box->button(QMessageBox::Cancel);
            button_ = cancel && cancelButton ? cancelButton : box->button(QMessageBox::Ok);
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal);
                   dialog && !fileNames.isEmpty()) {
            dialogs << dialog->windowTitle();
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            auto* buttonBox = dialog->findChild<QDialogButtonBox*>("buttonBox");
            const bool save = dialog->acceptMode() == QFileDialog::AcceptSave;
            const auto accept = save ? QDialogButtonBox::Save : QDialogButtonBox::Open;
            button_ = buttonBox ? buttonBox->button(accept) : nullptr;
            if (name)
                QTest::keyClicks(name, fileNames.takeFirst());
        } else {
            unexpected << modal->metaObject()->className();
            button_ = nullptr;
            modal->close();
            return;
        }
        if (button_)
            QTest::mouseClick(button_, Qt::LeftButton);
    }
    QTimer timer_;
    QPointer<QWidget> answered_;
    QPointer<QAbstractButton> button_;
    QElapsedTimer since_;
};

void click(QWidget* window, const char* name)
{
    auto* button = window->findChild<QPushButton*>(name);
    ASSERT_TRUE(button && button->isVisible()) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

void type(QWidget* window, const char* name, const QString& text)
{
    auto* field = window->findChild<QLineEdit*>(name);
    ASSERT_TRUE(field) << name;
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClicks(field, text);
}

// Sets pager 12, reads the unit and saves its backup; deletes the pager, then
// opens the backup and downloads it: the unit holds what was saved.
void setUpBackUpAndRestore(SimProcess& sim, cs::ui::MainWindow* form1, Answerer& answerer,
                           const QTemporaryDir& dir)
{
    const auto unitMemory = [&](const char* name) {
        EXPECT_EQ(sim.command("dump " + dir.filePath(name).toLocal8Bit()), QByteArray("ok"));
        return cs::test::readFile(dir.filePath(name));
    };
    click(form1, "Command15"); // open the port
    EXPECT_EQ(form1->findChild<QLabel*>("Label11")->text(), QString("已打开COM1"));
    type(form1, "Text1_0", "12");
    type(form1, "Text1_1", "1234567");
    click(form1, "Command1");
    click(form1, "Command12"); // the data backup window
    cs::ui::BackupWindow* form3 = form1->backupWindow();
    ASSERT_TRUE(form3 && QTest::qWaitForWindowExposed(form3));
    click(form3, "Command1"); // read the host memory
    click(form3, "Command5"); // the pager report
    const QString report = form3->findChild<QPlainTextEdit*>("Text1")->toPlainText();
    EXPECT_TRUE(report.contains("  12    1 2 3 4 5 6 7     反     数字标准    1200    音调1"));
    EXPECT_TRUE(form3->grab().save(artifact("form3-report.png")));
    const QString backup = dir.filePath("unit.cat");
    answerer.fileNames << backup;
    click(form3, "Command6"); // save
    const QByteArray saved = cs::test::readFile(backup);
    EXPECT_EQ(saved, unitMemory("setup.bin"));
    EXPECT_EQ(saved.mid(55, 5).toHex(' '), QByteArray("55 12 34 56 70")); // pager 12

    type(form1, "Text4", "12");
    click(form1, "Command4"); // the unit loses pager 12 ...
    EXPECT_NE(unitMemory("changed.bin"), saved);
    answerer.fileNames << backup;
    click(form3, "Command7"); // ... and gets everything back from the file
    click(form3, "Command8");
    EXPECT_EQ(unitMemory("restored.bin"), saved);
    const QStringList boxes{
        "设置传呼号成功！", "读取主机内容成功！",          "记录已保存到" + backup,
        "删除传呼号成功！", "已成功打开备份文件" + backup, "下发备份数据到主机成功！"};
    EXPECT_EQ(answerer.boxes, boxes);
    form3->close();
}

} // namespace

// Each language in turn, by keyboard where an installer would use it (in
// Chinese after setting the unit up, backing it up and restoring it): the
// initialise warning (Enter on the focused button, then Cancel), the revealed
// dump button, a backup opened and saved again. Every caption fits on the real
// screen, Qt's buttons and dialogs speak the language, and the boxes after a
// file dialog stand over the data backup window.
TEST(InstallerWalk, TheWindowsInBothLanguages)
{
    if (QGuiApplication::platformName() != "xcb")
        GTEST_SKIP() << "needs an X server (run under xvfb-run)";
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toLocal8Bit());
    SimProcess sim({"--link", "com1"});
    ASSERT_TRUE(sim.start());
    const QString backup = cs::test::writeFile(dir.filePath("z.cat"), QByteArray(8192, '\x5a'));
    const struct {
        cs::Language language;
        const char* name;
        QStringList initButtons;
        const char *saveAs, *written;
    } languages[] = {
        {cs::Language::Chinese, "zh", {"确定", "取消"}, "另存为", "3个传呼机写入成功！"},
        {cs::Language::English, "en", {"OK", "Cancel"}, "Save As", "3 pagers written."},
    };
    for (const auto& l : languages) {
        SCOPED_TRACE(l.name);
        ASSERT_TRUE(cs::installLanguage(*qApp, l.language));
        ASSERT_TRUE(cs::installQtLanguage(*qApp, l.language));
        const bool english = l.language == cs::Language::English;
        const QString suffix = QStringLiteral("-%1.png").arg(l.name);
        cs::ui::Program program(*qApp);
        program.show();
        cs::ui::MainWindow* form1 = &program.mainWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form1));
        EXPECT_TRUE(cs::test::captionsFit(form1, english));
        Answerer answerer;
        if (!english) {
            setUpBackUpAndRestore(sim, form1, answerer, dir);
            answerer.boxes.clear();
            answerer.boxPlaces.clear();
            answerer.dialogs.clear();
        }

        const auto enterOn = [&](QWidget* window, const char* name) {
            auto* button = window->findChild<QPushButton*>(name);
            button->setFocus(Qt::TabFocusReason);
            QTest::keyClick(button, Qt::Key_Return);
        };
        answerer.cancel = true;
        answerer.shots << "initialise-warning" + suffix;
        enterOn(form1, "Command7");
        EXPECT_EQ(answerer.boxes.size(), 1);
        EXPECT_EQ(answerer.buttons, l.initButtons);
        answerer.cancel = false;

        enterOn(form1, "Command12");
        cs::ui::BackupWindow* form3 = form1->backupWindow();
        ASSERT_TRUE(form3 && QTest::qWaitForWindowExposed(form3));
        for (int i = 0; i < cs::DataBackup::RevealClicks; ++i)
            QTest::mouseClick(form3->findChild<QLabel*>("Label5"), Qt::LeftButton);
        QTest::qWait(100);
        EXPECT_TRUE(cs::test::captionsFit(form3, english));
        EXPECT_TRUE(form3->grab().save(artifact("form3-dump-button" + suffix)));

        answerer.fileNames << backup;
        click(form3, "Command7"); // open the backup
        answerer.fileNames << dir.filePath(QStringLiteral("copy-%1.cat").arg(l.name));
        answerer.shots << "save-dialog" + suffix;
        click(form3, "Command6"); // and save it again
        EXPECT_EQ(answerer.dialogs.value(1), QString(l.saveAs));
        EXPECT_EQ(answerer.boxes.size(), 3);
        for (const QRect& place : answerer.boxPlaces.mid(1))
            EXPECT_TRUE(form3->frameGeometry().contains(place.center()));
        click(form3, "Command4"); // the dump, at full size
        EXPECT_TRUE(cs::test::captionsFit(form3, english));

        // A batch import through the menu by keyboard: a file with a bad row
        // is previewed and refused, the corrected one is written.
        form1->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form1));
        QTest::keyClick(form1, Qt::Key_B, Qt::AltModifier);
        QTest::keyClick(form1->findChild<QMenu*>("BatchMenu"), Qt::Key_I);
        cs::ui::ImportWindow* import = form1->importWindow();
        ASSERT_TRUE(import && QTest::qWaitForWindowExposed(import));
        const QByteArray rows = "number,address,model,polarity,rate,tone\n1,1234567,new\n2,12%4\n"
                                "3,7654321,,正,2400,4\n";
        for (const char* address : {"x", "3"})
            answerer.fileNames << cs::test::writeFile(dir.filePath(address + QString(".csv")),
                                                      QByteArray(rows).replace("%", address));
        click(import, "OpenFile");
        QTest::qWait(100);
        EXPECT_FALSE(import->findChild<QPushButton*>("Write")->isEnabled());
        EXPECT_TRUE(cs::test::captionsFit(import, english));
        EXPECT_TRUE(import->grab().save(artifact("import-preview" + suffix)));
        click(import, "OpenFile");
        click(import, "Write");
        EXPECT_EQ(answerer.boxes.value(3), QString(l.written));
        EXPECT_TRUE(cs::test::captionsFit(import, english));

        // The learning window mid-run: table 1 learned, table 2 awaited; then
        // the stop button, clicked through the window system during the wait.
        form1->findChild<QAction*>("LearnTables")->trigger();
        cs::ui::LearningWindow* learning = form1->learningWindow();
        ASSERT_TRUE(learning && QTest::qWaitForWindowExposed(learning));
        learning->findChild<QLineEdit*>("Text3_0")->setText("1");
        learning->findChild<QLineEdit*>("LastTable")->setText("3");
        bool midRun = false;
        const auto* run = &learning->run();
        QObject::connect(run, &cs::LearningRun::tableLearned, learning, [&](int table) {
            if (table != 1)
                return;
            QTimer::singleShot(400, learning, [&] {
                midRun = cs::test::captionsFit(learning, english);
                EXPECT_TRUE(learning->grab().save(artifact("learning" + suffix)));
                auto* stop = learning->findChild<QPushButton*>("Stop");
                QTest::mouseClick(learning->windowHandle(), Qt::LeftButton, {},
                                  stop->mapTo(learning, stop->rect().center()));
            });
        });
        const int boxesBefore = int(answerer.boxes.size());
        click(learning, "Start");
        EXPECT_TRUE(midRun);
        EXPECT_EQ(learning->run().learned.size(), 2); // table 2's exchange ended first
        EXPECT_EQ(learning->findChild<QTableWidget*>("Learned")->rowCount(), 2);
        EXPECT_EQ(answerer.boxes.size(), boxesBefore);
        EXPECT_TRUE(cs::test::captionsFit(learning, english));

        // The editor of the held backup by keyboard (Alt+B, M): an address
        // typed into a pager's cell, then Ctrl+Z.
        learning->close();
        form1->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form1));
        QTest::keyClick(form1, Qt::Key_B, Qt::AltModifier);
        QTest::keyClick(form1->findChild<QMenu*>("BatchMenu"), Qt::Key_M);
        cs::ui::EditorWindow* editor = form1->editorWindow();
        ASSERT_TRUE(editor && QTest::qWaitForWindowExposed(editor));
        editor->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
        QTableView* pagers = editor->grid(cs::ui::EditorWindow::Pagers);
        pagers->setFocus(Qt::TabFocusReason);
        pagers->setCurrentIndex(pagers->model()->index(1, 1));
        QTest::keyClick(pagers, Qt::Key_F2); // opens the cell
        QWidget* cell = QApplication::focusWidget();
        ASSERT_TRUE(qobject_cast<QLineEdit*>(cell));
        QTest::keyClick(cell, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(cell, "7654321");
        QTest::keyClick(cell, Qt::Key_Return);
        QTest::qWait(100);
        EXPECT_EQ(pagers->model()->index(1, 1).data().toString(), QString("7654321"));
        EXPECT_TRUE(editor->isWindowModified());
        EXPECT_TRUE(cs::test::captionsFit(editor, english));
        EXPECT_TRUE(editor->grab().save(artifact("editor" + suffix)));
        QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_FALSE(editor->isWindowModified());
        editor->close();
        EXPECT_EQ(answerer.unexpected, QStringList{});
    }
    EXPECT_EQ(sim.quit(), 0);
}
