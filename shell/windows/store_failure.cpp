#include "shell/windows/store_failure.h"

#include <QCoreApplication>
#include <QDir>

#include "shell/settings/settings_store.h"
#include "shell/windows/message_dialog.h"

namespace morvane {

bool TellIfNotStored(QWidget* parent, const SettingsStore& store, bool stored) {
    if (!stored) {
        const QString text = QCoreApplication::translate(
            "morvane::TellIfNotStored",
            "設定を保存できませんでした。\n%1\n書き込めるか確かめて下さい。");
        ShowMessage(parent, text.arg(QDir::toNativeSeparators(store.FileName())), QString(),
                    QString(), ConfirmCaption());
    }
    return stored;
}

}  // namespace morvane
