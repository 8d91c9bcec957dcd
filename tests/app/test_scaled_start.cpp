#include <QApplication>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "app/app.h"
#include "shell/settings/display_scale.h"
#include "shell/windows/live_scale.h"

using namespace morvane;

// The program started with the display scale 150 stored, the way main starts it: the title
// window is drawn at 1.5 device pixels to the pixel (times the factor the screen or the user's
// environment sets), its picture rendered for that density.
class ScaledStartTest : public QObject {
    Q_OBJECT

public:
    ScaledStartTest(SettingsStore& store, qreal ownRatio) : store_(store), ownRatio_(ownRatio) {}

private slots:
    // The app keeps a game left under way in the data folder: the tests' own, never the user's.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void titleIsDrawnAtTheStoredScale() {
        AppState state;
        App app(store_, state);
        app.ShowTitle();
        QWidget* title = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QStringLiteral("Form1") && window->isVisible()) {
                title = window;
            }
        }
        QVERIFY(title != nullptr);
        const qreal ratio = ownRatio_ * 1.5;
        QCOMPARE(title->devicePixelRatioF(), ratio);
        QCOMPARE(title->grab().size(), title->size() * ratio);

        const auto* picture = title->findChild<QLabel*>(QStringLiteral("Image1"));
        const QPixmap pixmap = picture->pixmap();
        QCOMPARE(pixmap.devicePixelRatio(), ratio);
        QCOMPARE(pixmap.size(), picture->size() * ratio);
        title->close();
    }

private:
    SettingsStore& store_;
    qreal ownRatio_;
};

int main(int argc, char* argv[]) {
    const QTemporaryDir folder;
    SettingsStore store(folder.filePath(QStringLiteral("settings.ini")));
    store.Write(settings::DisplayScale(), 150);
    const QApplication application(argc, argv);
    const qreal ownRatio = QGuiApplication::primaryScreen()->devicePixelRatio();
    ApplyDisplayScale(ReadDisplayScale(store));
    ScaledStartTest test(store, ownRatio);
    return QTest::qExec(&test, argc, argv);
}

#include "test_scaled_start.moc"
