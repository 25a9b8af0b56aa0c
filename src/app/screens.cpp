#include "app/screens.h"

#include "app/screen_flow.h"
#include "board/board.h"
#include "brains/brains.h"
#include "campaign/session.h"
#include "campaign/ui/frm_char_select.h"
#include "campaign/ui/frm_turn_select.h"
#include "frontend/ui/frm_opening.h"
#include "frontend/ui/frm_start.h"
#include "match/ui/frm_battle.h"
#include "media/ui/frm_data.h"
#include "profile/player_record.h"

TfrmStart* frmStart = nullptr;
TfrmData* frmData = nullptr;
TfrmTurnSelect* frmTurnSelect = nullptr;
TfrmOpening* frmOpening = nullptr;
TfrmBattle* frmBattle = nullptr;
TfrmCharSelect* frmCharSelect = nullptr;
TDBoard* DBoard = nullptr;
TDBrains* DBrains = nullptr;
TDUser* DUser = nullptr;

namespace {
std::unique_ptr<campaign::Session> campaignOfTheRun;
}

campaign::Session& Campaign() { return *campaignOfTheRun; }

void CreateProgramObjects()
{
    // Each creation handler runs here, so the order is a dependency order:
    // the media catalogue exists before the screens that copy its pictures.
    frmStart = new TfrmStart;
    frmData = new TfrmData;
    frmTurnSelect = new TfrmTurnSelect;
    frmOpening = new TfrmOpening;
    frmBattle = new TfrmBattle;
    frmCharSelect = new TfrmCharSelect;
    DBoard = new TDBoard;
    DBrains = new TDBrains;
    DUser = new TDUser;
    campaignOfTheRun = std::make_unique<campaign::Session>(DUser->Record);
    frmStart->UseCampaign(*campaignOfTheRun);
    frmOpening->UseCampaign(*campaignOfTheRun);
    frmCharSelect->UseCampaign(*campaignOfTheRun);
    frmBattle->AttachMatch(DBoard->Board, *DBrains, *campaignOfTheRun);
    frmTurnSelect->FloatOver(frmCharSelect);
    ConnectScreens();
}

void DestroyProgramObjects()
{
    campaignOfTheRun.reset();
    delete DUser;
    DUser = nullptr;
    delete DBrains;
    DBrains = nullptr;
    delete DBoard;
    DBoard = nullptr;
    delete frmCharSelect;
    frmCharSelect = nullptr;
    delete frmBattle;
    frmBattle = nullptr;
    delete frmOpening;
    frmOpening = nullptr;
    delete frmTurnSelect;
    frmTurnSelect = nullptr;
    delete frmData;
    frmData = nullptr;
    delete frmStart;
    frmStart = nullptr;
}
