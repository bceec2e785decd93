#include "cli/CliHelp.h"
#include "cli/CliOptions.h"
#include "cli/HelpParts.h"
#include "cli/HelpTexts.h"
#include "reports/ImageEdits.h"
#include "reports/ReportKinds.h"
#include "shared/Outcome.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QRegularExpression>
#include <algorithm>

namespace cs::cli {

QString usageText()
{
    QList<Item> commands;
    for (const CommandInfo& entry : commandTable())
        commands.append({synopsis(entry), cliText(entry.summary)});
    return cliText(UsageLine) + QLatin1Char('\n') + wrapText(cliText(Description), HelpColumns)
        + QLatin1Char('\n') + cliText(CommandsHeading) + QLatin1Char('\n') + items(commands)
        + QLatin1Char('\n') + cliText(CommonHeading) + QLatin1Char('\n') + items(commonItems(true))
        + QLatin1Char('\n') + cliText(ExitHeading) + QLatin1Char('\n') + items(exitItems())
        + QLatin1Char('\n') + wrapText(cliText(Footer), HelpColumns);
}

QString commandHelpText(const QString& command)
{
    const CommandInfo* entry = commandNamed(command);
    if (!entry && !groupCommands(command).isEmpty()) {
        QList<Item> commands;
        for (const CommandInfo* member : groupCommands(command))
            commands.append({synopsis(*member), cliText(member->summary)});
        return cliText(GroupUsage).arg(command) + QLatin1Char('\n') + cliText(CommandsHeading)
            + QLatin1Char('\n') + items(commands) + QLatin1Char('\n')
            + wrapText(cliText(GroupFooter).arg(command), HelpColumns);
    }
    if (!entry)
        return usageText();
    QString text = cliText(CommandUsage).arg(synopsis(*entry)) + QLatin1Char('\n')
        + wrapText(cliText(entry->summary), HelpColumns);
    if (const QString more = details(*entry); !more.isEmpty())
        text += QLatin1Char('\n') + paragraph(more).chopped(1);
    if (const QList<Item> words = argumentItems(*entry); !words.isEmpty())
        text += QLatin1Char('\n') + cliText(ArgumentsHeading) + QLatin1Char('\n') + items(words);
    text += QLatin1Char('\n') + cliText(OptionsHeading) + QLatin1Char('\n')
        + items(optionItems(entry->options) + commonItems(false));
    if (entry->command == Command::PagersLoad)
        text += QLatin1Char('\n') + cliText(FileHeading) + QLatin1Char('\n')
            + wrapText(pagerFileFormat(), HelpColumns);
    return text;
}

} // namespace cs::cli
