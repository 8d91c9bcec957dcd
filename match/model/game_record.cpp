#include "match/model/game_record.h"

#include <algorithm>
#include <array>

#include "shell/settings/settings_store.h"

namespace morvane {
namespace {

// A strength a person can meet: its entry in the player list and the name its counts are
// stored under.
struct Strength {
    ComputerLevel level;
    PlayerKind kind;
    const char* name;
};

// Weakest first. A new strength is one more line.
constexpr std::array kStrengths{
    Strength{ComputerLevel::Easy, PlayerKind::EasyComputer, "Easy"},
    Strength{ComputerLevel::Normal, PlayerKind::NormalComputer, "Normal"},
    Strength{ComputerLevel::Hard, PlayerKind::HardComputer, "Hard"},
    Strength{ComputerLevel::Expert, PlayerKind::ExpertComputer, "Expert"},
    Strength{ComputerLevel::Master, PlayerKind::MasterComputer, "Master"},
};
static_assert(kStrengths.size() == static_cast<std::size_t>(kHighestComputerLevel) + 1,
              "every computer strength needs its line in the record");

const Strength& StrengthAt(ComputerLevel level) {
    return *std::ranges::find(kStrengths, level, &Strength::level);
}

enum class Column { Wins, Losses, Draws, Abandoned };
constexpr std::array kEveryColumn{Column::Wins, Column::Losses, Column::Draws, Column::Abandoned};

QString ColumnName(Column column) {
    switch (column) {
        case Column::Wins:
            return QStringLiteral("Wins");
        case Column::Losses:
            return QStringLiteral("Losses");
        case Column::Draws:
            return QStringLiteral("Draws");
        case Column::Abandoned:
            return QStringLiteral("Abandoned");
    }
    return {};
}

QString PairingName(const Pairing& pairing) {
    switch (pairing.sides) {
        case Pairing::Sides::PersonAgainstComputer:
            return QString::fromLatin1(StrengthAt(pairing.level).name);
        case Pairing::Sides::People:
            return QStringLiteral("People");
        case Pairing::Sides::Computers:
            return QStringLiteral("Computers");
        case Pairing::Sides::Network:
            return QStringLiteral("Network");
    }
    return {};
}

// Moves a count by one, within the values the record writes: a count at its highest stays there.
void Step(SettingsEntries& entries, const IntSetting& setting, int by) {
    entries.Write(setting, std::clamp(entries.Read(setting) + by, 0, setting.maximum));
}

IntSetting CountSetting(const Pairing& pairing, Column column) {
    return settings::RecordCount(PairingName(pairing), ColumnName(column));
}

// The column a game's end moves: from the person's side when one person plays, from this
// machine's in a network game, else from ○'s.
Column ColumnOf(const Players& players, const Pairing& pairing, GameEnd end) {
    if (end == GameEnd::Draw) {
        return Column::Draws;
    }
    const int winner = end == GameEnd::CircleWins ? 0 : 1;
    const bool circleIsOther =
        (pairing.sides == Pairing::Sides::PersonAgainstComputer && IsComputer(players.kind[0])) ||
        (pairing.sides == Pairing::Sides::Network && players.kind[0] == PlayerKind::Network);
    const int countedSide = circleIsOther ? 1 : 0;
    return winner == countedSide ? Column::Wins : Column::Losses;
}

}  // namespace

std::optional<GameEnd> EndOf(Outcome outcome, Turn mover) {
    switch (outcome) {
        case Outcome::Win:
            return mover == kCircleTurn ? GameEnd::CircleWins : GameEnd::CrossWins;
        case Outcome::Draw:
            return GameEnd::Draw;
        case Outcome::Continue:
            break;
    }
    return std::nullopt;
}

std::vector<Pairing> RecordPairings() {
    std::vector<Pairing> pairings;
    pairings.reserve(kStrengths.size() + 3);  // and the two pairings of like players, and network
    for (const Strength& strength : kStrengths) {
        pairings.push_back({Pairing::Sides::PersonAgainstComputer, strength.level});
    }
    pairings.push_back({Pairing::Sides::People});
    pairings.push_back({Pairing::Sides::Computers});
    pairings.push_back({Pairing::Sides::Network});
    return pairings;
}

Pairing PairingOf(const Players& players, ComputerLevel level) {
    if (std::ranges::find(players.kind, PlayerKind::Network) != players.kind.end()) {
        return {Pairing::Sides::Network};
    }
    const int computers = static_cast<int>(std::ranges::count_if(players.kind, IsComputer));
    switch (computers) {
        case 0:
            return {Pairing::Sides::People};
        case 1:
            return {Pairing::Sides::PersonAgainstComputer, level};
        default:
            return {Pairing::Sides::Computers};
    }
}

PlayerKind ComputerKind(ComputerLevel level) { return StrengthAt(level).kind; }

RecordCounts GameRecord::Counts(const Pairing& pairing) const {
    return {store_.Read(CountSetting(pairing, Column::Wins)),
            store_.Read(CountSetting(pairing, Column::Losses)),
            store_.Read(CountSetting(pairing, Column::Draws)),
            store_.Read(CountSetting(pairing, Column::Abandoned))};
}

bool GameRecord::Count(const Players& players, ComputerLevel level, GameEnd end,
                       const QString& gameId) {
    const Pairing pairing = PairingOf(players, level);
    return Move({PairingName(pairing), ColumnName(ColumnOf(players, pairing, end))}, gameId);
}

bool GameRecord::CountAbandoned(const Players& players, ComputerLevel level,
                                const QString& gameId) {
    return Move({PairingName(PairingOf(players, level)), ColumnName(Column::Abandoned)}, gameId);
}

bool GameRecord::Move(const CountName& count, const QString& gameId) {
    // Read and written under one lock: two copies of the game finishing at once both count.
    return store_.Change([&](SettingsEntries& entries) {
        RecordedGames games(entries.Read(settings::RecordedGames()));
        const std::optional<CountName> before = games.CountOf(gameId);
        const bool leftBefore = before && before->column == ColumnName(Column::Abandoned);
        if (before && (!leftBefore || count.column == ColumnName(Column::Abandoned))) {
            return;  // counted already: finished before, or left again
        }
        if (leftBefore) {
            // Left before, finished now: it counts by how it ended.
            Step(entries, settings::RecordCount(before->pairing, before->column), -1);
        }
        Step(entries, settings::RecordCount(count.pairing, count.column), +1);
        if (!gameId.isEmpty()) {
            games.Set(gameId, count);
            entries.Write(settings::RecordedGames(), games.Text());
        }
    });
}

bool GameRecord::Reset() {
    // The games counted before start afresh too: one of them finished or left now counts anew.
    return store_.Change([](SettingsEntries& entries) {
        for (const Pairing& pairing : RecordPairings()) {
            for (const Column column : kEveryColumn) {
                entries.Write(CountSetting(pairing, column), 0);
            }
        }
        entries.Write(settings::RecordedGames(), QString());
    });
}

}  // namespace morvane
