#include "shell/windows/store_failure.h"

#include <QCoreApplication>
#include <QDir>
#include <QWidget>

#include "shell/settings/settings_log.h"
#include "shell/settings/settings_store.h"
#include "shell/windows/message_dialog.h"

namespace morvane {

namespace {

QString NotStoredText(const SettingsStore& store) {
    return QCoreApplication::translate(
               "morvane::TellIfNotStored",
               "設定を保存できませんでした。\n%1\n書き込めるか確かめて下さい。")
        .arg(QDir::toNativeSeparators(store.FileName()));
}

}  // namespace

bool TellIfNotStored(QWidget* parent, const SettingsStore& store, bool stored) {
    if (!stored) {
        ShowMessage(parent, NotStoredText(store), QString(), QString(), ConfirmCaption());
    }
    return stored;
}

void TellSoonIfNotStored(QWidget* parent, const SettingsStore& store, bool stored) {
    if (!stored) {
        OpenMessage(parent, NotStoredText(store), QString(), QString(), ConfirmCaption(), parent,
                    [](MessageAnswer) {});
    }
}

void TellIfFileRefused(QWidget* parent, const SettingsStore& store) {
    QString text;
    switch (store.Refusal()) {
        case SettingsStore::FileRefusal::None:
            return;
        case SettingsStore::FileRefusal::NotARegularFile:
            text = QCoreApplication::translate(
                "morvane::TellIfFileRefused",
                "普通のファイルでない設定ファイルは\n使えません。初期設定で続けます。\n%1");
            break;
        case SettingsStore::FileRefusal::TooLarge:
            text = QCoreApplication::translate(
                "morvane::TellIfFileRefused",
                "大きすぎる設定ファイルは\n使えません。初期設定で続けます。\n%1");
            break;
    }
    qCWarning(settingsLog) << "settings file refused, running on defaults:" << store.FileName();
    ShowMessage(parent, text.arg(QDir::toNativeSeparators(store.FileName())), QString(), QString(),
                ConfirmCaption());
}

}  // namespace morvane
