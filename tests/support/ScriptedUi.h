#pragma once
// A Ui that records what the core asked of the windows and answers the
// confirmations from a script.

#include "shared/Ui.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace cs::test {

struct Message {
    QString text;
    int style;
    QString title;
    bool operator==(const Message&) const = default;
};

class ScriptedUi : public cs::Ui {
public:
    int messageBox(const QString& text, int style, const QString& title) override;
    void setFocus(const QString& control) override
    {
        focus = control;
        events << "focus:" + control;
    }
    void showPrompt(const QString& window) override
    {
        shownPrompts << window;
        events << "show:" + window;
    }
    void hidePrompt(const QString& window) override { events << "hide:" + window; }
    void repaint() override { ++repaints; }
    QString chooseSaveFile() override { events << "saveDialog"; return saveFileName; }
    QString chooseOpenFile() override { events << "openDialog"; return openFileName; }

    QList<Message> messages;
    QStringList events;            // messages, focus, prompts and dialogs in order
    QStringList shownPrompts;
    QString focus;
    int repaints = 0;
    QList<int> answers;            // answers for the next boxes; OK when empty
    QString saveFileName, openFileName;
    std::function<void(const Message&)> onMessage;
};

} // namespace cs::test
