#include "campaign/ui/frm_turn_select.h"

#include "platform/ui/desktop.h"

TfrmTurnSelect::TfrmTurnSelect(QWidget* parent)
    : QWidget(parent)
{
    SetUpGameWindow(this, 271, 202);
}
