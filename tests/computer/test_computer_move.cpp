#include <QTest>

#include "computer/computer_move.h"
#include "tests/computer/computer_testing.h"

using namespace morvane;
using namespace morvane::testing;

namespace {

// Positions where every strength gets past the opening steps and evaluates, with and without
// terrain.
const QList<QPair<const char*, QStringList>>& Positions() {
    static const QList<QPair<const char*, QStringList>> positions{
        {"empty board", {"........"}},
        {"mid-game", {"...x....", "..oo.x..", "..xo.o..", ".xoxxo..", "ooxoxxo."}},
        {"hollows and blocks",
         {"d..d..d.", "........", ".#......", "...d....", "..#...d.", "........", "....x...",
          "..oo.x..", ".#xo.od.", "dxoxxo.#"}},
    };
    return positions;
}

// One row per position, strength (its index, up to highest) and side.
void AddEveryLevelAndPosition(ComputerLevel highest) {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("turn");
    for (const auto& [name, rows] : Positions()) {
        for (int level = 0; level <= static_cast<int>(highest); ++level) {
            for (const int turn : {kCircleTurn, kCrossTurn}) {
                QTest::addRow("%s, level %d, turn %d", name, level, turn) << rows << level << turn;
            }
        }
    }
}

}  // namespace

class ComputerMoveTest : public QObject {
    Q_OBJECT

private slots:
    // It should return a placeable cell.
    void returnsACandidate_data() { AddEveryLevelAndPosition(kHighestComputerLevel); }
    void returnsACandidate() {
        QFETCH(QStringList, rows);
        QFETCH(int, level);
        QFETCH(int, turn);
        const Board board = BoardFromRows(rows);
        for (const TerrainOption terrain : {TerrainOption::On, TerrainOption::Off}) {
            QVERIFY(
                CanPlace(board, ComputerMove(board, turn, ComputerLevelFromIndex(level), terrain)));
        }
    }

    // It should answer cell 0, without reading past its empty lists, when no cell can take a
    // unit (the battle screen ends the game before this can happen).
    void aFullBoardGivesCellZero() {
        Board board;
        board.cells.fill(Block);
        for (int level = 0; level <= static_cast<int>(kHighestComputerLevel); ++level) {
            QCOMPARE(
                ComputerMove(board, kCircleTurn, ComputerLevelFromIndex(level), TerrainOption::Off),
                0);
        }
    }
};

QTEST_APPLESS_MAIN(ComputerMoveTest)
#include "test_computer_move.moc"
