#include <QTest>
#include <array>
#include <functional>

#include "extra/engine/ex_match.h"
#include "rules/random.h"
#include "tests/extra/ex_board_text.h"
#include "tests/extra/ex_play.h"

using namespace morvane;
using namespace morvane::testing;

Q_DECLARE_METATYPE(morvane::ExCommand)
Q_DECLARE_METATYPE(morvane::ExPlayer)

namespace {

QString Name(ExMessage message) {
    static const std::array<const char*, 12> kNames = {
        "MouseFirst", "KeybordFirst",         "ProgramFirst",
        "MouseWon",   "KeybordWon",           "ProgramWon",
        "Drawn",      "ModeChangeQuestion",   "NewGameQuestion",
        "HelpNotice", "RefusedWhileThinking", "CloseRefusedWhileThinking"};
    return QString::fromLatin1(kNames.at(static_cast<std::size_t>(message)));
}

// Records the messages the match asks for by name and answers its questions from a list
// (Ｙｅｓ: true). A test may look at the match when a message comes up or while it thinks.
class RecordingHost : public ExMatchHost {
public:
    QStringList messages;
    QList<bool> answers;
    std::function<void()> atMessage;
    std::function<void()> whileThinking;

    void Tell(ExMessage notice) override { Record(notice); }
    bool Ask(ExMessage question) override {
        Record(question);
        return !answers.isEmpty() && answers.takeFirst();
    }
    void ShowThinking() override {
        if (whileThinking) {
            whileThinking();
        }
    }

private:
    void Record(ExMessage message) {
        messages << Name(message);
        if (atMessage) {
            atMessage();
        }
    }
};

// A match with its host, as the window holds them.
struct Fixture {
    Fixture() : match(host) {}

    void ChooseMode(ExMode mode) {
        host.answers << true;
        match.ChooseMode(mode);
    }
    void Start(bool mouseFirst) {
        SeedFirstPlayer(mouseFirst);
        match.Start();
    }

    RecordingHost host;
    ExMatch match;
};

// Walks the keyboard cursor to the cell with the arrow keys, without wrapping.
void WalkCursorTo(ExMatch& match, int cell) {
    for (int step = 0; step < kExRows && match.keyCursor() / kExColumns != cell / kExColumns;
         ++step) {
        match.PressKey(match.keyCursor() < cell ? ExKey::Down : ExKey::Up);
    }
    for (int step = 0; step < kExColumns && match.keyCursor() != cell; ++step) {
        match.PressKey(match.keyCursor() < cell ? ExKey::Right : ExKey::Left);
    }
}

// Puts the unit of the side to move into the cell: a click, or the cursor and Space.
void Place(ExMatch& match, int cell) {
    if (match.turn() == kExMouseTurn) {
        match.ClickCell(cell);
    } else {
        WalkCursorTo(match, cell);
        match.PressKey(ExKey::Space);
    }
}

// Plays the game between two people to its end, each side on the first legal cell.
void PlayToTheEnd(ExMatch& match) {
    for (int placements = 0; placements < kExCellCount && match.inProgress(); ++placements) {
        Place(match, FirstLegalCell(match.board()));
    }
}

QStringList DrawnFinalRows() {
    QStringList rows;
    for (int row = 0; row < kExRows; ++row) {
        rows << QString(DrawnRow(row)).replace('o', '5').replace('x', '6');
    }
    return rows;
}

}  // namespace

class ExMatchTest : public QObject {
    Q_OBJECT

private slots:
    // It should open against the computer with no game: the information shows the mode alone,
    // the cells are hidden and take no clicks, no marker shows, the terrain draws are 8 and 8.
    void opensAgainstTheComputerWithNoGame() {
        Fixture f;
        const ExMatch& match = f.match;
        QCOMPARE(match.mode(), ExMode::AgainstComputer);
        QVERIFY(!match.inProgress() && !match.thinking());
        QVERIFY(match.info().modeOnly);
        QVERIFY(!match.cellsShown() && !match.cellsEnabled());
        QVERIFY(!match.mouseFrameShown() && !match.keyCursorShown() && !match.rotationEnabled());
        QCOMPARE(match.stoneDraws, 8);
        QCOMPARE(match.boxDraws, 8);
    }

    // It should announce who moves first before anything starts, then hand the turn to that
    // side: the Mouse side's frame, the Keybord side's cursor on cell 95, or the computer, which
    // moves at once and hands the turn to the Mouse side.
    void startAnnouncesTheFirstPlayer_data() {
        QTest::addColumn<bool>("againstPerson");
        QTest::addColumn<bool>("mouseFirst");
        QTest::addColumn<QString>("message");
        QTest::addColumn<ExPlayer>("toMove");
        QTest::addColumn<int>("openCells");
        QTest::newRow("computer, Mouse first")
            << false << true << "MouseFirst" << ExPlayer::Mouse << 100;
        QTest::newRow("computer, Program first")
            << false << false << "ProgramFirst" << ExPlayer::Mouse << 99;
        QTest::newRow("person, Mouse first")
            << true << true << "MouseFirst" << ExPlayer::Mouse << 100;
        QTest::newRow("person, Keybord first")
            << true << false << "KeybordFirst" << ExPlayer::Keybord << 100;
    }
    void startAnnouncesTheFirstPlayer() {
        QFETCH(bool, againstPerson);
        QFETCH(bool, mouseFirst);
        QFETCH(QString, message);
        QFETCH(ExPlayer, toMove);
        QFETCH(int, openCells);
        Fixture f;
        if (againstPerson) {
            f.ChooseMode(ExMode::AgainstPerson);
        }
        f.host.messages.clear();
        bool startedBeforeMessage = false;
        f.host.atMessage = [&] {
            startedBeforeMessage = f.match.inProgress() || f.match.board() != ExBoard{};
        };
        f.Start(mouseFirst);
        QCOMPARE(f.host.messages, QStringList{message});
        QVERIFY(!startedBeforeMessage);
        const ExMatch& match = f.match;
        QVERIFY(match.inProgress() && match.cellsShown() && match.cellsEnabled());
        QCOMPARE(Count(match.board(), ExOtherUnit), 100 - openCells);
        QCOMPARE(match.mouseFrameShown(), toMove == ExPlayer::Mouse);
        QCOMPARE(match.keyCursorShown(), toMove == ExPlayer::Keybord);
        QCOMPARE(match.keyCursor(), 95);
        QCOMPARE(match.info().gameNumber, 1);
        QVERIFY(match.info().game.has_value());
        QCOMPARE(match.info().game->toMove, toMove);
        QCOMPARE(match.info().game->openCells, openCells);
    }

    // It should take a unit only from the side to move and only on a legal cell; a unit
    // taken hands the turn over (the Mouse side's frame and the Keybord side's cursor swap).
    void inputOnlyOnItsTurnAndOnLegalCells_data() {
        QTest::addColumn<bool>("mouseTurn");
        QTest::addColumn<bool>("byClick");  // otherwise Space, the cursor walked to the cell
        QTest::addColumn<int>("cell");
        QTest::addColumn<bool>("taken");
        QTest::newRow("Mouse, click on the bottom row") << true << true << 95 << true;
        QTest::newRow("Mouse, click with nothing below") << true << true << 85 << false;
        QTest::newRow("Mouse, Space") << true << false << 95 << false;
        QTest::newRow("Keybord, Space on the bottom row") << false << false << 95 << true;
        QTest::newRow("Keybord, Space with nothing below") << false << false << 85 << false;
        QTest::newRow("Keybord, click") << false << true << 95 << false;
    }
    void inputOnlyOnItsTurnAndOnLegalCells() {
        QFETCH(bool, mouseTurn);
        QFETCH(bool, byClick);
        QFETCH(int, cell);
        QFETCH(bool, taken);
        Fixture f;
        f.ChooseMode(ExMode::AgainstPerson);
        f.Start(mouseTurn);
        if (byClick) {
            f.match.ClickCell(cell);
        } else {
            WalkCursorTo(f.match, cell);
            QCOMPARE(f.match.PressKey(ExKey::Space), !mouseTurn);
        }
        ExBoard expected;
        if (taken) {
            expected[cell] = mouseTurn ? ExMouseUnit : ExOtherUnit;
        }
        QCOMPARE(f.match.board(), expected);
        const bool mouseNext = mouseTurn != taken;
        QCOMPARE(f.match.turn(), mouseNext ? kExMouseTurn : kExOtherTurn);
        QCOMPARE(f.match.mouseFrameShown(), mouseNext);
        QCOMPARE(f.match.keyCursorShown(), !mouseNext);
    }

    // It should keep the keyboard cursor on the board: leaving one edge enters the other.
    void keyboardCursorWraps_data() {
        QTest::addColumn<QList<int>>("keys");  // ExKey values
        QTest::addColumn<int>("cell");
        const int up = static_cast<int>(ExKey::Up);
        const int down = static_cast<int>(ExKey::Down);
        const int left = static_cast<int>(ExKey::Left);
        const int right = static_cast<int>(ExKey::Right);
        QTest::newRow("up from the start") << QList<int>{up} << 85;
        QTest::newRow("down from the bottom row to the top row") << QList<int>{down} << 5;
        QTest::newRow("right off column 9 to the next row's column 0")
            << QList<int>{right, right, right, right, right} << 0;
        QTest::newRow("left off cell 0 to cell 99")
            << QList<int>{down, left, left, left, left, left, left} << 99;
        QTest::newRow("up off the top row to the bottom row") << QList<int>{down, up} << 95;
        QTest::newRow("left off column 0 to the row above's column 9")
            << QList<int>{left, left, left, left, left, left} << 89;
        QTest::newRow("other keys change nothing")
            << QList<int>{static_cast<int>(ExKey::Other)} << 95;
        QTest::newRow("Enter places nothing for the Keybord side")
            << QList<int>{static_cast<int>(ExKey::Enter)} << 95;
    }
    void keyboardCursorWraps() {
        QFETCH(QList<int>, keys);
        QFETCH(int, cell);
        Fixture f;
        f.ChooseMode(ExMode::AgainstPerson);
        f.Start(false);
        for (const int key : keys) {
            QVERIFY(f.match.PressKey(static_cast<ExKey>(key)));
        }
        QCOMPARE(f.match.keyCursor(), cell);
        QVERIFY(f.match.keyCursorShown());
    }

    // Against the computer the Mouse side may use the keys on its turn: an arrow shows the
    // cursor and moves it as the Keybord side's moves, Space or Enter clicks the cell under it
    // (nothing on a cell that takes no unit) and hides the cursor while the computer answers.
    void mouseSideKeysAgainstTheComputer_data() {
        QTest::addColumn<QList<int>>("keys");  // ExKey values
        QTest::addColumn<int>("placed");       // the Mouse side's cell, -1 for none
        QTest::addColumn<int>("cursor");
        QTest::addColumn<bool>("shown");
        const int space = static_cast<int>(ExKey::Space);
        const int enter = static_cast<int>(ExKey::Enter);
        const int left = static_cast<int>(ExKey::Left);
        const int up = static_cast<int>(ExKey::Up);
        QTest::newRow("an arrow") << QList<int>{left} << -1 << 94 << true;
        QTest::newRow("Space") << QList<int>{space} << 95 << 95 << false;
        QTest::newRow("an arrow, Enter") << QList<int>{left, enter} << 94 << 94 << false;
        QTest::newRow("Space where nothing goes") << QList<int>{up, space} << -1 << 85 << true;
    }
    void mouseSideKeysAgainstTheComputer() {
        QFETCH(QList<int>, keys);
        QFETCH(int, placed);
        QFETCH(int, cursor);
        QFETCH(bool, shown);
        Fixture f;
        f.Start(true);
        QVERIFY(!f.match.keyCursorShown());
        QVERIFY(!f.match.PressKey(ExKey::Other));
        for (const int key : keys) {
            QVERIFY(f.match.PressKey(static_cast<ExKey>(key)));
        }
        QCOMPARE(Count(f.match.board(), ExMouseUnit), placed < 0 ? 0 : 1);
        QCOMPARE(Count(f.match.board(), ExOtherUnit), placed < 0 ? 0 : 1);
        if (placed >= 0) {
            QCOMPARE(f.match.board()[placed], ExMouseUnit);
        }
        QCOMPARE(f.match.turn(), kExMouseTurn);
        QCOMPARE(f.match.keyCursor(), cursor);
        QCOMPARE(f.match.keyCursorShown(), shown);
    }

    // It should put the keyboard cursor back on cell 95 at every start, wherever the game
    // before left it.
    void keyboardCursorStartsAt95EveryGame_data() {
        QTest::addColumn<bool>("finishGame");  // otherwise 【New Game!】 drops it
        QTest::addColumn<bool>("mouseFirst");
        QTest::newRow("after a finished game, Keybord first") << true << false;
        QTest::newRow("after a finished game, Mouse first") << true << true;
        QTest::newRow("after 【New Game!】, Keybord first") << false << false;
    }
    void keyboardCursorStartsAt95EveryGame() {
        QFETCH(bool, finishGame);
        QFETCH(bool, mouseFirst);
        Fixture f;
        f.ChooseMode(ExMode::AgainstPerson);
        f.Start(false);
        f.match.PressKey(ExKey::Up);
        f.match.PressKey(ExKey::Left);
        if (finishGame) {
            PlayToTheEnd(f.match);
        } else {
            f.host.answers << true;
            f.match.ChooseNewGame();
        }
        QVERIFY(!f.match.inProgress());
        QVERIFY(f.match.keyCursor() != 95);

        f.Start(mouseFirst);
        QCOMPARE(f.match.keyCursor(), 95);
        QCOMPARE(f.match.keyCursorShown(), !mouseFirst);
        if (mouseFirst) {
            f.match.ClickCell(90);
            QVERIFY(f.match.keyCursorShown());
            QCOMPARE(f.match.keyCursor(), 95);
        }
    }

    // It should make terrain between games, turn it, play the next game on it (a unit goes
    // into a floating box), keep it in the final position, and start the game after without it.
    void terrainLastsOneGame() {
        Fixture f;
        f.ChooseMode(ExMode::AgainstPerson);
        f.match.stoneDraws = 10;
        f.match.boxDraws = 30;
        SeedRandomForTesting(606);
        f.match.MakeTerrain();
        ExBoard terrain = f.match.board();
        QVERIFY(Count(terrain, ExStone) > 0);
        QCOMPARE(f.match.shownBoard(), terrain);
        QVERIFY(f.match.cellsShown() && !f.match.cellsEnabled() && f.match.rotationEnabled());
        QVERIFY(!f.match.info().modeOnly && !f.match.info().game);

        f.match.Rotate(RotateDirection::Clockwise);
        RotateBoard(terrain, RotateDirection::Clockwise);
        QCOMPARE(f.match.board(), terrain);
        QCOMPARE(f.match.shownBoard(), terrain);
        f.match.Rotate(RotateDirection::CounterClockwise);
        f.match.Rotate(RotateDirection::CounterClockwise);
        RotateBoard(terrain, RotateDirection::CounterClockwise);
        RotateBoard(terrain, RotateDirection::CounterClockwise);
        QCOMPARE(f.match.board(), terrain);
        int floatingBox = 0;
        while (floatingBox < kExBottomRowStart &&
               !(terrain[floatingBox] == ExBox && terrain[floatingBox + kExColumns] == ExEmpty)) {
            ++floatingBox;
        }
        QVERIFY(floatingBox < kExBottomRowStart);

        f.Start(true);
        QVERIFY(!f.match.rotationEnabled());
        QCOMPARE(f.match.board(), terrain);
        QCOMPARE(f.match.info().game->openCells, OpenCells(terrain));
        QCOMPARE(f.match.info().game->nonStoneCells, NonStoneCells(terrain));
        f.match.ClickCell(floatingBox);
        QCOMPARE(f.match.board()[floatingBox], ExMouseUnit);
        PlayToTheEnd(f.match);
        QVERIFY(!f.match.inProgress());
        QCOMPARE(f.match.board(), ExBoard{});
        QCOMPARE(Count(f.match.shownBoard(), ExStone), Count(terrain, ExStone));

        f.Start(true);
        QCOMPARE(f.match.board(), ExBoard{});
        QCOMPARE(f.match.shownBoard(), ExBoard{});
        QCOMPARE(f.match.info().game->openCells, 100);
    }

    // It should end a won or drawn game over its final position (the winning run bright, the
    // other units dimmed): when the end is announced the board is already empty, the cells
    // take no clicks, no marker shows and Start!! is back, while the information still shows
    // the game; afterwards it counts the game, and no input places anything.
    void announcesTheEndOverTheFinalPosition_data() {
        QTest::addColumn<bool>("mouseFirst");
        QTest::addColumn<QList<int>>("moves");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("finalRows");
        QTest::addColumn<QList<int>>("counts");  // Mouse wins, other wins, draws
        QTest::newRow("the Mouse side wins up column 0")
            << true << QList<int>{90, 99, 80, 89, 70, 79, 60} << "MouseWon"
            << QStringList{"7.........", "7........6", "7........6", "7........6"}
            << QList<int>{1, 0, 0};
        QTest::newRow("the Keybord side wins up column 9")
            << false << QList<int>{99, 90, 89, 80, 79, 70, 69} << "KeybordWon"
            << QStringList{".........8", "5........8", "5........8", "5........8"}
            << QList<int>{0, 1, 0};
        QTest::newRow("the last open cell filled without a run")
            << true << DrawnGameMoves() << "Drawn" << DrawnFinalRows() << QList<int>{0, 0, 1};
    }
    void announcesTheEndOverTheFinalPosition() {
        QFETCH(bool, mouseFirst);
        QFETCH(QList<int>, moves);
        QFETCH(QString, message);
        QFETCH(QStringList, finalRows);
        QFETCH(QList<int>, counts);
        Fixture f;
        f.ChooseMode(ExMode::AgainstPerson);
        f.Start(mouseFirst);
        f.host.messages.clear();
        const ExMatch& match = f.match;
        bool checked = false;
        f.host.atMessage = [&] {
            checked = true;
            QCOMPARE(match.shownBoard(), ExBoardFromRows(finalRows));
            QCOMPARE(match.board(), ExBoard{});
            QVERIFY(!match.inProgress() && !match.cellsEnabled() && match.cellsShown());
            QVERIFY(!match.mouseFrameShown() && !match.keyCursorShown());
            QVERIFY(match.info().game.has_value());
        };
        for (const int cell : moves) {
            Place(f.match, cell);
        }
        QVERIFY(checked);
        QCOMPARE(f.host.messages, QStringList{message});
        QCOMPARE((QList<int>{match.mouseWins(), match.otherWins(), match.drawCount()}), counts);
        QCOMPARE(match.info().gameNumber, 2);
        QVERIFY(!match.info().game);
        QCOMPARE(match.turn(), kExNoTurn);

        const ExBoard finalPosition = match.shownBoard();
        f.match.ClickCell(50);
        QVERIFY(!f.match.PressKey(ExKey::Space));
        QCOMPARE(match.board(), ExBoard{});
        QCOMPARE(match.shownBoard(), finalPosition);
    }

    // It should ask before every mode change, also when the item already marked is chosen:
    // Ｙｅｓ starts the series again in the chosen mode (game number 001, board hidden, wins
    // kept), Ｃａｎｃｅｌ leaves the mode, the number and the last game's picture as they were.
    void modeItemAsksAndResets_data() {
        QTest::addColumn<ExMode>("item");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<ExMode>("mode");
        const ExMode person = ExMode::AgainstPerson;
        const ExMode computer = ExMode::AgainstComputer;
        QTest::newRow("the other item, Ｙｅｓ") << computer << true << computer;
        QTest::newRow("the marked item, Ｙｅｓ") << person << true << person;
        QTest::newRow("the other item, Ｃａｎｃｅｌ") << computer << false << person;
        QTest::newRow("the marked item, Ｃａｎｃｅｌ") << person << false << person;
    }
    void modeItemAsksAndResets() {
        QFETCH(ExMode, item);
        QFETCH(bool, yes);
        QFETCH(ExMode, mode);
        Fixture f;
        f.ChooseMode(ExMode::AgainstPerson);
        f.Start(true);
        PlayToTheEnd(f.match);
        const ExInfo infoAfterGame = f.match.info();
        const ExBoard finalPosition = f.match.shownBoard();
        QCOMPARE(f.match.mouseWins() + f.match.otherWins(), 1);

        f.host.answers << yes;
        f.match.ChooseMode(item);
        QCOMPARE(f.host.messages.last(), QStringLiteral("ModeChangeQuestion"));
        QCOMPARE(f.match.mode(), mode);
        QCOMPARE(f.match.mouseWins() + f.match.otherWins(), 1);
        QCOMPARE(f.match.gameCount(), yes ? 0 : 1);
        QCOMPARE(f.match.cellsShown(), !yes);
        QCOMPARE(f.match.shownBoard(), yes ? ExBoard{} : finalPosition);
        QCOMPARE(f.match.info(), yes ? ExInfo{} : infoAfterGame);
    }

    // It should, on 【New Game!】 answered Ｙｅｓ, drop a game in progress uncounted and go back
    // to the start of the series in the same mode, wins kept; Ｃａｎｃｅｌ changes nothing.
    void newGameStartsTheSeriesAgain_data() {
        QTest::addColumn<bool>("midGame");  // otherwise after a finished game
        QTest::addColumn<bool>("yes");
        QTest::newRow("mid-game, Ｃａｎｃｅｌ") << true << false;
        QTest::newRow("mid-game, Ｙｅｓ") << true << true;
        QTest::newRow("after a finished game, Ｙｅｓ") << false << true;
    }
    void newGameStartsTheSeriesAgain() {
        QFETCH(bool, midGame);
        QFETCH(bool, yes);
        Fixture f;
        f.ChooseMode(ExMode::AgainstPerson);
        f.Start(true);
        if (midGame) {
            f.match.ClickCell(93);
        } else {
            PlayToTheEnd(f.match);
        }
        const ExInfo infoBefore = f.match.info();
        const ExBoard boardBefore = f.match.board();

        f.host.answers << yes;
        f.match.ChooseNewGame();
        QCOMPARE(f.host.messages.last(), QStringLiteral("NewGameQuestion"));
        QCOMPARE(f.match.mode(), ExMode::AgainstPerson);
        QCOMPARE(f.match.inProgress(), midGame && !yes);
        QCOMPARE(f.match.board(), yes ? ExBoard{} : boardBefore);
        QCOMPARE(f.match.info(), yes ? ExInfo{} : infoBefore);
        QCOMPARE(f.match.cellsShown(), !yes);
        QCOMPARE(f.match.mouseWins() + f.match.otherWins(), midGame ? 0 : 1);
        if (yes) {
            f.Start(true);
            QCOMPARE(f.match.info().gameNumber, 1);
        }
    }

    // It should refuse the commands and the close box only while the computer thinks.
    void refusalsWhileTheComputerThinks_data() {
        QTest::addColumn<ExCommand>("command");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("system menu") << ExCommand::SystemMenu << "RefusedWhileThinking";
        QTest::newRow("【New Game!】") << ExCommand::NewGame << "RefusedWhileThinking";
        QTest::newRow("options") << ExCommand::Options << "RefusedWhileThinking";
        QTest::newRow("help") << ExCommand::Help << "RefusedWhileThinking";
        QTest::newRow("close box") << ExCommand::Close << "CloseRefusedWhileThinking";
    }
    void refusalsWhileTheComputerThinks() {
        QFETCH(ExCommand, command);
        QFETCH(QString, refusal);
        std::optional<ExMessage> whileThinking;
        Fixture f;
        f.host.whileThinking = [&] {
            whileThinking = whileThinking ? whileThinking : f.match.Refusal(command);
        };
        QCOMPARE(f.match.Refusal(command), std::nullopt);
        f.Start(true);
        QCOMPARE(f.match.Refusal(command), std::nullopt);
        f.match.ClickCell(94);
        QVERIFY(whileThinking.has_value());
        QCOMPARE(Name(*whileThinking), refusal);
        QCOMPARE(f.match.Refusal(command), std::nullopt);
    }

    // It should, while the computer thinks, show its progress, take no click, key or new game,
    // and then hand the turn back to the Mouse side with one unit placed.
    void nothingActsWhileTheComputerThinks() {
        Fixture f;
        // Runs once, at the computer's first progress report, as a person would act meanwhile.
        auto actWhileThinking = [&] {
            QVERIFY(!f.match.cellsEnabled() && !f.match.mouseFrameShown());
            QCOMPARE(f.match.info().game->toMove, ExPlayer::Program);
            const ExBoard before = f.match.board();
            f.host.messages.clear();
            f.match.ClickCell(93);
            QVERIFY(!f.match.PressKey(ExKey::Space));
            f.match.ChooseNewGame();
            QCOMPARE(f.host.messages, QStringList{"RefusedWhileThinking"});
            QCOMPARE(f.match.board(), before);
            QCOMPARE(f.match.turn(), kExOtherTurn);
        };
        bool acted = false;
        QList<int> progress;
        f.host.whileThinking = [&] {
            QVERIFY(f.match.thinking());
            progress << f.match.percentLeft();
            if (!acted) {
                acted = true;
                actWhileThinking();
            }
        };
        f.Start(true);
        f.match.ClickCell(94);
        QVERIFY(acted);
        QVERIFY(!f.match.thinking());
        QCOMPARE(Count(f.match.board(), ExOtherUnit), 1);
        QCOMPARE(f.match.turn(), kExMouseTurn);
        QVERIFY(f.match.mouseFrameShown() && f.match.cellsEnabled());
        QCOMPARE(progress.first(), 100);
        QCOMPARE(progress.last(), 1);  // after cell 99, the last legal one
    }
};

QTEST_APPLESS_MAIN(ExMatchTest)
#include "test_ex_match.moc"
