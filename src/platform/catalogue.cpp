#include "platform/catalogue.h"

#include <cstdint>

namespace {

constexpr std::uint32_t kMoMagic = 0x950412de;
// No catalogue of ours comes near these; a file that claims more is damaged.
constexpr std::uint32_t kMostTexts = 1u << 16;
constexpr std::size_t kLargestFile = 1u << 24;

// The 32-bit little-endian word at `offset`, when the file holds it (the
// build writes its catalogues little-endian).
bool Word(std::string_view bytes, std::size_t offset, std::uint32_t& word)
{
    if (offset > bytes.size() || bytes.size() - offset < 4)
        return false;
    word = 0;
    for (int at = 0; at < 4; ++at)
        word |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + at])) << (8 * at);
    return true;
}

// Text `index` of the table at `table`: its length, its offset and its
// closing NUL all inside the file.
std::optional<std::string_view> Text(std::string_view bytes, std::uint32_t table, std::uint32_t index)
{
    std::uint32_t length = 0;
    std::uint32_t offset = 0;
    const std::size_t entry = std::size_t{table} + std::size_t{index} * 8;
    if (!Word(bytes, entry, length) || !Word(bytes, entry + 4, offset))
        return std::nullopt;
    if (offset >= bytes.size() || bytes.size() - offset <= length || bytes[offset + length] != '\0')
        return std::nullopt;
    return bytes.substr(offset, length);
}

Language gLanguage = Language::Japanese;

const Catalogue* EnglishCatalogue()
{
    static const std::optional<Catalogue> english = Catalogue::FromMo(CompiledCatalogue(Language::English));
    return english ? &*english : nullptr;
}

} // namespace

std::optional<Catalogue> Catalogue::FromMo(std::string_view bytes)
{
    std::uint32_t magic = 0;
    std::uint32_t revision = 0;
    std::uint32_t count = 0;
    std::uint32_t sources = 0;
    std::uint32_t translations = 0;
    if (bytes.size() > kLargestFile || !Word(bytes, 0, magic) || magic != kMoMagic || !Word(bytes, 4, revision) ||
        !Word(bytes, 8, count) || !Word(bytes, 12, sources) || !Word(bytes, 16, translations))
        return std::nullopt;
    // Revisions 0 and 1 share the tables read here.
    if ((revision >> 16) > 1 || count > kMostTexts)
        return std::nullopt;
    Catalogue catalogue;
    for (std::uint32_t index = 0; index < count; ++index) {
        const auto source = Text(bytes, sources, index);
        const auto translation = Text(bytes, translations, index);
        if (!source || !translation)
            return std::nullopt;
        // The empty source holds the catalogue's header, not a text; an empty
        // translation leaves the text in Japanese.
        if (!source->empty() && !translation->empty())
            catalogue.texts_.emplace(*source, *translation);
    }
    return catalogue;
}

const std::string* Catalogue::Find(std::string_view source) const
{
    const auto found = texts_.find(source);
    return found == texts_.end() ? nullptr : &found->second;
}

void UseLanguage(Language language) { gLanguage = language; }

Language GameLanguage() { return gLanguage; }

std::string Tr(std::string_view source)
{
    if (gLanguage == Language::English)
        if (const Catalogue* english = EnglishCatalogue())
            if (const std::string* translation = english->Find(source))
                return *translation;
    return std::string(source);
}

std::string TrWith(std::string_view source, std::initializer_list<std::string_view> values)
{
    std::string text = Tr(source);
    std::size_t from = 0;
    for (const std::string_view value : values) {
        const std::size_t mark = text.find("%s", from);
        if (mark == std::string::npos)
            break;
        text.replace(mark, 2, value);
        // A value is never read for marks: a name may hold "%s" itself.
        from = mark + value.size();
    }
    return text;
}
