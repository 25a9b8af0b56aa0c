#pragma once
#include <QWidget>

class GameTimer;
class TButton;
class TImage;
class TLabel;
class TPanel;

// Stage and opponent selection, with the defeat animation and the bonus stage.
class TfrmCharSelect : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCharSelect(QWidget* parent = nullptr);

    int PlaceIndex = 0;   // 0..2 the stages, 3 the colosseum
    int CharIndex = 0;    // the opponent picked last, 0..3 within its place
    int EggStrength = 1;  // the chick's strength 1..5

    // Both strokes of the red cross on a portrait, at once and silently
    // (place 1..3, position 1..4).
    void DrawCross(int place, int position);
    // The two strokes one at a time, as the defeat animation draws them.
    void DrawCrossDown(int place, int position);
    void DrawCrossUp(int place, int position);
    // The match end calls this after recording a first win: disables the screen
    // and starts the defeat animation for (PlaceIndex, CharIndex).
    void StartDefeatAnimation();
    // What pressing place tab 1..4 does (tab pressed, its panel shown, the
    // others raised and hidden, PlaceIndex = place - 1), with or without the
    // click sound.
    void SelectPlace(int place, bool withSound);
    // The twelfth stage opponent has fallen (or a game saved during the
    // hatching is continued): the game is cleared and the egg hatches.
    void ClearGame();

    // Widgets the opening, the continue path and the hatching fill in.
    TLabel* lblDificulty = nullptr;
    TLabel* lblName = nullptr;
    TLabel* lblName2 = nullptr;
    TLabel* lblScore = nullptr;
    TLabel* lblMes1 = nullptr;
    TLabel* lblMes2 = nullptr;
    TImage* imgPlayer = nullptr;
    TImage* imgEgg = nullptr;
    TPanel* pnlEgg = nullptr;
    TPanel* pnlClear = nullptr;
    TPanel* pnlPlace1 = nullptr;
    TPanel* pnlPlace2 = nullptr;
    TPanel* pnlPlace3 = nullptr;
    TPanel* pnlPlace4 = nullptr;
    TLabel* lblEggName = nullptr;
    TLabel* lblEiyou = nullptr;
    TLabel* lblTuyosa = nullptr;
    TImage* imgCharEgg = nullptr;

    // The defeat animation: its timer (650 ms) and the step it is on; 0 when
    // no animation runs.
    GameTimer* timDes = nullptr;
    int DesStep = 0;

    // The portrait of place 1..3, position 1..4 (nullptr outside).
    TImage* Portrait(int place, int position) const;

private:
    void PickOpponent(int place, int position);
    void PickChick();
    void QuitClicked();
    void timDesTimer();
    void CountNutritionUp();
    void OpenNextPlaces();
    void DrawStroke(TImage* portrait, int x1, int y1, int x2, int y2);

    TPanel* placeTabs_[4] = {};
    TPanel* placePanels_[4] = {};
    TImage* portraits_[3][4] = {};
    TButton* Button1 = nullptr;
};
