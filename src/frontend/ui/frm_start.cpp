#include "frontend/ui/frm_start.h"

#include "platform/ui/desktop.h"

TfrmStart::TfrmStart(QWidget* parent)
    : QWidget(parent)
{
    SetUpGameWindow(this, 265, 185);
}
