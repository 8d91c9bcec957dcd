#include "net/protocol/join_code.h"

#include <QRandomGenerator>

namespace morvane {

namespace {

constexpr QStringView kCrockfordSymbols = u"0123456789ABCDEFGHJKMNPQRSTVWXYZ";

// The symbol a typed character reads as. Only ASCII is read: toUpper would turn the dotless ı
// into I and the long ſ into S.
std::optional<QChar> ReadSymbol(QChar typed) {
    if (typed.unicode() > 0x7F) {
        return std::nullopt;
    }
    const QChar upper = typed.toUpper();
    if (upper == u'I' || upper == u'L') {
        return QChar(u'1');
    }
    if (upper == u'O') {
        return QChar(u'0');
    }
    if (!kCrockfordSymbols.contains(upper)) {
        return std::nullopt;
    }
    return upper;
}

}  // namespace

QString NewJoinCode() {
    QString code;
    for (int i = 0; i < kJoinCodeLength; ++i) {
        code.append(kCrockfordSymbols[QRandomGenerator::system()->bounded(
            static_cast<int>(kCrockfordSymbols.size()))]);
    }
    return code;
}

std::optional<QString> ReadJoinCode(QStringView text) {
    if (text.size() != kJoinCodeLength) {
        return std::nullopt;
    }
    QString code;
    for (const QChar typed : text) {
        const std::optional<QChar> symbol = ReadSymbol(typed);
        if (!symbol) {
            return std::nullopt;
        }
        code.append(*symbol);
    }
    return code;
}

bool IsJoinCode(QStringView text) { return ReadJoinCode(text).has_value(); }

}  // namespace morvane
