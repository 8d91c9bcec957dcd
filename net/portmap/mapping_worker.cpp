#include "net/portmap/mapping_worker.h"

#include <QStringList>
#include <condition_variable>
#include <mutex>
#include <utility>

namespace morvane {

struct MappingWorker::Shared {
    std::mutex mutex;  // guards everything below
    // Wakes Finish once the worker has ended; the worker's own waits wake on its stop token.
    std::condition_variable_any changed;
    std::function<void()> wake;  // dropped once the owner no longer listens
    std::vector<MappingEvent> events;
    bool ended = false;
    std::optional<QString> removal;

    void Tell(const MappingEvent& event) {
        const std::lock_guard lock(mutex);
        if (wake) {
            events.push_back(event);
            wake();
        }
    }

    void End(std::optional<QString> removed) {
        {
            const std::lock_guard lock(mutex);
            ended = true;
            removal = std::move(removed);
        }
        changed.notify_all();
    }

    // Sleeps for `time` or until stopped; true when stopped.
    bool Sleep(const std::stop_token& stop, std::chrono::milliseconds time) {
        std::unique_lock lock(mutex);
        changed.wait_for(lock, stop, time, [] { return false; });
        return stop.stop_requested();
    }

    void SleepUntilStopped(const std::stop_token& stop) {
        std::unique_lock lock(mutex);
        changed.wait(lock, stop, [] { return false; });
    }
};

MappingWorker::MappingWorker(Clients clients, const MappingRequest& request,
                             std::function<void()> wake)
    : shared_(std::make_shared<Shared>()) {
    shared_->wake = std::move(wake);
    thread_ = std::jthread(&MappingWorker::Live, shared_, std::move(clients), request);
}

MappingWorker::~MappingWorker() {
    if (thread_.joinable()) {
        Finish(std::chrono::milliseconds(0));
    }
}

std::vector<MappingEvent> MappingWorker::TakeEvents() {
    const std::lock_guard lock(shared_->mutex);
    return std::exchange(shared_->events, {});
}

MappingEnd MappingWorker::Finish(std::chrono::milliseconds bound) {
    thread_.request_stop();
    MappingEnd end;
    {
        std::unique_lock lock(shared_->mutex);
        end.ended = shared_->changed.wait_for(lock, bound, [this] { return shared_->ended; });
        end.removal = shared_->removal;
        shared_->wake = nullptr;
    }
    if (end.ended) {
        thread_.join();
    } else {
        thread_.detach();
    }
    return end;
}

void MappingWorker::Live(const std::stop_token& stop, const std::shared_ptr<Shared>& shared,
                         const Clients& clients, const MappingRequest& request) {
    QStringList problems;
    for (const auto& client : clients) {
        if (stop.stop_requested()) {
            break;
        }
        const RouterAnswer answer = client->Open(request, stop);
        if (answer.granted) {
            // Once stopped, the news reaches nobody and the renewals end at once: a mapping
            // granted too late is removed straight away.
            shared->Tell({MappingEvent::Kind::Opened, client->Protocol(), answer});
            KeepRenewing(stop, *shared, *client, request, answer);
            shared->End(client->Close(request));
            return;
        }
        problems << QStringLiteral("%1: %2").arg(PortMapProtocolName(client->Protocol()),
                                                 answer.problem);
    }
    shared->Tell({MappingEvent::Kind::Refused, PortMapProtocol::UpnpIgd,
                  RouterAnswer::Refusal(problems.join(QStringLiteral("; ")))});
    shared->End(std::nullopt);
}

void MappingWorker::KeepRenewing(const std::stop_token& stop, Shared& shared, RouterClient& holder,
                                 const MappingRequest& request, RouterAnswer granted) {
    // A lease of zero is kept until removed: the worker only waits to be stopped.
    while (granted.lease.count() > 0) {
        if (shared.Sleep(stop, std::chrono::milliseconds(granted.lease) / 2)) {
            return;
        }
        granted = holder.Renew(request, stop);
        if (!granted.granted) {
            shared.Tell({MappingEvent::Kind::Lost, holder.Protocol(), granted});
            return;
        }
        shared.Tell({MappingEvent::Kind::Renewed, holder.Protocol(), granted});
    }
    shared.SleepUntilStopped(stop);
}

}  // namespace morvane
