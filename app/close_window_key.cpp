#include "app/close_window_key.h"

#include <QKeyEvent>
#include <QWidget>

namespace morvane {

bool CloseWindowKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) {
        return QObject::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_W || key->modifiers() != Qt::ControlModifier) {
        return QObject::eventFilter(watched, event);
    }
    // A held key repeats; it must not go on to close the window that comes up next.
    if (!key->isAutoRepeat()) {
        static_cast<QWidget*>(watched)->window()->close();
    }
    return true;
}

}  // namespace morvane

#include "moc_close_window_key.cpp"
