#pragma once
// Where the host unit keeps its pagers, tables and settings, and how each value
// is encoded. Every offset into a memory image is written here and nowhere else;
// the reports and the windows read named records and fields.
//
// Host memory image (8192 cells, cell a = memory address a; multi-byte numbers
// big-endian, high byte in the lower cell):
//
//   cells           size  content
//   0..1274         5x255 PagerRecord of pager n (1..255) at 5*(n-1)
//   1275..1279      5     unused
//   1280..          9xk   TableRecord k (k = 0 .. TableCount-1) at 1280 + 9*k
//   2024  (0x7E8)   1     number pronunciation: 0 Chinese, 1 English, other: not set
//   2025  (0x7E9)   1     CallOriginatorCode
//   2026..2028      3     VoicePromptCode of caller keys 1, 2, 3
//   2029  (0x7ED)   1     HandheldPromptCode, calls by table number
//   2030  (0x7EE)   1     HandheldPromptCode, calls by pager number
//   2046  (0x7FE)   1     info unit type: 0 voice, other: digital
//   8166  (0x1FE6)  1     work mode: 0 单键模式1, 1 多键模式, other: 单键模式0
//   8185..8187      3     transmitter frequency, 100 Hz units
//   8188  (0x1FFC)  1     transmitter frequency flag: 1 = cells above hold it
//   8190..8191      2     TableCount, valid 1..512
//
// Table records from k = 82 on reach cell 2024 and overlap the settings; they are
// read where the layout places them, exactly as the host unit would.
//
// A receiver's memory image (256 cells) is read by the hidden receiver reads
// and shown only in the memory dump.

#include "shared/AppState.h"
#include "shared/Vocabulary.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace cs {

namespace layout {
constexpr int PagerTableStart = 0;
constexpr int PagerRecordSize = 5;
constexpr int PagerCount = 255; // pager numbers 1..255
constexpr int TableTableStart = 1280;
constexpr int TableRecordSize = 9;
constexpr int MaxTables = 512;
constexpr int NumberPronunciationCell = 2024;
constexpr int CallOriginatorCell = 2025;
constexpr int KeyPromptCell = 2026; // keys 1..3 at 2026..2028
constexpr int KeyCount = 3;
constexpr int HandheldByTableCell = 2029;
constexpr int HandheldByPagerCell = 2030;
constexpr int InfoUnitTypeCell = 2046;
constexpr int WorkModeCell = 8166;
constexpr int TransmitterFrequencyCell = 8185; // 3 cells
constexpr int TransmitterFlagCell = 8188;
constexpr int TableCountCell = 8190; // 2 cells
constexpr std::uint8_t NotSet = 0xFF;
} // namespace layout

// ---- Code tables -----------------------------------------------------------

// Codes as the lists of shared/Vocabulary.h number them: a decoded value's
// code is its word's code there.
enum class PagerModel : std::uint8_t {
    DigitalStandard = 0,
    DigitalNew = 1,
    Chinese = 2,
    English = 3
};
enum class PagerRate : std::uint8_t { R512 = 0, R1200 = 1, R2400 = 2 };

struct PagerType {
    PagerModel model;
    PagerRate rate;
    bool operator==(const PagerType&) const = default;
};

// Capital pager type letters and the model and rate each stands for.
struct PagerTypeLetter {
    char capital;
    PagerType type;
};
extern const std::array<PagerTypeLetter, 12> PagerTypeLetters;

// Model and rate of a capital letter; none for a letter outside the table.
std::optional<PagerType> pagerTypeOfCapital(std::uint8_t capital);

// The codes of the voice settings are the positions of their lists:
// VoicePromptCode in keyPrompts(), CallOriginatorCode in callOriginators() (the
// code just past the list is set but has no word), HandheldPromptCode in
// handheldPlaces() (the code just past it is set but has no text).

// getvoicevalue: the text of a VoicePromptCode in quotation marks (“点菜”);
// empty for any other code.
QString getvoicevalue(int code);

// A settings byte decoded against its code table: not set, set with a word
// (code below the table's size), or set without one (the code just past it).
struct CodeSetting {
    std::uint8_t code = layout::NotSet;
    bool set = false;
    bool hasWord() const { return set && code < count; }
    int count = 0; // the size of the code table
};

enum class NumberPronunciation { Chinese = 0, English = 1 };
enum class InfoUnitType { Digital = 0, Voice = 1 };
enum class WorkMode { SingleKey1 = 0, MultiKey = 1, SingleKey0 = 2 };

constexpr double DefaultTransmitterFrequencyMHz = 430.225;

// ---- Records ---------------------------------------------------------------

enum class Polarity { Negative = 0 /* 反 */, Positive = 1 /* 正 */ };

// PagerRecord, 5 bytes per pager number:
//
//   byte 0  pager type letter; 0x00 / 0xFF: no pager. Above 0x60 (lower case):
//           polarity 正, else 反; its capital picks model and rate
//   byte 1  address digit 1 (high nibble), digit 2 (low nibble)
//   byte 2  digits 3, 4
//   byte 3  digits 5, 6
//   byte 4  digit 7 (high nibble), tone (low nibble: 0..3, other: none)
struct PagerRecord {
    std::uint8_t typeLetter = 0;
    Polarity polarity = Polarity::Negative;
    std::optional<PagerType> type;
    std::array<std::uint8_t, 7> addressDigits{}; // nibbles 0..15
    std::optional<int> tone;                     // 0..3 for 音调1..音调4
};

// TableRecord, 9 bytes per table:
//
//   bytes 0..2  feature code of the table caller
//   bytes 3..4  table number, big-endian
//   bytes 5..7  pager numbers 1..3 (255: none)
//   byte  8     own key value (255: none)
struct TableRecord {
    std::array<std::uint8_t, 3> featureCode{};
    int tableNumber = 0;
    std::array<std::optional<std::uint8_t>, 3> pagers;
    std::optional<std::uint8_t> keyValue;
};

// TableCount as stored; only 1..512 means that the host unit holds tables.
struct TableCount {
    int raw = 0;
    bool valid() const { return raw >= 1 && raw <= layout::MaxTables; }
    int count() const { return valid() ? raw : 0; }
};

// ---- Images ----------------------------------------------------------------

// Read-only view of a host memory image (at least 8192 cells).
class HostMemory {
public:
    explicit HostMemory(const std::uint8_t* cells)
        : c_(cells)
    {
    }
    explicit HostMemory(const Buffer& image)
        : c_(image.data())
    {
    }

    // Pager number n = 1..255; none when absent (or n out of range).
    std::optional<PagerRecord> pager(int n) const;
    TableCount tableCount() const;
    // Table record k = 0..511, read as the layout places it.
    TableRecord table(int k) const;

    std::optional<NumberPronunciation> numberPronunciation() const;
    CodeSetting callOriginator() const;
    CodeSetting keyPrompt(int key) const; // key 1..3
    CodeSetting handheldByTable() const;
    CodeSetting handheldByPager() const;
    InfoUnitType infoUnitType() const;
    WorkMode workMode() const;
    bool transmitterFrequencySet() const;   // flag cell holds 1
    int transmitterFrequencyUnits() const;  // raw 100 Hz units from the three cells
    double transmitterFrequencyMHz() const; // from the cells when set, else 430.225
    int cell(int c) const { return at(c); } // a cell's raw value

private:
    std::uint8_t at(int cell) const { return c_[cell]; }
    const std::uint8_t* c_;
};

} // namespace cs
