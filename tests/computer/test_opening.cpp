#include <QSet>
#include <QTest>

#include "computer/opening.h"
#include "computer/strengths.h"
#include "tests/computer/computer_testing.h"

using namespace morvane;
using namespace morvane::testing;

Q_DECLARE_METATYPE(morvane::DecisionKind)

class OpeningTest : public QObject {
    Q_OBJECT

private slots:
    // It should list exactly the placeable cells, in ascending index order.
    void candidatesAreThePlaceableCellsInIndexOrder_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QList<int>>("candidates");
        QTest::newRow("empty board: the bottom row")
            << QStringList{"........"}
            << Cells({{1, 12}, {2, 12}, {3, 12}, {4, 12}, {5, 12}, {6, 12}, {7, 12}, {8, 12}});
        QTest::newRow("on units and blocks, into a hollow, never into a block")
            << QStringList{"d.......", "........", "........", "........", "........", "........",
                           "........", "........", "........", "........", ".....#..", "ox#d...."}
            << Cells({{1, 1},
                      {6, 10},
                      {1, 11},
                      {2, 11},
                      {3, 11},
                      {4, 11},
                      {4, 12},
                      {5, 12},
                      {6, 12},
                      {7, 12},
                      {8, 12}});
        QTest::newRow("a full board has none")
            << QStringList{"########", "########", "########", "########", "########", "########",
                           "########", "########", "########", "########", "########", "########"}
            << QList<int>{};
    }
    void candidatesAreThePlaceableCellsInIndexOrder() {
        QFETCH(QStringList, rows);
        QFETCH(QList<int>, candidates);
        QCOMPARE(ToList(BuildCandidates(BoardFromRows(rows))), candidates);
    }

    // It should tell whether the opponent would complete a line directly above the cell,
    // taking the opponent's unit to be there whatever that cell holds.
    void opponentWinsAboveLooksOneCellUp_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("turn");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("wins");
        const QStringList crossRow{"xxx.....", "ooo....."};
        QTest::newRow("under the open end of the opponent's row")
            << crossRow << kCircleTurn << 4 << 12 << true;
        QTest::newRow("the same cell is harmless when the row is the computer's own")
            << crossRow << kCrossTurn << 4 << 12 << false;
        QTest::newRow("beside it") << crossRow << kCircleTurn << 5 << 12 << false;
        QTest::newRow("a block above is written over for the test")
            << QStringList{"xxx#....", "ooo....."} << kCircleTurn << 4 << 12 << true;
        QTest::newRow("the top row has no cell above")
            << QStringList{"xxx.....", "#.......", "#.......", "#.......", "#.......", "#.......",
                           "#.......", "#.......", "#.......", "#.......", "#.......", "#......."}
            << kCircleTurn << 4 << 1 << false;
    }
    void opponentWinsAboveLooksOneCellUp() {
        QFETCH(QStringList, rows);
        QFETCH(int, turn);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, wins);
        QCOMPARE(OpponentWinsAbove(BoardFromRows(rows), CellIndex(x, y), turn), wins);
    }

    // It should take a win before a block and the lowest index within each, whatever the
    // blocking cell's index.
    void winBeatsBlockAndTheLowestIndexBeatsTheRest_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("turn");
        QTest::addColumn<DecisionKind>("kind");
        QTest::addColumn<int>("cell");
        const QStringList winAndLowerBlock{"x.......", "x.......", "x..ooo.."};
        QTest::newRow("win at the lower of two winning cells, the block has a lower index")
            << winAndLowerBlock << kCircleTurn << DecisionKind::Win << CellIndex(3, 12);
        QTest::newRow("the same board for the other side: its own column wins")
            << winAndLowerBlock << kCrossTurn << DecisionKind::Win << CellIndex(1, 9);
        QTest::newRow("the lowest of three blocking cells")
            << QStringList{".......x", ".......x", ".xxx...x"} << kCircleTurn << DecisionKind::Block
            << CellIndex(8, 9);
        QTest::newRow("blocking ○ for ×")
            << QStringList{"...ooo.."} << kCrossTurn << DecisionKind::Block << CellIndex(3, 12);
    }
    void winBeatsBlockAndTheLowestIndexBeatsTheRest() {
        QFETCH(QStringList, rows);
        QFETCH(int, turn);
        QFETCH(DecisionKind, kind);
        QFETCH(int, cell);
        const Board board = BoardFromRows(rows);
        Decision decision;
        QCOMPARE(RunOpeningSteps(board, turn, decision), OpeningResult::Decided);
        QCOMPARE(decision.kind, kind);
        QCOMPARE(ToList(decision.cells), QList<int>{cell});
        QCOMPARE(ToList(decision.candidates), ToList(BuildCandidates(board)));
    }

    // It should keep, in candidate order, exactly the cells that give the opponent no line
    // directly above, and EASY should draw only among those.
    void easyDrawsOnlySafeCells() {
        const Board board = BoardFromRows({"xxx.....", "oox.o..."});
        const QList<int> safe =
            Cells({{1, 10}, {2, 10}, {3, 10}, {5, 11}, {6, 12}, {7, 12}, {8, 12}});
        const Decision decision = ThinkEasy(board, kCircleTurn);
        QCOMPARE(decision.kind, DecisionKind::Pick);
        QCOMPARE(ToList(decision.safe), safe);
        QCOMPARE(ToList(decision.cells), safe);

        QSet<int> drawn;
        for (int i = 0; i < 2000; ++i) {
            drawn.insert(DrawCell(decision));
        }
        QCOMPARE(drawn, QSet<int>(safe.begin(), safe.end()));
    }

    // It should give every safe cell of the empty board the same chance.
    void easyIsUniformOnTheEmptyBoard() {
        const Board board;
        const Decision decision = ThinkEasy(board, kCrossTurn);
        QMap<int, int> counts;
        constexpr int kDraws = 8000;
        for (int i = 0; i < kDraws; ++i) {
            ++counts[DrawCell(decision)];
        }
        QCOMPARE(counts.keys(), ToList(BuildCandidates(board)));
        for (const int count : counts) {
            // Expected 1000 each; 800..1200 is more than six standard deviations wide.
            QVERIFY2(count > 800 && count < 1200, qPrintable(QString::number(count)));
        }
    }

    // It should, when every legal cell lies under an opponent's winning cell, still return a
    // legal cell, drawn from all candidates.
    void noSafeCellFallsBackToAnyCandidate() {
        const Board board =
            BoardFromRows({"########", "########", "########", "########", "########", "########",
                           "########", "########", "########", "xxx..xxx", "###..###", "########"});
        const Decision decision = ThinkEasy(board, kCircleTurn);
        QCOMPARE(decision.kind, DecisionKind::Any);
        QVERIFY(decision.safe.Empty());
        const QList<int> both = Cells({{4, 11}, {5, 11}});
        QCOMPARE(ToList(decision.candidates), both);
        QCOMPARE(ToList(decision.cells), both);
        QSet<int> drawn;
        for (int i = 0; i < 200; ++i) {
            drawn.insert(DrawCell(decision));
        }
        QCOMPARE(drawn, QSet<int>(both.begin(), both.end()));
    }
};

QTEST_APPLESS_MAIN(OpeningTest)
#include "test_opening.moc"
