#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <optional>

#include "match/model/kept_game.h"
#include "tests/support/full_disk.h"

using namespace morvane;

namespace {

// A game under way of the mouse against EASY, told apart by its first move.
SavedGame GameUnderWay(int firstColumn) {
    SavedGame game;
    game.players = {PlayerKind::Mouse, PlayerKind::EasyComputer};
    game.moves = {CellIndex(firstColumn, kRows)};
    return game;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class KeptGameTest : public QObject {
    Q_OBJECT

private slots:
    // Copies of the game keep games in one folder: a copy replaces the game it kept or found
    // there when it started, never one another copy kept since; Resume offers every kept game,
    // the latest first. Each step is a copy (A, B, or C, made when first named) keeping the game
    // that starts in a column; at the end the games resumed one by one, by first column.
    void copiesKeepEachOthersGames_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QList<int>>("resumed");
        QTest::newRow("one copy keeps over its own game")
            << QStringList{"A1", "A2"} << QList<int>{2};
        QTest::newRow("B keeps after A, both made first")
            << QStringList{"A1", "B2"} << QList<int>{2, 1};
        QTest::newRow("B keeps twice: over its own game")
            << QStringList{"A1", "B2", "B3"} << QList<int>{3, 1};
        QTest::newRow("C, made after A kept, replaces what it found")
            << QStringList{"A1", "C2"} << QList<int>{2};
        QTest::newRow("three copies made first")
            << QStringList{"A1", "B2", "C3", "A4"} << QList<int>{4, 3, 2};
    }
    void copiesKeepEachOthersGames() {
        QFETCH(QStringList, steps);
        QFETCH(QList<int>, resumed);
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("kept.morvane"));
        std::map<QChar, KeptGame> copies;
        // A and B start before anything is kept; C starts where it is first named.
        copies.emplace(QLatin1Char('A'), path);
        copies.emplace(QLatin1Char('B'), path);
        for (const QString& step : steps) {
            auto copy = copies.try_emplace(step[0], path).first;
            QString error;
            QVERIFY2(copy->second.Keep(GameUnderWay(step.mid(1).toInt()), error),
                     qPrintable(error));
            QTest::qWait(5);  // a later file time for a later game
        }
        KeptGame resuming(path);
        QList<int> columns;
        for (int game = 0; game < KeptGame::kMostKeptGames && resuming.Exists(); ++game) {
            const SavedGameRead read = resuming.Load();
            QVERIFY2(read.game, qPrintable(read.error));
            columns << CellX(read.game->moves.front());
            resuming.Drop();
        }
        QCOMPARE(columns, resumed);
    }

    // A game that cannot be kept (a full disk) leaves the game kept before as it was, and
    // says why.
    void aFullDiskKeepsTheOlderGame() {
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("kept.morvane"));
        KeptGame kept(path);
        QString error;
        QVERIFY(kept.Keep(GameUnderWay(1), error));
        const QByteArray older = FileBytes(path);
        std::optional<test::FullDisk> full(std::in_place);
        const bool keptNewer = kept.Keep(GameUnderWay(2), error);
        full.reset();
        QVERIFY(!keptNewer);
        QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
        QCOMPARE(FileBytes(path), older);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"kept.morvane"});
    }
};

QTEST_MAIN(KeptGameTest)
#include "test_kept_game.moc"
