#include "shell/settings/settings_keys.h"

#include "shell/settings/display_scale.h"
#include "terrain/layouts/area_layouts.h"

namespace morvane::settings {
namespace {

const QString kOption = QStringLiteral("Option");
const QString kSystem = QStringLiteral("System");
const QString kArea = QStringLiteral("Area");
const QString kDisplay = QStringLiteral("Display");
const QString kPlace = QStringLiteral("Place");
const QString kRecord = QStringLiteral("Record");

constexpr int kAreaChoiceNone = 8;
constexpr int kLastPlayerKind = 6;
constexpr int kEmptyLayoutLength = 96;
// A record count stops here: the record window shows six digits.
constexpr int kMostRecordCount = 999999;

}  // namespace

IntSetting FirstGameFirst() { return {kOption, QStringLiteral("初戦先攻"), 0, 0, 2}; }

IntSetting LaterGamesFirst() { return {kOption, QStringLiteral("二戦目以降先攻"), 1, 0, 2}; }

IntSetting TerrainSelect() { return {kOption, QStringLiteral("地形選択"), 1, 0, 1}; }

IntSetting PlayerKind(int side) {
    const int defaultKind = side == 0 ? 0 : 3;  // Mouse against [NORMAL]
    return {kSystem, QString::number(side), defaultKind, 0, kLastPlayerKind};
}

IntSetting AreaChoice() {
    return {kSystem, QStringLiteral("Option1"), kAreaChoiceNone, 0, kAreaChoiceNone};
}

IntSetting RandomCount(int index) {
    return {kSystem, QStringLiteral("Option2-") + QString::number(index), kDefaultRandomCount, 0,
            kMaxRandomCount};
}

IntSetting UserFileChoice() { return {kSystem, QStringLiteral("Option3"), 0, 0, 2}; }

TextSetting UserLayout(int file) {
    return {kArea, QStringLiteral("オリジナル地形") + QString::number(file),
            QString(kEmptyLayoutLength, QLatin1Char('0'))};
}

IntSetting DisplayScale() {
    return {kDisplay, QStringLiteral("Scale"), kDisplayScales.front(), kDisplayScales.front(),
            kDisplayScales.back()};
}

TextSetting InterfaceLanguage() {
    return {kDisplay, QStringLiteral("Language"), QStringLiteral("ja")};
}

TextSetting WindowPlace(const QString& windowName) { return {kPlace, windowName, QString()}; }

IntSetting RecordCount(const QString& pairing, const QString& column) {
    return {kRecord, pairing + QLatin1Char('-') + column, 0, 0, kMostRecordCount};
}

}  // namespace morvane::settings
