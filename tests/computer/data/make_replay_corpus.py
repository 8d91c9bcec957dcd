#!/usr/bin/env python3
"""Records morvane-analyze's answers on a fixed corpus of positions, for the replay test.

    make_replay_corpus.py ANALYZER OUTDIR

writes OUTDIR/replay_boards.txt (one board per line, main-game boards first, then extra-game
boards) and OUTDIR/replay_answers.tsv (one query per line: subcommand, board line number
counted from 0, the further arguments separated by spaces, the JSON the analyzer printed).
The positions come from a fixed seed, so a second run with the same analyzer writes the same
files; the answers are what the analyzer said when they were recorded.
"""

import concurrent.futures
import random
import subprocess
import sys
from pathlib import Path

SEED = 20250314

# The main game: 8 columns by 12 rows, cell = (row - 1) * 8 + (column - 1), row 1 at the top.
COLUMNS, ROWS = 8, 12
CELLS = COLUMNS * ROWS
EMPTY, HOLLOW, CIRCLE, CROSS, BLOCK = 0, 1, 2, 3, 8

# The extra game: 10 by 10, cell = row * 10 + column, row 0 at the top.
EX_SIDE = 10
EX_CELLS = EX_SIDE * EX_SIDE
EX_EMPTY, EX_STONE, EX_BOX, EX_MOUSE, EX_OTHER = 0, 1, 2, 3, 4

MAIN_BOARDS = 2000
EXTRA_BOARDS = 400
LINE_CELLS_PER_BOARD = 3
LEVELS = range(4)
TERRAIN = ("on", "off")

AXES = ((1, 0), (0, 1), (1, 1), (1, -1))


def completes_run(board, side_of_board, cell, code):
    """Whether `code` in `cell` would make four or more equal codes in a row through it."""
    columns = side_of_board
    rows = len(board) // columns
    x, y = cell % columns, cell // columns
    for dx, dy in AXES:
        run = 1
        for sign in (1, -1):
            nx, ny = x + sign * dx, y + sign * dy
            while 0 <= nx < columns and 0 <= ny < rows and board[ny * columns + nx] == code:
                run += 1
                nx, ny = nx + sign * dx, ny + sign * dy
        if run >= 4:
            return True
    return False


def can_place(board, cell):
    code = board[cell]
    if code == HOLLOW:
        return True
    if code != EMPTY:
        return False
    return cell >= CELLS - COLUMNS or board[cell + COLUMNS] >= HOLLOW


def ex_can_place(board, cell):
    code = board[cell]
    if code == EX_BOX:
        return True
    if code != EX_EMPTY:
        return False
    return cell >= EX_CELLS - EX_SIDE or board[cell + EX_SIDE] != EX_EMPTY


def main_terrain(rng):
    """No terrain, or random terrain as the area select makes it: blocks first, then hollows."""
    board = [EMPTY] * CELLS
    if rng.random() < 0.35:
        return board
    blocks = rng.choice((0, 2, 5, 10, 20, 30))
    hollows = rng.choice((0, 3, 8, 15, 25, 40, 60))
    for _ in range(blocks):
        board[rng.randrange(CELLS)] = BLOCK
    for _ in range(hollows):
        board[rng.randrange(CELLS)] = HOLLOW
    return board


def is_quiet(board):
    """Whether no placeable cell completes a line for either side: the strengths evaluate."""
    return not any(can_place(board, cell) and (completes_run(board, COLUMNS, cell, CIRCLE) or
                                               completes_run(board, COLUMNS, cell, CROSS))
                   for cell in range(CELLS))


def main_position(rng):
    """A board reached by random legal play, the side to move and the last cell played.

    Most games end before the move that would make a line; some stop right after it, and some
    play on past lines, so boards with lines (several, even) are in the corpus too. Players
    that avoid completing lines make long games, so late positions with few free cells occur.
    Most positions are the quiet position of their game (no cell wins or blocks at once, so
    the strengths get to evaluate) nearest to a ply drawn at random."""
    board = main_terrain(rng)
    turn = rng.choice((-1, 1))
    avoid_lines = rng.choice((0.0, 0.9, 1.0))
    play_past_lines = rng.random() < 0.12
    stop_on_line = not play_past_lines and rng.random() < 0.12
    history = [(board[:], turn, None)]
    while True:
        legal = [cell for cell in range(CELLS) if can_place(board, cell)]
        if not legal:
            break
        code = CIRCLE if turn == -1 else CROSS
        quiet = [cell for cell in legal if not completes_run(board, COLUMNS, cell, code)]
        cell = rng.choice(quiet if quiet and rng.random() < avoid_lines else legal)
        makes_line = cell not in quiet
        if makes_line and not play_past_lines and not stop_on_line:
            break
        board[cell] = code
        turn = -turn
        history.append((board[:], turn, cell))
        if makes_line and stop_on_line:
            return history[-1]
    ply = rng.randrange(len(history))
    if rng.random() < 0.8:
        calm = [n for n, position in enumerate(history) if is_quiet(position[0])]
        if calm:
            ply = min(calm, key=lambda n: abs(n - ply))
    return history[ply]


def ex_position(rng, line_free):
    """An extra-game board from random terrain and random legal play (units of both sides)."""
    board = [EX_EMPTY] * EX_CELLS
    if rng.random() < 0.7:
        for _ in range(rng.randrange(9)):
            board[1 + rng.randrange(EX_CELLS - 1)] = EX_STONE
        for _ in range(rng.choice((0, 1, 2, 2, 4, 6))):
            board[1 + rng.randrange(EX_CELLS - 1)] = EX_BOX
    unit = EX_MOUSE
    for _ in range(rng.randrange(50)):
        legal = [cell for cell in range(EX_CELLS) if ex_can_place(board, cell)]
        if not legal:
            break
        cell = rng.choice(legal)
        if line_free and completes_run(board, EX_SIDE, cell, unit):
            continue
        board[cell] = unit
        unit = EX_OTHER if unit == EX_MOUSE else EX_MOUSE
    return board


def digits(board):
    return "".join(str(code) for code in board)


def build_corpus():
    rng = random.Random(SEED)
    boards, queries = [], []
    for number in range(MAIN_BOARDS):
        board, turn, last = main_position(rng)
        boards.append(digits(board))
        cells = {last if last is not None else rng.randrange(CELLS)}
        occupied = [cell for cell in range(CELLS) if board[cell] >= CIRCLE]
        if occupied:
            cells.add(rng.choice(occupied))
        while len(cells) < LINE_CELLS_PER_BOARD:
            cells.add(rng.randrange(CELLS))
        queries += [("line", number, str(cell)) for cell in sorted(cells)]
        queries += [("eval", number, side) for side in ("o", "x")]
        side = "o" if turn == -1 else "x"
        queries += [("move", number, f"{side} {level} {terrain}")
                    for level in LEVELS for terrain in TERRAIN]
    for index in range(EXTRA_BOARDS):
        line_free = index % 4 != 0
        board = ex_position(rng, line_free)
        number = len(boards)
        boards.append(digits(board))
        queries.append(("exlines", number, ""))
        if line_free:
            queries.append(("exmove", number, ""))
    return boards, queries


def ask(analyzer, boards, query):
    subcommand, number, rest = query
    args = [analyzer, subcommand, boards[number]] + rest.split()
    run = subprocess.run(args, capture_output=True, text=True, check=False)
    if run.returncode != 0 or run.stderr or run.stdout.count("\n") != 1:
        sys.exit(f"{' '.join(args)}: status {run.returncode}, {run.stderr.strip()}")
    return run.stdout.rstrip("\n")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    analyzer, outdir = sys.argv[1], Path(sys.argv[2])
    boards, queries = build_corpus()
    with concurrent.futures.ThreadPoolExecutor(max_workers=3) as pool:
        answers = list(pool.map(lambda query: ask(analyzer, boards, query), queries))
    outdir.mkdir(parents=True, exist_ok=True)
    (outdir / "replay_boards.txt").write_text("".join(board + "\n" for board in boards))
    with open(outdir / "replay_answers.tsv", "w", encoding="utf-8") as out:
        for (subcommand, number, rest), answer in zip(queries, answers):
            out.write(f"{subcommand}\t{number}\t{rest}\t{answer}\n")


if __name__ == "__main__":
    main()
