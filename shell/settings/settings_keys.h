#pragma once

#include <QString>

#include "shell/settings/view_toggles.h"

namespace morvane {

// A stored number: its place, its default and the range of values the program writes.
struct IntSetting {
    QString section;
    QString key;
    int defaultValue;
    int minimum;
    int maximum;
};

// A stored text.
struct TextSetting {
    QString section;
    QString key;
    QString defaultValue;
};

// Every entry the program keeps, declared once.
namespace settings {

IntSetting FirstGameFirst();
IntSetting LaterGamesFirst();
IntSetting TerrainSelect();
// The entry list position of side 0 (○) or 1 (×).
IntSetting PlayerKind(int side);
// The area select window's terrain choice, 0..8.
IntSetting AreaChoice();
// Random terrain: the number of ◇ draws (0) or ■ draws (1).
IntSetting RandomCount(int index);
// The user layout file the area select window uses, 0..2.
IntSetting UserFileChoice();
// The user's layout file 0..2 as an AreaString.
TextSetting UserLayout(int file);
// The folder a game file was last saved to or opened from; empty until then.
TextSetting GameFolder();
// The display scale in percent; only the values of kDisplayScales count (display_scale.h).
IntSetting DisplayScale();
// The interface language as its code, "ja" or "en" (language.h); anything else reads as "ja".
TextSetting InterfaceLanguage();
// The look the player chose, as its code ("standard", "high-contrast" or "light",
// look_setting.h); empty until one is chosen.
TextSetting ChosenLook();
// Whether a view aid is on: 1, or 0 once the player has turned it off.
IntSetting ViewAid(ViewToggle toggle);
// Where the window with the given objectName was last closed: the top left corner of its frame
// as "x,y"; empty when it has not been stored.
TextSetting WindowPlace(const QString& windowName);
// The name this player gives the other side in a network game; empty until one is given.
TextSetting NetworkName();
// Whether the host window asks the home router to forward the port: 1 once the player has
// ticked it, 0 (the default) otherwise.
IntSetting RouterPortMapping();
// The record of finished games: how many games of a pairing (its stored name) ended as one of
// the record's columns ("Wins", "Losses", "Draws"); 0 when missing.
IntSetting RecordCount(const QString& pairing, const QString& column);
// The games the record has counted lately, each with the count it moved, so that a game counts
// once however often it is kept, resumed or opened again.
TextSetting RecordedGames();

}  // namespace settings
}  // namespace morvane
