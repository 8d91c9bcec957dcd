#include "net/socket/net_host.h"

#include <QTcpSocket>
#include <utility>

#include "net/protocol/frame_codec.h"
#include "net/protocol/handshake.h"
#include "net/protocol/net_log.h"

namespace morvane {

namespace {

// The bye of a connection turned away before its session begins.
QByteArray BusyFrame() {
    Message bye;
    bye.type = MessageType::Bye;
    bye.reason = kByeBusy.toString();
    return EncodeClearFrame(ToJson(bye));
}

}  // namespace

NetHost::NetHost(const QString& joinCode, const QString& name, const QString& appVersion,
                 QObject* parent)
    : QObject(parent),
      joinCode_(ReadJoinCode(joinCode).value_or(NewJoinCode())),
      name_(name),
      appVersion_(appVersion) {
    server_.setMaxPendingConnections(kMaxHandshakes);
    connect(&server_, &QTcpServer::newConnection, this, &NetHost::Accept);
}

NetHost::~NetHost() { EndHandshakes(kByeBusy); }

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
        // A handshake that ended holds no place while its socket closes.
        handshakes_.removeIf([](const QPointer<NetLink>& link) {
            return link == nullptr || link->session().state() == Session::State::Closed;
        });
        if (guest_ || !server_.isListening() || handshakes_.size() >= kMaxHandshakes) {
            qCDebug(netLog) << "turning away a connection from" << socket->peerAddress();
            socket->write(BusyFrame());
            CloseAfterSending(socket);
            continue;
        }
        auto* link = new NetLink(socket, Peer::Host, joinCode_, name_, appVersion_, this);
        handshakes_.append(link);
        connect(link, &NetLink::eventOccurred, this,
                [this, link](const SessionEvent& event) { OnHandshakeEvent(link, event); });
        connect(link, &NetLink::finished, link, &QObject::deleteLater);
    }
}

void NetHost::OnHandshakeEvent(NetLink* link, const SessionEvent& event) {
    switch (event.kind) {
        case SessionEvent::Kind::Authenticated:
            handshakes_.removeAll(link);
            guest_ = link;
            disconnect(link, nullptr, this, nullptr);
            disconnect(link, &NetLink::finished, link, &QObject::deleteLater);
            // Should the connection drop, the guest dials this port again.
            link->ResumeOn(server_.serverAddress(), server_.serverPort());
            server_.close();
            EndHandshakes(kByeBusy);
            emit guestJoined(link);
            return;
        case SessionEvent::Kind::WrongCode:
            ++wrongCodes_;
            emit wrongCodeGiven(wrongCodes_);
            if (wrongCodes_ >= kMaxWrongCodes) {
                // The handshakes under the old code could each guess it once more.
                wrongCodes_ = 0;
                joinCode_ = NewJoinCode();
                EndHandshakes(kByeCode);
                qCDebug(netLog) << "a new join code after" << kMaxWrongCodes << "wrong ones";
                emit joinCodeChanged(joinCode_);
            }
            return;
        default:
            return;
    }
}

void NetHost::EndHandshakes(QStringView reason) {
    for (NetLink* link : std::exchange(handshakes_, {})) {
        if (link != nullptr) {
            // What it says as it ends is no news to the host.
            disconnect(link, &NetLink::eventOccurred, this, nullptr);
            link->Act([reason](Session& session) {
                session.Withdraw(reason);
                return true;
            });
        }
    }
}

}  // namespace morvane

#include "moc_net_host.cpp"
