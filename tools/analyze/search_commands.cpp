#include "tools/analyze/search_commands.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QJsonValue>
#include <chrono>

#include "computer/search/search.h"

namespace morvane::analyze {
namespace {

// The solving time when none is given.
constexpr int kDefaultSolveMilliseconds = 1000;

}  // namespace

SearchEngine& ToolEngine() {
    static SearchEngine engine;
    return engine;
}

QString ValueName(GameValue value) {
    switch (value) {
        case GameValue::Win:
            return QStringLiteral("win");
        case GameValue::Loss:
            return QStringLiteral("loss");
        case GameValue::Draw:
            return QStringLiteral("draw");
        case GameValue::Unknown:
            return QStringLiteral("unknown");
    }
    return {};
}

Answer SearchMoveAnswer(const Board& board, Turn side) {
    const SearchResult result =
        *ToolEngine().Search(board, side, SearchBudget::Time(kMasterThinkBudget));
    // No cell only when the board has no free cell.
    const QJsonArray cells = result.cell == kNoCell ? QJsonArray{} : QJsonArray{result.cell};
    return JsonAnswer({{QStringLiteral("kind"), QStringLiteral("search")},
                       {QStringLiteral("cells"), cells},
                       {QStringLiteral("score"), result.score},
                       {QStringLiteral("depth"), result.depth},
                       {QStringLiteral("nodes"), static_cast<qint64>(result.nodes)}});
}

Answer RunSolveCommand(const QStringList& args) {
    QString error;
    const std::optional<Board> board = ParseBoard(args[0], error);
    const std::optional<Turn> side = board ? ParseSide(args[1], error) : std::nullopt;
    std::optional<int> milliseconds = kDefaultSolveMilliseconds;
    if (side && args.size() > 2) {
        milliseconds = ParseNumber(args[2], 1, kMostSolveMilliseconds, "MS", error);
    }
    if (!side || !milliseconds) {
        return ErrorAnswer(error);
    }
    QElapsedTimer timer;
    timer.start();
    const SolveResult result =
        *ToolEngine().Solve(*board, *side, std::chrono::milliseconds(*milliseconds));
    const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    const bool known = result.value != GameValue::Unknown;
    return JsonAnswer(
        {{QStringLiteral("value"), ValueName(result.value)},
         {QStringLiteral("plies"), known ? QJsonValue(result.plies) : QJsonValue(QJsonValue::Null)},
         {QStringLiteral("best"), ToJson(result.best)},
         {QStringLiteral("fastest"), ToJson(result.fastest)},
         {QStringLiteral("depth"), result.depth},
         {QStringLiteral("nodes"), static_cast<qint64>(result.nodes)},
         {QStringLiteral("ms"), elapsed}});
}

}  // namespace morvane::analyze
