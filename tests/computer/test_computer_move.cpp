#include <QTest>

#include "computer/computer_move.h"
#include "computer/opening.h"
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
    // It should return a placeable cell and call yield while it thinks.
    void returnsACandidate_data() { AddEveryLevelAndPosition(kHighestComputerLevel); }
    void returnsACandidate() {
        QFETCH(QStringList, rows);
        QFETCH(int, level);
        QFETCH(int, turn);
        const Board board = BoardFromRows(rows);
        for (const TerrainOption terrain : {TerrainOption::On, TerrainOption::Off}) {
            YieldRecorder recorder;
            const std::optional<int> cell =
                ComputerMove(board, turn, ComputerLevelFromIndex(level), terrain, recorder.Hook());
            QVERIFY(cell);
            QVERIFY(CanPlace(board, *cell));
            // The search yields every few thousand positions and may prove a move before.
            QVERIFY(recorder.Calls() > 0 || level > static_cast<int>(kHighestRuleLevel));
        }
    }

    // It should, whenever yield asks to abandon, return nothing at once, and go through when
    // yield never asks. The searching level's yields follow the clock; its search has its own
    // abandoning table.
    void abandonsAtEveryYield_data() { AddEveryLevelAndPosition(kHighestRuleLevel); }
    void abandonsAtEveryYield() {
        QFETCH(QStringList, rows);
        QFETCH(int, level);
        QFETCH(int, turn);
        const Board board = BoardFromRows(rows);
        const ComputerLevel computerLevel = ComputerLevelFromIndex(level);
        YieldRecorder full;
        QVERIFY(ComputerMove(board, turn, computerLevel, TerrainOption::Off, full.Hook()));
        const int total = full.Calls();

        // Every yield point of short runs; a spread of them (and the last) for long runs.
        const int stride = total < 400 ? 1 : total / 200;
        for (int allowed = 0; allowed < total; allowed += stride) {
            for (const int k : {allowed, total - 1 - allowed}) {
                YieldRecorder abandoning(k);
                QVERIFY(!ComputerMove(board, turn, computerLevel, TerrainOption::Off,
                                      abandoning.Hook()));
                QCOMPARE(abandoning.Calls(), k + 1);
            }
        }
    }

    // It should answer cell 0, without reading past its empty lists, when no cell can take a
    // unit (the battle screen ends the game before this can happen).
    void aFullBoardGivesCellZero() {
        Board board;
        board.cells.fill(Block);
        for (int level = 0; level <= static_cast<int>(kHighestComputerLevel); ++level) {
            QCOMPARE(ComputerMove(board, kCircleTurn, ComputerLevelFromIndex(level),
                                  TerrainOption::Off, YieldHook()),
                     0);
        }
    }
};

QTEST_APPLESS_MAIN(ComputerMoveTest)
#include "test_computer_move.moc"
