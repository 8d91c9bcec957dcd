#include <QTest>

#include "tests/net/session_pair.h"

using namespace morvane;
using morvane::testing::HasEvent;
using morvane::testing::SessionPair;

namespace {

using Kind = SessionEvent::Kind;

// Who comes to the host's port after the drop, before the guest itself resumes.
enum class Caller {
    None,      // only the guest
    WrongKey,  // a guest of another session, which holds another key
    Replay,    // a recording of the guest's resume on an earlier connection
    NewGuest,  // a new guest's hello, as a stranger with the join code sends
};

// Carries bytes both ways between a host and a guest until both are quiet; what went either way
// is added to wire, and what the guest sent to guestBytes.
void Talk(Session& host, Session& guest, qint64 now, QByteArray& wire,
          QByteArray* guestBytes = nullptr) {
    for (int round = 0; round < SessionPair::kMaxRounds; ++round) {
        const QByteArray toHost = guest.TakeOutput();
        const QByteArray toGuest = host.TakeOutput();
        if (toHost.isEmpty() && toGuest.isEmpty()) {
            return;
        }
        wire += toHost + toGuest;
        if (guestBytes != nullptr) {
            *guestBytes += toHost;
        }
        host.Receive(toHost, now);
        guest.Receive(toGuest, now);
    }
}

// A pair in its first game: ○ (the host) and × have placed a unit each.
void PlayTwoMoves(SessionPair& pair) {
    pair.Exchange();
    pair.host.StartGame(Board{}, {Peer::Host, Peer::Guest}, 0);
    pair.Exchange();
    pair.host.Move(CellIndex(1, kRows));
    pair.Exchange();
    pair.guest.Move(CellIndex(2, kRows));
    pair.Exchange();
}

void DropBoth(SessionPair& pair) {
    pair.host.ConnectionLost(pair.now);
    pair.guest.ConnectionLost(pair.now);
}

}  // namespace

Q_DECLARE_METATYPE(Caller)

class SessionResumeTest : public QObject {
    Q_OBJECT

private slots:
    // Whoever else calls first, the guest should resume the dropped game over a new connection,
    // with no move lost or doubled: the host's move that the drop swallowed and the guest's
    // move made while cut both arrive once. A caller without the session's key, or with a
    // recording of an earlier resume, is turned away and leaves the host waiting.
    void resumesOnlyTheSession_data() {
        QTest::addColumn<Caller>("caller");
        // The bye in the clear that ends the caller's connection; none once the host sealed.
        QTest::addColumn<QString>("refusal");
        QTest::newRow("the guest alone") << Caller::None << QString();
        QTest::newRow("another session's guest first") << Caller::WrongKey << "code";
        QTest::newRow("an earlier resume replayed first") << Caller::Replay << QString();
        QTest::newRow("a new guest's hello first") << Caller::NewGuest << "invalid";
    }
    void resumesOnlyTheSession() {
        QFETCH(Caller, caller);
        QFETCH(QString, refusal);

        SessionPair pair;
        PlayTwoMoves(pair);
        QByteArray earlierResume;
        if (caller == Caller::Replay) {
            DropBoth(pair);
            pair.host.BeginResume(pair.now);
            pair.guest.BeginResume(pair.now);
            QByteArray wire;
            Talk(pair.host, pair.guest, pair.now, wire, &earlierResume);
            QCOMPARE(pair.host.connection(), Session::Connection::Live);
        }
        // Heartbeats acknowledge what arrived, which is then no longer kept.
        pair.Wait(kHeartbeatPeriodMs);

        // The host's move is sent but never arrives; then the connection drops.
        QVERIFY(pair.host.Move(CellIndex(1, kRows - 1)));
        pair.host.TakeOutput();
        pair.Wait(1000);
        DropBoth(pair);
        pair.Exchange();
        QVERIFY(HasEvent(pair.hostEvents, Kind::Dropped));
        QVERIFY(HasEvent(pair.guestEvents, Kind::Dropped));
        QCOMPARE(pair.guest.movesMade(), 2);

        if (caller != Caller::None) {
            QVERIFY(pair.host.BeginResume(pair.now));
            SessionPair other;
            PlayTwoMoves(other);
            other.guest.ConnectionLost(other.now);
            QByteArray wire;
            switch (caller) {
                case Caller::WrongKey:
                    other.guest.BeginResume(pair.now);
                    Talk(pair.host, other.guest, pair.now, wire);
                    break;
                case Caller::Replay:
                    pair.host.Receive(earlierResume, pair.now);
                    break;
                default: {
                    Session stranger(Peer::Guest, "K7P2QX", "Rogue", "4.92", pair.now);
                    pair.host.Receive(stranger.TakeOutput(), pair.now);
                    break;
                }
            }
            wire += pair.host.TakeOutput();
            QCOMPARE(pair.host.connection(), Session::Connection::Cut);
            QCOMPARE(pair.host.state(), Session::State::Playing);
            QVERIFY(refusal.isEmpty() ||
                    wire.contains(QStringLiteral("\"reason\":\"%1\"").arg(refusal).toUtf8()));
        }

        // The guest dials again and resumes: it hears the host's lost move once.
        QVERIFY(pair.host.BeginResume(pair.now));
        QVERIFY(pair.guest.BeginResume(pair.now));
        pair.Exchange();
        QCOMPARE(pair.host.connection(), Session::Connection::Live);
        QCOMPARE(pair.guest.connection(), Session::Connection::Live);
        QVERIFY(HasEvent(pair.hostEvents, Kind::Resumed));
        QVERIFY(HasEvent(pair.guestEvents, Kind::Resumed));
        QCOMPARE(pair.guest.movesMade(), 3);

        // Cut again, the guest moves before the next resume: the move arrives after it.
        DropBoth(pair);
        QVERIFY(pair.guest.Move(CellIndex(2, kRows - 1)));
        pair.host.BeginResume(pair.now);
        pair.guest.BeginResume(pair.now);
        pair.Exchange();
        QCOMPARE(pair.host.moves(), pair.guest.moves());
        QCOMPARE(pair.host.movesMade(), 4);
        QCOMPARE(pair.host.board(), pair.guest.board());
        QVERIFY(!HasEvent(pair.hostEvents + pair.guestEvents, Kind::Invalid));
        QVERIFY(!HasEvent(pair.hostEvents + pair.guestEvents, Kind::Left));
    }

    // A drop should be resumed only when nothing ended the match on purpose and the limit has
    // not passed: a bye, with or without a quit, ends it for good, and the limit ends the wait
    // as the other side leaving.
    void givesUpWhenItShould_data() {
        QTest::addColumn<QString>("guestEnds");  // with a quit, a bye alone, or not at all
        QTest::addColumn<qint64>("waitedMs");
        QTest::addColumn<bool>("waits");  // the host still waits for a new connection
        QTest::newRow("just before the limit") << "" << kResumeLimitMs - 1 << true;
        QTest::newRow("at the limit") << "" << kResumeLimitMs << false;
        QTest::newRow("after a quit and its bye") << "quit" << qint64{0} << false;
        QTest::newRow("after a bye alone") << "bye" << qint64{0} << false;
    }
    void givesUpWhenItShould() {
        QFETCH(QString, guestEnds);
        QFETCH(qint64, waitedMs);
        QFETCH(bool, waits);

        SessionPair pair;
        PlayTwoMoves(pair);
        if (guestEnds == "quit") {
            pair.guest.Quit();
        } else if (guestEnds == "bye") {
            pair.guest.Withdraw(kByeTimeout);
        }
        pair.Exchange();
        pair.host.TakeEvents();
        pair.host.ConnectionLost(pair.now);
        pair.guest.ConnectionLost(pair.now);
        pair.now += waitedMs;
        pair.host.Tick(pair.now);
        const QList<SessionEvent> events = pair.host.TakeEvents();
        const bool dropped = guestEnds.isEmpty();
        QCOMPARE(HasEvent(events, Kind::Dropped), dropped);
        QCOMPARE(HasEvent(events, Kind::Left), dropped && !waits);
        QCOMPARE(pair.host.state() != Session::State::Closed, waits);
        QCOMPARE(pair.host.BeginResume(pair.now), waits);
        QCOMPARE(pair.guest.BeginResume(pair.now), dropped);
    }
};

QTEST_GUILESS_MAIN(SessionResumeTest)
#include "test_session_resume.moc"
