#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace morvane {

// What a screen reader says for the controls the game draws itself (board cells, pictures,
// labels that act as buttons), in short words of the interface's language. Controls with visible
// text need none of this: Qt speaks their text.

// A cell of a board by its column and row, both from 1, and what it holds: "３列目 ５行目：○",
// in English "Column 3, row 5: ○".
QString CellName(int column, int row, const QString& content);

// A cell of the main board (8 × 12) by its index and its CellState code. Units of the winning
// line read "○（勝ち）"; greyed units read as plain units.
QString BoardCellName(int index, int code);

// A player's picture: the side's mark and the player's kind, "○：Ｍｏｕｓｅ". Side 0 is ○.
QString PlayerPictureName(int side, const QString& kind);

// Gives a control its accessible name. Nothing happens (no event either) when the control has
// it already, so redrawing may call this every time.
void UpdateAccessibleName(QWidget* control, const QString& name);

// Names a control as the caption beside it says, and ties the caption to it as its label: Qt
// on Linux names a list by its current entry, and screen readers there take the caption from
// that tie.
void NameAfterCaption(QWidget* control, const QString& name, QLabel* caption);

// Has a screen reader speak the text now, whatever holds the focus, through a notice (an
// object the screen reader takes for a notification) inside the window. An empty text says
// nothing.
void Announce(QWidget* window, const QString& text);

}  // namespace morvane
