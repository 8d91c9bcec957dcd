#pragma once

#include <QDialog>
#include <QPointer>

#include "net/windows/net_windows.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace morvane {

class NetHost;
class SettingsStore;

// The host window "NetHost": shows where this machine can be reached, the port and the join
// code, takes the player's name, and listens while the player waits. It listens only between
// Listen and Stop (or closing), shows the new code the listener draws after wrong ones, and
// closes the listener once a guest knew the code; the window then closes as accepted, the
// guest's link its child until taken. When the player ticks it, it asks the home router to
// forward the port while it listens, and the mapping stays with the guest's link for the match
// (a guest on the internet may need it to come back after a drop). It copies the invitation
// a guest joins by: the router's public address once the router forwards the port, this
// machine's first address otherwise.
class HostWindow : public QDialog {
    Q_OBJECT

public:
    HostWindow(const HostRequest& request, SettingsStore& store, QWidget* parent = nullptr);

    // The authenticated guest's link, handed to `parent`; null when no guest came in.
    NetLink* TakeGuest(QObject* parent);

private:
    void Listen();
    void StopListening();
    void ShowListening(bool listening);
    void OpenRouterPort(quint16 port);
    void CloseRouterPort();
    void CopyInvitation();

    SettingsStore& store_;
    QHostAddress address_;
    QString code_;
    QSpinBox* port_;
    QLineEdit* name_;
    QLabel* codeLabel_ = nullptr;
    QCheckBox* routerPort_;
    QLabel* routerStatus_;
    QPushButton* copyInvitation_;
    QPushButton* listen_;
    QLabel* status_;
    QPointer<NetHost> host_;
    QPointer<NetLink> guest_;
    PortMapping::ClientMaker routerClients_;
    QPointer<PortMapping> mapping_;
    QString publicAddress_;  // where the router forwards the port; empty until it does
    quint16 publicPort_ = 0;
};

}  // namespace morvane
