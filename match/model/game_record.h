#pragma once

#include <optional>
#include <vector>

#include "match/model/game_result.h"
#include "match/model/match_state.h"
#include "match/model/recorded_games.h"
#include "rules/line.h"
#include "shell/settings/settings_keys.h"

namespace morvane {

class SettingsStore;

// How the judge's outcome of a placement by the mover ends the game; nothing while it goes on.
std::optional<GameEnd> EndOf(Outcome outcome, Turn mover);

// Who met whom, as the record tells games apart. A person plays at the mouse or the keyboard.
// A game with a side played over the network is a network game, whoever plays this side.
struct Pairing {
    enum class Sides { PersonAgainstComputer, People, Computers, Network };
    Sides sides;
    // The strength the person met; only a person against the computer has one.
    ComputerLevel level = ComputerLevel::Easy;

    bool operator==(const Pairing&) const = default;
};

// Every pairing in the record's order: a person against each strength, weakest first, then two
// people, then two computers, then network games.
std::vector<Pairing> RecordPairings();

// The pairing of a game between these players, the computer sides playing at level.
Pairing PairingOf(const Players& players, ComputerLevel level);

// The player entry's kind that plays at a strength.
PlayerKind ComputerKind(ComputerLevel level);

// A pairing's games: won, lost and drawn, seen from the person's side (in a network game, this
// machine's side); between two people or two computers, from side ○'s (its wins are ○'s wins, its
// losses ×'s wins). Abandoned: left before their end.
struct RecordCounts {
    int wins = 0;
    int losses = 0;
    int draws = 0;
    int abandoned = 0;

    bool operator==(const RecordCounts&) const = default;
};

// The record of finished main-game games, per pairing, kept in the settings store. It reads
// and writes the store on every call, so a record made on another object is seen at once.
class GameRecord {
public:
    explicit GameRecord(SettingsStore& store) : store_(store) {}

    // The stored counts; a count that is missing or not one the record writes reads as 0.
    RecordCounts Counts(const Pairing& pairing) const;

    // Counts one finished game between these players, the computer sides playing at level.
    // A game with an id counts once: finished again, nothing moves; left before (counted as
    // abandoned), it moves from that count to its end's. Returns whether the count reached the
    // store.
    bool Count(const Players& players, ComputerLevel level, GameEnd end,
               const QString& gameId = {});
    // Counts one game between these players that was left before its end, unless the game
    // with this id has been counted already.
    bool CountAbandoned(const Players& players, ComputerLevel level, const QString& gameId = {});

    // Sets every count to 0. Returns whether every count reached the store.
    bool Reset();

private:
    // Moves the named count by one for the game, as Count says.
    bool Move(const CountName& count, const QString& gameId);

    SettingsStore& store_;
};

}  // namespace morvane
