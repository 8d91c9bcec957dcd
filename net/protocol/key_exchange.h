#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "net/protocol/message.h"

namespace morvane {

// A nonce is 16 random bytes; the two hellos' nonces make the key exchange's session id.
inline constexpr qsizetype kNonceBytes = 16;
// A fresh nonce from the system's random source.
QByteArray NewNonce();

// One connection's CPace run with the join code as the password. The guest is the initiator
// and the host the responder; the channel identifier names the two roles, so that neither side
// takes the other's part. Once both hellos are seen, the session id is the host's nonce then
// the guest's, and each side's associated data is lv_cat(its protocol version, its program
// version) as its hello gave them; each side then sends its share, and each proves the key by a
// tag over its own share and associated data, the guest first. The two directions' sealing
// keys come from the intermediate session key once the tags are checked.
class KeyExchange {
public:
    // `joinCode` as ReadJoinCode gives it (the host's form): its six bytes are the password.
    KeyExchange(Peer role, const QString& joinCode);
    KeyExchange(const KeyExchange&) = default;
    KeyExchange& operator=(const KeyExchange&) = default;
    ~KeyExchange();

    const QByteArray& ownNonce() const { return ownNonce_; }

    // Both hellos are in: draws this side's share.
    void Begin(QByteArrayView peerNonce, QByteArrayView ownAd, QByteArrayView peerAd);
    // This side's share, once begun.
    const QByteArray& ownShare() const { return ownShare_; }
    // The other side's share: false when it encodes no element or gives the identity, on which
    // the exchange stops.
    bool TakePeerShare(QByteArrayView share);

    // Once the shares are in: this side's tag, and whether the other side's proves the key.
    QByteArray OwnTag() const;
    bool PeerTagMatches(QByteArrayView tag) const;

    // The keys of what this side seals and of what it opens.
    QByteArray SendKey() const;
    QByteArray ReceiveKey() const;
    // The key that proves a later connection continues this one's session (ResumeExchange),
    // from the same secret as the stream keys under a label of its own.
    QByteArray ResumeKey() const;

    // lv_cat(protocol version, program version): a side's associated data.
    static QByteArray AssociatedData(const QString& protocolVersion, const QString& appVersion);

private:
    QByteArray StreamKey(Peer sender) const;

    Peer role_;
    QByteArray password_;
    QByteArray ownNonce_;
    QByteArray sid_;
    QByteArray ownAd_;
    QByteArray peerAd_;
    QByteArray scalar_;
    QByteArray ownShare_;
    QByteArray peerShare_;
    QByteArray isk_;
};

}  // namespace morvane
