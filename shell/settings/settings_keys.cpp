#include "shell/settings/settings_keys.h"

#include "rules/match_options.h"
#include "rules/player_kind.h"
#include "shell/settings/display_scale.h"
#include "shell/settings/language.h"
#include "terrain/layouts/area_layouts.h"
#include "terrain/layouts/area_string.h"

namespace morvane::settings {
namespace {

const QString kOption = QStringLiteral("Option");
const QString kSystem = QStringLiteral("System");
const QString kArea = QStringLiteral("Area");
const QString kDisplay = QStringLiteral("Display");
const QString kPlace = QStringLiteral("Place");
const QString kRecord = QStringLiteral("Record");
const QString kNetwork = QStringLiteral("Network");

// A record count stops here: the record window shows six digits.
constexpr int kMostRecordCount = 999999;

// The stored number of an option: its value in the enum.
template <typename Option>
constexpr int Stored(Option option) {
    return static_cast<int>(option);
}

// A fresh store reads as the match options' own defaults.
constexpr MatchOptions kFreshOptions;

// "(Ｎｏｎｅ)", the default, is the last of the area choices.
static_assert(NoArea == kAreaOptionCount - 1);

}  // namespace

IntSetting FirstGameFirst() {
    return {kOption, QStringLiteral("初戦先攻"), Stored(kFreshOptions.firstGameFirst),
            Stored(morvane::FirstGameFirst::Random), Stored(morvane::FirstGameFirst::Cross)};
}

IntSetting LaterGamesFirst() {
    return {kOption, QStringLiteral("二戦目以降先攻"), Stored(kFreshOptions.laterGamesFirst),
            Stored(morvane::LaterGamesFirst::Random), Stored(morvane::LaterGamesFirst::KeepFirst)};
}

IntSetting TerrainSelect() {
    return {kOption, QStringLiteral("地形選択"), Stored(kFreshOptions.terrainSelect),
            Stored(TerrainOption::On), Stored(TerrainOption::Off)};
}

IntSetting PlayerKind(int side) {
    return {kSystem, QString::number(side), Stored(kFirstPlayerKinds.at(side)), 0,
            kPlayerKindCount - 1};
}

IntSetting AreaChoice() { return {kSystem, QStringLiteral("Option1"), NoArea, 0, NoArea}; }

IntSetting RandomCount(int index) {
    return {kSystem, QStringLiteral("Option2-") + QString::number(index), kDefaultRandomCount, 0,
            kMaxRandomCount};
}

IntSetting UserFileChoice() {
    return {kSystem, QStringLiteral("Option3"), 0, 0, kUserFileCount - 1};
}

TextSetting UserLayout(int file) {
    return {kArea, QStringLiteral("オリジナル地形") + QString::number(file),
            QString::fromStdU16String(EmptyAreaString())};
}

IntSetting DisplayScale() {
    return {kDisplay, QStringLiteral("Scale"), kDisplayScales.front(), kDisplayScales.front(),
            kDisplayScales.back()};
}

TextSetting InterfaceLanguage() {
    return {kDisplay, QStringLiteral("Language"), LanguageCode(Language::Japanese)};
}

TextSetting ChosenLook() { return {kDisplay, QStringLiteral("Look"), QString()}; }

IntSetting ViewAid(ViewToggle toggle) {
    QString key;
    switch (toggle) {
        case ViewToggle::CellMarks:
            key = QStringLiteral("CellMarks");
            break;
        case ViewToggle::Motion:
            key = QStringLiteral("Motion");
            break;
        case ViewToggle::Sound:
            key = QStringLiteral("Sound");
            break;
    }
    return {kDisplay, key, 1, 0, 1};
}

TextSetting GameFolder() { return {kSystem, QStringLiteral("GameFolder"), QString()}; }

TextSetting WindowPlace(const QString& windowName) { return {kPlace, windowName, QString()}; }

TextSetting NetworkName() { return {kNetwork, QStringLiteral("Name"), QString()}; }

IntSetting RouterPortMapping() { return {kNetwork, QStringLiteral("RouterPort"), 0, 0, 1}; }

IntSetting RecordCount(const QString& pairing, const QString& column) {
    return {kRecord, pairing + QLatin1Char('-') + column, 0, 0, kMostRecordCount};
}

TextSetting RecordedGames() { return {kRecord, QStringLiteral("Games"), QString()}; }

}  // namespace morvane::settings
