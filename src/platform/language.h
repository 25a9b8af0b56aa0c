#pragma once
#include <string>
#include <string_view>

// The languages the game speaks. Japanese is the game as it was made; every
// other language is a catalogue of translations of its Japanese texts.
enum class Language { Japanese, English };

// The player's desktop settings that name a language, as the environment
// holds them (empty when unset).
struct LanguageSettings {
    std::string language;    // LANGUAGE: a list of preferences, "en_GB:fr:ja"
    std::string lcAll;       // LC_ALL
    std::string lcMessages;  // LC_MESSAGES
    std::string lang;        // LANG
};

// The language the game speaks on a desktop set up like this, chosen as every
// program translated with gettext chooses: the locale of messages is the
// first of LC_ALL, LC_MESSAGES and LANG that is set; with none, or the plain
// C/POSIX locale, the desktop asks for no language and the game speaks
// Japanese, and LANGUAGE is not looked at. Otherwise the first language of
// LANGUAGE the game has, then the locale's own; a language the game lacks
// gives English.
Language ChooseLanguage(const LanguageSettings& settings);

// The settings of this process's environment.
LanguageSettings DesktopLanguageSettings();

// "ja" or "en": the language's code.
std::string_view LanguageCode(Language language);
