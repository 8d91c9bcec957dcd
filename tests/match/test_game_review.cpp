#include <QTest>
#include <chrono>

#include "match/model/review_worker.h"
#include "tests/rules/board_text.h"

using namespace morvane;
using morvane::testing::BoardFromRows;

namespace {

using std::chrono::milliseconds;

// Long enough for any position of the small boards below; a proof there takes a fraction of it.
constexpr milliseconds kAmpleBudget{20'000};

// Five columns by four rows at the bottom left, every other cell ■: twenty free cells, a draw
// for ○ moving first, and few enough to prove any position of it fast.
Board SmallPit() {
    QStringList rows(kRows - 4, QStringLiteral("########"));
    rows << QStringList(4, QStringLiteral(".....###"));
    return BoardFromRows(rows);
}

SavedGame GameOf(const Board& layout, const std::vector<int>& moves,
                 std::optional<GameEnd> end = std::nullopt) {
    SavedGame game;
    game.layout = layout;
    game.moves = moves;
    game.end = end;
    return game;
}

// A verdict a letter: W kept the win, D threw it to a draw, L threw it to a loss, T threw the
// draw, k kept a draw or a loss, ? unproven.
QString Letters(const std::vector<ReviewedMove>& moves) {
    QString letters;
    for (const ReviewedMove& move : moves) {
        letters += QStringLiteral("WDLTk?")[static_cast<int>(move.verdict)];
    }
    return letters;
}

// Answers every question of the review in turn, on this thread.
void SolveAll(GameReview& review, milliseconds budget) {
    SearchEngine engine;
    while (const std::optional<ReviewJob> job = review.NextJob()) {
        review.Record(*job, *SolveJob(engine, *job, budget));
    }
}

// ○ and × keep the draw until × lets ○ put three in the bottom row with both ends open (ply
// 4); ○ takes the double threat and wins at ply 7.
const std::vector<int> kDrawThrownThenWon{89, 81, 91, 73, 90, 65, 88};

}  // namespace

class GameReviewTest : public QObject {
    Q_OBJECT

private slots:
    // It should name what a move did from the mover's value before and after it.
    void verdictComparesTheValues_data() {
        QTest::addColumn<GameValue>("before");
        QTest::addColumn<GameValue>("after");
        QTest::addColumn<Verdict>("verdict");
        QTest::newRow("win kept") << GameValue::Win << GameValue::Win << Verdict::KeptWin;
        QTest::newRow("win to draw")
            << GameValue::Win << GameValue::Draw << Verdict::ThrewWinToDraw;
        QTest::newRow("win to loss")
            << GameValue::Win << GameValue::Loss << Verdict::ThrewWinToLoss;
        QTest::newRow("draw to loss") << GameValue::Draw << GameValue::Loss << Verdict::ThrewDraw;
        QTest::newRow("draw kept") << GameValue::Draw << GameValue::Draw << Verdict::Kept;
        QTest::newRow("loss kept") << GameValue::Loss << GameValue::Loss << Verdict::Kept;
        QTest::newRow("before unknown")
            << GameValue::Unknown << GameValue::Win << Verdict::Unproven;
        QTest::newRow("after unknown") << GameValue::Win << GameValue::Unknown << Verdict::Unproven;
    }
    void verdictComparesTheValues() {
        QFETCH(GameValue, before);
        QFETCH(GameValue, after);
        QFETCH(Verdict, verdict);
        QCOMPARE(VerdictOf(before, after), verdict);
    }

    // It should give every move its verdict and mark the last one that threw a win or a draw
    // away; where the budget cannot prove a position, the moves around it stay unproven.
    void reviewFindsTheVerdictsAndTheDecidingMove_data() {
        QTest::addColumn<SavedGame>("game");
        QTest::addColumn<int>("budget");
        QTest::addColumn<QString>("verdicts");
        QTest::addColumn<int>("deciding");
        QTest::newRow("× throws the draw, ○ keeps its win")
            << GameOf(SmallPit(), kDrawThrownThenWon, GameEnd::CircleWins)
            << int(kAmpleBudget.count()) << "kkkTWkW" << 3;
        QTest::newRow("○ throws its win to a draw, the board fills")
            << GameOf(SmallPit(), {89, 81, 91, 73, 65, 90, 82, 74, 88, 66,
                                   80, 72, 64, 83, 75, 67, 92, 84, 76, 68},
                      GameEnd::Draw)
            << int(kAmpleBudget.count()) << "kkkTD" + QString(15, u'k') << 4;
        QTest::newRow("○ throws its win to a loss, × wins with the last cell")
            << GameOf(SmallPit(), {89, 81, 91, 73, 88, 90, 80, 65, 72, 64,
                                   82, 83, 74, 66, 92, 84, 76, 68, 75, 67},
                      GameEnd::CrossWins)
            << int(kAmpleBudget.count()) << "kkkTL" + QString("Wk").repeated(7) + "W" << 4;
        QTest::newRow("an open board in a millisecond a position")
            << GameOf(Board{}, {CellIndex(4, kRows), CellIndex(5, kRows)}) << 1 << "??" << -1;
    }
    void reviewFindsTheVerdictsAndTheDecidingMove() {
        QFETCH(SavedGame, game);
        QFETCH(int, budget);
        QFETCH(QString, verdicts);
        QFETCH(int, deciding);
        GameReview review(game);
        SolveAll(review, milliseconds(budget));
        QCOMPARE(review.PositionsDone(), review.PositionCount());
        const std::vector<ReviewedMove> moves = review.Moves();
        QCOMPARE(Letters(moves), verdicts);
        QCOMPARE(DecidingMove(moves).value_or(-1), deciding);
    }

    // It should count a move proven to win as kept the win, though the position before it was
    // not proven in time: the move itself proves it.
    void aWinningMoveProvesTheWinBeforeIt() {
        GameReview review(GameOf(SmallPit(), kDrawThrownThenWon, GameEnd::CircleWins));
        // Position 4 ran out of time; ○'s move from it left × lost in two.
        ReviewJob job;
        job.position = 4;
        review.Record(job, ReviewValue{});
        job.position = 5;
        review.Record(job, ReviewValue{GameValue::Loss, 2});
        const ReviewedMove move = review.Moves()[4];
        QCOMPARE(move.before, (ReviewValue{GameValue::Win, 3}));
        QCOMPARE(move.verdict, Verdict::KeptWin);
        QVERIFY(!move.pending);
        QVERIFY(review.Moves()[3].pending);
    }

    // It should value every placeable cell of the position looked at for the side to move
    // there, with the plies to the end counted from before the move; none once the game is over.
    void focusValuesEveryPlaceableCell_data() {
        QTest::addColumn<int>("plies");
        QTest::addColumn<QList<int>>("cells");
        QTest::addColumn<QList<GameValue>>("values");
        QTest::addColumn<QList<int>>("distances");
        const GameValue win = GameValue::Win;
        const GameValue draw = GameValue::Draw;
        const GameValue loss = GameValue::Loss;
        QTest::newRow("after ×'s mistake: one cell wins in 3")
            << 4 << QList<int>{65, 83, 88, 90, 92} << QList<GameValue>{draw, draw, loss, win, loss}
            << QList<int>{16, 16, 16, 3, 16};
        QTest::newRow("the end of the game")
            << int(kDrawThrownThenWon.size()) << QList<int>{} << QList<GameValue>{} << QList<int>{};
    }
    void focusValuesEveryPlaceableCell() {
        QFETCH(int, plies);
        QFETCH(QList<int>, cells);
        QFETCH(QList<GameValue>, values);
        QFETCH(QList<int>, distances);
        GameReview review(GameOf(SmallPit(), kDrawThrownThenWon, GameEnd::CircleWins));
        review.Focus(plies);
        // Answer the position's own cells only: the first questions are theirs.
        SearchEngine engine;
        const auto forThisPosition = [plies](const ReviewJob& job) {
            return job.cell != kNoCell ? job.position == plies : job.position == plies + 1;
        };
        for (std::optional<ReviewJob> job = review.NextJob(); job && forThisPosition(*job);
             job = review.NextJob()) {
            review.Record(*job, *SolveJob(engine, *job, kAmpleBudget));
        }
        QList<int> shownCells;
        QList<GameValue> shownValues;
        QList<int> shownDistances;
        for (const CellReview& cell : review.Cells(plies)) {
            QVERIFY(!cell.pending);
            shownCells << cell.cell;
            shownValues << cell.value.value;
            shownDistances << cell.value.plies;
        }
        QCOMPARE(shownCells, cells);
        QCOMPARE(shownValues, values);
        QCOMPARE(shownDistances, distances);
        QVERIFY(review.PositionsDone() < review.PositionCount());
    }

    // On its own thread the review should come to the same verdicts, and the position looked at
    // gets its cells.
    void workerFinishesTheReview() {
        ReviewWorker worker(GameOf(SmallPit(), kDrawThrownThenWon, GameEnd::CircleWins),
                            kAmpleBudget);
        worker.Focus(4);
        QTRY_VERIFY_WITH_TIMEOUT(worker.Snapshot(4).finished, 60'000);
        const ReviewSnapshot snapshot = worker.Snapshot(4);
        QCOMPARE(Letters(snapshot.moves), "kkkTWkW");
        QCOMPARE(snapshot.decidingMove, std::optional(3));
        QCOMPARE(snapshot.positionsDone, snapshot.positionCount);
        QCOMPARE(snapshot.cells.size(), std::size_t{5});
    }

    // Stopping should end a solve in the middle, long before its hour's budget (else the test
    // runs out of time), and leave the review unfinished.
    void stopEndsTheWorkAtOnce() {
        ReviewWorker worker(GameOf(Board{}, {CellIndex(4, kRows)}), std::chrono::hours(1));
        worker.Stop();
        const ReviewSnapshot snapshot = worker.Snapshot(0);
        QVERIFY(!snapshot.finished);
        QCOMPARE(snapshot.positionsDone, 0);
    }
};

QTEST_GUILESS_MAIN(GameReviewTest)
#include "test_game_review.moc"
