#include "commands/Commands.h"
#include "commands/CommandInputs.h"
#include "commands/CommandPattern.h"
#include "link/RequestCodes.h"

namespace cs {

namespace {

QByteArray bytes(std::initializer_list<std::uint64_t> values)
{
    QByteArray out;
    for (auto v : values)
        out.append(char(std::uint8_t(v)));
    return out;
}

// A command's request payload from its checked inputs, or the problem.
template <class T, class F> Built payload(const Checked<T>& checked, F build)
{
    if (!checked)
        return checked.problem();
    return build(*checked);
}

} // namespace

// Command1: set pager.
Outcome Commands::setPager(const QString& number, const QString& address, int model, int polarity,
                           int rate, int tone)
{
    CommandPlan plan;
    plan.code = SetPagerCode;
    plan.rounds = 3;
    plan.waitSeconds = 1.0;
    plan.focus = Field::PagerNumber;
    plan.timeout = timeoutNotice(true);
    plan.outcomes = {
        successRow(0, tr("设置传呼号成功！"), true),
        {AnyLength, AnyStatus, lengthErrorNotice(false)},
    };
    plan.failureText = tr("设置传呼号失败!");
    plan.failureFocus = Field::PagerNumber;

    return CommandRunner(link_, port_).run(plan, [&] {
        return pagerRequest(number, address, model, polarity, rate, tone);
    });
}

Built Commands::pagerRequest(const QString& number, const QString& address, int model, int polarity,
                             int rate, int tone)
{
    return payload(
        checkPager(number, address, model, polarity, rate, tone), [](const PagerInputs& p) {
            QByteArray out = bytes({std::uint64_t(p.number / 100), std::uint64_t(p.number % 100),
                                    std::uint64_t(p.typeCode / 10), std::uint64_t(p.typeCode % 10),
                                    std::uint64_t(p.polarity)});
            out.append(p.addressDigits);
            out.append(char(p.tone));
            return out;
        });
}

// Command4: delete pager.
Outcome Commands::deletePager(const QString& number)
{
    const bool focus = true;
    CommandPlan plan;
    plan.code = DeletePagerCode;
    plan.rounds = 2;
    plan.waitSeconds = 1.0;
    plan.focus = Field::DeletedPager;
    plan.timeout = timeoutNotice(focus, tr("删除传呼号失败，请检查与通讯端口的连接情况！"));
    plan.outcomes = {
        successRow(0, tr("删除传呼号成功！"), focus),
        {1,
         1,
         {{tr("无此传呼号！"), Style::Info, Title::Attention}, focus},
         Ending::Failed,
         Cause::Unit},
        {1, AnyStatus, lengthErrorNotice(focus, tr("返回数据错误"))},
        {AnyLength, AnyStatus, lengthErrorNotice(focus)},
    };
    plan.failureText = tr("删除传呼号失败!");
    plan.failureFocus = Field::DeletedPager;

    return CommandRunner(link_, port_).run(plan, [&] {
        return payload(checkDeletedPager(number),
                       [](int pager) { return bytes({std::uint64_t(pager)}); });
    });
}

// Command3: set table caller; the host learns the caller from its service key.
Outcome Commands::setTable(const QString& table, const QString& key, const QString& pager1,
                           const QString& pager2, const QString& pager3)
{
    return runSetTable(table, key, pager1, pager2, pager3, true);
}

Outcome Commands::learnTable(const QString& table, const QString& key, const QString& pager1,
                             const QString& pager2, const QString& pager3)
{
    return runSetTable(table, key, pager1, pager2, pager3, false);
}

Outcome Commands::runSetTable(const QString& table, const QString& key, const QString& pager1,
                              const QString& pager2, const QString& pager3, bool reportTimeout)
{
    CommandPlan plan;
    plan.code = SetTableCode;
    plan.rounds = 1;
    plan.waitSeconds = 3.0;
    plan.prompt = Prompt::CallerKey;
    plan.focus = Field::TableNumber;
    // While tables are learned one after another, a wait without a key press
    // simply asks again: no box for it.
    plan.timeout = reportTimeout ? timeoutNotice(true) : Notice{};
    plan.outcomes = {
        successRow(3, tr("设置餐桌号成功！"), true),
        {0, AnyStatus, stopNotice(tr("接收器记忆区已经存满，无法写入！"), true), Ending::Failed,
         Cause::Unit},
        {AnyLength, AnyStatus, lengthErrorNotice(false)},
    };
    plan.failureText = tr("设置餐桌号失败!");
    plan.failureFocus = Field::TableNumber;

    return CommandRunner(link_, port_).run(plan, [&] {
        return payload(checkTable(table, key, pager1, pager2, pager3), [](const TableInputs& t) {
            return bytes({0x00, std::uint64_t(t.table / 256), std::uint64_t(t.table % 256),
                          std::uint64_t(t.pagers[0]), std::uint64_t(t.pagers[1]),
                          std::uint64_t(t.pagers[2]), std::uint64_t(t.key)});
        });
    });
}

// Command5: delete table.
Outcome Commands::deleteTable(const QString& table)
{
    const bool focus = true;
    CommandPlan plan;
    plan.code = DeleteTableCode;
    plan.rounds = 1;
    plan.waitSeconds = 2.0;
    plan.focus = Field::DeletedTable;
    plan.timeout = timeoutNotice(focus);
    plan.outcomes = {
        successRow(0, tr("删除餐桌号码成功！"), focus),
        {1, 1, stopNotice(tr("没有与餐桌号对应的呼叫器或接收器与主机连接不正常！！"), focus),
         Ending::Failed, Cause::Unit},
        {1, 2, stopNotice(tr("不存在此餐桌号码！！"), focus, Title::Attention), Ending::Failed,
         Cause::Unit},
        {1, AnyStatus, {Message{}, focus}}, // no message
        {AnyLength, AnyStatus, lengthErrorNotice(focus)},
    };
    plan.failureText = tr("删除餐桌号码失败!");
    plan.failureFocus = Field::DeletedTable;

    return CommandRunner(link_, port_).run(plan, [&] {
        return payload(checkDeletedTable(table), [](int t) {
            return bytes({std::uint64_t(t / 256), std::uint64_t(t % 256)});
        });
    });
}

namespace {

Built hurryButtonNumber(const QString& text, Field field)
{
    return payload(checkHurryButton(text, field), [](int v) { return bytes({std::uint64_t(v)}); });
}

} // namespace

// Command19: set hurry button; the host learns it from a key and #.
Outcome Commands::setHurryButton(const QString& number)
{
    const Field field = Field::HurryButton;
    CommandPlan plan;
    plan.code = SetHurryButtonCode;
    plan.rounds = 1;
    plan.waitSeconds = 3.0;
    plan.prompt = Prompt::HurryButtonKey;
    plan.focus = field;
    plan.timeout = timeoutNotice(true);
    plan.outcomes = {
        successRow(2, tr("设置催菜器号码成功！"), true),
        {AnyLength, AnyStatus, lengthErrorNotice(false)},
    };
    plan.failureText = tr("设置催菜器器号码失败!");
    plan.failureFocus = field;
    return CommandRunner(link_, port_).run(plan, [&] { return hurryButtonNumber(number, field); });
}

// Command10: delete hurry button.
Outcome Commands::deleteHurryButton(const QString& number)
{
    const Field field = Field::DeletedHurryButton;
    CommandPlan plan;
    plan.code = DeleteHurryButtonCode;
    plan.rounds = 2;
    plan.waitSeconds = 1.0;
    plan.focus = field;
    plan.timeout = timeoutNotice(true);
    plan.outcomes = {
        successRow(0, tr("删除催菜器号码成功！"), true),
        {AnyLength, AnyStatus, lengthErrorNotice(false)},
    };
    plan.failureText = tr("删除催菜器器号码失败!");
    plan.failureFocus = field;
    return CommandRunner(link_, port_).run(plan, [&] { return hurryButtonNumber(number, field); });
}

// Command2: set receiver number.
Outcome Commands::setReceiverNumber(const QString& number)
{
    const Field field = Field::ReceiverNumber;
    CommandPlan plan;
    plan.code = SetReceiverNumberCode;
    plan.rounds = 2;
    plan.waitSeconds = 1.0;
    plan.focus = field;
    plan.timeout = timeoutNotice(true);
    plan.outcomes = {
        successRow(0, tr("设置接收器号码成功！"), true),
        {AnyLength, AnyStatus, lengthErrorNotice(false)},
    };
    plan.failureText = tr("设置接收器号码失败!");
    plan.failureFocus = field;
    return CommandRunner(link_, port_).run(plan, [&] {
        return payload(checkReceiverNumber(number),
                       [](int v) { return bytes({std::uint64_t(v)}); });
    });
}

// Command13: receiver frequency, for one receiver or (Text10 empty) for all.
// This command moves no focus.
Outcome Commands::setReceiverFrequency(const QString& frequencyText, int position,
                                       const QString& receiver)
{
    CommandPlan plan;
    plan.code = ReceiverFrequencyCode;
    plan.rounds = 3;
    plan.waitSeconds = 1.0;
    plan.timeout = timeoutNotice(false);
    plan.outcomes = {
        successRow(0, tr("接收器频率写入成功！"), false),
        {AnyLength, AnyStatus, lengthErrorNotice(false)},
    };
    plan.failureText = tr("接收器频率写入失败!");
    return CommandRunner(link_, port_).run(plan, [&] {
        return payload(checkReceiverFrequency(frequencyText, position, receiver),
                       [](const ReceiverFrequencyInputs& f) {
                           return f.receiver
                               ? bytes({std::uint64_t(f.position), std::uint64_t(*f.receiver)})
                               : bytes({std::uint64_t(f.position)});
                       });
    });
}

// Command6: initialise receiver.
Outcome Commands::initialiseReceiver()
{
    CommandPlan plan;
    plan.code = InitialiseReceiverCode;
    plan.rounds = 4;
    plan.waitSeconds = 1.0;
    plan.timeout = timeoutNotice(false);
    plan.outcomes = {
        successRow(0, tr("初始化接收器成功！"), false),
        {AnyLength, AnyStatus, lengthErrorNotice(false)},
    };
    plan.failureText = tr("初始化接收器失败!");
    return CommandRunner(link_, port_).run(plan, [] { return Built(QByteArray()); });
}

// Command14: transmitter frequency; an empty field clears the setting after a question.
Outcome Commands::setTransmitterFrequency(const QString& megahertz)
{
    const Field field = Field::TransmitterFrequency;
    CommandPlan plan;
    plan.code = TransmitterFrequencyCode;
    plan.focus = field;
    plan.timeout = timeoutNotice(true);
    plan.failureText = tr("发射机频率写入失败!");
    plan.failureFocus = field;

    if (megahertz.isEmpty()) {
        plan.rounds = 3;
        plan.waitSeconds = 1.5;
        plan.confirmation = Message{
            tr("不输入发射机频率值，将清除系统中对发射机的设置！\r\n是否继续？"), Style::OkCancel,
            Title::Attention};
        plan.outcomes = {
            successRow(0, tr("发射机设置清除成功！"), true),
            {AnyLength, AnyStatus, lengthErrorNotice(false)},
        };
        return CommandRunner(link_, port_).run(plan, [] { return Built(QByteArray()); });
    }

    plan.rounds = 2;
    plan.waitSeconds = 1.0;
    plan.outcomes = {
        successRow(0, tr("发射机频率写入成功！"), true),
        {AnyLength, AnyStatus, lengthErrorNotice(false)},
    };
    return CommandRunner(link_, port_).run(plan, [&] {
        return payload(checkTransmitterFrequency(megahertz), [](std::uint32_t n) {
            return bytes({n >> 16, (n >> 8) & 0xFF, n & 0xFF});
        });
    });
}

// Command11: work mode. No focus moves; a length error is a stop box here.
Outcome Commands::setWorkMode(int position)
{
    CommandPlan plan;
    plan.code = WorkModeCode;
    plan.rounds = 3;
    plan.waitSeconds = 1.0;
    plan.timeout = timeoutNotice(false);
    plan.outcomes = {
        successRow(0, tr("设置工作模式成功！"), false),
        {AnyLength, AnyStatus, lengthErrorNotice(false, tr("返回数据长度错误"), Style::Stop)},
    };
    plan.failureText = tr("工作模式设置失败！");
    return CommandRunner(link_, port_).run(plan, [&] {
        return payload(checkWorkMode(position),
                       [](int mode) { return bytes({std::uint64_t(mode)}); });
    });
}

// Command20: info unit type, 0xFF for a digital unit, 0x00 for a voice unit.
Outcome Commands::setInfoUnitType(int position)
{
    const bool digital = position == 0;
    CommandPlan plan;
    plan.code = InfoUnitTypeCode;
    plan.rounds = 2;
    plan.waitSeconds = 1.0;
    plan.timeout = timeoutNotice(false);
    plan.outcomes = {
        successRow(0, digital ? tr("信息机类型设为数字机！") : tr("信息机类型设为语音机！"), false),
        {AnyLength, AnyStatus, lengthErrorNotice(false)},
    };
    plan.failureText = tr("设置信息机类型失败!");
    return CommandRunner(link_, port_).run(plan, [&] {
        return payload(checkInfoUnitType(position),
                       [](int type) { return bytes({type == 0 ? 0xFFu : 0x00u}); });
    });
}

// Command7: initialise host unit (erases everything it stores) after a question.
Outcome Commands::initialiseHost()
{
    CommandPlan plan;
    plan.code = InitialiseHostCode;
    plan.rounds = 3;
    plan.waitSeconds = 1.0;
    plan.confirmation = Message{
        tr("执行此操作将清除主机内存储的所有信息！！\r\n   您确认执行请按确定，否则请取消！"),
        Style::OkCancel, Title::StrongAttention};
    plan.timeout = timeoutNotice(false, tr("超时没有返回数据！"));
    plan.outcomes = {
        successRow(0, tr("初始化主机成功！"), false),
        {AnyLength, AnyStatus, lengthErrorNotice(false, tr("返回数据长度错误！"))},
    };
    plan.failureText = tr("初始化主机失败!");
    return CommandRunner(link_, port_).run(plan, [] { return Built(QByteArray()); });
}

// Command16: repeater write; the host learns the caller pressed next.
Outcome Commands::writeRepeater()
{
    CommandPlan plan;
    plan.code = SetTableCode;
    plan.rounds = 1;
    plan.waitSeconds = 3.0;
    plan.prompt = Prompt::CallerKey;
    plan.focus = Field::RepeaterWrite;
    plan.timeout = timeoutNotice(true, tr("超时没有返回数据！"));
    plan.outcomes = {
        successRow(3, tr("设置转发器成功！"), true),
        {0, AnyStatus, stopNotice(tr("转发器记忆区已经存满，无法写入！"), true), Ending::Failed,
         Cause::Unit},
        {AnyLength, AnyStatus, lengthErrorNotice(false, tr("返回数据长度错误！"))},
    };
    plan.failureText = tr("设置转发器内容失败！");
    return CommandRunner(link_, port_).run(plan, [] { return Built(QByteArray()); });
}

// Command17: repeater delete; the prompt stands before the request leaves.
Outcome Commands::deleteRepeater()
{
    const bool focus = true;
    CommandPlan plan;
    plan.code = DeleteTableCode;
    plan.rounds = 1;
    plan.waitSeconds = 3.0;
    plan.prompt = Prompt::CallerKey;
    plan.promptBeforeSend = true;
    plan.focus = Field::RepeaterDelete;
    plan.timeout = timeoutNotice(focus);
    plan.outcomes = {
        successRow(0, tr("删除转发器内容成功！"), focus),
        {1, 1, stopNotice(tr("转发器中无此呼叫器！"), focus), Ending::Failed, Cause::Unit},
        {1, 0, stopNotice(tr("转发器内容为空！"), focus), Ending::Failed, Cause::Unit},
        {AnyLength, AnyStatus, lengthErrorNotice(focus)},
    };
    plan.failureText = tr("删除转发器内容失败!");
    return CommandRunner(link_, port_).run(plan, [] { return Built(QByteArray()); });
}

QByteArray Commands::replyPayload() const
{
    const auto& rx = link_.state().RxBuffer;
    return QByteArray(reinterpret_cast<const char*>(rx.data()) + 3, rx[2]);
}

} // namespace cs
