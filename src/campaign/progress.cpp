#include "campaign/progress.h"

#include "campaign/roster.h"
#include "match/match_rules.h"
#include "profile/player_record.h"

#include <charconv>

namespace campaign {

int NutritionGained(const MatchOutcome& outcome, int blackCount, int whiteCount, int placeIndex,
                    bool opponentAlreadyBeaten)
{
    if (!outcome.playerWon || placeIndex == kColosseum || opponentAlreadyBeaten)
        return 0;
    return WinMargin(blackCount, whiteCount);
}

int CountBeatenStageOpponents(const PlayerRecord& record)
{
    int beaten = 0;
    for (int stage = 0; stage < kStageCount; ++stage)
        for (int position = 0; position < kOpponentsPerStage; ++position)
            if (record.OpponentKnockDown(stage, position) == 1)
                ++beaten;
    return beaten;
}

bool StageCompleted(const PlayerRecord& record, int stage)
{
    for (int position = 0; position < kOpponentsPerStage; ++position)
        if (record.OpponentKnockDown(stage, position) != 1)
            return false;
    return true;
}

AfterFirstWin DecideAfterFirstWin(const PlayerRecord& record, bool mountainShown, bool cyberShown)
{
    AfterFirstWin after;
    if (CountBeatenStageOpponents(record) == kStageCount * kOpponentsPerStage && record.GetCleared() == 0) {
        after.gameClear = true;
        return after;
    }
    after.openMountain = !mountainShown && StageCompleted(record, 0);
    after.openCyber = !cyberShown && StageCompleted(record, 1);
    return after;
}

namespace {
constexpr int kCrossInset = 15;
}

CrossStroke CrossDownStroke(int width, int height)
{
    return {kCrossInset, kCrossInset, width - kCrossInset, height - kCrossInset};
}

CrossStroke CrossUpStroke(int firstWidth)
{
    return {firstWidth - kCrossInset, kCrossInset, kCrossInset, firstWidth - kCrossInset};
}

int ShownNutrition(std::string_view caption)
{
    while (!caption.empty() && (caption.front() == ' ' || caption.front() == '\t'))
        caption.remove_prefix(1);
    while (!caption.empty() && (caption.back() == ' ' || caption.back() == '\t'))
        caption.remove_suffix(1);
    if (!caption.empty() && caption.front() == '+')
        caption.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(caption.data(), caption.data() + caption.size(), value);
    if (error != std::errc() || end != caption.data() + caption.size())
        return 0;
    return value;
}

} // namespace campaign
