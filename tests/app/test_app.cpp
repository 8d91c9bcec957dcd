#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "app/app.h"
#include "match/model/game_record.h"
#include "match/model/stored_options.h"
#include "match/windows/battle_window.h"
#include "shell/settings/display_scale.h"
#include "shell/settings/language.h"
#include "shell/settings/settings_keys.h"
#include "shell/windows/live_scale.h"
#include "tests/match/battle_driver.h"
#include "tests/support/modal.h"
#include "tests/support/pointer.h"
#include "tests/support/screenshot.h"
#include "tests/support/temp_settings.h"

using namespace morvane;

namespace {

QList<QWidget*> VisibleTitleWindows() {
    QList<QWidget*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QStringLiteral("Form1") && widget->isVisible()) {
            found.append(widget);
        }
    }
    return found;
}

QWidget* VisibleTopLevel(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

void ClickMenuItem(QWidget* title, int item) {
    QTest::mouseClick(title->findChild<QWidget*>(QStringLiteral("Menu_%1").arg(item)),
                      Qt::LeftButton);
}

void DeleteClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

bool ShowsNothingHovered(QWidget* title) {
    return !title->findChild<QWidget*>(QStringLiteral("Cur"))->isVisible() &&
           title->findChild<QLabel*>(QStringLiteral("Menu_0"))
                   ->palette()
                   .color(QPalette::WindowText) == QColor(255, 255, 255);
}

}  // namespace

class AppTest : public QObject {
    Q_OBJECT

private slots:
    // The app keeps a game left under way in the data folder: the tests' own, never the user's.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Each ShowTitle brings up a new title window that starts with nothing hovered, whatever
    // state the previous one was left in.
    void everyTitleWindowStartsReset() {
        testing::TempSettings settings;
        AppState state;
        App app(settings.store(), state);

        app.ShowTitle();
        QCOMPARE(VisibleTitleWindows().size(), 1);
        QWidget* first = VisibleTitleWindows().front();
        QVERIFY(QTest::qWaitForWindowExposed(first));
        QVERIFY(ShowsNothingHovered(first));
        testing::MovePointerOnto(first->findChild<QWidget*>(QStringLiteral("Menu_2")));
        QVERIFY(!ShowsNothingHovered(first));
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(VisibleTitleWindows().isEmpty());

        app.ShowTitle();
        QCOMPARE(VisibleTitleWindows().size(), 1);
        QWidget* second = VisibleTitleWindows().front();
        QVERIFY(ShowsNothingHovered(second));
        second->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The modal menu items open their subsystem's window over the title, which stays.
    void optionsAndAreaEditorOpenOverTheTitle_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("window");
        QTest::newRow("Option.") << 1 << "Form4";
        QTest::newRow("Original Area Edit.") << 2 << "Form7";
    }
    void optionsAndAreaEditorOpenOverTheTitle() {
        QFETCH(int, item);
        QFETCH(QString, window);
        testing::TempSettings settings;
        AppState state;
        App app(settings.store(), state);
        app.ShowTitle();
        QWidget* title = VisibleTitleWindows().front();

        bool opened = false;
        testing::WhenModalOpens(window, [&](QWidget* modal) {
            opened = modal->parentWidget() == title;
            testing::ClickChild(modal, QStringLiteral("Command2"));
        });
        ClickMenuItem(title, item);
        QVERIFY(opened);
        QCOMPARE(VisibleTitleWindows().size(), 1);
        title->close();
        DeleteClosedWindows();
    }

    // F1 opens the rules and F3 the record over the title. A right click, the Menu key or
    // Shift+F10 opens the extras menu, whose entries open the record and the keys over it.
    void aidsOpenOverTheTitle_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("window");
        QTest::newRow("F1") << "F1" << QString() << "Form9";
        QTest::newRow("F3") << "F3" << QString() << "FormRecord";
        QTest::newRow("right click, record") << "right click"
                                             << "Record"
                                             << "FormRecord";
        QTest::newRow("Menu key, keys") << "Menu"
                                        << "Keys"
                                        << "FormKeys";
        QTest::newRow("Shift+F10, record") << "Shift+F10"
                                           << "Record"
                                           << "FormRecord";
    }
    void aidsOpenOverTheTitle() {
        QFETCH(QString, way);
        QFETCH(QString, entry);
        QFETCH(QString, window);
        testing::TempSettings settings;
        AppState state;
        App app(settings.store(), state);
        app.ShowTitle();
        QWidget* title = VisibleTitleWindows().front();
        QVERIFY(QTest::qWaitForWindowExposed(title));

        QWidget* parentSeen = nullptr;
        testing::WhenModalOpens(window, [&](QWidget* modal) {
            parentSeen = modal->parentWidget();
            testing::ClickChild(modal, QStringLiteral("Command2"));
        });
        if (way == QStringLiteral("right click")) {
            // Through the window system, which turns a right click into a context menu event.
            const auto* picture = title->findChild<QWidget*>(QStringLiteral("Image1"));
            QTest::mouseClick(title->windowHandle(), Qt::RightButton, {},
                              picture->geometry().center());
        } else if (way == QStringLiteral("Shift+F10")) {
            QTest::keyClick(title, Qt::Key_F10, Qt::ShiftModifier);
        } else {
            const QMap<QString, Qt::Key> keys{
                {"F1", Qt::Key_F1}, {"F3", Qt::Key_F3}, {"Menu", Qt::Key_Menu}};
            QTest::keyClick(title, keys.value(way));
        }
        if (!entry.isEmpty()) {
            auto* menu = title->findChild<QMenu*>(QStringLiteral("ExtrasMenu"));
            QTRY_VERIFY(menu->isVisible());
            testing::SaveScreen(QStringLiteral("extras_menu_") + QTest::currentDataTag());
            auto* action = menu->findChild<QAction*>(entry);
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            QVERIFY(!menu->isVisible());
        }
        QCOMPARE(parentSeen, title);
        QCOMPARE(VisibleTitleWindows().size(), 1);
        title->close();
        DeleteClosedWindows();
    }

    // The extras menu's "表示倍率" lists the four scales with the stored one checked; choosing
    // one stores it, draws the title at it at once without a word, and checks it.
    void extrasMenuChoosesTheDisplayScale_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("chosen");
        QTest::newRow("100 to 150") << 100 << 150;
        QTest::newRow("200 to 125") << 200 << 125;
    }
    void extrasMenuChoosesTheDisplayScale() {
        QFETCH(int, stored);
        QFETCH(int, chosen);
        testing::TempSettings settings;
        settings.store().Write(settings::DisplayScale(), stored);
        AppState state;
        App app(settings.store(), state);
        app.ShowTitle();
        QWidget* title = VisibleTitleWindows().front();
        auto* scales = title->findChild<QMenu*>(QStringLiteral("DisplayScale"));
        const auto checkedEntries = [scales] {
            QStringList checked;
            for (const QAction* entry : scales->actions()) {
                if (entry->isChecked()) {
                    checked << entry->objectName();
                }
            }
            return checked;
        };
        QCOMPARE(scales->title(), QStringLiteral("表示倍率"));
        QCOMPARE(scales->actions().size(), 4);
        emit scales->aboutToShow();
        QCOMPARE(checkedEntries(), QStringList{QStringLiteral("Scale_%1").arg(stored)});

        // Until a scale is chosen the title has its own size: the stored scale is applied as the
        // program starts, which this test does not.
        const QSize own = title->size();
        const testing::MessageLog log;
        scales->findChild<QAction*>(QStringLiteral("Scale_%1").arg(chosen))->trigger();
        QCOMPARE(log.texts(), QStringList());
        QCOMPARE(ReadDisplayScale(settings.store()), chosen);
        QCOMPARE(title->size(), own * (chosen / 100.0));
        emit scales->aboutToShow();
        QCOMPARE(checkedEntries(), QStringList{QStringLiteral("Scale_%1").arg(chosen)});
        title->close();
        DeleteClosedWindows();
        ApplyDisplayScale(kDisplayScales.front());
    }

    // Choosing a language in the extras menu, or the other one with the title's language button
    // (which names it in that language), stores it, puts the interface in it and puts a fresh
    // title in that language where the old one stood; choosing the language in use changes the
    // interface in no way, but stores the choice when another copy of the game has stored
    // another language meanwhile.
    void extrasMenuChoosesTheLanguage_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("recordEntry");
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<bool>("byButton");
        QTest::newRow("to English with the button") << "ja"
                                                    << "ja"
                                                    << "en"
                                                    << "Record…" << true << true;
        QTest::newRow("back to Japanese with the button") << "en"
                                                          << "en"
                                                          << "ja"
                                                          << "成績…" << true << true;
        QTest::newRow("to English") << "ja"
                                    << "ja"
                                    << "en"
                                    << "Record…" << true << false;
        QTest::newRow("back to Japanese") << "en"
                                          << "en"
                                          << "ja"
                                          << "成績…" << true << false;
        QTest::newRow("Japanese again") << "ja"
                                        << "ja"
                                        << "ja"
                                        << "成績…" << false << false;
        QTest::newRow("Japanese shown, English stored elsewhere") << "ja"
                                                                  << "en"
                                                                  << "ja"
                                                                  << "成績…" << false << false;
        QTest::newRow("English shown, Japanese stored elsewhere") << "en"
                                                                  << "ja"
                                                                  << "en"
                                                                  << "Record…" << false << false;
    }
    void extrasMenuChoosesTheLanguage() {
        QFETCH(QString, shown);
        QFETCH(QString, stored);
        QFETCH(QString, chosen);
        QFETCH(QString, recordEntry);
        QFETCH(bool, replaced);
        QFETCH(bool, byButton);
        testing::TempSettings settings;
        settings.store().Write(settings::InterfaceLanguage(), stored);
        QVERIFY(UseLanguage(*LanguageOfCode(shown)));
        AppState state;
        App app(settings.store(), state);
        app.ShowTitle();
        QPointer<QWidget> title = VisibleTitleWindows().front();
        title->move(40, 30);
        if (byButton) {
            auto* button = title->findChild<QPushButton*>(QStringLiteral("LanguageButton"));
            QCOMPARE(button->text(), QString(chosen == "en" ? "English" : "日本語"));
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            title->findChild<QAction*>(QStringLiteral("Language_") + chosen)->trigger();
        }
        QCoreApplication::processEvents();
        DeleteClosedWindows();
        QCOMPARE(title.isNull(), replaced);
        QCOMPARE(settings.store().Read(settings::InterfaceLanguage()), chosen);
        QCOMPARE(LanguageCode(CurrentLanguage()), chosen);
        const QList<QWidget*> titles = VisibleTitleWindows();
        QCOMPARE(titles.size(), 1);
        QCOMPARE(titles.front()->pos(), QPoint(40, 30));
        QCOMPARE(titles.front()->findChild<QAction*>(QStringLiteral("Record"))->text(),
                 recordEntry);
        QCOMPARE(titles.front()->findChild<QPushButton*>(QStringLiteral("LanguageButton"))->text(),
                 QString(chosen == "en" ? "日本語" : "English"));
        testing::SaveScreenshot(titles.front(), QStringLiteral("title_") + QTest::currentDataTag());
        UseLanguage(Language::Japanese);
        titles.front()->close();
        DeleteClosedWindows();
    }

    // "Game Start." closes the title and opens the battle screen, which asks for the players
    // first, kept game or not; closing the battle screen brings a title window back. The
    // extras menu's Resume is enabled only while a game is kept.
    void gameStartRunsTheBattleScreenAndComesBack_data() {
        QTest::addColumn<bool>("kept");
        QTest::newRow("nothing kept") << false;
        QTest::newRow("a game kept") << true;
    }
    void gameStartRunsTheBattleScreenAndComesBack() {
        QFETCH(bool, kept);
        KeptGame keeping(KeptGame::DefaultPath());
        keeping.Drop();
        QString error;
        QVERIFY(!kept || keeping.Keep(SavedGame(), error));
        testing::TempSettings settings;
        AppState state;
        App app(settings.store(), state);
        app.ShowTitle();
        const auto* resume = VisibleTitleWindows().front()->findChild<QAction*>("Resume");
        QVERIFY(resume != nullptr);
        QCOMPARE(resume->isEnabled(), kept);

        testing::MessageLog messages;
        bool entryShown = false;
        testing::WhenModalOpens(QStringLiteral("Form2"), [&](QWidget* entry) {
            entryShown = true;
            testing::ClickChild(entry, QStringLiteral("Command2"));
        });
        ClickMenuItem(VisibleTitleWindows().front(), 0);
        DeleteClosedWindows();
        QVERIFY(VisibleTitleWindows().isEmpty());
        QWidget* battle = VisibleTopLevel(QStringLiteral("Form3"));
        QVERIFY(battle != nullptr);
        QTRY_VERIFY(entryShown);

        battle->close();
        DeleteClosedWindows();
        QCOMPARE(VisibleTitleWindows().size(), 1);
        QVERIFY(VisibleTopLevel(QStringLiteral("Form3")) == nullptr);
        QVERIFY(messages.texts().isEmpty());
        QCOMPARE(KeptGame(KeptGame::DefaultPath()).Exists(), kept);
        VisibleTitleWindows().front()->close();
        DeleteClosedWindows();
        keeping.Drop();
    }

    // A whole path through the real windows: two people play a few moves and save the game,
    // close the screen (which keeps the game), and the game file named on the command line opens
    // the battle screen at that game without the entry; they finish it, which counts it and
    // drops the kept game of their pairing, and Quit brings the title. A file that is no game is
    // told, and the title opens as usual.
    void savedGameOpensFromTheCommandLineAndIsFinished() {
        KeptGame(KeptGame::DefaultPath()).Drop();
        testing::TempSettings settings;
        StorePlayerKind(settings.store(), 0, PlayerKind::Mouse);
        StorePlayerKind(settings.store(), 1, PlayerKind::Mouse);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("game.morvane"));
        AppState state;
        state.options = {FirstGameFirst::Circle, LaterGamesFirst::Alternate, TerrainOption::Off};
        App app(settings.store(), state);
        const auto place = [](const QList<int>& cells) {
            for (const int cell : cells) {
                // The last unit may end the game and the screen with it.
                QPointer<BattleWindow> battle =
                    qobject_cast<BattleWindow*>(VisibleTopLevel("Form3"));
                QVERIFY(battle != nullptr);
                QTRY_COMPARE_WITH_TIMEOUT(battle->battle().State(), BattleState::WaitMouse,
                                          testing::kWait);
                QTest::mouseClick(battle->findChild<QWidget*>(QStringLiteral("Un_%1").arg(cell)),
                                  Qt::LeftButton);
                QTRY_VERIFY_WITH_TIMEOUT(
                    battle.isNull() || battle->battle().ShownBoard()[cell] != Empty,
                    testing::kWait);
            }
        };
        const int a = CellIndex(1, kRows);
        const int b = CellIndex(2, kRows);

        app.Start(ParseCommandLine({QStringLiteral("morvane")}));
        testing::WhenModalOpens(QStringLiteral("Form2"), [](QWidget* entry) {
            testing::ClickChild(entry, QStringLiteral("Command2"));
        });
        ClickMenuItem(VisibleTitleWindows().front(), 0);
        DeleteClosedWindows();
        place({a, b, a - kColumns, b - kColumns});
        QWidget* battle = VisibleTopLevel(QStringLiteral("Form3"));
        // Saving waits for the last unit to be judged: the next turn has begun.
        QTRY_COMPARE_WITH_TIMEOUT(qobject_cast<BattleWindow*>(battle)->battle().State(),
                                  BattleState::WaitMouse, testing::kWait);
        testing::AnswerGameFileDialog(path);
        QTest::keyClick(battle, Qt::Key_S, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(path), testing::kWait);
        QCOMPARE(settings.store().Read(settings::GameFolder()), QFileInfo(path).absolutePath());
        battle->close();
        DeleteClosedWindows();
        QVERIFY(KeptGame(KeptGame::DefaultPath()).Exists());
        VisibleTitleWindows().front()->close();
        DeleteClosedWindows();

        app.Start(ParseCommandLine({QStringLiteral("morvane"), path}));
        QVERIFY(VisibleTitleWindows().isEmpty());
        // The result may open before the last placement is seen: it is answered from the start.
        bool won = false;
        testing::WhenModalOpens(
            QStringLiteral("Form5"),
            [&](QWidget* result) {
                won = result->findChild<QLabel*>(QStringLiteral("Label1_1"))->text() ==
                      QStringLiteral("○ Ｗｉｎ！！");
                testing::ClickChild(result, QStringLiteral("Option1_3"));
                testing::ClickChild(result, QStringLiteral("Command2"));
            },
            testing::kWait);
        place({a - 2 * kColumns, b - 2 * kColumns, a - 3 * kColumns});
        QTRY_COMPARE_WITH_TIMEOUT(VisibleTitleWindows().size(), 1, testing::kWait);
        QVERIFY(won);
        const Pairing people{Pairing::Sides::People};
        // Left under way, then finished from its saved copy: one game, counted by its end.
        QCOMPARE(GameRecord(settings.store()).Counts(people), RecordCounts{.wins = 1});
        QVERIFY(!KeptGame(KeptGame::DefaultPath()).Exists());
        VisibleTitleWindows().front()->close();
        DeleteClosedWindows();

        testing::MessageLog messages;
        app.Start(ParseCommandLine({QStringLiteral("morvane"), dir.filePath("none.morvane")}));
        QCOMPARE(messages.texts().size(), 1);
        QCOMPARE(VisibleTitleWindows().size(), 1);
        VisibleTitleWindows().front()->close();
        DeleteClosedWindows();
    }

    // "Extra Game" closes the title and opens the notes window; closing it opens the game
    // window, and closing that brings a title window back.
    void extraGameRunsItsWindowsAndComesBack() {
        testing::TempSettings settings;
        AppState state;
        App app(settings.store(), state);
        app.ShowTitle();

        ClickMenuItem(VisibleTitleWindows().front(), 5);
        DeleteClosedWindows();
        QVERIFY(VisibleTitleWindows().isEmpty());
        QWidget* notes = VisibleTopLevel(QStringLiteral("Formz10"));
        QVERIFY(notes != nullptr);

        notes->close();
        DeleteClosedWindows();
        QWidget* game = VisibleTopLevel(QStringLiteral("Formz11"));
        QVERIFY(game != nullptr);
        QVERIFY(VisibleTitleWindows().isEmpty());

        game->close();
        DeleteClosedWindows();
        QCOMPARE(VisibleTitleWindows().size(), 1);
        VisibleTitleWindows().front()->close();
        DeleteClosedWindows();
    }
};

QTEST_MAIN(AppTest)
#include "test_app.moc"
