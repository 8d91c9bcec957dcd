#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>

#include "net/portmap/mapping_worker.h"
#include "net/portmap/router_client.h"

namespace morvane {

// Asks the home router to forward the host's TCP port to this machine, so that a guest on the
// internet can join without the player setting up port forwarding. The router is asked through
// UPnP IGD first and NAT-PMP after; the first that grants the mapping keeps it, renewed at half
// its lease while this object holds it. The library calls run on a worker thread: Open returns
// at once, and the answer comes as `opened` or `failed` within kAnswerBound. The mapping is
// removed by Close, on destruction and when the application quits, each waiting at most
// kRemovalBound for the router.
class PortMapping : public QObject {
    Q_OBJECT

public:
    // The router clients to ask, in order; each mapping gets new ones.
    using ClientMaker = std::function<MappingWorker::Clients()>;

    static constexpr std::chrono::milliseconds kAnswerBound{3000};
    static constexpr std::chrono::milliseconds kRemovalBound{1000};
    // A mapping left behind by a program that ended abruptly lapses after this.
    static constexpr std::chrono::seconds kDefaultLease{3600};

    // Asks through UPnP IGD, then NAT-PMP.
    explicit PortMapping(QObject* parent = nullptr);
    // Asks the router clients that `makeClients` makes (the tests' fake routers).
    explicit PortMapping(ClientMaker makeClients, QObject* parent = nullptr);
    ~PortMapping() override;

    // Asks for `port` on the router's public side, forwarded to `port` here, for `lease` (at
    // least a second); a mapping this object held before is removed first.
    void Open(quint16 port, std::chrono::seconds lease = kDefaultLease);
    // Removes the mapping, or gives up asking for it; nothing is reported after it.
    void Close();

signals:
    // A router forwards `publicAddress`:`publicPort` to the port asked for.
    void opened(morvane::PortMapProtocol protocol, const QString& publicAddress,
                quint16 publicPort);
    // No router granted the mapping within kAnswerBound, or the router stopped renewing it;
    // `reason` says why, for the log.
    void failed(const QString& reason);

private slots:
    // Handles what the worker told since the last time; the worker wakes it through the event
    // loop, by name, so that the call and its event are made inside Qt Core.
    void TakeEvents();

private:
    void OnEvent(const MappingEvent& event);
    void GiveUp(const QString& reason);
    void Finish(std::chrono::milliseconds bound);

    ClientMaker makeClients_;
    std::unique_ptr<MappingWorker> worker_;
    QTimer answerBound_;
};

}  // namespace morvane
