#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace morvane {

// What a guest needs to join a host's game, passed on as one line: "morvane://ADDRESS:PORT/CODE"
// (an IPv6 address in brackets). The desktop opens such a link with the game.
struct Invitation {
    QString address;
    quint16 port = 0;
    QString code;

    friend bool operator==(const Invitation&, const Invitation&) = default;
};

QString InvitationText(const Invitation& invitation);

// The invitation a text holds (surrounding spaces allowed, the scheme in any case, the code as a
// typed code is read),
// or nothing when it is none: another scheme, no address, no port or one out of range, a path
// that is no join code, or anything more (a user, a query, a fragment).
std::optional<Invitation> ReadInvitation(QStringView text);

}  // namespace morvane
