#include "link/Frame.h"
#include "reports/VoicePrompts.h"
#include "support/Rig.h"

#include <gtest/gtest.h>

using namespace cs;
using cs::test::hex;
using cs::test::Message;
using cs::test::Rig;

namespace {

// form5 as it opens: 中文发音, "桌", "点菜", keys 2 and 3 ticked with "加水" and "买单".
const CallerPromptChoices Initial{0, {"桌", 1}, {"点菜", 3}, 4, true, 7, true};

// Runs one write against a voice info unit; `frame` null: the failure box and nothing sent.
void expectWrite(const std::function<RunEnd(VoicePrompts&)>& write, const char* frame, const Message& success,
                 const Message& failure)
{
    Rig rig;
    rig.unit.memory[2046] = 0;
    VoicePrompts prompts(rig.link, rig.portControl);
    EXPECT_EQ(write(prompts), frame ? RunEnd::Answered : RunEnd::Failed) << frame;
    EXPECT_EQ(rig.port.written, frame ? hex(frame) : QByteArray()) << frame;
    EXPECT_EQ(rig.ui.messages, QList<Message>{frame ? success : failure}) << frame;
    EXPECT_FALSE(rig.state.ReplyOk);
}

} // namespace

TEST(CallerPrompts, FramesFromTheChoices)
{
    const std::pair<CallerPromptChoices, const char*> cases[] = {
        {Initial, "55 55 AA 01 14 05 00 01 03 04 07 D6"},
        {{0, {"桌", 1}, {"点菜", 3}, 4, false, 7, true}, "55 55 AA 01 14 05 00 01 03 FF 07 DB"},   // Check1 cleared
        {{0, {"桌", 1}, {"点菜", 3}, 4, true, 7, false}, "55 55 AA 01 14 05 00 01 03 04 FF DE"},   // Check2 cleared
        {{0, {"桌", 1}, {"点菜", 3}, -1, false, 15, false}, "55 55 AA 01 14 05 00 01 03 FF FF E3"},   // unread lists
        {{0, {"Table", 8}, {"点菜", 3}, 4, true, 7, true}, "55 55 AA 01 14 05 00 08 03 04 07 CF"},
        {{0, {"桌", 1}, {"Callsfor", 15}, 4, true, 7, true}, "55 55 AA 01 14 05 00 01 0F 04 07 CA"},
        {{0, {"桌", 1}, {"取消", 0}, 0, true, 0, true}, "55 55 AA 01 14 05 00 01 00 00 00 E4"},
        // A list read without a position.
        {{-1, {"桌", 1}, {"点菜", 3}, 4, true, 7, true}, nullptr}, {{0, {"楼", -1}, {"点菜", 3}, 4, true, 7, true}, nullptr},
        {{0, {"桌", 1}, {"xyz", -1}, 4, true, 7, true}, nullptr}, {{0, {"桌", 1}, {"点菜", 3}, -1, true, 7, true}, nullptr},
        {{0, {"桌", 1}, {"点菜", 3}, 4, true, -1, true}, nullptr}, {{0, {"桌", 1}, {"点菜", 3}, 4, true, 16, true}, nullptr},
    };
    for (const auto& c : cases)
        expectWrite([&](VoicePrompts& p) { return p.writeCallerPrompts(c.first); }, c.second,
                    {"语音信息机中关于呼叫器的设置成功！", 15, "OK"}, {"设置呼叫器的语音提示类型失败!", 16, "错误"});
}

TEST(HandheldPrompts, EachButtonSendsItsOwnCodeAndPosition)
{
    struct Case { bool byTable; int position; const char* frame; };
    const Case cases[] = {
        {true, 0, "55 55 AA 01 15 01 00 E8"}, {true, 2, "55 55 AA 01 15 01 02 E6"}, {true, -1, nullptr},
        {false, 1, "55 55 AA 01 16 01 01 E6"}, {false, 0, "55 55 AA 01 16 01 00 E7"}, {false, 3, nullptr},
    };
    for (const Case& c : cases)
        expectWrite([&](VoicePrompts& p) { return c.byTable ? p.writeHandheldByTable(c.position) : p.writeHandheldByPager(c.position); },
                    c.frame, {"设置成功！", 15, "OK"}, {"设置手持呼叫器的语音提示类型失败!", 16, "错误"});
}

TEST(VoicePromptWrites, DigitalUnitNoReplyAndClosedPort)
{
    const std::function<RunEnd(VoicePrompts&)> writes[] = {[](VoicePrompts& p) { return p.writeCallerPrompts(Initial); },
                                                           [](VoicePrompts& p) { return p.writeHandheldByTable(0); },
                                                           [](VoicePrompts& p) { return p.writeHandheldByPager(0); }};
    const Message Digital{"当前信息机类型为数字机，设置失败！", 15, "ERR"};
    const std::tuple<std::function<void(Rig&)>, RunEnd, Message> outcomes[] = {
        {[](Rig& rig) { rig.unit.memory[2046] = 1; }, RunEnd::Answered, Digital},   // the unit answers 01
        // Any other reply data means a digital unit too.
        {[](Rig& rig) { rig.port.line.replyOverride = [](std::uint8_t code, const QByteArray&) {
             return std::optional<QByteArray>(replyFrame(code, hex("00 00"))); }; }, RunEnd::Answered, Digital},
        {[](Rig& rig) { rig.port.line.faults.silent = true; }, RunEnd::TimedOut, {"超时没有返回数据!!", 16, "错误"}},
        {[](Rig& rig) { rig.port.failOpen = true; }, RunEnd::PortClosed, {"没发现此端口或端口已被其它程序占用!", 16, "错误"}},
    };
    for (const auto& write : writes) {
        for (const auto& [setup, end, message] : outcomes) {
            Rig rig;
            setup(rig);
            double at = -1;
            rig.ui.onMessage = [&](const Message&) { at = rig.clock.now(); };
            VoicePrompts prompts(rig.link, rig.portControl);
            EXPECT_EQ(write(prompts), end);
            EXPECT_EQ(rig.ui.messages, QList<Message>{message});
            EXPECT_EQ(rig.port.written.isEmpty(), end == RunEnd::PortClosed);
            if (end == RunEnd::TimedOut) {   // two cycles of 1 s on the virtual clock
                EXPECT_TRUE(rig.clock.waits == 2 && at == 2.0) << at;
            }
        }
    }
}
