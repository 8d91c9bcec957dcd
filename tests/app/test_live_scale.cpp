#include <QMenu>
#include <QStandardPaths>
#include <QTest>

#include "app/title_window.h"
#include "match/windows/record_window.h"
#include "shell/settings/display_scale.h"
#include "shell/windows/choice_menus.h"
#include "shell/windows/display_scale_choice.h"
#include "shell/windows/live_scale.h"
#include "tests/match/battle_driver.h"

using namespace morvane;

namespace {

// What a player sees of a window's controls: where each shown one stands and how large its text
// is.
struct Looks {
    QList<QRect> places;
    QList<int> textSizes;
    bool operator==(const Looks&) const = default;
};

Looks LooksOf(const QWidget* window) {
    Looks looks;
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        if (control->window() == window && control->isVisible()) {
            looks.places << QRect(control->mapTo(window, QPoint()), control->size());
            looks.textSizes << control->font().pixelSize();
        }
    }
    return looks;
}

// Within 2 % of the expected length: text grows with its font, whose lines do not grow exactly
// as its size, and a window's layouts round their lengths each on its own.
bool Near(QSize size, QSize expected) {
    const auto near = [](int length, int expectedLength) {
        return qAbs(length - expectedLength) <= 2 + expectedLength / 50;
    };
    return near(size.width(), expected.width()) && near(size.height(), expected.height());
}

}  // namespace

// The display scale chosen while the game runs lays every open window out at it at once, and the
// scale menu offers what fits the screen. Runs on 1280 × 1024, where every scale but 200 fits.
class LiveScaleTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { ApplyDisplayScale(kDisplayScales.front()); }

    // Each window grows that many times larger, its texts and pictures with it (the pictures
    // drawn afresh, one picture pixel to a screen pixel), as much of it on the screen as the
    // screen holds; 100 brings every window and every control back to exactly where and how
    // large it was; a click on a cell of the board grown again places there.
    void openWindowsTakeTheChosenScale_data() {
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("cell");
        QTest::newRow("125") << 125 << CellIndex(5, kRows);
        QTest::newRow("150") << 150 << CellIndex(3, kRows);
        QTest::newRow("200") << 200 << CellIndex(8, kRows);
    }
    void openWindowsTakeTheChosenScale() {
        QFETCH(int, percent);
        QFETCH(int, cell);
        testing::Screen battle(PlayerKind::Mouse, PlayerKind::Mouse);
        battle.Open();
        QVERIFY(testing::WaitForState(battle, BattleState::WaitMouse));
        TitleWindow title{TitleActions{}};
        title.show();
        RecordWindow record(battle.settings.store());
        record.show();
        const QList<QWidget*> windows{&title, battle.window, &record};
        QList<QSize> sizes;
        QList<Looks> looks;
        for (const QWidget* window : windows) {
            sizes << window->size();
            looks << LooksOf(window);
        }
        const auto* picture = title.findChild<QLabel*>(QStringLiteral("Image1"));
        const QSize pictureSize = picture->size();
        const auto* item = title.findChild<QWidget*>(QStringLiteral("Menu_0"));
        const int itemText = item->font().pixelSize();
        const QSize cellSize = battle.Cell(cell)->size();

        testing::SaveScreen(QStringLiteral("live_scale_%1_before").arg(percent));
        ChooseDisplayScale(nullptr, battle.settings.store(), percent);
        testing::SaveScreen(QStringLiteral("live_scale_%1_after").arg(percent));
        const qreal factor = percent / 100.0;
        QCOMPARE(AppliedDisplayScale(), percent);
        for (qsizetype k = 0; k < windows.size(); ++k) {
            QVERIFY2(Near(windows[k]->size(), sizes[k] * factor),
                     qPrintable(QStringLiteral("%1 %2×%3")
                                    .arg(windows[k]->objectName())
                                    .arg(windows[k]->width())
                                    .arg(windows[k]->height())));
            const QRect frame = windows[k]->frameGeometry();
            const QRect room = windows[k]->screen()->availableGeometry();
            QVERIFY(room.contains(frame.topLeft()));
            QCOMPARE(frame.intersected(room).size(), frame.size().boundedTo(room.size()));
        }
        QCOMPARE(item->font().pixelSize(), qRound(itemText * factor));
        QCOMPARE(picture->size(), pictureSize * factor);
        const QPixmap pixmap = picture->pixmap();
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), picture->size());
        QCOMPARE(pixmap.size(), picture->size() * picture->devicePixelRatioF());
        QLabel* target = battle.Cell(cell);
        QVERIFY(Near(target->size(), cellSize * factor));

        ChooseDisplayScale(nullptr, battle.settings.store(), kDisplayScales.front());
        for (qsizetype k = 0; k < windows.size(); ++k) {
            QCOMPARE(windows[k]->size(), sizes[k]);
            // Layouts inside a window's controls settle as the event loop runs.
            QTRY_VERIFY2_WITH_TIMEOUT(LooksOf(windows[k]) == looks[k],
                                      qPrintable(windows[k]->objectName()), testing::kWait);
        }
        QCOMPARE(picture->pixmap().size(), pictureSize * picture->devicePixelRatioF());

        ChooseDisplayScale(nullptr, battle.settings.store(), percent);
        const QPoint local = target->mapTo(battle.window, target->rect().center());
        QCOMPARE(battle.window->childAt(local), target);
        QTest::mouseMove(battle.window, local);
        QTest::mouseClick(target, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(battle.battle().ShownBoard()[cell], CircleUnit, testing::kWait);
        battle.window->close();
    }

    // The screen holds the windows at 150 but not at 200, whatever scale they are laid out at
    // now.
    void theScaleMenuMeasuresTheScreenWhateverTheScaleInUse_data() {
        QTest::addColumn<int>("inUse");
        QTest::newRow("in use 100") << 100;
        QTest::newRow("in use 150") << 150;
        QTest::newRow("in use 200") << 200;
    }
    void theScaleMenuMeasuresTheScreenWhateverTheScaleInUse() {
        QFETCH(int, inUse);
        ApplyDisplayScale(inUse);
        QMenu menu;
        QMenu* scales = AddDisplayScaleMenu(
            &menu, [inUse] { return inUse; }, [](int) {});
        emit scales->aboutToShow();
        QStringList offered;
        for (const QAction* entry : scales->actions()) {
            if (entry->isEnabled()) {
                offered << entry->objectName();
            }
        }
        QCOMPARE(offered, QStringList({QStringLiteral("Scale_100"), QStringLiteral("Scale_125"),
                                       QStringLiteral("Scale_150")}));
    }
};

QTEST_MAIN(LiveScaleTest)
#include "test_live_scale.moc"
