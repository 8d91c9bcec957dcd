#include <QTest>

#include "computer/line_potential.h"
#include "computer/threats.h"
#include "computer/winning_cells.h"
#include "tests/computer/computer_testing.h"

using namespace morvane;
using namespace morvane::testing;

namespace {

// A whole board of ◇ cells with one ○ unit: every ray cell is placeable and weighs 3 x its row.
Board HollowsAround(int x, int y) {
    Board board;
    board.cells.fill(Hollow);
    board[CellIndex(x, y)] = CircleUnit;
    return board;
}

// LinePotential(side) scores the units of -side: ×'s turn scores ○.
constexpr Turn kScoresCircle = kCrossTurn;

}  // namespace

class EvaluationsTest : public QObject {
    Q_OBJECT

private slots:
    // It should weigh a cell by 3 x its row when placeable, one less for every cell below it
    // that must be filled first, and 0 when it holds a unit or terrain other than ◇.
    void reachWeightFavoursCellsThatCanBeTakenSoon_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("weight");
        const QStringList empty{"........"};
        QTest::newRow("empty bottom cell") << empty << 1 << 12 << 36;
        QTest::newRow("row 9 of an empty column") << empty << 3 << 9 << 24;
        QTest::newRow("row 3 of an empty column weighs nothing") << empty << 3 << 3 << 0;
        QTest::newRow("top row of an empty column is negative") << empty << 8 << 1 << -8;
        QTest::newRow("a unit") << QStringList{"x......."} << 1 << 12 << 0;
        QTest::newRow("a block") << QStringList{"#......."} << 1 << 12 << 0;
        QTest::newRow("on top of a unit") << QStringList{"o", "x"} << 1 << 10 << 30;
        QTest::newRow("a hollow high up is placeable")
            << QStringList{"...d", "........", "........", "........"} << 4 << 9 << 27;
        QTest::newRow("above a hollow")
            << QStringList{"........", "...d....", "........", "........"} << 4 << 9 << 27;
    }
    void reachWeightFavoursCellsThatCanBeTakenSoon() {
        QFETCH(QStringList, rows);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, weight);
        QCOMPARE(ReachWeight(BoardFromRows(rows), CellIndex(x, y)), weight);
    }

    // It should sum, per unit, only the rays whose three cells all lie on the board: on open
    // ◇ cells each ray adds the rows of its cells in the first pass and three times that in
    // the second, so the total is 4 x the rows of the usable rays' cells.
    void linePotentialUsesOnlyRaysThatFitOnTheBoard_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("potential");
        // up 11+10+9, right 12+12+12, up-right 11+10+9
        QTest::newRow("bottom-left corner: up, right, up-right") << 1 << 12 << 4 * 96;
        // up 12, down 24, left 18, right 18, up-left 12, down-left 24, up-right 12, down-right 24
        QTest::newRow("centre: all eight") << 4 << 6 << 4 * 144;
        // up, up-left, up-right 8+7+6; down, down-left, down-right 10+11+12; left, right 27
        QTest::newRow("column 5, row 9: all eight") << 5 << 9 << 4 * (21 * 3 + 33 * 3 + 27 * 2);
        // up 24, left 30, right 30, up-left 24, up-right 24
        QTest::newRow("row 10: nothing downwards") << 4 << 10 << 4 * 132;
        // down 2+3+4, left 1+1+1, down-left 2+3+4
        QTest::newRow("top-right corner: down, left, down-left") << 8 << 1 << 4 * 21;
    }
    void linePotentialUsesOnlyRaysThatFitOnTheBoard() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, potential);
        QCOMPARE(LinePotential(HollowsAround(x, y), kScoresCircle), potential);
    }

    // It should score each ray as specified: open bottom cells 36 then 108, and nothing for a
    // ray closed by the other side's unit or by terrain.
    void linePotentialScoresRays_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("turn");
        QTest::addColumn<int>("potential");
        // Up and up-right closed by blocks: only the ray to the right counts, 36 + 108.
        QTest::newRow("three open bottom cells to the right")
            << QStringList{"##......", "o......."} << kScoresCircle << 36 + 108;
        // Up: rows 11, 10, 9 weigh 33, 29, 25; up-right 32, 28, 24.
        QTest::newRow("a lone bottom-left unit")
            << QStringList{"o......."} << kScoresCircle << (30 + 36 + 30) + (87 + 108 + 84);
        QTest::newRow("the other side's unit in the second cell closes the ray")
            << QStringList{"##......", "o.x....."} << kScoresCircle << 0;
        QTest::newRow("a block in the third cell closes the ray")
            << QStringList{"##......", "o..#...."} << kScoresCircle << 0;
        // The first unit's ray to the right: its neighbour weighs row 12, then row + 1; the
        // second unit's ray ends on the block.
        QTest::newRow("own units weigh their row, and row plus one in the second pass")
            << QStringList{"###.....", "oo..#..."} << kScoresCircle
            << (12 + 12 + 12) + (13 + 36 + 36);
        QTest::newRow("the same board scored for the other side has no units")
            << QStringList{"###.....", "oo..#..."} << kCircleTurn << 0;
        // Right: row-3 cells of empty columns weigh 0 and end the ray at once in both passes.
        // Down-right: (2,4), (3,5), (4,6) weigh 4, 8, 12.
        QTest::newRow("an unreachable cell ends the ray")
            << QStringList{"........", "........", "o.......", "#.......", "#.......", "#.......",
                           "#.......", "#.......", "#.......", "#.......", "#.......", "#......."}
            << kScoresCircle << (4 + 5 + 6) + (4 + 8 + 12);
    }
    void linePotentialScoresRays() {
        QFETCH(QStringList, rows);
        QFETCH(int, turn);
        QFETCH(int, potential);
        QCOMPARE(LinePotential(BoardFromRows(rows), turn), potential);
    }

    // It should count windows of three units and one free cell, a threat next to or under an
    // earlier one as stacked, and a window reached from both ends once of each kind.
    void countThreatsCountsSingleAndStackedThreats_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("stacked");
        QTest::addColumn<int>("single");
        QTest::newRow("open row of three") << QStringList{"ooo....."} << 0 << 1;
        QTest::newRow("the fourth cell holds the other side") << QStringList{"ooox...."} << 0 << 0;
        QTest::newRow("the fourth cell is a block") << QStringList{"ooo#...."} << 0 << 0;
        QTest::newRow("the free cell is a hollow") << QStringList{"oood...."} << 0 << 1;
        QTest::newRow("column of three with a free cell on top")
            << QStringList{"o.......", "o.......", "o......."} << 0 << 1;
        QTest::newRow("a window reached from both end units") << QStringList{"o.oo...."} << 1 << 1;
        QTest::newRow("two bottom units and a third beside them")
            << QStringList{".ooo...."} << 1 << 1;
        QTest::newRow("a threat directly under another is stacked")
            << QStringList{"ooo.....", "ooo....."} << 1 << 1;
        QTest::newRow("rows 1 and 2 look downwards, so these two are both single")
            << QStringList{"ooo.....", "ooo.....", "........", "........", "........", "........",
                           "........", "........", "........", "........", "........", "........"}
            << 0 << 2;
        QTest::newRow("the other side's threats are not counted")
            << QStringList{"xxx....."} << 0 << 0;
    }
    void countThreatsCountsSingleAndStackedThreats() {
        QFETCH(QStringList, rows);
        QFETCH(int, stacked);
        QFETCH(int, single);
        const ThreatCount count = CountThreats(BoardFromRows(rows), kScoresCircle);
        QCOMPARE(count.stacked, stacked);
        QCOMPARE(count.single, single);
    }

    // It should compare threat counts on stacked threats first, then on single ones.
    void threatCountsCompareStackedFirst() {
        QVERIFY((ThreatCount{1, 0}) > (ThreatCount{0, 5}));
        QVERIFY((ThreatCount{1, 2}) > (ThreatCount{1, 1}));
        QVERIFY((ThreatCount{0, 0}) == (ThreatCount{}));
    }

    // It should score 2 for a winning cell that can be taken now and 1 (also counted as
    // pending) for one that cannot yet.
    void countWinningCellsWeighsPlaceableCellsDouble_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("pending");
        QTest::newRow("none") << QStringList{"..oo...."} << 0 << 0;
        QTest::newRow("two open ends") << QStringList{".ooo...."} << 4 << 0;
        QTest::newRow("a winning cell over an empty cell is pending")
            << QStringList{"ooo.....", "xox....."} << 1 << 1;
        QTest::newRow("once the cell below is filled it is placeable")
            << QStringList{"ooo.....", "xoxx...."} << 2 << 0;
        QTest::newRow("a hollow winning cell is placeable")
            << QStringList{"oood....", "xox....."} << 2 << 0;
        QTest::newRow("the other side's winning cells are not counted")
            << QStringList{".xxx...."} << 0 << 0;
        QTest::newRow("a gap in the row") << QStringList{"oo.o...."} << 2 << 0;
    }
    void countWinningCellsWeighsPlaceableCellsDouble() {
        QFETCH(QStringList, rows);
        QFETCH(int, score);
        QFETCH(int, pending);
        const WinningCells count = CountWinningCells(BoardFromRows(rows), kScoresCircle);
        QCOMPARE(count.score, score);
        QCOMPARE(count.pending, pending);
    }
};

QTEST_APPLESS_MAIN(EvaluationsTest)
#include "test_evaluations.moc"
