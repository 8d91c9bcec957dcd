#include <sys/stat.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include "computer/line_potential.h"
#include "match/model/saved_game.h"
#include "rules/board.h"
#include "tests/computer/computer_testing.h"
#include "tests/support/analyze_process.h"

using namespace morvane;
using namespace morvane::testing;

namespace {

QString AreaString(const QStringList& rows) {
    const Board board = BoardFromRows(rows);
    QString text;
    for (const std::int16_t code : board.cells) {
        text += QString::number(code);
    }
    return text;
}

const QString kEmpty = AreaString({"........"});

// The rows of a board whose bottom rows are given and whose other rows are all ■.
QStringList Walled(const QStringList& bottom) {
    return QStringList(kRows - bottom.size(), QStringLiteral("########")) + bottom;
}

testing::AnalyzeRun Analyze(const QStringList& args, const QByteArray& input = {}) {
    return testing::RunAnalyze(QStringLiteral(MORVANE_ANALYZE_PATH), args, input);
}

// A solve's answer without its wall time, the one part that differs from run to run.
QByteArray WithoutTime(const QByteArray& answer) {
    QJsonObject object = QJsonDocument::fromJson(answer).object();
    if (object.isEmpty()) {
        return answer;  // an error line
    }
    object.remove(QStringLiteral("ms"));
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// Five columns by four rows at the bottom left, every other cell ■.
Board SmallPit() {
    return BoardFromRows(QStringList(kRows - 4, QStringLiteral("########")) +
                         QStringList(4, QStringLiteral(".....###")));
}

// A review of the game saved in a file: the command's lines, each line's JSON one object, and
// what a batch answers to the same call followed by a blank line.
struct Review {
    QList<QJsonObject> lines;
    QList<QByteArray> batchLines;
};
Review ReviewOf(const SavedGame& game, const QString& milliseconds) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("game.morvane"));
    QString error;
    if (!SaveGameFile(path, game, error)) {
        qFatal("the game file was not written: %s", qPrintable(error));
    }
    const testing::AnalyzeRun run = Analyze({"review", path, milliseconds});
    if (run.exitCode != 0 || !run.err.isEmpty()) {
        qFatal("review failed: %s", run.err.constData());
    }
    Review review;
    for (const QByteArray& line : run.out.split('\n')) {
        if (!line.isEmpty()) {
            review.lines << QJsonDocument::fromJson(line).object();
        }
    }
    const QByteArray call = QStringLiteral("review %1 %2\n\n").arg(path, milliseconds).toUtf8();
    review.batchLines = Analyze({"batch"}, call).out.split('\n');
    return review;
}

QJsonObject AnalyzeJson(const QStringList& args) {
    return testing::RunAnalyzeJson(QStringLiteral(MORVANE_ANALYZE_PATH), args);
}

}  // namespace

class AnalyzeToolTest : public QObject {
    Q_OBJECT

private slots:
    // It should report what the evaluations compute with SIDE as their side argument: for
    // side x they score the ○ units, for o the × units.
    void evalReportsEveryEvaluation_data() {
        QTest::addColumn<QString>("side");
        QTest::addColumn<int>("turn");
        QTest::addColumn<QJsonArray>("threats");
        QTest::addColumn<QJsonArray>("winningCells");
        QTest::newRow("x scores ○") << "x" << kCrossTurn << QJsonArray{0, 1} << QJsonArray{2, 0};
        QTest::newRow("o scores ×") << "o" << kCircleTurn << QJsonArray{0, 0} << QJsonArray{0, 0};
    }
    void evalReportsEveryEvaluation() {
        QFETCH(QString, side);
        QFETCH(int, turn);
        QFETCH(QJsonArray, threats);
        QFETCH(QJsonArray, winningCells);
        const QStringList rows{"##......", "ooo....x"};
        const Board board = BoardFromRows(rows);
        const QJsonObject result = AnalyzeJson({"eval", AreaString(rows), side});
        QCOMPARE(result.value("line_potential").toInt(), LinePotential(board, turn));
        QCOMPARE(result.value("threats").toArray(), threats);
        QCOMPARE(result.value("winning_cells").toArray(), winningCells);
        const QJsonArray reach = result.value("reach").toArray();
        QCOMPARE(reach.size(), kCellCount);
        for (int cell = 0; cell < kCellCount; ++cell) {
            QCOMPARE(reach[cell].toInt(), ReachWeight(board, cell));
        }
    }

    // It should read the terrain option as off when it is not given: with 32 free cells ⅲ
    // prefers low rows only with terrain on.
    void moveTakesTerrainOffByDefault_data() {
        QTest::addColumn<QStringList>("terrain");
        QTest::addColumn<QString>("kind");
        QTest::newRow("not given") << QStringList{} << "pick";
        QTest::newRow("off") << QStringList{"off"} << "pick";
        QTest::newRow("on") << QStringList{"on"} << "lowrow";
    }
    void moveTakesTerrainOffByDefault() {
        QFETCH(QStringList, terrain);
        QFETCH(QString, kind);
        QStringList rows(kRows, QStringLiteral("########"));
        for (int row = 0; row < 4; ++row) {
            rows[row] = QStringLiteral("........");
        }
        const QJsonObject result =
            AnalyzeJson(QStringList{"move", AreaString(rows), "o", "3"} + terrain);
        QCOMPARE(result.value("kind").toString(), kind);
    }

    // It should let [ＭＡＳＴＥＲ] search for its cell and report the search: a cell that wins
    // at once is proven at the first ply, scored as a win with 93 free cells. A line already on
    // the board wins nothing in play; a full board has no cell.
    void masterMoveReportsItsSearch_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QJsonArray>("cells");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("depth");
        QTest::newRow("an immediate win")
            << QStringList{"ooo....."} << QJsonArray{CellIndex(4, kRows)} << 10092 << 1;
        QTest::newRow("a ready-made line: the fifth unit wins")
            << QStringList{"oooo...."} << QJsonArray{CellIndex(5, kRows)} << 10091 << 1;
        QTest::newRow("a full board") << Walled({}) << QJsonArray{} << 0 << 0;
    }
    void masterMoveReportsItsSearch() {
        QFETCH(QStringList, rows);
        QFETCH(QJsonArray, cells);
        QFETCH(int, score);
        QFETCH(int, depth);
        const QJsonObject result = AnalyzeJson({"move", AreaString(rows), "o", "4", "on"});
        QCOMPARE(result.value("kind").toString(), "search");
        QCOMPARE(result.value("cells").toArray(), cells);
        QCOMPARE(result.value("score").toInt(), score);
        QCOMPARE(result.value("depth").toInt(), depth);
        QCOMPARE(result.value("nodes").toInteger() > 0, depth > 0);
    }

    // It should give the value of the game for the side to move with the plies to its end,
    // every cell that keeps that value and the cells that keep the exact score; a finished
    // board the value it shows, found without a search.
    void solveGivesTheValueAndEveryBestCell_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("plies");
        QTest::addColumn<QJsonArray>("best");
        QTest::addColumn<QJsonArray>("fastest");
        const QJsonArray winAtOnce{CellIndex(4, kRows)};
        QTest::newRow("a win at once")
            << Walled({"#######.", "ooo.####"}) << "win" << 1 << winAtOnce << winAtOnce;
        const QJsonArray twoWins{CellIndex(4, kRows - 1), CellIndex(8, kRows)};
        QTest::newRow("two winning cells, and a quiet cell that wins later")
            << Walled({"d#######", "ooo.####", "xxx#ooo."}) << "win" << 1
            << QJsonArray{CellIndex(1, kRows - 2), twoWins[0], twoWins[1]} << twoWins;
        const QJsonArray allLose{CellIndex(4, kRows - 1), CellIndex(4, kRows), CellIndex(8, kRows)};
        QTest::newRow("two threats of ×: every cell loses")
            << Walled({"xxxd####", "xxx.###."}) << "loss" << 2 << allLose << allLose;
        const QJsonArray bothEnds{CellIndex(1, kRows), CellIndex(8, kRows)};
        QTest::newRow("no line can be made")
            << Walled({".######."}) << "draw" << 2 << bothEnds << bothEnds;
        QTest::newRow("finished: × has a line")
            << QStringList{"xxxx.o.o"} << "loss" << 0 << QJsonArray{} << QJsonArray{};
        QTest::newRow("finished: ○ has a line")
            << QStringList{"oooo.x.x"} << "win" << 0 << QJsonArray{} << QJsonArray{};
        QTest::newRow("finished: the board is full")
            << Walled({}) << "draw" << 0 << QJsonArray{} << QJsonArray{};
    }
    void solveGivesTheValueAndEveryBestCell() {
        QFETCH(QStringList, rows);
        QFETCH(QString, value);
        QFETCH(int, plies);
        QFETCH(QJsonArray, best);
        QFETCH(QJsonArray, fastest);
        const QJsonObject result = AnalyzeJson({"solve", AreaString(rows), "o"});
        QCOMPARE(result.value("value").toString(), value);
        QCOMPARE(result.value("plies").toInt(-1), plies);
        QCOMPARE(result.value("best").toArray(), best);
        QCOMPARE(result.value("fastest").toArray(), fastest);
        QCOMPARE(result.value("depth").toInt() > 0, plies > 0);
        QCOMPARE(result.value("nodes").toInteger() > 0, plies > 0);
        QVERIFY(result.value("ms").toDouble(-1) >= 0);
    }

    // It should answer every line of a batch with exactly the line a call with those words
    // prints (JSON or error), keep going after an error or a blank line, and exit 0 at the end.
    void batchAnswersEveryLineAsACallWould() {
        const QString classic = QStringLiteral(
            "888888888888888888888888888888888888888888888888002020080030300830322008203320082023"
            "323832223238");
        const QList<QStringList> calls{
            {"solve", classic, "x"},
            {"solve", AreaString(Walled({"d#######", "ooo.####", "xxx#ooo."})), "o"},
            {"line", kEmpty, "96"},
            {},
            {"move", kEmpty, "o", "3", "off"},
            {"solve", AreaString(Walled({"xxxd####", "xxx.###."})), "o", "1000"},
        };
        QByteArray input;
        for (const QStringList& call : calls) {
            input += call.join(QStringLiteral("  ")).toUtf8() + '\n';
        }
        const testing::AnalyzeRun run = Analyze({"batch"}, input);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        const QList<QByteArray> lines = run.out.split('\n');
        QCOMPARE(lines.size(), calls.size() + 1);  // the last answer's line end
        for (int n = 0; n < calls.size(); ++n) {
            const testing::AnalyzeRun single = Analyze(calls[n]);
            QCOMPARE(WithoutTime(lines[n]), WithoutTime((single.out + single.err).trimmed()));
        }
        QCOMPARE(QJsonDocument::fromJson(lines[0]).object().value("plies").toInt(), 9);
    }

    // It should answer unknown, with no plies and the search's preferred cell, when the time
    // runs out before the value is proven.
    void solveOutOfTimeIsUnknown() {
        const QJsonObject result = AnalyzeJson({"solve", kEmpty, "x", "1"});
        QCOMPARE(result.value("value").toString(), "unknown");
        QVERIFY(result.value("plies").isNull());
        const QJsonArray best = result.value("best").toArray();
        QCOMPARE(best.size(), 1);
        QVERIFY(CanPlace(Board{}, best[0].toInt()));
    }

    // It should play the asked number of games on the asked layouts and account for every one
    // of them. A layout that leaves no free cell, or only four cells in the bottom row, lets
    // nobody win.
    void ladderAccountsForEveryGame_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("games");
        QTest::addColumn<bool>("allDrawn");
        QTest::newRow("no layout") << QStringList{"0", "1", "6"} << 6 << false;
        QTest::newRow("random layouts") << QStringList{"3", "2", "6", "random"} << 6 << false;
        QTest::newRow("MASTER on 2,000 positions a move")
            << QStringList{"4", "3", "4", "none", "2000"} << 4 << false;
        QTest::newRow("MASTER on random layouts")
            << QStringList{"1", "4", "3", "random", "2000"} << 3 << false;
        QTest::newRow("a layout of ■ alone")
            << QStringList{"0", "4", "3", AreaString(Walled({}))} << 3 << true;
        QTest::newRow("a layout of four free cells")
            << QStringList{"4", "2", "4", AreaString(Walled({"....####"})), "2000"} << 4 << true;
    }
    void ladderAccountsForEveryGame() {
        QFETCH(QStringList, args);
        QFETCH(int, games);
        QFETCH(bool, allDrawn);
        const QJsonObject result = AnalyzeJson(QStringList{"ladder"} + args);
        const int draws = result.value("draws").toInt();
        QCOMPARE(result.value("a_wins").toInt() + result.value("b_wins").toInt() + draws, games);
        if (allDrawn) {
            QCOMPARE(draws, games);
        }
        QVERIFY(result.value("games_per_second").toDouble() > 0);
    }

    // It should bound a ladder in which MASTER plays by its games times its positions a move
    // (about a day's work), with the usual one-line error; without MASTER the positions a move
    // cost nothing.
    void ladderBoundsMastersWork_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("refused");
        const QString fourFree = AreaString(Walled({"....####"}));
        QTest::newRow("MASTER, 100 × 10⁸ at the bound")
            << QStringList{"4", "1", "100", fourFree, "100000000"} << false;
        QTest::newRow("MASTER, 101 × 10⁸ beyond it")
            << QStringList{"4", "1", "101", fourFree, "100000000"} << true;
        QTest::newRow("MASTER as B, 40,001 games at the default 250,000")
            << QStringList{"1", "4", "40001"} << true;
        QTest::newRow("no MASTER: the positions do not count")
            << QStringList{"0", "1", "2", fourFree, "100000000"} << false;
    }
    void ladderBoundsMastersWork() {
        QFETCH(QStringList, args);
        QFETCH(bool, refused);
        const testing::AnalyzeRun run = Analyze(QStringList{"ladder"} + args);
        QCOMPARE(run.exitCode, refused ? 2 : 0);
        QCOMPARE(run.err.startsWith("morvane-analyze: GAMES * NODES must be at most 10000000000"),
                 refused);
        QCOMPARE(run.err.count('\n'), refused ? 1 : 0);
    }

    // It should highlight only units when the judged cell completes a run: a run of ■, of greyed
    // units or of empty cells is reported as the line test finds it and keeps its codes, so the
    // board stays within the digits 0 to 8.
    void lineMarksOnlyUnits_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("cell");
        QTest::addColumn<bool>("line");
        QTest::addColumn<QStringList>("marked");
        QTest::newRow("a line of ○, × greyed") << QStringList{"x...", "oooo"} << CellIndex(1, kRows)
                                               << true << QStringList{"q...", "OOOO"};
        QTest::newRow("a run of ■") << QStringList{"x...", "####"} << CellIndex(4, kRows) << true
                                    << QStringList{"q...", "####"};
        QTest::newRow("a run of greyed ×") << QStringList{"o...", "qqqq"} << CellIndex(2, kRows)
                                           << true << QStringList{"p...", "qqqq"};
        QTest::newRow("a run of empty cells") << QStringList{"o...", "x..."} << CellIndex(8, kRows)
                                              << true << QStringList{"p...", "q..."};
        QTest::newRow("no run") << QStringList{"o...", "xx#x"} << CellIndex(1, kRows) << false
                                << QStringList{"o...", "xx#x"};
    }
    void lineMarksOnlyUnits() {
        QFETCH(QStringList, rows);
        QFETCH(int, cell);
        QFETCH(bool, line);
        QFETCH(QStringList, marked);
        const QJsonObject result = AnalyzeJson({"line", AreaString(rows), QString::number(cell)});
        QCOMPARE(result.value("line").toBool(), line);
        QCOMPARE(result.value("board").toString(), AreaString(marked));
    }

    // It should print a line for every move of a saved game: its ply, side and cell, the
    // mover's value before it and whether the move kept it (null where a value is unproven),
    // the estimate's grade where it is unproven, and whether it is the deciding move.
    void reviewJudgesEveryMove_data() {
        QTest::addColumn<Board>("layout");
        QTest::addColumn<QList<int>>("moves");
        QTest::addColumn<std::optional<GameEnd>>("end");
        QTest::addColumn<QString>("milliseconds");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QJsonArray>("kept");
        QTest::addColumn<QJsonArray>("grades");
        QTest::addColumn<int>("deciding");  // the ply, 0 for none
        const QJsonValue none = QJsonValue::Null;
        QTest::newRow("× throws the draw at ply 4, ○ wins")
            << SmallPit() << QList<int>{89, 81, 91, 73, 90, 65, 88}
            << std::optional(GameEnd::CircleWins) << "20000"
            << QStringList{"draw", "draw", "draw", "draw", "win", "loss", "win"}
            << QJsonArray{true, true, true, false, true, true, true}
            << QJsonArray{none, none, none, none, none, none, none} << 4;
        QTest::newRow("an open board, a millisecond a position")
            << Board{} << QList<int>{CellIndex(4, kRows), CellIndex(4, kRows - 1)}
            << std::optional<GameEnd>() << "1" << QStringList{"unknown", "unknown"}
            << QJsonArray{none, none} << QJsonArray{"best", "good"} << 0;
    }
    void reviewJudgesEveryMove() {
        QFETCH(Board, layout);
        QFETCH(QList<int>, moves);
        QFETCH(std::optional<GameEnd>, end);
        QFETCH(QString, milliseconds);
        QFETCH(QStringList, values);
        QFETCH(QJsonArray, kept);
        QFETCH(QJsonArray, grades);
        QFETCH(int, deciding);
        SavedGame game;
        game.layout = layout;
        game.moves.assign(moves.begin(), moves.end());
        game.end = end;
        const auto [lines, batchLines] = ReviewOf(game, milliseconds);
        QCOMPARE(lines.size(), moves.size());
        for (int ply = 0; ply < lines.size(); ++ply) {
            const QJsonObject& line = lines[ply];
            QCOMPARE(line.value("ply").toInt(), ply + 1);
            QCOMPARE(line.value("side").toString(), ply % 2 == 0 ? "o" : "x");
            QCOMPARE(line.value("cell").toString(), CellNotation(moves[ply]));
            QCOMPARE(line.value("value").toString(), values[ply]);
            QCOMPARE(line.value("kept"), kept[ply]);
            QCOMPARE(line.value("grade"), grades[ply]);
            QCOMPARE(line.value("decisive").toBool(), ply + 1 == deciding);
            // A graded move carries the scores it was graded by.
            QVERIFY(line.value("grade").isNull() ||
                    (line.value("best_score").isDouble() && line.value("played_score").isDouble()));
        }
        // A batch answers the review in one line, the same moves as one list, and stays in step
        // with the next call (a blank line, answered with the usage line).
        QCOMPARE(batchLines.size(), 3);  // and the last answer's line end
        QJsonArray listed;
        for (const QJsonObject& line : lines) {
            listed.append(line);
        }
        QCOMPARE(QJsonDocument::fromJson(batchLines[0]).object(), QJsonObject({{"moves", listed}}));
        QVERIFY(batchLines[1].startsWith("morvane-analyze: usage"));
    }

    // It should refuse a file it cannot read or that holds no game that can have been played:
    // one line on stderr naming the file and the wrong line, nothing on stdout, exit status 1.
    void reviewRefusesAFileThatIsNoGame_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("named");
        const QByteArray header = "Morvane game 1\nlayout " + QByteArray(kCellCount, '0') +
                                  "\ncircle mouse 5\ncross normal 3\nfirst circle\nround 1\n"
                                  "wins 0 0\nmove 5-12\n";
        QTest::newRow("no such file") << QByteArray() << "game.morvane";
        QTest::newRow("a unit in the air") << header + "move 5-10\n"
                                           << "game.morvane, line 9";
        QTest::newRow("not a game file") << QByteArray("\x89PNG\r\n") << "game.morvane, line 1";
        // Opening a FIFO would wait for a writer for ever.
        QTest::newRow("a FIFO") << QByteArray("fifo") << "game.morvane";
        QTest::newRow("a link to a FIFO") << QByteArray("link to a fifo") << "game.morvane";
    }
    void reviewRefusesAFileThatIsNoGame() {
        QFETCH(QByteArray, text);
        QFETCH(QString, named);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("game.morvane"));
        const QString fifo = folder.filePath(QStringLiteral("fifo"));
        if (text == "fifo") {
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (text == "link to a fifo") {
            QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
            QVERIFY(QFile::link(fifo, path));
        } else if (!text.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text);
        }
        const testing::AnalyzeRun run = Analyze({"review", path});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.startsWith("morvane-analyze: "));
        QVERIFY2(run.err.contains(QDir::toNativeSeparators(folder.filePath(named)).toUtf8()),
                 run.err.constData());
        QCOMPARE(run.err.count('\n'), 1);
    }

    // It should refuse bad arguments with one line on stderr, nothing on stdout and exit
    // status 2.
    void badArgumentsAreRefused_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("unknown subcommand") << QStringList{"search", kEmpty};
        QTest::newRow("board too short") << QStringList{"eval", kEmpty.left(95), "o"};
        QTest::newRow("board too long") << QStringList{"eval", kEmpty + "0", "o"};
        QTest::newRow("non-digit in the board") << QStringList{"eval", "a" + kEmpty.mid(1), "o"};
        QTest::newRow("digit 9 in the board") << QStringList{"eval", kEmpty.left(95) + "9", "o"};
        QTest::newRow("unknown side") << QStringList{"eval", kEmpty, "O"};
        QTest::newRow("cell out of range") << QStringList{"line", kEmpty, "96"};
        QTest::newRow("negative cell") << QStringList{"line", kEmpty, "-1"};
        QTest::newRow("level 5") << QStringList{"move", kEmpty, "o", "5"};
        QTest::newRow("level not a number") << QStringList{"move", kEmpty, "o", "hard"};
        QTest::newRow("terrain neither on nor off") << QStringList{"move", kEmpty, "o", "1", "yes"};
        QTest::newRow("missing argument") << QStringList{"move", kEmpty, "o"};
        QTest::newRow("extra argument") << QStringList{"line", kEmpty, "3", "4"};
        QTest::newRow("zero games") << QStringList{"ladder", "0", "1", "0"};
        QTest::newRow("games not a number") << QStringList{"ladder", "0", "1", "many"};
        QTest::newRow("negative games") << QStringList{"ladder", "0", "1", "-5"};
        QTest::newRow("games too many for a number")
            << QStringList{"ladder", "0", "1", "99999999999999999999"};
        QTest::newRow("ladder level out of range") << QStringList{"ladder", "0", "7", "5"};
        QTest::newRow("more than a million games") << QStringList{"ladder", "0", "1", "1000001"};
        QTest::newRow("ladder level 5") << QStringList{"ladder", "5", "4", "2"};
        QTest::newRow("MS zero") << QStringList{"solve", kEmpty, "o", "0"};
        QTest::newRow("MS not a number") << QStringList{"solve", kEmpty, "o", "1s"};
        QTest::newRow("MS over ten minutes") << QStringList{"solve", kEmpty, "o", "600001"};
        QTest::newRow("solve without a side") << QStringList{"solve", kEmpty};
        QTest::newRow("review MS zero") << QStringList{"review", "game.morvane", "0"};
        QTest::newRow("review without a file") << QStringList{"review"};
        QTest::newRow("layout too short") << QStringList{"ladder", "0", "1", "2", kEmpty.left(95)};
        QTest::newRow("layout too long") << QStringList{"ladder", "0", "1", "2", kEmpty + "0"};
        QTest::newRow("a unit in the layout")
            << QStringList{"ladder", "0", "1", "2", kEmpty.left(95) + "2"};
        QTest::newRow("a win mark in the layout")
            << QStringList{"ladder", "0", "1", "2", "4" + kEmpty.mid(1)};
        QTest::newRow("unknown layout word") << QStringList{"ladder", "0", "1", "2", "hell"};
        QTest::newRow("zero nodes") << QStringList{"ladder", "4", "1", "2", "none", "0"};
        QTest::newRow("batch with an argument") << QStringList{"batch", "solve"};
        QTest::newRow("a line break in an argument") << QStringList{"eval", kEmpty, "o\nx"};
    }
    void badArgumentsAreRefused() {
        QFETCH(QStringList, args);
        const testing::AnalyzeRun run = Analyze(args);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.startsWith("morvane-analyze: "));
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY(run.err.endsWith('\n'));
    }

    // It should echo a refused argument with its control characters escaped, so that the error
    // stays one line and sends no codes to the terminal.
    void refusedArgumentIsEchoedEscaped_data() {
        QTest::addColumn<QString>("side");
        QTest::addColumn<QByteArray>("echo");
        QTest::newRow("line feed") << "o\nx" << QByteArray("\"o\\nx\"");
        QTest::newRow("carriage return and tab") << "\r\t" << QByteArray("\"\\r\\t\"");
        QTest::newRow("escape and DEL") << "\x1b[2J\x7f" << QByteArray("\"\\x1b[2J\\x7f\"");
        QTest::newRow("line separator") << "o\u2028" << QByteArray("\"o\\u{2028}\"");
        QTest::newRow("backslash") << "o\\n" << QByteArray("\"o\\\\n\"");
    }
    void refusedArgumentIsEchoedEscaped() {
        QFETCH(QString, side);
        QFETCH(QByteArray, echo);
        const testing::AnalyzeRun run = Analyze({"eval", kEmpty, side});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, "morvane-analyze: SIDE must be o or x, not " + echo + "\n");
    }
};

QTEST_GUILESS_MAIN(AnalyzeToolTest)
#include "test_analyze_tool.moc"
