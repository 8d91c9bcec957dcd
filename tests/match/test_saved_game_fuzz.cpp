#include <QTest>
#include <random>
#include <string_view>

#include "match/model/saved_game.h"

using namespace morvane;

namespace {

// The same cases on every run: a failure can be run again.
constexpr std::mt19937::result_type kSeed = 20261208;
constexpr int kCases = 4000;
// The bytes the format is written in.
constexpr std::string_view kFormatBytes = "0123456789 -\nabcdefghijklmnopqrstuvwxyz";

// Games at every state to mutate: no move yet, under way on terrain, won, drawn.
QList<QByteArray> SeedFiles() {
    SavedGame empty;
    SavedGame terrain;
    terrain.layout[CellIndex(4, 12)] = Block;
    terrain.layout[CellIndex(3, 6)] = Hollow;
    terrain.moves = {CellIndex(3, 6), CellIndex(4, 11), CellIndex(1, 12)};
    SavedGame won;
    won.firstTurn = kCrossTurn;
    won.moves = {CellIndex(1, 12), CellIndex(2, 12), CellIndex(1, 11), CellIndex(2, 11),
                 CellIndex(1, 10), CellIndex(2, 10), CellIndex(1, 9)};
    won.end = GameEnd::CrossWins;
    won.round = 12;
    won.wins = {4, 7};
    SavedGame drawn;
    drawn.layout.cells.fill(Block);
    drawn.layout[CellIndex(1, 12)] = Empty;
    drawn.layout[CellIndex(2, 12)] = Hollow;
    drawn.moves = {CellIndex(1, 12), CellIndex(2, 12)};
    drawn.end = GameEnd::Draw;
    return {WriteSavedGame(empty), WriteSavedGame(terrain), WriteSavedGame(won),
            WriteSavedGame(drawn)};
}

class Mutator {
public:
    explicit Mutator(std::mt19937::result_type seed) : random_(seed) {}

    // The file with one to three random changes.
    QByteArray Mutate(QByteArray text) {
        const int changes = Below(3) + 1;
        for (int n = 0; n < changes; ++n) {
            text = MutateOnce(text);
        }
        return text;
    }

private:
    int Below(qsizetype n) {
        return std::uniform_int_distribution<int>(0, static_cast<int>(n) - 1)(random_);
    }
    qsizetype Position(const QByteArray& text) { return Below(text.size() + 1); }
    char AnyByte() { return static_cast<char>(Below(256)); }

    QByteArray MutateOnce(const QByteArray& text) {
        QList<QByteArray> lines = text.split('\n');
        QByteArray changed = text;
        switch (Below(10)) {
            case 0:  // a bit flipped
                if (!changed.isEmpty()) {
                    changed[Below(text.size())] ^= static_cast<char>(1 << Below(8));
                }
                return changed;
            case 1:  // cut short
                return text.left(Position(text));
            case 2:  // a line twice
                lines.insert(Below(lines.size()), lines.at(Below(lines.size())));
                return lines.join('\n');
            case 3:  // two lines swapped
                lines.swapItemsAt(Below(lines.size()), Below(lines.size()));
                return lines.join('\n');
            case 4:  // a line gone
                lines.removeAt(Below(lines.size()));
                return lines.join('\n');
            case 5:  // a huge number
                return changed.insert(Position(text), "99999999999999999999");
            case 6:  // binary bytes
                for (int n = Below(8) + 1; n > 0; --n) {
                    changed.insert(Position(changed), AnyByte());
                }
                return changed;
            case 7:  // a very long line
                return changed.insert(Position(text), QByteArray(Below(100000) + 1, AnyByte()));
            case 8:  // a move anywhere, perhaps impossible
                lines.insert(Below(lines.size()), QByteArray("move ") +
                                                      QByteArray::number(Below(10)) + '-' +
                                                      QByteArray::number(Below(14)));
                return lines.join('\n');
            default:  // a byte changed into another of the format's
                if (!changed.isEmpty()) {
                    changed[Below(text.size())] =
                        kFormatBytes[static_cast<std::size_t>(Below(kFormatBytes.size()))];
                }
                return changed;
        }
    }

    std::mt19937 random_;
};

}  // namespace

class SavedGameFuzzTest : public QObject {
    Q_OBJECT

private slots:
    // Thousands of mutated files never crash the reader (the sanitizer builds judge that); each
    // is refused with a line and a reason, or read into a game that the writer writes and the
    // reader reads again as the same game. Both answers occur.
    void mutatedFilesAreRefusedOrReadConsistently() {
        const QList<QByteArray> seeds = SeedFiles();
        Mutator mutator(kSeed);
        int accepted = 0;
        int refused = 0;
        for (int n = 0; n < kCases; ++n) {
            const QByteArray text = mutator.Mutate(seeds.at(n % seeds.size()));
            const SavedGameRead read = ReadSavedGame(text);
            if (!read.game) {
                ++refused;
                QVERIFY2(
                    !read.error.isEmpty() && read.line >= 0 && read.line <= text.count('\n') + 1,
                    qPrintable(QStringLiteral("case %1").arg(n)));
                continue;
            }
            ++accepted;
            const SavedGameRead again = ReadSavedGame(WriteSavedGame(*read.game));
            QVERIFY2(again.game.has_value(), qPrintable(QStringLiteral("case %1: %2 on line %3")
                                                            .arg(n)
                                                            .arg(again.error)
                                                            .arg(again.line)));
            QVERIFY2(*again.game == *read.game, qPrintable(QStringLiteral("case %1").arg(n)));
        }
        QVERIFY2(accepted > kCases / 50 && refused > kCases / 2,
                 qPrintable(QStringLiteral("%1 read, %2 refused").arg(accepted).arg(refused)));
    }
};

QTEST_MAIN(SavedGameFuzzTest)
#include "test_saved_game_fuzz.moc"
