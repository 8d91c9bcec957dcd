#include "net/portmap/portmap_log.h"

namespace morvane {

Q_LOGGING_CATEGORY(portmapLog, "morvane.portmap", QtCriticalMsg)

}  // namespace morvane
