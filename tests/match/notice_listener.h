#pragma once

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QStringList>

namespace morvane::testing {

// Listens as a screen reader does, while it lives: records the name of every notification that
// shows (the object a screen reader takes for one and speaks as it shows). Without a screen
// reader Qt raises no accessibility events at all, so the listener turns accessibility on the
// way Qt's own tests do, through the platform's accessibility.
class NoticeListener {
public:
    NoticeListener() {
        Current() = this;
        Platform()->setActive(true);
        previous_ = QAccessible::installUpdateHandler(&Hear);
    }
    ~NoticeListener() {
        QAccessible::installUpdateHandler(previous_);
        Platform()->setActive(false);
        Current() = nullptr;
    }
    NoticeListener(const NoticeListener&) = delete;
    NoticeListener& operator=(const NoticeListener&) = delete;

    // Every notification heard, in order.
    const QStringList& heard() const { return heard_; }

private:
    static QPlatformAccessibility* Platform() {
        return QGuiApplicationPrivate::platformIntegration()->accessibility();
    }
    static NoticeListener*& Current() {
        static NoticeListener* current = nullptr;
        return current;
    }
    static void Hear(QAccessibleEvent* event) {
        QAccessibleInterface* shown = event->accessibleInterface();
        if (event->type() == QAccessible::ObjectShow && shown != nullptr &&
            shown->role() == QAccessible::Notification) {
            Current()->heard_ << shown->text(QAccessible::Name);
        }
    }

    QStringList heard_;
    QAccessible::UpdateHandler previous_ = nullptr;
};

}  // namespace morvane::testing
