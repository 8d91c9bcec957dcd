#pragma once

#include <QLoggingCategory>

namespace morvane {

// Port mapping on the home router ("morvane.portmap"): warnings when no router granted the
// mapping, a renewal was refused or a removal failed; debug lines for what was asked and what
// each router answered.
Q_DECLARE_LOGGING_CATEGORY(portmapLog)

}  // namespace morvane
