#pragma once

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTimer>

#include "net/protocol/session.h"

class QTcpServer;
class QTcpSocket;

namespace morvane {

// Closes a socket once what it holds is sent (a bye), and deletes it then, or after a limit when
// the other side reads nothing.
void CloseAfterSending(QTcpSocket* socket);

// One connection of a network match: a TCP socket feeding a Session. It writes what the session
// says, passes the session's events on, ticks the session's clock, and closes the socket once
// the session is closed. When the connection drops and the session waits for another, the guest
// dials the host again and the host takes connections on its port again (net_link_resume.cpp),
// until one resumes the session or the session gives up.
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

    // The host's: where it listens again for its guest while the connection is cut, the
    // address and port the guest joined on.
    void ResumeOn(const QHostAddress& address, quint16 port);
    // How long a dropped connection may take to be resumed (Session::SetResumeLimit).
    void SetResumeLimit(qint64 ms) { session_.SetResumeLimit(ms); }

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
    // The session is closed and so is its socket: the link may go.
    void finished();

private:
    // Takes a socket as the link's connection.
    void Attach(QTcpSocket* socket);
    void ReadAvailable();
    // The socket closed or failed.
    void OnSocketGone();
    // Writes the session's output, passes its events on, and closes the socket once the
    // session is closed; while the session waits for a connection, looks for one.
    void Pump();

    // Resuming (net_link_resume.cpp). The guest notes where it dialled once connected.
    void NoteDialled();
    // Lets go of the socket, which first sends what it holds (a resume refused says why).
    void DropSocket();
    // While the session waits: the host listens, the guest dials again after a pause.
    void SeekConnection();
    // Stops listening and dialling once the session needs no new connection.
    void StopSeeking();
    void AcceptResume();
    void Redial();

    QTcpSocket* socket_ = nullptr;  // none between the connections of a resumed session
    Session session_;
    QElapsedTimer clock_;
    QTimer ticker_;
    bool finished_ = false;

    QString dialHost_;
    quint16 dialPort_ = 0;
    int redials_ = 0;  // since the connection dropped
    QTimer redialTimer_;
    QHostAddress resumeAddress_;
    quint16 resumePort_ = 0;
    QTcpServer* resumeServer_ = nullptr;
};

}  // namespace morvane
