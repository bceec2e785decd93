#pragma once
// The command codes of the requests the host unit understands (TxBuffer[1]),
// one table for the program and the simulated unit.

#include <cstdint>

namespace cs {

enum RequestCode : std::uint8_t {
    SetPagerCode = 0x01,
    SetReceiverNumberCode = 0x02,
    SetTableCode = 0x03, // n = 7; n = 0: repeater write
    DeletePagerCode = 0x04,
    DeleteTableCode = 0x07, // n = 2; n = 0: repeater delete
    InitialiseReceiverCode = 0x08,
    InitialiseHostCode = 0x09,
    ReceiverFrequencyCode = 0x0A,
    TransmitterFrequencyCode = 0x0B,
    ReadHostCode = 0x0D,
    ReadReceiverCode = 0x0E,
    SetHurryButtonCode = 0x11,
    DeleteHurryButtonCode = 0x12,
    InfoUnitTypeCode = 0x13,
    CallerPromptCode = 0x14,
    HandheldByTableCode = 0x15,
    HandheldByPagerCode = 0x16,
    WorkModeCode = 0x17,
    WriteBlockCode = 0x18,
};

} // namespace cs
