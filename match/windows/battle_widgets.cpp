#include "match/windows/battle_widgets.h"

#include <QMouseEvent>
#include <QPainter>

#include "rules/board.h"
#include "shell/windows/accessible_names.h"

namespace morvane {

CellLabel::CellLabel(int index, QWidget* parent) : QLabel(parent), index_(index) {
    setObjectName(QStringLiteral("Un_%1").arg(index));
    setAlignment(Qt::AlignCenter);
    // Moves without a pressed button must reach the cell, and stop here: the window would
    // otherwise take them as moves over its background.
    setMouseTracking(true);
    UpdateAccessibleName(this, BoardCellName(index, Empty));
}

void CellLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    click_.Press(*event, this);
    if (event->button() == Qt::RightButton) {
        emit rightClicked();
    }
}

void CellLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (click_.Release(*event, this)) {
        emit clicked(index_);
    }
}

void CellLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    emit left();
}

void CellLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit hovered(index_);
}

MarkerFrame::MarkerFrame(const QColor& color, int lineWidth, QWidget* parent)
    : QWidget(parent), color_(color), lineWidth_(lineWidth) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void MarkerFrame::SetColor(const QColor& color) {
    if (color != color_) {
        color_ = color;
        update();
    }
}

void MarkerFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color_, lineWidth_));
    painter.setBrush(Qt::NoBrush);
    const qreal inset = lineWidth_ / 2.0;
    const qreal radius = std::min(width(), height()) / 6.0;
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), radius, radius);
}

}  // namespace morvane

#include "moc_battle_widgets.cpp"
