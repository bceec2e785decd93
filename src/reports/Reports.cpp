#include "reports/Reports.h"
#include "shared/Language.h"

#include <QCoreApplication>

#include <algorithm>

namespace cs {

namespace {

// The reports' texts, translated under the context "Reports".
struct ReportText {
    Q_DECLARE_TR_FUNCTIONS(Reports)
};

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

// True when the words are translated (they are written in Chinese).
bool translated()
{
    return installedLanguage() != Language::Chinese;
}

// A word of a column, before the blanks that follow it. The Chinese words
// stand as they are. Translated words differ in length, so each is padded to
// the longest word of its column: the columns stay under their headings.
QString columnWord(const QString& word, const QStringList& column)
{
    if (!translated())
        return word;
    qsizetype width = 0;
    for (const QString& w : column)
        width = std::max(width, w.size());
    return word.leftJustified(width);
}

// A pager slot or key value: "无" for none, else signed decimal.
QString slotText(const std::optional<std::uint8_t>& v)
{
    return v ? signedDecimal(*v) : ReportText::tr("无");
}

// A pager slot as a column: as wide as the widest value it can hold.
QString slotColumn(const std::optional<std::uint8_t>& v)
{
    return columnWord(slotText(v), {ReportText::tr("无"), signedDecimal(255)});
}

} // namespace

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

QString addressText(const PagerRecord& pager)
{
    QString text;
    for (const std::uint8_t digit : pager.addressDigits)
        text += hexDigit(digit);
    return text;
}

QString featureText(const TableRecord& table)
{
    QString text;
    for (const std::uint8_t b : table.featureCode)
        text += hexByte(b);
    return text;
}

QString pagerLine(int number, const PagerRecord& pager)
{
    QString line;
    line.reserve(64);
    line += QString::number(number).rightJustified(4) + spaces(4);
    for (int i = 0; i < 6; ++i)
        line += QString(hexDigit(pager.addressDigits[size_t(i)])) + QLatin1Char(' ');
    line += QString(hexDigit(pager.addressDigits[6])) + spaces(5);
    const Vocabulary& polarities = pagerPolarities();
    line += columnWord(polarities.text(int(pager.polarity)), polarities.listTexts()) + spaces(5);
    if (pager.type) {
        const Vocabulary& models = pagerModels();
        const Vocabulary& rates = pagerRates();
        line += columnWord(models.text(int(pager.type->model)), models.listTexts()) + spaces(4)
            + columnWord(rates.text(int(pager.type->rate)), rates.listTexts()) + spaces(3);
    }
    if (pager.tone)
        line += QLatin1Char(' ') + pagerTones().text(*pager.tone);
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
        return ReportText::tr("不存在传呼号！");
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
    line += slotColumn(table.pagers[0]) + spaces(6);
    line += slotColumn(table.pagers[1]) + spaces(7);
    line += slotColumn(table.pagers[2]) + spaces(7);
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
    text += ReportText::tr("共有%1个餐桌号：").arg(signedDecimal(count.count())) + CrLf;
    for (int k = 0; k < count.count(); ++k)
        text += tableLine(host.table(k));
    return text;
}

QString workModeReport(const HostMemory& host)
{
    return ReportText::tr("当前工作类型为：") + CrLf + workModes().text(int(host.workMode()));
}

QString transmitterFrequencyReport(const HostMemory& host)
{
    if (!host.transmitterFrequencySet())
        return ReportText::tr("发射机频率为出厂默认频率 430.225MHz");
    return ReportText::tr("发射机频率为%1MHz").arg(signedFrequency(host.transmitterFrequencyMHz()));
}

QString infoUnitTypeReport(const HostMemory& host)
{
    return ReportText::tr("信息机类型为“%1”").arg(infoUnitTypes().text(int(host.infoUnitType())));
}

QString numberPronunciationReport(const HostMemory& host)
{
    const auto p = host.numberPronunciation();
    if (!p)
        return ReportText::tr("当前没有设置过语音机的提示语种！");
    return ReportText::tr("当前语音机的提示语种为“%1”").arg(numberLanguages().text(int(*p)));
}

QString callOriginatorReport(const HostMemory& host)
{
    const CodeSetting s = host.callOriginator();
    if (!s.set)
        return ReportText::tr("当前呼叫发起人的类型没有设置");
    // The word stands in quotation marks, like the key prompts; code 9 has no word.
    if (!s.hasWord())
        return ReportText::tr("呼叫发起人的设置为：");
    return ReportText::tr("呼叫发起人的设置为：“%1”").arg(callOriginators().text(s.code));
}

QString keyPromptsReport(const HostMemory& host)
{
    QString text;
    for (int key = 1; key <= layout::KeyCount; ++key) {
        const CodeSetting s = host.keyPrompt(key);
        const QString number = QString::number(key);
        text += s.set
            ? ReportText::tr("按键%1的语音提示内容为：%2").arg(number, getvoicevalue(s.code))
            : ReportText::tr("按键%1的语音提示内容没有设置").arg(number);
        text += CrLf;
    }
    return text;
}

QString handheldPromptsReport(const HostMemory& host)
{
    const auto line = [](const QString& lead, const CodeSetting& s) {
        QString text = lead;
        if (!s.set)
            text += ReportText::tr("此内容没有设置");
        else if (s.hasWord())
            text += ReportText::tr("“%1”找您取（去）**桌").arg(handheldPlaces().text(s.code));
        return text + CrLf;
    };
    return line(ReportText::tr("按餐桌号呼叫的方式为："), host.handheldByTable())
        + line(ReportText::tr("按传呼号呼叫的方式为："), host.handheldByPager());
}

} // namespace cs
