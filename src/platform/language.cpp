#include "platform/language.h"

#include <cstdlib>
#include <optional>

namespace {

// The language part of a locale or LANGUAGE entry: "en" of "en_US.UTF-8@euro".
std::string_view LanguagePart(std::string_view name)
{
    return name.substr(0, name.find_first_of("_.@"));
}

// A locale that asks for no language: the untranslated program.
bool IsPlainLocale(std::string_view locale)
{
    const std::string_view language = LanguagePart(locale);
    return locale.empty() || language == "C" || language == "POSIX";
}

std::optional<Language> Offered(std::string_view name)
{
    const std::string_view language = LanguagePart(name);
    if (language == "ja")
        return Language::Japanese;
    if (language == "en")
        return Language::English;
    return std::nullopt;
}

std::string Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

Language ChooseLanguage(const LanguageSettings& settings)
{
    const std::string& locale = !settings.lcAll.empty()        ? settings.lcAll
                                : !settings.lcMessages.empty() ? settings.lcMessages
                                                               : settings.lang;
    // "C.UTF-8" is the plain locale too, only with another character set.
    if (IsPlainLocale(locale))
        return Language::Japanese;
    std::string_view preferences = settings.language;
    while (!preferences.empty()) {
        const std::size_t colon = preferences.find(':');
        if (const auto language = Offered(preferences.substr(0, colon)))
            return *language;
        preferences = colon == std::string_view::npos ? std::string_view() : preferences.substr(colon + 1);
    }
    return Offered(locale).value_or(Language::English);
}

LanguageSettings DesktopLanguageSettings()
{
    return {Variable("LANGUAGE"), Variable("LC_ALL"), Variable("LC_MESSAGES"), Variable("LANG")};
}

std::string_view LanguageCode(Language language)
{
    return language == Language::English ? "en" : "ja";
}
