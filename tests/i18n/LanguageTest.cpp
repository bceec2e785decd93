// The language the locale variables choose, in their order of precedence.

#include "shared/Language.h"

#include <QLocale>
#include <QStringList>
#include <gtest/gtest.h>

using cs::Language;

namespace {

constexpr Language En = Language::English;
constexpr Language Zh = Language::Chinese;

// "LANGUAGE|LC_ALL|LC_MESSAGES|LANG"; an empty field is unset.
void setLocale(const char* row)
{
    const QStringList values = QString::fromLatin1(row).split(QLatin1Char('|'));
    const char* names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    for (int i = 0; i < 4; ++i)
        values[i].isEmpty() ? qunsetenv(names[i]) : qputenv(names[i], values[i].toLatin1());
}

} // namespace

TEST(Language, FirstSetLocaleVariableDecides)
{
    const std::pair<const char*, Language> table[] = {
        {"|||", Zh},
        {"|||C", Zh},
        {"|||en_GB.UTF-8", En},
        {"||en_US|zh_CN", En},
        {"|zh_CN|en_US|en_US", Zh},
        {"|en@quot||C", En},
        {"en|zh_CN|zh_CN|zh_CN", En},
        {"zh_CN:en|||en_US", Zh},
    };
    for (const auto& [row, expected] : table) {
        setLocale(row);
        EXPECT_EQ(cs::languageFromEnvironment(), expected) << row;
    }
}

// Qt's locale follows the chosen language: numbers and dates of file dialogs
// come from LC_NUMERIC and LC_TIME, set when the environment's are of another.
TEST(Language, TheLocaleFollowsTheLanguage)
{
    // "LC_ALL|LC_NUMERIC|LC_TIME|LANG" before, the language, the same after, QLocale().
    const std::tuple<const char*, Language, const char*, const char*> table[] = {
        {"|||C", Zh, "|zh_CN.UTF-8|zh_CN.UTF-8|C", "zh_CN"},
        {"|||zh_CN.UTF-8", En, "|en_US.UTF-8|en_US.UTF-8|zh_CN.UTF-8", "en_US"},
        {"|||en_GB.UTF-8", Zh, "|zh_CN.UTF-8|zh_CN.UTF-8|en_GB.UTF-8", "zh_CN"},
        {"C.UTF-8||en_GB|", Zh, "|zh_CN.UTF-8|zh_CN.UTF-8|C.UTF-8", "zh_CN"},
        {"|en_AU|zh_CN|C", En, "|en_AU|en_US.UTF-8|C", "en_AU"},
        {"en_GB.UTF-8|||", En, "en_GB.UTF-8|||", "en_GB"},
    };
    const char* names[] = {"LC_ALL", "LC_NUMERIC", "LC_TIME", "LANG"};
    const auto environment = [&] {
        QStringList values;
        for (const char* name : names)
            values << qEnvironmentVariable(name);
        return values.join('|');
    };
    for (const auto& [before, language, after, locale] : table) {
        const QStringList values = QString::fromLatin1(before).split('|');
        for (int i = 0; i < 4; ++i)
            values[i].isEmpty() ? qunsetenv(names[i]) : qputenv(names[i], values[i].toLatin1());
        cs::followLanguageLocale(language);
        EXPECT_EQ(environment().toStdString(), after) << before;
        EXPECT_EQ(QLocale().name().toStdString(), locale) << before;
    }
    for (const char* name : names)
        qunsetenv(name);
    QLocale::setDefault(QLocale::c());
}
