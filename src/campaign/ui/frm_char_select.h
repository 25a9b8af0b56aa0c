#pragma once
#include <QWidget>
#include <cstdint>
#include <string>

class GameTimer;
class TImage;
class TLabel;
class TPanel;
struct MatchOpponent;
namespace campaign {
struct ChickPanel;
struct ContinuePlan;
class Session;
}

// Stage and opponent selection, with the defeat animation and the bonus stage.
// It shows the campaign and passes the player's presses to it; other screens
// reach it through the hand-offs below; its widgets are its own.
class TfrmCharSelect : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCharSelect(QWidget* parent = nullptr);

    // The campaign this screen plays (handed over once it exists).
    void UseCampaign(campaign::Session& session) { session_ = &session; }

    // A new game: the figure the player picked (a picture identifier), then
    // the level caption and the name, with the first place selected.
    void SetPlayerFigure(const std::string& picture);
    void BeginNewGame(const std::string& levelCaption, const QString& playerName);
    // A continued game: crosses, captions, places and, once cleared, the chick.
    void Continue(const campaign::ContinuePlan& plan);
    // The chick's panel in the colosseum, as the verdict gave it, and its
    // name as typed.
    void ShowChick(const campaign::ChickPanel& chick);
    void SetChickName(const QString& typed);
    // The turn dialog was cancelled: the screen takes input again.
    void TakeInputAgain();
    // The screen comes up with the focus: after the egg's story, on a
    // continued game, back from a match.
    void Enter();
    // The match begins: the screen hides, and takes input again once shown.
    void LeaveForMatch();
    // After a first win, recorded by the match over the opponent at (place
    // 0..2, position 0..3): the cross, the count-up and the unlocks or the
    // game clear.
    void StartDefeatAnimation(int place, int position);
    // The twelfth stage opponent has fallen (or a game saved during the
    // hatching is continued): the game is cleared and the egg hatches.
    void ClearGame();

    // The player's figure, as a picture identifier.
    const std::string& PlayerFigure() const { return playerFigure_; }

    // What pressing place tab 0..3 does (tab pressed, its panel shown, the
    // others raised and hidden, PlaceIndex = place), with or without the
    // click sound.
    void SelectPlace(int place, bool withSound);
    // Both strokes of the red cross on a portrait (place 0..2, position
    // 0..3), at once and silently; one stroke at a time in the animation.
    void DrawCross(int place, int position);

    int PlaceIndex() const { return placeIndex_; }      // 0..2 the stages, 3 the colosseum
    int CharIndex() const { return charIndex_; }        // the opponent picked last, 0..3
    int EggStrength() const;                            // the chick's strength 1..5
    int DesStep() const { return desStep_; }            // the defeat animation's step; 0 when idle

signals:
    // A portrait was picked: the turn dialog and the match take it from here.
    void OpponentPicked(const MatchOpponent& opponent);
    // The player confirmed the quit: the game is saved and the program ends.
    void QuitConfirmed();
    // The game is cleared: the hatching begins.
    void GameCleared();

private:
    void PickOpponent(int place, int position);
    void PickChick();
    void QuitClicked();
    void DefeatTick();
    void CountNutritionUp();
    void OpenPlace(int place);
    void DrawCrossDown(int place, int position);
    void DrawCrossUp(int place, int position);
    void DrawStroke(TImage* portrait, int x1, int y1, int x2, int y2);
    void ShowGameCleared();

    campaign::Session* session_ = nullptr;
    int placeIndex_ = 0;
    int charIndex_ = 0;
    int desStep_ = 0;
    // The opponent the defeat animation crosses out, as the match recorded it.
    int beatenPlace_ = 0;
    int beatenPosition_ = 0;
    std::string playerFigure_;

    // Widgets, by what they are for; their object names are the screen's
    // widget names.
    TPanel* placeTabs_[4] = {};     // pnlPlace1..pnlPlace4
    TPanel* placePanels_[4] = {};   // Panel1..Panel4
    TImage* portraits_[3][4] = {};  // imgChar1_1..imgChar3_4
    TLabel* levelCaption_;          // lblDificulty
    TLabel* playerName_;            // lblName
    TLabel* clearedName_;           // lblName2
    TLabel* score_;                 // lblScore
    TLabel* eggMessage1_;           // lblMes1
    TLabel* eggMessage2_;           // lblMes2
    TImage* playerPicture_;         // imgPlayer
    TImage* eggSlot_;               // imgEgg
    TPanel* eggPanel_;              // pnlEgg
    TPanel* clearPanel_;            // pnlClear
    TLabel* chickName_;             // lblEggName
    TLabel* chickNutrition_;        // lblEiyou
    TLabel* chickStrength_;         // lblTuyosa
    TImage* chickPortrait_;         // imgCharEgg
    GameTimer* defeatTimer_;        // timDes
};
