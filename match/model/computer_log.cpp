#include "match/model/computer_log.h"

namespace morvane {

Q_LOGGING_CATEGORY(computerLog, "morvane.computer", QtCriticalMsg)

}  // namespace morvane
