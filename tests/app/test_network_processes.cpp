#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <memory>

namespace {

constexpr int kGameWait = 90'000;  // ms: the two copies' start, their handshake and a whole game
const QString kCode = QStringLiteral("K7P2QX");
// The battle's log line for a game that has reached its end, whoever won.
const QByteArray kGameOver = "state 5 -> 6";

// A port on 127.0.0.1 that nothing listens on now.
quint16 FreePort() {
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

// One copy of the program, its settings in a folder of its own, its battle's log on standard
// error.
struct Copy {
    QTemporaryDir home;
    QProcess process;
    QByteArray log;

    void Start(const QStringList& arguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("c")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("d")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                           QStringLiteral("morvane.battle.debug=true\nmorvane.net.debug=true"));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::SeparateChannels);
        QObject::connect(&process, &QProcess::readyReadStandardError, &process,
                         [this] { log += process.readAllStandardError(); });
        process.start(QStringLiteral(MORVANE_PROGRAM), arguments);
    }

    ~Copy() {
        process.kill();
        process.waitForFinished(5'000);
    }
};

}  // namespace

class NetworkProcessesTest : public QObject {
    Q_OBJECT

private slots:
    // Two copies started from the command line as two players would, one hosting on 127.0.0.1
    // and one joining it, each side played by the computer: both play the game to its end.
    void twoCopiesPlayAGameToItsEnd() {
        const quint16 port = FreePort();
        QVERIFY(port != 0);
        const QString where = QStringLiteral("127.0.0.1:%1").arg(port);
        std::array<std::unique_ptr<Copy>, 2> copies{std::make_unique<Copy>(),
                                                    std::make_unique<Copy>()};
        Copy& host = *copies[0];
        Copy& guest = *copies[1];
        host.Start({QStringLiteral("--host"), where, QStringLiteral("--code"), kCode,
                    QStringLiteral("--player"), QStringLiteral("easy")});
        QVERIFY(host.process.waitForStarted());
        // The guest knocks once the host listens: a connection before would be refused.
        QVERIFY2(QTest::qWaitFor([&] { return host.log.contains("listening on"); }, kGameWait),
                 host.log.constData());
        guest.Start({QStringLiteral("--join"), where, QStringLiteral("--code"), kCode,
                     QStringLiteral("--player"), QStringLiteral("normal")});
        QVERIFY(guest.process.waitForStarted());
        const bool ended = QTest::qWaitFor(
            [&] { return host.log.contains(kGameOver) && guest.log.contains(kGameOver); },
            kGameWait);
        QVERIFY2(ended,
                 (host.log.right(2000) + "\n--- guest ---\n" + guest.log.right(2000)).constData());
        QVERIFY(host.log.contains("network match as host"));
        QVERIFY(guest.log.contains("network match as guest"));
        QCOMPARE(host.process.state(), QProcess::Running);
        QCOMPARE(guest.process.state(), QProcess::Running);
    }
};

QTEST_MAIN(NetworkProcessesTest)
#include "test_network_processes.moc"
