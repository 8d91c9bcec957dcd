#pragma once

#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>
#include <thread>
#include <vector>

#include "net/portmap/router_client.h"

namespace morvane {

// What happened to a mapping, as its worker tells it.
struct MappingEvent {
    enum class Kind {
        Opened,   // a router granted it: `protocol` and `answer` say which and what
        Renewed,  // the router extended its lease
        Refused,  // no router granted it: `answer.problem` says why, for each protocol tried
        Lost,     // the router refused to extend its lease: `answer.problem` says why
    };
    Kind kind = Kind::Refused;
    PortMapProtocol protocol = PortMapProtocol::UpnpIgd;
    RouterAnswer answer;
};

// How a worker's end went, as far as Finish saw it.
struct MappingEnd {
    bool ended = false;  // within the bound; otherwise the worker finishes alone
    // Nothing when no mapping was made (or the worker had not yet removed it); otherwise why
    // the router did not confirm the removal, empty when it did.
    std::optional<QString> removal;
};

// The life of one mapping on a thread of its own: asks each router client in turn until one
// grants the mapping, renews it at half its lease, and removes it once stopped. The library
// calls block, so the window thread never makes them. The worker keeps what happened for the
// owner to take, and calls `wake` on its own thread each time, until Finish.
class MappingWorker {
public:
    using Clients = std::vector<std::unique_ptr<RouterClient>>;

    MappingWorker(Clients clients, const MappingRequest& request, std::function<void()> wake);
    // Finishes without waiting.
    ~MappingWorker();
    MappingWorker(const MappingWorker&) = delete;
    MappingWorker& operator=(const MappingWorker&) = delete;

    // What happened since the last call, oldest first.
    std::vector<MappingEvent> TakeEvents();

    // Stops the worker, which removes the mapping it holds and ends, and waits for that at
    // most `bound`. A worker still waiting for a router then finishes alone: it still removes a
    // mapping granted late, and wakes nobody.
    MappingEnd Finish(std::chrono::milliseconds bound);

private:
    struct Shared;

    static void Live(const std::stop_token& stop, const std::shared_ptr<Shared>& shared,
                     const Clients& clients, const MappingRequest& request);
    // Renews the mapping at half of each lease the router grants until stopped or refused.
    static void KeepRenewing(const std::stop_token& stop, Shared& shared, RouterClient& holder,
                             const MappingRequest& request, RouterAnswer granted);

    std::shared_ptr<Shared> shared_;  // with the thread, which may outlive this worker
    std::jthread thread_;
};

}  // namespace morvane
