#pragma once
// Model of the host unit at the far end of the line: it keeps an 8192-byte host
// memory and a 256-byte receiver memory laid out as the real unit keeps them, and
// answers each request with the reply data the unit sends.

#include <QByteArray>
#include <array>
#include <cstdint>
#include <optional>

namespace cs::sim {

class HostUnit {
public:
    HostUnit();

    // Reply data (the reply's payload) for a request, or nothing when the unit
    // stays silent. `keyPressed` tells whether a caller or hurry button key was
    // pressed while the unit listened (for the learning commands).
    std::optional<QByteArray> answer(std::uint8_t code, const QByteArray& payload, bool keyPressed);

    // True for the requests during which the unit listens for a key press:
    // table set (03, n=7), repeater write (03, n=0), repeater delete (07, n=0),
    // hurry button set (11).
    static bool listensForKey(std::uint8_t code, int payloadLength);

    std::array<std::uint8_t, 8192> memory{};
    std::array<std::uint8_t, 256> receiverMemory{};
    std::array<std::uint8_t, 256> externalReceiverMemory{};

    // Reported as a full memory (table and repeater sets answer with no data).
    bool memoryFull = false;
    // Feature code given to the next learned caller; counts up per learn.
    std::uint32_t nextFeatureCode = 0x0A1B01;
    // Repeater contents: feature codes of the callers it passes on.
    QByteArray repeater;   // 3 bytes per caller
    int repeaterCapacity = 32;

    void erase();   // initialise: everything 0xFF
};

} // namespace cs::sim
