#pragma once

#include <sodium.h>
#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace morvane {

// One direction of a connection after the key exchange: libsodium's
// crypto_secretstream_xchacha20poly1305, each frame's payload encrypted and authenticated in
// order, so that a frame changed, dropped, reordered or replayed does not open.
inline constexpr qsizetype kStreamKeyBytes = crypto_secretstream_xchacha20poly1305_KEYBYTES;
inline constexpr qsizetype kStreamHeaderBytes = crypto_secretstream_xchacha20poly1305_HEADERBYTES;
// What sealing adds to a payload: an encrypted tag byte and the authenticator.
inline constexpr qsizetype kSealOverhead = crypto_secretstream_xchacha20poly1305_ABYTES;

// The sending end: a fresh header that the other side needs to open the stream, then each
// payload sealed after the ones before it.
class StreamSealer {
public:
    explicit StreamSealer(QByteArrayView key);

    const QByteArray& header() const { return header_; }
    QByteArray Seal(QByteArrayView payload);

private:
    crypto_secretstream_xchacha20poly1305_state state_{};
    QByteArray header_;
};

// The receiving end, started from the key and the sender's header.
class StreamOpener {
public:
    // Nothing when the key or header has the wrong size.
    static std::optional<StreamOpener> Start(QByteArrayView key, QByteArrayView header);

    // The payload of the next sealed frame; nothing when it does not open as the next one.
    std::optional<QByteArray> Open(QByteArrayView sealed);

private:
    StreamOpener() = default;

    crypto_secretstream_xchacha20poly1305_state state_{};
};

}  // namespace morvane
