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
    click_.Press(*event, this);
}

void HoverLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (click_.Release(*event, this)) {
        emit clicked();
    }
}

}  // namespace morvane

#include "moc_hover_label.cpp"
