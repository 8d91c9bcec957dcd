#pragma once

#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTcpServer>

#include "net/protocol/handshake.h"
#include "net/socket/net_link.h"

namespace morvane {

// The host's listener: bound to the one address asked for, it lets one guest at a time try
// the code, stops listening as soon as a guest is in, and after too many wrong codes.
class NetHost : public QObject {
    Q_OBJECT

public:
    NetHost(const QString& joinCode, const QString& name, const QString& appVersion,
            QObject* parent = nullptr);

    // Listens on address:port (port 0: any free port); false when the address cannot be bound.
    bool Listen(const QHostAddress& address, quint16 port);
    bool isListening() const { return server_.isListening(); }
    QHostAddress address() const { return server_.serverAddress(); }
    quint16 port() const { return server_.serverPort(); }
    // Whether listening stopped because guests gave kMaxWrongCodes wrong codes.
    bool stoppedForWrongCodes() const { return wrongCodes_.exhausted(); }
    // The guest's link once it is in, a child of the host until another parent takes it; null
    // before.
    NetLink* guest() const { return guest_; }

signals:
    void guestJoined(morvane::NetLink* link);
    // A guest gave a wrong code: the count so far, kMaxWrongCodes at most.
    void wrongCodeGiven(int count);
    void listeningStopped();

private:
    void Accept();
    void OnCandidateEvent(const SessionEvent& event);
    void StopListening();

    QTcpServer server_;
    QString joinCode_;
    QString name_;
    QString appVersion_;
    WrongCodeCount wrongCodes_;
    QPointer<NetLink> candidate_;  // a connection still in its handshake
    QPointer<NetLink> guest_;
};

}  // namespace morvane
