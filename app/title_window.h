#pragma once

#include <QCursor>
#include <QWidget>
#include <array>
#include <functional>

class QFrame;
class QLabel;

namespace morvane {

class HoverLabel;

// What the title menu's items "Game Start.", "Option.", "Original Area Edit." and "Extra Game"
// do: their windows belong to other parts of the program, which fill these in. An item whose
// action is empty tells the user that it is not ready yet and does nothing else.
struct TitleActions {
    // "Game Start.": runs after the title window has closed (it is deleted).
    std::function<void()> startGame;
    // "Option.": opens the match options modal over the title window, which stays as it was.
    std::function<void(QWidget* title)> openOptions;
    // "Original Area Edit.": opens the area editor modal over the title window.
    std::function<void(QWidget* title)> openAreaEditor;
    // "Extra Game": runs after the title window has closed (it is deleted).
    std::function<void()> startExtraGame;
};

// `Form1`: the title picture, the six menu items with a marker bar and a help line that follow
// the pointer, and the version. Deletes itself when closed.
class TitleWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kItemCount = 6;

    explicit TitleWindow(TitleActions actions, QWidget* parent = nullptr);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    static constexpr int kNoItem = -1;

    // The pointer over an item: marker, help line, pointer and colours follow it at once,
    // unless it is the item already shown hovered.
    void HoverOn(int item);
    // The pointer over the background: back to the state the window opens in.
    void Reset();
    void Click(int item);
    // Closes (and so deletes) the title window, then runs the action.
    void LeaveFor(const std::function<void()>& action);
    void OpenModal(const std::function<void(QWidget*)>& action);
    void ShowNotReady();

    TitleActions actions_;
    int hoveredItem_ = kNoItem;
    QCursor pointer_;
    std::array<HoverLabel*, kItemCount> items_{};
    QFrame* marker_;
    QLabel* help_;
};

}  // namespace morvane
