#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>

#include "net/socket/net_host.h"
#include "net/socket/net_link.h"
#include "tests/net/hand_guest.h"

using namespace morvane;
using morvane::testing::HandGuest;

namespace {

constexpr int kWaitMs = 5000;
// The friend gets in within this, whatever a stranger did before.
constexpr int kFriendWaitMs = 15'000;
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

// What a stranger does to the host before the friend comes.
enum class Stranger { HoldsAHello, HoldsAShare, GivesThreeWrongCodes, WritesAllAtOnceThrice };

// A stranger's connection written by hand: it says what the test gives it, and reads what the
// host says as a guest does.
struct RawGuest {
    QTcpSocket socket;
    HandGuest guest{QStringLiteral("AAAAAA")};

    explicit RawGuest(quint16 port) { socket.connectToHost(QHostAddress::LocalHost, port); }
    // Waits for the host's next bytes and reads them.
    bool Hear() {
        if (!QTest::qWaitFor([this] { return socket.bytesAvailable() > 0; }, kWaitMs)) {
            return false;
        }
        guest.Read(socket.readAll());
        return true;
    }
};

}  // namespace

Q_DECLARE_METATYPE(Stranger)

class NetLinkTest : public QObject {
    Q_OBJECT

private slots:
    void playsOverLoopback_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("otherLoopback");
        QTest::addColumn<bool>("guestQuits");  // else its connection drops for good
        QTest::newRow("IPv4, the guest quits") << "127.0.0.1"
                                               << "::1" << true;
        QTest::newRow("IPv6, the guest's connection drops for good") << "::1"
                                                                     << "127.0.0.1" << false;
    }
    // It should listen on the asked address alone, let the guest with the code in, stop
    // listening then and turn a second connection away, and carry a whole game both sides
    // judge alike, ended by the guest quitting or by its connection dropping and not coming back
    // within the limit.
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
            hosted->SetResumeLimit(kWaitMs / 5);
            guest.reset();
        }
        QTRY_VERIFY_WITH_TIMEOUT(
            hostLog.Has(guestQuits ? SessionEvent::Kind::PeerQuit : SessionEvent::Kind::Left),
            kWaitMs);
        QCOMPARE(hosted->session().state(), Session::State::Closed);
        QVERIFY(!hostLog.Has(SessionEvent::Kind::Invalid));
        QVERIFY(!guestLog.Has(SessionEvent::Kind::Invalid));
    }

    void strangersCannotKeepTheFriendOut_data() {
        QTest::addColumn<Stranger>("stranger");
        QTest::addColumn<bool>("newCode");
        QTest::newRow("a stranger holds a hello") << Stranger::HoldsAHello << false;
        QTest::newRow("a stranger holds a share") << Stranger::HoldsAShare << false;
        QTest::newRow("three wrong codes") << Stranger::GivesThreeWrongCodes << true;
        QTest::newRow("hello, share and a made-up proof in one write, thrice")
            << Stranger::WritesAllAtOnceThrice << true;
    }
    // The friend should get in whatever a stranger did before: a stranger holding a handshake
    // open holds no more than its own place, and each wrong code counts, the third drawing a
    // new code while the host goes on listening.
    void strangersCannotKeepTheFriendOut() {
        QFETCH(Stranger, stranger);
        QFETCH(bool, newCode);
        NetHost host(kCode, "Hana", "4.92");
        QVERIFY(host.Listen(QHostAddress::LocalHost, 0));
        QSignalSpy wrongCodes(&host, &NetHost::wrongCodeGiven);
        QSignalSpy codes(&host, &NetHost::joinCodeChanged);

        std::vector<std::unique_ptr<RawGuest>> strangers;
        switch (stranger) {
            case Stranger::HoldsAHello:
            case Stranger::HoldsAShare: {
                RawGuest& held = *strangers.emplace_back(std::make_unique<RawGuest>(host.port()));
                QVERIFY(held.Hear());
                held.socket.write(stranger == Stranger::HoldsAShare
                                      ? held.guest.Hello() + held.guest.Share()
                                      : held.guest.Hello());
                break;
            }
            case Stranger::GivesThreeWrongCodes:
                for (int attempt = 0; attempt < kMaxWrongCodes; ++attempt) {
                    const std::unique_ptr<NetLink> guest(
                        NetLink::Join("127.0.0.1", host.port(), "AAAAAA", "Rogue", "4.92"));
                    QTRY_COMPARE_WITH_TIMEOUT(guest->session().state(), Session::State::Closed,
                                              kWaitMs);
                }
                break;
            case Stranger::WritesAllAtOnceThrice:
                for (int attempt = 0; attempt < kMaxWrongCodes; ++attempt) {
                    RawGuest rogue(host.port());
                    QVERIFY(rogue.Hear());
                    rogue.socket.write(rogue.guest.Hello() + rogue.guest.Share() +
                                       HandGuest::MadeUpConfirm());
                    QTRY_COMPARE_WITH_TIMEOUT(rogue.socket.state(),
                                              QAbstractSocket::UnconnectedState, kWaitMs);
                }
                break;
        }
        QTRY_COMPARE_WITH_TIMEOUT(wrongCodes.count(), newCode ? kMaxWrongCodes : 0, kWaitMs);
        QCOMPARE(codes.count(), newCode ? 1 : 0);
        QCOMPARE(host.joinCode() != kCode, newCode);
        QVERIFY(host.isListening());

        const std::unique_ptr<NetLink> friendLink(
            NetLink::Join("127.0.0.1", host.port(), host.joinCode(), "Gus", "4.92"));
        QTRY_VERIFY_WITH_TIMEOUT(host.guest() != nullptr, kFriendWaitMs);
        QCOMPARE(host.guest()->session().peerName(), "Gus");
        QVERIFY(!host.isListening());
    }

    // While the host waits for its guest to resume a dropped game, strangers at its port should
    // be turned away without ending the wait: one that says hello as a new guest would, and one
    // that says nothing. The guest then resumes, and the game goes on.
    void strangersCannotStopAResume() {
        NetHost host(kCode, "Hana", "4.92");
        QVERIFY(host.Listen(QHostAddress::LocalHost, 0));
        const quint16 port = host.port();
        std::unique_ptr<NetLink> guest(NetLink::Join("127.0.0.1", port, kCode, "Gus", "4.92"));
        QTRY_VERIFY_WITH_TIMEOUT(host.guest() != nullptr, kWaitMs);
        NetLink* hosted = host.guest();
        EventLog hostLog(hosted);
        QVERIFY(hosted->Act([](Session& s) {
            return s.StartGame(Board{}, {Peer::Host, Peer::Guest}, 0);
        }));
        QVERIFY(hosted->Act([](Session& s) { return s.Move(CellIndex(1, kRows)); }));
        QTRY_COMPARE_WITH_TIMEOUT(guest->session().movesMade(), 1, kWaitMs);

        // The host's connection drops, and it listens again at once; strangers come before the
        // guest dials again, a pause after it saw the drop.
        hosted->findChild<QTcpSocket*>()->abort();
        QVERIFY(hostLog.Has(SessionEvent::Kind::Dropped));
        RawGuest hello(port);
        hello.socket.write(hello.guest.Hello());
        QTRY_COMPARE_WITH_TIMEOUT(hello.socket.state(), QAbstractSocket::UnconnectedState, kWaitMs);
        QTcpSocket silent;
        silent.connectToHost(QHostAddress::LocalHost, port);

        QTRY_VERIFY_WITH_TIMEOUT(hostLog.Has(SessionEvent::Kind::Resumed), kFriendWaitMs);
        QVERIFY(guest->Act([](Session& s) { return s.Move(CellIndex(2, kRows)); }));
        QTRY_COMPARE_WITH_TIMEOUT(hosted->session().movesMade(), 2, kWaitMs);
        QCOMPARE(guest->session().board(), hosted->session().board());
        QVERIFY(!hostLog.Has(SessionEvent::Kind::Left));
        QVERIFY(!hostLog.Has(SessionEvent::Kind::Invalid));
    }
};

QTEST_GUILESS_MAIN(NetLinkTest)
#include "test_net_link.moc"
