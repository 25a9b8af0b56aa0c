"""The rules of the board for the process tests' players, and the player's
choice of move. A board is a dict from (column, row), both 1..8, to BLACK,
WHITE or EMPTY; column 1 is "a" on the left, row 1 the top."""

BLACK, WHITE, EMPTY = 1, -1, 0
DIRECTIONS = [(dc, dr) for dc in (-1, 0, 1) for dr in (-1, 0, 1) if dc or dr]
CORNERS = [(1, 1), (8, 1), (1, 8), (8, 8)]


def flips(board, column, row, side):
    if board[column, row] != EMPTY:
        return []
    turned = []
    for dc, dr in DIRECTIONS:
        line, c, r = [], column + dc, row + dr
        while 1 <= c <= 8 and 1 <= r <= 8 and board[c, r] == -side:
            line.append((c, r))
            c, r = c + dc, r + dr
        if line and 1 <= c <= 8 and 1 <= r <= 8 and board[c, r] == side:
            turned += line
    return turned


def moves(board, side):
    return [(c, r) for r in range(1, 9) for c in range(1, 9) if flips(board, c, r, side)]


def played(board, column, row, side):
    after = dict(board)
    for square in flips(board, column, row, side) + [(column, row)]:
        after[square] = side
    return after


def square_name(column, row):
    return "abcdefgh"[column - 1] + str(row)


def choose(board, side):
    """A move that leaves the computer no answer (a pass) when there is one;
    else few answers and no corner for it, looking a reply further for a pass
    once the board fills up."""
    def forces_pass(after):
        return not moves(after, -side) and moves(after, side)

    def pass_chance(after):
        # The first forest opponent takes a corner when it can, else any move.
        replies = [q for q in CORNERS if flips(after, *q, -side)][:1] or moves(after, -side)
        chances = []
        for reply in replies:
            answer = played(after, *reply, -side)
            ours = moves(answer, side)
            chances.append(1 if not ours and moves(answer, -side) else
                           max((1 if forces_pass(played(answer, *m, side)) else 0) for m in ours) if ours else 0)
        return sum(chances) / len(chances) if chances else 0

    empties = sum(value == EMPTY for value in board.values())

    def score(move):
        after = played(board, *move, side)
        answers = moves(after, -side)
        if not answers:
            return 10000 if moves(after, side) else -5000
        edge = lambda n: min(n, 9 - n)
        c, r = edge(move[0]), edge(move[1])
        weight = 100 if (c, r) == (1, 1) else -50 if (c, r) == (2, 2) else -20 if 1 in (c, r) and 2 in (c, r) else 0
        value = weight - 12 * len(answers) - (300 if any(q in CORNERS for q in answers) else 0)
        return value + (5000 * pass_chance(after) if empties <= 20 else 0)

    return max(moves(board, side), key=score)
