#include "net/protocol/key_exchange.h"

#include <sodium.h>
#include <QRandomGenerator>
#include <array>
#include <cassert>

#include "net/protocol/cpace.h"
#include "net/protocol/sealed_stream.h"
#include "net/protocol/sodium_support.h"

namespace morvane {

namespace {

constexpr QByteArrayView kGuestIdentity = "Morvane guest";
constexpr QByteArrayView kHostIdentity = "Morvane host";
constexpr QByteArrayView kGuestToHostLabel = "Morvane sealed guest to host";
constexpr QByteArrayView kHostToGuestLabel = "Morvane sealed host to guest";
constexpr QByteArrayView kResumeLabel = "Morvane resume";

QByteArray ChannelIdentifier() { return cpace::LvCat({kGuestIdentity, kHostIdentity}); }

}  // namespace

QByteArray NewNonce() {
    std::array<quint32, kNonceBytes / sizeof(quint32)> words{};
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    return {reinterpret_cast<const char*>(words.data()), kNonceBytes};
}

KeyExchange::KeyExchange(Peer role, const QString& joinCode)
    : role_(role), password_(joinCode.toLatin1()), ownNonce_(NewNonce()) {}

KeyExchange::~KeyExchange() {
    WipeSecret(password_);
    WipeSecret(scalar_);
    WipeSecret(isk_);
}

void KeyExchange::Begin(QByteArrayView peerNonce, QByteArrayView ownAd, QByteArrayView peerAd) {
    sid_ = role_ == Peer::Host ? ownNonce_ + peerNonce.toByteArray()
                               : peerNonce.toByteArray() + ownNonce_;
    ownAd_ = ownAd.toByteArray();
    peerAd_ = peerAd.toByteArray();
    const QByteArray generator = cpace::CalculateGenerator(password_, ChannelIdentifier(), sid_);
    scalar_ = cpace::SampleScalar();
    // A scalar from 1 to the order less one times a generator never gives the identity.
    ownShare_ = cpace::ScalarMultVfy(scalar_, generator).value_or(QByteArray());
    assert(!ownShare_.isEmpty());
}

bool KeyExchange::TakePeerShare(QByteArrayView share) {
    const std::optional<QByteArray> k = cpace::ScalarMultVfy(scalar_, share);
    if (!k) {
        return false;
    }
    peerShare_ = share.toByteArray();
    const QByteArray transcript = role_ == Peer::Guest
                                      ? cpace::TranscriptIr(ownShare_, ownAd_, peerShare_, peerAd_)
                                      : cpace::TranscriptIr(peerShare_, peerAd_, ownShare_, ownAd_);
    isk_ = cpace::IntermediateSessionKey(sid_, *k, transcript);
    return true;
}

QByteArray KeyExchange::OwnTag() const {
    return cpace::ConfirmationTag(isk_, sid_, ownShare_, ownAd_);
}

bool KeyExchange::PeerTagMatches(QByteArrayView tag) const {
    return cpace::TagsMatch(tag, cpace::ConfirmationTag(isk_, sid_, peerShare_, peerAd_));
}

QByteArray KeyExchange::SendKey() const { return StreamKey(role_); }

QByteArray KeyExchange::ReceiveKey() const {
    return StreamKey(role_ == Peer::Host ? Peer::Guest : Peer::Host);
}

QByteArray KeyExchange::ResumeKey() const {
    return cpace::Hash(cpace::LvCat({kResumeLabel, sid_, isk_})).first(kStreamKeyBytes);
}

QByteArray KeyExchange::AssociatedData(const QString& protocolVersion, const QString& appVersion) {
    return cpace::LvCat({protocolVersion.toUtf8(), appVersion.toUtf8()});
}

QByteArray KeyExchange::StreamKey(Peer sender) const {
    // SHA-512 over the direction's label, the session id and the key, cut to a stream key: each
    // direction seals under a key of its own.
    const QByteArray material =
        cpace::LvCat({sender == Peer::Guest ? kGuestToHostLabel : kHostToGuestLabel, sid_, isk_});
    return cpace::Hash(material).first(kStreamKeyBytes);
}

}  // namespace morvane
