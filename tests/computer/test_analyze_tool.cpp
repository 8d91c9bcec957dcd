#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "computer/line_potential.h"
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

testing::AnalyzeRun Analyze(const QStringList& args) {
    return testing::RunAnalyze(QStringLiteral(MORVANE_ANALYZE_PATH), args);
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
        QCOMPARE(result.value("line_potential").toInt(), *LinePotential(board, turn, YieldHook()));
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

    // It should play the asked number of games and account for every one of them.
    void ladderAccountsForEveryGame() {
        const QJsonObject result = AnalyzeJson({"ladder", "0", "1", "6"});
        QCOMPARE(result.value("a_wins").toInt() + result.value("b_wins").toInt() +
                     result.value("draws").toInt(),
                 6);
        QVERIFY(result.value("games_per_second").toDouble() > 0);
    }

    // It should refuse bad arguments with one line on stderr, nothing on stdout and exit
    // status 2.
    void badArgumentsAreRefused_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("unknown subcommand") << QStringList{"solve", kEmpty};
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
