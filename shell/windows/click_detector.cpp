#include "shell/windows/click_detector.h"

#include <QMouseEvent>
#include <QWidget>

namespace morvane {

void ClickDetector::Press(const QMouseEvent& event, const QWidget* control) {
    pressed_ = event.button() == Qt::LeftButton ? control : nullptr;
}

bool ClickDetector::Release(const QMouseEvent& event, const QWidget* control) {
    const bool click = event.button() == Qt::LeftButton && pressed_ == control &&
                       control->rect().contains(event.position().toPoint());
    if (event.button() == Qt::LeftButton) {
        pressed_ = nullptr;
    }
    return click;
}

}  // namespace morvane
