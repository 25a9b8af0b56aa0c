#pragma once
#include "board/board.h"
#include "match/match_rules.h"
#include "match/speech.h"

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <string>

class GameTimer;
class TButton;
class TImage;
class TLabel;
class TPanel;
class TShape;

// The match screen: one game of Reversi against the current opponent. Black
// moves first and sits on the left; the human moves by pressing a square of the
// board, the computer answers at once (again and again while the human must
// pass), the opponent comments in a speech bubble, and at the end the discs are
// counted out in two blocks before the result is shown.
class TfrmBattle : public QWidget {
    Q_OBJECT
public:
    explicit TfrmBattle(QWidget* parent = nullptr);
    ~TfrmBattle() override;

    // Connects the one board to this screen's drawing and sounds.
    void AttachBoard();

    int OpponentSoundSet = 1;  // 1..12, which disc sounds the computer makes

    // Replaces the opponent's speech lines with the lines of a Shift-JIS
    // message file; false (and nothing changed) when it cannot be read.
    bool LoadOpponentMessage(const std::string& path);

    // What the turn dialog's side buttons do: the player and the opponent take
    // their sides (the left picture mirrored), the speech bubble goes to the
    // opponent's corner, and the match starts with Black to move.
    void SetUpMatch(bool playerIsSecond, const QPixmap& playerPicture, const QString& playerName,
                    const QPixmap& opponentPicture, const QString& opponentName);

    // Paints the empty board and hides the notice over it.
    void RedrawBoardBackground();
    // Asks the opponent for a remark (see speech.h for the keys).
    void Speak(const std::string& key);
    // Counts the finished game, feeds the egg and starts the final count.
    void MatchEnd();

    // Match state.
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

    // Widgets, named as on the screen.
    TImage* Image1;
    TImage* Image2;
    TImage* Image3;
    TImage* Image4;
    TPanel* pnlBoard;
    TImage* imgBoard;
    TLabel* lblWinner;
    TLabel* lblScore;
    TShape* Shape6;
    TLabel* Label1;
    TShape* Shape3;
    TLabel* lblChar1;
    TImage* imgChar1;
    TShape* Shape7;
    TLabel* Label2;
    TShape* Shape4;
    TLabel* lblChar2;
    TImage* imgChar2;
    TShape* shpMessage;
    TLabel* lblMessage;
    TButton* btmGiveUp;
    TPanel* pnlFinish;
    TLabel* lblFinish;
    GameTimer* timStart;
    GameTimer* timPieceCount;
    GameTimer* timGameEnd;
    GameTimer* timMessage;

private:
    class BoardView;

    void DrawCell(int column, int row, std::int32_t value);
    void BuildWidgets();

    void imgBoardMouseDown(QPoint position);
    void btmGiveUpClick();
    void lblFinishMouseDown();
    void timStartTimer();
    void timPieceCountTimer();
    void timGameEndTimer();
    void timMessageTimer();

    void ComputerMove(std::int32_t side);
    void ShowPassNotice();
    void IndicatorTo(std::int32_t side);
    void ShowResult();
    void SetFace(TImage* image, const QPixmap& picture);
    int PlaceIndex() const;
    int CharIndex() const;

    // Marks a move sequence (a player's move with the computer's answers, or
    // the computer's opening move) for as long as it runs.
    class MoveInProgress {
    public:
        explicit MoveInProgress(bool& flag) : flag_(flag) { flag_ = true; }
        ~MoveInProgress() { flag_ = false; }
        MoveInProgress(const MoveInProgress&) = delete;
        MoveInProgress& operator=(const MoveInProgress&) = delete;

    private:
        bool& flag_;
    };

    BoardView* boardView_;
    bool moveInProgress_ = false;
};
