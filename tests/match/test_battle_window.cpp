#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>

#include "match/windows/battle_window.h"
#include "shell/settings/language.h"
#include "shell/settings/settings_store.h"
#include "tests/match/battle_driver.h"
#include "tests/match/notice_listener.h"
#include "tests/rules/board_text.h"
#include "tests/support/growth.h"
#include "tests/support/modal.h"
#include "tests/support/screenshot.h"
#include "tests/support/temp_settings.h"
#include "tests/support/window_texts.h"

using namespace morvane;
using morvane::testing::BoardFromRows;
using morvane::testing::ClickChild;
using morvane::testing::TempSettings;
using morvane::testing::WhenModalOpens;
using namespace morvane::testing;

namespace {

QColor TextColor(QWidget* window, const QString& name) {
    return window->findChild<QLabel*>(name)->palette().color(QPalette::WindowText);
}

bool FrameIsOn(const Screen& screen, int cell) {
    return screen.window->findChild<QWidget*>(QStringLiteral("Cur"))
        ->geometry()
        .contains(screen.Cell(cell)->geometry().center());
}

// The first placeable cell, or kCellCount when there is none.
int FirstPlaceable(const Board& board) {
    int cell = 0;
    for (; cell < kCellCount && !CanPlace(board, cell); ++cell) {
    }
    return cell;
}

}  // namespace

class BattleWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { UseLanguage(Language::Japanese); }

    // The screen grows with its window and keeps its proportions: the cells stand at their own
    // places and sizes times the growth, within a pixel's rounding, the board centred where the
    // window is wider than the growth needs; a click on a grown cell places the unit there.
    void screenGrowsKeepingItsProportions_data() {
        QTest::addColumn<qreal>("across");
        QTest::addColumn<qreal>("down");
        QTest::addColumn<qreal>("growth");
        QTest::newRow("1.5 times") << 1.5 << 1.5 << 1.5;
        QTest::newRow("2 times") << 2.0 << 2.0 << 2.0;
        QTest::newRow("wider than 1.5 times") << 2.0 << 1.5 << 1.5;
    }
    void screenGrowsKeepingItsProportions() {
        QFETCH(qreal, across);
        QFETCH(qreal, down);
        QFETCH(qreal, growth);
        Screen screen(PlayerKind::Mouse, PlayerKind::Keyboard);
        screen.Open();
        QVERIFY(WaitForState(screen, BattleState::WaitMouse));
        const auto* area = screen.window->findChild<QWidget*>(QStringLiteral("BattleArea"));
        const QSize own = area->size();
        std::array<QRect, kCellCount> ownCells;
        for (int cell = 0; cell < kCellCount; ++cell) {
            ownCells[static_cast<std::size_t>(cell)] = screen.Cell(cell)->geometry();
        }

        const QSize room(qRound(own.width() * across), qRound(own.height() * down));
        screen.window->resize(screen.window->size() + room - own);
        QTRY_COMPARE(area->size(), own * growth);
        QCOMPARE(area->x(), (room.width() - area->width()) / 2);
        for (int cell = 0; cell < kCellCount; ++cell) {
            QVERIFY2(GrownFrom(screen.Cell(cell)->geometry(),
                               ownCells[static_cast<std::size_t>(cell)], growth),
                     qPrintable(QStringLiteral("cell %1").arg(cell)));
        }
        const QRect board =
            screen.Cell(0)->geometry().united(screen.Cell(kCellCount - 1)->geometry());
        const QRect ownBoard = ownCells.front().united(ownCells.back());
        QCOMPARE(qRound(100.0 * board.width() / board.height()),
                 qRound(100.0 * ownBoard.width() / ownBoard.height()));

        const int target = CellIndex(5, 12);
        ClickCell(screen, target);
        QTRY_COMPARE(screen.battle().ShownBoard()[target], CircleUnit);
        screen.window->close();
    }

    // Every control of the screen is reachable by its name, with the grid lines in light grey.
    void controlsCarryTheirNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count");  // members of an indexed group, 0 for a single control
        QTest::newRow("cells") << QStringLiteral("Un") << kCellCount;
        QTest::newRow("grid lines") << QStringLiteral("Line1") << 22;
        QTest::newRow("info rows") << QStringLiteral("InfLb") << 14;
        QTest::newRow("names") << QStringLiteral("NameLb") << 2;
        QTest::newRow("pictures") << QStringLiteral("Ig") << 2;
        QTest::newRow("wins") << QStringLiteral("WinLb") << 2;
        for (const char* single : {"Cur", "TurnCur", "Label1", "RoundLb", "AreaSpaceLb"}) {
            QTest::newRow(single) << QString::fromLatin1(single) << 0;
        }
    }
    void controlsCarryTheirNames() {
        QFETCH(QString, name);
        QFETCH(int, count);
        TempSettings settings;
        AppState state;
        BattleWindow window(state, settings.store(), {});
        QStringList names;
        for (int index = 0; index < count; ++index) {
            names << QStringLiteral("%1_%2").arg(name).arg(index);
        }
        if (count == 0) {
            names << name;
        }
        for (const QString& wanted : names) {
            auto* control = window.findChild<QWidget*>(wanted);
            QVERIFY2(control != nullptr, qPrintable(wanted));
            if (name == QStringLiteral("Line1")) {
                QCOMPARE(control->palette().color(QPalette::Window), QColor(233, 233, 233));
            }
        }
        QCOMPARE(window.findChild<QWidget*>(name + QStringLiteral("_%1").arg(count)), nullptr);
        if (name == QStringLiteral("Label1")) {
            QCOMPARE(window.findChild<QLabel*>(name)->text(), QStringLiteral("VS"));
        }
    }

    // The tick timer "Timer1" runs every 16 ms (the old program's shortest timer), from the
    // moment the window shows.
    void tickTimerStartsWhenTheWindowShows() {
        TempSettings settings;
        AppState state;
        BattleWindow window(state, settings.store(), {});
        auto* timer = window.findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer != nullptr);
        QCOMPARE(timer->intervalAsDuration(), std::chrono::milliseconds(16));
        QVERIFY(!timer->isActive());
        // No event runs here, so the first tick (which would open the entry) never comes.
        window.show();
        QVERIFY(timer->isActive());
        window.close();
        QVERIFY(!timer->isActive());
    }

    // Mouse against keyboard through the real cells and keys: ○ completes a row and wins; the
    // board shows the winning units highlighted and the rest greyed; "Ｑｕｉｔ" closes the screen
    // and tells the program so.
    void mouseBeatsKeyboard() {
        Screen screen(PlayerKind::Mouse, PlayerKind::Keyboard);
        screen.Open();
        QCOMPARE(screen.window->windowTitle(), QStringLiteral("Morvaneⅲ－Battle"));
        PlayMouseAgainstKeyboard(screen, {CellIndex(1, 12), CellIndex(1, 11), CellIndex(2, 12),
                                          CellIndex(2, 11), CellIndex(3, 12)});
        QVERIFY(WaitForState(screen, BattleState::WaitKeyboard));
        QVERIFY(screen.window->findChild<QWidget*>(QStringLiteral("TurnCur"))->isVisible());
        QCOMPARE(TextColor(screen.window, QStringLiteral("NameLb_1")), QColor(0, 255, 255));
        QCOMPARE(TextColor(screen.window, QStringLiteral("WinLb_0")), QColor(Qt::white));
        QVERIFY(WaitUntilSettled(screen));
        testing::SaveScreenshot(screen.window, QStringLiteral("battle_blue_midgame"));

        bool resultChecked = false;
        WhenModalOpens(QStringLiteral("Form5"), [&](QWidget* result) {
            BattleWindow* window = screen.window;
            QCOMPARE(result->findChild<QLabel*>(QStringLiteral("Label1_1"))->text(),
                     QStringLiteral("○ Ｗｉｎ！！"));
            QCOMPARE(TextColor(result, QStringLiteral("Label1_1")), QColor(0, 255, 0));
            QCOMPARE(window->battle().Wins(0), 1);
            QCOMPARE(testing::RowsOf(window->battle().ShownBoard()).mid(10),
                     (QStringList{"qqq.....", "OOOO...."}));
            QVERIFY(!screen.Cell(CellIndex(4, 12))->pixmap().isNull());
            QVERIFY(screen.Cell(CellIndex(5, 12))->pixmap().isNull());
            testing::SaveScreenshot(window, QStringLiteral("battle_after_win"));
            testing::SaveScreenshot(result, QStringLiteral("result_dialog"));
            testing::SaveScreen(QStringLiteral("result_beside_board"));
            ClickChild(result, QStringLiteral("Option1_3"));
            ClickChild(result, QStringLiteral("Command2"));
            resultChecked = true;
        });
        SteerAndPlace(screen, CellIndex(3, 11));
        QVERIFY(WaitForState(screen, BattleState::WaitMouse));
        QVERIFY(WaitUntilSettled(screen));  // as a player would take: the pane shows the move
        ClickCell(screen, CellIndex(4, 12));
        QTRY_VERIFY_WITH_TIMEOUT(resultChecked, kWait);
        QTRY_COMPARE_WITH_TIMEOUT(screen.closedSignals, 1, kWait);
        QTRY_VERIFY_WITH_TIMEOUT(screen.window.isNull(), kWait);
    }

    // On a prepared board whose only free cells are the top row, eight placements without a
    // line fill the board: a draw, every unit greyed, reported in white.
    void mouseAndKeyboardDraw() {
        Screen screen(PlayerKind::Mouse, PlayerKind::Keyboard);
        QStringList rows(kRows - 1, QStringLiteral("########"));
        screen.PlayOn(BoardFromRows(QStringList{"........"} + rows));
        screen.Open();
        QVERIFY(WaitForState(screen, BattleState::WaitMouse));
        QCOMPARE(screen.window->findChild<QLabel*>(QStringLiteral("AreaSpaceLb"))->text(),
                 QStringLiteral("Area Space：08/08"));

        bool drawn = false;
        WhenModalOpens(QStringLiteral("Form5"), [&](QWidget* result) {
            QCOMPARE(result->findChild<QLabel*>(QStringLiteral("Label1_1"))->text(),
                     QStringLiteral("Ｄｒｏｗ．．．"));
            QCOMPARE(TextColor(result, QStringLiteral("Label1_1")), QColor(Qt::white));
            QCOMPARE(testing::RowsOf(screen.window->battle().ShownBoard()).first(),
                     QStringLiteral("ppqqppqq"));
            QCOMPARE(screen.window->findChild<QLabel*>(QStringLiteral("AreaSpaceLb"))->text(),
                     QStringLiteral("Area Space：00/08"));
            drawn = true;
            result->close();  // the close box keeps the default, the next battle
        });
        PlayMouseAgainstKeyboard(screen, {0, 2, 1, 3, 4, 6, 5, 7});
        QTRY_VERIFY_WITH_TIMEOUT(drawn, kWait);
        // The next battle has started on a fresh copy of the prepared board, × beginning.
        QVERIFY(WaitForState(screen, BattleState::WaitKeyboard));
        QCOMPARE(screen.state.roundCount, 2);
        QCOMPARE(testing::RowsOf(screen.state.board).first(), QStringLiteral("........"));
        QCOMPARE(screen.battle().WinText(0), QStringLiteral("Ｗｉｎ:000"));
        screen.window->close();
        QTRY_VERIFY_WITH_TIMEOUT(screen.window.isNull(), kWait);
        QCOMPARE(screen.closedSignals, 1);
    }

    // A screen reader reads a cell by its column, row and content, and reads the new content
    // once the cell's picture changes: here from the empty board the screen opens with to the
    // board the game starts on.
    void cellsAreReadByPlaceAndContent_data() {
        QTest::addColumn<QString>("bottomRow");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "........" << 1 << QStringLiteral("１列目 １２行目：空き");
        QTest::newRow("hollow") << "..d....." << 3 << QStringLiteral("３列目 １２行目：◇");
        QTest::newRow("block") << ".......#" << 8 << QStringLiteral("８列目 １２行目：■");
        QTest::newRow("circle") << "....o..." << 5 << QStringLiteral("５列目 １２行目：○");
        QTest::newRow("greyed cross") << ".q......" << 2 << QStringLiteral("２列目 １２行目：×");
        QTest::newRow("winning circle")
            << "...O...." << 4 << QStringLiteral("４列目 １２行目：○（勝ち）");
    }
    void cellsAreReadByPlaceAndContent() {
        QFETCH(QString, bottomRow);
        QFETCH(int, column);
        QFETCH(QString, name);
        Screen screen(PlayerKind::Mouse, PlayerKind::Keyboard);
        screen.PlayOn(BoardFromRows({bottomRow}));
        screen.Open();
        QVERIFY(WaitForState(screen, BattleState::WaitMouse));
        QAccessibleInterface* cell =
            QAccessible::queryAccessibleInterface(screen.Cell(CellIndex(column, kRows)));
        QCOMPARE(cell->text(QAccessible::Name), name);
        screen.window->close();
        QTRY_VERIFY_WITH_TIMEOUT(screen.window.isNull(), kWait);
    }

    // The info panel's pages are spoken: each page once, whole, as it starts, by a notification
    // that shows on the screen. Once the page is out, redrawing the screen says nothing more.
    void infoPagesAreAnnounced() {
        Screen screen(PlayerKind::Mouse, PlayerKind::Keyboard);
        NoticeListener listener;
        screen.Open();
        QVERIFY(WaitUntilSettled(screen));
        // A key, ignored in a mouse turn, wakes the tick and redraws the screen.
        QTest::keyClick(screen.window, Qt::Key_Left);
        QVERIFY(WaitUntilSettled(screen));

        const QStringList& pages = listener.heard();
        QCOMPARE(pages.size(), screen.battle().Info().PagesStarted());
        QCOMPARE(pages.first(), QStringLiteral("（ＮＯ－ＤＡＴＡ．）"));
        const QString& page = pages.last();
        QVERIFY2(page.contains(QStringLiteral("Ｔｕｒｎ：○ Ｏｐｅｒａｔｉｏｎ： Ｍｏｕｓｅ")),
                 qPrintable(page));
        QVERIFY2(!page.contains(InfoSeparator()), qPrintable(page));
        screen.window->close();
        QTRY_VERIFY_WITH_TIMEOUT(screen.window.isNull(), kWait);
    }

    // While a person thinks and the pane has shown everything, the tick rests; the pointer over
    // a cell, a click or a key wakes it, and play goes on as before.
    void tickRestsWhileAPersonThinks() {
        Screen screen(PlayerKind::Mouse, PlayerKind::Keyboard);
        screen.Open();
        QVERIFY(WaitForState(screen, BattleState::WaitMouse));
        auto* timer = screen.window->findChild<QTimer*>(QStringLiteral("Timer1"));
        QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), kWait);
        QTest::mouseMove(screen.Cell(CellIndex(2, 12)));
        QVERIFY(timer->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), kWait);
        ClickCell(screen, CellIndex(2, 12));
        QVERIFY(WaitForState(screen, BattleState::WaitKeyboard));
        QVERIFY(WaitUntilSettled(screen));
        QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), kWait);
        QTest::keyClick(screen.window, Qt::Key_Left);
        QVERIFY(timer->isActive());
        SteerAndPlace(screen, CellIndex(2, 11));
        QVERIFY(WaitForState(screen, BattleState::WaitMouse));
        QCOMPARE(testing::RowsOf(screen.battle().ShownBoard()).mid(10),
                 (QStringList{".x......", ".o......"}));
        screen.window->close();
        QTRY_VERIFY_WITH_TIMEOUT(screen.window.isNull(), kWait);
    }

    // In a keyboard turn the mouse neither moves the cursor nor places; in a mouse turn moving
    // over a cell moves the cursor frame there, and the cells show the pointing hand.
    void mouseCountsOnlyInAMouseTurn() {
        Screen screen(PlayerKind::Keyboard, PlayerKind::Mouse);
        screen.Open();
        QVERIFY(WaitForState(screen, BattleState::WaitKeyboard));
        QWidget* cursor = screen.window->findChild<QWidget*>(QStringLiteral("Cur"));
        const QRect home = cursor->geometry();
        QVERIFY(home.contains(screen.Cell(95)->geometry().center()));
        QVERIFY(!screen.Cell(90)->testAttribute(Qt::WA_SetCursor));
        QTest::mouseMove(screen.Cell(90));
        QTest::mouseClick(screen.Cell(90), Qt::LeftButton);
        // The click woke the tick; once it rests again the click has had every chance to act.
        auto* timer = screen.window->findChild<QTimer*>(QStringLiteral("Timer1"));
        QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), kWait);
        QCOMPARE(screen.battle().State(), BattleState::WaitKeyboard);
        QCOMPARE(cursor->geometry(), home);
        QCOMPARE(screen.state.board, Board{});

        SteerAndPlace(screen, 88);
        QVERIFY(WaitForState(screen, BattleState::WaitMouse));
        QVERIFY(screen.Cell(91)->testAttribute(Qt::WA_SetCursor));
        QCOMPARE(screen.Cell(91)->cursor().shape(), Qt::BitmapCursor);
        QTest::mouseMove(screen.Cell(91));
        QTRY_VERIFY(cursor->geometry().contains(screen.Cell(91)->geometry().center()));
        screen.window->close();
        QTRY_VERIFY_WITH_TIMEOUT(screen.window.isNull(), kWait);
    }

    // EASY against EASY over several games: "Ｎｅｘｔ　Ｂａｔｔｌｅ" twice, then
    // "Ｒｅ　Ｅｎｔｒｙ" keeping the round and win counters, then "Ｑｕｉｔ" bringing the title
    // back. Every computer move is asked on the board as the screen drew it and offers a free
    // cell.
    void easyAgainstEasyForSeveralGames() {
        Screen screen(PlayerKind::EasyComputer, PlayerKind::EasyComputer);
        screen.state.options = {FirstGameFirst::Random, LaterGamesFirst::Alternate,
                                TerrainOption::Off};
        int moves = 0;
        int boardChanged = 0;
        int unplaceable = 0;
        screen.seams.ruleMove = [&](const Board& board, Turn turn, ComputerLevel level,
                                    TerrainOption terrain) {
            const int cell = BattleSeams().ruleMove(board, turn, level, terrain);
            ++moves;
            if (board != screen.battle().ShownBoard()) {
                ++boardChanged;
            }
            if (!CanPlace(board, cell) || level != ComputerLevel::Easy) {
                ++unplaceable;
            }
            return cell;
        };
        const QList<ResultChoice> choices = {ResultChoice::NextBattle, ResultChoice::NextBattle,
                                             ResultChoice::ReEntry, ResultChoice::Quit};
        QList<int> rounds;
        QList<int> winsShown;
        int wins = 0;
        std::function<void(QWidget*)> answer = [&](QWidget* result) {
            const Battle& battle = screen.battle();
            const QString text = result->findChild<QLabel*>(QStringLiteral("Label1_1"))->text();
            wins += text.endsWith(QStringLiteral("Ｗｉｎ！！")) ? 1 : 0;
            rounds << screen.state.roundCount;
            winsShown << battle.Wins(0) + battle.Wins(1);
            const ResultChoice choice = choices[rounds.size() - 1];
            if (choice == ResultChoice::ReEntry) {
                WhenModalOpens(QStringLiteral("Form2"), [](QWidget* entry) {
                    ClickChild(entry, QStringLiteral("Command2"));
                });
            }
            if (choice != ResultChoice::Quit) {
                WhenModalOpens(QStringLiteral("Form5"), answer, kWait);
            }
            ClickChild(result, QStringLiteral("Option1_%1").arg(static_cast<int>(choice)));
            ClickChild(result, QStringLiteral("Command2"));
        };
        WhenModalOpens(QStringLiteral("Form5"), answer, kWait);
        screen.Open();
        QTRY_COMPARE_WITH_TIMEOUT(screen.closedSignals, 1, 4 * kWait);
        QTRY_VERIFY_WITH_TIMEOUT(screen.window.isNull(), kWait);
        QCOMPARE(rounds, (QList<int>{1, 2, 3, 4}));
        QCOMPARE(winsShown.last(), wins);
        QVERIFY(moves >= 4 * 7);  // a game takes at least seven moves
        QCOMPARE(boardChanged, 0);
        QCOMPARE(unplaceable, 0);
    }

    // Closing the screen while the computer searches (for MASTER's move, or for a person's
    // hint): the ticks go on meanwhile and input is ignored; the close cancels the search and
    // has ended its thread when it returns, and the program is told once.
    void closingWhileTheComputerSearches_data() {
        QTest::addColumn<bool>("hint");
        QTest::newRow("MASTER's move") << false;
        QTest::newRow("a hint") << true;
    }
    void closingWhileTheComputerSearches() {
        QFETCH(bool, hint);
        Screen screen(hint ? PlayerKind::Mouse : PlayerKind::MasterComputer, PlayerKind::Mouse);
        std::atomic<bool> searching = false;
        std::atomic<bool> abandoned = false;
        screen.seams.search = SearchUntilCalledOff(searching, abandoned);
        screen.Open();
        if (hint) {
            QVERIFY(WaitForState(screen, BattleState::WaitMouse));
            QTest::keyClick(screen.window, Qt::Key_H);
        }
        QTRY_VERIFY_WITH_TIMEOUT(searching, kWait);
        int ticks = 0;
        connect(screen.window->findChild<QTimer*>(QStringLiteral("Timer1")), &QTimer::timeout,
                screen.window, [&] { ++ticks; });
        QTest::mouseClick(screen.Cell(CellIndex(1, 12)), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(ticks >= 10, kWait);
        QCOMPARE(screen.battle().State(),
                 hint ? BattleState::WaitMouse : BattleState::ComputerWait);
        QCOMPARE(screen.state.board, Board{});
        QVERIFY(!abandoned);

        screen.window->close();
        QVERIFY(abandoned);
        QCOMPARE(screen.closedSignals, 1);
        QTRY_VERIFY_WITH_TIMEOUT(screen.window.isNull(), kWait);
        QCOMPARE(screen.state.board, Board{});
    }

    // Where the search answers no cell (as it did on a layout that already holds a line, which
    // it took for a finished game), a rule-based choice stands in and the log says so: MASTER
    // places a unit, and the hint advises a placeable cell without claiming a result.
    void searchWithoutACellLeavesARuleBasedChoice_data() {
        QTest::addColumn<bool>("hint");
        QTest::newRow("MASTER's move") << false;
        QTest::newRow("a hint") << true;
    }
    void searchWithoutACellLeavesARuleBasedChoice() {
        QFETCH(bool, hint);
        Screen screen(hint ? PlayerKind::Mouse : PlayerKind::MasterComputer, PlayerKind::Mouse);
        screen.seams.search = [](SearchEngine&, const Board&, Turn, SearchBudget, std::stop_token) {
            return std::optional(SearchResult{});
        };
        screen.Open();
        if (hint) {
            QVERIFY(WaitUntilSettled(screen));
            QTest::keyClick(screen.window, Qt::Key_H);
            QTRY_VERIFY_WITH_TIMEOUT(PaneText(screen.window).contains(QStringLiteral("ヒント：")),
                                     kWait);
            QVERIFY(CanPlace(screen.state.board, screen.battle().CursorCell()));
            QVERIFY(!PaneText(screen.window).contains(QStringLiteral("確定")));
        } else {
            QVERIFY(WaitForState(screen, BattleState::WaitMouse));
            QCOMPARE(CountFreeCells(screen.state.board), kCellCount - 1);
        }
        screen.window->close();
        QTRY_VERIFY_WITH_TIMEOUT(screen.window.isNull(), kWait);
    }

    // MASTER against MASTER through the real screen, timer, worker and engine (on a budget of
    // positions, so that the game is quick) plays a game to its end, also from layouts that
    // already hold a line, where only a line through a new unit wins.
    void masterAgainstMasterPlaysToTheEnd_data() {
        QTest::addColumn<QStringList>("start");
        QTest::newRow("open board") << QStringList();
        QTest::newRow("a line of ○ on the bottom row") << QStringList{"oooo...."};
        QTest::newRow("a line of × higher up") << QStringList{"..xxxx..", "########"};
    }
    void masterAgainstMasterPlaysToTheEnd() {
        QFETCH(QStringList, start);
        Screen screen(PlayerKind::MasterComputer, PlayerKind::MasterComputer);
        screen.PlayOn(BoardFromRows(start));
        screen.seams.search = [](SearchEngine& engine, const Board& board, Turn turn, SearchBudget,
                                 std::stop_token stop) {
            return engine.Search(board, turn, SearchBudget::Nodes(5000), stop);
        };
        bool ended = false;
        WhenModalOpens(
            QStringLiteral("Form5"),
            [&](QWidget* result) {
                ClickChild(result,
                           QStringLiteral("Option1_%1").arg(static_cast<int>(ResultChoice::Quit)));
                ClickChild(result, QStringLiteral("Command2"));
                ended = true;
            },
            4 * kWait);
        screen.Open();
        QTRY_VERIFY_WITH_TIMEOUT(ended, 4 * kWait);
        QTRY_VERIFY_WITH_TIMEOUT(screen.window.isNull(), kWait);
        QCOMPARE(screen.closedSignals, 1);
        QVERIFY(CountFreeCells(screen.state.board) < CountFreeCells(BoardFromRows(start)));
    }

    // A hint (H, or a right click on the board in a mouse turn) moves the cursor frame onto a
    // placeable cell (also on a layout that already holds a line), the winning one when there is
    // an immediate win, and says so in the pane; for the keyboard player Space then places there.
    void hintMovesTheCursorFrame_data() {
        QTest::addColumn<PlayerKind>("kind");
        QTest::addColumn<bool>("rightClick");
        QTest::addColumn<QStringList>("start");
        QTest::addColumn<int>("win");  // the winning cell, or -1
        const QStringList win = {"ooo....."};
        QTest::newRow("mouse, H") << PlayerKind::Mouse << false << QStringList() << -1;
        QTest::newRow("mouse, right click, a win")
            << PlayerKind::Mouse << true << win << CellIndex(4, 12);
        QTest::newRow("mouse, H, a line already on the board")
            << PlayerKind::Mouse << false << QStringList{"oooo....", "xxx#...."} << -1;
        QTest::newRow("keyboard, H") << PlayerKind::Keyboard << false << QStringList() << -1;
        QTest::newRow("keyboard, H, a win")
            << PlayerKind::Keyboard << false << win << CellIndex(4, 12);
    }
    void hintMovesTheCursorFrame() {
        QFETCH(PlayerKind, kind);
        QFETCH(bool, rightClick);
        QFETCH(QStringList, start);
        QFETCH(int, win);
        const bool mouse = kind == PlayerKind::Mouse;
        Screen screen(kind, mouse ? PlayerKind::Keyboard : PlayerKind::Mouse);
        screen.PlayOn(BoardFromRows(start));
        screen.Open();
        const BattleState waiting = mouse ? BattleState::WaitMouse : BattleState::WaitKeyboard;
        QVERIFY(WaitForState(screen, waiting));
        QVERIFY(WaitUntilSettled(screen));
        if (rightClick) {
            QTest::mouseClick(screen.Cell(0), Qt::RightButton);
        } else {
            QTest::keyClick(screen.window, Qt::Key_H);
        }
        QTRY_VERIFY_WITH_TIMEOUT(PaneText(screen.window).contains(QStringLiteral("ヒント：")),
                                 kWait);
        QVERIFY(WaitUntilSettled(screen));
        const int cell = screen.battle().CursorCell();
        QVERIFY2(CanPlace(screen.state.board, cell), qPrintable(QString::number(cell)));
        QVERIFY(FrameIsOn(screen, cell));
        if (win >= 0) {
            QCOMPARE(cell, win);
            QVERIFY(PaneText(screen.window).contains(QStringLiteral("（勝ち確定）")));
        }
        QCOMPARE(screen.battle().State(), waiting);
        QCOMPARE(screen.state.board, BoardFromRows(start));
        testing::SaveScreenshot(screen.window, QStringLiteral("battle_hint_%1_%2")
                                                   .arg(mouse ? "mouse" : "keyboard")
                                                   .arg(win >= 0 ? "win" : "open"));
        const bool wins = !mouse && win >= 0;
        if (wins) {
            // The winning unit ends the game: "Ｑｕｉｔ" closes the screen.
            WhenModalOpens(QStringLiteral("Form5"), [](QWidget* result) {
                ClickChild(result, QStringLiteral("Option1_3"));
                ClickChild(result, QStringLiteral("Command2"));
            });
        }
        if (!mouse) {
            QTest::keyClick(screen.window, Qt::Key_Space);
            QTRY_COMPARE_WITH_TIMEOUT(screen.state.board[cell], wins ? CircleWin : CircleUnit,
                                      kWait);
        }
        if (!wins) {
            screen.window->close();
        }
        QTRY_VERIFY_WITH_TIMEOUT(screen.window.isNull(), kWait);
    }

    // Against the computer: H, a right click and Ctrl+Z do nothing in the computer's turn;
    // Ctrl+Z in the person's turn takes back their unit and the computer's reply; once the game
    // has ended they do nothing either. F1 shows the rules, with the match waiting meanwhile.
    void aidsAgainstTheComputer() {
        Screen screen(PlayerKind::Mouse, PlayerKind::EasyComputer);
        const Board start = BoardFromRows({"ooo....."});
        screen.PlayOn(start);
        std::atomic<int> searches = 0;
        screen.seams.search = [&](SearchEngine& engine, const Board& board, Turn turn,
                                  SearchBudget budget, std::stop_token stop) {
            ++searches;
            return engine.Search(board, turn, budget, stop);
        };
        const auto pressAids = [&] {
            QTest::keyClick(screen.window, Qt::Key_H);
            QTest::mouseClick(screen.Cell(0), Qt::RightButton);
            QTest::keyClick(screen.window, Qt::Key_Z, Qt::ControlModifier);
        };
        screen.seams.ruleMove = [&](const Board& board, Turn turn, ComputerLevel level,
                                    TerrainOption terrain) {
            pressAids();
            return BattleSeams().ruleMove(board, turn, level, terrain);
        };
        screen.Open();
        auto* rules = screen.window->findChild<QTimer*>(QStringLiteral("Timer1"));
        bool rulesShown = false;
        WhenModalOpens(QStringLiteral("Form9"), [&](QWidget* window) {
            rulesShown = !rules->isActive();
            window->close();
        });
        QVERIFY(WaitForState(screen, BattleState::WaitMouse));
        QTest::keyClick(screen.window, Qt::Key_F1);
        QTRY_VERIFY_WITH_TIMEOUT(rulesShown, kWait);

        // ○ plays elsewhere; the computer blocks the row.
        ClickCell(screen, CellIndex(8, 12));
        QTRY_COMPARE_WITH_TIMEOUT(screen.state.board[CellIndex(4, 12)], CrossUnit, kWait);
        QVERIFY(WaitUntilSettled(screen));
        QTest::keyClick(screen.window, Qt::Key_Z, Qt::ControlModifier);
        QTRY_COMPARE_WITH_TIMEOUT(screen.state.board, start, kWait);
        QCOMPARE(screen.battle().ShownBoard(), start);
        QCOMPARE(screen.state.turn, kCircleTurn);
        QCOMPARE(screen.window->findChild<QLabel*>(QStringLiteral("AreaSpaceLb"))->text(),
                 QStringLiteral("Area Space：93/93"));

        bool ended = false;
        WhenModalOpens(QStringLiteral("Form5"), [&](QWidget* result) {
            const Board won = screen.battle().ShownBoard();
            pressAids();
            QCOMPARE(screen.battle().State(), BattleState::GameOver);
            QCOMPARE(screen.battle().ShownBoard(), won);
            ClickChild(result, QStringLiteral("Option1_3"));
            ClickChild(result, QStringLiteral("Command2"));
            ended = true;
        });
        ClickCell(screen, CellIndex(4, 12));
        QTRY_VERIFY_WITH_TIMEOUT(ended, kWait);
        QTRY_VERIFY_WITH_TIMEOUT(screen.window.isNull(), kWait);
        QCOMPARE(testing::RowsOf(screen.state.board).last(), QStringLiteral("OOOO...."));
        QCOMPARE(searches, 0);
    }

    // A whole game in English, mouse against keyboard, through a refused cell, a hint and a move
    // taken back: every row the info panel shows is English and fits its row, and the result
    // is English and fits.
    void wholeGameInEnglish() {
        QVERIFY(UseLanguage(Language::English));
        Screen screen(PlayerKind::Mouse, PlayerKind::Keyboard);
        screen.seams.search = [](SearchEngine&, const Board&, Turn, SearchBudget, std::stop_token) {
            return std::optional(SearchResult{CellIndex(4, 12), kWinScore, 1, 1, true});
        };
        screen.Open();
        QSet<QString> rows;
        QStringList faults;
        auto* timer = screen.window->findChild<QTimer*>(QStringLiteral("Timer1"));
        connect(timer, &QTimer::timeout, screen.window, [&] {
            for (int row = 0; row < InfoPanel::kRowCount; ++row) {
                auto* label =
                    screen.window->findChild<QLabel*>(QStringLiteral("InfLb_%1").arg(row));
                const QString text = label->text();
                if (testing::HasJapanese(text) || testing::IsClipped(*label, text)) {
                    faults << text;
                }
                rows.insert(text);
            }
        });
        // Each page is let run to its end, so that every row of it shows.
        QVERIFY(WaitUntilSettled(screen));
        ClickCell(screen, CellIndex(1, 1));  // nothing below it: refused
        QVERIFY(WaitUntilSettled(screen));
        QTest::keyClick(screen.window, Qt::Key_H);
        QVERIFY(WaitUntilSettled(screen));
        ClickCell(screen, CellIndex(1, 12));
        QVERIFY(WaitUntilSettled(screen));
        SteerAndPlace(screen, CellIndex(1, 11));
        QVERIFY(WaitUntilSettled(screen));
        QTest::keyClick(screen.window, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(WaitUntilSettled(screen));
        testing::SaveScreenshot(screen.window, QStringLiteral("battle_english"));
        // × again, its unit taken back.
        for (const int cell : {CellIndex(1, 11), CellIndex(2, 12), CellIndex(2, 11),
                               CellIndex(3, 12), CellIndex(3, 11)}) {
            if (CellY(cell) == 11) {
                SteerAndPlace(screen, cell);
            } else {
                ClickCell(screen, cell);
            }
            QVERIFY(WaitUntilSettled(screen));
        }
        bool ended = false;
        WhenModalOpens(
            QStringLiteral("Form5"),
            [&](QWidget* result) {
                auto* message = result->findChild<QLabel*>(QStringLiteral("Label1_1"));
                QCOMPARE(message->text(), QStringLiteral("○ Wins!!"));
                QVERIFY(!testing::IsClipped(*message, message->text()));
                testing::SaveScreenshot(result, QStringLiteral("result_english"));
                ClickChild(result, QStringLiteral("Option1_3"));
                ClickChild(result, QStringLiteral("Command2"));
                ended = true;
            },
            kWait);
        ClickCell(screen, CellIndex(4, 12));
        QTRY_VERIFY_WITH_TIMEOUT(ended, kWait);
        QTRY_VERIFY_WITH_TIMEOUT(screen.window.isNull(), kWait);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        for (const char* shown : {"Round 1.", "Err!", "Hint: column 4", "(a sure win)",
                                  "1 move taken back", "Note:", "_"}) {
            QVERIFY2(rows.contains(QString::fromUtf8(shown)), shown);
        }
    }

    // A whole game against the searching Master through the real screen and its own budget:
    // every reply adds exactly one unit on a free cell (no trial unit stays behind), and it
    // beats a player who always takes the first placeable cell.
    void wholeGameAgainstMaster() {
        Screen screen(PlayerKind::Mouse, PlayerKind::MasterComputer);
        bool quit = false;
        int masterWins = 0;
        WhenModalOpens(
            QStringLiteral("Form5"),
            [&](QWidget* result) {
                masterWins = screen.battle().Wins(1);
                ClickChild(result,
                           QStringLiteral("Option1_%1").arg(static_cast<int>(ResultChoice::Quit)));
                ClickChild(result, QStringLiteral("Command2"));
                quit = true;
            },
            10 * kWait);
        screen.Open();
        QVERIFY(WaitForState(screen, BattleState::WaitMouse));
        QCOMPARE(screen.window->findChild<QLabel*>(QStringLiteral("NameLb_1"))->text(),
                 QStringLiteral("[Master]"));
        QCOMPARE(screen.battle().Background(), BattleBackground::Red);
        int mouseMoves = 0;
        for (; mouseMoves < kCellCount / 2; ++mouseMoves) {
            // Both units of the last round, and not one more, before the mouse's turn.
            QVERIFY(QTest::qWaitFor(
                [&] {
                    return quit || (screen.battle().State() == BattleState::WaitMouse &&
                                    kCellCount - CountFreeCells(screen.battle().ShownBoard()) ==
                                        2 * mouseMoves);
                },
                kWait));
            if (quit) {
                break;
            }
            const int first = FirstPlaceable(screen.battle().ShownBoard());
            QVERIFY(first < kCellCount);
            ClickCell(screen, first);
        }
        QTRY_VERIFY_WITH_TIMEOUT(screen.window.isNull(), kWait);
        QVERIFY(quit);
        QCOMPARE(masterWins, 1);
        QVERIFY(mouseMoves >= 3);
        QCOMPARE(screen.closedSignals, 1);
    }

    // The strongest computers turn the background red.
    void strongestComputerPlaysOnRed_data() {
        QTest::addColumn<PlayerKind>("strongest");
        QTest::newRow("ⅲ") << PlayerKind::ExpertComputer;
        QTest::newRow("Master") << PlayerKind::MasterComputer;
    }
    void strongestComputerPlaysOnRed() {
        QFETCH(PlayerKind, strongest);
        Screen screen(strongest, PlayerKind::EasyComputer);
        // Slow enough that the game cannot end (and open its result dialog, which this test
        // does not answer) between two looks at the board.
        screen.seams.tickPeriod = std::chrono::milliseconds(2);
        screen.Open();
        QTRY_VERIFY_WITH_TIMEOUT(
            !screen.window.isNull() && CountFreeCells(screen.battle().ShownBoard()) <= 90, kWait);
        QCOMPARE(screen.battle().Background(), BattleBackground::Red);
        const QColor corner = screen.window->grab().toImage().pixelColor(4, 4);
        QVERIFY2(corner.red() > 2 * corner.blue(), qPrintable(corner.name()));
        testing::SaveScreenshot(
            screen.window,
            QStringLiteral("battle_red_midgame_%1").arg(static_cast<int>(strongest)));
        screen.window->close();
        QTRY_VERIFY_WITH_TIMEOUT(screen.window.isNull(), kWait);
        QCOMPARE(screen.closedSignals, 1);
    }
};

QTEST_MAIN(BattleWindowTest)
#include "test_battle_window.moc"
