#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <optional>

#include "computer/cell_list.h"
#include "rules/board.h"

namespace morvane::analyze {

// Exit status of a call with bad arguments (a good call exits 0).
inline constexpr int kBadArguments = 2;

// Parsers for the tool's arguments. Each returns nothing and sets `error` to a one-line
// explanation when the text is not acceptable.

// A main-game board as an AreaString: 96 digits 0-8, character k being cell k - 1.
std::optional<Board> ParseBoard(const QString& text, QString& error);
// A cell index 0..95.
std::optional<int> ParseCell(const QString& text, QString& error);
// A side: "o" (○, Turn -1) or "x" (×, Turn +1).
std::optional<Turn> ParseSide(const QString& text, QString& error);
// A computer strength 0..3.
std::optional<int> ParseLevel(const QString& text, QString& error);
// The terrain option: "on" (terrainSelect 0) or "off" (1).
std::optional<int> ParseTerrain(const QString& text, QString& error);
// A number of games, 1 to 1,000,000; name says which argument it is in the error.
std::optional<int> ParsePositiveCount(const QString& text, const char* name, QString& error);

// A board as its AreaString.
QString AreaStringOf(const Board& board);
QJsonArray ToJson(const CellList& cells);

// Prints the object as one line of compact JSON on stdout; returns the success status.
int PrintJson(const QJsonObject& object);
// Prints a one-line error on stderr, control characters and line breaks escaped, so an echoed
// argument stays on the line; returns kBadArguments.
int ReportError(const QString& message);

}  // namespace morvane::analyze
