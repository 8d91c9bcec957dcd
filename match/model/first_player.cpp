#include "match/model/first_player.h"

#include <QCoreApplication>
#include <QString>
#include <array>

#include "match/model/info_panel.h"
#include "match/model/player_entry.h"
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

QString Translated(const char* text) {
    return QCoreApplication::translate("morvane::FirstPlayer", text);
}

QString RuleText(const AppState& state) {
    static constexpr std::array<const char*, 3> kFirstGameRules = {
        QT_TRANSLATE_NOOP("morvane::FirstPlayer",
                          "初戦はランダムにより先攻を決めるよう設定されています・・・"),
        QT_TRANSLATE_NOOP("morvane::FirstPlayer", "初戦は○側の先攻に固定設定されています・・・"),
        QT_TRANSLATE_NOOP("morvane::FirstPlayer", "初戦は×側の先攻に固定設定されています・・・"),
    };
    static constexpr std::array<const char*, 3> kLaterGameRules = {
        QT_TRANSLATE_NOOP("morvane::FirstPlayer",
                          "二戦目以降はランダムにより先攻を決めるよう設定されています・・・"),
        QT_TRANSLATE_NOOP("morvane::FirstPlayer",
                          "二戦目以降は前回の後攻側が先攻になる交代制が設定されています・・・"),
        QT_TRANSLATE_NOOP("morvane::FirstPlayer",
                          "初戦先攻側が常に先攻に固定設定されています・・・"),
    };
    return Translated(
        IsFirstGame(state)
            ? kFirstGameRules[static_cast<std::size_t>(state.options.firstGameFirst)]
            : kLaterGameRules[static_cast<std::size_t>(state.options.laterGamesFirst)]);
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
    info.AddSeparator();
    AnnounceFirstSide(state.turn, info);
}

void AnnounceFirstSide(Turn first, InfoPanel& info) {
    info.AddInfo(QCoreApplication::translate("morvane::FirstPlayer", "先攻は%1側です。")
                     .arg(SideMark(SideNumber(first))));
    info.AddSeparator();
}

}  // namespace morvane
