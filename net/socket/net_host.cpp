#include "net/socket/net_host.h"

#include <QTcpSocket>

#include "net/protocol/net_log.h"

namespace morvane {

NetHost::NetHost(const QString& joinCode, const QString& name, const QString& appVersion,
                 QObject* parent)
    : QObject(parent), joinCode_(joinCode), name_(name), appVersion_(appVersion) {
    server_.setMaxPendingConnections(1);
    connect(&server_, &QTcpServer::newConnection, this, &NetHost::Accept);
}

bool NetHost::Listen(const QHostAddress& address, quint16 port) {
    if (!server_.listen(address, port)) {
        qCWarning(netLog) << "cannot listen on" << address << port << server_.errorString();
        return false;
    }
    qCDebug(netLog) << "listening on" << server_.serverAddress() << server_.serverPort();
    return true;
}

void NetHost::Accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        if (candidate_ || guest_ || !server_.isListening()) {
            qCDebug(netLog) << "refusing a second connection from" << socket->peerAddress();
            socket->abort();
            socket->deleteLater();
            continue;
        }
        candidate_ = new NetLink(socket, Peer::Host, joinCode_, name_, appVersion_, this);
        connect(candidate_, &NetLink::eventOccurred, this, &NetHost::OnCandidateEvent);
        connect(candidate_, &NetLink::finished, candidate_, &QObject::deleteLater);
    }
}

void NetHost::OnCandidateEvent(const SessionEvent& event) {
    NetLink* link = candidate_;
    if (link == nullptr || sender() != link) {
        return;
    }
    if (event.kind == SessionEvent::Kind::Authenticated) {
        candidate_ = nullptr;
        guest_ = link;
        disconnect(link, nullptr, this, nullptr);
        disconnect(link, &NetLink::finished, link, &QObject::deleteLater);
        StopListening();
        emit guestJoined(link);
        return;
    }
    if (event.kind == SessionEvent::Kind::WrongCode) {
        wrongCodes_.Add();
        emit wrongCodeGiven(wrongCodes_.count());
        if (wrongCodes_.exhausted()) {
            StopListening();
        }
    }
    if (link->session().state() == Session::State::Closed) {
        // The link goes once its socket has sent the bye and closed.
        candidate_ = nullptr;
    }
}

void NetHost::StopListening() {
    if (server_.isListening()) {
        server_.close();
        emit listeningStopped();
    }
}

}  // namespace morvane

#include "moc_net_host.cpp"
