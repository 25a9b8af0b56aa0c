#include "campaign/ui/frm_turn_select.h"

#include "app/screens.h"
#include "campaign/ui/form_table.h"
#include "campaign/ui/frm_char_select.h"
#include "match/ui/frm_battle.h"
#include "media/ui/frm_data.h"
#include "platform/shift_jis.h"
#include "platform/ui/desktop.h"
#include "platform/ui/widgets.h"
#include "profile/player_record.h"

#include <QWindow>

using namespace campaign;

namespace {

constexpr int kClientWidth = 271;
constexpr int kClientHeight = 202;
constexpr int kDiscSize = 40;

const FormItem kLayout[] = {
    {Kind::StretchImage, "imgBack", "", {-64, 0, 337, 201}},
    {Kind::Label, "Label1", "", {16, 8, 233, 28}, "手番を選んでください", 24, Centred},
    {Kind::Label, "grpChar", "", {8, 48, 105, 20}, "", 12, Bold},
    {Kind::Label, "Label2", "", {8, 72, 105, 17}, "", 12, Bold | Centred, kNoColour, 0x806000},
    {Kind::Image, "imgChar", "", {15, 95, 90, 90}},
    {Kind::Image, "imgComWin", "", {15, 95, 90, 90}, "", 12, Hidden},
    {Kind::Image, "imgComLoss", "", {15, 95, 90, 90}, "", 12, Hidden},
    {Kind::Button, "BitBtn1", "", {128, 40, 129, 49}, "先手", 24, Bold | Italic},
    {Kind::Button, "BitBtn2", "", {128, 88, 129, 49}, "後手", 24, Bold | Italic},
    {Kind::Button, "Button3", "", {136, 160, 113, 33}, "キャンセル", 13, Italic},
};

} // namespace

TfrmTurnSelect::TfrmTurnSelect(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmTurnSelect"));
    SetUpToolWindow(this, kClientWidth, kClientHeight);
    BuildForm(this, kLayout);
    grpChar = findChild<TLabel*>(QStringLiteral("grpChar"));
    Label2 = findChild<TLabel*>(QStringLiteral("Label2"));
    imgChar = findChild<TImage*>(QStringLiteral("imgChar"));
    imgComWin = findChild<TImage*>(QStringLiteral("imgComWin"));
    imgComLoss = findChild<TImage*>(QStringLiteral("imgComLoss"));
    BitBtn1 = findChild<TButton*>(QStringLiteral("BitBtn1"));
    BitBtn2 = findChild<TButton*>(QStringLiteral("BitBtn2"));
    Button3 = findChild<TButton*>(QStringLiteral("Button3"));

    findChild<TImage*>(QStringLiteral("imgBack"))->SetPicture(frmData->Picture(QStringLiteral("imgBack")));

    // Black's disc stands left of "先手", White's right of "後手".
    BitBtn1->setIcon(QIcon(frmData->Picture(QStringLiteral("BitBtn1"))));
    BitBtn1->setIconSize(QSize(kDiscSize, kDiscSize));
    BitBtn2->setIcon(QIcon(frmData->Picture(QStringLiteral("BitBtn2"))));
    BitBtn2->setIconSize(QSize(kDiscSize, kDiscSize));
    BitBtn2->setLayoutDirection(Qt::RightToLeft);

    connect(BitBtn1, &TButton::MouseDown, this, [](Qt::MouseButton) { frmData->PlayEffect(2); });
    connect(BitBtn2, &TButton::MouseDown, this, [](Qt::MouseButton) { frmData->PlayEffect(2); });
    connect(Button3, &TButton::MouseDown, this, [](Qt::MouseButton) { frmData->PlayEffect(6); });
    connect(BitBtn1, &TButton::clicked, this, [this] { StartMatch(false); });
    connect(BitBtn2, &TButton::clicked, this, [this] { StartMatch(true); });
    connect(Button3, &TButton::clicked, this, [this] { Cancel(); });
}

void TfrmTurnSelect::FloatOver(QWidget* owner)
{
    // Owned by the selection screen: the window manager keeps the dialog
    // above it, even when the disabled screen behind is clicked.
    owner->winId();
    winId();
    windowHandle()->setTransientParent(owner->windowHandle());
}

void TfrmTurnSelect::Cancel()
{
    // What the pick set stays; the next pick overwrites it.
    frmCharSelect->setEnabled(true);
    frmCharSelect->raise();
    frmCharSelect->activateWindow();
    hide();
}

// Black moves first and sits on the left: the player there for "先手", the
// opponent for "後手". The match screen mirrors whoever sits on the left.
void TfrmTurnSelect::StartMatch(bool playerIsSecond)
{
    hide();
    frmCharSelect->hide();
    frmCharSelect->setEnabled(true);
    const QString playerName = Qs(FromShiftJis(DUser->Record.GetPlayerName()));
    frmBattle->SetUpMatch(playerIsSecond, frmCharSelect->imgPlayer->Picture(), playerName, imgChar->Picture(),
                          grpChar->text());
}
