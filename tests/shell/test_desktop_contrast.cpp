#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusVariant>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <atomic>

#include "shell/settings/settings_keys.h"
#include "shell/windows/desktop_contrast.h"
#include "shell/windows/look_choice.h"
#include "tests/support/temp_settings.h"

using namespace morvane;

namespace {

const QString kPortalName = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");

// What the desktop's settings portal does when the game asks for the contrast.
enum class Answer { More, NoPreference, Text, Silent, Absent };

// A settings portal that answers as it is told, from a thread of its own, as the real one
// answers from its own process while the game waits for it.
class FakePortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    std::atomic<Answer> answer{Answer::NoPreference};

public slots:
    // The portal wraps the value in a variant of its own, as the real one does.
    QDBusVariant Read(const QString& nameSpace, const QString& key) {
        const bool contrast = nameSpace == QStringLiteral("org.freedesktop.appearance") &&
                              key == QStringLiteral("contrast");
        switch (contrast ? answer.load() : Answer::Text) {
            case Answer::More:
                return QDBusVariant(QVariant::fromValue(QDBusVariant(1U)));
            case Answer::NoPreference:
                return QDBusVariant(QVariant::fromValue(QDBusVariant(0U)));
            case Answer::Silent:
                setDelayedReply(true);
                return {};
            case Answer::Text:
            case Answer::Absent:
                break;
        }
        return QDBusVariant(QVariant::fromValue(QDBusVariant(QStringLiteral("high"))));
    }
};

}  // namespace

// The desktop's wish for more contrast, read from a settings portal on a session bus of the
// test's own, and the look the game starts in from it.
class DesktopContrastTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty()) {
            QSKIP("dbus-daemon is not installed (scripts/install-deps.sh installs it)");
        }
        bus_.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                            QStringLiteral("--print-address"),
                            QStringLiteral("--address=unix:dir=") + busFolder_.path()});
        QVERIFY(bus_.waitForReadyRead(5000));
        const QByteArray address = bus_.readLine().trimmed();
        QVERIFY(!address.isEmpty());
        // Before the game's first use of the session bus, which reads it once.
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);

        portal_.moveToThread(&portalThread_);
        portalThread_.start();
        portalBus_ =
            QDBusConnection::connectToBus(QString::fromUtf8(address), QStringLiteral("portal"));
        QVERIFY(portalBus_.registerObject(kPortalPath, &portal_, QDBusConnection::ExportAllSlots));
        QVERIFY(portalBus_.registerService(kPortalName));
    }

    void cleanupTestCase() {
        portalThread_.quit();
        portalThread_.wait();
        QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
        bus_.terminate();
        bus_.waitForFinished(5000);
    }

    void desktopWishStartsTheLook_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<Look>("start");
        QTest::newRow("asks for more") << QString() << Answer::More << true << Look::HighContrast;
        QTest::newRow("no preference")
            << QString() << Answer::NoPreference << false << Look::Standard;
        QTest::newRow("a value of another type")
            << QString() << Answer::Text << false << Look::Standard;
        QTest::newRow("no answer in time")
            << QString() << Answer::Silent << false << Look::Standard;
        QTest::newRow("no portal") << QString() << Answer::Absent << false << Look::Standard;
        QTest::newRow("the player's choice first")
            << QStringLiteral("standard") << Answer::More << true << Look::Standard;
        QTest::newRow("the player's light look")
            << QStringLiteral("light") << Answer::NoPreference << false << Look::Light;
    }
    void desktopWishStartsTheLook() {
        QFETCH(QString, chosen);
        QFETCH(Answer, answer);
        QFETCH(bool, asks);
        QFETCH(Look, start);
        portal_.answer = answer;
        if (answer == Answer::Absent) {
            QVERIFY(portalBus_.unregisterService(kPortalName));
        }
        testing::TempSettings temp;
        if (!chosen.isEmpty()) {
            temp.store().Write(settings::ChosenLook(), chosen);
        }
        const bool asked = DesktopAsksHighContrast();
        const Look started = StartLook(temp.store());
        if (answer == Answer::Absent) {
            QVERIFY(portalBus_.registerService(kPortalName));
        }
        QCOMPARE(asked, asks);
        QCOMPARE(started, start);
    }

private:
    QTemporaryDir busFolder_;
    QProcess bus_;
    QThread portalThread_;
    FakePortal portal_;
    QDBusConnection portalBus_{QString()};
};

QTEST_GUILESS_MAIN(DesktopContrastTest)
#include "test_desktop_contrast.moc"
