#include <QTest>
#include <map>
#include <random>

#include "bench/endgame_maker.h"
#include "computer/search/bitboard.h"
#include "computer/search/negamax.h"
#include "computer/search/position.h"
#include "computer/search/search.h"
#include "rules/line.h"
#include "tests/computer/computer_testing.h"

using namespace morvane;
using namespace morvane::testing;

Q_DECLARE_METATYPE(morvane::GameValue)

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kRandomBoards = 300;
constexpr int kEndgamesPerRow = 25;
#else
constexpr int kRandomBoards = 1500;
constexpr int kEndgamesPerRow = 100;
#endif

constexpr std::chrono::milliseconds kAmpleTime{60000};

// A game's value for the side to move written as one number: a win in p plies is 100 - p, a
// loss in p plies p - 100, a draw 0; so the best move has the highest number.
int Reference(int value, int plies) { return value == 0 ? 0 : value * (100 - plies); }

// The plain exhaustive minimax over the rules engine itself: every placeable cell, judged with
// CompletesLine and CountFreeCells as in play (a line wins before a full board draws). Positions
// already met are remembered by their board.
class Minimax {
public:
    // The number of the move into cell for turn on a line-free board.
    int ScoreMove(Board& board, Turn turn, int cell) {
        const std::int16_t saved = board[cell];
        board[cell] = UnitCode(turn);
        int score = 0;
        if (CompletesLine(board, cell)) {
            score = Reference(1, 1);
        } else if (CountFreeCells(board) > 0) {
            const int reply = Best(board, -turn);
            score = reply > 0 ? -reply + 1 : reply < 0 ? -reply - 1 : 0;
        }
        board[cell] = saved;
        return score;
    }

    int Best(Board& board, Turn turn) {
        const auto known = memo_.find(board.cells);
        if (known != memo_.end()) {
            return known->second;
        }
        int best = -100;
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (CanPlace(board, cell)) {
                best = std::max(best, ScoreMove(board, turn, cell));
            }
        }
        memo_.emplace(board.cells, best);
        return best;
    }

private:
    std::map<decltype(Board::cells), int> memo_;
};

int ReferenceOf(const SolveResult& result) {
    switch (result.value) {
        case GameValue::Win:
            return Reference(1, result.plies);
        case GameValue::Loss:
            return Reference(-1, result.plies);
        default:
            return 0;
    }
}

QString Describe(const Endgame& endgame) {
    return RowsOf(endgame.board).join(QLatin1Char('/')) +
           (endgame.turn == kCircleTurn ? QStringLiteral(" o") : QStringLiteral(" x"));
}

}  // namespace

class SearchTest : public QObject {
    Q_OBJECT

private slots:
    // It should see the placeable cells and the cells that complete a line exactly as CanPlace
    // and CompletesLine do, on random boards of every density, with ◇, ■ and marked units.
    void bitBoardsFollowThePlacementAndLineRules_data() {
        QTest::addColumn<int>("emptyShare");
        QTest::addColumn<int>("highestCode");
        QTest::newRow("mostly empty, units only") << 80 << int{CrossUnit};
        QTest::newRow("half full, every code") << 50 << int{Block};
        QTest::newRow("nearly full, every code") << 15 << int{Block};
        QTest::newRow("nearly full, units only") << 10 << int{CrossUnit};
    }
    void bitBoardsFollowThePlacementAndLineRules() {
        QFETCH(int, emptyShare);
        QFETCH(int, highestCode);
        std::mt19937 engine(static_cast<unsigned>(emptyShare * 10 + highestCode));
        auto draw = [&](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(engine);
        };
        for (int round = 0; round < kRandomBoards; ++round) {
            Board board;
            for (std::int16_t& code : board.cells) {
                code = static_cast<std::int16_t>(draw(1, 100) <= emptyShare ? Empty
                                                                            : draw(1, highestCode));
            }
            const search::Position position = search::Position::Of(board, kCircleTurn);
            const search::Bits legal = position.Legal();
            for (int cell = 0; cell < kCellCount; ++cell) {
                const int bit = search::BitOfCell(cell);
                QCOMPARE(search::Has(legal, bit), CanPlace(board, cell));
                QCOMPARE(search::Has(position.FreeCells(), bit), board[cell] < CircleUnit);
                for (const Turn turn : {kCircleTurn, kCrossTurn}) {
                    const search::Bits units =
                        turn == kCircleTurn ? position.mover : position.other;
                    Board trial = board;
                    trial[cell] = UnitCode(turn);
                    if (search::Has(search::WinningCells(units), bit) !=
                        CompletesLine(trial, cell)) {
                        QFAIL(qPrintable(RowsOf(trial).join(QLatin1Char('/'))));
                    }
                }
            }
        }
    }

    // It should find the value, the plies to the end and every best cell that an exhaustive
    // minimax finds, on endgames with up to ten free cells.
    void solverAgreesWithExhaustiveMinimax_data() {
        QTest::addColumn<bool>("terrain");
        QTest::addColumn<int>("mostFree");
        QTest::newRow("columns only, up to 6 free") << false << 6;
        QTest::newRow("columns only, up to 10 free") << false << 10;
        QTest::newRow("◇ and ■, up to 6 free") << true << 6;
        QTest::newRow("◇ and ■, up to 10 free") << true << 10;
    }
    void solverAgreesWithExhaustiveMinimax() {
        QFETCH(bool, terrain);
        QFETCH(int, mostFree);
        EndgameMaker maker(static_cast<unsigned>(mostFree + (terrain ? 100 : 0)));
        SearchEngine engine;
        std::map<GameValue, int> values;
        for (int round = 0; round < kEndgamesPerRow; ++round) {
            std::optional<Endgame> made = maker.Next(1 + round % mostFree, terrain);
            QVERIFY(made.has_value());
            Endgame& endgame = *made;
            const auto solved = engine.Solve(endgame.board, endgame.turn, kAmpleTime, YieldHook());
            QVERIFY(solved.has_value());
            ++values[solved->value];

            Minimax minimax;
            QList<int> best;
            int bestScore = -100;
            for (int cell = 0; cell < kCellCount; ++cell) {
                if (!CanPlace(endgame.board, cell)) {
                    continue;
                }
                const int score = minimax.ScoreMove(endgame.board, endgame.turn, cell);
                if (score > bestScore) {
                    best.clear();
                    bestScore = score;
                }
                if (score == bestScore) {
                    best << cell;
                }
            }
            const QString where = Describe(endgame);
            QVERIFY2(ReferenceOf(*solved) == bestScore, qPrintable(where));
            QVERIFY2(ToList(solved->best) == best, qPrintable(where));
            if (solved->value == GameValue::Draw) {
                QCOMPARE(solved->plies, CountFreeCells(endgame.board));
            }
        }
        QVERIFY(values[GameValue::Win] > 0 && values[GameValue::Loss] > 0);
        QCOMPARE(values[GameValue::Unknown], 0);
    }

    // It should solve a board that holds a line, or has no free cell, as a finished game: the
    // value it shows, in 0 plies, and no cell to play.
    void finishedBoardsKeepTheirValue_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("turn");
        QTest::addColumn<GameValue>("value");
        QTest::newRow("the opponent's line")
            << QStringList{"xxxx...."} << kCircleTurn << GameValue::Loss;
        QTest::newRow("the side to move's own line")
            << QStringList{"xxxx...."} << kCrossTurn << GameValue::Win;
        QTest::newRow("both lines: the opponent's counts")
            << QStringList{"oooo....", "xxxx####"} << kCrossTurn << GameValue::Loss;
        QTest::newRow("no free cell")
            << QStringList{"########", "########", "########", "########", "########", "########",
                           "########", "########", "########", "########", "########", "########"}
            << kCircleTurn << GameValue::Draw;
    }
    void finishedBoardsKeepTheirValue() {
        QFETCH(QStringList, rows);
        QFETCH(int, turn);
        QFETCH(GameValue, value);
        const Board board = BoardFromRows(rows);
        const auto solved = SolvePosition(board, turn, kAmpleTime, YieldHook());
        QVERIFY(solved.has_value());
        QCOMPARE(solved->value, value);
        QCOMPARE(solved->plies, 0);
        QVERIFY(solved->best.Empty());
    }

    // It should play on a layout that already holds a line as the game judges it: that line
    // wins nothing, a unit extending it to five wins at once (and must be blocked), and a game
    // of MASTER against itself reaches its end with a placeable cell at every move.
    void readyMadeLinesArePlayedOn_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("turn");
        QTest::addColumn<QList<int>>("firstCells");  // empty: any placeable cell
        QTest::newRow("○ on the bottom row, ○ extends to five")
            << QStringList{"oooo...."} << kCircleTurn << Cells({{5, 12}});
        QTest::newRow("○ on the bottom row, × blocks the fifth")
            << QStringList{"oooo...."} << kCrossTurn << Cells({{5, 12}});
        QTest::newRow("× on the bottom row, walled in")
            << QStringList{"#xxxx#.."} << kCircleTurn << QList<int>{};
        QTest::newRow("× up a column")
            << QStringList{"x.......", "x.......", "x.......", "x......."} << kCrossTurn
            << QList<int>{};
        QTest::newRow("○ on a diagonal higher up")
            << QStringList{"...o....", "..o#....", ".o##....", "o###....", "####...."}
            << kCircleTurn << QList<int>{};
        QTest::newRow("both sides' lines, ○ walled in")
            << QStringList{"#oooo#..", "xxxx#..."} << kCrossTurn << QList<int>{};
    }
    void readyMadeLinesArePlayedOn() {
        QFETCH(QStringList, rows);
        QFETCH(int, turn);
        QFETCH(QList<int>, firstCells);
        Board board = BoardFromRows(rows);
        SearchEngine engine;
        const SearchBudget budget = SearchBudget::Nodes(2000);
        for (int move = 0; move < kCellCount; ++move, turn = -turn) {
            const auto searched = engine.Search(board, turn, budget, YieldHook());
            QVERIFY(searched.has_value());
            QVERIFY2(searched->cell != kNoCell && CanPlace(board, searched->cell),
                     qPrintable(QString::number(searched->cell)));
            if (move == 0 && !firstCells.isEmpty()) {
                QVERIFY(firstCells.contains(searched->cell));
            }
            board[searched->cell] = UnitCode(turn);
            if (JudgePlacement(board, searched->cell) != Outcome::Continue) {
                return;
            }
        }
        QFAIL("the game did not end");
    }

    // It should take a winning cell before anything else, block the opponent's one winning
    // cell, and never play under a cell where the opponent would win.
    void searchPlaysTheForcedMoves_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("turn");
        QTest::addColumn<QList<int>>("cells");
        QTest::addColumn<bool>("proven");
        QTest::newRow("its own win beats the block")
            << QStringList{"x.......", "x.....oo", "x..#.ooo"} << kCrossTurn << Cells({{1, 9}})
            << true;
        QTest::newRow("the block of the opponent's row")
            << QStringList{"o.......", "o.......", "xxx....o"} << kCircleTurn << Cells({{4, 12}})
            << false;
        QTest::newRow("the block in a ◇ high up")
            << QStringList{"...d....", "..x.....", ".x......", "x......o", "#.....oo"}
            << kCircleTurn << Cells({{4, 8}}) << false;
        QTest::newRow("not under the opponent's winning cell")
            << QStringList{"xxx.#...", "oox.#..."} << kCircleTurn
            << Cells({{1, 10}, {2, 10}, {3, 10}, {5, 10}, {6, 12}, {7, 12}, {8, 12}}) << false;
    }
    void searchPlaysTheForcedMoves() {
        QFETCH(QStringList, rows);
        QFETCH(int, turn);
        QFETCH(QList<int>, cells);
        QFETCH(bool, proven);
        const Board board = BoardFromRows(rows);
        const auto result = SearchBestMove(board, turn, SearchBudget::Nodes(50000), YieldHook());
        QVERIFY(result.has_value());
        QVERIFY2(cells.contains(result->cell), qPrintable(QString::number(result->cell)));
        QCOMPARE(result->completed, proven);
    }

    // It should tell the yield hook of every table entry it clears and of every position it
    // visits, a few thousand at a time, and, when the hook answers false, stop at once and
    // return nothing: while a new engine clears its table, or in the search.
    void yieldHookCanAbandonTheSearch_data() {
        QTest::addColumn<bool>("solve");
        QTest::addColumn<int>("allowed");
        constexpr int kClearing = 1 << search::TranspositionTable::kSlotBits;
        constexpr int kCheck = static_cast<int>(search::kNodesPerCheck);
        QTest::newRow("search, at the first step") << false << 0;
        QTest::newRow("search, at the third check") << false << kClearing + 2 * kCheck;
        QTest::newRow("solve, at the first step") << true << 0;
        QTest::newRow("solve, at the fifth check") << true << kClearing + 4 * kCheck;
    }
    void yieldHookCanAbandonTheSearch() {
        QFETCH(bool, solve);
        QFETCH(int, allowed);
        const Board board = BoardFromRows({"...o....", "..xxo..."});
        YieldRecorder recorder(allowed);
        const bool answered =
            solve ? SolvePosition(board, kCircleTurn, kAmpleTime, recorder.Hook()).has_value()
                  : SearchBestMove(board, kCircleTurn, SearchBudget::Nodes(1'000'000),
                                   recorder.Hook())
                        .has_value();
        QVERIFY(!answered);
        QCOMPARE(recorder.Calls(), allowed + 1);
    }

    // It should, on a node budget, give the same result every time, whatever the engine
    // searched before; and on a time budget stop without a proof.
    void budgets() {
        const Board board = BoardFromRows({"...o....", "..xxo..."});
        const SearchBudget budget = SearchBudget::Nodes(200'000);
        const auto fresh = SearchBestMove(board, kCircleTurn, budget, YieldHook());
        SearchEngine engine;
        QVERIFY(engine.Search(Board{}, kCrossTurn, budget, YieldHook()).has_value());
        const auto reused = engine.Search(board, kCircleTurn, budget, YieldHook());
        QVERIFY(fresh && reused);
        QCOMPARE(reused->nodes, budget.nodes);
        QCOMPARE(reused->cell, fresh->cell);
        QCOMPARE(reused->score, fresh->score);
        QCOMPARE(reused->depth, fresh->depth);
        QVERIFY(fresh->depth > 4);

        const auto timed = engine.Search(
            Board{}, kCircleTurn, SearchBudget::Time(std::chrono::milliseconds(50)), YieldHook());
        QVERIFY(timed.has_value());
        QVERIFY(!timed->completed && timed->depth > 0);
        QVERIFY(CanPlace(Board{}, timed->cell));
    }
};

QTEST_APPLESS_MAIN(SearchTest)
#include "test_search.moc"
