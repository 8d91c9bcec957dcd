#include <QTest>

#include "match/model/first_player.h"
#include "match/model/info_panel.h"
#include "rules/random.h"

using namespace morvane;

namespace {

// The two first-player options as the settings store keeps them, terrain off.
MatchOptions OptionsFromStored(int firstGame, int laterGames) {
    return {static_cast<FirstGameFirst>(firstGame), static_cast<LaterGamesFirst>(laterGames),
            TerrainOption::Off};
}

constexpr Turn kRandom = 0;  // in the tables: the side comes from the random draw

// The side a random rule gives after seeding: ○ when the draw is 1, × when it is 0.
Turn SideDrawnWithSeed(std::uint64_t seed) {
    SeedRandomForTesting(seed);
    return RandomUpTo(1) == 1 ? kCircleTurn : kCrossTurn;
}

QString WithoutPadding(QString text) { return text.remove(QChar(0x3000)); }

const QString kSeparator = QStringLiteral("－－－－－－－－－－－－");

}  // namespace

class FirstPlayerTest : public QObject {
    Q_OBJECT

private slots:
    // Every option pair must pick the side its rule names and announce that rule and the side.
    void firstPlayerFollowsTheOptions_data() {
        QTest::addColumn<int>("firstGame");
        QTest::addColumn<int>("laterGames");
        QTest::addColumn<int>("round");
        QTest::addColumn<int>("lastFirst");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("rule");

        const QStringList firstRules = {
            QStringLiteral("初戦はランダムにより先攻を決めるよう設定されています・・・"),
            QStringLiteral("初戦は○側の先攻に固定設定されています・・・"),
            QStringLiteral("初戦は×側の先攻に固定設定されています・・・"),
        };
        const QStringList laterRules = {
            QStringLiteral("二戦目以降はランダムにより先攻を決めるよう設定されています・・・"),
            QStringLiteral("二戦目以降は前回の後攻側が先攻になる交代制が設定されています・・・"),
            QStringLiteral("初戦先攻側が常に先攻に固定設定されています・・・"),
        };
        const int firstGameSide[] = {kRandom, kCircleTurn, kCrossTurn};
        for (int first = 0; first <= 2; ++first) {
            for (int later = 0; later <= 2; ++later) {
                QTest::addRow("first game, options %d/%d", first, later)
                    << first << later << 1 << int{kCrossTurn} << firstGameSide[first]
                    << firstRules[first];
                for (Turn last : {kCircleTurn, kCrossTurn}) {
                    const int laterSide[] = {kRandom, -last, last};
                    QTest::addRow("round 2 after %s began, options %d/%d",
                                  last == kCircleTurn ? "o" : "x", first, later)
                        << first << later << 2 << int{last} << laterSide[later]
                        << laterRules[later];
                }
            }
        }
        QTest::newRow("round 999 uses the later-games rule")
            << 1 << 2 << 999 << int{kCrossTurn} << int{kCrossTurn} << laterRules[2];
    }
    void firstPlayerFollowsTheOptions() {
        QFETCH(int, firstGame);
        QFETCH(int, laterGames);
        QFETCH(int, round);
        QFETCH(int, lastFirst);
        QFETCH(int, expected);
        QFETCH(QString, rule);

        constexpr std::uint64_t kSeed = 20240611;
        const Turn side = expected == kRandom ? SideDrawnWithSeed(kSeed) : expected;
        SeedRandomForTesting(kSeed);

        AppState state;
        state.options = OptionsFromStored(firstGame, laterGames);
        state.roundCount = round;
        state.lastFirst = lastFirst;
        state.turn = 0;
        InfoPanel info;
        AnnounceFirstPlayer(state, info);

        QCOMPARE(state.turn, side);
        QCOMPARE(state.lastFirst, side);
        const QString who = side == kCircleTurn ? QStringLiteral("先攻は○側です。")
                                                : QStringLiteral("先攻は×側です。");
        QCOMPARE(WithoutPadding(info.PendingText()), rule + kSeparator + who + kSeparator);
    }

    // A random rule must be able to give either side.
    void randomRuleGivesBothSides() {
        AppState state;
        state.options.firstGameFirst = FirstGameFirst::Random;
        state.roundCount = 1;
        QSet<Turn> seen;
        for (std::uint64_t seed = 1; seed <= 64 && seen.size() < 2; ++seed) {
            SeedRandomForTesting(seed);
            seen.insert(ChooseFirstPlayer(state));
        }
        QCOMPARE(seen, (QSet<Turn>{kCircleTurn, kCrossTurn}));
    }

    // Over a match the first player follows the options game after game.
    void firstPlayersOverAMatch_data() {
        QTest::addColumn<int>("firstGame");
        QTest::addColumn<int>("laterGames");
        QTest::addColumn<QList<int>>("sides");
        QTest::newRow("× first, then alternating")
            << 2 << 1 << QList<int>{kCrossTurn, kCircleTurn, kCrossTurn, kCircleTurn};
        QTest::newRow("○ first, then always the first game's side")
            << 1 << 2 << QList<int>{kCircleTurn, kCircleTurn, kCircleTurn, kCircleTurn};
    }
    void firstPlayersOverAMatch() {
        QFETCH(int, firstGame);
        QFETCH(int, laterGames);
        QFETCH(QList<int>, sides);
        AppState state;
        state.options = OptionsFromStored(firstGame, laterGames);
        QList<int> chosen;
        for (int round = 1; round <= sides.size(); ++round) {
            state.roundCount = round;
            chosen << ChooseFirstPlayer(state);
        }
        QCOMPARE(chosen, sides);
    }

    // A random first game followed by "always the first game's side" repeats the drawn side.
    void randomFirstGameSideIsKept() {
        AppState state;
        state.options = OptionsFromStored(0, 2);
        for (std::uint64_t seed : {3u, 4u, 5u}) {
            SeedRandomForTesting(seed);
            state.roundCount = 1;
            const Turn first = ChooseFirstPlayer(state);
            for (int round = 2; round <= 6; ++round) {
                state.roundCount = round;
                QCOMPARE(ChooseFirstPlayer(state), first);
            }
        }
    }
};

QTEST_APPLESS_MAIN(FirstPlayerTest)
#include "test_first_player.moc"
