#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace morvane {

// Readies libsodium (its CPU feature checks and its random source) before its first use; the
// calls after the first cost nothing.
void ReadySodium();

// Overwrites a secret before its memory goes back to the allocator.
void WipeSecret(QByteArray& secret);

// Qt's bytes as libsodium takes them.
inline const unsigned char* SodiumBytes(QByteArrayView bytes) {
    return reinterpret_cast<const unsigned char*>(bytes.data());
}
inline unsigned char* SodiumBytes(QByteArray& bytes) {
    return reinterpret_cast<unsigned char*>(bytes.data());
}

}  // namespace morvane
