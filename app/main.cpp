// 餐厅无线呼叫系统设置程序: the setup tool an installer runs beside the host
// unit. The program (state, serial line, operations, main window) is built by
// Program; it ends with its exit button.
//
// --lang zh|en: the language of the texts (default: the user's locale).
// --quit-when-shown (for the start-up benchmark): print "shown" and the peak
// memory in KiB once the main window has been painted for the first time, and quit.

#include "shared/Language.h"
#include "shared/Platform.h"
#include "shared/QtMessages.h"
#include "ui/Program.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEvent>
#include <cstdio>

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

} // namespace

int main(int argc, char** argv)
{
    cs::routeQtMessages();
    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        QStringLiteral("Language of the texts: zh (Chinese) or en (English)."),
        QStringLiteral("zh|en"));
    QCommandLineOption quitWhenShown(QStringLiteral("quit-when-shown"));
    quitWhenShown.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({lang, quitWhenShown});
    parser.addHelpOption();
    parser.process(app);

    const auto language = cs::chosenLanguage(parser.isSet(lang) ? std::optional(parser.value(lang))
                                                                : std::nullopt);
    if (!language) {
        std::fprintf(stderr, "callsetup: --lang takes zh or en, not \"%s\"\n",
                     qPrintable(parser.value(lang)));
        return 2;
    }
    // The translator comes before the first window: every text is looked up as it is built.
    if (!cs::installLanguage(app, *language))
        std::fprintf(stderr, "callsetup: the English texts cannot be loaded\n");
    // Qt's own buttons and dialogs speak the window's language too.
    if (!cs::installQtLanguage(app, *language))
        std::fprintf(stderr,
                     "callsetup: Qt's Chinese texts are not installed "
                     "(Debian package qt6-translations-l10n)\n");

    cs::ui::Program program(app);
    FirstPaint firstPaint;
    if (parser.isSet(quitWhenShown))
        program.mainWindow().installEventFilter(&firstPaint);
    program.show();
    return app.exec();
}
