#include "net/protocol/invitation.h"

#include <QUrl>

#include "net/protocol/join_code.h"

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
    const std::optional<QString> code =
        path.startsWith(QLatin1Char('/')) ? ReadJoinCode(path.mid(1)) : std::nullopt;
    if (!code) {
        return std::nullopt;
    }
    return Invitation{url.host(), static_cast<quint16>(url.port()), *code};
}

}  // namespace morvane
