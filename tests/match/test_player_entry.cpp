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
    }
    void kindLabels() {
        QFETCH(PlayerKind, kind);
        QFETCH(QString, narrow);
        QFETCH(QString, wide);
        QCOMPARE(PlayerKindLabel(kind, false), narrow);
        QCOMPARE(PlayerKindLabel(kind, true), wide);
    }

    // Side × shows pictures 1..4 (mouse, keyboard, computer, eye), side ○ their mirror images
    // 5..8; the three lesser computers share the computer, "[ⅲ]" alone has the eye and turns
    // the battle screen red.
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
    }
    void picturesByKindAndSide() {
        QFETCH(PlayerKind, kind);
        QFETCH(int, circlePicture);
        QFETCH(int, crossPicture);
        QCOMPARE(PlayerPicture(0, kind), circlePicture);
        QCOMPARE(PlayerPicture(1, kind), crossPicture);

        const bool expert = kind == PlayerKind::ExpertComputer;
        QCOMPARE(ExpertPlays(Players{{kind, PlayerKind::Mouse}, {circlePicture, 1}}), expert);
        QCOMPARE(ExpertPlays(Players{{PlayerKind::Mouse, kind}, {5, crossPicture}}), expert);
    }
};

QTEST_APPLESS_MAIN(PlayerEntryTest)
#include "test_player_entry.moc"
