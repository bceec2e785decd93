#include "commands/Commands.h"
#include "commands/CommandPattern.h"
#include "commands/FieldInput.h"

namespace cs {

namespace {

// Command codes of the configuration commands.
enum Code : std::uint8_t {
    SetPager = 0x01,
    SetReceiverNumber = 0x02,
    SetTable = 0x03, // n = 7; n = 0: repeater write
    DeletePager = 0x04,
    DeleteTable = 0x07, // n = 2; n = 0: repeater delete
    InitialiseReceiver = 0x08,
    InitialiseHost = 0x09,
    ReceiverFrequency = 0x0A,
    TransmitterFrequencyCode = 0x0B,
    SetHurryButton = 0x11,
    DeleteHurryButton = 0x12,
    InfoUnitType = 0x13,
    WorkMode = 0x17,
};

QString setPagerFailure()
{
    return Commands::tr("设置传呼号失败!");
}

// A whole-number field that must hold a value in lo..hi.
std::optional<std::uint64_t> inRange(const QString& text, std::uint64_t lo, std::uint64_t hi)
{
    const auto v = wholeNumber(text);
    if (!v || *v < lo || *v > hi)
        return std::nullopt;
    return v;
}

QByteArray bytes(std::initializer_list<std::uint64_t> values)
{
    QByteArray out;
    for (auto v : values)
        out.append(char(std::uint8_t(v)));
    return out;
}

} // namespace

// Command1: set pager.
Outcome Commands::setPager(const QString& number, const QString& address, int model, int polarity,
                           int rate, int tone)
{
    CommandPlan plan;
    plan.code = SetPager;
    plan.rounds = 3;
    plan.waitSeconds = 1.0;
    plan.focus = Field::PagerNumber;
    plan.timeout = timeoutNotice(true);
    plan.outcomes = {
        successRow(0, tr("设置传呼号成功！"), true),
        {AnyLength, AnyStatus, lengthErrorNotice(false)},
    };
    plan.failureText = setPagerFailure();
    plan.failureFocus = Field::PagerNumber;

    return CommandRunner(link_, port_).run(plan, [&] {
        return pagerRequest(number, address, model, polarity, rate, tone);
    });
}

Built Commands::pagerRequest(const QString& number, const QString& address, int model, int polarity,
                             int rate, int tone)
{
    const QString numberMessage = tr("传呼号必须为1-254的数字！");
    const auto pager = inRange(number, 1, 254);
    if (!pager)
        return Refusal{numberMessage, Field::PagerNumber};
    const QString addressMessage = tr("地址码应为7位数字！");
    if (!inRange(address, 0, 9999999))
        return Refusal{addressMessage, Field::AddressCode};

    const int type = pagerTypeCode(model, rate);
    const auto digits = addressDigits(address);
    if (type < 0 || polarity < 0 || polarity > 1 || tone < 0 || tone > 3 || !digits)
        return BuildFailure{};
    QByteArray payload = bytes({*pager / 100, *pager % 100, std::uint64_t(type / 10),
                                std::uint64_t(type % 10), std::uint64_t(polarity)});
    payload.append(*digits);
    payload.append(char(tone));
    return payload;
}

QString Commands::pagerProblem(const QString& number, const QString& address, int model,
                               int polarity, int rate, int tone)
{
    const Built built = pagerRequest(number, address, model, polarity, rate, tone);
    if (const auto* refusal = std::get_if<Refusal>(&built))
        return refusal->text;
    if (std::holds_alternative<BuildFailure>(built))
        return setPagerFailure();
    return QString();
}

// Command4: delete pager.
Outcome Commands::deletePager(const QString& number)
{
    const bool focus = true;
    CommandPlan plan;
    plan.code = DeletePager;
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

    return CommandRunner(link_, port_).run(plan, [&]() -> Built {
        const auto pager = inRange(number, 1, 254);
        if (!pager)
            return Refusal{tr("传呼号必须为1-254的数字！"), Field::DeletedPager};
        return bytes({*pager});
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
    plan.code = SetTable;
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

    return CommandRunner(link_, port_).run(plan, [&]() -> Built {
        const Field tableField = Field::TableNumber;
        const auto tableNumber = wholeNumber(table);
        if (!tableNumber)
            return Refusal{tr("餐桌号只能为数字！"), tableField};
        if (*tableNumber < 1 || *tableNumber > 65535)
            return Refusal{tr("餐桌号必须为1-65535的数字！"), tableField};

        // Optional fields: empty is sent as 0xFF (not set).
        std::uint64_t pagers[3];
        const QString* pagerTexts[3] = {&pager1, &pager2, &pager3};
        for (int i = 0; i < 3; ++i) {
            pagers[i] = 0xFF;
            if (pagerTexts[i]->isEmpty())
                continue;
            const auto v = inRange(*pagerTexts[i], 1, 255);
            if (!v)
                return Refusal{tr("传呼号必须为1-255的数字！"), Field(int(Field::TablePager1) + i)};
            pagers[i] = *v;
        }
        std::uint64_t keyValue = 0xFF;
        if (!key.isEmpty()) {
            const auto v = inRange(key, 0, 99);
            if (!v)
                return Refusal{tr("键值只能是00-99的数字！"), Field::OwnKey};
            keyValue = *v;
        }
        return bytes({0x00, *tableNumber / 256, *tableNumber % 256, pagers[0], pagers[1], pagers[2],
                      keyValue});
    });
}

// Command5: delete table.
Outcome Commands::deleteTable(const QString& table)
{
    const bool focus = true;
    CommandPlan plan;
    plan.code = DeleteTable;
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

    return CommandRunner(link_, port_).run(plan, [&]() -> Built {
        const Field field = Field::DeletedTable;
        const auto tableNumber = wholeNumber(table);
        if (!tableNumber)
            return Refusal{tr("餐桌号码只能为数字！"), field};
        if (*tableNumber < 1 || *tableNumber > 65535)
            return Refusal{tr("餐桌号码必须为1-65535的数字！"), field};
        return bytes({*tableNumber / 256, *tableNumber % 256});
    });
}

namespace {

Built hurryButtonNumber(const QString& text, Field field)
{
    const auto v = inRange(text, 1, 9);
    if (!v)
        return Refusal{Commands::tr("催菜器号码必须为1-9的数字！"), field};
    return bytes({*v});
}

} // namespace

// Command19: set hurry button; the host learns it from a key and #.
Outcome Commands::setHurryButton(const QString& number)
{
    const Field field = Field::HurryButton;
    CommandPlan plan;
    plan.code = SetHurryButton;
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
    plan.code = DeleteHurryButton;
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
    plan.code = SetReceiverNumber;
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
    return CommandRunner(link_, port_).run(plan, [&]() -> Built {
        const auto v = inRange(number, 1, 80);
        if (!v)
            return Refusal{tr("接收器号码必须为01-80的数字！"), field};
        return bytes({*v});
    });
}

// Command13: receiver frequency, for one receiver or (Text10 empty) for all.
// This command moves no focus.
Outcome Commands::setReceiverFrequency(const QString& frequencyText, int position,
                                       const QString& receiver)
{
    CommandPlan plan;
    plan.code = ReceiverFrequency;
    plan.rounds = 3;
    plan.waitSeconds = 1.0;
    plan.timeout = timeoutNotice(false);
    plan.outcomes = {
        successRow(0, tr("接收器频率写入成功！"), false),
        {AnyLength, AnyStatus, lengthErrorNotice(false)},
    };
    plan.failureText = tr("接收器频率写入失败!");
    return CommandRunner(link_, port_).run(plan, [&]() -> Built {
        if (frequencyText.isEmpty())
            return Refusal{tr("请选择接收器的频率！")};
        std::optional<std::uint64_t> number;
        if (!receiver.isEmpty()) {
            number = inRange(receiver, 1, 80);
            if (!number)
                return Refusal{tr("接收器号码必须为1-80的数字！")};
        }
        // A text that is not one of the eight items selects no position.
        if (position < 0 || position > 7)
            return BuildFailure{};
        return number ? bytes({std::uint64_t(position), *number})
                      : bytes({std::uint64_t(position)});
    });
}

// Command6: initialise receiver.
Outcome Commands::initialiseReceiver()
{
    CommandPlan plan;
    plan.code = InitialiseReceiver;
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
    return CommandRunner(link_, port_).run(plan, [&]() -> Built {
        const TransmitterFrequency f = transmitterFrequency(megahertz);
        switch (f.check) {
        case FrequencyCheck::NotNumeric: return Refusal{tr("频率值里不能输入非法数值!"), field};
        case FrequencyCheck::OutOfRange: return Refusal{tr("频率值应在100到500之间！"), field};
        case FrequencyCheck::OffRaster: return Refusal{tr("频率值必须为12.5K的倍数！"), field};
        case FrequencyCheck::Ok: break;
        }
        return bytes({f.units >> 16, (f.units >> 8) & 0xFF, f.units & 0xFF});
    });
}

// Command11: work mode. No focus moves; a length error is a stop box here.
Outcome Commands::setWorkMode(int position)
{
    CommandPlan plan;
    plan.code = WorkMode;
    plan.rounds = 3;
    plan.waitSeconds = 1.0;
    plan.timeout = timeoutNotice(false);
    plan.outcomes = {
        successRow(0, tr("设置工作模式成功！"), false),
        {AnyLength, AnyStatus, lengthErrorNotice(false, tr("返回数据长度错误"), Style::Stop)},
    };
    plan.failureText = tr("工作模式设置失败！");
    return CommandRunner(link_, port_).run(plan, [&]() -> Built {
        if (position < 0 || position > 2)
            return BuildFailure{};
        return bytes({std::uint64_t(position)});
    });
}

// Command20: info unit type, 0xFF for a digital unit, 0x00 for a voice unit.
Outcome Commands::setInfoUnitType(int position)
{
    const bool digital = position == 0;
    CommandPlan plan;
    plan.code = InfoUnitType;
    plan.rounds = 2;
    plan.waitSeconds = 1.0;
    plan.timeout = timeoutNotice(false);
    plan.outcomes = {
        successRow(0, digital ? tr("信息机类型设为数字机！") : tr("信息机类型设为语音机！"), false),
        {AnyLength, AnyStatus, lengthErrorNotice(false)},
    };
    plan.failureText = tr("设置信息机类型失败!");
    return CommandRunner(link_, port_).run(plan, [&]() -> Built {
        if (position < 0 || position > 1)
            return BuildFailure{};
        return bytes({digital ? 0xFFu : 0x00u});
    });
}

// Command7: initialise host unit (erases everything it stores) after a question.
Outcome Commands::initialiseHost()
{
    CommandPlan plan;
    plan.code = InitialiseHost;
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
    plan.code = SetTable;
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
    plan.code = DeleteTable;
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
