#include "net/portmap/upnp_igd_client.h"

#include <miniupnpc/miniupnpc.h>
#include <miniupnpc/upnpcommands.h>
#include <miniupnpc/upnperrors.h>

#include <array>
#include <string>

namespace morvane {

namespace {

// How long the search waits for gateways to answer. SSDP asks a device to answer within a
// whole number of seconds, and a home router answers within that one second.
constexpr int kSearchWaitMs = 1000;
// SSDP's usual multicast reach: the local network and one router beyond.
constexpr unsigned char kSearchTtl = 2;
// Both versions of the gateway are searched for at once (one wait, not one per type).
constexpr std::array<const char*, 3> kGatewayTypes = {
    "urn:schemas-upnp-org:device:InternetGatewayDevice:1",
    "urn:schemas-upnp-org:device:InternetGatewayDevice:2", nullptr};
constexpr int kSearchAllTypes = 1;
constexpr int kIpv4 = 0;
// The UPnP error of a gateway that takes only mappings without a lease.
constexpr int kOnlyPermanentLeases = 725;
// The UPnP error for a mapping the gateway does not hold (already gone).
constexpr int kNoSuchMapping = 714;
constexpr const char* kTcp = "TCP";

struct DeviceListFree {
    void operator()(UPNPDev* devices) const { freeUPNPDevlist(devices); }
};
using DeviceList = std::unique_ptr<UPNPDev, DeviceListFree>;

// The code and what miniupnpc calls it.
QString UpnpError(int code) {
    return QStringLiteral("%1 (%2)").arg(code).arg(QString::fromUtf8(strupnperror(code)));
}

// What UPNP_GetValidIGD found among the devices that answered.
enum class GatewayFound { Connected, PrivateAddress, Disconnected, None };

GatewayFound FindGateway(UPNPDev* devices, UPNPUrls& urls, IGDdatas& data, char* localAddress,
                         int localAddressSize) {
#if MINIUPNPC_API_VERSION >= 18
    // Since API 18 miniupnpc also gives the public address, and tells a gateway whose public
    // address is private (another router stands before it) from a connected one: 1, connected;
    // 2, a private address; 3, not connected.
    std::array<char, 40> publicAddress{};
    switch (UPNP_GetValidIGD(devices, &urls, &data, localAddress, localAddressSize,
                             publicAddress.data(), static_cast<int>(publicAddress.size()))) {
        case 1:
            return GatewayFound::Connected;
        case 2:
            return GatewayFound::PrivateAddress;
        case 3:
            return GatewayFound::Disconnected;
        default:
            return GatewayFound::None;
    }
#else
    // Before (Debian 12's 2.2.4): 1, connected; 2, not connected.
    switch (UPNP_GetValidIGD(devices, &urls, &data, localAddress, localAddressSize)) {
        case 1:
            return GatewayFound::Connected;
        case 2:
            return GatewayFound::Disconnected;
        default:
            return GatewayFound::None;
    }
#endif
}

QString GatewayProblem(GatewayFound found) {
    switch (found) {
        case GatewayFound::PrivateAddress:
            return QStringLiteral(
                "the UPnP gateway's public address is private: another router "
                "stands before it");
        case GatewayFound::Disconnected:
            return QStringLiteral("the UPnP gateway says it is not connected");
        default:
            return QStringLiteral("the UPnP devices that answered are no gateways");
    }
}

}  // namespace

struct UpnpIgdClient::Gateway {
    UPNPUrls urls{};
    IGDdatas data{};
    std::array<char, 64> localAddress{};  // this machine's address towards the gateway

    Gateway() = default;
    Gateway(const Gateway&) = delete;
    Gateway& operator=(const Gateway&) = delete;
    ~Gateway() { FreeUPNPUrls(&urls); }
};

UpnpIgdClient::UpnpIgdClient() = default;
UpnpIgdClient::~UpnpIgdClient() = default;

RouterAnswer UpnpIgdClient::Open(const MappingRequest& request, const std::stop_token& stop) {
    int error = 0;
    const DeviceList devices(upnpDiscoverDevices(kGatewayTypes.data(), kSearchWaitMs, nullptr,
                                                 nullptr, UPNP_LOCAL_PORT_ANY, kIpv4, kSearchTtl,
                                                 &error, kSearchAllTypes));
    if (!devices) {
        return RouterAnswer::Refusal(
            error == UPNPDISCOVER_SUCCESS
                ? QStringLiteral("no UPnP gateway answered within %1 ms").arg(kSearchWaitMs)
                : QStringLiteral("the UPnP search failed (%1)").arg(error));
    }
    if (stop.stop_requested()) {
        return RouterAnswer::Refusal(QStringLiteral("stopped"));
    }
    auto gateway = std::make_unique<Gateway>();
    const GatewayFound found =
        FindGateway(devices.get(), gateway->urls, gateway->data, gateway->localAddress.data(),
                    static_cast<int>(gateway->localAddress.size()));
    if (found != GatewayFound::Connected) {
        return RouterAnswer::Refusal(GatewayProblem(found));
    }
    gateway_ = std::move(gateway);
    return Map(request);
}

RouterAnswer UpnpIgdClient::Renew(const MappingRequest& request, const std::stop_token&) {
    // Adding the same mapping again from the same machine extends its lease.
    return Map(request);
}

RouterAnswer UpnpIgdClient::Map(const MappingRequest& request) {
    Q_ASSERT(gateway_);
    const char* control = gateway_->urls.controlURL;
    const char* service = gateway_->data.first.servicetype;
    std::array<char, 40> publicAddress{};
    const int asked = UPNP_GetExternalIPAddress(control, service, publicAddress.data());
    if (asked != UPNPCOMMAND_SUCCESS || publicAddress[0] == '\0') {
        return RouterAnswer::Refusal(
            QStringLiteral("the UPnP gateway gave no public address: %1").arg(UpnpError(asked)));
    }
    const std::string port = std::to_string(request.port);
    const QByteArray description = request.description.toUtf8();
    std::chrono::seconds lease = request.lease;
    int added = UPNP_AddPortMapping(control, service, port.c_str(), port.c_str(),
                                    gateway_->localAddress.data(), description.constData(), kTcp,
                                    nullptr, std::to_string(lease.count()).c_str());
    if (added == kOnlyPermanentLeases && lease.count() != 0) {
        lease = std::chrono::seconds(0);
        added = UPNP_AddPortMapping(control, service, port.c_str(), port.c_str(),
                                    gateway_->localAddress.data(), description.constData(), kTcp,
                                    nullptr, "0");
    }
    if (added != UPNPCOMMAND_SUCCESS) {
        return RouterAnswer::Refusal(
            QStringLiteral("the UPnP gateway refused the mapping: %1").arg(UpnpError(added)));
    }
    RouterAnswer answer;
    answer.granted = true;
    answer.publicAddress = QString::fromLatin1(publicAddress.data());
    answer.publicPort = request.port;
    answer.lease = lease;
    return answer;
}

QString UpnpIgdClient::Close(const MappingRequest& request) {
    Q_ASSERT(gateway_);
    const std::string port = std::to_string(request.port);
    const int removed = UPNP_DeletePortMapping(
        gateway_->urls.controlURL, gateway_->data.first.servicetype, port.c_str(), kTcp, nullptr);
    if (removed == UPNPCOMMAND_SUCCESS || removed == kNoSuchMapping) {
        return {};
    }
    return QStringLiteral("the UPnP gateway kept the mapping: %1").arg(UpnpError(removed));
}

}  // namespace morvane
