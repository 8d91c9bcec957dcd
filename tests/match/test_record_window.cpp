#include <QLabel>
#include <QTest>
#include <optional>

#include "match/windows/record_window.h"
#include "tests/support/modal.h"
#include "tests/support/screenshot.h"
#include "tests/support/temp_settings.h"

using namespace morvane;
using morvane::testing::ClickChild;
using morvane::testing::TempSettings;
using morvane::testing::WhenModalOpens;

namespace {

// The counts the window shows, row by row: wins, losses, draws, abandoned.
QList<QStringList> ShownCounts(QWidget* window) {
    QList<QStringList> rows;
    for (int row = 0;; ++row) {
        if (window->findChild<QLabel*>(QStringLiteral("Pairing_%1").arg(row)) == nullptr) {
            return rows;
        }
        QStringList counts;
        for (std::size_t column = 0; column < kRecordColumns; ++column) {
            counts << window->findChild<QLabel*>(QStringLiteral("Count_%1_%2").arg(row).arg(column))
                          ->text();
        }
        rows << counts;
    }
}

QList<QStringList> NothingCounted(qsizetype rows) {
    return QList<QStringList>(rows, QStringList(kRecordColumns, QStringLiteral("0")));
}

// A person at the mouse as ○ against the computer at level, and their game's end; nothing: the
// game was abandoned.
void RecordGame(SettingsStore& store, ComputerLevel level, std::optional<GameEnd> end) {
    Players players;
    players.kind = {PlayerKind::Mouse, ComputerKind(level)};
    QVERIFY(end ? GameRecord(store).Count(players, level, *end)
                : GameRecord(store).CountAbandoned(players, level));
}

}  // namespace

class RecordWindowTest : public QObject {
    Q_OBJECT

private slots:
    // After a game won, lost, drawn or abandoned against a strength, its row shows that game.
    void showsTheGamesRecorded_data() {
        QTest::addColumn<ComputerLevel>("level");
        QTest::addColumn<std::optional<GameEnd>>("end");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("pairing");
        QTest::addColumn<int>("column");
        QTest::newRow("won against EASY")
            << ComputerLevel::Easy << std::optional(GameEnd::CircleWins) << 0
            << QStringLiteral("人 対 [Easy]") << 0;
        QTest::newRow("lost against HARD")
            << ComputerLevel::Hard << std::optional(GameEnd::CrossWins) << 2
            << QStringLiteral("人 対 [Hard]") << 1;
        QTest::newRow("drawn against ⅲ") << ComputerLevel::Expert << std::optional(GameEnd::Draw)
                                         << 3 << QStringLiteral("人 対 ⅲ") << 2;
        QTest::newRow("abandoned against NORMAL")
            << ComputerLevel::Normal << std::optional<GameEnd>() << 1
            << QStringLiteral("人 対 [Normal]") << 3;
    }
    void showsTheGamesRecorded() {
        QFETCH(ComputerLevel, level);
        QFETCH(std::optional<GameEnd>, end);
        QFETCH(int, row);
        QFETCH(QString, pairing);
        QFETCH(int, column);
        TempSettings settings;
        RecordGame(settings.store(), level, end);
        RecordWindow window(settings.store());
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Morvaneⅲ－Record"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Pairing_%1").arg(row))->text(), pairing);
        QList<QStringList> expected = NothingCounted(ShownCounts(&window).size());
        expected[row][column] = QStringLiteral("1");
        QCOMPARE(ShownCounts(&window), expected);
    }

    // The reset asks first: Yes clears the record, in the window and in the store; No and
    // closing the question's frame keep it.
    void resetClearsOnlyOnYes_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("Yes") << QStringLiteral("選択_0") << true;
        QTest::newRow("No") << QStringLiteral("選択_1") << false;
        QTest::newRow("the frame's close box") << QString() << false;
    }
    void resetClearsOnlyOnYes() {
        QFETCH(QString, answer);
        QFETCH(bool, cleared);
        TempSettings settings;
        for (const GameEnd end :
             {GameEnd::CircleWins, GameEnd::CircleWins, GameEnd::CrossWins, GameEnd::Draw}) {
            RecordGame(settings.store(), ComputerLevel::Normal, end);
        }
        RecordWindow window(settings.store());
        window.show();
        const QList<QStringList> before = ShownCounts(&window);
        testing::SaveScreenshot(&window, QStringLiteral("record"));

        QString question;
        WhenModalOpens(QStringLiteral("FormMsg"), [&](QWidget* message) {
            question = message->findChild<QLabel*>(QStringLiteral("言葉"))->text();
            if (answer.isEmpty()) {
                message->close();
            } else {
                ClickChild(message, answer);
            }
        });
        ClickChild(&window, QStringLiteral("Reset"));
        QVERIFY(!question.isEmpty());
        const QList<QStringList> expected = cleared ? NothingCounted(before.size()) : before;
        QCOMPARE(ShownCounts(&window), expected);
        RecordWindow reopened(settings.store());
        QCOMPARE(ShownCounts(&reopened), expected);
    }
};

QTEST_MAIN(RecordWindowTest)
#include "test_record_window.moc"
