#include <QJsonArray>
#include <QTest>

#include "net/protocol/frame_codec.h"
#include "net/protocol/handshake.h"
#include "tests/net/session_pair.h"

using namespace morvane;
using morvane::testing::HasEvent;
using morvane::testing::SessionPair;

namespace {

constexpr auto kGuestNonce = "ffeeddccbbaa99887766554433221100";

QJsonObject Hello(int major, const QString& nonce = QString::fromLatin1(kGuestNonce)) {
    return {{"t", "hello"},
            {"proto", QJsonArray{major, 0}},
            {"app", "4.92"},
            {"name", "Gus"},
            {"nonce", nonce}};
}

// The nonce in the host's first frame, its hello.
QString HostNonce(const QByteArray& hostOutput) {
    FrameReader reader;
    return reader.Feed(hostOutput).value(0).value("nonce").toString();
}

}  // namespace

class HandshakeTest : public QObject {
    Q_OBJECT

private slots:
    // It should compute HMAC-SHA256 keyed with the code over the host's nonce then the guest's.
    void authMacMatchesKnownValues_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("hostNonce");
        QTest::addColumn<QString>("guestNonce");
        QTest::addColumn<QString>("mac");
        // The expected macs were made with
        //   printf '%s' HOSTNONCE GUESTNONCE | openssl dgst -sha256 -hmac CODE
        QTest::newRow("K7P2QX")
            << "K7P2QX"
            << "000102030405060708090a0b0c0d0e0f" << kGuestNonce
            << "27b5bc4395742c93037f244b0046e56123d56c68d57da5d8f751cc53e5b6248f";
        QTest::newRow("ABCDEF")
            << "ABCDEF"
            << "0123456789abcdef0123456789abcdef"
            << "fedcba9876543210fedcba9876543210"
            << "ea22c42119349ddcf474e0c452ad7c2b21a077168763edfd806f2cbf8458e913";
    }
    void authMacMatchesKnownValues() {
        QFETCH(QString, code);
        QFETCH(QString, hostNonce);
        QFETCH(QString, guestNonce);
        QFETCH(QString, mac);
        QCOMPARE(AuthMac(code, hostNonce, guestNonce), mac);
        QVERIFY(MacMatches(mac.toUpper(), mac));
        QVERIFY(!MacMatches(AuthMac(code, guestNonce, hostNonce), mac));
    }

    // It should draw codes of six characters from A-Z and 2-9, different from draw to draw, and
    // nonces of 32 hex digits.
    void drawsCodesAndNonces() {
        QSet<QString> codes;
        for (int i = 0; i < 50; ++i) {
            const QString code = NewJoinCode();
            QVERIFY2(IsJoinCode(code), qPrintable(code));
            QVERIFY(IsHexText(NewNonce(), kNonceHexDigits));
            codes.insert(code);
        }
        QVERIFY(codes.size() > 45);
        QVERIFY(!IsJoinCode(u"K7P2Q1"));
        QVERIFY(!IsJoinCode(u"k7p2qx"));
        QVERIFY(!IsJoinCode(u"K7P2QXX"));
    }

    // It should send and show names trimmed and cut to 24 characters.
    void cleansNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("clean");
        QTest::newRow("spaces") << "  Hana  "
                                << "Hana";
        QTest::newRow("30 letters") << QString(30, u'a') << QString(24, u'a');
        QTest::newRow("a pair cut in two")
            << QString(23, u'a') + QString::fromUtf8("\xF0\x9F\x90\x88") << QString(23, u'a');
    }
    void cleansNames() {
        QFETCH(QString, name);
        QFETCH(QString, clean);
        QCOMPARE(CleanName(name), clean);
    }

    // It should let in a guest with the code and the protocol's major, and close with the
    // bye's reason otherwise, the host hearing every step.
    void hostJudgesTheGuestsHandshake_data() {
        QTest::addColumn<int>("major");
        QTest::addColumn<bool>("helloFirst");
        QTest::addColumn<bool>("rightMac");
        QTest::addColumn<int>("hostState");
        QTest::addColumn<int>("lastEvent");
        QTest::addColumn<QString>("bye");

        using Kind = SessionEvent::Kind;
        QTest::newRow("right code") << kProtocolMajor << true << true << int(Session::State::Setup)
                                    << int(Kind::Authenticated) << "";
        QTest::newRow("wrong code")
            << kProtocolMajor << true << false << int(Session::State::Closed)
            << int(Kind::WrongCode) << "code";
        QTest::newRow("another major")
            << kProtocolMajor + 1 << true << true << int(Session::State::Closed)
            << int(Kind::VersionMismatch) << "version";
        QTest::newRow("auth before hello")
            << kProtocolMajor << false << true << int(Session::State::Closed) << int(Kind::Invalid)
            << "invalid";
    }
    void hostJudgesTheGuestsHandshake() {
        QFETCH(int, major);
        QFETCH(bool, helloFirst);
        QFETCH(bool, rightMac);
        QFETCH(int, hostState);
        QFETCH(int, lastEvent);
        QFETCH(QString, bye);

        Session host(Peer::Host, "K7P2QX", "Hana", "4.92", 0);
        const QString hostNonce = HostNonce(host.TakeOutput());
        QCOMPARE(hostNonce.size(), kNonceHexDigits);
        const QString mac = AuthMac(rightMac ? "K7P2QX" : "K7P2QY", hostNonce, kGuestNonce);
        const QByteArray auth = EncodeFrame({{"t", "auth"}, {"mac", mac}});
        host.Receive(helloFirst ? EncodeFrame(Hello(major)) + auth : auth, 10);

        QCOMPARE(int(host.state()), hostState);
        const QList<SessionEvent> events = host.TakeEvents();
        QVERIFY(!events.isEmpty());
        QCOMPARE(int(events.last().kind), lastEvent);
        if (events.last().kind == SessionEvent::Kind::VersionMismatch) {
            QCOMPARE(events.last().text, "1.0");
            QCOMPARE(events.last().version, "2.0");
        }
        FrameReader reader;
        const QList<QJsonObject> sent = reader.Feed(host.TakeOutput());
        QCOMPARE(sent.isEmpty() ? QString() : sent.last().value("reason").toString(), bye);
    }

    // It should carry two real sessions through the handshake, or part them over a wrong code,
    // the host counting wrong codes until it stops listening.
    void sessionsShakeHands_data() {
        QTest::addColumn<QString>("guestCode");
        QTest::addColumn<bool>("joined");
        QTest::newRow("right code") << "K7P2QX" << true;
        QTest::newRow("wrong code") << "K7P2QY" << false;
    }
    void sessionsShakeHands() {
        QFETCH(QString, guestCode);
        QFETCH(bool, joined);

        WrongCodeCount wrongCodes;
        for (int attempt = 0; attempt < kMaxWrongCodes; ++attempt) {
            SessionPair pair(guestCode);
            pair.Exchange();
            QCOMPARE(pair.host.peerName(), "Gus");
            QCOMPARE(pair.guest.peerName(), "Hana");
            QCOMPARE(pair.host.state() == Session::State::Setup, joined);
            QCOMPARE(pair.guest.state() == Session::State::Setup, joined);
            QCOMPARE(HasEvent(pair.guestEvents, SessionEvent::Kind::PeerBye), !joined);
            if (HasEvent(pair.hostEvents, SessionEvent::Kind::WrongCode)) {
                wrongCodes.Add();
            }
        }
        QCOMPARE(wrongCodes.exhausted(), !joined);
    }
};

QTEST_GUILESS_MAIN(HandshakeTest)
#include "test_handshake.moc"
