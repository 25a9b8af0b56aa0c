#include "frontend/ui/frm_start.h"

#include "app/screens.h"
#include "campaign/ui/frm_char_select.h"
#include "frontend/slot_rules.h"
#include "frontend/title_sequence.h"
#include "frontend/ui/front_form.h"
#include "media/ui/frm_data.h"
#include "frontend/ui/frm_opening.h"
#include "platform/game_random.h"
#include "platform/services.h"
#include "platform/ui/desktop.h"
#include "platform/ui/timing.h"
#include "profile/player_record.h"

#include <QCloseEvent>
#include <QCoreApplication>

using namespace frontend;

namespace {

constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kFrame = 0xffff9966;   // the title frame: red 255, green 153, blue 102
constexpr QRgb kEmptySlotText = 0xff808080;

// Every page is 265 x 185 at the window's origin.
constexpr QRect kPage(0, 0, 265, 185);

// The title screen. The logo page comes last so it lies on top of the title.
constexpr FormRow kLayout[] = {
    // The title page.
    {Kind::Page, "Panel1", nullptr, kPage, nullptr, 0, Plain, kWhite},
    {Kind::Image, "img1", "Panel1", kPage, nullptr, 0, Stretch},
    {Kind::Page, "Panel7", "Panel1", {19, 8, 225, 129}, nullptr, 0, Plain, kFrame},
    {Kind::Image, "Image1", "Panel7", {0, 0, 225, 129}},
    {Kind::Image, "imgTitle1", "Panel7", {13, 12, 46, 43}, nullptr, 0, Hidden},
    {Kind::Image, "imgTitle2", "Panel7", {52, 12, 45, 45}, nullptr, 0, Hidden},
    {Kind::Image, "imgTitle3", "Panel7", {93, 12, 43, 42}, nullptr, 0, Hidden},
    {Kind::Image, "imgTitle4", "Panel7", {129, 16, 44, 38}, nullptr, 0, Hidden},
    {Kind::Image, "imgTitle5", "Panel7", {169, 14, 45, 42}, nullptr, 0, Hidden},
    {Kind::Image, "imgTitle6", "Panel7", {12, 59, 201, 11}, nullptr, 0, Hidden},
    {Kind::Image, "imgTitle7", "Panel7", {23, 72, 186, 47}, nullptr, 0, Hidden},
    {Kind::Button, "bitStart", "Panel1", {83, 150, 102, 25}, nullptr, 0, Hidden},

    // The menu.
    {Kind::Page, "Panel4", nullptr, kPage, nullptr, 0, Hidden, kBlack},
    {Kind::Image, "img4", "Panel4", kPage, nullptr, 0, Stretch},
    {Kind::Label, "Label11", "Panel4", {0, 18, 265, 24}, "どこから始めますか？", 19, Bold | Centred, kWhite},
    {Kind::Button, "BitBtn1", "Panel4", {64, 62, 137, 33}, "はじめから", 17, Bold},
    {Kind::Button, "BitBtn2", "Panel4", {64, 114, 137, 33}, "つづきから", 17, Bold},

    // Continue: the saved games.
    {Kind::Page, "Panel2", nullptr, kPage, nullptr, 0, Hidden, kBlack},
    {Kind::Image, "img2", "Panel2", kPage, nullptr, 0, Stretch},
    {Kind::Label, "Label1", "Panel2", {0, 24, 265, 24}, "どのつづきから始めますか？", 19, Bold | Centred, kWhite},
    {Kind::Label, "Label2", "Panel2", {32, 64, 20, 25}, "1", 19, Bold, kWhite},
    {Kind::Label, "Label3", "Panel2", {32, 88, 20, 25}, "2", 19, Bold, kWhite},
    {Kind::Label, "Label4", "Panel2", {32, 112, 20, 25}, "3", 19, Bold, kWhite},
    {Kind::Button, "btnLoad1", "Panel2", {56, 64, 169, 25}},
    {Kind::Button, "btnLoad2", "Panel2", {56, 88, 169, 25}},
    {Kind::Button, "btnLoad3", "Panel2", {56, 112, 169, 25}},
    {Kind::Button, "Button4", "Panel2", {88, 149, 89, 25}, "もどる"},

    // New game: where to save it.
    {Kind::Page, "Panel3", nullptr, kPage, nullptr, 0, Hidden, kBlack},
    {Kind::Image, "img3", "Panel3", kPage, nullptr, 0, Stretch},
    {Kind::Label, "Label5", "Panel3", {16, 16, 180, 22}, "データの保存場所を", 19, Bold | Centred, kWhite},
    {Kind::Label, "Label9", "Panel3", {120, 35, 133, 22}, "選んでください", 19, Bold | Centred, kWhite},
    {Kind::Label, "Label6", "Panel3", {32, 64, 20, 25}, "1", 19, Bold, kWhite},
    {Kind::Label, "Label7", "Panel3", {32, 88, 20, 25}, "2", 19, Bold, kWhite},
    {Kind::Label, "Label8", "Panel3", {32, 112, 20, 25}, "3", 19, Bold, kWhite},
    {Kind::Button, "btnSave1", "Panel3", {56, 64, 169, 25}},
    {Kind::Button, "btnSave2", "Panel3", {56, 88, 169, 25}},
    {Kind::Button, "btnSave3", "Panel3", {56, 112, 169, 25}},
    {Kind::Button, "Button8", "Panel3", {88, 152, 89, 25}, "もどる"},

    // Outside the window's visible part: the type of a used slot's buttons.
    {Kind::Button, "btnF", nullptr, {300, 0, 169, 25}, "btnF", 19},

    // The logo, over the title.
    {Kind::Page, "pnlLogo", nullptr, kPage, nullptr, 0, Plain, kBlack},
    {Kind::Image, "imgLogo", "pnlLogo", {105, 53, 56, 56}},
    {Kind::Label, "lblLogo", "pnlLogo", {88, 110, 110, 26}, "ズモル工房", 20, Bold, kWhite},
    {Kind::Label, "lblYear", "pnlLogo", {200, 161, 60, 17}, "© 2026", 13, Plain, kWhite},
};

// The type of an empty slot's buttons: small, grey, italic, fixed pitch.
void GiveEmptySlotLook(TButton* button)
{
    QFont font = GameFont(13);
    font.setItalic(true);
    font.setFixedPitch(true);
    button->setFont(font);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, QColor::fromRgb(kEmptySlotText));
    button->setPalette(palette);
}

} // namespace

TfrmStart::TfrmStart(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmStart"));
    SetUpGameWindow(this, 265, 185);
    BuildForm(this, kLayout);

    pnlLogo = Part<TPanel>(this, "pnlLogo");
    Panel1 = Part<TPanel>(this, "Panel1");
    Panel2 = Part<TPanel>(this, "Panel2");
    Panel3 = Part<TPanel>(this, "Panel3");
    Panel4 = Part<TPanel>(this, "Panel4");
    Panel7 = Part<TPanel>(this, "Panel7");
    for (int glyph = 0; glyph < 7; ++glyph)
        imgTitle[glyph] = Part<TImage>(this, ("imgTitle" + std::to_string(glyph + 1)).c_str());
    bitStart = Part<TButton>(this, "bitStart");
    BitBtn1 = Part<TButton>(this, "BitBtn1");
    BitBtn2 = Part<TButton>(this, "BitBtn2");
    for (int slot = 0; slot < 3; ++slot) {
        btnLoad[slot] = Part<TButton>(this, ("btnLoad" + std::to_string(slot + 1)).c_str());
        btnSave[slot] = Part<TButton>(this, ("btnSave" + std::to_string(slot + 1)).c_str());
    }
    btnF = Part<TButton>(this, "btnF");
    timLogo = new GameTimer(this, kLogoIntervalMs, "timLogo");
    timStart = new GameTimer(this, kTitleIntervalMs, "timStart");

    // Our own pictures: the logo, the title picture and frame, the glyphs and
    // the start button.
    Part<TImage>(this, "imgLogo")->SetPicture(RenderArt(QStringLiteral("imgLogo")));
    Part<TImage>(this, "img1")->SetPicture(RenderArt(QStringLiteral("img1")));
    Part<TImage>(this, "Image1")->SetPicture(RenderArt(QStringLiteral("Image1")));
    for (int glyph = 0; glyph < 7; ++glyph)
        imgTitle[glyph]->SetPicture(RenderArt(QStringLiteral("imgTitle%1").arg(glyph + 1)));
    bitStart->setIcon(QIcon(RenderArt(QStringLiteral("bitStart"))));
    bitStart->setIconSize(QSize(98, 21));

    connect(timLogo, &QTimer::timeout, this, &TfrmStart::timLogoTimer);
    connect(timStart, &QTimer::timeout, this, &TfrmStart::timStartTimer);
    connect(bitStart, &TButton::MouseDown, this, [] { frmData->PlayEffect(2); });
    connect(bitStart, &QPushButton::clicked, this, [this] {
        Panel1->hide();
        ShowPage(Panel4);
    });
    connect(BitBtn1, &TButton::MouseDown, this, [] { frmData->PlayEffect(2); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { ShowPage(Panel3); });
    connect(BitBtn2, &TButton::MouseDown, this, [] { frmData->PlayEffect(2); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { ShowPage(Panel2); });
    for (int slot = 1; slot <= 3; ++slot) {
        for (TButton* button : {btnLoad[slot - 1], btnSave[slot - 1]})
            connect(button, &TButton::MouseDown, this, [] { frmData->PlayEffect(2); });
        connect(btnSave[slot - 1], &QPushButton::clicked, this, [this, slot] { NewGameSlotClick(slot); });
        connect(btnLoad[slot - 1], &QPushButton::clicked, this, [this, slot] { ContinueSlotClick(slot); });
    }
    for (const char* back : {"Button4", "Button8"}) {
        auto* button = Part<TButton>(this, back);
        connect(button, &TButton::MouseDown, this, [] { frmData->PlayEffect(6); });
        connect(button, &QPushButton::clicked, this, [this] { ShowPage(Panel4); });
    }

    FormCreate();
}

void TfrmStart::FormCreate()
{
    GameRandom::Shared().SeedFromClock();
    // The menu and the slot pages show the title picture behind them.
    const QPixmap title = Part<TImage>(this, "img1")->Picture();
    for (const char* background : {"img2", "img3", "img4"})
        Part<TImage>(this, background)->SetPicture(title);
    // Nothing answers the player until the start button appears.
    setEnabled(false);
    ReadSlotIndexFile();
}

void TfrmStart::ReadSlotIndexFile()
{
    const TitleSlots reading = ReadTitleSlots();
    if (!reading.complete)
        Platform().Beep();
    for (int slot = 1; slot <= 3; ++slot) {
        const SlotLabel label = LabelForSlot(reading.index, slot);
        slotUsed_[slot - 1] = label.used;
        for (TButton* button : {btnLoad[slot - 1], btnSave[slot - 1]}) {
            button->setText(Qs(label.caption));
            if (label.used) {
                button->setFont(btnF->font());
                button->setPalette(btnF->palette());
            } else {
                GiveEmptySlotLook(button);
            }
        }
    }
}

void TfrmStart::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!logoStarted_) {
        logoStarted_ = true;
        timLogo->start();
    }
}

void TfrmStart::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit Closed();
    // The other windows may still be open: the program ends with this one.
    QCoreApplication::quit();
}

void TfrmStart::timLogoTimer()
{
    const LogoTick* row = FindLogoStep(LogoStep);
    if (!row)
        return;
    switch (row->action) {
    case LogoAction::Rest:
        LogoStep = row->next;
        break;
    case LogoAction::Chime:
        timLogo->stop();
        frmData->PlayEffect(5);
        Platform().Pause(kLogoChimeMs);
        LogoStep = row->next;
        timLogo->start();
        break;
    case LogoAction::Reveal:
        timLogo->stop();
        pnlLogo->hide();
        Platform().PumpEvents();
        Platform().Pause(kTitleRevealPauseMs);
        LogoStep = row->next;
        timStart->start();
        break;
    }
}

void TfrmStart::timStartTimer()
{
    const TitleTick* row = FindTitleStep(TitleStep);
    if (!row)
        return;
    if (row->finish) {
        timStart->stop();
        frmData->PlayEffect(2);
        bitStart->show();
        setEnabled(true);
        TitleStep = row->next;
        return;
    }
    if (row->glyphs[0] == 0) {
        TitleStep = row->next;
        return;
    }
    // The next glyph comes a full interval after its sound started.
    timStart->stop();
    frmData->PlayPlayerPut(1);
    for (const int glyph : row->glyphs)
        if (glyph > 0)
            imgTitle[glyph - 1]->show();
    TitleStep = row->next;
    timStart->start();
}

void TfrmStart::ShowPage(TPanel* page)
{
    for (TPanel* other : {Panel2, Panel3, Panel4})
        if (other != page)
            other->hide();
    page->show();
}

void TfrmStart::NewGameSlotClick(int slot)
{
    if (slotUsed_[slot - 1] && !Platform().AskYesNo(EraseQuestion(slot), kEraseTitle)) {
        frmData->PlayEffect(2);
        return;
    }
    // The old save stays on disk until the new game is saved over it.
    DUser->Record.LoadRecord(0);
    DUser->Record.SetSlotNumber(slot);
    hide();
    frmOpening->ShowForNewGame();
}

void TfrmStart::ContinueSlotClick(int slot)
{
    if (!slotUsed_[slot - 1])
        return;
    PlayerRecord& record = DUser->Record;
    record.LoadRecord(slot);
    // The progress goes back where it came from, whatever slot number a
    // damaged or foreign file carries (it could even name the template).
    record.SetSlotNumber(slot);
    const ContinuePlan plan = PlanContinue(record);
    TfrmCharSelect& select = *frmCharSelect;
    for (const auto& [place, position] : plan.crosses)
        select.DrawCross(place, position);
    select.PlaceIndex = 0;
    select.lblDificulty->setText(Qs(plan.levelCaption));
    select.lblName->setText(Qs(plan.playerName));
    select.lblName2->setText(Qs(plan.playerName));
    select.lblScore->setText(Qs(plan.score));
    select.imgPlayer->SetPicture(frmData->Picture(Qs(plan.playerPicture)));
    if (plan.openPlace2)
        select.pnlPlace2->show();
    if (plan.openPlace3)
        select.pnlPlace3->show();
    if (plan.cleared) {
        // The cleared game: the chick waits in the colosseum.
        select.imgEgg->hide();
        select.imgPlayer->move(384, select.imgPlayer->y());
        select.pnlEgg->hide();
        select.pnlClear->show();
        select.pnlPlace4->show();
        select.lblEggName->setText(Qs(plan.chickName));
        select.lblEiyou->setText(Qs(plan.nutritionCaption));
        select.EggStrength = plan.eggStrength;
        select.lblTuyosa->setText(Qs(plan.strengthCaption));
        select.imgCharEgg->SetPicture(frmData->Picture(Qs(plan.chickPicture)));
    }
    // The furthest place reached is the one on show.
    if (plan.selectPlace > 0)
        select.SelectPlace(plan.selectPlace, false);
    hide();
    if (plan.hatchingDue) {
        select.ClearGame();
        return;
    }
    select.show();
}
