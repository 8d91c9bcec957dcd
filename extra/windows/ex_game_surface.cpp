#include "extra/windows/ex_game_surface.h"

#include <QPainter>

#include "shell/windows/look.h"

namespace morvane {

using namespace exlayout;

ExGameSurface::ExGameSurface(QWidget* parent) : QWidget(parent) {
    setFixedSize(kSurfaceWidth, kSurfaceHeight);
}

void ExGameSurface::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    look::PaintRock(painter, this, rect());
    const QRect board(kBoardLeft, kBoardTop, kBoardSize, kBoardSize);
    painter.fillRect(board, look::kRockWell);
    painter.setPen(QPen(look::kRockCellLine, 1));
    for (int k = 1; k < kExColumns; ++k) {
        const int offset = k * ExCellWidget::kSize;
        painter.drawLine(board.left() + offset, board.top(), board.left() + offset, board.bottom());
        painter.drawLine(board.left(), board.top() + offset, board.right(), board.top() + offset);
    }
    painter.setPen(QPen(look::kRockEdge, 1));
    painter.drawRect(board.adjusted(-1, -1, 0, 0));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(look::kRockPanel);
    painter.drawRoundedRect(
        QRectF(kPanelLeft + 0.5, kPanelTop + 0.5, kPanelWidth, kPanelBottom - kPanelTop), 6, 6);
}

}  // namespace morvane
