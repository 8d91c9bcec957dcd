#include <QLabel>
#include <QTest>

#include "match/windows/battle_window.h"
#include "terrain/layouts/area_layouts.h"
#include "terrain/windows/area_select_window.h"
#include "tests/match/battle_driver.h"
#include "tests/rules/board_text.h"
#include "tests/support/screenshot.h"

using namespace morvane;
using namespace morvane::testing;

namespace {

// A user layout written as text rows (see BoardFromRows) and stored as the given file.
void StoreUserLayout(SettingsStore& store, int file, const QStringList& rows) {
    const Board board = BoardFromRows(rows);
    QString text;
    for (const std::int16_t code : board.cells) {
        text += QString::number(code);
    }
    store.Write(settings::UserLayout(file), text);
}

// A battle screen whose area select is the real area select window.
void UseRealAreaSelect(Screen& screen) {
    screen.state.options.terrainSelect = TerrainOption::On;
    screen.areaSelect = [&screen](QWidget* parent, const BattleWindow::AreaChosen& chosen) {
        OpenAreaSelect(parent, screen.state.board, screen.settings.store(), parent, chosen);
    };
}

QColor TextColor(QWidget* window, const QString& name) {
    return window->findChild<QLabel*>(name)->palette().color(QPalette::WindowText);
}

}  // namespace

class BattleTerrainTest : public QObject {
    Q_OBJECT

private slots:
    // With terrain on, the area select window opens before every game, also before one
    // started by "Ｎｅｘｔ　Ｂａｔｔｌｅ"; the game is played on the layout it leaves: a unit
    // drops into a floating ◇, a placement onto a ■ is refused and the same player goes on.
    void wholeGameOnAUserLayout() {
        Screen screen(PlayerKind::Mouse, PlayerKind::Keyboard);
        screen.state.options.firstGameFirst = FirstGameFirst::Circle;
        // The refusal's page scrolls "Ｅｒｒ！" out of the pane after fifteen lines; ticking
        // slowly keeps it there long enough to be seen.
        screen.seams.tickPeriod = std::chrono::milliseconds(2);
        StoreUserLayout(screen.settings.store(), 0,
                        {"...d....", ".", ".", ".", ".", ".", ".", ".", ".", ".", ".", "#......."});
        screen.settings.store().Write(settings::AreaChoice(), OriginalArea);
        UseRealAreaSelect(screen);

        int areaSelects = 0;
        const auto confirmArea = [&](QWidget* area) {
            ++areaSelects;
            QCOMPARE(area->windowTitle(), QStringLiteral("Morvaneⅲ－Area Select"));
            ClickChild(area, QStringLiteral("Command2"));
        };
        WhenModalOpens(QStringLiteral("Form6"), confirmArea);
        screen.Open();
        QVERIFY(WaitForState(screen, BattleState::WaitMouse));
        QCOMPARE(areaSelects, 1);
        QCOMPARE(screen.window->findChild<QLabel*>(QStringLiteral("AreaSpaceLb"))->text(),
                 QStringLiteral("Area Space：95/95"));

        ClickCell(screen, CellIndex(4, 1));  // into the floating ◇ of the top row
        QVERIFY(WaitForState(screen, BattleState::WaitKeyboard));
        QCOMPARE(screen.state.board[CellIndex(4, 1)], CircleUnit);

        SteerAndPlace(screen, CellIndex(1, 12));  // onto the ■: refused
        QVERIFY(WaitForState(screen, BattleState::WaitKeyboard));
        QTRY_COMPARE_WITH_TIMEOUT(screen.battle().Info().RowText(0),
                                  QStringLiteral("Ｅｒｒ！　　　　　　　　"), kWait);
        QCOMPARE(screen.state.board[CellIndex(1, 12)], Block);
        testing::SaveScreenshot(screen.window, QStringLiteral("battle_terrain_refused"));

        bool resultShown = false;
        WhenModalOpens(QStringLiteral("Form5"), [&](QWidget* result) {
            QCOMPARE(result->findChild<QLabel*>(QStringLiteral("Label1_1"))->text(),
                     QStringLiteral("○ Ｗｉｎ！！"));
            resultShown = true;
            WhenModalOpens(QStringLiteral("Form6"), confirmArea);
            ClickChild(result, QStringLiteral("Command2"));  // the next battle
        });
        SteerAndPlace(screen, CellIndex(8, 12));
        PlayMouseAgainstKeyboard(
            screen, {CellIndex(2, 12), CellIndex(8, 11), CellIndex(3, 12), CellIndex(8, 10),
                     CellIndex(4, 12), CellIndex(7, 12), CellIndex(5, 12)});
        QTRY_VERIFY_WITH_TIMEOUT(resultShown, kWait);
        QTRY_COMPARE_WITH_TIMEOUT(areaSelects, 2, kWait);
        QTRY_COMPARE_WITH_TIMEOUT(screen.state.roundCount, 2, kWait);
        QCOMPARE(screen.state.board[CellIndex(4, 1)], Hollow);  // the layout is fresh again
        screen.window->close();
        QTRY_VERIFY_WITH_TIMEOUT(screen.window.isNull(), kWait);
    }

    // A layout with no free cell ends the game at once: "戦闘不能" in cyan, nobody's win.
    void layoutWithoutFreeCellsCannotBePlayed() {
        Screen screen(PlayerKind::Mouse, PlayerKind::Keyboard);
        screen.settings.store().Write(settings::UserLayout(0), QString(kCellCount, '8'));
        screen.settings.store().Write(settings::AreaChoice(), OriginalArea);
        UseRealAreaSelect(screen);
        WhenModalOpens(QStringLiteral("Form6"),
                       [](QWidget* area) { ClickChild(area, QStringLiteral("Command2")); });

        bool resultShown = false;
        WhenModalOpens(QStringLiteral("Form5"), [&](QWidget* result) {
            QCOMPARE(result->findChild<QLabel*>(QStringLiteral("Label1_1"))->text(),
                     QStringLiteral("戦闘不能"));
            QCOMPARE(TextColor(result, QStringLiteral("Label1_1")), QColor(0, 255, 255));
            QCOMPARE(screen.window->battle().Wins(0) + screen.window->battle().Wins(1), 0);
            resultShown = true;
            ClickChild(result, QStringLiteral("Option1_3"));
            ClickChild(result, QStringLiteral("Command2"));
        });
        screen.Open();
        QTRY_VERIFY_WITH_TIMEOUT(resultShown, kWait);
        QTRY_VERIFY_WITH_TIMEOUT(screen.window.isNull(), kWait);
        QCOMPARE(screen.closedSignals, 1);
    }
};

QTEST_MAIN(BattleTerrainTest)
#include "test_battle_terrain.moc"
