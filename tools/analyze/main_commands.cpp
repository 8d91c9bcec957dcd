#include "tools/analyze/main_commands.h"

#include <QElapsedTimer>
#include <cstdint>
#include <utility>

#include "computer/computer_move.h"
#include "computer/headless_game.h"
#include "computer/line_potential.h"
#include "computer/threats.h"
#include "computer/winning_cells.h"
#include "rules/line.h"
#include "terrain/layouts/area_layouts.h"
#include "tools/analyze/analyze_io.h"
#include "tools/analyze/search_commands.h"

namespace morvane::analyze {
namespace {

// The terrain option when the move command is given none.
constexpr TerrainOption kDefaultTerrain = TerrainOption::Off;

// [ＭＡＳＴＥＲ]'s positions per move in a ladder when NODES is not given: about a tenth of
// what it searches in its 250 ms in play, so that hundreds of games take minutes, not hours.
constexpr int kDefaultLadderNodes = 250'000;
constexpr int kMostLadderNodes = 100'000'000;
// The most positions a ladder with MASTER may ask for, GAMES × NODES: at about 10 million
// positions a second and at most 96 MASTER moves a game, about a day's work at the very most.
constexpr std::int64_t kMostLadderWork = 10'000'000'000;

// The games of a ladder by its LAYOUT: "none" (the empty board, terrain off), "random" (a new
// random layout for every game, drawn as the area select draws one with its default counts) or
// a fixed layout of 96 digits, each 0 (empty), 1 (◇) or 8 (■); with a layout the strengths
// play with the terrain option on, as in the battle screen when terrain is chosen.
std::optional<HeadlessSetting> ParseLadderLayout(const QString& text, QString& error) {
    if (text == QLatin1String("none")) {
        return HeadlessSetting{};
    }
    if (text == QLatin1String("random")) {
        return HeadlessSetting{
            [] { return MakeRandomLayout(kDefaultRandomCount, kDefaultRandomCount); },
            TerrainOption::On,
            {}};
    }
    if (text.size() != kCellCount) {
        error = QStringLiteral("LAYOUT must be none, random or %1 digits 0, 1 and 8, not \"%2\"")
                    .arg(kCellCount)
                    .arg(text);
        return std::nullopt;
    }
    Board layout;
    for (int cell = 0; cell < kCellCount; ++cell) {
        const int code = text[cell].unicode() - '0';
        if (code != Empty && code != Hollow && code != Block) {
            error = QStringLiteral(
                        "LAYOUT character %1 is \"%2\", not 0 (empty), 1 (hollow) or "
                        "8 (block)")
                        .arg(cell + 1)
                        .arg(text[cell]);
            return std::nullopt;
        }
        layout[cell] = static_cast<std::int16_t>(code);
    }
    return HeadlessSetting{[layout] { return layout; }, TerrainOption::On, {}};
}

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
    const int potential = LinePotential(*board, *side);
    const ThreatCount threats = CountThreats(*board, *side);
    const WinningCells winning = CountWinningCells(*board, *side);
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
    if (*level == ComputerLevel::Master) {
        return SearchMoveAnswer(*board, *side);
    }
    const Decision decision = DecideComputerMove(*board, *side, *level, *terrain);
    return JsonAnswer({{QStringLiteral("candidates"), ToJson(decision.candidates)},
                       {QStringLiteral("safe"), ToJson(decision.safe)},
                       {QStringLiteral("kind"), KindName(decision.kind)},
                       {QStringLiteral("cells"), ToJson(decision.cells)}});
}

Answer RunLadderCommand(const QStringList& args) {
    QString error;
    const std::optional<ComputerLevel> levelA = ParseLevel(args[0], error);
    const std::optional<ComputerLevel> levelB = levelA ? ParseLevel(args[1], error) : std::nullopt;
    const std::optional<int> games =
        levelB ? ParsePositiveCount(args[2], "GAMES", error) : std::nullopt;
    std::optional<HeadlessSetting> setting = HeadlessSetting{};
    if (games && args.size() > 3) {
        setting = ParseLadderLayout(args[3], error);
    }
    std::optional<int> nodes = kDefaultLadderNodes;
    if (setting && args.size() > 4) {
        nodes = ParseNumber(args[4], 1, kMostLadderNodes, "NODES", error);
    }
    if (!games || !setting || !nodes) {
        return ErrorAnswer(error);
    }
    const std::int64_t work = std::int64_t{*games} * *nodes;
    const bool masterPlays = *levelA == ComputerLevel::Master || *levelB == ComputerLevel::Master;
    if (masterPlays && work > kMostLadderWork) {
        return ErrorAnswer(
            QStringLiteral(
                "GAMES * NODES must be at most %1 when MASTER plays (about a day), not %2")
                .arg(kMostLadderWork)
                .arg(work));
    }
    setting->masterBudget = SearchBudget::Nodes(*nodes);
    QElapsedTimer timer;
    timer.start();
    const LadderResult result = HeadlessGames(std::move(*setting)).Ladder(*levelA, *levelB, *games);
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    return JsonAnswer({{QStringLiteral("a_wins"), result.aWins},
                       {QStringLiteral("b_wins"), result.bWins},
                       {QStringLiteral("draws"), result.draws},
                       {QStringLiteral("games_per_second"), *games / seconds}});
}

}  // namespace morvane::analyze
