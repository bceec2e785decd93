#pragma once
// The words of every list the program knows, written once: for each item its
// code (the list position, the value a request carries), one export word
// (ASCII, never translated: CSV, JSON and the command line), its text in the
// program's language (the windows' lists and the reports), and the words a
// user may type for it. Input is matched on the export word, the Chinese text,
// the text in the program's language and the extra words, ignoring case and
// blanks around.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace cs {

struct Word {
    int code = 0;
    const char* exportWord = "";
    const char* text = "";          // Chinese; translated under the context "Words"
    const char* listText = nullptr; // a window list's own item text, where it differs
    const char* also = nullptr;     // one more word taken as input ("1" for 音调1)
};

class Vocabulary {
public:
    Vocabulary(const char* name, std::vector<Word> words, bool translated = true)
        : name_(name)
        , words_(std::move(words))
        , translated_(translated)
    {
    }

    // What the list is ("model"), as the command line names it.
    QString name() const { return QString::fromLatin1(name_); }
    const std::vector<Word>& words() const { return words_; }
    int size() const { return int(words_.size()); }

    // The code a typed word stands for; none when it names no item.
    std::optional<int> codeOf(const QString& input) const;

    // The item's text in the program's language; empty for a code outside the list.
    QString text(int code) const;
    // A window list's item text (the text, unless the list has its own).
    QString listText(int code) const;
    QStringList listTexts() const;

    QString exportWord(int code) const;
    QStringList exportWords() const;
    // Every word taken as input: export words, Chinese texts and extra words.
    QStringList inputWords() const;

private:
    const Word* find(int code) const;
    QString translate(const char* source) const;

    const char* name_;
    std::vector<Word> words_;
    bool translated_;
};

// Pager lists of the main window.
const Vocabulary& pagerModels();     // 0 数字标准 standard .. 3 英文 english
const Vocabulary& pagerPolarities(); // 0 反 reverse, 1 正 normal
const Vocabulary& pagerRates();      // 0 512, 1 1200, 2 2400
const Vocabulary& pagerTones();      // 0 音调1 tone1 .. 3 音调4 tone4 (typed 1..4)
// Host unit settings.
const Vocabulary& workModes(); // 0 单键模式1 single1, 1 多键模式 multi, 2 单键模式0 single0
const Vocabulary& infoUnitTypes();   // 0 数字机 digital, 1 语音机 voice (list order)
const Vocabulary& numberLanguages(); // 0 汉语 chinese, 1 英语 english
// What a voice info unit speaks.
const Vocabulary& callOriginators(); // CallOriginatorCode 0..8
const Vocabulary& keyPrompts();      // VoicePromptCode 0..15
const Vocabulary& handheldPlaces();  // HandheldPromptCode 0..2

// The main window's selections when it opens.
constexpr int DefaultModel = 0, DefaultPolarity = 0, DefaultRate = 1, DefaultTone = 0;
constexpr int DefaultWorkMode = 1;

} // namespace cs
