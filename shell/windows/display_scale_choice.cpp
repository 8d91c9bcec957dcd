#include "shell/windows/display_scale_choice.h"

#include "shell/settings/settings_store.h"
#include "shell/windows/message_dialog.h"
#include "shell/windows/store_failure.h"

namespace morvane {
namespace {

const QString kNextStart = QStringLiteral("表示倍率は次回の起動から\n有効になります。");
const QString kConfirm = QStringLiteral("確認");

}  // namespace

void ChooseDisplayScale(QWidget* parent, SettingsStore& store, int percent) {
    if (TellIfNotStored(parent, store, store.Write(settings::DisplayScale(), percent))) {
        ShowMessage(parent, kNextStart, QString(), QString(), kConfirm);
    }
}

}  // namespace morvane
