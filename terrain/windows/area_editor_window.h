#pragma once

#include <QDialog>
#include <QPixmap>
#include <QString>
#include <array>
#include <cstdint>

#include "rules/board.h"
#include "shell/settings/settings_store.h"
#include "terrain/layouts/area_layouts.h"

class QFrame;
class QLabel;
class QTabBar;
class QToolBar;

namespace morvane {

// The area editor "Form7": the user draws the three layouts File 1 to File 3 cell by cell. The
// layout on screen is always the board's content; every way of closing stores all three files.
class AreaEditorWindow : public QDialog {
    Q_OBJECT

public:
    AreaEditorWindow(Board& board, SettingsStore& store, QWidget* parent = nullptr);

    // Closing by any path (the O.K. button, the window frame, Escape) stores the three files.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildBoard();
    QToolBar* BuildToolbar();
    QTabBar* BuildTabs();

    // The events of the window.
    void PaintCell(int index);              // Un_Click
    void HoverCell(int index);              // Un_MouseMove
    void ChangeFile(int tab);               // TabStrip1_Click
    void ToolbarButtonClicked(int button);  // Toolbar1_ButtonClick
    void ChooseTool(std::int16_t code);
    void ClearCurrentFile();
    void DrawCells();

    Board& board_;
    SettingsStore& store_;
    // `AreaFiles`: the three layouts as edited so far, stored only when the window closes.
    std::array<QString, kUserFileCount> areaFiles_;
    int currentFile_ = 0;
    std::int16_t paintCode_ = Empty;
    int hoveredCell_ = 0;
    std::array<QLabel*, kCellCount> cells_{};
    QFrame* marker_ = nullptr;
    QLabel* toolSwatch_ = nullptr;
    // The cell pictures by code; a null picture for the codes that show none.
    std::array<QPixmap, Block + 1> cellPictures_;
};

// Shows the area editor modal over parent; the three files are stored when it closes.
void ShowAreaEditor(QWidget* parent, Board& board, SettingsStore& store);

}  // namespace morvane
