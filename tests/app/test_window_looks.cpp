#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <functional>
#include <memory>

#include "app/title_window.h"
#include "extra/windows/ex_game_window.h"
#include "extra/windows/ex_help_window.h"
#include "extra/windows/ex_notes_window.h"
#include "extra/windows/ex_terrain_settings_window.h"
#include "match/windows/entry_window.h"
#include "match/windows/options_window.h"
#include "match/windows/record_window.h"
#include "match/windows/result_dialog.h"
#include "shell/windows/about_window.h"
#include "shell/windows/contact_window.h"
#include "shell/windows/keys_window.h"
#include "shell/windows/message_dialog_window.h"
#include "shell/windows/rules_window.h"
#include "shell/windows/system_info.h"
#include "terrain/windows/area_editor_window.h"
#include "terrain/windows/area_select_window.h"
#include "tests/support/screenshot.h"
#include "tests/support/temp_settings.h"

using namespace morvane;

namespace {

const QString kYes = QStringLiteral("Ｙｅｓ");
const QString kNo = QStringLiteral("Ｎｏ");
const QColor kCaptionYellow(255, 255, 0);
const QColor kCaptionGreen(0, 255, 0);

// Every window of the program, made over an owner standing in for the window that opens it (the
// main windows, the title and the extra game's, have none).
struct Windows {
    testing::TempSettings settings;
    AppState state;
    int stoneDraws = 8;
    int boxDraws = 8;
    QWidget owner;

    using Maker = std::function<std::unique_ptr<QWidget>(Windows&)>;

    static const QList<std::pair<QString, Maker>>& All() {
        static const QList<std::pair<QString, Maker>> all = {
            {QStringLiteral("Form1"),
             [](Windows&) { return std::make_unique<TitleWindow>(TitleActions{}); }},
            {QStringLiteral("FormMsg"),
             [](Windows& w) {
                 return std::make_unique<MessageDialog>(
                     &w.owner, QStringLiteral("よろしいですか？"),
                     std::array<QString, 3>{kYes, kNo, QString()});
             }},
            {QStringLiteral("frmAbout"),
             [](Windows& w) {
                 return std::make_unique<AboutWindow>(&w.owner, NativeSystemInfo());
             }},
            {QStringLiteral("Form8"),
             [](Windows& w) { return std::make_unique<ContactWindow>(&w.owner); }},
            {QStringLiteral("Form9"),
             [](Windows& w) { return std::make_unique<RulesWindow>(&w.owner); }},
            {QStringLiteral("FormKeys"),
             [](Windows& w) { return std::make_unique<KeysWindow>(&w.owner); }},
            {QStringLiteral("FormRecord"),
             [](Windows& w) {
                 return std::make_unique<RecordWindow>(w.settings.store(), &w.owner);
             }},
            {QStringLiteral("Form2"),
             [](Windows& w) {
                 return std::make_unique<EntryWindow>(w.state, w.settings.store(), &w.owner);
             }},
            {QStringLiteral("Form4"),
             [](Windows& w) {
                 return std::make_unique<OptionsWindow>(w.state, w.settings.store(), &w.owner);
             }},
            {QStringLiteral("Form5"),
             [](Windows& w) {
                 return std::make_unique<ResultDialog>(
                     GameResult{QStringLiteral("○ Ｗｉｎ！！"), kGreen}, &w.owner);
             }},
            {QStringLiteral("Form6"),
             [](Windows& w) {
                 return std::make_unique<AreaSelectWindow>(w.state.board, w.settings.store(),
                                                           &w.owner);
             }},
            {QStringLiteral("Form7"),
             [](Windows& w) {
                 return std::make_unique<AreaEditorWindow>(w.state.board, w.settings.store(),
                                                           &w.owner);
             }},
            {QStringLiteral("Formz10"), [](Windows&) { return std::make_unique<ExNotesWindow>(); }},
            {QStringLiteral("Formz11"), [](Windows&) { return std::make_unique<ExGameWindow>(); }},
            {QStringLiteral("Formz12"),
             [](Windows& w) {
                 return std::make_unique<ExTerrainSettingsWindow>(w.stoneDraws, w.boxDraws,
                                                                  &w.owner);
             }},
            {QStringLiteral("Formz13"),
             [](Windows& w) { return std::make_unique<ExHelpWindow>(&w.owner); }},
        };
        return all;
    }

    std::unique_ptr<QWidget> Make(const QString& name) {
        for (const auto& [windowName, maker] : All()) {
            if (windowName == name) {
                return maker(*this);
            }
        }
        return nullptr;
    }
};

void AddWindowRows() {
    QTest::addColumn<QString>("name");
    for (const auto& entry : Windows::All()) {
        QTest::newRow(qPrintable(entry.first)) << entry.first;
    }
}

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
