#include "match/model/recorded_games.h"

namespace morvane {
namespace {

constexpr QChar kPart = QLatin1Char(':');

}  // namespace

RecordedGames::RecordedGames(const QString& stored) {
    for (const QString& word : stored.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parts = word.split(kPart);
        if (parts.size() == 3 && !parts[0].isEmpty() && !parts[1].isEmpty() &&
            !parts[2].isEmpty()) {
            words_ << word;
        }
    }
}

std::optional<CountName> RecordedGames::CountOf(const QString& gameId) const {
    if (gameId.isEmpty()) {
        return std::nullopt;
    }
    const QString prefix = gameId + kPart;
    for (const QString& word : words_) {
        if (word.startsWith(prefix)) {
            const QStringList parts = word.split(kPart);
            return CountName{parts[1], parts[2]};
        }
    }
    return std::nullopt;
}

void RecordedGames::Set(const QString& gameId, const CountName& count) {
    const QString prefix = gameId + kPart;
    words_.removeIf([&](const QString& word) { return word.startsWith(prefix); });
    words_ << gameId + kPart + count.pairing + kPart + count.column;
    while (words_.size() > kMostRecordedGames) {
        words_.removeFirst();
    }
}

}  // namespace morvane
