#pragma once

#include <QRect>
#include <QWidget>

#include "extra/engine/ex_board.h"
#include "extra/windows/ex_cell_widget.h"
#include "shell/windows/growing_page.h"

namespace morvane {

// Where everything stands on the game window's surface, in pixels.
namespace exlayout {

inline constexpr int kBoardLeft = 18;
inline constexpr int kBoardTop = 18;
inline constexpr int kBoardSize = kExColumns * ExCellWidget::kSize;
inline constexpr int kFrameGap = 4;    // between the board and the Mouse side's frame
inline constexpr int kFrameWidth = 3;  // of the Mouse side's frame lines
inline constexpr int kCursorMargin = 2;
// The side panel: the information at the top; below it the buttons between games, or the
// "thinking" label during a game, when the information is longer and the buttons are hidden.
inline constexpr int kPanelLeft = kBoardLeft + kBoardSize + 24;
inline constexpr int kPanelWidth = 152;
inline constexpr int kPanelPadding = 8;
inline constexpr int kSurfaceWidth = kPanelLeft + kPanelWidth + 14;
inline constexpr int kSurfaceHeight = kBoardTop + kBoardSize + 18;
inline constexpr int kPanelTop = kBoardTop - 6;
inline constexpr int kPanelBottom = kSurfaceHeight - 12;
inline constexpr int kInnerWidth = kPanelWidth - 2 * kPanelPadding;
// Narrow enough that the first line breaks between the mode and the game number (as the mode
// text's leading spaces expect), wide enough for "[[[[ 第001戦 ]]]]" on its own line.
inline constexpr int kInfoWidth = 122;
inline constexpr int kInfoFontSize = 14;
inline constexpr int kThinkingFontSize = 14;
inline constexpr int kStartFontSize = 18;
inline constexpr int kThinkingHeight = 42;
inline constexpr int kButtonHeight = 30;
inline constexpr int kStartHeight = 40;
inline constexpr int kButtonGap = 6;

constexpr QRect CellRect(int cell) {
    return QRect(kBoardLeft + cell % kExColumns * ExCellWidget::kSize,
                 kBoardTop + cell / kExColumns * ExCellWidget::kSize, ExCellWidget::kSize,
                 ExCellWidget::kSize);
}

}  // namespace exlayout

// The game window's background: the rock, a sunken well under the board, dark enough for the
// light cell lines to stand out at every scale, and the dark side panel. The board and the panel
// stand on its page, which grows with the window keeping its proportions, centred on the rock.
class ExGameSurface : public QWidget {
    Q_OBJECT

public:
    explicit ExGameSurface(QWidget* parent);

    // Where the board's and the panel's controls go, placed through Grow().
    QWidget* Page() const { return page_; }
    GrowingPage& Grow() const { return *grow_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* page_;
    GrowingPage* grow_;
};

}  // namespace morvane
