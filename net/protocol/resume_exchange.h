#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include "net/protocol/message.h"

namespace morvane {

// One attempt, on a new connection, to go on with a session whose connection dropped. Both
// sides hold the session's resume key (KeyExchange::ResumeKey), which never travelled; each
// draws a fresh nonce, proves the key by a tag over both nonces, and seals the new connection
// under stream keys drawn from the resume key and both nonces. A recording of an earlier
// connection, or of an earlier attempt, holds no tag that fits the other side's fresh nonce.
class ResumeExchange {
public:
    ResumeExchange(Peer role, const QByteArray& resumeKey);
    ResumeExchange(const ResumeExchange&) = default;
    ResumeExchange& operator=(const ResumeExchange&) = default;
    ~ResumeExchange();

    const QByteArray& ownNonce() const { return ownNonce_; }
    void TakePeerNonce(QByteArrayView nonce) { peerNonce_ = nonce.toByteArray(); }
    bool peerNonceTaken() const { return !peerNonce_.isEmpty(); }

    // Once the other side's nonce is in: this side's tag, and whether the other side's proves
    // the key.
    QByteArray OwnTag() const { return Tag(role_); }
    bool PeerTagMatches(QByteArrayView tag) const;

    // The keys of what this side seals and of what it opens on the new connection.
    QByteArray SendKey() const { return StreamKey(role_); }
    QByteArray ReceiveKey() const { return StreamKey(Other()); }

private:
    Peer Other() const { return role_ == Peer::Host ? Peer::Guest : Peer::Host; }
    // The guest's nonce, then the host's.
    QByteArray Nonces() const;
    QByteArray Tag(Peer prover) const;
    QByteArray StreamKey(Peer sender) const;

    Peer role_;
    QByteArray key_;
    QByteArray ownNonce_;
    QByteArray peerNonce_;
};

}  // namespace morvane
