#include <QSettings>
#include <QTest>
#include <atomic>
#include <thread>
#include <vector>

#include "match/model/game_record.h"
#include "shell/settings/settings_store.h"
#include "tests/support/temp_settings.h"

using namespace morvane;
using morvane::testing::BlockedSettings;
using morvane::testing::TempSettings;

namespace {

using Sides = Pairing::Sides;

Pairing AgainstComputer(ComputerLevel level) { return {Sides::PersonAgainstComputer, level}; }

// The counts of every pairing of the record.
QList<RecordCounts> AllCounts(const GameRecord& record) {
    QList<RecordCounts> counts;
    for (const Pairing& pairing : RecordPairings()) {
        counts << record.Counts(pairing);
    }
    return counts;
}

void WriteRaw(const QString& file, const QString& key, const QString& text) {
    QSettings raw(file, QSettings::IniFormat);
    raw.setValue(key, text);
    raw.sync();
}

}  // namespace

Q_DECLARE_METATYPE(morvane::Pairing)
Q_DECLARE_METATYPE(morvane::RecordCounts)

class GameRecordTest : public QObject {
    Q_OBJECT

private slots:
    // A finished game moves one count of its pairing, seen from the person's side (mouse and
    // keyboard alike), or from ○'s between two people or two computers; nothing else moves,
    // and the count is still there for the next run of the program.
    void aGameMovesOneCountOfItsPairing_data() {
        QTest::addColumn<PlayerKind>("circle");
        QTest::addColumn<PlayerKind>("cross");
        QTest::addColumn<ComputerLevel>("level");
        QTest::addColumn<GameEnd>("end");
        QTest::addColumn<Pairing>("pairing");
        QTest::addColumn<RecordCounts>("counts");
        QTest::addColumn<QString>("storedKey");
        using enum PlayerKind;
        QTest::newRow("mouse ○ beats EASY")
            << Mouse << EasyComputer << ComputerLevel::Easy << GameEnd::CircleWins
            << AgainstComputer(ComputerLevel::Easy) << RecordCounts{1, 0, 0}
            << QStringLiteral("Record/Easy-Wins");
        QTest::newRow("keyboard × beats NORMAL")
            << NormalComputer << Keyboard << ComputerLevel::Normal << GameEnd::CrossWins
            << AgainstComputer(ComputerLevel::Normal) << RecordCounts{1, 0, 0}
            << QStringLiteral("Record/Normal-Wins");
        QTest::newRow("HARD ○ beats the keyboard")
            << HardComputer << Keyboard << ComputerLevel::Hard << GameEnd::CircleWins
            << AgainstComputer(ComputerLevel::Hard) << RecordCounts{0, 1, 0}
            << QStringLiteral("Record/Hard-Losses");
        QTest::newRow("ⅲ × beats the mouse")
            << Mouse << ExpertComputer << ComputerLevel::Expert << GameEnd::CrossWins
            << AgainstComputer(ComputerLevel::Expert) << RecordCounts{0, 1, 0}
            << QStringLiteral("Record/Expert-Losses");
        QTest::newRow("the mouse draws with ⅲ")
            << ExpertComputer << Mouse << ComputerLevel::Expert << GameEnd::Draw
            << AgainstComputer(ComputerLevel::Expert) << RecordCounts{0, 0, 1}
            << QStringLiteral("Record/Expert-Draws");
        QTest::newRow("the keyboard beats MASTER")
            << Keyboard << MasterComputer << ComputerLevel::Master << GameEnd::CircleWins
            << AgainstComputer(ComputerLevel::Master) << RecordCounts{1, 0, 0}
            << QStringLiteral("Record/Master-Wins");
        QTest::newRow("people: ○ wins")
            << Keyboard << Mouse << ComputerLevel::Hard << GameEnd::CircleWins
            << Pairing{Sides::People} << RecordCounts{1, 0, 0}
            << QStringLiteral("Record/People-Wins");
        QTest::newRow("people: × wins")
            << Mouse << Mouse << ComputerLevel::Easy << GameEnd::CrossWins << Pairing{Sides::People}
            << RecordCounts{0, 1, 0} << QStringLiteral("Record/People-Losses");
        QTest::newRow("computers: ○ wins")
            << EasyComputer << HardComputer << ComputerLevel::Hard << GameEnd::CircleWins
            << Pairing{Sides::Computers} << RecordCounts{1, 0, 0}
            << QStringLiteral("Record/Computers-Wins");
        QTest::newRow("computers: × wins")
            << ExpertComputer << ExpertComputer << ComputerLevel::Expert << GameEnd::CrossWins
            << Pairing{Sides::Computers} << RecordCounts{0, 1, 0}
            << QStringLiteral("Record/Computers-Losses");
    }
    void aGameMovesOneCountOfItsPairing() {
        QFETCH(PlayerKind, circle);
        QFETCH(PlayerKind, cross);
        QFETCH(ComputerLevel, level);
        QFETCH(GameEnd, end);
        QFETCH(Pairing, pairing);
        QFETCH(RecordCounts, counts);
        QFETCH(QString, storedKey);
        TempSettings temp;
        Players players;
        players.kind = {circle, cross};
        QVERIFY(GameRecord(temp.store()).Count(players, level, end));

        // A new store on the same file, as the next run of the program makes.
        SettingsStore restarted(temp.fileName());
        const GameRecord record(restarted);
        for (const Pairing& other : RecordPairings()) {
            QCOMPARE(record.Counts(other), other == pairing ? counts : RecordCounts{});
        }
        QCOMPARE(QSettings(temp.fileName(), QSettings::IniFormat).value(storedKey),
                 QStringLiteral("1"));
    }

    // A game left before its end moves its pairing's abandoned count alone, under a key of its
    // own, whichever side the person played.
    void anAbandonedGameMovesItsPairingsAbandonedCount_data() {
        QTest::addColumn<PlayerKind>("circle");
        QTest::addColumn<PlayerKind>("cross");
        QTest::addColumn<Pairing>("pairing");
        QTest::addColumn<QString>("storedKey");
        using enum PlayerKind;
        QTest::newRow("the mouse against HARD")
            << Mouse << HardComputer << AgainstComputer(ComputerLevel::Hard)
            << QStringLiteral("Record/Hard-Abandoned");
        QTest::newRow("MASTER against the keyboard")
            << MasterComputer << Keyboard << AgainstComputer(ComputerLevel::Hard)
            << QStringLiteral("Record/Hard-Abandoned");
        QTest::newRow("people") << Mouse << Keyboard << Pairing{Sides::People}
                                << QStringLiteral("Record/People-Abandoned");
        QTest::newRow("computers") << EasyComputer << NormalComputer << Pairing{Sides::Computers}
                                   << QStringLiteral("Record/Computers-Abandoned");
    }
    void anAbandonedGameMovesItsPairingsAbandonedCount() {
        QFETCH(PlayerKind, circle);
        QFETCH(PlayerKind, cross);
        QFETCH(Pairing, pairing);
        QFETCH(QString, storedKey);
        TempSettings temp;
        Players players;
        players.kind = {circle, cross};
        QVERIFY(GameRecord(temp.store()).CountAbandoned(players, ComputerLevel::Hard));

        SettingsStore restarted(temp.fileName());
        const GameRecord record(restarted);
        const RecordCounts oneAbandoned{.abandoned = 1};
        for (const Pairing& other : RecordPairings()) {
            QCOMPARE(record.Counts(other), other == pairing ? oneAbandoned : RecordCounts{});
        }
        QCOMPARE(QSettings(temp.fileName(), QSettings::IniFormat).value(storedKey),
                 QStringLiteral("1"));
    }

    // A stored count the record would never write reads as 0, and the next game counts on
    // from there; the highest count stays.
    void strayStoredCountsReadAsZero_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("read");
        QTest::addColumn<int>("afterAGame");
        QTest::newRow("a count") << QStringLiteral("41") << 41 << 42;
        QTest::newRow("not a number") << QStringLiteral("many") << 0 << 1;
        QTest::newRow("negative") << QStringLiteral("-3") << 0 << 1;
        QTest::newRow("beyond the highest") << QStringLiteral("1000000") << 0 << 1;
        QTest::newRow("the highest") << QStringLiteral("999999") << 999999 << 999999;
    }
    void strayStoredCountsReadAsZero() {
        QFETCH(QString, stored);
        QFETCH(int, read);
        QFETCH(int, afterAGame);
        TempSettings temp;
        WriteRaw(temp.fileName(), QStringLiteral("Record/People-Draws"), stored);
        GameRecord record(temp.store());
        const Pairing people{Sides::People};
        QCOMPARE(record.Counts(people).draws, read);
        QVERIFY(record.Count(Players{{PlayerKind::Mouse, PlayerKind::Mouse}}, ComputerLevel::Easy,
                             GameEnd::Draw));
        QCOMPARE(record.Counts(people).draws, afterAGame);
    }

    // Reset clears every count of every pairing, in the store itself.
    void resetClearsEveryCount() {
        TempSettings temp;
        GameRecord record(temp.store());
        for (const GameEnd end : {GameEnd::CircleWins, GameEnd::CrossWins, GameEnd::Draw}) {
            QVERIFY(record.Count(Players{}, ComputerLevel::Normal, end));
            QVERIFY(record.Count(Players{{PlayerKind::HardComputer, PlayerKind::EasyComputer}},
                                 ComputerLevel::Easy, end));
        }
        QVERIFY(record.CountAbandoned(Players{}, ComputerLevel::Normal));
        QVERIFY(record.Reset());
        SettingsStore restarted(temp.fileName());
        const QList<RecordCounts> zeros(static_cast<qsizetype>(RecordPairings().size()));
        QCOMPARE(AllCounts(GameRecord(restarted)), zeros);
    }

    // A game counts once, however often it is kept, resumed, saved and opened again: left
    // and never finished, as abandoned; finished, by its end, whether it was left before or not.
    // Each event is the game's id (a, b, or none) and what happened to it: W won, L left.
    void aGameCountsOnce_data() {
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<RecordCounts>("counts");
        QTest::newRow("left, resumed, left again")
            << QStringList{"aL", "aL"} << RecordCounts{.abandoned = 1};
        QTest::newRow("left, then finished") << QStringList{"aL", "aW"} << RecordCounts{.wins = 1};
        QTest::newRow("finished, opened again and finished")
            << QStringList{"aW", "aW"} << RecordCounts{.wins = 1};
        QTest::newRow("left, finished, then left from a saved copy")
            << QStringList{"aL", "aW", "aL"} << RecordCounts{.wins = 1};
        QTest::newRow("two games left") << QStringList{"aL", "bL"} << RecordCounts{.abandoned = 2};
        QTest::newRow("one left, the other finished, each resumed")
            << QStringList{"aL", "bW", "aL", "bL"} << RecordCounts{.wins = 1, .abandoned = 1};
        QTest::newRow("games without an id count each time")
            << QStringList{"L", "L", "W"} << RecordCounts{.wins = 1, .abandoned = 2};
    }
    void aGameCountsOnce() {
        QFETCH(QStringList, events);
        QFETCH(RecordCounts, counts);
        TempSettings temp;
        const Players players{{PlayerKind::Mouse, PlayerKind::NormalComputer}};
        for (const QString& event : events) {
            const QString id =
                event.chopped(1).isEmpty() ? QString() : event.chopped(1).repeated(32);
            SettingsStore store(temp.fileName());  // each event in a run of its own
            GameRecord record(store);
            QVERIFY(event.endsWith('W')
                        ? record.Count(players, ComputerLevel::Normal, GameEnd::CircleWins, id)
                        : record.CountAbandoned(players, ComputerLevel::Normal, id));
        }
        QCOMPARE(GameRecord(temp.store()).Counts(AgainstComputer(ComputerLevel::Normal)), counts);
    }

    // Copies of the game counting at the same moment lose none of each other's counts.
    void copiesCountingAtOnceLoseNoCount() {
        TempSettings temp;
        constexpr int kCopies = 4;
        constexpr int kGamesEach = 5;
        std::vector<std::thread> copies;
        std::atomic<int> stored = 0;
        const Players people{{PlayerKind::Mouse, PlayerKind::Keyboard}};
        for (int copy = 0; copy < kCopies; ++copy) {
            copies.emplace_back([&, copy] {
                SettingsStore store(temp.fileName());
                GameRecord record(store);
                for (int game = 0; game < kGamesEach; ++game) {
                    const QString id =
                        QStringLiteral("%1%2").arg(copy).arg(game, 31, 10, QChar('0'));
                    stored +=
                        record.Count(people, ComputerLevel::Easy, GameEnd::CircleWins, id) ? 1 : 0;
                }
            });
        }
        for (std::thread& copy : copies) {
            copy.join();
        }
        QCOMPARE(stored.load(), kCopies * kGamesEach);
        QCOMPARE(GameRecord(temp.store()).Counts({Sides::People}).wins, kCopies * kGamesEach);
    }

    // A store that cannot be written says so for a count and for a reset.
    void unwritableStoreReportsFailure() {
        BlockedSettings blocked;
        GameRecord record(blocked.store());
        QVERIFY(!record.Count(Players{}, ComputerLevel::Easy, GameEnd::Draw));
        QVERIFY(!record.Reset());
    }
};

QTEST_MAIN(GameRecordTest)
#include "test_game_record.moc"
