#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "net/portmap/port_mapping.h"

namespace morvane::testing {

// The port the fake routers forward; a request for another is refused.
inline constexpr quint16 kFakeRouterPort = 7442;
// Longer than any bound of the mapping: a wait that runs out shows a fault.
inline constexpr std::chrono::milliseconds kFakeRouterPatience{10000};
// How long a fake router takes to remove a mapping; well within PortMapping::kRemovalBound.
inline constexpr std::chrono::milliseconds kFakeRemovalTime{200};

// A router as the test scripts it, and what was asked of it. Shared between the test and the
// fake client, which the mapping's worker owns and which may outlive the mapping.
struct FakeRouter {
    FakeRouter(QString address, quint16 port)
        : publicAddress(std::move(address)), publicPort(port) {}

    QString publicAddress;
    quint16 publicPort;
    quint16 forwards = kFakeRouterPort;  // the one port of this machine it forwards; 0: any
    bool grants = true;
    bool renews = true;
    std::chrono::seconds lease{3600};
    bool holdsAnswer = false;  // Open answers only once released

    std::atomic<int> opens = 0;
    std::atomic<int> renewals = 0;
    std::atomic<int> closes = 0;
    std::atomic<bool> answering = false;  // inside Open

    void Release() {
        {
            const std::lock_guard lock(mutex);
            released = true;
        }
        releasedChanged.notify_all();
    }

    void AwaitRelease() {
        std::unique_lock lock(mutex);
        releasedChanged.wait_for(lock, kFakeRouterPatience, [this] { return released; });
    }

    RouterAnswer Answer(bool granted) const {
        RouterAnswer answer;
        answer.granted = granted;
        if (granted) {
            answer.publicAddress = publicAddress;
            answer.publicPort = publicPort;
            answer.lease = lease;
        } else {
            answer.problem = QStringLiteral("refused");
        }
        return answer;
    }

private:
    std::mutex mutex;
    std::condition_variable releasedChanged;
    bool released = false;
};

class FakeClient : public RouterClient {
public:
    FakeClient(PortMapProtocol protocol, std::shared_ptr<FakeRouter> router)
        : protocol_(protocol), router_(std::move(router)) {}

    PortMapProtocol Protocol() const override { return protocol_; }

    RouterAnswer Open(const MappingRequest& request, const std::stop_token&) override {
        ++router_->opens;
        router_->answering = true;
        if (router_->holdsAnswer) {
            router_->AwaitRelease();
        }
        router_->answering = false;
        return router_->Answer(router_->grants &&
                               (router_->forwards == 0 || request.port == router_->forwards));
    }

    RouterAnswer Renew(const MappingRequest&, const std::stop_token&) override {
        ++router_->renewals;
        return router_->Answer(router_->renews);
    }

    // The router takes a moment to remove the mapping, as a real one does over the network:
    // whoever waits for the removal waits that long.
    QString Close(const MappingRequest&) override {
        std::this_thread::sleep_for(kFakeRemovalTime);
        ++router_->closes;
        return {};
    }

private:
    PortMapProtocol protocol_;
    std::shared_ptr<FakeRouter> router_;
};

// A home router that speaks both protocols; its NAT-PMP side hands out another public port.
struct Routers {
    std::shared_ptr<FakeRouter> upnp = std::make_shared<FakeRouter>("203.0.113.7", kFakeRouterPort);
    std::shared_ptr<FakeRouter> natPmp = std::make_shared<FakeRouter>("198.51.100.9", 17442);

    PortMapping::ClientMaker Clients() const {
        return [upnp = upnp, natPmp = natPmp] {
            MappingWorker::Clients clients;
            clients.push_back(std::make_unique<FakeClient>(PortMapProtocol::UpnpIgd, upnp));
            clients.push_back(std::make_unique<FakeClient>(PortMapProtocol::NatPmp, natPmp));
            return clients;
        };
    }
};

}  // namespace morvane::testing
