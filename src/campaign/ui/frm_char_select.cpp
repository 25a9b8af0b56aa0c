#include "campaign/ui/frm_char_select.h"

#include "app/screens.h"
#include "brains/brains.h"
#include "campaign/progress.h"
#include "campaign/roster.h"
#include "campaign/ui/form_table.h"
#include "campaign/ui/frm_turn_select.h"
#include "frontend/ui/frm_opening.h"
#include "frontend/ui/frm_start.h"
#include "match/ui/frm_battle.h"
#include "media/ui/frm_data.h"
#include "platform/data_files.h"
#include "platform/services.h"
#include "platform/shift_jis.h"
#include "platform/ui/desktop.h"
#include "platform/ui/timing.h"
#include "platform/ui/widgets.h"
#include "profile/player_record.h"

#include <QPainter>
#include <string>

using namespace campaign;

namespace {

constexpr int kClientWidth = 510;
constexpr int kClientHeight = 333;
constexpr int kDefeatTickMs = 650;
constexpr int kClearedPlayerLeft = 384;

// The window's fixed widgets. The place tabs, the opponent panels and the
// portraits follow from the roster (see the constructor).
const FormItem kLayout[] = {
    {Kind::StretchImage, "Image1", "", {0, 0, 255, 167}},
    {Kind::StretchImage, "Image2", "", {255, 0, 255, 167}},
    {Kind::StretchImage, "Image3", "", {0, 167, 255, 166}},
    {Kind::StretchImage, "Image4", "", {255, 167, 255, 166}},
    {Kind::Frame, "Bevel1", "", {8, 16, 345, 305}},
    {Kind::Frame, "Bevel2", "", {360, 16, 137, 240}},
    {Kind::Frame, "Bevel3", "", {360, 264, 137, 57}},
    {Kind::Label, "Label7", "", {16, 30, 73, 20}, "対戦場所", 13, Bold | Centred},
    {Kind::Panel, "Panel10", "", {96, 24, 249, 26}, "対戦相手を選んでください", 13, Bold, 0x008080, 0xFFFFFF},
    {Kind::Panel, "pnlDificulty", "", {368, 24, 121, 36}, "", 12, Plain, 0xF4F1E8},
    {Kind::Label, "Label5", "pnlDificulty", {2, 2, 117, 14}, "ゲームレベル", 11, Centred, kNoColour, 0x505050},
    {Kind::Label, "lblDificulty", "pnlDificulty", {2, 17, 117, 17}, "～ やさしい ～", 13, Bold | Centred},
    {Kind::Panel, "pnlEgg", "", {368, 64, 121, 89}, "", 12, Plain, 0xFFF8DC},
    {Kind::Label, "lblName", "pnlEgg", {4, 4, 113, 20}, "", 14, Bold | Centred},
    {Kind::Label, "lblMes1", "pnlEgg", {4, 26, 113, 16}, "敵を倒して", 12, Centred},
    {Kind::Label, "lblMes2", "pnlEgg", {4, 42, 113, 16}, "栄養を増やそう", 12, Centred},
    {Kind::Label, "Label2", "pnlEgg", {10, 64, 40, 20}, "栄養", 13, Bold, kNoColour, 0x806000},
    {Kind::Label, "lblScore", "pnlEgg", {48, 62, 64, 22}, "0", 18, Bold | RightAligned, kNoColour, 0xC04000},
    {Kind::Panel, "pnlClear", "", {368, 64, 121, 89}, "", 12, Hidden, 0xFFF8DC},
    {Kind::Label, "lblName2", "pnlClear", {4, 4, 113, 20}, "", 14, Bold | Centred},
    {Kind::Label, "Label8", "pnlClear", {4, 32, 113, 22}, "Game Clear", 16, Bold | Italic | Centred, kNoColour,
     0x0000C0},
    {Kind::Label, "Label9", "pnlClear", {4, 58, 113, 20}, "Congratulations!", 12, Italic | Centred, kNoColour,
     0xC00060},
    {Kind::Image, "imgPlayer", "", {402, 158, 90, 90}},
    {Kind::Image, "imgEgg", "", {380, 208, 33, 41}},
    {Kind::Button, "Button1", "", {368, 276, 121, 33}, "ゲームを終わる", 13, Bold},
};

// The colosseum's panel, filled once the game is cleared.
const FormItem kBonusPanel[] = {
    {Kind::Label, "Label1", "Panel4", {8, 10, 233, 18}, "～おまけステージ～", 14, Bold | Centred, kNoColour, 0xFFFF00},
    {Kind::Label, "Label3", "Panel4", {14, 32, 221, 42},
     "　ゲームクリアーおめでとうございます。このおまけステージでは、あなたが育てた卵のヒナと対戦することが出来ます。",
     11, Wrapped, kNoColour, 0xFFFFFF},
    {Kind::Label, "Label4", "Panel4", {14, 76, 221, 28}, "　強さは、ヒナがかえったときの栄養によって変化します。", 11,
     Wrapped, kNoColour, 0xFFFFFF},
    {Kind::Label, "lblEggName", "Panel4", {8, 106, 233, 18}, "", 14, Bold | Centred, kNoColour, 0xFFFFFF},
    {Kind::Label, "lblEiyou", "Panel4", {14, 128, 96, 16}, "栄養：0", 12, Plain, kNoColour, 0xFFFFFF},
    {Kind::Label, "lblTuyosa", "Panel4", {110, 128, 125, 16}, "強さ：★", 12, RightAligned, kNoColour, 0xFFFF00},
    {Kind::Panel, "Panel6", "Panel4", {80, 151, 96, 96}, "", 12, Framed, 0xE0E0E0, 0x000000, 3},
    {Kind::Image, "imgCharEgg", "Panel6", {3, 3, 90, 90}},
};

// Tab tops of the four places, and the portrait frames' corners inside an
// opponent panel (top left, top right, bottom left, bottom right).
constexpr int kTabTops[kPlaceCount] = {56, 120, 184, 256};
constexpr QPoint kFrameCorners[kOpponentsPerStage] = {{24, 32}, {136, 32}, {24, 152}, {136, 152}};
const QRect kTabSize{16, 0, 73, 57};
const QRect kOpponentPanel{96, 56, 249, 257};

QByteArray Numbered(const char* stem, int place)
{
    return QByteArray(stem) + QByteArray::number(place);
}

QByteArray Numbered(const char* stem, int place, int position)
{
    return QByteArray(stem) + QByteArray::number(place) + '_' + QByteArray::number(position);
}

} // namespace

TfrmCharSelect::TfrmCharSelect(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmCharSelect"));
    SetUpGameWindow(this, kClientWidth, kClientHeight);
    BuildForm(this, kLayout);

    // The places: a tab and an opponent panel each, coloured alike. The stage
    // panels hold the four portraits in frames, each named above its frame.
    for (int p = 0; p < kPlaceCount; ++p) {
        const PlaceInfo& place = *CampaignPlace(p);
        const int n = p + 1;
        const QByteArray tab = Numbered("pnlPlace", n);
        const QByteArray panel = Numbered("Panel", n);
        const bool colosseum = p == kColosseumPlace;
        const FormItem items[] = {
            {Kind::Panel, tab.constData(), "", kTabSize.translated(0, kTabTops[p]), place.caption, 13,
             Bold | (place.visibleAtFirst ? Plain : Hidden), place.colour, place.captionColour, 2},
            {Kind::Panel, panel.constData(), "", kOpponentPanel, "", 12, Plain | Hidden, place.colour, 0x000000,
             colosseum ? 5 : 1},
        };
        BuildForm(this, items);
        placeTabs_[p] = findChild<TPanel*>(QString::fromLatin1(tab));
        placePanels_[p] = findChild<TPanel*>(QString::fromLatin1(panel));
        connect(placeTabs_[p], &TPanel::MouseDown, this, [this, n](Qt::MouseButton) { SelectPlace(n, true); });
        if (colosseum)
            continue;
        for (int i = 0; i < kOpponentsPerStage; ++i) {
            const Opponent& opponent = *StageOpponent(p, i);
            const QPoint corner = kFrameCorners[i];
            const QByteArray frame = Numbered("pnl", n, i + 1);
            const QByteArray image = Numbered("imgChar", n, i + 1);
            const QByteArray label = Numbered("lbl", n, i + 1);
            const FormItem cell[] = {
                {Kind::Label, label.constData(), panel.constData(), {corner.x() - 8, corner.y() - 19, 112, 18},
                 opponent.name, 12, Bold | Centred},
                {Kind::Panel, frame.constData(), panel.constData(), {corner.x(), corner.y(), 96, 96}, "", 12, Framed,
                 0xC0C0C0, 0x000000, 3},
                {Kind::Image, image.constData(), frame.constData(), {3, 3, 90, 90}},
            };
            BuildForm(this, cell);
            TImage* portrait = findChild<TImage*>(QString::fromLatin1(image));
            // A copy: the crosses are drawn into it, the catalogue stays unmarked.
            portrait->SetPicture(frmData->Picture(QString::fromStdString(PortraitId(opponent))));
            portraits_[p][i] = portrait;
            connect(portrait, &TImage::MouseDown, this,
                    [this, n, i](Qt::MouseButton, QPoint) { PickOpponent(n, i + 1); });
        }
    }
    BuildForm(this, kBonusPanel);

    lblDificulty = findChild<TLabel*>(QStringLiteral("lblDificulty"));
    lblName = findChild<TLabel*>(QStringLiteral("lblName"));
    lblName2 = findChild<TLabel*>(QStringLiteral("lblName2"));
    lblScore = findChild<TLabel*>(QStringLiteral("lblScore"));
    lblMes1 = findChild<TLabel*>(QStringLiteral("lblMes1"));
    lblMes2 = findChild<TLabel*>(QStringLiteral("lblMes2"));
    imgPlayer = findChild<TImage*>(QStringLiteral("imgPlayer"));
    imgEgg = findChild<TImage*>(QStringLiteral("imgEgg"));
    pnlEgg = findChild<TPanel*>(QStringLiteral("pnlEgg"));
    pnlClear = findChild<TPanel*>(QStringLiteral("pnlClear"));
    pnlPlace1 = placeTabs_[0];
    pnlPlace2 = placeTabs_[1];
    pnlPlace3 = placeTabs_[2];
    pnlPlace4 = placeTabs_[3];
    lblEggName = findChild<TLabel*>(QStringLiteral("lblEggName"));
    lblEiyou = findChild<TLabel*>(QStringLiteral("lblEiyou"));
    lblTuyosa = findChild<TLabel*>(QStringLiteral("lblTuyosa"));
    imgCharEgg = findChild<TImage*>(QStringLiteral("imgCharEgg"));
    Button1 = findChild<TButton*>(QStringLiteral("Button1"));

    for (const char* background : {"Image1", "Image2", "Image3", "Image4"})
        findChild<TImage*>(QString::fromLatin1(background))->SetPicture(frmData->Picture(QStringLiteral("imgBack")));

    connect(imgCharEgg, &TImage::MouseDown, this, [this](Qt::MouseButton, QPoint) { PickChick(); });
    connect(Button1, &TButton::MouseDown, this, [](Qt::MouseButton) { frmData->PlayEffect(2); });
    connect(Button1, &TButton::clicked, this, [this] { QuitClicked(); });

    timDes = new GameTimer(this, kDefeatTickMs, "timDes");
    connect(timDes, &QTimer::timeout, this, [this] { timDesTimer(); });

    // Place 1 starts selected.
    SelectPlace(1, false);
}

TImage* TfrmCharSelect::Portrait(int place, int position) const
{
    if (place < 1 || place > kStageCount || position < 1 || position > kOpponentsPerStage)
        return nullptr;
    return portraits_[place - 1][position - 1];
}

void TfrmCharSelect::SelectPlace(int place, bool withSound)
{
    if (place < 1 || place > kPlaceCount)
        return;
    for (int p = 0; p < kPlaceCount; ++p) {
        const bool chosen = p == place - 1;
        if (chosen)
            placeTabs_[p]->SetBevels(TPanel::Bevel::None, TPanel::Bevel::Lowered, 2);
        else
            placeTabs_[p]->SetBevels(TPanel::Bevel::Raised, TPanel::Bevel::None, 2);
        placePanels_[p]->setVisible(chosen);
    }
    PlaceIndex = place - 1;
    if (withSound)
        frmData->PlayEffect(2);
}

void TfrmCharSelect::PickOpponent(int place, int position)
{
    frmData->PlayEffect(2);
    const Opponent& opponent = *StageOpponent(place - 1, position - 1);

    // The speech lines come first: when they cannot be read the pick stops
    // here and leaves the last pick's strength, sounds and dialog as they were.
    const std::string path = DataPath(opponent.messageTail);
    if (!frmBattle->LoadOpponentMessage(path)) {
        Platform().ShowMessage("ファイルを開けません\n" + path, "エラー");
        return;
    }
    if (const auto strength = OpponentStrengthAt(place - 1, position - 1, DUser->Record.GetLevel()))
        DBrains->SetStrength(*strength);
    frmBattle->OpponentSoundSet = opponent.soundSet;

    frmTurnSelect->grpChar->setText(Qs(opponent.name));
    frmTurnSelect->Label2->setText(Qs(opponent.strengthCaption));
    frmTurnSelect->imgChar->SetPicture(frmData->Picture(Qs(PortraitId(opponent))));
    frmTurnSelect->show();
    frmTurnSelect->raise();
    frmTurnSelect->activateWindow();
    frmTurnSelect->imgComWin->SetPicture(frmData->Picture(Qs(WinFaceId(opponent))));
    frmTurnSelect->imgComLoss->SetPicture(frmData->Picture(Qs(LossFaceId(opponent))));
    setEnabled(false);
    CharIndex = position - 1;
}

void TfrmCharSelect::PickChick()
{
    frmData->PlayEffect(2);
    const int n = EggStrength;
    if (n >= 1 && n <= 5) {
        if (const auto strength = ChickStrengthAt(n, DUser->Record.GetLevel()))
            DBrains->SetStrength(*strength);
        frmTurnSelect->Label2->setText(Qs(ChickStrengthCaption(n)));
        const QPixmap chick = frmData->Picture(Qs(ChickPictureId(n)));
        frmTurnSelect->imgChar->SetPicture(chick);
        frmTurnSelect->imgComWin->SetPicture(chick);
        frmTurnSelect->imgComLoss->SetPicture(chick);
    }
    frmBattle->OpponentSoundSet = kChickSoundSet;
    frmTurnSelect->grpChar->setText(Qs(FromShiftJis(DUser->Record.GetChickName())));
    frmTurnSelect->show();
    frmTurnSelect->raise();
    frmTurnSelect->activateWindow();
    setEnabled(false);
    CharIndex = 0;
}

void TfrmCharSelect::QuitClicked()
{
    if (!Platform().AskYesNo("ゲームを終了してよろしいですか？", "ゲーム終了"))
        return;
    DUser->Record.SaveRecord();
    frmStart->close();
}

void TfrmCharSelect::DrawStroke(TImage* portrait, int x1, int y1, int x2, int y2)
{
    QPixmap& canvas = portrait->Canvas();
    if (canvas.isNull()) {
        // A portrait without a picture still gets its mark.
        const qreal ratio = devicePixelRatioF();
        canvas = QPixmap(portrait->size() * ratio);
        canvas.setDevicePixelRatio(ratio);
        canvas.fill(Qt::white);
    }
    // The painter works in the picture's own units, so the stroke is 3 units
    // wide at any pixel density.
    QPainter painter(&canvas);
    painter.setPen(QPen(Rgb(kCrossColour), kCrossPenWidth, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(x1, y1, x2, y2);
    painter.end();
    portrait->update();
}

void TfrmCharSelect::DrawCrossDown(int place, int position)
{
    TImage* portrait = Portrait(place, position);
    if (!portrait)
        return;
    const CrossStroke s = CrossDownStroke(portrait->width(), portrait->height());
    DrawStroke(portrait, s.x1, s.y1, s.x2, s.y2);
}

void TfrmCharSelect::DrawCrossUp(int place, int position)
{
    TImage* portrait = Portrait(place, position);
    if (!portrait)
        return;
    const CrossStroke s = CrossUpStroke(portraits_[0][0]->width());
    DrawStroke(portrait, s.x1, s.y1, s.x2, s.y2);
}

void TfrmCharSelect::DrawCross(int place, int position)
{
    DrawCrossDown(place, position);
    DrawCrossUp(place, position);
}

void TfrmCharSelect::StartDefeatAnimation()
{
    setEnabled(false);
    timDes->start();
}

// One tick of the defeat animation: a pause, the two strokes of the cross with
// the hero's disc sound, the count-up with the unlocks or the game clear, and
// the stop.
void TfrmCharSelect::timDesTimer()
{
    switch (DesStep) {
    case 0:
        DesStep = 1;
        break;
    case 1:
        frmData->PlayPlayerPut(1);
        DrawCrossDown(PlaceIndex + 1, CharIndex + 1);
        DesStep = 2;
        break;
    case 2:
        frmData->PlayPlayerPut(1);
        DrawCrossUp(PlaceIndex + 1, CharIndex + 1);
        DesStep = 3;
        break;
    case 3: {
        DesStep = 4;
        timDes->stop();
        CountNutritionUp();
        timDes->start();
        const AfterFirstWin after =
            DecideAfterFirstWin(DUser->Record, !pnlPlace2->isHidden(), !pnlPlace3->isHidden());
        if (after.gameClear) {
            ClearGame();
        } else {
            if (after.openMountain) {
                frmData->PlayEffect(5);
                pnlPlace2->show();
            }
            if (after.openCyber) {
                frmData->PlayEffect(5);
                pnlPlace3->show();
            }
            setEnabled(true);
        }
        break;
    }
    case 4:
        DesStep = 0;
        timDes->stop();
        break;
    default:
        break;
    }
}

// The display climbs from the number it shows to the record's nutrition, one
// unit and one beep at a time.
void TfrmCharSelect::CountNutritionUp()
{
    int shown = ShownNutrition(lblScore->text().toStdString());
    while (DUser->Record.GetNutrition() > shown) {
        ++shown;
        lblScore->setText(QString::number(shown));
        Platform().Beep();
        Platform().Pause(10);
        Platform().PumpEvents();
    }
}

// The twelfth stage opponent has fallen: the egg is ready to hatch.
void TfrmCharSelect::ClearGame()
{
    DUser->Record.SetCleared(1);
    imgEgg->hide();
    imgPlayer->move(kClearedPlayerLeft, imgPlayer->y());
    lblMes1->setText(QString());
    lblMes2->setText(QString());
    hide();
    frmOpening->StartHatching();
}
