#include "campaign/ui/frm_turn_select.h"

#include "match/opponent.h"
#include "media/ui/frm_data.h"
#include "platform/ui/accessibility.h"
#include "platform/ui/desktop.h"
#include "platform/ui/keyboard.h"
#include "platform/ui/layout.h"
#include "platform/ui/widgets.h"

#include <QWindow>

using namespace layout;

namespace {

constexpr int kClientWidth = 271;
constexpr int kClientHeight = 202;
constexpr int kDiscSize = 40;

constexpr Row kLayout[] = {
    {Kind::Image, "imgBack", nullptr, {-64, 0, 337, 201}, nullptr, 0, Stretch},
    {Kind::Label, "Label1", nullptr, {16, 8, 233, 28}, "手番を選んでください", 24, Centred},
    {Kind::Label, "grpChar", nullptr, {8, 48, 105, 20}, nullptr, 12, Bold},
    {Kind::Label, "Label2", nullptr, {8, 72, 105, 17}, nullptr, 12, Bold | Centred},
    {Kind::Image, "imgChar", nullptr, {15, 95, 90, 90}},
    {Kind::Image, "imgComWin", nullptr, {15, 95, 90, 90}, nullptr, 0, Hidden},
    {Kind::Image, "imgComLoss", nullptr, {15, 95, 90, 90}, nullptr, 0, Hidden},
    {Kind::Button, "BitBtn1", nullptr, {128, 40, 129, 49}, "先手", 24, Bold | Italic},
    {Kind::Button, "BitBtn2", nullptr, {128, 88, 129, 49}, "後手", 24, Bold | Italic},
    {Kind::Button, "Button3", nullptr, {136, 160, 113, 33}, "キャンセル", 13, Italic},
};

} // namespace

TfrmTurnSelect::TfrmTurnSelect(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmTurnSelect"));
    SetUpToolWindow(this, kClientWidth, kClientHeight);
    Build(this, kLayout);
    name_ = Find<TLabel>(this, "grpChar");
    strength_ = Find<TLabel>(this, "Label2");
    portrait_ = Find<TImage>(this, "imgChar");
    winFace_ = Find<TImage>(this, "imgComWin");
    lossFace_ = Find<TImage>(this, "imgComLoss");
    auto* first = Find<TButton>(this, "BitBtn1");
    auto* second = Find<TButton>(this, "BitBtn2");
    auto* cancel = Find<TButton>(this, "Button3");
    SetReadingOrder(this, {"BitBtn1", "BitBtn2", "Button3"});

    Find<TImage>(this, "imgBack")->SetPicture(Media().Picture(QStringLiteral("imgBack")));

    // Black's disc stands left of "先手", White's right of "後手".
    first->setIcon(QIcon(Media().Picture(QStringLiteral("BitBtn1"))));
    first->setIconSize(QSize(kDiscSize, kDiscSize));
    second->setIcon(QIcon(Media().Picture(QStringLiteral("BitBtn2"))));
    second->setIconSize(QSize(kDiscSize, kDiscSize));
    second->setLayoutDirection(Qt::RightToLeft);

    connect(first, &TButton::MouseDown, this, [](Qt::MouseButton) { Media().PlayEffect(Effect::Click); });
    connect(second, &TButton::MouseDown, this, [](Qt::MouseButton) { Media().PlayEffect(Effect::Click); });
    connect(cancel, &TButton::MouseDown, this, [](Qt::MouseButton) { Media().PlayEffect(Effect::Blip); });
    // Either side: the dialog goes, the match begins.
    for (const auto& [button, playerIsSecond] : {std::pair{first, false}, {second, true}})
        connect(button, &TButton::clicked, this, [this, isSecond = playerIsSecond] {
            hide();
            emit SideChosen(isSecond);
        });
    // What the pick set stays; the next pick overwrites it.
    connect(cancel, &TButton::clicked, this, [this] {
        emit Cancelled();
        hide();
    });
}

void TfrmTurnSelect::FloatOver(QWidget* owner)
{
    // Owned by the selection screen: the window manager keeps the dialog
    // above it, even when the disabled screen behind is clicked.
    owner->winId();
    winId();
    windowHandle()->setTransientParent(owner->windowHandle());
}

void TfrmTurnSelect::AskAbout(const MatchOpponent& opponent)
{
    name_->setText(Qs(opponent.name));
    strength_->setText(Qs(opponent.strengthCaption));
    // The figure stands on the dialog's own background.
    portrait_->SetPicture(RenderArt(Qs(opponent.portrait), true));
    Describe(portrait_, QAccessible::Graphic, Qs(opponent.name));
    show();
    raise();
    activateWindow();
    Find<TButton>(this, "BitBtn1")->setFocus();
    winFace_->SetPicture(Media().Picture(opponent.winFace));
    lossFace_->SetPicture(Media().Picture(opponent.lossFace));
}
