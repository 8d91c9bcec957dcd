#include "shell/windows/accessible_names.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <array>

#include "rules/board.h"
#include "shell/settings/language.h"

namespace morvane {
namespace {

// By CellState code, Empty (0) to Block (8). The board's symbols are the same in every language.
const std::array<const char*, Block + 1> kCellContents = {
    QT_TRANSLATE_NOOP("morvane::AccessibleNames", "空き"),
    "◇",
    "○",
    "×",
    QT_TRANSLATE_NOOP("morvane::AccessibleNames", "○（勝ち）"),
    QT_TRANSLATE_NOOP("morvane::AccessibleNames", "×（勝ち）"),
    "○",
    "×",
    "■",
};

// A window's notice: what a screen reader is told to speak.
const QString kNoticeName = QStringLiteral("ScreenReaderNotice");

QAccessibleInterface* NoticeFactory(const QString& /*className*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || widget->objectName() != kNoticeName) {
        return nullptr;
    }
    return new QAccessibleWidget(widget, QAccessible::Notification);
}

}  // namespace

QString CellName(int column, int row, const QString& content) {
    return QCoreApplication::translate("morvane::AccessibleNames", "%1列目 %2行目：%3")
        .arg(InterfaceNumber(column), InterfaceNumber(row), content);
}

QString BoardCellName(int index, int code) {
    return CellName(CellX(index), CellY(index),
                    QCoreApplication::translate("morvane::AccessibleNames",
                                                kCellContents.at(static_cast<std::size_t>(code))));
}

QString PlayerPictureName(int side, const QString& kind) {
    return QCoreApplication::translate("morvane::AccessibleNames", "%1：%2")
        .arg(side == 0 ? QStringLiteral("○") : QStringLiteral("×"), kind);
}

void UpdateAccessibleName(QWidget* control, const QString& name) {
    if (control->accessibleName() != name) {
        control->setAccessibleName(name);
    }
}

void NameAfterCaption(QWidget* control, const QString& name, QLabel* caption) {
    control->setAccessibleName(name);
    caption->setBuddy(control);
}

void Announce(QWidget* window, const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    // Qt 6.4 has no announcement event (it came with 6.8), and what Orca does speak without
    // one, a new description of the focused object, reaches it from Qt 6.4 without its text
    // (the event carries the object, and Orca speaks the event's text). Orca speaks a
    // notification as soon as it shows, whatever has the focus, asking the object itself for its
    // name: so the text is the name of an empty notice inside the window, hidden and shown again.
    [[maybe_unused]] static const bool factoryInstalled = [] {
        QAccessible::installFactory(&NoticeFactory);
        return true;
    }();
    auto* notice = window->findChild<QWidget*>(kNoticeName, Qt::FindDirectChildrenOnly);
    if (notice == nullptr) {
        notice = new QWidget(window);
        notice->setObjectName(kNoticeName);
        // Nothing to see or to point at.
        notice->setFixedSize(0, 0);
        notice->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    notice->hide();
    notice->setAccessibleName(text);
    notice->show();
}

}  // namespace morvane
