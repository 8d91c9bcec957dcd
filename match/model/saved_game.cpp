#include "match/model/saved_game.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUuid>
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
    if (!game.id.isEmpty()) {
        text += KeyLine(kIdKey, {game.id.toLatin1()});
    }
    return text;
}

QString NewGameId() { return QUuid::createUuid().toString(QUuid::Id128); }

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
    // Opening a FIFO or a device waits for a writer that may never come: only a regular file,
    // or a link to one, is opened. QFileInfo looks through links.
    const QFileInfo info(path);
    const bool regular = !info.exists() || info.isFile();
    if (!regular || !file.open(QIODevice::ReadOnly)) {
        const QString reason = regular ? file.errorString()
                                       : QCoreApplication::translate(
                                             "morvane::SavedGame", "通常のファイルではありません");
        read.error = QCoreApplication::translate("morvane::SavedGame", "「%1」を開けません：%2")
                         .arg(FileName(path), reason);
        qCWarning(battleLog) << "game file not opened:" << path << reason;
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
    QString reason;
    bool saved = file.open(QIODevice::WriteOnly);
    if (saved) {
        // The write only fills a buffer: a full disk shows when the buffer is flushed. commit()
        // flushes too but does not see that failure, and would put the short file in place.
        saved =
            file.write(text) == text.size() && file.flush() && file.error() == QFileDevice::NoError;
        if (!saved) {
            reason = file.errorString();
            file.cancelWriting();
        }
        saved = file.commit() && saved;
    }
    if (saved) {
        return true;
    }
    error = QCoreApplication::translate("morvane::SavedGame", "「%1」に保存できません：%2")
                .arg(FileName(path), reason.isEmpty() ? file.errorString() : reason);
    qCWarning(battleLog) << "game file not saved:" << error;
    return false;
}

}  // namespace morvane
