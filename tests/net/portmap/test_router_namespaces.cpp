#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "net/portmap/port_mapping.h"
#include "net/protocol/invitation.h"
#include "net/socket/net_link.h"
#include "net/windows/net_windows.h"
#include "shell/settings/settings_store.h"
#include "tests/support/modal.h"

using namespace morvane;

// The port mapping against Debian's miniupnpd, a real router in network namespaces:
// scripts/router-namespaces.sh makes them and runs this test in the "home" namespace, behind
// the router; a client in the "outside" namespace connects through the mapping.

namespace {

constexpr quint16 kPort = 7442;
constexpr int kPatienceMs = 10000;
const QByteArray kGuestLine = "hello from outside";
const QByteArray kHostLine = "hello from home";
// A lease the router renews within the test; the others outlast it.
constexpr int kShortLease = 2;
constexpr int kLongLease = PortMapping::kDefaultLease.count();
// The script's answer to a call that the router turns away.
constexpr int kRefused = 3;
constexpr auto kCode = "K7P2QX";
// What the guest outside ends with: in the host's first game, or anything else.
constexpr int kGuestJoined = 0;
constexpr int kGuestTurnedAway = 1;

// The lab the script made, and its commands.
struct Lab {
    QString folder = qEnvironmentVariable("MORVANE_ROUTER_LAB");
    QString script = qEnvironmentVariable("MORVANE_ROUTER_SCRIPT");
    QString publicAddress = qEnvironmentVariable("MORVANE_ROUTER_PUBLIC");

    struct Result {
        int exitCode = -1;  // also when the command did not end within kPatienceMs
        QByteArray output;
    };

    // Runs a command of the script while this thread goes on handling events (the test's own
    // server answers the calls meanwhile).
    Result Run(const QString& command, const QStringList& arguments = {}) const {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(script, QStringList{command, folder} + arguments);
        if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; },
                             kPatienceMs)) {
            process.kill();
            process.waitForFinished();
            return {};
        }
        if (process.exitStatus() != QProcess::NormalExit) {
            return {};
        }
        return {process.exitCode(), process.readAllStandardOutput()};
    }

    // The rules in miniupnpd's chains of the router's table: its forwarding, filter and
    // translation entries for the mappings it holds; -1 when the table cannot be read.
    int MappingRules() const {
        const Result listed = Run(QStringLiteral("rules"));
        if (listed.exitCode != 0) {
            return -1;
        }
        const QStringList chains{"miniupnpd", "prerouting_miniupnpd", "postrouting_miniupnpd"};
        int rules = 0;
        const QJsonArray entries = QJsonDocument::fromJson(listed.output)["nftables"].toArray();
        for (const QJsonValue& entry : entries) {
            const QJsonObject rule = entry["rule"].toObject();
            rules += chains.contains(rule["chain"].toString()) ? 1 : 0;
        }
        return rules;
    }

    // When the router's lease of the game's port ends, in seconds since 1970; 0 when the router
    // holds none.
    qint64 LeaseEnd() const {
        const QList<QByteArray> lines = Run(QStringLiteral("leases")).output.split('\n');
        for (const QByteArray& line : lines) {
            const QList<QByteArray> fields = line.split(':');
            if (fields.size() > 4 && fields[0] == "TCP" && fields[1].toInt() == kPort) {
                return fields[4].toLongLong();
            }
        }
        return 0;
    }

    // Starts this test program outside as a guest joining by `invitation` (see main).
    void StartGuest(QProcess& guest, const QString& invitation) const {
        guest.setProcessChannelMode(QProcess::ForwardedChannels);
        guest.start(script,
                    {QStringLiteral("outside"), folder, QCoreApplication::applicationFilePath(),
                     QStringLiteral("--guest"), invitation});
    }

    // Connects from outside to the router's public address, sends a line and takes the line
    // answered.
    Result Call() const {
        return Run(QStringLiteral("call"), {QString::number(kPort), QString::fromUtf8(kGuestLine)});
    }
};

// The host's side of a call: takes one line from each guest and answers with its own.
class LineServer {
public:
    LineServer() {
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            QTcpSocket* guest = server_.nextPendingConnection();
            QObject::connect(guest, &QTcpSocket::readyRead, guest, [this, guest] {
                if (guest->canReadLine()) {
                    heard = guest->readLine().trimmed();
                    guest->write(kHostLine + '\n');
                }
            });
        });
    }

    bool Listen() { return server_.listen(QHostAddress::AnyIPv4, kPort); }

    QByteArray heard;

private:
    QTcpServer server_;
};

}  // namespace

class RouterNamespacesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (lab_.folder.isEmpty()) {
            QSKIP("runs inside scripts/router-namespaces.sh");
        }
    }

    void cleanup() { QCOMPARE(lab_.Run(QStringLiteral("stop")).exitCode, 0); }

    // The router that speaks forwards the port; a guest outside reaches the host through it
    // for as long as the mapping lives, renewed when its lease is short, and is refused once
    // it is removed. With no router, the answer says so within the bound.
    void mapsThePortOnTheRouter_data() {
        QTest::addColumn<QString>("protocols");  // the router's; empty: no router runs
        QTest::addColumn<int>("leaseSeconds");
        QTest::addColumn<QString>("answeredBy");  // empty: no mapping

        QTest::newRow("UPnP IGD") << "upnp+natpmp" << kLongLease << "UPnP IGD";
        QTest::newRow("NAT-PMP, UPnP off") << "natpmp" << kLongLease << "NAT-PMP";
        QTest::newRow("UPnP IGD, short lease") << "upnp+natpmp" << kShortLease << "UPnP IGD";
        QTest::newRow("NAT-PMP, short lease") << "natpmp" << kShortLease << "NAT-PMP";
        QTest::newRow("no router") << "" << kLongLease << "";
    }
    void mapsThePortOnTheRouter() {
        QFETCH(QString, protocols);
        QFETCH(int, leaseSeconds);
        QFETCH(QString, answeredBy);
        if (!protocols.isEmpty()) {
            QCOMPARE(lab_.Run(QStringLiteral("start"), {protocols}).exitCode, 0);
        }
        LineServer host;
        QVERIFY(host.Listen());
        PortMapping mapping;
        QSignalSpy opened(&mapping, &PortMapping::opened);
        QSignalSpy failed(&mapping, &PortMapping::failed);

        mapping.Open(kPort, std::chrono::seconds(leaseSeconds));
        QTRY_COMPARE_WITH_TIMEOUT(opened.count() + failed.count(), 1, kPatienceMs);
        if (answeredBy.isEmpty()) {
            QCOMPARE(failed.count(), 1);
            QCOMPARE(lab_.MappingRules(), 0);
            return;
        }
        QCOMPARE(opened.count(), 1);
        QCOMPARE(PortMapProtocolName(opened[0][0].value<PortMapProtocol>()), answeredBy);
        QCOMPARE(opened[0][1].toString(), lab_.publicAddress);
        QCOMPARE(opened[0][2].value<quint16>(), kPort);
        QVERIFY(lab_.MappingRules() > 0);

        if (leaseSeconds == kShortLease) {
            // The mapping outlives its first lease: the router's clock passes the end it set
            // first, while it holds a later one.
            const qint64 firstEnd = lab_.LeaseEnd();
            QVERIFY(firstEnd > 0);
            QVERIFY(QTest::qWaitFor(
                [&] {
                    return QDateTime::currentSecsSinceEpoch() > firstEnd &&
                           lab_.LeaseEnd() > firstEnd;
                },
                kPatienceMs));
        }
        const Lab::Result call = lab_.Call();
        QCOMPARE(call.exitCode, 0);
        QCOMPARE(call.output.trimmed(), kHostLine);
        QCOMPARE(host.heard, kGuestLine);

        mapping.Close();
        QCOMPARE(lab_.MappingRules(), 0);
        QCOMPARE(lab_.Call().exitCode, kRefused);
        QCOMPARE(failed.count(), 0);
    }

    // A guest on the internet should join through the host window, its router port ticked: the
    // invitation it copies names the router's public address, a guest outside joins by it and
    // plays the host's first game, and the mapping lasts as long as the match and no longer.
    void aGuestOutsideJoinsThroughTheHostWindow() {
        QCOMPARE(lab_.Run(QStringLiteral("start"), {QStringLiteral("upnp+natpmp")}).exitCode, 0);
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        SettingsStore store;
        QVERIFY(store.Write(settings::RouterPortMapping(), 1));
        QProcess guest;
        morvane::testing::WhenModalOpens("NetHost", [&](QWidget* host) {
            QVERIFY(host->findChild<QCheckBox*>(QStringLiteral("RouterPort"))->isChecked());
            const Invitation expected{lab_.publicAddress, kPort, QString::fromLatin1(kCode)};
            QVERIFY(QTest::qWaitFor(
                [&] {
                    morvane::testing::ClickChild(host, "CopyInvitation");
                    return ReadInvitation(QApplication::clipboard()->text()) == expected;
                },
                kPatienceMs));
            QVERIFY(lab_.MappingRules() > 0);
            lab_.StartGuest(guest, QApplication::clipboard()->text());
        });
        QObject links;
        std::unique_ptr<NetLink> hosted(HostNetworkGame(
            nullptr, &links, {QHostAddress::AnyIPv4, kPort, QString::fromLatin1(kCode), true, {}}));
        QVERIFY(hosted != nullptr);
        QVERIFY(hosted->Act([](Session& s) {
            return s.StartGame(Board{}, {Peer::Host, Peer::Guest}, 0);
        }));
        QVERIFY(
            QTest::qWaitFor([&] { return guest.state() == QProcess::NotRunning; }, kPatienceMs));
        QCOMPARE(guest.exitCode(), kGuestJoined);
        QVERIFY(lab_.MappingRules() > 0);  // the match may need it again

        hosted.reset();
        QCOMPARE(lab_.MappingRules(), 0);
    }

private:
    const Lab lab_{};
};

namespace {

// The guest outside: joins by the invitation and ends once in the host's first game, or once
// turned away.
int JoinAsGuest(const QString& text) {
    const std::optional<Invitation> invitation = ReadInvitation(text);
    if (!invitation) {
        return kGuestTurnedAway;
    }
    NetLink* link = NetLink::Join(invitation->address, invitation->port, invitation->code,
                                  QStringLiteral("Gus"), QStringLiteral("4.92"));
    QObject::connect(link, &NetLink::eventOccurred, link, [](const SessionEvent& event) {
        if (event.kind == SessionEvent::Kind::Authenticated) {
            QCoreApplication::exit(kGuestJoined);
        }
    });
    QObject::connect(link, &NetLink::finished, link,
                     [] { QCoreApplication::exit(kGuestTurnedAway); });
    QTimer::singleShot(kPatienceMs, [] { QCoreApplication::exit(kGuestTurnedAway); });
    return QCoreApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && qstrcmp(argv[1], "--guest") == 0) {
        const QCoreApplication application(argc, argv);
        return JoinAsGuest(QString::fromLocal8Bit(argv[2]));
    }
    const QApplication application(argc, argv);
    RouterNamespacesTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_router_namespaces.moc"
