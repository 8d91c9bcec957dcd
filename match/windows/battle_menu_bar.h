#pragma once

#include <QMenuBar>
#include <functional>

#include "shell/settings/language.h"
#include "shell/settings/look_setting.h"
#include "shell/settings/view_toggles.h"

class QAction;

namespace morvane {

class Battle;

// What the battle screen's menu entries do.
// The entry that opens the review of the game just played, in the game menu and beside the
// result dialog.
QString ReviewThisGameText();
QString SaveThisGameText();

struct BattleMenuActions {
    std::function<void()> newGame;
    std::function<void()> save;
    std::function<void()> open;
    std::function<void()> resume;
    std::function<void()> review;      // the game under way or just ended
    std::function<void()> reviewFile;  // a game file the player picks
    // The game that ended last, while the next one is played.
    std::function<void()> saveFinished;
    std::function<void()> reviewFinished;
    // The player entry again, as the result dialog's Re Entry.
    std::function<void()> changePlayers;
    // Network games; empty: the menu has no entry for them.
    std::function<void()> hostGame;
    std::function<void()> joinGame;
    std::function<void()> undo;
    std::function<void()> redo;
    std::function<void()> hint;
    std::function<void()> close;
    std::function<int()> currentScale;
    std::function<void(int percent)> chooseScale;
    std::function<Language()> currentLanguage;
    std::function<void(Language language)> chooseLanguage;
    std::function<Look()> currentLook;
    std::function<void(Look look)> chooseLook;
    std::function<bool(ViewToggle toggle)> viewToggleOn;
    std::function<void(ViewToggle toggle, bool on)> setViewToggle;
    std::function<void()> toggleFullScreen;
    std::function<void()> rules;
    std::function<void()> keys;
    std::function<void()> record;
    std::function<void()> about;
};

// The battle screen's menus: the game (new game, save, open, resume, review, the game that ended
// last, change players, network games, undo, redo, hint, close), the view (display scale, sound,
// legal-cell marks, motion, full screen, language, look) and help (rules, keys, record,
// information), each entry with its mnemonic and its desktop shortcut. An entry is enabled only
// while it can act.
class BattleMenuBar : public QMenuBar {
    Q_OBJECT

public:
    BattleMenuBar(const BattleMenuActions& actions, QWidget* parent);

    // Enables the game's entries as the battle stands; resuming needs a kept game. The full
    // screen entry is checked while the screen fills the display.
    void Follow(const Battle& battle, bool gameKept, bool fullScreen);

    // Chooses the enabled entry these keys are a shortcut of, if any: the window passes on the
    // keys that reach it, since a shortcut only works by itself in the active window.
    bool TriggerShortcut(QKeyCombination keys);

protected:
    void changeEvent(QEvent* event) override;

private:
    QAction* AddToggle(QMenu* menu, const QString& name, ViewToggle toggle,
                       const BattleMenuActions& actions);
    QAction* AddEntry(QMenu* menu, const QString& name, const std::function<void()>& choose,
                      const QList<QKeySequence>& keys = {});
    // Every text, in the interface's language.
    void SetTexts();

    QMenu* game_;
    QMenu* view_;
    QMenu* help_;
    QMenu* scales_;
    QMenu* languages_;
    QMenu* looks_;
    QAction* newGame_;
    QAction* save_;
    QAction* open_;
    QAction* resume_;
    QAction* review_;
    QAction* reviewFile_;
    QAction* saveFinished_;
    QAction* reviewFinished_;
    QAction* changePlayers_;
    QAction* hostGame_ = nullptr;
    QAction* joinGame_ = nullptr;
    QAction* undo_;
    QAction* redo_;
    QAction* hint_;
    QAction* close_;
    QAction* sound_;
    QAction* cellMarks_;
    QAction* motion_;
    QAction* fullScreen_;
    QAction* rules_;
    QAction* keys_;
    QAction* record_;
    QAction* about_;
};

}  // namespace morvane
