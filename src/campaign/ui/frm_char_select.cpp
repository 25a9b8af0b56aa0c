#include "campaign/ui/frm_char_select.h"

#include "platform/ui/desktop.h"

TfrmCharSelect::TfrmCharSelect(QWidget* parent)
    : QWidget(parent)
{
    SetUpGameWindow(this, 510, 333);
}
