#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "net/portmap/port_mapping.h"
#include "tests/net/portmap/fake_router.h"

using namespace morvane;
using testing::FakeRouter;
using testing::Routers;

namespace {

constexpr quint16 kPort = testing::kFakeRouterPort;
constexpr int kPatienceMs = testing::kFakeRouterPatience.count();

// Ends the mapping's life the way a row says: "Close", "destroyed" or "quits" (the application).
void EndMapping(std::unique_ptr<PortMapping>& mapping, const QString& how) {
    if (how == "Close") {
        mapping->Close();
    } else if (how == "destroyed") {
        mapping.reset();
    } else {
        QVERIFY(QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit"));
    }
}

}  // namespace

class PortMappingTest : public QObject {
    Q_OBJECT

private slots:
    // UPnP IGD is asked first; NAT-PMP only when UPnP did not grant the mapping. The outcome
    // names the router that answered and the address and port it gave.
    void asksUpnpFirstThenNatPmp_data() {
        QTest::addColumn<bool>("upnpGrants");
        QTest::addColumn<bool>("natPmpGrants");
        QTest::addColumn<int>("natPmpAsked");
        QTest::addColumn<QString>("answeredBy");  // empty: failed

        QTest::newRow("UPnP grants, NAT-PMP is not asked") << true << true << 0 << "203.0.113.7";
        QTest::newRow("UPnP refuses, NAT-PMP grants") << false << true << 1 << "198.51.100.9";
        QTest::newRow("neither grants") << false << false << 1 << "";
    }
    void asksUpnpFirstThenNatPmp() {
        QFETCH(bool, upnpGrants);
        QFETCH(bool, natPmpGrants);
        QFETCH(int, natPmpAsked);
        QFETCH(QString, answeredBy);
        const Routers routers;
        routers.upnp->grants = upnpGrants;
        routers.natPmp->grants = natPmpGrants;
        PortMapping mapping(routers.Clients());
        QSignalSpy opened(&mapping, &PortMapping::opened);
        QSignalSpy failed(&mapping, &PortMapping::failed);

        mapping.Open(kPort);
        QTRY_COMPARE_WITH_TIMEOUT(opened.count() + failed.count(), 1, kPatienceMs);
        QCOMPARE(routers.upnp->opens.load(), 1);
        QCOMPARE(routers.natPmp->opens.load(), natPmpAsked);
        if (answeredBy.isEmpty()) {
            QCOMPARE(failed.count(), 1);
            return;
        }
        const std::shared_ptr<FakeRouter>& router = upnpGrants ? routers.upnp : routers.natPmp;
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened[0][0].value<PortMapProtocol>(),
                 upnpGrants ? PortMapProtocol::UpnpIgd : PortMapProtocol::NatPmp);
        QCOMPARE(opened[0][1].toString(), answeredBy);
        QCOMPARE(opened[0][2].value<quint16>(), router->publicPort);
    }

    // The mapping is removed before Close, destruction or the application's quitting returns,
    // and only from the router that granted it.
    void removesTheMappingBeforeReturning_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Close") << "Close";
        QTest::newRow("destroyed") << "destroyed";
        QTest::newRow("the application quits") << "quits";
    }
    void removesTheMappingBeforeReturning() {
        QFETCH(QString, how);
        const Routers routers;
        routers.upnp->grants = false;
        auto mapping = std::make_unique<PortMapping>(routers.Clients());
        QSignalSpy opened(mapping.get(), &PortMapping::opened);
        mapping->Open(kPort);
        QTRY_COMPARE_WITH_TIMEOUT(opened.count(), 1, kPatienceMs);
        QCOMPARE(routers.natPmp->closes.load(), 0);

        EndMapping(mapping, how);
        QCOMPARE(routers.natPmp->closes.load(), 1);
        QCOMPARE(routers.upnp->closes.load(), 0);
    }

    // The lease is renewed at half its length while the mapping lives; a refused renewal is
    // reported as a failure, after which the router is still asked to remove what it held.
    void renewsAtHalfTheLease_data() {
        QTest::addColumn<bool>("renews");
        QTest::newRow("the router renews") << true;
        QTest::newRow("the router refuses") << false;
    }
    void renewsAtHalfTheLease() {
        QFETCH(bool, renews);
        const Routers routers;
        routers.upnp->lease = std::chrono::seconds(1);
        routers.upnp->renews = renews;
        PortMapping mapping(routers.Clients());
        QSignalSpy opened(&mapping, &PortMapping::opened);
        QSignalSpy failed(&mapping, &PortMapping::failed);
        mapping.Open(kPort);
        QTRY_COMPARE_WITH_TIMEOUT(opened.count(), 1, kPatienceMs);
        QElapsedTimer sinceOpened;
        sinceOpened.start();

        const int renewals = renews ? 2 : 1;
        QTRY_VERIFY_WITH_TIMEOUT(routers.upnp->renewals.load() >= renewals, kPatienceMs);
        // Each renewal waits half a lease: never sooner, however busy the machine.
        QVERIFY(sinceOpened.elapsed() >= renewals * 500 - 50);
        if (renews) {
            QCOMPARE(failed.count(), 0);
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, kPatienceMs);
            QTRY_COMPARE_WITH_TIMEOUT(routers.upnp->closes.load(), 1, kPatienceMs);
            QCOMPARE(routers.upnp->renewals.load(), 1);
        }
        QCOMPARE(opened.count(), 1);
    }

    // A router that takes its time holds up neither the answer (which comes within the bound)
    // nor Close or destruction; a mapping it grants afterwards is removed all the same.
    void aSlowRouterHoldsNothingUp_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("the answer's bound passes") << "bound";
        QTest::newRow("Close") << "Close";
        QTest::newRow("destroyed") << "destroyed";
    }
    void aSlowRouterHoldsNothingUp() {
        QFETCH(QString, how);
        const Routers routers;
        routers.upnp->holdsAnswer = true;
        auto mapping = std::make_unique<PortMapping>(routers.Clients());
        QSignalSpy opened(mapping.get(), &PortMapping::opened);
        QSignalSpy failed(mapping.get(), &PortMapping::failed);
        mapping->Open(kPort);
        QTRY_VERIFY_WITH_TIMEOUT(routers.upnp->answering.load(), kPatienceMs);

        if (how == "bound") {
            QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, kPatienceMs);
        } else {
            EndMapping(mapping, how);
        }
        QVERIFY(routers.upnp->answering.load());

        routers.upnp->Release();
        QTRY_COMPARE_WITH_TIMEOUT(routers.upnp->closes.load(), 1, kPatienceMs);
        QCOMPARE(routers.natPmp->opens.load(), 0);
        QCOMPARE(opened.count(), 0);
    }
};

QTEST_GUILESS_MAIN(PortMappingTest)
#include "test_port_mapping.moc"
