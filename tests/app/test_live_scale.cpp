#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>
#include <QMenu>
#include <QStandardPaths>
#include <QTest>
#include <QWindow>

#include "app/title_window.h"
#include "match/windows/record_window.h"
#include "shell/settings/display_scale.h"
#include "shell/windows/choice_menus.h"
#include "shell/windows/display_scale_choice.h"
#include "shell/windows/live_scale.h"
#include "tests/match/battle_driver.h"

using namespace morvane;

namespace {

// The window's size in the screen's own pixels.
QSize NativeSize(const QWidget* window) {
    return window->windowHandle()->handle()->geometry().size();
}

// The mouse as the window system moves and clicks it: at a point of the screen's own pixels,
// which Qt maps to the game's pixels at the scale in use.
void ClickNative(QWidget* window, QPoint local, QPoint global) {
    using Events = QWindowSystemInterface;
    QWindow* handle = window->windowHandle();
    Events::handleMouseEvent<Events::SynchronousDelivery>(handle, local, global, Qt::NoButton,
                                                          Qt::NoButton, QEvent::MouseMove);
    Events::handleMouseEvent<Events::SynchronousDelivery>(handle, local, global, Qt::LeftButton,
                                                          Qt::LeftButton, QEvent::MouseButtonPress);
    Events::handleMouseEvent<Events::SynchronousDelivery>(
        handle, local, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);
}

}  // namespace

// The display scale chosen while the game runs draws every open window at it at once, and the
// scale menu offers what fits the screen measured at the scale in use. Runs on 1280 × 1024, where
// every scale but 200 fits.
class LiveScaleTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { ApplyDisplayScale(kDisplayScales.front()); }

    // Each window keeps its size in the game's pixels and is drawn that many times larger on the
    // screen, its pictures drawn afresh for the density, as much of it on the screen as the
    // screen holds; a click where a cell of the board now
    // stands on the screen places there; 100 brings every window back to its own size.
    void openWindowsTakeTheChosenScale_data() {
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("cell");
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
        for (const QWidget* window : windows) {
            QCOMPARE(NativeSize(window), window->size());
            sizes << window->size();
        }

        testing::SaveScreen(QStringLiteral("live_scale_%1_before").arg(percent));
        ChooseDisplayScale(nullptr, battle.settings.store(), percent);
        testing::SaveScreen(QStringLiteral("live_scale_%1_after").arg(percent));
        const qreal factor = percent / 100.0;
        QCOMPARE(AppliedDisplayScale(), percent);
        for (qsizetype k = 0; k < windows.size(); ++k) {
            QCOMPARE(windows[k]->size(), sizes[k]);
            QCOMPARE(windows[k]->devicePixelRatioF(), factor);
            QCOMPARE(NativeSize(windows[k]), sizes[k] * factor);
            const QRect frame = windows[k]->frameGeometry();
            const QRect room = windows[k]->screen()->availableGeometry();
            QVERIFY(room.contains(frame.topLeft()));
            QCOMPARE(frame.intersected(room).size(), frame.size().boundedTo(room.size()));
        }
        const auto* picture = title.findChild<QLabel*>(QStringLiteral("Image1"));
        QCOMPARE(picture->pixmap().devicePixelRatio(), factor);
        const QLabel* target = battle.Cell(cell);
        const QPoint local = target->mapTo(battle.window, target->rect().center());
        ClickNative(battle.window, local * factor, battle.window->mapToGlobal(local) * factor);
        QTRY_COMPARE_WITH_TIMEOUT(battle.battle().ShownBoard()[cell], CircleUnit, testing::kWait);

        ChooseDisplayScale(nullptr, battle.settings.store(), kDisplayScales.front());
        for (qsizetype k = 0; k < windows.size(); ++k) {
            QCOMPARE(windows[k]->devicePixelRatioF(), 1.0);
            QCOMPARE(NativeSize(windows[k]), sizes[k]);
        }
        battle.window->close();
    }

    // The screen holds the windows at 150 but not at 200, whatever scale they are drawn at now.
    void theScaleMenuMeasuresTheScreenAtTheScaleInUse_data() {
        QTest::addColumn<int>("inUse");
        QTest::newRow("in use 100") << 100;
        QTest::newRow("in use 150") << 150;
        QTest::newRow("in use 200") << 200;
    }
    void theScaleMenuMeasuresTheScreenAtTheScaleInUse() {
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
