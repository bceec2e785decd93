#pragma once
// The write operations of the voice prompt windows form5 ("语音提示类型设置")
// and Form6 ("手持呼叫器设置"). They take the list positions, list texts and
// check box states and run the common command pattern: 2 cycles of 1 s, reply
// length 0 is success, any other length means the info unit is a digital one.
//
// form5 request, code 14, n = 5:
//   pronunciation (Combo1), originator (Combo2), key 1 (Combo3),
//   key 2 (Combo4 when Check1 ticked, else FF), key 3 (Combo5 when Check2 ticked, else FF).
//   An empty Combo2 / Combo3 text sends FF; a list that is read but has no
//   selected position ends in the failure box.
// Form6 requests, n = 1: code 15 with Combo1 (calls by table number), code 16
//   with Combo2 (calls by pager number).

#include "commands/CommandInputs.h"
#include "commands/CommandPattern.h"
#include "link/Link.h"
#include "link/PortControl.h"

#include <QString>

namespace cs {

// A list as the operation reads it: its text and selected position (-1: none).
struct ListChoice {
    QString text;
    int position = -1;
};

struct CallerPromptChoices {
    int pronunciation = 0; // Combo1 position
    ListChoice originator; // Combo2
    ListChoice key1;       // Combo3
    int key2 = 4;          // Combo4 position
    bool sendKey2 = true;  // Check1
    int key3 = 7;          // Combo5 position
    bool sendKey3 = true;  // Check2
};

// The checks of the values these windows send, one list position each, in the
// style of the main window's commands (commands/CommandInputs.h): a position
// the list does not hold (no item selected) ends in the window's failure box.
// An originator or key prompt may also be not set (the empty list text, the
// cleared check box): `notSet` is then true and the value 0xFF.
Checked<int> checkNumberPronunciation(int position);         // 0 Chinese, 1 English
Checked<int> checkCallOriginator(int position, bool notSet); // CallOriginatorCode 0..8
Checked<int> checkKeyPrompt(int position, bool notSet);      // VoicePromptCode 0..15
Checked<int> checkHandheldPrompt(int position);              // HandheldPromptCode 0..2

class VoicePrompts {
public:
    VoicePrompts(Link& link, PortControl& port)
        : link_(link)
        , port_(port)
    {
    }

    // form5 Command1.
    Outcome writeCallerPrompts(const CallerPromptChoices& choices);
    // Form6 Command1: Combo1 position.
    Outcome writeHandheldByTable(int position);
    // Form6 Command2: Combo2 position.
    Outcome writeHandheldByPager(int position);

    // The payload of the form5 request; none when a list read has no position.
    static std::optional<QByteArray> callerPromptPayload(const CallerPromptChoices& choices);

private:
    Outcome writeHandheld(std::uint8_t code, int position);

    Link& link_;
    PortControl& port_;
};

} // namespace cs
