#pragma once

#include <QList>
#include <QString>
#include <QWidget>

namespace morvane::testing {

// One text a window holds for the player to read or hear: where it is ("objectName (class)",
// or "… entry" for a list's entries) and the text itself.
struct HeldText {
    QString where;
    QString text;
    // The control that shows it, when it is shown in a control of its own that could clip it;
    // null for titles, names, tips and entries of lists and menus, which are never cut.
    const QWidget* shownIn = nullptr;
};

// Every text of the window and its children, shown or hidden: the window's title, labels,
// buttons, group titles, list entries, tabs, text boxes, menu entries, tips and the names and
// descriptions a screen reader speaks. In the order of the window's children, so that two walks
// over the same window list them alike.
QList<HeldText> HeldTexts(const QWidget& window);

// Whether the text has a character of Japanese writing: kana, kanji, Japanese punctuation or a
// full-width form. The game's symbols ○ × ◇ ■ are no Japanese.
bool HasJapanese(const QString& text);

// Whether the control, as shown, is too small for its text: a line wider than the room for it,
// or wrapped lines taller than the control.
bool IsClipped(const QWidget& control, const QString& text);

}  // namespace morvane::testing
