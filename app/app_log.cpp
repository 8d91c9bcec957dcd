#include "app/app_log.h"

namespace morvane {

Q_LOGGING_CATEGORY(appLog, "morvane.app", QtCriticalMsg)

}  // namespace morvane
