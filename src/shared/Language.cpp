#include "shared/Language.h"

#include <QCoreApplication>
#include <QTranslator>

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

bool installLanguage(QCoreApplication& app, Language language)
{
    if (language == Language::Chinese)
        return true;
    // One translator, owned by the application.
    const QString name = QStringLiteral("callsetup_en");
    if (app.findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly))
        return true;
    auto* translator = new QTranslator(&app);
    translator->setObjectName(name);
    if (translator->load(QStringLiteral(":/i18n/callsetup_en.qm"))
        && app.installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace cs
