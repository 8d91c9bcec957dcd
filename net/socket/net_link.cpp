#include "net/socket/net_link.h"

#include <QTcpServer>
#include <QTcpSocket>

#include "net/protocol/net_log.h"

namespace morvane {

namespace {

// The session counts in seconds; a tick of a fifth of one keeps its limits sharp enough.
constexpr int kTickMs = 200;
// How long a closing socket may take to send what it holds.
constexpr int kFlushLimitMs = 5'000;

}  // namespace

void CloseAfterSending(QTcpSocket* socket) {
    socket->setParent(nullptr);
    QObject::connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kFlushLimitMs, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    socket->disconnectFromHost();
}

NetLink::NetLink(QTcpSocket* socket, Peer role, const QString& joinCode, const QString& name,
                 const QString& appVersion, QObject* parent)
    : QObject(parent), session_(role, joinCode, name, appVersion, 0) {
    clock_.start();
    Attach(socket);
    connect(&ticker_, &QTimer::timeout, this, [this] {
        session_.Tick(Now());
        Pump();
    });
    ticker_.start(kTickMs);
    redialTimer_.setSingleShot(true);
    connect(&redialTimer_, &QTimer::timeout, this, &NetLink::Redial);
    Pump();
}

NetLink::~NetLink() {
    if (socket_ != nullptr && socket_->state() != QAbstractSocket::UnconnectedState &&
        socket_->bytesToWrite() > 0) {
        socket_->disconnect(this);
        CloseAfterSending(socket_);
    }
}

NetLink* NetLink::Join(const QString& address, quint16 port, const QString& joinCode,
                       const QString& name, const QString& appVersion, QObject* parent) {
    auto* socket = new QTcpSocket;
    auto* link = new NetLink(socket, Peer::Guest, joinCode, name, appVersion, parent);
    socket->connectToHost(address, port);
    return link;
}

void NetLink::Attach(QTcpSocket* socket) {
    socket_ = socket;
    socket_->setParent(this);
    // Qt reads no more from the system than may wait; the session refuses more than that.
    socket_->setReadBufferSize(kMaxBufferedBytes);
    connect(socket_, &QTcpSocket::connected, this, [this] {
        NoteDialled();
        // A connection dialled again begins its resume; the first one its handshake.
        session_.BeginResume(Now());
        Pump();
    });
    connect(socket_, &QTcpSocket::readyRead, this, &NetLink::ReadAvailable);
    connect(socket_, &QTcpSocket::disconnected, this, &NetLink::OnSocketGone);
    connect(socket_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        qCWarning(netLog) << "socket error" << error << socket_->errorString();
        OnSocketGone();
    });
}

void NetLink::ReadAvailable() {
    while (socket_ != nullptr && socket_->bytesAvailable() > 0 &&
           session_.state() != Session::State::Closed &&
           session_.connection() != Session::Connection::Cut) {
        // A frame at a time at most, so that with a partial frame waiting the session is never
        // handed more than it lets wait.
        session_.Receive(socket_->read(kFrameHeaderBytes + kMaxFramePayload), Now());
    }
    Pump();
}

void NetLink::OnSocketGone() {
    session_.ConnectionLost(Now());
    Pump();
}

void NetLink::Pump() {
    if (socket_ != nullptr && socket_->state() == QAbstractSocket::ConnectedState) {
        const QByteArray output = session_.TakeOutput();
        if (!output.isEmpty()) {
            socket_->write(output);
        }
    }
    for (const SessionEvent& event : session_.TakeEvents()) {
        emit eventOccurred(event);
    }
    if (session_.state() == Session::State::Closed) {
        ticker_.stop();
        StopSeeking();
        if (socket_ != nullptr && socket_->state() != QAbstractSocket::UnconnectedState) {
            // Sends what is still buffered (a bye) before closing.
            socket_->disconnectFromHost();
        } else if (!finished_) {
            finished_ = true;
            emit finished();
        }
        return;
    }
    switch (session_.connection()) {
        case Session::Connection::Live:
            StopSeeking();
            return;
        case Session::Connection::Cut:
            SeekConnection();
            return;
        case Session::Connection::Resuming:
            return;
    }
}

}  // namespace morvane

#include "moc_net_link.cpp"
