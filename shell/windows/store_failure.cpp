#include "shell/windows/store_failure.h"

#include <QDir>

#include "shell/settings/settings_store.h"
#include "shell/windows/message_dialog.h"

namespace morvane {
namespace {

const QString kNotStored =
    QStringLiteral("設定を保存できませんでした。\n%1\n書き込めるか確かめて下さい。");
const QString kConfirm = QStringLiteral("確認");

}  // namespace

bool TellIfNotStored(QWidget* parent, const SettingsStore& store, bool stored) {
    if (!stored) {
        ShowMessage(parent, kNotStored.arg(QDir::toNativeSeparators(store.FileName())), QString(),
                    QString(), kConfirm);
    }
    return stored;
}

}  // namespace morvane
