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
    // Names the arrows for a screen reader after what they count: "◇の数を増やす" and
    // "◇の数を減らす" for "◇の数".
    void NameArrows(const QString& counted);

signals:
    void valueChanged(int value);

private:
    QToolButton* up_;
    QToolButton* down_;
    int minimum_;
    int maximum_;
    int value_;
};

}  // namespace morvane
