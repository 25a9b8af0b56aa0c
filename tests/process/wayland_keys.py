#!/usr/bin/python3
"""The game as a native Wayland client, played by keys and read from the
compositor's output.

    wayland_keys.py match|quit SHOTS_DIR

WAYLAND_DISPLAY and SWAYSOCK name a sway that shows the game; keys are typed
with wtype (a virtual keyboard), the output is read back with grim and the
windows are found with swaymsg.

"match", from the menu: a new game in slot 1 ("taro", the boy, 普通, the egg's
story), the first forest opponent as the first mover, and the match played by
typing squares ("d3", Return) chosen from the board as the output shows it.
Every new disc must be a legal move of the side to move, every pass must show
the red "パスです!" over the board, the position shown must come to the one
the moves make, and the result must show in red over the board; then
"対局終了" by Space. A match that passes no turn is followed by another, three
at most. It ends on the selection screen.

"quit", on the selection screen: Tab to "ゲームを終わる", Space, and the Y key
to the question.

The screens it looks at are written to SHOTS_DIR.

Exit code 0 when all held.
"""
import json
import os
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # nothing written into the sources
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "lib"))
from reversi import BLACK, EMPTY, WHITE, choose, flips, moves, played, square_name  # noqa: E402

APP_ID = "io.github.zumoru.zumoru"
# The match screen: imgBoard, its squares 38 pixels apart from 6 in, and the
# notice over it (lblWinner), all in the window's client area.
BOARD_X, BOARD_Y, BOARD_SIZE, PITCH = 141, 13, 317, 38
NOTICE = (143, 88, 313, 137)
# Controls a key player goes to, as (x, y, width, height) in their windows.
FIRST_PORTRAIT = (123, 91, 90, 90)  # the first forest opponent, on the selection screen
QUIT_BUTTON = (368, 276, 121, 33)   # "ゲームを終わる"
FIRST_MOVER = (128, 40, 129, 49)    # "先手" in the turn dialog

failures = []
shots = "."


def fail(what):
    print("FAIL:", what, flush=True)
    failures.append(what)


def key(*typed):
    """wtype's arguments: text typed as it stands, "-k NAME" a named key."""
    subprocess.run(["wtype", *typed], check=True)


# ---------------------------------------------------------------- the output

def windows():
    """The game's windows on the output: (x, y, width, height, title) of each
    one's own area, without the frame sway draws."""
    found = []

    def walk(node):
        if node.get("app_id") == APP_ID:
            rect, inner = node["rect"], node["window_rect"]
            found.append((rect["x"] + inner["x"], rect["y"] + inner["y"], inner["width"], inner["height"],
                          node.get("name")))
        for child in node.get("nodes", []) + node.get("floating_nodes", []):
            walk(child)

    walk(json.loads(subprocess.run(["swaymsg", "-r", "-t", "get_tree"], check=True, capture_output=True).stdout))
    return found


def wait_window(width=None, height=None, title=None, seconds=30):
    """The window once the compositor has put its frame around it and it
    stays where it is."""
    end = time.monotonic() + seconds
    last, since = None, 0
    while time.monotonic() < end:
        found = [w for w in windows()
                 if (width is None or w[2:4] == (width, height)) and (title is None or w[4] == title)]
        now = found[0] if found else None
        if now != last:
            last, since = now, time.monotonic()
        elif now and time.monotonic() - since >= 0.3:
            return now
        time.sleep(0.1)
    fail(f"no window {title or ''} {width}x{height}; the compositor has {windows()}")
    sys.exit(1)


class Grab:
    """What the output shows in a rectangle of a window's client area."""

    def __init__(self, window, x, y, width, height):
        ppm = subprocess.run(["grim", "-t", "ppm", "-g", f"{window[0] + x},{window[1] + y} {width}x{height}", "-"],
                             check=True, capture_output=True).stdout
        magic, size, depth, self.pixels = ppm.split(b"\n", 3)
        self.width = int(size.split()[0])

    def at(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.pixels[i:i + 3])


def shot(name, window):
    subprocess.run(["grim", "-g", f"{window[0]},{window[1]} {window[2]}x{window[3]}",
                    os.path.join(shots, name + ".png")], check=True)


def focus_frame_around(window, control):
    """The keyboard's focus frame: a dotted line of black on white two pixels
    outside the control, above and below it."""
    x, y, width, height = control
    grab = Grab(window, x - 2, y - 2, width + 4, height + 4)
    black = white = 0
    for row in (0, height + 3):
        for column in range(width + 4):
            pixel = grab.at(column, row)
            black += max(pixel) < 30
            white += min(pixel) > 225
    return black > (width + 4) / 2 and white > (width + 4) / 2 and black + white > 2 * (width + 4) * 9 / 10


def tab_to_and_press(window, control, name):
    """Tab until the focus frame is around the control, then Space. A screen
    busy with an animation takes no keys meanwhile."""
    end = time.monotonic() + 30
    while not focus_frame_around(window, control):
        if time.monotonic() > end:
            shot("wayland-keys-focus-lost", window)
            fail(f"no focus frame around {name}")
            sys.exit(1)
        key("-k", "Tab")
        time.sleep(0.2)
    key("-k", "space")


# ---------------------------------------------------------------- the match

def read_board(match, shown):
    """The board as the output shows it, and whether a notice shows over it.
    A square under a notice's red letters keeps the value it had."""
    grab = Grab(match, BOARD_X, BOARD_Y, BOARD_SIZE, BOARD_SIZE)
    board = dict(shown)
    for (column, row) in board:
        # On a disc's face, above the rim drawn below it.
        r, g, b = grab.at(6 + PITCH * (column - 1) + 19, 6 + PITCH * (row - 1) + 17)
        if max(r, g, b) < 40:
            board[column, row] = BLACK
        elif min(r, g, b) > 215:
            board[column, row] = WHITE
        elif r < 40 and 100 < g < 160 and 100 < b < 160:
            board[column, row] = EMPTY
    x, y, width, height = (NOTICE[0] - BOARD_X, NOTICE[1] - BOARD_Y, NOTICE[2], NOTICE[3])
    red = 0
    for ny in range(y, y + height, 2):
        for nx in range(x, x + width, 2):
            r, g, b = grab.at(nx, ny)
            red += r > 200 and g < 60 and b < 60
    return board, red > 40


def play_match(match):
    """From the match screen's start to its result on the output. Returns the
    passes made and the notices seen for them."""
    model = {(c, r): EMPTY for c in range(1, 9) for r in range(1, 9)}
    model[4, 4] = model[5, 5] = WHITE
    model[4, 5] = model[5, 4] = BLACK
    to_move, made, passes, notices = BLACK, 0, 0, 0
    pass_at = None     # a pass made, its notice not yet seen
    typed = (-1, 0.0)  # the moves made when the player last typed one, and when
    began = time.monotonic()
    # The match begins on the empty board, where the four discs come: nothing
    # of the last match may show (a window shown again is first the picture it
    # had), and these four squares are read from the start.
    while True:
        shown = read_board(match, {s: EMPTY for s in model})[0]
        if all(shown[s] == EMPTY for s in shown if model[s] == EMPTY):
            break
        if time.monotonic() - began > 10:
            shot("wayland-keys-match-fault", match)
            fail("the match does not begin on an empty board")
            return 0, 0
        time.sleep(0.03)
    seen, settled_at = (shown, False), time.monotonic()
    quiet_since = settled_at
    while to_move is not None or shown != model:
        now = time.monotonic()
        shown, notice = read_board(match, shown)
        if (shown, notice) != seen:
            seen, quiet_since = (shown, notice), now
        if pass_at is not None and notice:
            notices += 1
            pass_at = None
            if notices == 1:
                shot("wayland-native-pass-notice", match)
        elif pass_at is not None and now - pass_at > 5:
            fail('a pass without "パスです!" on the output')
            pass_at = None
        # New discs, the side to move's first should two show at once.
        for square in sorted((s for s in model if model[s] == EMPTY and shown[s] != EMPTY),
                             key=lambda s: shown[s] != to_move):
            side = shown[square]
            if side != to_move or not flips(model, *square, side):
                shot("wayland-keys-match-fault", match)
                fail(f"{square_name(*square)}: a disc out of turn or not a legal move")
                return passes, notices
            model = played(model, *square, side)
            made += 1
            to_move = -side if moves(model, -side) else side if moves(model, side) else None
            if to_move == side:
                passes += 1
                pass_at = now
        if shown == model:
            settled_at = now
        if now - settled_at > 10 or now - began > 240:
            shot("wayland-keys-match-fault", match)
            fail("the match did not end in time; the output differs from the moves made at " +
                 (" ".join(square_name(*s) for s in model if shown[s] != model[s]) or "no square"))
            return passes, notices
        # The player's move once the output has shown the last one whole and
        # no notice for a moment (the board pauses after its last disc turns,
        # and keys meanwhile do nothing); typed again should the game not have
        # taken it.
        if (to_move == BLACK and shown == model and not notice and pass_at is None and now - quiet_since > 0.2
                and (typed[0] != made or now - typed[1] > 1)):
            key(square_name(*choose(model, BLACK)), "-k", "Return")
            typed = (made, now)
        time.sleep(0.03)
    if pass_at is not None:
        fail('the last pass showed no "パスです!"')
    black, white = sum(v == BLACK for v in model.values()), sum(v == WHITE for v in model.values())
    print(f"match: {made} moves, {passes} passes, {notices} notices seen, {black}:{white}", flush=True)
    # The count, then the result over the board; "対局終了" has the focus.
    end = time.monotonic() + 20
    while not read_board(match, shown)[1] and time.monotonic() < end:
        time.sleep(0.1)
    if not read_board(match, shown)[1]:
        fail("no result over the board")
    shot("wayland-native-result", match)
    time.sleep(0.3)
    key("-k", "space")
    return passes, notices


def new_game_to_the_selection():
    """The menu's "はじめから", slot 1, the opening: each screen gives the focus
    to the control a player goes on with."""
    time.sleep(0.3)
    key("-k", "space")  # はじめから
    time.sleep(0.3)
    key("-k", "space")  # slot 1, empty: no question
    wait_window(271, 185)
    time.sleep(0.3)
    key("taro", "-k", "Tab", "-k", "space")  # the name, the boy
    time.sleep(0.3)
    key("-k", "Tab", "-k", "space")  # 普通, after やさしい
    for _ in range(4):
        time.sleep(0.3)
        key("-k", "space")  # "▼"
    return wait_window(510, 333)


def main():
    global shots
    if len(sys.argv) != 3 or sys.argv[1] not in ("match", "quit"):
        print(__doc__.split("\n\n")[1], file=sys.stderr)
        return 2
    shots = sys.argv[2]
    if sys.argv[1] == "quit":
        tab_to_and_press(wait_window(510, 333), QUIT_BUTTON, "ゲームを終わる")
        wait_window(title="ゲーム終了", seconds=10)
        time.sleep(0.5)
        key("y")
    else:
        select = new_game_to_the_selection()
        notices = 0
        for _ in range(3):
            tab_to_and_press(select, FIRST_PORTRAIT, "the first opponent of the forest")
            turn = wait_window(271, 202)
            time.sleep(0.3)
            tab_to_and_press(turn, FIRST_MOVER, "先手")
            passes, seen = play_match(wait_window(604, 350))
            notices += seen
            select = wait_window(510, 333)
            if passes or failures:
                break
        if not notices:
            fail('no "パスです!" seen in three matches')
    print("wayland keys:", f"{len(failures)} failure(s)" if failures else "ok", flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
