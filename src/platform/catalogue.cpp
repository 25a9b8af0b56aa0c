#include "platform/catalogue.h"

#include <cstdint>

namespace {

constexpr std::uint32_t kMoMagic = 0x950412de;
// No catalogue of ours comes near these; a file that claims more is damaged.
constexpr std::uint32_t kMostTexts = 1u << 16;
constexpr std::size_t kLargestFile = 1u << 24;

// The 32-bit words of a .mo file, in whichever byte order it was written.
class MoWords {
public:
    explicit MoWords(std::string_view bytes) : bytes_(bytes) {}

    bool ReadOrder()
    {
        std::uint32_t magic = 0;
        if (!Word(0, magic))
            return false;
        if (magic == kMoMagic)
            return true;
        swapped_ = true;
        return Word(0, magic) && magic == kMoMagic;
    }

    bool Word(std::size_t offset, std::uint32_t& word) const
    {
        if (offset > bytes_.size() || bytes_.size() - offset < 4)
            return false;
        word = 0;
        for (int at = 0; at < 4; ++at) {
            const auto byte = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[offset + at]));
            word |= swapped_ ? byte << (8 * (3 - at)) : byte << (8 * at);
        }
        return true;
    }

    // Text `index` of the table at `table`: its length, its offset and its
    // closing NUL all inside the file.
    std::optional<std::string_view> Text(std::uint32_t table, std::uint32_t index) const
    {
        std::uint32_t length = 0;
        std::uint32_t offset = 0;
        const std::size_t entry = std::size_t{table} + std::size_t{index} * 8;
        if (!Word(entry, length) || !Word(entry + 4, offset))
            return std::nullopt;
        if (offset >= bytes_.size() || bytes_.size() - offset <= length || bytes_[offset + length] != '\0')
            return std::nullopt;
        return bytes_.substr(offset, length);
    }

private:
    std::string_view bytes_;
    bool swapped_ = false;
};

Language gLanguage = Language::Japanese;

const Catalogue* EnglishCatalogue()
{
    static const std::optional<Catalogue> english = Catalogue::FromMo(CompiledCatalogue(Language::English));
    return english ? &*english : nullptr;
}

} // namespace

std::optional<Catalogue> Catalogue::FromMo(std::string_view bytes)
{
    MoWords words(bytes);
    std::uint32_t revision = 0;
    std::uint32_t count = 0;
    std::uint32_t sources = 0;
    std::uint32_t translations = 0;
    if (bytes.size() > kLargestFile || !words.ReadOrder() || !words.Word(4, revision) || !words.Word(8, count) ||
        !words.Word(12, sources) || !words.Word(16, translations))
        return std::nullopt;
    // Revisions 0 and 1 share the tables read here.
    if ((revision >> 16) > 1 || count > kMostTexts)
        return std::nullopt;
    Catalogue catalogue;
    for (std::uint32_t index = 0; index < count; ++index) {
        const auto source = words.Text(sources, index);
        const auto translation = words.Text(translations, index);
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

std::string TrWith(std::string_view source, std::string_view value)
{
    std::string text = Tr(source);
    const std::size_t mark = text.find("%s");
    if (mark != std::string::npos)
        text.replace(mark, 2, value);
    return text;
}
