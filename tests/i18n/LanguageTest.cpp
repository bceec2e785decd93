// The language choice: --lang values, the locale variables in their order of
// precedence, and the Chinese texts left as they are without an English locale.

#include "shared/Language.h"

#include <QCoreApplication>
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
        {"|||POSIX", Zh},
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

TEST(Language, OptionIsZhOrEn)
{
    EXPECT_EQ(cs::languageFromOption("zh"), Zh);
    EXPECT_EQ(cs::languageFromOption("en"), En);
    EXPECT_EQ(cs::languageFromOption("EN"), std::nullopt);
}

TEST(Language, ChineseLocaleKeepsTheChineseTexts)
{
    setLocale("|||C");
    ASSERT_TRUE(cs::installLanguage(*qApp, cs::languageFromEnvironment()));
    const char* text = "设置传呼号成功！";
    EXPECT_EQ(QCoreApplication::translate("Commands", text), QString::fromUtf8(text));
}
