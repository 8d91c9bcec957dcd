#include "shell/windows/system_info.h"

#include <QCoreApplication>
#include <QDir>

#include "shell/windows/message_dialog.h"

namespace morvane {
namespace {

// The folder and the file name joined by one separator of this platform, whether or not the
// folder already ends with one.
QString JoinPath(QString folder, const QString& fileName) {
    while (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QDir::separator())) {
        folder.chop(1);
    }
    return folder + QDir::separator() + fileName;
}

}  // namespace

std::optional<QString> FindSystemInfoTool(const SystemInfoPlatform& platform) {
    if (std::optional<QString> path = platform.ToolPath()) {
        return path;
    }
    if (std::optional<QString> folder = platform.ToolFolder()) {
        const QString file = JoinPath(*folder, kToolFileName);
        if (platform.FileExists(file)) {
            return file;
        }
    }
    return std::nullopt;
}

void StartSysInfo(QWidget* parent, const SystemInfoPlatform& platform) {
    const std::optional<QString> tool = FindSystemInfoTool(platform);
    if (tool && platform.StartDetached(*tool)) {
        return;
    }
    ShowMessage(parent, SysInfoMissingNotice(), QString(), QString(), ConfirmCaption());
}

QString SysInfoMissingNotice() {
    return QCoreApplication::translate("morvane::StartSysInfo",
                                       "現時点ではｼｽﾃﾑ情報を使用できません");
}

}  // namespace morvane
