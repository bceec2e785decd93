#pragma once
// The Ui of the running program: Qt message boxes, focus on the fields of the
// windows, the prompt windows Form2/Form4, repaints and ".cat" file dialogs.

#include "shared/Ui.h"
#include "ui/PromptWindow.h"

#include <QMessageBox>
#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <map>
#include <memory>

namespace cs::ui {

// A window that shows the prompt windows' words itself while its operation
// runs (the table learning window): no prompt window is put over it.
class ShowsPrompts {
public:
    virtual ~ShowsPrompts() = default;
};

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
    QString choosePagerFile(bool save) override;

    // The box for a message: style 15 (and unknown styles) no icon and OK,
    // 16 stop icon and OK, 17 stop icon with OK and Cancel.
    static std::unique_ptr<QMessageBox> makeMessageBox(const Message& message,
                                                       QWidget* parent = nullptr);

    // The prompt window, created on first use.
    PromptWindow* prompt(Prompt prompt);

    // The window an operation runs from, which its boxes, dialogs and prompt
    // windows open over: the active window, else the last window the user
    // worked in (when a file dialog has closed, no window is active until the
    // window system hands activation back); nullptr before any.
    QWidget* ownerWindow() const;

private:
    // Shows the box over the owner window; true when it was answered with OK.
    bool exec(const Message& message);
    QString chooseFile(bool save, const QString& filter, const QString& suffix);
    std::map<Prompt, std::unique_ptr<PromptWindow>> prompts_;
    QPointer<QWidget> lastOwner_;
    QMetaObject::Connection focusWatch_;
};

} // namespace cs::ui
