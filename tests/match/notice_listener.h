#pragma once

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QStringList>

namespace morvane::testing {

// Listens as a screen reader does, while it lives: records the name of every notification that
// shows (the object a screen reader takes for one and speaks as it shows), asking the shown
// widget's accessible object for its role and name as a screen reader told of the show would.
class NoticeListener : public QObject {
public:
    NoticeListener() { qApp->installEventFilter(this); }
    ~NoticeListener() override { qApp->removeEventFilter(this); }
    NoticeListener(const NoticeListener&) = delete;
    NoticeListener& operator=(const NoticeListener&) = delete;

    // Every notification heard, in order.
    const QStringList& heard() const { return heard_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(watched);
            if (shown != nullptr && shown->role() == QAccessible::Notification) {
                heard_ << shown->text(QAccessible::Name);
            }
        }
        return false;
    }

private:
    QStringList heard_;
};

}  // namespace morvane::testing
