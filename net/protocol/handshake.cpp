#include "net/protocol/handshake.h"

namespace morvane {

QString ProtocolVersionText(int major, int minor) {
    return QStringLiteral("%1.%2").arg(major).arg(minor);
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
