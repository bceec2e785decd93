#include "link/Frame.h"
#include "support/Rig.h"

#include <gtest/gtest.h>

using namespace cs;
using cs::test::hex;

TEST(Frame, RequestsOnTheWire)
{
    struct Case { std::uint8_t code; QByteArray payload; QByteArray wire; };
    const Case cases[] = {
        {0x08, {}, hex("55 55 AA 01 08 00 F6")},
        {0x0D, hex("3F"), hex("55 55 AA 01 0D 01 3F B1")},
        {0x0D, hex("00"), hex("55 55 AA 01 0D 01 00 F0")},
        {0x0E, hex("01 01"), hex("55 55 AA 01 0E 02 01 01 EC")},
        {0x15, hex("00"), hex("55 55 AA 01 15 01 00 E8")},
        {0x14, hex("00 01 03 04 07"), hex("55 55 AA 01 14 05 00 01 03 04 07 D6")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(requestFrame(c.code, c.payload).toHex(' '), c.wire.toHex(' '));
}

TEST(Frame, ChecksumWrapsModulo256)
{
    // 129 bytes of FF: the sum overflows many times; the checksum is still one byte.
    const QByteArray wire = requestFrame(0x18, QByteArray(129, char(0xFF)));
    unsigned sum = 0x01 + 0x18 + 0x81 + 129u * 0xFF;
    EXPECT_EQ(std::uint8_t(wire.back()), std::uint8_t(0xFF - (sum & 0xFF)));
    // Block 0 of zeros in a download ends in 0x65.
    QByteArray block(129, '\0');
    EXPECT_EQ(std::uint8_t(requestFrame(0x18, block).back()), 0x65);
}

TEST(Frame, SendFrameWritesTxBufferWithChecksum)
{
    cs::test::Rig rig;
    rig.portControl.EnsurePortOpen();
    rig.link.setRequest(0x08, {});
    ASSERT_TRUE(rig.link.SendFrame());
    EXPECT_EQ(rig.port.written, hex("55 55 AA 01 08 00 F6"));
    EXPECT_EQ(rig.state.TxBuffer[3], 0xF6);
    EXPECT_GE(rig.ui.repaints, 1);
}

TEST(Frame, SendFrameOnAClosedPortFails)
{
    cs::test::Rig rig;
    rig.link.setRequest(0x08, {});
    EXPECT_FALSE(rig.link.SendFrame());
    EXPECT_TRUE(rig.port.written.isEmpty());
}
