// Inputs the fuzz targets found that broke a rule of the game, kept as plain
// tests so they stay fixed. (The inputs themselves are also in the seed
// corpora under fuzz/corpus.)
#include "profile/player_record.h"

#include <gtest/gtest.h>

#include <string>

namespace {

PlayerRecord ZeroRecord()
{
    TDUser user;
    return user.Record;
}

} // namespace

// A name longer than the field, whose tenth byte falls among blanks or control
// characters: cutting it to ten bytes must not leave blanks at its end.
TEST(FuzzFindings, ANameCutToTenBytesHasNoBlanksAtItsEnd)
{
    PlayerRecord record = ZeroRecord();
    record.SetPlayerName(std::string("Taro\x1A\n\n\n\n\n\n\n\n\n\xFF\xFF", 16));
    EXPECT_EQ(record.GetPlayerName(), "Taro");
    record.SetPlayerName("abcdefghi jk");
    EXPECT_EQ(record.GetPlayerName(), "abcdefghi");
    record.SetChickName("  Piyo      xyz  ");
    EXPECT_EQ(record.GetChickName(), "Piyo");
    // A name of exactly ten bytes is kept whole, inner blanks included.
    record.SetPlayerName(" ab  cdefgh ");
    EXPECT_EQ(record.GetPlayerName(), "ab  cdefgh");
}
