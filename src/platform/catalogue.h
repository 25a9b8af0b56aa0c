#pragma once
#include "platform/language.h"

#include <cstddef>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// The translations of the game's texts. Every text the game shows is written
// in Japanese in the program; a catalogue maps it to another language. The
// catalogues are gettext's compiled form (.mo), made by the build from the
// translators' po/*.po files and compiled into the program.
class Catalogue {
public:
    // Reads a compiled catalogue. A damaged one (a wrong mark, a table or a
    // text outside the file, a text without its closing NUL) gives nothing:
    // the game then speaks Japanese rather than half a language.
    static std::optional<Catalogue> FromMo(std::string_view bytes);

    // The translation of a Japanese text; nullptr when the catalogue lacks it.
    const std::string* Find(std::string_view source) const;
    std::size_t Size() const { return texts_.size(); }

private:
    std::map<std::string, std::string, std::less<>> texts_;
};

// The compiled catalogue of a language (empty for Japanese).
std::string_view CompiledCatalogue(Language language);

// The language the game speaks, decided once at start-up; Japanese until then.
void UseLanguage(Language language);
Language GameLanguage();

// A text of the game in the language it speaks: the Japanese source itself in
// Japanese, or when the catalogue has no translation for it.
std::string Tr(std::string_view source);

// A translated text with each "%s" standing for a value the game fills in, in
// order (a name, a square, a count): each language's sentence carries them
// where its word order wants them.
std::string TrWith(std::string_view source, std::initializer_list<std::string_view> values);
inline std::string TrWith(std::string_view source, std::string_view value)
{
    return TrWith(source, std::initializer_list<std::string_view>{value});
}
