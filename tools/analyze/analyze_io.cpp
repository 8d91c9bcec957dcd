#include "tools/analyze/analyze_io.h"

#include <QJsonDocument>

namespace morvane::analyze {
namespace {

constexpr int kMaxCountDigits = 9;  // keeps every accepted count within int
// The most games a ladder plays, so that a mistyped count cannot keep it busy for days.
constexpr int kMaxGames = 1'000'000;

bool AllDigits(const QString& text) {
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    return !text.isEmpty();
}

// The text with every control character and line or paragraph separator written as an escape
// (\n, \r, \t, \xHH or \u{HHHH}, and a backslash as \\), so that an echoed argument cannot
// break the one-line error or send codes to a terminal.
QString EscapeControls(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code == u'\\') {
            escaped += QStringLiteral("\\\\");
        } else if (code == u'\n') {
            escaped += QStringLiteral("\\n");
        } else if (code == u'\r') {
            escaped += QStringLiteral("\\r");
        } else if (code == u'\t') {
            escaped += QStringLiteral("\\t");
        } else if (c.category() == QChar::Other_Control) {  // C0, DEL and C1: all below 0x100
            escaped += QStringLiteral("\\x%1").arg(uint{code}, 2, 16, QLatin1Char('0'));
        } else if (c.category() == QChar::Separator_Line ||
                   c.category() == QChar::Separator_Paragraph) {
            escaped += QStringLiteral("\\u{%1}").arg(uint{code}, 4, 16, QLatin1Char('0'));
        } else {
            escaped += c;
        }
    }
    return escaped;
}

}  // namespace

std::optional<int> ParseNumber(const QString& text, int low, int high, const char* name,
                               QString& error) {
    if (!AllDigits(text) || text.size() > kMaxCountDigits || text.toInt() < low ||
        text.toInt() > high) {
        error = QStringLiteral("%1 must be a number from %2 to %3, not \"%4\"")
                    .arg(QLatin1String(name))
                    .arg(low)
                    .arg(high)
                    .arg(text);
        return std::nullopt;
    }
    return text.toInt();
}

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
    return ParseNumber(text, 1, kMaxGames, name, error);
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
    return {0, QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n', {}, {}};
}

Answer ErrorAnswer(const QString& message) {
    return {
        kBadArguments, {}, "morvane-analyze: " + EscapeControls(message).toLocal8Bit() + '\n', {}};
}

}  // namespace morvane::analyze
