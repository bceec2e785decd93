// The language the locale variables choose, in their order of precedence.

#include "shared/Language.h"

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
        {"|||eng", Zh},
        {"||en_US|zh_CN", En},
        {"||C|en_US", Zh},
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
