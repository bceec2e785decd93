#pragma once
// What an operation did, in the form both faces need: how it ended, the
// system's message for it (the windows show it as a message box, the command
// line as a line), where the windows put the focus afterwards, and for block
// transfers how far it got. Operations return it; they never learn it back from
// what a face showed.

#include <QString>

namespace cs {

// Message box styles as the operations pass them.
enum class Style {
    Info = 15,     // one OK button, no icon (success boxes, most reply errors)
    Stop = 16,     // one OK button, stop icon
    OkCancel = 17, // OK and Cancel, stop icon (questions)
};

// Titles of the message boxes.
enum class Title {
    Ok,              // "OK", the same in every language
    Error,           // "错误"
    Attention,       // "注意"
    StrongAttention, // "注意！！"
    Err,             // "ERR"
};

// The title's text in the program's language.
QString titleText(Title title);

// A message box's text, style and title. An empty text shows nothing.
struct Message {
    QString text;
    Style style = Style::Info;
    Title title = Title::Ok;

    bool isEmpty() const { return text.isEmpty(); }
    bool operator==(const Message&) const = default;
};

// The fields and buttons of the windows a message sends the keyboard focus to.
enum class Field {
    None,
    PagerNumber,          // Text1(0)
    AddressCode,          // Text1(1)
    DeletedPager,         // Text4
    TableNumber,          // Text3(0)
    OwnKey,               // Text3(1)
    TablePager1,          // Text3(2)
    TablePager2,          // Text3(3)
    TablePager3,          // Text3(4)
    DeletedTable,         // Text6
    HurryButton,          // Text11
    DeletedHurryButton,   // Text5
    ReceiverNumber,       // Text2
    TransmitterFrequency, // Text7
    RepeaterWrite,        // Command16
    RepeaterDelete,       // Command17
    LastTable,            // the table learning window's last table
};

// The object name of a field's control in its window ("Text1_0").
QString controlName(Field field);

// The windows that ask for a key press while the unit listens.
enum class Prompt {
    CallerKey,      // Form2: "请按呼叫器的服务键！"
    HurryButtonKey, // Form4: "请按催菜器的任意键加#键"
};

// The words of a prompt window, for faces that show them as text.
QString promptWords(Prompt prompt);

enum class Ending {
    Done,    // it did what it was asked (an empty list included)
    Refused, // refused before anything was sent: bad input, a declined question
    Failed,  // attempted and failed: port, line, unit or file
    Stopped, // stopped on request before its end
};

// What a failure came from, for the faces that say more than the message.
enum class Cause {
    None,
    Port,       // the port could not be opened
    NoReply,    // no accepted reply within the wait
    BadReply,   // a reply of the wrong length or with an unexpected status
    Unit,       // the unit answered that it cannot do it (full memory, no such entry)
    Write,      // the request could not be written to the port
    File,       // a file could not be read or written
    Difference, // a read-back differs from what was written
    Declined,   // the user declined the question before anything was sent
    Unanswered, // every request for one item went unanswered (the tries ran out)
    Internal,   // anything else that ended the operation
};

struct Outcome {
    Ending ending = Ending::Done;
    Message message;
    Field focus = Field::None;
    Cause cause = Cause::None;
    // The system's own words for a port or file failure ("Permission denied").
    QString detail;
    // Block transfers: blocks that completed, blocks in all, and whether the
    // unit's memory has been written to (a download that did not complete
    // leaves it holding part of the image and part of its old memory).
    int blocksDone = 0;
    int blocks = 0;
    bool partlyWritten = false;
    // A compare: the first differing address and the count of differing cells.
    int firstDifference = -1;
    int differences = 0;

    bool done() const { return ending == Ending::Done; }

    static Outcome of(Ending ending, const Message& message = {}, Field focus = Field::None,
                      Cause cause = Cause::None)
    {
        Outcome o;
        o.ending = ending;
        o.message = message;
        o.focus = focus;
        o.cause = cause;
        return o;
    }
    static Outcome success(const QString& text = QString(), Field focus = Field::None)
    {
        return of(Ending::Done, {text, Style::Info, Title::Ok}, focus);
    }
    static Outcome refused(const Message& message, Field focus = Field::None)
    {
        return of(Ending::Refused, message, focus);
    }
    static Outcome failed(const Message& message, Cause cause, Field focus = Field::None)
    {
        return of(Ending::Failed, message, focus, cause);
    }
    static Outcome stopped() { return of(Ending::Stopped); }
};

// A stop box: style 16 with the given title.
inline Message stopMessage(const QString& text, Title title = Title::Error)
{
    return {text, Style::Stop, title};
}

} // namespace cs
