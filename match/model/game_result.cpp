#include "match/model/game_result.h"

#include <QCoreApplication>

#include "match/model/player_entry.h"

namespace morvane {

GameResult WinResult(int side) {
    return {QCoreApplication::translate("morvane::GameResult", "%1 Ｗｉｎ！！").arg(SideMark(side)),
            side == 0 ? kGreen : kYellow};
}

GameResult DrawResult() {
    return {QCoreApplication::translate("morvane::GameResult", "Ｄｒｏｗ．．．"), kWhite};
}

GameResult NoBattleResult() {
    return {QCoreApplication::translate("morvane::GameResult", "戦闘不能"), kCyan};
}

}  // namespace morvane
