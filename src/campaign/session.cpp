#include "campaign/session.h"

#include "match/speech.h"
#include "platform/catalogue.h"
#include "platform/data_files.h"
#include "platform/services.h"
#include "platform/shift_jis.h"
#include "profile/player_record.h"

namespace campaign {

Session::Session(PlayerRecord& record) : record_(record) {}

void Session::NewGame(int slot)
{
    record_.LoadRecord(0);
    record_.SetSlotNumber(slot);
    open_ = {true, false, false, false};
    chickStrength_ = 1;
    phase_ = Phase::Opening;
}

void Session::ChooseFigure(std::string_view sjisName, bool boy)
{
    record_.SetPlayerName(sjisName);
    record_.SetPlayerCharacter(boy ? 1 : 0);
}

void Session::ChooseLevel(int level) { record_.SetLevel(level); }

void Session::BeginCampaign() { phase_ = Phase::Campaign; }

ContinuePlan Session::Continue(int slot)
{
    record_.LoadRecord(slot);
    // The progress goes back where it came from, whatever slot number a
    // damaged or foreign file carries (it could even name the template).
    record_.SetSlotNumber(slot);
    const ContinuePlan plan = PlanContinue(record_);
    open_ = {true, plan.openPlace2, plan.openPlace3, plan.cleared};
    if (plan.cleared)
        chickStrength_ = EggStrength(plan.nutrition);
    phase_ = Phase::Campaign;
    return plan;
}

std::optional<MatchOpponent> Session::PickStageOpponent(int stage, int position)
{
    const Opponent* cast = StageOpponent(stage, position);
    if (!cast)
        return std::nullopt;
    // The speech lines come first: when they cannot be read the pick stops
    // here, and the match keeps the last pick's opponent.
    const std::string path = DataPath(cast->messageTail);
    auto speech = SpeechScript::ReadFile(path);
    if (!speech) {
        Platform().ShowMessage(Tr("ファイルを開けません\n") + path, Tr("エラー"));
        return std::nullopt;
    }
    MatchOpponent opponent = StageOpponentAt(stage, position, record_.GetLevel());
    opponent.speech = std::move(*speech);
    return opponent;
}

MatchOpponent Session::PickChick() const
{
    return ChickAt(chickStrength_, FromShiftJis(record_.GetChickName()), record_.GetLevel());
}

MatchRecord Session::RecordMatchEnd(const MatchOpponent& opponent, const MatchOutcome& outcome, int blackCount,
                                    int whiteCount)
{
    MatchRecord recorded;
    // The chick, or anything that is not one of the twelve, records nothing.
    if (opponent.isChick || !StageOpponent(opponent.place, opponent.position))
        return recorded;
    const bool beatenBefore = record_.OpponentKnockDown(opponent.place, opponent.position) != 0;
    recorded.scoreGained = NutritionGained(outcome, blackCount, whiteCount, opponent.place, beatenBefore);
    recorded.firstWin = outcome.playerWon && !beatenBefore;
    if (recorded.firstWin) {
        record_.AddNutrition(recorded.scoreGained);
        record_.SetOpponentKnockDown(opponent.place, opponent.position, 1);
    }
    return recorded;
}

AfterFirstWin Session::FollowFirstWin()
{
    const AfterFirstWin after = DecideAfterFirstWin(record_, open_[1], open_[2]);
    open_[1] = open_[1] || after.openMountain;
    open_[2] = open_[2] || after.openCyber;
    return after;
}

void Session::ClearGame()
{
    record_.SetCleared(1);
    phase_ = Phase::Hatching;
}

ChickPanel Session::JudgeChick()
{
    const ChickPanel chick = ChickPanelFor(record_.GetNutrition());
    chickStrength_ = chick.eggStrength;
    return chick;
}

void Session::NameChick(std::string_view sjisName)
{
    record_.SetChickName(sjisName);
    if (phase_ == Phase::Hatching)
        phase_ = Phase::Campaign;
}

void Session::Save()
{
    switch (phase_) {
    case Phase::NoGame:
    case Phase::Opening:
        return;
    case Phase::Hatching: {
        PlayerRecord beforeTheClear = record_;
        beforeTheClear.SetCleared(0);
        beforeTheClear.SaveRecord();
        return;
    }
    case Phase::Campaign:
        record_.SaveRecord();
        return;
    }
}

} // namespace campaign
