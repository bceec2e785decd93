#pragma once
// The Ui of the running program: Qt message boxes, focus on the fields of all
// windows, the prompt windows Form2/Form4, repaints and ".cat" file dialogs.

#include "shared/Ui.h"
#include "ui/PromptWindow.h"

#include <QMessageBox>
#include <QString>
#include <map>
#include <memory>

namespace cs::ui {

class WidgetUi : public cs::Ui {
public:
    WidgetUi();
    ~WidgetUi() override;

    void message(const Message& message) override;
    bool confirm(const Message& question) override;
    void tip(const QString& text, const QString& title) override;
    void setFocus(Field field) override;
    void showPrompt(Prompt prompt) override;
    void hidePrompt(Prompt prompt) override;
    void repaint() override;
    QString chooseSaveFile() override;
    QString chooseOpenFile() override;

    // The box for a message: style 15 (and unknown styles) no icon and OK,
    // 16 stop icon and OK, 17 stop icon with OK and Cancel.
    static std::unique_ptr<QMessageBox> makeMessageBox(const Message& message,
                                                       QWidget* parent = nullptr);

    // The prompt window, created on first use.
    PromptWindow* prompt(Prompt prompt);

    // The widget named `control`: looked for in the active window first, then
    // in the visible windows, then in all others; nullptr when none.
    static QWidget* findControl(const QString& control);

private:
    // Shows the box; true when it was answered with OK.
    static bool exec(const Message& message);
    QString chooseFile(bool save);
    std::map<Prompt, std::unique_ptr<PromptWindow>> prompts_;
};

} // namespace cs::ui
