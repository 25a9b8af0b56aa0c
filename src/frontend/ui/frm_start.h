#pragma once
#include <QWidget>
#include <array>

class GameTimer;
class TButton;
class TImage;
class TLabel;
class TPanel;

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

    int LogoStep = 0;
    int TitleStep = 0;

    TPanel* pnlLogo;
    TPanel* Panel1;  // the title
    TPanel* Panel2;  // continue: the saved games
    TPanel* Panel3;  // new game: where to save
    TPanel* Panel4;  // the menu
    TPanel* Panel7;  // the title frame
    std::array<TImage*, 7> imgTitle;
    TButton* bitStart;
    TButton* BitBtn1;  // はじめから
    TButton* BitBtn2;  // つづきから
    std::array<TButton*, 3> btnLoad;
    std::array<TButton*, 3> btnSave;
    TButton* btnF;     // lends its type to the buttons of used slots
    GameTimer* timLogo;
    GameTimer* timStart;

signals:
    // The window has been closed: the program is ending.
    void Closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void ReadSlotIndexFile();
    void timLogoTimer();
    void timStartTimer();
    void NewGameSlotClick(int slot);
    void ContinueSlotClick(int slot);
    void ShowPage(TPanel* page);

    std::array<bool, 3> slotUsed_{};
    bool logoStarted_ = false;
};
