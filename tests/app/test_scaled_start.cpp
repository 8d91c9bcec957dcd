#include <QApplication>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "app/app.h"
#include "app/start_scale.h"
#include "shell/settings/display_scale.h"

using namespace morvane;

// The program started with the display scale 150 stored, the way main starts it: the title
// window is drawn at 1.5 device pixels to the pixel, its picture rendered for that density, and
// the factor is out of the environment again.
class ScaledStartTest : public QObject {
    Q_OBJECT

public:
    ScaledStartTest(SettingsStore& store, bool scaled) : store_(store), scaled_(scaled) {}

private slots:
    // The app keeps a game left under way in the data folder: the tests' own, never the user's.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void titleIsDrawnAtTheStoredScale() {
        if (!scaled_) {
            QSKIP("QT_SCALE_FACTOR is set in this environment, and it wins");
        }
        QVERIFY(!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"));
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
        QCOMPARE(title->devicePixelRatioF(), 1.5);
        QCOMPARE(title->grab().size(), title->size() * 1.5);

        const auto* picture = title->findChild<QLabel*>(QStringLiteral("Image1"));
        const QPixmap pixmap = picture->pixmap();
        QCOMPARE(pixmap.devicePixelRatio(), 1.5);
        QCOMPARE(pixmap.size(), picture->size() * 1.5);
        title->close();
    }

private:
    SettingsStore& store_;
    bool scaled_;
};

int main(int argc, char* argv[]) {
    const QTemporaryDir folder;
    SettingsStore store(folder.filePath(QStringLiteral("settings.ini")));
    store.Write(settings::DisplayScale(), 150);
    const bool scaled = SetStartScale(ReadDisplayScale(store));
    const QApplication application(argc, argv);
    if (scaled) {
        ForgetStartScale();
    }
    ScaledStartTest test(store, scaled);
    return QTest::qExec(&test, argc, argv);
}

#include "test_scaled_start.moc"
