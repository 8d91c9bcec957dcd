#pragma once

#include <QString>
#include <chrono>
#include <stop_token>

namespace morvane {

// The two ways a home router is asked to forward a port.
enum class PortMapProtocol { UpnpIgd, NatPmp };

// The protocol's usual name, for the log: "UPnP IGD", "NAT-PMP".
QString PortMapProtocolName(PortMapProtocol protocol);

// What the router is asked: to forward TCP `port` on its public side to the same port of this
// machine for `lease` (never zero, which NAT-PMP reads as a removal), listed under
// `description` where the router shows its mappings.
struct MappingRequest {
    quint16 port = 0;
    std::chrono::seconds lease{0};
    QString description;
};

// The router's answer to a request to map a port or to renew the mapping.
struct RouterAnswer {
    bool granted = false;
    QString publicAddress;  // the router's public IPv4 address, dotted
    quint16 publicPort = 0;
    std::chrono::seconds lease{0};  // as granted; zero: kept until removed
    QString problem;                // why it was not granted, for the log

    static RouterAnswer Refusal(const QString& problem) {
        RouterAnswer answer;
        answer.problem = problem;
        return answer;
    }
};

// One protocol's conversation with one router. Its calls block, each bounded by the protocol's
// own waits, and are made one at a time from the mapping's worker thread.
class RouterClient {
public:
    virtual ~RouterClient() = default;

    virtual PortMapProtocol Protocol() const = 0;
    // Finds the router and asks it for the mapping; gives up early once `stop` is requested,
    // where the library lets it.
    virtual RouterAnswer Open(const MappingRequest& request, const std::stop_token& stop) = 0;
    // Asks the router to extend the lease of the mapping Open made; only after Open granted it.
    virtual RouterAnswer Renew(const MappingRequest& request, const std::stop_token& stop) = 0;
    // Asks the router to remove the mapping that Open made, only after Open granted it; returns
    // why it could not, or an empty text once the mapping is gone.
    virtual QString Close(const MappingRequest& request) = 0;
};

}  // namespace morvane
