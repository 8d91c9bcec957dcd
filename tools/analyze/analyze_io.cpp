#include "tools/analyze/analyze_io.h"

#include <QJsonDocument>

namespace morvane::analyze {
namespace {

constexpr int kMaxCountDigits = 9;  // keeps every accepted count within int

bool AllDigits(const QString& text) {
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    return !text.isEmpty();
}

// A plain decimal number (no sign, no spaces) in [low, high].
std::optional<int> ParseNumber(const QString& text, int low, int high, const char* what,
                               QString& error) {
    if (!AllDigits(text) || text.size() > kMaxCountDigits || text.toInt() < low ||
        text.toInt() > high) {
        error = QStringLiteral("%1 must be a number from %2 to %3, not \"%4\"")
                    .arg(QLatin1String(what))
                    .arg(low)
                    .arg(high)
                    .arg(text);
        return std::nullopt;
    }
    return text.toInt();
}

}  // namespace

std::optional<Board> ParseBoard(const QString& text, QString& error) {
    if (text.size() != kCellCount) {
        error = QStringLiteral("BOARD must be %1 digits 0-8, not %2 characters")
                    .arg(kCellCount)
                    .arg(text.size());
        return std::nullopt;
    }
    Board board;
    for (int cell = 0; cell < kCellCount; ++cell) {
        const QChar c = text[cell];
        if (c < QLatin1Char('0') || c > QChar(QLatin1Char('0').unicode() + Block)) {
            error = QStringLiteral("BOARD character %1 is \"%2\", not a digit 0-8")
                        .arg(cell + 1)
                        .arg(c);
            return std::nullopt;
        }
        board[cell] = static_cast<std::int16_t>(c.unicode() - '0');
    }
    return board;
}

std::optional<int> ParseCell(const QString& text, QString& error) {
    return ParseNumber(text, 0, kCellCount - 1, "CELL", error);
}

std::optional<Turn> ParseSide(const QString& text, QString& error) {
    if (text == QLatin1String("o")) {
        return kCircleTurn;
    }
    if (text == QLatin1String("x")) {
        return kCrossTurn;
    }
    error = QStringLiteral("SIDE must be o or x, not \"%1\"").arg(text);
    return std::nullopt;
}

std::optional<ComputerLevel> ParseLevel(const QString& text, QString& error) {
    const std::optional<int> index =
        ParseNumber(text, 0, static_cast<int>(kHighestComputerLevel), "LEVEL", error);
    if (!index) {
        return std::nullopt;
    }
    return ComputerLevelFromIndex(*index);
}

std::optional<TerrainOption> ParseTerrain(const QString& text, QString& error) {
    if (text == QLatin1String("on")) {
        return TerrainOption::On;
    }
    if (text == QLatin1String("off")) {
        return TerrainOption::Off;
    }
    error = QStringLiteral("TERRAIN must be on or off, not \"%1\"").arg(text);
    return std::nullopt;
}

std::optional<int> ParsePositiveCount(const QString& text, const char* name, QString& error) {
    constexpr int kMaxCount = 999999999;
    return ParseNumber(text, 1, kMaxCount, name, error);
}

QString AreaStringOf(const Board& board) {
    QString text;
    text.reserve(kCellCount);
    for (const std::int16_t code : board.cells) {
        text += QChar(QLatin1Char('0').unicode() + code);
    }
    return text;
}

QJsonArray ToJson(const CellList& cells) {
    QJsonArray array;
    for (const int cell : cells) {
        array.append(cell);
    }
    return array;
}

Answer JsonAnswer(const QJsonObject& object) {
    return {0, QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n', {}};
}

Answer ErrorAnswer(const QString& message) {
    return {kBadArguments, {}, "morvane-analyze: " + message.toLocal8Bit() + '\n'};
}

}  // namespace morvane::analyze
