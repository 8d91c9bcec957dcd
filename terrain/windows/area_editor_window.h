#pragma once

#include <QDialog>
#include <QList>
#include <QPixmap>
#include <QString>
#include <array>
#include <cstdint>

#include "rules/board.h"
#include "shell/settings/settings_store.h"
#include "shell/windows/click_detector.h"
#include "terrain/layouts/area_layouts.h"

class QAction;
class QFrame;
class QKeyEvent;
class QLabel;
class QTabBar;
class QToolBar;

namespace morvane {

// The area editor "Form7": the user draws the three layouts File 1 to File 3 cell by cell. The
// layout on screen is always the board's content; every way of closing stores the files edited
// here, or asks what to do with them when they cannot be stored. Everything can be done with the
// keys as well: Tab goes round the toolbar's buttons, the file tabs, the board and O.K.; on the
// board the arrows move the marker and Space paints the cell under it as a click does; the digits 1
// to 6 press the toolbar's buttons in their order.
class AreaEditorWindow : public QDialog {
    Q_OBJECT

public:
    AreaEditorWindow(Board& board, SettingsStore& store, QWidget* parent = nullptr);

    // Closing by any path (the O.K. button, the window frame, Escape) stores the files edited
    // here. When one cannot be stored the message dialog asks whether to close without storing
    // (the edits are lost), to export the three layouts to a file the user chooses (as the
    // store's own entries, so that they can be copied back) and close, or to try again.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The parts of the window's page.
    QWidget* BuildBoard(QWidget* page);
    QToolBar* BuildToolbar(QWidget* page);
    QTabBar* BuildTabs(QWidget* page);
    // The toolbar's acting buttons, the file tabs, the board and O.K., in that order.
    void OrderTabStops(const QToolBar& toolbar, QWidget* tabs, QWidget* ok);

    // The events of the window.
    void PaintCell(int index);              // Un_Click
    void MoveMarker(int index);             // Un_MouseMove, and the arrow keys
    void ChangeFile(int tab);               // TabStrip1_Click
    void ToolbarButtonClicked(int button);  // Toolbar1_ButtonClick
    void ChooseTool(std::int16_t code);
    // The arrows and Space on the board; false for the keys the board leaves to the window.
    bool BoardKeyPressed(const QKeyEvent& event);
    // The marker takes its keyboard look while the keys work the board, and its own otherwise.
    void ShowKeyMarker(bool shown);
    void ClearCurrentFile();
    void DrawCells();
    // Draws the cell pictures, the emblem, the tools' icons and the chosen tool's swatch for the
    // display scale, the screen's density and the look in use.
    void RenderPictures();
    // Stores each file whose text differs from what the store holds as far as this window
    // knows; true when nothing is left unstored.
    bool StoreChangedFiles();
    // Writes the three layouts to a file the user chooses; false when none was chosen or it
    // could not be written (the user is told).
    bool ExportFiles();

    Board& board_;
    SettingsStore& store_;
    // `AreaFiles`: the three layouts as edited so far, stored only when the window closes.
    std::array<QString, kUserFileCount> areaFiles_;
    // The three texts as read at opening or last stored from here. A file whose text still
    // matches is not written, so it keeps whatever another copy of the game stores meanwhile.
    std::array<QString, kUserFileCount> storedFiles_;
    int currentFile_ = 0;
    std::int16_t paintCode_ = Empty;
    int hoveredCell_ = 0;
    std::array<QLabel*, kCellCount> cells_{};
    ClickDetector click_;
    QWidget* boardPanel_ = nullptr;
    QFrame* marker_ = nullptr;
    bool keyMarkerShown_ = false;
    // The toolbar's buttons that act, in their order on the toolbar.
    QList<QAction*> actingButtons_;
    QLabel* emblem_ = nullptr;
    QLabel* toolSwatch_ = nullptr;
    // The cell pictures by code; a null picture for the codes that show none.
    std::array<QPixmap, Block + 1> cellPictures_;
};

// Shows the area editor modal over parent; the edited files are stored when it closes.
void ShowAreaEditor(QWidget* parent, Board& board, SettingsStore& store);

}  // namespace morvane
