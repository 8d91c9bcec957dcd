#include <QJsonArray>
#include <QTest>

#include "net/protocol/cpace.h"
#include "net/protocol/frame_codec.h"
#include "net/protocol/handshake.h"
#include "net/protocol/join_code.h"
#include "tests/net/hand_guest.h"
#include "tests/net/session_pair.h"

using namespace morvane;
using morvane::testing::HandGuest;
using morvane::testing::HasEvent;
using morvane::testing::SessionPair;

namespace {

QByteArray Hex(const char* digits) { return QByteArray::fromHex(digits); }

// The test vectors of draft-irtf-cfrg-cpace-21, Appendix B.3: CPace with ristretto255 and
// SHA-512.
namespace vectors {
const QByteArray kPrs = "Password";
const QByteArray kCi = Hex("0b415f696e69746961746f720b425f726573706f6e646572");
const QByteArray kSid = Hex("7e4b4791d6a8ef019b936c79fb7f2c57");
const QByteArray kGeneratorString =
    Hex("11435061636552697374726574746f3235350850617373776f726464") + QByteArray(100, '\0') +
    Hex("180b415f696e69746961746f720b425f726573706f6e646572107e4b4791d6a8ef019b936c79fb7f2c57");
const QByteArray kGenerator =
    Hex("222b6b195fe84b1652badb6f6a3ae3d24341e7306967f0b8115b40d5698c7e56");
const QByteArray kAda = "ADa";
const QByteArray kYa = Hex("da3d23700a9e5699258aef94dc060dfda5ebb61f02a5ea77fad53f4ff0976d08");
const QByteArray kYaShare = Hex("d6bac480f2c386c394efc7c47adb9925dcd2630b64f240c50f8d0eec482b9157");
const QByteArray kAdb = "ADb";
const QByteArray kYb = Hex("d2316b454718c35362d83d69df6320f38578ed5984651435e2949762d900b80d");
const QByteArray kYbShare = Hex("3ea7e0b19560d7c0b0f5734f63b955286dfa8232b5ebe63324e2d9e7433f7258");
const QByteArray kK = Hex("80b69a8a76457ab6a4d7f887a4bf6b55a2f80ac19c333f917a05fc9887c8b40f");
const QByteArray kTranscriptIr =
    Hex("20d6bac480f2c386c394efc7c47adb9925dcd2630b64f240c50f8d0eec482b915703414461203ea7e0b19560"
        "d7c0b0f5734f63b955286dfa8232b5ebe63324e2d9e7433f725803414462");
const QByteArray kIskIr =
    Hex("b69effbf61b51d56401c0f65601abe428de8206feaaf0e32198896dcae7b35cd2b38950a39dfd5d4a7916461"
        "4c2984f7daa460b588c1e80c3fa2068af7900447");
// B.3.10 and B.3.11: scalar_mult_vfy with a valid element and with invalid ones.
const QByteArray kS = Hex("7cd0e075fa7955ba52c02759a6c90dbbfc10e6d40aea8d283e407d88cf538a05");
const QByteArray kX = Hex("2c3c6b8c4f3800e7aef6864025b4ed79bd599117e427c41bd47d93d654b4a51c");
const QByteArray kSX = Hex("7c13645fe790a468f62c39beb7388e541d8405d1ade69d1778c5fe3e7f6b600e");
const QByteArray kYi1 = Hex("2b3c6b8c4f3800e7aef6864025b4ed79bd599117e427c41bd47d93d654b4a51c");
const QByteArray kIdentity(32, '\0');
}  // namespace vectors

// What a hand-written guest sends a fresh host.
enum class Script {
    RightCode,
    WrongCode,
    FirstVersion,
    LaterVersion,
    ShareBeforeHello,
    IdentityShare,
    NoElementShare,
    ConfirmBeforeShare,
    NameBeforeProof,
    AllInOneWrite,
};

QByteArray ClearShare(const QByteArray& element) {
    return EncodeClearFrame({{"t", "share"}, {"y", QString::fromLatin1(element.toHex())}});
}

void Run(Script script, Session& host, HandGuest& guest) {
    guest.Read(host.TakeOutput());
    switch (script) {
        case Script::RightCode:
            guest.Join(host);
            return;
        case Script::WrongCode:
            host.Receive(guest.Hello() + guest.Share(), 0);
            guest.Read(host.TakeOutput());
            host.Receive(guest.Confirm(), 0);
            return;
        case Script::FirstVersion:
        case Script::LaterVersion:
            host.Receive(guest.Hello(script == Script::FirstVersion ? 1 : kProtocolMajor + 1), 0);
            return;
        case Script::ShareBeforeHello:
            host.Receive(guest.Share(), 0);
            return;
        case Script::IdentityShare:
        case Script::NoElementShare:
            host.Receive(
                guest.Hello() + ClearShare(script == Script::IdentityShare ? vectors::kIdentity
                                                                           : vectors::kYi1),
                0);
            return;
        case Script::ConfirmBeforeShare:
            host.Receive(guest.Hello() + HandGuest::MadeUpConfirm(), 0);
            return;
        case Script::NameBeforeProof:
            host.Receive(guest.Hello() + guest.Share(), 0);
            host.Receive(guest.Frame({{"t", "name"}, {"name", "Gus"}}), 0);
            return;
        case Script::AllInOneWrite:
            host.Receive(guest.Hello() + guest.Share() + HandGuest::MadeUpConfirm(), 0);
            return;
    }
}

}  // namespace

Q_DECLARE_METATYPE(Script)

class HandshakeTest : public QObject {
    Q_OBJECT

private slots:
    // Each step of CPace should give the draft's published values.
    void matchesTheDraftsVectors() {
        using namespace vectors;
        QCOMPARE(cpace::GeneratorString(kPrs, kCi, kSid), kGeneratorString);
        QCOMPARE(cpace::CalculateGenerator(kPrs, kCi, kSid), kGenerator);
        QCOMPARE(cpace::ScalarMultVfy(kYa, kGenerator), kYaShare);
        QCOMPARE(cpace::ScalarMultVfy(kYb, kGenerator), kYbShare);
        QCOMPARE(cpace::ScalarMultVfy(kYa, kYbShare), kK);
        QCOMPARE(cpace::ScalarMultVfy(kYb, kYaShare), kK);
        QCOMPARE(cpace::TranscriptIr(kYaShare, kAda, kYbShare, kAdb), kTranscriptIr);
        QCOMPARE(cpace::IntermediateSessionKey(kSid, kK, kTranscriptIr), kIskIr);
    }

    // scalar_mult_vfy should multiply a valid element, and give nothing for bytes that encode
    // none or for the identity, on which the exchange stops.
    void verifiesElements_data() {
        QTest::addColumn<QByteArray>("point");
        QTest::addColumn<QByteArray>("product");  // empty: none
        QTest::newRow("valid") << vectors::kX << vectors::kSX;
        QTest::newRow("no element") << vectors::kYi1 << QByteArray();
        QTest::newRow("the identity") << vectors::kIdentity << QByteArray();
        QTest::newRow("31 bytes") << vectors::kX.chopped(1) << QByteArray();
    }
    void verifiesElements() {
        QFETCH(QByteArray, point);
        QFETCH(QByteArray, product);
        QCOMPARE(cpace::ScalarMultVfy(vectors::kS, point).value_or(QByteArray()), product);
    }

    // prepend_len should write lengths in LEB128 (the draft's Appendix A.1.2).
    void prependsLengths_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("header");
        QTest::newRow("empty") << QByteArray() << Hex("00");
        QTest::newRow("1234") << QByteArray("1234") << Hex("04");
        QTest::newRow("127 bytes") << QByteArray(127, 'x') << Hex("7f");
        QTest::newRow("128 bytes") << QByteArray(128, 'x') << Hex("8001");
        QTest::newRow("300 bytes") << QByteArray(300, 'x') << Hex("ac02");
    }
    void prependsLengths() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, header);
        QCOMPARE(cpace::PrependLen(bytes), header + bytes);
    }

    // It should read a code as Crockford's base 32 does: in either case, I and L as 1, O as 0,
    // six symbols and nothing else.
    void readsJoinCodes_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("code");  // empty: not a code
        QTest::newRow("as shown") << "K7P2QX"
                                  << "K7P2QX";
        QTest::newRow("small letters") << "k7p2qx"
                                       << "K7P2QX";
        QTest::newRow("digits 1 and 0") << "K7P10X"
                                        << "K7P10X";
        QTest::newRow("I, L and O read as digits") << "KiLoOX"
                                                   << "K1100X";
        QTest::newRow("U is no symbol") << "K7P2QU"
                                        << "";
        QTest::newRow("five symbols") << "K7P2Q"
                                      << "";
        QTest::newRow("seven symbols") << "K7P2QXX"
                                       << "";
        QTest::newRow("a hyphen") << "K7P-QX"
                                  << "";
        QTest::newRow("a dotless i") << QString::fromUtf8("K7P2Q\xC4\xB1") << "";
        QTest::newRow("full-width letters") << QString::fromUtf8(
                                                   "\xEF\xBC\xAB"
                                                   "7P2QX")
                                            << "";
    }
    void readsJoinCodes() {
        QFETCH(QString, typed);
        QFETCH(QString, code);
        QCOMPARE(ReadJoinCode(typed).value_or(QString()), code);
        QCOMPARE(IsJoinCode(typed), !code.isEmpty());
    }

    // It should draw codes as the host shows them, different from draw to draw.
    void drawsCodes() {
        QSet<QString> codes;
        for (int i = 0; i < 50; ++i) {
            const QString code = NewJoinCode();
            QCOMPARE(ReadJoinCode(code), code);
            codes.insert(code);
        }
        QVERIFY(codes.size() > 45);
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

    // A host should let in a guest that proves the code, and close with the bye's reason
    // otherwise: every guess it could check is one WrongCode, and every step out of place
    // is invalid.
    void hostJudgesTheGuestsHandshake_data() {
        QTest::addColumn<Script>("script");
        QTest::addColumn<int>("hostState");
        QTest::addColumn<int>("lastEvent");
        QTest::addColumn<QString>("bye");

        using Kind = SessionEvent::Kind;
        const int closed = int(Session::State::Closed);
        QTest::newRow("right code")
            << Script::RightCode << int(Session::State::Setup) << int(Kind::Authenticated) << "";
        QTest::newRow("wrong code")
            << Script::WrongCode << closed << int(Kind::WrongCode) << "code";
        QTest::newRow("a guest of the first version")
            << Script::FirstVersion << closed << int(Kind::VersionMismatch) << "version";
        QTest::newRow("a guest of a later version")
            << Script::LaterVersion << closed << int(Kind::VersionMismatch) << "version";
        QTest::newRow("share before hello")
            << Script::ShareBeforeHello << closed << int(Kind::Invalid) << "invalid";
        QTest::newRow("the identity as share")
            << Script::IdentityShare << closed << int(Kind::Invalid) << "invalid";
        QTest::newRow("a share that is no element")
            << Script::NoElementShare << closed << int(Kind::Invalid) << "invalid";
        QTest::newRow("confirm before share")
            << Script::ConfirmBeforeShare << closed << int(Kind::Invalid) << "invalid";
        QTest::newRow("a name before the proof")
            << Script::NameBeforeProof << closed << int(Kind::Invalid) << "invalid";
        QTest::newRow("hello, share and a proof made up in one write")
            << Script::AllInOneWrite << closed << int(Kind::WrongCode) << "code";
    }
    void hostJudgesTheGuestsHandshake() {
        QFETCH(Script, script);
        QFETCH(int, hostState);
        QFETCH(int, lastEvent);
        QFETCH(QString, bye);

        Session host(Peer::Host, "K7P2QX", "Hana", "4.92", 0);
        HandGuest guest(script == Script::WrongCode ? "K7P2QY" : "K7P2QX");
        Run(script, host, guest);

        QCOMPARE(int(host.state()), hostState);
        const QList<SessionEvent> events = host.TakeEvents();
        QVERIFY(!events.isEmpty());
        QCOMPARE(int(events.last().kind), lastEvent);
        QCOMPARE(HasEvent(events, SessionEvent::Kind::WrongCode),
                 lastEvent == int(SessionEvent::Kind::WrongCode));
        if (events.last().kind == SessionEvent::Kind::VersionMismatch) {
            QCOMPARE(events.last().text, "2.1");
            QCOMPARE(events.last().version, script == Script::FirstVersion ? "1.0" : "3.0");
        }
        if (hostState == int(Session::State::Setup)) {
            QCOMPARE(host.peerName(), "Gus");
        }
        const QList<QJsonObject> sent = guest.Read(host.TakeOutput());
        const QJsonObject last = sent.isEmpty() ? QJsonObject() : sent.last();
        QCOMPARE(last.value("t") == "bye" ? last.value("reason").toString() : QString(), bye);
    }

    // Two sessions should prove the key to each other: with one code they are both in and know
    // each other's names; a guest with another code is turned away by the host, and a host whose
    // proof does not hold is turned away by the guest.
    void sessionsShakeHands_data() {
        QTest::addColumn<QString>("guestCode");
        QTest::addColumn<bool>("spoilHostsProof");
        QTest::addColumn<bool>("joined");
        QTest::addColumn<bool>("hostHeardWrongCode");
        QTest::addColumn<bool>("guestHeardWrongCode");
        QTest::newRow("the code") << "K7P2QX" << false << true << false << false;
        QTest::newRow("the code typed in small letters")
            << "k7p2qx" << false << true << false << false;
        QTest::newRow("another code") << "K7P2QY" << false << false << true << false;
        QTest::newRow("the host's proof changed on the way")
            << "K7P2QX" << true << false << false << true;
    }
    void sessionsShakeHands() {
        QFETCH(QString, guestCode);
        QFETCH(bool, spoilHostsProof);
        QFETCH(bool, joined);
        QFETCH(bool, hostHeardWrongCode);
        QFETCH(bool, guestHeardWrongCode);

        SessionPair pair(guestCode);
        if (spoilHostsProof) {
            // The tag's first hex digit, in the clear confirm frame.
            pair.onWayToGuest = [](QByteArray& bytes) {
                const qsizetype tag = bytes.indexOf("\"tag\":\"");
                if (tag >= 0) {
                    char& digit = bytes[tag + 7];
                    digit = digit == '0' ? '1' : '0';
                }
            };
        }
        pair.Exchange();
        QCOMPARE(pair.host.state() == Session::State::Setup, joined);
        QCOMPARE(pair.guest.state() == Session::State::Setup, joined);
        QCOMPARE(pair.host.peerName(), joined ? "Gus" : "");
        QCOMPARE(pair.guest.peerName(), joined ? "Hana" : "");
        QCOMPARE(HasEvent(pair.hostEvents, SessionEvent::Kind::WrongCode), hostHeardWrongCode);
        QCOMPARE(HasEvent(pair.guestEvents, SessionEvent::Kind::WrongCode), guestHeardWrongCode);
        QCOMPARE(HasEvent(pair.hostEvents + pair.guestEvents, SessionEvent::Kind::Invalid), false);
    }
};

QTEST_GUILESS_MAIN(HandshakeTest)
#include "test_handshake.moc"
