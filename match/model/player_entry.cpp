#include "match/model/player_entry.h"

#include <array>

#include "match/model/stored_options.h"

namespace morvane {
namespace {

struct KindLabels {
    const char16_t* wide;
    const char16_t* narrow;
};

constexpr std::array<KindLabels, kPlayerKindCount> kLabels = {{
    {u"Ｍｏｕｓｅ", u"Mouse"},
    {u"Ｋｅｙｂｏｒｄ", u"Keybord"},
    {u"［Ｅａｓｙ］", u"[Easy]"},
    {u"［Ｎｏｒｍａｌ］", u"[Normal]"},
    {u"［Ｈａｒｄ］", u"[Hard]"},
    {u"ⅲ", u"ⅲ"},
}};

// Picture subjects: a mouse, a keyboard, a computer, an eye.
constexpr int kMousePicture = 0;
constexpr int kKeyboardPicture = 1;
constexpr int kComputerPicture = 2;
constexpr int kEyePicture = 3;
// Side × uses pictures 1..4, side ○ their mirror images 5..8.
constexpr int kCrossPictureBase = 1;
constexpr int kCirclePictureBase = 5;

int PictureKind(PlayerKind kind) {
    switch (kind) {
        case PlayerKind::Mouse:
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
    const KindLabels& labels = kLabels[static_cast<std::size_t>(ListPosition(kind))];
    return QString::fromUtf16(wide ? labels.wide : labels.narrow);
}

int PlayerPicture(int side, PlayerKind kind) {
    return PictureKind(kind) + (side == 0 ? kCirclePictureBase : kCrossPictureBase);
}

bool ExpertPlays(const Players& players) {
    return players.picture[0] == PlayerPicture(0, PlayerKind::ExpertComputer) ||
           players.picture[1] == PlayerPicture(1, PlayerKind::ExpertComputer);
}

bool ChoosePlayer(AppState& state, SettingsStore& store, int side, PlayerKind kind) {
    const auto s = static_cast<std::size_t>(side);
    state.players.kind[s] = kind;
    if (IsComputer(kind)) {
        state.computerLevel =
            ComputerLevelFromIndex(ListPosition(kind) - ListPosition(PlayerKind::EasyComputer));
    }
    state.players.picture[s] = PlayerPicture(side, kind);
    return StorePlayerKind(store, side, kind);
}

}  // namespace morvane
