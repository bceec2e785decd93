#pragma once
// The English texts of callsetup-cli's help and manual page, translated under
// the context "cli", in the order they appear.

#include <QtGlobal>

namespace cs::cli {

// The texts of the help and the manual page, in the order they appear.
inline const char* const UsageLine = QT_TRANSLATE_NOOP(
    "cli", "Usage: callsetup-cli [OPTIONS] COMMAND [ARGUMENTS] [OPTIONS]");
inline const char* const CommandUsage = QT_TRANSLATE_NOOP("cli",
                                                          "Usage: callsetup-cli %1 [OPTIONS]");
inline const char* const GroupUsage = QT_TRANSLATE_NOOP(
    "cli", "Usage: callsetup-cli %1 COMMAND [ARGUMENTS] [OPTIONS]");
inline const char* const GroupFooter = QT_TRANSLATE_NOOP(
    "cli", "\"callsetup-cli %1 COMMAND --help\" shows the words and options of a command.");
inline const char* const Purpose = QT_TRANSLATE_NOOP(
    "cli", "set up the host unit of a restaurant wireless calling system");
inline const char* const Description = QT_TRANSLATE_NOOP(
    "cli",
    "Sets up the host unit of a restaurant wireless calling system over a serial line: "
    "the commands of the main window of callsetup and of its data backup window, and "
    "batch work, on the same core functions as the windows. Messages are the windows' "
    "own texts on standard error; reports and dumps go to standard output.");
inline const char* const LineDescription = QT_TRANSLATE_NOOP(
    "cli",
    "The line runs at 9600 baud, 8 data bits, no parity, 1 stop bit. A backup of the "
    "unit's memory is a .cat file of 8192 raw bytes, without a header. Reports and "
    "dumps are UTF-8 with CR LF line ends, as the windows show them. While a long "
    "operation runs, a progress line fits the terminal's width on standard error when "
    "that is a terminal (not with TERM=dumb).");
inline const char* const StopDescription = QT_TRANSLATE_NOOP(
    "cli",
    "The first Ctrl+C during a read, a download, a pager load or table learning ends it "
    "after the block or row in progress and says how far it got; a second Ctrl+C ends "
    "the program at once.");
inline const char* const FastDescription = QT_TRANSLATE_NOOP(
    "cli",
    "Without --fast every wait is sat out as in the windows (a host read takes 12.8 s); "
    "with it a wait ends as soon as a complete, checked reply has arrived (about 9.8 s).");
inline const char* const CommandsHeading = QT_TRANSLATE_NOOP("cli", "Commands:");
inline const char* const CommonHeading = QT_TRANSLATE_NOOP("cli", "Options of every command:");
inline const char* const OptionsHeading = QT_TRANSLATE_NOOP("cli", "Options:");
inline const char* const ArgumentsHeading = QT_TRANSLATE_NOOP("cli", "Arguments:");
inline const char* const ExitHeading = QT_TRANSLATE_NOOP("cli", "Exit status:");
inline const char* const FileHeading = QT_TRANSLATE_NOOP("cli", "File format:");
inline const char* const VersionHelp = QT_TRANSLATE_NOOP("cli", "show the program's version");
inline const char* const SchemaHelp = QT_TRANSLATE_NOOP(
    "cli", "print the JSON Schema of the document that report all writes and apply reads");
inline const char* const Footer = QT_TRANSLATE_NOOP(
    "cli",
    "\"callsetup-cli COMMAND --help\" shows the words and options of a command; the "
    "manual page callsetup-cli(1) tells more.");
inline const char* const ExitTexts[] = {
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
inline const char* const PagerFileFormat = QT_TRANSLATE_NOOP(
    "cli",
    "The first line is the header number,address,model,polarity,rate,tone; then one "
    "pager a row. Empty cells take the main window's selections at start-up (%1). A "
    "list cell takes the list's export word, its Chinese text or its number, as the "
    "options of pager set do. The file may be UTF-8, with or without a byte-order mark, "
    "or GB18030 (what spreadsheets on Chinese Windows save), with CR LF, LF or CR line "
    "ends; empty cells after the sixth and rows of empty cells are ignored. report "
    "pagers --format csv writes exactly this format.");
inline const char* const SerialPorts[] = {
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
inline const char* const LinkExample = "mkdir -p ~/.config/callsetup/dosdevices\n"
                                       "ln -sf /dev/ttyUSB0 ~/.config/callsetup/dosdevices/com3";
inline const char* const Environment[][2] = {
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
inline const char* const Files[][2] = {
    {"~/.config/callsetup/dosdevices/comN",
     QT_TRANSLATE_NOOP("cli", "per-user link that makes COMn reach the device it points to")},
    {"FILE.cat",
     QT_TRANSLATE_NOOP("cli",
                       "a backup of the host unit's memory: 8192 raw bytes, "
                       "without a header")},
};
inline const char* const Examples[][2] = {
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
inline const char* const ManName = QT_TRANSLATE_NOOP("cli", "NAME");
inline const char* const ManSynopsis = QT_TRANSLATE_NOOP("cli", "SYNOPSIS");
inline const char* const ManDescription = QT_TRANSLATE_NOOP("cli", "DESCRIPTION");
inline const char* const ManCommands = QT_TRANSLATE_NOOP("cli", "COMMANDS");
inline const char* const ManOptions = QT_TRANSLATE_NOOP("cli", "OPTIONS");
inline const char* const ManPagerFile = QT_TRANSLATE_NOOP("cli", "PAGER FILE FORMAT");
inline const char* const ManSerialPorts = QT_TRANSLATE_NOOP("cli", "SERIAL PORTS");
inline const char* const ManEnvironment = QT_TRANSLATE_NOOP("cli", "ENVIRONMENT");
inline const char* const ManExit = QT_TRANSLATE_NOOP("cli", "EXIT STATUS");
inline const char* const ManFiles = QT_TRANSLATE_NOOP("cli", "FILES");
inline const char* const ManExamples = QT_TRANSLATE_NOOP("cli", "EXAMPLES");
inline const char* const ManSeeAlso = QT_TRANSLATE_NOOP("cli", "SEE ALSO");
inline const char* const ManSection = QT_TRANSLATE_NOOP("cli", "User Commands");

} // namespace cs::cli
