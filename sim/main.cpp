// callsetup-sim: the simulated host unit on a pseudo-terminal.
//
//   callsetup-sim [--link comN] [--press-after SECONDS | --no-press]
//                 [--image FILE] [--dump FILE] [--fault silent|badcrc|noise|slow|corrupt|badcopy]
//
// Prints the terminal's path (e.g. /dev/pts/5) as the first line on stdout,
// then serves until "quit" or "vanish" on stdin, or SIGTERM / SIGINT.

#include "sim/PtyServer.h"

#include <QRegularExpression>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

void usage(std::FILE* to)
{
    std::fputs(
        "usage: callsetup-sim [--link comN] [--press-after SECONDS | --no-press]\n"
        "                     [--image FILE] [--dump FILE] [--fault "
        "silent|badcrc|noise|slow|corrupt|badcopy]\n"
        "control lines on stdin: dump FILE, press, fault NAME, nofault, received, vanish, quit\n",
        to);
}

int fail(const QString& message)
{
    std::fprintf(stderr, "callsetup-sim: %s\n", qPrintable(message));
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    cs::sim::ServerOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--help" || arg == "-h") {
            usage(stdout);
            return 0;
        }
        if (arg == "--no-press") {
            options.pressAfter.reset();
            continue;
        }
        if (!hasValue) {
            usage(stderr);
            return 2;
        }
        const QString value = QString::fromLocal8Bit(argv[++i]);
        if (arg == "--link") {
            static const QRegularExpression name(QStringLiteral("^com[1-9]$"),
                                                 QRegularExpression::CaseInsensitiveOption);
            if (!name.match(value).hasMatch())
                return fail(QStringLiteral("--link takes com1 .. com9, not %1").arg(value));
            options.linkName = value.toLower();
        } else if (arg == "--press-after") {
            bool ok = false;
            const double seconds = value.toDouble(&ok);
            if (!ok || seconds < 0 || seconds > 3600)
                return fail(QStringLiteral("--press-after takes seconds, not %1").arg(value));
            options.pressAfter = seconds;
        } else if (arg == "--image") {
            options.imagePath = value;
        } else if (arg == "--dump") {
            options.dumpPath = value;
        } else if (arg == "--fault") {
            options.fault = value;
        } else {
            usage(stderr);
            return 2;
        }
    }

    cs::sim::PtyServer server(options);
    QString error;
    if (!server.start(error))
        return fail(error);
    std::printf("%s\n", qPrintable(server.slavePath()));
    std::fflush(stdout);
    return server.run();
}
