// A player at a real X desktop: finds the game's windows, presses with the
// X test extension and reads the board back from the display, at full speed.
//
//   desktop_player SHOTS_DIR [--scale N] [--one-match]
//   desktop_player SHOTS_DIR --close-on-result USER_FILE
//   desktop_player SHOTS_DIR --keys-only USER_FILE
//
// With --scale the game is expected at N times its size (the desktop's scale):
// every window N times as large, every press and every look N times as far.
// It reads each window's own pixels, so it also plays through XWayland, whose
// root window has no picture.
//
// It goes from the title to the selection screen, checks the window frames
// and the turn dialog staying above the selection screen, plays one match as
// the first mover and one as the second (only the first with --one-match),
// pressing the board the moment the
// fourth start disc shows and every 50 ms while the computer replies, and
// checks every change on the board: each new disc is a legal move by the side
// to move, placed after the previous move has finished turning its discs, and
// each pass shows the red notice over the board. It ends by asking the window
// manager to close the selection screen (its box's buttons must read はい(Y) /
// いいえ(N); answered with the N key) and quitting with the game's own button
// (answered with the Y key). Exit code 0 when all held.
//
// With --close-on-result it plays one match as the first mover and, on its
// result, before "対局終了" is pressed, asks the window manager to close the
// match screen and answers はい: the game must end, its save (USER_FILE) holding
// the match whole, the opponent beaten and the egg fed the margin, once.
//
// With --keys-only it plays as a player without a mouse, by keyboard events
// alone: Space and Tab through the title and the opening, Tab until the focus
// frame shows around the first forest opponent, Space, 先手, each move typed
// as its square ("d3") and Return, "対局終了" by Space, the same opponent again
// until a match is won (three at most), then "ゲームを終わる" and Return to the
// question. The save (USER_FILE) must hold the win: the opponent beaten and
// the egg fed the margin.
#include "board/board.h"
#include "platform/data_files.h"
#include "profile/player_record.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

Display* display = nullptr;
std::string shots;
int failures = 0;
bool keysOnly = false;  // every press a key: squares typed, controls reached by Tab
int scale = 1;

// A length of the game's own pixels on the display.
int P(int length) { return length * scale; }

void Fail(const std::string& what)
{
    std::printf("FAIL: %s\n", what.c_str());
    ++failures;
}

void Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

double Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

Atom A(const char* name) { return XInternAtom(display, name, False); }

std::vector<unsigned long> Property(Window window, const char* name, Atom type)
{
    Atom actual = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> values;
    if (XGetWindowProperty(display, window, A(name), 0, 1024, False, type, &actual, &format, &count, &after, &data) ==
            Success && data && format == 32)
        values.assign(reinterpret_cast<unsigned long*>(data), reinterpret_cast<unsigned long*>(data) + count);
    if (data)
        XFree(data);
    return values;
}

std::string Title(Window window)
{
    Atom actual = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, A("_NET_WM_NAME"), 0, 256, False, A("UTF8_STRING"), &actual, &format,
                           &count, &after, &data) == Success && data)
        title.assign(reinterpret_cast<char*>(data), count);
    if (data)
        XFree(data);
    return title;
}

// A visible top-level client window of the given title and client size; with
// a size of 0 x 0, one of a size that none of the game's screens has (a
// message box).
struct Found {
    Window id = 0;
};

// Where a window's client area lies on the screen now (the window manager
// may move it when it changes the frame).
struct Point {
    int x, y;
};
Point Origin(const Found& window)
{
    Point origin{0, 0};
    Window child;
    XTranslateCoordinates(display, window.id, DefaultRootWindow(display), 0, 0, &origin.x, &origin.y, &child);
    return origin;
}

bool ScreenSize(int width, int height)
{
    const int sizes[][2] = {{265, 185}, {271, 185}, {271, 202}, {510, 333}, {604, 350}};
    for (const auto& size : sizes)
        if (width == P(size[0]) && height == P(size[1]))
            return true;
    return false;
}

std::optional<Found> FindWindow(const std::string& title, int width, int height)
{
    for (const unsigned long id : Property(DefaultRootWindow(display), "_NET_CLIENT_LIST", XA_WINDOW)) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, id, &attributes) || attributes.map_state != IsViewable ||
            Title(id) != title)
            continue;
        if (width ? attributes.width != P(width) || attributes.height != P(height)
                  : ScreenSize(attributes.width, attributes.height))
            continue;
        return Found{id};
    }
    return std::nullopt;
}

Found WaitWindow(const std::string& title, int width, int height, double seconds = 30)
{
    const auto start = Clock::now();
    while (Since(start) < seconds) {
        if (auto found = FindWindow(title, width, height))
            return *found;
        Sleep(20);
    }
    Fail("no window " + title + " of " + std::to_string(width) + "x" + std::to_string(height));
    std::exit(1);
}

bool Gone(const std::string& title, int width, int height, double seconds)
{
    const auto start = Clock::now();
    while (Since(start) < seconds) {
        if (!FindWindow(title, width, height))
            return true;
        Sleep(20);
    }
    return false;
}

// A press at a point of the window, in the game's own pixels.
void Press(const Found& window, int x, int y)
{
    const Point origin = Origin(window);
    XTestFakeMotionEvent(display, -1, origin.x + P(x), origin.y + P(y), 0);
    XTestFakeButtonEvent(display, 1, True, 0);
    XTestFakeButtonEvent(display, 1, False, 0);
    XFlush(display);
}

void Key(KeySym symbol)
{
    const KeyCode code = XKeysymToKeycode(display, symbol);
    XTestFakeKeyEvent(display, code, True, 0);
    XTestFakeKeyEvent(display, code, False, 0);
    XFlush(display);
}

struct Rgb {
    int r, g, b;
};

// What the display shows in a rectangle of a window, pixel by pixel, in the
// display's pixels.
class Grab {
public:
    Grab(const Found& window, int x, int y, int width, int height)
    {
        image_ = XGetImage(display, window.id, x, y, static_cast<unsigned>(width), static_cast<unsigned>(height),
                           AllPlanes, ZPixmap);
    }
    ~Grab()
    {
        if (image_)
            XDestroyImage(image_);
    }
    Rgb At(int x, int y) const
    {
        if (!image_)
            return {0, 0, 0};
        const unsigned long p = XGetPixel(image_, x, y);
        return {int(p >> 16 & 255), int(p >> 8 & 255), int(p & 255)};
    }

private:
    XImage* image_ = nullptr;
};

// The window as the window manager shows it: its frame, when the manager
// puts the window in one, else the window itself.
Window Framed(Window window)
{
    for (;;) {
        Window root = 0, parent = 0, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display, window, &root, &parent, &children, &count))
            return window;
        if (children)
            XFree(children);
        if (parent == root || parent == 0)
            return window;
        window = parent;
    }
}

// A screenshot of a window with its frame and what lies over it (a dialog, a
// message box); in the background while a match is watched, so that no
// change of the board is missed meanwhile. Cut from the root's picture where
// the root has one; XWayland's has none, and there the window's own is taken.
void Shot(const char* name, const Found& around, bool background = false)
{
    const Window frame = Framed(around.id);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, frame, &attributes);
    Point at{0, 0};
    Window child;
    XTranslateCoordinates(display, frame, DefaultRootWindow(display), 0, 0, &at.x, &at.y, &child);
    const int border = attributes.border_width;
    const std::string file = "'" + shots + "/" + name + ".png'";
    const std::string fromRoot = "import -window root -crop " + std::to_string(attributes.width + 2 * border) + "x" +
                                 std::to_string(attributes.height + 2 * border) + "+" + std::to_string(at.x - border) +
                                 "+" + std::to_string(at.y - border) + " +repage " + file;
    const std::string command = "(" + fromRoot + " 2>/dev/null || import -window " + std::to_string(frame) + " " +
                                file + ")" + (background ? " &" : "");
    if (std::system(command.c_str()) != 0)
        Fail(std::string("screenshot ") + name);
}

// The words on a Yes/No box's two buttons, as the widths of their black ink
// along the bottom of the box, left to right. "はい(Y)" | "いいえ(N)" make the
// second word the wider one, by one kana; "Yes" | "No" would make it the
// narrower.
std::vector<int> ButtonWordWidths(const Found& box)
{
    XWindowAttributes attributes;
    XGetWindowAttributes(display, box.id, &attributes);
    const int kStrip = P(40);
    const Grab strip(box, 0, attributes.height - kStrip, attributes.width, kStrip);
    std::vector<int> widths;
    int first = -1, last = -1;
    for (int x = 0; x <= attributes.width; ++x) {
        bool ink = false;
        for (int y = 0; x < attributes.width && y < kStrip && !ink; ++y) {
            const Rgb p = strip.At(x, y);  // near black and grey, not an icon's coloured rim
            ink = std::max({p.r, p.g, p.b}) < 80 && std::abs(p.r - p.g) < 20 && std::abs(p.g - p.b) < 20;
        }
        if (ink) {
            if (first < 0)
                first = x;
            last = x;
        } else if (first >= 0 && x - last > P(10)) {  // the gap between two buttons, not between two letters
            widths.push_back(last - first + 1);
            first = -1;
        }
    }
    return widths;
}

// ---------------------------------------------------------------- the match

constexpr int kBoardX = 141, kBoardY = 13, kPitch = 38;  // imgBoard in the match screen
constexpr int kNoticeX = 143, kNoticeY = 88, kNoticeW = 313, kNoticeH = 137;  // lblWinner

// The board as the display shows it; a square hidden under a notice's red
// letters keeps the value it had.
void ReadBoard(const Found& match, TBoard& board)
{
    const Grab grab(match, P(kBoardX), P(kBoardY), P(8 * kPitch), P(8 * kPitch));
    for (int c = 1; c <= 8; ++c)
        for (int r = 1; r <= 8; ++r) {
            const Rgb p = grab.At(P((c - 1) * kPitch + 25), P((r - 1) * kPitch + 23));
            if (p.r < 40 && p.g < 40 && p.b < 40)
                board.Cells[CellIndex(c, r)] = Black;
            else if (p.r > 215 && p.g > 215 && p.b > 215)
                board.Cells[CellIndex(c, r)] = White;
            else if (p.r < 40 && p.g > 100 && p.g < 160 && p.b > 100 && p.b < 160)
                board.Cells[CellIndex(c, r)] = Empty;
        }
}

bool NoticeShowing(const Found& match)
{
    const Grab grab(match, P(kNoticeX), P(kNoticeY), P(kNoticeW), P(kNoticeH));
    int red = 0;
    for (int y = 0; y < kNoticeH; y += 2)
        for (int x = 0; x < kNoticeW; x += 2) {
            const Rgb p = grab.At(P(x), P(y));
            red += p.r > 200 && p.g < 60 && p.b < 60;
        }
    return red > 40;
}

std::set<int> Flips(const TBoard& before, int column, int row, std::int32_t side)
{
    TBoard after = before;
    after.PlaceAndFlip(column, row, side, false);
    std::set<int> flipped;
    for (int cell = 11; cell <= 88; ++cell)
        if (before.Cells[cell] == -side && after.Cells[cell] == side)
            flipped.insert(cell);
    return flipped;
}

// The player's choice, enough to beat the first forest opponent most times:
// a move that leaves the computer no answer (a pass) when there is one; else
// the corners first and the squares that hand them over last, and few
// answers for the computer.
int ChooseSquare(const TBoard& board, std::int32_t side)
{
    static constexpr int kWeights[4][4] = {{100, -20, 10, 5}, {-20, -50, -2, -2}, {10, -2, 1, 1}, {5, -2, 1, 0}};
    int best = 0, bestScore = 0;
    for (int c = 1; c <= 8; ++c)
        for (int r = 1; r <= 8; ++r) {
            if (!board.CanPlace(c, r, side))
                continue;
            TBoard after = board;
            after.PlaceAndFlip(c, r, side, false);
            int score = kWeights[std::min(r, 9 - r) - 1][std::min(c, 9 - c) - 1] - 12 * after.CountMoves(-side);
            if (after.CountMoves(-side) == 0 && after.CountMoves(side) > 0)
                score += 10000;
            for (const int corner : {11, 18, 81, 88})
                if (after.CanPlace(corner / 10, corner % 10, -side))
                    score -= 300;
            if (!best || score > bestScore) {
                best = CellIndex(c, r);
                bestScore = score;
            }
        }
    return best;
}

void PressSquare(const Found& match, int cell)
{
    if (keysOnly) {
        // The square's name, "d3", and Return.
        Key(XK_a + cell / 10 - 1);
        Key(XK_0 + cell % 10);
        Key(XK_Return);
        return;
    }
    Press(match, kBoardX + (cell / 10 - 1) * kPitch + 24, kBoardY + (cell % 10 - 1) * kPitch + 24);
}

struct MatchReport {
    int moves = 0;
    int passes = 0;
    int noticesSeen = 0;
    int black = 0;  // the final count
    int white = 0;
};

// Plays one match from the set-up to the counted result and checks every
// change of the board on the way; then leaves it with "対局終了", or not.
MatchReport PlayMatch(const Found& match, std::int32_t player, bool leave = true)
{
    MatchReport report;
    TBoard model;   // the position after every move seen, fully turned
    TBoard shown;   // what the display showed last
    std::set<int> turning;       // discs of the last move still to turn over
    std::int32_t toMove = Black;
    std::int32_t lastMover = Empty;
    auto lastPress = Clock::now();
    bool noticeDue = false;  // a pass was made: the notice must show
    Clock::time_point passedAt;
    bool noticeSeen = false;
    bool pressedAfterStart = false;
    const auto start = Clock::now();

    // The window may be mapped before it is painted: the match begins on the
    // empty board.
    for (TBoard empty; Since(start) < 10; Sleep(10)) {
        empty.Cells.fill(Black);
        ReadBoard(match, empty);
        if (empty.CountDiscs(Empty) == 64)
            break;
    }

    while (Since(start) < 240) {
        TBoard screen = shown;
        ReadBoard(match, screen);
        const bool notice = NoticeShowing(match);
        if (noticeDue && notice && !noticeSeen) {
            noticeSeen = true;
            ++report.noticesSeen;
            if (report.noticesSeen == 1)
                Shot("desktop-pass-notice", match, true);
        }
        if (noticeDue && !noticeSeen && Since(passedAt) > 3) {
            Fail("a pass without \"パスです!\" on the display");
            noticeDue = false;
        }

        const int discs = 64 - screen.CountDiscs(Empty);
        if (report.moves == 0 && discs <= 4) {
            // The start sequence: the four discs, then the first move.
            if (discs == 4 && player == Black && !pressedAfterStart) {
                PressSquare(match, ChooseSquare(screen, player));
                pressedAfterStart = true;
                lastPress = Clock::now();
            }
            if (discs == 4)
                model = screen;
            shown = screen;
            Sleep(5);
            continue;
        }

        // What changed since the last look: the last move's discs turning
        // over, then new discs (the side to move first, should two show at
        // once); anything else is a fault.
        std::vector<int> placed, changed;
        for (int cell = 11; cell <= 88; ++cell)
            if (screen.Cells[cell] != shown.Cells[cell])
                (shown.Cells[cell] == Empty ? placed : changed).push_back(cell);
        for (const int cell : changed)
            if (turning.count(cell) && screen.Cells[cell] == lastMover)
                turning.erase(cell);
        if (placed.size() > 1 && screen.Cells[placed[1]] == toMove)
            std::swap(placed[0], placed[1]);
        for (const int cell : placed) {
            const std::int32_t side = screen.Cells[cell];
            const int c = cell / 10, r = cell % 10;
            if (!turning.empty())
                Fail("a disc at " + std::to_string(cell) + " while the previous move was still turning");
            if (side != toMove)
                Fail("a disc at " + std::to_string(cell) + " out of turn");
            if (!model.CanPlace(c, r, side))
                Fail("an illegal disc at " + std::to_string(cell));
            turning.clear();
            for (const int flipped : Flips(model, c, r, side))
                if (screen.Cells[flipped] != side)
                    turning.insert(flipped);
            model.PlaceAndFlip(c, r, side, false);
            lastMover = side;
            if (++report.moves == 24)
                Shot("desktop-match", match, true);
            toMove = model.CountMoves(-side) > 0 ? -side : side;
            if (toMove == side && !model.IsMatchOver()) {
                ++report.passes;
                noticeDue = true;
                passedAt = Clock::now();
                noticeSeen = false;
            }
        }
        for (const int cell : changed)
            if (screen.Cells[cell] != model.Cells[cell] || (shown.Cells[cell] != Empty && screen.Cells[cell] == Empty))
                Fail("an unexplained change at " + std::to_string(cell));
        shown = screen;
        if (model.IsMatchOver() && turning.empty())
            break;

        // The player presses at full speed: its move when its turn has come,
        // and meanwhile, every 50 ms, any square it could take on the board
        // as it stands, which must do nothing while the computer plays.
        if (Clock::now() - lastPress > std::chrono::milliseconds(50)) {
            const int square = ChooseSquare(toMove == player && turning.empty() ? model : screen, player);
            if (square) {
                PressSquare(match, square);
                lastPress = Clock::now();
            }
        }
        Sleep(5);
    }
    if (!model.IsMatchOver())
        Fail("the match did not end in time");
    if (noticeDue && !noticeSeen)
        Fail("the last pass showed no notice");
    report.black = model.CountDiscs(Black);
    report.white = model.CountDiscs(White);
    std::printf("match as %s: %d moves, %d passes, %d notices seen, %d:%d\n", player == Black ? "Black" : "White",
                report.moves, report.passes, report.noticesSeen, report.black, report.white);

    // The count and the result, then "対局終了".
    const auto end = Clock::now();
    while (!NoticeShowing(match) && Since(end) < 20)
        Sleep(50);
    if (!NoticeShowing(match))
        Fail("no result over the board");
    Sleep(300);
    Shot("desktop-match-result", match);
    if (leave && keysOnly)
        Key(XK_space);  // "対局終了" has the focus
    else if (leave)
        Press(match, 480 + 56, 288 + 20);
    return report;
}

// The save of a new game whose last match against the first forest opponent
// is `report`: the match whole, the opponent beaten and the egg fed the
// margin, once, when it was won; nothing of it otherwise.
void CheckSave(const std::string& userFile, const MatchReport& report)
{
    const auto stored = ReadStoredFile(userFile, PlayerRecord::kImageSize);
    if (!stored) {
        Fail("nothing was saved in " + userFile);
        return;
    }
    PlayerRecord saved{};
    saved.Fill(*stored);
    const bool won = report.black > report.white;
    const int margin = report.white == 0 ? 64 : report.black - report.white;
    std::printf("saved: nutrition %d, first opponent beaten %d\n", saved.GetNutrition(), saved.OpponentKnockDown(0, 0));
    if (saved.OpponentKnockDown(0, 0) != (won ? 1 : 0) || saved.GetNutrition() != (won ? margin : 0))
        Fail("the save does not hold the last match whole");
}

// ---------------------------------------------------------------- the desktop

const std::string kCaption = "ズモルリバロ";

// The window manager shows no title-bar buttons: where it would offer to
// close or minimise it draws no title bar, and a fixed-size window cannot be
// maximised. What is wrong with the frame now, or nothing.
std::string FrameFault(const Found& window, bool sizeable)
{
    const std::vector<unsigned long> allowed = Property(window.id, "_NET_WM_ALLOWED_ACTIONS", XA_ATOM);
    for (const char* action : {"_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT"})
        for (const unsigned long atom : allowed)
            if (atom == A(action) && !sizeable)
                return "can be maximised";
    const std::vector<unsigned long> hints = Property(window.id, "_MOTIF_WM_HINTS", A("_MOTIF_WM_HINTS"));
    if (hints.size() < 3 || (hints[0] & 3) != 3 || (hints[1] & ~6ul) != 0 || (hints[2] & ~14ul) != 0)
        return "does not ask for a frame without buttons";
    const std::vector<unsigned long> extents = Property(window.id, "_NET_FRAME_EXTENTS", XA_CARDINAL);
    const bool titled = extents.size() == 4 && extents[2] > extents[0] + 2;
    const bool offersButtons = [&] {
        for (const unsigned long atom : allowed)
            if (atom == A("_NET_WM_ACTION_CLOSE") || atom == A("_NET_WM_ACTION_MINIMIZE"))
                return true;
        return false;
    }();
    if (titled && offersButtons)
        return "has a title bar with buttons";
    return {};
}

// The frame once the window manager has settled it: the game asks for a
// border alone only after the manager has shown that it keeps its buttons,
// and a loaded manager takes a moment to draw the frame anew.
void CheckFrame(const Found& window, const char* name, bool sizeable = false)
{
    std::string fault = FrameFault(window, sizeable);
    for (const auto start = Clock::now(); !fault.empty() && Since(start) < 3; Sleep(50))
        fault = FrameFault(window, sizeable);
    if (!fault.empty())
        Fail(std::string(name) + " " + fault);
}

} // namespace

// The title, the menu, a new game in slot 1 for "taro", the boy, "普通", the
// egg's story: the selection screen.
Found NewGameToTheSelection()
{
    const Found title = WaitWindow(kCaption, 265, 185);
    CheckFrame(title, "the title window");
    const auto started = Clock::now();
    for (Rgb start{0, 0, 0}; !(start.r > 220 && start.g < 140 && start.b < 80) && Since(started) < 30; Sleep(50))
        start = Grab(title, P(120), P(162), 1, 1).At(0, 0);  // the orange start button, once the title is built
    Shot("desktop-title", title);
    while (Since(started) < 30) {
        Press(title, 134, 162);
        Sleep(300);
        // Inside "はじめから": a grey button face, where the title's frame is cream.
        const Rgb menu = Grab(title, P(100), P(78), 1, 1).At(0, 0);
        if (menu.r > 230 && std::abs(menu.r - menu.g) < 4 && std::abs(menu.g - menu.b) < 4)
            break;
    }
    Press(title, 132, 78);     // はじめから
    Sleep(300);
    Press(title, 140, 76);     // slot 1, empty: no question
    const Found opening = WaitWindow(kCaption, 271, 185);
    CheckFrame(opening, "the opening window");
    for (const KeySym key : {XK_t, XK_a, XK_r, XK_o})
        Key(key);
    Sleep(200);
    Press(opening, 80, 120);   // the boy
    Sleep(300);
    Press(opening, 133, 111);  // 普通
    for (int step = 1; step <= 4; ++step) {
        Sleep(300);
        Press(opening, 242, 162);  // "▼"
    }

    const Found select = WaitWindow(kCaption, 510, 333);
    CheckFrame(select, "the selection screen");
    return select;
}

// ---------------------------------------------------------------- the keys

struct Rect {
    int x, y, width, height;
};

constexpr Rect kFirstPortrait{123, 91, 90, 90};  // imgChar1_1 on the selection screen
constexpr Rect kQuitButton{368, 276, 121, 33};   // "ゲームを終わる"
constexpr Rect kFirstMoverButton{128, 40, 129, 49};  // "先手" in the turn dialog

// The keyboard's focus frame around a control, as the player sees it: a
// dotted line of black on white two pixels outside the control, above and
// below it.
bool FocusFrameAround(const Found& window, const Rect& control)
{
    const int width = P(control.width + 4), height = P(control.height + 4);
    const Grab grab(window, P(control.x - 2), P(control.y - 2), width, height);
    int black = 0, white = 0;
    for (const int y : {0, height - 1})
        for (int x = 0; x < width; ++x) {
            const Rgb p = grab.At(x, y);
            black += p.r < 30 && p.g < 30 && p.b < 30;
            white += p.r > 225 && p.g > 225 && p.b > 225;
        }
    return black > width / 2 && white > width / 2 && black + white > 2 * width * 9 / 10;
}

// Tab until the focus frame is around the control, then Space. A screen busy
// with an animation takes no keys meanwhile.
void TabToAndPress(const Found& window, const Rect& control, const char* name)
{
    const auto start = Clock::now();
    for (int tabs = 0; !FocusFrameAround(window, control); ++tabs) {
        if (Since(start) > 30 || tabs > 60) {
            Shot("keys-focus-lost", window);
            Fail(std::string("no focus frame around ") + name);
            std::exit(1);
        }
        Key(XK_Tab);
        Sleep(200);
    }
    Key(XK_space);
}

// The title, the menu, a new game in slot 1 for "taro", the boy, "普通", the
// egg's story, by keys: each screen gives the focus to the control a player
// goes on with.
Found NewGameByKeys()
{
    const Found title = WaitWindow(kCaption, 265, 185);
    const auto started = Clock::now();
    for (Rgb start{0, 0, 0}; !(start.r > 220 && start.g < 140 && start.b < 80) && Since(started) < 30; Sleep(50))
        start = Grab(title, P(120), P(162), 1, 1).At(0, 0);  // the orange start button, once the title is built
    Sleep(300);
    Key(XK_space);  // スタート
    Sleep(300);
    Key(XK_space);  // はじめから
    Sleep(300);
    Key(XK_space);  // slot 1, empty: no question
    WaitWindow(kCaption, 271, 185);
    Sleep(300);
    for (const KeySym key : {XK_t, XK_a, XK_r, XK_o})
        Key(key);
    Key(XK_Tab);
    Key(XK_space);  // the boy
    Sleep(300);
    Key(XK_Tab);
    Key(XK_space);  // 普通, after やさしい
    for (int step = 1; step <= 4; ++step) {
        Sleep(300);
        Key(XK_space);  // "▼"
    }
    return WaitWindow(kCaption, 510, 333);
}

// A new game, the first forest opponent beaten and the quit with save, by
// keyboard events alone.
void FirstWinByKeys(const std::string& userFile)
{
    const Found select = NewGameByKeys();
    Shot("keys-selection", select);
    MatchReport report;
    bool won = false;
    for (int match = 1; match <= 3 && !won; ++match) {
        TabToAndPress(select, kFirstPortrait, "the first opponent of the forest");
        const Found turn = WaitWindow(kCaption, 271, 202);
        Sleep(300);
        TabToAndPress(turn, kFirstMoverButton, "先手");
        const Found board = WaitWindow(kCaption, 604, 350);
        report = PlayMatch(board, Black);
        won = report.black > report.white;
        WaitWindow(kCaption, 510, 333);
    }
    if (!won)
        Fail("no match won in three");
    // After a first win the screen takes keys again once the count-up is over.
    TabToAndPress(select, kQuitButton, "ゲームを終わる");
    WaitWindow("ゲーム終了", 0, 0);
    Sleep(500);
    Key(XK_Return);  // はい
    if (!Gone(kCaption, 510, 333, 10))
        Fail("the game did not end after はい");
    Sleep(500);
    CheckSave(userFile, report);
}

// A window manager's close of a window, as a desktop's Alt+F4 or a logout asks
// it: asked of the manager where it takes such requests (openbox), else sent
// to the window as a manager sends it (XWayland's manager in sway takes none).
void AskToClose(const Found& window)
{
    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = window.id;
    close.xclient.format = 32;
    bool managerCloses = false;
    for (const unsigned long atom : Property(DefaultRootWindow(display), "_NET_SUPPORTED", XA_ATOM))
        managerCloses = managerCloses || atom == A("_NET_CLOSE_WINDOW");
    if (managerCloses) {
        close.xclient.message_type = A("_NET_CLOSE_WINDOW");
        XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask,
                   &close);
    } else {
        close.xclient.message_type = A("WM_PROTOCOLS");
        close.xclient.data.l[0] = static_cast<long>(A("WM_DELETE_WINDOW"));
        close.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, window.id, False, NoEventMask, &close);
    }
    XFlush(display);
}

// One match won or lost as the first mover, closed from the window manager on
// its result and answered はい: the save holds the whole match.
void CloseOnTheResult(const Found& select, const std::string& userFile)
{
    Sleep(300);
    Press(select, 123 + 45, 91 + 45);  // the first opponent of the forest
    const Found turn = WaitWindow(kCaption, 271, 202);
    Sleep(300);
    Press(turn, 192, 64);  // 先手
    const Found match = WaitWindow(kCaption, 604, 350);
    const MatchReport report = PlayMatch(match, Black, false);
    AskToClose(match);
    WaitWindow(kCaption, 0, 0);
    Sleep(500);
    Key(XK_Return);
    if (!Gone(kCaption, 604, 350, 10))
        Fail("the game did not end after はい");
    Sleep(500);
    CheckSave(userFile, report);
}

// The game closes its windows while the player looks them over: a window gone
// between being listed and being asked about is no error.
int IgnoreWindowsGone(Display*, XErrorEvent* error)
{
    if (error->error_code != BadWindow && error->error_code != BadDrawable && error->error_code != BadMatch)
        std::fprintf(stderr, "X error %d\n", error->error_code);
    return 0;
}

int main(int argc, char** argv)
{
    bool oneMatch = false;
    const bool closeOnResult = argc == 4 && std::string(argv[2]) == "--close-on-result";
    keysOnly = argc == 4 && std::string(argv[2]) == "--keys-only";
    for (int i = 2; i < argc && !closeOnResult && !keysOnly; ++i) {
        if (std::strcmp(argv[i], "--scale") == 0 && i + 1 < argc)
            scale = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--one-match") == 0)
            oneMatch = true;
        else
            argc = 0;
    }
    if (argc < 2 || !(display = XOpenDisplay(nullptr))) {
        std::fputs("usage: desktop_player SHOTS_DIR [--scale N] [--one-match] | --close-on-result USER_FILE"
                   " | --keys-only USER_FILE (with DISPLAY set)\n",
                   stderr);
        return 2;
    }
    XSetErrorHandler(IgnoreWindowsGone);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);  // each line seen as it comes, also when the test is cut short
    shots = argv[1];
    if (keysOnly) {
        FirstWinByKeys(argv[3]);
        std::printf(failures ? "desktop player: %d failure(s)\n" : "desktop player: ok\n", failures);
        XCloseDisplay(display);
        return failures ? 1 : 0;
    }
    if (closeOnResult) {
        CloseOnTheResult(NewGameToTheSelection(), argv[3]);
        std::printf(failures ? "desktop player: %d failure(s)\n" : "desktop player: ok\n", failures);
        XCloseDisplay(display);
        return failures ? 1 : 0;
    }

    const Found select = NewGameToTheSelection();
    // The turn dialog stays above the selection screen when it is pressed.
    Sleep(300);
    Press(select, 123 + 45, 91 + 45);  // the first opponent of the forest
    const Found dialog = WaitWindow(kCaption, 271, 202);
    CheckFrame(dialog, "the turn dialog", true);
    Sleep(300);
    Press(select, 40, 300);  // the disabled screen behind, away from the dialog
    Sleep(500);
    const std::vector<unsigned long> stacking = Property(DefaultRootWindow(display), "_NET_CLIENT_LIST_STACKING", XA_WINDOW);
    std::size_t selectAt = 0, dialogAt = 0;
    for (std::size_t i = 0; i < stacking.size(); ++i) {
        selectAt = stacking[i] == select.id ? i : selectAt;
        dialogAt = stacking[i] == dialog.id ? i : dialogAt;
    }
    if (!FindWindow(kCaption, 271, 202) || dialogAt < selectAt)
        Fail("the turn dialog went behind the selection screen");
    Shot("desktop-turn-dialog", select);

    // Two matches at full speed: first as Black, then as White.
    int passes = 0, notices = 0;
    for (const std::int32_t player : {Black, White}) {
        if (oneMatch && player == White)
            break;
        const Found turn = WaitWindow(kCaption, 271, 202);
        Sleep(300);
        Press(turn, 192, player == Black ? 64 : 112);  // 先手 / 後手
        const Found match = WaitWindow(kCaption, 604, 350);
        CheckFrame(match, "the match screen");
        const MatchReport report = PlayMatch(match, player);
        passes += report.passes;
        notices += report.noticesSeen;
        // Back on the selection screen, after the defeat animation of a first win.
        const Found back = WaitWindow(kCaption, 510, 333);
        Sleep(6000);
        if (player == Black && !oneMatch)
            Press(back, 123 + 45, 91 + 45);
    }
    std::printf("passes %d, notices seen %d\n", passes, notices);

    // A close from the window manager asks first; No (the N key) keeps the game.
    AskToClose(select);
    const Found question = WaitWindow(kCaption, 0, 0);
    // The box belongs to the window it asks about, which the window manager
    // keeps it above (Qt would otherwise name the program as a whole).
    Window owner = 0;
    if (!XGetTransientForHint(display, question.id, &owner) || owner != select.id)
        Fail("the question box does not belong to the selection screen");
    Sleep(500);
    const std::vector<int> words = ButtonWordWidths(question);
    std::printf("question box button words: %zu, ink widths", words.size());
    for (const int width : words)
        std::printf(" %d", width);
    std::printf("\n");
    if (words.size() != 2 || words[1] <= words[0])
        Fail("the question box's buttons do not read はい(Y) / いいえ(N)");
    Shot("desktop-close-question", select);
    Key(XK_n);
    if (!Gone(kCaption, 0, 0, 2))
        Fail("the N key did not answer the question");
    if (Gone(kCaption, 510, 333, 2))
        Fail("the game ended although the player said No");

    // The game's own quit asks under its own title, alone; the Y key answers
    // Yes: saved, and the program ends.
    Press(select, 428, 292);
    WaitWindow("ゲーム終了", 0, 0, 10);
    Sleep(500);
    Key(XK_y);
    if (!Gone(kCaption, 510, 333, 10))
        Fail("the game did not end after Yes");
    std::printf(failures ? "desktop player: %d failure(s)\n" : "desktop player: ok\n", failures);
    XCloseDisplay(display);
    return failures ? 1 : 0;
}
