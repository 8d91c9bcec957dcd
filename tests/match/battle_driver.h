#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <atomic>
#include <chrono>
#include <thread>

#include "match/model/kept_game.h"
#include "match/model/stored_options.h"
#include "match/windows/battle_window.h"
#include "tests/support/modal.h"
#include "tests/support/screenshot.h"
#include "tests/support/temp_settings.h"

// Drives a battle screen as players would: through its cells, its keys and its timer.
namespace morvane::testing {

inline constexpr int kWait = 20000;  // generous: sanitizer builds are slow

// A search that runs until it is called off (then notes it and answers nothing) or, after
// kWait, answers the bottom-left cell; started notes that it began.
inline SearchFunction SearchUntilCalledOff(std::atomic<bool>& started,
                                           std::atomic<bool>& calledOff) {
    return [&started, &calledOff](SearchEngine&, const Board&, Turn, SearchBudget,
                                  std::stop_token stop) -> std::optional<SearchResult> {
        started = true;
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWait);
        while (std::chrono::steady_clock::now() < giveUp) {
            if (stop.stop_requested()) {
                calledOff = true;
                return std::nullopt;
            }
            std::this_thread::yield();
        }
        return SearchResult{CellIndex(1, 12)};
    };
}

// A battle screen over its own settings, ticking as fast as the event loop allows.
struct Screen {
    TempSettings settings;
    AppState state;
    BattleSeams seams{std::chrono::milliseconds(0)};
    BattleWindow::AreaSelectFunction areaSelect;
    KeptGame* kept = nullptr;  // where a game left under way goes; none by default
    QPointer<BattleWindow> window;
    int closedSignals = 0;

    Screen(PlayerKind circleKind, PlayerKind crossKind) {
        StorePlayerKind(settings.store(), 0, circleKind);
        StorePlayerKind(settings.store(), 1, crossKind);
        state.options = {FirstGameFirst::Circle, LaterGamesFirst::Alternate, TerrainOption::Off};
    }

    // Every game starts on the given board, as if the area select had made it.
    void PlayOn(const Board& board) {
        state.options.terrainSelect = TerrainOption::On;
        areaSelect = [board](QWidget*, const BattleWindow::AreaChosen& chosen) { chosen(board); };
    }

    // Opens the screen; the entry window that its first tick shows is confirmed as it stands.
    void Open() {
        WhenModalOpens(QStringLiteral("Form2"),
                       [](QWidget* entry) { ClickChild(entry, QStringLiteral("Command2")); });
        window = new BattleWindow(state, settings.store(), areaSelect, seams, kept);
        QObject::connect(window, &BattleWindow::closed, [this] { ++closedSignals; });
        window->show();
    }

    const Battle& battle() const { return window->battle(); }

    QLabel* Cell(int index) const {
        return window->findChild<QLabel*>(QStringLiteral("Un_%1").arg(index));
    }
};

inline bool WaitForState(const Screen& screen, BattleState state) {
    return QTest::qWaitFor(
               [&] { return screen.window.isNull() || screen.battle().State() == state; }, kWait) &&
           !screen.window.isNull();
}

// Answers the next game file dialog with the path, typed in as a player would (a screenshot of
// the dialog first, when screenshots are asked for).
inline void AnswerGameFileDialog(const QString& path) {
    WhenModalOpens(QStringLiteral("GameFileDialog"), [path](QWidget* window) {
        SaveScreenshot(window, QStringLiteral("game_file_dialog"));
        auto* name = window->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
    });
}

// The info panel's lines as the window shows them.
inline QString PaneText(QWidget* window) {
    QString text;
    for (int row = 0; row < InfoPanel::kRowCount; ++row) {
        text += window->findChild<QLabel*>(QStringLiteral("InfLb_%1").arg(row))->text();
    }
    return text;
}

// The mouse player clicks a cell.
inline void ClickCell(const Screen& screen, int index) {
    QVERIFY(WaitForState(screen, BattleState::WaitMouse));
    QLabel* cell = screen.Cell(index);
    QTest::mouseMove(cell);
    QTRY_COMPARE(screen.battle().CursorCell(), index);
    QTest::mouseClick(cell, Qt::LeftButton);
}

// The keyboard player steers the cursor to a cell with the arrow keys and presses Space.
// Each axis is reached within its length in steps, so a cursor that wraps wrongly fails here.
inline void SteerAndPlace(const Screen& screen, int index) {
    QVERIFY(WaitForState(screen, BattleState::WaitKeyboard));
    BattleWindow* window = screen.window;
    for (int step = 0; step < kColumns && CellX(screen.battle().CursorCell()) != CellX(index);
         ++step) {
        QTest::keyClick(window, CellX(screen.battle().CursorCell()) < CellX(index) ? Qt::Key_Right
                                                                                   : Qt::Key_Left);
    }
    for (int step = 0; step < kRows && CellY(screen.battle().CursorCell()) != CellY(index);
         ++step) {
        QTest::keyClick(
            window, CellY(screen.battle().CursorCell()) < CellY(index) ? Qt::Key_Down : Qt::Key_Up);
    }
    QCOMPARE(screen.battle().CursorCell(), index);
    QTest::keyClick(window, Qt::Key_Space);
}

// Waits until a person's turn has settled: the pane has shown its page and the tick rests.
inline bool WaitUntilSettled(const Screen& screen) {
    return QTest::qWaitFor(
        [&] { return screen.window.isNull() || screen.battle().WaitsForInput(); }, kWait);
}

// Plays the cells in turn, ○ by mouse and × by keyboard.
inline void PlayMouseAgainstKeyboard(const Screen& screen, const QList<int>& cells) {
    for (qsizetype move = 0; move < cells.size(); ++move) {
        if (move % 2 == 0) {
            ClickCell(screen, cells[move]);
        } else {
            SteerAndPlace(screen, cells[move]);
        }
        if (QTest::currentTestFailed()) {
            return;
        }
    }
}

}  // namespace morvane::testing
