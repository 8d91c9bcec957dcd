#include <QGraphicsEffect>
#include <QTest>

#include "match/windows/unit_motion.h"
#include "shell/settings/view_toggles.h"
#include "tests/match/battle_driver.h"
#include "tests/rules/board_text.h"
#include "tests/support/recording_sink.h"

Q_DECLARE_METATYPE(morvane::Board)

using namespace morvane;
using namespace morvane::testing;

namespace {

// Opens the screen with the pointer away from the board, so that the first hover is a move.
void OpenAwayFromTheBoard(Screen& screen) {
    screen.Open();
    QTest::mouseMove(screen.window, QPoint(1, 1));
}

}  // namespace

class BattleEffectsTest : public QObject {
    Q_OBJECT

private slots:
    // A placed unit drops onto a support or fades into a ◇: the cell is kept from view under
    // the moving picture and shown again once it has arrived. With motion turned off the unit
    // shows at once.
    void aPlacedUnitArrivesWithAShortMotion_data() {
        QTest::addColumn<Board>("board");
        QTest::addColumn<bool>("motionOn");
        QTest::newRow("drop onto the floor") << Board{} << true;
        QTest::newRow("fade into a ◇") << BoardFromRows({"d......."}) << true;
        QTest::newRow("motion turned off") << Board{} << false;
    }
    void aPlacedUnitArrivesWithAShortMotion() {
        QFETCH(Board, board);
        QFETCH(bool, motionOn);
        Screen screen(PlayerKind::Mouse, PlayerKind::Mouse);
        screen.PlayOn(board);
        WriteViewToggle(screen.settings.store(), ViewToggle::Motion, motionOn);
        OpenAwayFromTheBoard(screen);
        auto* motion = screen.window->findChild<UnitMotion*>(QStringLiteral("UnitMotion"));
        QVERIFY(motion);
        QCOMPARE(motion->On(), motionOn);

        const int cell = CellIndex(1, 12);
        // What the motion's start shows, seen as it starts: a motion of 150 ms may be over
        // before a busy test looks again.
        QList<bool> startedHidden;
        connect(motion, &UnitMotion::started, motion, [&](QWidget* moved) {
            startedHidden << (moved == screen.Cell(cell) && moved->graphicsEffect() != nullptr);
        });
        ClickCell(screen, cell);
        QVERIFY(QTest::qWaitFor([&] { return screen.battle().ShownBoard()[cell] == CircleUnit; },
                                kWait));
        QCOMPARE(startedHidden, motionOn ? QList<bool>{true} : QList<bool>{});
        QTRY_VERIFY_WITH_TIMEOUT(!motion->Moving(), kWait);
        QVERIFY(!screen.Cell(cell)->graphicsEffect());
        QVERIFY(!screen.Cell(cell)->pixmap().isNull());
        screen.window->close();
    }

    // Turning motion off from the view menu ends what moves and is stored.
    void turningMotionOffShowsEveryCellAtOnce() {
        Screen screen(PlayerKind::Mouse, PlayerKind::Mouse);
        OpenAwayFromTheBoard(screen);
        ClickCell(screen, CellIndex(2, 12));
        auto* motion = screen.window->findChild<UnitMotion*>(QStringLiteral("UnitMotion"));
        QVERIFY(QTest::qWaitFor([&] { return motion->Moving(); }, kWait));
        screen.window->findChild<QAction*>(QStringLiteral("MotionToggle"))->trigger();
        QVERIFY(!motion->Moving());
        QVERIFY(!screen.Cell(CellIndex(2, 12))->graphicsEffect());
        QVERIFY(!ReadViewToggle(screen.settings.store(), ViewToggle::Motion));
        screen.window->close();
    }

    // A game through the window sounds each refusal, each unit by its side and the win; the
    // winning line pulses while the result is shown.
    void aGameSoundsItsMoments() {
        RecordingSink sink;
        Screen screen(PlayerKind::Mouse, PlayerKind::Mouse);
        screen.seams.sounds = &sink;
        screen.PlayOn(BlocksAbove({"oo...###"}));
        bool pulsed = false;
        WhenModalOpens(QStringLiteral("Form5"), [&](QWidget* result) {
            pulsed = screen.window->findChild<UnitMotion*>(QStringLiteral("UnitMotion"))->Moving();
            ClickChild(result,
                       QStringLiteral("Option1_%1").arg(static_cast<int>(ResultChoice::Quit)));
            ClickChild(result, QStringLiteral("Command2"));
        });
        OpenAwayFromTheBoard(screen);
        for (const int x : {6, 3, 5, 4}) {
            ClickCell(screen, CellIndex(x, 12));
            QVERIFY(QTest::qWaitFor(
                [&] {
                    return screen.window.isNull() ||
                           screen.battle().State() != BattleState::WaitMouse;
                },
                kWait));
        }
        QTRY_VERIFY_WITH_TIMEOUT(screen.window.isNull(), kWait);
        QVERIFY(pulsed);
        QCOMPARE(sink.played, (QList<Sound>{Sound::Refused, Sound::CirclePlaced, Sound::CrossPlaced,
                                            Sound::CirclePlaced, Sound::Won}));
    }
};

QTEST_MAIN(BattleEffectsTest)
#include "test_battle_effects.moc"
