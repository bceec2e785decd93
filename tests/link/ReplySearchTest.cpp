#include "link/Frame.h"
#include "link/ReplySearch.h"
#include "support/Rig.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace cs;
using cs::test::hex;

namespace {

struct Outcome {
    bool accepted;
    int crcErrors;
    QByteArray body;
};

// Feeds the cycles one after another, as WaitReply does.
Outcome run(std::uint8_t code, const QList<QByteArray>& cycles)
{
    ReplySearch search(code);
    Buffer rx{};
    int crc = 0;
    for (const auto& c : cycles) {
        if (search.feed(c, rx, [&] { ++crc; })) {
            const int n = rx[2];
            return {true, crc, QByteArray(reinterpret_cast<const char*>(rx.data()), n + 4)};
        }
    }
    return {false, crc, {}};
}

} // namespace

TEST(ReplySearch, FindsTheReplyAmongOtherBytes)
{
    const QByteArray reply = hex("55 AA 02 08 00 F5");
    struct Case { const char* name; QList<QByteArray> cycles; bool accepted; int crc; };
    const Case cases[] = {
        {"clean", {reply}, true, 0},
        {"garbage before", {hex("00 13 FF 55 12") + reply}, true, 0},
        {"echo of the request before", {hex("55 55 AA 01 08 00 F6") + reply}, true, 0},
        {"extra 55 before", {hex("55") + reply}, true, 0},
        {"noise after", {reply + hex("55 AA 02")}, true, 0},
        {"other command code", {hex("55 AA 02 09 00 F4")}, false, 0},
        {"wrong checksum", {hex("55 AA 02 08 00 F4")}, false, 1},
        {"wrong checksum then good", {hex("55 AA 02 08 00 F4") + reply}, true, 1},
        {"split after 55 AA", {hex("00 55 AA"), hex("02 08 00 F5")}, true, 0},
        {"split after lone 55", {hex("55"), hex("AA 02 08 00 F5")}, true, 0},
        {"split inside the data", {replyFrame(0x08, hex("07")).left(5), replyFrame(0x08, hex("07")).mid(5)}, true, 0},
        {"split before the checksum", {hex("55 AA 02 08 00"), hex("F5")}, true, 0},
        {"split over three cycles", {hex("55 AA"), hex("02 08"), hex("00 F5")}, true, 0},
        {"empty cycle keeps the start", {hex("55 AA 02"), QByteArray(), hex("08 00 F5")}, true, 0},
        {"nothing", {QByteArray(), QByteArray()}, false, 0},
        {"single byte", {hex("55")}, false, 0},
    };
    for (const auto& c : cases) {
        const Outcome o = run(0x08, c.cycles);
        EXPECT_EQ(o.accepted, c.accepted) << c.name;
        EXPECT_EQ(o.crcErrors, c.crc) << c.name;
        if (!c.accepted)
            continue;
        const QByteArray expected = QByteArray(c.name) == "split inside the data"
            ? replyFrame(0x08, hex("07")).mid(2) : hex("02 08 00 F5");
        EXPECT_EQ(o.body, expected) << c.name;
    }
}

TEST(ReplySearch, KeepsAFalseStartWithoutLosingTheRealReply)
{
    // A header with a huge length that never completes must not hide the real
    // reply that follows inside its span.
    const QByteArray cycle1 = hex("55 AA 02 0D FF 01 02");
    const QByteArray cycle2 = hex("55 AA 02 0D 01 07") + QByteArray(1, char(frameChecksum(
                                  reinterpret_cast<const std::uint8_t*>("\x02\x0D\x01\x07"), 4)));
    const Outcome o = run(0x0D, {cycle1, cycle2});
    EXPECT_TRUE(o.accepted);
    EXPECT_EQ(o.body.mid(0, 4), hex("02 0D 01 07"));
}

TEST(ReplySearch, FullSizeReplyOf255DataBytes)
{
    const QByteArray wire = replyFrame(0x0D, QByteArray(255, char(0x55)));
    const Outcome o = run(0x0D, {wire.left(100), wire.mid(100)});
    ASSERT_TRUE(o.accepted);
    EXPECT_EQ(o.body.size(), 259);
}

TEST(ReplySearch, RandomStreamsNeverReadPastTheirBytes)
{
    // Random streams, 0x55 floods and truncated frames split at random places:
    // the search must end cleanly, and whatever it accepts must be a real reply.
    auto* rng = QRandomGenerator::global();
    for (int round = 0; round < 3000; ++round) {
        QByteArray stream;
        const int pieces = rng->bounded(1, 6);
        for (int p = 0; p < pieces; ++p) {
            switch (rng->bounded(4)) {
            case 0: {
                QByteArray r(rng->bounded(0, 40), '\0');
                for (auto& b : r) b = char(rng->bounded(256));
                stream += r;
                break;
            }
            case 1: stream += QByteArray(rng->bounded(1, 30), char(0x55)); break;
            case 2: {
                QByteArray d(rng->bounded(0, 20), '\0');
                for (auto& b : d) b = char(rng->bounded(256));
                stream += replyFrame(0x0D, d).left(rng->bounded(1, d.size() + 6));
                break;
            }
            default: stream += hex("55 AA 02 0D") + QByteArray(1, char(rng->bounded(256))); break;
            }
        }
        QList<QByteArray> cycles;
        for (qsizetype at = 0; at < stream.size();) {
            const qsizetype len = rng->bounded(0, 12);
            cycles << stream.mid(at, len);
            at += len;
        }
        const Outcome o = run(0x0D, cycles);
        if (o.accepted) {
            const auto* b = reinterpret_cast<const std::uint8_t*>(o.body.constData());
            ASSERT_EQ(b[0], 0x02);
            ASSERT_EQ(b[1], 0x0D);
            ASSERT_EQ(o.body.size(), b[2] + 4);
            ASSERT_EQ(frameChecksum(b, b[2] + 3), b[b[2] + 3]);
            ASSERT_TRUE(stream.contains(QByteArray("\x55\xAA", 2) + o.body));
        }
    }
}
