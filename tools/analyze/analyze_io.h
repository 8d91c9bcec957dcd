#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <optional>

#include "computer/computer_level.h"
#include "computer/search/cell_list.h"
#include "rules/board.h"
#include "rules/terrain_option.h"

namespace morvane::analyze {

// Exit status of a call with bad arguments (a good call exits 0).
inline constexpr int kBadArguments = 2;

// The subcommand that reads further calls from standard input, one a line.
inline constexpr char kBatch[] = "batch";

// What one call of the tool answers: its exit status and the bytes it prints on stdout and on
// stderr. The program prints them; tests compare them without starting a process.
struct Answer {
    int status = 0;
    QByteArray out;
    QByteArray err;
    // The answer as a batch prints it, where `out` takes more than one line (or none): a batch
    // answers each call with exactly one line. Empty when `out` is that line.
    QByteArray batchOut;
};

// Parsers for the tool's arguments. Each returns nothing and sets `error` to a one-line
// explanation when the text is not acceptable.

// A main-game board as an AreaString: 96 digits 0-8, character k being cell k - 1.
std::optional<Board> ParseBoard(const QString& text, QString& error);
// A cell index 0..95.
std::optional<int> ParseCell(const QString& text, QString& error);
// A side: "o" (○, Turn -1) or "x" (×, Turn +1).
std::optional<Turn> ParseSide(const QString& text, QString& error);
// A computer strength by its index, 0 (EASY) to 4 (MASTER).
std::optional<ComputerLevel> ParseLevel(const QString& text, QString& error);
// The terrain option: "on" or "off".
std::optional<TerrainOption> ParseTerrain(const QString& text, QString& error);
// A number of games, 1 to 1,000,000; name says which argument it is in the error.
std::optional<int> ParsePositiveCount(const QString& text, const char* name, QString& error);
// A plain decimal number (no sign, no spaces) from low to high; name says which argument it is
// in the error.
std::optional<int> ParseNumber(const QString& text, int low, int high, const char* name,
                               QString& error);

// A board as its AreaString.
QString AreaStringOf(const Board& board);
QJsonArray ToJson(const CellList& cells);

// A good call: the object as one line of compact JSON on stdout, status 0.
Answer JsonAnswer(const QJsonObject& object);
// A call with bad arguments: a one-line error on stderr, control characters and line breaks
// escaped so that an echoed argument stays on the line; status kBadArguments.
Answer ErrorAnswer(const QString& message);

}  // namespace morvane::analyze
