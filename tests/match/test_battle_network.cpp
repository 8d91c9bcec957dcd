#include <QTest>
#include <optional>

#include "match/model/battle.h"
#include "match/model/player_entry.h"
#include "tests/match/fake_battle_host.h"

using namespace morvane;
using morvane::testing::FakeBattleHost;

namespace {

// Stands in for the other side of the network: records what the battle sends it, as words,
// and says how the person here answers the questions its news asks.
struct FakePeer : RemotePeer {
    QStringList sent;
    bool allowUndo = true;
    std::optional<ComputerLevel> afterLeft;
    int invalidTold = 0;

    void SendMove(int cell) override { sent << QStringLiteral("move %1").arg(cell); }
    bool SendUndoRequest() override {
        sent << QStringLiteral("undo?");
        return true;
    }
    void SendUndoAnswer(bool accept) override { sent << (accept ? "undo yes" : "undo no"); }
    void SendSetup(const Board&, int remoteSide, Turn first) override {
        sent << QStringLiteral("setup %1 %2").arg(remoteSide).arg(SideNumber(first));
    }
    void SendNext() override { sent << QStringLiteral("next"); }
    void SendQuit() override { sent << QStringLiteral("quit"); }
};

// What happens next in a network match, seen from the host at the mouse, playing ○ first
// against the other side's ×.
enum class Step {
    LocalMove,         // the person here places a unit in the first cell that takes one
    RemoteMove,        // the other side places one there
    LocalUndo,         // the person here asks to take back
    UndoAccepted,      // the other side accepts that request
    UndoDeclined,      // or declines it
    RemoteAsksUndo,    // the other side asks, and the person here answers as FakePeer says
    RemoteResigns,     //
    RemoteLeaves,      // the person here answers as FakePeer says
    RemoteSendsWrong,  // the other side sent something invalid
};

int FirstPlaceable(const Board& board) {
    for (int index = 0; index < kCellCount; ++index) {
        if (CanPlace(board, index)) {
            return index;
        }
    }
    return -1;
}

int UnitCount(const Board& board) {
    int units = 0;
    for (int index = 0; index < kCellCount; ++index) {
        units += board[index] == CircleUnit || board[index] == CrossUnit ? 1 : 0;
    }
    return units;
}

struct NetMatch {
    AppState state;
    FakeBattleHost host;
    FakePeer peer;
    std::optional<Battle> battle;

    // The names this side and the other side gave.
    explicit NetMatch(const QString& ownName = QStringLiteral("Hana"),
                      const QString& peerName = QStringLiteral("Ren")) {
        state.options = {FirstGameFirst::Circle, LaterGamesFirst::Alternate, TerrainOption::Off};
        host.onEntry = [this] { state.players.kind = {PlayerKind::Mouse, PlayerKind::Network}; };
        host.onComputer = [this] { return FirstPlaceable(state.board); };
        host.Open(battle, state);
        QObject::connect(&*battle, &Battle::peerUndoAsked,
                         [this] { battle->AnswerPeerUndo(peer.allowUndo); });
        QObject::connect(&*battle, &Battle::peerLeftAsked,
                         [this](bool) { battle->AnswerPeerLeft(peer.afterLeft); });
        QObject::connect(&*battle, &Battle::peerInvalidTold, [this] {
            ++peer.invalidTold;
            battle->AnswerPeerInvalid();
        });
        battle->PlayNetwork(peer, NetworkRole::Host, ownName, peerName);
    }

    // Ticks until the condition holds, within a bound.
    bool TickUntil(const std::function<bool()>& condition) {
        for (int i = 0; i < 20000 && !condition(); ++i) {
            battle->Tick();
        }
        return condition();
    }
    bool PersonWaits() {
        return TickUntil([this] { return battle->WaitsForInput(); });
    }
    bool RemoteToMove() {
        return TickUntil([this] {
            return battle->State() == BattleState::ComputerWait && battle->Info().IsIdle();
        });
    }

    bool Play(Step step) {
        switch (step) {
            case Step::LocalMove:
                if (!PersonWaits()) {
                    return false;
                }
                battle->ClickCell(FirstPlaceable(state.board));
                return RemoteToMove();
            case Step::RemoteMove:
                battle->RemoteMoved(FirstPlaceable(state.board));
                return PersonWaits();
            case Step::LocalUndo:
                if (!PersonWaits()) {
                    return false;
                }
                battle->TakeBack();
                return TickUntil([this] { return peer.sent.last() == "undo?"; });
            case Step::UndoAccepted:
            case Step::UndoDeclined:
                battle->RemoteAnsweredUndo(step == Step::UndoAccepted);
                return PersonWaits();
            case Step::RemoteAsksUndo:
                battle->RemoteAskedUndo();
                return TickUntil([this] { return peer.sent.last().startsWith("undo "); }) &&
                       RemoteToMove();
            case Step::RemoteResigns:
                battle->RemoteResigned();
                return TickUntil([this] { return !host.results.isEmpty(); });
            case Step::RemoteLeaves:
                battle->RemoteLeft();
                // The computer's move, when it took the side over.
                return TickUntil(
                    [this] { return battle->QuitChosen() || battle->WaitsForInput(); });
            case Step::RemoteSendsWrong:
                battle->RemoteInvalid();
                return TickUntil([this] { return battle->QuitChosen(); });
        }
        return false;
    }
};

}  // namespace

Q_DECLARE_METATYPE(QList<Step>)

class BattleNetworkTest : public QObject {
    Q_OBJECT

private slots:
    void eachEventOfTheOtherSide_data() {
        QTest::addColumn<QList<Step>>("steps");
        QTest::addColumn<bool>("allowUndo");
        QTest::addColumn<std::optional<ComputerLevel>>("afterLeft");
        QTest::addColumn<QStringList>("sent");  // after the setup
        QTest::addColumn<int>("units");
        QTest::addColumn<bool>("stillNetwork");
        QTest::addColumn<bool>("quit");

        using S = Step;
        const std::optional<ComputerLevel> end;
        QTest::newRow("moves go out and come in")
            << QList<Step>{S::LocalMove, S::RemoteMove} << true << end << QStringList{"move 88"}
            << 2 << true << false;
        QTest::newRow("an undo accepted takes both units back")
            << QList<Step>{S::LocalMove, S::RemoteMove, S::LocalUndo, S::UndoAccepted} << true
            << end << QStringList{"move 88", "undo?"} << 0 << true << false;
        QTest::newRow("an undo declined leaves the board")
            << QList<Step>{S::LocalMove, S::RemoteMove, S::LocalUndo, S::UndoDeclined} << true
            << end << QStringList{"move 88", "undo?"} << 2 << true << false;
        QTest::newRow("the other side's undo, allowed")
            << QList<Step>{S::LocalMove, S::RemoteMove, S::LocalMove, S::RemoteAsksUndo} << true
            << end << QStringList{"move 88", "move 72", "undo yes"} << 1 << true << false;
        QTest::newRow("the other side's undo, refused")
            << QList<Step>{S::LocalMove, S::RemoteMove, S::LocalMove, S::RemoteAsksUndo} << false
            << end << QStringList{"move 88", "move 72", "undo no"} << 3 << true << false;
        // The result dialog's choice here is Quit.
        QTest::newRow("a resignation is this side's win")
            << QList<Step>{S::LocalMove, S::RemoteResigns} << true << end << QStringList{"move 88"}
            << 1 << true << true;
        QTest::newRow("left, handed to the computer, which moves")
            << QList<Step>{S::LocalMove, S::RemoteLeaves} << true
            << std::optional<ComputerLevel>(ComputerLevel::Hard) << QStringList{"move 88"} << 2
            << false << false;
        QTest::newRow("left, and the game ends")
            << QList<Step>{S::LocalMove, S::RemoteLeaves} << true << end
            << QStringList{"move 88", "quit"} << 1 << true << true;
        QTest::newRow("something invalid ends the game")
            << QList<Step>{S::LocalMove, S::RemoteSendsWrong} << true << end
            << QStringList{"move 88", "quit"} << 1 << true << true;
    }
    // The battle should send this side's moves, place the other side's through the same turn
    // loop, apply a take-back only when accepted, and end or hand over as the person says.
    void eachEventOfTheOtherSide() {
        QFETCH(QList<Step>, steps);
        QFETCH(bool, allowUndo);
        QFETCH(std::optional<ComputerLevel>, afterLeft);
        QFETCH(QStringList, sent);
        QFETCH(int, units);
        QFETCH(bool, stillNetwork);
        QFETCH(bool, quit);

        NetMatch match;
        match.peer.allowUndo = allowUndo;
        match.peer.afterLeft = afterLeft;
        for (const Step step : steps) {
            QVERIFY2(match.Play(step), qPrintable(QStringLiteral("step %1").arg(int(step))));
        }
        QCOMPARE(match.peer.sent, QStringList{"setup 1 0"} + sent);
        QCOMPARE(UnitCount(match.battle->ShownBoard()), units);
        QCOMPARE(match.battle->IsNetworkMatch(), stillNetwork);
        QCOMPARE(match.battle->QuitChosen(), quit);
        QCOMPARE(match.battle->CanRedo(), false);
        if (afterLeft) {
            QCOMPARE(match.state.players.kind[1], PlayerKind::HardComputer);
            QCOMPARE(match.battle->NameText(0), QStringLiteral("Mouse"));
        }
        QCOMPARE(match.battle->CanOpenGame(), !stillNetwork && !quit);
    }

    // The other side's resignation should be the person's win; the next game should then wait
    // until the other side is ready too, and the host then send its terms.
    void theNextGameWaitsForBoth() {
        NetMatch match;
        match.host.onResult = [](const GameResult&) { return ResultChoice::NextBattle; };
        QVERIFY(match.Play(Step::LocalMove));
        QVERIFY(match.Play(Step::RemoteResigns));
        QCOMPARE(match.host.recorded, QList<GameEnd>{GameEnd::CircleWins});
        QCOMPARE(match.battle->Wins(0), 1);
        QVERIFY(match.TickUntil([&] { return match.peer.sent.last() == "next"; }));
        for (int i = 0; i < 100; ++i) {
            match.battle->Tick();
        }
        QCOMPARE(match.battle->State(), BattleState::SetUpGame);
        QCOMPARE(match.peer.sent.count(QStringLiteral("setup 1 0")), 1);
        match.battle->RemoteReady();
        // Games after the first alternate who begins.
        QVERIFY(match.TickUntil([&] { return match.peer.sent.last() == "setup 1 1"; }));
    }

    // A side that gave no name is shown by who plays it.
    void aSideWithoutANameShowsWhoPlaysIt() {
        NetMatch match{QString(), QStringLiteral("  ")};
        QVERIFY(match.PersonWaits());
        QCOMPARE(match.battle->NameText(0), PlayerKindLabel(PlayerKind::Mouse, false));
        QCOMPARE(match.battle->NameText(1), PlayerKindLabel(PlayerKind::Network, false));
    }

    // Once the other side's take-back is granted it is its turn again: the pane says so with
    // the wait on a row of its own under the note, nothing running past the pane's edge.
    void aGrantedTakeBackWaitsOnItsOwnRow() {
        NetMatch match;
        for (const Step step :
             {Step::LocalMove, Step::RemoteMove, Step::LocalMove, Step::RemoteAsksUndo}) {
            QVERIFY(match.Play(step));
        }
        QVERIFY(match.TickUntil([&] { return match.battle->Info().IsSettled(); }));
        QStringList rows;
        for (int row = 0; row < InfoPanel::kRowCount; ++row) {
            rows << match.battle->Info().RowText(row).trimmed();
        }
        rows.removeAll(QString());
        QVERIFY(rows.contains(QStringLiteral("Ｗａｉｔ．．．")));
        QVERIFY(rows.indexOf(QStringLiteral("Ｗａｉｔ．．．")) >
                rows.indexOf(QStringLiteral("２手戻しました")));
    }
};

QTEST_GUILESS_MAIN(BattleNetworkTest)
#include "test_battle_network.moc"
