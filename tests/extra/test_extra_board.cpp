#include <QTest>
#include <set>

#include "extra/engine/ex_board.h"
#include "rules/random.h"
#include "tests/extra/ex_board_text.h"

using namespace morvane;
using morvane::testing::ExBoardFromRows;
using morvane::testing::ExRowsOf;

namespace {

// A board holding every code somewhere, so that moved cells can be told apart.
ExBoard Patterned() {
    ExBoard board;
    for (int cell = 0; cell < kExCellCount; ++cell) {
        board[cell] = static_cast<std::int16_t>((cell * 7 + cell / 10) % (kExHighestCode + 1));
    }
    return board;
}

QStringList Whole(const QStringList& bottomRows) { return ExRowsOf(ExBoardFromRows(bottomRows)); }

}  // namespace

class ExBoardTest : public QObject {
    Q_OBJECT

private slots:
    // It should let a unit go only into a box, or into an empty cell on the bottom row or with
    // anything at all below it.
    void placementRule_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("cell");
        QTest::addColumn<bool>("allowed");
        const QStringList empty{".........."};
        QTest::newRow("empty bottom cell") << empty << 95 << true;
        QTest::newRow("empty cell above an empty cell") << empty << 85 << false;
        QTest::newRow("empty top-left corner on an empty board") << empty << 0 << false;
        QTest::newRow("above a stone") << QStringList{"...#......", ".........."} << 73 << true;
        QTest::newRow("above a floating box")
            << QStringList{"..........", "...+......", ".........."} << 73 << true;
        QTest::newRow("above a unit") << QStringList{"....x....."} << 84 << true;
        QTest::newRow("above a dimmed unit") << QStringList{"....5....."} << 84 << true;
        QTest::newRow("floating box with nothing below")
            << QStringList{"+.........", "..........", ".........."} << 70 << true;
        QTest::newRow("box on the bottom row") << QStringList{"......+..."} << 96 << true;
        QTest::newRow("stone on the bottom row") << QStringList{"......#..."} << 96 << false;
        QTest::newRow("stone resting on a unit")
            << QStringList{"#.........", "o........."} << 80 << false;
        QTest::newRow("a unit's own cell") << QStringList{"o........."} << 90 << false;
        QTest::newRow("a winning-run cell") << QStringList{"8........."} << 90 << false;
    }
    void placementRule() {
        QFETCH(QStringList, rows);
        QFETCH(int, cell);
        QFETCH(bool, allowed);
        QCOMPARE(ExCanPlace(ExBoardFromRows(rows), cell), allowed);
    }

    // It should move the corners where a quarter turn takes them, and every code with them.
    void rotationMovesCorners_data() {
        QTest::addColumn<bool>("clockwise");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("clockwise: bottom-left to top-left") << true << 90 << 0;
        QTest::newRow("clockwise: top-left to top-right") << true << 0 << 9;
        QTest::newRow("clockwise: top-right to bottom-right") << true << 9 << 99;
        QTest::newRow("clockwise: cell 12 to cell 28") << true << 12 << 28;
        QTest::newRow("counter-clockwise: top-left to bottom-left") << false << 0 << 90;
        QTest::newRow("counter-clockwise: top-right to top-left") << false << 9 << 0;
        QTest::newRow("counter-clockwise: cell 28 to cell 12") << false << 28 << 12;
    }
    void rotationMovesCorners() {
        QFETCH(bool, clockwise);
        QFETCH(int, from);
        QFETCH(int, to);
        const ExBoard before = Patterned();
        ExBoard board = before;
        RotateBoard(board,
                    clockwise ? RotateDirection::Clockwise : RotateDirection::CounterClockwise);
        QCOMPARE(board[to], before[from]);
    }

    // It should give the board back after a turn and its opposite, and after four equal turns.
    void rotationsUndoEachOther() {
        const ExBoard before = Patterned();
        ExBoard board = before;
        RotateBoard(board, RotateDirection::Clockwise);
        QVERIFY(board != before);
        RotateBoard(board, RotateDirection::CounterClockwise);
        QCOMPARE(ExRowsOf(board), ExRowsOf(before));
        for (const auto direction :
             {RotateDirection::Clockwise, RotateDirection::CounterClockwise}) {
            for (int turn = 0; turn < 4; ++turn) {
                RotateBoard(board, direction);
                QCOMPARE(board == before, turn == 3);
            }
        }
    }

    // It should leave an empty board when no stone and no box is to be drawn.
    void randomTerrainWithNoDrawsIsEmpty() {
        ExBoard board = Patterned();
        MakeRandomTerrain(board, 0, 0);
        QCOMPARE(board, ExBoard{});
    }

    // It should never put terrain on the top-left cell, reach every other cell, and leave no
    // more stones and boxes than were drawn.
    void randomTerrainCoversCellsOneTo99() {
        SeedRandomForTesting(20240611);
        std::set<int> stoneCells;
        std::set<int> boxCells;
        for (int round = 0; round < 300; ++round) {
            ExBoard board = Patterned();
            MakeRandomTerrain(board, 50, 12);
            QCOMPARE(board[0], static_cast<std::int16_t>(ExEmpty));
            int stones = 0;
            int boxes = 0;
            for (int cell = 0; cell < kExCellCount; ++cell) {
                QVERIFY(board[cell] <= ExBox);
                if (board[cell] == ExStone) {
                    ++stones;
                    stoneCells.insert(cell);
                } else if (board[cell] == ExBox) {
                    ++boxes;
                    boxCells.insert(cell);
                }
            }
            QVERIFY(stones > 0 && stones <= 50);
            QVERIFY(boxes > 0 && boxes <= 12);
        }
        QCOMPARE(static_cast<int>(stoneCells.size()), 99);
        QCOMPARE(static_cast<int>(boxCells.size()), 99);
    }

    // It should mark exactly the runs the scan meets first, four cells each, and say whether it
    // marked any.
    void findLinesMarksInScanOrder_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("five in a row: the first four")
            << QStringList{".ooooo...."} << true << QStringList{".77773...."};
        QTest::newRow("column of four")
            << QStringList{"x.........", "x.........", "x.........", "x........."} << true
            << QStringList{"8.........", "8.........", "8.........", "8........."};
        QTest::newRow("row and column crossing: only the row")
            << QStringList{"...x......", "...x......", "...x......", "xxxx......"} << true
            << QStringList{"...4......", "...4......", "...4......", "8888......"};
        QTest::newRow("column of five: the top four")
            << QStringList{"o.........", "o.........", "o.........", "o.........", "o........."}
            << true
            << QStringList{"7.........", "7.........", "7.........", "7.........", "3........."};
        QTest::newRow("down-left diagonal")
            << QStringList{"...x......", "..xo......", ".xoo......", "xooo#....."} << true
            << QStringList{"...8......", "..8o......", ".8oo......", "8ooo#....."};
        QTest::newRow("down-right diagonal at the right edge")
            << QStringList{"......o...", ".......o..", "........o.", "........xo"} << true
            << QStringList{"......7...", ".......7..", "........7.", "........x7"};
        QTest::newRow("two separate runs of both sides")
            << QStringList{"oooo.xxxx."} << true << QStringList{"7777.8888."};
        QTest::newRow("mixed units are no run")
            << QStringList{"ooxo......"} << false << QStringList{"ooxo......"};
        QTest::newRow("a row does not wrap into the next row")
            << QStringList{"oo........", "........oo"} << false
            << QStringList{"oo........", "........oo"};
        QTest::newRow("marked units are no run")
            << QStringList{"7777......"} << false << QStringList{"7777......"};
        QTest::newRow("stones and boxes are no run")
            << QStringList{"####++++.."} << false << QStringList{"####++++.."};
    }
    void findLinesMarksInScanOrder() {
        QFETCH(QStringList, before);
        QFETCH(bool, found);
        QFETCH(QStringList, after);
        ExBoard board = ExBoardFromRows(before);
        QCOMPARE(HasLine(board), found);
        QCOMPARE(FindLines(board), found);
        QCOMPARE(ExRowsOf(board), Whole(after));
    }

    // It should dim every unmarked unit and leave runs, stones and boxes alone.
    void finishBoardDimsTheRest() {
        ExBoard board = ExBoardFromRows({"x.........", "xo+.......", "7777o#xo.."});
        FinishBoard(board);
        QCOMPARE(ExRowsOf(board), Whole({"6000000000", "6520000000", "7777516500"}));
    }

    // It should leave, once a finished game has been judged and marked, only the run found
    // first bright and every other unit dimmed (all of them after a draw).
    void finalPositionAfterJudging_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QStringList>("after");
        QStringList full;
        QStringList fullDimmed;
        for (int row = 0; row < kExRows; ++row) {
            full << (row % 4 < 2 ? "oxoxoxoxox" : "xoxoxoxoxo");
            fullDimmed << (row % 4 < 2 ? "5656565656" : "6565656565");
        }
        QTest::newRow("five in a row: four bright, the fifth dimmed")
            << QStringList{"x.........", ".ooooox..."} << static_cast<int>(ExOutcome::Win)
            << QStringList{"6.........", ".777756..."};
        QTest::newRow("a row and a column of four sharing a cell: only the row bright")
            << QStringList{"...x......", "...x......", "...x......", "xxxx.o#+.."}
            << static_cast<int>(ExOutcome::Win)
            << QStringList{"...6......", "...6......", "...6......", "8888.512.."};
        QTest::newRow("the last open cell filled without a run: all dimmed")
            << full << static_cast<int>(ExOutcome::Draw) << fullDimmed;
    }
    void finalPositionAfterJudging() {
        QFETCH(QStringList, before);
        QFETCH(int, outcome);
        QFETCH(QStringList, after);
        ExBoard board = ExBoardFromRows(before);
        QCOMPARE(static_cast<int>(ExJudgePlacement(board)), outcome);
        FinishBoard(board);
        QCOMPARE(ExRowsOf(board), Whole(after));
    }

    // It should count empty cells and boxes as open, and every cell but stones as non-stone.
    void cellCounts() {
        const ExBoard board = ExBoardFromRows({"#+ox56#78+"});
        QCOMPARE(OpenCells(board), 90 + 2);
        QCOMPARE(NonStoneCells(board), 98);
    }

    // It should judge a run a win even on a full board, a full board without a run a draw, and
    // a board with a box left no draw.
    void outcome_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("outcome");
        QStringList full;
        for (int row = 0; row < kExRows; ++row) {
            full << (row % 4 < 2 ? "oxoxoxoxox" : "xoxoxoxoxo");
        }
        QStringList fullWithBox = full;
        fullWithBox[0][0] = QLatin1Char('+');
        QStringList fullWithRun = full;
        fullWithRun[0] = "oooo#xxx#o";
        QTest::newRow("full, no run: draw") << full << static_cast<int>(ExOutcome::Draw);
        QTest::newRow("a box still open: goes on")
            << fullWithBox << static_cast<int>(ExOutcome::GoesOn);
        QTest::newRow("full with a run: win") << fullWithRun << static_cast<int>(ExOutcome::Win);
        QTest::newRow("run on an open board: win")
            << QStringList{"xxxxoo...."} << static_cast<int>(ExOutcome::Win);
        QTest::newRow("nothing yet: goes on")
            << QStringList{"xxx.o....."} << static_cast<int>(ExOutcome::GoesOn);
    }
    void outcome() {
        QFETCH(QStringList, rows);
        QFETCH(int, outcome);
        ExBoard board = ExBoardFromRows(rows);
        QCOMPARE(static_cast<int>(ExJudgePlacement(board)), outcome);
    }
};

QTEST_APPLESS_MAIN(ExBoardTest)
#include "test_extra_board.moc"
