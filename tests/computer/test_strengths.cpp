#include <QMap>
#include <QSet>
#include <QTest>
#include <functional>

#include "computer/computer_move.h"
#include "computer/line_potential.h"
#include "computer/opening.h"
#include "computer/strengths.h"
#include "computer/threats.h"
#include "computer/winning_cells.h"
#include "rules/random.h"
#include "tests/computer/computer_testing.h"

using namespace morvane;
using namespace morvane::testing;

Q_DECLARE_METATYPE(morvane::DecisionKind)
Q_DECLARE_METATYPE(morvane::TerrainOption)

namespace {

// The decision of a strength on the board.
Decision DecideOn(const QStringList& rows, Turn turn, ComputerLevel level,
                  TerrainOption terrain = TerrainOption::Off) {
    return DecideComputerMove(BoardFromRows(rows), turn, level, terrain);
}

int ScoreAfterTrial(const QStringList& rows, int cell, Turn trialSide,
                    const std::function<int(const Board&)>& evaluate) {
    Board board = BoardFromRows(rows);
    board[cell] = UnitCode(trialSide);
    return evaluate(board);
}

}  // namespace

class StrengthsTest : public QObject {
    Q_OBJECT

private slots:
    // It should return the only safe cell at every strength, whatever its scores.
    void theOnlySafeCellIsChosenAtEveryStrength_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<TerrainOption>("terrain");
        for (int level = 0; level <= static_cast<int>(kHighestRuleLevel); ++level) {
            for (const TerrainOption terrain : {TerrainOption::On, TerrainOption::Off}) {
                QTest::addRow("level %d, terrain %s", level,
                              terrain == TerrainOption::On ? "on" : "off")
                    << level << terrain;
            }
        }
    }
    void theOnlySafeCellIsChosenAtEveryStrength() {
        QFETCH(int, level);
        QFETCH(TerrainOption, terrain);
        const QStringList rows{"########", "########", "########", "########",
                               "########", "########", "########", "########",
                               "########", "xxx.####", "###..###", "########"};
        const Decision decision =
            DecideOn(rows, kCircleTurn, ComputerLevelFromIndex(level), terrain);
        QCOMPARE(ToList(decision.candidates), Cells({{4, 11}, {5, 11}}));
        QCOMPARE(ToList(decision.safe), Cells({{5, 11}}));
        QCOMPARE(decision.kind, DecisionKind::Pick);
        QCOMPARE(ToList(decision.cells), Cells({{5, 11}}));
    }

    // It should fall back to the whole list of the opponent's favourite cells when every own
    // reply there would raise the opponent's potential.
    void normalFallsBackToTheFavouritesWhenEveryReplyHurts() {
        const QStringList rows{".xo....."};
        const QList<int> favourites = Cells({{4, 12}, {5, 12}});
        const auto potential = [](const Board& board) { return LinePotential(board, kCircleTurn); };
        const int present = potential(BoardFromRows(rows));
        for (const int cell : favourites) {
            QVERIFY(ScoreAfterTrial(rows, cell, kCircleTurn, potential) > present);
        }
        const Decision decision = DecideOn(rows, kCircleTurn, ComputerLevel::Normal);
        QCOMPARE(decision.kind, DecisionKind::Pick);
        QCOMPARE(ToList(decision.cells), favourites);
    }

    // It should find the four bottom cells that give the opponent's two units a threat (1, 1)
    // each, and keep all four when no own reply makes a threat.
    void hardFindsTheCellsThatGiveTheOpponentThreats() {
        const QStringList rows{"..xx...."};
        const QList<int> best = Cells({{1, 12}, {2, 12}, {5, 12}, {6, 12}});
        const Decision decision = DecideOn(rows, kCircleTurn, ComputerLevel::Hard);
        for (const int cell : decision.safe) {
            Board board = BoardFromRows(rows);
            board[cell] = CrossUnit;
            const ThreatCount expected = best.contains(cell) ? ThreatCount{1, 1} : ThreatCount{};
            QCOMPARE(CountThreats(board, kCircleTurn), expected);
        }
        QCOMPARE(decision.kind, DecisionKind::Pick);
        QCOMPARE(ToList(decision.cells), best);
    }

    // It should leave every safe cell in the list when no cell changes any threat count.
    void hardIsUniformWhenNothingChangesTheCounts() {
        const Decision decision = DecideOn({"........"}, kCrossTurn, ComputerLevel::Hard);
        QCOMPARE(decision.kind, DecisionKind::Pick);
        QCOMPARE(ToList(decision.cells), ToList(decision.safe));
        QCOMPARE(decision.cells.Size(), 8);
    }

    // It should take a move that raises its own winning-cell score by 4 (two new placeable
    // winning cells) in its first own stage.
    void expertTakesAMoveThatMakesTwoWinningCells() {
        const QStringList rows{"..oo...."};
        const auto ownCells = [](const Board& board) {
            return CountWinningCells(board, kCrossTurn).score;
        };
        QCOMPARE(ownCells(BoardFromRows(rows)), 0);
        QCOMPARE(ScoreAfterTrial(rows, CellIndex(2, 12), kCircleTurn, ownCells), 4);
        QCOMPARE(ScoreAfterTrial(rows, CellIndex(1, 12), kCircleTurn, ownCells), 2);
        const Decision decision = DecideOn(rows, kCircleTurn, ComputerLevel::Expert);
        QCOMPARE(decision.kind, DecisionKind::Pick);
        QCOMPARE(ToList(decision.cells), Cells({{2, 12}, {5, 12}}));
    }

    // It should prefer low rows among several cells always when terrain is on, and otherwise
    // only while more than 36 cells are free.
    void expertPrefersLowRowsOnTerrainOrEarlyInTheGame_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<TerrainOption>("terrain");
        QTest::addColumn<DecisionKind>("kind");
        QStringList fourFreeRows(kRows, QStringLiteral("########"));
        for (int row = 0; row < 4; ++row) {
            fourFreeRows[row] = QStringLiteral("........");
        }
        QStringList thirtySixFree = fourFreeRows;
        thirtySixFree[4] = QStringLiteral("....####");
        QStringList thirtySevenFree = fourFreeRows;
        thirtySevenFree[4] = QStringLiteral(".....###");
        QTest::newRow("32 free cells, terrain on")
            << fourFreeRows << TerrainOption::On << DecisionKind::LowRow;
        QTest::newRow("32 free cells, terrain off")
            << fourFreeRows << TerrainOption::Off << DecisionKind::Pick;
        QTest::newRow("36 free cells, terrain off")
            << thirtySixFree << TerrainOption::Off << DecisionKind::Pick;
        QTest::newRow("37 free cells, terrain off")
            << thirtySevenFree << TerrainOption::Off << DecisionKind::LowRow;
        QTest::newRow("empty board, terrain off")
            << QStringList{"........"} << TerrainOption::Off << DecisionKind::LowRow;
    }
    void expertPrefersLowRowsOnTerrainOrEarlyInTheGame() {
        QFETCH(QStringList, rows);
        QFETCH(TerrainOption, terrain);
        QFETCH(DecisionKind, kind);
        const Decision decision = DecideOn(rows, kCircleTurn, ComputerLevel::Expert, terrain);
        QCOMPARE(decision.kind, kind);
        QCOMPARE(ToList(decision.cells), ToList(decision.candidates));
    }

    // It should return a single cell left after the last stage without drawing a random
    // number, even when terrain is on.
    void expertReturnsASingleLastCellWithoutADraw() {
        const QStringList rows{".xx....."};
        const Decision decision =
            DecideOn(rows, kCircleTurn, ComputerLevel::Expert, TerrainOption::On);
        QCOMPARE(decision.kind, DecisionKind::Pick);
        QCOMPARE(ToList(decision.cells), Cells({{4, 12}}));

        constexpr std::uint64_t kSeed = 20240601;
        constexpr int kWide = 1000000000;
        SeedRandomForTesting(kSeed);
        const int untouched = RandomUpTo(kWide);
        SeedRandomForTesting(kSeed);
        QCOMPARE(ComputerMove(BoardFromRows(rows), kCircleTurn, ComputerLevel::Expert,
                              TerrainOption::On),
                 CellIndex(4, 12));
        QCOMPARE(RandomUpTo(kWide), untouched);
    }

    // It should walk the low-row list from its end: a lower cell met later always displaces a
    // higher one, and a higher cell met later displaces a lower one only with the random
    // allowance (row 10 + 3 > 12: one time in six).
    void lowRowPreferenceWalksTheListFromItsEnd() {
        Decision decision;
        decision.kind = DecisionKind::LowRow;
        decision.cells = CellList{CellIndex(2, 12), CellIndex(1, 10)};
        for (int i = 0; i < 200; ++i) {
            QCOMPARE(DrawCell(decision), CellIndex(2, 12));
        }
        decision.cells = CellList{CellIndex(1, 10), CellIndex(2, 12)};
        QMap<int, int> counts;
        constexpr int kDraws = 6000;
        for (int i = 0; i < kDraws; ++i) {
            ++counts[DrawCell(decision)];
        }
        QCOMPARE(counts.size(), 2);
        // Expected 1000; 800..1200 is more than six standard deviations wide.
        const int higher = counts[CellIndex(1, 10)];
        QVERIFY2(higher > 800 && higher < 1200, qPrintable(QString::number(higher)));
    }
};

QTEST_APPLESS_MAIN(StrengthsTest)
#include "test_strengths.moc"
