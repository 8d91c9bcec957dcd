#include "match/model/player_entry.h"

#include <array>

#include "shell/settings/settings_store.h"

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

int PictureKind(int kind) {
    switch (kind) {
        case MousePlayer:
            return kMousePicture;
        case KeyboardPlayer:
            return kKeyboardPicture;
        case ExpertComputer:
            return kEyePicture;
        default:
            return kComputerPicture;
    }
}

}  // namespace

QString PlayerKindLabel(int kind, bool wide) {
    if (kind < 0 || kind >= kPlayerKindCount) {
        return QString();
    }
    const KindLabels& labels = kLabels[static_cast<std::size_t>(kind)];
    return QString::fromUtf16(wide ? labels.wide : labels.narrow);
}

int PlayerPicture(int side, int kind) {
    return PictureKind(kind) + (side == 0 ? kCirclePictureBase : kCrossPictureBase);
}

bool ExpertPlays(const Players& players) {
    return players.picture[0] == PlayerPicture(0, ExpertComputer) ||
           players.picture[1] == PlayerPicture(1, ExpertComputer);
}

bool ChoosePlayer(AppState& state, SettingsStore& store, int side, int kind) {
    const auto s = static_cast<std::size_t>(side);
    state.players.kind[s] = kind;
    if (IsComputer(kind)) {
        state.computerLevel = kind - EasyComputer;
    }
    state.players.picture[s] = PlayerPicture(side, kind);
    return store.Write(settings::PlayerKind(side), kind);
}

}  // namespace morvane
