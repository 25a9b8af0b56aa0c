#pragma once
// The campaign of one run, without a window, over the one player record: a
// new game or a continued one, the opening's choices, the picks (each handed
// to the match as one opponent value, its strength included), what a match's
// end records, the places a first win opens, the game clear and the chick,
// and the one save that every way out of the game calls.
//
// The record changes only in whole steps: a match's end feeds the egg and
// marks the opponent beaten together, so a save at any moment holds either
// the record as it was before the match or the match recorded whole.
#include "campaign/progress.h"
#include "campaign/roster.h"
#include "campaign/selection.h"
#include "match/match_flow.h"

#include <array>
#include <optional>
#include <string_view>

class PlayerRecord;

namespace campaign {

class Session : public MatchLedger {
public:
    explicit Session(PlayerRecord& record);

    // A new game in slot 1..3: the record from the template, the slot set.
    // Nothing is saved until the campaign begins; the slot's old game stays.
    void NewGame(int slot);
    // The opening: the player's name (Shift-JIS) with the figure picked, then
    // the game level.
    void ChooseFigure(std::string_view sjisName, bool boy);
    void ChooseLevel(int level);
    // The egg's story is told: the campaign begins, and with it the progress
    // a way out of the game saves.
    void BeginCampaign();
    // A saved game goes on from slot 1..3: what the selection screen shows.
    ContinuePlan Continue(int slot);

    // A press on a stage opponent's portrait (stage 0..2, position 0..3):
    // the opponent with its lines and its strength at the player's level.
    // Nothing when its speech file cannot be read; the player has been told.
    std::optional<MatchOpponent> PickStageOpponent(int stage, int position);
    // A press on the chick in the colosseum.
    MatchOpponent PickChick() const;

    // The match's ledger: the end of a match is recorded here, at once.
    const PlayerRecord& Player() const override { return record_; }
    MatchRecord RecordMatchEnd(const MatchOpponent& opponent, const MatchOutcome& outcome, int blackCount,
                               int whiteCount) override;

    // After a first win's count-up: the places it opens (each at most once),
    // or the game clear when all twelve stage opponents have fallen.
    AfterFirstWin FollowFirstWin();
    // The game is cleared and the egg hatches: after the twelfth first win,
    // or when a game saved during the hatching goes on.
    void ClearGame();
    // The verdict on the hatched chick, for the nutrition it was fed.
    ChickPanel JudgeChick();
    // The chick's name (Shift-JIS): the hatching is over.
    void NameChick(std::string_view sjisName);
    // The chick's strength 1..5, as the verdict or a continued cleared game
    // gave it.
    int ChickStrength() const { return chickStrength_; }

    // The one save, for every way out of the game: nothing before the
    // campaign has begun (the slot keeps its old game); during the hatching,
    // before the chick has its name, the game as it stood before the clear,
    // twelve wins and all, so that continuing it hatches the egg again;
    // otherwise the record as it stands, which is always whole.
    void Save();

private:
    enum class Phase { NoGame, Opening, Campaign, Hatching };

    PlayerRecord& record_;
    Phase phase_ = Phase::NoGame;
    // Which places have their tab open: the forest from the start, the others
    // as stages are completed, the colosseum once a cleared game goes on.
    std::array<bool, kPlaceCount> open_{true, false, false, false};
    int chickStrength_ = 1;
};

} // namespace campaign
