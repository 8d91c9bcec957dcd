#include <QApplication>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "app/app.h"
#include "shell/settings/display_scale.h"
#include "shell/settings/window_sizes.h"
#include "shell/windows/live_scale.h"

using namespace morvane;

// The program started with the display scale 150 stored, the way main starts it: the title
// window opens at 1.5 times its own size, its texts and its picture with it, and the picture is
// rendered for the screen's density (which the screen or the user's environment sets), one
// picture pixel to a screen pixel.
class ScaledStartTest : public QObject {
    Q_OBJECT

public:
    ScaledStartTest(SettingsStore& store, qreal ownRatio) : store_(store), ownRatio_(ownRatio) {}

private slots:
    // The app keeps a game left under way in the data folder: the tests' own, never the user's.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void titleOpensAtTheStoredScale() {
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
        const auto own =
            std::ranges::find(kWindowSizes, QStringLiteral("Form1"),
                              [](const WindowSize& w) { return QString::fromLatin1(w.name); });
        QCOMPARE(title->size(), own->size * 1.5);
        QCOMPARE(title->devicePixelRatioF(), ownRatio_);
        QCOMPARE(title->grab().size(), title->size() * ownRatio_);

        const auto* picture = title->findChild<QLabel*>(QStringLiteral("Image1"));
        QCOMPARE(picture->size(), QSize(340, 300) * 1.5);
        const QPixmap pixmap = picture->pixmap();
        QCOMPARE(pixmap.devicePixelRatio(), ownRatio_);
        QCOMPARE(pixmap.size(), picture->size() * ownRatio_);
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
