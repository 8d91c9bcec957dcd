#include "net/protocol/cpace.h"

#include <sodium.h>

#include "net/protocol/sodium_support.h"

namespace morvane::cpace {

namespace {

static_assert(kPointBytes == crypto_core_ristretto255_BYTES);
static_assert(kScalarBytes == crypto_core_ristretto255_SCALARBYTES);
static_assert(kHashBytes == crypto_hash_sha512_BYTES);
static_assert(kHashBytes == crypto_auth_hmacsha512_BYTES);

constexpr QByteArrayView kDsi = "CPaceRistretto255";
constexpr QByteArrayView kDsiIsk = "CPaceRistretto255_ISK";
constexpr QByteArrayView kMacLabel = "CPaceMac";
// SHA-512's input block.
constexpr qsizetype kHashBlockBytes = 128;

}  // namespace

QByteArray Hash(QByteArrayView message) {
    QByteArray digest(kHashBytes, Qt::Uninitialized);
    crypto_hash_sha512(SodiumBytes(digest), SodiumBytes(message),
                       static_cast<unsigned long long>(message.size()));
    return digest;
}

QByteArray PrependLen(QByteArrayView bytes) {
    QByteArray encoded;
    auto length = static_cast<quint64>(bytes.size());
    do {
        const auto low = static_cast<char>(length & 0x7F);
        length >>= 7;
        encoded.append(length != 0 ? static_cast<char>(low | 0x80) : low);
    } while (length != 0);
    encoded += bytes;
    return encoded;
}

QByteArray LvCat(std::initializer_list<QByteArrayView> parts) {
    QByteArray joined;
    for (const QByteArrayView part : parts) {
        joined += PrependLen(part);
    }
    return joined;
}

QByteArray GeneratorString(QByteArrayView prs, QByteArrayView ci, QByteArrayView sid) {
    const qsizetype zeros = std::max<qsizetype>(
        0, kHashBlockBytes - PrependLen(prs).size() - PrependLen(kDsi).size() - 1);
    return LvCat({kDsi, prs, QByteArray(zeros, '\0'), ci, sid});
}

QByteArray CalculateGenerator(QByteArrayView prs, QByteArrayView ci, QByteArrayView sid) {
    const QByteArray hash = Hash(GeneratorString(prs, ci, sid));
    QByteArray generator(kPointBytes, Qt::Uninitialized);
    crypto_core_ristretto255_from_hash(SodiumBytes(generator), SodiumBytes(hash));
    return generator;
}

QByteArray SampleScalar() {
    ReadySodium();
    QByteArray scalar(kScalarBytes, Qt::Uninitialized);
    crypto_core_ristretto255_scalar_random(SodiumBytes(scalar));
    return scalar;
}

std::optional<QByteArray> ScalarMultVfy(QByteArrayView scalar, QByteArrayView point) {
    if (scalar.size() != kScalarBytes || point.size() != kPointBytes) {
        return std::nullopt;
    }
    QByteArray product(kPointBytes, Qt::Uninitialized);
    // Fails on bytes that encode no element and on an identity product alike.
    if (crypto_scalarmult_ristretto255(SodiumBytes(product), SodiumBytes(scalar),
                                       SodiumBytes(point)) != 0) {
        return std::nullopt;
    }
    return product;
}

QByteArray TranscriptIr(QByteArrayView ya, QByteArrayView ada, QByteArrayView yb,
                        QByteArrayView adb) {
    return LvCat({ya, ada}) + LvCat({yb, adb});
}

QByteArray IntermediateSessionKey(QByteArrayView sid, QByteArrayView k, QByteArrayView transcript) {
    QByteArray hashed = LvCat({kDsiIsk, sid, k});
    hashed += transcript;
    return Hash(hashed);
}

QByteArray ConfirmationTag(QByteArrayView isk, QByteArrayView sid, QByteArrayView share,
                           QByteArrayView ad) {
    QByteArray keyed = kMacLabel.toByteArray();
    keyed += sid;
    keyed += isk;
    return Mac(Hash(keyed), LvCat({share, ad}));
}

QByteArray Mac(QByteArrayView key, QByteArrayView message) {
    crypto_auth_hmacsha512_state state;
    crypto_auth_hmacsha512_init(&state, SodiumBytes(key), static_cast<size_t>(key.size()));
    crypto_auth_hmacsha512_update(&state, SodiumBytes(message),
                                  static_cast<unsigned long long>(message.size()));
    QByteArray tag(kHashBytes, Qt::Uninitialized);
    crypto_auth_hmacsha512_final(&state, SodiumBytes(tag));
    return tag;
}

bool TagsMatch(QByteArrayView received, QByteArrayView expected) {
    return received.size() == expected.size() &&
           sodium_memcmp(received.data(), expected.data(), static_cast<size_t>(expected.size())) ==
               0;
}

}  // namespace morvane::cpace
