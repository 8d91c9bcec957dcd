#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "net/protocol/session.h"

class QTcpSocket;

namespace morvane {

// Closes a socket once what it holds is sent (a bye), and deletes it then, or after a limit when
// the other side reads nothing.
void CloseAfterSending(QTcpSocket* socket);

// One connection of a network match: a TCP socket feeding a Session. It writes what the session
// says, passes the session's events on, ticks the session's clock, and closes the socket once
// the session is closed.
class NetLink : public QObject {
    Q_OBJECT

public:
    // Takes the socket (connected, or still connecting for a guest) as its child.
    NetLink(QTcpSocket* socket, Peer role, const QString& joinCode, const QString& name,
            const QString& appVersion, QObject* parent = nullptr);
    // What the session said last still goes out: a link deleted before its socket has sent it
    // leaves the socket to finish (CloseAfterSending).
    ~NetLink() override;

    // A guest's link to a host at address:port.
    static NetLink* Join(const QString& address, quint16 port, const QString& joinCode,
                         const QString& name, const QString& appVersion, QObject* parent = nullptr);

    const Session& session() const { return session_; }

    // Runs one of the session's actions (Move, Resign, StartGame...) and sends what it says;
    // returns the action's answer.
    template <typename Action>
    bool Act(Action action) {
        const bool done = action(session_);
        Pump();
        return done;
    }

    // The link's clock, which the session counts in, in milliseconds.
    qint64 Now() const { return clock_.elapsed(); }

signals:
    void eventOccurred(const morvane::SessionEvent& event);
    // The socket is closed, whatever closed it: the link may go.
    void finished();

private:
    void ReadAvailable();
    // Writes the session's output, passes its events on, and closes the socket once the
    // session is closed.
    void Pump();

    QTcpSocket* socket_;
    Session session_;
    QElapsedTimer clock_;
    QTimer ticker_;
};

}  // namespace morvane
