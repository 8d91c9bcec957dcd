#include "terrain/windows/terrain_log.h"

namespace morvane {

Q_LOGGING_CATEGORY(terrainLog, "morvane.terrain", QtCriticalMsg)

}  // namespace morvane
