#include <QProcess>
#include <QSettings>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <memory>

namespace {

constexpr int kGameWait = 90'000;    // ms: the two copies' start, their handshake and a whole game
constexpr int kListenWait = 20'000;  // ms: a copy's start until it listens
// A port nothing listened on a moment ago may be taken before the host gets it: then another.
constexpr int kPortTries = 3;
const QString kCode = QStringLiteral("K7P2QX");

// A port on 127.0.0.1 that nothing listens on now.
quint16 FreePort() {
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

// Whether something listens on the port of 127.0.0.1 (a connection that is closed at once).
bool Listens(quint16 port) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    const bool connected = socket.waitForConnected(1000);
    socket.abort();
    return connected;
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

    // The network games the copy's record counts as ended, whoever won.
    int NetworkGamesEnded() const {
        const QSettings record(home.filePath(QStringLiteral("c/Morvaneⅲ.ini")),
                               QSettings::IniFormat);
        int games = 0;
        for (const char* column : {"Wins", "Losses", "Draws"}) {
            games += record.value(QStringLiteral("Record/Network-%1").arg(QLatin1String(column)))
                         .toInt();
        }
        return games;
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
    // and one joining it by its invitation link, each side played by the computer: both play the
    // game to its end.
    void twoCopiesPlayAGameToItsEnd() {
        std::array<std::unique_ptr<Copy>, 2> copies;
        QString where;
        for (int attempt = 0; attempt < kPortTries && where.isEmpty(); ++attempt) {
            const quint16 port = FreePort();
            QVERIFY(port != 0);
            copies[0] = std::make_unique<Copy>();
            copies[0]->Start({QStringLiteral("--host"), QStringLiteral("127.0.0.1:%1").arg(port),
                              QStringLiteral("--code"), kCode, QStringLiteral("--player"),
                              QStringLiteral("easy")});
            QVERIFY(copies[0]->process.waitForStarted());
            // The guest knocks once the host listens: a connection before would be refused.
            if (QTest::qWaitFor([&] { return Listens(port); }, kListenWait)) {
                where = QStringLiteral("127.0.0.1:%1").arg(port);
            }
        }
        QVERIFY2(!where.isEmpty(), copies[0]->log.constData());
        Copy& host = *copies[0];
        copies[1] = std::make_unique<Copy>();
        Copy& guest = *copies[1];
        // The guest joins as the desktop starts it from an invitation link.
        guest.Start({QStringLiteral("morvane://%1/%2").arg(where, kCode),
                     QStringLiteral("--player"), QStringLiteral("normal")});
        QVERIFY(guest.process.waitForStarted());
        // Each copy counts the game in its record once it has reached its end, as a network game.
        const bool ended = QTest::qWaitFor(
            [&] { return host.NetworkGamesEnded() == 1 && guest.NetworkGamesEnded() == 1; },
            kGameWait);
        QVERIFY2(ended,
                 (host.log.right(2000) + "\n--- guest ---\n" + guest.log.right(2000)).constData());
        QCOMPARE(host.process.state(), QProcess::Running);
        QCOMPARE(guest.process.state(), QProcess::Running);
    }
};

QTEST_MAIN(NetworkProcessesTest)
#include "test_network_processes.moc"
