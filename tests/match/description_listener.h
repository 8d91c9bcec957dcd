#pragma once

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QStringList>
#include <QWidget>

namespace morvane::testing {

// Listens as a screen reader does to one widget, while it lives: records the description that
// each DescriptionChanged event of the widget (found by objectName) carries. Without a screen
// reader Qt raises no accessibility events at all, so the listener turns accessibility on the
// way Qt's own tests do, through the platform's accessibility.
class DescriptionListener {
public:
    explicit DescriptionListener(const QString& objectName) : objectName_(objectName) {
        Current() = this;
        Platform()->setActive(true);
        previous_ = QAccessible::installUpdateHandler(&Hear);
    }
    ~DescriptionListener() {
        QAccessible::installUpdateHandler(previous_);
        Platform()->setActive(false);
        Current() = nullptr;
    }
    DescriptionListener(const DescriptionListener&) = delete;
    DescriptionListener& operator=(const DescriptionListener&) = delete;

    // Every description heard, empty ones included, in order.
    const QStringList& heard() const { return heard_; }

private:
    static QPlatformAccessibility* Platform() {
        return QGuiApplicationPrivate::platformIntegration()->accessibility();
    }
    static DescriptionListener*& Current() {
        static DescriptionListener* current = nullptr;
        return current;
    }
    static void Hear(QAccessibleEvent* event) {
        DescriptionListener* listener = Current();
        auto* widget = qobject_cast<QWidget*>(event->object());
        if (event->type() == QAccessible::DescriptionChanged && widget != nullptr &&
            widget->objectName() == listener->objectName_) {
            listener->heard_ << widget->accessibleDescription();
        }
    }

    QString objectName_;
    QStringList heard_;
    QAccessible::UpdateHandler previous_ = nullptr;
};

}  // namespace morvane::testing
