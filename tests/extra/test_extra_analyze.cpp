#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "bench/ex_search_reference.h"
#include "extra/engine/ex_search.h"
#include "tests/extra/ex_board_text.h"
#include "tests/support/analyze_process.h"

using namespace morvane;
using morvane::testing::ExBoardFromRows;

namespace {

QString Digits(const ExBoard& board) {
    QString text;
    for (const std::int16_t code : board.cells) {
        text += QString::number(code);
    }
    return text;
}

QString Digits(const QStringList& bottomRows) { return Digits(ExBoardFromRows(bottomRows)); }

testing::AnalyzeRun Analyze(const QStringList& args) {
    return testing::RunAnalyze(QStringLiteral(MORVANE_ANALYZE_PATH), args);
}

QJsonObject AnalyzeJson(const QStringList& args) {
    return testing::RunAnalyzeJson(QStringLiteral(MORVANE_ANALYZE_PATH), args);
}

}  // namespace

class ExAnalyzeTest : public QObject {
    Q_OBJECT

private slots:
    // It should report whether the scan found a run and the board as the scan marked it.
    void exlinesMarksTheBoard_data() {
        QTest::addColumn<QString>("board");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("after");
        QTest::newRow("five in a row") << Digits({"xxxxx.o..."}) << true << Digits({"88884.3..."});
        QTest::newRow("row crossing a column")
            << Digits({"...o......", "...o......", "...o......", "oooo......"}) << true
            << Digits({"...3......", "...3......", "...3......", "7777......"});
        QTest::newRow("no run") << Digits({"#+ox56....", "oxox......"}) << false
                                << Digits({"#+ox56....", "oxox......"});
    }
    void exlinesMarksTheBoard() {
        QFETCH(QString, board);
        QFETCH(bool, found);
        QFETCH(QString, after);
        const QJsonObject result = AnalyzeJson({"exlines", board});
        QCOMPARE(result.value("found").toBool(!found), found);
        QCOMPARE(result.value("board").toString(), after);
    }

    // It should give the computer's ratings of the legal cells, its immediate win and its best
    // cells, as the search gives them.
    void exmoveGivesTheRatings_data() {
        QTest::addColumn<QString>("board");
        QTest::addColumn<QVariantMap>("scores");
        QTest::addColumn<int>("win");  // -1: null
        QTest::addColumn<QList<int>>("best");
        QString walled = Digits({"ooo...####"});
        walled.replace(0, 90, QString(90, QLatin1Char('1')));
        QTest::newRow("a Mouse threat to block")
            << walled << QVariantMap{{"93", 7}, {"94", -146}, {"95", -146}} << -1 << QList<int>{93};
        QTest::newRow("an immediate win")
            << Digits({"xxx.o.o..."})
            << QVariantMap{{"80", 0},   {"81", 0}, {"82", 0}, {"84", 0}, {"86", 0},
                           {"93", 160}, {"95", 0}, {"97", 0}, {"98", 0}, {"99", 0}}
            << 93 << QList<int>{93};
        QTest::newRow("nothing to place")
            << QString(100, QLatin1Char('1')) << QVariantMap{} << -1 << QList<int>{};
    }
    void exmoveGivesTheRatings() {
        QFETCH(QString, board);
        QFETCH(QVariantMap, scores);
        QFETCH(int, win);
        QFETCH(QList<int>, best);
        const QJsonObject result = AnalyzeJson({"exmove", board});
        QCOMPARE(result.value("scores").toObject().toVariantMap(), scores);
        QCOMPARE(result.value("win").isNull(), win < 0);
        QCOMPARE(result.value("win").toInt(-1), win);
        QList<int> bestCells;
        for (const QJsonValue cell : result.value("best").toArray()) {
            bestCells << cell.toInt();
        }
        QCOMPARE(bestCells, best);
    }

    // It should agree with the full-scan search on a board that already holds a run, which the
    // game never hands the computer.
    void exmoveOnABoardHoldingARun() {
        const ExBoard board =
            ExBoardFromRows({"o.........", "o...x.....", "o...x.....", "o..xx....."});
        const QJsonObject result = AnalyzeJson({"exmove", Digits(board)});
        const ExScores expected = testing::ReferenceRateCells(board);
        QCOMPARE(result.value("win").toInt(-1), *expected.winCell);
        const QJsonObject scores = result.value("scores").toObject();
        for (auto it = scores.begin(); it != scores.end(); ++it) {
            QCOMPARE(it.value().toInt(), expected.scores[it.key().toUInt()]);
        }
    }

    // It should refuse bad arguments with one line on stderr, nothing on stdout, and status 2.
    void badArguments_data() {
        QTest::addColumn<QStringList>("args");
        const QString empty(100, QLatin1Char('0'));
        QTest::newRow("exlines without a board") << QStringList{"exlines"};
        QTest::newRow("exmove with two boards") << QStringList{"exmove", empty, empty};
        QTest::newRow("a main-game board") << QStringList{"exmove", QString(96, QLatin1Char('0'))};
        QTest::newRow("code 9") << QStringList{"exlines", QString(99, QLatin1Char('0')) + "9"};
        QTest::newRow("a letter") << QStringList{"exmove", "x" + QString(99, QLatin1Char('0'))};
    }
    void badArguments() {
        QFETCH(QStringList, args);
        const testing::AnalyzeRun run = Analyze(args);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY(run.err.endsWith('\n'));
    }
};

QTEST_APPLESS_MAIN(ExAnalyzeTest)
#include "test_extra_analyze.moc"
