#pragma once
// One match, from the set-up to the player leaving the result: the start
// sequence, the player's move, the computer's answers (again and again while
// the player must pass) with the pass notices, the opponent's remarks and the
// corner flags, the end with its count and result, and what leaving records.
// It plays on the one board and drives the match screen through `MatchView`,
// as the board drives its observer; the screen keeps only widgets, painting
// and the mapping of presses to squares.
#include "board/board.h"
#include "match/match_rules.h"
#include "match/opponent.h"
#include "match/speech.h"
#include "media/sound_bank.h"

#include <cstdint>
#include <string>
#include <vector>

class GameRandom;
class PlayerRecord;
class TDBrains;

// What a match's end leaves in the campaign: the nutrition it fed the egg
// (the "Score +" line), and whether it was the first win over a stage
// opponent, whose portrait is then crossed out.
struct MatchRecord {
    int scoreGained = 0;
    bool firstWin = false;
};

// The campaign a match is part of: who the player is, and where its end is
// recorded, whole and at once.
class MatchLedger {
public:
    virtual ~MatchLedger() = default;
    // The player's name and figure.
    virtual const PlayerRecord& Player() const = 0;
    virtual MatchRecord RecordMatchEnd(const MatchOpponent& opponent, const MatchOutcome& outcome, int blackCount,
                                       int whiteCount) = 0;
};

// What the match asks of its screen.
class MatchView {
public:
    virtual ~MatchView() = default;

    // The screen takes the player's presses, or ignores them.
    virtual void SetEnabled(bool enabled) = 0;
    // The turn plate of `side` lights up, the other's goes dark.
    virtual void IndicatorTo(std::int32_t side) = 0;
    // The red notice over the board ("パスです!").
    virtual void ShowNotice(const std::string& text) = 0;
    virtual void HideNotice() = 0;
    virtual void PlayEffect(Effect effect) = 0;
    // The placing sound of the start discs and of the final count.
    virtual void PlayStartDisc() = 0;
    virtual void PlayCountDisc() = 0;
    virtual void Pause(int ms) = 0;
    virtual void PumpEvents() = 0;
    // Tells a screen reader what happened (UTF-8): a move, a pass, the result.
    virtual void Announce(const std::string& text) = 0;

    // The start sequence's timer: started, given its interval, stopped.
    virtual void StartStartSequence() = 0;
    virtual void SetStartPace(int ms) = 0;
    virtual void StopStartSequence() = 0;
    // The speech bubble's timer: started (its first tick shows the line), and
    // whether a remark is showing.
    virtual void StartBubble() = 0;
    virtual bool BubbleShowing() const = 0;
    // The final count's timer.
    virtual void StartCount() = 0;
    virtual void StopCount() = 0;

    // The result: its caption, the score line (empty: none), and the faces
    // (empty: unchanged). The screen then blinks "対局終了" and takes input.
    struct Result {
        std::string caption;
        std::string score;
        std::string playerFace;
        bool opponentWon = false;  // the opponent's face: its winning one, else its losing one
        bool facesChange = false;
    };
    virtual void ShowResult(const Result& result) = 0;
};

class MatchFlow {
public:
    MatchFlow(TBoard& board, TDBrains& brains, MatchLedger& ledger, GameRandom& random, MatchView& view);

    // The opponent of the next match, as the pick hands it over: the
    // computer takes its strength now, the match its lines and sounds.
    void SetOpponent(MatchOpponent opponent);
    const MatchOpponent& Opponent() const { return opponent_; }
    const PlayerRecord& Player() const { return ledger_.Player(); }

    // The set-up once the screen is shown: an empty board, the order of play,
    // the start sequence running, no corners taken, Black to move.
    void Begin(bool playerIsSecond);
    // One tick of the start sequence: the four discs, the greeting, and the
    // computer's first move when the player moves second.
    void StartTick();
    // A press on a square (column, row 1..8) while the screen takes input.
    void PlayerPress(int column, int row);
    // True while a move (the player's with the computer's answers, or the
    // computer's first) runs: nothing may enable the screen then.
    bool MoveInProgress() const { return moveInProgress_; }
    // Whether the player may give up now: on the player's turn, never while
    // a move runs nor once the match is over (its result waits to be left).
    bool CanGiveUp() const { return !moveInProgress_ && !over_; }
    // Giving up: the start sequence, if still running, ends here.
    void GiveUp();

    // A remark of the opponent (see speech.h for the keys); silent in the
    // colosseum.
    void Speak(const std::string& key);
    // One tick of the speech bubble.
    SpeechBubble::Step BubbleTick();

    // The game is over: count, record the end (the egg fed and a first win
    // marked, together), clear the board for the count.
    void MatchEnd();
    // One tick of the final count; its last shows the result.
    void CountTick();
    // The player leaves the result. True when the match was a first win over
    // a stage opponent: the selection screen crosses it out.
    bool Leave();

    // The match as it stands.
    bool PlayerIsSecond = false;
    bool PlayerTookCorner = false;
    bool ComputerTookCorner = false;
    int StartStep = 0;
    int CountStep = 0;
    int BlackCount = 0;
    int WhiteCount = 0;
    int MatchResult = 0;
    bool PlayerWon = false;
    int ScoreGained = 0;

    // The opponent's lines, and what it remembers for the whole run.
    SpeechScript OpponentMessage;
    SpeechMemory Memory;
    SpeechBubble Bubble;

private:
    void ComputerMove(std::int32_t side);
    // Places the disc with its flips and says so.
    void Play(int column, int row, std::int32_t side, bool byComputer);
    // The pass of the opponent (its name as shown), or of the player (empty).
    void PassNotice(const std::string& opponent);
    void ShowResult();

    TBoard& board_;
    TDBrains& brains_;
    MatchLedger& ledger_;
    GameRandom& random_;
    MatchView& view_;
    MatchOpponent opponent_;
    bool moveInProgress_ = false;
    bool over_ = false;
    bool firstWin_ = false;
};
