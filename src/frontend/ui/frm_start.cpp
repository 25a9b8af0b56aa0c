#include "frontend/ui/frm_start.h"

#include "campaign/session.h"
#include "frontend/slot_rules.h"
#include "frontend/title_sequence.h"
#include "media/ui/frm_data.h"
#include "platform/game_random.h"
#include "platform/services.h"
#include "platform/ui/desktop.h"
#include "platform/ui/keyboard.h"
#include "platform/ui/layout.h"
#include "platform/ui/timing.h"
#include "platform/ui/widgets.h"

#include <QCloseEvent>
#include <QCoreApplication>

using namespace frontend;
using namespace layout;

namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kFrame = 0xFF9966;   // the title frame: red 255, green 153, blue 102
constexpr QRgb kEmptySlotText = 0xff808080;

// Every page is 265 x 185 at the window's origin.
constexpr QRect kPage(0, 0, 265, 185);

// The title screen. The logo page comes last so it lies on top of the title.
constexpr Row kLayout[] = {
    // The title page.
    {Kind::Page, "Panel1", nullptr, kPage, nullptr, 0, Plain, kBlack, kWhite},
    {Kind::Image, "img1", "Panel1", kPage, nullptr, 0, Stretch},
    {Kind::Page, "Panel7", "Panel1", {19, 8, 225, 129}, nullptr, 0, Plain, kBlack, kFrame},
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
    {Kind::Page, "Panel4", nullptr, kPage, nullptr, 0, Hidden, kBlack, kBlack},
    {Kind::Image, "img4", "Panel4", kPage, nullptr, 0, Stretch},
    {Kind::Label, "Label11", "Panel4", {0, 18, 265, 24}, "どこから始めますか？", 19, Bold | Centred, kWhite},
    {Kind::Button, "BitBtn1", "Panel4", {64, 62, 137, 33}, "はじめから", 17, Bold},
    {Kind::Button, "BitBtn2", "Panel4", {64, 114, 137, 33}, "つづきから", 17, Bold},

    // Continue: the saved games.
    {Kind::Page, "Panel2", nullptr, kPage, nullptr, 0, Hidden, kBlack, kBlack},
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
    {Kind::Page, "Panel3", nullptr, kPage, nullptr, 0, Hidden, kBlack, kBlack},
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
    // Hidden: only its type is read, and no screen reader meets it.
    {Kind::Button, "btnF", nullptr, {300, 0, 169, 25}, "btnF", 19, Hidden},

    // The logo, over the title. Its caption has room for the studio's name in
    // English too.
    {Kind::Page, "pnlLogo", nullptr, kPage, nullptr, 0, Plain, kBlack, kBlack},
    {Kind::Image, "imgLogo", "pnlLogo", {105, 53, 56, 56}},
    {Kind::Label, "lblLogo", "pnlLogo", {88, 110, 170, 26}, "ズモル工房", 20, Bold, kWhite},
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

std::string Numbered(const char* stem, int number) { return stem + std::to_string(number); }

} // namespace

TfrmStart::TfrmStart(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmStart"));
    SetUpGameWindow(this, 265, 185);
    Build(this, kLayout);

    logoPage_ = Find<TPanel>(this, "pnlLogo");
    titlePage_ = Find<TPanel>(this, "Panel1");
    continuePage_ = Find<TPanel>(this, "Panel2");
    newGamePage_ = Find<TPanel>(this, "Panel3");
    menuPage_ = Find<TPanel>(this, "Panel4");
    for (int glyph = 0; glyph < 7; ++glyph)
        glyphs_[glyph] = Find<TImage>(this, Numbered("imgTitle", glyph + 1).c_str());
    start_ = Find<TButton>(this, "bitStart");
    for (int slot = 0; slot < 3; ++slot) {
        loadButtons_[slot] = Find<TButton>(this, Numbered("btnLoad", slot + 1).c_str());
        saveButtons_[slot] = Find<TButton>(this, Numbered("btnSave", slot + 1).c_str());
    }
    usedSlotType_ = Find<TButton>(this, "btnF");
    logoTimer_ = new GameTimer(this, kLogoIntervalMs, "timLogo");
    titleTimer_ = new GameTimer(this, kTitleIntervalMs, "timStart");

    // Our own pictures: the logo, the title picture and frame, the glyphs and
    // the start button.
    Find<TImage>(this, "imgLogo")->SetPicture(RenderArt(QStringLiteral("imgLogo")));
    Find<TImage>(this, "img1")->SetPicture(RenderArt(QStringLiteral("img1")));
    Find<TImage>(this, "Image1")->SetPicture(RenderArt(QStringLiteral("Image1")));
    for (int glyph = 0; glyph < 7; ++glyph)
        glyphs_[glyph]->SetPicture(RenderArt(QStringLiteral("imgTitle%1").arg(glyph + 1)));
    start_->setIcon(QIcon(RenderArt(QStringLiteral("bitStart"))));
    start_->setIconSize(QSize(98, 21));
    start_->setAccessibleName(TrQ("スタート"));

    const auto click = [] { Media().PlayEffect(Effect::Click); };
    connect(logoTimer_, &QTimer::timeout, this, &TfrmStart::OnLogoTimer);
    connect(titleTimer_, &QTimer::timeout, this, &TfrmStart::OnTitleTimer);
    connect(start_, &TButton::MouseDown, this, click);
    connect(start_, &QPushButton::clicked, this, [this] {
        titlePage_->hide();
        ShowPage(menuPage_);
    });
    auto* newGame = Find<TButton>(this, "BitBtn1");
    auto* carryOn = Find<TButton>(this, "BitBtn2");
    connect(newGame, &TButton::MouseDown, this, click);
    connect(newGame, &QPushButton::clicked, this, [this] { ShowPage(newGamePage_); });
    connect(carryOn, &TButton::MouseDown, this, click);
    connect(carryOn, &QPushButton::clicked, this, [this] { ShowPage(continuePage_); });
    for (int slot = 1; slot <= 3; ++slot) {
        for (TButton* button : {loadButtons_[slot - 1], saveButtons_[slot - 1]})
            connect(button, &TButton::MouseDown, this, click);
        connect(saveButtons_[slot - 1], &QPushButton::clicked, this, [this, slot] { NewGameSlotClick(slot); });
        connect(loadButtons_[slot - 1], &QPushButton::clicked, this, [this, slot] { ContinueSlotClick(slot); });
    }
    for (const char* back : {"Button4", "Button8"}) {
        auto* button = Find<TButton>(this, back);
        connect(button, &TButton::MouseDown, this, [] { Media().PlayEffect(Effect::Blip); });
        connect(button, &QPushButton::clicked, this, [this] { ShowPage(menuPage_); });
    }

    SetReadingOrder(this, {"bitStart", "BitBtn1", "BitBtn2", "btnLoad1", "btnLoad2", "btnLoad3", "Button4", "btnSave1",
                           "btnSave2", "btnSave3", "Button8"});

    GameRandom::Shared().SeedFromClock();
    // The menu and the slot pages show the title picture behind them.
    const QPixmap title = Find<TImage>(this, "img1")->Picture();
    for (const char* background : {"img2", "img3", "img4"})
        Find<TImage>(this, background)->SetPicture(title);
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
        // The name as typed: a button would take "&" for the mark of a
        // shortcut key, so it is doubled.
        const QString caption = Qs(label.caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
        for (TButton* button : {loadButtons_[slot - 1], saveButtons_[slot - 1]}) {
            button->setText(caption);
            if (label.used) {
                button->setFont(usedSlotType_->font());
                button->setPalette(usedSlotType_->palette());
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
        logoTimer_->start();
    }
}

void TfrmStart::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit Closed();
    // The other windows may still be open: the program ends with this one.
    QCoreApplication::quit();
}

void TfrmStart::OnLogoTimer()
{
    const LogoTick* row = FindLogoStep(logoStep_);
    if (!row)
        return;
    switch (row->action) {
    case LogoAction::Rest:
        logoStep_ = row->next;
        break;
    case LogoAction::Chime:
        logoTimer_->stop();
        Media().PlayEffect(Effect::Jingle);
        Platform().Pause(kLogoChimeMs);
        logoStep_ = row->next;
        logoTimer_->start();
        break;
    case LogoAction::Reveal:
        logoTimer_->stop();
        logoPage_->hide();
        Platform().PumpEvents();
        Platform().Pause(kTitleRevealPauseMs);
        logoStep_ = row->next;
        titleTimer_->start();
        break;
    }
}

void TfrmStart::OnTitleTimer()
{
    const TitleTick* row = FindTitleStep(titleStep_);
    if (!row)
        return;
    if (row->finish) {
        titleTimer_->stop();
        Media().PlayEffect(Effect::Click);
        start_->show();
        setEnabled(true);
        start_->setFocus();
        titleStep_ = row->next;
        return;
    }
    if (row->glyphs[0] == 0) {
        titleStep_ = row->next;
        return;
    }
    // The next glyph comes a full interval after its sound started.
    titleTimer_->stop();
    Media().PlayPlayerPut(1);
    for (const int glyph : row->glyphs)
        if (glyph > 0)
            glyphs_[glyph - 1]->show();
    titleStep_ = row->next;
    titleTimer_->start();
}

void TfrmStart::ShowPage(TPanel* page)
{
    for (TPanel* other : {continuePage_, newGamePage_, menuPage_})
        if (other != page)
            other->hide();
    page->show();
    FocusFirstControl(page);
}

void TfrmStart::NewGameSlotClick(int slot)
{
    if (slotUsed_[slot - 1] && !Platform().AskYesNo(EraseQuestion(slot), Tr(kEraseTitle))) {
        Media().PlayEffect(Effect::Click);
        return;
    }
    // The old save stays on disk until the new game is saved over it.
    session_->NewGame(slot);
    hide();
    emit NewGameChosen();
}

void TfrmStart::ContinueSlotClick(int slot)
{
    if (!slotUsed_[slot - 1])
        return;
    const campaign::ContinuePlan plan = session_->Continue(slot);
    hide();
    emit GameContinued(plan);
}
