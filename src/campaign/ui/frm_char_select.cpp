#include "campaign/ui/frm_char_select.h"

#include "campaign/session.h"
#include "media/ui/frm_data.h"
#include "platform/services.h"
#include "platform/ui/accessibility.h"
#include "platform/ui/desktop.h"
#include "platform/ui/keyboard.h"
#include "platform/ui/layout.h"
#include "platform/ui/timing.h"
#include "platform/ui/widgets.h"
#include "profile/player_record.h"

#include <QPainter>
#include <string>

using namespace campaign;
using namespace layout;

namespace {

constexpr int kClientWidth = 510;
constexpr int kClientHeight = 333;
// The defeat animation's pace: the cross's two strokes, then the count-up.
constexpr int kDefeatTickMs = 650;
constexpr int kClearedPlayerLeft = 384;

// The window's fixed widgets. The place tabs, the opponent panels and the
// portraits follow from the roster (see the constructor).
constexpr Row kLayout[] = {
    {Kind::Image, "Image1", nullptr, {0, 0, 255, 167}, nullptr, 0, Stretch},
    {Kind::Image, "Image2", nullptr, {255, 0, 255, 167}, nullptr, 0, Stretch},
    {Kind::Image, "Image3", nullptr, {0, 167, 255, 166}, nullptr, 0, Stretch},
    {Kind::Image, "Image4", nullptr, {255, 167, 255, 166}, nullptr, 0, Stretch},
    {Kind::Frame, "Bevel1", nullptr, {8, 16, 345, 305}},
    {Kind::Frame, "Bevel2", nullptr, {360, 16, 137, 240}},
    {Kind::Frame, "Bevel3", nullptr, {360, 264, 137, 57}},
    {Kind::Label, "Label7", nullptr, {16, 30, 73, 20}, "対戦場所", 13, Bold | Centred},
    {Kind::Panel, "Panel10", nullptr, {96, 24, 249, 26}, "対戦相手を選んでください", 13, Bold, 0xFFFFFF, 0x008080},
    {Kind::Panel, "pnlDificulty", nullptr, {368, 24, 121, 36}, nullptr, 12, Plain, 0x000000, 0xF4F1E8},
    {Kind::Label, "Label5", "pnlDificulty", {2, 2, 117, 14}, "ゲームレベル", 11, Centred, 0x505050},
    {Kind::Label, "lblDificulty", "pnlDificulty", {2, 17, 117, 17}, "～ やさしい ～", 13, Bold | Centred},
    {Kind::Panel, "pnlEgg", nullptr, {368, 64, 121, 89}, nullptr, 12, Plain, 0x000000, 0xFFF8DC},
    {Kind::Label, "lblName", "pnlEgg", {4, 4, 113, 20}, nullptr, 14, Bold | Centred},
    {Kind::Label, "lblMes1", "pnlEgg", {4, 26, 113, 16}, "敵を倒して", 12, Centred},
    {Kind::Label, "lblMes2", "pnlEgg", {4, 42, 113, 16}, "栄養を増やそう", 12, Centred},
    {Kind::Label, "Label2", "pnlEgg", {10, 64, 40, 20}, "栄養", 13, Bold, 0x806000},
    {Kind::Label, "lblScore", "pnlEgg", {48, 62, 64, 22}, "0", 18, Bold | RightAligned, 0xC04000},
    {Kind::Panel, "pnlClear", nullptr, {368, 64, 121, 89}, nullptr, 12, Hidden, 0x000000, 0xFFF8DC},
    {Kind::Label, "lblName2", "pnlClear", {4, 4, 113, 20}, nullptr, 14, Bold | Centred},
    {Kind::Label, "Label8", "pnlClear", {4, 32, 113, 22}, "Game Clear", 16, Bold | Italic | Centred, 0x0000C0},
    {Kind::Label, "Label9", "pnlClear", {4, 58, 113, 20}, "Congratulations!", 12, Italic | Centred, 0xC00060},
    {Kind::Image, "imgPlayer", nullptr, {402, 158, 90, 90}},
    {Kind::Image, "imgEgg", nullptr, {380, 208, 33, 41}},
    {Kind::Button, "Button1", nullptr, {368, 276, 121, 33}, "ゲームを終わる", 13, Bold},
};

// The colosseum's panel, filled once the game is cleared.
constexpr Row kBonusPanel[] = {
    {Kind::Label, "Label1", "Panel4", {8, 10, 233, 18}, "～おまけステージ～", 14, Bold | Centred, 0xFFFF00},
    {Kind::Label, "Label3", "Panel4", {14, 32, 221, 42},
     "　ゲームクリアーおめでとうございます。このおまけステージでは、あなたが育てた卵のヒナと対戦することが出来ます。",
     11, Wrapped | Top, 0xFFFFFF},
    {Kind::Label, "Label4", "Panel4", {14, 76, 221, 28}, "　強さは、ヒナがかえったときの栄養によって変化します。", 11,
     Wrapped | Top, 0xFFFFFF},
    {Kind::Label, "lblEggName", "Panel4", {8, 106, 233, 18}, nullptr, 14, Bold | Centred, 0xFFFFFF},
    {Kind::Label, "lblEiyou", "Panel4", {14, 128, 96, 16}, "栄養：0", 12, Plain, 0xFFFFFF},
    {Kind::Label, "lblTuyosa", "Panel4", {110, 128, 125, 16}, "強さ：★", 12, RightAligned, 0xFFFF00},
    {Kind::Panel, "Panel6", "Panel4", {80, 151, 96, 96}, nullptr, 12, Framed, 0x000000, 0xE0E0E0, 3},
    {Kind::Image, "imgCharEgg", "Panel6", {3, 3, 90, 90}},
};

// Tab tops of the four places, and the portrait frames' corners inside an
// opponent panel (top left, top right, bottom left, bottom right).
constexpr int kTabTops[kPlaceCount] = {56, 120, 184, 256};
constexpr QPoint kFrameCorners[kOpponentsPerStage] = {{24, 32}, {136, 32}, {24, 152}, {136, 152}};
const QRect kTabSize{16, 0, 73, 57};
const QRect kOpponentPanel{96, 56, 249, 257};

// Widget names number places and positions from 1: "pnlPlace1", "imgChar1_1".
std::string Numbered(const char* stem, int place)
{
    return stem + std::to_string(place + 1);
}

std::string Numbered(const char* stem, int place, int position)
{
    return Numbered(stem, place) + '_' + std::to_string(position + 1);
}

} // namespace

TfrmCharSelect::TfrmCharSelect(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmCharSelect"));
    SetUpGameWindow(this, kClientWidth, kClientHeight);
    Build(this, kLayout);

    // The places: a tab and an opponent panel each, coloured alike. The stage
    // panels hold the four portraits in frames, each named above its frame.
    for (int p = 0; p < kPlaceCount; ++p) {
        const PlaceInfo& place = *CampaignPlace(p);
        const std::string tab = Numbered("pnlPlace", p);
        const std::string panel = Numbered("Panel", p);
        const Row items[] = {
            {Kind::Panel, tab.c_str(), nullptr, kTabSize.translated(0, kTabTops[p]), place.caption, 13,
             Bold | (place.visibleAtFirst ? Plain : Hidden), place.captionColour, place.colour, 2},
            {Kind::Panel, panel.c_str(), nullptr, kOpponentPanel, nullptr, 12, Hidden, 0x000000, place.colour,
             p == kColosseum ? 5 : 1},
        };
        Build(this, items);
        placeTabs_[p] = Find<TPanel>(this, tab.c_str());
        placePanels_[p] = Find<TPanel>(this, panel.c_str());
        Describe(placeTabs_[p], QAccessible::Button, TrQ(place.caption));
        connect(placeTabs_[p], &TPanel::MouseDown, this, [this, p](Qt::MouseButton) { SelectPlace(p, true); });
        if (p == kColosseum)
            continue;
        for (int i = 0; i < kOpponentsPerStage; ++i) {
            const QPoint corner = kFrameCorners[i];
            const std::string frame = Numbered("pnl", p, i);
            const std::string image = Numbered("imgChar", p, i);
            const std::string label = Numbered("lbl", p, i);
            const Row cell[] = {
                {Kind::Label, label.c_str(), panel.c_str(), {corner.x() - 8, corner.y() - 19, 112, 18},
                 StageOpponent(p, i)->name, 12, Bold | Centred},
                {Kind::Panel, frame.c_str(), panel.c_str(), {corner.x(), corner.y(), 96, 96}, nullptr, 12, Framed,
                 0x000000, 0xC0C0C0, 3},
                {Kind::Image, image.c_str(), frame.c_str(), {3, 3, 90, 90}},
            };
            Build(this, cell);
            TImage* portrait = Find<TImage>(this, image.c_str());
            // A copy: the crosses are drawn into it, the catalogue stays unmarked.
            portrait->SetPicture(Media().Picture(PortraitId(*StageOpponent(p, i))));
            Describe(portrait, QAccessible::Button, Qs(PortraitDescription(p, i, false)));
            portraits_[p][i] = portrait;
            connect(portrait, &TImage::MouseDown, this, [this, p, i](Qt::MouseButton, QPoint) { PickOpponent(p, i); });
        }
    }
    Build(this, kBonusPanel);

    levelCaption_ = Find<TLabel>(this, "lblDificulty");
    playerName_ = Find<TLabel>(this, "lblName");
    clearedName_ = Find<TLabel>(this, "lblName2");
    score_ = Find<TLabel>(this, "lblScore");
    eggMessage1_ = Find<TLabel>(this, "lblMes1");
    eggMessage2_ = Find<TLabel>(this, "lblMes2");
    playerPicture_ = Find<TImage>(this, "imgPlayer");
    eggSlot_ = Find<TImage>(this, "imgEgg");
    eggPanel_ = Find<TPanel>(this, "pnlEgg");
    clearPanel_ = Find<TPanel>(this, "pnlClear");
    chickName_ = Find<TLabel>(this, "lblEggName");
    chickNutrition_ = Find<TLabel>(this, "lblEiyou");
    chickStrength_ = Find<TLabel>(this, "lblTuyosa");
    chickPortrait_ = Find<TImage>(this, "imgCharEgg");
    Describe(chickPortrait_, QAccessible::Button, QString());
    Describe(playerPicture_, QAccessible::Graphic, TrQ("あなた"));

    for (const char* background : {"Image1", "Image2", "Image3", "Image4"})
        Find<TImage>(this, background)->SetPicture(Media().Picture(QStringLiteral("imgBack")));

    connect(chickPortrait_, &TImage::MouseDown, this, [this](Qt::MouseButton, QPoint) { PickChick(); });
    auto* quit = Find<TButton>(this, "Button1");
    connect(quit, &TButton::MouseDown, this, [](Qt::MouseButton) { Media().PlayEffect(Effect::Click); });
    connect(quit, &TButton::clicked, this, [this] { QuitClicked(); });

    defeatTimer_ = new GameTimer(this, kDefeatTickMs, "timDes");
    connect(defeatTimer_, &QTimer::timeout, this, [this] { DefeatTick(); });

    // The keys go through the places, the portraits, the chick and the quit.
    SetReadingOrder(this, {"pnlPlace1", "pnlPlace2", "pnlPlace3", "pnlPlace4", "imgChar1_1", "imgChar1_2",
                           "imgChar1_3", "imgChar1_4", "imgChar2_1", "imgChar2_2", "imgChar2_3", "imgChar2_4",
                           "imgChar3_1", "imgChar3_2", "imgChar3_3", "imgChar3_4", "imgCharEgg", "Button1"});

    // Place 1 starts selected.
    SelectPlace(0, false);
}

// ---------------------------------------------------------------- hand-offs

void TfrmCharSelect::SetPlayerFigure(const std::string& picture)
{
    playerFigure_ = picture;
    playerPicture_->SetPicture(Media().Picture(picture));
}

void TfrmCharSelect::BeginNewGame(const std::string& levelCaption, const QString& playerName)
{
    placeIndex_ = 0;
    levelCaption_->setText(Qs(levelCaption));
    playerName_->setText(playerName);
    clearedName_->setText(playerName);
}

void TfrmCharSelect::Continue(const ContinuePlan& plan)
{
    for (const auto& [place, position] : plan.crosses)
        DrawCross(place, position);
    placeIndex_ = 0;
    levelCaption_->setText(Qs(plan.levelCaption));
    playerName_->setText(Qs(plan.playerName));
    clearedName_->setText(Qs(plan.playerName));
    score_->setText(Qs(plan.score));
    SetPlayerFigure(plan.playerPicture);
    if (plan.openPlace2)
        placeTabs_[1]->show();
    if (plan.openPlace3)
        placeTabs_[2]->show();
    if (plan.cleared) {
        // The cleared game: the chick waits in the colosseum.
        ShowGameCleared();
        placeTabs_[kColosseum]->show();
        chickName_->setText(Qs(plan.chickName));
        ShowChick(ChickPanelFor(plan.nutrition));
    }
    // The furthest place reached is the one on show.
    if (plan.selectPlace >= 0)
        SelectPlace(plan.selectPlace, false);
}

// The player's panel once the game is cleared: the figure moves over the
// egg's place, the panel congratulates.
void TfrmCharSelect::ShowGameCleared()
{
    eggSlot_->hide();
    playerPicture_->move(kClearedPlayerLeft, playerPicture_->y());
    eggPanel_->hide();
    clearPanel_->show();
}

void TfrmCharSelect::ShowChick(const ChickPanel& chick)
{
    chickStrength_->setText(TrQ(chick.strengthCaption.c_str()));
    chickPortrait_->setAccessibleName(Qs(ChickDescription(chickName_->text().toStdString(), chick.eggStrength)));
    chickPortrait_->SetPicture(Media().Picture(chick.picture));
    chickNutrition_->setText(Qs(chick.nutritionCaption));
    eggPanel_->hide();
    clearPanel_->show();
}

void TfrmCharSelect::SetChickName(const QString& typed)
{
    chickName_->setText(typed);
    chickPortrait_->setAccessibleName(Qs(ChickDescription(typed.toStdString(), session_->ChickStrength())));
}

int TfrmCharSelect::EggStrength() const { return session_->ChickStrength(); }

void TfrmCharSelect::TakeInputAgain()
{
    SetScreenEnabled(this, true);
    raise();
    activateWindow();
}

void TfrmCharSelect::LeaveForMatch()
{
    hide();
    SetScreenEnabled(this, true);
}

void TfrmCharSelect::Enter()
{
    show();
    activateWindow();
    if (!focusWidget())
        placeTabs_[placeIndex_]->setFocus();
}

// ---------------------------------------------------------------- places and picks

void TfrmCharSelect::SelectPlace(int place, bool withSound)
{
    if (place < 0 || place >= kPlaceCount)
        return;
    for (int p = 0; p < kPlaceCount; ++p) {
        const bool chosen = p == place;
        if (chosen)
            placeTabs_[p]->SetBevels(TPanel::Bevel::None, TPanel::Bevel::Lowered, 2);
        else
            placeTabs_[p]->SetBevels(TPanel::Bevel::Raised, TPanel::Bevel::None, 2);
        placePanels_[p]->setVisible(chosen);
    }
    placeIndex_ = place;
    if (withSound)
        Media().PlayEffect(Effect::Click);
}

void TfrmCharSelect::PickOpponent(int place, int position)
{
    Media().PlayEffect(Effect::Click);
    // Unreadable speech stops the pick: the screen stays as it was.
    const std::optional<MatchOpponent> opponent = session_->PickStageOpponent(place, position);
    if (!opponent)
        return;
    emit OpponentPicked(*opponent);
    SetScreenEnabled(this, false);
    charIndex_ = position;
}

void TfrmCharSelect::PickChick()
{
    Media().PlayEffect(Effect::Click);
    emit OpponentPicked(session_->PickChick());
    SetScreenEnabled(this, false);
    charIndex_ = 0;
}

void TfrmCharSelect::QuitClicked()
{
    if (Platform().AskYesNo(Tr("ゲームを終了してよろしいですか？"), Tr("ゲーム終了")))
        emit QuitConfirmed();
}

// ---------------------------------------------------------------- crosses

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
    if (place < 0 || place >= kStageCount || position < 0 || position >= kOpponentsPerStage)
        return;
    TImage* portrait = portraits_[place][position];
    const CrossStroke s = CrossDownStroke(portrait->width(), portrait->height());
    DrawStroke(portrait, s.x1, s.y1, s.x2, s.y2);
}

void TfrmCharSelect::DrawCrossUp(int place, int position)
{
    if (place < 0 || place >= kStageCount || position < 0 || position >= kOpponentsPerStage)
        return;
    const CrossStroke s = CrossUpStroke(portraits_[0][0]->width());
    DrawStroke(portraits_[place][position], s.x1, s.y1, s.x2, s.y2);
    // Crossed out: the reader hears it too.
    portraits_[place][position]->setAccessibleName(Qs(PortraitDescription(place, position, true)));
}

void TfrmCharSelect::DrawCross(int place, int position)
{
    DrawCrossDown(place, position);
    DrawCrossUp(place, position);
}

// ---------------------------------------------------------------- the defeat animation

void TfrmCharSelect::StartDefeatAnimation(int place, int position)
{
    beatenPlace_ = place;
    beatenPosition_ = position;
    SetScreenEnabled(this, false);
    defeatTimer_->start();
}

// One tick of the defeat animation: a pause, the two strokes of the cross with
// the hero's disc sound, the count-up with the unlocks or the game clear, and
// the stop.
void TfrmCharSelect::DefeatTick()
{
    switch (desStep_) {
    case 0:
        desStep_ = 1;
        break;
    case 1:
        Media().PlayPlayerPut(1);
        DrawCrossDown(beatenPlace_, beatenPosition_);
        desStep_ = 2;
        break;
    case 2:
        Media().PlayPlayerPut(1);
        DrawCrossUp(beatenPlace_, beatenPosition_);
        desStep_ = 3;
        break;
    case 3: {
        desStep_ = 4;
        defeatTimer_->stop();
        CountNutritionUp();
        defeatTimer_->start();
        const AfterFirstWin after = session_->FollowFirstWin();
        if (after.gameClear) {
            ClearGame();
        } else {
            if (after.openMountain)
                OpenPlace(1);
            if (after.openCyber)
                OpenPlace(2);
            SetScreenEnabled(this, true);
        }
        break;
    }
    case 4:
        desStep_ = 0;
        defeatTimer_->stop();
        break;
    default:
        break;
    }
}

// The display climbs from the number it shows to the record's nutrition, one
// unit and one beep at a time.
void TfrmCharSelect::CountNutritionUp()
{
    int shown = ShownNutrition(score_->text().toStdString());
    while (session_->Player().GetNutrition() > shown) {
        ++shown;
        score_->setText(QString::number(shown));
        Platform().Beep();
        Platform().Pause(10);
        Platform().PumpEvents();
    }
    Announce(this, TrQ("栄養 %1").arg(shown));
}

void TfrmCharSelect::OpenPlace(int place)
{
    Media().PlayEffect(Effect::Jingle);
    placeTabs_[place]->show();
    Announce(this, TrQ("%1 に行けるようになりました").arg(TrQ(CampaignPlace(place)->caption)));
}

void TfrmCharSelect::ClearGame()
{
    session_->ClearGame();
    eggSlot_->hide();
    playerPicture_->move(kClearedPlayerLeft, playerPicture_->y());
    eggMessage1_->setText(QString());
    eggMessage2_->setText(QString());
    hide();
    emit GameCleared();
}
