#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace morvane {

// A join code: six symbols of Crockford's base 32 (0-9 and A-Z without I, L, O and U), drawn
// by the host and read aloud or typed by the guest. It is the key exchange's password.
inline constexpr int kJoinCodeLength = 6;

// A fresh code from the system's random source, as the host shows it.
QString NewJoinCode();

// The code a typed text stands for, as the host shows it: read case-insensitively, with I and
// L read as 1 and O as 0, as the alphabet does; nothing when the text is not six of its symbols.
std::optional<QString> ReadJoinCode(QStringView text);

bool IsJoinCode(QStringView text);

}  // namespace morvane
