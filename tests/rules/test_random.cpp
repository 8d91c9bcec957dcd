#include <QTest>
#include <set>

#include "rules/random.h"

using namespace morvane;

class RandomTest : public QObject {
    Q_OBJECT

private slots:
    // It should give every value 0..n and nothing outside, even in a tight loop.
    void drawsCoverTheRangeInATightLoop_data() {
        QTest::addColumn<int>("n");
        QTest::newRow("0") << 0;
        QTest::newRow("1") << 1;
        QTest::newRow("7") << 7;
        QTest::newRow("98") << 98;
    }
    void drawsCoverTheRangeInATightLoop() {
        QFETCH(int, n);
        std::set<int> seen;
        for (int i = 0; i < 20000; ++i) {
            const int value = RandomUpTo(n);
            QVERIFY(value >= 0 && value <= n);
            seen.insert(value);
        }
        QCOMPARE(static_cast<int>(seen.size()), n + 1);
    }

    // It should not repeat one value for every call made within one clock tick.
    void thousandCallsInARowAreNotAllEqual() {
        std::set<int> seen;
        for (int i = 0; i < 1000; ++i) {
            seen.insert(RandomUpTo(95));
        }
        QVERIFY(seen.size() > 1);
    }

    void negativeRangeGivesZero() { QCOMPARE(RandomUpTo(-1), 0); }

    // It should repeat the same draws from the same seed, for reproducible tests.
    void seededDrawsRepeat() {
        SeedRandomForTesting(42);
        std::vector<int> first;
        for (int i = 0; i < 50; ++i) {
            first.push_back(RandomUpTo(1000));
        }
        SeedRandomForTesting(42);
        for (int i = 0; i < 50; ++i) {
            QCOMPARE(RandomUpTo(1000), first[static_cast<std::size_t>(i)]);
        }
    }

    // It should be close to uniform: each of 8 values within 10% of its share of 80,000 draws.
    void drawsAreRoughlyUniform() {
        SeedRandomForTesting(7);
        std::array<int, 8> counts{};
        for (int i = 0; i < 80000; ++i) {
            ++counts[static_cast<std::size_t>(RandomUpTo(7))];
        }
        for (const int count : counts) {
            QVERIFY2(count > 9000 && count < 11000, qPrintable(QString::number(count)));
        }
    }
};

QTEST_APPLESS_MAIN(RandomTest)
#include "test_random.moc"
