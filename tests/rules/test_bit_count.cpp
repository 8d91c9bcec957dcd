#include <QTest>
#include <bit>
#include <random>

#include "rules/bit_count.h"

using namespace morvane;

class BitCountTest : public QObject {
    Q_OBJECT

private slots:
    // It should count like std::popcount with either policy (the portable one is what a
    // processor without POPCNT runs).
    void bothPoliciesCountEveryBit() {
        std::mt19937_64 engine(5);
        for (int round = 0; round < 10000; ++round) {
            const std::uint64_t bits = engine() & engine();
            QCOMPARE(PortableBitCount::Count(bits), std::popcount(bits));
            if (HasHardwareBitCount()) {
                QCOMPARE(HardwareBitCount::Count(bits), std::popcount(bits));
            }
        }
        QCOMPARE(PortableBitCount::Count(~std::uint64_t{0}), 64);
        QCOMPARE(PortableBitCount::Count(0), 0);
    }
};

QTEST_APPLESS_MAIN(BitCountTest)
#include "test_bit_count.moc"
