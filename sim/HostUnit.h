#pragma once
// Model of the host unit at the far end of the line: it keeps an 8192-byte host
// memory and two 256-byte receiver memories laid out as the real unit keeps them,
// and answers each request with the reply data the unit sends.
//
// Requests the unit cannot make sense of (unknown code, wrong payload length,
// a value out of its range) get no answer at all, as a unit that ignores a bad
// frame would: the program then reports the missing reply. A refused request
// changes nothing.

#include <QByteArray>
#include <array>
#include <cstdint>
#include <optional>
#include <set>

namespace cs::sim {

// Where the unit keeps what the commands set.
namespace cells {
constexpr int PagerRecordSize = 5; // pager n at 5*(n-1) .. +4
constexpr int Tables = 1280;       // TableRecord k at 1280 + 9*k
constexpr int TableRecordSize = 9;
constexpr int VoicePrompts = 2024; // 2024..2028: pronunciation, originator, keys 1..3
constexpr int HandheldByTable = 2029;
constexpr int HandheldByPager = 2030;
constexpr int InfoUnitType = 2046; // 0 voice, anything else digital
constexpr int WorkMode = 8166;
constexpr int TransmitterFrequency = 8185; // 3 bytes, big-endian, 100 Hz units
constexpr int TransmitterFlag = 8188;      // 1: the frequency above applies
constexpr int TableCount = 8190;           // 2 bytes, big-endian
// Receiver memory.
constexpr int ReceiverFrequency = 250; // position 0..7 in the frequency list
constexpr int ReceiverNumber = 251;    // the receiver's own number 1..80
} // namespace cells

// The unit keeps the table records below the voice prompt settings: records
// 0..81 end at cell 2017, record 82 would reach cell 2024.
constexpr int MaxTables = 82;
constexpr int TableCountLimit = 512; // larger counts (and 0) mean "no tables"

class HostUnit {
public:
    HostUnit();

    // Reply data (the reply's payload) for a request, or nothing when the unit
    // stays silent. `keyPressed` tells whether a caller or hurry button key was
    // pressed while the unit listened (for the learning commands).
    std::optional<QByteArray> answer(std::uint8_t code, const QByteArray& payload, bool keyPressed);

    // True for the requests during which the unit listens for a key press:
    // table set (03, n=7), repeater write (03, n=0), repeater delete (07, n=0),
    // hurry button set (11, n=1).
    static bool listensForKey(std::uint8_t code, int payloadLength);

    // The pager type letter the unit stores for a type code 0..11 of the set
    // pager request: capital for polarity 反, lower case for 正.
    static std::optional<std::uint8_t> pagerTypeLetter(int typeCode, bool positive);

    std::array<std::uint8_t, 8192> memory{};
    std::array<std::uint8_t, 256> receiverMemory{};
    std::array<std::uint8_t, 256> externalReceiverMemory{};

    // Reported as a full memory (table and repeater sets answer with no data).
    bool memoryFull = false;
    // Feature code given to the next learned caller; counts up per learn.
    std::uint32_t nextFeatureCode = 0x0A1B01;
    // The caller whose key the user presses. None: a table set learns a new
    // caller (nextFeatureCode), the repeater commands hear the most recently
    // learned one.
    std::optional<std::uint32_t> pressedCaller;
    std::optional<std::uint32_t> lastLearned;
    // Repeater contents: feature codes of the callers it passes on.
    QByteArray repeater; // 3 bytes per caller
    int repeaterCapacity = 32;
    // Hurry buttons 1..9 the unit has learned.
    std::set<int> hurryButtons;

    void erase(); // a new unit: everything 0xFF, nothing learned

    // Helpers for tests and the pty server.
    bool loadImage(const QByteArray& image); // exactly 8192 bytes, else false
    QByteArray image() const;
    QByteArray pagerRecord(int number) const; // the 5 bytes of pager 1..255
    int tableCount() const;                   // 0 when the count means "none"
    QByteArray tableRecord(int k) const;      // the 9 bytes of record k
    int findTable(int tableNumber) const;     // record index or -1
    bool repeaterHolds(std::uint32_t featureCode) const;

private:
    std::optional<QByteArray> setPager(const QByteArray& p);
    std::optional<QByteArray> deletePager(const QByteArray& p);
    std::optional<QByteArray> setTable(const QByteArray& p);
    std::optional<QByteArray> deleteTable(const QByteArray& p);
    std::optional<QByteArray> repeaterWrite();
    std::optional<QByteArray> repeaterDelete();
    std::optional<QByteArray> receiverFrequency(const QByteArray& p);
    std::optional<QByteArray> readBlock(std::uint8_t code, const QByteArray& p) const;
    std::optional<QByteArray> writeBlock(const QByteArray& p);
    std::optional<QByteArray> voiceSetting(int cell, const QByteArray& p);
    void setTableCount(int count);
    std::uint32_t heardCaller() const;
};

} // namespace cs::sim
