#include "net/protocol/net_log.h"

namespace morvane {

Q_LOGGING_CATEGORY(netLog, "morvane.net", QtCriticalMsg)

}  // namespace morvane
