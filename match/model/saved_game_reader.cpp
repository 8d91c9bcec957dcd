// The game file's reader: takes any bytes, however broken or hostile, and either gives a game
// that can have been played or names the first line that is wrong. It allocates only within
// fixed bounds (a line count and a line length) and never looks past them.
#include <QCoreApplication>
#include <QList>
#include <algorithm>

#include "match/model/game_record.h"
#include "match/model/saved_game.h"
#include "match/model/saved_game_format.h"
#include "terrain/layouts/area_string.h"

namespace morvane {
namespace {

using namespace saved_game_format;

// Every key once, 96 moves and room for some blank lines; a longer file is refused there.
constexpr int kMostLines = 128;
// The layout line, the longest a game needs, has 103 characters.
constexpr qsizetype kLongestLine = 160;
// What some editors put before the first line.
constexpr QByteArrayView kByteOrderMark = "\xEF\xBB\xBF";
// The first line of a game file of any version.
constexpr QByteArrayView kFormatName = "Morvane game ";

// The keys that appear once, and how many values follow each.
enum class Key { Layout, Circle, Cross, First, Round, Wins, Result, Id };
struct KeyRule {
    std::string_view word;
    qsizetype values;
};
constexpr std::array<KeyRule, 8> kKeyRules{{
    {kLayoutKey, 1},
    {kSideWords[0], 2},
    {kSideWords[1], 2},
    {kFirstKey, 1},
    {kRoundKey, 1},
    {kWinsKey, 2},
    {kResultKey, 1},
    {kIdKey, 1},
}};
constexpr std::array<Key, 6> kRequiredKeys{Key::Layout, Key::Circle, Key::Cross,
                                           Key::First,  Key::Round,  Key::Wins};

const KeyRule& RuleOf(Key key) { return kKeyRules[static_cast<std::size_t>(key)]; }

QString Text(QByteArrayView view) { return QString::fromLatin1(view); }

// Printable ASCII and tabs only: every word of the format is ASCII.
bool HoldsOnlyFormatCharacters(QByteArrayView line) {
    return std::all_of(line.begin(), line.end(),
                       [](char c) { return c == '\t' || (c >= ' ' && c <= '~'); });
}

// The words of a line, split at spaces and tabs.
QList<QByteArrayView> Words(QByteArrayView line) {
    QList<QByteArrayView> words;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == ' ' || line[i] == '\t') {
            if (i > start) {
                words << line.sliced(start, i - start);
            }
            start = i + 1;
        }
    }
    return words;
}

// The index of the word in the list, or nothing.
template <std::size_t N>
std::optional<std::size_t> WordIndex(const std::array<std::string_view, N>& list,
                                     QByteArrayView word) {
    for (std::size_t i = 0; i < N; ++i) {
        if (word == View(list[i])) {
            return i;
        }
    }
    return std::nullopt;
}

// A wrong line: its number (0 for the file as a whole) and why.
struct Refusal {
    int line;
    QString why;
};
using Judgement = std::optional<Refusal>;  // nothing when all is well

class GameReader {
    Q_DECLARE_TR_FUNCTIONS(morvane::SavedGame)

public:
    // Reads every line into the game, or refuses the first wrong one.
    Judgement ReadLines(const QByteArray& text);
    // Checks that the game read can have been played: what is missing, the moves and the end.
    Judgement Replay();
    const SavedGame& game() const { return game_; }

private:
    static Judgement ReadFirstLine(QByteArrayView line);
    Judgement ReadLine(int number, QByteArrayView line);
    Judgement ReadMove(int number, const QList<QByteArrayView>& values);
    Judgement ReadValues(Key key, int number, const QList<QByteArrayView>& values);
    Judgement ReadLayout(int number, QByteArrayView value);
    Judgement ReadPlayer(int side, int number, const QList<QByteArrayView>& values);
    static Judgement WrongNumbers(Key key, int number, int minimum, int maximum);
    Judgement CheckResult();

    struct Move {
        int line;
        int cell;
    };

    SavedGame game_;
    std::array<int, kKeyRules.size()> seenOn_{};  // the line of each key, 0 while unseen
    std::vector<Move> moves_;                     // at most kMostLines
    std::optional<GameEnd> result_;
};

Judgement GameReader::ReadLines(const QByteArray& text) {
    const QByteArrayView all(text);
    int number = 0;
    qsizetype start = 0;
    while (number == 0 || start < all.size()) {
        ++number;
        if (number > kMostLines) {
            return Refusal{number, tr("行が多すぎます")};
        }
        // The end of the line is looked for only as far as a line may reach (a CR and an LF
        // past the longest), so that no input, however large, is read further than 128 lines.
        const QByteArrayView rest = all.sliced(start);
        QByteArrayView line = rest.first(std::min(rest.size(), kLongestLine + 2));
        const qsizetype end = line.indexOf('\n');
        if (end >= 0) {
            line.truncate(end);
        } else if (line.size() < rest.size()) {
            return Refusal{number, tr("行が長すぎます")};
        }
        start += line.size() + 1;
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        if (line.size() > kLongestLine) {
            return Refusal{number, tr("行が長すぎます")};
        }
        Judgement verdict;
        if (number == 1) {
            verdict = ReadFirstLine(line);
        } else if (!HoldsOnlyFormatCharacters(line)) {
            verdict = Refusal{number, tr("ゲームファイルに使えない文字があります")};
        } else {
            verdict = ReadLine(number, line);
        }
        if (verdict) {
            return verdict;
        }
    }
    return std::nullopt;
}

Judgement GameReader::ReadFirstLine(QByteArrayView line) {
    if (line.startsWith(kByteOrderMark)) {
        line = line.sliced(kByteOrderMark.size());
    }
    if (line == QByteArrayView(kSavedGameFormat)) {
        return std::nullopt;
    }
    if (line.startsWith(kFormatName)) {
        return Refusal{1, tr("このMorvaneでは読めない版のゲームファイルです")};
    }
    return Refusal{1, tr("ゲームファイルではありません")};
}

Judgement GameReader::ReadLine(int number, QByteArrayView line) {
    const QList<QByteArrayView> words = Words(line);
    if (words.isEmpty()) {
        return std::nullopt;  // blank lines may part the items
    }
    const QByteArrayView keyWord = words.front();
    const QList<QByteArrayView> values = words.sliced(1);
    if (keyWord == View(kMoveKey)) {
        return ReadMove(number, values);
    }
    const auto found = std::find_if(kKeyRules.begin(), kKeyRules.end(), [&](const KeyRule& rule) {
        return keyWord == View(rule.word);
    });
    if (found == kKeyRules.end()) {
        return Refusal{number, tr("「%1」は知らない項目です").arg(Text(keyWord))};
    }
    const auto index = static_cast<std::size_t>(found - kKeyRules.begin());
    if (seenOn_[index] != 0) {
        return Refusal{
            number,
            tr("「%1」は%2行目にもあります").arg(Text(keyWord), QString::number(seenOn_[index]))};
    }
    seenOn_[index] = number;
    if (values.size() != found->values) {
        return Refusal{number, tr("「%1」の値の数が違います").arg(Text(keyWord))};
    }
    return ReadValues(static_cast<Key>(index), number, values);
}

Judgement GameReader::ReadMove(int number, const QList<QByteArrayView>& values) {
    if (values.size() != 1) {
        return Refusal{number, tr("「%1」の値の数が違います").arg(Text(View(kMoveKey)))};
    }
    const std::optional<int> cell = ParseCellNotation(Text(values.front()));
    if (!cell) {
        return Refusal{number, tr("「%1」は盤にないマスです").arg(Text(values.front()))};
    }
    moves_.push_back({number, *cell});
    return std::nullopt;
}

Judgement GameReader::ReadValues(Key key, int number, const QList<QByteArrayView>& values) {
    switch (key) {
        case Key::Layout:
            return ReadLayout(number, values.front());
        case Key::Circle:
            return ReadPlayer(0, number, values);
        case Key::Cross:
            return ReadPlayer(1, number, values);
        case Key::First: {
            const std::optional<std::size_t> side = WordIndex(kSideWords, values.front());
            if (!side) {
                return Refusal{number, tr("先攻は circle か cross です")};
            }
            game_.firstTurn = *side == 0 ? kCircleTurn : kCrossTurn;
            return std::nullopt;
        }
        case Key::Round: {
            const std::optional<int> round = ParseNumber(values.front(), kFirstRound, kLastRound);
            if (!round) {
                return WrongNumbers(key, number, kFirstRound, kLastRound);
            }
            game_.round = *round;
            return std::nullopt;
        }
        case Key::Wins:
            for (std::size_t side = 0; side < game_.wins.size(); ++side) {
                const std::optional<int> wins =
                    ParseNumber(values[static_cast<qsizetype>(side)], 0, kMostWins);
                if (!wins) {
                    return WrongNumbers(key, number, 0, kMostWins);
                }
                game_.wins[side] = *wins;
            }
            return std::nullopt;
        case Key::Id: {
            const QByteArrayView id = values.front();
            const bool hex = std::all_of(id.begin(), id.end(), [](char c) {
                return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
            });
            if (id.size() != kGameIdLength || !hex) {
                return Refusal{number,
                               tr("「%1」は%2桁の16進数です")
                                   .arg(Text(View(kIdKey)), QString::number(kGameIdLength))};
            }
            game_.id = Text(id);
            return std::nullopt;
        }
        case Key::Result: {
            if (values.front() == View(kDrawWord)) {
                result_ = GameEnd::Draw;
                return std::nullopt;
            }
            const std::optional<std::size_t> side = WordIndex(kSideWords, values.front());
            if (!side) {
                return Refusal{number, tr("結果は circle・cross・draw のどれかです")};
            }
            result_ = *side == 0 ? GameEnd::CircleWins : GameEnd::CrossWins;
            return std::nullopt;
        }
    }
    return std::nullopt;
}

Judgement GameReader::ReadLayout(int number, QByteArrayView value) {
    const bool layoutCodes = std::all_of(value.begin(), value.end(), [](char c) {
        return c == '0' || c == '1' || c == '2' || c == '3' || c == '8';
    });
    if (value.size() != kAreaStringLength || !layoutCodes) {
        return Refusal{number, tr("地形は0・1・2・3・8の数字96桁です")};
    }
    game_.layout = ReadAreaString(Text(value).toStdU16String());
    if (CountFreeCells(game_.layout) == 0) {
        return Refusal{number, tr("地形に空きマスがありません")};
    }
    return std::nullopt;
}

Judgement GameReader::ReadPlayer(int side, int number, const QList<QByteArrayView>& values) {
    const auto s = static_cast<std::size_t>(side);
    const std::optional<std::size_t> kind = WordIndex(kKindWords, values[0]);
    if (!kind) {
        return Refusal{number, tr("プレイヤーの種類は mouse・keyboard・easy・normal・hard・"
                                  "expert・master のどれかです")};
    }
    game_.players[s] = static_cast<PlayerKind>(*kind);
    const std::optional<int> picture = ParseNumber(values[1], kFirstPicture, kLastPicture);
    if (!picture) {
        return Refusal{number,
                       tr("絵の番号は%1～%2です")
                           .arg(QString::number(kFirstPicture), QString::number(kLastPicture))};
    }
    game_.pictures[s] = *picture;
    return std::nullopt;
}

Judgement GameReader::WrongNumbers(Key key, int number, int minimum, int maximum) {
    return Refusal{number, tr("「%1」の数は%2～%3です")
                               .arg(Text(View(RuleOf(key).word)), QString::number(minimum),
                                    QString::number(maximum))};
}

Judgement GameReader::Replay() {
    for (const Key key : kRequiredKeys) {
        if (seenOn_[static_cast<std::size_t>(key)] == 0) {
            return Refusal{0, tr("「%1」の行がありません").arg(Text(View(RuleOf(key).word)))};
        }
    }
    Board board = game_.layout;
    for (const Move& move : moves_) {
        if (game_.end) {
            return Refusal{move.line, tr("決着の後の手です")};
        }
        if (!CanPlace(board, move.cell)) {
            return Refusal{move.line, tr("%1には置けません").arg(CellNotation(move.cell))};
        }
        const Turn mover = TurnAfter(game_, static_cast<int>(game_.moves.size()));
        game_.end = EndOf(PlaceUnit(board, move.cell, mover), mover);
        game_.moves.push_back(move.cell);
    }
    return CheckResult();
}

Judgement GameReader::CheckResult() {
    const int resultLine = seenOn_[static_cast<std::size_t>(Key::Result)];
    if (resultLine == 0) {
        if (game_.end) {
            return Refusal{moves_.back().line,
                           tr("最後の手で決着していますが、結果の行がありません")};
        }
        return std::nullopt;
    }
    if (!game_.end) {
        return Refusal{resultLine, tr("決着していないのに結果があります")};
    }
    if (*game_.end != *result_) {
        return Refusal{resultLine, tr("結果が盤面と合いません")};
    }
    return std::nullopt;
}

}  // namespace

SavedGameRead ReadSavedGame(const QByteArray& text) {
    GameReader reader;
    Judgement verdict = reader.ReadLines(text);
    if (!verdict) {
        verdict = reader.Replay();
    }
    if (verdict) {
        return {std::nullopt, verdict->line, verdict->why};
    }
    return {reader.game(), 0, {}};
}

}  // namespace morvane
