#include <QApplication>
#include <QMenu>
#include <QTest>

#include "extra/engine/ex_search.h"
#include "extra/windows/ex_game_window.h"
#include "tests/extra/ex_board_text.h"
#include "tests/extra/ex_window_driver.h"
#include "tests/support/modal.h"
#include "tests/support/screenshot.h"

using namespace morvane;
using morvane::testing::ExWindowDriver;

namespace {

const QString kComputerModeText = QStringLiteral("　 ・対電脳戦・");
const QString kPersonModeText = QStringLiteral("　　・対人戦・");
const QString kModeQuestion = QStringLiteral(
    "モードを変更すると自動的にニューゲームが行われます。\nモードを変更してもよろしいですか？");
const QString kRefused = QStringLiteral("電脳思考中は実行できません。");
const QString kCloseRefused = QStringLiteral("電脳思考中は閉じる事ができません。");
const QStringList kBetweenGamesButtons = {"Command2_0", "Command2_1", "Command3", "Command4"};

int Count(const ExBoard& board, std::int16_t code) {
    return static_cast<int>(std::count(board.cells.begin(), board.cells.end(), code));
}

// The codes the cell pictures show.
ExBoard Shown(ExWindowDriver& driver) {
    ExBoard board;
    for (int cell = 0; cell < kExCellCount; ++cell) {
        board[cell] = static_cast<ExCellWidget*>(driver.Cell(cell))->code();
    }
    return board;
}

bool AllCells(ExWindowDriver& driver, bool (QWidget::*property)() const, bool expected) {
    for (int cell = 0; cell < kExCellCount; ++cell) {
        if ((driver.Cell(cell)->*property)() != expected) {
            return false;
        }
    }
    return true;
}

bool MouseFrameShown(ExWindowDriver& driver) {
    for (int k = 0; k < 4; ++k) {
        if (driver.Frame(QStringLiteral("Mc_%1").arg(k))->isHidden()) {
            return false;
        }
    }
    return true;
}

// Between games: the buttons shown, Start!! enabled, terrain only against a person, the
// rotations disabled (until terrain is made), the mode menu enabled, no turn markers.
void VerifyBetweenGames(ExWindowDriver& driver) {
    for (const QString& name : kBetweenGamesButtons) {
        QVERIFY2(driver.Button(name)->isVisible(), qPrintable(name));
    }
    QVERIFY(driver.Button("Command3")->isEnabled());
    QCOMPARE(driver.Button("Command4")->isEnabled(),
             driver.window().match().mode() == ExMode::AgainstPerson);
    QVERIFY(!driver.Button("Command2_0")->isEnabled());
    QVERIFY(!driver.Button("Command2_1")->isEnabled());
    QVERIFY(driver.window().findChild<QMenu*>("モード")->menuAction()->isEnabled());
    QVERIFY(driver.Action("戦_0")->isEnabled() && driver.Action("戦_1")->isEnabled());
    QVERIFY(!MouseFrameShown(driver));
    QVERIFY(driver.Frame("c")->isHidden());
    QVERIFY(AllCells(driver, &QWidget::isEnabled, false));
}

// During a game: every button hidden, the mode menu disabled, the cells shown.
void VerifyInGame(ExWindowDriver& driver) {
    for (const QString& name : kBetweenGamesButtons) {
        QVERIFY2(driver.Button(name)->isHidden(), qPrintable(name));
    }
    QVERIFY(!driver.window().findChild<QMenu*>("モード")->menuAction()->isEnabled());
    QVERIFY(!driver.Action("戦_0")->isEnabled() && !driver.Action("戦_1")->isEnabled());
    QVERIFY(AllCells(driver, &QWidget::isVisible, true));
}

// A drawn game as a final position: rows pair up as "oxox..." and "xoxo...", which holds no
// run of four in any direction and five units of each side per row.
QString DrawnRow(int row) {
    return row % 4 < 2 ? QStringLiteral("oxoxoxoxox") : QStringLiteral("xoxoxoxoxo");
}

// Plays the game in progress between two people to its end, each side putting its unit into
// the lowest legal cell (the Mouse side by a click, the Keybord side with the arrows and Space),
// and answers the message that ends it.
void PlayToTheEnd(ExWindowDriver& driver) {
    const ExMatch& match = driver.window().match();
    for (int placements = 0; match.inProgress(); ++placements) {
        QVERIFY(placements < kExCellCount);
        const ExBoard board = match.board();
        int cell = 0;
        while (!ExCanPlace(board, cell)) {
            ++cell;
        }
        const bool mouse = match.turn() == kExMouseTurn;
        ExBoard after = board;
        after[cell] = mouse ? ExMouseUnit : ExOtherUnit;
        if (HasLine(after)) {
            driver.AnswerNextMessage();
        } else if (OpenCells(after) == 0) {
            driver.AnswerDrawBox();
        }
        if (mouse) {
            driver.ClickCell(cell);
        } else {
            driver.MoveCursorTo(cell);
            driver.Key(Qt::Key_Space);
        }
        QCOMPARE(match.board()[cell] == ExEmpty, !match.inProgress());
    }
}

}  // namespace

class ExGameWindowTest : public QObject {
    Q_OBJECT

private slots:
    // It should open against the computer with no game: mode text alone, cells hidden, only
    // Start!! and the menus usable, terrain draws at 8 and 8.
    void opensAgainstTheComputerWithNoGame() {
        ExGameWindow window{YieldHook()};
        window.show();
        ExWindowDriver driver(window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Morvane-リメイク版"));
        QVERIFY(driver.Action("戦_1")->isChecked());
        QVERIFY(!driver.Action("戦_0")->isChecked());
        QCOMPARE(driver.Info(), kComputerModeText);
        QVERIFY(AllCells(driver, &QWidget::isHidden, true));
        QVERIFY(driver.ThinkingLabel()->isHidden());
        VerifyBetweenGames(driver);
        QCOMPARE(window.match().stoneDraws, 8);
        QCOMPARE(window.match().boxDraws, 8);
        testing::SaveScreenshot(&window, "formz11_opened");
    }

    // It should announce who moves first with the mode's words, and against the computer let
    // the computer move at once when it goes first.
    void startAnnouncesTheFirstPlayer_data() {
        QTest::addColumn<bool>("againstPerson");
        QTest::addColumn<bool>("mouseFirst");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("toMove");
        QTest::newRow("computer, Mouse first") << false << true << "・対電脳戦・\n先攻：Mouse"
                                               << "＞＞＞Mouse.";
        QTest::newRow("computer, Program first") << false << false << "・対電脳戦・\n先攻：Program"
                                                 << "＞＞＞Mouse.";
        QTest::newRow("person, Mouse first") << true << true << "・対人戦・\n先攻：Mouse"
                                             << "＞＞＞Mouse.";
        QTest::newRow("person, Keybord first") << true << false << "・対人戦・\n先攻：Keybord"
                                               << "＞＞＞Keybord.";
    }
    void startAnnouncesTheFirstPlayer() {
        QFETCH(bool, againstPerson);
        QFETCH(bool, mouseFirst);
        QFETCH(QString, message);
        QFETCH(QString, toMove);
        ExGameWindow window{YieldHook()};
        window.show();
        ExWindowDriver driver(window);
        if (againstPerson) {
            driver.ChooseMode(ExMode::AgainstPerson, 0);
        }
        driver.Start(mouseFirst);
        QCOMPARE(driver.LastMessage(), message);
        QCOMPARE(driver.LastCaptions(), (QStringList{"", "", "確認"}));
        VerifyInGame(driver);
        const bool computerMoved = !againstPerson && !mouseFirst;
        QCOMPARE(Count(window.match().board(), ExOtherUnit), computerMoved ? 1 : 0);
        QCOMPARE(MouseFrameShown(driver), toMove.endsWith("Mouse."));
        QCOMPARE(driver.Frame("c")->isVisible(), toMove.endsWith("Keybord."));
        QCOMPARE(window.match().keyCursor(), 95);
        const QString open = computerMoved ? "99/100" : "100/100";
        QVERIFY2(
            driver.Info().endsWith("\n現在の戦況▼\n[残]：" + open + "\n\n現在ターン▼\n" + toMove),
            qPrintable(driver.Info()));
        QVERIFY(driver.Info().startsWith((againstPerson ? kPersonModeText : kComputerModeText) +
                                         "[[[[ 第001戦 ]]]]\n\n   Mouse:000勝\nKeybord:000勝\n"
                                         "  (DROW):000回\n"));
    }

    // It should ask before a mode change; Cancel and closing the question by its frame keep
    // everything, Yes starts a new series in the chosen mode with the counts kept.
    void modeChangeAsksFirst() {
        ExGameWindow window{YieldHook()};
        window.show();
        ExWindowDriver driver(window);
        driver.ChooseMode(ExMode::AgainstPerson, 1);
        QCOMPARE(driver.LastMessage(), kModeQuestion);
        QCOMPARE(driver.LastCaptions(), (QStringList{"Ｙｅｓ", "Ｃａｎｃｅｌ", ""}));
        QCOMPARE(window.match().mode(), ExMode::AgainstComputer);
        QVERIFY(driver.Action("戦_1")->isChecked() && !driver.Action("戦_0")->isChecked());

        testing::WhenModalOpens("FormMsg", [](QWidget* dialog) { dialog->close(); });
        driver.Action("戦_0")->trigger();
        QCOMPARE(window.match().mode(), ExMode::AgainstComputer);
        QVERIFY(driver.Action("戦_1")->isChecked() && !driver.Action("戦_0")->isChecked());
        QVERIFY(!driver.Button("Command4")->isEnabled());

        driver.ChooseMode(ExMode::AgainstPerson, 0);
        QCOMPARE(window.match().mode(), ExMode::AgainstPerson);
        QVERIFY(driver.Action("戦_0")->isChecked() && !driver.Action("戦_1")->isChecked());
        QCOMPARE(driver.Info(), kPersonModeText);
        VerifyBetweenGames(driver);
        QVERIFY(AllCells(driver, &QWidget::isHidden, true));
    }

    // It should keep the keyboard cursor on the board: leaving one edge enters the other.
    void keyboardCursorWraps_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("cell");
        QTest::newRow("up from the start") << QList<int>{Qt::Key_Up} << 85;
        QTest::newRow("down from the bottom row to the top row") << QList<int>{Qt::Key_Down} << 5;
        QTest::newRow("right off column 9 to the next row's column 0")
            << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right}
            << 0;
        QTest::newRow("left off cell 0 to cell 99")
            << QList<int>{Qt::Key_Down, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left,
                          Qt::Key_Left, Qt::Key_Left, Qt::Key_Left}
            << 99;
        QTest::newRow("up off the top row to the bottom row")
            << QList<int>{Qt::Key_Down, Qt::Key_Up} << 95;
        QTest::newRow("left off column 0 to the row above's column 9")
            << QList<int>{Qt::Key_Left, Qt::Key_Left, Qt::Key_Left,
                          Qt::Key_Left, Qt::Key_Left, Qt::Key_Left}
            << 89;
        QTest::newRow("other keys change nothing") << QList<int>{Qt::Key_A, Qt::Key_Return} << 95;
    }
    void keyboardCursorWraps() {
        QFETCH(QList<int>, keys);
        QFETCH(int, cell);
        ExGameWindow window{YieldHook()};
        window.show();
        ExWindowDriver driver(window);
        driver.ChooseMode(ExMode::AgainstPerson, 0);
        driver.Start(false);
        for (const int key : keys) {
            driver.Key(static_cast<Qt::Key>(key));
        }
        QCOMPARE(window.match().keyCursor(), cell);
        QVERIFY(driver.Frame("c")->isVisible());
        QVERIFY(driver.Frame("c")->geometry().contains(driver.Cell(cell)->geometry()));
        QCOMPARE(driver.Frame("c")->geometry().center(), driver.Cell(cell)->geometry().center());
    }

    // It should take each side's input only on its own turn and only on legal cells.
    void inputOnlyOnItsOwnTurn() {
        ExGameWindow window{YieldHook()};
        window.show();
        ExWindowDriver driver(window);
        driver.ChooseMode(ExMode::AgainstPerson, 0);
        driver.Start(true);
        driver.Key(Qt::Key_Space);  // not the Keybord side's turn
        driver.ClickCell(85);       // nothing below it
        QCOMPARE(Count(window.match().board(), ExEmpty), 100);
        driver.ClickCell(95);
        QCOMPARE(window.match().board()[95], ExMouseUnit);
        QVERIFY(driver.Frame("c")->isVisible() && !MouseFrameShown(driver));
        driver.ClickCell(94);  // the Keybord side's turn now
        QCOMPARE(window.match().board()[94], ExEmpty);
        driver.Key(Qt::Key_Space);  // the cursor stands on the Mouse unit
        QCOMPARE(window.match().turn(), kExOtherTurn);
        driver.Key(Qt::Key_Up);
        driver.Key(Qt::Key_Space);
        QCOMPARE(window.match().board()[85], ExOtherUnit);
        QVERIFY(MouseFrameShown(driver) && driver.Frame("c")->isHidden());
        QVERIFY(driver.Info().endsWith("[残]：98/100\n\n現在ターン▼\n＞＞＞Mouse."));
    }

    // It should make terrain only against a person, turn it, play the game on it, and have it
    // gone after the game.
    void terrainIsTurnedPlayedAndGone() {
        ExGameWindow window{YieldHook()};
        window.show();
        ExWindowDriver driver(window);
        driver.ChooseMode(ExMode::AgainstPerson, 0);
        window.match().stoneDraws = 20;
        window.match().boxDraws = 0;
        driver.Click("Command4");
        const ExBoard terrain = window.match().board();
        QVERIFY(Count(terrain, ExStone) > 0);
        QCOMPARE(Shown(driver), terrain);
        QVERIFY(AllCells(driver, &QWidget::isVisible, true));
        QVERIFY(AllCells(driver, &QWidget::isEnabled, false));
        QVERIFY(driver.Button("Command2_0")->isEnabled() &&
                driver.Button("Command2_1")->isEnabled());
        testing::SaveScreenshot(&window, "formz11_terrain");

        driver.Click("Command2_1");
        ExBoard turned = terrain;
        RotateBoard(turned, RotateDirection::Clockwise);
        QCOMPARE(window.match().board(), turned);
        QCOMPARE(Shown(driver), turned);
        driver.Click("Command2_0");
        driver.Click("Command2_0");
        RotateBoard(turned, RotateDirection::CounterClockwise);
        RotateBoard(turned, RotateDirection::CounterClockwise);
        QCOMPARE(window.match().board(), turned);

        driver.Start(true);
        QCOMPARE(window.match().board(), turned);
        QVERIFY(driver.Info().contains(
            QStringLiteral("[残]：%1/%2").arg(OpenCells(turned)).arg(NonStoneCells(turned))));
        window.close();  // no computer thinks here: the window may close mid-game
        QVERIFY(!window.isVisible());
    }

    // It should play the game on the terrain made before it (a unit put into a box that floats
    // shows the unit only), keep it in the final position, and start the next game without it.
    void terrainLastsOneGame() {
        ExGameWindow window{YieldHook()};
        window.show();
        ExWindowDriver driver(window);
        driver.ChooseMode(ExMode::AgainstPerson, 0);
        window.match().stoneDraws = 10;
        window.match().boxDraws = 30;
        SeedRandomForTesting(606);
        driver.Click("Command4");
        const ExBoard terrain = window.match().board();
        int floatingBox = 0;
        while (floatingBox < kExBottomRowStart &&
               !(terrain[floatingBox] == ExBox && terrain[floatingBox + kExColumns] == ExEmpty)) {
            ++floatingBox;
        }
        QVERIFY(floatingBox < kExBottomRowStart);

        driver.Start(true);
        driver.ClickCell(floatingBox);
        QCOMPARE(window.match().board()[floatingBox], ExMouseUnit);
        QCOMPARE(Shown(driver)[floatingBox], ExMouseUnit);
        PlayToTheEnd(driver);
        QVERIFY(!QTest::currentTestFailed());
        QCOMPARE(window.match().board(), ExBoard{});
        QCOMPARE(Count(Shown(driver), ExStone), Count(terrain, ExStone));

        driver.Start(true);
        QCOMPARE(window.match().board(), ExBoard{});
        QCOMPARE(Shown(driver), ExBoard{});
        QVERIFY(driver.Info().contains("[残]：100/100"));
    }

    // It should announce the end of a game over its final position: the winning run bright,
    // the other units dimmed, the turn markers hidden and the buttons of the time between games
    // already back, while the information still shows the game until the message is answered.
    void announcesTheEndOverTheFinalPosition_data() {
        QTest::addColumn<bool>("mouseWins");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("finalRows");
        QTest::addColumn<QString>("counters");
        QTest::newRow("the Mouse side wins up column 0")
            << true << "・対人戦・\n勝利：Mouse！"
            << QStringList{"7.........", "7........6", "7........6", "7........6"}
            << "   Mouse:001勝\nKeybord:000勝\n";
        QTest::newRow("the Keybord side wins up column 9")
            << false << "・対人戦・\n勝利：Keybord！"
            << QStringList{".........8", "5........8", "5........8", "5........8"}
            << "   Mouse:000勝\nKeybord:001勝\n";
    }
    void announcesTheEndOverTheFinalPosition() {
        QFETCH(bool, mouseWins);
        QFETCH(QString, message);
        QFETCH(QStringList, finalRows);
        QFETCH(QString, counters);
        ExGameWindow window{YieldHook()};
        window.show();
        ExWindowDriver driver(window);
        driver.ChooseMode(ExMode::AgainstPerson, 0);
        driver.Start(mouseWins);
        // The side that moves first climbs its column, the other side the opposite one.
        auto place = [&](bool mouse, int cell) {
            if (mouse) {
                driver.ClickCell(cell);
            } else {
                driver.MoveCursorTo(cell);
                driver.Key(Qt::Key_Space);
            }
        };
        const int winnerColumn = mouseWins ? 0 : 9;
        const int loserColumn = 9 - winnerColumn;
        for (const int row : {9, 8, 7}) {
            place(mouseWins, row * kExColumns + winnerColumn);
            place(!mouseWins, row * kExColumns + loserColumn);
        }
        bool announced = false;
        testing::WhenModalOpens("FormMsg", [&](QWidget* dialog) {
            announced = true;
            QCOMPARE(dialog->findChild<QLabel*>("言葉")->text(), message);
            QCOMPARE(Shown(driver), testing::ExBoardFromRows(finalRows));
            QCOMPARE(window.match().board(), ExBoard{});
            VerifyBetweenGames(driver);
            QVERIFY(driver.Info().contains("現在ターン▼"));
            testing::ClickChild(dialog, "選択_2");
        });
        place(mouseWins, 6 * kExColumns + winnerColumn);
        QVERIFY(announced);
        QVERIFY(driver.Info().startsWith(kPersonModeText + "[[[[ 第002戦 ]]]]\n\n" + counters));
        QVERIFY(!driver.Info().contains("現在ターン▼"));
        QCOMPARE(window.match().turn(), kExNoTurn);
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
        ExGameWindow window{YieldHook()};
        window.show();
        ExWindowDriver driver(window);
        driver.ChooseMode(ExMode::AgainstPerson, 0);
        driver.Start(false);
        driver.Key(Qt::Key_Up);
        driver.Key(Qt::Key_Left);
        if (finishGame) {
            PlayToTheEnd(driver);
            QVERIFY(!QTest::currentTestFailed());
        } else {
            driver.AnswerNextMessage(0);
            driver.Action("NewGame")->trigger();
        }
        QVERIFY(!window.match().inProgress());
        QVERIFY(window.match().keyCursor() != 95);

        driver.Start(mouseFirst);
        QCOMPARE(window.match().keyCursor(), 95);
        QCOMPARE(driver.Frame("c")->isVisible(), !mouseFirst);
        if (mouseFirst) {
            driver.ClickCell(90);
            QVERIFY(driver.Frame("c")->isVisible());
        }
        QCOMPARE(driver.Frame("c")->geometry().center(), driver.Cell(95)->geometry().center());
    }

    // It should ask before every mode change, also when the item already marked is chosen:
    // Ｙｅｓ starts the series again in the chosen mode (game number 001, board hidden, wins
    // kept), Ｃａｎｃｅｌ leaves the mode, the number and the last game's picture as they were.
    void modeItemAsksAndResets_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("mode");
        const int person = static_cast<int>(ExMode::AgainstPerson);
        const int computer = static_cast<int>(ExMode::AgainstComputer);
        QTest::newRow("the other item, Ｙｅｓ") << computer << 0 << computer;
        QTest::newRow("the marked item, Ｙｅｓ") << person << 0 << person;
        QTest::newRow("the other item, Ｃａｎｃｅｌ") << computer << 1 << person;
        QTest::newRow("the marked item, Ｃａｎｃｅｌ") << person << 1 << person;
    }
    void modeItemAsksAndResets() {
        QFETCH(int, item);
        QFETCH(int, answer);
        QFETCH(int, mode);
        ExGameWindow window{YieldHook()};
        window.show();
        ExWindowDriver driver(window);
        driver.ChooseMode(ExMode::AgainstPerson, 0);
        driver.Start(true);
        PlayToTheEnd(driver);
        QVERIFY(!QTest::currentTestFailed());
        const QString infoAfterGame = driver.Info();
        const ExBoard finalPosition = Shown(driver);
        QCOMPARE(window.match().gameCount(), 1);
        QCOMPARE(window.match().mouseWins() + window.match().otherWins(), 1);

        driver.ChooseMode(static_cast<ExMode>(item), answer);
        QCOMPARE(driver.LastMessage(), kModeQuestion);
        QCOMPARE(static_cast<int>(window.match().mode()), mode);
        QCOMPARE(driver.Action("戦_0")->isChecked(),
                 mode == static_cast<int>(ExMode::AgainstPerson));
        QCOMPARE(driver.Action("戦_1")->isChecked(),
                 mode != static_cast<int>(ExMode::AgainstPerson));
        QCOMPARE(window.match().mouseWins() + window.match().otherWins(), 1);
        VerifyBetweenGames(driver);
        if (answer == 0) {
            QCOMPARE(window.match().gameCount(), 0);
            QCOMPARE(driver.Info(), mode == static_cast<int>(ExMode::AgainstPerson)
                                        ? kPersonModeText
                                        : kComputerModeText);
            QVERIFY(AllCells(driver, &QWidget::isHidden, true));
        } else {
            QCOMPARE(window.match().gameCount(), 1);
            QCOMPARE(driver.Info(), infoAfterGame);
            QVERIFY(AllCells(driver, &QWidget::isVisible, true));
            QCOMPARE(Shown(driver), finalPosition);
        }
    }

    // It should refuse every command and the close box while the computer thinks, leave the
    // game untouched, and show its progress meanwhile.
    void refusesWhileTheComputerThinks() {
        ExGameWindow* window = nullptr;
        ExWindowDriver* driver = nullptr;
        bool checked = false;
        QStringList progress;
        // Runs once, at the computer's first node, as a person would act meanwhile.
        auto actWhileThinking = [&] {
            QVERIFY(window->thinking());
            QVERIFY(driver->ThinkingLabel()->isVisible());
            testing::SaveScreenshot(window, "formz11_thinking");
            const ExBoard before = window->match().board();
            for (const QString item : {"NewGame", "オプション", "ヘルプ"}) {
                driver->AnswerNextMessage();
                driver->Action(item)->trigger();
                QCOMPARE(driver->LastMessage(), kRefused);
            }
            driver->AnswerNextMessage();
            window->findChild<QMenu*>("システム")->popup(window->mapToGlobal(QPoint(10, 10)));
            QTRY_COMPARE(driver->messages().size(), 5);
            QCOMPARE(driver->LastMessage(), kRefused);
            QVERIFY(!window->findChild<QMenu*>("システム")->isVisible());
            driver->AnswerNextMessage();
            QVERIFY(!window->close());
            QCOMPARE(driver->LastMessage(), kCloseRefused);
            QVERIFY(window->isVisible());
            driver->ClickCell(93);
            QTest::keyClick(window, Qt::Key_Space);
            QCOMPARE(window->match().board(), before);
            QCOMPARE(window->match().turn(), kExOtherTurn);
        };
        YieldHook hook([&] {
            progress << window->findChild<QLabel*>("L2")->text();
            if (!checked) {
                checked = true;
                actWhileThinking();
            }
            return true;
        });
        ExGameWindow real(hook);
        window = &real;
        real.show();
        ExWindowDriver realDriver(real);
        driver = &realDriver;
        realDriver.Start(true);
        realDriver.ClickCell(94);
        QVERIFY(checked);
        QCOMPARE(realDriver.messages().size(), 6);
        QVERIFY(real.isVisible() && !real.thinking());
        QCOMPARE(Count(real.match().board(), ExOtherUnit), 1);
        QCOMPARE(real.match().turn(), kExMouseTurn);
        QCOMPARE(progress.first(), QStringLiteral("現在思考中・・・\n残：100%"));
        QCOMPARE(progress.last(), QStringLiteral("現在思考中・・・\n残：2%"));  // after cell 98
    }

    // It should play a whole game against the computer through the window: every click on a
    // legal cell is answered by the computer, until one side wins or the board is full.
    void wholeGameAgainstTheComputer() {
        ExGameWindow window;  // the program's own event pump
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ExWindowDriver driver(window);
        driver.Start(true);
        int moves = 0;
        while (window.match().inProgress()) {
            const ExBoard board = window.match().board();
            int cell = 0;
            while (!ExCanPlace(board, cell)) {
                ++cell;
            }
            ExBoard after = board;
            after[cell] = ExMouseUnit;
            // A message is armed only where one must come: the Mouse side's win, or the
            // computer's, which takes an immediate win whenever it has one.
            bool ends = HasLine(after) || OpenCells(after) <= 1;
            if (!HasLine(after) && OpenCells(after) > 0) {
                const auto rated = ExRateCells(after, YieldHook());
                ends = ends || rated->winCell.has_value();
            }
            if (ends) {
                driver.AnswerNextMessage();
            }
            driver.ClickCell(cell);
            ++moves;
            if (moves == 3) {
                testing::SaveScreenshot(&window, "formz11_midgame");
            }
            QVERIFY(moves < 60);
        }
        QCOMPARE(driver.LastMessage(), QStringLiteral("・対電脳戦・\n勝利：Program！"));
        testing::SaveScreenshot(&window, "formz11_after_win");
        const ExBoard shown = Shown(driver);
        QCOMPARE(Count(shown, ExOtherLine), 4);
        QCOMPARE(Count(shown, ExMouseUnit) + Count(shown, ExOtherUnit), 0);
        QCOMPARE(Count(window.match().board(), ExEmpty), 100);
        QVERIFY(driver.Info().startsWith(kComputerModeText + "[[[[ 第002戦 ]]]]\n\n   Mouse:000勝\n"
                                                             "Keybord:001勝\n  (DROW):000回\n"));
        VerifyBetweenGames(driver);
        const ExBoard before = Shown(driver);
        driver.ClickCell(50);  // cells disabled: nothing happens until Start!!
        QCOMPARE(Shown(driver), before);
    }

    // It should play two people's games through the window: a draw on a full board shown by
    // the system message box, then wins of both sides with their messages and counters.
    void wholeGamesBetweenTwoPeople() {
        ExGameWindow window{YieldHook()};
        window.show();
        ExWindowDriver driver(window);
        driver.ChooseMode(ExMode::AgainstPerson, 0);
        driver.Start(true);
        for (int row = kExRows - 1; row >= 0; --row) {
            const QString pattern = DrawnRow(row);
            QList<int> mouseCells;
            QList<int> otherCells;
            for (int column = 0; column < kExColumns; ++column) {
                (pattern[column] == 'o' ? mouseCells : otherCells) << row * kExColumns + column;
            }
            for (int k = 0; k < mouseCells.size(); ++k) {
                driver.ClickCell(mouseCells[k]);
                if (row == 0 && k == mouseCells.size() - 1) {
                    driver.AnswerDrawBox();
                }
                driver.MoveCursorTo(otherCells[k]);
                driver.Key(Qt::Key_Space);
            }
        }
        QCOMPARE(driver.drawBoxes(), QStringList{"Drow|引き分け！"});
        const ExBoard shown = Shown(driver);
        QCOMPARE(Count(shown, ExMouseDim), 50);
        QCOMPARE(Count(shown, ExOtherDim), 50);
        QVERIFY(driver.Info().contains("[[[[ 第002戦 ]]]]") &&
                driver.Info().endsWith("  (DROW):001回\n"));
        VerifyBetweenGames(driver);

        // The Mouse side wins up column 0; the Keybord side's units are dimmed.
        driver.Start(true);
        for (const int pair : {0, 1, 2}) {
            driver.ClickCell(90 - 10 * pair);
            driver.MoveCursorTo(99 - 10 * pair);
            driver.Key(Qt::Key_Space);
        }
        driver.AnswerNextMessage();
        driver.ClickCell(60);
        QCOMPARE(driver.LastMessage(), QStringLiteral("・対人戦・\n勝利：Mouse！"));
        QCOMPARE(Shown(driver), testing::ExBoardFromRows(
                                    {"7.........", "7........6", "7........6", "7........6"}));
        QVERIFY(driver.Info().contains("第003戦") && driver.Info().contains("Mouse:001勝"));

        // The Keybord side moves first and wins up column 9.
        driver.Start(false);
        for (const int pair : {0, 1, 2}) {
            driver.MoveCursorTo(99 - 10 * pair);
            driver.Key(Qt::Key_Space);
            driver.ClickCell(90 + pair);
        }
        driver.AnswerNextMessage();
        driver.MoveCursorTo(69);
        driver.Key(Qt::Key_Space);
        QCOMPARE(driver.LastMessage(), QStringLiteral("・対人戦・\n勝利：Keybord！"));
        QVERIFY(driver.Info().startsWith(kPersonModeText + "[[[[ 第004戦 ]]]]\n\n   Mouse:001勝\n"
                                                           "Keybord:001勝\n  (DROW):001回\n"));
        driver.Key(Qt::Key_Space);  // no game: the keys place nothing
        QCOMPARE(Count(window.match().board(), ExEmpty), 100);

        // A mode change starts the numbering again and keeps the counts.
        driver.ChooseMode(ExMode::AgainstComputer, 0);
        driver.Start(true);
        QVERIFY(driver.Info().startsWith(kComputerModeText + "[[[[ 第001戦 ]]]]\n\n   Mouse:001勝\n"
                                                             "Keybord:001勝\n  (DROW):001回\n"));
    }

    // It should, on 【New Game!】 answered Yes, drop the game in progress uncounted and go
    // back to the start of the series; Cancel changes nothing.
    void newGameDropsTheGameInProgress() {
        ExGameWindow window{YieldHook()};
        window.show();
        ExWindowDriver driver(window);
        driver.ChooseMode(ExMode::AgainstPerson, 0);
        driver.Start(true);
        driver.ClickCell(93);
        driver.AnswerNextMessage(1);
        driver.Action("NewGame")->trigger();
        QCOMPARE(driver.LastMessage(), QStringLiteral("ニューゲームしますか？"));
        QCOMPARE(driver.LastCaptions(), (QStringList{"Ｙｅｓ", "Ｃａｎｃｅｌ", ""}));
        QVERIFY(window.match().inProgress());
        QCOMPARE(window.match().board()[93], ExMouseUnit);

        driver.AnswerNextMessage(0);
        driver.Action("NewGame")->trigger();
        QVERIFY(!window.match().inProgress());
        QCOMPARE(window.match().turn(), kExNoTurn);
        QCOMPARE(window.match().board(), ExBoard{});
        QCOMPARE(window.match().mode(), ExMode::AgainstPerson);
        QCOMPARE(driver.Info(), kPersonModeText);
        QVERIFY(AllCells(driver, &QWidget::isHidden, true));
        VerifyBetweenGames(driver);
        driver.Key(Qt::Key_Space);
        QCOMPARE(window.match().board(), ExBoard{});
        driver.Start(true);
        QVERIFY(
            driver.Info().contains("[[[[ 第001戦 ]]]]\n\n   Mouse:000勝\nKeybord:000勝\n"
                                   "  (DROW):000回"));
    }
};

QTEST_MAIN(ExGameWindowTest)
#include "test_extra_game_window.moc"
