#include "match/windows/game_file_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "match/model/battle_log.h"
#include "shell/settings/settings_keys.h"
#include "shell/settings/settings_store.h"
#include "shell/windows/message_dialog.h"
#include "shell/windows/open_dialog.h"
#include "shell/windows/store_failure.h"

namespace morvane {
namespace {

void Tell(QWidget* parent, const QString& text) {
    ShowMessage(parent, text, QString(), QString(), ConfirmCaption());
}

// The folder last used, or the player's documents the first time; the first of them that
// exists, else the home folder (the dialog would take a missing folder for a file name).
QString StartFolder(const SettingsStore& store) {
    for (const QString& folder :
         {store.Read(settings::GameFolder()),
          QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)}) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
            return folder;
        }
    }
    return QDir::homePath();
}

}  // namespace

void AskGameFile(QWidget* parent, SettingsStore& store, GameFileAction action,
                 std::function<void(const QString& path)> answered) {
    const bool saving = action == GameFileAction::Save;
    auto* dialog = new QFileDialog(
        parent,
        saving ? QCoreApplication::translate("morvane::GameFileDialogs", "ゲームの保存")
               : QCoreApplication::translate("morvane::GameFileDialogs", "ゲームを開く"),
        StartFolder(store),
        QCoreApplication::translate("morvane::GameFileDialogs", "Morvaneⅲのゲーム (*.%1)")
            .arg(QLatin1String(kSavedGameSuffix)));
    dialog->setObjectName(QStringLiteral("GameFileDialog"));
    // The dialog in the game's own look, as every other window.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (saving) {
        // Opening takes the name as it is: a file with another ending is still read.
        dialog->setDefaultSuffix(QLatin1String(kSavedGameSuffix));
    }
    const QObject* receiver = parent != nullptr ? static_cast<QObject*>(parent) : dialog;
    OpenDialog(dialog, receiver,
               [parent, &store, answered = std::move(answered)](const QFileDialog& closed) {
                   if (closed.result() != QDialog::Accepted || closed.selectedFiles().isEmpty()) {
                       answered(QString());
                       return;
                   }
                   const QString path = closed.selectedFiles().constFirst();
                   TellIfNotStored(
                       parent, store,
                       store.Write(settings::GameFolder(), QFileInfo(path).absolutePath()));
                   answered(path);
               });
}

bool SaveGameOrTell(QWidget* parent, const QString& path, const SavedGame& game) {
    QString error;
    if (SaveGameFile(path, game, error)) {
        return true;
    }
    qCWarning(battleLog) << "the game could not be saved:" << error;
    Tell(parent, QCoreApplication::translate("morvane::GameFileDialogs",
                                             "ゲームを保存できませんでした。\n%1")
                     .arg(error));
    return false;
}

std::optional<SavedGame> GameOrTell(QWidget* parent, const SavedGameRead& read) {
    if (!read.game) {
        qCWarning(battleLog) << "the game could not be opened: line" << read.line << read.error;
        Tell(parent, QCoreApplication::translate("morvane::GameFileDialogs",
                                                 "ゲームを開けませんでした。\n%1")
                         .arg(read.error));
    }
    return read.game;
}

}  // namespace morvane
