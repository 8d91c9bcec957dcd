#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <initializer_list>
#include <optional>

// CPace, the balanced password-authenticated key exchange of the IRTF CFRG draft
// "CPace, a balanced composable PAKE" (draft-irtf-cfrg-cpace), in its ristretto255 and SHA-512
// suite, on libsodium. Each function is one of the draft's, under the draft's name, so that
// the draft's test vectors check them one by one; the key exchange of a connection is built
// from them in key_exchange.h.
namespace morvane::cpace {

inline constexpr qsizetype kPointBytes = 32;   // an encoded ristretto255 element
inline constexpr qsizetype kScalarBytes = 32;  // a scalar, little-endian
inline constexpr qsizetype kHashBytes = 64;    // SHA-512: the intermediate session key, a tag

// H: SHA-512.
QByteArray Hash(QByteArrayView message);

// prepend_len: the bytes after their length in LEB128.
QByteArray PrependLen(QByteArrayView bytes);
// lv_cat: each part after its length.
QByteArray LvCat(std::initializer_list<QByteArrayView> parts);

// generator_string(DSI, PRS, CI, sid, 128): the domain separation and the password padded with
// zeros to fill SHA-512's first block, then the channel identifier and the session id.
QByteArray GeneratorString(QByteArrayView prs, QByteArrayView ci, QByteArrayView sid);
// calculate_generator: the encoded element that SHA-512 of the generator string maps to.
QByteArray CalculateGenerator(QByteArrayView prs, QByteArrayView ci, QByteArrayView sid);

// sample_scalar: uniform in 1 .. the group order - 1, from the system's random source.
QByteArray SampleScalar();
// scalar_mult_vfy: scalar times the encoded element; nothing (the draft's G.I) when the bytes
// encode no element or the product is the identity, on which the exchange must stop.
std::optional<QByteArray> ScalarMultVfy(QByteArrayView scalar, QByteArrayView point);

// transcript_ir: the initiator's share and associated data, then the responder's.
QByteArray TranscriptIr(QByteArrayView ya, QByteArrayView ada, QByteArrayView yb,
                        QByteArrayView adb);
// The intermediate session key ISK: SHA-512 of lv_cat(DSI_ISK, sid, K) and the transcript.
QByteArray IntermediateSessionKey(QByteArrayView sid, QByteArrayView k, QByteArrayView transcript);

// The explicit key confirmation the draft recommends: HMAC-SHA512 keyed with
// SHA-512("CPaceMac" || sid || ISK) over lv_cat(share, associated data) of the side that sends
// the tag.
QByteArray ConfirmationTag(QByteArrayView isk, QByteArrayView sid, QByteArrayView share,
                           QByteArrayView ad);
// MAC: HMAC-SHA512 of the message under the key.
QByteArray Mac(QByteArrayView key, QByteArrayView message);
// Whether two tags are equal, in a time that does not tell where they differ.
bool TagsMatch(QByteArrayView received, QByteArrayView expected);

}  // namespace morvane::cpace
