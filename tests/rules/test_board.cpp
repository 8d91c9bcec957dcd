#include <QTest>

#include "rules/board.h"
#include "rules/cell_cursor.h"
#include "tests/rules/board_text.h"

Q_DECLARE_METATYPE(morvane::CursorStep)

using namespace morvane;
using morvane::testing::BoardFromRows;

class BoardTest : public QObject {
    Q_OBJECT

private slots:
    void cellIndexAndCoordinatesAgree_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("index");
        QTest::newRow("top-left") << 1 << 1 << 0;
        QTest::newRow("top-right") << 8 << 1 << 7;
        QTest::newRow("bottom-left") << 1 << 12 << 88;
        QTest::newRow("bottom-right") << 8 << 12 << 95;
        QTest::newRow("middle") << 4 << 6 << 43;
    }
    void cellIndexAndCoordinatesAgree() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, index);
        QCOMPARE(CellIndex(x, y), index);
        QCOMPARE(CellX(index), x);
        QCOMPARE(CellY(index), y);
    }

    // It should allow a unit exactly where it is supported or into a hollow cell.
    void canPlaceFollowsSupport_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("placeable");
        const QStringList empty;
        QTest::newRow("empty bottom row") << empty << 3 << 12 << true;
        QTest::newRow("empty above empty") << empty << 3 << 11 << false;
        QTest::newRow("hollow floating in the top row")
            << QStringList{"d.......", ".", ".", ".", ".", ".", ".", ".", ".", ".", ".", "."} << 1
            << 1 << true;
        QTest::newRow("empty above a floating hollow")
            << QStringList{"........", "d.......", ".", ".", ".", ".", ".", ".", ".", ".", ".", "."}
            << 1 << 1 << true;
        QTest::newRow("bottom row whatever is above")
            << QStringList{"x.......", "........"} << 1 << 12 << true;
        QTest::newRow("empty above empty above a full column")
            << QStringList{"........", "o.......", "x.......", "o......."} << 1 << 8 << false;
        QTest::newRow("on a block") << QStringList{"#......."} << 1 << 11 << true;
        QTest::newRow("block itself") << QStringList{"#......."} << 1 << 12 << false;
        QTest::newRow("on a unit") << QStringList{"o......."} << 1 << 11 << true;
        QTest::newRow("on a greyed unit") << QStringList{"q......."} << 1 << 11 << true;
        for (const char symbol : {'o', 'x', 'O', 'X', 'p', 'q', '#'}) {
            QTest::addRow("occupied by %c", symbol)
                << QStringList{QString(QChar(symbol)) + "......."} << 1 << 12 << false;
        }
    }
    void canPlaceFollowsSupport() {
        QFETCH(QStringList, rows);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, placeable);
        QCOMPARE(CanPlace(BoardFromRows(rows), CellIndex(x, y)), placeable);
    }

    // It should count empty and hollow cells, placeable or not.
    void countFreeCellsCountsEmptyAndHollow_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("free");
        QTest::newRow("empty board") << QStringList{} << 96;
        QTest::newRow("two hollows and a block") << QStringList{"d.#.....", "d......."} << 95;
        QTest::newRow("units of every code") << QStringList{"oxOXpq#d"} << 89;
        QStringList full;
        for (int row = 0; row < kRows; ++row) {
            full << (row % 2 == 0 ? "oxoxoxox" : "xoxoxoxo");
        }
        QTest::newRow("full of units") << full << 0;
    }
    void countFreeCellsCountsEmptyAndHollow() {
        QFETCH(QStringList, rows);
        QFETCH(int, free);
        QCOMPARE(CountFreeCells(BoardFromRows(rows)), free);
    }

    void unitCodeBelongsToTheSide() {
        QCOMPARE(UnitCode(kCircleTurn), CircleUnit);
        QCOMPARE(UnitCode(kCrossTurn), CrossUnit);
        QCOMPARE(SideNumber(kCircleTurn), 0);
        QCOMPARE(SideNumber(kCrossTurn), 1);
    }

    // A cell cursor steps to the neighbouring cell; off an edge it comes back in at the other
    // end of the same row or column, never on the next row.
    void cursorStepsWrapWithinTheRowOrColumn_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<CursorStep>("step");
        QTest::addColumn<int>("toX");
        QTest::addColumn<int>("toY");
        QTest::newRow("up inside") << 4 << 6 << CursorStep::Up << 4 << 5;
        QTest::newRow("down inside") << 4 << 6 << CursorStep::Down << 4 << 7;
        QTest::newRow("left inside") << 4 << 6 << CursorStep::Left << 3 << 6;
        QTest::newRow("right inside") << 4 << 6 << CursorStep::Right << 5 << 6;
        QTest::newRow("up from row 1") << 3 << 1 << CursorStep::Up << 3 << 12;
        QTest::newRow("down from row 12") << 3 << 12 << CursorStep::Down << 3 << 1;
        QTest::newRow("left from column 1") << 1 << 5 << CursorStep::Left << 8 << 5;
        QTest::newRow("right from column 8") << 8 << 5 << CursorStep::Right << 1 << 5;
        QTest::newRow("right from the last cell") << 8 << 12 << CursorStep::Right << 1 << 12;
        QTest::newRow("left from the first cell") << 1 << 1 << CursorStep::Left << 8 << 1;
    }
    void cursorStepsWrapWithinTheRowOrColumn() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(CursorStep, step);
        QFETCH(int, toX);
        QFETCH(int, toY);
        QCOMPARE(StepCursor(CellIndex(x, y), step), CellIndex(toX, toY));
    }
};

QTEST_APPLESS_MAIN(BoardTest)
#include "test_board.moc"
