#include <QTest>

#include "rules/line.h"
#include "tests/rules/board_text.h"

using namespace morvane;
using morvane::testing::BoardFromRows;
using morvane::testing::RowsOf;

namespace {

// Pads a picture of the bottom rows to a whole board's rows, for exact comparisons.
QStringList Whole(const QStringList& bottomRows) { return RowsOf(BoardFromRows(bottomRows)); }

}  // namespace

class LineTest : public QObject {
    Q_OBJECT

private slots:
    // It should find a line of four or more through the tested cell, and marking should
    // highlight exactly the counted cells and the tested cell once and grey every other unit;
    // without a line marking leaves the board.
    void completesLineAndMarkLine_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("line");
        QTest::addColumn<QStringList>("after");

        QTest::newRow("column of four, tested on top")
            << QStringList{"o.......", "o.......", "ox......", "ox......"} << 1 << 9 << true
            << QStringList{"O.......", "O.......", "Oq......", "Oq......"};
        QTest::newRow("middle cell completes a row")
            << QStringList{"oooox..."} << 3 << 12 << true << QStringList{"OOOOq..."};
        QTest::newRow("three beyond a hollow do not count")
            << QStringList{"ooodo..."} << 5 << 12 << false << QStringList{"ooodo..."};
        QTest::newRow("three beyond a block do not count")
            << QStringList{"o#ooo..."} << 1 << 12 << false << QStringList{"o#ooo..."};
        QTest::newRow("three beyond an empty cell do not count")
            << QStringList{"ooo.o..."} << 5 << 12 << false << QStringList{"ooo.o..."};
        QTest::newRow("seven in a row, tested in the middle")
            << QStringList{"xxxxxxxo"} << 4 << 12 << true << QStringList{"XXXXXXXp"};
        QTest::newRow("five in a row, tested at one end: the far unit is greyed")
            << QStringList{"xxxxx..."} << 1 << 12 << true << QStringList{"XXXXq..."};
        QTest::newRow("rising diagonal from the top-right corner")
            << QStringList{".....x.x", "......x.", ".....x..", "....x...", "........", "........",
                           "........", "........", "........", "........", "........", "oooo...."}
            << 8 << 1 << true
            << QStringList{".....q.X", "......X.", ".....X..", "....X...", "........", "........",
                           "........", "........", "........", "........", "........", "pppp...."};
        QTest::newRow("falling diagonal at the bottom-right corner")
            << QStringList{"x...x...", "o....x..", "ox....x.", "oxo....x"} << 8 << 12 << true
            << QStringList{"q...X...", "p....X..", "pq....X.", "pqp....X"};
        QTest::newRow("cross of a row and a column")
            << QStringList{"...x....", "...x....", "...x....", "xxxxo..."} << 4 << 12 << true
            << QStringList{"...X....", "...X....", "...X....", "XXXXp..."};
    }
    void completesLineAndMarkLine() {
        QFETCH(QStringList, before);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, line);
        QFETCH(QStringList, after);
        Board board = BoardFromRows(before);
        QCOMPARE(CompletesLine(board, CellIndex(x, y)), line);
        MarkLine(board, CellIndex(x, y));
        QCOMPARE(RowsOf(board), Whole(after));
    }

    // It should compare exact codes, whatever the cell holds, and look only at cells on the
    // board from every edge and corner: on a board of one code every cell completes a line,
    // empty cells included.
    void completesLineAtEveryCellOfAUniformBoard_data() {
        QTest::addColumn<int>("code");
        QTest::newRow("full of ○") << static_cast<int>(CircleUnit);
        QTest::newRow("empty: a line of empty cells") << static_cast<int>(Empty);
    }
    void completesLineAtEveryCellOfAUniformBoard() {
        QFETCH(int, code);
        Board board;
        board.cells.fill(static_cast<std::int16_t>(code));
        for (int index = 0; index < kCellCount; ++index) {
            QVERIFY2(CompletesLine(board, index), qPrintable(QString::number(index)));
        }
    }

    // It should answer for a code in a cell exactly what it answers once that code is written
    // there, whatever the cell held.
    void completesLineForACodeAsIfItWereWritten_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("mid-game") << QStringList{"...x....", "..oo.x..", "..xo.o..", ".xoxxo..",
                                                 "ooxoxxo."};
        QTest::newRow("hollows, blocks and marked units")
            << QStringList{"d..d..d.", "..#.....", "..oo#x..", ".dxo.od.", "dxoxxo.#", "OXpqoxd."};
    }
    void completesLineForACodeAsIfItWereWritten() {
        QFETCH(QStringList, rows);
        const Board board = BoardFromRows(rows);
        for (const std::int16_t code : {Empty, Hollow, CircleUnit, CrossUnit}) {
            for (int index = 0; index < kCellCount; ++index) {
                Board written = board;
                written[index] = code;
                QCOMPARE(CompletesLine(board, index, code), CompletesLine(written, index));
            }
        }
    }

    // It should judge a win before a draw, and a full board without a line as a draw.
    void judgePlacementPrefersWinToDraw_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("cellAfter");

        QStringList drawn;
        for (int row = 0; row < kRows; ++row) {
            drawn << (row % 2 == 0 ? "ooxxooxx" : "xxooxxoo");
        }
        QTest::newRow("last cell, no line: draw")
            << drawn << 1 << 1 << static_cast<int>(Outcome::Draw) << "p";
        QStringList won = drawn;
        won[11] = "oooo" + won[11].mid(4);
        QTest::newRow("last cell with a line: win")
            << won << 2 << 12 << static_cast<int>(Outcome::Win) << "O";
        QTest::newRow("free cells left, no line: go on")
            << QStringList{"oxo....."} << 3 << 12 << static_cast<int>(Outcome::Continue) << "o";
    }
    void judgePlacementPrefersWinToDraw() {
        QFETCH(QStringList, rows);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, outcome);
        QFETCH(QString, cellAfter);
        Board board = BoardFromRows(rows);
        QCOMPARE(static_cast<int>(JudgePlacement(board, CellIndex(x, y))), outcome);
        QCOMPARE(RowsOf(board)[y - 1].at(x - 1), cellAfter.at(0));
    }

    void drawGreysEveryUnitAndKeepsTerrain() {
        Board board = BoardFromRows({"oxd#oxox"});
        DimAllUnits(board);
        QCOMPARE(RowsOf(board).last(), QStringLiteral("pqd#pqpq"));
    }
};

QTEST_APPLESS_MAIN(LineTest)
#include "test_line.moc"
