// How a link finds a new connection for a session whose connection dropped: the guest dials the
// host again, pausing longer after each failure, and the host listens on its port again, the
// newest connection's attempt taking the place of one under way.
#include <QTcpServer>
#include <QTcpSocket>
#include <algorithm>
#include <utility>

#include "net/protocol/net_log.h"
#include "net/socket/net_link.h"

namespace morvane {

namespace {

// The guest's pauses before dialling again: the first, doubling after each failure up to the
// longest, so that a host back at once is found at once and one back later within seconds.
constexpr int kFirstRedialPauseMs = 250;
constexpr int kLongestRedialPauseMs = 4'000;
// A connection not made within this is given up and dialled again.
constexpr int kDialLimitMs = 5'000;

}  // namespace

void NetLink::ResumeOn(const QHostAddress& address, quint16 port) {
    resumeAddress_ = address;
    resumePort_ = port;
}

void NetLink::NoteDialled() {
    if (session_.role() == Peer::Guest && dialHost_.isEmpty()) {
        dialHost_ =
            socket_->peerName().isEmpty() ? socket_->peerAddress().toString() : socket_->peerName();
        dialPort_ = socket_->peerPort();
    }
}

void NetLink::DropSocket() {
    QTcpSocket* socket = std::exchange(socket_, nullptr);
    if (socket == nullptr) {
        return;
    }
    socket->disconnect(this);
    if (socket->state() == QAbstractSocket::ConnectedState && socket->bytesToWrite() > 0) {
        CloseAfterSending(socket);
    } else {
        socket->abort();
        socket->deleteLater();
    }
}

void NetLink::SeekConnection() {
    if (socket_ != nullptr && (socket_->state() == QAbstractSocket::HostLookupState ||
                               socket_->state() == QAbstractSocket::ConnectingState)) {
        return;  // a dial under way
    }
    DropSocket();
    if (session_.role() == Peer::Host) {
        if (resumePort_ == 0) {
            return;
        }
        if (resumeServer_ == nullptr) {
            resumeServer_ = new QTcpServer(this);
            connect(resumeServer_, &QTcpServer::newConnection, this, &NetLink::AcceptResume);
        }
        // Tried again on each tick while the port is taken.
        if (!resumeServer_->isListening() && resumeServer_->listen(resumeAddress_, resumePort_)) {
            qCDebug(netLog) << "listening again on" << resumeAddress_ << resumePort_;
        }
        return;
    }
    if (!dialHost_.isEmpty() && !redialTimer_.isActive()) {
        const int pause =
            std::min(kFirstRedialPauseMs << std::min(redials_, 8), kLongestRedialPauseMs);
        ++redials_;
        redialTimer_.start(pause);
    }
}

void NetLink::StopSeeking() {
    redials_ = 0;
    redialTimer_.stop();
    if (resumeServer_ != nullptr) {
        resumeServer_->deleteLater();
        resumeServer_ = nullptr;
    }
}

void NetLink::AcceptResume() {
    while (QTcpSocket* socket = resumeServer_->nextPendingConnection()) {
        qCDebug(netLog) << "a connection to resume on from" << socket->peerAddress();
        DropSocket();
        Attach(socket);
        session_.BeginResume(Now());
        Pump();
        if (resumeServer_ == nullptr) {
            return;  // the session needs no more
        }
    }
}

void NetLink::Redial() {
    if (session_.connection() != Session::Connection::Cut || socket_ != nullptr) {
        return;
    }
    qCDebug(netLog) << "dialling" << dialHost_ << dialPort_ << "again";
    auto* socket = new QTcpSocket;
    Attach(socket);
    QTimer::singleShot(kDialLimitMs, socket, [socket] {
        if (socket->state() != QAbstractSocket::ConnectedState) {
            socket->abort();
        }
    });
    socket->connectToHost(dialHost_, dialPort_);
}

}  // namespace morvane
