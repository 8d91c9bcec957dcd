#include "extra/windows/extra_log.h"

namespace morvane {

Q_LOGGING_CATEGORY(extraLog, "morvane.extra", QtCriticalMsg)

}  // namespace morvane
