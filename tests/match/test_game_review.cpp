#include <QTest>
#include <algorithm>
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
        review.Record(*job, *AnswerJob(engine, *job, budget));
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
        const std::optional<DecidingMove> found = FindDecidingMove(moves);
        QCOMPARE(found ? found->index : -1, deciding);
        QVERIFY(!found || !found->estimated);
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
        // Answer the questions about the position shown and its neighbours only: the first
        // questions are theirs.
        SearchEngine engine;
        const auto nearThisPosition = [plies](const ReviewJob& job) {
            return std::abs(job.position - plies) <= 1;
        };
        for (std::optional<ReviewJob> job = review.NextJob(); job && nearThisPosition(*job);
             job = review.NextJob()) {
            review.Record(*job, *AnswerJob(engine, *job, kAmpleBudget));
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

    // A move the solver did not judge should be graded by how much worse its cell scored than
    // the best cell, proven values scoring beyond every estimate; a proven move is not graded.
    void gradeFollowsTheLoss_data() {
        QTest::addColumn<Verdict>("verdict");
        QTest::addColumn<int>("best");
        QTest::addColumn<int>("played");
        QTest::addColumn<int>("grade");  // a Grade, or -1 for none
        constexpr int kFree = 40;
        const int winIn3 = *ScoreOfValue({GameValue::Win, 3}, kFree);
        const int winIn7 = *ScoreOfValue({GameValue::Win, 7}, kFree);
        const int lossIn4 = *ScoreOfValue({GameValue::Loss, 4}, kFree);
        const auto grade = [](Grade g) { return static_cast<int>(g); };
        const Verdict unproven = Verdict::Unproven;
        QTest::newRow("the best cell") << unproven << 40 << 40 << grade(Grade::Best);
        QTest::newRow("less than half a winning cell")
            << unproven << 40 << 29 << grade(Grade::Good);
        QTest::newRow("half a winning cell") << unproven << 40 << 28 << grade(Grade::Inaccuracy);
        QTest::newRow("a winning cell") << unproven << 40 << 16 << grade(Grade::Mistake);
        QTest::newRow("less than one on its row parity")
            << unproven << 40 << -15 << grade(Grade::Mistake);
        QTest::newRow("one on its row parity") << unproven << 40 << -16 << grade(Grade::Blunder);
        QTest::newRow("a proven win for an estimate")
            << unproven << winIn3 << 90 << grade(Grade::Blunder);
        QTest::newRow("a proven loss for an estimate")
            << unproven << -30 << lossIn4 << grade(Grade::Blunder);
        QTest::newRow("a slower proven win") << unproven << winIn3 << winIn7 << grade(Grade::Good);
        QTest::newRow("a proven verdict") << Verdict::ThrewDraw << 0 << lossIn4 << -1;
    }
    void gradeFollowsTheLoss() {
        QFETCH(Verdict, verdict);
        QFETCH(int, best);
        QFETCH(int, played);
        QFETCH(int, grade);
        ReviewedMove move;
        move.verdict = verdict;
        move.bestScore = best;
        move.playedScore = played;
        const std::optional<Grade> graded = GradeOf(move);
        QCOMPARE(graded ? static_cast<int>(*graded) : -1, grade);
    }

    // The deciding move should be the last that threw a proven value away; where none did, the
    // last whose played cell left its mover's standing below the best cell's by the estimate.
    // Each move here: a verdict letter as in Letters, the best and the played cell's scores.
    void decidingMoveIsTheLastChange_data() {
        QTest::addColumn<QString>("verdicts");
        QTest::addColumn<QList<int>>("scores");  // best and played, a pair a move
        QTest::addColumn<int>("deciding");       // -1 for none
        QTest::addColumn<bool>("estimated");
        QTest::newRow("level all along")
            << "???" << QList<int>{20, 20, 30, 10, 100, -100} << -1 << false;
        QTest::newRow("a clear advantage thrown away")
            << "???" << QList<int>{20, 20, 120, 100, 30, 30} << 1 << true;
        QTest::newRow("the last of two estimated changes")
            << "????" << QList<int>{0, -150, 150, 150, 40, -200, 200, 200} << 2 << true;
        QTest::newRow("a proven change before a later estimated one")
            << "T?k?" << QList<int>{0, -10000, 0, 0, 0, 0, 120, 0} << 0 << false;
    }
    void decidingMoveIsTheLastChange() {
        QFETCH(QString, verdicts);
        QFETCH(QList<int>, scores);
        QFETCH(int, deciding);
        QFETCH(bool, estimated);
        std::vector<ReviewedMove> moves(static_cast<std::size_t>(verdicts.size()));
        for (qsizetype k = 0; k < verdicts.size(); ++k) {
            ReviewedMove& move = moves[static_cast<std::size_t>(k)];
            move.verdict = static_cast<Verdict>(QStringLiteral("WDLTk?").indexOf(verdicts[k]));
            move.bestScore = scores[2 * k];
            move.playedScore = scores[2 * k + 1];
        }
        const std::optional<DecidingMove> found = FindDecidingMove(moves);
        QCOMPARE(found ? found->index : -1, deciding);
        QCOMPARE(found && found->estimated, estimated);
    }

    // The move list and the cell list should never disagree, however far the review has come:
    // a move's value is its played cell's, the same score grades it, and once every cell of a
    // position is proven the move from it is judged by them. A finished review leaves no move
    // without a verdict or a grade.
    void moveListAndCellListAgree_data() {
        QTest::addColumn<SavedGame>("game");
        QTest::addColumn<int>("focus");    // -1: none
        QTest::addColumn<int>("answers");  // questions answered, -1 all
        const SavedGame won = GameOf(SmallPit(), kDrawThrownThenWon, GameEnd::CircleWins);
        const SavedGame opening =
            GameOf(Board{}, {CellIndex(4, kRows), CellIndex(5, kRows), CellIndex(4, kRows - 1),
                             CellIndex(1, kRows), CellIndex(4, kRows - 2)});
        QTest::newRow("a won game, all answered") << won << 4 << -1;
        QTest::newRow("a won game, the end first") << won << -1 << 3;
        QTest::newRow("a won game, a position looked at") << won << 4 << 6;
        QTest::newRow("an opening, estimated") << opening << 2 << -1;
        QTest::newRow("an opening, half answered") << opening << 2 << 3;
    }
    void moveListAndCellListAgree() {
        QFETCH(SavedGame, game);
        QFETCH(int, focus);
        QFETCH(int, answers);
        GameReview review(game);
        if (focus >= 0) {
            review.Focus(focus);
        }
        SearchEngine engine;
        for (int asked = 0; asked != answers; ++asked) {
            const std::optional<ReviewJob> job = review.NextJob();
            if (!job) {
                break;
            }
            review.Record(*job, *AnswerJob(engine, *job, kAmpleBudget));
        }
        const std::vector<ReviewedMove> moves = review.Moves();
        for (int ply = 0; ply < review.MoveCount(); ++ply) {
            const ReviewedMove& move = moves[static_cast<std::size_t>(ply)];
            const std::vector<CellReview> cells = review.Cells(ply);
            const int free = CountFreeCells(BoardAfter(game, ply));
            const auto played = std::ranges::find(cells, move.cell, &CellReview::cell);
            QVERIFY(played != cells.end());
            QCOMPARE(move.after, played->value);
            QCOMPARE(move.playedScore, ScoreOfCell(*played, free));
            if (std::ranges::all_of(cells, [](const CellReview& cell) {
                    return cell.value.value != GameValue::Unknown;
                })) {
                const auto best = std::ranges::max_element(
                    cells, {}, [free](const CellReview& c) { return *ScoreOfCell(c, free); });
                QCOMPARE(move.before, best->value);
                QVERIFY(move.verdict != Verdict::Unproven);
            }
            if (!review.NextJob()) {
                QVERIFY(!move.pending);
                QVERIFY(move.verdict != Verdict::Unproven || GradeOf(move));
            }
        }
    }

    // The move looked at and the position it leads to should be answered before any other
    // position is asked about.
    void theMoveLookedAtComesFirst_data() {
        QTest::addColumn<int>("focus");
        QTest::newRow("the first move") << 1;
        QTest::newRow("the deciding move") << 4;
        QTest::newRow("the last move") << int(kDrawThrownThenWon.size());
    }
    void theMoveLookedAtComesFirst() {
        QFETCH(int, focus);
        GameReview review(GameOf(SmallPit(), kDrawThrownThenWon, GameEnd::CircleWins));
        review.Focus(focus);
        SearchEngine engine;
        const auto shown = [&review, focus] {
            const bool cellsDone = std::ranges::none_of(
                review.Cells(focus), [](const CellReview& cell) { return cell.pending; });
            return cellsDone && !review.Moves()[static_cast<std::size_t>(focus - 1)].pending;
        };
        while (!shown()) {
            const std::optional<ReviewJob> job = review.NextJob();
            QVERIFY(job.has_value());
            QVERIFY2(std::abs(job->position - focus) <= 1,
                     qPrintable(QString::number(job->position)));
            review.Record(*job, *AnswerJob(engine, *job, kAmpleBudget));
        }
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
        QCOMPARE(snapshot.decidingMove, std::optional(DecidingMove{3, false}));
        QCOMPARE(snapshot.positionsDone, snapshot.positionCount);
        QCOMPARE(snapshot.cells.size(), std::size_t{5});
    }

    // Stopping should end the work in the middle (the estimate of an open board's first
    // position, which would else be recorded) and leave the review unfinished.
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
