#pragma once

#include <memory>

#include "net/portmap/router_client.h"

namespace morvane {

// Maps the port through NAT-PMP (RFC 6886) with libnatpmp: UDP requests to the default
// gateway, resent on libnatpmp's schedule until the gateway answers or the wait runs out.
// Debian's libnatpmp speaks NAT-PMP only, not its successor PCP; routers that speak PCP answer
// NAT-PMP requests as well.
class NatPmpClient : public RouterClient {
public:
    NatPmpClient();
    ~NatPmpClient() override;
    NatPmpClient(const NatPmpClient&) = delete;
    NatPmpClient& operator=(const NatPmpClient&) = delete;

    PortMapProtocol Protocol() const override { return PortMapProtocol::NatPmp; }
    RouterAnswer Open(const MappingRequest& request, const std::stop_token& stop) override;
    RouterAnswer Renew(const MappingRequest& request, const std::stop_token& stop) override;
    QString Close(const MappingRequest& request) override;

private:
    struct Session;

    std::unique_ptr<Session> session_;  // the gateway's socket once Open has made it
};

}  // namespace morvane
