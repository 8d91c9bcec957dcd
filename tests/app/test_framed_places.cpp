#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>
#include <QWindow>
#include <memory>
#include <optional>

#include "app/app.h"
#include "shell/settings/language.h"
#include "shell/settings/settings_keys.h"
#include "tests/support/modal.h"
#include "tests/support/temp_settings.h"

// Run by scripts/with-window-manager.sh: on a display where a window manager frames the windows
// (and takes its time to), which the offscreen platform cannot show.

using namespace morvane;

namespace {

// How long the window manager may take to frame, place or move a window.
constexpr int kWindowManagerMs = 5000;

enum Way { ClosedAndReopened, RemadeInTheOtherLanguage };

QWidget* VisibleTopLevel(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

void DeleteClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// Closes every window, and the title that comes back when the battle screen closes.
void CloseAll() {
    for (int round = 0; round < 2; ++round) {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible()) {
                widget->close();
            }
        }
        DeleteClosedWindows();
    }
}

// The title window, or the battle screen opened from it with the entry cancelled.
QWidget* Open(App& app, const QString& name) {
    QWidget* title = app.ShowTitle();
    if (title->objectName() == name) {
        return title;
    }
    const auto entered = std::make_shared<bool>(false);
    testing::WhenModalOpens(QStringLiteral("Form2"), [entered](QWidget* entry) {
        testing::ClickChild(entry, QStringLiteral("Command2"));
        *entered = true;
    });
    QTest::mouseClick(title->findChild<QWidget*>(QStringLiteral("Menu_0")), Qt::LeftButton);
    DeleteClosedWindows();
    if (!QTest::qWaitFor([entered] { return *entered; }, kWindowManagerMs)) {
        return nullptr;
    }
    return VisibleTopLevel(name);
}

// The title made afresh in the other language, as its language button does; null when no fresh
// one replaced it.
QWidget* Remade(QWidget* title) {
    const QString name = title->objectName();
    const QPointer<QWidget> old = title;
    QTest::mouseClick(title->findChild<QPushButton*>(QStringLiteral("LanguageButton")),
                      Qt::LeftButton);
    QWidget* fresh = nullptr;
    const bool replaced = QTest::qWaitFor(
        [&] {
            DeleteClosedWindows();
            fresh = VisibleTopLevel(name);
            return old.isNull() && fresh != nullptr;
        },
        kWindowManagerMs);
    return replaced ? fresh : nullptr;
}

// Whether the window manager has framed the window with the corner of its frame at the point.
// While the frame is being made, Qt can read any margins for a moment, negative ones too.
bool FramedAt(const QWindow* native, QPoint topLeft) {
    const QMargins margins = native->frameMargins();
    return margins.top() > 0 && margins.left() >= 0 && margins.right() >= 0 &&
           margins.bottom() >= 0 && native->framePosition() == topLeft;
}

QString Described(const QWindow* native) {
    const QMargins margins = native->frameMargins();
    return QStringLiteral("frame at %1,%2, content at %3,%4, margins %5,%6,%7,%8")
        .arg(native->framePosition().x())
        .arg(native->framePosition().y())
        .arg(native->position().x())
        .arg(native->position().y())
        .arg(margins.left())
        .arg(margins.top())
        .arg(margins.right())
        .arg(margins.bottom());
}

QString PlaceText(QPoint topLeft) {
    return QStringLiteral("%1,%2").arg(topLeft.x()).arg(topLeft.y());
}

}  // namespace

class FramedPlacesTest : public QObject {
    Q_OBJECT

private slots:
    // The app keeps a game left under way in the data folder: the tests' own, never the user's.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { UseLanguage(Language::Japanese); }

    // A main window comes back with its frame exactly where the player left it, its content
    // as far inside the frame as before, however often it is closed (or remade in the other
    // language) and opened again; the stored place is the frame's top left corner. Each time the
    // player moves it a little before it goes.
    void mainWindowsComeBackWhereTheyWereLeft_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("way");
        QTest::newRow("the title, closed and reopened") << "Form1" << int(ClosedAndReopened);
        QTest::newRow("the battle screen, closed and reopened")
            << "Form3" << int(ClosedAndReopened);
        QTest::newRow("the title, remade in the other language")
            << "Form1" << int(RemadeInTheOtherLanguage);
    }
    void mainWindowsComeBackWhereTheyWereLeft() {
        QFETCH(QString, name);
        QFETCH(int, way);
        QVERIFY(UseLanguage(Language::Japanese));
        testing::TempSettings settings;
        const TextSetting place = settings::WindowPlace(name);
        QPoint left(300, 216);
        settings.store().Write(place, PlaceText(left));
        AppState state;
        App app(settings.store(), state);
        // The windows close while the app they use still stands, whatever the test found.
        const auto closing = qScopeGuard(CloseAll);

        QPointer<QWidget> window;
        std::optional<QPoint> inset;
        for (int opening = 0; opening < 4; ++opening) {
            window = opening == 0 || way == ClosedAndReopened ? Open(app, name) : Remade(window);
            QVERIFY(window);
            QCOMPARE(settings.store().Read(place), PlaceText(left));
            // Read from the native window: a widget learns of its frame only at its next move.
            QWindow* native = window->windowHandle();
            QTRY_VERIFY2_WITH_TIMEOUT(FramedAt(native, left), qPrintable(Described(native)),
                                      kWindowManagerMs);
            if (!inset) {
                inset = native->position() - left;
            }
            QCOMPARE(native->position(), left + *inset);

            left += QPoint(24, 16);
            native->setFramePosition(left);
            QTRY_VERIFY2_WITH_TIMEOUT(FramedAt(native, left), qPrintable(Described(native)),
                                      kWindowManagerMs);
            if (way == ClosedAndReopened) {
                CloseAll();
            }
        }
    }
};

QTEST_MAIN(FramedPlacesTest)
#include "test_framed_places.moc"
