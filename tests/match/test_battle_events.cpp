#include <QTest>
#include <optional>

#include "tests/match/fake_battle_host.h"
#include "tests/rules/board_text.h"

Q_DECLARE_METATYPE(morvane::Board)
Q_DECLARE_METATYPE(morvane::PlayerKind)

using namespace morvane;
using morvane::testing::BlocksAbove;
using morvane::testing::BoardFromRows;
using morvane::testing::FakeBattleHost;

namespace {

// "○ at 4,12 into ◇", "refused", "won, line of 4", and so on.
QString Describe(const BattleEvent& event) {
    if (event.kind == BattleEvent::Kind::UnitPlaced) {
        return QStringLiteral("%1 at %2,%3%4")
            .arg(event.turn == kCircleTurn ? "○" : "×")
            .arg(CellX(event.cell))
            .arg(CellY(event.cell))
            .arg(event.intoHollow ? " into ◇" : "");
    }
    static const QStringList kNames{"", "refused", "won", "lost", "drawn", "hint"};
    const QString name = kNames[static_cast<int>(event.kind)];
    return event.line.empty() ? name : name + QStringLiteral(", line of %1").arg(event.line.size());
}

// A battle on a fixed board, with what it says has happened written down.
struct Watched {
    AppState state;
    FakeBattleHost host;
    std::optional<Battle> battle;
    QStringList events;

    Watched(PlayerKind circle, PlayerKind cross, const Board& board) {
        state.options = {FirstGameFirst::Circle, LaterGamesFirst::Alternate, TerrainOption::On};
        host.onEntry = [this, circle, cross] { state.players.kind = {circle, cross}; };
        host.onArea = [this, board] { state.board = board; };
        host.onComputer = [this]() -> std::optional<int> {
            for (int cell = 0; cell < kCellCount; ++cell) {
                if (CanPlace(state.board, cell)) {
                    return cell;
                }
            }
            return std::nullopt;
        };
        host.onHint = [] { return Hint{CellIndex(1, 12)}; };
        host.Open(battle, state);
        QObject::connect(&*battle, &Battle::happened,
                         [this](const BattleEvent& event) { events << Describe(event); });
    }

    // Ticks until a person's turn rests or the match has ended.
    bool TickUntilRest() {
        for (int tick = 0; tick < 5000; ++tick) {
            if (battle->QuitChosen() || battle->WaitsForInput()) {
                return true;
            }
            battle->Tick();
        }
        return false;
    }
};

}  // namespace

class BattleEventsTest : public QObject {
    Q_OBJECT

private slots:
    // Each unit that appears, each refusal, each end and each hint served is told once, in the
    // order the screen shows them.
    void eachHappeningIsToldOnce_data() {
        QTest::addColumn<PlayerKind>("circle");
        QTest::addColumn<PlayerKind>("cross");
        QTest::addColumn<Board>("board");
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QStringList>("told");
        const auto mouse = PlayerKind::Mouse;
        const auto computer = PlayerKind::EasyComputer;
        QTest::newRow("a unit of each side, into a ◇ and onto the floor")
            << mouse << mouse << BoardFromRows({"d......."}) << QStringList{"1 12", "2 12"}
            << QStringList{"○ at 1,12 into ◇", "× at 2,12"};
        QTest::newRow("a cell that takes nothing")
            << mouse << mouse << Board{} << QStringList{"1 1"} << QStringList{"refused"};
        QTest::newRow("a person beats the computer")
            << mouse << computer << BlocksAbove({"ooo.####"}) << QStringList{"4 12"}
            << QStringList{"○ at 4,12", "won, line of 4"};
        QTest::newRow("the computer beats a person")
            << computer << mouse << BlocksAbove({"ooo.####"}) << QStringList{}
            << QStringList{"○ at 4,12", "lost, line of 4"};
        QTest::newRow("a person beats a person")
            << mouse << mouse << BlocksAbove({"ooo.####"}) << QStringList{"4 12"}
            << QStringList{"○ at 4,12", "won, line of 4"};
        QTest::newRow("the last free cell")
            << mouse << mouse << BlocksAbove({"###.####"}) << QStringList{"4 12"}
            << QStringList{"○ at 4,12", "drawn"};
        QTest::newRow("a hint") << mouse << mouse << Board{} << QStringList{"hint"}
                                << QStringList{"hint"};
        QTest::newRow("a hint left for a new game")
            << mouse << mouse << Board{} << QStringList{"hint then new game"} << QStringList{};
        QTest::newRow("a take-back replayed")
            << mouse << mouse << BoardFromRows({"d......."})
            << QStringList{"1 12", "2 12", "undo", "redo"}
            << QStringList{"○ at 1,12 into ◇", "× at 2,12", "× at 2,12"};
    }
    void eachHappeningIsToldOnce() {
        QFETCH(PlayerKind, circle);
        QFETCH(PlayerKind, cross);
        QFETCH(Board, board);
        QFETCH(QStringList, script);
        QFETCH(QStringList, told);
        Watched watched(circle, cross, board);
        Battle& battle = *watched.battle;
        for (const QString& step : script) {
            QVERIFY(watched.TickUntilRest());
            if (step.startsWith(QStringLiteral("hint"))) {
                battle.AskHint();
                if (step.endsWith(QStringLiteral("new game"))) {
                    battle.NewGame();
                }
            } else if (step == QStringLiteral("undo")) {
                battle.TakeBack();
            } else if (step == QStringLiteral("redo")) {
                battle.Redo();
            } else {
                const QStringList xy = step.split(QLatin1Char(' '));
                battle.HoverCell(CellIndex(xy[0].toInt(), xy[1].toInt()));
                battle.ClickCell(CellIndex(xy[0].toInt(), xy[1].toInt()));
            }
        }
        QVERIFY(watched.TickUntilRest());
        QCOMPARE(watched.events, told);
    }
};

QTEST_MAIN(BattleEventsTest)
#include "test_battle_events.moc"
