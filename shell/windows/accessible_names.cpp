#include "shell/windows/accessible_names.h"

#include <QLabel>
#include <array>

#include "rules/board.h"
#include "shell/windows/version_text.h"

namespace morvane {
namespace {

// By CellState code, Empty (0) to Block (8).
const std::array<QString, Block + 1> kCellContents = {
    QStringLiteral("空き"), QStringLiteral("◇"),         QStringLiteral("○"),
    QStringLiteral("×"),    QStringLiteral("○（勝ち）"), QStringLiteral("×（勝ち）"),
    QStringLiteral("○"),    QStringLiteral("×"),         QStringLiteral("■"),
};

}  // namespace

QString CellName(int column, int row, const QString& content) {
    return QStringLiteral("%1列目 %2行目：%3")
        .arg(FullWidthDigits(column), FullWidthDigits(row), content);
}

QString BoardCellName(int index, int code) {
    return CellName(CellX(index), CellY(index), kCellContents.at(static_cast<std::size_t>(code)));
}

QString PlayerPictureName(int side, const QString& kind) {
    return (side == 0 ? QStringLiteral("○：") : QStringLiteral("×：")) + kind;
}

void SetAccessibleText(QWidget* control, const QString& name, const QString& description) {
    if (control->accessibleName() != name) {
        control->setAccessibleName(name);
    }
    if (!description.isEmpty() && control->accessibleDescription() != description) {
        control->setAccessibleDescription(description);
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
    // Qt 6.4 has no announcement event (it came with 6.8), and Orca speaks neither a name nor a
    // text that changes on a label without the focus. What Orca does speak is a new accessible
    // description of the object that has the focus, or of an ancestor of it (its guide for
    // application developers names this way): so the text becomes the description of the
    // window, which holds the keyboard focus of its screen or is the ancestor of what does.
    // Setting the description raises the DescriptionChanged event. Orca also drops a
    // description too much like the one before it, as two turns' pages are; passing through the
    // empty description, which Orca does not speak, makes every text new to it.
    window->setAccessibleDescription(QString());
    window->setAccessibleDescription(text);
}

}  // namespace morvane
