#include "tools/analyze/extra_commands.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <optional>

#include "extra/engine/ex_board.h"
#include "extra/engine/ex_search.h"
#include "tools/analyze/analyze_io.h"

namespace morvane::analyze {
namespace {

std::optional<ExBoard> ParseExBoard(const QString& text, QString& error) {
    if (text.size() != kExCellCount) {
        error = QStringLiteral("BOARD must be %1 digits 0-%2, not %3 characters")
                    .arg(kExCellCount)
                    .arg(kExHighestCode)
                    .arg(text.size());
        return std::nullopt;
    }
    ExBoard board;
    for (int cell = 0; cell < kExCellCount; ++cell) {
        const int code = text[cell].unicode() - '0';
        if (code < 0 || code > kExHighestCode) {
            error = QStringLiteral("BOARD character %1 is \"%2\", not a digit 0-%3")
                        .arg(cell + 1)
                        .arg(text[cell])
                        .arg(kExHighestCode);
            return std::nullopt;
        }
        board[cell] = static_cast<std::int16_t>(code);
    }
    return board;
}

QString DigitsOf(const ExBoard& board) {
    QString text;
    text.reserve(kExCellCount);
    for (const std::int16_t code : board.cells) {
        text += QChar(QLatin1Char('0').unicode() + code);
    }
    return text;
}

}  // namespace

Answer RunExLinesCommand(const QStringList& args) {
    QString error;
    std::optional<ExBoard> board = ParseExBoard(args[0], error);
    if (!board) {
        return ErrorAnswer(error);
    }
    const bool found = FindLines(*board);
    return JsonAnswer(
        {{QStringLiteral("found"), found}, {QStringLiteral("board"), DigitsOf(*board)}});
}

Answer RunExMoveCommand(const QStringList& args) {
    QString error;
    const std::optional<ExBoard> board = ParseExBoard(args[0], error);
    if (!board) {
        return ErrorAnswer(error);
    }
    const ExScores rated = ExRateCells(*board);
    QJsonObject scores;
    for (int cell = 0; cell < kExCellCount; ++cell) {
        if (ExCanPlace(*board, cell)) {
            scores.insert(QString::number(cell), rated.scores[static_cast<std::size_t>(cell)]);
        }
    }
    QJsonArray best;
    for (const int cell : ExBestCells(*board, rated)) {
        best.append(cell);
    }
    return JsonAnswer({{QStringLiteral("scores"), scores},
                       {QStringLiteral("win"),
                        rated.winCell ? QJsonValue(*rated.winCell) : QJsonValue(QJsonValue::Null)},
                       {QStringLiteral("best"), best}});
}

}  // namespace morvane::analyze
