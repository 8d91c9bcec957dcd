#pragma once

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>

#include "net/socket/net_link.h"

namespace morvane {

// How many connections a host takes through the handshake at once: a stranger holding some
// cannot keep the friend out, and a flood of them costs the host little.
inline constexpr int kMaxHandshakes = 8;

// The host's listener: bound to the one address asked for, it takes several connections through
// the handshake at once, each with one guess at the code, and stops listening as soon as a
// guest is in. After kMaxWrongCodes wrong codes it draws a new code and goes on listening: the
// handshakes under the old code end, and each code is guessed at most kMaxWrongCodes times.
class NetHost : public QObject {
    Q_OBJECT

public:
    NetHost(const QString& joinCode, const QString& name, const QString& appVersion,
            QObject* parent = nullptr);
    // The handshakes still running hear that the host takes no one now.
    ~NetHost() override;

    // Listens on address:port (port 0: any free port); false when the address cannot be bound.
    bool Listen(const QHostAddress& address, quint16 port);
    bool isListening() const { return server_.isListening(); }
    QHostAddress address() const { return server_.serverAddress(); }
    quint16 port() const { return server_.serverPort(); }
    // The code a guest must prove now.
    const QString& joinCode() const { return joinCode_; }
    // The guest's link once it is in, a child of the host until another parent takes it; null
    // before.
    NetLink* guest() const { return guest_; }

signals:
    void guestJoined(morvane::NetLink* link);
    // A connection gave a wrong code: the count for the current code, kMaxWrongCodes at most.
    void wrongCodeGiven(int count);
    // The code after kMaxWrongCodes wrong ones.
    void joinCodeChanged(const QString& code);

private:
    void Accept();
    void OnHandshakeEvent(NetLink* link, const SessionEvent& event);
    // Ends every handshake still running, telling each connection why.
    void EndHandshakes(QStringView reason);

    QTcpServer server_;
    QString joinCode_;
    QString name_;
    QString appVersion_;
    int wrongCodes_ = 0;
    QList<QPointer<NetLink>> handshakes_;
    QPointer<NetLink> guest_;
};

}  // namespace morvane
