#include "campaign/ui/frm_char_select.h"

#include "platform/ui/desktop.h"

TfrmCharSelect::TfrmCharSelect(QWidget* parent)
    : QWidget(parent)
{
    SetUpGameWindow(this, 510, 333);
}

void TfrmCharSelect::DrawCross(int, int) {}

void TfrmCharSelect::StartDefeatAnimation()
{
    setEnabled(false);
}

void TfrmCharSelect::SelectPlace(int place, bool)
{
    PlaceIndex = place - 1;
}
