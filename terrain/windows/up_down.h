#pragma once

#include <QWidget>

class QToolButton;

namespace morvane {

// A pair of arrow buttons that steps a whole number within its range, the way a spin control
// does for the text box beside it. Reports every change of its value.
class UpDown : public QWidget {
    Q_OBJECT

public:
    UpDown(int minimum, int maximum, int value, QWidget* parent = nullptr);

    int value() const { return value_; }
    // Takes the value, kept within the range; reports it only when it changes.
    void setValue(int value);

signals:
    void valueChanged(int value);

private:
    int minimum_;
    int maximum_;
    int value_;
};

}  // namespace morvane
