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

namespace {

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
    local cur=${COMP_WORDS[COMP_CWORD]} prev='' i word ended=''
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

    local command='' options=@COMMON_OPTIONS@
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
    // help [COMMAND]: the command's first word, then a group's second word.
    arguments << QStringLiteral("        \"help/0\") mapfile -t COMPREPLY < <(compgen -W %1 -- "
                                "\"$cur\") ;;")
                     .arg(shellWords(firstWords));
    arguments << QStringLiteral("        \"help/1\") case ${rest[0]} in\n%1\n               esac\n"
                                "               mapfile -t COMPREPLY < <(compgen -W \"$words\" -- "
                                "\"$cur\") ;;")
                     .arg(second.join(QLatin1Char('\n')));
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
