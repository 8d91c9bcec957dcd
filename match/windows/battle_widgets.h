#pragma once

#include <QColor>
#include <QLabel>
#include <QWidget>

#include "shell/windows/click_detector.h"

namespace morvane {

// One cell picture of the board. Reports clicks and pointer moves with its cell index, and a
// press of the right button.
class CellLabel : public QLabel {
    Q_OBJECT

public:
    CellLabel(int index, QWidget* parent);

signals:
    void clicked(int index);
    void hovered(int index);
    void rightClicked();
    // The pointer has left the cell.
    void left();

protected:
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    int index_;
    ClickDetector click_;
};

// A rounded outline drawn over other widgets (the cursor frame, the turn marker); clicks and
// pointer moves pass through it to what lies beneath.
class MarkerFrame : public QWidget {
    Q_OBJECT

public:
    MarkerFrame(const QColor& color, int lineWidth, QWidget* parent);

    void SetColor(const QColor& color);
    const QColor& Color() const { return color_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
    int lineWidth_;
};

}  // namespace morvane
