#include "net/windows/net_windows.h"

#include "net/windows/host_window.h"
#include "net/windows/join_window.h"
#include "shell/settings/settings_store.h"

namespace morvane {

NetLink* HostNetworkGame(QWidget* parent, QObject* linkParent, const HostRequest& request) {
    SettingsStore store;
    HostWindow window(request, store, parent);
    window.exec();
    // The window, and the listener with it, goes when this returns.
    return window.TakeGuest(linkParent);
}

NetLink* JoinNetworkGame(QWidget* parent, QObject* linkParent, const JoinRequest& request) {
    SettingsStore store;
    JoinWindow window(request, store, parent);
    window.exec();
    return window.TakeLink(linkParent);
}

}  // namespace morvane
