#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace morvane {

// The platform facilities that starting the system information tool needs. On Windows they
// are the registry, the file system and process creation; elsewhere a desktop system monitor
// found on the PATH stands in for the tool.
class SystemInfoPlatform {
public:
    virtual ~SystemInfoPlatform() = default;
    // The tool itself: HKEY_LOCAL_MACHINE "SOFTWARE\Microsoft\Shared Tools\MSINFO", value
    // "PATH". Nothing when there is no such value.
    virtual std::optional<QString> ToolPath() const = 0;
    // The tool's folder: HKEY_LOCAL_MACHINE "SOFTWARE\Microsoft\Shared Tools Location", value
    // "MSINFO". Nothing when there is no such value.
    virtual std::optional<QString> ToolFolder() const = 0;
    virtual bool FileExists(const QString& path) const = 0;
    // Starts the program as a separate process without waiting for it. False when it cannot.
    virtual bool StartDetached(const QString& program) const = 0;
};

// This machine's facilities.
const SystemInfoPlatform& NativeSystemInfo();

// The file name of the tool inside its folder.
inline const QString kToolFileName = QStringLiteral("MSINFO32.EXE");

// The program to start: the tool's path when it is known (the folder is then not looked at);
// otherwise the tool file in the tool's folder, when that file exists; otherwise nothing.
std::optional<QString> FindSystemInfoTool(const SystemInfoPlatform& platform);

// `StartSysInfo`: starts the system information tool, or tells the user through the message
// dialog that it cannot be used now (no tool found, or it would not start).
void StartSysInfo(QWidget* parent, const SystemInfoPlatform& platform);

// What the user is told when the tool cannot be used, in the interface's language.
QString SysInfoMissingNotice();

}  // namespace morvane
