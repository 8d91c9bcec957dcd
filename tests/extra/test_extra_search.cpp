#include <QTest>
#include <map>
#include <optional>
#include <random>

#include "bench/ex_search_reference.h"
#include "extra/engine/ex_search.h"
#include "rules/random.h"
#include "tests/extra/ex_board_text.h"

using namespace morvane;
using morvane::testing::ExBoardFromRows;
using morvane::testing::ReferenceRateCells;

Q_DECLARE_METATYPE(morvane::ExBoard)

namespace {

using ScoreMap = std::map<int, int>;

// The board filled with stones except where the given bottom rows say otherwise, so that the
// trees stay small enough to be added up by hand.
ExBoard Walled(const QStringList& bottomRows) {
    ExBoard board = ExBoardFromRows(bottomRows);
    const int firstGiven = kExCellCount - kExColumns * static_cast<int>(bottomRows.size());
    for (int cell = 0; cell < firstGiven; ++cell) {
        board[cell] = ExStone;
    }
    return board;
}

ScoreMap LegalScores(const ExBoard& board, const ExScores& scores) {
    ScoreMap map;
    for (int cell = 0; cell < kExCellCount; ++cell) {
        if (ExCanPlace(board, cell)) {
            map[cell] = scores.scores[static_cast<std::size_t>(cell)];
        }
    }
    return map;
}

// Positions of every kind the search may meet: stones, then alternate legal placements, then
// boxes left on empty cells; some left holding a run, some with the end-of-game codes sprinkled
// in, as the analysis tool may be handed. Positions with more than a dozen legal cells are
// skipped to keep the full-scan search quick.
class PositionMaker {
public:
    explicit PositionMaker(unsigned seed) : engine_(seed) {}

    // Nothing when every one of many tries had too many legal cells.
    std::optional<ExBoard> Next() {
        for (int attempt = 0; attempt < kMostAttempts; ++attempt) {
            const ExBoard board = Make();
            int legal = 0;
            for (int cell = 0; cell < kExCellCount; ++cell) {
                legal += ExCanPlace(board, cell) ? 1 : 0;
            }
            if (legal <= kMostLegalCells) {
                return board;
            }
        }
        return std::nullopt;
    }

private:
    static constexpr int kMostLegalCells = 12;
    static constexpr int kMostAttempts = 1000;

    ExBoard Make() { return Draw(0, 4) == 0 ? NearlyFull() : GameLike(); }

    // Trees that reach a full board: a few open cells among stones and units.
    ExBoard NearlyFull() {
        ExBoard board;
        for (std::int16_t& code : board.cells) {
            const int kind = Draw(0, 9);
            code = kind < 6 ? ExStone : (kind < 8 ? ExMouseUnit : ExOtherUnit);
        }
        for (int k = Draw(1, 6); k > 0; --k) {
            board[Draw(0, kExCellCount - 1)] = Draw(0, 3) == 0 ? ExBox : ExEmpty;
        }
        return board;
    }

    ExBoard GameLike() {
        ExBoard board;
        for (int k = Draw(0, 6); k > 0; --k) {
            board[Draw(0, kExCellCount - 1)] = ExStone;
        }
        const bool keepLines = Draw(0, 9) == 0;
        std::int16_t unit = Draw(0, 1) == 0 ? ExMouseUnit : ExOtherUnit;
        for (int move = Draw(0, 60); move > 0; --move) {
            std::vector<int> legal;
            for (int cell = 0; cell < kExCellCount; ++cell) {
                if (ExCanPlace(board, cell)) {
                    legal.push_back(cell);
                }
            }
            if (legal.empty()) {
                break;
            }
            ExBoard next = board;
            next[legal[static_cast<std::size_t>(Draw(0, static_cast<int>(legal.size()) - 1))]] =
                unit;
            if (HasLine(next) && !keepLines) {
                continue;
            }
            board = next;
            unit = unit == ExMouseUnit ? ExOtherUnit : ExMouseUnit;
        }
        for (int k = Draw(0, 2) == 0 ? Draw(1, 3) : 0; k > 0; --k) {
            const int cell = Draw(0, kExCellCount - 1);
            if (board[cell] == ExEmpty) {
                board[cell] = ExBox;
            }
        }
        if (Draw(0, 19) == 0) {
            for (int k = Draw(1, 6); k > 0; --k) {
                board[Draw(0, kExCellCount - 1)] =
                    static_cast<std::int16_t>(Draw(ExMouseDim, ExOtherLine));
            }
        }
        return board;
    }

    int Draw(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
    std::mt19937 engine_;
};

#if defined(__SANITIZE_ADDRESS__)
constexpr int kEquivalencePositions = 150;
#else
constexpr int kEquivalencePositions = 2000;
#endif

}  // namespace

class ExSearchTest : public QObject {
    Q_OBJECT

private slots:
    // It should rate every candidate by the sum of the weights of all nodes below it, and
    // list the best candidates in ascending order.
    void weightsOnHandMadePositions_data() {
        QTest::addColumn<ExBoard>("board");
        QTest::addColumn<ScoreMap>("scores");
        QTest::addColumn<QList<int>>("best");
        // Mouse threatens 93: a candidate that leaves it open gets -150 for that reply.
        QTest::newRow("a Mouse reply that wins subtracts 150")
            << Walled({"ooo...####"}) << ScoreMap{{93, 7}, {94, -146}, {95, -146}}
            << QList<int>{93};
        // Mouse completes its run only at its second reply: -50 for each such leaf.
        QTest::newRow("a Mouse second reply that wins subtracts 50")
            << Walled({"oo....####"}) << ScoreMap{{92, 22}, {93, 22}, {94, -82}, {95, -82}}
            << QList<int>{92, 93};
        QTest::newRow("an own second move that wins adds 80")
            << Walled({"xx...#####"}) << ScoreMap{{92, 85}, {93, 85}, {94, 7}}
            << QList<int>{92, 93};
        QTest::newRow("the best rating may be negative")
            << Walled({"ooo..ooo##"}) << ScoreMap{{93, -149}, {94, -149}} << QList<int>{93, 94};
        QTest::newRow("a reply that fills the board adds 2")
            << Walled({"ooo..#####"}) << ScoreMap{{93, 3}, {94, -149}} << QList<int>{93};
    }
    void weightsOnHandMadePositions() {
        QFETCH(ExBoard, board);
        QFETCH(ScoreMap, scores);
        QFETCH(QList<int>, best);
        const ExScores rated = ExRateCells(board);
        QCOMPARE(LegalScores(board, rated), scores);
        QVERIFY(!rated.winCell.has_value());
        const std::vector<int> bestCells = ExBestCells(board, rated);
        QCOMPARE(QList<int>(bestCells.begin(), bestCells.end()), best);
    }

    // It should stop rating at the lowest cell that wins at once, zero every other score, and
    // report progress only up to that cell.
    void immediateWinStopsAtTheLowestWinningCell() {
        // A floating box at 5 is rated first; 69 (column) and 93 (row) both win at once.
        ExBoard board =
            ExBoardFromRows({"..........", "..........", ".........x", ".........x", "xxx......x"});
        board[5] = ExBox;
        QList<int> progress;
        const ExScores rated = ExRateCells(board, [&](int percent) { progress << percent; });
        QCOMPARE(rated.winCell, std::optional<int>(69));
        ExScores expected;
        expected.scores[69] = 160;
        QCOMPARE(rated.scores, expected.scores);
        QCOMPARE(progress, (QList<int>{100, 95, 31}));
        ExBoard played = board;
        QCOMPARE(ExComputerMove(played), std::optional<int>(69));
        QCOMPARE(played[69], static_cast<std::int16_t>(ExOtherUnit));
    }

    // It should treat a board that already holds a run (only the analysis tool hands one in)
    // as the full scan does: the first legal candidate's node already has a line.
    void aRunOnTheBoardMakesTheFirstCandidateWin() {
        const ExBoard board = ExBoardFromRows({"oooo......"});
        const ExScores rated = ExRateCells(board);
        QCOMPARE(rated.winCell, std::optional<int>(80));
        QCOMPARE(rated, ReferenceRateCells(board));
    }

    // It should report 100 first and then 100 - i after each legal candidate i.
    void progressOnTheEmptyBoard() {
        QList<int> progress;
        ExRateCells(ExBoard{}, [&](int percent) { progress << percent; });
        QCOMPARE(progress, (QList<int>{100, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
    }

    // It should give exactly the scores of the full-scan search on positions of every kind.
    void sameScoresAsTheFullScan() {
        PositionMaker maker(7);
        long totalNodes = 0;
        for (int round = 0; round < kEquivalencePositions; ++round) {
            const std::optional<ExBoard> made = maker.Next();
            QVERIFY(made.has_value());
            const ExBoard& board = *made;
            long nodes = 0;
            const ExScores expected = ReferenceRateCells(board, &nodes);
            if (ExRateCells(board) != expected) {
                QFAIL(
                    qPrintable(QStringLiteral("round %1: %2")
                                   .arg(round)
                                   .arg(morvane::testing::ExRowsOf(board).join(QLatin1Char('/')))));
            }
            totalNodes += nodes;
        }
        QVERIFY(totalNodes > 100 * kEquivalencePositions);
    }

    // It should place one unit on the bottom row of the empty board, and change nothing else.
    void fullSearchOfTheEmptyBoardPlacesOneUnit() {
        ExBoard board;
        const auto cell = ExComputerMove(board);
        QVERIFY(cell.has_value() && *cell >= kExBottomRowStart);
        ExBoard expected;
        expected[*cell] = ExOtherUnit;
        QCOMPARE(board, expected);
    }

    // It should choose among equally rated cells with equal chance: on the empty board all
    // ten bottom cells rate 1111.
    void tiesAreDrawnUniformly() {
        SeedRandomForTesting(99);
        QCOMPARE(ExBestCells(ExBoard{}, ExRateCells(ExBoard{})).size(), std::size_t{10});
        std::map<int, int> chosen;
        constexpr int kDraws = 2000;
        for (int draw = 0; draw < kDraws; ++draw) {
            ExBoard board;
            ++chosen[ExComputerMove(board).value_or(-1)];
        }
        QCOMPARE(static_cast<int>(chosen.size()), 10);
        for (const auto& [cell, count] : chosen) {
            QVERIFY2(cell >= kExBottomRowStart && count > 130 && count < 270,
                     qPrintable(QStringLiteral("cell %1 chosen %2 times").arg(cell).arg(count)));
        }
    }

    // It should return nothing and change nothing on a board with no legal cell.
    void noLegalCellNoMove() {
        ExBoard board;
        board.cells.fill(ExStone);
        const ExBoard before = board;
        QCOMPARE(ExComputerMove(board), std::nullopt);
        QCOMPARE(board, before);
    }
};

QTEST_APPLESS_MAIN(ExSearchTest)
#include "test_extra_search.moc"
