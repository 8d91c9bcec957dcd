#pragma once

#include <QList>
#include <functional>

#include "net/protocol/session.h"

namespace morvane::testing {

// A host and a guest session wired to each other in memory, the clock in the test's hands.
struct SessionPair {
    explicit SessionPair(const QString& guestCode = QStringLiteral("K7P2QX"))
        : host(Peer::Host, QStringLiteral("K7P2QX"), QStringLiteral("Hana"), QStringLiteral("4.92"),
               0),
          guest(Peer::Guest, guestCode, QStringLiteral("Gus"), QStringLiteral("4.92"), 0) {}

    // Carries each side's bytes to the other until both are quiet, gathering the events; what
    // goes to the guest passes through onWayToGuest first, and everything is kept in wire.
    void Exchange() {
        for (int round = 0; round < kMaxRounds; ++round) {
            QByteArray toGuest = host.TakeOutput();
            const QByteArray toHost = guest.TakeOutput();
            if (toGuest.isEmpty() && toHost.isEmpty()) {
                break;
            }
            if (onWayToGuest) {
                onWayToGuest(toGuest);
            }
            wire += toGuest + toHost;
            guest.Receive(toGuest, now);
            host.Receive(toHost, now);
        }
        hostEvents += host.TakeEvents();
        guestEvents += guest.TakeEvents();
    }

    // Moves the clock on and lets both sides tick and talk.
    void Wait(qint64 ms) {
        now += ms;
        host.Tick(now);
        guest.Tick(now);
        Exchange();
    }

    static constexpr int kMaxRounds = 16;
    Session host;
    Session guest;
    qint64 now = 0;
    QList<SessionEvent> hostEvents;
    QList<SessionEvent> guestEvents;
    std::function<void(QByteArray&)> onWayToGuest;
    QByteArray wire;
};

inline bool HasEvent(const QList<SessionEvent>& events, SessionEvent::Kind kind) {
    return std::any_of(events.begin(), events.end(),
                       [kind](const SessionEvent& event) { return event.kind == kind; });
}

}  // namespace morvane::testing
