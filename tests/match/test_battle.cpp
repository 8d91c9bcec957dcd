#include <QTest>
#include <optional>

#include "match/model/battle.h"
#include "match/model/searched_cell.h"
#include "tests/match/fake_battle_host.h"
#include "tests/rules/board_text.h"

using namespace morvane;
using morvane::testing::BlocksAbove;
using morvane::testing::BoardFromRows;
using morvane::testing::FakeBattleHost;

namespace {

const QString kSeparator = QStringLiteral("－－－－－－－－－－－－");

QString WithoutPadding(QString text) { return text.remove(QChar(0x3000)); }

// The first cell a unit may go into, the way a simple computer would choose.
std::optional<int> FirstPlaceable(const Board& board) {
    for (int index = 0; index < kCellCount; ++index) {
        if (CanPlace(board, index)) {
            return index;
        }
    }
    return std::nullopt;
}

// A match on the battle model with a fake window. ○ moves first unless the options say else.
struct Match {
    AppState state;
    FakeBattleHost host;
    std::optional<Battle> battle;

    Match(PlayerKind circleKind, PlayerKind crossKind) {
        state.options = {FirstGameFirst::Circle, LaterGamesFirst::Alternate, TerrainOption::Off};
        host.onEntry = [this, circleKind, crossKind] {
            state.players.kind = {circleKind, crossKind};
        };
        host.onComputer = [this] { return FirstPlaceable(state.board); };
        host.onResult = [](const GameResult&) { return ResultChoice::Quit; };
    }

    // Terrain ON, every game starting on the given board.
    void PlayOn(const Board& board) {
        state.options.terrainSelect = TerrainOption::On;
        host.onArea = [this, board] { state.board = board; };
    }

    Battle& Open() { return host.Open(battle, state); }

    void Tick(int count = 1) {
        for (int i = 0; i < count; ++i) {
            battle->Tick();
        }
    }

    // Ticks until the condition holds; false when it never did.
    bool TickUntil(const std::function<bool()>& condition, int limit = 20000) {
        for (int i = 0; i < limit; ++i) {
            if (condition()) {
                return true;
            }
            battle->Tick();
        }
        return condition();
    }

    bool TickUntilState(BattleState wanted) {
        return TickUntil([&] { return battle->State() == wanted; });
    }
};

// Every line the pane shows, padding dropped.
QString PaneText(const InfoPanel& info) {
    QString text;
    for (int row = 0; row < InfoPanel::kRowCount; ++row) {
        text += info.RowText(row);
    }
    return WithoutPadding(text);
}

}  // namespace

class BattleTest : public QObject {
    Q_OBJECT

private slots:
    // Opening asks who plays, then sets up round 1 on a cleared board and starts ○'s turn.
    void openingEntersPlayersAndSetsUpTheFirstGame() {
        Match match(PlayerKind::Mouse, PlayerKind::Keyboard);
        match.state.board = BoardFromRows({"oxo#d..."});
        match.state.roundCount = 17;
        Battle& battle = match.Open();
        QCOMPARE(match.state.roundCount, 0);
        QVERIFY(!battle.MarkersShown());

        match.Tick();
        QCOMPARE(battle.State(), BattleState::EnterPlayers);
        QCOMPARE(match.host.entries, 1);
        QCOMPARE(battle.NameText(0), QStringLiteral("Mouse"));
        QCOMPARE(battle.NameText(1), QStringLiteral("Keybord"));

        match.Tick();
        QCOMPARE(battle.State(), BattleState::SetUpGame);
        QCOMPARE(match.state.roundCount, 1);
        QCOMPARE(match.state.board, Board{});
        QCOMPARE(battle.ShownBoard(), Board{});
        QCOMPARE(battle.RoundText(), QStringLiteral("Ｒｏｕｎｄ\n001"));
        QCOMPARE(battle.WinText(0), QStringLiteral("Ｗｉｎ:000"));
        QCOMPARE(battle.AreaSpaceText(), QStringLiteral("Area Space：96/96"));
        QCOMPARE(match.host.areas, 0);  // terrain is off

        match.Tick();
        QCOMPARE(battle.State(), BattleState::TurnStart);
        QCOMPARE(match.state.turn, kCircleTurn);
        QVERIFY(battle.MarkersShown());
        QCOMPARE(battle.MarkedSide(), 0);
        QCOMPARE(battle.CursorCell(), 95);
        QCOMPARE(battle.SideColor(0), kCyan);
        QCOMPARE(battle.SideColor(1), kWhite);
        QVERIFY(battle.HandPointer());
        match.Tick();
        QCOMPARE(battle.State(), BattleState::WaitMouse);
    }

    // The computer thinks only once "Ｗａｉｔ．．．" has faded in completely, and the pane
    // shows nothing else.
    void computerWaitsForTheWaitPage() {
        Match match(PlayerKind::EasyComputer, PlayerKind::EasyComputer);
        std::optional<int> calledAtTick;
        int ticks = 0;
        match.host.onComputer = [&]() -> std::optional<int> {
            const InfoPanel& info = match.battle->Info();
            calledAtTick = ticks;
            [&] {
                QVERIFY(info.IsIdle());
                QCOMPARE(info.RowText(0), QStringLiteral("Ｗａｉｔ．．．＿　　　　"));
                QCOMPARE(info.RowText(1), QStringLiteral("　　　　　　　"));
                QCOMPARE(info.RowColor(0), kCyan);
                QCOMPARE(info.RowColor(1), kCyan);
                QCOMPARE(info.RowText(2), QString());
            }();
            return 88;
        };
        match.Open();
        QVERIFY(match.TickUntilState(BattleState::ComputerWait));
        while (match.host.computerCalls == 0 && ticks < 100) {
            QVERIFY(!match.battle->Info().IsIdle());
            ++ticks;
            match.Tick();
        }
        QCOMPARE(match.host.computerCalls, 1);
        // The page started on the tick that entered ComputerWait; its two lines take ten
        // ticks each.
        QCOMPARE(*calledAtTick, 20);
        QCOMPARE(match.battle->State(), BattleState::ComputerWait);
        match.Tick();
        QCOMPARE(match.battle->State(), BattleState::MoveCursor);
    }

    // The computer's cursor walks one cell per tick, diagonally first: seven columns and eleven
    // rows take eleven ticks, and the unit goes in two ticks after that.
    void computerCursorWalksToItsCell() {
        Match match(PlayerKind::EasyComputer, PlayerKind::EasyComputer);
        Board column = BoardFromRows({"........"});
        for (int y = 2; y <= kRows; ++y) {
            column[CellIndex(1, y)] = Block;
        }
        match.PlayOn(column);
        match.host.onComputer = [] { return std::optional<int>(CellIndex(1, 1)); };
        Battle& battle = match.Open();
        QVERIFY(match.TickUntil([&] { return match.host.computerCalls == 1; }));
        QCOMPARE(battle.CursorCell(), 95);

        for (int tick = 1; tick <= 11; ++tick) {
            match.Tick();
            QCOMPARE(battle.State(), BattleState::MoveCursor);
            QCOMPARE(battle.CursorCell(), CellIndex(std::max(8 - tick, 1), 12 - tick));
        }
        match.Tick();
        QCOMPARE(battle.CursorCell(), 0);
        QCOMPARE(match.state.board[0], Empty);
        match.Tick();
        QCOMPARE(battle.State(), BattleState::Place);
        QCOMPARE(match.state.board[0], CircleUnit);
        QCOMPARE(battle.ShownBoard()[0], CircleUnit);
        QCOMPARE(battle.AreaSpaceText(), QStringLiteral("Area Space：84/85"));
    }

    // A refused cell changes nothing on the board, explains where units may go and gives the
    // same person another choice.
    void refusedPlacementLetsThePersonChooseAgain_data() {
        QTest::addColumn<PlayerKind>("kind");
        QTest::addColumn<BattleState>("waiting");
        QTest::newRow("mouse") << PlayerKind::Mouse << BattleState::WaitMouse;
        QTest::newRow("keyboard") << PlayerKind::Keyboard << BattleState::WaitKeyboard;
    }
    void refusedPlacementLetsThePersonChooseAgain() {
        QFETCH(PlayerKind, kind);
        QFETCH(BattleState, waiting);
        Match match(kind, kind);
        Battle& battle = match.Open();
        QVERIFY(match.TickUntilState(waiting));
        const int unplaceable = CellIndex(8, 11);  // nothing below it yet
        if (kind == PlayerKind::Mouse) {
            battle.HoverCell(unplaceable);
            battle.ClickCell(unplaceable);
        } else {
            battle.PressKey(Qt::Key_Up);
            battle.PressKey(Qt::Key_Space);
        }
        match.Tick();
        QCOMPARE(battle.State(), BattleState::Place);
        QCOMPARE(match.state.board, Board{});
        QCOMPARE(battle.CursorCell(), unplaceable);
        const QString expectedStart =
            QStringLiteral("Ｅｒｒ！") + kSeparator +
            QStringLiteral("指定された場所には配置できません。") + kSeparator +
            QStringLiteral("配置可能な場所：◇の中：◇，○，×，■の上：最下面（底の部分）") +
            kSeparator + QStringLiteral("Ｔｕｒｎ：○") + kSeparator +
            QStringLiteral("Ｏｐｅｒａｔｉｏｎ：");
        QVERIFY2(WithoutPadding(battle.Info().PendingText()).startsWith(expectedStart),
                 qPrintable(battle.Info().PendingText()));

        match.Tick();
        QCOMPARE(battle.State(), waiting);
        QCOMPARE(match.state.turn, kCircleTurn);
        if (kind == PlayerKind::Mouse) {
            battle.ClickCell(95);
        } else {
            battle.PressKey(Qt::Key_Down);
            battle.PressKey(Qt::Key_Space);
        }
        match.Tick(2);
        QCOMPARE(match.state.board[95], CircleUnit);
    }

    // A computer that offered a refused cell is not asked again: the screen keeps trying that
    // same cell, and the board stays as it was.
    void computerCellThatIsRefusedIsTriedAgain() {
        Match match(PlayerKind::EasyComputer, PlayerKind::EasyComputer);
        match.host.onComputer = [] { return std::optional<int>(0); };
        Battle& battle = match.Open();
        QVERIFY(match.TickUntil([&] { return match.host.computerCalls == 1; }));
        QSet<BattleState> seen;
        bool errorShown = false;
        for (int tick = 0; tick < 300; ++tick) {
            match.Tick();
            seen.insert(battle.State());
            errorShown =
                errorShown || battle.Info().RowText(0).startsWith(QStringLiteral("Ｅｒｒ！"));
        }
        QCOMPARE(match.host.computerCalls, 1);
        QCOMPARE(seen, (QSet<BattleState>{BattleState::MoveCursor, BattleState::Place}));
        QCOMPARE(match.state.board, Board{});
        QCOMPARE(battle.CursorCell(), 0);
        QVERIFY(errorShown);
    }

    // The keyboard cursor wraps at the edges of the board.
    void keyboardCursorWraps_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("down from the bottom row") << QList<int>{Qt::Key_Down} << 8 << 1;
        QTest::newRow("up from the top row") << QList<int>{Qt::Key_Down, Qt::Key_Up} << 8 << 12;
        QTest::newRow("right from the last column") << QList<int>{Qt::Key_Right} << 1 << 12;
        QTest::newRow("left from the first column")
            << QList<int>{Qt::Key_Right, Qt::Key_Left} << 8 << 12;
        QTest::newRow("left and up inside")
            << QList<int>{Qt::Key_Left, Qt::Key_Up, Qt::Key_Up} << 7 << 10;
        QTest::newRow("other keys do nothing") << QList<int>{Qt::Key_A, Qt::Key_Escape} << 8 << 12;
    }
    void keyboardCursorWraps() {
        QFETCH(QList<int>, keys);
        QFETCH(int, x);
        QFETCH(int, y);
        Match match(PlayerKind::Keyboard, PlayerKind::Keyboard);
        Battle& battle = match.Open();
        QVERIFY(match.TickUntilState(BattleState::WaitKeyboard));
        for (int key : keys) {
            battle.PressKey(key);
        }
        QCOMPARE(battle.CursorCell(), CellIndex(x, y));
        match.Tick(3);
        QCOMPARE(battle.State(), BattleState::WaitKeyboard);
    }

    // Keys 1 to 8 put the frame on the column's lowest free cell, then on each ◇ above it in
    // turn, for mouse and keyboard players alike; Space or Enter then places, in a mouse turn
    // only once the player has put the frame somewhere.
    void columnKeysChooseTheCell_data() {
        QTest::addColumn<PlayerKind>("kind");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("placed");
        const auto mouse = PlayerKind::Mouse;
        const auto keyboard = PlayerKind::Keyboard;
        QTest::newRow("the floor first") << mouse << QList<int>{Qt::Key_3} << 3 << 12 << false;
        QTest::newRow("again: the ◇ above")
            << mouse << QList<int>{Qt::Key_3, Qt::Key_3} << 3 << 8 << false;
        QTest::newRow("and onto it")
            << keyboard << QList<int>{Qt::Key_3, Qt::Key_3, Qt::Key_3} << 3 << 7 << false;
        QTest::newRow("the ◇ higher up") << mouse << QList<int>(4, Qt::Key_3) << 3 << 5 << false;
        QTest::newRow("past the top: the floor again")
            << mouse << QList<int>(6, Qt::Key_3) << 3 << 12 << false;
        QTest::newRow("a full column keeps the frame")
            << mouse << QList<int>{Qt::Key_3, Qt::Key_4} << 3 << 12 << false;
        QTest::newRow("another column starts at its floor")
            << keyboard << QList<int>{Qt::Key_3, Qt::Key_3, Qt::Key_1} << 1 << 12 << false;
        QTest::newRow("Enter places in a mouse turn")
            << mouse << QList<int>{Qt::Key_3, Qt::Key_3, Qt::Key_Enter} << 3 << 8 << true;
        QTest::newRow("Space without a chosen cell does nothing")
            << mouse << QList<int>{Qt::Key_Space} << 8 << 12 << false;
        QTest::newRow("Space places in a keyboard turn")
            << keyboard << QList<int>{Qt::Key_3, Qt::Key_Space} << 3 << 12 << true;
        QTest::newRow("Return places in a keyboard turn")
            << keyboard << QList<int>{Qt::Key_Return} << 8 << 12 << true;
        QTest::newRow("the arrows go on from the column")
            << keyboard << QList<int>{Qt::Key_3, Qt::Key_Left} << 2 << 12 << false;
    }
    void columnKeysChooseTheCell() {
        QFETCH(PlayerKind, kind);
        QFETCH(QList<int>, keys);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, placed);
        Match match(kind, kind);
        match.PlayOn(BoardFromRows({"...#....", "...#....", "...#....", "...#....", "..d#....",
                                    "...#....", "...#....", "..d#....", "...#....", "...#....",
                                    "...#....", "...#...."}));
        Battle& battle = match.Open();
        QVERIFY(match.TickUntilState(kind == PlayerKind::Mouse ? BattleState::WaitMouse
                                                               : BattleState::WaitKeyboard));
        for (const int key : keys) {
            battle.PressKey(key);
        }
        QCOMPARE(battle.CursorCell(), CellIndex(x, y));
        match.Tick(3);
        QCOMPARE(match.state.board[CellIndex(x, y)] == CircleUnit, placed);
    }

    // What a unit would do under the frame shows only where the player put the frame: in a
    // mouse turn once the pointer is on the board, not after it has left; in a keyboard turn
    // from the start.
    void theFrameIsThePlayersOnlyWhereTheyPutIt() {
        Match mouse(PlayerKind::Mouse, PlayerKind::Mouse);
        Battle& battle = mouse.Open();
        QVERIFY(mouse.TickUntilState(BattleState::WaitMouse));
        QVERIFY(!battle.CursorChosen());
        battle.HoverCell(CellIndex(2, 12));
        QVERIFY(battle.CursorChosen());
        battle.PointerLeft();
        QVERIFY(!battle.CursorChosen());
        QCOMPARE(battle.CursorCell(), CellIndex(2, 12));  // the frame itself stays

        Match keyboard(PlayerKind::Keyboard, PlayerKind::Keyboard);
        keyboard.Open();
        QVERIFY(keyboard.TickUntilState(BattleState::WaitKeyboard));
        QVERIFY(keyboard.battle->CursorChosen());
        keyboard.battle->PointerLeft();
        QVERIFY(keyboard.battle->CursorChosen());
    }

    // The game that ended last stays as it ended, to be saved or reviewed, while the next one is
    // played, until that one ends.
    void theLastFinishedGameStaysUntilTheNextEnds() {
        Match match(PlayerKind::Mouse, PlayerKind::Mouse);
        match.PlayOn(BlocksAbove({"ooo.####"}));
        match.host.onResult = [&](const GameResult&) {
            return match.host.results.size() < 2 ? ResultChoice::NextBattle : ResultChoice::Quit;
        };
        Battle& battle = match.Open();
        QVERIFY(!battle.LastFinished());
        QVERIFY(match.TickUntilState(BattleState::WaitMouse));
        battle.ClickCell(CellIndex(4, 12));  // ○ wins
        QVERIFY(match.TickUntil([&] { return match.host.results.size() == 1; }));
        QVERIFY(match.TickUntilState(BattleState::WaitMouse));  // the next game's first turn
        QVERIFY(battle.LastFinished());
        QCOMPARE(battle.LastFinished()->moves, std::vector<int>{CellIndex(4, 12)});
        QCOMPARE(battle.LastFinished()->end, std::optional(GameEnd::CircleWins));
        QVERIFY(battle.Snapshot().moves.empty());  // the game under way is the new one
        const QString firstId = battle.LastFinished()->id;

        battle.ClickCell(CellIndex(4, 12));  // × fills the last cell: a draw
        QVERIFY(match.TickUntil([&] { return battle.QuitChosen(); }));
        QVERIFY(battle.LastFinished()->id != firstId);
        QCOMPARE(battle.LastFinished()->end, std::optional(GameEnd::Draw));
    }

    // Clicks, pointer moves and keys count only in their own player's turn.
    void inputOutsideItsTurnIsIgnored_data() {
        QTest::addColumn<PlayerKind>("kind");
        QTest::addColumn<BattleState>("waiting");
        QTest::newRow("keyboard turn") << PlayerKind::Keyboard << BattleState::WaitKeyboard;
        QTest::newRow("mouse turn") << PlayerKind::Mouse << BattleState::WaitMouse;
        QTest::newRow("computer turn") << PlayerKind::EasyComputer << BattleState::ComputerWait;
    }
    void inputOutsideItsTurnIsIgnored() {
        QFETCH(PlayerKind, kind);
        QFETCH(BattleState, waiting);
        Match match(kind, kind);
        match.host.onComputer = [] { return std::optional<int>(); };
        Battle& battle = match.Open();
        QVERIFY(match.TickUntilState(waiting));
        if (kind != PlayerKind::Mouse) {
            battle.HoverCell(3);
            battle.ClickCell(92);
        }
        if (kind != PlayerKind::Keyboard) {
            battle.PressKey(Qt::Key_Left);
            battle.PressKey(Qt::Key_Space);
        }
        QCOMPARE(battle.CursorCell(), 95);
        match.Tick(3);
        QCOMPARE(battle.State(), waiting);
        QCOMPARE(match.state.board, Board{});
    }

    // After a placement the next turn's page starts with where the unit went.
    void nextTurnReportsThePlacePoint() {
        Match match(PlayerKind::Mouse, PlayerKind::Mouse);
        Battle& battle = match.Open();
        QVERIFY(match.TickUntilState(BattleState::WaitMouse));
        battle.ClickCell(CellIndex(3, 12));
        QVERIFY(match.TickUntil([&] { return match.state.turn == kCrossTurn; }));
        match.Tick();
        QCOMPARE(battle.State(), BattleState::TurnStart);
        QCOMPARE(battle.MarkedSide(), 1);
        QCOMPARE(battle.SideColor(0), kWhite);
        QCOMPARE(battle.SideColor(1), kCyan);
        QCOMPARE(WithoutPadding(battle.Info().PendingText()),
                 QStringLiteral("配置ポイント：Ｘ・・・・・・・３．：Ｙ・・・・・・・１２．（Ｉｎｄ"
                                "ｅｘ・・・９０）") +
                     kSeparator + QStringLiteral("Ｔｕｒｎ：×") + kSeparator +
                     QStringLiteral("Ｏｐｅｒａｔｉｏｎ：Ｍｏｕｓｅ") + kSeparator +
                     QStringLiteral("クリック・・・・・・配置"));
    }

    // The turn's page after a placement tells the next player how to play, by kind: a keyboard
    // player gets the keys and the note on kana input, a computer only "Ｗａｉｔ．．．". The
    // mover's labels turn cyan, the other side's white, and the hand shows only for the mouse.
    void turnPageFollowsTheMoversKind_data() {
        QTest::addColumn<PlayerKind>("kind");
        QTest::addColumn<QString>("page");
        QTest::addColumn<BattleState>("waiting");
        const QString placed =
            QStringLiteral(
                "配置ポイント：Ｘ・・・・・・・３．：Ｙ・・・・・・・１２．（Ｉｎｄｅｘ・・"
                "・９０）") +
            kSeparator + QStringLiteral("Ｔｕｒｎ：×") + kSeparator;
        QTest::newRow("keyboard")
            << PlayerKind::Keyboard
            << placed + QStringLiteral("Ｏｐｅｒａｔｉｏｎ：Ｋｅｙｂｏｒｄ") + kSeparator +
                   QStringLiteral("↑↓←→・・・・□の移動Ｓｐａｃｅ・・・配置") + kSeparator +
                   QStringLiteral(
                       "注意：かな入力モードＯｎ時はキー反応が起きません。かな入力モ"
                       "ードはＯｆｆにしておいて下さい。")
            << BattleState::WaitKeyboard;
        QTest::newRow("EASY computer")
            << PlayerKind::EasyComputer << QStringLiteral("Ｗａｉｔ．．．")
            << BattleState::ComputerWait;
        QTest::newRow("ⅲ computer")
            << PlayerKind::ExpertComputer << QStringLiteral("Ｗａｉｔ．．．")
            << BattleState::ComputerWait;
    }
    void turnPageFollowsTheMoversKind() {
        QFETCH(PlayerKind, kind);
        QFETCH(QString, page);
        QFETCH(BattleState, waiting);
        Match match(PlayerKind::Mouse, kind);
        match.host.onComputer = [] { return std::optional<int>(); };
        Battle& battle = match.Open();
        QVERIFY(match.TickUntilState(BattleState::WaitMouse));
        battle.HoverCell(CellIndex(3, 12));
        battle.ClickCell(CellIndex(3, 12));
        QVERIFY(match.TickUntil([&] { return match.state.turn == kCrossTurn; }));
        match.Tick();
        QCOMPARE(battle.State(), BattleState::TurnStart);
        // A computer's "Ｗａｉｔ．．．" is set as it is, neither cut nor padded.
        const QString pending = battle.Info().PendingText();
        QCOMPARE(IsComputer(kind) ? pending : WithoutPadding(pending), page);
        QCOMPARE(battle.SideColor(0), kWhite);
        QCOMPARE(battle.SideColor(1), kCyan);
        QCOMPARE(battle.MarkedSide(), 1);
        QVERIFY(!battle.HandPointer());

        match.Tick();
        QCOMPARE(battle.State(), waiting);
        // The keyboard cursor starts from the cell the mouse player's cursor was left on.
        battle.PressKey(Qt::Key_Up);
        QCOMPARE(battle.CursorCell(),
                 kind == PlayerKind::Keyboard ? CellIndex(3, 11) : CellIndex(3, 12));
    }

    // A line wins, also on the last free cell; filling the board without a line is a draw;
    // a board with no free cell cannot be played at all. The record hears of each decided game
    // once, and of a game that could not be played not at all.
    void gamesEndAsTheBoardSays_data() {
        QTest::addColumn<QStringList>("bottom");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Rgb>("color");
        QTest::addColumn<int>("circleWins");
        QTest::addColumn<QStringList>("shownBottom");
        QTest::addColumn<QList<GameEnd>>("recorded");
        QTest::newRow("a line on the last free cell")
            << QStringList{"ooo.####"} << QStringLiteral("○ Ｗｉｎ！！") << kGreen << 1
            << QStringList{"OOOO####"} << QList<GameEnd>{GameEnd::CircleWins};
        QTest::newRow("the board fills without a line")
            << QStringList{".x#o###."} << QStringLiteral("Ｄｒｏｗ．．．") << kWhite << 0
            << QStringList{"pq#p###q"} << QList<GameEnd>{GameEnd::Draw};
        QTest::newRow("no free cell at the start")
            << QStringList{"########"} << QStringLiteral("戦闘不能") << kCyan << 0
            << QStringList{"########"} << QList<GameEnd>{};
    }
    void gamesEndAsTheBoardSays() {
        QFETCH(QStringList, bottom);
        QFETCH(QString, text);
        QFETCH(Rgb, color);
        QFETCH(int, circleWins);
        QFETCH(QStringList, shownBottom);
        QFETCH(QList<GameEnd>, recorded);
        Match match(PlayerKind::EasyComputer, PlayerKind::EasyComputer);
        match.PlayOn(BlocksAbove(bottom));
        Battle& battle = match.Open();
        QVERIFY(match.TickUntil([&] { return !match.host.results.isEmpty(); }));
        QCOMPARE(match.host.results.size(), 1);
        QCOMPARE(match.host.results[0].text, text);
        QCOMPARE(match.host.results[0].color, color);
        QCOMPARE(battle.Wins(0), circleWins);
        QCOMPARE(battle.Wins(1), 0);
        QCOMPARE(battle.ShownBoard(), BlocksAbove(shownBottom));
        QVERIFY(battle.QuitChosen());
        QCOMPARE(match.host.recorded, recorded);
    }

    // A × win is reported in yellow and counted for ×.
    void crossWinIsYellow() {
        Match match(PlayerKind::EasyComputer, PlayerKind::EasyComputer);
        match.state.options.firstGameFirst = FirstGameFirst::Cross;
        match.PlayOn(BlocksAbove({"xxx.####"}));
        Battle& battle = match.Open();
        QVERIFY(match.TickUntil([&] { return !match.host.results.isEmpty(); }));
        QCOMPARE(match.host.results[0].text, QStringLiteral("× Ｗｉｎ！！"));
        QCOMPARE(match.host.results[0].color, kYellow);
        QCOMPARE(battle.Wins(1), 1);
        QCOMPARE(match.host.recorded, QList<GameEnd>{GameEnd::CrossWins});
    }

    // After round 999 the next game is round 1 again, with both win counters cleared and the
    // first-game rule deciding who begins.
    void roundAfter999IsRoundOne() {
        Match match(PlayerKind::EasyComputer, PlayerKind::EasyComputer);
        match.state.options = {FirstGameFirst::Circle, LaterGamesFirst::KeepFirst,
                               TerrainOption::On};
        match.PlayOn(BoardFromRows({"ooo....."}));
        match.host.onComputer = [] { return std::optional<int>(CellIndex(4, 12)); };
        match.host.onResult = [&](const GameResult&) {
            if (match.host.results.size() == 2) {
                match.state.roundCount = 999;
            }
            return match.host.results.size() < 3 ? ResultChoice::NextBattle : ResultChoice::Quit;
        };
        Battle& battle = match.Open();
        QVERIFY(match.TickUntil([&] { return match.state.roundCount == 2; }));
        QCOMPARE(battle.RoundText(), QStringLiteral("Ｒｏｕｎｄ\n002"));
        QCOMPARE(battle.WinText(0), QStringLiteral("Ｗｉｎ:001"));

        QVERIFY(match.TickUntil([&] { return match.host.results.size() == 2; }));
        match.Tick();
        QCOMPARE(battle.State(), BattleState::SetUpGame);
        QCOMPARE(match.state.roundCount, 1);
        QCOMPARE(battle.RoundText(), QStringLiteral("Ｒｏｕｎｄ\n001"));
        QCOMPARE(battle.WinText(0), QStringLiteral("Ｗｉｎ:000"));
        QCOMPARE(battle.WinText(1), QStringLiteral("Ｗｉｎ:000"));
        QVERIFY(WithoutPadding(battle.Info().PendingText())
                    .contains(QStringLiteral("初戦は○側の先攻に固定設定されています・・・")));
        QVERIFY(
            WithoutPadding(battle.Info().PendingText()).contains(QStringLiteral("Ｒｏｕｎｄ１．")));
    }

    // A win counter stops at 255 instead of wrapping to 0.
    void winsStopAt255() {
        Match match(PlayerKind::EasyComputer, PlayerKind::EasyComputer);
        match.state.options = {FirstGameFirst::Circle, LaterGamesFirst::KeepFirst,
                               TerrainOption::On};
        match.PlayOn(BoardFromRows({"ooo....."}));
        match.host.onComputer = [] { return std::optional<int>(CellIndex(4, 12)); };
        match.host.onResult = [&](const GameResult&) {
            return match.host.results.size() < 258 ? ResultChoice::NextBattle : ResultChoice::Quit;
        };
        Battle& battle = match.Open();
        QVERIFY(match.TickUntil([&] { return battle.QuitChosen(); }, 200000));
        QCOMPARE(match.host.results.size(), 258);
        QCOMPARE(battle.Wins(0), 255);
        QCOMPARE(battle.WinText(0), QStringLiteral("Ｗｉｎ:255"));
        QCOMPARE(match.state.roundCount, 258);
        QCOMPARE(match.host.areas, 258);  // terrain ON: before every game
    }

    // "Ｒｅ　Ｅｎｔｒｙ" asks who plays again and keeps the round and the win counters; the
    // later-games rule then decides who begins.
    void reEntryKeepsTheCounters() {
        Match match(PlayerKind::EasyComputer, PlayerKind::EasyComputer);
        match.PlayOn(BoardFromRows({"ooo....."}));
        match.host.onComputer = [] { return std::optional<int>(CellIndex(4, 12)); };
        match.host.onResult = [&](const GameResult&) {
            return match.host.results.size() == 1 ? ResultChoice::ReEntry : ResultChoice::Quit;
        };
        Battle& battle = match.Open();
        QVERIFY(match.TickUntil([&] { return match.host.entries == 2; }));
        match.Tick();
        QCOMPARE(battle.State(), BattleState::SetUpGame);
        QCOMPARE(match.state.roundCount, 2);
        QCOMPARE(battle.WinText(0), QStringLiteral("Ｗｉｎ:001"));
        QCOMPARE(match.state.turn, kCrossTurn);  // alternating after ○ began
        QVERIFY(WithoutPadding(battle.Info().PendingText())
                    .contains(QStringLiteral(
                        "二戦目以降は前回の後攻側が先攻になる交代制が設定されています・・・")));
    }

    // Quit stops the machine: later ticks do nothing.
    void quitStopsTheTicks() {
        Match match(PlayerKind::EasyComputer, PlayerKind::EasyComputer);
        match.PlayOn(BlocksAbove({"########"}));
        Battle& battle = match.Open();
        QVERIFY(match.TickUntil([&] { return battle.QuitChosen(); }));
        match.Tick(50);
        QCOMPARE(match.host.results.size(), 1);
        QCOMPARE(battle.State(), BattleState::GameOver);
    }

    // The background turns red when the strongest computer plays either side.
    void backgroundIsRedForTheStrongestComputer_data() {
        QTest::addColumn<PlayerKind>("circle");
        QTest::addColumn<PlayerKind>("cross");
        QTest::addColumn<bool>("red");
        QTest::newRow("mouse against normal")
            << PlayerKind::Mouse << PlayerKind::NormalComputer << false;
        QTest::newRow("ⅲ plays ○") << PlayerKind::ExpertComputer << PlayerKind::Keyboard << true;
        QTest::newRow("ⅲ plays ×")
            << PlayerKind::HardComputer << PlayerKind::ExpertComputer << true;
    }
    void backgroundIsRedForTheStrongestComputer() {
        QFETCH(PlayerKind, circle);
        QFETCH(PlayerKind, cross);
        QFETCH(bool, red);
        Match match(circle, cross);
        match.host.onEntry = [&] {
            match.state.players.kind = {circle, cross};
            match.state.players.picture = {circle == PlayerKind::ExpertComputer ? 8 : 5,
                                           cross == PlayerKind::ExpertComputer ? 4 : 3};
        };
        Battle& battle = match.Open();
        match.Tick();
        QCOMPARE(battle.Background(), red ? BattleBackground::Red : BattleBackground::Blue);
        QCOMPARE(battle.Picture(0), circle == PlayerKind::ExpertComputer ? 8 : 5);
    }

    // Taking back returns to the person's turn as it began: the units placed since (the own one
    // and the computer's reply, one unit when people play both sides) leave the board, ◇ cells
    // come back, the free space, the turn and the cursor follow, and the pane says how many went.
    // Nothing is taken back before a person has placed a unit in the game.
    void takingBackReturnsToThePersonsTurn_data() {
        QTest::addColumn<PlayerKind>("circle");
        QTest::addColumn<PlayerKind>("cross");
        QTest::addColumn<QStringList>("start");
        QTest::addColumn<QList<int>>("clicks");  // the mouse player's cells, in order
        QTest::addColumn<int>("takeBacks");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<Turn>("turn");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("note");  // empty: nothing taken back
        const QList<int> one = {CellIndex(4, 12)};
        QTest::newRow("against the computer")
            << PlayerKind::Mouse << PlayerKind::EasyComputer << QStringList() << one << 1
            << QStringList() << kCircleTurn << 95 << QStringLiteral("２手戻しました");
        QTest::newRow("two people")
            << PlayerKind::Mouse << PlayerKind::Keyboard << QStringList() << one << 1
            << QStringList() << kCircleTurn << 95 << QStringLiteral("１手戻しました");
        QTest::newRow("again and again, back to the start")
            << PlayerKind::Mouse << PlayerKind::EasyComputer << QStringList()
            << QList<int>{CellIndex(4, 12), CellIndex(5, 12)} << 3 << QStringList() << kCircleTurn
            << 95 << QStringLiteral("２手戻しました");
        // The computer takes the ◇ in the top-left corner, the first placeable cell.
        QStringList hollows(kRows, QStringLiteral("........"));
        hollows[0] = QStringLiteral("d.......");
        hollows[5] = QStringLiteral("...d....");
        QTest::newRow("units in ◇ cells") << PlayerKind::Mouse << PlayerKind::EasyComputer
                                          << hollows << QList<int>{CellIndex(4, 6)} << 1 << hollows
                                          << kCircleTurn << 95 << QStringLiteral("２手戻しました");
        QTest::newRow("the computer began")
            << PlayerKind::EasyComputer << PlayerKind::Mouse << QStringList() << QList<int>() << 1
            << QStringList{"o......."} << kCrossTurn << 88 << QString();
        // ○ wins game 1 at once; game 2, × beginning, has nothing of the person's yet.
        QTest::newRow("the next game")
            << PlayerKind::Mouse << PlayerKind::Mouse << QStringList{"ooo.xxx."} << one << 1
            << QStringList{"ooo.xxx."} << kCrossTurn << 95 << QString();
    }
    void takingBackReturnsToThePersonsTurn() {
        QFETCH(PlayerKind, circle);
        QFETCH(PlayerKind, cross);
        QFETCH(QStringList, start);
        QFETCH(QList<int>, clicks);
        QFETCH(int, takeBacks);
        QFETCH(QStringList, after);
        QFETCH(Turn, turn);
        QFETCH(int, cursor);
        QFETCH(QString, note);
        Match match(circle, cross);
        match.PlayOn(BoardFromRows(start));
        match.host.onResult = [&](const GameResult&) {
            return match.host.results.size() == 1 ? ResultChoice::NextBattle : ResultChoice::Quit;
        };
        Battle& battle = match.Open();
        const auto personWaits = [&] {
            return battle.State() == BattleState::WaitMouse ||
                   battle.State() == BattleState::WaitKeyboard;
        };
        for (int cell : clicks) {
            QVERIFY(match.TickUntil(personWaits));
            battle.HoverCell(cell);
            battle.ClickCell(cell);
            match.Tick();
        }
        QVERIFY(match.TickUntil(personWaits));
        for (int i = 0; i < takeBacks; ++i) {
            battle.TakeBack();
            match.Tick();
        }
        QVERIFY(match.TickUntil([&] { return battle.WaitsForInput(); }));
        const Board expected = BoardFromRows(after);
        QCOMPARE(match.state.board, expected);
        QCOMPARE(battle.ShownBoard(), expected);
        QCOMPARE(battle.AreaSpaceText(), QStringLiteral("Area Space：%1/%2")
                                             .arg(CountFreeCells(expected))
                                             .arg(CountFreeCells(BoardFromRows(start))));
        QCOMPARE(match.state.turn, turn);
        QCOMPARE(battle.MarkedSide(), SideNumber(turn));
        QCOMPARE(battle.CursorCell(), cursor);
        const QString pane = PaneText(battle.Info());
        if (note.isEmpty()) {
            QVERIFY2(!pane.contains(QStringLiteral("戻しました")), qPrintable(pane));
        } else {
            QVERIFY2(pane.endsWith(kSeparator + note + QStringLiteral("＿")), qPrintable(pane));
        }
    }

    // Redo places again what the latest take-back took, the computer's reply with the person's
    // unit, until a new unit is placed. Ops: U takes back, R redoes, C clicks the later cell.
    void redoReplaysWhatWasTakenBack_data() {
        QTest::addColumn<PlayerKind>("cross");
        QTest::addColumn<int>("clicks");  // the person's units before the ops
        QTest::addColumn<QString>("ops");
        QTest::addColumn<int>("snapshot");  // the position after this many clicks; -1: none
        QTest::addColumn<bool>("canRedo");
        QTest::addColumn<QString>("note");  // empty: nothing replayed
        const PlayerKind computer = PlayerKind::EasyComputer;
        QTest::newRow("the person's unit and the reply")
            << computer << 1 << "UR" << 1 << false << QStringLiteral("２手進めました");
        QTest::newRow("two people, one unit")
            << PlayerKind::Keyboard << 1 << "UR" << 1 << false << QStringLiteral("１手進めました");
        QTest::newRow("two take-backs, both redone")
            << computer << 2 << "UURR" << 2 << false << QStringLiteral("２手進めました");
        QTest::newRow("two take-backs, one redone")
            << computer << 2 << "UUR" << 1 << true << QStringLiteral("２手進めました");
        QTest::newRow("a new unit ends it") << computer << 1 << "UCR" << -1 << false << QString();
        QTest::newRow("nothing taken back") << computer << 1 << "R" << 1 << false << QString();
    }
    void redoReplaysWhatWasTakenBack() {
        QFETCH(PlayerKind, cross);
        QFETCH(int, clicks);
        QFETCH(QString, ops);
        QFETCH(int, snapshot);
        QFETCH(bool, canRedo);
        QFETCH(QString, note);
        Match match(PlayerKind::Mouse, cross);
        Battle& battle = match.Open();
        const auto waits = [&] { return battle.WaitsForInput(); };
        const auto click = [&](int cell) {
            battle.HoverCell(cell);
            battle.ClickCell(cell);
            match.Tick();
            return match.TickUntil(waits);
        };
        // With two people the keyboard player answers each click in the next column.
        const auto play = [&](int column) {
            if (!click(CellIndex(column, kRows)) || cross != PlayerKind::Keyboard) {
                return !battle.QuitChosen();
            }
            battle.PressKey(Qt::Key_Right);
            battle.PressKey(Qt::Key_Space);
            match.Tick();
            return match.TickUntil(waits);
        };
        QVERIFY(match.TickUntil(waits));
        QList<std::pair<Board, Turn>> positions{{match.state.board, match.state.turn}};
        for (int k = 0; k < clicks; ++k) {
            QVERIFY(play(2 * k + 1));
            positions.append({match.state.board, match.state.turn});
        }
        for (const QChar op : ops) {
            if (op == QLatin1Char('U')) {
                battle.TakeBack();
            } else if (op == QLatin1Char('R')) {
                battle.Redo();
            } else {
                QVERIFY(play(kColumns));
            }
            match.Tick();
            QVERIFY(match.TickUntil(waits));
        }
        if (snapshot >= 0) {
            QCOMPARE(match.state.board, positions[snapshot].first);
            QCOMPARE(battle.ShownBoard(), positions[snapshot].first);
            QCOMPARE(match.state.turn, positions[snapshot].second);
        }
        QCOMPARE(battle.CanRedo(), canRedo);
        QVERIFY(battle.CanTakeBack());
        const QString pane = PaneText(battle.Info());
        if (note.isEmpty()) {
            QVERIFY2(!pane.contains(QStringLiteral("進めました")), qPrintable(pane));
        } else {
            QVERIFY2(pane.endsWith(kSeparator + note + QStringLiteral("＿")), qPrintable(pane));
        }
    }

    // A game left by New game or by closing the screen counts as abandoned once the person has
    // put a unit in (the computer's opening move alone does not make it theirs), under the
    // game's id; New game then sets up the next round as Next Battle does.
    void leavingAGameCountsItAbandoned_data() {
        QTest::addColumn<QStringList>("start");
        QTest::addColumn<bool>("computerFirst");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<bool>("newGame");  // else the screen closes
        QTest::addColumn<int>("abandoned");
        QTest::newRow("new game, no unit yet") << QStringList() << false << 0 << true << 0;
        QTest::newRow("new game after a unit") << QStringList() << false << 1 << true << 1;
        QTest::newRow("closing, no unit yet") << QStringList() << false << 0 << false << 0;
        QTest::newRow("closing after a unit") << QStringList() << false << 1 << false << 1;
        QTest::newRow("closing after the computer's unit only")
            << QStringList() << true << 0 << false << 0;
        QTest::newRow("new game after both moved") << QStringList() << true << 1 << true << 1;
        // ○ wins at once: the game has ended and the result has been shown.
        QTest::newRow("closing after the end")
            << QStringList{"ooo....."} << false << 1 << false << 0;
    }
    void leavingAGameCountsItAbandoned() {
        QFETCH(QStringList, start);
        QFETCH(bool, computerFirst);
        QFETCH(int, clicks);
        QFETCH(bool, newGame);
        QFETCH(int, abandoned);
        using enum PlayerKind;
        Match match(computerFirst ? EasyComputer : Mouse, computerFirst ? Mouse : EasyComputer);
        match.PlayOn(BoardFromRows(start));
        Battle& battle = match.Open();
        QVERIFY(match.TickUntil([&] { return battle.WaitsForInput(); }));
        QVERIFY(battle.CanStartNewGame());
        for (int k = 0; k < clicks; ++k) {
            battle.ClickCell(CellIndex(4, kRows));
            QVERIFY(match.TickUntil([&] { return battle.WaitsForInput() || battle.QuitChosen(); }));
        }
        QCOMPARE(battle.GameUnderWay(), abandoned > 0 || computerFirst);
        const QString id = battle.Snapshot().id;
        QCOMPARE(id.size(), kGameIdLength);
        if (newGame) {
            battle.NewGame();
            QVERIFY(match.TickUntil([&] { return battle.WaitsForInput(); }));
            QCOMPARE(match.state.roundCount, 2);
            QCOMPARE(match.host.areas, 2);  // the next game's board was made afresh
            // × began it, as set, on an empty board.
            QCOMPARE(CountFreeCells(match.state.board), kCellCount - (computerFirst ? 0 : 1));
        } else {
            battle.Abandon();
        }
        QCOMPARE(match.host.abandoned, abandoned);
        QCOMPARE(match.host.abandonedIds, QStringList(abandoned, id));
        QVERIFY(match.host.recorded.size() == (start.isEmpty() ? 0 : 1));
    }

    // A hint moves the cursor frame onto the advised cell, where Space then places for the
    // keyboard player, and adds the column and any proven result below the turn's help. Input
    // that arrives before the hint is shown (while its search runs) is ignored, and nothing
    // else changes.
    void hintMovesTheCursorAndSaysWhatIsProven_data() {
        QTest::addColumn<PlayerKind>("kind");
        QTest::addColumn<GameValue>("value");
        QTest::addColumn<QString>("note");
        QTest::newRow("mouse, a proven win")
            << PlayerKind::Mouse << GameValue::Win << QStringLiteral("ヒント：３列目（勝ち確定）");
        QTest::newRow("keyboard, a proven loss") << PlayerKind::Keyboard << GameValue::Loss
                                                 << QStringLiteral("ヒント：３列目（負け確定）");
        QTest::newRow("mouse, a proven draw")
            << PlayerKind::Mouse << GameValue::Draw << QStringLiteral("ヒント：３列目（引き分け）");
        QTest::newRow("keyboard, nothing proven")
            << PlayerKind::Keyboard << GameValue::Unknown << QStringLiteral("ヒント：３列目");
    }
    void hintMovesTheCursorAndSaysWhatIsProven() {
        QFETCH(PlayerKind, kind);
        QFETCH(GameValue, value);
        QFETCH(QString, note);
        Match match(kind, PlayerKind::EasyComputer);
        Battle& battle = match.Open();
        const BattleState waiting =
            kind == PlayerKind::Mouse ? BattleState::WaitMouse : BattleState::WaitKeyboard;
        QVERIFY(match.TickUntil([&] { return battle.WaitsForInput(); }));
        const int advised = CellIndex(3, 12);
        // The search takes a few ticks; what arrives meanwhile is ignored as well.
        match.host.onHint = [&]() -> std::optional<Hint> {
            if (match.host.hintCalls < 3) {
                battle.ClickCell(CellIndex(6, 12));
                battle.PressKey(Qt::Key_Space);
                return std::nullopt;
            }
            battle.AskHint();
            return Hint{advised, value};
        };
        if (kind == PlayerKind::Mouse) {
            battle.RightClickCell();
        } else {
            battle.AskHint();
        }
        battle.HoverCell(CellIndex(7, 12));
        battle.ClickCell(CellIndex(7, 12));
        battle.PressKey(Qt::Key_Space);
        battle.TakeBack();
        QVERIFY(match.TickUntil([&] { return battle.WaitsForInput(); }));
        QCOMPARE(match.host.hintCalls, 3);
        QCOMPARE(battle.State(), waiting);
        QCOMPARE(battle.CursorCell(), advised);
        QCOMPARE(match.state.board, Board{});
        QCOMPARE(match.state.turn, kCircleTurn);
        const QString pane = PaneText(battle.Info());
        QVERIFY2(pane.endsWith(kSeparator + note + QStringLiteral("＿")), qPrintable(pane));

        if (kind == PlayerKind::Keyboard) {
            battle.PressKey(Qt::Key_Space);
            match.Tick(2);
            QCOMPARE(match.state.board[advised], CircleUnit);
        }
    }

    // An aid asked for right after a click is not served: the click's unit goes in, and the
    // next person's turn starts as usual.
    void aidAskedAfterAClickIsNotServed_data() {
        QTest::addColumn<bool>("hint");
        QTest::newRow("hint") << true;
        QTest::newRow("take back") << false;
    }
    void aidAskedAfterAClickIsNotServed() {
        QFETCH(bool, hint);
        Match match(PlayerKind::Mouse, PlayerKind::Keyboard);
        match.host.onHint = [] { return std::optional<Hint>(Hint{CellIndex(5, 12)}); };
        Battle& battle = match.Open();
        QVERIFY(match.TickUntil([&] { return battle.WaitsForInput(); }));
        const int clicked = CellIndex(2, 12);
        battle.ClickCell(clicked);
        if (hint) {
            battle.AskHint();
        } else {
            battle.TakeBack();
        }
        QVERIFY(match.TickUntil([&] { return battle.WaitsForInput(); }));
        QCOMPARE(battle.State(), BattleState::WaitKeyboard);
        QCOMPARE(match.state.board[clicked], CircleUnit);
        QCOMPARE(match.host.hintCalls, 0);
        QCOMPARE(battle.CursorCell(), 95);
    }

    // A searched cell is placed as it is when it may be; otherwise (no cell, or one that is
    // refused) HARD's choice stands in and the log says so.
    void searchedCellIsAlwaysPlaceable_data() {
        QTest::addColumn<int>("searched");
        QTest::addColumn<bool>("kept");
        QTest::newRow("placeable") << CellIndex(5, 12) << true;
        QTest::newRow("no cell") << kNoCell << false;
        QTest::newRow("refused") << 0 << false;
        QTest::newRow("off the board") << kCellCount << false;
    }
    void searchedCellIsAlwaysPlaceable() {
        QFETCH(int, searched);
        QFETCH(bool, kept);
        const Board board = BoardFromRows({"oooo....", "xxx#...."});
        const int cell = PlaceableSearchedCell(board, kCrossTurn, searched);
        QVERIFY(CanPlace(board, cell));
        QCOMPARE(cell == searched, kept);
        const Hint hint =
            HintFrom(board, kCrossTurn, SearchResult{searched, kWinScore, 1, 1, true});
        QVERIFY(CanPlace(board, hint.cell));
        QCOMPARE(hint.cell == searched, kept);
        QCOMPARE(hint.value, kept ? GameValue::Win : GameValue::Unknown);
    }

    // A game saved at any state opens where it stood: the same players, counters, board and
    // side to move, without the entry; a computer to move thinks at once; a finished game shows
    // its result again without counting it again. Its snapshot is the one it was opened from.
    void snapshotOpensWhereTheGameStood_data() {
        QTest::addColumn<QStringList>("layout");
        QTest::addColumn<PlayerKind>("cross");
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<int>("takeBacks");
        QTest::addColumn<BattleState>("waiting");
        QTest::addColumn<int>("end");  // a GameEnd, or -1 while the game goes on
        const int a = CellIndex(1, kRows);
        const int b = CellIndex(2, kRows);
        QTest::newRow("nothing placed") << QStringList() << PlayerKind::Mouse << QList<int>{} << 0
                                        << BattleState::WaitMouse << -1;
        QTest::newRow("under way")
            << QStringList() << PlayerKind::Mouse << QList<int>{a, b, a - kColumns} << 0
            << BattleState::WaitMouse << -1;
        QTest::newRow("after a take-back")
            << QStringList() << PlayerKind::Mouse << QList<int>{a, b, a - kColumns} << 1
            << BattleState::WaitMouse << -1;
        QTest::newRow("computer to move")
            << QStringList{"#..d....", "#......."} << PlayerKind::EasyComputer
            << QList<int>{CellIndex(4, kRows - 1)} << 0 << BattleState::ComputerWait << -1;
        QTest::newRow("won") << QStringList() << PlayerKind::Mouse
                             << QList<int>{a, b, a - 8, b - 8, a - 16, b - 16, a - 24} << 0
                             << BattleState::GameOver << static_cast<int>(GameEnd::CircleWins);
        // ○ ○ × × ○ ○ × × fills the one free row with no four in a row.
        QTest::newRow("drawn on terrain")
            << QStringList{"########", "########", "########", "########", "########", "########",
                           "########", "########", "########", "########", "########", "...d...."}
            << PlayerKind::Mouse << QList<int>{88, 90, 89, 91, 92, 94, 93, 95} << 0
            << BattleState::GameOver << static_cast<int>(GameEnd::Draw);
    }
    void snapshotOpensWhereTheGameStood() {
        QFETCH(QStringList, layout);
        QFETCH(PlayerKind, cross);
        QFETCH(QList<int>, clicks);
        QFETCH(int, takeBacks);
        QFETCH(BattleState, waiting);
        QFETCH(int, end);
        // The turn waits for its mouse player or its computer, or the result has been shown.
        const auto settled = [waiting](const Match& match) {
            const Battle& battle = *match.battle;
            return battle.State() == waiting &&
                   (waiting != BattleState::WaitMouse || battle.WaitsForInput()) &&
                   (waiting != BattleState::ComputerWait || match.host.computerCalls > 0);
        };
        Match played(PlayerKind::Mouse, cross);
        played.PlayOn(BoardFromRows(layout));
        played.host.onComputer = [] { return std::nullopt; };  // its turn waits
        Battle& battle = played.Open();
        for (const int cell : clicks) {
            QVERIFY(played.TickUntilState(BattleState::WaitMouse));
            battle.ClickCell(cell);
            played.Tick();
        }
        for (int i = 0; i < takeBacks; ++i) {
            QVERIFY(played.TickUntil([&] { return battle.WaitsForInput(); }));
            battle.TakeBack();
        }
        QVERIFY(played.TickUntil([&] { return settled(played); }));
        QVERIFY(battle.CanSnapshot());
        const SavedGame saved = battle.Snapshot();
        QCOMPARE(saved.layout, BoardFromRows(layout));
        QCOMPARE(saved.players, (std::array<PlayerKind, 2>{PlayerKind::Mouse, cross}));
        QCOMPARE(saved.moves, std::vector<int>(clicks.begin(), clicks.end() - takeBacks));
        QCOMPARE(saved.end ? static_cast<int>(*saved.end) : -1, end);

        Match opened(PlayerKind::Keyboard, PlayerKind::Keyboard);
        opened.host.onComputer = [] { return std::nullopt; };
        opened.Open().OpenGame(saved);
        QVERIFY(opened.TickUntil([&] { return settled(opened); }));
        QCOMPARE(opened.host.entries, 0);
        QCOMPARE(opened.state.players.kind, played.state.players.kind);
        QCOMPARE(opened.state.players.picture, played.state.players.picture);
        QCOMPARE(opened.state.computerLevel, played.state.computerLevel);
        QCOMPARE(opened.state.board, played.state.board);
        QCOMPARE(opened.battle->ShownBoard(), battle.ShownBoard());
        QCOMPARE(opened.state.turn, played.state.turn);
        QCOMPARE(opened.battle->RoundText(), battle.RoundText());
        QCOMPARE(opened.battle->WinText(0), battle.WinText(0));
        QCOMPARE(opened.battle->AreaSpaceText(), battle.AreaSpaceText());
        QCOMPARE(opened.battle->GameUnderWay(), battle.GameUnderWay());
        QCOMPARE(opened.host.computerCalls > 0, waiting == BattleState::ComputerWait);
        QCOMPARE(opened.host.results.size(), played.host.results.size());
        if (!played.host.results.isEmpty()) {
            QCOMPARE(opened.host.results.front().text, played.host.results.front().text);
        }
        QVERIFY(opened.host.recorded.isEmpty());
        QCOMPARE(opened.battle->Snapshot(), saved);
    }
};

QTEST_APPLESS_MAIN(BattleTest)
#include "test_battle.moc"
