#include "match/model/first_player.h"

#include <QString>
#include <array>

#include "match/model/info_panel.h"
#include "rules/random.h"

namespace morvane {
namespace {

bool IsFirstGame(const AppState& state) { return state.roundCount == 1; }

Turn RandomSide() { return RandomUpTo(1) == 1 ? kCircleTurn : kCrossTurn; }

Turn FirstGameSide(FirstGameFirst option) {
    switch (option) {
        case FirstGameFirst::Circle:
            return kCircleTurn;
        case FirstGameFirst::Cross:
            return kCrossTurn;
        case FirstGameFirst::Random:
            break;
    }
    return RandomSide();
}

Turn LaterGameSide(LaterGamesFirst option, Turn lastFirst) {
    switch (option) {
        case LaterGamesFirst::Alternate:
            return -lastFirst;
        case LaterGamesFirst::KeepFirst:
            return lastFirst;
        case LaterGamesFirst::Random:
            break;
    }
    return RandomSide();
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
    return IsFirstGame(state)
               ? kFirstGameRules[static_cast<std::size_t>(state.options.firstGameFirst)]
               : kLaterGameRules[static_cast<std::size_t>(state.options.laterGamesFirst)];
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
