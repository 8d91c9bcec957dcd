#include <QTest>

#include "match/model/player_entry.h"

using namespace morvane;

class PlayerEntryTest : public QObject {
    Q_OBJECT

private slots:
    // Every player kind has its half-width label (under the pictures) and its full-width label
    // (in the operation help); a kind outside the list has none.
    void kindLabels_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("narrow");
        QTest::addColumn<QString>("wide");
        QTest::newRow("mouse") << 0 << QStringLiteral("Mouse") << QStringLiteral("Ｍｏｕｓｅ");
        QTest::newRow("keyboard") << 1 << QStringLiteral("Keybord")
                                  << QStringLiteral("Ｋｅｙｂｏｒｄ");
        QTest::newRow("EASY") << 2 << QStringLiteral("[Easy]") << QStringLiteral("［Ｅａｓｙ］");
        QTest::newRow("NORMAL") << 3 << QStringLiteral("[Normal]")
                                << QStringLiteral("［Ｎｏｒｍａｌ］");
        QTest::newRow("HARD") << 4 << QStringLiteral("[Hard]") << QStringLiteral("［Ｈａｒｄ］");
        QTest::newRow("ⅲ") << 5 << QStringLiteral("ⅲ") << QStringLiteral("ⅲ");
        QTest::newRow("below the list") << -1 << QString() << QString();
        QTest::newRow("past the list") << 6 << QString() << QString();
    }
    void kindLabels() {
        QFETCH(int, kind);
        QFETCH(QString, narrow);
        QFETCH(QString, wide);
        QCOMPARE(PlayerKindLabel(kind, false), narrow);
        QCOMPARE(PlayerKindLabel(kind, true), wide);
    }

    // Side × shows pictures 1..4 (mouse, keyboard, computer, eye), side ○ their mirror images
    // 5..8; the three lesser computers share the computer, "[ⅲ]" alone has the eye and turns
    // the battle screen red.
    void picturesByKindAndSide_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("circlePicture");
        QTest::addColumn<int>("crossPicture");
        QTest::newRow("mouse") << 0 << 5 << 1;
        QTest::newRow("keyboard") << 1 << 6 << 2;
        QTest::newRow("EASY") << 2 << 7 << 3;
        QTest::newRow("NORMAL") << 3 << 7 << 3;
        QTest::newRow("HARD") << 4 << 7 << 3;
        QTest::newRow("ⅲ") << 5 << 8 << 4;
    }
    void picturesByKindAndSide() {
        QFETCH(int, kind);
        QFETCH(int, circlePicture);
        QFETCH(int, crossPicture);
        QCOMPARE(PlayerPicture(0, kind), circlePicture);
        QCOMPARE(PlayerPicture(1, kind), crossPicture);

        const bool expert = kind == ExpertComputer;
        QCOMPARE(ExpertPlays(Players{{kind, MousePlayer}, {circlePicture, 1}}), expert);
        QCOMPARE(ExpertPlays(Players{{MousePlayer, kind}, {5, crossPicture}}), expert);
    }
};

QTEST_APPLESS_MAIN(PlayerEntryTest)
#include "test_player_entry.moc"
