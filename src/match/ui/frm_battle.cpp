#include "match/ui/frm_battle.h"

#include "match/match_waits.h"
#include "media/ui/frm_data.h"
#include "platform/game_random.h"
#include "platform/services.h"
#include "platform/ui/accessibility.h"
#include "platform/ui/desktop.h"
#include "platform/ui/keyboard.h"
#include "platform/ui/layout.h"
#include "platform/ui/timing.h"
#include "platform/ui/widgets.h"
#include "profile/player_record.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

using namespace layout;

namespace {

// Board colours.
const QColor kTeal(0, 128, 128);
const QColor kGrey(128, 128, 128);
const QColor kSilver(192, 192, 192);

constexpr int kBoardSize = 317;
constexpr std::uint32_t kRed = 0xFF0000;
const QColor kCursorColour(255, 255, 0);

// The screen's fixed layout, back to front. Positions are in the client area,
// or in the named parent panel.
constexpr Row kLayout[] = {
    // The background: one stretched copy of the pattern per quarter.
    {Kind::Image, "Image1", nullptr, {304, 176, 300, 174}, nullptr, 0, Stretch},
    {Kind::Image, "Image2", nullptr, {288, 0, 316, 176}, nullptr, 0, Stretch},
    {Kind::Image, "Image3", nullptr, {0, 0, 288, 176}, nullptr, 0, Stretch},
    {Kind::Image, "Image4", nullptr, {0, 176, 304, 174}, nullptr, 0, Stretch},
    // The board in its frame, with the notices over it.
    {Kind::Panel, "pnlBoard", nullptr, {136, 8, 330, 330}, nullptr, 0, Plain, 0x000000, 0x008080, 6},
    {Kind::Image, "imgBoard", "pnlBoard", {5, 5, kBoardSize, kBoardSize}},
    // A notice starts at its label's top, whether of one line or two.
    {Kind::Label, "lblWinner", "pnlBoard", {7, 80, 313, 137}, nullptr, 40, Bold | Centred | Wrapped | Top | Hidden, kRed},
    {Kind::Label, "lblScore", "pnlBoard", {8, 232, 313, 33}, nullptr, 33, Centred | Wrapped | Hidden, kRed},
    // The left side: the first mover, Black.
    {Kind::RoundRect, "Shape6", nullptr, {8, 32, 121, 41}, nullptr, 0, Plain, 0x000000, 0xC0C0C0},
    {Kind::Label, "Label1", nullptr, {32, 39, 52, 27}, "先手", 20, Bold | Wrapped},
    {Kind::Disc, "Shape3", nullptr, {88, 36, 33, 33}, nullptr, 0, Plain, 0x000000, 0x000000},
    {Kind::Label, "lblChar1", nullptr, {0, 89, 137, 24}, nullptr, 16, Bold | Centred | Wrapped},
    {Kind::Image, "imgChar1", nullptr, {24, 120, 90, 90}},
    // The right side: the second mover, White.
    {Kind::RoundRect, "Shape7", nullptr, {475, 224, 121, 41}, nullptr, 0, Plain, 0x000000, 0xC0C0C0},
    {Kind::Label, "Label2", nullptr, {525, 231, 52, 27}, "後手", 20, Bold | Wrapped},
    {Kind::Disc, "Shape4", nullptr, {485, 228, 33, 33}, nullptr, 0, Plain, 0x000000, 0xFFFFFF},
    {Kind::Label, "lblChar2", nullptr, {466, 185, 137, 24}, nullptr, 16, Bold | Centred | Wrapped},
    {Kind::Image, "imgChar2", nullptr, {488, 88, 90, 90}},
    // The opponent's speech bubble; the set-up moves it next to the opponent.
    {Kind::Outline, "shpMessage", nullptr, {472, 16, 121, 65}, nullptr, 0, Hidden},
    {Kind::Label, "lblMessage", nullptr, {480, 24, 109, 49}, nullptr, 16, Bold | Wrapped | Hidden},
    // Giving up, and the end-of-match button over it.
    {Kind::Button, "btmGiveUp", nullptr, {496, 292, 81, 33}, "投了", 16, Bold},
    {Kind::Panel, "pnlFinish", nullptr, {480, 288, 113, 41}, nullptr, 0, Hidden},
    {Kind::Label, "lblFinish", "pnlFinish", {2, 2, 109, 37}, "対局終了", 15, Bold | Centred | Wrapped},
};

// The bubble's two corners: by the opponent on the right, or on the left.
constexpr QPoint kBubbleRight(472, 16), kBubbleTextRight(480, 24);
constexpr QPoint kBubbleLeft(8, 232), kBubbleTextLeft(16, 240);

// An ellipse in the bounds (x1, y1)-(x2, y2), right and bottom edges excluded.
// At one picture pixel per screen pixel it is drawn pixel-exact; on high-DPI
// screens, where there are more pixels than the board's own, it is smoothed.
void Ellipse(QPainter& painter, int x1, int y1, int x2, int y2)
{
    if (painter.testRenderHint(QPainter::Antialiasing))
        painter.drawEllipse(QRectF(x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1));
    else
        painter.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

// A disc's ellipse: its colour with a 1-pixel grey outline.
void DiscEllipse(QPainter& painter, int x1, int y1, int x2, int y2, QColor fill)
{
    painter.setPen(QPen(kGrey, 1));
    painter.setBrush(fill);
    Ellipse(painter, x1, y1, x2, y2);
}

void SmoothOnHighDpi(QPainter& painter, const QPixmap& canvas)
{
    painter.setRenderHint(QPainter::Antialiasing, canvas.devicePixelRatio() > 1.0);
}

// The keyboard's square on the board: a thin frame just inside the square's
// grid lines, around where a disc lies and never over it, shown only while
// the screen takes the player's keys.
class CursorFrame : public QWidget {
public:
    explicit CursorFrame(QWidget* board) : QWidget(board), board_(board)
    {
        setObjectName(QStringLiteral("keyCursor"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!ShowsKeyboardFocus(board_) || !board_->window()->isEnabled())
            return;
        QPainter painter(this);
        painter.setPen(QPen(kCursorColour, 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    QWidget* board_;
};

} // namespace

// Storing a disc on the board paints its square here and sounds through the
// media catalogue's players.
class TfrmBattle::BoardView : public BoardObserver {
public:
    explicit BoardView(TfrmBattle& screen) : screen_(screen) {}

    void DrawCell(int column, int row, std::int32_t value) override { screen_.DrawCell(column, row, value); }
    void PlacingSound(bool byComputer) override
    {
        if (byComputer)
            Media().PlayComPut(screen_.flow_->Opponent().soundSet);
        else
            Media().PlayPlayerPut(PlayerVariant());
    }
    void TurningSound(bool byComputer) override
    {
        if (byComputer)
            Media().PlayComTurn(screen_.flow_->Opponent().soundSet);
        else
            Media().PlayPlayerTurn(PlayerVariant());
    }
    void Pause(BoardPause pause) override { Platform().Pause(BoardPauseMs(pause)); }
    void PumpEvents() override { Platform().PumpEvents(); }

private:
    int PlayerVariant() const { return PlayerSoundVariant(screen_.flow_->Player().GetPlayerCharacter()); }

    TfrmBattle& screen_;
};

TfrmBattle::TfrmBattle(QWidget* parent)
    : QWidget(parent), boardView_(std::make_unique<BoardView>(*this))
{
    setObjectName(QStringLiteral("frmBattle"));
    SetUpGameWindow(this, 604, 350);
    Build(this, kLayout);
    for (int i = 0; i < 4; ++i)
        background_[i] = Find<TImage>(this, ("Image" + std::to_string(i + 1)).c_str());
    board_ = Find<TImage>(this, "imgBoard");
    notice_ = Find<TLabel>(this, "lblWinner");
    score_ = Find<TLabel>(this, "lblScore");
    blackPlate_ = Find<TShape>(this, "Shape6");
    whitePlate_ = Find<TShape>(this, "Shape7");
    leftName_ = Find<TLabel>(this, "lblChar1");
    leftFace_ = Find<TImage>(this, "imgChar1");
    rightName_ = Find<TLabel>(this, "lblChar2");
    rightFace_ = Find<TImage>(this, "imgChar2");
    bubble_ = Find<TShape>(this, "shpMessage");
    bubbleText_ = Find<TLabel>(this, "lblMessage");
    finish_ = Find<TPanel>(this, "pnlFinish");
    finishText_ = Find<TLabel>(this, "lblFinish");

    // The notices lie over the board without taking its presses.
    notice_->setAttribute(Qt::WA_TransparentForMouseEvents);
    score_->setAttribute(Qt::WA_TransparentForMouseEvents);
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap canvas(QSize(kBoardSize, kBoardSize) * ratio);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(kTeal);
    board_->SetPicture(canvas);

    startTimer_ = new GameTimer(this, kMatchWaits.startPace, "timStart");
    countTimer_ = new GameTimer(this, kMatchWaits.countPace, "timPieceCount");
    finishBlink_ = new GameTimer(this, kMatchWaits.finishBlink, "timGameEnd");
    bubbleTimer_ = new GameTimer(this, kMatchWaits.bubbleFirstTick, "timMessage");

    connect(startTimer_, &QTimer::timeout, this, [this] { flow_->StartTick(); });
    connect(countTimer_, &QTimer::timeout, this, [this] { flow_->CountTick(); });
    connect(finishBlink_, &QTimer::timeout, this, [this] {
        // "対局終了" blinks with a hint to click it.
        finishText_->setText(finishText_->text().isEmpty() ? TrQ("対局終了\nクリック!") : QString());
    });
    connect(bubbleTimer_, &QTimer::timeout, this, &TfrmBattle::MessageTick);
    connect(board_, &TImage::MouseDown, this, [this](Qt::MouseButton, QPoint position) { BoardPressed(position); });
    cursorFrame_ = new CursorFrame(board_);
    board_->installEventFilter(this);
    KeepArrowKeys(board_);
    SetReadingOrder(this, {"imgBoard", "btmGiveUp", "lblFinish"});
    // For a screen reader the board is a table of its 64 squares, "d4 白".
    DescribeAsBoard(
        board_, TrQ("盤面"),
        [this](int column, int row) {
            return Qs(SquareDescription(column, row, attachedCells_ ? attachedCells_->At(column, row) : Empty));
        },
        [this] { return std::pair{cursor_.column, cursor_.row}; });
    Describe(finishText_, QAccessible::Button, TrQ("対局終了"));
    connect(qApp, &QApplication::focusChanged, cursorFrame_, [frame = cursorFrame_] { frame->update(); });
    MoveCursorFrame();
    connect(Find<TButton>(this, "btmGiveUp"), &QPushButton::clicked, this, &TfrmBattle::GiveUpClicked);
    connect(finishText_, &TLabel::MouseDown, this, &TfrmBattle::FinishPressed);

    RedrawBoardBackground();
}

// The board goes before the screens at exit, so it never holds a dangling
// observer.
TfrmBattle::~TfrmBattle() = default;

void TfrmBattle::AttachMatch(TBoard& board, TDBrains& brains, MatchLedger& ledger)
{
    // The board, the computer opponent and the campaign are made after this
    // screen: the match is set up once they all exist.
    flow_ = std::make_unique<MatchFlow>(board, brains, ledger, GameRandom::Shared(), static_cast<MatchView&>(*this));
    attachedCells_ = &board;
    board.SetObserver(boardView_.get());
}

// ---------------------------------------------------------------- drawing

void TfrmBattle::RedrawBoardBackground()
{
    const BoardGeometry geometry{board_->width(), board_->height()};
    QPixmap& canvas = board_->Canvas();
    {
        QPainter painter(&canvas);
        painter.fillRect(QRect(0, 0, geometry.width, geometry.height), kTeal);
        // Nine grid lines each way; a tenth would lie outside the picture.
        const int pitch = geometry.PitchX();
        const int margin = BoardGeometry::kMargin;
        for (int i = 0; i <= 9; ++i) {
            const int at = margin + pitch * i;
            painter.fillRect(QRect(at, margin, 1, geometry.height - 2 * margin), Qt::black);
            painter.fillRect(QRect(margin, at, geometry.height - 2 * margin, 1), Qt::black);
        }
        // The four star points.
        SmoothOnHighDpi(painter, canvas);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::black);
        for (const auto& [line, lineY] : {std::pair{2, 2}, {6, 2}, {2, 6}, {6, 6}}) {
            const int cx = margin + pitch * line;
            const int cy = margin + pitch * lineY;
            Ellipse(painter, cx - 2, cy - 2, cx + 3, cy + 3);
        }
    }
    board_->update();
    notice_->hide();
    for (TImage* image : background_)
        image->SetPicture(Media().Picture(QStringLiteral("imgBack")));
}

void TfrmBattle::DrawCell(int column, int row, std::int32_t value)
{
    BoardCellChanged(board_, column, row);
    const BoardGeometry geometry{board_->width(), board_->height()};
    const int x0 = geometry.OriginX(column);
    const int y0 = geometry.OriginY(row);
    const QRect square(x0 + 8, y0 + 8, 34, 34);
    {
        QPainter painter(&board_->Canvas());
        painter.fillRect(square, kTeal);
        if (value == Black || value == White) {
            // A disc seen slightly from above: a rim, a thick lower edge and the
            // face lifted 5 pixels over them.
            const bool black = value == Black;
            SmoothOnHighDpi(painter, board_->Canvas());
            DiscEllipse(painter, x0 + 8, y0 + 13, x0 + 42, y0 + 42, black ? kSilver : kGrey);
            DiscEllipse(painter, x0 + 8, y0 + 13, x0 + 42, y0 + 40, black ? QColor(Qt::black) : kSilver);
            DiscEllipse(painter, x0 + 8, y0 + 8, x0 + 42, y0 + 38, black ? QColor(Qt::black) : QColor(Qt::white));
        }
    }
    board_->update(square);
}

// ---------------------------------------------------------------- set-up

void TfrmBattle::PrepareOpponent(const MatchOpponent& opponent) { flow_->SetOpponent(opponent); }

void TfrmBattle::StartMatch(const MatchSides& sides)
{
    // Black, the first mover, on the left; the left face looks into the screen.
    const MatchOpponent& opponent = flow_->Opponent();
    const bool second = sides.playerIsSecond;
    SetFace(leftFace_, second ? opponent.portrait : sides.playerPicture);
    SetFace(rightFace_, second ? sides.playerPicture : opponent.portrait);
    const std::string& leftName = second ? opponent.name : sides.playerName;
    const std::string& rightName = second ? sides.playerName : opponent.name;
    leftName_->setText(Qs(leftName));
    rightName_->setText(Qs(rightName));
    Describe(leftFace_, QAccessible::Graphic, Qs(SideDescription(leftName, true)));
    Describe(rightFace_, QAccessible::Graphic, Qs(SideDescription(rightName, false)));
    // The bubble goes next to the opponent.
    bubble_->move(second ? kBubbleLeft : kBubbleRight);
    bubbleText_->move(second ? kBubbleTextLeft : kBubbleTextRight);

    RedrawBoardBackground();
    setEnabled(false);
    show();
    activateWindow();
    // The keyboard's cursor starts each match in the middle of the board; the
    // board takes the focus once the start sequence hands the move over.
    cursor_ = BoardCursor{};
    MoveCursorFrame();
    flow_->Begin(second);
}

void TfrmBattle::SetFace(TImage* image, const std::string& picture)
{
    const QPixmap face = Media().Picture(picture);
    image->SetPicture(face);
    if (image == leftFace_)
        image->MirrorSquareFrom(face, 89);
}

// ---------------------------------------------------------------- the view

void TfrmBattle::SetEnabled(bool enabled)
{
    SetScreenEnabled(this, enabled);
    cursorFrame_->update();
}

void TfrmBattle::IndicatorTo(std::int32_t side)
{
    const QColor active = Media().ActiveColour();
    const QColor inactive = Media().InactiveColour();
    blackPlate_->SetBrush(side == Black ? active : inactive);
    whitePlate_->SetBrush(side == Black ? inactive : active);
}

void TfrmBattle::ShowNotice(const std::string& text)
{
    notice_->setText(Qs(text));
    notice_->show();
}

void TfrmBattle::HideNotice() { notice_->hide(); }
void TfrmBattle::PlayEffect(Effect effect) { Media().PlayEffect(effect); }
void TfrmBattle::PlayStartDisc() { Media().PlayPlayerPut(1); }
void TfrmBattle::PlayCountDisc() { Media().PlayComPut(1); }
void TfrmBattle::Pause(int ms) { Platform().Pause(ms); }
void TfrmBattle::PumpEvents() { Platform().PumpEvents(); }
void TfrmBattle::Announce(const std::string& text) { ::Announce(this, Qs(text)); }
void TfrmBattle::StartStartSequence() { startTimer_->start(); }
void TfrmBattle::SetStartPace(int ms) { startTimer_->SetInterval(ms); }
void TfrmBattle::StopStartSequence() { startTimer_->stop(); }
void TfrmBattle::StartBubble() { bubbleTimer_->start(); }
bool TfrmBattle::BubbleShowing() const { return bubbleTimer_->isActive(); }
void TfrmBattle::StartCount() { countTimer_->start(); }
void TfrmBattle::StopCount() { countTimer_->stop(); }

void TfrmBattle::ShowResult(const Result& result)
{
    notice_->setText(Qs(result.caption));
    if (!result.score.empty()) {
        score_->setText(Qs(result.score));
        score_->show();
    }
    if (result.facesChange) {
        const bool second = flow_->PlayerIsSecond;
        SetFace(second ? rightFace_ : leftFace_, result.playerFace);
        SetFace(second ? leftFace_ : rightFace_,
                result.opponentWon ? flow_->Opponent().winFace : flow_->Opponent().lossFace);
    }
    notice_->show();
    finishBlink_->start();
    finish_->show();
    setEnabled(true);
    finishText_->setFocus();
}

void TfrmBattle::MessageTick()
{
    const SpeechBubble::Step step = flow_->BubbleTick();
    switch (step.action) {
    case SpeechBubble::Action::Open:
        bubbleTimer_->stop();
        bubbleText_->setText(Qs(step.text));
        Announce(RemarkAnnouncement(flow_->Opponent().name, step.text));
        bubble_->show();
        bubbleText_->show();
        bubbleTimer_->SetInterval(kMatchWaits.bubbleLine);
        bubbleTimer_->start();
        break;
    case SpeechBubble::Action::Next:
        bubbleText_->setText(Qs(step.text));
        Announce(RemarkAnnouncement(flow_->Opponent().name, step.text));
        break;
    case SpeechBubble::Action::Close:
        bubble_->hide();
        bubbleText_->hide();
        bubbleTimer_->SetInterval(kMatchWaits.bubbleFirstTick);
        bubbleTimer_->stop();
        break;
    }
}

// ---------------------------------------------------------------- input

void TfrmBattle::BoardPressed(QPoint position)
{
    if (!isEnabled())
        return;
    if (const auto square = SquareAt({board_->width(), board_->height()}, position.x(), position.y()))
        flow_->PlayerPress(square->column, square->row);
}

void TfrmBattle::MoveCursorFrame()
{
    const BoardGeometry geometry{board_->width(), board_->height()};
    cursorFrame_->setGeometry(geometry.OriginX(cursor_.column) + 7, geometry.OriginY(cursor_.row) + 7, 36, 36);
    cursorFrame_->update();
    BoardCursorMoved(board_);
}

bool TfrmBattle::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != board_ || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Left: cursor_.Move(-1, 0); break;
    case Qt::Key_Right: cursor_.Move(1, 0); break;
    case Qt::Key_Up: cursor_.Move(0, -1); break;
    case Qt::Key_Down: cursor_.Move(0, 1); break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The square under the cursor, as a press on it with the mouse.
        if (!key->isAutoRepeat() && isEnabled())
            flow_->PlayerPress(cursor_.column, cursor_.row);
        return true;
    default:
        if (key->text().size() != 1 || !cursor_.Type(key->text().at(0).toLatin1()))
            return false;
        break;
    }
    MoveCursorFrame();
    return true;
}

void TfrmBattle::GiveUpClicked()
{
    if (!flow_->CanGiveUp() || !Platform().AskYesNo(Tr("投了してよろしいですか？"), Tr("投了")))
        return;
    emit Left();
    hide();
    flow_->GiveUp();
}

void TfrmBattle::FinishPressed()
{
    Media().PlayEffect(Effect::Click);
    score_->hide();
    emit Left();
    hide();
    const bool firstWin = flow_->Leave();
    finishBlink_->stop();
    finish_->hide();
    if (firstWin)
        emit FirstWinRecorded(flow_->Opponent().place, flow_->Opponent().position);
}
