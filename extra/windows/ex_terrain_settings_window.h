#pragma once

#include <QDialog>

namespace morvane {

// `Formz12`: the random terrain's settings. Two sliders, stones (石) and boxes (箱), 0..50,
// write their value to the game window's draws at once on every change; closing the window by
// any means keeps what was moved.
class ExTerrainSettingsWindow : public QDialog {
    Q_OBJECT

public:
    ExTerrainSettingsWindow(int& stoneDraws, int& boxDraws, QWidget* parent);
};

}  // namespace morvane
