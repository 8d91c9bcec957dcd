#include "shell/settings/settings_log.h"

namespace morvane {

Q_LOGGING_CATEGORY(settingsLog, "morvane.settings", QtCriticalMsg)

}  // namespace morvane
