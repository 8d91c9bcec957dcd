#pragma once

#include <QDialog>

namespace morvane {

// `FormKeys`: every key of the game, screen by screen, with what it does, and a close button.
class KeysWindow : public QDialog {
    Q_OBJECT

public:
    explicit KeysWindow(QWidget* parent = nullptr);
};

}  // namespace morvane
