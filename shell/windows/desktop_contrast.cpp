#include "shell/windows/desktop_contrast.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

namespace morvane {
namespace {

constexpr int kPortalWaitMilliseconds = 250;

}  // namespace

bool AsksHighContrast(const QVariant& contrast) {
    QVariant value = contrast;
    while (value.metaType() == QMetaType::fromType<QDBusVariant>()) {
        value = value.value<QDBusVariant>().variant();
    }
    return value.metaType() == QMetaType::fromType<uint>() && value.toUInt() == 1;
}

bool DesktopAsksHighContrast() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return false;
    }
    QDBusMessage read = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.portal.Desktop"),
        QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.Settings"), QStringLiteral("Read"));
    read << QStringLiteral("org.freedesktop.appearance") << QStringLiteral("contrast");
    const QDBusMessage answer = bus.call(read, QDBus::Block, kPortalWaitMilliseconds);
    return answer.type() == QDBusMessage::ReplyMessage && !answer.arguments().isEmpty() &&
           AsksHighContrast(answer.arguments().constFirst());
}

}  // namespace morvane
