#pragma once

#include <QCursor>
#include <QWidget>
#include <array>
#include <functional>

#include "shell/settings/language.h"
#include "shell/settings/look_setting.h"

class QFrame;
class QLabel;

namespace morvane {

class ExtrasMenu;
class HoverLabel;

// What the title menu's items "Game Start.", "Option.", "Original Area Edit." and "Extra Game"
// do: their windows belong to other parts of the program, which fill these in. An item whose
// action is empty tells the user that it is not ready yet and does nothing else.
struct TitleActions {
    // "Game Start.": runs after the title window has closed (it is deleted).
    std::function<void()> startGame;
    // "Option.": opens the match options modal over the title window, which stays as it was.
    std::function<void(QWidget* title)> openOptions;
    // "Original Area Edit.": opens the area editor modal over the title window.
    std::function<void(QWidget* title)> openAreaEditor;
    // "Extra Game": runs after the title window has closed (it is deleted).
    std::function<void()> startExtraGame;
    // F3 and the extras menu: opens the record of games modal over the title window.
    std::function<void(QWidget* title)> openRecord;
    // The extras menu's display scale: the stored percent, and storing a chosen one (which
    // tells the player over the title window when it takes effect).
    std::function<int()> currentScale;
    std::function<void(QWidget* title, int percent)> chooseScale;
    // The extras menu's language: the one in use, and switching to a chosen one (which may
    // replace the title window).
    std::function<Language()> currentLanguage;
    std::function<void(QWidget* title, Language language)> chooseLanguage;
    // The extras menu's look: the one in use, and drawing every window in a chosen one.
    std::function<Look()> currentLook;
    std::function<void(QWidget* title, Look look)> chooseLook;
    // The extras menu's Resume, shown when both are given: whether a kept game exists, and going
    // on with it (which closes the title window when it opens the battle screen).
    std::function<bool()> canResume;
    std::function<void(QWidget* title)> resumeGame;
    // Network games, offered when both are given: each runs after the title window has closed
    // (it is deleted); the battle screen opens once the other side is in, else the title comes
    // back.
    std::function<void()> hostGame;
    std::function<void()> joinGame;
};

// `Form1`: the title picture, the six menu items with a marker bar and a help line that follow
// the pointer, and the version. Deletes itself when closed. Besides, the keyboard works it: Up
// and Down hover the items as the pointer does, Enter or Space opens the hovered one, F1 the
// rules, F3 the record; a right click, the Menu key or Shift+F10 opens the extras menu. A small
// button in the top right corner switches the language when the actions can; small buttons in
// the top left corner go on with a kept game and host or join a network game when the actions
// can (the extras menu offers them to the keyboard).
class TitleWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kItemCount = 6;

    explicit TitleWindow(TitleActions actions, QWidget* parent = nullptr);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    static constexpr int kNoItem = -1;

    // The pointer over an item: marker, help line, pointer and colours follow it at once,
    // unless it is the item already shown hovered.
    void HoverOn(int item);
    // Colours the items as the hover stands, in the look in use.
    void ColourItems();
    // The pointer over the background: back to the state the window opens in.
    void Reset();
    // Up (-1) or Down (+1): hovers the next item round the six; from nothing hovered, Down
    // starts at the first and Up at the last.
    void StepHover(int step);
    void Click(int item);
    // Closes (and so deletes) the title window, then runs the action.
    void LeaveFor(const std::function<void()>& action);
    void OpenModal(const std::function<void(QWidget*)>& action);
    void ShowNotReady();
    void OpenRules();
    void OpenKeys();
    // The extras menu opened from the keyboard, which gives no pointer position to open at.
    void ShowExtrasMenuByKey();
    // The button that switches to the other language, reading that language's name in it.
    void AddLanguageButton();
    // The small buttons over the picture: continue, host, join, whichever the actions offer.
    void AddShortcutButtons();

    TitleActions actions_;
    int hoveredItem_ = kNoItem;
    QCursor pointer_;
    std::array<HoverLabel*, kItemCount> items_{};
    QFrame* marker_;
    QLabel* help_;
    ExtrasMenu* extras_;
};

}  // namespace morvane
