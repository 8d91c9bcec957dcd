#pragma once

#include <QPoint>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace morvane::testing {

// Moves the pointer, as the window system would, to a point of a shown window: the event
// goes to whatever control lies under that point.
inline void MovePointer(QWidget* window, QPoint point) {
    QTest::mouseMove(window->windowHandle(), point);
}

// Moves the pointer far away from every window. The window system drops a move to the point
// where the pointer already is, so each test starts from here rather than from wherever the
// previous test left it.
inline void ParkPointer() {
    QWidget parking;
    parking.setGeometry(0, 0, 8, 8);
    parking.show();
    if (QTest::qWaitForWindowExposed(&parking)) {
        QTest::mouseMove(parking.windowHandle(), QPoint(-2000, -2000));
    }
}

// Moves the pointer to the middle of a control of the window (or to an offset from its
// top-left corner).
inline void MovePointerOnto(QWidget* control, QPoint offset = QPoint(-1, -1)) {
    const QPoint local = offset == QPoint(-1, -1) ? control->rect().center() : offset;
    MovePointer(control->window(), control->mapTo(control->window(), local));
}

}  // namespace morvane::testing
