#include "shell/windows/display_scale_choice.h"

#include <QApplication>
#include <QWidget>

#include "shell/settings/settings_log.h"
#include "shell/settings/settings_store.h"
#include "shell/windows/live_scale.h"
#include "shell/windows/store_failure.h"
#include "shell/windows/window_place.h"

namespace morvane {

void ChooseDisplayScale(QWidget* parent, SettingsStore& store, int percent) {
    if (!TellIfNotStored(parent, store, store.Write(settings::DisplayScale(), percent))) {
        return;
    }
    qCDebug(settingsLog) << "display scale" << percent;
    ApplyDisplayScale(percent);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const bool placed =
            window->windowType() == Qt::Window || window->windowType() == Qt::Dialog;
        if (placed && window->isVisible() && !window->isMaximized() && !window->isFullScreen()) {
            KeepOnScreen(window);
        }
    }
}

}  // namespace morvane
