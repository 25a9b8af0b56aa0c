#include "platform/catalogue.h"
#include "platform/language.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>

TEST(Language, ChosenFromTheDesktopAsGettextChooses)
{
    const auto J = Language::Japanese, E = Language::English;
    const std::pair<LanguageSettings, Language> cases[] = {
        {{"", "", "", ""}, J},                                   // nothing set: the game as designed
        {{"en", "", "", "C.UTF-8"}, J},                          // the plain locale: LANGUAGE unread
        {{"en", "POSIX", "", "ja_JP.UTF-8"}, J},
        {{"", "", "", "en_US.UTF-8"}, E},
        {{"", "", "", "fr_FR.UTF-8"}, E},                        // a language the game lacks
        {{"", "", "", "japanese"}, E},                           // not the code "ja"
        {{"ja", "", "", "en_US.UTF-8"}, J},                      // LANGUAGE=ja zumoru
        {{"fr::en_GB:ja", "", "", "ja_JP.UTF-8"}, E},            // the first the game has
        {{"fr:de", "", "", "ja_JP.UTF-8"}, J},                   // then the locale's own
        {{"", "ja_JP.UTF-8", "en_US.UTF-8", "en_US.UTF-8"}, J},  // LC_ALL first
        {{"", "", "ja_JP.UTF-8", "en_US.UTF-8"}, J},             // then LC_MESSAGES
    };
    for (const auto& [s, expected] : cases)
        EXPECT_EQ(ChooseLanguage(s), expected) << "LANGUAGE=" << s.language << " LC_ALL=" << s.lcAll
                                               << " LC_MESSAGES=" << s.lcMessages << " LANG=" << s.lang;
}

// Every Japanese text of po/en.po has its English, which is looked up in
// English only and has no Japanese in it (the header excepted).
TEST(Catalogue, EveryTextHasItsEnglishAndJapaneseStaysTheSource)
{
    std::ifstream po(ZUMORU_SOURCE_DIR "/po/en.po");
    ASSERT_TRUE(po);
    int texts = -1;
    bool english = false;
    for (std::string line; std::getline(po, line);) {
        texts += line.rfind("msgid ", 0) == 0;
        english = line.rfind("msgid ", 0) != 0 && (english || line.rfind("msgstr ", 0) == 0);
        EXPECT_TRUE(line.find("fuzzy") == std::string::npos && line.rfind("#~", 0) != 0) << line;
        // Kana and kanji begin with a byte E3..E9 in UTF-8, the full-width forms with EF.
        const auto japanese = [](char c) { return (c >= '\xE3' && c <= '\xE9') || c == '\xEF'; };
        if (english && texts > 0) {
            EXPECT_FALSE(std::any_of(line.begin(), line.end(), japanese)) << line;
        }
    }
    // The build leaves a text without English out of the compiled catalogue.
    const auto catalogue = Catalogue::FromMo(CompiledCatalogue(Language::English));
    ASSERT_TRUE(catalogue);
    EXPECT_EQ(catalogue->Size(), static_cast<std::size_t>(texts));

    EXPECT_EQ(TrWith("ようこそ %sさん", "太郎"), "ようこそ 太郎さん");
    UseLanguage(Language::English);
    EXPECT_EQ(Tr("はじめから"), "New game");
    EXPECT_EQ(TrWith("ようこそ %sさん", "%s"), "Hello, %s!");
    // The values fill the marks in order; a name holding "%s" takes no value
    // meant for a later mark.
    EXPECT_EQ(TrWith("%s %s、%s 枚返しました", {"%s", "d3", "2"}), "%s played d3 and turned 2 discs.");
    EXPECT_EQ(Tr("訳のない言葉"), "訳のない言葉");
    UseLanguage(Language::Japanese);
}

TEST(Catalogue, ADamagedFileIsRefusedWhole)
{
    const std::string good(CompiledCatalogue(Language::English));
    ASSERT_TRUE(Catalogue::FromMo(good));
    for (std::size_t length = 0; length < good.size(); ++length)
        ASSERT_FALSE(Catalogue::FromMo(good.substr(0, length))) << "cut at " << length;
    const auto with = [&good](std::size_t at, std::uint32_t word) {
        std::string bytes = good;
        for (int b = 0; b < 4; ++b)
            bytes[at + b] = static_cast<char>(word >> (8 * b));
        return bytes;
    };
    const auto sources = static_cast<unsigned char>(good[12]) + 256u * static_cast<unsigned char>(good[13]);
    // The magic, the revision, the count, a table, a text's length and offset.
    for (const auto& [at, word] : std::initializer_list<std::pair<std::size_t, std::uint32_t>>{
             {0, 0xDE120495}, {4, 0x20000}, {8, 0xFFFFFFFF}, {12, 0xFFFFFFF0},
             {16, static_cast<std::uint32_t>(good.size() - 4)}, {sources + 8, 0xFFFFFFFF}, {sources + 12, 0xFFFFFFFF}})
        EXPECT_FALSE(Catalogue::FromMo(with(at, word))) << "word at " << at;
    std::string unended = good;
    unended.back() = 'x';
    EXPECT_FALSE(Catalogue::FromMo(unended)) << "a text without its NUL";
}
