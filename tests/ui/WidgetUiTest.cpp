// The Ui of the running program: message boxes, focus by name, the prompt
// windows Form2/Form4 and the file dialogs.

#include "WindowFixture.h"
#include "ui/PromptWindow.h"
#include "ui/WidgetUi.h"

#include <QFileDialog>
#include <QFontDatabase>
#include <QTimer>

using namespace cs::test;
using cs::ui::WidgetUi;

namespace {

TEST(WidgetUiTest, MessageBoxStyles)
{
    const struct { int style; QMessageBox::Icon icon; QMessageBox::StandardButtons buttons; } cases[] = {
        {15, QMessageBox::NoIcon, QMessageBox::Ok},
        {16, QMessageBox::Critical, QMessageBox::Ok},
        {17, QMessageBox::Critical, QMessageBox::Ok | QMessageBox::Cancel},
    };
    for (const auto& c : cases) {
        auto box = WidgetUi::makeMessageBox("设置传呼号成功！", c.style, "OK");
        EXPECT_EQ(box->icon(), c.icon) << c.style;
        EXPECT_EQ(box->standardButtons(), c.buttons) << c.style;
        EXPECT_EQ(str(box->text()), "设置传呼号成功！");
        EXPECT_EQ(str(box->windowTitle()), "OK");
    }
    EXPECT_EQ(WidgetUi::answerFor(QMessageBox::Ok), cs::AnswerOk);
    EXPECT_EQ(WidgetUi::answerFor(QMessageBox::Cancel), cs::AnswerCancel);
}

// Presses `button` in the modal box that is about to open and records it.
void pressInNextBox(QMessageBox::StandardButton button, QString* seenText, QMessageBox::Icon* seenIcon)
{
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        *seenText = box->text();
        *seenIcon = box->icon();
        box->button(button)->click();
    });
}

TEST(WidgetUiTest, ConfirmationAnswersOkOrCancel)
{
    WidgetUi ui;
    const struct { QMessageBox::StandardButton press; int answer; } cases[] = {
        {QMessageBox::Ok, cs::AnswerOk}, {QMessageBox::Cancel, cs::AnswerCancel},
    };
    for (const auto& c : cases) {
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        pressInNextBox(c.press, &text, &icon);
        EXPECT_EQ(ui.messageBox("执行此操作将清除主机内存储的所有信息！！", 17, "注意！！"), c.answer);
        EXPECT_EQ(str(text), "执行此操作将清除主机内存储的所有信息！！");
        EXPECT_EQ(icon, QMessageBox::Critical);
    }
}

TEST(WidgetUiTest, HookTakesTheBoxes)
{
    WidgetUi ui;
    QList<Message> seen;
    ui.messageHook = [&](const QString& text, int style, const QString& title) {
        seen.append({text, style, title});
        return cs::AnswerCancel;
    };
    EXPECT_EQ(ui.messageBox("是否继续？", 17, "注意"), cs::AnswerCancel);
    EXPECT_EQ(seen, (QList<Message>{{"是否继续？", 17, "注意"}}));
}

TEST(WidgetUiTest, PromptWindows)
{
    const struct { const char* name; const char* title; const char* text; QSize size; } cases[] = {
        {"Form2", "请按呼叫器的服务键！", "   请按呼叫器的服务键!     ……4秒钟后自动返回……", QSize(202, 62)},
        {"Form4", "Form4", " 请按催菜器的任意键加#键     ……4秒钟后自动返回……", QSize(217, 62)},
    };
    WidgetUi ui;
    for (const auto& c : cases) {
        ui.showPrompt(c.name);
        cs::ui::PromptWindow* w = ui.prompt(c.name);
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_TRUE(w->isVisible()) << c.name;
        EXPECT_TRUE(w->isWindow()) << c.name;
        EXPECT_EQ(str(w->objectName()), c.name);
        EXPECT_EQ(str(w->windowTitle()), c.title);
        EXPECT_EQ(str(w->label()->text()), c.text);
        EXPECT_EQ(w->size(), c.size) << c.name;
        EXPECT_EQ(w->palette().color(QPalette::Window), QColor(0xE0, 0xE0, 0xE0)) << c.name;
        EXPECT_TRUE(w->autoFillBackground());
        EXPECT_EQ(str(w->label()->font().families().value(0)), "宋体");
        EXPECT_TRUE(w->rect().contains(w->label()->geometry())) << c.name;

        ui.hidePrompt(c.name);
        EXPECT_FALSE(w->isVisible()) << c.name;
        ui.showPrompt(c.name);   // the same window again
        EXPECT_EQ(ui.prompt(c.name), w);
        EXPECT_TRUE(w->isVisible());
        ui.hidePrompt(c.name);
    }
    EXPECT_EQ(ui.prompt("Form9"), nullptr);
    ui.showPrompt("Form9");
    ui.hidePrompt("Form9");
}

TEST(PromptWindowTest, PromptTextsBreakAtTheirBlanksOnly)
{
    WidgetUi ui;
    const struct { const char* name; QStringList lines; } cases[] = {
        {"Form2", {"   请按呼叫器的服务键!", "……4秒钟后自动返回……"}},
        {"Form4", {" 请按催菜器的任意键加#键", "……4秒钟后自动返回……"}},
    };
    for (const auto& c : cases) {
        QLabel* label = ui.prompt(c.name)->label();
        const QFontMetrics metrics(label->font());
        const int width = label->contentsRect().width();
        const QStringList lines = cs::ui::PromptWindow::wrapAtBlanks(label->text(), metrics, width);
        EXPECT_EQ(lines, c.lines) << c.name;
        for (const QString& line : lines)
            EXPECT_LE(metrics.horizontalAdvance(line), width) << c.name;
        EXPECT_LE(metrics.lineSpacing() * lines.size(), label->height()) << c.name;
    }
}

TEST(PromptWindowTest, WrapAtBlanks)
{
    const QFontMetrics metrics(QFont("Noto Sans CJK SC", 9));
    const auto w = [&](const char* text) { return metrics.horizontalAdvance(QString::fromUtf8(text)); };
    const struct { const char* text; int width; QStringList lines; } cases[] = {
        {"aa bb cc", w("aa bb cc"), {"aa bb cc"}},
        {"aa bb cc", w("aa bb cc") - 1, {"aa bb", "cc"}},
        {"aa bb cc", w("aa bb"), {"aa bb", "cc"}},
        {"aa bb cc", std::min(w("aa bb"), w("bb cc")) - 1, {"aa", "bb", "cc"}},
        {"aaaaaaaa bb", w("aa"), {"aaaaaaaa", "bb"}},   // a long word stands alone
        {"  aa    bb", w("  aa  "), {"  aa", "bb"}},
        {"请按 呼叫器", w("请按 呼"), {"请按", "呼叫器"}},   // no break between characters
        {"", 100, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cs::ui::PromptWindow::wrapAtBlanks(QString::fromUtf8(c.text), metrics, c.width), c.lines)
            << c.text;
}

class WidgetUiFocusTest : public WindowFixture {};

TEST_F(WidgetUiFocusTest, FocusByObjectName)
{
    shown();
    WidgetUi ui;
    edit("Text4")->setText("17");
    ui.setFocus("Text4");
    EXPECT_EQ(QApplication::focusWidget(), edit("Text4"));
    EXPECT_EQ(str(edit("Text4")->selectedText()), "17");   // the focus rule holds
    ui.setFocus("Command7");
    EXPECT_EQ(QApplication::focusWidget(), push("Command7"));
    ui.setFocus("NoSuchControl");
    EXPECT_EQ(QApplication::focusWidget(), push("Command7"));
}

TEST_F(WidgetUiFocusTest, FocusLooksInTheActiveWindowFirst)
{
    shown();
    QWidget other;
    other.setObjectName("Other");
    auto* text4 = new QLineEdit(&other);
    text4->setObjectName("Text4");
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    WidgetUi ui;
    ui.setFocus("Text4");
    EXPECT_EQ(QApplication::focusWidget(), text4);
}

TEST(WidgetUiTest, FileDialogsFilterBackupFiles)
{
    WidgetUi ui;
    QStringList filters;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        dialog->reject();
    });
    EXPECT_TRUE(ui.chooseOpenFile().isEmpty());
    EXPECT_EQ(filters, QStringList{"备份文件 (*.cat *.CAT)"});

    const QString name = QDir::tempPath() + "/ui_test_backup.cat";
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        mode = dialog->acceptMode();
        dialog->selectFile(name);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    EXPECT_EQ(ui.chooseSaveFile(), name);
    EXPECT_EQ(mode, QFileDialog::AcceptSave);
}

} // namespace
