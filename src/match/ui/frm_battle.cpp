#include "match/ui/frm_battle.h"

#include "platform/ui/desktop.h"

TfrmBattle::TfrmBattle(QWidget* parent)
    : QWidget(parent)
{
    SetUpGameWindow(this, 604, 350);
}

void TfrmBattle::AttachBoard() {}

bool TfrmBattle::LoadOpponentMessage(const std::string&) { return false; }

void TfrmBattle::SetUpMatch(bool, const QPixmap&, const QString&, const QPixmap&, const QString&) {}
