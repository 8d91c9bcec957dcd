#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <algorithm>
#include <map>
#include <memory>

#include "shell/settings/display_scale.h"
#include "shell/settings/window_sizes.h"
#include "shell/windows/choice_menus.h"
#include "shell/windows/live_scale.h"
#include "shell/windows/message_dialog_window.h"
#include "tests/app/all_windows.h"
#include "tests/support/screenshot.h"

using namespace morvane;
using morvane::testing::AddWindowRows;
using morvane::testing::Windows;

namespace {

const QString kYes = QStringLiteral("Ｙｅｓ");
const QString kNo = QStringLiteral("Ｎｏ");
const QColor kCaptionYellow(255, 255, 0);
const QColor kCaptionGreen(0, 255, 0);

// What a desktop theme does to an application: a large font of another family, for the
// application and for each kind of control.
class DesktopFont {
public:
    DesktopFont() : saved_(QApplication::font()) {
        const QFont large(QStringLiteral("DejaVu Serif"), 20);
        QApplication::setFont(large);
        for (const char* kind : {"QPushButton", "QLabel", "QRadioButton", "QComboBox", "QGroupBox",
                                 "QTabBar", "QLineEdit", "QPlainTextEdit", "QToolButton"}) {
            QApplication::setFont(large, kind);
        }
    }
    ~DesktopFont() { QApplication::setFont(saved_); }
    DesktopFont(const DesktopFont&) = delete;
    DesktopFont& operator=(const DesktopFont&) = delete;

private:
    QFont saved_;
};

// The window's size and the place of every control in it, once shown.
QList<QRect> ShownGeometry(const QString& name) {
    Windows windows;
    const std::unique_ptr<QWidget> window = windows.Make(name);
    window->show();
    QList<QRect> geometry{QRect(QPoint(), window->size())};
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        geometry.append(control->geometry());
    }
    return geometry;
}

// Every listed window's size as it shows at the display scale, in the order of the list.
// Measured once a scale.
const QList<std::pair<QString, QSize>>& ShownSizes(int percent) {
    static std::map<int, QList<std::pair<QString, QSize>>> measured;
    auto [sizes, fresh] = measured.try_emplace(percent);
    if (fresh) {
        ApplyDisplayScale(percent);
        for (const WindowSize& listed : kWindowSizes) {
            const QString name = QString::fromLatin1(listed.name);
            Windows windows;
            const std::unique_ptr<QWidget> window = windows.Make(name);
            window->show();
            sizes->second.append({name, window->size()});
        }
        ApplyDisplayScale(kDisplayScales.front());
    }
    return sizes->second;
}

int CountPixels(const QImage& image, const QRect& area, const QColor& colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

}  // namespace

class WindowLooksTest : public QObject {
    Q_OBJECT

private slots:
    // A desktop font setting changes neither a window's size nor the place of any of its
    // controls: every window draws in the game's own fonts.
    void desktopFontChangesNoWindow_data() { AddWindowRows(); }
    void desktopFontChangesNoWindow() {
        QFETCH(QString, name);
        const QList<QRect> designed = ShownGeometry(name);
        const DesktopFont desktop;
        QCOMPARE(ShownGeometry(name), designed);
    }

    // Every window opens wholly on the screen, also when its owner stands in a corner of it.
    void everyWindowOpensOnTheScreen_data() { AddWindowRows(); }
    void everyWindowOpensOnTheScreen() {
        QFETCH(QString, name);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        Windows windows;
        windows.owner.setGeometry(QRect(screen.bottomRight() - QPoint(200, 150), QSize(400, 300)));
        windows.owner.show();
        const std::unique_ptr<QWidget> window = windows.Make(name);
        window->show();
        testing::SaveScreenshot(window.get(), QStringLiteral("window_") + name);
        QVERIFY2(screen.contains(window->frameGeometry()),
                 qPrintable(QStringLiteral("%1 at %2,%3 %4x%5")
                                .arg(name)
                                .arg(window->x())
                                .arg(window->y())
                                .arg(window->width())
                                .arg(window->height())));
    }

    // Every window opens at the size that the display scale's fit reckons with; a page that
    // scrolls has that size, whatever part of it the small screen shows.
    void everyWindowOpensAtItsListedSize_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        for (const WindowSize& window : kWindowSizes) {
            QTest::newRow(window.name) << QString::fromLatin1(window.name) << window.size;
        }
    }
    void everyWindowOpensAtItsListedSize() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        Windows windows;
        const std::unique_ptr<QWidget> window = windows.Make(name);
        window->show();
        const auto* page = window->findChild<QScrollArea*>(QStringLiteral("Page"));
        QCOMPARE(page != nullptr ? page->widget()->size() : window->size(), size);
    }

    // At every display scale on the screens players have, every window the player can open,
    // shown at that scale, fits the screen's free area with its frame (or scrolls) where the
    // scale is offered, and some window runs off where it is greyed: a scale is greyed exactly
    // when a window would not fit.
    void scalesAreGreyedOnlyWhenAWindowRunsOff_data() {
        QTest::addColumn<QSize>("room");
        QTest::addColumn<int>("percent");
        QTest::addColumn<bool>("offered");
        for (const QSize room : {QSize(1024, 768), QSize(1280, 1024), QSize(1920, 1080)}) {
            for (const int percent : kDisplayScales) {
                const bool offered = percent < 200 || room.height() > 1024;
                QTest::addRow("%dx%d at %d", room.width(), room.height(), percent)
                    << room << percent << offered;
            }
        }
    }
    void scalesAreGreyedOnlyWhenAWindowRunsOff() {
        QFETCH(QSize, room);
        QFETCH(int, percent);
        QFETCH(bool, offered);
        QStringList runOff;
        for (const auto& [name, size] : ShownSizes(percent)) {
            const auto listed = std::ranges::find(kWindowSizes, name, [](const WindowSize& w) {
                return QString::fromLatin1(w.name);
            });
            const QSize framed = size + kWindowFrame;
            if (!listed->scrolls &&
                (framed.width() > room.width() || framed.height() > room.height())) {
                runOff << name;
            }
        }
        QVERIFY2(runOff.isEmpty() == offered, qPrintable(runOff.join(QStringLiteral(", "))));
        QCOMPARE(ScaleFits(percent, room), offered);
    }

    // On the small screen only the windows' own size is offered: the larger scales are greyed,
    // and their tip says why.
    void scalesTooLargeForTheScreenAreGreyed() {
        Windows windows;
        const std::unique_ptr<QWidget> extras = windows.Make(QStringLiteral("ExtrasMenu"));
        auto* scales = extras->findChild<QMenu*>(QStringLiteral("DisplayScale"));
        emit scales->aboutToShow();
        const QList<QAction*> entries = scales->actions();
        QCOMPARE(entries.size(), qsizetype(kDisplayScales.size()));
        for (std::size_t k = 0; k < kDisplayScales.size(); ++k) {
            const QAction* entry = entries[qsizetype(k)];
            const bool offered = kDisplayScales[k] == 100;
            QCOMPARE(entry->isEnabled(), offered);
            QCOMPARE(entry->toolTip() == ScaleTooLargeTip(), !offered);
        }
    }

    // The message dialog's captions keep their colours, yellow and the highlighted one green,
    // whatever window opens it, also one whose style sheet colours all its text.
    void messageCaptionsKeepTheirColours_data() {
        QTest::addColumn<QString>("owner");
        QTest::newRow("title") << QStringLiteral("Form1");
        QTest::newRow("area select") << QStringLiteral("Form6");
        QTest::newRow("the extra game's notes") << QStringLiteral("Formz10");
        QTest::newRow("the extra game") << QStringLiteral("Formz11");
        QTest::newRow("a window that colours all its text") << QString();
    }
    void messageCaptionsKeepTheirColours() {
        QFETCH(QString, owner);
        Windows windows;
        std::unique_ptr<QWidget> opener =
            owner.isEmpty() ? std::make_unique<QWidget>() : windows.Make(owner);
        if (owner.isEmpty()) {
            opener->setStyleSheet(QStringLiteral("* { color: rgb(240, 226, 196); }"));
        }
        opener->show();
        MessageDialog dialog(opener.get(), QStringLiteral("よろしいですか？"),
                             {kYes, kNo, QString()});
        dialog.show();
        testing::SaveScreenshot(&dialog, QStringLiteral("message_over_") + QTest::currentDataTag());
        const QImage image = dialog.grab().toImage();
        // Inside the captions' left and right edges, where the highlight frame's lines run.
        const QMargins frameLines(3, 0, 3, 0);
        const QRect yes =
            dialog.findChild<QLabel*>(QStringLiteral("選択_0"))->geometry() - frameLines;
        const QRect no =
            dialog.findChild<QLabel*>(QStringLiteral("選択_1"))->geometry() - frameLines;
        QVERIFY(CountPixels(image, yes, kCaptionYellow) > 0);
        QCOMPARE(CountPixels(image, yes, kCaptionGreen), 0);
        QVERIFY(CountPixels(image, no, kCaptionGreen) > 0);
        QCOMPARE(CountPixels(image, no, kCaptionYellow), 0);
    }
};

QTEST_MAIN(WindowLooksTest)
#include "test_window_looks.moc"
