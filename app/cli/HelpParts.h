#pragma once
// The pieces the help and the manual page are both made of, from the table of
// commands: items in two columns, a command's synopsis and details, the pager
// file format, and the items of options, arguments and exit statuses.

#include "cli/CliOptions.h"

#include <QList>
#include <QString>

namespace cs::cli {

struct Item {
    QString name;
    QString text;
};

// Items in two columns: the names indented by two, the texts wrapped beside them.
QString items(const QList<Item>& list);
// A paragraph wrapped to the help's width, with a blank line after it.
QString paragraph(const QString& text);
// "pager set NUMBER ADDRESS".
QString synopsis(const CommandInfo& entry);
// The command's further paragraphs, with their numbers filled in.
QString details(const CommandInfo& entry);
QString pagerFileFormat();
QList<Item> optionItems(const QList<OptionInfo>& options);
// The options of every command; `version`: with --version and --schema.
QList<Item> commonItems(bool version);
// The words an argument takes, as items: each report kind, setting, or the list's words.
QList<Item> argumentItems(const CommandInfo& entry);
QList<Item> exitItems();

} // namespace cs::cli
