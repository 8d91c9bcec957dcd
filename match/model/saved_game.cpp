#include "match/model/saved_game.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cassert>

#include "match/model/battle_log.h"
#include "match/model/saved_game_format.h"
#include "terrain/layouts/area_string.h"

namespace morvane {
namespace {

using namespace saved_game_format;

QString FileName(const QString& path) { return QDir::toNativeSeparators(path); }

QByteArray Bytes(std::string_view word) { return View(word).toByteArray(); }

// One line of the file: the key and its values, parted by spaces.
QByteArray KeyLine(std::string_view key, std::initializer_list<QByteArray> values) {
    QByteArray line = Bytes(key);
    for (const QByteArray& value : values) {
        line += ' ' + value;
    }
    return line + '\n';
}

// The end's word for the `result` line.
std::string_view EndWord(GameEnd end) {
    switch (end) {
        case GameEnd::CircleWins:
            return kSideWords[0];
        case GameEnd::CrossWins:
            return kSideWords[1];
        case GameEnd::Draw:
            break;
    }
    return kDrawWord;
}

}  // namespace

std::optional<int> saved_game_format::ParseNumber(QByteArrayView text, int minimum, int maximum) {
    const bool digits =
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits || text.isEmpty() || text.size() > 3 || (text.size() > 1 && text.front() == '0')) {
        return std::nullopt;
    }
    const int value = text.toInt();
    if (value < minimum || value > maximum) {
        return std::nullopt;
    }
    return value;
}

QString CellNotation(int index) {
    return QStringLiteral("%1-%2").arg(CellX(index)).arg(CellY(index));
}

std::optional<int> ParseCellNotation(QStringView text) {
    const QByteArray latin1 = text.toLatin1();  // anything else becomes '?', which no cell has
    const qsizetype dash = latin1.indexOf('-');
    if (dash < 0) {
        return std::nullopt;
    }
    const std::optional<int> x = ParseNumber(QByteArrayView(latin1).first(dash), 1, kColumns);
    const std::optional<int> y = ParseNumber(QByteArrayView(latin1).sliced(dash + 1), 1, kRows);
    if (!x || !y) {
        return std::nullopt;
    }
    return CellIndex(*x, *y);
}

QByteArray WriteSavedGame(const SavedGame& game) {
    QByteArray text = QByteArray(kSavedGameFormat) + '\n';
    text +=
        KeyLine(kLayoutKey, {QString::fromStdU16String(WriteAreaString(game.layout)).toLatin1()});
    for (std::size_t side = 0; side < kSideWords.size(); ++side) {
        assert(game.players[side] != PlayerKind::Network);
        text += KeyLine(kSideWords[side],
                        {Bytes(kKindWords[static_cast<std::size_t>(game.players[side])]),
                         QByteArray::number(game.pictures[side])});
    }
    text += KeyLine(kFirstKey, {Bytes(SideWord(game.firstTurn))});
    text += KeyLine(kRoundKey, {QByteArray::number(game.round)});
    text += KeyLine(kWinsKey, {QByteArray::number(game.wins[0]), QByteArray::number(game.wins[1])});
    for (const int cell : game.moves) {
        text += KeyLine(kMoveKey, {CellNotation(cell).toLatin1()});
    }
    if (game.end) {
        text += KeyLine(kResultKey, {Bytes(EndWord(*game.end))});
    }
    return text;
}

Board BoardAfter(const SavedGame& game, int plies) {
    assert(plies >= 0 && static_cast<std::size_t>(plies) <= game.moves.size());
    Board board = game.layout;
    for (int ply = 0; ply < plies; ++ply) {
        PlaceUnit(board, game.moves[static_cast<std::size_t>(ply)], TurnAfter(game, ply));
    }
    return board;
}

Turn TurnAfter(const SavedGame& game, int plies) {
    return plies % 2 == 0 ? game.firstTurn : -game.firstTurn;
}

SavedGameRead LoadGameFile(const QString& path) {
    QFile file(path);
    SavedGameRead read;
    if (!file.open(QIODevice::ReadOnly)) {
        read.error = QCoreApplication::translate("morvane::SavedGame", "「%1」を開けません：%2")
                         .arg(FileName(path), file.errorString());
        qCWarning(battleLog) << "game file not opened:" << path << file.errorString();
        return read;
    }
    // One byte past the limit tells a file that is too large, whatever its reported size.
    const QByteArray text = file.read(kSavedGameMaxBytes + 1);
    if (text.size() > kSavedGameMaxBytes) {
        read.error =
            QCoreApplication::translate(
                "morvane::SavedGame", "「%1」はゲームファイルにしては大きすぎます（%2バイトまで）")
                .arg(FileName(path), QString::number(kSavedGameMaxBytes));
        return read;
    }
    read = ReadSavedGame(text);
    if (!read.game) {
        qCWarning(battleLog) << "game file refused:" << path << "line" << read.line << read.error;
        read.error = read.line > 0
                         ? QCoreApplication::translate("morvane::SavedGame", "「%1」の%2行目：%3")
                               .arg(FileName(path), QString::number(read.line), read.error)
                         : QCoreApplication::translate("morvane::SavedGame", "「%1」：%2")
                               .arg(FileName(path), read.error);
    }
    return read;
}

bool SaveGameFile(const QString& path, const SavedGame& game, QString& error) {
    QSaveFile file(path);
    const QByteArray text = WriteSavedGame(game);
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit()) {
        return true;
    }
    error = QCoreApplication::translate("morvane::SavedGame", "「%1」に保存できません：%2")
                .arg(FileName(path), file.errorString());
    qCWarning(battleLog) << "game file not saved:" << path << file.errorString();
    return false;
}

}  // namespace morvane
