#include "app/screen_flow.h"

#include "app/screens.h"
#include "app/window_exits.h"
#include "campaign/session.h"
#include "campaign/ui/frm_char_select.h"
#include "campaign/ui/frm_turn_select.h"
#include "frontend/ui/frm_opening.h"
#include "frontend/ui/frm_start.h"
#include "match/ui/frm_battle.h"
#include "platform/shift_jis.h"
#include "profile/player_record.h"

#include <QObject>

namespace {

// The game's own two exits, the quit and the game clear: the campaign is
// saved, and closing the main window ends the program.
void SaveAndEnd()
{
    Campaign().Save();
    WindowExits::CloseFromGame(frmStart);
}

// The player's side: the figure from the selection screen, the stored name.
MatchSides PlayerSide(bool playerIsSecond)
{
    MatchSides sides;
    sides.playerIsSecond = playerIsSecond;
    sides.playerPicture = frmCharSelect->PlayerFigure();
    sides.playerName = FromShiftJis(Campaign().Player().GetPlayerName());
    return sides;
}

} // namespace

void ConnectScreens()
{
    // The title: a new game goes to the opening, a saved one to the selection
    // (or straight on to the hatching when it was saved before the chick's name).
    QObject::connect(frmStart, &TfrmStart::NewGameChosen, frmOpening, [] { frmOpening->ShowForNewGame(); });
    QObject::connect(frmStart, &TfrmStart::GameContinued, frmCharSelect, [](const campaign::ContinuePlan& plan) {
        frmCharSelect->Continue(plan);
        if (plan.hatchingDue)
            frmCharSelect->ClearGame();
        else
            frmCharSelect->Enter();
    });

    // The opening fills the selection screen as the player goes, then hands over.
    QObject::connect(frmOpening, &TfrmOpening::FigurePicked, frmCharSelect,
                     [](const std::string& picture) { frmCharSelect->SetPlayerFigure(picture); });
    QObject::connect(frmOpening, &TfrmOpening::LevelPicked, frmCharSelect,
                     [](const std::string& caption, const QString& name) { frmCharSelect->BeginNewGame(caption, name); });
    QObject::connect(frmOpening, &TfrmOpening::StoryTold, frmCharSelect, [] { frmCharSelect->Enter(); });

    // A pick: the match learns its opponent, the dialog asks about it.
    QObject::connect(frmCharSelect, &TfrmCharSelect::OpponentPicked, frmTurnSelect,
                     [](const MatchOpponent& opponent) {
                         frmBattle->PrepareOpponent(opponent);
                         frmTurnSelect->AskAbout(opponent);
                     });
    QObject::connect(frmTurnSelect, &TfrmTurnSelect::Cancelled, frmCharSelect, [] { frmCharSelect->TakeInputAgain(); });
    QObject::connect(frmTurnSelect, &TfrmTurnSelect::SideChosen, frmBattle, [](bool playerIsSecond) {
        frmCharSelect->LeaveForMatch();
        frmBattle->StartMatch(PlayerSide(playerIsSecond));
    });

    // Back from the match; a first win is crossed out.
    QObject::connect(frmBattle, &TfrmBattle::Left, frmCharSelect, [] { frmCharSelect->Enter(); });
    QObject::connect(frmBattle, &TfrmBattle::FirstWinRecorded, frmCharSelect,
                     [](int place, int position) { frmCharSelect->StartDefeatAnimation(place, position); });

    // The twelfth win: the egg hatches; its verdict and name go to the colosseum.
    QObject::connect(frmCharSelect, &TfrmCharSelect::GameCleared, frmOpening, [] { frmOpening->StartHatching(); });
    QObject::connect(frmOpening, &TfrmOpening::ChickJudged, frmCharSelect,
                     [](const campaign::ChickPanel& chick) { frmCharSelect->ShowChick(chick); });
    QObject::connect(frmOpening, &TfrmOpening::ChickNamed, frmCharSelect,
                     [](const QString& typed) { frmCharSelect->SetChickName(typed); });

    QObject::connect(frmCharSelect, &TfrmCharSelect::QuitConfirmed, frmStart, SaveAndEnd);
    QObject::connect(frmOpening, &TfrmOpening::GameClearPressed, frmStart, SaveAndEnd);
}
