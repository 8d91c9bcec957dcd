#pragma once

#include <QAbstractSocket>
#include <QDialog>
#include <QPointer>

#include "net/windows/net_windows.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace morvane {

class SettingsStore;
struct SessionEvent;

// The join window "NetJoin": takes the host's address, port and join code and the player's
// name, and connects. It closes as accepted once the host has accepted the code, the link its
// child until taken; whatever else ends the attempt is told on its status line, and the player
// may try again.
class JoinWindow : public QDialog {
    Q_OBJECT

public:
    JoinWindow(const JoinRequest& request, SettingsStore& store, QWidget* parent = nullptr);

    // The accepted link, handed to `parent`; null when none was accepted.
    NetLink* TakeLink(QObject* parent);

private:
    void Connect();
    void OnEvent(const SessionEvent& event);
    void OnSocketError(QAbstractSocket::SocketError error);
    // The attempt is over: its link goes, and the fields can be changed again.
    void EndAttempt(const QString& status);
    void ShowConnecting(bool connecting);
    static QString TimedOutText();
    static QString WrongCodeText();

    SettingsStore& store_;
    QLineEdit* address_;
    QSpinBox* port_;
    QLineEdit* code_;
    QLineEdit* name_;
    QPushButton* connect_;
    QLabel* status_;
    QPointer<NetLink> link_;
    bool hostHeard_ = false;  // the host's hello came
    bool accepted_ = false;
};

}  // namespace morvane
