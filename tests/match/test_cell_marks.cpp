#include <QTest>

#include "match/model/cell_mark.h"
#include "match/windows/battle_widgets.h"
#include "match/windows/cell_marks.h"
#include "shell/settings/view_toggles.h"
#include "shell/windows/look.h"
#include "tests/match/battle_driver.h"
#include "tests/support/screenshot.h"

Q_DECLARE_METATYPE(morvane::BattleState)
Q_DECLARE_METATYPE(morvane::CellMark)

using namespace morvane;
using namespace morvane::testing;

namespace {

// Column 1 empty; column 2 a ■ on the floor; column 3 a ◇ floating at row 6 over empty cells;
// column 4 a ○ on a ◇ on the floor.
Board TerrainBoard() {
    Board board;
    board[CellIndex(2, 12)] = Block;
    board[CellIndex(3, 6)] = Hollow;
    board[CellIndex(4, 12)] = Hollow;
    board[CellIndex(4, 11)] = CircleUnit;
    return board;
}

}  // namespace

class CellMarksTest : public QObject {
    Q_OBJECT

private slots:
    // While a person's turn waits, the cursor cell is marked as taking a unit exactly where the
    // placement rule lets one in; in any other state nothing is marked.
    void theCursorCellIsMarkedAsThePlacementRuleSays_data() {
        QTest::addColumn<BattleState>("state");
        QTest::addColumn<int>("cell");
        QTest::addColumn<CellMark>("mark");
        const auto mouse = BattleState::WaitMouse;
        QTest::newRow("floor") << mouse << CellIndex(1, 12) << CellMark::Takes;
        QTest::newRow("over the floor") << mouse << CellIndex(1, 11) << CellMark::Refuses;
        QTest::newRow("top row of an empty column")
            << mouse << CellIndex(1, 1) << CellMark::Refuses;
        QTest::newRow("a ■") << mouse << CellIndex(2, 12) << CellMark::Refuses;
        QTest::newRow("on a ■") << mouse << CellIndex(2, 11) << CellMark::Takes;
        QTest::newRow("a floating ◇") << mouse << CellIndex(3, 6) << CellMark::Takes;
        QTest::newRow("on a floating ◇") << mouse << CellIndex(3, 5) << CellMark::Takes;
        QTest::newRow("under a floating ◇") << mouse << CellIndex(3, 7) << CellMark::Refuses;
        QTest::newRow("a unit") << mouse << CellIndex(4, 11) << CellMark::Refuses;
        QTest::newRow("on a unit") << mouse << CellIndex(4, 10) << CellMark::Takes;
        QTest::newRow("keyboard, legal")
            << BattleState::WaitKeyboard << CellIndex(2, 11) << CellMark::Takes;
        QTest::newRow("keyboard, illegal")
            << BattleState::WaitKeyboard << CellIndex(2, 10) << CellMark::Refuses;
        QTest::newRow("computer's cursor")
            << BattleState::MoveCursor << CellIndex(1, 12) << CellMark::None;
        QTest::newRow("placing") << BattleState::Place << CellIndex(1, 12) << CellMark::None;
        QTest::newRow("game over") << BattleState::GameOver << CellIndex(1, 11) << CellMark::None;
    }
    void theCursorCellIsMarkedAsThePlacementRuleSays() {
        QFETCH(BattleState, state);
        QFETCH(int, cell);
        QFETCH(CellMark, mark);
        QCOMPARE(CursorCellMark(state, TerrainBoard(), cell), mark);
    }

    // Hovering shows a ghost over a cell that takes the unit and mutes the frame over one that
    // does not; turned off from the view menu, the frame is as it always was and the choice is
    // stored.
    void hoveringShowsTheMarkUntilTurnedOff() {
        Screen screen(PlayerKind::Mouse, PlayerKind::Mouse);
        screen.Open();
        QVERIFY(WaitForState(screen, BattleState::WaitMouse));
        auto* ghost = screen.window->findChild<GhostUnit*>(QStringLiteral("CellGhost"));
        auto* frame = screen.window->findChild<MarkerFrame*>(QStringLiteral("Cur"));
        QVERIFY(ghost && frame);

        QTest::mouseMove(screen.Cell(CellIndex(3, 12)));
        QTRY_VERIFY_WITH_TIMEOUT(ghost->isVisible(), kWait);
        QCOMPARE(ghost->geometry(), screen.Cell(CellIndex(3, 12))->geometry());
        QCOMPARE(frame->Color(), look::Current().battleCursor);
        SaveScreenshot(screen.window, QStringLiteral("battle_ghost_on_legal_cell"));

        QTest::mouseMove(screen.Cell(CellIndex(3, 4)));
        QTRY_VERIFY_WITH_TIMEOUT(!ghost->isVisible(), kWait);
        QCOMPARE(frame->Color(), look::Current().battleCursorMuted);
        SaveScreenshot(screen.window, QStringLiteral("battle_muted_frame_on_illegal_cell"));

        screen.window->findChild<QAction*>(QStringLiteral("CellMarksToggle"))->trigger();
        QCOMPARE(frame->Color(), look::Current().battleCursor);
        QVERIFY(!ReadViewToggle(screen.settings.store(), ViewToggle::CellMarks));
        QTest::mouseMove(screen.Cell(CellIndex(4, 12)));
        QTRY_COMPARE_WITH_TIMEOUT(screen.battle().CursorCell(), CellIndex(4, 12), kWait);
        QVERIFY(!ghost->isVisible());
        screen.window->close();
    }
};

QTEST_MAIN(CellMarksTest)
#include "test_cell_marks.moc"
