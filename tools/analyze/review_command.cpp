#include "tools/analyze/review_command.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <chrono>

#include "match/model/game_review.h"
#include "tools/analyze/search_commands.h"

namespace morvane::analyze {
namespace {

// Whether the move kept its mover's value; null when that is not proven.
QJsonValue Kept(Verdict verdict) {
    if (verdict == Verdict::Unproven) {
        return QJsonValue(QJsonValue::Null);
    }
    return !ChangedTheOutcome(verdict);
}

QJsonValue OrNull(const std::optional<int>& number) {
    return number ? QJsonValue(*number) : QJsonValue(QJsonValue::Null);
}

// The estimate's grade of a move without a proven verdict; null for the others.
QJsonValue GradeName(const std::optional<Grade>& grade) {
    if (!grade) {
        return QJsonValue(QJsonValue::Null);
    }
    switch (*grade) {
        case Grade::Best:
            return QStringLiteral("best");
        case Grade::Good:
            return QStringLiteral("good");
        case Grade::Inaccuracy:
            return QStringLiteral("inaccuracy");
        case Grade::Mistake:
            return QStringLiteral("mistake");
        case Grade::Blunder:
            return QStringLiteral("blunder");
    }
    return QJsonValue(QJsonValue::Null);
}

}  // namespace

Answer RunReviewCommand(const QStringList& args) {
    QString error;
    std::optional<int> milliseconds = static_cast<int>(kReviewBudget.count());
    if (args.size() > 1) {
        milliseconds = ParseNumber(args[1], 1, kMostSolveMilliseconds, "MS", error);
    }
    if (!milliseconds) {
        return ErrorAnswer(error);
    }
    const SavedGameRead read = LoadGameFile(args[0]);
    if (!read.game) {
        // The reason names the file, and the line when one is wrong.
        Answer refused = ErrorAnswer(read.error);
        refused.status = kBadGameFile;
        return refused;
    }
    GameReview review(*read.game);
    while (const std::optional<ReviewJob> job = review.NextJob()) {
        review.Record(*job,
                      *AnswerJob(ToolEngine(), *job, std::chrono::milliseconds(*milliseconds)));
    }
    Answer answer;
    QJsonArray moves;
    const std::vector<ReviewedMove> reviewed = review.Moves();
    const std::optional<DecidingMove> deciding = FindDecidingMove(reviewed);
    for (int ply = 1; ply <= static_cast<int>(reviewed.size()); ++ply) {
        const ReviewedMove& move = reviewed[static_cast<std::size_t>(ply - 1)];
        const QJsonObject line{
            {QStringLiteral("ply"), ply},
            {QStringLiteral("side"),
             move.side == kCircleTurn ? QStringLiteral("o") : QStringLiteral("x")},
            {QStringLiteral("cell"), CellNotation(move.cell)},
            {QStringLiteral("value"), ValueName(move.before.value)},
            {QStringLiteral("kept"), Kept(move.verdict)},
            {QStringLiteral("best_score"), OrNull(move.bestScore)},
            {QStringLiteral("played_score"), OrNull(move.playedScore)},
            {QStringLiteral("grade"), GradeName(GradeOf(move))},
            {QStringLiteral("decisive"), deciding && deciding->index == ply - 1}};
        answer.out += QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n';
        moves.append(line);
    }
    answer.batchOut = QJsonDocument(QJsonObject{{QStringLiteral("moves"), moves}})
                          .toJson(QJsonDocument::Compact) +
                      '\n';
    return answer;
}

}  // namespace morvane::analyze
