#include "net/protocol/invitation.h"

#include <QUrl>

#include "net/protocol/handshake.h"

namespace morvane {
namespace {

const QString kScheme = QStringLiteral("morvane");

}  // namespace

QString InvitationText(const Invitation& invitation) {
    QUrl url;
    url.setScheme(kScheme);
    url.setHost(invitation.address);
    url.setPort(invitation.port);
    url.setPath(QLatin1Char('/') + invitation.code);
    return url.toString();
}

std::optional<Invitation> ReadInvitation(QStringView text) {
    const QUrl url(text.trimmed().toString(), QUrl::StrictMode);
    if (!url.isValid() || url.scheme().compare(kScheme, Qt::CaseInsensitive) != 0 ||
        url.host().isEmpty() || url.port() < 1 || !url.userInfo().isEmpty() || url.hasQuery() ||
        url.hasFragment()) {
        return std::nullopt;
    }
    const QString path = url.path();
    const QString code = path.mid(1).toUpper();
    if (!path.startsWith(QLatin1Char('/')) || !IsJoinCode(code)) {
        return std::nullopt;
    }
    return Invitation{url.host(), static_cast<quint16>(url.port()), code};
}

}  // namespace morvane
