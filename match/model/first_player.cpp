#include "match/model/first_player.h"

#include <QString>
#include <array>

#include "match/model/info_panel.h"
#include "rules/random.h"

namespace morvane {
namespace {

// Option values shared by both first-player options.
constexpr int kRandomFirst = 0;
constexpr int kCircleFirst = 1;  // first game: ○ begins
constexpr int kAlternate = 1;    // later games: last game's second side begins
constexpr int kCrossFirst = 2;   // first game: × begins
constexpr int kKeepFirst = 2;    // later games: the first game's first side begins

bool IsFirstGame(const AppState& state) { return state.roundCount == 1; }

Turn RandomSide() { return RandomUpTo(1) == 1 ? kCircleTurn : kCrossTurn; }

Turn FirstGameSide(int option) {
    switch (option) {
        case kCircleFirst:
            return kCircleTurn;
        case kCrossFirst:
            return kCrossTurn;
        default:
            return RandomSide();
    }
}

Turn LaterGameSide(int option, Turn lastFirst) {
    switch (option) {
        case kAlternate:
            return -lastFirst;
        case kKeepFirst:
            return lastFirst;
        default:
            return RandomSide();
    }
}

QString RuleText(const AppState& state) {
    static const std::array<QString, 3> kFirstGameRules = {
        QStringLiteral("初戦はランダムにより先攻を決めるよう設定されています・・・"),
        QStringLiteral("初戦は○側の先攻に固定設定されています・・・"),
        QStringLiteral("初戦は×側の先攻に固定設定されています・・・"),
    };
    static const std::array<QString, 3> kLaterGameRules = {
        QStringLiteral("二戦目以降はランダムにより先攻を決めるよう設定されています・・・"),
        QStringLiteral("二戦目以降は前回の後攻側が先攻になる交代制が設定されています・・・"),
        QStringLiteral("初戦先攻側が常に先攻に固定設定されています・・・"),
    };
    const int option =
        IsFirstGame(state) ? state.options.firstGameFirst : state.options.laterGamesFirst;
    const auto& rules = IsFirstGame(state) ? kFirstGameRules : kLaterGameRules;
    return option >= kRandomFirst && option < static_cast<int>(rules.size())
               ? rules[static_cast<std::size_t>(option)]
               : QString();
}

}  // namespace

Turn ChooseFirstPlayer(AppState& state) {
    state.lastFirst = IsFirstGame(state)
                          ? FirstGameSide(state.options.firstGameFirst)
                          : LaterGameSide(state.options.laterGamesFirst, state.lastFirst);
    return state.lastFirst;
}

void AnnounceFirstPlayer(AppState& state, InfoPanel& info) {
    state.turn = ChooseFirstPlayer(state);
    info.AddInfo(RuleText(state));
    info.AddInfo(InfoSeparator());
    info.AddInfo(state.turn == kCircleTurn ? QStringLiteral("先攻は○側です。")
                                           : QStringLiteral("先攻は×側です。"));
    info.AddInfo(InfoSeparator());
}

}  // namespace morvane
