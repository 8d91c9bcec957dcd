#pragma once

#include <memory>

#include "net/portmap/router_client.h"

namespace morvane {

// Maps the port on a UPnP Internet Gateway Device through miniupnpc: an SSDP search on the
// local network, the gateway's description over HTTP, then its WANIPConnection (or
// WANPPPConnection) service's AddPortMapping, DeletePortMapping and GetExternalIPAddress.
class UpnpIgdClient : public RouterClient {
public:
    UpnpIgdClient();
    ~UpnpIgdClient() override;
    UpnpIgdClient(const UpnpIgdClient&) = delete;
    UpnpIgdClient& operator=(const UpnpIgdClient&) = delete;

    PortMapProtocol Protocol() const override { return PortMapProtocol::UpnpIgd; }
    RouterAnswer Open(const MappingRequest& request, const std::stop_token& stop) override;
    RouterAnswer Renew(const MappingRequest& request, const std::stop_token& stop) override;
    QString Close(const MappingRequest& request) override;

private:
    struct Gateway;

    RouterAnswer Map(const MappingRequest& request);

    std::unique_ptr<Gateway> gateway_;  // the gateway Open found; none before
};

}  // namespace morvane
