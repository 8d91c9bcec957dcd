#pragma once

#include <QMainWindow>
#include <array>
#include <functional>

#include "extra/engine/ex_match.h"
#include "extra/windows/ex_cell_widget.h"
#include "shell/settings/look_setting.h"
#include "shell/sound/sound_sink.h"

class QAction;
class QActionGroup;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace morvane {

class ExGameSurface;
class GrowingPage;

// `Formz11`: the extra game's window. It draws its ExMatch, forwards the clicks, keys, buttons
// and menu items to it, and shows the messages the match asks for, worded by ExMessageText. The
// counters live as long as the window; closing it (refused while the computer thinks) reports
// closed(). It can be resized and maximised from its own size up: its board and panel grow
// together.
class ExGameWindow : public QMainWindow, private ExMatchHost {
    Q_OBJECT

public:
    explicit ExGameWindow(QWidget* parent = nullptr);

    // Where the window's sounds go: a unit placed by either side and the game's end. None: silence.
    void SetSounds(SoundSink* sounds) { sounds_ = sounds; }

    // Adds the view menu, after the others, with the look's submenu: choosing one calls choose.
    void OfferLooks(const std::function<void(Look look)>& choose);

    // The match, with the random terrain's draws (RndI, RndB) that Formz12 sets.
    ExMatch& match() { return match_; }
    const ExMatch& match() const { return match_; }

signals:
    void closed();
    // The window has drawn the computer's progress and the computer thinks on: no event runs
    // until it has moved, so this is the one moment at which anything can act meanwhile.
    void thinkingShown();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Tell(ExMessage notice) override;
    bool Ask(ExMessage question) override;
    void ShowThinking() override;

    void BuildBoard(ExGameSurface* surface);
    void BuildPanel(ExGameSurface* surface);
    void BuildMenus();

    // Hands a command to the match and draws what it left.
    template <typename Command>
    void Forward(Command command);
    void SystemMenuOpening();
    void OptionsChosen();
    void HelpChosen();
    // Tells the refusal the command meets while the computer thinks; true then.
    bool Refused(ExCommand command);

    // Draws the match as it is now.
    void Render();
    // The cells' pictures rendered afresh for the window's density and the board's size, then
    // the match drawn with them.
    void RenderCellPictures();
    void RenderControls();
    // Sounds a unit that has come onto the board since the last look.
    void SoundPlacements(const ExBoard& shown);

    ExCellPictures pictures_;
    ExMatch match_;

    GrowingPage* grow_ = nullptr;  // the board and the panel, growing with the window
    std::array<ExCellWidget*, kExCellCount> cells_{};
    std::array<QFrame*, 4> mouseFrame_{};          // Mc_0..Mc_3
    QFrame* keyCursor_ = nullptr;                  // c
    QLabel* info_ = nullptr;                       // INf
    QLabel* thinkingLabel_ = nullptr;              // L2
    std::array<QPushButton*, 2> rotateButtons_{};  // Command2_0 (left), Command2_1 (right)
    QPushButton* startButton_ = nullptr;           // Command3
    QPushButton* terrainButton_ = nullptr;         // Command4

    QMenu* systemMenu_ = nullptr;
    QMenu* modeMenu_ = nullptr;
    QActionGroup* modeActions_ = nullptr;
    std::array<QAction*, 2> modeItems_{};  // 戦_0, 戦_1

    SoundSink* sounds_ = nullptr;
    std::array<int, 2> unitCounts_{};  // the Mouse side's and the other side's units last drawn
};

}  // namespace morvane
