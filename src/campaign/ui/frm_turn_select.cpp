#include "campaign/ui/frm_turn_select.h"

#include "platform/ui/desktop.h"
#include "platform/ui/widgets.h"

TfrmTurnSelect::TfrmTurnSelect(QWidget* parent)
    : QWidget(parent)
{
    SetUpGameWindow(this, 271, 202);
    grpChar = new TLabel(this, "grpChar", QRect(8, 48, 105, 20));
    Label2 = new TLabel(this, "Label2", QRect(8, 72, 105, 17));
    imgChar = new TImage(this, "imgChar", QRect(15, 95, 90, 90));
    imgComWin = new TImage(this, "imgComWin", QRect(0, 0, 90, 90));
    imgComLoss = new TImage(this, "imgComLoss", QRect(0, 0, 90, 90));
    imgComWin->hide();
    imgComLoss->hide();
}
