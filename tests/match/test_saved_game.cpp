#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "match/model/saved_game.h"
#include "tests/support/full_disk.h"

using namespace morvane;

namespace {

int Cell(const char* notation) { return ParseCellNotation(QString::fromLatin1(notation)).value(); }

// A board of the code in the named cells and the rest elsewhere.
Board BoardWith(std::initializer_list<const char*> cells, std::int16_t code,
                std::int16_t rest = Empty) {
    Board board;
    board.cells.fill(rest);
    for (const char* cell : cells) {
        board[Cell(cell)] = code;
    }
    return board;
}

// A ■ at the bottom of column 4 and a ◇ in the air in column 3.
Board BlockAndHollow() {
    Board layout = BoardWith({"4-12"}, Block);
    layout[Cell("3-6")] = Hollow;
    return layout;
}

SavedGame Game(std::initializer_list<const char*> moves, std::optional<GameEnd> end = {},
               const Board& layout = {}) {
    SavedGame game;
    game.layout = layout;
    for (const char* move : moves) {
        game.moves.push_back(Cell(move));
    }
    game.end = end;
    return game;
}

// ○ builds column 1 from the bottom while × answers in column 2.
const std::initializer_list<const char*> kCircleWinsColumn1{"1-12", "2-12", "1-11", "2-11",
                                                            "1-10", "2-10", "1-9"};

// Every line a game file must have, before any move: lines 1 to 7.
QStringList Header() {
    return {QStringLiteral("Morvane game 1"), QStringLiteral("layout ") + QString(96, u'0'),
            QStringLiteral("circle mouse 5"), QStringLiteral("cross normal 3"),
            QStringLiteral("first circle"),   QStringLiteral("round 1"),
            QStringLiteral("wins 0 0")};
}

QStringList HeaderWith(int line, const QString& text) {
    QStringList lines = Header();
    lines[line - 1] = text;
    return lines;
}

QByteArray FileOf(const QStringList& lines) { return lines.join(u'\n').toUtf8() + '\n'; }

QStringList Moves(std::initializer_list<const char*> cells) {
    QStringList lines;
    for (const char* cell : cells) {
        lines << QStringLiteral("move ") + QString::fromLatin1(cell);
    }
    return lines;
}

}  // namespace

Q_DECLARE_METATYPE(morvane::SavedGame)

class SavedGameTest : public QObject {
    Q_OBJECT

private slots:
    // A cell is named by its column and row; only names of cells of the board are read.
    void cellNotation_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cell");  // -1: not a cell
        QTest::newRow("top left") << "1-1" << 0;
        QTest::newRow("bottom right") << "8-12" << 95;
        QTest::newRow("column 5, row 12") << "5-12" << CellIndex(5, 12);
        QTest::newRow("column 0") << "0-5" << -1;
        QTest::newRow("column 9") << "9-5" << -1;
        QTest::newRow("row 13") << "3-13" << -1;
        QTest::newRow("a leading zero") << "05-12" << -1;
        QTest::newRow("a sign") << "+5-12" << -1;
        QTest::newRow("no row") << "5-" << -1;
        QTest::newRow("no dash") << "512" << -1;
        QTest::newRow("a third number") << "5-12-1" << -1;
        QTest::newRow("a space") << "5 -12" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void cellNotation() {
        QFETCH(QString, text);
        QFETCH(int, cell);
        QCOMPARE(ParseCellNotation(text).value_or(-1), cell);
        if (cell >= 0) {
            QCOMPARE(CellNotation(cell), text);
        }
    }

    // What is written is read back as the same game, and written again as the same text, at
    // every state a game can be kept in; reading it replays the moves with the game's rules.
    void writtenGameReadsBack_data() {
        QTest::addColumn<SavedGame>("game");
        QTest::newRow("no move yet") << Game({});
        QTest::newRow("under way on terrain")
            << Game({"3-6", "4-11", "1-12"}, {}, BlockAndHollow());
        QTest::newRow("won by ○") << Game(kCircleWinsColumn1, GameEnd::CircleWins);
        SavedGame crossFirst = Game(kCircleWinsColumn1, GameEnd::CrossWins);
        crossFirst.firstTurn = kCrossTurn;
        crossFirst.players = {PlayerKind::Keyboard, PlayerKind::MasterComputer};
        crossFirst.pictures = {6, 9};
        crossFirst.round = 999;
        crossFirst.wins = {0, 255};
        QTest::newRow("× moved first and won") << crossFirst;
        QTest::newRow("after an undo") << Game({"1-12", "2-12", "1-11", "2-11", "1-10"});
        QTest::newRow("a line of the layout wins nothing")
            << Game({"1-11", "2-11"}, {}, BoardWith({"1-12", "2-12", "3-12", "4-12"}, CircleUnit));
        QTest::newRow("five in a row win")
            << Game({"1-12", "1-11", "2-12", "2-11", "4-12", "4-11", "5-12", "5-11", "3-12"},
                    GameEnd::CircleWins);
        QTest::newRow("a full board is a draw")
            << Game({"1-12", "2-12"}, GameEnd::Draw, BoardWith({"1-12", "2-12"}, Empty, Block));
        QTest::newRow("a line on the last free cell wins") << Game(
            {"1-12", "1-11", "2-12", "2-11", "3-12", "3-11", "4-12"}, GameEnd::CircleWins,
            BoardWith({"1-12", "2-12", "3-12", "4-12", "1-11", "2-11", "3-11"}, Empty, Block));
    }
    void writtenGameReadsBack() {
        QFETCH(SavedGame, game);
        const QByteArray text = WriteSavedGame(game);
        QVERIFY(text.startsWith(QByteArray(kSavedGameFormat) + '\n'));
        const SavedGameRead read = ReadSavedGame(text);
        QVERIFY2(read.game.has_value(),
                 qPrintable(QStringLiteral("line %1: %2").arg(read.line).arg(read.error)));
        QCOMPARE(*read.game, game);
        QCOMPARE(WriteSavedGame(*read.game), text);
    }

    // The board and the side to move at any ply are those the game showed, the won board
    // marked.
    void boardAfterEachPly() {
        const SavedGame game = Game(kCircleWinsColumn1, GameEnd::CircleWins);
        QCOMPARE(BoardAfter(game, 0), game.layout);
        Board two;
        two[Cell("1-12")] = CircleUnit;
        two[Cell("2-12")] = CrossUnit;
        QCOMPARE(BoardAfter(game, 2), two);
        QCOMPARE(TurnAfter(game, 2), kCircleTurn);
        QCOMPARE(TurnAfter(game, 3), kCrossTurn);
        const Board end = BoardAfter(game, 7);
        QCOMPARE(end[Cell("1-9")], CircleWin);
        QCOMPARE(end[Cell("1-12")], CircleWin);
        QCOMPARE(end[Cell("2-12")], CrossDim);
    }

    // Every kind of broken file is refused, naming the line that is wrong (0: the file as a
    // whole), and gives no game.
    void brokenFileRefused_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("line");
        const QStringList header = Header();
        const QStringList won = header + Moves(kCircleWinsColumn1);
        QTest::newRow("empty") << QByteArray() << 1;
        QTest::newRow("another program's text") << QByteArray("hello\n") << 1;
        QTest::newRow("a later version") << FileOf(HeaderWith(1, "Morvane game 2")) << 1;
        QTest::newRow("binary") << FileOf(header) + "move \x01\xff\xfe\n" << 8;
        QTest::newRow("a very long line")
            << FileOf(header + QStringList{"move " + QString(1000, u'1')}) << 8;
        QTest::newRow("too many lines, stopped at the limit")
            << FileOf(header) + QByteArray(500, '\n') << 129;
        QTest::newRow("an unknown key") << FileOf(header + QStringList{"colour red"}) << 8;
        QTest::newRow("a key twice") << FileOf(header + QStringList{"round 2"}) << 8;
        QTest::newRow("a key missing") << FileOf(header.first(6)) << 0;
        QTest::newRow("a value missing") << FileOf(HeaderWith(7, "wins 0")) << 7;
        QTest::newRow("a short layout")
            << FileOf(HeaderWith(2, "layout " + QString(95, u'0'))) << 2;
        QTest::newRow("a layout with a win mark")
            << FileOf(HeaderWith(2, "layout 4" + QString(95, u'0'))) << 2;
        QTest::newRow("a layout with no free cell")
            << FileOf(HeaderWith(2, "layout " + QString(96, u'8'))) << 2;
        QTest::newRow("an unknown player kind") << FileOf(HeaderWith(3, "circle wizard 5")) << 3;
        QTest::newRow("a picture out of range") << FileOf(HeaderWith(4, "cross normal 11")) << 4;
        QTest::newRow("no first side") << FileOf(HeaderWith(5, "first nobody")) << 5;
        QTest::newRow("round 0") << FileOf(HeaderWith(6, "round 0")) << 6;
        QTest::newRow("a huge round") << FileOf(HeaderWith(6, "round 99999999999999999999")) << 6;
        QTest::newRow("wins out of range") << FileOf(HeaderWith(7, "wins 0 256")) << 7;
        QTest::newRow("negative wins") << FileOf(HeaderWith(7, "wins -1 0")) << 7;
        QTest::newRow("a cell off the board") << FileOf(header + Moves({"9-1"})) << 8;
        QTest::newRow("a unit in the air") << FileOf(header + Moves({"1-1"})) << 8;
        QTest::newRow("a unit onto a unit") << FileOf(header + Moves({"1-12", "1-12"})) << 9;
        QTest::newRow("a move after the win")
            << FileOf(won + Moves({"3-12"}) + QStringList{"result circle"}) << 15;
        QTest::newRow("a move into the full board")
            << FileOf(HeaderWith(2, "layout " + QString(88, u'8') + "00888888") +
                          Moves({"1-12", "2-12", "1-11"})
                      << "result draw")
            << 10;
        QTest::newRow("a win without its result") << FileOf(won) << 14;
        QTest::newRow("the wrong winner") << FileOf(won + QStringList{"result cross"}) << 15;
        QTest::newRow("a result before the end")
            << FileOf(header + Moves({"1-12"}) + QStringList{"result draw"}) << 9;
        QTest::newRow("an unknown result") << FileOf(won + QStringList{"result everyone"}) << 15;
    }
    void brokenFileRefused() {
        QFETCH(QByteArray, text);
        QFETCH(int, line);
        const SavedGameRead read = ReadSavedGame(text);
        QVERIFY(!read.game);
        QCOMPARE(read.line, line);
        QVERIFY(!read.error.isEmpty());
    }

    // Saving over a game replaces it whole and leaves nothing else in the folder.
    void saveReplacesTheOldFile() {
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("game.morvane"));
        const SavedGame first = Game({"1-12"});
        const SavedGame second = Game(kCircleWinsColumn1, GameEnd::CircleWins);
        QString error;
        QVERIFY(SaveGameFile(path, first, error));
        QVERIFY2(SaveGameFile(path, second, error), qPrintable(error));
        QCOMPARE(LoadGameFile(path).game, second);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"game.morvane"});
    }

    // A file that cannot be read as a game is refused with its name.
    void loadRefusalNamesTheFile_data() {
        QTest::addColumn<QByteArray>("content");  // empty: no file at all
        QTest::addColumn<QString>("named");
        QTest::newRow("no file") << QByteArray() << QString();
        QTest::newRow("too large") << QByteArray(kSavedGameMaxBytes + 1, '\n') << QString();
        QTest::newRow("a broken line") << FileOf(Header() + QStringList{"colour red"}) << "8";
    }
    void loadRefusalNamesTheFile() {
        QFETCH(QByteArray, content);
        QFETCH(QString, named);
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("game.morvane"));
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        const SavedGameRead read = LoadGameFile(path);
        QVERIFY(!read.game);
        QVERIFY2(read.error.contains(QDir::toNativeSeparators(path)), qPrintable(read.error));
        QVERIFY2(read.error.contains(named), qPrintable(read.error));
    }

    // A save that cannot be written is told, and whatever stood at the target stays.
    void failedSaveIsToldAndKeepsTheOld_data() {
        QTest::addColumn<QString>("target");  // under the temporary folder
        QTest::newRow("a file where the folder should be") << "blocker/game.morvane";
        QTest::newRow("a folder where the file should be") << "folder.morvane";
        QTest::newRow("a read-only folder") << "read-only/game.morvane";
        QTest::newRow("a full disk") << "full/game.morvane";
    }
    void failedSaveIsToldAndKeepsTheOld() {
        QFETCH(QString, target);
        const QTemporaryDir folder;
        const QDir dir(folder.path());
        QFile blocker(dir.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(dir.mkpath(QStringLiteral("folder.morvane/inside")));
        QVERIFY(dir.mkdir(QStringLiteral("read-only")));
        const QString path = dir.filePath(target);
        const QByteArray old = WriteSavedGame(Game({"1-12"}));
        const bool full = target.startsWith(u"full");
        if (full) {
            QVERIFY(dir.mkdir(QStringLiteral("full")));
            QFile oldFile(path);
            QVERIFY(oldFile.open(QIODevice::WriteOnly));
            oldFile.write(old);
        }
        if (target.startsWith(u"read-only")) {
            QFile oldFile(path);
            QVERIFY(oldFile.open(QIODevice::WriteOnly));
            oldFile.write(old);
            oldFile.close();
            QFile::setPermissions(dir.filePath(QStringLiteral("read-only")),
                                  QFile::ReadOwner | QFile::ExeOwner);
            if (QFileInfo(dir.filePath(QStringLiteral("read-only"))).isWritable()) {
                QFile::setPermissions(dir.filePath(QStringLiteral("read-only")),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                QSKIP("this user writes into read-only folders (root)");
            }
        }
        QString error;
        std::optional<test::FullDisk> fullDisk;
        if (full) {
            fullDisk.emplace();
        }
        const bool saved = SaveGameFile(path, Game(kCircleWinsColumn1, GameEnd::CircleWins), error);
        fullDisk.reset();
        QFile::setPermissions(dir.filePath(QStringLiteral("read-only")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!saved);
        QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder.morvane/inside"))).isDir());
        if (full) {  // nothing half-written is left beside it either
            QCOMPARE(QDir(dir.filePath(QStringLiteral("full"))).entryList(QDir::Files),
                     QStringList{"game.morvane"});
        }
        if (QFileInfo(path).isFile()) {
            QFile kept(path);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), old);
        }
    }
};

QTEST_MAIN(SavedGameTest)
#include "test_saved_game.moc"
