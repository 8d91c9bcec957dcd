#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

class QMenu;
class QPainter;
class QPushButton;
class QRect;
class QWidget;

namespace morvane {

// The game's one look: its fonts, its colours and the style of its controls. Every window takes
// its fonts and colours from here and nowhere else, and none of it comes from the desktop: the
// fonts have fixed pixel sizes, so a window looks the same on every machine and only the display
// scale or a scale factor (QT_SCALE_FACTOR, a high-density screen) enlarges it, evenly.
namespace look {

// The two looks a window can have: the night blue of the main game and the shell, and the dark
// brown rock of the extra game, in the manner of the older version it remakes.
enum class Theme { Night, Rock };

// ---- Fonts ----------------------------------------------------------------------------------

// The Japanese interface font and its fixed-pitch face at a pixel size, every property of them
// set, so that nothing of a desktop font shows through.
QFont Font(int pixelSize, bool bold = false);
QFont FixedFont(int pixelSize, bool bold = false);

// The pixel size of a window's ordinary text (labels, buttons, lists, option buttons).
inline constexpr int kTextSize = 14;

// ---- Colours of the night look --------------------------------------------------------------

inline const QColor kNight(10, 18, 40);          // window background
inline const QColor kNightDeep(4, 8, 20);        // panels and boxes inside a window
inline const QColor kNightSky(18, 32, 68);       // the light top of a night gradient
inline const QColor kNightButton(28, 44, 80);    // plain button face
inline const QColor kSteel(70, 110, 170);        // frames and rules
inline const QColor kSky(79, 179, 255);          // the edges of controls
inline const QColor kPaleText(220, 228, 240);    // ordinary text
inline const QColor kDimText(112, 124, 146);     // text of a control that cannot be used
inline const QColor kBrightText(235, 240, 250);  // message text
inline const QColor kGold(255, 210, 80);         // headings, the chosen option
inline const QColor kVersionText(150, 180, 220);
inline const QColor kBoardGrid(40, 62, 104);  // the lines between the cells of a board picture
inline const QColor kWhite(255, 255, 255);
inline const QColor kBlack(0, 0, 0);
inline const QColor kGrey(128, 128, 128);
inline const QColor kYellow(255, 255, 0);
inline const QColor kGreen(0, 255, 0);

// ---- Colours of the battle screen -----------------------------------------------------------

inline const QColor kBattleGrid(233, 233, 233);  // the old program's light grey grid lines
inline const QColor kBattleCursor(255, 96, 48);  // the cell cursor
inline const QColor kBattleCursorMuted(150, 150, 160,
                                       170);       // the cursor over a cell that takes nothing
inline const QColor kBackdrop(0, 0, 0, 120);       // panels behind labels on the texture
inline const QColor kBoardBackdrop(0, 0, 0, 165);  // the well under the board
inline const QColor kBackdropEdge(255, 255, 255, 60);

// ---- Colours of the rock look ---------------------------------------------------------------

inline const QColor kRock(46, 31, 20);           // window background under the texture
inline const QColor kRockDeep(24, 15, 8);        // text boxes
inline const QColor kRockText(240, 226, 196);    // ordinary text
inline const QColor kRockGold(255, 214, 110);    // headings and notes
inline const QColor kRockPanel(20, 12, 6, 190);  // panels laid over the texture
inline const QColor kRockEdge(120, 84, 50);      // the edges of panels and frames
inline const QColor kRockWell(0, 0, 0, 130);     // the well under the board: the rock subdued
// The lines between the well's cells: light, to stand out on the dark well.
inline const QColor kRockCellLine(255, 226, 180, 110);
inline const QColor kMouseFrame(70, 140, 255);  // the Mouse side's frame around the board
inline const QColor kKeyCursor(255, 70, 50);    // the Keybord side's cursor
inline const QColor kThinking(255, 236, 60);    // the "thinking" label
inline const QColor kThinkingBack(0, 0, 0, 170);

// ---- Decorations ----------------------------------------------------------------------------

// A frame drawn around or behind something: its edge and its fill, a gradient from `fill` to
// `fillEnd` (top to bottom, or left to right when `across`) or a flat fill when `fillEnd` is not
// given.
struct Outline {
    QColor edge;
    int edgeWidth = 1;
    int radius = 0;
    QColor fill = QColor(0, 0, 0, 0);
    QColor fillEnd = QColor();
    bool across = false;
    int padding = 0;
};

inline const Outline kTitleMenuFrame{kSky, 2, 6, QColor(16, 30, 62), kNightDeep};
inline const Outline kTitleMarker{QColor(255, 246, 192), 1,   4, QColor(255, 226, 122),
                                  QColor(255, 179, 0),   true};
inline const Outline kMessageHighlight{kGreen, 2, 5, QColor(0, 255, 0, 28)};
inline const Outline kInfoCard{kSky, 1, 6, kNightDeep};
inline const Outline kCellMarker{kGold, 2};
// The same marker while the arrow keys move it: bolder and rounded.
inline const Outline kCellKeyMarker{kGold, 3, 4};
inline const Outline kKeyCursorFrame{kKeyCursor, 3, 3};
inline const Outline kThinkingPanel{kThinking, 1, 5, kThinkingBack};

// Draws the outline on the widget (a frame, a label) through the widget's own style sheet, which
// names the widget (its objectName) when it has controls inside.
void DrawOutline(QWidget* widget, const Outline& outline);

// A deep panel (a preview, a picture) with a border of the given colour.
void FramePanel(QWidget* panel, const QColor& border);

// ---- Windows and controls -------------------------------------------------------------------

// The colours of a theme for every palette role, disabled controls drawn dim.
QPalette ThemePalette(Theme theme);

// Gives the application the game's font, palette and widget style, so that no desktop setting
// (a platform theme, a desktop font, a colour scheme) reaches a window. Call once, right after
// the application object is made.
void PinApplicationLook();

// Styles a window once its controls are built: the theme's colours and the window's font (the
// ordinary text size unless the window set one), handed down to every control of the window
// that has none of its own, and the theme's style for its buttons, option buttons, lists,
// frames, text boxes, tabs, sliders and menus. Each control carries its own style sheet, so no
// style reaches into another window opened over this one.
void StyleWindow(QWidget* window, Theme theme = Theme::Night);

// Styles a menu added to a night window after the window was styled (a submenu made later) as
// StyleWindow styles the window's own menus: its parent's font and colours, the menus' sheet.
void StyleAddedMenu(QMenu* menu);

// Styles a button added to a night window after the window was styled as StyleWindow styles its
// buttons, but with the least padding, small enough for a window's margin.
void StyleAddedSmallButton(QPushButton* button);

// Sets the colour a label or a button draws its text in.
void SetTextColour(QWidget* widget, const QColor& colour);

// Sets the colour through the widget's own style sheet, which no style of a window around it
// can override: for the controls whose colours carry a meaning wherever they are shown.
void HoldTextColour(QWidget* widget, const QColor& colour);

// Fills the widget with a flat background colour.
void SetBackground(QWidget* widget, const QColor& colour);

// Paints the extra game's rock texture, tiled, over the given part of the widget.
void PaintRock(QPainter& painter, const QWidget* widget, const QRect& area);

}  // namespace look
}  // namespace morvane
