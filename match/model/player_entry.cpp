#include "match/model/player_entry.h"

#include <QCoreApplication>
#include <array>

#include "match/model/stored_options.h"

namespace morvane {
namespace {

struct KindLabels {
    const char* wide;
    const char* narrow;
};

// The narrow labels keep the old spelling "Keybord" among the Japanese texts.
constexpr std::array<KindLabels, kPlayerKindCount> kLabels = {{
    {QT_TRANSLATE_NOOP("morvane::PlayerEntry", "Ｍｏｕｓｅ"),
     QT_TRANSLATE_NOOP("morvane::PlayerEntry", "Mouse")},
    {QT_TRANSLATE_NOOP("morvane::PlayerEntry", "Ｋｅｙｂｏｒｄ"),
     QT_TRANSLATE_NOOP("morvane::PlayerEntry", "Keybord")},
    {QT_TRANSLATE_NOOP("morvane::PlayerEntry", "［Ｅａｓｙ］"),
     QT_TRANSLATE_NOOP("morvane::PlayerEntry", "[Easy]")},
    {QT_TRANSLATE_NOOP("morvane::PlayerEntry", "［Ｎｏｒｍａｌ］"),
     QT_TRANSLATE_NOOP("morvane::PlayerEntry", "[Normal]")},
    {QT_TRANSLATE_NOOP("morvane::PlayerEntry", "［Ｈａｒｄ］"),
     QT_TRANSLATE_NOOP("morvane::PlayerEntry", "[Hard]")},
    // The game's own name, bare among the Japanese texts; the English brackets it as it does
    // the other strengths.
    {QT_TRANSLATE_NOOP("morvane::PlayerEntry", "ⅲ"),
     QT_TRANSLATE_NOOP("morvane::PlayerEntry", "ⅲ")},
    {QT_TRANSLATE_NOOP("morvane::PlayerEntry", "［Ｍａｓｔｅｒ］"),
     QT_TRANSLATE_NOOP("morvane::PlayerEntry", "[Master]")},
}};
constexpr KindLabels kNetworkLabels{QT_TRANSLATE_NOOP("morvane::PlayerEntry", "Ｎｅｔｗｏｒｋ"),
                                    QT_TRANSLATE_NOOP("morvane::PlayerEntry", "Network")};

// Picture subjects: a mouse, a keyboard, a computer, an eye, a crowned eye.
constexpr int kMousePicture = 0;
constexpr int kKeyboardPicture = 1;
constexpr int kComputerPicture = 2;
constexpr int kEyePicture = 3;
// Side × uses pictures 1..4, side ○ their mirror images 5..8; the crowned eye came later and
// takes the next two numbers, so that the first eight keep theirs.
constexpr int kCrossPictureBase = 1;
constexpr int kCirclePictureBase = 5;
constexpr int kCrossCrownedEye = 9;
constexpr int kCircleCrownedEye = 10;

int PictureKind(PlayerKind kind) {
    switch (kind) {
        case PlayerKind::Mouse:
        case PlayerKind::Network:  // a person, at another machine's mouse
            return kMousePicture;
        case PlayerKind::Keyboard:
            return kKeyboardPicture;
        case PlayerKind::ExpertComputer:
            return kEyePicture;
        default:
            return kComputerPicture;
    }
}

}  // namespace

QString PlayerKindLabel(PlayerKind kind, bool wide) {
    const KindLabels& labels = kind == PlayerKind::Network
                                   ? kNetworkLabels
                                   : kLabels[static_cast<std::size_t>(ListPosition(kind))];
    return QCoreApplication::translate("morvane::PlayerEntry", wide ? labels.wide : labels.narrow);
}

QString SideMark(int side) { return side == 0 ? QStringLiteral("○") : QStringLiteral("×"); }

int PlayerPicture(int side, PlayerKind kind) {
    if (kind == PlayerKind::MasterComputer) {
        return side == 0 ? kCircleCrownedEye : kCrossCrownedEye;
    }
    return PictureKind(kind) + (side == 0 ? kCirclePictureBase : kCrossPictureBase);
}

bool StrongestPlays(const Players& players) {
    for (const PlayerKind strong : {PlayerKind::ExpertComputer, PlayerKind::MasterComputer}) {
        if (players.picture[0] == PlayerPicture(0, strong) ||
            players.picture[1] == PlayerPicture(1, strong)) {
            return true;
        }
    }
    return false;
}

namespace {

ComputerLevel LevelOf(PlayerKind kind) {
    return ComputerLevelFromIndex(ListPosition(kind) - ListPosition(PlayerKind::EasyComputer));
}

}  // namespace

ComputerLevel PlayingLevel(const std::array<PlayerKind, 2>& kinds, ComputerLevel level) {
    for (const PlayerKind kind : kinds) {
        if (IsComputer(kind)) {
            level = LevelOf(kind);
        }
    }
    return level;
}

void SetPlayers(AppState& state, const std::array<PlayerKind, 2>& kinds) {
    for (int side = 0; side < 2; ++side) {
        const auto s = static_cast<std::size_t>(side);
        state.players.kind[s] = kinds[s];
        state.players.picture[s] = PlayerPicture(side, kinds[s]);
    }
    state.computerLevel = PlayingLevel(kinds, state.computerLevel);
}

bool ChoosePlayer(AppState& state, SettingsStore& store, int side, PlayerKind kind) {
    const auto s = static_cast<std::size_t>(side);
    state.players.kind[s] = kind;
    if (IsComputer(kind)) {
        state.computerLevel = LevelOf(kind);
    }
    state.players.picture[s] = PlayerPicture(side, kind);
    // The store keeps the side's last choice but a network one, which needs a new connection.
    return kind == PlayerKind::Network || StorePlayerKind(store, side, kind);
}

}  // namespace morvane
