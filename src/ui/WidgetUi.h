#pragma once
// The Ui of the running program: Qt message boxes, focus by object name across
// all windows, the prompt windows Form2/Form4, repaints and ".cat" file dialogs.

#include "shared/Ui.h"
#include "ui/PromptWindow.h"

#include <QMessageBox>
#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <memory>

namespace cs::ui {

class WidgetUi : public cs::Ui {
public:
    WidgetUi();
    ~WidgetUi() override;

    int messageBox(const QString& text, int style, const QString& title) override;
    void setFocus(const QString& control) override;
    void showPrompt(const QString& window) override;
    void hidePrompt(const QString& window) override;
    void repaint() override;
    QString chooseSaveFile() override;
    QString chooseOpenFile() override;

    // When set, message boxes go here instead of on screen; the hook's result
    // is the answer (tests).
    std::function<int(const QString& text, int style, const QString& title)> messageHook;

    // The box for a style: 15 (and unknown styles) no icon and OK, 16 stop
    // icon and OK, 17 stop icon with OK and Cancel.
    static std::unique_ptr<QMessageBox> makeMessageBox(const QString& text, int style,
                                                       const QString& title, QWidget* parent = nullptr);
    // The answer for the button the user pressed.
    static int answerFor(QMessageBox::StandardButton button);

    // "Form2" or "Form4", created on first use; nullptr for any other name.
    PromptWindow* prompt(const QString& window);

    // The widget named `control`: looked for in the active window first, then
    // in the visible windows, then in all others; nullptr when none.
    static QWidget* findControl(const QString& control);

    // The window an operation runs from, which its boxes, dialogs and prompt
    // windows open over: the active window, else the last window the user
    // worked in (when a file dialog has closed, no window is active until the
    // window system hands activation back); nullptr before any.
    QWidget* ownerWindow() const;

private:
    QString chooseFile(bool save);
    std::map<QString, std::unique_ptr<PromptWindow>> prompts_;
    QPointer<QWidget> lastOwner_;
    QMetaObject::Connection focusWatch_;
};

} // namespace cs::ui
