#include "shell/windows/hover_label.h"

#include <QMouseEvent>

namespace morvane {

HoverLabel::HoverLabel(QWidget* parent) : QLabel(parent) { setMouseTracking(true); }

void HoverLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit hovered();
}

void HoverLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    pressed_ = event->button() == Qt::LeftButton;
}

void HoverLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) {
        emit clicked();
    }
}

}  // namespace morvane
