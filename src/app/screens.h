#pragma once

// The nine program-wide objects. They are created once at start-up, in this
// order, and live until the program ends; screens are shown and hidden, never
// re-created, and hand data to each other through these.
class TfrmStart;
class TfrmData;
class TfrmTurnSelect;
class TfrmOpening;
class TfrmBattle;
class TfrmCharSelect;
class TDBoard;
class TDBrains;
class TDUser;
namespace campaign {
class Session;
}

extern TfrmStart* frmStart;
extern TfrmData* frmData;
extern TfrmTurnSelect* frmTurnSelect;
extern TfrmOpening* frmOpening;
extern TfrmBattle* frmBattle;
extern TfrmCharSelect* frmCharSelect;
extern TDBoard* DBoard;
extern TDBrains* DBrains;
extern TDUser* DUser;

// The campaign of this run, over DUser's record. It is made with the nine
// objects and handed to the screens that play it; every way out of the game
// saves through it.
campaign::Session& Campaign();

// Creates the nine objects in the start-up order, then the campaign.
void CreateProgramObjects();
// Releases them in reverse order (at exit, and between test cases).
void DestroyProgramObjects();
