// The language choice: --lang values, the locale variables in their order of
// precedence, and the Chinese texts left as they are without an English locale.

#include "shared/Language.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using cs::Language;

namespace {

struct Locale {
    const char* language;   // LANGUAGE, LC_ALL, LC_MESSAGES, LANG; "" is unset
    const char* all;
    const char* messages;
    const char* lang;
    Language expected;
};

void setLocale(const Locale& l)
{
    const char* names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    const char* values[] = {l.language, l.all, l.messages, l.lang};
    for (int i = 0; i < 4; ++i)
        *values[i] ? qputenv(names[i], values[i]) : qunsetenv(names[i]);
}

constexpr Language En = Language::English;
constexpr Language Zh = Language::Chinese;

} // namespace

TEST(Language, FirstSetLocaleVariableDecides)
{
    const Locale table[] = {
        {"", "", "", "", Zh},
        {"", "", "", "C", Zh},
        {"", "", "", "POSIX", Zh},
        {"", "", "", "C.UTF-8", Zh},
        {"", "", "", "zh_CN.UTF-8", Zh},
        {"", "", "", "en_GB.UTF-8", En},
        {"", "", "", "eng", Zh},
        {"", "", "en_US", "zh_CN", En},
        {"", "", "C", "en_US", Zh},
        {"", "zh_CN", "en_US", "en_US", Zh},
        {"", "en@quot", "", "C", En},
        {"en", "zh_CN", "zh_CN", "zh_CN", En},
        {"zh_CN:en", "", "", "en_US", Zh},
        {":en_GB", "C", "", "", En},
    };
    for (const Locale& l : table) {
        setLocale(l);
        EXPECT_EQ(cs::languageFromEnvironment(), l.expected)
            << l.language << '|' << l.all << '|' << l.messages << '|' << l.lang;
    }
}

TEST(Language, OptionIsZhOrEn)
{
    EXPECT_EQ(cs::languageFromOption("zh"), Zh);
    EXPECT_EQ(cs::languageFromOption("en"), En);
    for (const char* bad : {"", "EN", "english", "zh_CN", " en"})
        EXPECT_EQ(cs::languageFromOption(bad), std::nullopt) << bad;
}

TEST(Language, ChineseLocaleKeepsTheChineseTexts)
{
    setLocale({"", "", "", "C", Zh});
    ASSERT_TRUE(cs::installLanguage(*QCoreApplication::instance(), cs::languageFromEnvironment()));
    EXPECT_EQ(QCoreApplication::translate("Commands", "设置传呼号成功！"),
              QString::fromUtf8("设置传呼号成功！"));
}
