#pragma once

#include <QLoggingCategory>

namespace morvane {

// Network play's log ("morvane.net"): warnings where the other side sent something the protocol
// refuses or the connection failed; debug lines for the session's states.
Q_DECLARE_LOGGING_CATEGORY(netLog)

}  // namespace morvane
