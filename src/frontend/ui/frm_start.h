#pragma once
#include <QWidget>
#include <array>

class GameTimer;
class TButton;
class TImage;
class TPanel;
namespace campaign {
struct ContinuePlan;
class Session;
}

// The title screen and main menu, with the save-slot pages. It is the main
// window: closing it ends the program.
//
// The pages lie on top of each other at the window's origin, one visible at a
// time: the logo, the title (with the start button), the menu, then the page
// of saved games to continue or the page of places to save a new game.
class TfrmStart : public QWidget {
    Q_OBJECT
public:
    explicit TfrmStart(QWidget* parent = nullptr);

    // The campaign a slot starts or continues (handed over once it exists).
    void UseCampaign(campaign::Session& session) { session_ = &session; }

    int LogoStep() const { return logoStep_; }
    int TitleStep() const { return titleStep_; }

signals:
    // A slot was chosen for a new game: the campaign holds the template and
    // the slot number. The title screen has hidden itself.
    void NewGameChosen();
    // A saved game was loaded from its slot: what the selection screen shows
    // for it. The title screen has hidden itself.
    void GameContinued(const campaign::ContinuePlan& plan);
    // The window has been closed: the program is ending.
    void Closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ReadSlotIndexFile();
    void OnLogoTimer();
    void OnTitleTimer();
    void NewGameSlotClick(int slot);
    void ContinueSlotClick(int slot);
    void ShowPage(TPanel* page);

    campaign::Session* session_ = nullptr;
    int logoStep_ = 0;
    int titleStep_ = 0;
    std::array<bool, 3> slotUsed_{};
    bool logoStarted_ = false;

    // Widgets, by what they are for; their object names are the window's
    // widget names.
    TPanel* logoPage_;                     // pnlLogo
    TPanel* titlePage_;                    // Panel1
    TPanel* continuePage_;                 // Panel2
    TPanel* newGamePage_;                  // Panel3
    TPanel* menuPage_;                     // Panel4
    std::array<TImage*, 7> glyphs_;        // imgTitle1..imgTitle7
    TButton* start_;                       // bitStart
    std::array<TButton*, 3> loadButtons_;  // btnLoad1..btnLoad3
    std::array<TButton*, 3> saveButtons_;  // btnSave1..btnSave3
    TButton* usedSlotType_;                // btnF
    GameTimer* logoTimer_;                 // timLogo
    GameTimer* titleTimer_;                // timStart
};
