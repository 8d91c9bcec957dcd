#include "match/model/battle_log.h"

namespace morvane {

Q_LOGGING_CATEGORY(battleLog, "morvane.battle", QtCriticalMsg)

}  // namespace morvane
