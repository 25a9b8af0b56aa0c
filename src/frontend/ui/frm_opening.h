#pragma once
#include <QWidget>
#include <array>

class GameTimer;
class QLineEdit;
class TImage;
class TLabel;
class TPanel;
namespace frontend {
class TNextButton;
struct StoryStep;
}

// The opening window: name and figure, the game level and the story of the
// mysterious egg; at the end of the campaign the hatching, the naming of the
// chick and the game clear. Its pages lie on top of each other, one visible at
// a time; there is no way back to an earlier page.
class TfrmOpening : public QWidget {
    Q_OBJECT
public:
    explicit TfrmOpening(QWidget* parent = nullptr);

    // The new-game hand-off: shows the first page with the name box ready.
    void ShowForNewGame();
    // The game clear hand-off: shows the hatching page and starts its animation.
    void StartHatching();
    // From the start of the hatching until the chick's name is accepted.
    bool HatchingUnfinished() const { return hatching_; }

    int EggStep = 0;

    TPanel* Panel1;   // name and figure
    TPanel* Panel2;   // game level
    TPanel* Panel3;   // the egg story
    TPanel* Panel4;   // hatching and naming
    TPanel* Panel5;   // game clear
    QLineEdit* Edit1; // the player's name
    QLineEdit* Edit2; // the chick's name
    TLabel* lblMes1;
    TLabel* lblMes2;
    TLabel* lblCMes1;
    TLabel* lblCMes2;
    TLabel* Label3;   // Congratulations!
    TImage* imgHelo;
    TImage* imgEgg;
    TImage* imgEggAnime;
    TImage* imgKara;
    TImage* imgHina;
    TImage* imgEndHelo;
    TImage* imgEndEgg;
    std::array<frontend::TNextButton*, 7> NextButtons;  // Button6..Button12, the blinking "▼"
    GameTimer* timPanel3Button;
    GameTimer* timEgg;
    GameTimer* Timer1;

private:
    frontend::TNextButton* Next(int number) const { return NextButtons[static_cast<std::size_t>(number - 6)]; }
    void FormCreate();
    void PickFigure(bool boy);
    void PickLevel(int level);
    void StoryPress(const frontend::StoryStep& step, bool byKey);
    void timPanel3ButtonTimer();
    void timEggTimer();
    void VerdictClick();
    void NameChickClick();
    void AcceptChickNameClick();
    void Timer1Timer();
    void GameClearClick();

    bool blinkOn_ = false;
    bool congratulationsOn_ = false;
    bool hatching_ = false;
};
