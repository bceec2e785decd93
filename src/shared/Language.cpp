#include "shared/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace cs {

std::optional<Language> languageFromOption(const QString& value)
{
    if (value == QLatin1String("zh"))
        return Language::Chinese;
    if (value == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

Language languageFromLocale(const QString& name)
{
    const QString first = name.section(QLatin1Char(':'), 0, 0, QString::SectionSkipEmpty);
    // "en", "en_GB", "en.UTF-8", "en@quot"; not "eng" or "enx".
    const bool english = first.startsWith(QLatin1String("en"))
        && (first.size() == 2 || QStringLiteral("_.@").contains(first.at(2)));
    return english ? Language::English : Language::Chinese;
}

Language languageFromEnvironment()
{
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.section(QLatin1Char(':'), 0, 0, QString::SectionSkipEmpty).isEmpty())
            return languageFromLocale(value);
    }
    return Language::Chinese;
}

std::optional<Language> chosenLanguage(const std::optional<QString>& option)
{
    return option ? languageFromOption(*option) : languageFromEnvironment();
}

namespace {

// The locale a category of the C library takes from the environment: LC_ALL,
// else its own variable, else LANG.
QString localeFor(const char* category)
{
    for (const char* variable : {"LC_ALL", category, "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return QStringLiteral("C");
}

} // namespace

void followLanguageLocale(Language language)
{
    const bool english = language == Language::English;
    // "C" and "POSIX" write numbers and dates as English does, but choose Chinese texts.
    const auto speaks = [english](const QString& locale) {
        return english ? languageFromLocale(locale) == Language::English
                       : locale.startsWith(QLatin1String("zh"));
    };
    QList<const char*> other;
    for (const char* category : {"LC_NUMERIC", "LC_TIME"})
        if (!speaks(localeFor(category)))
            other << category;
    if (!other.isEmpty() && qEnvironmentVariableIsSet("LC_ALL")) {
        qputenv("LANG", qgetenv("LC_ALL"));
        qunsetenv("LC_ALL");
    }
    for (const char* category : other)
        qputenv(category, english ? "en_US.UTF-8" : "zh_CN.UTF-8");
    // "en_GB.UTF-8@euro" -> "en_GB"
    QLocale::setDefault(QLocale(
        localeFor("LC_NUMERIC").section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0)));
}

namespace {

// The translator of that name, owned by the application; nullptr when none.
QTranslator* installed(QCoreApplication& app, const QString& name)
{
    return app.findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly);
}

void remove(QCoreApplication& app, const QString& name)
{
    if (QTranslator* translator = installed(app, name)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// Qt's translation. Qt 6 moved the file type names of its file dialog
// ("Folder", "%1 File") to the context QAbstractFileIconProvider; Debian's
// translation still has them under QFileDialog, where they are looked up then.
class QtTranslator : public QTranslator {
public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override
    {
        QString text = QTranslator::translate(context, source, disambiguation, n);
        if (text.isEmpty() && qstrcmp(context, "QAbstractFileIconProvider") == 0)
            text = QTranslator::translate("QFileDialog", source, disambiguation, n);
        return text;
    }
};

// Installs `translator` once under `name`, when `load` fills it; else deletes
// it and answers false.
template <class Load>
bool install(QCoreApplication& app, const QString& name, QTranslator* translator, Load load)
{
    std::unique_ptr<QTranslator> owned(translator);
    if (installed(app, name))
        return true;
    translator->setObjectName(name);
    if (!load(*translator) || !QCoreApplication::installTranslator(translator))
        return false;
    translator->setParent(&app);
    owned.release();
    return true;
}

} // namespace

bool installLanguage(QCoreApplication& app, Language language)
{
    const bool english = language == Language::English;
    const QString name = english ? QStringLiteral("callsetup_en") : QStringLiteral("callsetup_zh");
    remove(app, english ? QStringLiteral("callsetup_zh") : QStringLiteral("callsetup_en"));
    return install(app, name, new QTranslator, [&name](QTranslator& translator) {
        return translator.load(QStringLiteral(":/i18n/") + name + QStringLiteral(".qm"));
    });
}

Language installedLanguage()
{
    QCoreApplication* app = QCoreApplication::instance();
    return app && installed(*app, QStringLiteral("callsetup_en")) ? Language::English
                                                                  : Language::Chinese;
}

bool installQtLanguage(QCoreApplication& app, Language language)
{
    const QString name = QStringLiteral("qtbase_zh_CN");
    if (language == Language::English) {
        remove(app, name);
        return true;
    }
    return install(app, name, new QtTranslator, [](QTranslator& translator) {
        return translator.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                               QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    });
}

} // namespace cs
