// The session's side of resuming a dropped connection over a new one: the proofs of the resume
// key, the new connection's sealing, and the kept messages sent again.
#include <algorithm>

#include "net/protocol/handshake.h"
#include "net/protocol/net_log.h"
#include "net/protocol/session.h"

namespace morvane {

bool Session::Resumable() const {
    return state_ != State::Closed && game_ >= 1 && peerMinor_ >= kResumingMinor;
}

void Session::LoseConnection(qint64 nowMs) {
    if (Resumable()) {
        Cut(nowMs);
        return;
    }
    Emit({SessionEvent::Kind::Left});
    Close();
}

void Session::Cut(qint64 nowMs) {
    qCDebug(netLog) << "waiting up to" << resumeLimitMs_ << "ms for the connection to resume";
    ResetConnection();
    output_.clear();
    connection_ = Connection::Cut;
    cutAtMs_ = nowMs;
    Emit({SessionEvent::Kind::Dropped});
}

void Session::ResetConnection() {
    reader_ = FrameReader();
    sealer_.reset();
    opener_.reset();
    resume_.reset();
}

bool Session::BeginResume(qint64 nowMs) {
    if (state_ == State::Closed || connection_ == Connection::Live) {
        return false;
    }
    ResetConnection();
    output_.clear();
    connection_ = Connection::Resuming;
    attemptStartedMs_ = nowMs;
    lastReceivedMs_ = nowMs;
    rateWindowMs_ = nowMs;
    messagesInWindow_ = 0;
    resume_.emplace(role_, exchange_.ResumeKey());
    if (role_ == Peer::Guest) {
        Message resume{MessageType::Resume};
        resume.nonce = resume_->ownNonce();
        Send(resume);
    }
    return true;
}

void Session::RefuseResume(const QString& what, QStringView reason) {
    qCWarning(netLog) << "a resume attempt failed:" << what;
    SendBye(reason);
    ResetConnection();
    connection_ = Connection::Cut;
}

void Session::TickResume(qint64 nowMs) {
    if (nowMs - cutAtMs_ >= resumeLimitMs_) {
        qCWarning(netLog) << "the connection was not resumed within" << resumeLimitMs_ << "ms";
        Emit({SessionEvent::Kind::Left});
        Close();
        return;
    }
    if (connection_ == Connection::Resuming && nowMs - attemptStartedMs_ >= kHandshakeTimeoutMs) {
        RefuseResume(QStringLiteral("unfinished within %1 ms").arg(kHandshakeTimeoutMs),
                     kByeTimeout);
    }
}

void Session::HandleResumeStep(const Message& message) {
    switch (message.type) {
        case MessageType::Resume:
            HandleResume(message);
            return;
        case MessageType::ResumeProof:
            HandleResumeProof(message);
            return;
        case MessageType::Resumed:
            HandleResumed(message);
            return;
        case MessageType::Bye:
            if (opener_) {
                HandleBye(message);  // the other side proved the key: it closes the session
            } else {
                qCDebug(netLog) << "a resume attempt was turned away:" << message.reason;
                ResetConnection();
                connection_ = Connection::Cut;
            }
            return;
        default:
            Violation(QStringLiteral("a message that is no resume's during a resume"));
            return;
    }
}

void Session::HandleResume(const Message& message) {
    // The guest's nonce comes first and the host answers it with its own and its proof.
    if (resume_->peerNonceTaken()) {
        Violation(QStringLiteral("resume out of place"));
        return;
    }
    resume_->TakePeerNonce(message.nonce);
    if (role_ == Peer::Host) {
        Message resume{MessageType::Resume};
        resume.nonce = resume_->ownNonce();
        Send(resume);
        SendResumeProof();
    }
}

void Session::HandleResumeProof(const Message& message) {
    // The host proves the key first; the guest proves it only to a host that did.
    const bool proofDue = role_ == Peer::Guest ? !sealer_ : sealer_.has_value();
    if (!resume_->peerNonceTaken() || opener_ || !proofDue) {
        Violation(QStringLiteral("resume proof out of place"));
        return;
    }
    if (!resume_->PeerTagMatches(message.tag)) {
        RefuseResume(QStringLiteral("a proof that does not prove the resume key"), kByeCode);
        return;
    }
    opener_ = StreamOpener::Start(resume_->ReceiveKey(), message.stream);
    if (role_ == Peer::Guest) {
        SendResumeProof();
    }
    Message resumed{MessageType::Resumed};
    resumed.got = receivedKept_;
    Send(resumed);
}

void Session::HandleResumed(const Message& message) {
    if (!opener_ || !sealer_) {
        Violation(QStringLiteral("resumed out of place"));
        return;
    }
    // What the other side lacks must still be kept.
    if (message.got < sentKept_ - kept_.size() || !Acknowledge(message.got)) {
        Violation(QStringLiteral("resumed after %1 kept messages of %2 sent")
                      .arg(message.got)
                      .arg(sentKept_));
        return;
    }
    resume_.reset();
    connection_ = Connection::Live;
    lastHeartbeatMs_ = lastReceivedMs_;
    // What the other side did not get before the drop goes again, in order, on the new stream.
    for (const QByteArray& bytes : kept_) {
        output_ += EncodeFrame(sealer_->Seal(bytes));
    }
    qCDebug(netLog) << "resumed," << kept_.size() << "messages sent again";
    Emit({SessionEvent::Kind::Resumed});
}

void Session::SendResumeProof() {
    StreamSealer sealer(resume_->SendKey());
    Message proof{MessageType::ResumeProof};
    proof.tag = resume_->OwnTag();
    proof.stream = sealer.header();
    Send(proof);
    sealer_ = std::move(sealer);
}

bool Session::Acknowledge(qint64 got) {
    if (got > sentKept_) {
        return false;
    }
    kept_.remove(0, std::clamp<qsizetype>(got - (sentKept_ - kept_.size()), 0, kept_.size()));
    return true;
}

}  // namespace morvane
