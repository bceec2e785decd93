#include "link/Frame.h"
#include "reports/VoicePrompts.h"
#include "support/Rig.h"

#include <gtest/gtest.h>

using namespace cs;
using cs::test::hex;
using cs::test::Message;
using cs::test::Rig;

namespace {

const Message CallerSuccess{"语音信息机中关于呼叫器的设置成功！", 15, "OK"};
const Message HandheldSuccess{"设置成功！", 15, "OK"};
const Message Digital{"当前信息机类型为数字机，设置失败！", 15, "ERR"};
const Message Timeout{"超时没有返回数据!!", 16, "错误"};
const Message CallerFailure{"设置呼叫器的语音提示类型失败!", 16, "错误"};
const Message HandheldFailure{"设置手持呼叫器的语音提示类型失败!", 16, "错误"};

// The unit answers every request with `data` as reply payload.
void answerWith(Rig& rig, const QByteArray& data)
{
    rig.port.line.replyOverride = [data](std::uint8_t code, const QByteArray&) -> std::optional<QByteArray> {
        return replyFrame(code, data);
    };
}

void silent(Rig& rig)
{
    rig.port.line.replyOverride = [](std::uint8_t, const QByteArray&) -> std::optional<QByteArray> {
        return QByteArray();
    };
    rig.port.line.faults.silent = true;
}

CallerPromptChoices initialChoices()
{
    CallerPromptChoices c;
    c.pronunciation = 0;
    c.originator = {"桌", 1};
    c.key1 = {"点菜", 3};
    c.key2 = 4;
    c.sendKey2 = true;
    c.key3 = 7;
    c.sendKey3 = true;
    return c;
}

} // namespace

TEST(CallerPrompts, InitialStateOnTheWire)
{
    Rig rig;
    answerWith(rig, {});
    VoicePrompts(rig.link, rig.portControl).writeCallerPrompts(initialChoices());
    EXPECT_EQ(rig.port.written, hex("55 55 AA 01 14 05 00 01 03 04 07 D6"));
    EXPECT_EQ(rig.ui.messages, (QList<Message>{CallerSuccess}));
    EXPECT_FALSE(rig.state.ReplyOk);
}

TEST(CallerPrompts, PayloadFromTheChoices)
{
    struct Case {
        const char* name;
        std::function<void(CallerPromptChoices&)> change;
        const char* payload;
    };
    const Case cases[] = {
        {"initial", [](CallerPromptChoices&) {}, "00 01 03 04 07"},
        {"Check1 cleared", [](CallerPromptChoices& c) { c.sendKey2 = false; }, "00 01 03 FF 07"},
        {"Check2 cleared", [](CallerPromptChoices& c) { c.sendKey3 = false; }, "00 01 03 04 FF"},
        {"both cleared", [](CallerPromptChoices& c) { c.sendKey2 = c.sendKey3 = false; c.key2 = -1; c.key3 = 15; },
         "00 01 03 FF FF"},
        {"Table", [](CallerPromptChoices& c) { c.originator = {"Table", 8}; }, "00 08 03 04 07"},
        {"Callsfor", [](CallerPromptChoices& c) { c.key1 = {"Callsfor", 15}; }, "00 01 0F 04 07"},
        {"英文发音", [](CallerPromptChoices& c) { c.pronunciation = 1; }, "01 01 03 04 07"},
        {"empty Combo2", [](CallerPromptChoices& c) { c.originator = {"", -1}; }, "00 FF 03 04 07"},
        {"empty Combo3", [](CallerPromptChoices& c) { c.key1 = {"", 3}; }, "00 01 FF 04 07"},
        {"keys 0", [](CallerPromptChoices& c) { c.key1 = {"取消", 0}; c.key2 = 0; c.key3 = 0; }, "00 01 00 00 00"},
    };
    for (const Case& c : cases) {
        Rig rig;
        answerWith(rig, {});
        CallerPromptChoices choices = initialChoices();
        c.change(choices);
        VoicePrompts(rig.link, rig.portControl).writeCallerPrompts(choices);
        ASSERT_EQ(rig.requests().size(), 1) << c.name;
        EXPECT_EQ(rig.requests()[0].mid(0, 8), hex("01 14 05") + hex(c.payload)) << c.name;
        EXPECT_EQ(rig.ui.messages, (QList<Message>{CallerSuccess})) << c.name;
    }
}

TEST(CallerPrompts, ListWithoutPositionEndsInTheFailureBox)
{
    struct Case {
        const char* name;
        std::function<void(CallerPromptChoices&)> change;
    };
    const Case cases[] = {
        {"Combo1", [](CallerPromptChoices& c) { c.pronunciation = -1; }},
        {"Combo2 typed", [](CallerPromptChoices& c) { c.originator = {"楼", -1}; }},
        {"Combo3 typed", [](CallerPromptChoices& c) { c.key1 = {"xyz", -1}; }},
        {"Combo4 ticked", [](CallerPromptChoices& c) { c.key2 = -1; }},
        {"Combo5 ticked", [](CallerPromptChoices& c) { c.key3 = -1; }},
        {"Combo5 past the list", [](CallerPromptChoices& c) { c.key3 = 16; }},
    };
    for (const Case& c : cases) {
        Rig rig;
        answerWith(rig, {});
        CallerPromptChoices choices = initialChoices();
        c.change(choices);
        EXPECT_EQ(VoicePrompts(rig.link, rig.portControl).writeCallerPrompts(choices), RunEnd::Failed) << c.name;
        EXPECT_TRUE(rig.port.written.isEmpty()) << c.name;
        EXPECT_EQ(rig.ui.messages, (QList<Message>{CallerFailure})) << c.name;
    }
}

TEST(CallerPrompts, DigitalInfoUnitRefuses)
{
    for (const char* data : {"01", "00 00"}) {
        Rig rig;
        answerWith(rig, hex(data));
        VoicePrompts(rig.link, rig.portControl).writeCallerPrompts(initialChoices());
        EXPECT_EQ(rig.ui.messages, (QList<Message>{Digital})) << data;
    }
}

TEST(CallerPrompts, NoReplyAfterTwoSeconds)
{
    Rig rig;
    silent(rig);
    double at = -1;
    rig.ui.onMessage = [&](const Message&) { at = rig.clock.now(); };
    EXPECT_EQ(VoicePrompts(rig.link, rig.portControl).writeCallerPrompts(initialChoices()), RunEnd::TimedOut);
    EXPECT_EQ(rig.ui.messages, (QList<Message>{Timeout}));
    EXPECT_EQ(rig.clock.waits, 2);
    EXPECT_DOUBLE_EQ(at, 2.0);
}

TEST(CallerPrompts, PortThatCannotOpenEndsWithItsOwnMessageOnly)
{
    Rig rig;
    rig.port.failOpen = true;
    EXPECT_EQ(VoicePrompts(rig.link, rig.portControl).writeCallerPrompts(initialChoices()), RunEnd::PortClosed);
    EXPECT_TRUE(rig.port.written.isEmpty());
    EXPECT_EQ(rig.ui.messages, (QList<Message>{{"没发现此端口或端口已被其它程序占用!", 16, "错误"}}));
}

TEST(HandheldPrompts, InitialStateOnTheWire)
{
    Rig rig;
    answerWith(rig, {});
    VoicePrompts prompts(rig.link, rig.portControl);
    prompts.writeHandheldByTable(0);
    EXPECT_EQ(rig.port.written, hex("55 55 AA 01 15 01 00 E8"));
    rig.port.written.clear();
    prompts.writeHandheldByPager(1);
    EXPECT_EQ(rig.port.written, hex("55 55 AA 01 16 01 01 E6"));
    EXPECT_EQ(rig.ui.messages, (QList<Message>{HandheldSuccess, HandheldSuccess}));
}

TEST(HandheldPrompts, EachButtonSendsItsOwnCodeAndPosition)
{
    struct Case { bool byTable; int position; const char* body; };
    const Case cases[] = {
        {true, 2, "01 15 01 02"}, {true, 1, "01 15 01 01"}, {false, 0, "01 16 01 00"}, {false, 2, "01 16 01 02"},
    };
    for (const Case& c : cases) {
        Rig rig;
        answerWith(rig, {});
        VoicePrompts prompts(rig.link, rig.portControl);
        c.byTable ? prompts.writeHandheldByTable(c.position) : prompts.writeHandheldByPager(c.position);
        ASSERT_EQ(rig.requests().size(), 1);
        EXPECT_EQ(rig.requests()[0].left(4), hex(c.body));
    }
}

TEST(HandheldPrompts, OutcomesForBothButtons)
{
    for (bool byTable : {true, false}) {
        const auto write = [byTable](Rig& rig) {
            VoicePrompts prompts(rig.link, rig.portControl);
            return byTable ? prompts.writeHandheldByTable(0) : prompts.writeHandheldByPager(0);
        };
        {
            Rig rig;
            answerWith(rig, hex("01"));
            write(rig);
            EXPECT_EQ(rig.ui.messages, (QList<Message>{Digital}));
        }
        {
            Rig rig;
            silent(rig);
            EXPECT_EQ(write(rig), RunEnd::TimedOut);
            EXPECT_EQ(rig.ui.messages, (QList<Message>{Timeout}));
            EXPECT_DOUBLE_EQ(rig.clock.totalWaited, 2.0);
        }
        {
            Rig rig;
            answerWith(rig, {});
            VoicePrompts prompts(rig.link, rig.portControl);
            EXPECT_EQ(byTable ? prompts.writeHandheldByTable(-1) : prompts.writeHandheldByPager(3), RunEnd::Failed);
            EXPECT_TRUE(rig.port.written.isEmpty());
            EXPECT_EQ(rig.ui.messages, (QList<Message>{HandheldFailure}));
        }
    }
}
