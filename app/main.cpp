// 餐厅无线呼叫系统设置程序: the setup tool an installer runs beside the host
// unit. The program (state, serial line, operations, main window) is built by
// Program; it ends with its exit button.
//
// --lang zh|en: the language of the texts (default: the user's locale).
// --help, --version: text on standard output, without a window.
// --quit-when-shown (for the start-up benchmark): print "shown" and the peak
// memory in KiB once the main window has been painted for the first time, and quit.

#include "callsetup/Version.h"
#include "shared/Language.h"
#include "shared/Platform.h"
#include "shared/QtMessages.h"
#include "ui/Program.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEvent>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            std::printf("shown %ld\n", cs::platform::peakMemoryKiB());
            std::fflush(stdout);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

// The window program's own texts (its help), translated under the context "Program".
struct ProgramText {
    Q_DECLARE_TR_FUNCTIONS(Program)
};

// The value of --lang among the arguments, read before the rest is parsed.
std::optional<QString> languageArgument(const QStringList& arguments)
{
    std::optional<QString> lang;
    for (qsizetype i = 0; i < arguments.size() && arguments[i] != QLatin1String("--"); ++i) {
        if (arguments[i] == QLatin1String("--lang") && i + 1 < arguments.size())
            lang = arguments[++i];
        else if (arguments[i].startsWith(QLatin1String("--lang=")))
            lang = arguments[i].mid(7);
    }
    return lang;
}

// Whether the arguments ask only for text (help or version): no window, no display.
bool asksForText(const QStringList& arguments)
{
    for (const QString& arg : arguments) {
        if (arg == QLatin1String("--"))
            break;
        for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
            if (arg == QLatin1String(option))
                return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    cs::routeQtMessages();
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const std::optional<QString> langValue = languageArgument(arguments);
    const auto chosen = cs::chosenLanguage(langValue);
    const cs::Language language = chosen.value_or(cs::languageFromEnvironment());
    // Qt reads the locale once, as the application object is made: the
    // language's numbers and dates (the file dialogs') are set before.
    cs::followLanguageLocale(language);
    // The help and the version are text on standard output: they need no display.
    std::unique_ptr<QCoreApplication> application;
    if (asksForText(arguments))
        application = std::make_unique<QCoreApplication>(argc, argv);
    else
        application = std::make_unique<QApplication>(argc, argv);
    QCoreApplication& app = *application;
    QCoreApplication::setApplicationName(QStringLiteral("callsetup"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(cs::version));

    // The translator comes before the first text: the help and every window
    // are looked up in the language as they are built.
    if (!cs::installLanguage(app, language))
        std::fprintf(stderr, "callsetup: the English texts cannot be loaded\n");
    // Qt's own buttons and dialogs (and the help's own lines) speak the language too.
    if (!cs::installQtLanguage(app, language))
        std::fprintf(stderr,
                     "callsetup: Qt's Chinese texts are not installed "
                     "(Debian package qt6-translations-l10n)\n");

    QCommandLineParser parser;
    parser.setApplicationDescription(
        ProgramText::tr("餐厅无线呼叫系统的设置程序：通过串口设置主机。"));
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        ProgramText::tr("界面语言：zh（中文）或 en（英文）；不给出时随系统的区域设置。"),
        QStringLiteral("zh|en"));
    QCommandLineOption quitWhenShown(QStringLiteral("quit-when-shown"));
    quitWhenShown.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({lang, quitWhenShown});
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app); // --help and --version print and end the program here

    if (!chosen) {
        std::fprintf(stderr, "callsetup: --lang takes zh or en, not \"%s\"\n",
                     qPrintable(*langValue));
        return 2;
    }
    auto* windows = qobject_cast<QApplication*>(&app);
    if (!windows)
        return 0;
    cs::ui::Program program(*windows);
    FirstPaint firstPaint;
    if (parser.isSet(quitWhenShown))
        program.mainWindow().installEventFilter(&firstPaint);
    program.show();
    return app.exec();
}
