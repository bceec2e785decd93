// The main window's commands from the command line: each checks its words with
// the command's own input check before the port is opened (a bad value is a
// refusal whatever the port), then passes them to the same command function a
// click runs.

#include "cli/CliSession.h"
#include "commands/CommandInputs.h"

#include <QCoreApplication>

namespace cs::cli {

int CliSession::pagerSet()
{
    const QStringList& v = options_.values;
    const auto checked = checkPager(v[0], v[1], options_.model, options_.polarity, options_.rate,
                                    options_.tone);
    if (!checked)
        return finish(checked.problem().outcome());
    return command([&] {
        return commands_.setPager(v[0], v[1], options_.model, options_.polarity, options_.rate,
                                  options_.tone);
    });
}

int CliSession::pagerDelete()
{
    if (const auto checked = checkDeletedPager(options_.values[0]); !checked)
        return finish(checked.problem().outcome());
    return command([&] { return commands_.deletePager(options_.values[0]); });
}

int CliSession::tableSet()
{
    const QStringList& p = options_.pagers;
    const auto checked = checkTable(options_.values[0], options_.key, p.value(0), p.value(1),
                                    p.value(2));
    if (!checked)
        return finish(checked.problem().outcome());
    return command([&] {
        return commands_.setTable(options_.values[0], options_.key, p.value(0), p.value(1),
                                  p.value(2));
    });
}

int CliSession::tableDelete()
{
    if (const auto checked = checkDeletedTable(options_.values[0]); !checked)
        return finish(checked.problem().outcome());
    return command([&] { return commands_.deleteTable(options_.values[0]); });
}

int CliSession::mode()
{
    if (const auto checked = checkWorkMode(options_.mode); !checked)
        return finish(checked.problem().outcome());
    return command([&] { return commands_.setWorkMode(options_.mode); });
}

int CliSession::init()
{
    // Erasing a unit needs someone to agree: on a terminal (standard input to
    // answer on, standard error to see the question) a question, in a script
    // --yes. Without either nothing is opened or sent.
    if (!options_.yes && !askable_) {
        say(QCoreApplication::translate(
            "cli",
            "callsetup-cli: init erases everything the host unit stores; without a "
            "terminal to ask on, give --yes"));
        return ExitUsage;
    }
    feedback_.confirmation = options_.yes ? Confirm::Agree : Confirm::Ask;
    const Outcome outcome = commands_.initialiseHost();
    if (outcome.cause == Cause::Declined)
        say(QCoreApplication::translate("cli", "init cancelled: nothing was sent"));
    return finish(outcome);
}

} // namespace cs::cli
