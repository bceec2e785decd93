// The Ui of the running program: message boxes, the prompt windows Form2/Form4
// and the file dialogs.

#include "ui/PromptWindow.h"
#include "ui/WidgetUi.h"

#include <QtWidgets>
#include <gtest/gtest.h>

using cs::ui::WidgetUi;

namespace {

std::string str(const QString& s) { return s.toStdString(); }

// Runs `act` on the modal window that is about to open.
template <class T, class F>
void inNextModal(F act)
{
    QTimer::singleShot(0, [act] {
        auto* w = qobject_cast<T*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        act(w);
    });
}

TEST(WidgetUiTest, MessageBoxStylesAndAnswers)
{
    const struct { int style; QMessageBox::Icon icon; QMessageBox::StandardButtons buttons; } styles[] = {
        {15, QMessageBox::NoIcon, QMessageBox::Ok}, {16, QMessageBox::Critical, QMessageBox::Ok},
        {17, QMessageBox::Critical, QMessageBox::Ok | QMessageBox::Cancel},
    };
    for (const auto& c : styles) {
        auto box = WidgetUi::makeMessageBox("设置传呼号成功！", c.style, "OK");
        EXPECT_TRUE(box->icon() == c.icon && box->standardButtons() == c.buttons) << c.style;
        EXPECT_EQ(str(box->text() + "/" + box->windowTitle()), "设置传呼号成功！/OK");
    }
    WidgetUi ui;
    const std::pair<QMessageBox::StandardButton, int> presses[] = {{QMessageBox::Ok, cs::AnswerOk}, {QMessageBox::Cancel, cs::AnswerCancel}};
    for (const auto& c : presses) {
        QString seen;
        inNextModal<QMessageBox>([&seen, c](QMessageBox* box) {
            seen = box->text() + (box->icon() == QMessageBox::Critical ? "/Critical" : "/other");
            box->button(c.first)->click();
        });
        EXPECT_EQ(ui.messageBox("执行此操作将清除主机内存储的所有信息！！", 17, "注意！！"), c.second);
        EXPECT_EQ(str(seen), "执行此操作将清除主机内存储的所有信息！！/Critical");
    }
}

TEST(WidgetUiTest, PromptWindows)
{
    const struct { const char* name; const char* title; QStringList lines; QSize size; } cases[] = {
        {"Form2", "请按呼叫器的服务键！", {"   请按呼叫器的服务键!", "……4秒钟后自动返回……"}, QSize(202, 62)},
        {"Form4", "Form4", {" 请按催菜器的任意键加#键", "……4秒钟后自动返回……"}, QSize(217, 62)},
    };
    WidgetUi ui;
    for (const auto& c : cases) {
        ui.showPrompt(c.name);
        cs::ui::PromptWindow* w = ui.prompt(c.name);
        ASSERT_NE(w, nullptr) << c.name;
        QLabel* label = w->label();
        EXPECT_TRUE(w->isVisible() && w->isWindow() && w->autoFillBackground() && w->rect().contains(label->geometry()));
        EXPECT_EQ(str(w->objectName() + "|" + w->windowTitle() + "|" + label->text()),
                  c.name + std::string("|") + c.title + "|" + str(c.lines.join("     ")));
        EXPECT_EQ(w->size(), c.size) << c.name;
        EXPECT_EQ(w->palette().color(QPalette::Window), QColor(0xE0, 0xE0, 0xE0)) << c.name;
        EXPECT_EQ(str(label->font().families().value(0)), "宋体");
        // The text breaks at its blanks only, and the lines fit the label.
        const QFontMetrics metrics(label->font());
        const int width = label->contentsRect().width();
        const QStringList lines = cs::ui::PromptWindow::wrapAtBlanks(label->text(), metrics, width);
        EXPECT_EQ(lines, c.lines) << c.name;
        for (const QString& line : lines)
            EXPECT_LE(metrics.horizontalAdvance(line), width) << c.name;
        EXPECT_LE(metrics.lineSpacing() * lines.size(), label->height()) << c.name;
        ui.hidePrompt(c.name);
        EXPECT_FALSE(w->isVisible()) << c.name;
        ui.showPrompt(c.name);   // the same window again
        EXPECT_TRUE(ui.prompt(c.name) == w && w->isVisible()) << c.name;
        ui.hidePrompt(c.name);
    }
    ui.showPrompt("Form9");   // an unknown window is passed over
    ui.hidePrompt("Form9");
    EXPECT_EQ(ui.prompt("Form9"), nullptr);
}

TEST(WidgetUiTest, FileDialogsFilterBackupFiles)
{
    WidgetUi ui;
    QStringList filters;
    inNextModal<QFileDialog>([&filters](QFileDialog* d) { filters = d->nameFilters(); d->reject(); });
    EXPECT_TRUE(ui.chooseOpenFile().isEmpty());
    EXPECT_EQ(filters, QStringList{"备份文件 (*.cat *.CAT)"});
    const QString name = QDir::tempPath() + "/ui_test_backup.cat";
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    inNextModal<QFileDialog>([&mode, name](QFileDialog* d) {
        mode = d->acceptMode();
        d->selectFile(name);
        QMetaObject::invokeMethod(d, "accept");
    });
    EXPECT_EQ(ui.chooseSaveFile(), name);
    EXPECT_EQ(mode, QFileDialog::AcceptSave);
}

} // namespace
