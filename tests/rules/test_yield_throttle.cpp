#include <QTest>
#include <chrono>

#include "rules/yield_throttle.h"

using namespace morvane;
using namespace std::chrono_literals;

class YieldThrottleTest : public QObject {
    Q_OBJECT

private slots:
    // It should read the clock only at every 32nd yield, and let events run there once 5 ms
    // have passed since they last finished running.
    void eventsRunWhenDue_data() {
        QTest::addColumn<qint64>("stepNs");        // the clock's advance before each yield
        QTest::addColumn<qint64>("eventsTakeNs");  // the clock's advance while events run
        QTest::addColumn<int>("yields");
        QTest::addColumn<QList<int>>("runsAt");  // the yields at which events ran
        QTest::addColumn<int>("clockReads");
        QTest::newRow("1 ms apart: at every 32nd yield")
            << qint64{1'000'000} << qint64{0} << 100 << QList<int>{32, 64, 96} << 1 + 3 + 3;
        QTest::newRow("32 yields just under 5 ms: none")
            << qint64{156'000} << qint64{0} << 32 << QList<int>{} << 1 + 1;
        QTest::newRow("32 yields exactly 5 ms: at the 32nd")
            << qint64{156'250} << qint64{0} << 32 << QList<int>{32} << 1 + 1 + 1;
        QTest::newRow("0.1 ms apart: at every 64th yield")
            << qint64{100'000} << qint64{0} << 130 << QList<int>{64, 128} << 1 + 4 + 2;
        QTest::newRow("events taking 3 ms: the interval starts when they end")
            << qint64{100'000} << qint64{3'000'000} << 130 << QList<int>{64, 128} << 1 + 4 + 2;
    }
    void eventsRunWhenDue() {
        QFETCH(qint64, stepNs);
        QFETCH(qint64, eventsTakeNs);
        QFETCH(int, yields);
        QFETCH(QList<int>, runsAt);
        QFETCH(int, clockReads);
        std::chrono::steady_clock::time_point now{1h};
        int reads = 0;
        int yield = 0;
        QList<int> ran;
        YieldThrottle throttle(
            [&] {
                ran << yield;
                now += std::chrono::nanoseconds(eventsTakeNs);
            },
            [&] {
                ++reads;
                return now;
            });
        for (yield = 1; yield <= yields; ++yield) {
            now += std::chrono::nanoseconds(stepNs);
            throttle.Yield();
        }
        QCOMPARE(ran, runsAt);
        QCOMPARE(reads, clockReads);
    }

    // A batch of yields counts as that many: the clock is read whenever a batch crosses a
    // multiple of 32, however many it crosses at once.
    void batchesCountAsTheirYields() {
        std::chrono::steady_clock::time_point now{1h};
        int reads = 0;
        int runs = 0;
        YieldThrottle throttle([&] { ++runs; },
                               [&] {
                                   ++reads;
                                   return now;
                               });
        const int readsAtStart = reads;
        throttle.Yield(31);
        QCOMPARE(reads, readsAtStart);
        now += 6ms;
        throttle.Yield(2);  // crosses 32
        QCOMPARE(runs, 1);
        now += 6ms;
        throttle.Yield(100);  // crosses 64, 96 and 128 in one batch
        QCOMPARE(runs, 2);
        throttle.Yield(1);
        QCOMPARE(runs, 2);
    }
};

QTEST_MAIN(YieldThrottleTest)
#include "test_yield_throttle.moc"
