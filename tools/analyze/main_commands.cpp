#include "tools/analyze/main_commands.h"

#include <QElapsedTimer>

#include "computer/computer_move.h"
#include "computer/headless_game.h"
#include "computer/line_potential.h"
#include "computer/threats.h"
#include "computer/winning_cells.h"
#include "rules/line.h"
#include "tools/analyze/analyze_io.h"

namespace morvane::analyze {
namespace {

// The terrain option when the move command is given none.
constexpr TerrainOption kDefaultTerrain = TerrainOption::Off;

QString KindName(DecisionKind kind) {
    switch (kind) {
        case DecisionKind::Win:
            return QStringLiteral("win");
        case DecisionKind::Block:
            return QStringLiteral("block");
        case DecisionKind::Any:
            return QStringLiteral("any");
        case DecisionKind::Pick:
            return QStringLiteral("pick");
        case DecisionKind::LowRow:
            return QStringLiteral("lowrow");
    }
    return {};
}

}  // namespace

Answer RunLineCommand(const QStringList& args) {
    QString error;
    std::optional<Board> board = ParseBoard(args[0], error);
    const std::optional<int> cell = board ? ParseCell(args[1], error) : std::nullopt;
    if (!cell) {
        return ErrorAnswer(error);
    }
    const bool line = JudgePlacement(*board, *cell) == Outcome::Win;
    return JsonAnswer(
        {{QStringLiteral("line"), line}, {QStringLiteral("board"), AreaStringOf(*board)}});
}

Answer RunEvalCommand(const QStringList& args) {
    QString error;
    const std::optional<Board> board = ParseBoard(args[0], error);
    const std::optional<Turn> side = board ? ParseSide(args[1], error) : std::nullopt;
    if (!side) {
        return ErrorAnswer(error);
    }
    const YieldHook noYield;
    const int potential = *LinePotential(*board, *side, noYield);
    const ThreatCount threats = *CountThreats(*board, *side, noYield);
    const WinningCells winning = *CountWinningCells(*board, *side, noYield);
    QJsonArray reach;
    for (int cell = 0; cell < kCellCount; ++cell) {
        reach.append(ReachWeight(*board, cell));
    }
    return JsonAnswer(
        {{QStringLiteral("line_potential"), potential},
         {QStringLiteral("threats"), QJsonArray{threats.stacked, threats.single}},
         {QStringLiteral("winning_cells"), QJsonArray{winning.score, winning.pending}},
         {QStringLiteral("reach"), reach}});
}

Answer RunMoveCommand(const QStringList& args) {
    QString error;
    const std::optional<Board> board = ParseBoard(args[0], error);
    const std::optional<Turn> side = board ? ParseSide(args[1], error) : std::nullopt;
    const std::optional<ComputerLevel> level = side ? ParseLevel(args[2], error) : std::nullopt;
    std::optional<TerrainOption> terrain = kDefaultTerrain;
    if (level && args.size() > 3) {
        terrain = ParseTerrain(args[3], error);
    }
    if (!level || !terrain) {
        return ErrorAnswer(error);
    }
    const std::optional<Decision> decision =
        DecideComputerMove(*board, *side, *level, *terrain, YieldHook());
    return JsonAnswer({{QStringLiteral("candidates"), ToJson(decision->candidates)},
                       {QStringLiteral("safe"), ToJson(decision->safe)},
                       {QStringLiteral("kind"), KindName(decision->kind)},
                       {QStringLiteral("cells"), ToJson(decision->cells)}});
}

Answer RunLadderCommand(const QStringList& args) {
    QString error;
    const std::optional<ComputerLevel> levelA = ParseLevel(args[0], error);
    const std::optional<ComputerLevel> levelB = levelA ? ParseLevel(args[1], error) : std::nullopt;
    const std::optional<int> games =
        levelB ? ParsePositiveCount(args[2], "GAMES", error) : std::nullopt;
    if (!games) {
        return ErrorAnswer(error);
    }
    QElapsedTimer timer;
    timer.start();
    const LadderResult result = RunLadder(*levelA, *levelB, *games);
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    return JsonAnswer({{QStringLiteral("a_wins"), result.aWins},
                       {QStringLiteral("b_wins"), result.bWins},
                       {QStringLiteral("draws"), result.draws},
                       {QStringLiteral("games_per_second"), *games / seconds}});
}

}  // namespace morvane::analyze
