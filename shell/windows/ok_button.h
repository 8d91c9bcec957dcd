#pragma once

class QDialog;
class QPushButton;
class QWidget;

namespace morvane {

// The "Ｏ．Ｋ．" button that closes a secondary window: the window's default button, named
// "Command2". It stands on the dialog, or on a part of it given as place.
QPushButton* MakeOkButton(QDialog* dialog, QWidget* place = nullptr);

}  // namespace morvane
