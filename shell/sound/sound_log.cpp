#include "shell/sound/sound_log.h"

namespace morvane {

Q_LOGGING_CATEGORY(soundLog, "morvane.sound", QtCriticalMsg)

}  // namespace morvane
