#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

#include "match/model/player_entry.h"
#include "match/model/stored_options.h"
#include "match/windows/entry_window.h"
#include "match/windows/options_window.h"
#include "match/windows/result_dialog.h"
#include "shell/settings/language.h"
#include "shell/settings/settings_store.h"
#include "shell/windows/look.h"
#include "tests/support/modal.h"
#include "tests/support/screenshot.h"
#include "tests/support/temp_settings.h"

using namespace morvane;
using morvane::testing::ClickChild;
using morvane::testing::PressKeys;
using morvane::testing::TempSettings;
using morvane::testing::WhenModalOpens;

namespace {

using Pick = QPair<int, PlayerKind>;  // side, player kind
using Pictures = std::array<int, 2>;
using Keys = QList<QKeyCombination>;
using Kinds = std::array<PlayerKind, 2>;

constexpr QKeyCombination kShiftTab = Qt::ShiftModifier | Qt::Key_Tab;

// Runs the dialog and types the keys into it once it is open; a dialog the keys leave open is
// cancelled, so that the test goes on to fail.
int ExecWithKeys(QDialog& dialog, const Keys& keys, const QString& screenshot) {
    WhenModalOpens(dialog.objectName(), [keys, screenshot](QWidget* window) {
        PressKeys(keys.first(keys.size() - 1));
        testing::SaveScreenshot(window, screenshot);
        PressKeys({keys.last()});
        if (window->isVisible()) {
            static_cast<QDialog*>(window)->reject();
        }
    });
    return dialog.exec();
}

// Chooses an entry in a side's list the way a user does: opens the list and clicks the entry.
void PickEntry(QWidget* window, int side, PlayerKind kind) {
    const int position = static_cast<int>(kind);
    auto* list = window->findChild<QComboBox*>(QStringLiteral("Cb_%1").arg(side));
    QVERIFY(list != nullptr);
    list->showPopup();
    QAbstractItemView* view = list->view();
    QTRY_VERIFY(view->isVisible());
    const QRect item = view->visualRect(view->model()->index(position, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(list->currentIndex(), position);
}

QColor TextColor(QWidget* window, const QString& name) {
    auto* label = window->findChild<QLabel*>(name);
    return label != nullptr ? label->palette().color(QPalette::WindowText) : QColor();
}

}  // namespace

Q_DECLARE_METATYPE(morvane::IntSetting)

class MatchWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { look::PinApplicationLook(); }

    // In English a computer's strength has one name wherever it shows: the entry list, the
    // battle screen's name and info panel, and the record's pairings (all but the entry list
    // through PlayerKindLabel).
    void strengthNamesAgreeInEnglish_data() {
        QTest::addColumn<PlayerKind>("kind");
        QTest::addColumn<QString>("name");
        QTest::newRow("Easy") << PlayerKind::EasyComputer << "[Easy]";
        QTest::newRow("Normal") << PlayerKind::NormalComputer << "[Normal]";
        QTest::newRow("Hard") << PlayerKind::HardComputer << "[Hard]";
        QTest::newRow("ⅲ") << PlayerKind::ExpertComputer << "[ⅲ]";
        QTest::newRow("Master") << PlayerKind::MasterComputer << "[Master]";
    }
    void strengthNamesAgreeInEnglish() {
        QFETCH(PlayerKind, kind);
        QFETCH(QString, name);
        QVERIFY(UseLanguage(Language::English));
        TempSettings settings;
        AppState state;
        EntryWindow entry(state, settings.store());
        const auto* list = entry.findChild<QComboBox*>(QStringLiteral("Cb_0"));
        const QString listed = list->itemText(static_cast<int>(kind));
        const QString narrow = PlayerKindLabel(kind, false);
        const QString wide = PlayerKindLabel(kind, true);
        UseLanguage(Language::Japanese);
        QCOMPARE(listed, name);
        QCOMPARE(narrow, name);
        QCOMPARE(wide, name);
    }

    // On a first run the entry offers Mouse against [ＮＯＲＭＡＬ], which sets strength 1 and
    // the pictures, and stores both choices, before the user has done anything.
    void entryStartsWithMouseAgainstNormal() {
        TempSettings settings;
        AppState state;
        state.players = {{PlayerKind::Keyboard, PlayerKind::Keyboard}, {6, 2}};
        EntryWindow entry(state, settings.store());
        entry.show();
        QCOMPARE(entry.windowTitle(), QStringLiteral("Morvaneⅲ－Entry"));
        QCOMPARE(entry.findChild<QComboBox*>(QStringLiteral("Cb_0"))->currentText(),
                 QStringLiteral("Ｍｏｕｓｅ"));
        QCOMPARE(entry.findChild<QComboBox*>(QStringLiteral("Cb_1"))->currentText(),
                 QStringLiteral("[ＮＯＲＭＡＬ]"));
        const auto* list = entry.findChild<QComboBox*>(QStringLiteral("Cb_0"));
        QCOMPARE(list->count(), kPlayerKindCount);
        QCOMPARE(list->itemText(list->count() - 1), QStringLiteral("[ＭＡＳＴＥＲ]"));
        QCOMPARE(entry.players().kind,
                 (std::array<PlayerKind, 2>{PlayerKind::Mouse, PlayerKind::NormalComputer}));
        QCOMPARE(entry.players().picture, (std::array<int, 2>{5, 3}));
        QCOMPARE(entry.level(), ComputerLevel::Normal);
        QSettings stored(settings.fileName(), QSettings::IniFormat);
        QCOMPARE(stored.value(QStringLiteral("System/0")).toString(), QStringLiteral("0"));
        QCOMPARE(stored.value(QStringLiteral("System/1")).toString(), QStringLiteral("3"));
        QVERIFY(!entry.findChild<QLabel*>(QStringLiteral("Ig_0"))->pixmap().isNull());
        QCOMPARE(entry.findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("VS"));
        testing::SaveScreenshot(&entry, QStringLiteral("entry"));
    }

    // The one computer strength is the one chosen last; a person's entry leaves it alone.
    void computerLevelFollowsTheLastComputerChoice_data() {
        QTest::addColumn<QList<Pick>>("picks");
        QTest::addColumn<int>("level");
        QTest::addColumn<Pictures>("pictures");
        QTest::newRow("HARD, then EASY for the other side")
            << QList<Pick>{{0, PlayerKind::HardComputer}, {1, PlayerKind::EasyComputer}} << 0
            << Pictures{7, 3};
        QTest::newRow("a person after a computer keeps the level")
            << QList<Pick>{{1, PlayerKind::HardComputer}, {0, PlayerKind::Keyboard}} << 2
            << Pictures{6, 3};
        QTest::newRow("Mouse keeps the stored NORMAL")
            << QList<Pick>{{1, PlayerKind::Mouse}} << 1 << Pictures{5, 1};
        QTest::newRow("ⅲ on side ○: the eye")
            << QList<Pick>{{0, PlayerKind::ExpertComputer}} << 3 << Pictures{8, 3};
        QTest::newRow("ⅲ on side ×: the eye")
            << QList<Pick>{{1, PlayerKind::ExpertComputer}} << 3 << Pictures{5, 4};
        QTest::newRow("MASTER, the last entry: the crowned eye")
            << QList<Pick>{{0, PlayerKind::MasterComputer}} << 4 << Pictures{10, 3};
        QTest::newRow("choosing the same entry again applies it again")
            << QList<Pick>{{0, PlayerKind::HardComputer},
                           {1, PlayerKind::EasyComputer},
                           {0, PlayerKind::HardComputer}}
            << 2 << Pictures{7, 3};
    }
    void computerLevelFollowsTheLastComputerChoice() {
        QFETCH(QList<Pick>, picks);
        QFETCH(int, level);
        QFETCH(Pictures, pictures);
        TempSettings settings;
        AppState state;
        EntryWindow entry(state, settings.store());
        entry.show();
        for (const auto& [side, kind] : picks) {
            PickEntry(&entry, side, kind);
            QCOMPARE(entry.players().kind[static_cast<std::size_t>(side)], kind);
            QCOMPARE(settings.store().Read(settings::PlayerKind(side)), static_cast<int>(kind));
        }
        QCOMPARE(entry.level(), ComputerLevelFromIndex(level));
        QCOMPARE(entry.players().picture, pictures);
        testing::SaveScreenshot(&entry, QStringLiteral("entry_") + QTest::currentDataTag());
    }

    // Opening applies the stored choices, side ○ before side ×, so × decides the strength.
    void storedChoicesAreAppliedCircleFirst() {
        TempSettings settings;
        settings.store().Write(settings::PlayerKind(0), static_cast<int>(PlayerKind::HardComputer));
        settings.store().Write(settings::PlayerKind(1), static_cast<int>(PlayerKind::EasyComputer));
        AppState state;
        EntryWindow entry(state, settings.store());
        QCOMPARE(entry.players().kind,
                 (std::array<PlayerKind, 2>{PlayerKind::HardComputer, PlayerKind::EasyComputer}));
        QCOMPARE(entry.level(), ComputerLevel::Easy);
        QCOMPARE(entry.findChild<QComboBox*>(QStringLiteral("Cb_0"))->currentIndex(), 4);
    }

    // The entry works with the keys alone: it opens on side ○'s list, Tab and Shift+Tab go round
    // the two lists and O.K., Up and Down change a list's choice at once, Enter confirms.
    void entryIsUsedWithTheKeys_data() {
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<Kinds>("kinds");
        QTest::newRow("Enter at once")
            << Keys{Qt::Key_Return} << Kinds{PlayerKind::Mouse, PlayerKind::NormalComputer};
        QTest::newRow("Down on side ○'s list")
            << Keys{Qt::Key_Down, Qt::Key_Return}
            << Kinds{PlayerKind::Keyboard, PlayerKind::NormalComputer};
        QTest::newRow("Tab, then Up on side ×'s list")
            << Keys{Qt::Key_Tab, Qt::Key_Up, Qt::Key_Enter}
            << Kinds{PlayerKind::Mouse, PlayerKind::EasyComputer};
        QTest::newRow("Shift+Tab goes round by O.K. to side ×'s list")
            << Keys{kShiftTab, kShiftTab, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}
            << Kinds{PlayerKind::Mouse, PlayerKind::ExpertComputer};
        QTest::newRow("Space on O.K.")
            << Keys{Qt::Key_Down, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space}
            << Kinds{PlayerKind::Keyboard, PlayerKind::NormalComputer};
    }
    void entryIsUsedWithTheKeys() {
        QFETCH(Keys, keys);
        QFETCH(Kinds, kinds);
        TempSettings settings;
        AppState state;
        EntryWindow entry(state, settings.store());
        QCOMPARE(ExecWithKeys(entry, keys, QStringLiteral("entry_keys_") + QTest::currentDataTag()),
                 int(QDialog::Accepted));
        QCOMPARE(entry.players().kind, kinds);
        for (int side = 0; side < 2; ++side) {
            QCOMPARE(settings.store().Read(settings::PlayerKind(side)),
                     static_cast<int>(kinds[static_cast<std::size_t>(side)]));
        }
    }

    // The options work with the keys alone: Tab stops at each group's chosen button, the arrows
    // move the choice within the group as in any group of option buttons, Enter confirms.
    void optionsAreChosenWithTheKeys_data() {
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<MatchOptions>("options");
        using F = FirstGameFirst;
        using L = LaterGamesFirst;
        using T = TerrainOption;
        QTest::newRow("Enter at once")
            << Keys{Qt::Key_Return} << MatchOptions{F::Random, L::Alternate, T::Off};
        QTest::newRow("Down in 初戦")
            << Keys{Qt::Key_Down, Qt::Key_Return} << MatchOptions{F::Circle, L::Alternate, T::Off};
        QTest::newRow("Right stays in the group")
            << Keys{Qt::Key_Right, Qt::Key_Return} << MatchOptions{F::Random, L::Alternate, T::Off};
        QTest::newRow("Tab to the choice of 二戦目以降, Up")
            << Keys{Qt::Key_Tab, Qt::Key_Up, Qt::Key_Return}
            << MatchOptions{F::Random, L::Random, T::Off};
        QTest::newRow("Tab, Tab to the choice of 地形選択, Up")
            << Keys{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Up, Qt::Key_Enter}
            << MatchOptions{F::Random, L::Alternate, T::On};
        QTest::newRow("Shift+Tab goes round by O.K. to 地形選択")
            << Keys{kShiftTab, kShiftTab, Qt::Key_Up, Qt::Key_Return}
            << MatchOptions{F::Random, L::Alternate, T::On};
        QTest::newRow("Space on O.K.")
            << Keys{Qt::Key_Down, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space}
            << MatchOptions{F::Circle, L::Alternate, T::Off};
    }
    void optionsAreChosenWithTheKeys() {
        QFETCH(Keys, keys);
        QFETCH(MatchOptions, options);
        TempSettings settings;
        AppState state;
        state.options = {FirstGameFirst::Random, LaterGamesFirst::Alternate, TerrainOption::Off};
        OptionsWindow window(state, settings.store());
        QCOMPARE(
            ExecWithKeys(window, keys, QStringLiteral("options_keys_") + QTest::currentDataTag()),
            int(QDialog::Accepted));
        QCOMPARE(state.options.firstGameFirst, options.firstGameFirst);
        QCOMPARE(state.options.laterGamesFirst, options.laterGamesFirst);
        QCOMPARE(state.options.terrainSelect, options.terrainSelect);
        QCOMPARE(settings.store().Read(settings::TerrainSelect()),
                 static_cast<int>(options.terrainSelect));
    }

    // The options window shows the current options and stores nothing for it.
    void optionsWindowShowsTheOptionsAndStoresNothing() {
        TempSettings settings;
        AppState state;
        state.options = {FirstGameFirst::Cross, LaterGamesFirst::Random, TerrainOption::On};
        OptionsWindow options(state, settings.store());
        options.show();
        QCOMPARE(options.windowTitle(), QStringLiteral("Morvaneⅲ－Option"));
        QVERIFY(options.findChild<QRadioButton*>(QStringLiteral("Option1_2"))->isChecked());
        QVERIFY(options.findChild<QRadioButton*>(QStringLiteral("Option2_0"))->isChecked());
        QVERIFY(options.findChild<QRadioButton*>(QStringLiteral("Option3_0"))->isChecked());
        QVERIFY(!QFile::exists(settings.fileName()));
        testing::SaveScreenshot(&options, QStringLiteral("options"));
    }

    // With two copies of the game on one store, opening and closing the options in one keeps
    // what the other stored meanwhile.
    void optionsOpenedUntouchedKeepAnotherCopysOptions_data() {
        QTest::addColumn<IntSetting>("setting");
        QTest::addColumn<int>("stored");
        QTest::newRow("first game") << settings::FirstGameFirst() << 2;
        QTest::newRow("later games") << settings::LaterGamesFirst() << 0;
        QTest::newRow("terrain") << settings::TerrainSelect() << 0;
    }
    void optionsOpenedUntouchedKeepAnotherCopysOptions() {
        QFETCH(IntSetting, setting);
        QFETCH(int, stored);
        TempSettings settings;
        AppState state;
        state.options = LoadMatchOptions(settings.store());
        SettingsStore otherCopy(settings.fileName());
        QVERIFY(otherCopy.Write(setting, stored));
        OptionsWindow options(state, settings.store());
        WhenModalOpens(QStringLiteral("Form4"),
                       [](QWidget* window) { ClickChild(window, QStringLiteral("Command2")); });
        options.exec();
        QCOMPARE(settings.store().Read(setting), stored);
    }

    // Every option button writes its value to the store and to the program's options at once.
    void optionButtonsWriteAtOnce_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("value");
        for (int value = 0; value <= 2; ++value) {
            QTest::addRow("Option1_%d", value)
                << QStringLiteral("Option1_%1").arg(value) << 1 << value;
            QTest::addRow("Option2_%d", value)
                << QStringLiteral("Option2_%1").arg(value) << 2 << value;
        }
        QTest::newRow("Option3_0") << QStringLiteral("Option3_0") << 3 << 0;
        QTest::newRow("Option3_1") << QStringLiteral("Option3_1") << 3 << 1;
    }
    void optionButtonsWriteAtOnce() {
        QFETCH(QString, button);
        QFETCH(int, group);
        QFETCH(int, value);
        TempSettings settings;
        AppState state;
        // Start every group away from the value clicked.
        const int away = value == 1 ? 2 : 1;
        state.options = {static_cast<FirstGameFirst>(away), static_cast<LaterGamesFirst>(away),
                         value == 1 ? TerrainOption::On : TerrainOption::Off};
        OptionsWindow options(state, settings.store());
        WhenModalOpens(QStringLiteral("Form4"), [button](QWidget* window) {
            ClickChild(window, button);
            ClickChild(window, QStringLiteral("Command2"));
        });
        options.exec();
        const IntSetting setting = group == 1   ? settings::FirstGameFirst()
                                   : group == 2 ? settings::LaterGamesFirst()
                                                : settings::TerrainSelect();
        const int option = group == 1   ? static_cast<int>(state.options.firstGameFirst)
                           : group == 2 ? static_cast<int>(state.options.laterGamesFirst)
                                        : static_cast<int>(state.options.terrainSelect);
        QCOMPARE(settings.store().Read(setting), value);
        QCOMPARE(option, value);
    }

    // The dialog's choice starts as the next battle and follows the options; every way of
    // closing it keeps the current choice.
    void resultChoiceSurvivesEveryClosePath_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("close");
        QTest::addColumn<ResultChoice>("choice");
        QTest::newRow("O.K. at once") << QStringList{} << "ok" << ResultChoice::NextBattle;
        QTest::newRow("re-entry, O.K.")
            << QStringList{"Option1_2"} << "ok" << ResultChoice::ReEntry;
        QTest::newRow("quit, close box")
            << QStringList{"Option1_3"} << "frame" << ResultChoice::Quit;
        QTest::newRow("close box at once") << QStringList{} << "frame" << ResultChoice::NextBattle;
        QTest::newRow("quit, then next battle, O.K.")
            << QStringList{"Option1_3", "Option1_1"} << "ok" << ResultChoice::NextBattle;
        QTest::newRow("re-entry, Escape")
            << QStringList{"Option1_2"} << "escape" << ResultChoice::ReEntry;
    }
    void resultChoiceSurvivesEveryClosePath() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, close);
        QFETCH(ResultChoice, choice);
        ResultDialog dialog({QStringLiteral("○ Ｗｉｎ！！"), kGreen});
        WhenModalOpens(QStringLiteral("Form5"), [clicks, close](QWidget* window) {
            for (const QString& option : clicks) {
                ClickChild(window, option);
            }
            if (close == QLatin1String("ok")) {
                ClickChild(window, QStringLiteral("Command2"));
            } else if (close == QLatin1String("frame")) {
                window->close();
            } else {
                QTest::keyClick(window, Qt::Key_Escape);
            }
        });
        dialog.exec();
        QCOMPARE(dialog.Choice(), choice);
    }

    // The result dialog works with the keys alone: it opens on the chosen option, the arrows
    // move the choice, Enter (or Space on O.K.) confirms it.
    void resultIsChosenWithTheKeys_data() {
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<ResultChoice>("choice");
        QTest::newRow("Enter at once") << Keys{Qt::Key_Return} << ResultChoice::NextBattle;
        QTest::newRow("Down") << Keys{Qt::Key_Down, Qt::Key_Return} << ResultChoice::ReEntry;
        QTest::newRow("Down, Down")
            << Keys{Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter} << ResultChoice::Quit;
        QTest::newRow("Down, Up") << Keys{Qt::Key_Down, Qt::Key_Up, Qt::Key_Return}
                                  << ResultChoice::NextBattle;
        QTest::newRow("Down, Tab to O.K., Space")
            << Keys{Qt::Key_Down, Qt::Key_Tab, Qt::Key_Space} << ResultChoice::ReEntry;
    }
    void resultIsChosenWithTheKeys() {
        QFETCH(Keys, keys);
        QFETCH(ResultChoice, choice);
        ResultDialog dialog({QStringLiteral("× Ｗｉｎ！！"), kYellow});
        QCOMPARE(
            ExecWithKeys(dialog, keys, QStringLiteral("result_keys_") + QTest::currentDataTag()),
            int(QDialog::Accepted));
        QCOMPARE(dialog.Choice(), choice);
    }

    // The message shows in the result's colour over a black shadow set lower and to the left.
    void resultMessageShowsInItsColour_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Rgb>("color");
        QTest::newRow("○ wins") << QStringLiteral("○ Ｗｉｎ！！") << kGreen;
        QTest::newRow("× wins") << QStringLiteral("× Ｗｉｎ！！") << kYellow;
        QTest::newRow("draw") << QStringLiteral("Ｄｒｏｗ．．．") << kWhite;
        QTest::newRow("no battle") << QStringLiteral("戦闘不能") << kCyan;
    }
    void resultMessageShowsInItsColour() {
        QFETCH(QString, text);
        QFETCH(Rgb, color);
        ResultDialog dialog({text, color});
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Morvaneⅲ－Result"));
        auto* shadow = dialog.findChild<QLabel*>(QStringLiteral("Label1_0"));
        auto* message = dialog.findChild<QLabel*>(QStringLiteral("Label1_1"));
        QCOMPARE(shadow->text(), text);
        QCOMPARE(message->text(), text);
        QCOMPARE(TextColor(&dialog, QStringLiteral("Label1_1")),
                 QColor(color.red, color.green, color.blue));
        QCOMPARE(TextColor(&dialog, QStringLiteral("Label1_0")), QColor(Qt::black));
        QVERIFY(shadow->x() < message->x());
        QVERIFY(shadow->y() > message->y());
        QVERIFY(dialog.findChild<QRadioButton*>(QStringLiteral("Option1_1"))->isChecked());
        testing::SaveScreenshot(&dialog, QStringLiteral("result_") + QTest::currentDataTag());
    }

    // Choices that cannot be stored are told once per action: the entry window's writes of its
    // opening (the options window writes nothing then), and each choice after it; the choice
    // still applies to the program.
    void unstorableChoicesAreToldOncePerAction_data() {
        QTest::addColumn<bool>("entry");
        QTest::addColumn<int>("toldAtOpening");
        QTest::newRow("entry") << true << 1;
        QTest::newRow("options") << false << 0;
    }
    void unstorableChoicesAreToldOncePerAction() {
        QFETCH(bool, entry);
        QFETCH(int, toldAtOpening);
        testing::BlockedSettings blocked;
        AppState state;
        const testing::MessageLog messages;
        std::unique_ptr<QDialog> window;
        if (entry) {
            window = std::make_unique<EntryWindow>(state, blocked.store());
        } else {
            window = std::make_unique<OptionsWindow>(state, blocked.store());
        }
        window->show();
        QTRY_COMPARE(messages.texts().size(), toldAtOpening);
        if (entry) {
            PickEntry(window.get(), 1, PlayerKind::HardComputer);
            QCOMPARE(static_cast<EntryWindow*>(window.get())->level(), ComputerLevel::Hard);
        } else {
            ClickChild(window.get(), QStringLiteral("Option1_2"));
            QCOMPARE(state.options.firstGameFirst, FirstGameFirst::Cross);
        }
        QCOMPARE(messages.texts().size(), toldAtOpening + 1);
    }
};

QTEST_MAIN(MatchWindowsTest)
#include "test_match_windows.moc"
