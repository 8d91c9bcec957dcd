#pragma once

#include <QString>

class QGridLayout;
class QLabel;
class QLineEdit;
class QSpinBox;
class QWidget;

namespace morvane {

class SettingsStore;

// The parts the host and join windows share.

// The program's version as the other side is told it ("4.92").
QString NetAppVersion();

// The player's name field ("Name"): the name stored last time, at most kMaxNameLength characters.
QLineEdit* MakeNameField(QWidget* window, const SettingsStore& store);

// The name in the field as it is sent, stored as the default for next time; the player hears
// when it could not be stored.
QString TakeName(QWidget* window, SettingsStore& store, const QLineEdit* field);

// The port box ("Port"), from `lowest` (0 reads as any free port) to 65535.
QSpinBox* MakePortBox(QWidget* window, quint16 port, int lowest);

// Adds a row to the window's form: the caption, and the field it names (for screen readers
// too).
void AddFormRow(QGridLayout* form, const QString& caption, QWidget* field);

// The status line ("Status"): what the window is doing or what went wrong.
QLabel* MakeStatusLine(QWidget* window);

// Shows a new status, which a screen reader speaks at once: it comes whatever has the focus.
void ShowStatus(QLabel* status, const QString& text);

}  // namespace morvane
