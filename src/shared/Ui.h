#pragma once
// How an operation reaches whoever runs it, while it runs (Feedback), and the
// rest the windows need to show what it did (Ui). The command line implements
// Feedback only; the windows implement Ui; tests script both.

#include "shared/Outcome.h"

#include <QString>

namespace cs {

class Feedback {
public:
    virtual ~Feedback() = default;
    // A message that does not end the operation (a reply with a bad checksum).
    virtual void notice(const Message& message) = 0;
    // A question before anything is sent (style 17); true to go on.
    virtual bool confirm(const Message& question) = 0;
    // The prompt window while the unit listens for a key press.
    virtual void showPrompt(Prompt prompt) = 0;
    virtual void hidePrompt(Prompt prompt) = 0;
    // The windows repaint now (after a request is written, before a wait).
    virtual void repaint() { }
};

class Ui : public Feedback {
public:
    // Shows a modal message box.
    virtual void message(const Message& message) = 0;
    // A box of the window's own (the tips): one OK button, no icon.
    virtual void tip(const QString& text, const QString& title) = 0;
    virtual void setFocus(Field field) = 0;
    // File dialogs for ".cat" backup files; an empty result means cancelled.
    virtual QString chooseSaveFile() = 0;
    virtual QString chooseOpenFile() = 0;
    // File dialogs for ".csv" pager lists; an empty result means cancelled.
    virtual QString choosePagerFile(bool save) = 0;

    void notice(const Message& m) override { message(m); }
};

// What the windows do with an outcome: its message box, with the reason of a
// port or file failure on a line of its own, then the focus.
inline void present(Ui& ui, const Outcome& outcome)
{
    if (!outcome.message.isEmpty()) {
        Message shown = outcome.message;
        if (!outcome.detail.isEmpty())
            shown.text += QLatin1Char('\n') + outcome.detail;
        ui.message(shown);
    }
    if (outcome.focus != Field::None)
        ui.setFocus(outcome.focus);
}

// Feedback for running without anyone to ask or show to (benchmarks, fuzzing):
// questions are declined.
class SilentFeedback : public Feedback {
public:
    void notice(const Message&) override { }
    bool confirm(const Message&) override { return false; }
    void showPrompt(Prompt) override { }
    void hidePrompt(Prompt) override { }
};

} // namespace cs
