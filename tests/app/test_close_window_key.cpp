#include <QApplication>
#include <QPointer>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <atomic>

#include "app/app.h"
#include "shell/windows/message_dialog.h"
#include "tests/match/battle_driver.h"
#include "tests/support/modal.h"
#include "tests/support/temp_settings.h"

using namespace morvane;
using namespace morvane::testing;

namespace {

// How a window is asked to close: by the close box of its frame, or by Ctrl+W.
enum class CloseWay { Frame, CtrlW };

void AskToClose(QWidget* window, CloseWay way) {
    if (way == CloseWay::Frame) {
        window->close();
    } else {
        QTest::keyClick(window, Qt::Key_W, Qt::ControlModifier);
    }
}

QWidget* VisibleTopLevel(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

}  // namespace

Q_DECLARE_METATYPE(CloseWay)

// Every test makes the App, as the program does: it is what puts Ctrl+W on every window.
class CloseWindowKeyTest : public QObject {
    Q_OBJECT

private slots:
    // The app keeps a game left under way in the data folder: the tests' own, never the user's.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // While MASTER thinks the battle screen closes whichever way it is asked to: its search is
    // cancelled and its thread has ended when the close returns, and the program hears of it
    // once.
    void battleScreenClosesWhileTheComputerThinks_data() {
        QTest::addColumn<CloseWay>("way");
        QTest::newRow("frame") << CloseWay::Frame;
        QTest::newRow("Ctrl+W") << CloseWay::CtrlW;
    }
    void battleScreenClosesWhileTheComputerThinks() {
        QFETCH(CloseWay, way);
        Screen screen(PlayerKind::MasterComputer, PlayerKind::Mouse);
        App app(screen.settings.store(), screen.state);
        std::atomic<bool> thinking = false;
        std::atomic<bool> abandoned = false;
        screen.seams.search = SearchUntilCalledOff(thinking, abandoned);
        screen.Open();
        QTRY_VERIFY_WITH_TIMEOUT(thinking, kWait);
        AskToClose(screen.window, way);
        QVERIFY(abandoned);
        QCOMPARE(screen.closedSignals, 1);
        QTRY_VERIFY_WITH_TIMEOUT(screen.window.isNull(), kWait);
    }

    // Ctrl+W on the title window ends the program, as its close box does: the event loop that
    // runs the program returns.
    void ctrlWOnTheTitleEndsTheProgram() {
        TempSettings settings;
        AppState state;
        App app(settings.store(), state);
        app.ShowTitle();
        QWidget* title = VisibleTopLevel(QStringLiteral("Form1"));
        QVERIFY(title != nullptr);
        QTimer::singleShot(0, title, [title] { AskToClose(title, CloseWay::CtrlW); });
        QTimer stillRunning;
        stillRunning.setSingleShot(true);
        QObject::connect(&stillRunning, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        stillRunning.start(kWait);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(VisibleTopLevel(QStringLiteral("Form1")) == nullptr);
    }

    // Ctrl+W on a question answers as its close box does: "Ｎｏ". A held key, which repeats,
    // closes nothing, so that it cannot go on to the window underneath.
    void ctrlWOnAQuestionAnswersAsItsFrame() {
        TempSettings settings;
        AppState state;
        App app(settings.store(), state);
        bool stayedOpenOnARepeat = false;
        WhenModalOpens(QStringLiteral("FormMsg"), [&](QWidget* message) {
            QKeyEvent held(QEvent::KeyPress, Qt::Key_W, Qt::ControlModifier, QString(), true);
            QApplication::sendEvent(message, &held);
            stayedOpenOnARepeat = message->isVisible();
            // Should the key not close it, "Ｙｅｓ" does, and the answer tells.
            QTimer::singleShot(2000, message,
                               [message] { ClickChild(message, QStringLiteral("選択_0")); });
            QTest::keyClick(message, Qt::Key_W, Qt::ControlModifier);
        });
        QCOMPARE(ShowMessage(nullptr, QStringLiteral("？"), QStringLiteral("Ｙｅｓ"),
                             QStringLiteral("Ｎｏ"), QString()),
                 MessageAnswer::Second);
        QVERIFY(stayedOpenOnARepeat);
    }
};

QTEST_MAIN(CloseWindowKeyTest)
#include "test_close_window_key.moc"
