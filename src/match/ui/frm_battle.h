#pragma once
#include "match/board_cursor.h"
#include "match/match_flow.h"

#include <QWidget>
#include <memory>
#include <string>

class GameTimer;
class TImage;
class TLabel;
class TPanel;
class TShape;

// The player's side of a match: whether the player moves second (Black, the
// first mover, sits on the left), the figure's picture identifier and the
// name (UTF-8). The opponent's side is the match's opponent.
struct MatchSides {
    bool playerIsSecond = false;
    std::string playerPicture;
    std::string playerName;
};

// The match screen: the board, the two sides, the speech bubble and the
// result. The match itself (turns, passes, remarks, the end) is `MatchFlow`;
// this screen paints it, plays its sounds and maps presses to squares.
class TfrmBattle : public QWidget, private MatchView {
    Q_OBJECT
public:
    explicit TfrmBattle(QWidget* parent = nullptr);
    ~TfrmBattle() override;

    // Once the board, the computer opponent and the campaign exist: the
    // match plays on them, and the board draws and sounds through this screen.
    void AttachMatch(TBoard& board, TDBrains& brains, MatchLedger& ledger);

    // The pick's hand-off: the opponent of the next match, its strength, its
    // sounds and its speech lines.
    void PrepareOpponent(const MatchOpponent& opponent);
    // The side buttons' hand-off: the player and the opponent take their
    // places (the left face mirrored), the speech bubble goes to the
    // opponent's corner, and the match starts with Black to move.
    void StartMatch(const MatchSides& sides);

    // Paints the empty board and hides the notice over it.
    void RedrawBoardBackground();

    // The match as it stands (for the tests of this screen).
    const MatchFlow& Flow() const { return *flow_; }
    MatchFlow& Flow() { return *flow_; }

protected:
    // The board's keys: the cursor and the move on its square.
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The player leaves the match (given up, or the result dismissed): the
    // selection screen comes back.
    void Left();
    // The match just left was the first win over the stage opponent at
    // (place, position): the selection screen crosses it out.
    void FirstWinRecorded(int place, int position);

private:
    class BoardView;

    // MatchView.
    void SetEnabled(bool enabled) override;
    void IndicatorTo(std::int32_t side) override;
    void ShowNotice(const std::string& text) override;
    void HideNotice() override;
    void PlayEffect(Effect effect) override;
    void PlayStartDisc() override;
    void PlayCountDisc() override;
    void Pause(int ms) override;
    void PumpEvents() override;
    void Announce(const std::string& text) override;
    void StartStartSequence() override;
    void SetStartPace(int ms) override;
    void StopStartSequence() override;
    void StartBubble() override;
    bool BubbleShowing() const override;
    void StartCount() override;
    void StopCount() override;
    void ShowResult(const Result& result) override;

    void DrawCell(int column, int row, std::int32_t value);
    void SetFace(TImage* image, const std::string& picture);
    void BoardPressed(QPoint position);
    void MoveCursorFrame();
    void GiveUpClicked();
    void FinishPressed();
    void MessageTick();

    std::unique_ptr<MatchFlow> flow_;
    std::unique_ptr<BoardView> boardView_;
    BoardCursor cursor_;
    const TBoard* attachedCells_ = nullptr;  // what the board's squares hold, for a screen reader

    // Widgets, by what they are for; their object names are the screen's
    // widget names.
    TImage* background_[4];          // Image1..Image4
    TImage* board_;                  // imgBoard
    QWidget* cursorFrame_;           // the keyboard's square on the board
    TLabel* notice_;                 // lblWinner
    TLabel* score_;                  // lblScore
    TShape* blackPlate_;             // Shape6
    TShape* whitePlate_;             // Shape7
    TLabel* leftName_;               // lblChar1
    TImage* leftFace_;               // imgChar1
    TLabel* rightName_;              // lblChar2
    TImage* rightFace_;              // imgChar2
    TShape* bubble_;                 // shpMessage
    TLabel* bubbleText_;             // lblMessage
    TPanel* finish_;                 // pnlFinish
    TLabel* finishText_;             // lblFinish
    GameTimer* startTimer_;          // timStart
    GameTimer* countTimer_;          // timPieceCount
    GameTimer* finishBlink_;         // timGameEnd
    GameTimer* bubbleTimer_;         // timMessage
};
