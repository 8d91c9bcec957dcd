#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

#include "shell/windows/system_info.h"

namespace morvane {
namespace {

#ifdef Q_OS_WIN

// One value under HKEY_LOCAL_MACHINE, read-only. A number value reads as its decimal text.
std::optional<QString> GetKeyValue(const QString& keyPath, const QString& valueName) {
    const QSettings key(QStringLiteral("HKEY_LOCAL_MACHINE\\") + keyPath, QSettings::NativeFormat);
    const QVariant value = key.value(valueName);
    if (!value.isValid()) {
        return std::nullopt;
    }
    return value.toString();
}

std::optional<QString> ReadToolPath() {
    return GetKeyValue(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                       QStringLiteral("PATH"));
}

std::optional<QString> ReadToolFolder() {
    return GetKeyValue(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                       QStringLiteral("MSINFO"));
}

#else

// Without the registry, the desktop's own system monitor stands in for the tool; there is no
// tool folder to look in.
std::optional<QString> ReadToolPath() {
    static const char* const kMonitors[] = {
        "gnome-system-monitor", "plasma-systemmonitor", "ksysguard", "hardinfo",
        "xfce4-taskmanager",    "mate-system-monitor",
    };
    for (const char* name : kMonitors) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty()) {
            return path;
        }
    }
    return std::nullopt;
}

std::optional<QString> ReadToolFolder() { return std::nullopt; }

#endif

class NativePlatform final : public SystemInfoPlatform {
public:
    std::optional<QString> ToolPath() const override { return ReadToolPath(); }
    std::optional<QString> ToolFolder() const override { return ReadToolFolder(); }
    bool FileExists(const QString& path) const override { return QFileInfo(path).isFile(); }
    bool StartDetached(const QString& program) const override {
        return QProcess::startDetached(program, {});
    }
};

}  // namespace

const SystemInfoPlatform& NativeSystemInfo() {
    static const NativePlatform platform;
    return platform;
}

}  // namespace morvane
