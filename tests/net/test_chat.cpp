#include <QTest>

#include "net/protocol/chat.h"
#include "net/protocol/handshake.h"
#include "tests/net/hand_guest.h"
#include "tests/net/session_pair.h"

using namespace morvane;
using morvane::testing::HandGuest;
using morvane::testing::HasEvent;
using morvane::testing::SessionPair;

namespace {

using Kind = SessionEvent::Kind;

// A character outside the Basic Multilingual Plane: two UTF-16 units, one character.
const QString kFace = QString::fromUcs4(U"\U0001F600");

int CountEvents(const QList<SessionEvent>& events, Kind kind) {
    return static_cast<int>(std::count_if(
        events.begin(), events.end(), [kind](const SessionEvent& e) { return e.kind == kind; }));
}

// A host joined by a hand-written guest of protocol 2.0 (which may still send what it likes).
struct JoinedHost {
    Session host{Peer::Host, "K7P2QX", "Hana", "4.92", 0};
    HandGuest guest;

    JoinedHost() {
        guest.Join(host);
        guest.Read(host.TakeOutput());
        host.TakeEvents();
    }
};

}  // namespace

class ChatTest : public QObject {
    Q_OBJECT

private slots:
    // A line of chat is 1 to 200 characters as the player sees them, of plain text on one
    // line; markup stays the characters it is made of.
    void checksTheLine_data() {
        QTest::addColumn<QJsonValue>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("a word") << QJsonValue("hi") << true;
        QTest::newRow("empty") << QJsonValue("") << false;
        QTest::newRow("only a space") << QJsonValue(" ") << true;
        QTest::newRow("200 characters") << QJsonValue(QString(200, u'あ')) << true;
        QTest::newRow("201 characters") << QJsonValue(QString(201, u'あ')) << false;
        QTest::newRow("200 characters of two units each")
            << QJsonValue(kFace.repeated(200)) << true;
        QTest::newRow("201 characters of two units each")
            << QJsonValue(kFace.repeated(201)) << false;
        QTest::newRow("markup, kept as it is")
            << QJsonValue("<b>bold</b> &amp; <a href='x'>x</a>") << true;
        QTest::newRow("a line break") << QJsonValue("one\ntwo") << false;
        QTest::newRow("a tab") << QJsonValue("one\ttwo") << false;
        QTest::newRow("a C1 control") << QJsonValue(QStringLiteral("one\u0085two")) << false;
        QTest::newRow("a line separator") << QJsonValue(QStringLiteral("one\u2028two")) << false;
        QTest::newRow("an unpaired surrogate")
            << QJsonValue(QStringLiteral("one") + QChar(0xD800)) << false;
        QTest::newRow("a number") << QJsonValue(5) << false;
        QTest::newRow("missing") << QJsonValue(QJsonValue::Undefined) << false;
    }
    void checksTheLine() {
        QFETCH(QJsonValue, text);
        QFETCH(bool, valid);
        QJsonObject message{{"t", "chat"}};
        if (!text.isUndefined()) {
            message.insert("text", text);
        }
        QString error;
        const std::optional<Message> checked = CheckMessage(message, &error);
        QCOMPARE(checked.has_value(), valid);
        QCOMPARE(error.isEmpty(), valid);
        if (valid) {
            QCOMPARE(checked->text, text.toString());
            QCOMPARE(ToJson(*checked), message);
        }
    }

    // A typed line goes with its control characters turned into spaces and its ends trimmed;
    // nothing is left of a line of spaces.
    void cleansATypedLine_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("sent");
        QTest::newRow("as typed") << "<i>hi</i>"
                                  << "<i>hi</i>";
        QTest::newRow("a pasted line break") << "one\r\ntwo"
                                             << "one  two";
        QTest::newRow("a tab and a separator")
            << QStringLiteral("a\tb\u2029c") << QStringLiteral("a b c");
        QTest::newRow("only spaces and breaks") << " \n\t "
                                                << "";
    }
    void cleansATypedLine() {
        QFETCH(QString, typed);
        QFETCH(QString, sent);
        QCOMPARE(CleanChatText(typed), sent);
        QCOMPARE(IsChatText(CleanChatText(typed)), !sent.isEmpty());
    }

    // The other side's lines pass at kChatReceiveBurst at once and one a second after; more is
    // a flood, refused as invalid as any bad message is.
    void refusesAFlood_data() {
        QTest::addColumn<QList<qint64>>("times");  // when each line arrives
        QTest::addColumn<bool>("invalid");
        const auto burst = [](int lines, qint64 at) { return QList<qint64>(lines, at); };
        QTest::newRow("eight at once") << burst(kChatReceiveBurst, 1000) << false;
        QTest::newRow("nine at once") << burst(kChatReceiveBurst + 1, 1000) << true;
        QList<qint64> steady;
        for (qint64 second = 0; second < 60; ++second) {
            steady << 1000 * second;
        }
        QTest::newRow("one a second for a minute") << steady << false;
        QTest::newRow("eight at once, then one a second")
            << burst(kChatReceiveBurst, 0) + QList<qint64>{1000, 2000, 3000} << false;
        QTest::newRow("eight at once, then two within a second")
            << burst(kChatReceiveBurst, 0) + QList<qint64>{1000, 1500} << true;
    }
    void refusesAFlood() {
        QFETCH(QList<qint64>, times);
        QFETCH(bool, invalid);
        JoinedHost joined;
        for (const qint64 at : times) {
            joined.host.Receive(joined.guest.Frame({{"t", "chat"}, {"text", "hi"}}), at);
            if (at % kHeartbeatPeriodMs == 0) {
                joined.host.Receive(joined.guest.Frame({{"t", "heartbeat"}}), at);
            }
        }
        const QList<SessionEvent> events = joined.host.TakeEvents();
        QCOMPARE(HasEvent(events, Kind::Invalid), invalid);
        QCOMPARE(joined.host.state() == Session::State::Closed, invalid);
        QCOMPARE(CountEvents(events, Kind::ChatReceived),
                 invalid ? times.size() - 1 : times.size());
    }

    // This side sends three lines at once and one a second after, holding back the rest, so
    // that the other side never takes it for a flood and a move right after still goes.
    void holdsBackLinesTooFast_data() {
        QTest::addColumn<QList<qint64>>("times");  // when the player sends each line
        QTest::addColumn<int>("sent");
        QTest::newRow("three at once") << QList<qint64>(3, 0) << 3;
        QTest::newRow("ten at once") << QList<qint64>(10, 0) << 3;
        QTest::newRow("ten at once, ten a second later")
            << QList<qint64>(10, 0) + QList<qint64>(10, 1000) << 4;
        QTest::newRow("four, a second apart") << QList<qint64>{0, 1000, 2000, 3000} << 4;
    }
    void holdsBackLinesTooFast() {
        QFETCH(QList<qint64>, times);
        QFETCH(int, sent);
        SessionPair pair;
        pair.Exchange();
        QVERIFY(pair.host.StartGame(Board{}, {Peer::Host, Peer::Guest}, 0));
        pair.Exchange();
        int went = 0;
        for (const qint64 at : times) {
            went += pair.host.SendChat(QStringLiteral("line %1").arg(went), at) ? 1 : 0;
        }
        QVERIFY(pair.host.Move(CellIndex(1, kRows)));
        pair.Exchange();
        QCOMPARE(went, sent);
        QCOMPARE(CountEvents(pair.guestEvents, Kind::ChatReceived), sent);
        QCOMPARE(pair.guestEvents.last().kind, Kind::Moved);
        QVERIFY(!HasEvent(pair.guestEvents, Kind::Invalid));
    }

    // Lines go only once the handshake is done, to a side whose protocol knows chat, and only
    // as a line of chat.
    void sendsOnlyWhereALineCanGo() {
        SessionPair pair;
        QVERIFY(!pair.host.CanChat());
        QVERIFY(!pair.host.SendChat(QStringLiteral("too soon"), 0));
        pair.Exchange();
        QVERIFY(pair.host.CanChat());
        QVERIFY(!pair.host.SendChat(QStringLiteral("two\nlines"), 0));
        QVERIFY(!pair.host.SendChat(QString(kMaxChatLength + 1, u'x'), 0));
        QVERIFY(pair.guest.SendChat(QStringLiteral("<b>hi</b>"), 0));
        pair.Exchange();
        QCOMPARE(pair.hostEvents.last().kind, Kind::ChatReceived);
        QCOMPARE(pair.hostEvents.last().by, Peer::Guest);
        QCOMPARE(pair.hostEvents.last().text, QStringLiteral("<b>hi</b>"));
        pair.guest.Quit();
        pair.Exchange();
        QVERIFY(!pair.host.CanChat());

        JoinedHost older;  // its guest said protocol 2.0
        QVERIFY(!older.host.CanChat());
        QVERIFY(!older.host.SendChat(QStringLiteral("hi"), 0));
    }
};

QTEST_GUILESS_MAIN(ChatTest)
#include "test_chat.moc"
