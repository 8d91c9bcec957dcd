#include <QTest>
#include <algorithm>
#include <future>
#include <map>
#include <random>
#include <stop_token>
#include <unordered_map>
#include <vector>

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
constexpr int kLargePositions = 4;
#else
constexpr int kRandomBoards = 1500;
constexpr int kEndgamesPerRow = 100;
constexpr int kLargePositions = 6;
#endif

constexpr std::chrono::milliseconds kAmpleTime{60000};

// A game's value for the side to move written as one number: a win in p plies is 100 - p, a
// loss in p plies p - 100, a draw 0; so the best move has the highest number.
int Reference(int value, int plies) { return value == 0 ? 0 : value * (100 - plies); }

// The plain exhaustive negamax over the rules engine itself: every placeable cell in cell order,
// judged with CompletesLine as in play (a line wins before a full board draws), searched to the
// end with alpha-beta and nothing else: no move ordering, no forced moves, no threats. A score
// is 1 + the free cells left after the winning move for the winner, its negation for the
// loser, 0 for a draw, so a parent's score is the negation of its child's. The bounds each
// search proves are remembered by what the free cells of the start hold now (the side to move
// follows).
class ExhaustiveNegamax {
public:
    explicit ExhaustiveNegamax(const Board& start) {
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (start[cell] == Empty || start[cell] == Hollow) {
                freeCells_.push_back(cell);
            }
        }
        Q_ASSERT(freeCells_.size() <= 32);  // two bits each in a 64-bit key
    }

    const std::vector<int>& FreeCells() const { return freeCells_; }

    // The exact score of the move into cell for turn with `free` free cells.
    int ScoreMove(Board& board, Turn turn, int cell, int free) {
        return ScoreMove(board, turn, cell, free, -kBeyond, kBeyond);
    }

private:
    static constexpr int kBeyond = 1000;

    int ScoreMove(Board& board, Turn turn, int cell, int free, int alpha, int beta) {
        const std::int16_t saved = board[cell];
        board[cell] = UnitCode(turn);
        int score = 0;
        if (CompletesLine(board, cell)) {
            score = free;  // 1 + the free cells left
        } else if (free > 1) {
            score = -Search(board, -turn, free - 1, -beta, -alpha);
        }
        board[cell] = saved;
        return score;
    }

    int Search(Board& board, Turn turn, int free, int alpha, int beta) {
        const std::uint64_t key = KeyOf(board);
        Bounds& known = memo_.try_emplace(key, Bounds{-kBeyond, kBeyond}).first->second;
        if (known.lowest >= beta || known.lowest == known.highest) {
            return known.lowest;
        }
        if (known.highest <= alpha) {
            return known.highest;
        }
        alpha = std::max(alpha, known.lowest);
        beta = std::min(beta, known.highest);
        int best = -kBeyond;
        for (const int cell : freeCells_) {
            if (CanPlace(board, cell)) {
                best =
                    std::max(best, ScoreMove(board, turn, cell, free, std::max(alpha, best), beta));
                if (best >= beta) {
                    break;
                }
            }
        }
        // The map may have grown meanwhile: the entry is looked up again.
        Bounds& bounds = memo_[key];
        if (best > alpha) {
            bounds.lowest = best;
        }
        if (best < beta) {
            bounds.highest = best;
        }
        return best;
    }

    std::uint64_t KeyOf(const Board& board) const {
        std::uint64_t key = 0;
        for (const int cell : freeCells_) {
            const std::int16_t code = board[cell];
            key = key << 2 | (code == CircleUnit ? 1 : code == CrossUnit ? 2 : 0);
        }
        return key;
    }

    // What is known of a position's score: lowest <= score <= highest.
    struct Bounds {
        int lowest;
        int highest;
    };

    std::vector<int> freeCells_;
    std::unordered_map<std::uint64_t, Bounds> memo_;
};

// What a solve should answer, worked out from every root cell's exhaustive score.
struct ExpectedSolve {
    int score = -100;    // as Reference
    QList<int> best;     // the cells keeping the value
    QList<int> fastest;  // the cells keeping the score
};

ExpectedSolve SolveExhaustively(Board board, Turn turn) {
    ExhaustiveNegamax negamax(board);
    const int free = static_cast<int>(negamax.FreeCells().size());
    QList<std::pair<int, int>> scores;
    ExpectedSolve expected;
    for (const int cell : negamax.FreeCells()) {
        if (CanPlace(board, cell)) {
            // From "1 + free cells left after the win" to Reference's plies from here.
            const int score = negamax.ScoreMove(board, turn, cell, free);
            const int plies = free + 1 - std::abs(score);
            const int reference = score > 0   ? Reference(1, plies)
                                  : score < 0 ? Reference(-1, plies)
                                              : 0;
            scores.append({cell, reference});
            expected.score = std::max(expected.score, reference);
        }
    }
    const auto sign = [](int score) { return (score > 0) - (score < 0); };
    for (const auto& [cell, score] : scores) {
        if (sign(score) == sign(expected.score)) {
            expected.best << cell;
        }
        if (score == expected.score) {
            expected.fastest << cell;
        }
    }
    return expected;
}

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

// The kinds of generated positions the solver is checked on.
enum class Generated { Endgame, TerrainEndgame, Classic, TerrainPlayed };

std::optional<Endgame> Generate(Generated kind, int free, EndgameMaker& endgames,
                                PlayedPositionMaker& played) {
    static const Board kClassic = ClassicBoard();
    static const Board kTerrain =
        BoardFromRows({"########", "########", "########", "########", "########", "#..d.#..",
                       "d..#..d.", "...#...#", "#.d....d", "........", "..#..d..", "........"});
    switch (kind) {
        case Generated::Endgame:
            return endgames.Next(free, false);
        case Generated::TerrainEndgame:
            return endgames.Next(free, true);
        case Generated::Classic:
            return played.Next(kClassic, CountFreeCells(kClassic) - free);
        case Generated::TerrainPlayed:
            return played.Next(kTerrain, CountFreeCells(kTerrain) - free);
    }
    return std::nullopt;
}

QString Describe(const Endgame& endgame) {
    return RowsOf(endgame.board).join(QLatin1Char('/')) +
           (endgame.turn == kCircleTurn ? QStringLiteral(" o") : QStringLiteral(" x"));
}

// The classic 7 × 6 game inside the board: the six rows given (top first, seven cells and a ■
// each) under six rows of ■.
QStringList ClassicRows(const QStringList& rows) {
    return QStringList(6, QStringLiteral("########")) + rows;
}

}  // namespace

Q_DECLARE_METATYPE(Generated)

class SearchTest : public QObject {
    Q_OBJECT

private slots:
    // It should see the placeable cells and the cells that complete a line exactly as CanPlace
    // and CompletesLine do, on random boards of every density, with ◇, ■ and marked units; the
    // winning cells a unit adds, found round its cell, should be the whole board's.
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
                    const search::Bits wins = search::WinningCells(units);
                    QVERIFY(search::WinningCellsWith(units, wins, bit) ==
                            search::WinningCells(units | search::One(bit)));
                }
            }
        }
    }

    // It should find the value, the plies to the end, every cell keeping the value and every
    // cell keeping the exact score that a plain exhaustive negamax finds, on generated
    // positions: endgames with up to ten free cells, and, with 20 or more free cells, the
    // classic 7 × 6 game inside the board and 8 × 12 games with ◇ and ■.
    void solverAgreesWithExhaustiveNegamax_data() {
        QTest::addColumn<Generated>("kind");
        QTest::addColumn<int>("fewestFree");
        QTest::addColumn<int>("mostFree");
        QTest::addColumn<int>("positions");
        QTest::newRow("endgames in columns, 1 to 6 free")
            << Generated::Endgame << 1 << 6 << kEndgamesPerRow;
        QTest::newRow("endgames in columns, 1 to 10 free")
            << Generated::Endgame << 1 << 10 << kEndgamesPerRow;
        QTest::newRow("endgames with ◇ and ■, 1 to 6 free")
            << Generated::TerrainEndgame << 1 << 6 << kEndgamesPerRow;
        QTest::newRow("endgames with ◇ and ■, 1 to 10 free")
            << Generated::TerrainEndgame << 1 << 10 << kEndgamesPerRow;
        QTest::newRow("classic 7 × 6, 20 free")
            << Generated::Classic << 20 << 20 << kLargePositions;
        QTest::newRow("8 × 12 with ◇ and ■, 20 free")
            << Generated::TerrainPlayed << 20 << 20 << kLargePositions;
    }
    void solverAgreesWithExhaustiveNegamax() {
        QFETCH(Generated, kind);
        QFETCH(int, fewestFree);
        QFETCH(int, mostFree);
        QFETCH(int, positions);
        const auto seed = static_cast<unsigned>(kind) * 100 + static_cast<unsigned>(mostFree);
        EndgameMaker endgames(seed);
        PlayedPositionMaker played(seed);
        SearchEngine engine;
        std::map<GameValue, int> values;
        for (int round = 0; round < positions; ++round) {
            const int free = fewestFree + round % (mostFree - fewestFree + 1);
            const std::optional<Endgame> made = Generate(kind, free, endgames, played);
            QVERIFY(made.has_value());
            const auto solved = engine.Solve(made->board, made->turn, kAmpleTime);
            QVERIFY(solved.has_value());
            ++values[solved->value];

            const ExpectedSolve expected = SolveExhaustively(made->board, made->turn);
            const QString where = Describe(*made);
            QVERIFY2(ReferenceOf(*solved) == expected.score, qPrintable(where));
            QVERIFY2(ToList(solved->best) == expected.best, qPrintable(where));
            QVERIFY2(ToList(solved->fastest) == expected.fastest, qPrintable(where));
            if (solved->value == GameValue::Draw) {
                QCOMPARE(solved->plies, CountFreeCells(made->board));
            }
        }
        QVERIFY(values[GameValue::Win] > 0 && values[GameValue::Loss] > 0);
        QCOMPARE(values[GameValue::Unknown], 0);
    }

    // It should score every placeable cell as the exhaustive negamax does once its passes reach
    // the end of the game, and a decisive score found before the end should prove the value,
    // the game ending within as many plies as it says (a shorter way may lie beyond the last
    // pass): on endgames searched until every cell is proven, and cut short.
    void cellScoresProveWhatTheySay_data() {
        QTest::addColumn<Generated>("kind");
        QTest::addColumn<int>("nodes");
        QTest::addColumn<bool>("proven");  // every cell proven
        QTest::newRow("endgames in columns, proven") << Generated::Endgame << 10'000'000 << true;
        QTest::newRow("endgames with ◇ and ■, proven")
            << Generated::TerrainEndgame << 10'000'000 << true;
        QTest::newRow("endgames in columns, cut short") << Generated::Endgame << 400 << false;
        QTest::newRow("endgames with ◇ and ■, cut short")
            << Generated::TerrainEndgame << 400 << false;
    }
    void cellScoresProveWhatTheySay() {
        QFETCH(Generated, kind);
        QFETCH(int, nodes);
        QFETCH(bool, proven);
        EndgameMaker endgames(static_cast<unsigned>(kind) + 7);
        PlayedPositionMaker played(0);
        SearchEngine engine;
        std::map<QString, int> seen;  // exact, bounded, unproven
        for (int round = 0; round < kEndgamesPerRow; ++round) {
            const int free = 6 + round % 5;
            const std::optional<Endgame> made = Generate(kind, free, endgames, played);
            QVERIFY(made.has_value());
            const auto scored =
                engine.ScoreCells(made->board, made->turn, SearchBudget::Nodes(nodes));
            QVERIFY(scored.has_value());
            QVERIFY(scored->depth > 0);
            Board board = made->board;
            ExhaustiveNegamax negamax(board);
            QList<int> placeable;
            for (const int cell : negamax.FreeCells()) {
                if (CanPlace(board, cell)) {
                    placeable << cell;
                }
            }
            QCOMPARE(ToList(scored->cells), placeable);
            const QString where = Describe(*made);
            for (int k = 0; k < scored->cells.Size(); ++k) {
                const int score = scored->scores[static_cast<std::size_t>(k)];
                // The exhaustive score is 1 + the free cells left after the winning move.
                const int exhaustive = negamax.ScoreMove(board, made->turn, scored->cells[k], free);
                const int expected = exhaustive > 0   ? kWinScore + exhaustive - 1
                                     : exhaustive < 0 ? -(kWinScore - exhaustive - 1)
                                                      : 0;
                if (scored->depth >= free) {
                    ++seen[QStringLiteral("exact")];
                    QVERIFY2(score == expected, qPrintable(where));
                } else if (IsDecisive(score)) {
                    ++seen[QStringLiteral("bounded")];
                    QVERIFY2(score > 0 ? expected >= score : expected <= score, qPrintable(where));
                } else {
                    ++seen[QStringLiteral("unproven")];
                }
            }
        }
        QVERIFY(seen[QStringLiteral("bounded")] > 0);
        QCOMPARE(seen[QStringLiteral("unproven")] == 0, proven);
    }

    // It should prove the shortest forced win, not the first one a shallow search meets: in this
    // classic game (columns 4 4 3 5 6 1 2 7 3 5 5 3 1 4 5 7 1 5 5 1 4 3 6 3 3) × wins in 9.
    void solverFindsTheFastestWin() {
        const Board board =
            BoardFromRows({"########", "########", "########", "########", "########", "########",
                           "..o.o..#", "..x.x..#", "x.xoo..#", "o.xxo..#", "o.oxxox#", "xoooxox#"});
        const auto solved = SolvePosition(board, kCrossTurn, kAmpleTime);
        QVERIFY(solved.has_value());
        QCOMPARE(solved->value, GameValue::Win);
        QCOMPARE(solved->plies, 9);
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
        const auto solved = SolvePosition(board, turn, kAmpleTime);
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
            const auto searched = engine.Search(board, turn, budget);
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
        const auto result = SearchBestMove(board, turn, SearchBudget::Nodes(50000));
        QVERIFY(result.has_value());
        QVERIFY2(cells.contains(result->cell), qPrintable(QString::number(result->cell)));
        QCOMPARE(result->completed, proven);
    }

    // In classic openings won by a zugzwang far beyond its horizon, MASTER should still play a
    // cell that keeps the win, as the solver proves it.
    void masterKeepsTheOpeningWin_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("turn");
        const QString empty = QStringLiteral(".......#");
        QTest::newRow("○, 12 units")
            << ClassicRows({empty, empty, empty, "..x...x#", "x.o.o.o#", "o.xooxx#"})
            << kCircleTurn;
        QTest::newRow("×, 11 units")
            << ClassicRows({empty, empty, empty, ".....o.#", "xxo..x.#", "ooxoox.#"}) << kCrossTurn;
        QTest::newRow("○, 10 units")
            << ClassicRows({empty, empty, empty, empty, "..ooox.#", "o.xxoxx#"}) << kCircleTurn;
    }
    void masterKeepsTheOpeningWin() {
        QFETCH(QStringList, rows);
        QFETCH(int, turn);
        const Board board = BoardFromRows(rows);
        SearchEngine engine;
        const auto solved = engine.Solve(board, turn, kAmpleTime);
        const auto move = engine.Search(board, turn, SearchBudget::Nodes(300'000));
        QVERIFY(solved && move);
        QCOMPARE(solved->value, GameValue::Win);
        QVERIFY2(std::ranges::find(solved->best, move->cell) != solved->best.end(),
                 qPrintable(QString::number(move->cell)));
    }

    // It should stop once its stop token says so and return nothing, whether the stop was
    // asked for before it began or while it runs. A new engine is ready at once: its table needs
    // no clearing.
    void stopTokenCallsTheSearchOff_data() {
        QTest::addColumn<bool>("solve");
        QTest::addColumn<bool>("whileRunning");
        QTest::newRow("search, asked before") << false << false;
        QTest::newRow("search, asked while it runs") << false << true;
        QTest::newRow("solve, asked before") << true << false;
        QTest::newRow("solve, asked while it runs") << true << true;
    }
    void stopTokenCallsTheSearchOff() {
        QFETCH(bool, solve);
        QFETCH(bool, whileRunning);
        // On the empty board neither ends on its own within twice the wait.
        static constexpr std::chrono::seconds kWait{10};
        std::stop_source source;
        if (!whileRunning) {
            source.request_stop();
        }
        std::promise<void> started;
        std::future<bool> answered = std::async(std::launch::async, [&started, solve,
                                                                     stop = source.get_token()] {
            started.set_value();
            return solve ? SolvePosition(Board{}, kCircleTurn, 2 * kWait, stop).has_value()
                         : SearchBestMove(Board{}, kCircleTurn, SearchBudget::Time(2 * kWait), stop)
                               .has_value();
        });
        QVERIFY(started.get_future().wait_for(kWait) == std::future_status::ready);
        source.request_stop();
        QVERIFY(answered.wait_for(kWait) == std::future_status::ready);
        QVERIFY(!answered.get());
    }

    // It should, on a node budget, give the same result every time, whatever the engine
    // searched before; and on a time budget stop without a proof.
    void budgets() {
        const Board board = BoardFromRows({"...o....", "..xxo..."});
        const SearchBudget budget = SearchBudget::Nodes(200'000);
        const auto fresh = SearchBestMove(board, kCircleTurn, budget);
        SearchEngine engine;
        QVERIFY(engine.Search(Board{}, kCrossTurn, budget).has_value());
        const auto reused = engine.Search(board, kCircleTurn, budget);
        QVERIFY(fresh && reused);
        QCOMPARE(reused->nodes, budget.nodes);
        QCOMPARE(reused->cell, fresh->cell);
        QCOMPARE(reused->score, fresh->score);
        QCOMPARE(reused->depth, fresh->depth);
        QVERIFY(fresh->depth > 4);

        const auto timed =
            engine.Search(Board{}, kCircleTurn, SearchBudget::Time(std::chrono::milliseconds(50)));
        QVERIFY(timed.has_value());
        QVERIFY(!timed->completed && timed->depth > 0);
        QVERIFY(CanPlace(Board{}, timed->cell));
    }
};

QTEST_APPLESS_MAIN(SearchTest)
#include "test_search.moc"
