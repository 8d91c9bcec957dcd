#include <QTest>

#include "match/model/player_entry.h"

using namespace morvane;

class PlayerEntryTest : public QObject {
    Q_OBJECT

private slots:
    // Every player kind has its half-width label (under the pictures) and its full-width label
    // (in the operation help).
    void kindLabels_data() {
        QTest::addColumn<PlayerKind>("kind");
        QTest::addColumn<QString>("narrow");
        QTest::addColumn<QString>("wide");
        QTest::newRow("mouse") << PlayerKind::Mouse << QStringLiteral("Mouse")
                               << QStringLiteral("Ｍｏｕｓｅ");
        QTest::newRow("keyboard") << PlayerKind::Keyboard << QStringLiteral("Keybord")
                                  << QStringLiteral("Ｋｅｙｂｏｒｄ");
        QTest::newRow("EASY") << PlayerKind::EasyComputer << QStringLiteral("[Easy]")
                              << QStringLiteral("［Ｅａｓｙ］");
        QTest::newRow("NORMAL") << PlayerKind::NormalComputer << QStringLiteral("[Normal]")
                                << QStringLiteral("［Ｎｏｒｍａｌ］");
        QTest::newRow("HARD") << PlayerKind::HardComputer << QStringLiteral("[Hard]")
                              << QStringLiteral("［Ｈａｒｄ］");
        QTest::newRow("ⅲ") << PlayerKind::ExpertComputer << QStringLiteral("ⅲ")
                           << QStringLiteral("ⅲ");
        QTest::newRow("MASTER") << PlayerKind::MasterComputer << QStringLiteral("[Master]")
                                << QStringLiteral("［Ｍａｓｔｅｒ］");
    }
    void kindLabels() {
        QFETCH(PlayerKind, kind);
        QFETCH(QString, narrow);
        QFETCH(QString, wide);
        QCOMPARE(PlayerKindLabel(kind, false), narrow);
        QCOMPARE(PlayerKindLabel(kind, true), wide);
    }

    // Side × shows pictures 1..4 (mouse, keyboard, computer, eye), side ○ their mirror images
    // 5..8; the three lesser computers share the computer, "[ⅲ]" alone has the eye, the
    // searching Master a crowned eye (9 and 10), and those two turn the battle screen red.
    void picturesByKindAndSide_data() {
        QTest::addColumn<PlayerKind>("kind");
        QTest::addColumn<int>("circlePicture");
        QTest::addColumn<int>("crossPicture");
        QTest::newRow("mouse") << PlayerKind::Mouse << 5 << 1;
        QTest::newRow("keyboard") << PlayerKind::Keyboard << 6 << 2;
        QTest::newRow("EASY") << PlayerKind::EasyComputer << 7 << 3;
        QTest::newRow("NORMAL") << PlayerKind::NormalComputer << 7 << 3;
        QTest::newRow("HARD") << PlayerKind::HardComputer << 7 << 3;
        QTest::newRow("ⅲ") << PlayerKind::ExpertComputer << 8 << 4;
        QTest::newRow("MASTER") << PlayerKind::MasterComputer << 10 << 9;
    }
    void picturesByKindAndSide() {
        QFETCH(PlayerKind, kind);
        QFETCH(int, circlePicture);
        QFETCH(int, crossPicture);
        QCOMPARE(PlayerPicture(0, kind), circlePicture);
        QCOMPARE(PlayerPicture(1, kind), crossPicture);

        const bool red = kind == PlayerKind::ExpertComputer || kind == PlayerKind::MasterComputer;
        QCOMPARE(StrongestPlays(Players{{kind, PlayerKind::Mouse}, {circlePicture, 1}}), red);
        QCOMPARE(StrongestPlays(Players{{PlayerKind::Mouse, kind}, {5, crossPicture}}), red);
    }
};

QTEST_APPLESS_MAIN(PlayerEntryTest)
#include "test_player_entry.moc"
