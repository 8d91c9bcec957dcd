#include <QTest>
#include <optional>

#include "net/protocol/invitation.h"

using namespace morvane;

Q_DECLARE_METATYPE(std::optional<morvane::Invitation>)

class InvitationTest : public QObject {
    Q_OBJECT

private slots:
    // An invitation is read back as written; what is no invitation is refused.
    void readsWhatIsAnInvitation_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<Invitation>>("read");
        const std::optional<Invitation> none;
        QTest::newRow("an IPv4 host") << "morvane://192.168.1.5:7442/K7P2QX"
                                      << std::optional(Invitation{"192.168.1.5", 7442, "K7P2QX"});
        QTest::newRow("a host name, any case, spaces round it")
            << "  MORVANE://example.org:50000/k7p2qx \n"
            << std::optional(Invitation{"example.org", 50000, "K7P2QX"});
        QTest::newRow("IPv6 in brackets")
            << "morvane://[::1]:7442/K7P2QX" << std::optional(Invitation{"::1", 7442, "K7P2QX"});
        QTest::newRow("no port") << "morvane://192.168.1.5/K7P2QX" << none;
        QTest::newRow("port out of range") << "morvane://192.168.1.5:70000/K7P2QX" << none;
        QTest::newRow("another scheme") << "http://192.168.1.5:7442/K7P2QX" << none;
        QTest::newRow("no code") << "morvane://192.168.1.5:7442/" << none;
        QTest::newRow("a code too long") << "morvane://192.168.1.5:7442/K7P2QXX" << none;
        QTest::newRow("a user") << "morvane://me@192.168.1.5:7442/K7P2QX" << none;
        QTest::newRow("a query") << "morvane://192.168.1.5:7442/K7P2QX?x=1" << none;
        QTest::newRow("a fragment") << "morvane://192.168.1.5:7442/K7P2QX#x" << none;
        QTest::newRow("a path beyond the code") << "morvane://192.168.1.5:7442/K7P2QX/more" << none;
        QTest::newRow("a file name") << "game.morvane" << none;
    }
    void readsWhatIsAnInvitation() {
        QFETCH(QString, text);
        QFETCH(std::optional<Invitation>, read);
        QCOMPARE(ReadInvitation(text), read);
        if (read) {
            QCOMPARE(ReadInvitation(InvitationText(*read)), read);
        }
    }
};

QTEST_MAIN(InvitationTest)
#include "test_invitation.moc"
