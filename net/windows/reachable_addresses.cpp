#include "net/windows/reachable_addresses.h"

#include <QNetworkInterface>
#include <algorithm>

namespace morvane {

QList<QHostAddress> ReachableAddresses() {
    QList<QHostAddress> addresses;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) ||
            !flags.testFlag(QNetworkInterface::IsRunning) ||
            flags.testFlag(QNetworkInterface::IsLoopBack)) {
            continue;
        }
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            const QHostAddress address = entry.ip();
            const bool ipv6LinkLocal =
                address.protocol() == QAbstractSocket::IPv6Protocol && address.isLinkLocal();
            if (!address.isLoopback() && !ipv6LinkLocal && !addresses.contains(address)) {
                addresses.append(address);
            }
        }
    }
    std::stable_partition(addresses.begin(), addresses.end(), [](const QHostAddress& address) {
        return address.protocol() == QAbstractSocket::IPv4Protocol;
    });
    return addresses;
}

}  // namespace morvane
