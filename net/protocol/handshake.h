#pragma once

#include <QString>

#include "net/protocol/join_code.h"

namespace morvane {

// The protocol's version: peers of different majors do not play each other; a minor may add
// fields the other side ignores, and messages a side sends only to a side of that minor or later.
inline constexpr int kProtocolMajor = 2;
inline constexpr int kProtocolMinor = 1;
// The first minor version that resumes a dropped connection.
inline constexpr int kResumingMinor = 1;

// After this many wrong codes a host draws a new code.
inline constexpr int kMaxWrongCodes = 3;
// A player's name as the other side shows it: trimmed, at most this many characters.
inline constexpr int kMaxNameLength = 24;

// A protocol version as both sides show it ("2.0").
QString ProtocolVersionText(int major, int minor);

// A name as it is sent and shown: trimmed, cut to kMaxNameLength characters (never inside a
// surrogate pair).
QString CleanName(const QString& name);

}  // namespace morvane
