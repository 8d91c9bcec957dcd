#include "extra/windows/ex_game_surface.h"

#include <QPainter>

#include "shell/windows/look.h"

namespace morvane {

using namespace exlayout;

ExGameSurface::ExGameSurface(QWidget* parent)
    : QWidget(parent),
      page_(new QWidget(this)),
      grow_(new GrowingPage(this, page_, QSize(kSurfaceWidth, kSurfaceHeight))) {
    page_->setObjectName(QStringLiteral("ExPage"));
    connect(grow_, &GrowingPage::rescaled, this, qOverload<>(&QWidget::update));
}

void ExGameSurface::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    look::PaintRock(painter, this, rect());
    painter.translate(page_->pos());
    painter.scale(grow_->Factor(), grow_->Factor());
    const QRect board(kBoardLeft, kBoardTop, kBoardSize, kBoardSize);
    painter.fillRect(board, look::Current().rockWell);
    painter.setPen(QPen(look::Current().rockCellLine, look::Current().cellLineWidth));
    for (int k = 1; k < kExColumns; ++k) {
        const int offset = k * ExCellWidget::kSize;
        painter.drawLine(board.left() + offset, board.top(), board.left() + offset, board.bottom());
        painter.drawLine(board.left(), board.top() + offset, board.right(), board.top() + offset);
    }
    painter.setPen(QPen(look::Current().rockEdge, look::Current().cellLineWidth));
    painter.drawRect(board.adjusted(-1, -1, 0, 0));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(look::Current().rockPanel);
    painter.drawRoundedRect(
        QRectF(kPanelLeft + 0.5, kPanelTop + 0.5, kPanelWidth, kPanelBottom - kPanelTop), 6, 6);
}

}  // namespace morvane

#include "moc_ex_game_surface.cpp"
