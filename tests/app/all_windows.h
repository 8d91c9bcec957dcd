#pragma once

#include <QLabel>
#include <QList>
#include <QString>
#include <QTcpSocket>
#include <QTest>
#include <QWidget>
#include <chrono>
#include <functional>
#include <memory>

#include "app/extras_menu.h"
#include "app/title_window.h"
#include "extra/windows/ex_game_window.h"
#include "extra/windows/ex_help_window.h"
#include "extra/windows/ex_notes_window.h"
#include "extra/windows/ex_terrain_settings_window.h"
#include "match/windows/battle_window.h"
#include "match/windows/entry_window.h"
#include "match/windows/options_window.h"
#include "match/windows/record_window.h"
#include "match/windows/result_dialog.h"
#include "match/windows/review_window.h"
#include "net/socket/net_link.h"
#include "net/windows/host_window.h"
#include "net/windows/join_window.h"
#include "shell/settings/display_scale.h"
#include "shell/windows/about_window.h"
#include "shell/windows/contact_window.h"
#include "shell/windows/keys_window.h"
#include "shell/windows/message_dialog.h"
#include "shell/windows/message_dialog_window.h"
#include "shell/windows/rules_window.h"
#include "shell/windows/system_info.h"
#include "terrain/windows/area_editor_window.h"
#include "terrain/windows/area_select_window.h"
#include "tests/support/temp_settings.h"

namespace morvane::testing {

// Every window of the program, made over an owner standing in for the window that opens it (the
// main windows, the title, the battle screen and the extra game's, have none).
struct Windows {
    TempSettings settings;
    AppState state;
    int stoneDraws = 8;
    int boxDraws = 8;
    QWidget owner;

    using Maker = std::function<std::unique_ptr<QWidget>(Windows&)>;

    static const QList<std::pair<QString, Maker>>& All() {
        static const QList<std::pair<QString, Maker>> all = {
            {QStringLiteral("Form1"),
             [](Windows&) { return std::make_unique<TitleWindow>(TitleActions{}); }},
            {QStringLiteral("ExtrasMenu"),
             [](Windows& w) {
                 // With every submenu: the scales and the languages.
                 ExtrasActions actions;
                 actions.currentScale = [] { return kDisplayScales.front(); };
                 actions.chooseScale = [](int) {};
                 actions.currentLanguage = [] { return CurrentLanguage(); };
                 actions.chooseLanguage = [](Language) {};
                 return std::make_unique<ExtrasMenu>(actions, &w.owner);
             }},
            {QStringLiteral("FormMsg"),
             [](Windows& w) {
                 // A notice, in the interface's language.
                 return std::make_unique<MessageDialog>(
                     &w.owner, SysInfoMissingNotice(),
                     std::array<QString, 3>{QString(), QString(), ConfirmCaption()});
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
            {QStringLiteral("Form3"),
             [](Windows& w) {
                 // Its tick would open the player entry: here it never comes.
                 return std::make_unique<BattleWindow>(w.state, w.settings.store(),
                                                       BattleWindow::AreaSelectFunction{},
                                                       BattleSeams{std::chrono::hours(1)});
             }},
            {QStringLiteral("Form3Network"),
             [](Windows& w) {
                 // In a network match, with its chat: a guest's link whose host has not answered
                 // yet (its socket never connects), waiting for the first game.
                 auto window = std::make_unique<BattleWindow>(w.state, w.settings.store(),
                                                              BattleWindow::AreaSelectFunction{},
                                                              BattleSeams{std::chrono::hours(1)});
                 window->StartNetwork(new NetLink(new QTcpSocket, Peer::Guest,
                                                  QStringLiteral("K7P2QX"), QStringLiteral("Ren"),
                                                  QStringLiteral("4.92"), window.get()));
                 return window;
             }},
            {QStringLiteral("Form4"),
             [](Windows& w) {
                 return std::make_unique<OptionsWindow>(w.state, w.settings.store(), &w.owner);
             }},
            {QStringLiteral("Form5"),
             [](Windows& w) { return std::make_unique<ResultDialog>(WinResult(0), &w.owner); }},
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
            {QStringLiteral("FormReview"),
             [](Windows& w) {
                 // A game on a board with no free cell, reviewed at once: its texts are the same
                 // on every machine. The window's size does not depend on the game.
                 SavedGame game;
                 game.layout.cells.fill(Block);
                 auto review = std::make_unique<ReviewWindow>(game, &w.owner);
                 // Laid out with its looks while it waits, as it would be shown at once.
                 review->ensurePolished();
                 const auto* progress = review->findChild<QLabel*>(QStringLiteral("Progress"));
                 if (!QTest::qWaitFor(
                         [progress] { return progress->text() == ReviewWindow::tr("解析完了"); })) {
                     qFatal("The review of a board with no free cell did not finish");
                 }
                 return review;
             }},
            {QStringLiteral("NetHost"),
             [](Windows& w) {
                 // Not listening, on one address and with one code: the same texts everywhere.
                 return std::make_unique<HostWindow>(
                     HostRequest{QHostAddress::LocalHost, kDefaultNetPort, "K7P2QX", false, {}},
                     w.settings.store(), &w.owner);
             }},
            {QStringLiteral("NetJoin"),
             [](Windows& w) {
                 return std::make_unique<JoinWindow>(JoinRequest{}, w.settings.store(), &w.owner);
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

// One row for each window, named by the window's objectName.
inline void AddWindowRows() {
    QTest::addColumn<QString>("name");
    for (const auto& entry : Windows::All()) {
        QTest::newRow(qPrintable(entry.first)) << entry.first;
    }
}

}  // namespace morvane::testing
