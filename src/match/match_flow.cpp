#include "match/match_flow.h"

#include "brains/brains.h"
#include "match/match_waits.h"
#include "media/figure.h"
#include "platform/catalogue.h"
#include "platform/game_random.h"
#include "platform/shift_jis.h"
#include "profile/player_record.h"

namespace {

// Marks a move for as long as it runs.
class MoveGuard {
public:
    explicit MoveGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~MoveGuard() { flag_ = false; }
    MoveGuard(const MoveGuard&) = delete;
    MoveGuard& operator=(const MoveGuard&) = delete;

private:
    bool& flag_;
};

} // namespace

MatchFlow::MatchFlow(TBoard& board, TDBrains& brains, MatchLedger& ledger, GameRandom& random, MatchView& view)
    : board_(board), brains_(brains), ledger_(ledger), random_(random), view_(view)
{
}

void MatchFlow::SetOpponent(MatchOpponent opponent)
{
    opponent_ = std::move(opponent);
    if (opponent_.strength)
        brains_.SetStrength(*opponent_.strength);
    OpponentMessage.SetLines(opponent_.speech);
}

void MatchFlow::Begin(bool playerIsSecond)
{
    board_.Clear();
    firstWin_ = false;
    over_ = false;
    PlayerIsSecond = playerIsSecond;
    view_.StartStartSequence();
    ComputerTookCorner = false;
    PlayerTookCorner = false;
    view_.IndicatorTo(Black);
}

void MatchFlow::StartTick()
{
    switch (StartStep) {
    case 0:
        StartStep = 10;
        break;
    case 10:
    case 20:
    case 30:
    case 40: {
        // White on (4,4) and (5,5), then Black on (4,5) and (5,4).
        static constexpr struct {
            int column, row;
            std::int32_t side;
        } kStartDiscs[] = {{4, 4, White}, {5, 5, White}, {4, 5, Black}, {5, 4, Black}};
        const auto& disc = kStartDiscs[StartStep / 10 - 1];
        view_.PlayStartDisc();
        board_.PutDisc(disc.column, disc.row, disc.side);
        // Moving first, the player may move from the fourth disc on.
        if (StartStep == 40 && !PlayerIsSecond && !moveInProgress_)
            view_.SetEnabled(true);
        StartStep += 10;
        break;
    }
    case 50:
        StartStep = 60;
        break;
    case 60:
        // From now on, for the rest of the run, the start goes at this slower pace.
        view_.SetStartPace(kMatchWaits.startSlowPace);
        Speak("GREETING");
        StartStep = 70;
        break;
    default:
        view_.StopStartSequence();
        StartStep = 0;
        // A player who moved early is still in the middle of that move (the
        // computer may be replying): the move enables the screen when it ends.
        if (moveInProgress_)
            break;
        if (PlayerIsSecond) {
            const MoveGuard computerMoving(moveInProgress_);
            view_.Pause(kMatchWaits.beforeOpeningMove);
            view_.PumpEvents();
            ComputerMove(Black);
            view_.IndicatorTo(White);
        }
        view_.SetEnabled(true);
        break;
    }
}

void MatchFlow::ComputerMove(std::int32_t side)
{
    brains_.ChooseMove(board_.Cells, side, brains_.RandomPlay ? 0 : 1);
    Play(brains_.BestX, brains_.BestY, side, true);
}

void MatchFlow::Play(int column, int row, std::int32_t side, bool byComputer)
{
    const int before = board_.CountDiscs(side);
    board_.PlaceAndFlip(column, row, side, byComputer);
    const int turned = board_.CountDiscs(side) - before - 1;
    view_.Announce(MoveAnnouncement(byComputer ? opponent_.name : std::string(), column, row, turned));
}

void MatchFlow::PassNotice(const std::string& opponent)
{
    view_.Announce(PassAnnouncement(opponent));
    view_.ShowNotice(Tr("パスです!"));
    view_.PlayEffect(Effect::Blip);
    view_.PumpEvents();
    view_.Pause(kMatchWaits.passNotice);
    view_.HideNotice();
}

void MatchFlow::PlayerPress(int column, int row)
{
    if (moveInProgress_)
        return;
    const std::int32_t player = PlayerIsSecond ? White : Black;
    const std::int32_t computer = -player;
    if (!board_.CanPlace(column, row, player))
        return;

    // From here until the player's turn comes back the screen stays disabled,
    // whatever the start sequence's timer does meanwhile.
    const MoveGuard moving(moveInProgress_);
    if (player == Black)
        view_.IndicatorTo(Black);
    view_.SetEnabled(false);
    Play(column, row, player, false);
    if (!view_.BubbleShowing() && IsCorner(column, row)) {
        Speak("LOSE_CORNER");
        PlayerTookCorner = true;
    }
    if (board_.IsMatchOver()) {
        MatchEnd();
        return;
    }
    if (board_.CountMoves(computer) == 0) {
        // The computer passes; the player moves again.
        PassNotice(opponent_.name);
        view_.SetEnabled(true);
        Speak("GET_PASS");
        return;
    }

    view_.PumpEvents();
    // The computer answers, and goes on answering while the player has no move.
    int iteration = 0;
    do {
        ++iteration;
        view_.IndicatorTo(computer);
        view_.Pause(kMatchWaits.beforeComputerMove);
        view_.PumpEvents();
        if (iteration > 1) {
            PassNotice({});
            Speak("GIVE_PASS");
            // The opponent has its say before it moves again.
            while (view_.BubbleShowing()) {
                view_.PumpEvents();
                view_.Pause(kMatchWaits.remarkCheck);
            }
        }
        ComputerMove(computer);
        const int empty = board_.CountDiscs(Empty);
        if (!view_.BubbleShowing() && empty > 5) {
            if (IsCorner(brains_.BestX, brains_.BestY)) {
                if (empty > 9) {
                    Speak("GET_CORNER");
                    ComputerTookCorner = true;
                }
            } else if (random_.Next(5) == 0) {
                Speak("RANDOM");
            }
        }
        if (board_.IsMatchOver()) {
            MatchEnd();
            return;
        }
        view_.PumpEvents();
    } while (board_.CountMoves(player) == 0);

    view_.IndicatorTo(player);
    view_.SetEnabled(true);
}

void MatchFlow::GiveUp()
{
    // Giving up before the greeting ends the start sequence too, so the next
    // match starts from its first step.
    view_.StopStartSequence();
    StartStep = 0;
    board_.Clear();
}

void MatchFlow::Speak(const std::string& key)
{
    // The chick never talks.
    if (opponent_.isChick)
        return;
    random_.SeedFromClock();
    const SpeechSituation situation{board_.CountDiscs(Empty), PlayerTookCorner, ComputerTookCorner};
    const auto line = OpponentMessage.ChooseLine(key, Bubble.MessageLine, situation, Memory, random_);
    if (!line)
        return;
    Bubble.MessageLine = *line;
    // A bubble already showing keeps its rhythm; it only gets the new line.
    if (!view_.BubbleShowing())
        view_.StartBubble();
}

SpeechBubble::Step MatchFlow::BubbleTick() { return Bubble.Tick(OpponentMessage); }

void MatchFlow::MatchEnd()
{
    over_ = true;
    view_.SetEnabled(false);
    BlackCount = board_.CountDiscs(Black);
    WhiteCount = board_.CountDiscs(White);
    // Let the final position be seen.
    view_.Pause(kMatchWaits.finalPosition);
    view_.PumpEvents();

    const MatchOutcome outcome = DecideOutcome(BlackCount, WhiteCount, PlayerIsSecond);
    MatchResult = outcome.result;
    PlayerWon = outcome.playerWon;
    // The campaign records the end at once: the egg fed and a first win
    // marked together. Any match but a first win scores nothing (a repeated
    // win reads "Score +0").
    const MatchRecord recorded = ledger_.RecordMatchEnd(opponent_, outcome, BlackCount, WhiteCount);
    ScoreGained = recorded.scoreGained;
    firstWin_ = recorded.firstWin;

    board_.Clear();
    board_.RedrawAll();
    view_.PumpEvents();
    view_.StartCount();
}

void MatchFlow::CountTick()
{
    if (BlackCount <= 0 && WhiteCount <= 0) {
        view_.StopCount();
        view_.Pause(kMatchWaits.beforeResult);
        ShowResult();
        return;
    }
    view_.PlayCountDisc();
    const CountStepDiscs discs = CountLayoutStep(CountStep, BlackCount, WhiteCount);
    if (discs.black)
        board_.PutDisc(discs.black->column, discs.black->row, Black);
    if (discs.white)
        board_.PutDisc(discs.white->column, discs.white->row, White);
    ++CountStep;
}

void MatchFlow::ShowResult()
{
    const MatchOutcome outcome{MatchResult, PlayerWon};
    MatchView::Result result;
    const PlayerRecord& player = ledger_.Player();
    result.caption = ResultCaption(outcome, FromShiftJis(player.GetPlayerName()));
    if (MatchResult == 0) {
        Speak("DRAW");
        view_.PlayEffect(Effect::Jingle);
    } else if (PlayerWon) {
        view_.PlayEffect(Effect::Fanfare);
        Speak("LOSS");
        if (!opponent_.isChick)
            result.score = ScoreCaption(ScoreGained);
        result.playerFace = FigurePicture(player.GetPlayerCharacter(), FigureMood::Winning);
        result.facesChange = true;
    } else {
        view_.PlayEffect(Effect::Lament);
        Speak("VICTORY");
        result.playerFace = FigurePicture(player.GetPlayerCharacter(), FigureMood::Losing);
        result.opponentWon = true;
        result.facesChange = true;
    }
    CountStep = 0;
    view_.ShowResult(result);
    // The board holds the count, laid out in its two blocks.
    view_.Announce(
        ResultAnnouncement(result.caption, board_.CountDiscs(Black), board_.CountDiscs(White), result.score));
}

bool MatchFlow::Leave()
{
    over_ = false;
    board_.Clear();
    const bool firstWin = firstWin_;
    firstWin_ = false;
    return firstWin;
}
