#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTcpSocket>
#include <QTest>
#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "match/model/game_record.h"
#include "match/model/stored_options.h"
#include "match/windows/battle_window.h"
#include "match/windows/chat_panel.h"
#include "net/socket/net_host.h"
#include "net/socket/net_link.h"
#include "tests/support/modal.h"
#include "tests/support/screenshot.h"
#include "tests/support/temp_settings.h"

using namespace morvane;
using namespace morvane::testing;

namespace {

constexpr int kWait = 20000;  // generous: sanitizer builds are slow
constexpr auto kCode = "K7P2QX";
// Each side fills a column of its own from the bottom: ○ the first, × the second.
constexpr int kMostMoves = 2 * kRows;

// A battle screen over its own settings, playing over a link, ticking as fast as it can.
struct NetScreen {
    TempSettings settings;
    AppState state;
    QPointer<BattleWindow> window;

    // A host's entry leaves side ○ to local.
    explicit NetScreen(NetLink* link, BattleSeams seams = BattleSeams{std::chrono::milliseconds(0)},
                       PlayerKind local = PlayerKind::Mouse) {
        StorePlayerKind(settings.store(), 0, local);
        state.options = {FirstGameFirst::Circle, LaterGamesFirst::Alternate, TerrainOption::Off};
        window = new BattleWindow(state, settings.store(), {}, std::move(seams));
        window->StartNetwork(link);
    }
    ~NetScreen() { delete window; }

    const Battle& battle() const { return window->battle(); }
    QString Name(int side) const {
        return window->findChild<QLabel*>(QStringLiteral("NameLb_%1").arg(side))->text();
    }
    void Click(int cell) const {
        QTest::mouseClick(window->findChild<QLabel*>(QStringLiteral("Un_%1").arg(cell)),
                          Qt::LeftButton);
    }
    QLineEdit* ChatField() const { return window->findChild<QLineEdit*>("ChatField"); }
    QString ChatLines() const {
        return window->findChild<morvane::ChatLog*>()->lines().join(u'\n');
    }
    // What the screen reader was told last.
    QString Spoken() const {
        const auto* notice = window->findChild<QWidget*>(QStringLiteral("ScreenReaderNotice"),
                                                         Qt::FindDirectChildrenOnly);
        return notice != nullptr ? notice->accessibleName() : QString();
    }
};

// Keys as the focus takes them.
void PressFocused(const QList<QKeyCombination>& keys) {
    for (const QKeyCombination key : keys) {
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    }
}

int UnitCount(const Board& board) {
    int units = 0;
    for (int index = 0; index < kCellCount; ++index) {
        units += board[index] != Empty && board[index] != Hollow && board[index] != Block ? 1 : 0;
    }
    return units;
}

// A search that notes each board it is asked about and answers its lowest placeable cell; the
// first search holds its answer until released (or called off), as a long search would.
struct NotingSearch {
    std::mutex mutex;
    std::vector<Board> boards;
    std::atomic<bool> released = false;

    SearchFunction Make() {
        return [this](SearchEngine&, const Board& board, Turn, SearchBudget,
                      std::stop_token stop) -> std::optional<SearchResult> {
            bool first = false;
            {
                const std::lock_guard lock(mutex);
                boards.push_back(board);
                first = boards.size() == 1;
            }
            const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWait);
            while (first && !released && std::chrono::steady_clock::now() < giveUp) {
                if (stop.stop_requested()) {
                    return std::nullopt;
                }
                std::this_thread::yield();
            }
            int cell = 0;
            while (cell < kCellCount - 1 && !CanPlace(board, cell)) {
                ++cell;
            }
            return SearchResult{cell};
        };
    }
    std::vector<Board> Boards() {
        const std::lock_guard lock(mutex);
        return boards;
    }
};

}  // namespace

// A host listening on 127.0.0.1 and a guest that has joined it with the code.
struct Loopback {
    NetHost host{kCode, QStringLiteral("Hana"), QStringLiteral("4.92")};
    NetLink* joining = nullptr;

    bool Connect() {
        if (!host.Listen(QHostAddress::LocalHost, 0)) {
            return false;
        }
        joining = NetLink::Join(QStringLiteral("127.0.0.1"), host.port(), kCode,
                                QStringLiteral("Ren"), QStringLiteral("4.92"));
        return QTest::qWaitFor([this] { return host.guest() != nullptr; }, kWait);
    }
};

void ConfirmTheEntry() {
    WhenModalOpens(
        QStringLiteral("Form2"),
        [](QWidget* entry) { ClickChild(entry, QStringLiteral("Command2")); }, kWait);
}

// Both screens over 127.0.0.1 up to the guest's first turn: the host confirms its entry (○ here,
// × on the network) and places its first unit in column 1.
struct AtTheGuestsFirstTurn {
    Loopback loopback;
    std::unique_ptr<NetScreen> hosting;
    std::unique_ptr<NetScreen> guest;

    // Each side waits this long for a dropped connection to be resumed.
    bool Reach(qint64 resumeLimitMs = kResumeLimitMs) {
        if (!loopback.Connect()) {
            return false;
        }
        loopback.host.guest()->SetResumeLimit(resumeLimitMs);
        loopback.joining->SetResumeLimit(resumeLimitMs);
        ConfirmTheEntry();
        hosting = std::make_unique<NetScreen>(loopback.host.guest());
        guest = std::make_unique<NetScreen>(loopback.joining);
        hosting->window->show();
        guest->window->show();
        if (!QTest::qWaitFor([this] { return hosting->battle().WaitsForInput(); }, kWait)) {
            return false;
        }
        hosting->Click(CellIndex(1, kRows));
        return QTest::qWaitFor([this] { return guest->battle().WaitsForInput(); }, kWait);
    }
};

// The lowest empty cell of a column.
int LowestEmpty(const Board& board, int column) {
    int row = kRows;
    while (row > 1 && board[CellIndex(column, row)] != Empty) {
        --row;
    }
    return CellIndex(column, row);
}

// Plays the game on to its end: whichever side's turn waits places a unit, ○ (the host) in
// column 1 and × (the guest) in column 2, until ○ wins; both result dialogs are left by Quit,
// which closes both screens. Whether both result dialogs came.
bool PlayOnUntilTheHostWins(const NetScreen& hosting, const NetScreen& guest) {
    const auto results = std::make_shared<int>(0);
    for (int dialog = 0; dialog < 2; ++dialog) {
        WhenModalOpens(
            QStringLiteral("Form5"),
            [results](QWidget* dialog) {
                ++*results;
                ClickChild(dialog, QStringLiteral("Option1_3"));
                ClickChild(dialog, QStringLiteral("Command2"));
            },
            kWait);
    }
    const auto waits = [](const NetScreen& screen) {
        return screen.window && screen.battle().WaitsForInput();
    };
    for (int move = 0; move < kMostMoves && *results == 0; ++move) {
        if (!QTest::qWaitFor([&] { return waits(hosting) || waits(guest) || *results > 0; },
                             kWait) ||
            *results > 0) {
            break;
        }
        const bool hostMoves = waits(hosting);
        const NetScreen& mover = hostMoves ? hosting : guest;
        mover.Click(LowestEmpty(mover.battle().ShownBoard(), hostMoves ? 1 : 2));
    }
    return QTest::qWaitFor([&] { return *results == 2; }, kWait);
}

// Plays the game on until the host wins, and checks that both screens closed and that each
// record counted the network game from its own side.
void PlayOnToTheHostsCountedWin(NetScreen& hosting, NetScreen& guest) {
    QVERIFY(PlayOnUntilTheHostWins(hosting, guest));
    QTRY_VERIFY_WITH_TIMEOUT(hosting.window.isNull() && guest.window.isNull(), kWait);
    const Pairing network{Pairing::Sides::Network};
    QCOMPARE(GameRecord(hosting.settings.store()).Counts(network), (RecordCounts{1, 0, 0, 0}));
    QCOMPARE(GameRecord(guest.settings.store()).Counts(network), (RecordCounts{0, 1, 0, 0}));
}

QLabel* Notice(const NetScreen& screen) {
    return screen.window->findChild<QLabel*>(QStringLiteral("ConnectionNotice"));
}

class NetworkBattleTest : public QObject {
    Q_OBJECT

private slots:
    // Two screens should play a whole game over 127.0.0.1 through their timers: the host enters
    // the players with × on the network, the guest plays ×, each shows the names, a take-back
    // the guest accepts empties both boards, and the game ends in both result dialogs, counted
    // in both records as a network game.
    void twoScreensPlayAGameOverLoopback() {
        AtTheGuestsFirstTurn match;
        QVERIFY(match.Reach());
        NetScreen& hosting = *match.hosting;
        NetScreen& guest = *match.guest;
        QCOMPARE(hosting.state.players.kind,
                 (std::array<PlayerKind, 2>{PlayerKind::Mouse, PlayerKind::Network}));
        QCOMPARE(guest.state.players.kind,
                 (std::array<PlayerKind, 2>{PlayerKind::Network, PlayerKind::Mouse}));
        QCOMPARE(hosting.Name(0), QStringLiteral("Hana"));
        QCOMPARE(hosting.Name(1), QStringLiteral("Ren"));
        QCOMPARE(guest.Name(0), QStringLiteral("Hana"));
        QCOMPARE(guest.Name(1), QStringLiteral("Ren"));

        // ○ and × each place a unit; ○ asks to take both back, and the guest lets it.
        guest.Click(CellIndex(2, kRows));
        QTRY_VERIFY_WITH_TIMEOUT(
            hosting.battle().WaitsForInput() && UnitCount(hosting.battle().ShownBoard()) == 2,
            kWait);
        SaveScreenshot(hosting.window, QStringLiteral("network-game-host"));
        SaveScreenshot(guest.window, QStringLiteral("network-game-guest"));
        WhenModalOpens(
            QStringLiteral("FormMsg"),
            [](QWidget* question) { ClickChild(question, QStringLiteral("選択_0")); }, kWait);
        QTest::keyClick(hosting.window, Qt::Key_Z, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(hosting.battle().WaitsForInput() &&
                                     UnitCount(hosting.battle().ShownBoard()) == 0 &&
                                     UnitCount(guest.battle().ShownBoard()) == 0,
                                 kWait);

        // Then ○ fills the first column until it wins; both result dialogs are left by Quit.
        PlayOnToTheHostsCountedWin(hosting, guest);
    }

    // When the guest's connection drops in the middle of a game and the guest does not come
    // back, the host should be told that it is reconnecting, and asked only once the limit has
    // passed; the computer at the strength picked should then play the guest's side on, the
    // game no network game then.
    void aSideThatLeftIsHandedToTheComputer() {
        constexpr qint64 kLimitMs = 1'500;
        AtTheGuestsFirstTurn match;
        QVERIFY(match.Reach(kLimitMs));
        const NetScreen& hosting = *match.hosting;

        bool asked = false;
        bool noticeGone = false;
        QElapsedTimer sinceTheDrop;
        qint64 askedAfterMs = 0;
        WhenModalOpens(
            QStringLiteral("PeerLeft"),
            [&](QWidget* question) {
                asked = true;
                askedAfterMs = sinceTheDrop.elapsed();
                noticeGone = !Notice(hosting)->isVisible();
                SaveScreenshot(question->parentWidget(), QStringLiteral("network-left-screen"));
                SaveScreenshot(question, QStringLiteral("network-left"));
                auto* levels = question->findChild<QComboBox*>(QStringLiteral("PeerLeftLevel"));
                levels->setCurrentIndex(static_cast<int>(ComputerLevel::Hard));
                ClickChild(question, QStringLiteral("PeerLeftHandOver"));
            },
            kWait);
        // The guest's connection drops, and the guest is gone for good.
        sinceTheDrop.start();
        delete match.loopback.joining;
        QTRY_VERIFY_WITH_TIMEOUT(Notice(hosting)->isVisible(), kWait);
        QCOMPARE(Notice(hosting)->text(), QStringLiteral("接続が切れました。再接続しています…"));
        SaveScreenshot(hosting.window, QStringLiteral("network-reconnecting"));
        QTRY_VERIFY_WITH_TIMEOUT(asked && !hosting.battle().IsNetworkMatch(), kWait);
        QVERIFY(askedAfterMs >= kLimitMs);
        QVERIFY(noticeGone);
        QCOMPARE(hosting.state.players.kind[1], PlayerKind::HardComputer);
        QTRY_VERIFY_WITH_TIMEOUT(
            hosting.battle().WaitsForInput() && UnitCount(hosting.battle().ShownBoard()) == 2,
            kWait);
    }

    // When the connection drops in the middle of a game, both screens should say that they
    // reconnect, and then that they did; the guest's move made while the connection was cut
    // arrives, and the same game goes on to its end on both sides, counted in both records.
    void aDroppedConnectionResumesAndTheGameGoesOn() {
        AtTheGuestsFirstTurn match;
        QVERIFY(match.Reach());
        NetScreen& hosting = *match.hosting;
        NetScreen& guest = *match.guest;

        match.loopback.joining->findChild<QTcpSocket*>()->abort();
        guest.Click(CellIndex(2, kRows));
        QTRY_COMPARE_WITH_TIMEOUT(UnitCount(guest.battle().ShownBoard()), 2, kWait);
        const QString resumed = QStringLiteral("再接続しました。");
        QTRY_VERIFY_WITH_TIMEOUT(Notice(hosting)->text() == resumed &&
                                     Notice(guest)->text() == resumed &&
                                     Notice(hosting)->isVisible() && Notice(guest)->isVisible(),
                                 kWait);
        SaveScreenshot(guest.window, QStringLiteral("network-reconnected"));
        QTRY_VERIFY_WITH_TIMEOUT(
            hosting.battle().WaitsForInput() && UnitCount(hosting.battle().ShownBoard()) == 2,
            kWait);

        PlayOnToTheHostsCountedWin(hosting, guest);
    }

    // A request the session refuses should end the match on both sides, each screen telling
    // its player why: here the guest's session places a unit behind its screen's back, so the
    // session refuses the move the guest's screen sends next.
    void aRefusedRequestEndsTheMatchOnBothSides() {
        AtTheGuestsFirstTurn match;
        QVERIFY(match.Reach());
        NetScreen& hosting = *match.hosting;
        NetScreen& guest = *match.guest;
        QVERIFY(match.loopback.joining->Act(
            [](Session& session) { return session.Move(CellIndex(3, kRows)); }));
        QTRY_VERIFY_WITH_TIMEOUT(
            hosting.battle().WaitsForInput() && UnitCount(hosting.battle().ShownBoard()) == 2,
            kWait);

        const MessageLog messages;
        guest.Click(CellIndex(2, kRows));
        QTRY_VERIFY_WITH_TIMEOUT(hosting.window.isNull() && guest.window.isNull(), kWait);
        const QString told =
            QStringLiteral("対戦相手と対局の状態が食い違ったので、\nゲームを終了します。");
        QCOMPARE(messages.texts(), (QStringList{told, told}));
    }

    // A hint searched while the other side resigns answers a position that is gone: the next
    // game's hint searches its own board rather than take that answer.
    void aHintForAResignedGameIsNotTakenLater() {
        Loopback loopback;
        QVERIFY(loopback.Connect());
        ConfirmTheEntry();
        NotingSearch search;
        BattleSeams seams{std::chrono::milliseconds(0)};
        seams.search = search.Make();
        NetScreen hosting(loopback.host.guest(), std::move(seams));
        hosting.window->show();
        QTRY_VERIFY_WITH_TIMEOUT(hosting.battle().WaitsForInput(), kWait);
        QTest::keyClick(hosting.window, Qt::Key_H);
        QTRY_COMPARE_WITH_TIMEOUT(search.Boards().size(), std::size_t{1}, kWait);

        // The guest resigns while the hint is searched, and asks for the next game at once. The
        // hint's answer is ready only once the game it was asked in has ended: the result dialog
        // is open.
        WhenModalOpens(
            QStringLiteral("Form5"),
            [&search](QWidget* dialog) {
                search.released = true;
                ClickChild(
                    dialog,
                    QStringLiteral("Option1_%1").arg(static_cast<int>(ResultChoice::NextBattle)));
                ClickChild(dialog, QStringLiteral("Command2"));
            },
            kWait);
        const Session& guest = loopback.joining->session();
        const int resignedGame = guest.game();
        QVERIFY(loopback.joining->Act([](Session& session) { return session.Resign(); }));
        QVERIFY(loopback.joining->Act([](Session& session) { return session.RequestNextGame(); }));

        // × (the guest) begins the next game; then the host asks for a hint on that board.
        QTRY_VERIFY_WITH_TIMEOUT(guest.state() == Session::State::Playing &&
                                     guest.game() == resignedGame + 1 && guest.sideToMove() == 1,
                                 kWait);
        QVERIFY(loopback.joining->Act(
            [](Session& session) { return session.Move(CellIndex(5, kRows)); }));
        QTRY_VERIFY_WITH_TIMEOUT(
            hosting.battle().WaitsForInput() && UnitCount(hosting.battle().ShownBoard()) == 1,
            kWait);
        QTest::keyClick(hosting.window, Qt::Key_H);
        QTRY_COMPARE_WITH_TIMEOUT(search.Boards().size(), std::size_t{2}, kWait);
        QCOMPARE(UnitCount(search.Boards().back()), 1);
    }

    // Both screens chat under the board during the match. The host's keyboard player takes the
    // field with T, sends a line with Enter (which places no unit) and gives the keys back to
    // the board with Esc; the guest types in its field. Each line shows on both screens under
    // its speaker's name as the text it is, markup included, and is spoken.
    void twoScreensChatOverLoopback() {
        Loopback loopback;
        QVERIFY(loopback.Connect());
        ConfirmTheEntry();
        NetScreen hosting(loopback.host.guest(), BattleSeams{std::chrono::milliseconds(0)},
                          PlayerKind::Keyboard);
        NetScreen guest(loopback.joining);
        guest.window->show();
        hosting.window->show();
        QTRY_VERIFY_WITH_TIMEOUT(hosting.battle().WaitsForInput(), kWait);
        QTRY_VERIFY_WITH_TIMEOUT(guest.ChatField()->isEnabled(), kWait);
        hosting.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(hosting.window));
        QCOMPARE(QApplication::focusWidget(), hosting.window.data());

        PressFocused({Qt::Key_T});
        QCOMPARE(QApplication::focusWidget(), hosting.ChatField());
        QTest::keyClicks(hosting.ChatField(), QStringLiteral("<b>hi</b>"));
        PressFocused({Qt::Key_Return});
        const QString hostLine = QStringLiteral("Hana：<b>hi</b>");
        QTRY_COMPARE_WITH_TIMEOUT(guest.ChatLines(), hostLine, kWait);
        QCOMPARE(guest.Spoken(), hostLine);
        QCOMPARE(hosting.ChatLines(), hostLine);
        QCOMPARE(hosting.Spoken(), hostLine);
        QVERIFY(hosting.ChatField()->text().isEmpty());
        QCOMPARE(UnitCount(hosting.battle().ShownBoard()), 0);

        QTest::keyClicks(guest.ChatField(), QStringLiteral("  a & b  "));
        QTest::keyClick(guest.ChatField(), Qt::Key_Return);
        const QString guestLine = QStringLiteral("Ren：a & b");
        QTRY_COMPARE_WITH_TIMEOUT(hosting.Spoken(), guestLine, kWait);
        QCOMPARE(hosting.ChatLines(), hostLine + u'\n' + guestLine);
        QCOMPARE(guest.ChatLines(), hostLine + u'\n' + guestLine);
        // Pasted: the test's keys are ASCII only.
        hosting.ChatField()->insert(
            QStringLiteral("A longer line, to see how the log wraps what does not fit: "
                           "長い行は折り返して、新しい行ほど下に出ます。"));
        QTest::keyClick(hosting.ChatField(), Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(guest.ChatLines().count(u'\n') == 2, kWait);
        SaveScreenshot(hosting.window, QStringLiteral("network-chat-host"));
        SaveScreenshot(guest.window, QStringLiteral("network-chat-guest"));

        // Esc gives the keys back: column 1's free cell, and Enter places the unit there.
        PressFocused({Qt::Key_Escape});
        QCOMPARE(QApplication::focusWidget(), hosting.window.data());
        PressFocused({Qt::Key_1, Qt::Key_Return});
        QTRY_COMPARE_WITH_TIMEOUT(guest.battle().ShownBoard()[CellIndex(1, kRows)], CircleUnit,
                                  kWait);
    }

    // Closing the screen in a network match asks first: No keeps the match; Yes ends it, and
    // the other side hears that this one quit.
    void closingANetworkMatchAsksFirst() {
        Loopback loopback;
        QVERIFY(loopback.Connect());
        ConfirmTheEntry();
        NetScreen hosting(loopback.host.guest());
        hosting.window->show();
        QTRY_VERIFY_WITH_TIMEOUT(hosting.battle().WaitsForInput(), kWait);
        QStringList asked;
        for (const QString& answer : {QStringLiteral("選択_1"), QStringLiteral("選択_0")}) {
            WhenModalOpens(QStringLiteral("FormMsg"), [&asked, answer](QWidget* message) {
                asked << message->findChild<QLabel*>(QStringLiteral("言葉"))->text();
                ClickChild(message, answer);
            });
            hosting.window->close();
            QCOMPARE(hosting.window->isVisible(), answer == QStringLiteral("選択_1"));
        }
        QCOMPARE(asked,
                 QStringList(2, QStringLiteral("ネットワーク対戦を終了して\n画面を閉じますか？")));
        const Session& guest = loopback.joining->session();
        QTRY_VERIFY_WITH_TIMEOUT(guest.state() == Session::State::Closed, kWait);
    }
};

QTEST_MAIN(NetworkBattleTest)
#include "test_network_battle.moc"
