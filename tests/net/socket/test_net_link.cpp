#include <QTcpSocket>
#include <QTest>

#include "net/socket/net_host.h"
#include "net/socket/net_link.h"

using namespace morvane;

namespace {

constexpr int kWaitMs = 5000;
constexpr auto kCode = "K7P2QX";

// Every event a link reports, in order.
struct EventLog {
    explicit EventLog(NetLink* link) {
        QObject::connect(link, &NetLink::eventOccurred,
                         [this](const SessionEvent& event) { events.append(event); });
    }
    bool Has(SessionEvent::Kind kind) const {
        return std::any_of(events.begin(), events.end(),
                           [kind](const SessionEvent& event) { return event.kind == kind; });
    }
    QList<SessionEvent> events;
};

// Whether a connection to address:port is turned away (nothing listens there).
bool Refused(const QHostAddress& address, quint16 port) {
    QTcpSocket probe;
    probe.connectToHost(address, port);
    return !probe.waitForConnected(kWaitMs);
}

}  // namespace

class NetLinkTest : public QObject {
    Q_OBJECT

private slots:
    void playsOverLoopback_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("otherLoopback");
        QTest::addColumn<bool>("guestQuits");  // else its connection drops
        QTest::newRow("IPv4, the guest quits") << "127.0.0.1"
                                               << "::1" << true;
        QTest::newRow("IPv6, the guest's connection drops") << "::1"
                                                            << "127.0.0.1" << false;
    }
    // It should listen on the asked address alone, let the guest with the code in, stop
    // listening then and turn a second connection away, and carry a whole game both sides
    // judge alike, ended by the guest quitting or by its connection dropping.
    void playsOverLoopback() {
        QFETCH(QString, address);
        QFETCH(QString, otherLoopback);
        QFETCH(bool, guestQuits);

        NetHost host(kCode, "Hana", "4.92");
        if (!host.Listen(QHostAddress(address), 0)) {
            QVERIFY2(address != "127.0.0.1", "IPv4 loopback must be there");
            QSKIP("no IPv6 loopback on this machine");
        }
        QCOMPARE(host.address(), QHostAddress(address));
        QTcpSocket elsewhere;
        elsewhere.connectToHost(otherLoopback, host.port());
        QTRY_COMPARE_WITH_TIMEOUT(elsewhere.state(), QAbstractSocket::UnconnectedState, kWaitMs);

        std::unique_ptr<NetLink> guest(NetLink::Join(address, host.port(), kCode, "Gus", "4.92"));
        EventLog guestLog(guest.get());
        QTRY_VERIFY_WITH_TIMEOUT(host.guest() != nullptr, kWaitMs);
        NetLink* hosted = host.guest();
        EventLog hostLog(hosted);
        QVERIFY(!host.isListening());
        QCOMPARE(hosted->session().peerName(), "Gus");

        QTcpSocket second;
        second.connectToHost(address, host.port());
        QTRY_COMPARE_WITH_TIMEOUT(second.state(), QAbstractSocket::UnconnectedState, kWaitMs);

        Board terrain;
        terrain[CellIndex(8, kRows)] = Block;
        QVERIFY(hosted->Act([&](Session& s) {
            return s.StartGame(terrain, {Peer::Host, Peer::Guest}, 0);
        }));
        QTRY_COMPARE_WITH_TIMEOUT(guest->session().state(), Session::State::Playing, kWaitMs);
        QCOMPARE(guest->session().board(), terrain);
        // ○ (host) fills column 1, × (guest) column 2; the host's fourth unit wins.
        for (int row = kRows; row > kRows - 4; --row) {
            QVERIFY(hosted->Act([row](Session& s) { return s.Move(CellIndex(1, row)); }));
            QTRY_COMPARE_WITH_TIMEOUT(guest->session().movesMade(), hosted->session().movesMade(),
                                      kWaitMs);
            if (row > kRows - 3) {
                QVERIFY(guest->Act([row](Session& s) { return s.Move(CellIndex(2, row)); }));
                QTRY_COMPARE_WITH_TIMEOUT(hosted->session().movesMade(),
                                          guest->session().movesMade(), kWaitMs);
            }
        }
        QCOMPARE(guest->session().state(), Session::State::GameOver);
        QCOMPARE(guest->session().board(), hosted->session().board());
        QCOMPARE(guestLog.events.last().winnerSide, 0);

        if (guestQuits) {
            guest->Act([](Session& s) {
                s.Quit();
                return true;
            });
        } else {
            guest.reset();
        }
        QTRY_VERIFY_WITH_TIMEOUT(
            hostLog.Has(guestQuits ? SessionEvent::Kind::PeerQuit : SessionEvent::Kind::Left),
            kWaitMs);
        QCOMPARE(hosted->session().state(), Session::State::Closed);
        QVERIFY(!hostLog.Has(SessionEvent::Kind::Invalid));
        QVERIFY(!guestLog.Has(SessionEvent::Kind::Invalid));
    }

    // It should tell a guest with a wrong code so before closing, and stop listening after
    // the third wrong code.
    void turnsWrongCodesAway() {
        NetHost host(kCode, "Hana", "4.92");
        QVERIFY(host.Listen(QHostAddress::LocalHost, 0));
        for (int attempt = 1; attempt <= kMaxWrongCodes; ++attempt) {
            const std::unique_ptr<NetLink> guest(
                NetLink::Join("127.0.0.1", host.port(), "AAAAAA", "Gus", "4.92"));
            EventLog log(guest.get());
            QTRY_VERIFY_WITH_TIMEOUT(log.Has(SessionEvent::Kind::PeerBye), kWaitMs);
            QCOMPARE(log.events.last().text, "code");
            QTRY_COMPARE_WITH_TIMEOUT(host.isListening(), attempt < kMaxWrongCodes, kWaitMs);
        }
        QVERIFY(host.stoppedForWrongCodes());
        QVERIFY(Refused(QHostAddress::LocalHost, host.port()));
    }
};

QTEST_GUILESS_MAIN(NetLinkTest)
#include "test_net_link.moc"
