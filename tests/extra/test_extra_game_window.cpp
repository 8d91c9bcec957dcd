#include <QApplication>
#include <QMenu>
#include <QTest>

#include "extra/engine/ex_search.h"
#include "extra/windows/ex_game_surface.h"
#include "extra/windows/ex_game_window.h"
#include "shell/settings/language.h"
#include "shell/windows/look.h"
#include "tests/extra/ex_board_text.h"
#include "tests/extra/ex_play.h"
#include "tests/extra/ex_window_driver.h"
#include "tests/support/growth.h"
#include "tests/support/modal.h"
#include "tests/support/recording_sink.h"
#include "tests/support/screenshot.h"
#include "tests/support/window_texts.h"

Q_DECLARE_METATYPE(morvane::ExMode)

using namespace morvane;
using namespace morvane::testing;

using Keys = QList<QKeyCombination>;

namespace {

const QString kComputerModeText = QStringLiteral("　 ・対電脳戦・");
const QString kPersonModeText = QStringLiteral("　　・対人戦・");
const QString kModeQuestion = QStringLiteral(
    "モードを変更すると自動的にニューゲームが行われます。\nモードを変更してもよろしいですか？");
const QString kRefused = QStringLiteral("電脳思考中は実行できません。");
const QString kCloseRefused = QStringLiteral("電脳思考中は閉じる事ができません。");
const QStringList kBetweenGamesButtons = {"Command2_0", "Command2_1", "Command3", "Command4"};
const QStringList kNotice = {"", "", "確認"};
const QStringList kQuestion = {"Ｙｅｓ", "Ｃａｎｃｅｌ", ""};

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

void VerifyModeMarks(ExWindowDriver& driver, ExMode mode) {
    QCOMPARE(driver.Action("戦_0")->isChecked(), mode == ExMode::AgainstPerson);
    QCOMPARE(driver.Action("戦_1")->isChecked(), mode == ExMode::AgainstComputer);
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

void VerifyKeyCursorOn(ExWindowDriver& driver, int cell) {
    QVERIFY(driver.Frame("c")->isVisible());
    QVERIFY(driver.Frame("c")->geometry().contains(driver.Cell(cell)->geometry()));
    QCOMPARE(driver.Frame("c")->geometry().center(), driver.Cell(cell)->geometry().center());
}

// Plays the game in progress between two people to its end, each side putting its unit into
// the first legal cell, and answers the message that ends it.
void PlayToTheEnd(ExWindowDriver& driver) {
    const ExMatch& match = driver.window().match();
    for (int placements = 0; placements < kExCellCount && match.inProgress(); ++placements) {
        const int cell = FirstLegalCell(match.board());
        ExBoard after = match.board();
        after[cell] = match.turn() == kExMouseTurn ? ExMouseUnit : ExOtherUnit;
        if (HasLine(after)) {
            driver.AnswerNextMessage();
        } else if (OpenCells(after) == 0) {
            driver.AnswerDrawBox();
        }
        driver.Place(cell);
    }
    QVERIFY(!match.inProgress());
}

// The texts of the window that are Japanese, and the lines of the information label that are
// too wide for it or too many, each with where it was seen.
QStringList EnglishFaults(ExWindowDriver& driver, const QString& when) {
    QStringList faults;
    for (const HeldText& held : HeldTexts(driver.window())) {
        if (HasJapanese(held.text)) {
            faults << QStringLiteral("%1, %2: %3").arg(when, held.where, held.text);
        }
    }
    const QLabel* info = driver.window().findChild<QLabel*>("INf");
    for (const QString& line : info->text().split(QLatin1Char('\n'))) {
        if (info->fontMetrics().horizontalAdvance(line) > info->contentsRect().width()) {
            faults << QStringLiteral("%1, too wide: %2").arg(when, line);
        }
    }
    if (IsClipped(*info, info->text())) {
        faults << QStringLiteral("%1, too long: %2").arg(when, info->text());
    }
    return faults;
}

}  // namespace

class ExGameWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { look::PinApplicationLook(); }
    void cleanup() { UseLanguage(Language::Japanese); }

    // The window grows keeping the board's proportions: every cell stands at its own place and
    // size times the growth; a click on a grown cell places the unit there.
    void windowGrowsKeepingTheBoardsProportions_data() {
        QTest::addColumn<qreal>("growth");
        QTest::newRow("1.5 times") << 1.5;
        QTest::newRow("2 times") << 2.0;
    }
    void windowGrowsKeepingTheBoardsProportions() {
        QFETCH(qreal, growth);
        ExGameWindow window;
        ExWindowDriver driver(window);
        window.show();
        const auto* page = window.findChild<QWidget*>(QStringLiteral("ExPage"));
        const QSize own = page->size();
        std::array<QRect, kExCellCount> ownCells;
        for (int cell = 0; cell < kExCellCount; ++cell) {
            ownCells[static_cast<std::size_t>(cell)] = driver.Cell(cell)->geometry();
        }

        window.resize(window.size() + own * growth - own);
        QTRY_COMPARE(page->size(), own * growth);
        for (int cell = 0; cell < kExCellCount; ++cell) {
            QVERIFY2(GrownFrom(driver.Cell(cell)->geometry(),
                               ownCells[static_cast<std::size_t>(cell)], growth),
                     qPrintable(QStringLiteral("cell %1").arg(cell)));
        }
        driver.Start(true);
        const int bottomRight = kExCellCount - 1;
        driver.ClickCell(bottomRight);
        QTRY_COMPARE(static_cast<ExCellWidget*>(driver.Cell(bottomRight))->code(), ExMouseUnit);
    }

    // The lines between the empty cells stand out from the well: along each line the surface
    // is clearly lighter than along the middles of the cells beside it.
    void gridLinesStandOutFromTheWell() {
        ExGameWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* surface = window.findChild<ExGameSurface*>();
        QVERIFY(surface != nullptr);
        const QImage picture = surface->grab().toImage();
        const qreal ratio = picture.devicePixelRatio();
        // The mean lightness of a column of the board, in device pixels.
        auto columnLightness = [&](int x) {
            long sum = 0;
            const int top = qRound(exlayout::kBoardTop * ratio);
            const int bottom = qRound((exlayout::kBoardTop + exlayout::kBoardSize) * ratio);
            for (int y = top; y < bottom; ++y) {
                sum += qGray(picture.pixel(qRound(x * ratio), y));
            }
            return sum / (bottom - top);
        };
        constexpr int kLeastDifference = 40;
        for (int k = 1; k < kExColumns; ++k) {
            const int line = exlayout::kBoardLeft + k * ExCellWidget::kSize;
            const long lineLightness = columnLightness(line);
            const long cellLightness = columnLightness(line - ExCellWidget::kSize / 2);
            QVERIFY2(lineLightness - cellLightness >= kLeastDifference,
                     qPrintable(QStringLiteral("line %1: %2 against %3")
                                    .arg(k)
                                    .arg(lineLightness)
                                    .arg(cellLightness)));
        }
    }

    // It should open against the computer with no game, then play a whole game against the
    // computer through the window: the computer moves first at once after its message, and
    // answers every click on a legal cell until one side wins or the board is full.
    void wholeGameAgainstTheComputer() {
        ExGameWindow window;
        RecordingSink sounds;
        window.SetSounds(&sounds);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ExWindowDriver driver(window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Morvane-リメイク版"));
        VerifyModeMarks(driver, ExMode::AgainstComputer);
        QCOMPARE(driver.Info(), kComputerModeText);
        QVERIFY(AllCells(driver, &QWidget::isHidden, true));
        QVERIFY(driver.ThinkingLabel()->isHidden());
        VerifyBetweenGames(driver);
        SaveScreenshot(&window, "formz11_opened");

        driver.Start(false);
        QCOMPARE(driver.LastMessage(), QStringLiteral("・対電脳戦・\n先攻：Program"));
        QCOMPARE(driver.LastCaptions(), kNotice);
        VerifyInGame(driver);
        QCOMPARE(Count(Shown(driver), ExOtherUnit), 1);
        QVERIFY(MouseFrameShown(driver) && driver.Frame("c")->isHidden());
        QCOMPARE(driver.Info(), kComputerModeText +
                                    "[[[[ 第001戦 ]]]]\n\n   Mouse:000勝\nKeybord:000勝\n"
                                    "  (DROW):000回\n\n現在の戦況▼\n[残]：99/100\n\n"
                                    "現在ターン▼\n＞＞＞Mouse.");
        constexpr int kMostMouseMoves = kExCellCount / 2;
        for (int moves = 0; moves < kMostMouseMoves && window.match().inProgress(); ++moves) {
            const ExBoard board = window.match().board();
            const int cell = FirstLegalCell(board);
            ExBoard after = board;
            after[cell] = ExMouseUnit;
            // A message is armed only where one must come: the Mouse side's win, or the
            // computer's, which takes an immediate win whenever it has one.
            bool ends = HasLine(after) || OpenCells(after) <= 1;
            if (!HasLine(after) && OpenCells(after) > 0) {
                ends = ends || ExRateCells(after).winCell.has_value();
            }
            if (ends) {
                driver.AnswerNextMessage();
            }
            driver.ClickCell(cell);
            if (moves == 2) {
                SaveScreenshot(&window, "formz11_midgame");
            }
        }
        QVERIFY(!window.match().inProgress());
        QCOMPARE(driver.LastMessage(), QStringLiteral("・対電脳戦・\n勝利：Program！"));
        // Each side's units sound as they come; the person's loss ends the game.
        QCOMPARE(sounds.played.first(), Sound::CrossPlaced);
        QVERIFY(sounds.played.contains(Sound::CirclePlaced));
        QCOMPARE(sounds.played.last(), Sound::Lost);
        SaveScreenshot(&window, "formz11_after_win");
        const ExBoard shown = Shown(driver);
        QCOMPARE(Count(shown, ExOtherLine), 4);
        QCOMPARE(Count(shown, ExMouseUnit) + Count(shown, ExOtherUnit), 0);
        QCOMPARE(Count(window.match().board(), ExEmpty), 100);
        QCOMPARE(driver.Info(), kComputerModeText +
                                    "[[[[ 第002戦 ]]]]\n\n   Mouse:000勝\nKeybord:001勝\n"
                                    "  (DROW):000回\n");
        VerifyBetweenGames(driver);
        driver.ClickCell(50);  // cells disabled: nothing happens until Start!!
        QCOMPARE(Shown(driver), shown);
    }

    // It should play two people's games through the window: the mode question (closed by its
    // frame it changes nothing), a draw on a full board shown by the system message box, wins
    // of both sides announced over their final positions, a mode change that keeps the
    // counts, and 【New Game!】 in the middle of a game.
    void wholeGamesBetweenTwoPeople() {
        ExGameWindow window;
        window.show();
        ExWindowDriver driver(window);
        WhenModalOpens("FormMsg", [](QWidget* dialog) { dialog->close(); });
        driver.Action("戦_0")->trigger();
        QCOMPARE(window.match().mode(), ExMode::AgainstComputer);
        VerifyModeMarks(driver, ExMode::AgainstComputer);
        driver.ChooseMode(ExMode::AgainstPerson, 0);
        QCOMPARE(driver.LastMessage(), kModeQuestion);
        QCOMPARE(driver.LastCaptions(), kQuestion);
        VerifyModeMarks(driver, ExMode::AgainstPerson);
        QCOMPARE(driver.Info(), kPersonModeText);
        QVERIFY(AllCells(driver, &QWidget::isHidden, true));
        VerifyBetweenGames(driver);

        driver.Start(true);
        QCOMPARE(driver.LastMessage(), QStringLiteral("・対人戦・\n先攻：Mouse"));
        VerifyInGame(driver);
        const QList<int> drawnGame = DrawnGameMoves();
        for (int k = 0; k < drawnGame.size(); ++k) {
            if (k == drawnGame.size() - 1) {
                driver.AnswerDrawBox();
            }
            driver.Place(drawnGame[k]);
            if (k % 2 == 0) {
                VerifyKeyCursorOn(driver, window.match().keyCursor());
            }
        }
        QCOMPARE(driver.drawBoxes(), QStringList{"Drow|引き分け！"});
        QCOMPARE(Count(Shown(driver), ExMouseDim), 50);
        QCOMPARE(Count(Shown(driver), ExOtherDim), 50);
        QVERIFY(driver.Info().contains("[[[[ 第002戦 ]]]]") &&
                driver.Info().endsWith("  (DROW):001回\n"));
        VerifyBetweenGames(driver);

        // The Mouse side wins up column 0; the end shows beneath its message.
        driver.Start(true);
        for (const int cell : {90, 99, 80, 89, 70, 79}) {
            driver.Place(cell);
        }
        QVERIFY(driver.Info().endsWith("[残]：94/100\n\n現在ターン▼\n＞＞＞Mouse."));
        bool announced = false;
        WhenModalOpens("FormMsg", [&](QWidget* dialog) {
            announced = true;
            QCOMPARE(dialog->findChild<QLabel*>("言葉")->text(),
                     QStringLiteral("・対人戦・\n勝利：Mouse！"));
            QCOMPARE(Shown(driver),
                     ExBoardFromRows({"7.........", "7........6", "7........6", "7........6"}));
            VerifyBetweenGames(driver);
            QVERIFY(driver.Info().contains("現在ターン▼"));
            ClickChild(dialog, "選択_2");
        });
        driver.ClickCell(60);
        QVERIFY(announced);
        QVERIFY(driver.Info().contains("第003戦") && driver.Info().contains("Mouse:001勝"));
        QVERIFY(!driver.Info().contains("現在ターン▼"));

        // The Keybord side moves first, from cell 95, and wins up column 9.
        driver.Start(false);
        QCOMPARE(driver.LastMessage(), QStringLiteral("・対人戦・\n先攻：Keybord"));
        VerifyKeyCursorOn(driver, 95);
        for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_A}) {
            driver.Key(key);
        }
        VerifyKeyCursorOn(driver, 84);
        QVERIFY(!MouseFrameShown(driver));
        QVERIFY(driver.Info().endsWith("現在ターン▼\n＞＞＞Keybord."));
        for (const int cell : {99, 90, 89, 80, 79, 70}) {
            driver.Place(cell);
        }
        driver.AnswerNextMessage();
        driver.Place(69);
        QCOMPARE(driver.LastMessage(), QStringLiteral("・対人戦・\n勝利：Keybord！"));
        QCOMPARE(driver.LastCaptions(), kNotice);
        QVERIFY(driver.Info().startsWith(kPersonModeText + "[[[[ 第004戦 ]]]]\n\n   Mouse:001勝\n"
                                                           "Keybord:001勝\n  (DROW):001回\n"));
        driver.Key(Qt::Key_Space);  // no game: the keys place nothing
        QCOMPARE(Count(window.match().board(), ExEmpty), 100);

        // A mode change starts the numbering again and keeps the counts.
        driver.ChooseMode(ExMode::AgainstComputer, 0);
        driver.Start(true);
        QCOMPARE(driver.LastMessage(), QStringLiteral("・対電脳戦・\n先攻：Mouse"));
        QVERIFY(driver.Info().startsWith(kComputerModeText + "[[[[ 第001戦 ]]]]\n\n   Mouse:001勝\n"
                                                             "Keybord:001勝\n  (DROW):001回\n"));

        // 【New Game!】 answered Ｙｅｓ drops the game in progress.
        driver.AnswerNextMessage(0);
        driver.Action("NewGame")->trigger();
        QCOMPARE(driver.LastMessage(), QStringLiteral("ニューゲームしますか？"));
        QCOMPARE(driver.LastCaptions(), kQuestion);
        QCOMPARE(driver.Info(), kComputerModeText);
        QVERIFY(AllCells(driver, &QWidget::isHidden, true));
        VerifyBetweenGames(driver);
    }

    // It should make terrain with its button only against a person, turn it with the
    // rotation buttons, play the next game on it, and start the game after without it; with
    // no computer thinking, the window closes in the middle of a game.
    void terrainThroughTheButtons() {
        ExGameWindow window;
        window.show();
        ExWindowDriver driver(window);
        driver.ChooseMode(ExMode::AgainstPerson, 0);
        window.match().stoneDraws = 20;
        window.match().boxDraws = 0;
        driver.Click("Command4");
        ExBoard terrain = window.match().board();
        QVERIFY(Count(terrain, ExStone) > 0);
        QCOMPARE(Shown(driver), terrain);
        QVERIFY(AllCells(driver, &QWidget::isVisible, true));
        QVERIFY(AllCells(driver, &QWidget::isEnabled, false));
        QVERIFY(driver.Button("Command2_0")->isEnabled() &&
                driver.Button("Command2_1")->isEnabled());
        SaveScreenshot(&window, "formz11_terrain");

        driver.Click("Command2_1");
        RotateBoard(terrain, RotateDirection::Clockwise);
        QCOMPARE(Shown(driver), terrain);
        driver.Click("Command2_0");
        driver.Click("Command2_0");
        RotateBoard(terrain, RotateDirection::CounterClockwise);
        RotateBoard(terrain, RotateDirection::CounterClockwise);
        QCOMPARE(Shown(driver), terrain);

        driver.Start(true);
        QCOMPARE(window.match().board(), terrain);
        QVERIFY(driver.Info().contains(
            QStringLiteral("[残]：%1/%2").arg(OpenCells(terrain)).arg(NonStoneCells(terrain))));
        PlayToTheEnd(driver);
        QCOMPARE(Count(Shown(driver), ExStone), Count(terrain, ExStone));

        driver.Start(true);
        QCOMPARE(Shown(driver), ExBoard{});
        QVERIFY(driver.Info().contains("[残]：100/100"));
        window.close();
        QVERIFY(!window.isVisible());
    }

    // It should refuse every command and the close box while the computer thinks, with their
    // messages, leave the game untouched, and show its progress meanwhile.
    void refusesWhileTheComputerThinks() {
        ExGameWindow* window = nullptr;
        ExWindowDriver* driver = nullptr;
        bool checked = false;
        QStringList progress;
        // Runs once, at the computer's first progress report, as a person would act meanwhile.
        auto actWhileThinking = [&] {
            QVERIFY(window->match().thinking());
            QVERIFY(driver->ThinkingLabel()->isVisible());
            QVERIFY(driver->Info().endsWith("＞＞＞Program."));
            SaveScreenshot(window, "formz11_thinking");
            const ExBoard before = window->match().board();
            for (const QString item : {"NewGame", "オプション", "ヘルプ"}) {
                driver->AnswerNextMessage();
                driver->Action(item)->trigger();
                QCOMPARE(driver->LastMessage(), kRefused);
                QCOMPARE(driver->LastCaptions(), kNotice);
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
        ExGameWindow real;
        window = &real;
        connect(&real, &ExGameWindow::thinkingShown, this, [&] {
            progress << window->findChild<QLabel*>("L2")->text();
            if (!checked) {
                checked = true;
                actWhileThinking();
            }
        });
        real.show();
        ExWindowDriver realDriver(real);
        driver = &realDriver;
        realDriver.Start(true);
        realDriver.ClickCell(94);
        QVERIFY(checked);
        QCOMPARE(realDriver.messages().size(), 6);
        QVERIFY(real.isVisible() && realDriver.ThinkingLabel()->isHidden());
        QCOMPARE(Count(real.match().board(), ExOtherUnit), 1);
        QCOMPARE(real.match().turn(), kExMouseTurn);
        QCOMPARE(progress.first(), QStringLiteral("現在思考中・・・\n残：100%"));
        QCOMPARE(progress.last(), QStringLiteral("現在思考中・・・\n残：1%"));  // after cell 99
    }

    // In English a drawn game between two people and a won one read in English from the mode
    // question to the last message: every text of the window after every move (the cells'
    // names among them), each message and its buttons, the draw box; the information label's
    // lines fit it throughout.
    void wholeGamesInEnglish() {
        QVERIFY(UseLanguage(Language::English));
        ExGameWindow window;
        window.show();
        ExWindowDriver driver(window);
        QStringList faults = EnglishFaults(driver, "opened");
        driver.ChooseMode(ExMode::AgainstPerson, 0);
        QCOMPARE(driver.LastMessage(), "Changing the mode starts a new game.\nChange the mode?");
        QCOMPARE(driver.LastCaptions(), (QStringList{"Yes", "Cancel", ""}));

        driver.Start(true);
        QCOMPARE(driver.LastMessage(), "- vs Human -\nFirst move: Mouse");
        QCOMPARE(driver.LastCaptions(), (QStringList{"", "", "OK"}));
        const QList<int> drawnGame = DrawnGameMoves();
        for (int k = 0; k < drawnGame.size(); ++k) {
            if (k == drawnGame.size() - 1) {
                driver.AnswerDrawBox();
            }
            driver.Place(drawnGame[k]);
            faults << EnglishFaults(driver, QStringLiteral("move %1").arg(k + 1));
        }
        QCOMPARE(driver.drawBoxes(), QStringList{"Draw|It's a draw!"});
        SaveScreenshot(&window, "formz11_english_drawn");

        driver.Start(true);
        for (const int cell : {90, 99, 80, 89, 70, 79}) {
            driver.Place(cell);
        }
        driver.AnswerNextMessage();
        driver.Place(60);
        QCOMPARE(driver.LastMessage(), "- vs Human -\nWinner: Mouse!");
        faults << EnglishFaults(driver, "won");
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        QVERIFY(driver.Info().endsWith("   Mouse:001 wins\nKeyboard:000 wins\n  (DRAW):001\n"));
        SaveScreenshot(&window, "formz11_english_won");
    }

    // Against the computer a game can be played with the keys alone: Enter presses Start!!,
    // the arrows show and move the cursor, Enter (or Space) puts the unit under it.
    void gameAgainstTheComputerWithTheKeysAlone() {
        ExGameWindow window;
        window.show();
        ExWindowDriver driver(window);
        SeedFirstPlayer(true);
        driver.AnswerNextMessage();
        driver.Key(Qt::Key_Return);
        QCOMPARE(driver.messages(), QStringList{"・対電脳戦・\n先攻：Mouse"});
        VerifyInGame(driver);
        QVERIFY(driver.Frame("c")->isHidden());
        driver.Key(Qt::Key_Left);
        VerifyKeyCursorOn(driver, 94);
        SaveScreenshot(&window, "formz11_mouse_side_keys");
        driver.Key(Qt::Key_Enter);
        QCOMPARE(Shown(driver)[94], ExMouseUnit);
        QCOMPARE(Count(window.match().board(), ExOtherUnit), 1);
        QCOMPARE(window.match().turn(), kExMouseTurn);
        QVERIFY(driver.Frame("c")->isHidden());
    }

    // The menu bar opens to the keys as in desktop programs: F10 opens the first menu, Alt alone
    // (pressed and released) opens the bar; the arrows then go along the bar and down a menu,
    // and Enter chooses the item, as a click on it does.
    void menuBarOpensWithF10OrAlt_data() {
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<QString>("openMenu");
        QTest::addColumn<ExMode>("mode");
        const auto computer = ExMode::AgainstComputer;
        QTest::newRow("F10") << Keys{Qt::Key_F10} << "システム" << computer;
        QTest::newRow("F10, Right") << Keys{Qt::Key_F10, Qt::Key_Right} << "モード" << computer;
        QTest::newRow("Alt, Down") << Keys{Qt::Key_Alt, Qt::Key_Down} << "システム" << computer;
        QTest::newRow("Alt, Right, Down")
            << Keys{Qt::Key_Alt, Qt::Key_Right, Qt::Key_Down} << "モード" << computer;
        QTest::newRow("Alt, Right, Down, Enter: 対人戦")
            << Keys{Qt::Key_Alt, Qt::Key_Right, Qt::Key_Down, Qt::Key_Return} << QString()
            << ExMode::AgainstPerson;
        QTest::newRow("F10, Right, Down, Enter: 対電脳戦")
            << Keys{Qt::Key_F10, Qt::Key_Right, Qt::Key_Down, Qt::Key_Return} << QString()
            << computer;
    }
    void menuBarOpensWithF10OrAlt() {
        QFETCH(Keys, keys);
        QFETCH(QString, openMenu);
        QFETCH(ExMode, mode);
        ExGameWindow window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        ExWindowDriver driver(window);
        if (openMenu.isEmpty()) {
            driver.AnswerNextMessage(0);
        }
        PressKeys(keys);
        QWidget* popup = QApplication::activePopupWidget();
        QCOMPARE(popup != nullptr ? popup->objectName() : QString(), openMenu);
        if (openMenu.isEmpty()) {
            QTRY_COMPARE(driver.messages().size(), 1);
            QCOMPARE(driver.LastMessage(), kModeQuestion);
        }
        QCOMPARE(window.match().mode(), mode);
        SaveScreen(QStringLiteral("formz11_keys_") + QTest::currentDataTag());
    }
};

QTEST_MAIN(ExGameWindowTest)
#include "test_extra_game_window.moc"
