#pragma once

#include <QByteArrayView>
#include <array>
#include <optional>
#include <string_view>

#include "match/model/match_state.h"
#include "rules/board.h"
#include "rules/line.h"
#include "rules/player_kind.h"

// The words of the game file, shared by its writer and its reader. Not for other callers: they
// go through saved_game.h.
namespace morvane::saved_game_format {

// The keys, one per line, in the order the writer puts them.
inline constexpr std::string_view kLayoutKey = "layout";
inline constexpr std::string_view kFirstKey = "first";
inline constexpr std::string_view kRoundKey = "round";
inline constexpr std::string_view kWinsKey = "wins";
inline constexpr std::string_view kMoveKey = "move";  // one line per unit placed
inline constexpr std::string_view kResultKey = "result";
inline constexpr std::string_view kIdKey = "id";

// The two sides' words: the key of a side's player line, and a value of `first` and `result`.
inline constexpr std::array<std::string_view, 2> kSideWords{"circle", "cross"};
inline constexpr std::string_view kDrawWord = "draw";

// The player kinds' words, by PlayerKind.
inline constexpr std::array<std::string_view, kPlayerKindCount> kKindWords{
    "mouse", "keyboard", "easy", "normal", "hard", "expert", "master"};

// The ranges of the numbers.
inline constexpr int kFirstPicture = 1;
inline constexpr int kLastPicture = 10;
inline constexpr int kFirstRound = 1;
// The last round and the most wins are the battle screen's (match_state.h).

constexpr QByteArrayView View(std::string_view word) {
    return {word.data(), static_cast<qsizetype>(word.size())};
}

// Decimal digits minimum..maximum, at most three, without a sign or leading zeros.
std::optional<int> ParseNumber(QByteArrayView text, int minimum, int maximum);

// The side a Turn is, as a word.
constexpr std::string_view SideWord(Turn turn) {
    return kSideWords[static_cast<std::size_t>(SideNumber(turn))];
}

// Puts the side's unit into the cell and judges it as the battle screen does: a won board is
// marked, a drawn one greyed. The replay of every reader and of BoardAfter.
inline Outcome PlaceUnit(Board& board, int cell, Turn turn) {
    board[cell] = UnitCode(turn);
    return JudgePlacement(board, cell);
}

}  // namespace morvane::saved_game_format
