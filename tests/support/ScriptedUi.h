#pragma once
// A Ui that records what the core and the windows asked of it and answers the
// questions from a script.

#include "shared/Ui.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace cs::test {

using cs::Message;

class ScriptedUi : public cs::Ui {
public:
    void message(const Message& m) override
    {
        messages.append(m);
        events << "box:" + m.text;
    }
    bool confirm(const Message& question) override
    {
        message(question);
        return answers.isEmpty() || answers.takeFirst();
    }
    void tip(const QString&, const QString&) override { }
    void setFocus(cs::Field field) override
    {
        focus = cs::controlName(field);
        events << "focus:" + focus;
    }
    void showPrompt(cs::Prompt prompt) override
    {
        shownPrompts << windowName(prompt);
        events << "show:" + windowName(prompt);
    }
    void hidePrompt(cs::Prompt prompt) override { events << "hide:" + windowName(prompt); }
    void repaint() override { }
    QString chooseSaveFile() override { return saveFileName; }
    QString chooseOpenFile() override
    {
        return openFileNames.isEmpty() ? openFileName : openFileNames.takeFirst();
    }
    QString choosePagerFile(bool) override { return pagerFileName; }

    static QString windowName(cs::Prompt prompt)
    {
        return prompt == cs::Prompt::CallerKey ? "Form2" : "Form4";
    }

    QList<Message> messages;
    QStringList events; // messages, focus and prompts in order
    QStringList shownPrompts;
    QString focus;
    QList<bool> answers; // answers for the next questions; OK when empty
    QString saveFileName, openFileName, pagerFileName;
    QStringList openFileNames; // for the next open dialogs, before openFileName
};

} // namespace cs::test
