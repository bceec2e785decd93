#include "cli/CliHelp.h"
#include "cli/CliOptions.h"
#include "reports/ImageEdits.h"
#include "reports/ReportKinds.h"
#include "shared/Outcome.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>

namespace cs::cli {

namespace {

// The texts of the help and the manual page, in the order they appear.
const char* const UsageLine = QT_TRANSLATE_NOOP(
    "cli", "Usage: callsetup-cli [OPTIONS] COMMAND [ARGUMENTS] [OPTIONS]");
const char* const CommandUsage = QT_TRANSLATE_NOOP("cli", "Usage: callsetup-cli %1 [OPTIONS]");
const char* const Purpose = QT_TRANSLATE_NOOP(
    "cli", "set up the host unit of a restaurant wireless calling system");
const char* const Description = QT_TRANSLATE_NOOP(
    "cli",
    "Sets up the host unit of a restaurant wireless calling system over a serial line: "
    "the commands of the main window of callsetup and of its data backup window, and "
    "batch work, on the same core functions as the windows. Messages are the windows' "
    "own texts on standard error; reports and dumps go to standard output.");
const char* const LineDescription = QT_TRANSLATE_NOOP(
    "cli",
    "The line runs at 9600 baud, 8 data bits, no parity, 1 stop bit. A backup of the "
    "unit's memory is a .cat file of 8192 raw bytes, without a header. Reports and "
    "dumps are UTF-8 with CR LF line ends, as the windows show them. While a long "
    "operation runs, a progress line fits the terminal's width on standard error when "
    "that is a terminal (not with TERM=dumb).");
const char* const StopDescription = QT_TRANSLATE_NOOP(
    "cli",
    "The first Ctrl+C during a read, a download, a pager load or table learning ends it "
    "after the block or row in progress and says how far it got; a second Ctrl+C ends "
    "the program at once.");
const char* const FastDescription = QT_TRANSLATE_NOOP(
    "cli",
    "Without --fast every wait is sat out as in the windows (a host read takes 12.8 s); "
    "with it a wait ends as soon as a complete, checked reply has arrived (about 9.8 s).");
const char* const CommandsHeading = QT_TRANSLATE_NOOP("cli", "Commands:");
const char* const CommonHeading = QT_TRANSLATE_NOOP("cli", "Options of every command:");
const char* const OptionsHeading = QT_TRANSLATE_NOOP("cli", "Options:");
const char* const ArgumentsHeading = QT_TRANSLATE_NOOP("cli", "Arguments:");
const char* const ExitHeading = QT_TRANSLATE_NOOP("cli", "Exit status:");
const char* const FileHeading = QT_TRANSLATE_NOOP("cli", "File format:");
const char* const VersionHelp = QT_TRANSLATE_NOOP("cli", "show the program's version");
const char* const AllKind = QT_TRANSLATE_NOOP("cli", "everything the backup holds (json)");
const char* const SchemaHelp = QT_TRANSLATE_NOOP(
    "cli", "print the JSON Schema of the document that report all writes and apply reads");
const char* const Footer = QT_TRANSLATE_NOOP(
    "cli",
    "\"callsetup-cli COMMAND --help\" shows the words and options of a command; the "
    "manual page callsetup-cli(1) tells more.");
const char* const ExitTexts[] = {
    QT_TRANSLATE_NOOP("cli", "done (an empty list too)"),
    QT_TRANSLATE_NOOP("cli",
                      "the operation was attempted and failed: port, line, unit, a file "
                      "or standard output that could not be written, a stop by Ctrl+C; "
                      "diff: the backups differ"),
    QT_TRANSLATE_NOOP("cli",
                      "refused before anything was sent: wrong usage, a refused value, "
                      "bad rows of a pager file, an input file that is missing, "
                      "unreadable or misnamed, a declined question"),
};
const char* const PagerFileFormat = QT_TRANSLATE_NOOP(
    "cli",
    "The first line is the header number,address,model,polarity,rate,tone; then one "
    "pager a row. Empty cells take the main window's selections at start-up (%1). A "
    "list cell takes the list's export word, its Chinese text or its number, as the "
    "options of pager set do. The file may be UTF-8, with or without a byte-order mark, "
    "or GB18030 (what spreadsheets on Chinese Windows save), with CR LF or LF line "
    "ends; empty cells after the sixth and rows of empty cells are ignored. report "
    "pagers --format csv writes exactly this format.");
const char* const SerialPorts[] = {
    QT_TRANSLATE_NOOP("cli",
                      "--port takes COM1 to COM8, as the window's port list does, or "
                      "the path of a serial device."),
    QT_TRANSLATE_NOOP("cli",
                      "On Linux, COMn is the device that the per-user link "
                      "~/.config/callsetup/dosdevices/comN points to, when that link "
                      "exists (the convention Wine uses for its DOS devices). "
                      "Otherwise COMn is the n-th serial port present on the machine: "
                      "first the built-in ports that really exist, by number, then USB "
                      "and ACM adapters, by device name. When fewer than n ports are "
                      "present, COMn is /dev/ttyS(n-1). The mapping is looked up each "
                      "time the port is opened, so an adapter plugged in later is "
                      "reached; the command ports shows it. For example, to reach a "
                      "USB adapter as COM3:"),
    QT_TRANSLATE_NOOP("cli", "On Windows, COMn is the port COMn."),
    QT_TRANSLATE_NOOP("cli",
                      "One program at a time uses a device: while the port is open, the "
                      "device its name leads to is locked, so a second program, or the "
                      "same device through a symbolic link such as "
                      "/dev/serial/by-id/... or another COM name, cannot open it and "
                      "gets the port message, which says the port is in use. When a "
                      "port does not open, a second line gives the system's reason. On "
                      "Linux the user needs to be in the dialout group to open serial "
                      "ports (sudo adduser $USER dialout, then log in again)."),
};
const char* const LinkExample = "mkdir -p ~/.config/callsetup/dosdevices\n"
                                "ln -sf /dev/ttyUSB0 ~/.config/callsetup/dosdevices/com3";
const char* const Environment[][2] = {
    {"CALLSETUP_PORT_LINKS",
     QT_TRANSLATE_NOOP("cli",
                       "the folder of the per-user port links, instead of "
                       "~/.config/callsetup/dosdevices")},
    {"XDG_CONFIG_HOME",
     QT_TRANSLATE_NOOP("cli",
                       "where the folder callsetup/dosdevices of the port links is "
                       "looked for, instead of ~/.config")},
    {"LANGUAGE, LC_ALL, LC_MESSAGES, LANG",
     QT_TRANSLATE_NOOP("cli",
                       "the first of them that is set chooses the language of the "
                       "texts: English for an English locale (en, en_GB.UTF-8 ...), "
                       "Chinese for every other, C, POSIX and an unset locale included; "
                       "--lang overrides them")},
    {"TERM", QT_TRANSLATE_NOOP("cli", "dumb: no progress line")},
    {"CALLSETUP_DEBUG",
     QT_TRANSLATE_NOOP("cli",
                       "when set, Qt's own warnings and debug notes "
                       "are shown on standard error")},
};
const char* const Files[][2] = {
    {"~/.config/callsetup/dosdevices/comN",
     QT_TRANSLATE_NOOP("cli", "per-user link that makes COMn reach the device it points to")},
    {"FILE.cat",
     QT_TRANSLATE_NOOP("cli",
                       "a backup of the host unit's memory: 8192 raw bytes, "
                       "without a header")},
};
const char* const Examples[][2] = {
    {"callsetup-cli --port COM1 pager set 12 1234567 --model new --polarity 正 --rate 2400 "
     "--tone 2",
     QT_TRANSLATE_NOOP("cli", "set pager 12 through the port COM1")},
    {"callsetup-cli table set 5 --pagers 12,13 --key 3",
     QT_TRANSLATE_NOOP("cli",
                       "bind table 5 to the caller whose service key is pressed next; "
                       "its calls go to pagers 12 and 13")},
    {"callsetup-cli init --yes",
     QT_TRANSLATE_NOOP("cli",
                       "initialise the host unit from a "
                       "script")},
    {"callsetup-cli --fast pagers load staff.csv",
     QT_TRANSLATE_NOOP("cli", "set the pagers of a file, each wait ending with its reply")},
    {"callsetup-cli --fast tables learn 1-200",
     QT_TRANSLATE_NOOP("cli", "learn the callers of tables 1 to 200, one key press each")},
    {"callsetup-cli read --verify old-unit.cat",
     QT_TRANSLATE_NOOP("cli",
                       "before replacing a unit: read it twice and save what both "
                       "reads agree on")},
    {"callsetup-cli write --verify old-unit.cat",
     QT_TRANSLATE_NOOP("cli", "download the backup into the new unit and read it back")},
    {"callsetup-cli report pagers unit7.cat --format csv > pagers.csv",
     QT_TRANSLATE_NOOP("cli", "the pagers of a backup as a pager file, for pagers load")},
    {"callsetup-cli report all unit7.cat",
     QT_TRANSLATE_NOOP("cli", "everything a backup holds, as JSON")},
    {"callsetup-cli diff before.cat after.cat",
     QT_TRANSLATE_NOOP("cli", "what changed from one backup to the other")},
};
// Headings of the manual page.
const char* const ManName = QT_TRANSLATE_NOOP("cli", "NAME");
const char* const ManSynopsis = QT_TRANSLATE_NOOP("cli", "SYNOPSIS");
const char* const ManDescription = QT_TRANSLATE_NOOP("cli", "DESCRIPTION");
const char* const ManCommands = QT_TRANSLATE_NOOP("cli", "COMMANDS");
const char* const ManOptions = QT_TRANSLATE_NOOP("cli", "OPTIONS");
const char* const ManPagerFile = QT_TRANSLATE_NOOP("cli", "PAGER FILE FORMAT");
const char* const ManSerialPorts = QT_TRANSLATE_NOOP("cli", "SERIAL PORTS");
const char* const ManEnvironment = QT_TRANSLATE_NOOP("cli", "ENVIRONMENT");
const char* const ManExit = QT_TRANSLATE_NOOP("cli", "EXIT STATUS");
const char* const ManFiles = QT_TRANSLATE_NOOP("cli", "FILES");
const char* const ManExamples = QT_TRANSLATE_NOOP("cli", "EXAMPLES");
const char* const ManSeeAlso = QT_TRANSLATE_NOOP("cli", "SEE ALSO");
const char* const ManSection = QT_TRANSLATE_NOOP("cli", "User Commands");
// The page's date, as QLocale::c() writes it.
const char* const ManDate = QT_TRANSLATE_NOOP("cli", "MMMM yyyy");

// East Asian wide characters: CJK, Hangul, full-width forms.
bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F)
        || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF)
        || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
        || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

// Wide punctuation that never starts a line, and that never ends one.
bool closing(char32_t c)
{
    return c <= 0xFFFF && QStringView(u"，。、；：？！）」』”’》").contains(QChar(char16_t(c)));
}

bool opening(char32_t c)
{
    return c <= 0xFFFF && QStringView(u"（「『“‘《").contains(QChar(char16_t(c)));
}

// One unit of wrapping; `blank` when blanks stand before it.
struct Piece {
    QList<char32_t> text;
    int width = 0;
    bool blank = false;
};

// A word of a list ("音调1") is kept whole; Chinese prose, which has no
// blanks, may break between any two wide characters (not before closing or
// after opening punctuation).
constexpr int LongestWord = 12;

QList<Piece> pieces(const QString& text)
{
    // Words: runs without blanks, also ended after closing wide punctuation.
    QList<Piece> words;
    bool blank = false, split = true;
    for (const char32_t c : text.toUcs4()) {
        if (c == U' ' || c == U'\n') {
            blank = split = true;
            continue;
        }
        if (split || opening(c))
            words.append(Piece{{}, 0, blank});
        words.last().text.append(c);
        words.last().width += isWide(c) ? 2 : 1;
        split = closing(c);
        blank = false;
    }
    QList<Piece> out;
    for (const Piece& word : words) {
        const bool prose = word.width > LongestWord
            && std::any_of(word.text.begin(), word.text.end(), isWide);
        if (!prose) {
            out.append(word);
            continue;
        }
        bool first = true, lastWide = false, glue = false;
        for (const char32_t c : word.text) {
            const bool wide = isWide(c);
            if (first || (!glue && !closing(c) && (wide || lastWide)))
                out.append(Piece{{}, 0, first && word.blank});
            out.last().text.append(c);
            out.last().width += wide ? 2 : 1;
            glue = opening(c);
            lastWide = wide;
            first = false;
        }
    }
    return out;
}

QString spaces(int n)
{
    return QString(std::max(0, n), QLatin1Char(' '));
}

// The lines of `text` within `width` columns.
QStringList wrapLines(const QString& text, int width)
{
    QStringList lines;
    QList<char32_t> line;
    int used = 0;
    for (const Piece& piece : pieces(text)) {
        const int gap = piece.blank && used > 0 ? 1 : 0;
        if (used > 0 && used + gap + piece.width > width) {
            lines << QString::fromUcs4(line.constData(), line.size());
            line.clear();
            used = 0;
        } else if (gap) {
            line.append(U' ');
            used += 1;
        }
        line.append(piece.text);
        used += piece.width;
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines << QString::fromUcs4(line.constData(), line.size());
    return lines;
}

struct Item {
    QString name;
    QString text;
};

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
    return entry.command == Command::TableSet ? text.arg(promptWords(Prompt::CallerKey)) : text;
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
            out.append({QStringLiteral("all"), cliText(AllKind)});
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

// --- the manual page ---

// Text for roff: backslashes and hyphens escaped, no control character at the
// start of a line.
QString roff(const QString& text)
{
    QString out = text;
    out.replace(QLatin1Char('\\'), QStringLiteral("\\e"))
        .replace(QLatin1Char('-'), QStringLiteral("\\-"));
    // Paths are not hyphenated.
    static const QRegularExpression path(QStringLiteral("(^|\\s)(\\S*/\\S*)"));
    out.replace(path, QStringLiteral("\\1\\%\\2"));
    if (out.startsWith(QLatin1Char('.')) || out.startsWith(QLatin1Char('\'')))
        out.prepend(QStringLiteral("\\&"));
    return out;
}

QString bold(const QString& text)
{
    return QStringLiteral("\\fB") + roff(text) + QStringLiteral("\\fR");
}

QString italic(const QString& text)
{
    return QStringLiteral("\\fI") + roff(text) + QStringLiteral("\\fR");
}

QString section(const char* heading)
{
    return QStringLiteral(".SH ") + roff(cliText(heading)) + QLatin1Char('\n');
}

// "--model M" as "\fB\-\-model\fR \fIM\fR".
QString optionTag(const QString& call)
{
    const qsizetype blank = call.lastIndexOf(QLatin1Char(' '));
    if (blank < 0 || call.startsWith(QLatin1String("-h,")))
        return bold(call);
    return bold(call.left(blank)) + QLatin1Char(' ') + italic(call.mid(blank + 1));
}

QString tagged(const QString& tag, const QString& text)
{
    return QStringLiteral(".TP\n") + tag + QLatin1Char('\n') + roff(text) + QLatin1Char('\n');
}

QString manItems(const QList<Item>& list, bool options)
{
    QString out;
    for (const Item& item : list)
        out += tagged(options ? optionTag(item.name) : bold(item.name), item.text);
    return out;
}

QString manDate()
{
    bool ok = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    const QDate date = ok ? QDateTime::fromSecsSinceEpoch(epoch, Qt::UTC).date()
                          : QDate::currentDate();
    return QLocale::c().toString(date, cliText(ManDate));
}

QString manCommand(const CommandInfo& entry)
{
    QString tag = bold(QLatin1String(entry.name));
    QStringList arguments;
    for (const ArgumentInfo& argument : entry.arguments)
        arguments << QLatin1String(argument.name);
    if (!arguments.isEmpty())
        tag += QLatin1Char(' ') + italic(arguments.join(QLatin1Char(' ')));
    QString out = tagged(tag, cliText(entry.summary));
    if (const QString more = details(entry); !more.isEmpty())
        out += QStringLiteral(".IP\n") + roff(more) + QLatin1Char('\n');
    const QList<Item> words = argumentItems(entry);
    const QList<Item> options = optionItems(entry.options);
    if (!words.isEmpty() || !options.isEmpty())
        out += QStringLiteral(".RS\n") + manItems(words, false) + manItems(options, true)
            + QStringLiteral(".RE\n");
    return out;
}

// --- the completion script ---

QString shellWords(const QStringList& words)
{
    return QLatin1Char('\'') + words.join(QLatin1Char(' ')) + QLatin1Char('\'');
}

const char* const CompletionScript =
    R"(# bash completion for callsetup-cli, written by "callsetup-cli --completion bash"
# from the program's own table of commands, options, list words and report kinds.

_callsetup_cli_takes_value()
{
    case $1 in
        @VALUE_OPTIONS@) return 0 ;;
    esac
    return 1
}

# Completes the value of option $1 from the word $2.
_callsetup_cli_values()
{
    local words=
    case $1 in
        --port)
            words=$("${COMP_WORDS[0]}" --completion ports 2>/dev/null)
            mapfile -t COMPREPLY < <(compgen -W "$words" -- "$2")
            # Another device by its path (a pseudo-terminal, a port no COM name reaches).
            if ((${#COMPREPLY[@]} == 0)) && [[ $2 == /* ]]; then
                compopt -o filenames 2>/dev/null
                mapfile -t COMPREPLY < <(compgen -f -- "$2")
            fi
            return ;;
@VALUE_CASES@
    esac
    mapfile -t COMPREPLY < <(compgen -W "$words" -- "$2")
}

# Completes folders and the files that match pattern $1 from the word $2.
_callsetup_cli_files()
{
    compopt -o filenames 2>/dev/null
    mapfile -t COMPREPLY < <(compgen -d -- "$2"; compgen -f -X "!$1" -- "$2")
}

_callsetup_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev= i word ended=
    COMPREPLY=()
    ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD-1]}
    # An option's value: "--lang en", "--lang=en", and "--lang" "=" "en" where
    # "=" breaks words.
    if [[ $cur == = ]] && _callsetup_cli_takes_value "$prev"; then
        _callsetup_cli_values "$prev" ""
        return
    elif [[ $prev == = ]] && ((COMP_CWORD > 1)) \
        && _callsetup_cli_takes_value "${COMP_WORDS[COMP_CWORD-2]}"; then
        _callsetup_cli_values "${COMP_WORDS[COMP_CWORD-2]}" "$cur"
        return
    elif [[ $cur == --*=* ]] && _callsetup_cli_takes_value "${cur%%=*}"; then
        _callsetup_cli_values "${cur%%=*}" "${cur#*=}"
        COMPREPLY=("${COMPREPLY[@]/#/${cur%%=*}=}")
        return
    elif _callsetup_cli_takes_value "$prev"; then
        _callsetup_cli_values "$prev" "$cur"
        return
    fi

    # The words before this one that are neither options nor their values.
    local -a args=()
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        if [[ -n $ended || $word != -* ]]; then
            args+=("$word")
        elif [[ $word == -- ]]; then
            ended=1
        elif _callsetup_cli_takes_value "$word"; then
            ((i++))
            [[ ${COMP_WORDS[i]} == = ]] && ((i++))
        fi
    done

    local command= options=@COMMON_OPTIONS@
    local -a rest=()
    case ${args[0]} in
@ONE_WORD_COMMANDS@) command=${args[0]}; rest=("${args[@]:1}") ;;
@GROUPS@) ((${#args[@]} > 1)) && command="${args[0]} ${args[1]}" rest=("${args[@]:2}") ;;
    esac
    case $command in
@COMMAND_OPTIONS@
        "") ;;
        *) command=invalid ;;
    esac

    if [[ $cur == -* && -z $ended ]]; then
        [[ -z $command ]] && options+=" --version"
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
        return
    fi
    local words=
    if [[ -z $command ]]; then
        case ${#args[@]} in
            0) words=@FIRST_WORDS@ ;;
            1) case ${args[0]} in
@SECOND_WORDS@
               esac ;;
        esac
        mapfile -t COMPREPLY < <(compgen -W "$words" -- "$cur")
        return
    fi
    case "$command/${#rest[@]}" in
@ARGUMENTS@
    esac
}
complete -F _callsetup_cli callsetup-cli
)";

} // namespace

int displayWidth(const QString& text)
{
    int width = 0;
    for (const char32_t c : text.toUcs4())
        width += isWide(c) ? 2 : 1;
    return width;
}

QString wrapText(const QString& text, int width, int indent)
{
    QString out;
    for (const QString& line : wrapLines(text, width - indent))
        out += spaces(indent) + line + QLatin1Char('\n');
    return out;
}

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

QString manualPage()
{
    QString page = QStringLiteral(".TH CALLSETUP\\-CLI 1 \"%1\" \"callsetup %2\" \"%3\"\n")
                       .arg(manDate(), QCoreApplication::applicationVersion(), cliText(ManSection));
    page += section(ManName) + QStringLiteral("callsetup\\-cli \\- ") + roff(cliText(Purpose))
        + QLatin1Char('\n');
    page += section(ManSynopsis) + QStringLiteral(".B callsetup\\-cli\n")
        + roff(cliText(UsageLine).section(QStringLiteral("callsetup-cli "), 1)) + QLatin1Char('\n');
    page += section(ManDescription) + roff(cliText(Description)) + QStringLiteral("\n.PP\n")
        + roff(cliText(LineDescription)) + QStringLiteral("\n.PP\n")
        + roff(cliText(FastDescription)) + QStringLiteral("\n.PP\n")
        + roff(cliText(StopDescription)) + QLatin1Char('\n');
    page += section(ManCommands);
    for (const CommandInfo& entry : commandTable())
        page += manCommand(entry);
    page += section(ManOptions) + manItems(commonItems(true), true);
    page += section(ManPagerFile) + roff(pagerFileFormat()) + QLatin1Char('\n');
    page += section(ManSerialPorts) + roff(cliText(SerialPorts[0])) + QStringLiteral("\n.PP\n")
        + roff(cliText(SerialPorts[1])) + QStringLiteral("\n.PP\n.RS\n.nf\n")
        + roff(QString::fromUtf8(LinkExample)) + QStringLiteral("\n.fi\n.RE\n.PP\n")
        + roff(cliText(SerialPorts[2])) + QStringLiteral("\n.PP\n") + roff(cliText(SerialPorts[3]))
        + QLatin1Char('\n');
    page += section(ManEnvironment);
    for (const auto& [name, text] : Environment)
        page += tagged(bold(QLatin1String(name)), cliText(text));
    page += section(ManExit) + manItems(exitItems(), false);
    page += section(ManFiles);
    for (const auto& [name, text] : Files)
        page += tagged(italic(QLatin1String(name)), cliText(text));
    page += section(ManExamples);
    for (const auto& [call, text] : Examples)
        page += tagged(bold(QString::fromUtf8(call)), cliText(text));
    page += section(ManSeeAlso) + QStringLiteral(".BR callsetup (1)\n");
    return page;
}

QString bashCompletion()
{
    QStringList valueOptions, valueCases, oneWord, groups, commandOptions, firstWords, arguments;
    QMap<QString, QStringList> secondWords;
    const auto addOption = [&](const OptionInfo& option) {
        const QString name = QStringLiteral("--") + QLatin1String(option.name);
        if (!option.valueName || valueOptions.contains(name))
            return;
        valueOptions << name;
        if (!completionWords(option).isEmpty())
            valueCases << QStringLiteral("        %1) words=%2 ;;")
                              .arg(name, shellWords(completionWords(option)));
        if (option.completion == Completion::CatFile)
            valueCases << QStringLiteral("        %1) _callsetup_cli_files '*.[cC][aA][tT]' "
                                         "\"$2\"; return ;;")
                              .arg(name);
    };
    QStringList common;
    for (const OptionInfo& option : commonOptions()) {
        addOption(option);
        common << QStringLiteral("--") + QLatin1String(option.name);
    }
    common << QStringLiteral("-h");
    for (const CommandInfo& entry : commandTable()) {
        const QString name = QLatin1String(entry.name);
        const QString first = name.section(QLatin1Char(' '), 0, 0);
        if (!firstWords.contains(first))
            firstWords << first;
        if (name.contains(QLatin1Char(' '))) {
            if (!groups.contains(first))
                groups << first;
            secondWords[first] << name.section(QLatin1Char(' '), 1);
        } else {
            oneWord << name;
        }
        QStringList own;
        for (const OptionInfo& option : entry.options) {
            addOption(option);
            own << QStringLiteral("--") + QLatin1String(option.name);
        }
        if (!own.isEmpty())
            commandOptions << QStringLiteral("        \"%1\") options+=\" %2\" ;;")
                                  .arg(name, own.join(QLatin1Char(' ')));
        else
            commandOptions << QStringLiteral("        \"%1\") ;;").arg(name);
        for (int i = 0; i < entry.arguments.size(); ++i) {
            const ArgumentInfo& argument = entry.arguments[i];
            QString action;
            if (argument.completion == Completion::Words)
                action = QStringLiteral("mapfile -t COMPREPLY < <(compgen -W %1 -- \"$cur\")")
                             .arg(shellWords(completionWords(argument)));
            else if (argument.completion == Completion::CatFile)
                action = QStringLiteral("_callsetup_cli_files '*.[cC][aA][tT]' \"$cur\"");
            else if (argument.completion == Completion::CsvFile)
                action = QStringLiteral("_callsetup_cli_files '*.[cC][sS][vV]' \"$cur\"");
            else if (argument.completion == Completion::JsonFile)
                action = QStringLiteral("_callsetup_cli_files '*.[jJ][sS][oO][nN]' \"$cur\"");
            if (!action.isEmpty())
                arguments
                    << QStringLiteral("        \"%1/%2\") %3 ;;").arg(name).arg(i).arg(action);
        }
    }
    QStringList second;
    for (auto it = secondWords.cbegin(); it != secondWords.cend(); ++it)
        second << QStringLiteral("                   %1) words=%2 ;;")
                      .arg(it.key(), shellWords(it.value()));
    QString script = QString::fromUtf8(CompletionScript);
    script.replace(QStringLiteral("@VALUE_OPTIONS@"), valueOptions.join(QLatin1Char('|')))
        .replace(QStringLiteral("@VALUE_CASES@"), valueCases.join(QLatin1Char('\n')))
        .replace(QStringLiteral("@COMMON_OPTIONS@"),
                 QLatin1Char('"') + common.join(QLatin1Char(' ')) + QLatin1Char('"'))
        .replace(QStringLiteral("@ONE_WORD_COMMANDS@"),
                 QStringLiteral("        ") + oneWord.join(QLatin1Char('|')))
        .replace(QStringLiteral("@GROUPS@"),
                 QStringLiteral("        ") + groups.join(QLatin1Char('|')))
        .replace(QStringLiteral("@COMMAND_OPTIONS@"), commandOptions.join(QLatin1Char('\n')))
        .replace(QStringLiteral("@FIRST_WORDS@"), shellWords(firstWords))
        .replace(QStringLiteral("@SECOND_WORDS@"), second.join(QLatin1Char('\n')))
        .replace(QStringLiteral("@ARGUMENTS@"), arguments.join(QLatin1Char('\n')));
    return script;
}

} // namespace cs::cli
