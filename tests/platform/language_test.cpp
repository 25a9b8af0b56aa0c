#include "platform/catalogue.h"
#include "platform/language.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>

namespace {

// True when the UTF-8 text holds a Japanese character (kana, kanji, the
// full-width forms and the ideographic punctuation).
bool HasJapanese(const std::string& text)
{
    for (std::size_t at = 0; at + 2 < text.size(); ++at) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const auto next = static_cast<unsigned char>(text[at + 1]);
        // U+3000..U+9FFF begin with E3..E9, U+FF00..U+FFEF with EF BC..EF BF.
        if ((lead >= 0xE3 && lead <= 0xE9) || (lead == 0xEF && next >= 0xBC))
            return true;
    }
    return false;
}

// The little-endian word at `at` of a compiled catalogue (as msgfmt writes
// it here).
std::uint32_t WordAt(const std::string& bytes, std::size_t at)
{
    std::uint32_t word = 0;
    for (int b = 0; b < 4; ++b)
        word |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + b])) << (8 * b);
    return word;
}

// The game speaks English for the test's length.
class InEnglish : public ::testing::Test {
protected:
    void SetUp() override { UseLanguage(Language::English); }
    void TearDown() override { UseLanguage(Language::Japanese); }
};

} // namespace

TEST(LanguageChoice, FollowsTheDesktopAsGettextDoes)
{
    struct Case {
        LanguageSettings settings;
        Language expected;
    };
    const auto J = Language::Japanese;
    const auto E = Language::English;
    const Case cases[] = {
        {{"", "", "", ""}, J},                                   // nothing set: the game as designed
        {{"", "", "", "C"}, J},
        {{"", "", "", "POSIX"}, J},
        {{"", "", "", "C.UTF-8"}, J},
        {{"en", "", "", ""}, J},                                 // LANGUAGE alone: the locale is C
        {{"en", "", "", "C.UTF-8"}, J},
        {{"", "", "", "en_US.UTF-8"}, E},
        {{"", "", "", "ja_JP.UTF-8"}, J},
        {{"", "", "", "fr_FR.UTF-8"}, E},                        // a language the game lacks
        {{"", "", "", "de_DE@euro"}, E},
        {{"ja", "", "", "en_US.UTF-8"}, J},                      // LANGUAGE=ja zumoru
        {{"en", "", "", "ja_JP.UTF-8"}, E},
        {{"fr:de:ja:en", "", "", "en_GB.UTF-8"}, J},             // the first the game has
        {{"fr::en_GB", "", "", "ja_JP.UTF-8"}, E},
        {{"fr:de", "", "", "ja_JP.UTF-8"}, J},                   // then the locale's own
        {{"fr:de", "", "", "it_IT.UTF-8"}, E},
        {{"", "ja_JP.UTF-8", "en_US.UTF-8", "en_US.UTF-8"}, J},  // LC_ALL before the others
        {{"", "", "ja_JP.UTF-8", "en_US.UTF-8"}, J},             // LC_MESSAGES before LANG
        {{"", "C", "", "en_US.UTF-8"}, J},
        {{"en", "POSIX", "", "ja_JP.UTF-8"}, J},
        {{"", "", "", "english"}, E},                            // no code the game knows
        {{"", "", "", "japanese"}, E},                           // "ja" inside a longer name is not Japanese
        {{"jam", "", "", "en_US"}, E},
    };
    for (const Case& c : cases) {
        const LanguageSettings& s = c.settings;
        EXPECT_EQ(ChooseLanguage(s), c.expected)
            << "LANGUAGE=" << s.language << " LC_ALL=" << s.lcAll << " LC_MESSAGES=" << s.lcMessages
            << " LANG=" << s.lang;
    }
}

TEST(Catalogue, EveryJapaneseTextOfThePoFileHasItsEnglish)
{
    std::ifstream po(ZUMORU_SOURCE_DIR "/po/en.po");
    ASSERT_TRUE(po);
    std::stringstream whole;
    whole << po.rdbuf();
    std::istringstream lines(whole.str());
    int sources = -1;  // the header's empty msgid is not a text
    bool inEnglish = false;
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("msgid ", 0) == 0) {
            ++sources;
            inEnglish = false;
        }
        inEnglish = inEnglish || line.rfind("msgstr ", 0) == 0;
        EXPECT_EQ(line.find("fuzzy"), std::string::npos) << "a translation marked uncertain: " << line;
        EXPECT_NE(line.rfind("#~", 0), 0u) << "an obsolete entry left behind: " << line;
        // The header names the game's maintainers in Japanese; the texts follow it.
        if (sources > 0 && inEnglish) {
            EXPECT_FALSE(HasJapanese(line)) << "English with Japanese in it: " << line;
        }
    }
    // The build leaves untranslated texts out of the compiled catalogue.
    const auto english = Catalogue::FromMo(CompiledCatalogue(Language::English));
    ASSERT_TRUE(english);
    EXPECT_EQ(english->Size(), static_cast<std::size_t>(sources)) << "a Japanese text without its English";
    EXPECT_GT(sources, 40);
}

TEST_F(InEnglish, TextsAreLookedUpAndJapaneseStaysWhereThereIsNoEnglish)
{
    EXPECT_EQ(Tr("はじめから"), "New game");
    EXPECT_EQ(TrWith("ようこそ %sさん", "Taro"), "Hello, Taro!");
    EXPECT_EQ(TrWith("ようこそ %sさん", "%s%s"), "Hello, %s%s!") << "a name is never read as a mark";
    EXPECT_EQ(Tr("まだ訳のない言葉"), "まだ訳のない言葉");
    UseLanguage(Language::Japanese);
    EXPECT_EQ(Tr("はじめから"), "はじめから");
    EXPECT_EQ(TrWith("ようこそ %sさん", "太郎"), "ようこそ 太郎さん");
}

TEST(Catalogue, ADamagedFileIsRefusedWhole)
{
    const std::string good(CompiledCatalogue(Language::English));
    const auto english = Catalogue::FromMo(good);
    ASSERT_TRUE(english);
    for (std::size_t length = 0; length < good.size(); ++length)
        ASSERT_FALSE(Catalogue::FromMo(good.substr(0, length))) << "cut at " << length;

    // The header's words: magic, revision, count, the two tables' offsets.
    const std::uint32_t count = WordAt(good, 8);
    const std::uint32_t sources = WordAt(good, 12);
    const std::uint32_t translations = WordAt(good, 16);
    const auto withWord = [&good](std::size_t at, std::uint32_t word) {
        std::string bytes = good;
        for (int b = 0; b < 4; ++b)
            bytes[at + b] = static_cast<char>((word >> (8 * b)) & 0xFF);
        return bytes;
    };
    EXPECT_FALSE(Catalogue::FromMo(withWord(0, 0x12345678))) << "not a catalogue";
    EXPECT_FALSE(Catalogue::FromMo(withWord(4, 0x00020000))) << "a revision we cannot read";
    EXPECT_FALSE(Catalogue::FromMo(withWord(8, 0xFFFFFFFF))) << "more texts than any file holds";
    EXPECT_FALSE(Catalogue::FromMo(withWord(12, 0xFFFFFFF0))) << "a table past the end";
    EXPECT_FALSE(Catalogue::FromMo(withWord(16, static_cast<std::uint32_t>(good.size() - 4))));
    // A text reaching past the end, starting past it, or without its NUL.
    EXPECT_FALSE(Catalogue::FromMo(withWord(sources + 8, 0x7FFFFFFF)));
    EXPECT_FALSE(Catalogue::FromMo(withWord(translations + 12, 0xFFFFFFFF)));
    EXPECT_FALSE(Catalogue::FromMo(withWord(sources + 8, WordAt(good, sources + 8) + 1)));
    std::string unended = good;
    unended.back() = 'x';
    EXPECT_FALSE(Catalogue::FromMo(unended));

    // Written in the other byte order, the same catalogue reads the same.
    std::string swapped = good;
    const auto swapWord = [&swapped](std::size_t at) {
        std::swap(swapped[at], swapped[at + 3]);
        std::swap(swapped[at + 1], swapped[at + 2]);
    };
    for (std::size_t at = 0; at < 20; at += 4)
        swapWord(at);
    for (std::uint32_t word = 0; word < count * 2; ++word) {
        swapWord(sources + 4 * word);
        swapWord(translations + 4 * word);
    }
    const auto read = Catalogue::FromMo(swapped);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Size(), english->Size());
    ASSERT_TRUE(read->Find("もどる"));
    EXPECT_EQ(*read->Find("もどる"), "Back");
}
