#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include "net/protocol/frame_codec.h"
#include "net/protocol/handshake.h"
#include "net/protocol/key_exchange.h"
#include "net/socket/net_host.h"
#include "net/socket/net_link.h"
#include "net/windows/net_windows.h"
#include "shell/settings/language.h"
#include "shell/settings/settings_store.h"
#include "tests/support/modal.h"
#include "tests/support/screenshot.h"

using namespace morvane;
using testing::ClickChild;
using testing::WhenModalOpens;

namespace {

constexpr int kWaitMs = 5000;
constexpr auto kCode = "K7P2QX";
constexpr auto kWrongCode = "AAAAAA";
constexpr auto kCodeWithDigits = "K7P10X";

// Whether a connection to 127.0.0.1:port is turned away (nothing listens there).
bool Refused(quint16 port) {
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, port);
    return !probe.waitForConnected(kWaitMs);
}

template <typename Child>
Child* Find(QWidget* window, const char* name) {
    auto* child = window->findChild<Child*>(QString::fromLatin1(name));
    if (child == nullptr) {
        qFatal("no %s in %s", name, qPrintable(window->objectName()));
    }
    return child;
}

quint16 PortOf(QWidget* window) {
    return static_cast<quint16>(Find<QSpinBox>(window, "Port")->value());
}

QString StatusOf(QWidget* window) { return Find<QLabel>(window, "Status")->text(); }

// A picture of the window as the running row leaves it.
void SaveRowScreenshot(QWidget* window, const QString& prefix) {
    testing::SaveScreenshot(
        window, prefix + QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_'));
}

// What the join window connects to.
enum class FarEnd { HostWithAnotherCode, Nothing, FirstVersionHost, LaterVersionHost };

// The messages in what the join window sent a host that took no part in the handshake.
QList<QJsonObject> ClearMessages(const QByteArray& bytes) {
    FrameReader reader;
    QList<QJsonObject> messages;
    for (const QByteArray& payload : reader.Feed(bytes)) {
        QString error;
        messages.append(DecodeMessage(payload, &error).value_or(QJsonObject()));
    }
    return messages;
}

}  // namespace

class NetWindowsTest : public QObject {
    Q_OBJECT

private slots:
    // The player's name is stored in a folder of the test's own.
    void initTestCase() {
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
    }
    void cleanup() { UseLanguage(Language::Japanese); }

    void joinsAndHandsBothLinksOver_data() {
        QTest::addColumn<Language>("language");
        QTest::newRow("in Japanese") << Language::Japanese;
        QTest::newRow("in English") << Language::English;
    }
    // It should let a guest with the host's code in over loopback, the code typed in small
    // letters with I and O for 1 and 0: the host's window returns the guest's link in Setup and
    // stops listening, the join window returns its link once the host's first setup shows the
    // code was accepted; each side knows the other's name, the stored one for the host and the
    // typed one, now stored, for the guest.
    void joinsAndHandsBothLinksOver() {
        QFETCH(Language, language);
        QVERIFY(UseLanguage(language));
        SettingsStore store;
        QVERIFY(store.Write(settings::NetworkName(), "Hana"));
        const QString suffix = language == Language::English ? "_en" : "_ja";
        QWidget owner;
        QObject links;
        NetLink* hosted = nullptr;
        Session::State hostedState = Session::State::Closed;
        quint16 port = 0;

        // The host's window opens over the join window, which connects once the host listens.
        WhenModalOpens("NetJoin", [&](QWidget* join) {
            WhenModalOpens("NetHost", [&, join](QWidget* host) {
                port = PortOf(host);
                QCOMPARE(Find<QLabel>(host, "Code")->text(), kCodeWithDigits);
                testing::SaveScreenshot(host, "net_host_window" + suffix);
                Find<QLineEdit>(join, "Address")->setText("127.0.0.1");
                Find<QSpinBox>(join, "Port")->setValue(port);
                auto* code = Find<QLineEdit>(join, "Code");
                code->clear();
                QTest::keyClicks(code, "k7pIOx");
                QCOMPARE(code->text(), "K7PIOX");
                Find<QLineEdit>(join, "Name")->setText("  Gus ");
                testing::SaveScreenshot(join, "net_join_window" + suffix);
                ClickChild(join, "Connect");
            });
            hosted =
                HostNetworkGame(join, &links, {QHostAddress::LocalHost, 0, kCodeWithDigits, true});
            if (hosted == nullptr) {
                join->close();
                return;
            }
            hostedState = hosted->session().state();
            QVERIFY(hosted->Act([](Session& s) {
                return s.StartGame(Board{}, {Peer::Host, Peer::Guest}, 0);
            }));
        });
        NetLink* joined = JoinNetworkGame(&owner, &links, {});

        QVERIFY(hosted != nullptr);
        QVERIFY(joined != nullptr);
        QCOMPARE(hostedState, Session::State::Setup);
        QCOMPARE(joined->session().state(), Session::State::Playing);
        QCOMPARE(hosted->parent(), &links);
        QCOMPARE(joined->parent(), &links);
        QCOMPARE(hosted->session().peerName(), "Gus");
        QCOMPARE(joined->session().peerName(), "Hana");
        QCOMPARE(store.Read(settings::NetworkName()), "Gus");
        QVERIFY(Refused(port));
    }

    void hostWindowTellsWhatHappened_data() {
        QTest::addColumn<int>("wrongCodes");
        QTest::addColumn<bool>("portTaken");
        QTest::addColumn<QString>("status");
        QTest::newRow("a wrong code") << 1 << false << "違う参加コードで接続されました（1／3回）。";
        QTest::newRow("three wrong codes draw a new code")
            << 3 << false
            << "違う参加コードが3回続いたので、参加コードを新しくしました。新しいコードを相手に伝え"
               "てください。";
        QTest::newRow("a port in use")
            << 0 << true << "ポート%1を開けません（使用中か、このアドレスでは使えません）。";
    }
    // It should tell wrong codes and a port it cannot bind on its status line, show the new
    // code it draws after three wrong ones and go on listening, and return no link when closed,
    // leaving nothing listening.
    void hostWindowTellsWhatHappened() {
        QFETCH(int, wrongCodes);
        QFETCH(bool, portTaken);
        QFETCH(QString, status);
        QTcpServer taken;
        quint16 asked = 0;
        if (portTaken) {
            QVERIFY(taken.listen(QHostAddress::LocalHost, 0));
            asked = taken.serverPort();
            status = status.arg(asked);
        }
        quint16 port = 0;
        WhenModalOpens("NetHost", [&](QWidget* host) {
            const auto closeAtEnd = qScopeGuard([host] { host->close(); });
            port = PortOf(host);
            for (int attempt = 0; attempt < wrongCodes; ++attempt) {
                const std::unique_ptr<NetLink> guest(
                    NetLink::Join("127.0.0.1", port, kWrongCode, "Gus", "4.92"));
                QTRY_COMPARE_WITH_TIMEOUT(guest->session().state(), Session::State::Closed,
                                          kWaitMs);
            }
            QTRY_COMPARE_WITH_TIMEOUT(StatusOf(host), status, kWaitMs);
            const QString shown = Find<QLabel>(host, "Code")->text();
            QCOMPARE(shown != kCode, wrongCodes == kMaxWrongCodes);
            QVERIFY(IsJoinCode(shown));
            if (!portTaken) {
                QVERIFY(!Refused(port));  // still listening
            }
            SaveRowScreenshot(host, "net_host_");
        });
        QWidget owner;
        QCOMPARE(HostNetworkGame(&owner, &owner, {QHostAddress::LocalHost, asked, kCode, true}),
                 nullptr);
        if (!portTaken) {
            QVERIFY(Refused(port));
        }
    }

    void joinWindowTellsWhatHappened_data() {
        QTest::addColumn<FarEnd>("farEnd");
        QTest::addColumn<QString>("status");
        QTest::newRow("a wrong code") << FarEnd::HostWithAnotherCode << "参加コードが違います。";
        QTest::newRow("nothing listens")
            << FarEnd::Nothing << "接続を断られました（そのポートで待ち受けていません）。";
        QTest::newRow("a host of the first version")
            << FarEnd::FirstVersionHost
            << "バージョンが合いません（こちらのプロトコルは2.1、ホストは1.0）。";
        QTest::newRow("a host of a later version")
            << FarEnd::LaterVersionHost
            << "バージョンが合いません（こちらのプロトコルは2.1、ホストは3.0）。";
    }
    // It should tell why an attempt failed on its status line, with its bye sent before it
    // closes, and return no link when closed.
    void joinWindowTellsWhatHappened() {
        QFETCH(FarEnd, farEnd);
        QFETCH(QString, status);
        NetHost host(kCode, "Hana", "4.92");
        QTcpServer server;
        quint16 port = 0;
        if (farEnd == FarEnd::HostWithAnotherCode) {
            QVERIFY(host.Listen(QHostAddress::LocalHost, 0));
            port = host.port();
        } else {
            QVERIFY(server.listen(QHostAddress::LocalHost, 0));
            port = server.serverPort();
            if (farEnd == FarEnd::Nothing) {
                server.close();
            }
        }
        // A host of another protocol says hello, as its version does, and listens.
        QByteArray heard;
        const int major = farEnd == FarEnd::FirstVersionHost ? 1 : kProtocolMajor + 1;
        connect(&server, &QTcpServer::newConnection, &server, [&server, &heard, major] {
            QTcpSocket* socket = server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket,
                    [socket, &heard] { heard += socket->readAll(); });
            socket->write(EncodeClearFrame({{"t", "hello"},
                                            {"proto", QJsonArray{major, 0}},
                                            {"app", "9.0"},
                                            {"name", "Other"},
                                            {"nonce", QString(2 * kNonceBytes, u'c')}}));
        });
        WhenModalOpens("NetJoin", [&](QWidget* join) {
            const auto closeAtEnd = qScopeGuard([join] { join->close(); });
            QTRY_COMPARE_WITH_TIMEOUT(StatusOf(join), status, kWaitMs);
            SaveRowScreenshot(join, "net_join_");
            if (farEnd == FarEnd::FirstVersionHost || farEnd == FarEnd::LaterVersionHost) {
                const QJsonObject bye{{"t", "bye"}, {"reason", "version"}};
                QTRY_VERIFY_WITH_TIMEOUT(ClearMessages(heard).contains(bye), kWaitMs);
            }
        });
        QWidget owner;
        QCOMPARE(JoinNetworkGame(&owner, &owner, {"127.0.0.1", port, kWrongCode, true}), nullptr);
    }

    void codeFieldTakesWhatTheAlphabetReads_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("small letters") << "k7p2qx"
                                       << "K7P2QX";
        QTest::newRow("digits 1 and 0") << "K7P10X"
                                        << "K7P10X";
        QTest::newRow("I, L and O") << "kilo0x"
                                    << "KILO0X";
        QTest::newRow("U and a hyphen left out") << "k7-p2qu"
                                                 << "K7P2Q";
    }
    // The join field should take every character the code's alphabet reads, and no other.
    void codeFieldTakesWhatTheAlphabetReads() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        JoinRequest request;
        WhenModalOpens("NetJoin", [&](QWidget* join) {
            const auto closeAtEnd = qScopeGuard([join] { join->close(); });
            auto* code = Find<QLineEdit>(join, "Code");
            QTest::keyClicks(code, typed);
            QCOMPARE(code->text(), shown);
        });
        QWidget owner;
        QCOMPARE(JoinNetworkGame(&owner, &owner, request), nullptr);
    }

private:
    QTemporaryDir config_;
};

QTEST_MAIN(NetWindowsTest)
#include "test_net_windows.moc"
