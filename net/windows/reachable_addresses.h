#pragma once

#include <QHostAddress>
#include <QList>

namespace morvane {

// The addresses another machine can reach this one at: those of the interfaces that are up,
// loopback left out, IPv4 first, then IPv6 (link-local IPv6 left out, since it needs an
// interface name on the other side too).
QList<QHostAddress> ReachableAddresses();

}  // namespace morvane
