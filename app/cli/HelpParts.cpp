#include "cli/HelpParts.h"
#include "cli/HelpTexts.h"
#include "cli/TextWrap.h"
#include "reports/ImageEdits.h"
#include "reports/ReportKinds.h"
#include "shared/Outcome.h"

#include <algorithm>

namespace cs::cli {

// Items in two columns: the names indented by two, the texts wrapped beside them.
QString items(const QList<Item>& list)
{
    int widest = 0;
    for (const Item& item : list)
        widest = std::max(widest, displayWidth(item.name));
    const int column = 2 + std::min(widest, 26) + 2;
    QString out;
    for (const Item& item : list) {
        const QString head = QStringLiteral("  ") + item.name;
        const QStringList lines = wrapLines(item.text, HelpColumns - column);
        int i = 0;
        if (displayWidth(head) + 2 > column)
            out += head + QLatin1Char('\n');
        else
            out += head + spaces(column - displayWidth(head)) + lines[i++] + QLatin1Char('\n');
        for (; i < lines.size(); ++i)
            out += spaces(column) + lines[i] + QLatin1Char('\n');
    }
    return out;
}

QString paragraph(const QString& text)
{
    return wrapText(text, HelpColumns) + QLatin1Char('\n');
}

QString synopsis(const CommandInfo& entry)
{
    QStringList words{QLatin1String(entry.name)};
    for (const ArgumentInfo& argument : entry.arguments)
        words << QLatin1String(argument.name);
    return words.join(QLatin1Char(' '));
}

QString details(const CommandInfo& entry)
{
    if (!entry.details)
        return {};
    const QString text = cliText(entry.details);
    switch (entry.command) {
    case Command::TableSet: return text.arg(promptWords(Prompt::CallerKey));
    case Command::PagersLoad: return text.arg(PagerProblemsListed);
    default: return text;
    }
}

QString pagerFileFormat()
{
    const QString comma = cliText(QT_TRANSLATE_NOOP("cli", ", "));
    const QStringList defaults = {pagerModels().text(DefaultModel),
                                  pagerPolarities().text(DefaultPolarity),
                                  pagerRates().text(DefaultRate), pagerTones().text(DefaultTone)};
    return cliText(PagerFileFormat).arg(defaults.join(comma));
}

QList<Item> optionItems(const QList<OptionInfo>& options)
{
    QList<Item> out;
    for (const OptionInfo& option : options)
        out.append({optionCall(option), optionHelp(option)});
    return out;
}

QList<Item> commonItems(bool version)
{
    QList<Item> out = optionItems(commonOptions());
    if (version)
        out.append({QStringLiteral("--version"), cliText(VersionHelp)});
    if (version)
        out.append({QStringLiteral("--schema"), cliText(SchemaHelp)});
    return out;
}

// The words an argument takes, as items: each report kind, or the list's words.
QList<Item> argumentItems(const CommandInfo& entry)
{
    QList<Item> out;
    for (const ArgumentInfo& argument : entry.arguments) {
        if (argument.words)
            out.append({QLatin1String(argument.name), wordsHelp(*argument.words)});
        if (argument.reportKinds) {
            for (const ReportKindInfo& kind : reportKinds())
                out.append({QLatin1String(kind.name),
                            cliText(QT_TRANSLATE_NOOP("cli", "%1 (%2)"))
                                .arg(kind.summaryText(), kind.captionText())});
            const ReportKindInfo& all = allReportKinds();
            out.append({QLatin1String(all.name), all.summaryText()});
        }
        if (argument.settings) {
            for (const SettingInfo& setting : editableSettings()) {
                QString text = cliText(setting.help);
                if (setting.words)
                    text = cliText(QT_TRANSLATE_NOOP("cli", "%1: %2"))
                               .arg(text,
                                    wordsHelp(*setting.words)
                                        + (setting.unsettable ? QStringLiteral(", ") + notSetWord()
                                                              : QString()));
                out.append({QLatin1String(setting.name), text});
            }
        }
    }
    return out;
}

QList<Item> exitItems()
{
    QList<Item> out;
    for (int status = 0; status < 3; ++status)
        out.append({QString::number(status), cliText(ExitTexts[status])});
    return out;
}

} // namespace cs::cli
