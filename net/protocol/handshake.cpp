#include "net/protocol/handshake.h"

#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <array>

namespace morvane {

namespace {

constexpr QStringView kJoinCodeAlphabet = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ23456789";

bool IsHexDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

}  // namespace

QString NewJoinCode() {
    QString code;
    for (int i = 0; i < kJoinCodeLength; ++i) {
        const auto pick = QRandomGenerator::system()->bounded(kJoinCodeAlphabet.size());
        code.append(kJoinCodeAlphabet[pick]);
    }
    return code;
}

bool IsJoinCode(QStringView code) {
    return code.size() == kJoinCodeLength && std::all_of(code.begin(), code.end(), [](QChar c) {
               return kJoinCodeAlphabet.contains(c);
           });
}

QString NewNonce() {
    std::array<quint32, kNonceHexDigits / 8> words{};
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    const QByteArray bytes(reinterpret_cast<const char*>(words.data()),
                           static_cast<qsizetype>(sizeof(words)));
    return QString::fromLatin1(bytes.toHex());
}

bool IsHexText(QStringView text, int digits) {
    return text.size() == digits && std::all_of(text.begin(), text.end(), IsHexDigit);
}

QString AuthMac(const QString& joinCode, const QString& hostNonce, const QString& guestNonce) {
    const QByteArray message = hostNonce.toUtf8() + guestNonce.toUtf8();
    return QString::fromLatin1(
        QMessageAuthenticationCode::hash(message, joinCode.toUtf8(), QCryptographicHash::Sha256)
            .toHex());
}

bool MacMatches(const QString& received, const QString& expected) {
    if (received.size() != expected.size()) {
        return false;
    }
    bool same = true;
    for (qsizetype i = 0; i < received.size(); ++i) {
        same &= received[i].toLower() == expected[i].toLower();
    }
    return same;
}

QString CleanName(const QString& name) {
    QString clean = name.trimmed();
    if (clean.size() > kMaxNameLength) {
        clean.truncate(kMaxNameLength);
        if (clean.back().isHighSurrogate()) {
            clean.chop(1);
        }
    }
    return clean;
}

}  // namespace morvane
