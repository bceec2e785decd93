#include "reports/Reports.h"

namespace cs {

namespace {

const QString CrLf = QStringLiteral("\r\n");

QChar hexDigit(int nibble)
{
    return QLatin1Char("0123456789ABCDEF"[nibble & 0x0F]);
}

QString hexByte(std::uint8_t b)
{
    return QString(hexDigit(b >> 4)) + hexDigit(b);
}

QString spaces(int n)
{
    return QString(n, QLatin1Char(' '));
}

// A pager slot or key value: "无" for none, else signed decimal.
QString slotText(const std::optional<std::uint8_t>& v)
{
    return v ? signedDecimal(*v) : QStringLiteral("无");
}

} // namespace

QStringList reportKindCaptions()
{
    return {
        QStringLiteral("传呼号"), QStringLiteral("餐桌号"), QStringLiteral("工作模式"),
        QStringLiteral("发射机频率"), QStringLiteral("接收机频率"), QStringLiteral("信息机类型"),
        QStringLiteral("语音提示语种"), QStringLiteral("呼叫发起人"), QStringLiteral("按键提示语"),
        QStringLiteral("手持呼叫器提示"),
    };
}

QString signedDecimal(int value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

QString signedFrequency(double megahertz)
{
    // Fixed point at 100 Hz resolution, then trailing zeros and a bare point dropped.
    QString text = QString::number(megahertz, 'f', 4);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text.startsWith(QLatin1Char('-')) ? text : QLatin1Char(' ') + text;
}

QString pagerLine(int number, const PagerRecord& pager)
{
    QString line;
    line.reserve(64);
    line += QString::number(number).rightJustified(4) + spaces(4);
    for (int i = 0; i < 6; ++i)
        line += QString(hexDigit(pager.addressDigits[size_t(i)])) + QLatin1Char(' ');
    line += QString(hexDigit(pager.addressDigits[6])) + spaces(5);
    line += (pager.polarity == Polarity::Positive ? QStringLiteral("正") : QStringLiteral("反")) + spaces(5);
    if (pager.type)
        line += modelText(pager.type->model) + spaces(4) + rateText(pager.type->rate) + spaces(3);
    if (pager.tone)
        line += QStringLiteral(" 音调") + QString::number(*pager.tone + 1);
    line += CrLf;
    return line;
}

QString pagerReport(const HostMemory& host)
{
    QString text;
    text.reserve(layout::PagerCount * 64);
    for (int n = 1; n <= layout::PagerCount; ++n)
        if (const auto pager = host.pager(n))
            text += pagerLine(n, *pager);
    if (text.isEmpty())
        return QStringLiteral("不存在传呼号！");
    return text;
}

QString tableLine(const TableRecord& table)
{
    QString line;
    line.reserve(64);
    const QString number = signedDecimal(table.tableNumber);
    line += number + spaces(8 - int(number.size()));
    line += hexByte(table.featureCode[0]) + spaces(2) + hexByte(table.featureCode[1]) + spaces(2)
        + hexByte(table.featureCode[2]) + spaces(3);
    line += slotText(table.pagers[0]) + spaces(6);
    line += slotText(table.pagers[1]) + spaces(7);
    line += slotText(table.pagers[2]) + spaces(7);
    line += slotText(table.keyValue);
    line += CrLf;
    return line;
}

std::optional<QString> tableReport(const HostMemory& host)
{
    const TableCount count = host.tableCount();
    if (!count.valid())
        return std::nullopt;
    QString text;
    text.reserve((count.count() + 1) * 48);
    text += QStringLiteral("共有") + signedDecimal(count.count()) + QStringLiteral("个餐桌号：") + CrLf;
    for (int k = 0; k < count.count(); ++k)
        text += tableLine(host.table(k));
    return text;
}

QString workModeReport(const HostMemory& host)
{
    return QStringLiteral("当前工作类型为：") + CrLf + workModeText(host.workMode());
}

QString transmitterFrequencyReport(const HostMemory& host)
{
    if (!host.transmitterFrequencySet())
        return QStringLiteral("发射机频率为出厂默认频率 430.225MHz");
    return QStringLiteral("发射机频率为") + signedFrequency(host.transmitterFrequencyMHz()) + QStringLiteral("MHz");
}

QString receiverFrequencyReport(const ReceiverMemory& receiver)
{
    const auto listed = receiver.listedFrequencyMHz();
    if (!listed)
        return QStringLiteral("接收机的频率为出厂默认频率 315.6MHz");
    return QStringLiteral("接收机的频率为") + signedFrequency(*listed) + QStringLiteral("MHz");
}

QString infoUnitTypeReport(const HostMemory& host)
{
    return host.infoUnitType() == InfoUnitType::Voice ? QStringLiteral("信息机类型为“语音机”")
                                                      : QStringLiteral("信息机类型为“数字机”");
}

QString numberPronunciationReport(const HostMemory& host)
{
    const auto p = host.numberPronunciation();
    if (!p)
        return QStringLiteral("当前没有设置过语音机的提示语种！");
    return *p == NumberPronunciation::Chinese ? QStringLiteral("当前语音机的提示语种为“汉语”")
                                              : QStringLiteral("当前语音机的提示语种为“英语”");
}

QString callOriginatorReport(const HostMemory& host)
{
    const CodeSetting s = host.callOriginator();
    if (!s.set)
        return QStringLiteral("当前呼叫发起人的类型没有设置");
    // The word stands in quotation marks, like the key prompts; code 9 has no word.
    if (s.text.isEmpty())
        return QStringLiteral("呼叫发起人的设置为：");
    return QStringLiteral("呼叫发起人的设置为：“") + s.text + QStringLiteral("”");
}

QString keyPromptsReport(const HostMemory& host)
{
    QString text;
    for (int key = 1; key <= layout::KeyCount; ++key) {
        const CodeSetting s = host.keyPrompt(key);
        const QString lead = QStringLiteral("按键") + QString::number(key);
        text += s.set ? lead + QStringLiteral("的语音提示内容为：") + s.text
                      : lead + QStringLiteral("的语音提示内容没有设置");
        text += CrLf;
    }
    return text;
}

QString handheldPromptsReport(const HostMemory& host)
{
    const auto line = [](const QString& lead, const CodeSetting& s) {
        QString text = lead;
        if (!s.set)
            text += QStringLiteral("此内容没有设置");
        else if (!s.text.isEmpty())
            text += QStringLiteral("“") + s.text + QStringLiteral("”找您取（去）**桌");
        return text + CrLf;
    };
    return line(QStringLiteral("按餐桌号呼叫的方式为："), host.handheldByTable())
        + line(QStringLiteral("按传呼号呼叫的方式为："), host.handheldByPager());
}

} // namespace cs
