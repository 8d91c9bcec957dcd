#include "net/protocol/sealed_stream.h"

#include <cassert>

#include "net/protocol/sodium_support.h"

namespace morvane {

StreamSealer::StreamSealer(QByteArrayView key) : header_(kStreamHeaderBytes, Qt::Uninitialized) {
    assert(key.size() == kStreamKeyBytes);
    ReadySodium();
    crypto_secretstream_xchacha20poly1305_init_push(&state_, SodiumBytes(header_),
                                                    SodiumBytes(key));
}

QByteArray StreamSealer::Seal(QByteArrayView payload) {
    QByteArray sealed(payload.size() + kSealOverhead, Qt::Uninitialized);
    crypto_secretstream_xchacha20poly1305_push(
        &state_, SodiumBytes(sealed), nullptr, SodiumBytes(payload),
        static_cast<unsigned long long>(payload.size()), nullptr, 0,
        crypto_secretstream_xchacha20poly1305_TAG_MESSAGE);
    return sealed;
}

std::optional<StreamOpener> StreamOpener::Start(QByteArrayView key, QByteArrayView header) {
    if (key.size() != kStreamKeyBytes || header.size() != kStreamHeaderBytes) {
        return std::nullopt;
    }
    ReadySodium();
    StreamOpener opener;
    if (crypto_secretstream_xchacha20poly1305_init_pull(&opener.state_, SodiumBytes(header),
                                                        SodiumBytes(key)) != 0) {
        return std::nullopt;
    }
    return opener;
}

std::optional<QByteArray> StreamOpener::Open(QByteArrayView sealed) {
    if (sealed.size() < kSealOverhead) {
        return std::nullopt;
    }
    QByteArray payload(sealed.size() - kSealOverhead, Qt::Uninitialized);
    unsigned char tag = 0;
    if (crypto_secretstream_xchacha20poly1305_pull(
            &state_, SodiumBytes(payload), nullptr, &tag, SodiumBytes(sealed),
            static_cast<unsigned long long>(sealed.size()), nullptr, 0) != 0 ||
        tag != crypto_secretstream_xchacha20poly1305_TAG_MESSAGE) {
        return std::nullopt;
    }
    return payload;
}

}  // namespace morvane
