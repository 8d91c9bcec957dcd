#pragma once

#include <QHostAddress>
#include <QString>

#include "net/portmap/port_mapping.h"

class QObject;
class QWidget;

namespace morvane {

class NetLink;

inline constexpr quint16 kDefaultNetPort = 7442;

struct HostRequest {                           // what the host window starts with
    QHostAddress address = QHostAddress::Any;  // bound exactly; Any = all addresses
    quint16 port = kDefaultNetPort;            // 0: any free port, shown once listening
    QString code;                              // empty: a fresh random join code for this session
    bool listenAtOnce = false;  // the command line: listen without waiting for a click
    // The routers asked to forward the port when the player ticks it; empty: the home network's
    // own, through UPnP IGD and NAT-PMP.
    PortMapping::ClientMaker routerClients;
};

struct JoinRequest {
    QString address;
    quint16 port = kDefaultNetPort;
    QString code;
    bool connectAtOnce = false;  // the command line: connect without waiting for a click
};

// Modal over parent. Returns the guest's link once the guest is authenticated (its session
// in State::Setup), re-parented to `linkParent`; null when the player cancelled or closed.
NetLink* HostNetworkGame(QWidget* parent, QObject* linkParent, const HostRequest& request);

// Modal over parent. Returns the link once the host accepted the code; null when cancelled.
// The guest hears that the code was accepted from the host's first setup: the link's session is
// then in State::Playing, its first game begun (the GameStarted event already reported), so the
// caller starts from session().board(), sides() and sideToMove().
NetLink* JoinNetworkGame(QWidget* parent, QObject* linkParent, const JoinRequest& request);

}  // namespace morvane
