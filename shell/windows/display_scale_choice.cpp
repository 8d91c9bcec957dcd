#include "shell/windows/display_scale_choice.h"

#include <QCoreApplication>

#include "shell/settings/settings_store.h"
#include "shell/windows/message_dialog.h"
#include "shell/windows/store_failure.h"

namespace morvane {

QString NextStartNotice() {
    return QCoreApplication::translate("morvane::ChooseDisplayScale",
                                       "表示倍率は次回の起動から\n有効になります。");
}

void ChooseDisplayScale(QWidget* parent, SettingsStore& store, int percent) {
    if (TellIfNotStored(parent, store, store.Write(settings::DisplayScale(), percent))) {
        ShowMessage(parent, NextStartNotice(), QString(), QString(), ConfirmCaption());
    }
}

}  // namespace morvane
