#include "net/protocol/resume_exchange.h"

#include "net/protocol/cpace.h"
#include "net/protocol/key_exchange.h"
#include "net/protocol/sealed_stream.h"
#include "net/protocol/sodium_support.h"

namespace morvane {

namespace {

constexpr QByteArrayView kGuestProofLabel = "Morvane resume guest";
constexpr QByteArrayView kHostProofLabel = "Morvane resume host";
constexpr QByteArrayView kResumedGuestToHostLabel = "Morvane resumed guest to host";
constexpr QByteArrayView kResumedHostToGuestLabel = "Morvane resumed host to guest";

}  // namespace

ResumeExchange::ResumeExchange(Peer role, const QByteArray& resumeKey)
    : role_(role), key_(resumeKey), ownNonce_(NewNonce()) {
    key_.detach();  // a copy of its own, wiped when the attempt ends
}

ResumeExchange::~ResumeExchange() { WipeSecret(key_); }

bool ResumeExchange::PeerTagMatches(QByteArrayView tag) const {
    return cpace::TagsMatch(tag, Tag(Other()));
}

QByteArray ResumeExchange::Nonces() const {
    return role_ == Peer::Guest ? ownNonce_ + peerNonce_ : peerNonce_ + ownNonce_;
}

QByteArray ResumeExchange::Tag(Peer prover) const {
    const QByteArrayView label = prover == Peer::Guest ? kGuestProofLabel : kHostProofLabel;
    return cpace::Mac(key_, cpace::LvCat({label, Nonces()}));
}

QByteArray ResumeExchange::StreamKey(Peer sender) const {
    const QByteArrayView label =
        sender == Peer::Guest ? kResumedGuestToHostLabel : kResumedHostToGuestLabel;
    return cpace::Hash(cpace::LvCat({label, Nonces(), key_})).first(kStreamKeyBytes);
}

}  // namespace morvane
