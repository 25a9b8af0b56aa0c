#include "support/expected_tables.h"
#include "campaign/roster.h"
#include "support/game_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace campaign;

TEST(Roster, EveryStageOpponentIsAsTheTableGives)
{
    for (int stage = 0; stage < kStageCount; ++stage)
        for (int position = 0; position < kOpponentsPerStage; ++position) {
            const expected::RosterRow& row = expected::kRoster[stage * 4 + position];
            SCOPED_TRACE(row.portrait);
            const Opponent* opponent = StageOpponent(stage, position);
            ASSERT_NE(opponent, nullptr);
            EXPECT_STREQ(opponent->name, row.name);
            EXPECT_STREQ(opponent->strengthCaption, row.strength);
            EXPECT_STREQ(opponent->messageTail, row.messageFile);
            EXPECT_EQ(opponent->soundSet, row.soundSet);
            EXPECT_EQ(PortraitId(*opponent), row.media[0]);
            EXPECT_EQ(WinFaceId(*opponent), row.media[1]);
            EXPECT_EQ(LossFaceId(*opponent), row.media[2]);
        }
    EXPECT_EQ(StageOpponent(3, 0), nullptr);
    EXPECT_EQ(StageOpponent(0, 4), nullptr);
    EXPECT_EQ(StageOpponent(-1, 0), nullptr);
}

TEST(Roster, StrengthForEveryOpponentAndLevel)
{
    for (int stage = 0; stage < kStageCount; ++stage)
        for (int position = 0; position < kOpponentsPerStage; ++position)
            for (int level = 0; level < 3; ++level) {
                SCOPED_TRACE(testing::Message() << expected::kRoster[stage * 4 + position].portrait << " level "
                                                << level);
                const auto strength = OpponentStrengthAt(stage, position, level);
                ASSERT_TRUE(strength.has_value());
                EXPECT_EQ(*strength, expected::Strength(expected::kStageStrength[stage * 4 + position][level]));
            }
    // A level the game does not know leaves the computer's strength alone.
    EXPECT_FALSE(OpponentStrengthAt(0, 0, 3).has_value());
    EXPECT_FALSE(OpponentStrengthAt(2, 3, -1).has_value());
    EXPECT_FALSE(OpponentStrengthAt(3, 0, 0).has_value());
}

TEST(Roster, TheChickAtEveryStrengthAndLevel)
{
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        for (int level = 0; level < 3; ++level) {
            const auto strength = ChickStrengthAt(n, level);
            ASSERT_TRUE(strength.has_value());
            EXPECT_EQ(*strength, expected::Strength(expected::kChickStrength[n - 1][level]));
        }
        EXPECT_EQ(ChickStrengthCaption(n), expected::kChickCaption[n - 1]);
        EXPECT_EQ(ChickPictureId(n), "imgEgg" + std::to_string(n));
    }
    EXPECT_FALSE(ChickStrengthAt(0, 1).has_value());
    EXPECT_FALSE(ChickStrengthAt(6, 1).has_value());
    EXPECT_FALSE(ChickStrengthAt(3, 7).has_value());
    EXPECT_EQ(kChickSoundSet, 5);
}

TEST(Roster, EggStrengthStepsAreStrict)
{
    const std::pair<int, int> cases[] = {{-5, 1}, {0, 1}, {100, 1}, {101, 2}, {200, 2}, {201, 3},
                                         {300, 3}, {301, 4}, {400, 4}, {401, 5}, {9999, 5}};
    for (const auto& [nutrition, strength] : cases)
        EXPECT_EQ(campaign::EggStrength(nutrition), strength) << nutrition;
    EXPECT_EQ(campaign::StrengthCaption(1), "強さ：★");
    EXPECT_EQ(campaign::StrengthCaption(5), "強さ：★★★★★");
}

TEST(Roster, PlacesCaptionsColoursAndFirstVisibility)
{
    struct Row {
        const char* caption;
        std::uint32_t colour;
        std::uint32_t captionColour;
        bool visible;
    };
    const Row rows[] = {
        {"迷いの森", 0xB6CFB1, 0x000000, true},
        {"魔の山", 0xBFBFFF, 0x000000, false},
        {"電脳立国", 0xCDB4B8, 0x000000, false},
        {"コロシアム", 0x000000, 0xFFFFFF, false},
    };
    for (int p = 0; p < kPlaceCount; ++p) {
        const PlaceInfo* place = CampaignPlace(p);
        ASSERT_NE(place, nullptr);
        EXPECT_STREQ(place->caption, rows[p].caption);
        EXPECT_EQ(place->colour, rows[p].colour);
        EXPECT_EQ(place->captionColour, rows[p].captionColour);
        EXPECT_EQ(place->visibleAtFirst, rows[p].visible);
    }
    EXPECT_EQ(CampaignPlace(4), nullptr);
    EXPECT_EQ(CampaignPlace(-1), nullptr);
}

// The roster names files and pictures that must be delivered with the game.
TEST(Roster, NamesOnlyDeliveredSpeechFilesAndDrawnPictures)
{
    const std::filesystem::path art = std::filesystem::path(ZUMORU_SOURCE_DIR) / "art";
    for (int stage = 0; stage < kStageCount; ++stage)
        for (int position = 0; position < kOpponentsPerStage; ++position) {
            const Opponent& opponent = *StageOpponent(stage, position);
            SCOPED_TRACE(opponent.messageTail);
            EXPECT_TRUE(std::filesystem::exists(DeliveredData().parent_path() / (opponent.messageTail + 1)));
            for (const std::string& id : {PortraitId(opponent), WinFaceId(opponent), LossFaceId(opponent)})
                EXPECT_TRUE(std::filesystem::exists(art / (id + ".svg"))) << id;
        }
    for (int n = 1; n <= 5; ++n)
        EXPECT_TRUE(std::filesystem::exists(art / (ChickPictureId(n) + ".svg")));
}
