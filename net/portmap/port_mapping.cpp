#include "net/portmap/port_mapping.h"

#include <QCoreApplication>
#include <algorithm>
#include <utility>

#include "net/portmap/nat_pmp_client.h"
#include "net/portmap/portmap_log.h"
#include "net/portmap/upnp_igd_client.h"

namespace morvane {

namespace {

// How the mapping is named where the router lists its mappings. Routers' pages show ASCII
// best, so the game's name is spelt as its package spells it.
const QString kDescription = QStringLiteral("Morvane III");

MappingWorker::Clients RouterClients() {
    // UPnP IGD first, since most home routers speak it; a NAT-PMP router answers within
    // milliseconds once the UPnP search has found nothing. One protocol at a time, so that a
    // router speaking both never holds two mappings, and one removal undoes what was made.
    MappingWorker::Clients clients;
    clients.push_back(std::make_unique<UpnpIgdClient>());
    clients.push_back(std::make_unique<NatPmpClient>());
    return clients;
}

}  // namespace

PortMapping::PortMapping(QObject* parent) : PortMapping(RouterClients, parent) {}

PortMapping::PortMapping(ClientMaker makeClients, QObject* parent)
    : QObject(parent), makeClients_(std::move(makeClients)) {
    answerBound_.setSingleShot(true);
    answerBound_.setInterval(kAnswerBound);
    connect(&answerBound_, &QTimer::timeout, this, [this] {
        GiveUp(QStringLiteral("no router answered within %1 ms").arg(kAnswerBound.count()));
    });
    if (QCoreApplication::instance() != nullptr) {
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
                &PortMapping::Close);
    }
}

PortMapping::~PortMapping() { Close(); }

void PortMapping::Open(quint16 port, std::chrono::seconds lease) {
    Close();
    const MappingRequest request{port, std::max(lease, std::chrono::seconds(1)), kDescription};
    qCDebug(portmapLog) << "asking the router to forward TCP port" << port << "for"
                        << request.lease.count() << "s";
    answerBound_.start();
    // The worker wakes this object from its own thread until Finish, which comes before this
    // object goes. A wake still queued from a worker finished since finds nothing of it.
    worker_ = std::make_unique<MappingWorker>(makeClients_(), request, [this] {
        QMetaObject::invokeMethod(this, "TakeEvents", Qt::QueuedConnection);
    });
}

void PortMapping::Close() { Finish(kRemovalBound); }

void PortMapping::TakeEvents() {
    if (!worker_) {
        return;
    }
    for (const MappingEvent& event : worker_->TakeEvents()) {
        if (worker_) {  // not once an event has ended the mapping
            OnEvent(event);
        }
    }
}

void PortMapping::OnEvent(const MappingEvent& event) {
    const QString protocol = PortMapProtocolName(event.protocol);
    const RouterAnswer& answer = event.answer;
    switch (event.kind) {
        case MappingEvent::Kind::Opened:
            answerBound_.stop();
            qCDebug(portmapLog).noquote()
                << protocol << "forwards"
                << answer.publicAddress + ':' + QString::number(answer.publicPort) << "for"
                << answer.lease.count() << "s";
            emit opened(event.protocol, answer.publicAddress, answer.publicPort);
            break;
        case MappingEvent::Kind::Renewed:
            qCDebug(portmapLog).noquote()
                << protocol << "renewed the mapping for" << answer.lease.count() << "s";
            break;
        case MappingEvent::Kind::Refused:
        case MappingEvent::Kind::Lost:
            GiveUp(answer.problem);
            break;
    }
}

void PortMapping::GiveUp(const QString& reason) {
    qCWarning(portmapLog).noquote() << "no port mapping:" << reason;
    Finish(std::chrono::milliseconds(0));
    emit failed(reason);
}

void PortMapping::Finish(std::chrono::milliseconds bound) {
    answerBound_.stop();
    if (!worker_) {
        return;
    }
    const MappingEnd end = std::exchange(worker_, nullptr)->Finish(bound);
    if (!end.ended) {
        qCDebug(portmapLog) << "the router has not answered; the mapping's thread finishes alone";
    } else if (end.removal && end.removal->isEmpty()) {
        qCDebug(portmapLog) << "the mapping is removed";
    } else if (end.removal) {
        qCWarning(portmapLog).noquote() << "the mapping may stay:" << *end.removal;
    }
}

}  // namespace morvane

#include "moc_port_mapping.cpp"
