#pragma once
// The language of the program's texts. The source texts of the windows and
// their messages are Chinese, English comes from :/i18n/callsetup_en.qm; the
// command line's own texts, the batch work's and the backup comparison's are
// written in English, Chinese comes from :/i18n/callsetup_zh.qm. Both are
// built into the programs.
// Both entry points choose the language here, before any window or message
// exists: `--lang zh|en` when given, else the user's locale.

#include <QString>
#include <optional>

class QCoreApplication;

namespace cs {

enum class Language { Chinese, English };

// "zh" or "en" (the value of --lang); anything else is no language.
std::optional<Language> languageFromOption(const QString& value);

// A locale name such as "en_GB.UTF-8", "zh_CN" or "C": English for en*, else
// Chinese. For LANGUAGE's list ("en_GB:zh") the first entry decides.
Language languageFromLocale(const QString& name);

// The first set variable of LANGUAGE, LC_ALL, LC_MESSAGES and LANG decides;
// none set means Chinese.
Language languageFromEnvironment();

// What both programs use: `--lang`'s value when the option was given (no
// language for a value other than "zh" or "en"), else the environment's.
std::optional<Language> chosenLanguage(const std::optional<QString>& option);

// Makes Qt's locale speak the language: the default locale, and the system
// locale that Qt's file dialogs write sizes and dates in. When the
// environment's locale for numbers or dates is of another language, LC_NUMERIC
// and LC_TIME are set to the language's locale (LC_ALL, which would override
// them, passes its value on to LANG). Call before the application object
// exists: Qt reads the system locale once.
void followLanguageLocale(Language language);

// Installs the language's translation into the application (once; later
// calls install nothing) and removes the other language's. False when the
// translation cannot be loaded.
bool installLanguage(QCoreApplication& app, Language language);

// The language of the texts now: English while the English translation is
// installed, else Chinese (the source language of the windows' texts).
Language installedLanguage();

// Qt's own texts (standard buttons, file dialogs, context menus) in the
// language, for the window program: Chinese installs Qt's translation from
// QLibraryInfo's translations folder (Debian's qt6-translations-l10n), English
// removes it (Qt's texts are English). False when it cannot be loaded.
bool installQtLanguage(QCoreApplication& app, Language language);

} // namespace cs
