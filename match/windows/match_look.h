#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>

#include "match/model/rgb.h"

class QDialog;
class QPushButton;
class QWidget;

namespace morvane {

// The match windows' shared look: fonts, colours and pictures.

// The Japanese interface font at a pixel size; fixed pitch for the info panel's columns.
QFont MatchFont(int pixelSize, bool fixedPitch = false, bool bold = false);

QColor ToQColor(Rgb rgb);

// Sets the colour of a widget's text, touching the widget only when it changes.
void SetTextColor(QWidget* widget, const QColor& color);

// The game's dark dialog look, extended to the option buttons and lists the match dialogs use.
// Labels keep their own colours: give each one with SetTextColor.
void StyleMatchDialog(QWidget* dialog);

// The "Ｏ．Ｋ．" button that closes a match dialog: the default button, named "Command2".
QPushButton* MakeOkButton(QDialog* dialog);

// Cell picture 1..8 (a CellState code) at the cells' size.
QPixmap CellPixmap(int code);

// Player picture 1..8 at the given edge length.
QPixmap PlayerPixmap(int number, int size);

}  // namespace morvane
