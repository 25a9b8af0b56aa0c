#include "campaign/selection.h"

#include "campaign/progress.h"
#include "campaign/roster.h"
#include "media/figure.h"
#include "platform/catalogue.h"
#include "platform/shift_jis.h"
#include "profile/player_record.h"

namespace campaign {

MatchOpponent StageOpponentAt(int stage, int position, int level)
{
    const Opponent& opponent = *StageOpponent(stage, position);
    MatchOpponent card;
    // The name and strength as the player reads them, in the game's language.
    card.name = Tr(opponent.name);
    card.strengthCaption = Tr(opponent.strengthCaption);
    card.portrait = PortraitId(opponent);
    card.winFace = WinFaceId(opponent);
    card.lossFace = LossFaceId(opponent);
    card.soundSet = opponent.soundSet;
    card.place = stage;
    card.position = position;
    card.strength = OpponentStrengthAt(stage, position, level);
    return card;
}

MatchOpponent ChickAt(int eggStrength, const std::string& chickName, int level)
{
    MatchOpponent card;
    card.name = chickName;
    card.strengthCaption = Tr(ChickStrengthCaption(eggStrength));
    card.portrait = card.winFace = card.lossFace = ChickPictureId(eggStrength);
    card.soundSet = kChickSoundSet;
    card.place = kColosseum;
    card.position = 0;
    card.isChick = true;
    card.strength = ChickStrengthAt(eggStrength, level);
    return card;
}

std::string StrengthInWords(int stars) { return TrWith("強さ 星%sつ", std::to_string(stars)); }

std::string PortraitDescription(int stage, int position, bool beaten)
{
    const Opponent& opponent = *StageOpponent(stage, position);
    const std::string_view caption = opponent.strengthCaption;
    const std::string_view star = "★";
    int stars = 0;
    for (std::size_t at = caption.find(star); at != std::string_view::npos; at = caption.find(star, at + star.size()))
        ++stars;
    return Tr(opponent.name) + " " + StrengthInWords(stars) + (beaten ? Tr("、倒した") : "");
}

std::string ChickDescription(const std::string& chickName, int eggStrength)
{
    return chickName + " " + StrengthInWords(eggStrength);
}

std::string OpeningLevelCaption(int level)
{
    switch (level) {
    case 0: return Tr("～ やさしい ～");
    case 1: return Tr("～ 普通 ～");
    default: return Tr("～ 難しい ～");
    }
}

std::string ContinueLevelCaption(std::int32_t level)
{
    if (level == 0)
        return Tr("～ やさしい ～");
    if (level == 1)
        return Tr("～普通 ～");
    return Tr("～ 難しい ～");
}

std::string NutritionCaption(std::int32_t nutrition)
{
    return TrWith("栄養：%s", std::to_string(nutrition));
}

ChickPanel ChickPanelFor(std::int32_t nutrition)
{
    ChickPanel panel;
    panel.eggStrength = EggStrength(nutrition);
    panel.strengthCaption = StrengthCaption(panel.eggStrength);
    panel.picture = ChickPictureId(panel.eggStrength);
    panel.nutritionCaption = NutritionCaption(nutrition);
    return panel;
}

ContinuePlan PlanContinue(const PlayerRecord& record)
{
    ContinuePlan plan;
    for (int stage = 0; stage < kStageCount; ++stage)
        for (int position = 0; position < kOpponentsPerStage; ++position)
            if (record.OpponentKnockDown(stage, position) == 1)
                plan.crosses.emplace_back(stage, position);
    plan.levelCaption = ContinueLevelCaption(record.GetLevel());
    plan.playerName = FromShiftJis(record.GetPlayerName());
    plan.score = std::to_string(record.GetNutrition());
    plan.playerPicture = FigurePicture(record.GetPlayerCharacter(), FigureMood::AsPicked);
    plan.openPlace2 = StageCompleted(record, 0);
    plan.openPlace3 = StageCompleted(record, 1);
    plan.cleared = record.GetCleared() == 1;
    plan.hatchingDue = record.GetCleared() == 0 && CountBeatenStageOpponents(record) == kStageCount * kOpponentsPerStage;
    plan.nutrition = record.GetNutrition();
    if (plan.cleared)
        plan.chickName = FromShiftJis(record.GetChickName());
    plan.selectPlace = plan.cleared ? kColosseum : plan.openPlace3 ? 2 : plan.openPlace2 ? 1 : -1;
    return plan;
}

} // namespace campaign
