#pragma once

#include <QLabel>

#include "shell/windows/click_detector.h"

namespace morvane {

// A text label that acts as a button: it reports the pointer moving over it and clicks on it.
// It tracks the pointer and accepts the move events itself; otherwise they would travel on to
// the window underneath, whose "pointer on the background" handler undoes the highlight.
class HoverLabel : public QLabel {
    Q_OBJECT

public:
    explicit HoverLabel(QWidget* parent = nullptr);

signals:
    void hovered();
    // A press and a release of the left button, both on the label.
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ClickDetector click_;
};

}  // namespace morvane
