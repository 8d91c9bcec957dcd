#include <QTest>

#include "app/command_line.h"

using namespace morvane;

namespace {

constexpr int kPlays = -1;

// The network game asked for, in a line: "host ADDRESS PORT CODE" ("*" for every address) or
// "join ADDRESS PORT CODE", each to start at once, and " as KIND" for who plays it when given;
// empty when none is.
QString NetworkGame(const CommandLine& command);

QString NetworkRequest(const CommandLine& command) {
    const QString game = NetworkGame(command);
    return command.networkPlayer
               ? game + QStringLiteral(" as %1").arg(static_cast<int>(*command.networkPlayer))
               : game;
}

QString NetworkGame(const CommandLine& command) {
    if (command.host && command.host->listenAtOnce) {
        const QString address = command.host->address == QHostAddress::Any
                                    ? QStringLiteral("*")
                                    : command.host->address.toString();
        return QStringLiteral("host %1 %2 %3")
            .arg(address)
            .arg(command.host->port)
            .arg(command.host->code);
    }
    if (command.join && command.join->connectAtOnce) {
        return QStringLiteral("join %1 %2 %3")
            .arg(command.join->address)
            .arg(command.join->port)
            .arg(command.join->code);
    }
    return {};
}

}  // namespace

class StartTest : public QObject {
    Q_OBJECT

private slots:
    // The game's own options are read, whatever stands around them; Qt's options (single-dash
    // words, some with the letters of -h and -v) and other arguments do not disturb them. A bad
    // scale, --help and --version end the program with what they print.
    void commandLineIsRead_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString bad = QStringLiteral("morvane: --scale takes 100, 125, 150, 200");
        QTest::newRow("nothing: plays") << QStringList{"morvane"} << 0 << kPlays << ""
                                        << "";
        QTest::newRow("--scale 150")
            << QStringList{"morvane", "--scale", "150"} << 150 << kPlays << ""
            << "";
        QTest::newRow("--scale=125") << QStringList{"morvane", "--scale=125"} << 125 << kPlays << ""
                                     << "";
        QTest::newRow("-scale 200")
            << QStringList{"morvane", "-scale", "200"} << 200 << kPlays << ""
            << "";
        QTest::newRow("among Qt's options")
            << QStringList{"morvane", "-platform", "xcb", "-reverse", "-stylesheet",
                           "a.qss",   "--scale",   "100", "-display", ":1"}
            << 100 << kPlays << ""
            << "";
        QTest::newRow("other arguments ignored")
            << QStringList{"morvane", "file", "--unknown"} << 0 << kPlays << ""
            << "";
        QTest::newRow("a percent not offered")
            << QStringList{"morvane", "--scale", "130"} << 0 << 2 << "" << bad;
        QTest::newRow("a factor") << QStringList{"morvane", "--scale", "1.5"} << 0 << 2 << ""
                                  << bad;
        QTest::newRow("no value") << QStringList{"morvane", "--scale"} << 0 << 2 << "" << bad;
        QTest::newRow("--help") << QStringList{"/usr/games/morvane", "--help"} << 0 << 0
                                << "Usage: morvane [options]"
                                << "";
        QTest::newRow("-h lists --scale")
            << QStringList{"morvane", "-h"} << 0 << 0 << "--scale <percent>"
            << "";
        QTest::newRow("--version")
            << QStringList{"morvane", "--version", "--scale", "150"} << 0 << 0 << "morvane 4."
            << "";
    }
    void commandLineIsRead() {
        QFETCH(QStringList, arguments);
        QFETCH(int, scale);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const CommandLine command = ParseCommandLine(arguments);
        QCOMPARE(command.ending.has_value(), status != kPlays);
        if (!command.ending) {
            QCOMPARE(command.scale.value_or(0), scale);
            return;
        }
        QCOMPARE(command.ending->status, status);
        QVERIFY2(command.ending->out.contains(out.toUtf8()), command.ending->out.constData());
        QCOMPARE(command.ending->out.isEmpty(), out.isEmpty());
        QVERIFY2(command.ending->err.contains(err.toUtf8()), command.ending->err.constData());
        QCOMPARE(command.ending->err.isEmpty(), err.isEmpty());
    }

    // A game file comes as a path, or as a file link where the desktop hands links over.
    void aGameFileComesAsAPathOrALink_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("file");
        QTest::newRow("a path") << "saves/game.morvane"
                                << "saves/game.morvane";
        QTest::newRow("a file link") << "file:///tmp/my%20game.morvane"
                                     << "/tmp/my game.morvane";
    }
    void aGameFileComesAsAPathOrALink() {
        QFETCH(QString, argument);
        QFETCH(QString, file);
        QCOMPARE(ParseCommandLine({"morvane", argument}).gameFile, std::optional(file));
    }

    // --lang takes a language code, alone or with --scale; anything else is a usage error.
    void languageIsRead_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("status");
        QTest::newRow("none") << QStringList{"morvane", "--scale", "150"} << "" << kPlays;
        QTest::newRow("en") << QStringList{"morvane", "--lang", "en"} << "en" << kPlays;
        QTest::newRow("ja with a scale")
            << QStringList{"morvane", "--scale=125", "--lang=ja"} << "ja" << kPlays;
        QTest::newRow("unknown code") << QStringList{"morvane", "--lang", "fr"} << "" << 2;
        QTest::newRow("no value") << QStringList{"morvane", "--lang"} << "" << 2;
        QTest::newRow("bad scale first")
            << QStringList{"morvane", "--scale", "1", "--lang", "en"} << "" << 2;
    }
    void languageIsRead() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, language);
        QFETCH(int, status);
        const CommandLine command = ParseCommandLine(arguments);
        QCOMPARE(command.ending ? command.ending->status : kPlays, status);
        QCOMPARE(command.language ? LanguageCode(*command.language) : QString(), language);
        if (command.ending) {
            QVERIFY2(command.ending->err.contains("takes"), command.ending->err.constData());
        }
    }

    // --host and --join read an address and a port (IPv6 in brackets), --code a join code in
    // either case, and an invitation link all three; anything else, or options that do not go
    // together, is a usage error.
    void networkGameIsRead_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("request");
        QTest::addColumn<QString>("err");
        const QString code = "K7P2QX";
        QTest::newRow("host on every address")
            << QStringList{"morvane", "--host", "7442", "--code", code} << "host * 7442 K7P2QX"
            << "";
        QTest::newRow("host on one address, a code in small letters")
            << QStringList{"morvane", "--host", "127.0.0.1:9000", "--code", "k7p2qx"}
            << "host 127.0.0.1 9000 K7P2QX"
            << "";
        QTest::newRow("host on IPv6, no code: a fresh one")
            << QStringList{"morvane", "--host=[::1]:65535"} << "host ::1 65535 "
            << "";
        QTest::newRow("join an IPv4 address")
            << QStringList{"morvane", "--join", "192.168.1.5:7442", "--code", code}
            << "join 192.168.1.5 7442 K7P2QX"
            << "";
        QTest::newRow("join an IPv6 address")
            << QStringList{"morvane", "--code", code, "--join", "[fe80::1]:1"}
            << "join fe80::1 1 K7P2QX"
            << "";
        QTest::newRow("join a host name")
            << QStringList{"morvane", "--join", "game.example.org:7442", "--code", code}
            << "join game.example.org 7442 K7P2QX"
            << "";
        QTest::newRow("port 0") << QStringList{"morvane", "--host", "0"} << ""
                                << "--host takes [ADDRESS:]PORT";
        QTest::newRow("port 65536") << QStringList{"morvane", "--host", "65536"} << ""
                                    << "--host takes [ADDRESS:]PORT";
        QTest::newRow("no port") << QStringList{"morvane", "--host", "127.0.0.1:"} << ""
                                 << "--host takes [ADDRESS:]PORT";
        QTest::newRow("IPv6 without brackets") << QStringList{"morvane", "--host", "::1:7442"} << ""
                                               << "--host takes [ADDRESS:]PORT";
        QTest::newRow("host on a name")
            << QStringList{"morvane", "--host", "example.org:7442"} << ""
            << "--host takes [ADDRESS:]PORT";
        QTest::newRow("join without an address")
            << QStringList{"morvane", "--join", "7442", "--code", code} << ""
            << "--join takes ADDRESS:PORT";
        QTest::newRow("join a name that is none")
            << QStringList{"morvane", "--join", "bad_name:7442", "--code", code} << ""
            << "--join takes ADDRESS:PORT";
        QTest::newRow("join without a code") << QStringList{"morvane", "--join", "[::1]:7442"} << ""
                                             << "--join needs --code";
        QTest::newRow("a code too short")
            << QStringList{"morvane", "--host", "7442", "--code", "K7P2Q"} << ""
            << "--code takes six characters of 0-9 and A-Z";
        QTest::newRow("a code read as its alphabet reads it")
            << QStringList{"morvane", "--host", "7442", "--code", "k7pio0"} << "host * 7442 K7P100"
            << "";
        QTest::newRow("a code with a U, no symbol of the code's alphabet")
            << QStringList{"morvane", "--host", "7442", "--code", "K7P2QU"} << ""
            << "--code takes six characters of 0-9 and A-Z";
        QTest::newRow("a code alone") << QStringList{"morvane", "--code", code} << ""
                                      << "--code goes with --host or --join";
        QTest::newRow("host, the computer playing")
            << QStringList{"morvane", "--host", "7442", "--code", code, "--player", "master"}
            << "host * 7442 K7P2QX as 6"
            << "";
        QTest::newRow("join, the keyboard playing")
            << QStringList{"morvane", "--join", "[::1]:7442", "--code", code, "--player=keyboard"}
            << "join ::1 7442 K7P2QX as 1"
            << "";
        QTest::newRow("a player that is none")
            << QStringList{"morvane", "--host", "7442", "--player", "network"} << ""
            << "--player takes mouse, keyboard, easy, normal, hard, expert, master";
        QTest::newRow("a player alone") << QStringList{"morvane", "--player", "easy"} << ""
                                        << "--player goes with --host or --join";
        QTest::newRow("host and join")
            << QStringList{"morvane", "--host", "7442", "--join", "a:7442", "--code", code} << ""
            << "--host and --join do not go together";
        QTest::newRow("an invitation joins")
            << QStringList{"morvane", "morvane://[::1]:7442/k7p2qx"} << "join ::1 7442 K7P2QX"
            << "";
        QTest::newRow("an invitation, the keyboard playing")
            << QStringList{"morvane", "--player", "keyboard", "morvane://10.0.0.2:9000/K7P2QX"}
            << "join 10.0.0.2 9000 K7P2QX as 1"
            << "";
        QTest::newRow("an invitation without a port")
            << QStringList{"morvane", "morvane://10.0.0.2/K7P2QX"} << ""
            << "an invitation takes the form morvane://ADDRESS:PORT/CODE";
        QTest::newRow("an invitation and --join")
            << QStringList{"morvane", "--join", "a:7442",
                           "--code",  code,     "morvane://10.0.0.2:9000/K7P2QX"}
            << ""
            << "an invitation goes without --host and --join";
    }
    void networkGameIsRead() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, request);
        QFETCH(QString, err);
        const CommandLine command = ParseCommandLine(arguments);
        QCOMPARE(NetworkRequest(command), request);
        QCOMPARE(command.ending ? command.ending->status : kPlays, err.isEmpty() ? kPlays : 2);
        if (command.ending) {
            QVERIFY2(command.ending->err.startsWith("morvane: " + err.toUtf8()),
                     command.ending->err.constData());
            QCOMPARE(command.ending->err.count('\n'), 1);
        }
    }
};

QTEST_GUILESS_MAIN(StartTest)
#include "test_start.moc"
