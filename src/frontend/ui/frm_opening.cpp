#include "frontend/ui/frm_opening.h"

#include "platform/ui/desktop.h"

TfrmOpening::TfrmOpening(QWidget* parent)
    : QWidget(parent)
{
    SetUpGameWindow(this, 271, 185);
}

void TfrmOpening::StartHatching()
{
    show();
}
