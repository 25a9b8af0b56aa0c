#pragma once
#include <QWidget>
#include <array>
#include <cstdint>
#include <string>

class GameTimer;
class QLineEdit;
class TImage;
class TLabel;
class TNextButton;
class TPanel;
namespace campaign {
struct ChickPanel;
class Session;
}
namespace frontend {
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

    // The campaign the opening starts and the hatching ends (handed over
    // once it exists).
    void UseCampaign(campaign::Session& session) { session_ = &session; }

    // The new-game hand-off: shows the first page with the name box ready.
    void ShowForNewGame();
    // The game clear hand-off: shows the hatching page and starts its animation.
    void StartHatching();

    int EggStep() const { return eggStep_; }

signals:
    // The player picked a figure (its picture identifier).
    void FigurePicked(const std::string& picture);
    // The player picked a level: its caption on the selection screen, and the
    // stored name as shown.
    void LevelPicked(const std::string& levelCaption, const QString& playerName);
    // The egg's story is told: the campaign begins.
    void StoryTold();
    // The verdict on the chick: its panel for the colosseum.
    void ChickJudged(const campaign::ChickPanel& chick);
    // The chick's name, as typed.
    void ChickNamed(const QString& typed);
    // "Game Clear！": the game is to be saved, and the program ends.
    void GameClearPressed();

private:
    TNextButton* Next(int number) const { return nextButtons_[static_cast<std::size_t>(number - 6)]; }
    void PickFigure(bool boy);
    void PickLevel(int level);
    void StoryPress(const frontend::StoryStep& step, bool byKey);
    void BlinkTick();
    void HatchTick();
    void VerdictClick();
    void NameChickClick();
    void AcceptChickNameClick();
    void CongratulationsTick();
    void GameClearClick();

    campaign::Session* session_ = nullptr;
    int eggStep_ = 0;
    bool blinkOn_ = false;
    bool congratulationsOn_ = false;

    // Widgets, by what they are for; their object names are the window's
    // widget names.
    TPanel* namePage_;        // Panel1
    TPanel* levelPage_;       // Panel2
    TPanel* storyPage_;       // Panel3
    TPanel* hatchingPage_;    // Panel4
    TPanel* clearPage_;       // Panel5
    QLineEdit* playerName_;   // Edit1
    QLineEdit* chickName_;    // Edit2
    TLabel* story1_;          // lblMes1
    TLabel* story2_;          // lblMes2
    TLabel* hatching1_;       // lblCMes1
    TLabel* hatching2_;       // lblCMes2
    TLabel* congratulations_; // Label3
    TImage* figure_;          // imgHelo
    TImage* smallEgg_;        // imgEgg
    TImage* egg_;             // imgEggAnime
    TImage* shell_;           // imgKara
    TImage* chick_;           // imgHina
    TImage* clearFigure_;     // imgEndHelo
    TImage* clearChick_;      // imgEndEgg
    std::array<TNextButton*, 7> nextButtons_;  // Button6..Button12, the blinking "▼"
    GameTimer* blinkTimer_;   // timPanel3Button
    GameTimer* hatchTimer_;   // timEgg
    GameTimer* clearTimer_;   // Timer1
};
