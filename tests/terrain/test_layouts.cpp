#include <QTest>
#include <algorithm>
#include <string>

#include "rules/random.h"
#include "terrain/layouts/area_layouts.h"
#include "terrain/layouts/area_preview.h"
#include "terrain/layouts/area_string.h"
#include "terrain/layouts/count_text.h"

using namespace morvane;

Q_DECLARE_METATYPE(std::u16string)

namespace {

int CountCode(const Board& board, std::int16_t code) {
    return static_cast<int>(std::ranges::count(board.cells, code));
}

// One row of a board, column 1 first.
std::array<std::int16_t, kColumns> Row(const Board& board, int y) {
    std::array<std::int16_t, kColumns> row{};
    for (int x = 1; x <= kColumns; ++x) {
        row[static_cast<std::size_t>(x - 1)] = board[CellIndex(x, y)];
    }
    return row;
}

QString Show(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

class LayoutsTest : public QObject {
    Q_OBJECT

private slots:
    // Every built-in layout is exactly its documented text, with its numbers of ◇ and ■.
    void builtInLayoutsHoldTheirHollowsAndBlocks_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("hollows");
        QTest::addColumn<int>("blocks");
        QTest::addColumn<QString>("codes");  // the whole layout, row by row from the top
        QTest::newRow("Hell") << int(HellArea) << 11 << 0
                              << "100101010000000000000000000000000010001000001000"
                                 "000000000000000010000001000000000100001000000000";
        QTest::newRow("Heven") << int(HevenArea) << 0 << 7
                               << "000000008000000000800000000080000000000000000080"
                                  "000000000000080000080000080000000000000000000000";
        QTest::newRow("Stone") << int(StoneArea) << 0 << 9
                               << "000000000800000000000000000000000000808000000800"
                                  "000000000808000000800000000008000000000000000800";
        QTest::newRow("Insecter") << int(InsecterArea) << 12 << 1
                                  << "010000000100000000000100000000000001000000010000"
                                     "000000100108010101000000000000000000101000000000";
        QTest::newRow("Mine") << int(MineArea) << 14 << 2
                              << "000000000000010008000000000001010010000000100000"
                                 "118110000010000000100000000010100000000000001000";
        QTest::newRow("Whirlpool") << int(WhirlpoolArea) << 19 << 8
                                   << "000000108800000100118000000001000100010010100800"
                                      "800001000181800000000001100000100118110000000000";
        QTest::newRow("None") << int(NoArea) << 0 << 0 << QString(96, u'0');
    }
    void builtInLayoutsHoldTheirHollowsAndBlocks() {
        QFETCH(int, option);
        QFETCH(int, hollows);
        QFETCH(int, blocks);
        QFETCH(QString, codes);
        const auto layout = FixedLayout(option);
        QVERIFY(layout.has_value());
        QCOMPARE(Show(*layout), codes);
        const Board board = ReadAreaString(*layout);
        QCOMPARE(CountCode(board, Hollow), hollows);
        QCOMPARE(CountCode(board, Block), blocks);
        QCOMPARE(CountCode(board, Empty), 96 - hollows - blocks);
    }

    // Random and Original are made elsewhere and have no fixed text.
    void randomAndOriginalHaveNoFixedLayout() {
        QVERIFY(!FixedLayout(RandomArea).has_value());
        QVERIFY(!FixedLayout(OriginalArea).has_value());
    }

    // Cells must land in index order: the text runs through the rows from the top.
    void builtInRowsLandWhereTheyBelong() {
        using R = std::array<std::int16_t, kColumns>;
        const Board hell = ReadAreaString(*FixedLayout(HellArea));
        QCOMPARE(Row(hell, 1), (R{Hollow, Empty, Empty, Hollow, Empty, Hollow, Empty, Hollow}));
        QCOMPARE(Row(hell, 12), R{});
        QCOMPARE(Row(hell, 11), (R{Empty, Hollow, Empty, Empty, Empty, Empty, Hollow, Empty}));
        const Board whirlpool = ReadAreaString(*FixedLayout(WhirlpoolArea));
        QCOMPARE(Row(whirlpool, 1), (R{Empty, Empty, Empty, Empty, Empty, Empty, Hollow, Empty}));
        QCOMPARE(Row(whirlpool, 8), (R{Empty, Hollow, Block, Hollow, Block, Empty, Empty, Empty}));
    }

    // The reading rule: short text leaves Empty cells, anything but a layout digit is Empty,
    // characters after the 96th are ignored.
    void readingAreaStringFollowsTheRule_data() {
        QTest::addColumn<std::u16string>("text");
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("code");
        const std::u16string full(96, u'8');
        QTest::newRow("short text: given cell") << std::u16string(u"0818") << 3 << int(Block);
        QTest::newRow("short text: rest empty") << std::u16string(u"0818") << 4 << int(Empty);
        QTest::newRow("empty text") << std::u16string() << 95 << int(Empty);
        QTest::newRow("letter") << std::u16string(u"1a1") << 1 << int(Empty);
        QTest::newRow("after a letter") << std::u16string(u"1a1") << 2 << int(Hollow);
        QTest::newRow("full-width digit") << std::u16string(u"８") << 0 << int(Empty);
        QTest::newRow("circle unit") << std::u16string(u"02") << 1 << int(CircleUnit);
        QTest::newRow("cross unit") << std::u16string(u"03") << 1 << int(CrossUnit);
        QTest::newRow("win mark 4") << std::u16string(u"4") << 0 << int(Empty);
        QTest::newRow("win mark 5") << std::u16string(u"5") << 0 << int(Empty);
        QTest::newRow("dim mark 6") << std::u16string(u"6") << 0 << int(Empty);
        QTest::newRow("dim mark 7") << std::u16string(u"7") << 0 << int(Empty);
        QTest::newRow("no code 9") << std::u16string(u"9") << 0 << int(Empty);
        QTest::newRow("97 characters: last cell") << full + u"1" << 95 << int(Block);
    }
    void readingAreaStringFollowsTheRule() {
        QFETCH(std::u16string, text);
        QFETCH(int, cell);
        QFETCH(int, code);
        QCOMPARE(int(ReadAreaString(text)[cell]), code);
    }

    // Text past the 96th character must not reach the board or shift any cell.
    void charactersAfterThe96thAreIgnored() {
        const std::u16string layout(*FixedLayout(MineArea));
        QCOMPARE(ReadAreaString(layout + u"8888"), ReadAreaString(layout));
    }

    // Writing gives 96 digits that read back to the same board.
    void writingGivesNinetySixDigitsThatReadBack() {
        Board board = ReadAreaString(*FixedLayout(WhirlpoolArea));
        board[CellIndex(1, 12)] = CircleUnit;
        board[CellIndex(8, 12)] = CrossUnit;
        const std::u16string text = WriteAreaString(board);
        QCOMPARE(text.size(), std::size_t{96});
        QCOMPARE(Show(text.substr(88)), QStringLiteral("20000003"));
        QCOMPARE(ReadAreaString(text), board);
        QCOMPARE(Show(WriteAreaString(Board{})), Show(EmptyAreaString()));
    }

    // A random layout draws every ■ before any ◇, each draw a column then a row.
    void randomLayoutDrawsBlocksThenHollowsColumnThenRow_data() {
        QTest::addColumn<int>("hollows");
        QTest::addColumn<int>("blocks");
        QTest::newRow("defaults") << 6 << 6;
        QTest::newRow("at creation") << 8 << 8;
        QTest::newRow("only blocks") << 0 << 40;
        QTest::newRow("many of both") << 96 << 96;
    }
    void randomLayoutDrawsBlocksThenHollowsColumnThenRow() {
        QFETCH(int, hollows);
        QFETCH(int, blocks);
        constexpr std::uint64_t kSeed = 20240607;
        SeedRandomForTesting(kSeed);
        const Board made = MakeRandomLayout(hollows, blocks);

        SeedRandomForTesting(kSeed);
        Board expected;
        for (int draw = 0; draw < blocks + hollows; ++draw) {
            const int x = RandomUpTo(7) + 1;
            const int y = RandomUpTo(11) + 1;
            expected[CellIndex(x, y)] = draw < blocks ? Block : Hollow;
        }
        QCOMPARE(made, expected);
        QVERIFY(CountCode(made, Block) <= blocks);
        QVERIFY(CountCode(made, Hollow) <= hollows);
        QCOMPARE(CountCode(made, Empty) + CountCode(made, Block) + CountCode(made, Hollow), 96);
    }

    // No draws give an empty board.
    void randomLayoutWithNoDrawsIsEmpty() { QCOMPARE(MakeRandomLayout(0, 0), Board{}); }

    // The preview shows 12 lines of 8 full-width characters, top row first.
    void previewShowsEachRowAsFullWidthCharacters() {
        const std::u16string empty = PreviewText(Board{});
        std::u16string expected;
        for (int y = 0; y < 12; ++y) {
            expected.append(8, u'\u3000').push_back(u'\n');
        }
        QCOMPARE(Show(empty), Show(expected));

        Board board;
        board[CellIndex(1, 1)] = Hollow;
        board[CellIndex(2, 1)] = CircleUnit;
        board[CellIndex(3, 1)] = CrossUnit;
        board[CellIndex(8, 1)] = Block;
        board[CellIndex(1, 12)] = CircleWin;  // shows nothing
        const std::u16string text = PreviewText(board);
        QCOMPARE(Show(text.substr(0, 9)), QStringLiteral("◇○×\u3000\u3000\u3000\u3000■\n"));
        QCOMPARE(Show(text.substr(text.size() - 8)),
                 QStringLiteral("\u3000\u3000\u3000\u3000\u3000\u3000\u3000\n"));
    }

    // A typed count is the number at the start of the text, rounded half to even, kept 0..96.
    void typedCountIsRoundedAndKeptInRange_data() {
        QTest::addColumn<std::u16string>("text");
        QTest::addColumn<int>("count");
        QTest::newRow("plain") << std::u16string(u"12") << 12;
        QTest::newRow("above the range") << std::u16string(u"200") << 96;
        QTest::newRow("far above") << std::u16string(u"123456789012345678901234567890") << 96;
        QTest::newRow("largest") << std::u16string(u"96") << 96;
        QTest::newRow("minus") << std::u16string(u"-3") << 0;
        QTest::newRow("minus sign") << std::u16string(u"−3") << 0;
        QTest::newRow("letters") << std::u16string(u"abc") << 0;
        QTest::newRow("empty") << std::u16string() << 0;
        QTest::newRow("half to even below") << std::u16string(u"12.5") << 12;
        QTest::newRow("half to even above") << std::u16string(u"13.5") << 14;
        QTest::newRow("past the half") << std::u16string(u"12.5000001") << 13;
        QTest::newRow("below the half") << std::u16string(u"13.4999") << 13;
        QTest::newRow("half of 95") << std::u16string(u"95.5") << 96;
        QTest::newRow("half of zero") << std::u16string(u"0.5") << 0;
        QTest::newRow("point only") << std::u16string(u".7") << 1;
        QTest::newRow("leading spaces") << std::u16string(u"  7") << 7;
        QTest::newRow("number then letters") << std::u16string(u"9x5") << 9;
        QTest::newRow("plus sign") << std::u16string(u"+4") << 4;
        QTest::newRow("full-width digits") << std::u16string(u"２０") << 20;
    }
    void typedCountIsRoundedAndKeptInRange() {
        QFETCH(std::u16string, text);
        QFETCH(int, count);
        QCOMPARE(ReadCountText(text), count);
    }
};

QTEST_APPLESS_MAIN(LayoutsTest)
#include "test_layouts.moc"
