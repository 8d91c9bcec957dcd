#include "net/portmap/router_client.h"

namespace morvane {

QString PortMapProtocolName(PortMapProtocol protocol) {
    switch (protocol) {
        case PortMapProtocol::UpnpIgd:
            return QStringLiteral("UPnP IGD");
        case PortMapProtocol::NatPmp:
            return QStringLiteral("NAT-PMP");
    }
    return {};
}

}  // namespace morvane
