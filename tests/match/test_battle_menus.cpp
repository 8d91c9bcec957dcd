#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "match/model/game_record.h"
#include "match/model/kept_game.h"
#include "match/windows/battle_window.h"
#include "match/windows/game_file_dialogs.h"
#include "match/windows/review_window.h"
#include "shell/settings/language.h"
#include "shell/settings/settings_keys.h"
#include "tests/match/battle_driver.h"
#include "tests/rules/board_text.h"
#include "tests/support/modal.h"
#include "tests/support/screenshot.h"
#include "tests/support/temp_settings.h"
#include "tests/support/window_texts.h"

Q_DECLARE_METATYPE(morvane::Language)

using namespace morvane;
using namespace morvane::testing;

namespace {

// The game menu's entries that can act now, by objectName.
QStringList EnabledGameEntries(const Screen& screen) {
    QStringList enabled;
    for (const QAction* entry :
         screen.window->findChild<QMenu*>(QStringLiteral("GameMenu"))->actions()) {
        if (!entry->isSeparator() && entry->isEnabled()) {
            enabled << entry->objectName();
        }
    }
    return enabled;
}

int UnitsOnBoard(const Screen& screen) { return kCellCount - CountFreeCells(screen.state.board); }

}  // namespace

class BattleMenusTest : public QObject {
    Q_OBJECT

private slots:
    // Each entry sits in its menu with its mnemonic and the shortcuts desktop users expect.
    void entriesCarryTheirKeys_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("keys");
        QTest::newRow("new game") << "GameMenu"
                                  << "NewGame"
                                  << "新しいゲーム(&N)"
                                  << "Ctrl+N";
        QTest::newRow("save") << "GameMenu"
                              << "Save"
                              << "保存(&S)…"
                              << "Ctrl+S";
        QTest::newRow("open") << "GameMenu"
                              << "Open"
                              << "開く(&O)…"
                              << "Ctrl+O";
        QTest::newRow("resume") << "GameMenu"
                                << "Resume"
                                << "続きから(&E)"
                                << "";
        QTest::newRow("review") << "GameMenu"
                                << "Review"
                                << "この対局を振り返る(&V)…"
                                << "";
        QTest::newRow("review file") << "GameMenu"
                                     << "ReviewFile"
                                     << "保存したゲームを振り返る(&F)…"
                                     << "";
        QTest::newRow("save the finished game") << "GameMenu"
                                                << "SaveFinished"
                                                << "終わった対局を保存(&A)…"
                                                << "";
        QTest::newRow("review the finished game") << "GameMenu"
                                                  << "ReviewFinished"
                                                  << "終わった対局を振り返る(&L)…"
                                                  << "";
        QTest::newRow("change players") << "GameMenu"
                                        << "ChangePlayers"
                                        << "対戦者の変更(&P)…"
                                        << "";
        QTest::newRow("full screen") << "ViewMenu"
                                     << "FullScreen"
                                     << "全画面表示(&F)"
                                     << "F11";
        QTest::newRow("undo") << "GameMenu"
                              << "Undo"
                              << "元に戻す(&U)"
                              << "Ctrl+Z";
        QTest::newRow("redo") << "GameMenu"
                              << "Redo"
                              << "やり直し(&R)"
                              << "Ctrl+Shift+Z, Ctrl+Y";
        QTest::newRow("hint") << "GameMenu"
                              << "Hint"
                              << "ヒント(&H)"
                              << "H";
        QTest::newRow("close") << "GameMenu"
                               << "Close"
                               << "閉じる(&C)"
                               << "Ctrl+W";
        QTest::newRow("rules") << "HelpMenu"
                               << "Rules"
                               << "ルール(&R)…"
                               << "F1";
        QTest::newRow("keys") << "HelpMenu"
                              << "Keys"
                              << "キー操作(&K)…"
                              << "";
        QTest::newRow("record") << "HelpMenu"
                                << "Record"
                                << "成績(&S)…"
                                << "F3";
        QTest::newRow("information") << "HelpMenu"
                                     << "About"
                                     << "情報(&I)…"
                                     << "";
    }
    void entriesCarryTheirKeys() {
        QFETCH(QString, menu);
        QFETCH(QString, entry);
        QFETCH(QString, text);
        QFETCH(QString, keys);
        Screen screen(PlayerKind::Mouse, PlayerKind::EasyComputer);
        screen.seams.tickPeriod = std::chrono::hours(1);  // nothing opens the player entry
        screen.window = new BattleWindow(screen.state, screen.settings.store(), {}, screen.seams);
        auto* found = screen.window->findChild<QMenu*>(menu)->findChild<QAction*>(entry);
        QVERIFY(found != nullptr);
        QCOMPARE(found->text(), text);
        QStringList shortcuts;
        for (const QKeySequence& shortcut : found->shortcuts()) {
            shortcuts << shortcut.toString(QKeySequence::PortableText);
        }
        QCOMPARE(shortcuts.join(QStringLiteral(", ")), keys);
        delete screen.window;
    }

    // The window grows by the menu bar's height; everything else keeps its size and its place
    // relative to the rest.
    void contentsSitUnderTheMenuBar() {
        Screen screen(PlayerKind::Mouse, PlayerKind::EasyComputer);
        screen.seams.tickPeriod = std::chrono::hours(1);  // nothing opens the player entry
        screen.window = new BattleWindow(screen.state, screen.settings.store(), {}, screen.seams);
        screen.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(screen.window));
        const int bar = screen.window->findChild<QMenuBar*>()->height();
        QVERIFY(bar > 0);
        QCOMPARE(screen.window->size(), QSize(645, 405 + bar));
        const auto inWindow = [&](const QString& name) {
            const auto* widget = screen.window->findChild<QWidget*>(name);
            return QRect(widget->mapTo(screen.window, QPoint()), widget->size());
        };
        QCOMPARE(inWindow(QStringLiteral("Un_0")), QRect(17, 17 + bar, 30, 30));
        QCOMPARE(inWindow(QStringLiteral("RoundLb")).topLeft(), QPoint(473, 170 + bar));
        delete screen.window;
    }

    // The menus speak the interface's language; a screen of each with the game menu open.
    void menusSpeakTheLanguage_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("newGame");
        QTest::addColumn<QString>("sound");
        QTest::newRow("Japanese") << Language::Japanese << "ゲーム(&G)"
                                  << "新しいゲーム(&N)"
                                  << "効果音(&S)";
        QTest::newRow("English") << Language::English << "&Game"
                                 << "&New game"
                                 << "&Sound";
    }
    void menusSpeakTheLanguage() {
        QFETCH(Language, language);
        QFETCH(QString, game);
        QFETCH(QString, newGame);
        QFETCH(QString, sound);
        QVERIFY(UseLanguage(language));
        Screen screen(PlayerKind::Mouse, PlayerKind::EasyComputer);
        screen.seams.tickPeriod = std::chrono::hours(1);  // nothing opens the player entry
        screen.window = new BattleWindow(screen.state, screen.settings.store(), {}, screen.seams);
        screen.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(screen.window));
        auto* menu = screen.window->findChild<QMenu*>(QStringLiteral("GameMenu"));
        QCOMPARE(menu->title(), game);
        QCOMPARE(menu->findChild<QAction*>(QStringLiteral("NewGame"))->text(), newGame);
        screen.window->findChild<QMenuBar*>()->setActiveAction(menu->menuAction());
        QTRY_VERIFY_WITH_TIMEOUT(menu->isVisible(), kWait);
        SaveScreen(QStringLiteral("battle_menu_%1").arg(LanguageCode(language)));
        menu->close();
        // The view's aids are on until turned off.
        auto* view = screen.window->findChild<QMenu*>(QStringLiteral("ViewMenu"));
        QCOMPARE(view->findChild<QAction*>(QStringLiteral("SoundToggle"))->text(), sound);
        for (const char* aid : {"SoundToggle", "CellMarksToggle", "MotionToggle"}) {
            QVERIFY(view->findChild<QAction*>(QLatin1String(aid))->isChecked());
        }
        screen.window->findChild<QMenuBar*>()->setActiveAction(view->menuAction());
        QTRY_VERIFY_WITH_TIMEOUT(view->isVisible(), kWait);
        SaveScreen(QStringLiteral("battle_view_menu_%1").arg(LanguageCode(language)));
        view->close();
        delete screen.window;
        QVERIFY(UseLanguage(Language::Japanese));
    }

    // English chosen in the view menu names the menus at once and the counters and the pane from
    // the next game on; the choice is stored.
    void languageChosenOnTheScreen() {
        Screen screen(PlayerKind::Mouse, PlayerKind::EasyComputer);
        screen.Open();
        QVERIFY(WaitUntilSettled(screen));
        screen.window->findChild<QAction*>(QStringLiteral("Language_en"))->trigger();
        QCOMPARE(CurrentLanguage(), Language::English);
        QCOMPARE(ReadLanguage(screen.settings.store()), Language::English);
        // The interface hears of the change through an event, once the menu has closed.
        QTRY_COMPARE_WITH_TIMEOUT(
            screen.window->findChild<QMenu*>(QStringLiteral("GameMenu"))->title(),
            QStringLiteral("&Game"), kWait);
        QTest::keyClick(screen.window, Qt::Key_N, Qt::ControlModifier);
        QTRY_COMPARE_WITH_TIMEOUT(
            screen.window->findChild<QLabel*>(QStringLiteral("RoundLb"))->text(),
            QStringLiteral("Round\n002"), kWait);
        QVERIFY(WaitUntilSettled(screen));
        QVERIFY(!testing::HasJapanese(PaneText(screen.window)));
        delete screen.window;
        QVERIFY(UseLanguage(Language::Japanese));
    }

    // Through a game against the computer: each game entry is enabled only while it can act,
    // and the keys do what the entries do; New game asks first once a unit is in, and the game
    // left counts as abandoned.
    void entriesFollowTheGame() {
        Screen screen(PlayerKind::Mouse, PlayerKind::EasyComputer);
        QList<bool> hintInComputerTurns;
        screen.seams.ruleMove =
            [&](const Board& board, Turn turn, ComputerLevel level, TerrainOption terrain) {
                hintInComputerTurns
                    << screen.window->findChild<QAction*>(QStringLiteral("Hint"))->isEnabled();
                return BattleSeams().ruleMove(board, turn, level, terrain);
            };
        screen.Open();
        const auto settledWith = [&](int units) {
            return WaitUntilSettled(screen) &&
                   QTest::qWaitFor([&] { return UnitsOnBoard(screen) == units; }, kWait) &&
                   WaitUntilSettled(screen);
        };
        QVERIFY(settledWith(0));
        QCOMPARE(EnabledGameEntries(screen), QStringList({"NewGame", "Save", "Open", "ReviewFile",
                                                          "ChangePlayers", "Hint", "Close"}));

        ClickCell(screen, CellIndex(8, kRows));
        // Asked to place: no aid, and no new game, until the placement is in.
        QCOMPARE(EnabledGameEntries(screen), QStringList({"Save", "ReviewFile", "Close"}));
        QVERIFY(settledWith(2));
        QCOMPARE(EnabledGameEntries(screen),
                 QStringList({"NewGame", "Save", "Open", "Review", "ReviewFile", "ChangePlayers",
                              "Undo", "Hint", "Close"}));
        const Board played = screen.state.board;

        QTest::keyClick(screen.window, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(settledWith(0));
        QCOMPARE(EnabledGameEntries(screen),
                 QStringList({"NewGame", "Save", "Open", "ReviewFile", "ChangePlayers", "Redo",
                              "Hint", "Close"}));
        QTest::keyClick(screen.window, Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(settledWith(2));
        QCOMPARE(screen.state.board, played);
        QCOMPARE(EnabledGameEntries(screen),
                 QStringList({"NewGame", "Save", "Open", "Review", "ReviewFile", "ChangePlayers",
                              "Undo", "Hint", "Close"}));
        QTest::keyClick(screen.window, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(settledWith(0));
        QTest::keyClick(screen.window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(settledWith(2));
        QCOMPARE(screen.state.board, played);

        // The review opens beside the screen on the two units placed, and leaves the game as it is.
        screen.window->findChild<QAction*>(QStringLiteral("Review"))->trigger();
        auto* review = screen.window->findChild<ReviewWindow*>(QStringLiteral("FormReview"));
        QVERIFY(review != nullptr);
        QCOMPARE(review->ShownPlies(), 2);
        review->close();
        QCOMPARE(screen.state.board, played);

        // No keeps the game; Yes leaves it for round 2.
        QStringList questions;
        for (const QString& answer : {QStringLiteral("選択_1"), QStringLiteral("選択_0")}) {
            WhenModalOpens(QStringLiteral("FormMsg"), [&](QWidget* message) {
                questions << message->findChild<QLabel*>(QStringLiteral("言葉"))->text();
                ClickChild(message, answer);
            });
            QTest::keyClick(screen.window, Qt::Key_N, Qt::ControlModifier);
            QCOMPARE(questions.size(), answer == QStringLiteral("選択_1") ? 1 : 2);
            if (questions.size() == 1) {
                QCOMPARE(screen.state.board, played);
            }
        }
        QCOMPARE(questions.first(),
                 QStringLiteral("対戦中のゲームを中断して\n新しいゲームを始めますか？"));
        auto* round = screen.window->findChild<QLabel*>(QStringLiteral("RoundLb"));
        QTRY_COMPARE_WITH_TIMEOUT(round->text(), QStringLiteral("Ｒｏｕｎｄ\n002"), kWait);
        QVERIFY(WaitUntilSettled(screen));
        const Pairing easy{Pairing::Sides::PersonAgainstComputer, ComputerLevel::Easy};
        QCOMPARE(GameRecord(screen.settings.store()).Counts(easy), RecordCounts{.abandoned = 1});
        QVERIFY(!hintInComputerTurns.isEmpty());
        QVERIFY(!hintInComputerTurns.contains(true));

        // Closing a game with a unit in counts it too, without a question.
        QVERIFY(settledWith(1));  // × began round 2, anywhere on the bottom row
        const int free = CanPlace(screen.state.board, CellIndex(6, kRows)) ? CellIndex(6, kRows)
                                                                           : CellIndex(7, kRows);
        ClickCell(screen, free);
        QVERIFY(settledWith(3));
        QTest::keyClick(screen.window, Qt::Key_W, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(screen.window.isNull(), kWait);
        QCOMPARE(GameRecord(screen.settings.store()).Counts(easy), RecordCounts{.abandoned = 2});
    }

    // A save that cannot be written (a file stands where its folder should be) and a file that is
    // no game are told with the message dialog, and the game goes on as it was.
    void failuresAreTold_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("told");
        QTest::newRow("save") << Qt::Key_S << "folder/game.morvane"
                              << "ゲームを保存できませんでした。";
        QTest::newRow("open") << Qt::Key_O << "folder"
                              << "ゲームを開けませんでした。";
    }
    void failuresAreTold() {
        QFETCH(Qt::Key, key);
        QFETCH(QString, file);
        QFETCH(QString, told);
        Screen screen(PlayerKind::Mouse, PlayerKind::EasyComputer);
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        QVERIFY(blocker.write("Morvane game 1\n") > 0);
        blocker.close();
        screen.Open();
        ClickCell(screen, CellIndex(8, kRows));
        QVERIFY(QTest::qWaitFor([&] { return UnitsOnBoard(screen) == 2; }, kWait));
        QVERIFY(WaitUntilSettled(screen));
        const Board played = screen.state.board;
        MessageLog messages;
        AnswerGameFileDialog(dir.filePath(file));
        QTest::keyClick(screen.window, key, Qt::ControlModifier);
        QTRY_COMPARE_WITH_TIMEOUT(messages.texts().size(), 1, kWait);
        QVERIFY2(messages.texts().front().startsWith(told), qPrintable(messages.texts().front()));
        QVERIFY(WaitUntilSettled(screen));
        QCOMPARE(screen.state.board, played);
        QVERIFY(screen.battle().GameUnderWay());
        delete screen.window;
    }

    // The file dialog opens in the folder last used while it exists, else (no documents folder
    // here) in the home folder, never with a missing folder taken for a file name.
    void fileDialogStartsInAFolderThatExists_data() {
        QTest::addColumn<bool>("lastExists");
        QTest::newRow("last folder") << true;
        QTest::newRow("last folder gone") << false;
    }
    void fileDialogStartsInAFolderThatExists() {
        QFETCH(bool, lastExists);
        testing::TempSettings settings;
        QTemporaryDir dir;
        const QString last = dir.filePath(QStringLiteral("games"));
        QVERIFY(!lastExists || QDir().mkdir(last));
        QVERIFY(settings.store().Write(settings::GameFolder(), last));
        QString shown;
        QString name;
        WhenModalOpens(QStringLiteral("GameFileDialog"), [&](QWidget* window) {
            auto* dialog = static_cast<QFileDialog*>(window);
            shown = dialog->directory().absolutePath();
            name = window->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            dialog->reject();
        });
        std::optional<QString> answered;
        AskGameFile(nullptr, settings.store(), GameFileAction::Open,
                    [&answered](const QString& path) { answered = path; });
        QTRY_VERIFY_WITH_TIMEOUT(answered.has_value(), kWait);
        QVERIFY(answered->isEmpty());
        QCOMPARE(shown, lastExists ? last : QDir::homePath());
        QCOMPARE(name, QString());
    }

    // A game under way is kept when the screen closes; the next screen's Resume, enabled only
    // while a game is kept, goes on with it and drops it. Left again, the game still counts as
    // one abandoned game.
    void closingKeepsTheGameAndResumeGoesOn() {
        QTemporaryDir dir;
        KeptGame kept(dir.filePath(QStringLiteral("kept.morvane")));
        const auto resume = [](const Screen& screen) {
            return screen.window->findChild<QAction*>(QStringLiteral("Resume"));
        };
        Screen first(PlayerKind::Mouse, PlayerKind::EasyComputer);
        first.kept = &kept;
        first.Open();
        QVERIFY(WaitUntilSettled(first));
        QVERIFY(!resume(first)->isEnabled());
        ClickCell(first, CellIndex(8, kRows));
        QVERIFY(QTest::qWaitFor([&] { return UnitsOnBoard(first) == 2; }, kWait));
        QVERIFY(WaitUntilSettled(first));
        const Board played = first.state.board;
        first.window->close();
        QVERIFY(kept.Exists());

        Screen second(PlayerKind::Mouse, PlayerKind::EasyComputer);
        second.kept = &kept;
        // The next run of the program, on the same settings.
        QVERIFY(QFile::remove(second.settings.fileName()));
        QVERIFY(QFile::copy(first.settings.fileName(), second.settings.fileName()));
        second.Open();
        QVERIFY(WaitUntilSettled(second));
        QVERIFY(resume(second)->isEnabled());
        resume(second)->trigger();
        QVERIFY(WaitUntilSettled(second));
        QCOMPARE(second.state.board, played);
        QVERIFY(!kept.Exists());
        QVERIFY(!resume(second)->isEnabled());
        second.window->close();
        QVERIFY(kept.Exists());
        const RecordCounts oneLeft{.abandoned = 1};
        QCOMPARE(
            GameRecord(second.settings.store()).Counts({Pairing::Sides::PersonAgainstComputer}),
            oneLeft);
        delete second.window;
    }

    // The game just ended is saved from the result dialog's keys, and after Next Battle, while
    // the next game is played, it is still there to review from the game menu.
    void theEndedGameIsSavedFromTheResultAndReviewedLater() {
        Screen screen(PlayerKind::Mouse, PlayerKind::Mouse);
        screen.PlayOn(BlocksAbove({"oo...###"}));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ended.morvane"));
        WhenModalOpens(QStringLiteral("Form5"), [&](QWidget* result) {
            AnswerGameFileDialog(path);
            // Its keys work once it is the active window, as it is on a desktop.
            result->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(result));
            QTest::keyClick(result, Qt::Key_S, Qt::ControlModifier);
            // The file dialog is not waited for: the game is saved once it is answered.
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(path), kWait);
            ClickChild(result, QStringLiteral("Command2"));  // Next Battle
        });
        screen.Open();
        for (const int x : {3, 5, 4}) {
            ClickCell(screen, CellIndex(x, kRows));
            QVERIFY(QTest::qWaitFor(
                [&] { return screen.battle().State() != BattleState::WaitMouse; }, kWait));
        }
        QVERIFY(WaitForState(screen, BattleState::WaitMouse));  // the next game
        const SavedGameRead saved = LoadGameFile(path);
        QVERIFY(saved.game.has_value());
        QCOMPARE(saved.game->moves,
                 (std::vector<int>{CellIndex(3, kRows), CellIndex(5, kRows), CellIndex(4, kRows)}));
        QCOMPARE(saved.game->end, std::optional(GameEnd::CircleWins));

        auto* reviewFinished = screen.window->findChild<QAction*>(QStringLiteral("ReviewFinished"));
        QVERIFY(reviewFinished->isEnabled());
        reviewFinished->trigger();
        auto* review = screen.window->findChild<ReviewWindow*>(QStringLiteral("FormReview"));
        QVERIFY(review != nullptr);
        QCOMPARE(review->ShownPlies(), 3);
        delete screen.window;
    }

    // The review asked for beside the result dialog stays open once the dialog has closed.
    void reviewFromTheResultOutlivesTheDialog() {
        Screen screen(PlayerKind::Mouse, PlayerKind::Mouse);
        screen.PlayOn(BlocksAbove({"oo...###"}));
        WhenModalOpens(QStringLiteral("Form5"), [&](QWidget* result) {
            result->findChild<QAction*>(QStringLiteral("ReviewFromResult"))->trigger();
            ClickChild(
                result,
                QStringLiteral("Option1_%1").arg(static_cast<int>(ResultChoice::NextBattle)));
            ClickChild(result, QStringLiteral("Command2"));
        });
        screen.Open();
        for (const int x : {3, 5, 4}) {
            ClickCell(screen, CellIndex(x, kRows));
            QVERIFY(QTest::qWaitFor(
                [&] { return screen.battle().State() != BattleState::WaitMouse; }, kWait));
        }
        QTRY_VERIFY_WITH_TIMEOUT(
            screen.window->findChild<ReviewWindow*>(QStringLiteral("FormReview")) != nullptr,
            kWait);
        auto* review = screen.window->findChild<ReviewWindow*>(QStringLiteral("FormReview"));
        QTRY_VERIFY_WITH_TIMEOUT(review->isVisible(), kWait);
        QCOMPARE(review->ShownPlies(), 3);
        delete screen.window;
    }
};

QTEST_MAIN(BattleMenusTest)
#include "test_battle_menus.moc"
