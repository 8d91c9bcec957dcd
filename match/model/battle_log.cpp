#include "match/model/battle_log.h"

namespace morvane {

// Warnings show by default; the debug lines only when asked for
// (QT_LOGGING_RULES="morvane.battle.debug=true").
Q_LOGGING_CATEGORY(battleLog, "morvane.battle", QtWarningMsg)

}  // namespace morvane
