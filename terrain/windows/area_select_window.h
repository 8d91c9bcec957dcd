#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "rules/board.h"
#include "shell/settings/settings_store.h"
#include "terrain/layouts/area_layouts.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace morvane {

class UpDown;

// The area select window "Form6": the terrain of the next game. Its result is the layout it
// leaves in the board when it closes (there is no cancel) and the choices it stored.
class AreaSelectWindow : public QDialog {
    Q_OBJECT

public:
    AreaSelectWindow(Board& board, SettingsStore& store, QWidget* parent = nullptr);

private:
    QWidget* BuildAreaFrame();
    QWidget* BuildRandomFrame();
    QWidget* BuildOriginalFrame();
    QWidget* BuildPreview();
    // The two pictures and the button of the notice on terrain.
    QWidget* BuildNotice();

    // The events of the window. Those that store a choice return whether it was stored.
    bool ApplyAreaChoice(int option);  // Option1_Click
    bool ApplyUserFile(int file);      // Option2_Click
    void MakeRandomArea();             // Command1_Click
    bool CountTyped(int index);        // Tt_Change
    bool CountStepped(int index);      // Ud_Change
    void ShowTerrainNotice();          // Command3_Click
    void DrawPreview();
    // Tells the user when a choice was not stored: at once, or for the writes of the opening
    // once it is over.
    void Stored(bool stored);

    Board& board_;
    SettingsStore& store_;
    std::array<QRadioButton*, kAreaOptionCount> areaOptions_{};
    QGroupBox* randomFrame_ = nullptr;
    QGroupBox* originalFrame_ = nullptr;
    // Index 0 counts the ◇ draws, index 1 the ■ draws.
    std::array<QLineEdit*, 2> countTexts_{};
    std::array<UpDown*, 2> counts_{};
    std::array<QRadioButton*, kUserFileCount> fileOptions_{};
    QLabel* preview_ = nullptr;
    // What the preview shows for an Empty cell, chosen by the language the window opens in.
    char16_t previewBlank_;
    bool opening_ = true;
    bool storedAtOpening_ = true;
};

// Opens the area select window modal over parent, starting from board, without waiting for it;
// chosen gets the terrain once the window has closed, unless receiver has gone by then.
void OpenAreaSelect(QWidget* parent, const Board& board, SettingsStore& store,
                    const QObject* receiver, std::function<void(const Board&)> chosen);

}  // namespace morvane
