#pragma once
// What the core asks of the windows: message boxes, focus, the prompt windows,
// repaints and file names. The widgets implement it; tests script it.

#include <QString>

namespace cs {

// Title of the success boxes. It is the same in every language (it is not
// translated), so it tells a success box from a failure box.
inline QString okTitle() { return QStringLiteral("OK"); }

// Message box styles as the operations pass them.
enum MessageStyle : int {
    StyleInfo = 15,      // one OK button, no icon (success boxes, most reply errors)
    StyleStop = 16,      // one OK button, stop icon
    StyleOkCancel = 17,  // OK and Cancel, stop icon
};

enum MessageAnswer : int { AnswerOk = 1, AnswerCancel = 2 };

class Ui {
public:
    virtual ~Ui() = default;
    // Shows a modal message box; returns AnswerOk or AnswerCancel.
    virtual int messageBox(const QString& text, int style, const QString& title) = 0;
    // Moves the keyboard focus to the control with this object name ("Text1_0").
    virtual void setFocus(const QString& control) = 0;
    // Shows ("Form2", "Form4") without blocking and paints it at once, or hides it.
    virtual void showPrompt(const QString& window) = 0;
    virtual void hidePrompt(const QString& window) = 0;
    // Repaints the windows now (after a request is written, before a wait).
    virtual void repaint() = 0;
    // File dialogs for ".cat" backup files; an empty result means cancelled.
    virtual QString chooseSaveFile() = 0;
    virtual QString chooseOpenFile() = 0;
};

// A Ui for running without windows (command line, benchmarks, fuzzing): no
// focus, prompts or repaints; message boxes are answered OK and remembered.
class WindowlessUi : public Ui {
public:
    int messageBox(const QString& text, int style, const QString& title) override
    {
        ++boxes;
        lastText = text;
        failed = failed || title != okTitle();
        Q_UNUSED(style);
        return AnswerOk;
    }
    void setFocus(const QString&) override {}
    void showPrompt(const QString&) override {}
    void hidePrompt(const QString&) override {}
    void repaint() override {}
    QString chooseSaveFile() override { return saveFileName; }
    QString chooseOpenFile() override { return openFileName; }

    int boxes = 0;
    QString lastText;
    bool failed = false;          // a box with a title other than "OK" was shown
    QString saveFileName;         // what the file dialogs answer
    QString openFileName;
};

} // namespace cs
