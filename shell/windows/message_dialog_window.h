#pragma once

#include <QCursor>
#include <QDialog>
#include <QString>
#include <array>

#include "shell/windows/message_choice.h"

class QFrame;
class QLabel;

namespace morvane {

class HoverLabel;

// `FormMsg`: a text and up to three text buttons in slots 0, 1, 2 (top to bottom), driven by
// the pointer or by the arrow keys with Space or Enter. The chosen slot is answer(); closing by
// the window frame leaves the highest captioned slot there.
class MessageDialog : public QDialog {
    Q_OBJECT

public:
    MessageDialog(QWidget* parent, const QString& text,
                  const std::array<QString, MessageChoice::kSlotCount>& captions);

    bool HasButtons() const { return choice_.HasAnyCaption(); }
    int answer() const { return choice_.answer(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Choose(int slot);
    // Draws the highlight, the captions' colours and the pointer as the choice holds them.
    void DrawChoice();

    MessageChoice choice_;
    QCursor pointer_;
    QLabel* text_;
    std::array<HoverLabel*, MessageChoice::kSlotCount> buttons_{};
    std::array<QRect, MessageChoice::kSlotCount> buttonPlaces_{};  // at the scale 100
    QFrame* frame_;
};

}  // namespace morvane
