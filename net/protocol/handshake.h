#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace morvane {

// The protocol's version: peers of different majors do not play each other; a minor may add
// fields the other side ignores.
inline constexpr int kProtocolMajor = 1;
inline constexpr int kProtocolMinor = 0;

// A join code: six characters of A-Z and 2-9, read aloud or typed by the guest.
inline constexpr int kJoinCodeLength = 6;
// After this many wrong codes a host stops listening.
inline constexpr int kMaxWrongCodes = 3;
// A player's name as the other side shows it: trimmed, at most this many characters.
inline constexpr int kMaxNameLength = 24;
// A nonce is 16 random bytes sent as 32 hex digits.
inline constexpr int kNonceHexDigits = 32;
// A mac is an HMAC-SHA256, 32 bytes sent as 64 hex digits.
inline constexpr int kMacHexDigits = 64;

// A fresh join code from the system's cryptographic-quality generator.
QString NewJoinCode();
bool IsJoinCode(QStringView code);

// A fresh nonce, 32 lowercase hex digits from the system's generator.
QString NewNonce();
bool IsHexText(QStringView text, int digits);

// The guest's proof of the code: HMAC-SHA256 keyed with the code's bytes over the host's nonce
// text followed by the guest's, as lowercase hex.
QString AuthMac(const QString& joinCode, const QString& hostNonce, const QString& guestNonce);
// Whether a received mac is the expected one; compares every digit whatever the first
// difference, case aside.
bool MacMatches(const QString& received, const QString& expected);

// A name as it is sent and shown: trimmed, cut to kMaxNameLength characters (never inside a
// surrogate pair).
QString CleanName(const QString& name);

// The host's count of wrong codes across the guests that tried: it stops listening once the
// count reaches kMaxWrongCodes.
class WrongCodeCount {
public:
    void Add() { ++count_; }
    int count() const { return count_; }
    bool exhausted() const { return count_ >= kMaxWrongCodes; }

private:
    int count_ = 0;
};

}  // namespace morvane
