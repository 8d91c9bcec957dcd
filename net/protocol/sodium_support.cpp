#include "net/protocol/sodium_support.h"

#include <sodium.h>
#include <QtGlobal>

namespace morvane {

void ReadySodium() {
    if (sodium_init() < 0) {
        qFatal("libsodium cannot be initialised");
    }
}

void WipeSecret(QByteArray& secret) {
    if (secret.isEmpty() || !secret.isDetached()) {
        return;  // nothing, or another copy still holds it
    }
    sodium_memzero(secret.data(), static_cast<size_t>(secret.size()));
}

}  // namespace morvane
