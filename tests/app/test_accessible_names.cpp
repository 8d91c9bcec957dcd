#include <QAbstractScrollArea>
#include <QAccessible>
#include <QLabel>
#include <QTest>
#include <memory>

#include "tests/app/all_windows.h"

using namespace morvane;
using morvane::testing::AddWindowRows;
using morvane::testing::Windows;

namespace {

// Whether a widget is one the user works: a control of Qt's own, a control of the game's own
// (a label or cell that takes clicks through a click detector), or any other widget that shows
// it takes input by a pointer of its own or by taking the keyboard focus. Not controls: a scroll
// area's page, which only scrolls what it holds, the viewport of a text box, which is the box,
// and a label that neither shows nor takes anything (a message's unused answer).
bool ActsAsControl(const QWidget* widget) {
    static constexpr const char* kControls[] = {
        "QAbstractButton",
        "QComboBox",
        "QAbstractSpinBox",
        "QLineEdit",
        "QSlider",
        "QTabBar",
        "QAbstractItemView",
        "QPlainTextEdit",
        "QTextEdit",
        "morvane::HoverLabel",
        "morvane::CellLabel",
        "morvane::ExCellWidget",
    };
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (label != nullptr && !label->isEnabled() && label->text().isEmpty() &&
        label->pixmap().isNull()) {
        return false;
    }
    for (const char* kind : kControls) {
        if (widget->inherits(kind)) {
            return true;
        }
    }
    if (const auto* area = qobject_cast<const QAbstractScrollArea*>(widget->parentWidget());
        area != nullptr && area->viewport() == widget) {
        return false;
    }
    return widget->testAttribute(Qt::WA_SetCursor) ||
           (widget->focusPolicy() != Qt::NoFocus && !widget->inherits("QScrollArea"));
}

QString AccessibleName(QObject* object) {
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(object);
    return control != nullptr ? control->text(QAccessible::Name) : QString();
}

// The controls of the window that a screen reader would find without a name, as
// "objectName (class)"; the entries of a menu by their text.
QStringList Nameless(QWidget* window) {
    QStringList nameless;
    auto check = [&nameless](QObject* object, const QString& what) {
        if (AccessibleName(object).trimmed().isEmpty()) {
            nameless << what;
        }
    };
    check(window, QStringLiteral("the window"));
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        if (widget->isVisibleTo(window) && widget != window && ActsAsControl(widget)) {
            check(widget, QStringLiteral("%1 (%2)").arg(widget->objectName(),
                                                        widget->metaObject()->className()));
        }
        if (widget->isVisibleTo(window) &&
            (widget->inherits("QMenu") || widget->inherits("QMenuBar"))) {
            QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(widget);
            for (int entry = 0; entry < menu->childCount(); ++entry) {
                if (menu->child(entry)->text(QAccessible::Name).trimmed().isEmpty()) {
                    nameless
                        << QStringLiteral("entry %1 of %2").arg(entry).arg(widget->objectName());
                }
            }
        }
    }
    return nameless;
}

}  // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT

private slots:
    // A screen reader finds a name for every control of every window as it opens.
    void everyControlHasAName_data() { AddWindowRows(); }
    void everyControlHasAName() {
        QFETCH(QString, name);
        Windows windows;
        const std::unique_ptr<QWidget> window = windows.Make(name);
        window->show();
        const QStringList nameless = Nameless(window.get());
        QVERIFY2(nameless.isEmpty(), qPrintable(name + QStringLiteral(": no accessible name for ") +
                                                nameless.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(AccessibleNamesTest)
#include "test_accessible_names.moc"
