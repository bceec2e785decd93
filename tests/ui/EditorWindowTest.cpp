// The editor of the held host image, opened from the batch menu over a host
// read from the simulated unit: cells edited in the grids with the lists'
// words and the window's messages, undo and redo by key, save, the file opened
// again, the checked download; the questions before unsaved edits are lost;
// the window in both languages with its captions fitting, and screenshots.
#include "reports/ImageEdits.h"
#include "shared/Language.h"
#include "support/CaptionCheck.h"
#include "support/Files.h"
#include "support/Form1Rig.h"
#include "support/Images.h"
#include "ui/Program.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

using namespace cs;
using namespace cs::test;
using cs::ui::EditorWindow;

namespace {

// Runs what the windows posted, and what that posted in turn.
void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// The main window whose data backup window read the unit, and the editor
// opened from the batch menu.
struct EditorRig : Form1Rig {
    explicit EditorRig(int maxTables = 40)
    {
        std::mt19937 rng(26);
        const Buffer image = realisticImage(rng, maxTables);
        std::copy_n(image.begin(), 8192, unit.memory.begin());
        window.show();
        window.findChild<QPushButton*>("Command12")->click();
        EXPECT_TRUE(window.backupWindow()->backup().readHost().done());
        read = state.HostImage;
        ui.messages.clear(); // the read's own box
        ui.events.clear();
        window.findChild<QAction*>("EditBackup")->trigger();
        editor = window.editorWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(editor));
    }
    QTableView* grid(EditorWindow::Grid g) { return editor->grid(g); }

    // Types `text` into a text cell and presses Enter.
    void type(EditorWindow::Grid g, int row, int column, const QString& text)
    {
        QTableView* view = grid(g);
        const QModelIndex at = view->model()->index(row, column);
        view->setCurrentIndex(at);
        view->edit(at);
        auto* line = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_TRUE(line) << "no line editor";
        line->selectAll();
        QTest::keyClicks(line, text);
        QTest::keyClick(line, Qt::Key_Return);
        settle(); // the outcome's box comes after the editor closed
    }
    // Chooses item `item` of a list cell and presses Enter.
    void choose(EditorWindow::Grid g, int row, int column, int item)
    {
        QTableView* view = grid(g);
        const QModelIndex at = view->model()->index(row, column);
        view->setCurrentIndex(at);
        view->edit(at);
        auto* list = qobject_cast<QComboBox*>(QApplication::focusWidget());
        ASSERT_TRUE(list) << "no list editor";
        list->setCurrentIndex(item);
        QTest::keyClick(list, Qt::Key_Return);
        settle();
    }
    QString cell(EditorWindow::Grid g, int row, int column)
    {
        return grid(g)->model()->index(row, column).data().toString();
    }

    Buffer read{};
    EditorWindow* editor = nullptr;
};

QString accessibleName(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

} // namespace

namespace cs::test {
// The core's pager edit on `image`.
Outcome offlinePager(Buffer& image, const QString& number, const QString& address, int model,
                     int polarity, int rate, int tone)
{
    return ImageEdits(image).setPager(number, address, model, polarity, rate, tone);
}
} // namespace cs::test

TEST(EditorWindow, EditsThroughTheGridUndoSaveReopenAndDownload)
{
    QTemporaryDir dir;
    EditorRig rig;
    EXPECT_FALSE(rig.editor->isWindowModified());

    // Pager 7's address, then its tone from the list: the bytes the core writes.
    const auto v = rig.editor->session().pagerValues(7);
    rig.type(EditorWindow::Pagers, 6, 1, "7654321");
    Buffer expected = rig.read;
    offlinePager(expected, "7", "7654321", v.model, v.polarity, v.rate, v.tone);
    EXPECT_EQ(rig.state.HostImage, expected);
    rig.choose(EditorWindow::Pagers, 6, 5, 2);
    offlinePager(expected, "7", "7654321", v.model, v.polarity, v.rate, 2);
    EXPECT_EQ(rig.state.HostImage, expected);
    EXPECT_EQ(rig.cell(EditorWindow::Pagers, 6, 5), pagerTones().listText(2));
    EXPECT_TRUE(rig.editor->isWindowModified());
    EXPECT_TRUE(rig.ui.messages.isEmpty()) << rig.ui.events.join("\n").toStdString();

    // A bad address: the window's message, nothing changed.
    rig.type(EditorWindow::Pagers, 7, 1, "12a");
    Buffer copy = expected;
    const Outcome refused = offlinePager(copy, "8", "12a", 0, 0, 0, 0);
    ASSERT_EQ(rig.ui.messages.size(), 1);
    EXPECT_EQ(rig.ui.messages[0], refused.message);
    EXPECT_EQ(rig.state.HostImage, expected);

    // Ctrl+Z twice: the image as read; Ctrl+Shift+Z: the first edit again.
    QTest::keyClick(rig.editor, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(rig.editor, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(rig.state.HostImage, rig.read);
    EXPECT_FALSE(rig.editor->isWindowModified());
    QTest::keyClick(rig.editor, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(rig.editor, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(rig.state.HostImage, expected);
    EXPECT_EQ(rig.cell(EditorWindow::Pagers, 6, 1), "7654321");

    // Saved: the file holds the edited image, the mark goes.
    const QString file = dir.filePath("site.cat");
    rig.ui.saveFileName = file;
    rig.editor->findChild<QPushButton*>("Save")->click();
    const QByteArray bytes(reinterpret_cast<const char*>(expected.data()), 8192);
    EXPECT_EQ(readFile(file), bytes);
    EXPECT_FALSE(rig.editor->isWindowModified());
    EXPECT_TRUE(rig.editor->windowTitle().contains(file));

    // Edited on, then the saved file opened again in the data backup window
    // (after the question): the editor shows the file's image.
    rig.choose(EditorWindow::Settings, int(Setting::WorkMode), 1, 0);
    EXPECT_EQ(rig.state.HostImage[8166], 0);
    rig.ui.openFileName = file;
    rig.ui.answers = {true};
    rig.ui.messages.clear();
    rig.window.backupWindow()->findChild<QPushButton*>("Command7")->click();
    EXPECT_EQ(rig.ui.messages.value(0).style, Style::OkCancel);
    EXPECT_EQ(rig.state.HostImage, expected);
    EXPECT_FALSE(rig.editor->isWindowModified());
    EXPECT_EQ(rig.cell(EditorWindow::Pagers, 6, 1), "7654321");

    // The checked download from the editor: the unit holds the image.
    rig.ui.messages.clear();
    rig.editor->findChild<QPushButton*>("Download")->click();
    ASSERT_EQ(rig.ui.messages.size(), 1);
    EXPECT_EQ(rig.ui.messages[0].title, Title::Ok) << rig.ui.messages[0].text.toStdString();
    EXPECT_TRUE(std::equal(rig.unit.memory.begin(), rig.unit.memory.end(), expected.begin()));
}

TEST(EditorWindow, TablesAreEditedAndDeletedButNotAdded)
{
    EditorRig rig;
    QTableView* tables = rig.grid(EditorWindow::Tables);
    const int count = tables->model()->rowCount();
    ASSERT_GE(count, 3);
    rig.editor->findChild<QTabWidget*>("Tabs")->setCurrentIndex(EditorWindow::Tables);

    // Pager 2 of the third table; its caller's code stays.
    const QString feature = rig.cell(EditorWindow::Tables, 2, 0);
    rig.type(EditorWindow::Tables, 2, 3, "200");
    EXPECT_EQ(rig.state.HostImage[size_t(1280 + 9 * 2 + 6)], 200);
    EXPECT_EQ(rig.cell(EditorWindow::Tables, 2, 0), feature);

    // Delete on the first row: the others move up.
    const QString second = rig.cell(EditorWindow::Tables, 1, 0);
    tables->setFocus();
    tables->setCurrentIndex(tables->model()->index(0, 1));
    QTest::keyClick(tables, Qt::Key_Delete);
    EXPECT_EQ(tables->model()->rowCount(), count - 1);
    EXPECT_EQ(rig.cell(EditorWindow::Tables, 0, 0), second);

    // Adding is refused, saying why.
    rig.ui.messages.clear();
    auto* add = rig.editor->findChild<QPushButton*>("AddTable");
    ASSERT_TRUE(add->isVisible());
    add->click();
    settle();
    ASSERT_EQ(rig.ui.messages.size(), 1);
    EXPECT_EQ(rig.ui.messages[0], EditSession::addTable().message);
}

// Unsaved edits: a question before the editor closes and before the program
// ends; declined, both stay.
TEST(EditorWindow, AsksBeforeUnsavedEditsGoOutOfReach)
{
    EditorRig rig;
    bool quit = false;
    rig.window.setQuitAction([&] { quit = true; });
    rig.type(EditorWindow::Pagers, 0, 1, "1111111");
    ASSERT_TRUE(rig.editor->isWindowModified());

    rig.ui.answers = {false};
    EXPECT_FALSE(rig.editor->close());
    EXPECT_TRUE(rig.editor->isVisible());
    rig.ui.answers = {false};
    rig.window.findChild<QPushButton*>("Command9")->click();
    EXPECT_FALSE(quit);
    EXPECT_TRUE(rig.window.isVisible());

    rig.ui.answers = {true};
    EXPECT_TRUE(rig.editor->close());
    // Reopened, it shows the edit, still unsaved, and can undo it.
    rig.window.findChild<QAction*>("EditBackup")->trigger();
    EXPECT_TRUE(rig.window.editorWindow()->isWindowModified());
    EXPECT_TRUE(rig.window.editorWindow()->session().canUndo());

    rig.ui.messages.clear();
    rig.ui.answers = {true};
    rig.window.findChild<QPushButton*>("Command9")->click();
    EXPECT_TRUE(quit);
    EXPECT_EQ(rig.ui.messages.size(), 1); // one question, not one per window
}

// Tab goes through every control the tab shows, in order, and back.
TEST(EditorWindow, TabReachesEveryControl)
{
    EditorRig rig;
    rig.type(EditorWindow::Pagers, 0, 1, "1111111"); // Undo now enabled
    auto* tabs = rig.editor->findChild<QTabWidget*>("Tabs");
    const auto chain = [&] {
        QWidget* start = tabs->findChild<QTabBar*>();
        start->setFocus(Qt::TabFocusReason);
        QStringList names;
        for (QWidget* at = start; names.size() < 12;) {
            QTest::keyClick(at, Qt::Key_Tab);
            at = QApplication::focusWidget();
            if (!at || at == start)
                break;
            names << at->objectName();
        }
        return names;
    };
    const QStringList files{"Save", "SaveAs", "Download"};
    EXPECT_EQ(chain(), QStringList({"PagerGrid", "Undo", "Delete"}) + files);
    tabs->setCurrentIndex(EditorWindow::Tables);
    EXPECT_EQ(chain(), QStringList({"TableGrid", "Undo", "Delete", "AddTable"}) + files);
}

// Every tab in both languages: captions fit, controls reachable by keyboard
// name themselves, and a screenshot of each language.
TEST(EditorWindow, BothLanguages)
{
    cs::ui::Program::chooseFont(*qApp);
    for (const Language language : {Language::Chinese, Language::English}) {
        const bool english = language == Language::English;
        SCOPED_TRACE(english ? "English" : "Chinese");
        ASSERT_TRUE(installLanguage(*qApp, language));
        ASSERT_TRUE(installQtLanguage(*qApp, language));
        EditorRig rig(120);
        rig.type(EditorWindow::Pagers, 2, 1, "1234567");
        auto* tabs = rig.editor->findChild<QTabWidget*>("Tabs");
        const QString suffix = english ? "-en.png" : "-zh.png";
        const char* shots[] = {"editor-pagers", "editor-tables", "editor-settings"};
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            settle();
            EXPECT_TRUE(captionsFit(rig.editor, english));
            for (QAbstractButton* b : rig.editor->findChildren<QAbstractButton*>()) {
                if (b->isVisible()) {
                    EXPECT_EQ(accessibleName(b), QString(b->text()).remove('&'));
                }
            }
            EXPECT_EQ(accessibleName(rig.grid(EditorWindow::Grid(tab))),
                      tabs->tabText(tab).remove('&'));
            EXPECT_TRUE(rig.editor->grab().save(artifact(QString(shots[tab]) + suffix)));
        }
        if (!english)
            continue;
        // The grids' headings and the settings' captions and words speak English.
        QStringList texts;
        for (int g = EditorWindow::Pagers; g <= EditorWindow::Settings; ++g) {
            const QAbstractItemModel* model = rig.grid(EditorWindow::Grid(g))->model();
            for (int column = 0; column < model->columnCount(); ++column)
                texts << model->headerData(column, Qt::Horizontal).toString();
        }
        const QAbstractItemModel* settings = rig.grid(EditorWindow::Settings)->model();
        for (int row = 0; row < settings->rowCount(); ++row)
            texts << settings->index(row, 0).data().toString()
                  << settings->index(row, 1).data().toString();
        for (const QString& text : texts)
            EXPECT_TRUE(speaksEnglish(text)) << text.toStdString();
    }
    ASSERT_TRUE(installLanguage(*qApp, Language::Chinese));
}
