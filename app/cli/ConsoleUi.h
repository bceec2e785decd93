#pragma once
// The Ui of the command-line program: message boxes become lines on standard
// error ("错误: 通讯失败！请检查连线！"), the file dialogs answer with the file
// named on the command line, and a progress line mirrors the data backup
// window's Label1 and ProgressBar1 while a read or download runs.

#include "memory/BackupView.h"
#include "shared/Ui.h"

#include <QObject>
#include <QString>
#include <cstdio>

namespace cs::cli {

// "正在读取主机内容…… [##########----------]  50%": the caption, a bar of `width`
// cells filled in proportion to value between minimum and maximum, the percentage.
QString progressLine(const QString& caption, int value, int minimum, int maximum, int width = 30);

// Draws progressLine on one terminal line, redrawn on every change of the view
// while it is active.
class ProgressDisplay : public QObject {
    Q_OBJECT
public:
    ProgressDisplay(BackupView& view, std::FILE* out);
    void begin();   // start mirroring the view
    void end();     // stop and wipe the line
    // Wipes the line (before a message is written); the next change redraws it.
    void clearLine();
    // Draws a line of its own (batch work), whether or not the view is mirrored.
    void show(const QString& line);

private:
    void draw();
    BackupView& view_;
    std::FILE* out_;
    bool active_ = false;
    bool drawn_ = false;
    QString last_;
};

// How a confirmation (OK and Cancel) is answered.
enum class Confirm {
    Decline,   // Cancel: nobody is there to agree to it
    Ask,       // the question on the terminal, answered y or n on standard input
    Agree,     // OK (--yes)
};

class ConsoleUi : public WindowlessUi {
public:
    explicit ConsoleUi(std::FILE* messages, ProgressDisplay* progress = nullptr)
        : messages_(messages), progress_(progress) {}

    // Writes "TITLE: TEXT" and a line feed, and remembers a failure (`failed`)
    // as the windowless Ui does. A confirmation is answered as `confirm` says.
    int messageBox(const QString& text, int style, const QString& title) override;
    // The learning prompt window's words, on a line of their own.
    void showPrompt(const QString& window) override;

    Confirm confirm = Confirm::Decline;
    std::FILE* answers = stdin;   // where Confirm::Ask reads the answer
    // Success boxes (title "OK") are not written; batch work says it in its own words.
    bool quietSuccess = false;

    // What both file dialogs answer.
    void setFileName(const QString& name) { saveFileName = openFileName = name; }

    // The line a message box becomes, without its line feed.
    static QString messageLine(const QString& text, const QString& title);

private:
    std::FILE* messages_;
    ProgressDisplay* progress_;
};

// Writes the text as UTF-8 bytes, unchanged, and flushes.
void writeUtf8(std::FILE* out, const QString& text);

} // namespace cs::cli
