#!/usr/bin/python3
"""The game as a screen reader meets it, over the AT-SPI bus, played by keys.

    screen_reader.py USER_FILE ORCA_LOG [CATALOGUE]

Finds the game on the accessibility bus and plays it with keys alone, the way
a blind player with a screen reader would: Tab until the focused control's
name is the one wanted, Space to press it. A new game ("taro", the boy, 普通,
the egg's story), the first forest opponent as the first mover; the board is
read as the table "盤面" of 64 cells named like "d4 白", the move chosen from
those names and typed ("d3", Return). Everything the game announces through
its notifications is heard and checked against the rules: each move legal
for its side and turning the discs it says, each pass a side without a move,
the cells read at every turn the position the moves heard make, the result's
counts the final position's. A match that passes no turn is followed by one
against the next opponent not yet beaten, three at most; then "対局終了" and
the quit with save, answered はい. USER_FILE must then hold the game, and
ORCA_LOG, the debug log of Orca running beside, must show every move, pass
and result spoken, and no notification spoken empty. With CATALOGUE, the
game's compiled translations (en.mo), the game speaks that language: every
name pressed and every announcement heard is the translation of its Japanese.
Exit code 0 when all held.
"""
import os
import gettext
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

sys.dont_write_bytecode = True  # nothing written into the sources
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "lib"))
from reversi import BLACK, EMPTY, WHITE, choose, flips, moves, played, square_name  # noqa: E402


def translations():
    """The game's texts in the language it speaks: its Japanese, or their
    translations from the catalogue given."""
    if len(sys.argv) < 4:
        return lambda text: text
    with open(sys.argv[3], "rb") as catalogue:
        return gettext.GNUTranslations(catalogue).gettext


T = translations()


def composed(template, *values):
    """A pattern of a text the game composes from `template`, each %s filled
    by a value matching the pattern given for it."""
    parts = T(template).split("%s")
    if len(parts) != len(values) + 1:
        raise SystemExit(f"{T(template)!r} does not take {len(values)} values")
    return re.escape(parts[0]) + "".join(value + re.escape(part) for value, part in zip(values, parts[1:]))


PLAYER = T("あなた")
NAME, SQUARE, COUNT = r"(?P<who>.+)", r"(?P<square>[a-h][1-8])", r"(?P<count>\d+)"
CONTENT = [(re.compile(composed(text, SQUARE)), value) for text, value in
           (("%s 黒", BLACK), ("%s 白", WHITE), ("%s 空き", EMPTY))]
# What the game announces: the player's moves and passes without a name.
MOVES = [re.compile(composed(*form)) for form in (
    ("あなた %s、1 枚返しました", SQUARE), ("あなた %s、%s 枚返しました", SQUARE, COUNT),
    ("%s %s、1 枚返しました", NAME, SQUARE), ("%s %s、%s 枚返しました", NAME, SQUARE, COUNT))]
PASSES = [re.compile(composed("あなたはパスです")), re.compile(composed("%sはパスです", NAME))]
OUTCOME, BLACKS, WHITES = r"(?P<outcome>.+)", r"(?P<black>\d+)", r"(?P<white>\d+)"
RESULTS = [re.compile(composed("%s 黒 %s 枚、白 %s 枚", OUTCOME, BLACKS, WHITES)),
           re.compile(composed("%s 黒 %s 枚、白 %s 枚、%s", OUTCOME, BLACKS, WHITES,
                               composed("Score +%s", r"(?P<score>\d+)")))]
# A portrait's name: the opponent's, then its strength, then whether beaten.
STRENGTH = re.compile(" " + composed("強さ 星%sつ", r"\d"))
BEATEN = T("、倒した")


def heard_as(forms, said):
    """The values of the first form `said` is, as a dict; None if none."""
    for form in forms:
        if match := form.fullmatch(said):
            return match.groupdict()
    return None


def move_heard(said):
    """(who, column, row, discs turned) of an announced move, or None."""
    values = heard_as(MOVES, said)
    if values is None:
        return None
    square = values["square"]
    return values.get("who", PLAYER), "abcdefgh".index(square[0]) + 1, int(square[1]), int(values.get("count", 1))


def pass_heard(said):
    values = heard_as(PASSES, said)
    return None if values is None else values.get("who", PLAYER)


failures = []
heard = []  # what the game announced, in order


def fail(what):
    print("FAIL:", what, flush=True)
    failures.append(what)


# ---------------------------------------------------------------- the bus

context = GLib.MainContext.default()


def pump(seconds=0.0):
    end = time.monotonic() + seconds
    while True:
        while context.pending():
            context.iteration(False)
        if time.monotonic() >= end:
            return
        time.sleep(0.01)


def wait_for(condition, seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump()
        result = condition()
        if result:
            return result
        time.sleep(0.02)
    return None


board = []  # the board's table and its cells, once met
board_focused = []  # for each time the board took the focus: how much had been heard by then


# A notification is heard as it becomes shown, as Orca hears it; the event
# names the object only, and the listener asks for its text at once, as a
# reader does. The player's turn is taken from the board's focus events, not
# by asking the game over and over while it plays.
def on_showing(event):
    try:
        if not event.detail1 or event.source.getRole() != pyatspi.ROLE_NOTIFICATION:
            return
        said = event.source.name
    except Exception as error:
        fail(f"an announcement that could not be read: {error}")
        return
    if not said:
        fail("a notification shown with nothing to say")
        return
    heard.append(said)
    print("heard:", said, flush=True)
    # Told of a pass, the player looks over the board at once, while the
    # game still shows its notice.
    if pass_heard(said) and board:
        try:
            read_cells(board[0])
        except Exception as error:
            fail(f"the board could not be read while the pass was shown: {error}")


def on_focus(event):
    if event.detail1 and event.source in board:
        board_focused.append(len(heard))


def game_on_the_bus():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        application = desktop.getChildAtIndex(i)
        if application is not None and application.name == "io.github.zumoru.zumoru":
            return application
    return None


def showing(accessible):
    try:
        return accessible.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def descendants(accessible):
    """The showing objects under `accessible`, the board's cells left out."""
    for i in range(accessible.childCount):
        child = accessible.getChildAtIndex(i)
        if child is None or not showing(child):
            continue
        yield child
        if child.getRole() != pyatspi.ROLE_TABLE:
            yield from descendants(child)


def focused(game):
    """The focused control, the innermost where a box and its button both are."""
    found = None
    for accessible in descendants(game):
        if accessible.getRole() != pyatspi.ROLE_FRAME and accessible.getState().contains(pyatspi.STATE_FOCUSED):
            found = accessible
    return found


def focused_name(game):
    try:
        control = focused(game)
        return control.name if control is not None else None
    except Exception:  # a window closed while it was read
        return None


def key(*names):
    """Keys pressed at a player's pace, which a reader keeps up with."""
    subprocess.run(["xdotool", "key", "--delay", "150", *names], check=True)
    pump(0.15)


def press(game, wanted, tabs=30):
    """Tab until the focus is on the control named `wanted` (a name, or a test
    of names), then Space. Returns the name pressed."""
    matches = wanted if callable(wanted) else lambda name: name == wanted
    for _ in range(tabs):
        now = wait_for(lambda: focused_name(game), 10)
        if now is not None and matches(now):
            key("space")
            return now
        key("Tab")
        pump(0.05)
    fail(f"{wanted} is not reached by Tab")
    sys.exit(1)


# ---------------------------------------------------------------- the board

def board_table(game):
    for accessible in descendants(game):
        if accessible.getRole() == pyatspi.ROLE_TABLE and accessible.name == T("盤面"):
            return accessible
    return None


def read_cells(table):
    """The 64 cells by their names, row 1 first: "d4 白", "e5 空き" (in English
    "d4 white", "e5 empty")."""
    board = {}
    if table.childCount != 64:
        fail(f"the board has {table.childCount} cells")
    for index in range(table.childCount):
        cell = table.getChildAtIndex(index)
        column, row = index % 8 + 1, index // 8 + 1
        content = [(match, value) for pattern, value in CONTENT if (match := pattern.fullmatch(cell.name or ""))]
        if cell.getRole() != pyatspi.ROLE_TABLE_CELL or not content or content[0][0]["square"] != square_name(column, row):
            fail(f"cell {index} is a {cell.getRoleName()} named {cell.name!r}")
            continue
        board[column, row] = content[0][1]
    return board


# ---------------------------------------------------------------- a match

def play_match(game, opponent):
    """From the turn dialog's "先手" to the result heard. Returns the passes
    heard and the result's match."""
    model = {(c, r): EMPTY for c in range(1, 9) for r in range(1, 9)}
    model[4, 4] = model[5, 5] = WHITE
    model[4, 5] = model[5, 4] = BLACK
    side_of = {PLAYER: BLACK, opponent: WHITE}
    passes = 0
    result = None
    listened = len(heard)

    def follow():
        """Applies what was heard since the last look to the model."""
        nonlocal listened, passes, result, model
        while listened < len(heard):
            said = heard[listened]
            listened += 1
            if move := move_heard(said):
                who, column, row, count = move
                side = side_of.get(who)
                turned = flips(model, column, row, side) if side else []
                if not turned or len(turned) != count:
                    fail(f"heard {said!r}, but the position allows {len(turned)} discs turned there")
                else:
                    model = played(model, column, row, side)
            elif who := pass_heard(said):
                passes += 1
                side = side_of.get(who)
                if side is None or moves(model, side) or not moves(model, -side):
                    fail(f"heard {said!r}, but that side had a move or the match was over")
            elif heard_result := heard_as(RESULTS, said):
                result = heard_result

    press(game, T("先手"))
    table = wait_for(lambda: board_table(game), 10)
    if table is None:
        fail("no table 盤面 on the match screen")
        sys.exit(1)
    board[:] = [table] + [table.getChildAtIndex(i) for i in range(table.childCount)]
    # The board takes the focus when the start hands the player the move,
    # perhaps before it was met here.
    ready = lambda: table.getState().contains(pyatspi.STATE_FOCUSED)
    for turn in range(40):
        # The player's turn, or the result.
        if not wait_for(lambda: (follow(), result or ready())[1], 30):
            fail("neither the player's turn nor the result came")
            break
        pump(0.05)
        follow()
        if result:
            break
        position = read_cells(table)
        if position != model:
            fail(f"at turn {turn + 1} the cells read differ from the moves heard")
            model = position
        if turn == 0:
            print("cells:", " ".join(table.getChildAtIndex(i).name for i in range(64)), flush=True)
        move = choose(position, BLACK)
        by_the_player = lambda said: (heard := move_heard(said)) and heard[:3] == (PLAYER, *move)
        key(*square_name(*move), "Return")
        # The move is heard; the turn comes back when the board takes the
        # focus again after it.
        moved = wait_for(lambda: next((i + 1 for i in range(listened, len(heard)) if by_the_player(heard[i])), 0), 10)
        if not moved:
            fail(f"typed {square_name(*move)}, but the move was not announced")
            break
        ready = lambda: any(at >= moved for at in board_focused)
    if not wait_for(lambda: (follow(), result)[1], 30):
        fail("no result heard")
        sys.exit(1)
    black, white = sum(v == BLACK for v in model.values()), sum(v == WHITE for v in model.values())
    if (int(result["black"]), int(result["white"])) != (black, white):
        fail(f"the result says {result['black']}:{result['white']}, the moves heard make {black}:{white}")
    return passes, result


def orca_spoke(log_path):
    """What Orca's debug log says it spoke, utterance by utterance."""
    with open(log_path, encoding="utf-8", errors="replace") as log:
        return [match[1] for match in (re.search(r"SPEECH OUTPUT: '(.*?)'(?:[{ ]|\s*$)", line) for line in log) if match]


def expect_orca_spoke(log_path):
    """Every move, pass and result heard was spoken by Orca, and Orca never
    spoke a notification with nothing in it (a window opening, say)."""
    wanted = [said for said in heard if move_heard(said) or pass_heard(said) or heard_as(RESULTS, said)]
    missing = lambda: [said for said in wanted if not any(said in spoken for spoken in orca_spoke(log_path))]
    # Orca speaks as it gets round to the events.
    wait_for(lambda: not missing(), 20)
    spoken = orca_spoke(log_path)
    print(f"Orca spoke {len(spoken)} utterances; {len(wanted) - len(missing())} of the {len(wanted)} moves, "
          "passes and results announced", flush=True)
    for said in missing():
        fail(f"Orca did not speak {said!r}")
    empty = [line for line in spoken if line.strip().rstrip(".") == "notification"]
    if empty:
        fail(f"Orca spoke {len(empty)} empty notification(s)")


def saved_record(path):
    """The player's save: the name, the nutrition, the opponents beaten."""
    with open(path, "rb") as stored:
        image = stored.read().replace(b"\r\n", b"\n")  # each 0x0A is stored as 0x0D 0x0A
    return image[:image.index(b"\0")], int.from_bytes(image[24:28], "little", signed=True), image[32:44]


def main():
    user_file, orca_log = sys.argv[1], sys.argv[2]
    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    game = wait_for(game_on_the_bus, 30)
    if game is None:
        fail("the game is not on the accessibility bus")
        return 1
    # Every name is read from the game itself, never from a copy kept here.
    game.set_cache_mask(0)

    # The title, a new game in slot 1, the opening.
    wait_for(lambda: focused_name(game) == T("スタート"), 30)
    press(game, T("スタート"))
    press(game, T("はじめから"))
    press(game, T("no-file"))
    wait_for(lambda: focused_name(game) == T("あなたのお名前"), 10)
    key("t", "a", "r", "o")
    press(game, T("男の子"))
    press(game, T("普通"))
    for _ in range(4):
        press(game, T("次へ"))

    # The forest's opponents in reading order, the first one not beaten each
    # time, until a pass has been heard.
    def unbeaten(name):
        return STRENGTH.search(name) and BEATEN not in name

    passes = nutrition = 0
    wins = []
    for number in range(1, 4):
        portrait = press(game, unbeaten)
        opponent = portrait[:STRENGTH.search(portrait).start()]
        passes, result = play_match(game, opponent)
        print(f"match {number} against {opponent}: {passes} pass(es) heard, {result['outcome']}", flush=True)
        press(game, T("対局終了"))
        if result.get("score") is not None:
            wins.append(number)
            nutrition += int(result["score"])
            # The first win is counted up on the selection screen.
            count = T("栄養 %1").replace("%1", str(nutrition))
            if not wait_for(lambda: count in heard, 30):
                fail(f"no {count!r} heard after the win")
        if passes:
            break
    if not passes:
        fail("no pass heard in any match")

    # The quit, answered はい: the game saves and ends.
    press(game, T("ゲームを終わる"))
    yes = re.sub(r"\(&.\)|&", "", T("はい(&Y)"))
    if not wait_for(lambda: (focused_name(game) or "").startswith(yes), 10):
        fail(f"the quit's question has no {yes} focused")
    key("Return")
    if not wait_for(lambda: game_on_the_bus() is None, 20):
        fail("the game is still on the bus after the quit")
    # The bus may lose sight of a busy game for a moment: the save is waited for.
    if not wait_for(lambda: os.path.exists(user_file), 20):
        fail("nothing was saved after the quit")
        return 1
    expect_orca_spoke(orca_log)
    name, saved_nutrition, beaten = saved_record(user_file)
    print(f"saved: {name.decode()}, nutrition {saved_nutrition}, beaten {list(beaten[:4])}", flush=True)
    if name != b"taro" or saved_nutrition != nutrition or list(beaten[:4]) != [1] * len(wins) + [0] * (4 - len(wins)):
        fail("the save does not hold the game played")
    print("screen reader:", f"{len(failures)} failure(s)" if failures else "ok", flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
