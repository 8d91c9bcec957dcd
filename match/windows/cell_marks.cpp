#include "match/windows/cell_marks.h"

#include <QPainter>

#include "match/windows/battle_widgets.h"
#include "shell/windows/look.h"

namespace morvane {
namespace {

// How strongly a ghost unit shows: enough to be seen, never taken for a placed unit.
constexpr qreal kGhostOpacity = 0.35;

}  // namespace

GhostUnit::GhostUnit(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CellGhost"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void GhostUnit::SetUnit(const QPixmap& unit) {
    if (unit.cacheKey() != unit_.cacheKey()) {
        unit_ = unit;
        update();
    }
}

void GhostUnit::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setOpacity(kGhostOpacity);
    painter.drawPixmap(rect(), unit_);
}

CellMarks::CellMarks(MarkerFrame* cursor, QWidget* board)
    : cursor_(cursor), ghost_(new GhostUnit(board)) {}

void CellMarks::Follow(CellMark mark, const QRect& cell, const QPixmap& unit) {
    const CellMark shown = on_ ? mark : CellMark::None;
    cursor_->SetColor(shown == CellMark::Refuses ? look::Current().battleCursorMuted
                                                 : look::Current().battleCursor);
    if (shown == CellMark::Takes) {
        ghost_->setGeometry(cell);
        ghost_->SetUnit(unit);
    }
    ghost_->setVisible(shown == CellMark::Takes);
}

}  // namespace morvane

#include "moc_cell_marks.cpp"
