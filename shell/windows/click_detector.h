#pragma once

class QMouseEvent;
class QWidget;

namespace morvane {

// Tells a click from the mouse events a control receives: the left button pressed on the
// control and released on the same control, inside it. A press elsewhere, a release outside the
// control, or another button is no click.
class ClickDetector {
public:
    void Press(const QMouseEvent& event, const QWidget* control);
    // True when this release completes a click on the control.
    bool Release(const QMouseEvent& event, const QWidget* control);

private:
    const QWidget* pressed_ = nullptr;
};

}  // namespace morvane
