#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPalette>
#include <functional>

#include "shell/settings/look_setting.h"

class QMenu;
class QPainter;
class QPushButton;
class QRect;
class QWidget;

namespace morvane {

// The game's looks: its fonts, its colours and the style of its controls. Every window takes
// its fonts and colours from here and nowhere else, and none of it comes from the desktop: the
// fonts have fixed pixel sizes, so a window looks the same on every machine and only the display
// scale or a scale factor (QT_SCALE_FACTOR, a high-density screen) enlarges it, evenly.
namespace look {

// The two themes a window can have: the night blue of the main game and the shell, and the dark
// brown rock of the extra game, in the manner of the older version it remakes. Each look
// (look_setting.h) colours both.
enum class Theme { Night, Rock };

// ---- Fonts ----------------------------------------------------------------------------------

// The Japanese interface font and its fixed-pitch face at a pixel size, every property of them
// set, so that nothing of a desktop font shows through.
QFont Font(int pixelSize, bool bold = false);
QFont FixedFont(int pixelSize, bool bold = false);

// The pixel size of a window's ordinary text (labels, buttons, lists, option buttons).
inline constexpr int kTextSize = 14;

// ---- Colours ---------------------------------------------------------------------------------

// Every colour a window is drawn with, by the part it plays. The names are the hues of the game's
// own look; the other looks give each part the colour that plays it on their backgrounds (the
// light look's `white`, the strongest text, is black).
struct Colours {
    // The night look of the main game and the shell.
    QColor night;        // window background
    QColor nightDeep;    // panels and boxes inside a window
    QColor nightSky;     // the light top of a night gradient
    QColor nightButton;  // plain button face
    QColor steel;        // frames and rules
    QColor sky;          // the edges of controls
    QColor paleText;     // ordinary text
    QColor dimText;      // text of a control that cannot be used
    QColor brightText;   // message text
    QColor gold;         // headings, the chosen option
    QColor versionText;
    QColor boardGrid;  // the lines between the cells of a board picture
    QColor white;      // the strongest text
    QColor black;      // behind the battle screen's information, under a shadowed text
    QColor grey;       // the title's items while another one is hovered
    QColor yellow;     // the message dialog's buttons
    QColor green;      // the message dialog's highlighted button
    // The shades of the night controls' faces.
    QColor buttonTop;
    QColor buttonBottom;
    QColor buttonHoverTop;
    QColor buttonHoverBottom;
    QColor buttonPressed;
    // A chosen entry of a list, and its text; no selectionText: the entry's own text colour.
    QColor selection;
    QColor selectionText;
    // The title's menu frame and the marker of its hovered item.
    QColor titleMenuFill;
    QColor titleMarkerEdge;
    QColor titleMarkerTop;
    QColor titleMarkerBottom;
    QColor messageHighlightFill;

    // The battle screen.
    QColor battleGrid;         // the grid lines
    QColor battleCursor;       // the cell cursor
    QColor battleCursorMuted;  // the cursor over a cell that takes nothing
    QColor backdrop;           // panels behind labels on the texture
    QColor boardBackdrop;      // the well under the board
    QColor backdropEdge;

    // The rock look of the extra game.
    QColor rock;          // window background under the texture
    QColor rockDeep;      // text boxes
    QColor rockText;      // ordinary text
    QColor rockGold;      // headings and notes
    QColor rockPanel;     // panels laid over the texture
    QColor rockEdge;      // the edges of panels and frames
    QColor rockWell;      // the well under the board
    QColor rockCellLine;  // the lines between the well's cells
    QColor mouseFrame;    // the Mouse side's frame around the board
    QColor keyCursor;     // the Keybord side's cursor
    QColor thinking;      // the "thinking" label
    QColor thinkingBack;
    QColor rockButtonText;
    QColor rockDarkEdge;
    QColor rockButtonTop;
    QColor rockButtonBottom;
    QColor rockButtonHoverTop;
    QColor rockButtonHoverBottom;
    QColor rockButtonPressed;
    QColor rockDimText;
    QColor rockDimEdge;
    QColor rockDimButton;
    QColor rockScrollGroove;
    QColor rockMenu;
    QColor rockMenuChosen;

    // The least contrast ratio of a text against the window background (`night`), which
    // Legible holds the colours of the game's models to; 0: the colours as given.
    double textContrast = 0;
    // The width of the lines between board cells, in pixels at the scale 100.
    int cellLineWidth = 1;
    // Whether textures (the battle screen's tiles, the extra game's rock) lie behind the texts.
    bool textures = true;
};

// The table of each look.
const Colours& ColoursOf(Look look);

// The look in use and its colours; the standard look until UseLook chooses another.
Look CurrentLook();
const Colours& Current();

// Draws every window in the look from now on: the application's colours, every window styled by
// StyleWindow restyled, pictures recoloured, and then LookChanges() tells the windows, which
// set their own colours again. Before the first window is made, it sets the look the program
// starts with.
void UseLook(Look look);

// Tells when the look has changed, once every window styled by StyleWindow is restyled.
class LookNotice : public QObject {
    Q_OBJECT

signals:
    void changed();
};
LookNotice& LookChanges();

// A text colour of a model (a player's, a message's) as the look in use shows it: as given in
// the game's own look; in the others with its lightness moved, hue kept, until it has the look's
// textContrast against the window background.
QColor Legible(const QColor& colour);

// Calls apply now and again each time the look changes, while owner lives: for the colours a
// window sets from its state (the hovered item, a player's colour), after StyleWindow's.
void FollowLook(QObject* owner, const std::function<void()>& apply);

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

// The outlines in the look in use.
Outline TitleMenuFrame();
Outline TitleMarker();
Outline MessageHighlight();
Outline InfoCard();
Outline CellMarker();
// The same marker while the arrow keys move it: bolder and rounded.
Outline CellKeyMarker();
Outline KeyCursorFrame();
Outline ThinkingPanel();

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

// A part of the look a control keeps through a change of look: its text colour, its background
// or its outline, named by the colour's part (&Colours::gold) or the outline's maker. Each sets
// it now, and UseLook sets it again from the new look once the control's window is restyled.
using ColourRole = QColor Colours::*;
using OutlineRole = Outline (*)();
void SetTextColour(QWidget* widget, ColourRole role);
void SetBackground(QWidget* widget, ColourRole role);
void DrawOutline(QWidget* widget, OutlineRole role);
// A deep panel (a preview, a picture) with a border of the given part's colour.
void FramePanel(QWidget* panel, ColourRole border);

// Paints the extra game's rock texture, tiled, over the given part of the widget; in a look
// without textures, its flat colour.
void PaintRock(QPainter& painter, const QWidget* widget, const QRect& area);

}  // namespace look
}  // namespace morvane
